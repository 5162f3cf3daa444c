// SPDX-License-Identifier: GPL-3.0-or-later
// The floor under the game's drag: a bare Qt window the size of the board in which a
// piece-sized square follows the pointer while the button is held. Each motion event asks
// for a repaint of the square's old and new place only, and the paint fills that with two
// plain colours. What it costs per step is what any Qt program pays for such a drag here;
// scripts/bench.sh drags it beside the game. With --no-paint the square moves unseen: what
// remains is the cost of receiving the motion events alone.
#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace {

class DragFloor : public QWidget {
public:
    explicit DragFloor(bool paints) : paints_(paints) {
        setWindowTitle(QStringLiteral("Drag floor"));
        setFixedSize(350, 390);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        grab_ = event->position().toPoint() - piece_.topLeft();
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        if (!(event->buttons() & Qt::LeftButton))
            return;
        const QRect was = piece_;
        piece_.moveTopLeft(event->position().toPoint() - grab_);
        if (paints_)
            update(was | piece_);
    }

    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        p.fillRect(event->rect(), QColor(226, 218, 196));
        p.fillRect(event->rect() & piece_, Qt::black);
    }

private:
    const bool paints_;
    // As large as the largest piece at home in the board's top-left corner.
    QRect piece_{38, 38, 96, 96};
    QPoint grab_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    DragFloor floor(!app.arguments().contains(QStringLiteral("--no-paint")));
    floor.show();
    return QApplication::exec();
}
