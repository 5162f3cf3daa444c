// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "collection/collectioncheck.h"
#include "platform/files.h"
#include "puzzle/figurefile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

const char* const HelpText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: zederoru [FILE.pel]\n"
    "       zederoru --check FILE.pel\n"
    "\n"
    "Zederoru is a puzzle game: build the target figure out of seven pieces.\n"
    "\n"
    "  FILE.pel          play the figures of this collection\n"
    "  --check FILE.pel  check a collection and report, per record with its line number,\n"
    "                    malformed records, overlapping or disconnected pieces, figures\n"
    "                    too large or too sparse, duplicates (also figures of the same\n"
    "                    silhouette, which accept each other's solutions) and a changed\n"
    "                    piece set; and how many ways the pieces fill the figures;\n"
    "                    the exit status is 0 when the collection is clean, 1 otherwise\n"
    "  --help            show this text\n"
    "  --version         show the version\n");

CommandLine usage(const QString& error) {
    return {CommandLine::Action::Usage, QString(), error};
}

int check(const QString& path, QTextStream& out, QTextStream& err) {
    QString why;
    const std::optional<QByteArray> data = readRegularFile(path, FigureFile::MaxFileBytes, &why);
    if (!data) {
        err << QCoreApplication::translate("CommandLine", "zederoru: cannot read %1: %2")
                   .arg(path, why)
            << '\n';
        return 1;
    }
    const CollectionCheck::Result result =
        CollectionCheck::checkCollection(*data, CollectionCheck::CountFills::Yes);
    const QString name = QFileInfo(path).fileName();
    for (const QString& line : CollectionCheck::reportLines(name, result))
        out << line << '\n';
    if (!result.fills.isEmpty())
        out << name << ": " << CollectionCheck::fillsLine(result) << '\n';
    out << CollectionCheck::summaryLine(name, result) << '\n';
    return result.clean() ? 0 : 1;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty())
        return {};
    const QString& first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h"))
        return {CommandLine::Action::Help, QString(), QString()};
    if (first == QLatin1String("--version"))
        return {CommandLine::Action::Version, QString(), QString()};
    if (first == QLatin1String("--check")) {
        if (arguments.size() != 2)
            return usage(QCoreApplication::translate("CommandLine",
                                                     "--check needs exactly one collection file"));
        return {CommandLine::Action::Check, arguments.at(1), QString()};
    }
    if (first.startsWith(QLatin1Char('-')))
        return usage(QCoreApplication::translate("CommandLine", "unknown option %1").arg(first));
    if (arguments.size() > 1)
        return usage(
            QCoreApplication::translate("CommandLine", "only one collection can be opened"));
    return {CommandLine::Action::Play, first, QString()};
}

QStringList commandArguments(int argc, char* argv[]) {
    // Qt's own options (-platform offscreen, -style fusion, ...) are for the window system,
    // which reads them itself; with or without their value they are not ours.
    static const QStringList withValue{"-platform",        "-platformpluginpath",
                                       "-platformtheme",   "-plugin",
                                       "-qwindowgeometry", "-qwindowicon",
                                       "-qwindowtitle",    "-display",
                                       "-geometry",        "-style",
                                       "-stylesheet",      "-session",
                                       "-qmljsdebugger"};
    static const QStringList alone{"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (withValue.contains(argument))
            ++i;
        else if (!alone.contains(argument))
            arguments.append(argument);
    }
    return arguments;
}

int runWithoutWindow(const CommandLine& command, QTextStream& out, QTextStream& err) {
    switch (command.action) {
    case CommandLine::Action::Help:
        out << QCoreApplication::translate("CommandLine", HelpText);
        return 0;
    case CommandLine::Action::Version:
        out << "Zederoru " ZEDERORU_VERSION "\n";
        return 0;
    case CommandLine::Action::Check:
        return check(command.collection, out, err);
    case CommandLine::Action::Usage:
    case CommandLine::Action::Play:
        break;
    }
    err << "zederoru: " << command.error << '\n'
        << QCoreApplication::translate("CommandLine", "Try 'zederoru --help' for more information.")
        << '\n';
    return 2;
}
