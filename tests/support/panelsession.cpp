// SPDX-License-Identifier: GPL-3.0-or-later
#include "panelsession.h"

#include "browsefixtures.h"

#include "platform/bevelbox.h"

#include <QTest>

PanelSession::PanelSession(int figureCount) {
    if (!t.start(BrowseFixtures::squaresCollection(figureCount)))
        qFatal("the test game did not start");
    main = std::make_unique<FormMain>(t.p);
    panel = std::make_unique<Form1>(t.p);
    panel->setMainWindow(main.get());
}

QString PanelSession::cue(const QString& name) const {
    return QStringLiteral("play ") + t.p.AppDir + name + QStringLiteral(".wav");
}

void PanelSession::click(int index) const {
    QTest::mouseClick(panel->MenuButx[static_cast<std::size_t>(index)], Qt::LeftButton);
}

bool PanelSession::showWithPanelActive() const {
    main->show();
    panel->show();
    if (!QTest::qWaitForWindowExposed(main.get()) || !QTest::qWaitForWindowExposed(panel.get()))
        return false;
    panel->activateWindow();
    return QTest::qWaitForWindowActive(panel.get());
}
