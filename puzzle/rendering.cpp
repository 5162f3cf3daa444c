// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"
#include "pelorin1.h"

std::array<QPoint, 5> PELORIN1::Outline(int i, int o, double ox, double oy) const {
    const auto& s = Shape[static_cast<std::size_t>(i)][static_cast<std::size_t>(o & 7)];
    std::array<QPoint, 5> points;
    for (std::size_t k = 0; k < points.size(); ++k)
        points[k] = QPoint(CLng(ox + s[2 * k + 1]), CLng(oy + s[2 * k + 2]));
    return points;
}

void PELORIN1::PlacedOutline(int i, std::array<QPoint, 11>& buffer) {
    const auto n = static_cast<std::size_t>(i);
    OriginX = BoardLeft + PieceX[n];
    OriginY = BoardTop + PieceY[n];
    const std::array<QPoint, 5> points = Outline(i, PieceOrient[n], OriginX, OriginY);
    std::copy(points.begin(), points.end(), buffer.begin());
}

void PELORIN1::SetPieceColours(int i) {
    const auto n = static_cast<std::size_t>(i);
    Surface& board = surfaces.board;
    board.FillStyle_ = Surface::FillStyle::Solid;
    board.ForeColor = BoardBack;
    board.FillColor = SilhouetteColour;
    if (CopiedFlag == 1)
        board.ForeColor = QBColor(8); // the copied arrangement shows its inner lines at every level
    if (PlayLevel == 1)
        board.FillColor = QBColor(PieceColour[n]);
    if (OrientMatch[n] == 1 && PlayLevel == 2)
        board.FillColor = QBColor(3);
}

void PELORIN1::drawOnBoardAndHitMap(int i, const QPoint* points) {
    SetPieceColours(i);
    surfaces.board.Polygon(points, 4);
    Surface& hit = surfaces.hitMap;
    hit.FillColor = QBColor(PieceColour[static_cast<std::size_t>(i)]);
    hit.ForeColor = BoardBack;
    hit.FillStyle_ = Surface::FillStyle::Solid;
    hit.Polygon(points, 4);
}

void PELORIN1::DrawAllPieces() {
    for (int i = 0; i < Pieces; ++i) {
        if (i == Selected)
            continue;
        PlacedOutline(i, PiecePts);
        drawOnBoardAndHitMap(i, PiecePts.data());
    }
    if (Selected == -1)
        surfaces.board.Refresh();
}

void PELORIN1::DrawPiece(int i) {
    PlacedOutline(i, PiecePts);
    drawOnBoardAndHitMap(i, PiecePts.data());
    surfaces.board.Refresh();
}

void PELORIN1::drawTarget(int f, int& maxX, int& maxY) {
    OrientMatch.fill(0);
    if (!HasFigure(f))
        return; // an empty collection shows an empty target
    std::array<std::array<QPoint, 5>, Pieces> outlines;
    for (std::size_t i = 0; i < Pieces; ++i) {
        outlines[i] =
            Outline(static_cast<int>(i), FigOrient[f][i], 5 + FigX[f][i], FigY[f][i] + 14);
        for (const QPoint& p : outlines[i]) {
            maxX = std::max(maxX, p.x());
            maxY = std::max(maxY, p.y());
        }
    }
    fitTargetView(outlines, maxX, maxY);
    Surface& canvas = surfaces.targetCanvas;
    for (std::size_t i = 0; i < Pieces; ++i) {
        std::copy(outlines[i].begin(), outlines[i].end(), Pts.begin());
        const ColourValue c = PlayLevel == 1 ? QBColor(PieceColour[i]) : SilhouetteColour;
        canvas.FillColor = c;
        canvas.ForeColor = c;
        canvas.FillStyle_ = Surface::FillStyle::Solid;
        canvas.Polygon(Pts.data(), 4);
    }
}

void PELORIN1::fitTargetView(std::array<std::array<QPoint, 5>, Pieces>& outlines, int& maxX,
                             int& maxY) const {
    const double w = 3500 / TwipsX;
    const double h = 3600 / TwipsY;
    if (maxX <= w && maxY <= h)
        return;
    // Appended figures may be up to 320 pixels wide: shrink them about the drawing's corner
    // (5, 14) so that they keep the same margins as a figure that fits.
    const double s = std::min((w - 10) / (maxX - 5), (h - 28) / (maxY - 14));
    maxX = 0;
    maxY = 0;
    for (auto& outline : outlines) {
        for (QPoint& p : outline) {
            p = QPoint(CLng(5 + (p.x() - 5) * s), CLng(14 + (p.y() - 14) * s));
            maxX = std::max(maxX, p.x());
            maxY = std::max(maxY, p.y());
        }
    }
}

void PELORIN1::ShowFigure() {
    Surface& view = surfaces.targetView;
    Surface& canvas = surfaces.targetCanvas;
    view.Cls();
    canvas.Cls();
    int maxX = 0;
    int maxY = 0;
    const int f = CurrentFigure;
    drawTarget(f, maxX, maxY);

    const float w = static_cast<float>(3500 / TwipsX);
    const float h = static_cast<float>(3600 / TwipsY);
    const float dx = (w - static_cast<float>(maxX)) / 2;
    const float dy = (h - static_cast<float>(maxY)) / 2;
    view.CopyFrom(canvas, QRect(0, 0, CLng(w - dx), CLng(h - dy)), QPoint(CLng(dx), CLng(dy)));
    view.FillStyle_ = Surface::FillStyle::Transparent;
    view.Refresh();
    view.setVisible(true);
    canvas.setVisible(false);

    targetCaption_ = tr("Pelorin (%1 of %2)").arg(CurrentFigure).arg(FigureCount);
    emit targetCaptionChanged(targetCaption_);
    mainCaption_ = tr("File: %1").arg(FigureFilePath);
    emit mainCaptionChanged(mainCaption_);

    if (PlayLevel == 2) {
        for (int i = 0; i < Pieces; ++i)
            CheckOrientation(i);
    }
    DrawAllPieces();
}
