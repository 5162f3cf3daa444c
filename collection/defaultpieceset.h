// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// The 64 header lines of the default collection, lines ended by CR LF: the piece set every
// collection is expected to carry.
QByteArray DefaultPieceSet();
