// SPDX-License-Identifier: GPL-3.0-or-later
#include "removing.h"

#include "collectionfile.h"
#include "figurenames.h"
#include "opensavedialog.h"

#include "platform/safewrite.h"
#include "puzzle/pelorin1.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace {

using Answer = MessageBoxes::Answer;
using Buttons = MessageBoxes::Buttons;
using Icon = MessageBoxes::Icon;

QString notRemoved() {
    return QCoreApplication::translate("Removing", "Pelorin not removed from file:");
}

bool removalConfirmed(PELORIN1& game) {
    const QString text = QCoreApplication::translate("Removing", "Remove this Pelorin ( %1) ?")
                             .arg(game.CurrentFigure);
    return game.messages.MsgBox({text, Buttons::YesNo, Icon::None, AppTitle, true}) == Answer::Yes;
}

// The collection without the current figure, checked against what the player saw: when
// another program changed the file so that this figure is no longer the one shown, nothing
// is removed.
std::optional<QByteArray> withoutShownFigure(const PELORIN1& game, const QByteArray& current,
                                             int& figuresBefore, QString* why) {
    const std::optional<CollectionFile::Removal> r =
        CollectionFile::withoutFigure(current, game.CurrentFigure, why);
    if (!r)
        return std::nullopt;
    if (!r->removed || !CollectionFile::isLoadedFigure(game, game.CurrentFigure, *r->removed)) {
        *why = QCoreApplication::translate("Removing",
                                           "another program has changed the file since it was "
                                           "loaded; open it again to see its Pelorins");
        return std::nullopt;
    }
    figuresBefore = r->figuresBefore;
    if (!FigureNames::follow(game.FigureFilePath, FigureNames::withoutFigure, game.CurrentFigure,
                             why))
        return std::nullopt;
    return r->content;
}

void showAfterRemoval(PELORIN1& game) {
    QString why;
    const PELORIN1::LoadResult result = game.LoadFigures(&why);
    if (result != PELORIN1::LoadResult::Ok && result != PELORIN1::LoadResult::TooMany)
        CollectionFile::TellFailure(
            game,
            QCoreApplication::translate("Removing", "Pelorin removed but file not read back:"),
            game.FigureFilePath, why);
    game.ShowFigure();
    for (int i = 0; i < PELORIN1::Pieces; ++i)
        game.CheckOrientation(i);
    game.DrawAllPieces();
}

// The same file under another name: the same canonical path (a relative form, a symbolic
// link) or the same file on disk (a hard link, a folder that ignores case). Names that
// differ only in case are two files on most of the player's folders.
bool namesSameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    if (!ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath())
        return true;
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

void refuseLoadedFile(PELORIN1& game) {
    game.messages.MsgBox(
        {QCoreApplication::translate("Removing", "file:%1\r\nalready loaded and saved, use another "
                                                 "filename to save as")
             .arg(game.FigureFilePath)});
}

// An existing file with content, readable or not, is only replaced after asking.
bool mayReplace(PELORIN1& game, const QString& target) {
    const QFileInfo info(target);
    if (!info.exists() || info.isDir() || info.size() == 0)
        return true;
    const MessageBoxes::Message question(
        NewLines(QCoreApplication::translate("Removing", "%1\n file already exists, overwrite?"))
            .arg(target),
        Buttons::YesNo, Icon::Warning, AppTitle, true);
    return game.messages.MsgBox(question) == Answer::Yes;
}

// The names go with the copy; the names of a collection the copy replaced go with it.
bool copyNames(const QString& from, const QString& to, QString* why) {
    QFile names(FigureNames::pathFor(from));
    if (!names.exists()) {
        QFile::remove(FigureNames::pathFor(to));
        return true;
    }
    if (!names.open(QIODevice::ReadOnly)) {
        *why = names.errorString();
        return false;
    }
    return SafeWrite::replaceFile(FigureNames::pathFor(to), names.readAll(), why);
}

bool copyCollection(PELORIN1& game, const QString& target) {
    QString why;
    const std::optional<QByteArray> data = CollectionFile::read(game.FigureFilePath, &why);
    if (!data) {
        CollectionFile::TellFailure(
            game, QCoreApplication::translate("Removing", "Pelorin file not copied:"),
            game.FigureFilePath, why);
        return false;
    }
    SafeWrite::FileLock lock(target);
    if (!lock.acquire(&why) || !SafeWrite::replaceFile(target, *data, &why) ||
        !copyNames(game.FigureFilePath, target, &why)) {
        CollectionFile::TellFailure(
            game, QCoreApplication::translate("Removing", "Pelorin file not copied as:"), target,
            why);
        return false;
    }
    return true;
}

} // namespace

void RemoveFigure(PELORIN1& game) {
    if (!game.HasFigure(game.CurrentFigure) || !removalConfirmed(game))
        return;
    int figuresBefore = 0;
    QString why;
    if (!SafeWrite::update(
            game.FigureFilePath, FigureFile::MaxFileBytes,
            [&](const QByteArray& current, QString* reason) {
                return withoutShownFigure(game, current, figuresBefore, reason);
            },
            &why)) {
        CollectionFile::TellFailure(game, notRemoved(), game.FigureFilePath, why);
        return;
    }
    if (figuresBefore == game.CurrentFigure)
        --game.CurrentFigure;
    showAfterRemoval(game);
}

void SaveFigureFileAs(PELORIN1& game, FileDialogs& dialogs) {
    game.PlaySound(QStringLiteral("click2"));
    QString folder = game.AppDir;
    const QString target = OpenSaveDialog::ShowFileDialog(
        dialogs, 1, AppTitle, QStringLiteral("*.pel"), QStringLiteral("*.pel"), folder);
    if (target.isEmpty())
        return;
    if (namesSameFile(target, game.FigureFilePath))
        return refuseLoadedFile(game);
    if (!mayReplace(game, target) || !copyCollection(game, target))
        return;
    game.messages.MsgBox({NewLines(QCoreApplication::translate("Removing", "%1\ncopied as:\n%2"))
                              .arg(game.FigureFilePath, target)});
}
