// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// What the command line asks for. It is read before any window exists, so that --check,
// --help and --version run without a display.
struct CommandLine {
    enum class Action { Play, Check, Help, Version, Usage };
    Action action = Action::Play;
    QString collection; // the collection to check, or to open when playing (may be empty)
    QString error;      // what was wrong when action is Usage
};

CommandLine parseCommandLine(const QStringList& arguments);

// The arguments as the program received them, without the program's own name.
QStringList commandArguments(int argc, char* argv[]);

// Runs an action that needs no window and returns the exit status: --check gives 0 for a
// clean collection and 1 otherwise, a usage error gives 2.
int runWithoutWindow(const CommandLine& command, QTextStream& out, QTextStream& err);
