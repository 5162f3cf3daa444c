// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "modules.h"
#include "printer.h"

#include <memory>

class QWidget;

// The printer of the print module, loaded when the first page is printed. Its dialogs open
// over dialogParent.
class ModulePrinter : public Printer {
public:
    explicit ModulePrinter(QWidget* dialogParent = nullptr, QStringList folders = ModuleFolders());
    ~ModulePrinter() override;

    Outcome PrintPage(QSize page, const PageDrawing& draw) override;

    bool Loaded() const { return printer_ != nullptr; }

private:
    QWidget* dialogParent_;
    QStringList folders_;
    std::unique_ptr<Printer> printer_;
};
