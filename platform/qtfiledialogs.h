// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filedialogs.h"

class QWidget;

// The file dialogs on Qt's QFileDialog.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* owner = nullptr) : owner_(owner) {}

    void setOwner(QWidget* owner) { owner_ = owner; }
    QString GetFileName(const Request& request) override;

private:
    QWidget* owner_;
};
