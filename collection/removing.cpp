#include "removing.h"

#include "collectionfile.h"
#include "opensavedialog.h"

#include "platform/safewrite.h"
#include "puzzle/pelorin1.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

namespace {

using Answer = MessageBoxes::Answer;
using Buttons = MessageBoxes::Buttons;
using Icon = MessageBoxes::Icon;

const QString NotRemoved = QStringLiteral("Pelorin not removed from file:");

bool removalConfirmed(PELORIN1& game) {
    const QString text = QStringLiteral("Remove this Pelorin ( %1) ?").arg(game.CurrentFigure);
    return game.messages.MsgBox({text, Buttons::YesNo, Icon::None, AppTitle, true}) == Answer::Yes;
}

// The collection without the current figure, checked against what the player saw: when
// another program changed the file so that this figure is no longer the one shown, nothing
// is removed.
std::optional<CollectionFile::Removal> removal(PELORIN1& game) {
    const QString& path = game.FigureFilePath;
    QString why;
    const std::optional<QByteArray> data = CollectionFile::read(path, &why);
    if (!data) {
        CollectionFile::TellFailure(game, NotRemoved, path, why);
        return std::nullopt;
    }
    if (FigureFile::splitLines(*data).size() < FigureFile::HeaderLines) {
        CollectionFile::TellFailure(game, NotRemoved, path, CollectionFile::notACollection(*data));
        return std::nullopt;
    }
    CollectionFile::Removal r = CollectionFile::withoutFigure(*data, game.CurrentFigure);
    if (!r.removed || !CollectionFile::isLoadedFigure(game, game.CurrentFigure, *r.removed)) {
        CollectionFile::TellFailure(game, NotRemoved, path,
                                    QStringLiteral("another program has changed the file since "
                                                   "it was loaded; open it again to see its "
                                                   "Pelorins"));
        return std::nullopt;
    }
    return r;
}

void showAfterRemoval(PELORIN1& game) {
    QString why;
    const PELORIN1::LoadResult result = game.LoadFigures(&why);
    if (result != PELORIN1::LoadResult::Ok && result != PELORIN1::LoadResult::TooMany)
        CollectionFile::TellFailure(game, QStringLiteral("Pelorin removed but file not read back:"),
                                    game.FigureFilePath, why);
    game.ShowFigure();
    for (int i = 0; i < PELORIN1::Pieces; ++i)
        game.CheckOrientation(i);
    game.DrawAllPieces();
}

// The same file under another name: equal text without regard to case, as the older
// platform compared; the same canonical path (a relative form, a symbolic link); or the
// same file on disk (a hard link, a folder that ignores case).
bool namesSameFile(const QString& a, const QString& b) {
    if (a.compare(b, Qt::CaseInsensitive) == 0)
        return true;
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
    game.messages.MsgBox({QStringLiteral("file:") + game.FigureFilePath +
                          QStringLiteral("\r\nalready loaded and saved, use another filename to "
                                         "save as")});
}

// An existing file with content, readable or not, is only replaced after asking.
bool mayReplace(PELORIN1& game, const QString& target) {
    const QFileInfo info(target);
    if (!info.exists() || info.isDir() || info.size() == 0)
        return true;
    const MessageBoxes::Message question(target + game.NewLine +
                                             QStringLiteral(" file already exists, overwrite?"),
                                         Buttons::YesNo, Icon::Warning, AppTitle, true);
    return game.messages.MsgBox(question) == Answer::Yes;
}

bool copyCollection(PELORIN1& game, const QString& target) {
    QString why;
    const std::optional<QByteArray> data = CollectionFile::read(game.FigureFilePath, &why);
    if (!data) {
        CollectionFile::TellFailure(game, QStringLiteral("Pelorin file not copied:"),
                                    game.FigureFilePath, why);
        return false;
    }
    if (!SafeWrite::replaceFile(target, *data, &why)) {
        CollectionFile::TellFailure(game, QStringLiteral("Pelorin file not copied as:"), target,
                                    why);
        return false;
    }
    return true;
}

} // namespace

void RemoveFigure(PELORIN1& game) {
    if (!game.HasFigure(game.CurrentFigure) || !removalConfirmed(game))
        return;
    const std::optional<CollectionFile::Removal> r = removal(game);
    if (!r)
        return;
    // The scratch copy is kept for the player; the collection itself never depends on it.
    SafeWrite::replaceFile(QDir::current().filePath(QStringLiteral("PelFile.tmp")), r->content,
                           nullptr);
    QString why;
    if (!SafeWrite::replaceFile(game.FigureFilePath, r->content, &why)) {
        CollectionFile::TellFailure(game, NotRemoved, game.FigureFilePath, why);
        return;
    }
    if (r->figuresBefore == game.CurrentFigure)
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
    game.messages.MsgBox({game.FigureFilePath + game.NewLine + QStringLiteral("copied as:") +
                          game.NewLine + target});
}
