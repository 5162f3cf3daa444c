// SPDX-License-Identifier: GPL-3.0-or-later
#include "pelorin1.h"

#include "figurefile.h"
#include "numbers.h"

#include "platform/files.h"

#include <QTime>
#include <bit>

PELORIN1::PELORIN1(Surfaces s, MessageBoxes& m, SoundCommands& snd, QObject* parent)
    : QObject(parent), surfaces(s), messages(m), sound(snd) {}

namespace {

std::optional<QByteArray> readWhole(const QString& path, QString* error) {
    QString why;
    std::optional<QByteArray> data = readRegularFile(path, FigureFile::MaxFileBytes, &why);
    if (!data && error)
        *error = why;
    return data;
}

} // namespace

PELORIN1::LoadResult PELORIN1::LoadPieceSet(QString* error) {
    const std::optional<QByteArray> data = readWhole(FigureFilePath, error);
    if (!data)
        return LoadResult::Unreadable;
    QString why;
    const std::optional<FigureFile::PieceSetFields> set = FigureFile::parseHeader(*data, &why);
    if (!set) {
        if (error)
            *error = why;
        return LoadResult::BadHeader;
    }
    UnitLen = 24;
    DiagUnitLen = 34;
    BoardLeft = 100;
    BoardTop = 100;
    for (std::size_t i = 0; i < Pieces; ++i) {
        PieceX[i] = HomeX[i] = 24 * set->home[i][0] + BoardLeft;
        PieceY[i] = HomeY[i] = 24 * set->home[i][1] + BoardTop;
        PieceOrient[i] = HomeOrient[i] = 0;
        for (std::size_t o = 0; o < Orients; ++o) {
            const auto& f = set->shape[i][o];
            const double u = f[1] < 0 ? DiagUnitLen : UnitLen;
            ExtentX[i][o] = Int(u * f[2]);
            ExtentY[i][o] = Int(u * f[3]);
            Shape[i][o][0] = 0;
            for (std::size_t k = 1; k <= 10; ++k)
                Shape[i][o][k] = CInt(u * f[5 + k]);
            RotDX[i][o] = Int(24 * f[16]);
            RotDY[i][o] = CInt(Int(24 * static_cast<double>(static_cast<float>(f[17]))));
        }
    }
    PieceOrient[1] = HomeOrient[1] = 2;
    PieceOrient[2] = HomeOrient[2] = 1;
    return LoadResult::Ok;
}

PELORIN1::LoadResult PELORIN1::LoadFigures(QString* error) {
    const std::optional<QByteArray> data = readWhole(FigureFilePath, error);
    if (!data)
        return LoadResult::Unreadable;
    FigureFile::ReadError readError = FigureFile::ReadError::None;
    const FigureFile::Figures figures = FigureFile::readFigures(*data, &readError);
    if (readError == FigureFile::ReadError::ShortHeader) {
        if (error)
            *error = tr("the header is shorter than 64 lines");
        return LoadResult::BadHeader;
    }
    if (readError == FigureFile::ReadError::TooMany) {
        messages.MsgBox({tr("Cannot handle more than %1 Zederoru").arg(Measures::MaxFigures)});
        return LoadResult::TooMany;
    }
    FigureCount = 0;
    for (const FigureFile::Record& r : figures.records) {
        const int c = ++FigureCount;
        const double x0 = r[1];
        const double y0 = r[2];
        for (std::size_t k = 0; k < Pieces; ++k) {
            FigOrient[c][k] = static_cast<int>(r[3 + 3 * k]);
            FigX[c][k] = r[4 + 3 * k] - x0;
            FigY[c][k] = CInt(r[5 + 3 * k] - y0);
        }
    }
    return LoadResult::Ok;
}

void PELORIN1::InitialState() {
    Selected = -1;
    PlayLevel = 3;
    CopiedFlag = 0;
    SoundOn = 0;
    HitColour = {0x800080, 0xFFFF, 0x8000, 0xFF0000, 0x80, 0xFFFF00, 0xFF};
    BoardBack = surfaces.board.BackColor();
    DragColour = QBColor(15);
    SilhouetteColour = QBColor(0);
    PieceColour = {5, 14, 2, 9, 4, 11, 12};
    BoardLeft = 10;
    BoardTop = 10;
}

void PELORIN1::ResetPieces() {
    PlaySound(QStringLiteral("whoosh1"));
    for (std::size_t i = 0; i < Pieces; ++i) {
        PieceX[i] = HomeX[i];
        PieceY[i] = HomeY[i];
        PieceOrient[i] = HomeOrient[i];
    }
    CopiedFlag = 0; // the board no longer holds the copied arrangement
    surfaces.hitMap.Cls();
    surfaces.board.Cls();
    DrawAllPieces();
}

void PELORIN1::PlaySound(const QString& name) {
    if (SoundOn != 1)
        return;
    sound.mciSendString(QStringLiteral("play ") + AppDir + name + QStringLiteral(".wav"));
}

void PELORIN1::Randomize() {
    // Seconds since midnight with their fraction, so that two draws within one second differ.
    const float seconds = static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000;
    Randomize(std::bit_cast<unsigned>(seconds));
}

double PELORIN1::Rnd() {
    return std::generate_canonical<double, 32>(rng_);
}

int PELORIN1::RandomFigure() {
    const QList<int> left = unsolvedFigures();
    if (!left.isEmpty()) {
        const auto k = static_cast<qsizetype>(Int(static_cast<double>(left.size()) * Rnd()));
        return left.at(std::min(k, left.size() - 1));
    }
    const int n = static_cast<int>(Int(FigureCount * Rnd() + 1));
    return std::clamp(n, 1, std::max(1, FigureCount));
}

QList<int> PELORIN1::unsolvedFigures() const {
    const QString collection = CollectionKey(FigureFilePath);
    const bool anySolved = Solved.any(collection);
    QList<int> left;
    for (int f = 1; f <= FigureCount; ++f) {
        if (!anySolved || !Solved.contains(collection, figureKey(f)))
            left.append(f);
    }
    return left;
}

QByteArray PELORIN1::figureKey(int f) const {
    QByteArray placement;
    for (std::size_t k = 0; k < Pieces; ++k)
        placement += QByteArray::number(FigOrient[f][k]) + ',' +
                     QByteArray::number(FigX[f][k], 'g', 17) + ',' +
                     QByteArray::number(FigY[f][k]) + ';';
    return FigureKeyOf(placement);
}

bool PELORIN1::FigureSolved(int f) const {
    return HasFigure(f) && Solved.contains(CollectionKey(FigureFilePath), figureKey(f));
}

void PELORIN1::MarkSolved(int f) {
    if (!HasFigure(f))
        return;
    Solved.add(CollectionKey(FigureFilePath), figureKey(f));
    emit solvedChanged();
}

void PELORIN1::setLevelText(const QString& text) {
    if (levelText_ == text)
        return;
    levelText_ = text;
    emit levelTextChanged(text);
}
