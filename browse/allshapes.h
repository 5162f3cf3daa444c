// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/surface.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class PELORIN1;
class QLabel;
class QPainter;
class QScrollBar;
class SurfaceWidget;

// The view-all window: the collection as 8 x 8 thumbnails per page, the current figure's
// cell framed. Pointing at a thumbnail shows its number, and its name as a tool tip when the
// collection has a names file; the picture's accessible name is the current figure's. A click makes
// it the current figure, a right click or Esc hides the window; the wheel and the paging keys leaf
// through the pages.
class AllShapes : public QDialog {
    Q_OBJECT
public:
    // goToFigure makes a figure the current puzzle (the panel's GoToFigure).
    AllShapes(PELORIN1& game, std::function<void(int)> goToFigure, QWidget* parent = nullptr);

    // "View All": the first page, shown modeless.
    void ViewAll();
    // A right click on the target picture: the page last shown, shown modal.
    void ViewModal();
    // Draws the page that starts after FirstShown figures.
    void DrawThumbnails();

    const Surface& Page() const { return page_; }

    SurfaceWidget* Picture = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QLabel* Label1 = nullptr;

signals:
    // The window was hidden (right click, Esc, closing): the board may take the keys back.
    void hidden();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void markCurrentFigure(QPainter& painter) const;
    void Form_Activate();
    void VScroll1_Change(int value);
    void setHoverText(const QString& text);
    void showFirstShown();
    QString nameOf(int figure) const;
    void nameCurrentFigure();

    PELORIN1& game_;
    std::function<void(int)> goToFigure_;
    Surface page_;
    QStringList names_; // of the collection's figures, from its names file
};
