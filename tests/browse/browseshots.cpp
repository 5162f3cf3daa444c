// SPDX-License-Identifier: GPL-3.0-or-later
// Saves pictures of the browse, print, help and about windows, a printed page as PDF and the
// board and panel for the help page. Usage: browse_screenshots <folder>
#include "app/formmain.h"
#include "browse/allshapes.h"
#include "browse/printshapes.h"
#include "help/aboutform.h"
#include "help/form5.h"
#include "support/browsefixtures.h"
#include "support/printerfakes.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

namespace {

void save(QWidget& window, const QString& path) {
    window.show();
    QApplication::processEvents();
    window.grab().save(path);
}

// Three pieces of figure 4 laid in place, the others still at home; a hint shows the place of
// the next.
void startSolving(PELORIN1& p) {
    for (std::size_t i : {0u, 3u, 4u}) {
        p.PieceX[i] = 120 + p.FigX[4][i];
        p.PieceY[i] = 120 + p.FigY[4][i];
        p.PieceOrient[i] = p.FigOrient[4][i];
    }
    p.surfaces.board.Cls();
    p.surfaces.hitMap.Cls();
    p.DrawAllPieces();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    TestGame t;
    if (!t.start(Fixtures::readFile(QStringLiteral(ZEDERORU_DATA_DIR "/PELORIN.pel"))))
        return 1;
    t.p.CurrentFigure = 4;
    t.p.ShowFigure();

    FormMain board(t.p);
    startSolving(t.p);
    board.show();
    board.ShowHint();
    save(board, out.filePath(QStringLiteral("help-board.png")));
    for (int n : {1, 2, 3, 6, 9, 12, 13, 20})
        t.p.MarkSolved(n);

    AllShapes all(t.p, [&](int n) { t.p.CurrentFigure = n; });
    all.ViewAll();
    if (!QTest::qWaitForWindowExposed(&all))
        return 1;
    QMouseEvent move(QEvent::MouseMove, QPointF(120, 20), all.mapToGlobal(QPointF(120, 20)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&all, &move);
    save(all, out.filePath(QStringLiteral("allshapes.png")));
    all.Page().image().save(out.filePath(QStringLiteral("help-browse.png")));
    for (int page = 0; page * 64 < t.p.FigureCount; ++page) {
        all.VScroll1->setValue(page * 64);
        save(all, out.filePath(QStringLiteral("allshapes-page%1.png").arg(page + 1)));
    }

    CapturingPrinter printer;
    printer.pdfPath = out.filePath(QStringLiteral("printed.pdf"));
    PrintShapes print(t.p, t.messages, printer);
    print.DrawPrintPage();
    save(print, out.filePath(QStringLiteral("printshapes-shape.png")));
    print.ShowSolx->trigger();
    save(print, out.filePath(QStringLiteral("printshapes-solution.png")));
    print.Printx->trigger();
    if (printer.pages.size() != 1)
        return 1;

    Form5 help(QStringLiteral(ZEDERORU_DATA_DIR "/"));
    help.resize(760, 560);
    save(help, out.filePath(QStringLiteral("help.png")));
    AboutForm about;
    save(about, out.filePath(QStringLiteral("about.png")));
    return 0;
}
