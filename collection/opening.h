// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class FileDialogs;
class PELORIN1;

// Lets the player pick another collection in the open dialog, loads its figures and shows
// one of them at random. A file that is not a collection, or holds more than 500 figures,
// is refused with a message and the loaded collection stays.
void OpenFigureFile(PELORIN1& game, FileDialogs& dialogs);
