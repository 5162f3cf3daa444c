// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Back-ends the first screen does not need (sound, printing) are modules, loaded when first
// used, so that a game that never plays a sound or prints never maps their libraries.

// Keeps Qt's plugins unfound from now until a module is loaded. Called once the platform's
// plugins are in: every picture the game reads is a PNG, which Qt reads itself, yet the first
// picture read would otherwise load every image-format plugin, SVG support among them.
void HoldBackPlugins();

// Where the modules are looked for: beside the program (a build folder), then the installed
// module folder.
QStringList ModuleFolders();

// The factory function of the module "name" from the first of the folders that holds it;
// null when none does or it lacks the function, with the reason in *error.
void* ModuleFunction(const QStringList& folders, const QString& name, const char* function,
                     QString* error);
