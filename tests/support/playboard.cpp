// SPDX-License-Identifier: GPL-3.0-or-later
#include "playboard.h"

#include "fixtures.h"

#include "app/startup.h"

#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>

MessageBoxes::Answer WatchingMessageBoxes::MsgBox(const Message& message) {
    if (whileShown)
        whileShown();
    return FakeMessageBoxes::MsgBox(message);
}

bool PlayBoard::start(const QByteArray& collection) {
    Fixtures::writeFile(folder.filePath(QStringLiteral("PELORIN.pel")), collection);
    if (!StartUp(p, folder.path()))
        return false;
    p.CurrentFigure = 1;
    p.ShowFigure();
    p.SoundOn = 1;
    main = std::make_unique<FormMain>(p);
    main->show();
    main->activateWindow();
    return QTest::qWaitForWindowExposed(main.get());
}

QPoint PlayBoard::at(int i, int dx, int dy) const {
    const auto n = static_cast<std::size_t>(i);
    return {static_cast<int>(p.BoardLeft + p.PieceX[n]) + dx,
            static_cast<int>(p.BoardTop + p.PieceY[n]) + dy};
}

QPoint PlayBoard::pointOn(int i) const {
    const ColourValue c = p.HitColour[static_cast<std::size_t>(i)];
    for (int y = 0; y < game.hitMap.height(); ++y)
        for (int x = 0; x < game.hitMap.width(); ++x)
            if (game.hitMap.Point(x, y) == c && game.hitMap.Point(x + 1, y + 1) == c)
                return {x + 1, y + 1};
    return {};
}

void PlayBoard::wheel(QPoint pos, int delta) {
    QWheelEvent event(pos, board()->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event); // delivered as the player's wheel is
    qApp->notify(board(), &event);
}

void PlayBoard::drag(QPoint from, QPoint to) {
    press(Qt::LeftButton, from);
    move(from);
    move(to);
    release(Qt::LeftButton, to);
}

QStringList PlayBoard::cues() const {
    QStringList names;
    const QString prefix = QStringLiteral("play ") + p.AppDir;
    for (const QString& c : sound.commands) {
        if (c.startsWith(prefix) && c.endsWith(QLatin1String(".wav")))
            names.append(c.mid(prefix.size()).chopped(4));
        else
            names.append(c);
    }
    return names;
}

void PlayBoard::layFigure(int f, double x, double y) {
    for (std::size_t i = 0; i < 7; ++i) {
        p.PieceX[i] = x + p.FigX[f][i];
        p.PieceY[i] = y + p.FigY[f][i];
        p.PieceOrient[i] = p.FigOrient[f][i];
    }
    redraw();
}

void PlayBoard::redraw() {
    game.hitMap.Cls();
    game.board.Cls();
    p.DrawAllPieces();
}
