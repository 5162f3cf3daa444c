// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figurepage.h"
#include "platform/surface.h"

#include <QDialog>
#include <cstdint>

class MessageBoxes;
class PELORIN1;
class Printer;
class QAction;
class QMenu;
class QMenuBar;
class QScrollBar;
class SurfaceWidget;

// The print window: 20 figures to a page, as silhouettes or with their solutions, and the
// page sent to the printer on request.
class PrintShapes : public QDialog {
    Q_OBJECT
public:
    PrintShapes(PELORIN1& game, MessageBoxes& messages, Printer& printer,
                QWidget* parent = nullptr);

    // The panel's "Print": the first page, shown modal.
    void ViewFirstPage();
    // Draws the page that starts after FirstShown figures.
    void DrawPrintPage();

    const Surface& Page() const { return page_; }

    std::int16_t ShowSolution = 0;

    QMenuBar* MenuBar = nullptr;
    QMenu* Printy = nullptr;
    QAction* ShowSolx = nullptr;
    QAction* ShowShapex = nullptr;
    QAction* Printx = nullptr;
    QAction* Exitx = nullptr;
    SurfaceWidget* Picture = nullptr;
    QScrollBar* VScroll1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void buildMenu();
    void Form_Activate();
    void VScroll1_Change(int value);
    void ShowSolx_Click();
    void ShowShapex_Click();
    void Printx_Click();

    PELORIN1& game_;
    MessageBoxes& messages_;
    Printer& printer_;
    Surface page_;
    // What the page shows: the mode can change without a redraw when the window opens.
    int drawnFirst_ = 0;
    PageStyle drawnStyle_ = PrintStyle(false);
};
