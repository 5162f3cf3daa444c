#pragma once

#include <QWidget>

class QLabel;
class PELORIN1;
class SurfaceWidget;

// The main window: the board Picture1 and the level label PStandard under it.
class FormMain : public QWidget {
    Q_OBJECT
public:
    explicit FormMain(PELORIN1& game, QWidget* parent = nullptr);

    SurfaceWidget* Picture1 = nullptr;
    QLabel* PStandard = nullptr;

signals:
    // Emitted once the window has closed; the program ends.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void layOut();

    PELORIN1& game_;
};
