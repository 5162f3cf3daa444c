#include "collectionfile.h"

#include "puzzle/numbers.h"
#include "puzzle/pelorin1.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace CollectionFile {

namespace {

const QByteArray CrLf = QByteArrayLiteral("\r\n");

// Line 65's first text field as raw bytes: up to the closing quote when it starts with one,
// else up to the first comma, without the blanks around it.
QByteArray firstTextField(const QByteArray& line) {
    const QByteArray text = line.trimmed();
    if (text.startsWith('"')) {
        const qsizetype close = text.indexOf('"', 1);
        return close < 0 ? text.mid(1) : text.mid(1, close - 1);
    }
    const qsizetype comma = text.indexOf(',');
    return comma < 0 ? text : text.left(comma).trimmed();
}

// Written as the program writes records: integers without blanks; a value with a fraction,
// which only another program can have put there, keeps it.
QByteArray formatFields(const FigureFile::Record& r) {
    QByteArray out;
    for (std::size_t i = 0; i < r.size(); ++i) {
        if (i > 0)
            out += ',';
        out += QByteArray::number(r[i], 'g', QLocale::FloatingPointShortest);
    }
    return out;
}

} // namespace

std::optional<QByteArray> read(const QString& path, QString* why) {
    if (QFileInfo(path).isDir()) {
        *why = QStringLiteral("it is a folder, not a file");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return std::nullopt;
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *why = file.errorString();
        return std::nullopt;
    }
    return data;
}

QString notACollection(const QByteArray& data) {
    QString why;
    if (!FigureFile::parseHeader(data, &why))
        return QStringLiteral("it is not a Pelorin file: ") + why;
    return {};
}

QByteArray withRecord(const QByteArray& data, const QByteArray& record) {
    const bool lineOpen = !data.isEmpty() && !data.endsWith('\n') && !data.endsWith('\r');
    return data + (lineOpen ? CrLf : QByteArray()) + record + CrLf;
}

Removal withoutFigure(const QByteArray& data, int figure) {
    const QList<QByteArray> lines = FigureFile::splitLines(data);
    Removal removal;
    for (qsizetype i = 0; i < FigureFile::HeaderLines && i < lines.size(); ++i)
        removal.content += lines.at(i) + CrLf;
    const QByteArray label =
        lines.size() > FigureFile::HeaderLines ? lines.at(FigureFile::HeaderLines) : QByteArray();
    removal.content += firstTextField(label) + CrLf;
    int k = 0;
    for (qsizetype i = FigureFile::HeaderLines + 1; i < lines.size(); ++i) {
        std::optional<FigureFile::Record> r = FigureFile::parseRecord(lines.at(i));
        if (!r || !FigureFile::isFigure(*r)) {
            removal.content += lines.at(i) + CrLf;
            continue;
        }
        ++k;
        if (k == figure) {
            removal.removed = r;
            continue;
        }
        (*r)[0] = k > figure ? k - 1 : k;
        removal.content += formatFields(*r) + CrLf;
    }
    removal.figuresBefore = k;
    return removal;
}

bool isLoadedFigure(const PELORIN1& game, int f, const FigureFile::Record& r) {
    if (!game.HasFigure(f))
        return false;
    const auto slot = static_cast<std::size_t>(f);
    for (std::size_t k = 0; k < PELORIN1::Pieces; ++k) {
        if (game.FigOrient[slot][k] != static_cast<int>(r[3 + 3 * k]) ||
            game.FigX[slot][k] != r[4 + 3 * k] - r[1] ||
            game.FigY[slot][k] != CInt(r[5 + 3 * k] - r[2]))
            return false;
    }
    return true;
}

void TellFailure(PELORIN1& game, const QString& headline, const QString& path, const QString& why) {
    game.messages.MsgBox({headline + game.NewLine + path + game.NewLine + why,
                          MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Warning});
}

} // namespace CollectionFile
