// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <functional>

class Bevelbox;
class QAction;
class QGroupBox;
class QMenu;
class QMenuBar;
class QPainter;
class PELORIN1;
class SurfaceWidget;

// The control panel: fourteen icon buttons in four captioned groups, the framed target
// picture and the "Zederoru" menu. Buttons act on their tool-tip text; buttons and menu
// items hand the keyboard back to the main window afterwards. Closing the panel is Exit.
class Form1 : public QWidget {
    Q_OBJECT
public:
    // What the panel asks of the other windows and of the collection; an empty one does
    // nothing.
    struct Commands {
        std::function<void()> print, saveAs, open, hint, help, about, append, remove, copy, viewAll,
            targetRightClick, exit;
    };

    explicit Form1(PELORIN1& game, QWidget* parent = nullptr);

    // The window that gets the keyboard back after every button.
    void setMainWindow(QWidget* main) { main_ = main; }
    // Activates the main window, whose board takes the keyboard.
    void giveFocusToMain();
    // The main window has closed and the program is ending: closing the panel is no Exit.
    void gameEnded() { ended_ = true; }

    void MenuButx_Click(int index);
    void Normal_Play();
    void Easy_Play();
    void VeryEasy_Play();

    Commands commands;

    static constexpr int ButtonCount = 17; // indices 1, 12 and 13 are not used
    std::array<QGroupBox*, 4> MFrame{};
    std::array<Bevelbox*, ButtonCount> MenuButx{};
    QGroupBox* TarPel = nullptr;
    SurfaceWidget* TargetPel = nullptr; // the visible target view, TargetPel(1)

    QMenuBar* menuBar = nullptr;
    QMenu* pelsx = nullptr;
    QAction* px = nullptr;
    QAction* Saveasx = nullptr;
    QAction* Openx = nullptr;
    QAction* Hintx = nullptr;
    QAction* Helpx = nullptr;
    QAction* Aboutx = nullptr;
    QAction* Exitx = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Action = void (Form1::*)(Bevelbox&);

    QWidget* makeClientArea();
    void makeButtons();
    void makeTarget(QWidget* client);
    void markSolved(QPainter& painter) const;
    void makeMenu();
    QAction* addMenuItem(const QString& objectName, const QString& caption, bool click,
                         const std::function<void()>* command);
    void exitGame();

    void viewAll(Bevelbox&);
    void removeFigure(Bevelbox&);
    void appendFigure(Bevelbox&);
    void reset(Bevelbox&);
    void copyFigure(Bevelbox&);
    void first(Bevelbox&);
    void left(Bevelbox&);
    void right(Bevelbox&);
    void last(Bevelbox&);
    void random(Bevelbox&);
    void sound(Bevelbox&);
    void normal(Bevelbox&);
    void easy(Bevelbox&);
    void veryEasy(Bevelbox&);
    void showLevel(Bevelbox& chosen);

    PELORIN1& game_;
    QWidget* main_ = nullptr;
    bool ended_ = false; // Exit has run or the main window has closed
};
