// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class FileDialogs;
class PELORIN1;

// Removing the current figure from the collection, and copying the collection under
// another name.

// Asks "Remove this Pelorin ( n) ?" and rewrites the collection without the current figure,
// the others numbered 1, 2, 3, ...; the figure that followed becomes the current one.
void RemoveFigure(PELORIN1& game);

// Copies the loaded collection to a file chosen in the save dialog. The loaded collection
// stays the one that append and remove work on.
void SaveFigureFileAs(PELORIN1& game, FileDialogs& dialogs);
