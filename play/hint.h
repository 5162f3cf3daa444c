// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <array>
#include <optional>

class PELORIN1;

// Where one piece of the current figure goes: the place of the first of the figure's pieces,
// in the figure's own order, that no piece fills yet; either piece of a congruent pair fills
// the other's place. The figure is laid over what the player has built, its reference corner
// where the most pieces stand in their places as the fit check judges them (within 15
// pixels and turned right), counted from a piece that has left its home; while none has,
// over the board's freest area.
struct HintPlace {
    int slot = 0;                    // the figure's piece whose place it is
    std::array<QPoint, 4> outline{}; // its drawn outline there, board pixels
};
std::optional<HintPlace> ChooseHint(const PELORIN1& game);

// A hint shown over the board, never on it or on the hit map, for ShownMs or until the board
// is next drawn, which every move does.
class BoardHint : public QObject {
    Q_OBJECT
public:
    static constexpr int ShownMs = 4000;

    explicit BoardHint(PELORIN1& game, QObject* parent = nullptr);

    // Chooses a hint and shows it with the "Click" cue; nothing happens while the board is
    // locked, the pointer holds a piece or every piece is in its place.
    void Show();
    const std::optional<HintPlace>& shown() const { return shown_; }

signals:
    void changed();

private:
    void hide();

    PELORIN1& game_;
    QTimer timer_;
    std::optional<HintPlace> shown_;
};
