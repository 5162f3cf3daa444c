#pragma once

#include <QWidget>

class QGroupBox;
class PELORIN1;
class SurfaceWidget;

// The control panel: the framed target picture, its buttons and menu.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(PELORIN1& game, QWidget* parent = nullptr);

    QGroupBox* TarPel = nullptr;
    SurfaceWidget* TargetPel = nullptr; // the visible target view, TargetPel(1)

private:
    PELORIN1& game_;
};
