// SPDX-License-Identifier: GPL-3.0-or-later
#include "modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

// Qt's plugin folders while they are held back; empty once given back.
QStringList& heldPluginFolders() {
    static QStringList folders;
    return folders;
}

// Sound and printing load Qt plugins of their own (audio back-ends, print systems).
void givePluginsBack() {
    if (heldPluginFolders().isEmpty())
        return;
    QCoreApplication::setLibraryPaths(heldPluginFolders());
    heldPluginFolders().clear();
}

} // namespace

void HoldBackPlugins() {
    heldPluginFolders() = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({});
}

QStringList ModuleFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir::cleanPath(program + QStringLiteral("/../" ZEDERORU_MODULE_DIR))};
}

void* ModuleFunction(const QStringList& folders, const QString& name, const char* function,
                     QString* error) {
    QString reason = QCoreApplication::translate("Modules", "%1 was not found").arg(name);
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name + QStringLiteral(".so"));
        if (!QFileInfo::exists(path))
            continue;
        givePluginsBack();
        // The library stays loaded for the rest of the run, as the objects it made live on.
        QLibrary library(path);
        if (auto* found = reinterpret_cast<void*>(library.resolve(function)))
            return found;
        reason = library.errorString();
    }
    if (error)
        *error = reason;
    return nullptr;
}
