// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>

// The settings file "Zederoru.cfg": line 1 the collection's file name, line 2 the left and
// top of the panel and of the main window in twips (-1 first: no position stored).
struct Settings {
    QString collection = QStringLiteral("PELORIN.pel");
    std::array<float, 4> positions{-1, -1, -1, -1};

    bool hasPositions() const { return positions[0] != -1; }
};

inline const QString SettingsFileName = QStringLiteral("Zederoru.cfg");

// Reads the two lines; a line 2 that is missing or not numeric reads as no position stored.
Settings parseSettings(const QByteArray& content);
// nullopt when the file cannot be read.
std::optional<Settings> readSettings(const QString& path);

// The file start-up creates when none exists: "PELORIN.pel" and "-1,-1,-1,-1".
bool writeDefaultSettings(const QString& path, QString* error);

// The file Exit writes: the collection's file name without its folder, and each position in
// shortest form with a blank before it when not negative and one blank after it.
QByteArray formatSettings(const QString& collectionPath, const std::array<float, 4>& positions);
bool writeSettings(const QString& path, const QByteArray& content, QString* error);
