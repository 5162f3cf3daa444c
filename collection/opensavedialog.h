// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/filedialogs.h"

#include <QString>

namespace OpenSaveDialog {

// Shows the open dialog (saveMode 0) or the save dialog (any other value) and returns the
// chosen path, or an empty text when cancelled. initialFolder gets a trailing separator, in
// the caller's variable too. In save mode the path always ends in the extension that
// filterText names.
QString ShowFileDialog(FileDialogs& dialogs, int saveMode, const QString& caption,
                       const QString& filterText, const QString& initialName,
                       QString& initialFolder);

// The save dialog's extension rule: ext is the four characters of filterText from its first
// "."; the last "." of the file name (folders are passed over) starts the extension,
// compared with letter case significant. A file name without a "." gets ext appended.
QString ForcedExtension(const QString& name, const QString& filterText);

} // namespace OpenSaveDialog
