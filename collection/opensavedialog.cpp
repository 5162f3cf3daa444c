// SPDX-License-Identifier: GPL-3.0-or-later
#include "opensavedialog.h"

#include "platform/files.h"

#include <algorithm>

namespace OpenSaveDialog {

namespace {

QString withoutOuterSpaces(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

// The name is what stands before the first NUL of the dialog's buffer.
QString nameOf(const QString& answer) {
    const QString trimmed = withoutOuterSpaces(answer);
    return trimmed.left(trimmed.indexOf(QChar(0)));
}

} // namespace

QString ShowFileDialog(FileDialogs& dialogs, int saveMode, const QString& caption,
                       const QString& filterText, const QString& initialName,
                       QString& initialFolder) {
    initialFolder = withTrailingSeparator(initialFolder);
    FileDialogs::Request request;
    request.saveMode = saveMode != 0;
    request.caption = caption;
    request.filterText = filterText;
    if (!withoutOuterSpaces(initialName).isEmpty())
        request.initialName = initialName;
    request.initialFolder = initialFolder;
    request.flags = FileDialogs::OFN_HIDEREADONLY;
    if (!request.saveMode)
        request.flags |= FileDialogs::OFN_FILEMUSTEXIST;
    const QString name = nameOf(dialogs.GetFileName(request));
    if (name.isEmpty() || !request.saveMode)
        return name;
    return ForcedExtension(name, filterText);
}

QString ForcedExtension(const QString& name, const QString& filterText) {
    const qsizetype firstDot = filterText.indexOf(QLatin1Char('.'));
    if (firstDot < 0)
        return name;
    const QString ext = filterText.mid(firstDot, 4);
    // Only the file name has an extension: a dot in a folder's name is no part of it, nor
    // is the dot that starts the name of a hidden file.
    const qsizetype nameStart =
        std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\'))) + 1;
    const qsizetype lastDot = name.lastIndexOf(QLatin1Char('.'));
    if (lastDot <= nameStart)
        return name + ext;
    if (name.mid(lastDot) == ext)
        return name;
    return name.left(lastDot) + ext;
}

} // namespace OpenSaveDialog
