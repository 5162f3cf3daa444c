#include "panelsession.h"

#include "platform/bevelbox.h"

#include <QApplication>
#include <QTest>

using namespace Fixtures;

namespace {

QByteArray figures(int count) {
    QList<QByteArray> records;
    for (int n = 1; n <= count; ++n)
        records.append(record(n, 10, 10, spread(10, 10)));
    return collection(syntheticHeader(), records);
}

} // namespace

PanelSession::PanelSession(int figureCount) {
    if (!t.start(figures(figureCount)))
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
