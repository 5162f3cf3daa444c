// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

// A bevelled icon button of the panel. It shows an icon from a PNG file (with a twice as fine
// "@2x" version beside it, for screens of two device pixels a pixel) and no caption; its
// tool tip is both the player's hint and the name assistive technology reads out. It stays raised
// until ShowPressed holds it down, and reports a click with its index in its button array.
class Bevelbox : public QAbstractButton {
    Q_OBJECT
public:
    // Raised: light top and left, dark right and bottom; held down the other way round.
    struct Borders {
        QColor top;
        QColor left;
        QColor right;
        QColor bottom;
    };

    Bevelbox(int index, const QString& iconFile, const QString& toolTip, QWidget* parent = nullptr);

    int index() const { return index_; }

    void ShowPressed();
    void ShowRaised();
    bool ShownPressed() const { return shownPressed_; }

    const Borders& borders() const { return borders_; }
    void setBorders(const Borders& borders);

    QSize sizeHint() const override;

signals:
    void Click(int index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void drawBevel(QPainter& painter, bool sunken) const;
    const QPixmap& iconFor(qreal pixelRatio);

    int index_;
    bool shownPressed_ = false;
    Borders borders_;
    QString iconFile_;
    QPixmap icon_; // for the pixel ratio last painted at
};
