// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "navigation.h"
#include "playlevel.h"

#include "platform/bevelbox.h"
#include "platform/surfacewidget.h"
#include "platform/twips.h"
#include "puzzle/pelorin1.h"

#include <QGroupBox>
#include <QHash>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {

struct FramePlace {
    const char* caption;
    int left, top, width; // twips
};

constexpr int FrameHeight = 780;
constexpr std::array<FramePlace, 4> Frames{
    {{QT_TRANSLATE_NOOP("Form1", "Shape"), 30, 0, 2175},
     {QT_TRANSLATE_NOOP("Form1", "Play difficulty"), 2205, 0, 1695},
     {QT_TRANSLATE_NOOP("Form1", "Select"), 30, 810, 3180},
     {QT_TRANSLATE_NOOP("Form1", "Sound"), 3210, 810, 690}}};

struct ButtonPlace {
    int frame;
    int index;
    const char* toolTip;
    const char* icon;
};

// In each frame the buttons stand in this order from left to right.
constexpr std::array<ButtonPlace, 14> Buttons{{
    {0, 2, QT_TRANSLATE_NOOP("Form1", "Remove existing Pelorin"), "remove"},
    {0, 3, QT_TRANSLATE_NOOP("Form1", "Append existing Pelorin"), "append"},
    {0, 4, QT_TRANSLATE_NOOP("Form1", "Reset"), "reset"},
    {0, 5, QT_TRANSLATE_NOOP("Form1", "Copy"), "copy"},
    {1, 14, QT_TRANSLATE_NOOP("Form1", "Normal"), "normal"},
    {1, 15, QT_TRANSLATE_NOOP("Form1", "Easy"), "easy"},
    {1, 16, QT_TRANSLATE_NOOP("Form1", "Very easy"), "veryeasy"},
    {2, 6, QT_TRANSLATE_NOOP("Form1", "First"), "first"},
    {2, 7, QT_TRANSLATE_NOOP("Form1", "Left"), "left"},
    {2, 8, QT_TRANSLATE_NOOP("Form1", "Right"), "right"},
    {2, 9, QT_TRANSLATE_NOOP("Form1", "Last"), "last"},
    {2, 10, QT_TRANSLATE_NOOP("Form1", "Random"), "random"},
    {2, 0, QT_TRANSLATE_NOOP("Form1", "View All"), "viewall"},
    {3, 11, QT_TRANSLATE_NOOP("Form1", "Sound"), "sound"},
}};

constexpr std::array<int, 3> LevelButtons{14, 15, 16};

void run(const std::function<void()>& command) {
    if (command)
        command();
}

} // namespace

Form1::Form1(PELORIN1& game, QWidget* parent) : QWidget(parent), game_(game) {
    setWindowTitle(QStringLiteral("Zederoru"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(makeClientArea());
    makeMenu();
    layout->setMenuBar(menuBar);
    // The buttons show icons only and hand the keyboard to the board, which leaves the panel
    // inactive: their tips, their only labels, must show all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);
}

// The client area below the menu, 3930 x 6075 twips, with the groups and the target.
QWidget* Form1::makeClientArea() {
    auto* client = new QWidget(this);
    client->setFixedSize(TwipsToPixelsX(3930), TwipsToPixelsY(6075));
    for (std::size_t i = 0; i < Frames.size(); ++i) {
        const FramePlace& f = Frames[i];
        MFrame[i] = new QGroupBox(tr(f.caption), client);
        MFrame[i]->setObjectName(QStringLiteral("MFrame%1").arg(i));
        MFrame[i]->setGeometry(TwipsToPixelsX(f.left), TwipsToPixelsY(f.top),
                               TwipsToPixelsX(f.width), TwipsToPixelsY(FrameHeight));
    }
    makeButtons();
    makeTarget(client);
    return client;
}

void Form1::makeButtons() {
    std::array<int, 4> placed{};
    for (const ButtonPlace& b : Buttons) {
        const int k = placed[static_cast<std::size_t>(b.frame)]++;
        const QString icon = QStringLiteral(":/icons/%1.png").arg(QLatin1String(b.icon));
        auto* button =
            new Bevelbox(b.index, icon, tr(b.toolTip), MFrame[static_cast<std::size_t>(b.frame)]);
        button->setObjectName(QStringLiteral("MenuButx%1").arg(b.index));
        const int width = b.index == 6 ? 500 : 495;
        button->setGeometry(TwipsToPixelsX(90 + 495 * k), TwipsToPixelsY(240),
                            TwipsToPixelsX(width), TwipsToPixelsY(450));
        connect(button, &Bevelbox::Click, this, &Form1::MenuButx_Click);
        MenuButx[static_cast<std::size_t>(b.index)] = button;
    }
}

void Form1::makeTarget(QWidget* client) {
    TarPel = new QGroupBox(game_.TargetCaption(), client);
    TarPel->setObjectName(QStringLiteral("TarPel"));
    TarPel->setGeometry(TwipsToPixelsX(12), TwipsToPixelsY(1620), TwipsToPixelsX(3885),
                        TwipsToPixelsY(4425));
    TargetPel = new SurfaceWidget(game_.surfaces.targetView, TarPel);
    TargetPel->setObjectName(QStringLiteral("TargetPel"));
    TargetPel->setAccessibleName(tr("Target figure"));
    TargetPel->move(TwipsToPixelsX(90), TwipsToPixelsY(210));
    TargetPel->installEventFilter(this);
    TargetPel->setOverlay([this](QPainter& painter) { markSolved(painter); });
    connect(&game_, &PELORIN1::targetCaptionChanged, TarPel, &QGroupBox::setTitle);
    connect(&game_, &PELORIN1::solvedChanged, TargetPel, qOverload<>(&QWidget::update));
}

// A figure solved before carries a tick in the bottom right corner of the target, where the
// centred figure leaves room.
void Form1::markSolved(QPainter& painter) const {
    if (!game_.FigureSolved(game_.CurrentFigure))
        return;
    constexpr int Scale = 2;
    const QSize size = TickSize * Scale;
    const QPoint corner(TargetPel->width() - size.width() - 8,
                        TargetPel->height() - size.height() - 8);
    const std::array<QPoint, 6> tick = SolvedTick({});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(corner);
    painter.scale(Scale, Scale);
    painter.setPen(QPen(Qt::white, 0.5));
    painter.setBrush(toQColor(TickColour));
    painter.drawPolygon(tick.data(), static_cast<int>(tick.size()));
    painter.restore();
}

void Form1::makeMenu() {
    menuBar = new QMenuBar(this);
    pelsx = menuBar->addMenu(QStringLiteral("Zederoru"));
    pelsx->setObjectName(QStringLiteral("pelsx"));
    px = addMenuItem(QStringLiteral("px"), tr("Print"), false, &commands.print);
    Saveasx = addMenuItem(QStringLiteral("Saveasx"), tr("Save as"), true, &commands.saveAs);
    Openx = addMenuItem(QStringLiteral("Openx"), tr("Open"), true, &commands.open);
    // The hint plays its own cue; H asks for it on the panel as on the board.
    Hintx = addMenuItem(QStringLiteral("Hintx"), tr("Hint"), false, &commands.hint);
    Hintx->setShortcut(QKeySequence(Qt::Key_H));
    Helpx = addMenuItem(QStringLiteral("Helpx"), tr("Help"), true, &commands.help);
    Aboutx = addMenuItem(QStringLiteral("Aboutx"), tr("About"), true, &commands.about);
    pelsx->addSeparator()->setObjectName(QStringLiteral("dash1"));
    Exitx = pelsx->addAction(tr("Exit"));
    Exitx->setObjectName(QStringLiteral("Exitx"));
    connect(Exitx, &QAction::triggered, this, &Form1::exitGame);
}

// A menu item plays "click2" first when click is set, then runs its command. Play goes on
// once the item's windows have closed, so the keyboard goes back to the board as after a
// button.
QAction* Form1::addMenuItem(const QString& objectName, const QString& caption, bool click,
                            const std::function<void()>* command) {
    QAction* action = pelsx->addAction(caption);
    action->setObjectName(objectName);
    connect(action, &QAction::triggered, this, [this, click, command] {
        if (click)
            game_.PlaySound(QStringLiteral("click2"));
        run(*command);
        giveFocusToMain();
    });
    return action;
}

void Form1::exitGame() {
    if (ended_)
        return;
    ended_ = true;
    run(commands.exit);
}

// The panel's close box and Alt+F4 end the game as Exit does; the player would otherwise be
// left with a board and no commands. Once the game has ended, closing only closes.
void Form1::closeEvent(QCloseEvent* event) {
    exitGame();
    QWidget::closeEvent(event);
}

void Form1::MenuButx_Click(int index) {
    // A button acts on its tip, which speaks the player's language.
    const QHash<QString, Action> actions{
        {tr("View All"), &Form1::viewAll},
        {tr("Remove existing Pelorin"), &Form1::removeFigure},
        {tr("Append existing Pelorin"), &Form1::appendFigure},
        {tr("Reset"), &Form1::reset},
        {tr("Copy"), &Form1::copyFigure},
        {tr("First"), &Form1::first},
        {tr("Left"), &Form1::left},
        {tr("Right"), &Form1::right},
        {tr("Last"), &Form1::last},
        {tr("Random"), &Form1::random},
        {tr("Sound"), &Form1::sound},
        {tr("Normal"), &Form1::normal},
        {tr("Easy"), &Form1::easy},
        {tr("Very easy"), &Form1::veryEasy},
    };
    Bevelbox* button =
        index >= 0 && index < ButtonCount ? MenuButx[static_cast<std::size_t>(index)] : nullptr;
    if (button) {
        if (const Action action = actions.value(button->toolTip()))
            (this->*action)(*button);
    }
    giveFocusToMain();
}

void Form1::giveFocusToMain() {
    if (!main_)
        return;
    main_->activateWindow();
    main_->setFocus(Qt::OtherFocusReason);
}

// A right-button release over the target opens the view-all window at the page last shown.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TargetPel && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        run(commands.targetRightClick);
        giveFocusToMain();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::viewAll(Bevelbox&) {
    run(commands.viewAll);
}

void Form1::removeFigure(Bevelbox&) {
    run(commands.remove);
}

void Form1::appendFigure(Bevelbox&) {
    game_.PlaySound(QStringLiteral("click2"));
    run(commands.append);
}

void Form1::reset(Bevelbox&) {
    game_.ResetPieces();
}

// After a copy the board holds the figure's solution for composing.
void Form1::copyFigure(Bevelbox&) {
    if (!commands.copy)
        return;
    commands.copy();
    game_.CopiedFlag = 1;
}

void Form1::first(Bevelbox&) {
    StepToFigure(game_, FigureStep::First);
}

void Form1::left(Bevelbox&) {
    StepToFigure(game_, FigureStep::Left);
}

void Form1::right(Bevelbox&) {
    StepToFigure(game_, FigureStep::Right);
}

void Form1::last(Bevelbox&) {
    StepToFigure(game_, FigureStep::Last);
}

void Form1::random(Bevelbox&) {
    StepToFigure(game_, FigureStep::Random);
}

// The button stays down while sound is on.
void Form1::sound(Bevelbox& button) {
    if (ToggleSound(game_))
        button.ShowPressed();
    else
        button.ShowRaised();
}

// The level buttons show the chosen level even when it was already current.
void Form1::showLevel(Bevelbox& chosen) {
    for (int i : LevelButtons)
        MenuButx[static_cast<std::size_t>(i)]->ShowRaised();
    chosen.ShowPressed();
}

void Form1::normal(Bevelbox& button) {
    showLevel(button);
    Normal_Play();
}

void Form1::easy(Bevelbox& button) {
    showLevel(button);
    Easy_Play();
}

void Form1::veryEasy(Bevelbox& button) {
    showLevel(button);
    VeryEasy_Play();
}

void Form1::Normal_Play() {
    ::Normal_Play(game_);
}

void Form1::Easy_Play() {
    ::Easy_Play(game_);
}

void Form1::VeryEasy_Play() {
    ::VeryEasy_Play(game_);
}
