// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class PELORIN1;

// The piece under board point (x, y), read from the hit map: the piece painted there last,
// or -1 on the background and on outline pixels.
int PieceAt(const PELORIN1& game, float x, float y);

// Turns piece p to its next orientation with that orientation's shift (step 1), or back to
// the orientation before, undoing that shift (step -1), and draws it on top. A turn that
// completes the figure runs the success sequence instead of the "Click" cue.
// Expects Selected = p and leaves Selected = -1.
void RotatePiece(PELORIN1& game, int p, int step = 1);

// The board's pointer handlers (button 1 left, 2 right, 4 middle; coordinates in board
// pixels). Left press picks a piece, moves drag it as a white outline with the point grabbed
// under the pointer, and only the left button's release drops it; right press turns the
// piece under the pointer; a left click chooses the keyboard piece. The wheel over a piece
// turns it, forward to its next orientation, backward to the one before.
class PointerPlay {
public:
    // A wheel's notch in eighths of a degree; finer wheels and touch pads add up to it.
    static constexpr int WheelNotch = 120;

    explicit PointerPlay(PELORIN1& game) : game_(game) {}

    void Press(int button, int shift, float x, float y);
    void Move(int button, int shift, float x, float y);
    void Release(int button, int shift, float x, float y);
    void Wheel(int angleDelta, float x, float y);

    // True from the first move of a drag until its drop.
    bool Dragging() const;

    float PressX = 0;
    float PressY = 0;
    float LastX = 0;
    std::int16_t LastY = 0;
    double DragStartX = 0;
    double DragStartY = 0;

private:
    void beginDrag(int p);
    void followPointer(float x, float y, bool firstMove);
    void drop(float x, float y);
    bool boundsRefuse(int p);

    PELORIN1& game_;
    int wheelRest_ = 0; // turning of the wheel not yet worth a notch
};
