#include "support/fixtures.h"

#include "play/pointerplay.h"

#include <QTest>

// One slot per measured step, each starting from the default collection's home position.
// A new case is a slot here and its budget in scripts/bench.sh.
class ZederoruBench : public QObject {
    Q_OBJECT
private slots:
    void init();
    void dragStep();
    void drawAllPieces();

private:
    std::unique_ptr<TestGame> t;
};

void ZederoruBench::init() {
    t = std::make_unique<TestGame>();
    QVERIFY(t->start(Fixtures::readFile(QStringLiteral(ZEDERORU_DATA_DIR "/PELORIN.pel"))));
}

// One pointer move while a piece is dragged: outline wipe, the six other pieces on both
// surfaces, the new outline and the refresh.
void ZederoruBench::dragStep() {
    PointerPlay pointer(t->p);
    const QPoint from = [&] {
        for (int y = 0; y < 390; ++y)
            for (int x = 0; x < 350; ++x)
                if (PieceAt(t->p, x, y) == 3)
                    return QPoint(x + 2, y + 2);
        return QPoint();
    }();
    pointer.Press(1, 0, from.x(), from.y());
    pointer.Move(1, 0, from.x(), from.y());
    QVERIFY(pointer.Dragging());
    int step = 0;
    QBENCHMARK {
        ++step;
        pointer.Move(1, 0, from.x() + step % 40, from.y() + step % 30);
    }
}

void ZederoruBench::drawAllPieces() {
    QBENCHMARK {
        t->p.DrawAllPieces();
    }
}

QTEST_MAIN(ZederoruBench)
#include "zederoru_bench.moc"
