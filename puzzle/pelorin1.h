// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "measures.h"
#include "platform/colour.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "silhouette.h"
#include "solvedfigures.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <random>

// The puzzle state and its operations: the piece set, the placement of the seven pieces,
// the figure table of the open collection, the game switches, the colours and the drawing
// of board, hit map and target.
class PELORIN1 : public QObject {
    Q_OBJECT
public:
    static constexpr int Pieces = 7;
    static constexpr int Orients = 8;
    static constexpr int MaxFigures = Measures::MaxFigures;

    struct Surfaces {
        Surface& board;        // Picture1: the visible play area
        Surface& hitMap;       // never shown: each piece in its own colour
        Surface& targetCanvas; // TargetPel(0): the target is drawn here first
        Surface& targetView;   // TargetPel(1): the visible, centred target
    };

    PELORIN1(Surfaces surfaces, MessageBoxes& messages, SoundCommands& sound,
             QObject* parent = nullptr);

    template <typename T> using PerPiece = std::array<T, Pieces>;
    template <typename T> using PerOrient = std::array<std::array<T, Orients>, Pieces>;
    template <typename T> using PerFigure = std::array<PerPiece<T>, MaxFigures + 1>;

    // Piece set, fixed after start-up. Shape[i][o][k]: outline point (k-1)/2, k = 1..10.
    PerOrient<std::array<std::int16_t, 11>> Shape{};
    PerOrient<double> ExtentX{}, ExtentY{}, RotDX{}, RotDY{};
    PerPiece<double> HomeX{}, HomeY{};
    PerPiece<std::int16_t> HomeOrient{};
    double UnitLen = 24;
    double DiagUnitLen = 34;
    double BoardLeft = 10;
    double BoardTop = 10;

    // Placement of the pieces.
    PerPiece<double> PieceX{}, PieceY{}, SavedX{}, SavedY{};
    PerPiece<int> PieceOrient{};
    int Selected = -1;
    std::int16_t KeyPiece = 0;
    std::int16_t DragPending = 0;

    // Figure table; slot 0 is never filled.
    PerFigure<int> FigOrient{};
    PerFigure<double> FigX{};
    PerFigure<std::int16_t> FigY{};
    int FigureCount = 0;
    int CurrentFigure = 0;
    // Figures before the first cell of the browse and print pages, which share it.
    std::int16_t FirstShown = 0;

    // Game switches.
    std::int16_t PlayLevel = 3; // 3 Normal, 2 Easy, 1 Very easy
    std::int16_t SoundOn = 0;
    int CopiedFlag = 0; // 1 while the board holds the arrangement "Copy" laid out
    PerPiece<std::int16_t> OrientMatch{};
    std::int16_t Covered = 0;

    // Colours: palette numbers and 0x00BBGGRR values.
    PerPiece<int> PieceColour{5, 14, 2, 9, 4, 11, 12};
    PerPiece<ColourValue> HitColour{0x800080, 0xFFFF, 0x8000, 0xFF0000, 0x80, 0xFFFF00, 0xFF};
    ColourValue BoardBack = 0;
    ColourValue DragColour = 0;
    ColourValue SilhouetteColour = 0;

    // Working buffers of one drawing step.
    std::array<QPoint, 11> Pts{};
    std::array<QPoint, 11> PiecePts{};
    double OriginX = 0;
    double OriginY = 0;

    // Files and texts.
    QString AppDir;
    QString FigureFilePath;
    const QString NewLine = QStringLiteral("\n\r");
    double TwipsX = 15; // twips per pixel of the screen
    double TwipsY = 15;
    float PixScaleX = 1;
    float PixScaleY = 1;

    Surfaces surfaces;
    MessageBoxes& messages;
    SoundCommands& sound;
    // The figures the player has solved, in this run and earlier ones.
    SolvedFigures Solved;

    // The collection readers. Both leave the state untouched when they fail; LoadFigures
    // shows "Cannot handle more than 500 Zederoru" itself.
    enum class LoadResult { Ok, Unreadable, BadHeader, TooMany };
    LoadResult LoadPieceSet(QString* error = nullptr);
    LoadResult LoadFigures(QString* error = nullptr);

    // The initial switches and colours of a new game.
    void InitialState();
    // Puts the pieces home, which also ends the copied arrangement.
    void ResetPieces();
    void ShowFigure();
    void DrawAllPieces();
    void DrawPiece(int i);
    void SetPieceColours(int i);
    void CheckOrientation(int p);
    void CheckFit();
    void PlaySound(const QString& name);

    // Outline of piece i in orientation o with origin (ox, oy): points 0 to 4.
    std::array<QPoint, 5> Outline(int i, int o, double ox, double oy) const;
    // Fills buffer with the outline of piece i at its current place and sets OriginX/Y.
    void PlacedOutline(int i, std::array<QPoint, 11>& buffer);

    // Pseudo-random numbers in [0, 1), seeded from the time of day.
    void Randomize();
    void Randomize(unsigned seed) { rng_.seed(seed); }
    double Rnd();
    // A figure from 1 to FigureCount at random (1 for an empty collection), one not yet
    // solved while any is left.
    int RandomFigure();

    // Whether figure f of the open collection has been solved, in this run or an earlier one.
    bool FigureSolved(int f) const;
    // Remembers figure f of the open collection as solved.
    void MarkSolved(int f);

    bool HasFigure(int f) const { return f >= 1 && f <= FigureCount; }

    // Whether piece stands at the place of the figure's piece slot, with rx, ry the pieces'
    // origins relative to the figure's reference corner: within 15 pixels in x and in y and
    // turned to the outline the figure has there.
    bool InPlace(int piece, int slot, int f, const PerPiece<double>& rx,
                 const PerPiece<std::int16_t>& ry) const;

    QString TargetCaption() const { return targetCaption_; }
    QString MainCaption() const { return mainCaption_; }
    QString LevelText() const { return levelText_; }
    void setLevelText(const QString& text);

signals:
    void targetCaptionChanged(const QString& caption);
    void mainCaptionChanged(const QString& caption);
    void levelTextChanged(const QString& text);
    void solvedChanged();

private:
    void drawOnBoardAndHitMap(int i, const QPoint* points);
    void drawTarget(int f, int& maxX, int& maxY);
    // Scales a figure larger than the target view down to fit it.
    void fitTargetView(std::array<std::array<QPoint, 5>, Pieces>& outlines, int& maxX,
                       int& maxY) const;
    bool sameOutline(int i, int o, int j, int p) const;
    bool pairFits(int a, int b, int f, const PerPiece<double>& rx,
                  const PerPiece<std::int16_t>& ry) const;
    bool piecesInPlace(int f, const PerPiece<double>& rx, const PerPiece<std::int16_t>& ry) const;
    // The figure's pieces with its reference corner at (x, y), and the pieces on the board.
    Silhouette::Arrangement figureOutlines(int f, double x, double y) const;
    Silhouette::Arrangement placedOutlines() const;
    // Draws the pieces black with grey borders and locks the board.
    void showSolution(const Silhouette::Arrangement& pieces);

    // The key of figure f's marks: its pieces' places relative to its reference corner.
    QByteArray figureKey(int f) const;
    // The figures not yet solved; none when every one is.
    QList<int> unsolvedFigures() const;

    std::mt19937 rng_;
    QString targetCaption_;
    QString mainCaption_;
    QString levelText_;
};
