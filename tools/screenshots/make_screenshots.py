#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Takes the screenshots of desktop/screenshots/ from the real game.

Usage: python3 tools/screenshots/make_screenshots.py [--figure N] [--out FOLDER]

The game built in build/ runs from a fresh portable folder under Xvfb with openbox, so the
windows have their frames, and is played with xdotool as a player would:

  board.png    the board beside the panel at the Very easy level: figure N laid with Copy,
               then its largest and smallest pieces dragged off it to free places
  viewall.png  the View All window scrolled to the end of the collection

Each picture is cut to the windows with a margin of desktop around them.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SCREEN = "1280x800x24"
DESKTOP = "#56606b"
MARGIN = 16
# Default figure: a sitting cat in today's default collection.
FIGURE = 228

# The board picture's size, the box a dropped piece must keep inside (left, top, right,
# bottom) and the room kept around a piece taken off the figure, in board pixels.
BOARD = (350, 390)
ACCEPTED = (34, 34, 336, 371)
GAP = 12

# Panel buttons in client pixels (the panel's layout is fixed in twips).
FIRST = (24, 104)
RIGHT = (90, 104)
VIEW_ALL = (189, 104)
COPY = (123, 50)
VERY_EASY = (235, 50)
# View All's scroll bar: its thumb at the top, and the bottom of its trough.
SCROLL_TOP = (393, 20)
SCROLL_BOTTOM = (393, 395)


def run(*command, **options):
    return subprocess.run(command, check=True, stdout=subprocess.PIPE, text=True, **options).stdout


def xdotool(*arguments):
    return run("xdotool", *[str(a) for a in arguments])


def find_window(title_pattern):
    return xdotool("search", "--sync", "--onlyvisible", "--name", title_pattern).split()[0]


def click(window, at, repeat=1):
    xdotool("mousemove", "--window", window, *at, "click", "--repeat", repeat, "--delay", 40, 1)
    time.sleep(0.4)


def drag(window, start, end):
    """Drags with the left button. The moves are relative to the pointer: a move given in
    window coordinates while the button is held never reaches the game. The first move is a
    single pixel, so the drag is the same whether it counts from the press or from there."""
    xdotool("mousemove", "--window", window, *start)
    time.sleep(0.2)
    xdotool("mousedown", 1)
    path = [(start[0] + (1 if end[0] > start[0] else -1), start[1])]
    path += [(start[0] + (end[0] - start[0]) * k // 8, start[1] + (end[1] - start[1]) * k // 8)
             for k in range(1, 9)]
    at = start
    for point in path:
        time.sleep(0.05)
        xdotool("mousemove_relative", "--", point[0] - at[0], point[1] - at[1])
        at = point
    xdotool("mouseup", 1)
    time.sleep(0.4)


def move_pointer_away():
    xdotool("mousemove", 0, 0)
    time.sleep(0.4)


def window_pixels(window):
    """The window's client image as (width, height, rows of RGB bytes)."""
    ppm = subprocess.run(["import", "-window", window, "-depth", "8", "ppm:-"], check=True,
                         stdout=subprocess.PIPE).stdout
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
    width, height = int(header[1]), int(header[2])
    data = ppm[header.end():]
    return width, height, [data[y * width * 3:(y + 1) * width * 3] for y in range(height)]


class Piece:
    """A piece on the board at the Very easy level, where each piece has a colour of its own."""

    def __init__(self):
        self.count = self.sum_x = self.sum_y = 0
        self.left = self.top = 1 << 30
        self.right = self.bottom = -1

    def add(self, x, y):
        self.count += 1
        self.sum_x += x
        self.sum_y += y
        self.left, self.right = min(self.left, x), max(self.right, x)
        self.top, self.bottom = min(self.top, y), max(self.bottom, y)

    def centre(self):  # inside the piece: every piece is convex
        return self.sum_x // self.count, self.sum_y // self.count


def pieces_on_board(window):
    """The pieces by colour: every coloured area but the board's background."""
    width, height, rows = window_pixels(window)
    areas = {}
    for y, row in enumerate(rows[:BOARD[1]]):
        for x in range(min(width, BOARD[0])):
            areas.setdefault(bytes(row[3 * x:3 * x + 3]), Piece()).add(x, y)
    background = max(areas, key=lambda c: areas[c].count)
    return {c: p for c, p in areas.items() if c != background and len(set(c)) > 1}


def free_place(piece, taken):
    """Where the piece's box fits in the accepted box clear of the boxes taken, looking from
    the bottom right; the offset to move it by, or None."""
    width, height = piece.right - piece.left, piece.bottom - piece.top
    for top in range(ACCEPTED[3] - height, ACCEPTED[1] - 1, -5):
        for left in range(ACCEPTED[2] - width, ACCEPTED[0] - 1, -5):
            box = (left - GAP, top - GAP, left + width + GAP, top + height + GAP)
            if all(box[2] < t[0] or box[0] > t[2] or box[3] < t[1] or box[1] > t[3]
                   for t in taken):
                return left - piece.left, top - piece.top
    return None


def take_away(board, pieces, colours):
    """Drags the pieces of these colours off the figure to free places of the board."""
    taken = [(min(p.left for p in pieces.values()), min(p.top for p in pieces.values()),
              max(p.right for p in pieces.values()), max(p.bottom for p in pieces.values()))]
    for colour in colours:
        piece = pieces[colour]
        offset = free_place(piece, taken)
        if offset is None:
            continue
        start = piece.centre()
        drag(board, start, (start[0] + offset[0], start[1] + offset[1]))
        taken.append((piece.left + offset[0], piece.top + offset[1],
                      piece.right + offset[0], piece.bottom + offset[1]))


def shoot(path):
    """The screen cut to everything that is not desktop, with a margin of desktop."""
    run("import", "-window", "root", "-strip", path + ".full.png")
    run("convert", path + ".full.png", "-trim", "+repage", "-bordercolor", DESKTOP,
        "-border", str(MARGIN), "-strip", path)
    os.remove(path + ".full.png")


def play_and_shoot(figure, out):
    # A short fixed path: the board's caption shows it whole.
    folder = os.path.join(tempfile.gettempdir(), "Zederoru")
    shutil.copytree(os.path.join(ROOT, "data"), folder)
    shutil.copy2(os.path.join(ROOT, "build", "zederoru"), folder)
    desktop = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    background = os.path.join(folder, "desktop.png")
    run("convert", "-size", "8x8", "xc:" + DESKTOP, background)
    # display sets the root window's background and exits with status 1 all the same.
    subprocess.run(["display", "-window", "root", background], check=False)
    env = dict(os.environ, HOME=folder)
    env.pop("QT_QPA_PLATFORM", None)
    game = subprocess.Popen([os.path.join(folder, "zederoru")], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        panel = find_window("^Zederoru$")
        board = find_window("^File: ")
        time.sleep(1)
        click(panel, FIRST)
        if figure > 1:
            click(panel, RIGHT, repeat=figure - 1)
        click(panel, VERY_EASY)
        click(panel, COPY)
        pieces = pieces_on_board(board)
        by_size = sorted(pieces, key=lambda c: pieces[c].count)
        take_away(board, pieces, (by_size[-1], by_size[0]))
        move_pointer_away()
        shoot(os.path.join(out, "board.png"))

        click(panel, VIEW_ALL)
        view = find_window("^Click to select")
        time.sleep(0.5)
        drag(view, SCROLL_TOP, SCROLL_BOTTOM)
        move_pointer_away()
        shoot(os.path.join(out, "viewall.png"))
    finally:
        game.kill()
        desktop.kill()
        shutil.rmtree(folder)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--figure", type=int, default=FIGURE, help="figure shown on the board")
    parser.add_argument("--out", default=os.path.join(ROOT, "desktop", "screenshots"))
    parser.add_argument("--in-xvfb", action="store_true", help=argparse.SUPPRESS)
    args = parser.parse_args()
    out = os.path.abspath(args.out)
    if not args.in_xvfb:
        # Install the tools, build the game, then run again inside Xvfb.
        subprocess.run(["bash", "scripts/setup.sh", "xvfb", "xauth", "openbox", "xdotool",
                        "imagemagick"], check=True, cwd=ROOT)
        subprocess.run(["bash", "scripts/build.sh"], check=True, cwd=ROOT)
        os.makedirs(out, exist_ok=True)
        inner = [sys.executable, os.path.abspath(__file__), "--in-xvfb",
                 "--figure", str(args.figure), "--out", out]
        sys.exit(subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 " + SCREEN] + inner).returncode)
    play_and_shoot(args.figure, out)
    for name in ("board.png", "viewall.png"):
        print(os.path.join(out, name))


if __name__ == "__main__":
    main()
