// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messages.h"

class QWidget;

// Message boxes shown with QMessageBox, modal to the active window.
class QtMessageBoxes : public MessageBoxes {
public:
    Answer MsgBox(const Message& message) override;
};
