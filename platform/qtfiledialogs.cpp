// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtfiledialogs.h"

#include <QFileDialog>

namespace {

bool isPattern(const QString& name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

} // namespace

QString QtFileDialogs::GetFileName(const Request& request) {
    QFileDialog dialog(owner_, request.caption, request.initialFolder);
    dialog.setAcceptMode(request.saveMode ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode((request.flags & OFN_FILEMUSTEXIST) != 0 ? QFileDialog::ExistingFile
                                                                : QFileDialog::AnyFile);
    // Save as asks about an existing file itself, after checking it is not the loaded one.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A pattern for a name ("*.pel") narrows the listing; a plain name is offered as the
    // file name.
    if (isPattern(request.initialName))
        dialog.setNameFilter(request.filterText + QStringLiteral(" (") + request.initialName +
                             QLatin1Char(')'));
    else if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
