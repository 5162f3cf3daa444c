#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Takes the screenshots of desktop/screenshots/ from the real game.

Usage: python3 tools/screenshots/make_screenshots.py [--figure N] [--out FOLDER]

The game built in build/ runs from a fresh portable folder under Xvfb with openbox, so the
windows have their frames, and is played with xdotool as a player would:

  board.png    the board beside the panel at the Very easy level, figure N half built: five
               pieces dragged and turned into their places, two still where they start
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

# The board picture's size in pixels.
BOARD = (350, 390)

# Panel buttons in client pixels (the panel's layout is fixed in twips).
FIRST = (24, 104)
RIGHT = (90, 104)
VIEW_ALL = (189, 104)
RESET = (90, 50)
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
        self.pixels = []
        self.left = self.top = 1 << 30
        self.right = self.bottom = -1

    def add(self, x, y):
        self.pixels.append((x, y))
        self.left, self.right = min(self.left, x), max(self.right, x)
        self.top, self.bottom = min(self.top, y), max(self.bottom, y)

    def centre(self):  # inside the piece: every piece is convex
        count = len(self.pixels)
        return sum(x for x, _ in self.pixels) // count, sum(y for _, y in self.pixels) // count

    def shape(self):
        return {(x - self.left, y - self.top) for x, y in self.pixels}

    def meets(self, other):
        return not (self.right < other.left or other.right < self.left or
                    self.bottom < other.top or other.bottom < self.top)


def pieces_on_board(window):
    """The pieces by colour: every coloured area but the board's background."""
    width, height, rows = window_pixels(window)
    areas = {}
    for y, row in enumerate(rows[:BOARD[1]]):
        for x in range(min(width, BOARD[0])):
            areas.setdefault(bytes(row[3 * x:3 * x + 3]), Piece()).add(x, y)
    background = max(areas, key=lambda c: len(areas[c].pixels))
    return {c: p for c, p in areas.items() if c != background and len(set(c)) > 1}


def move_to(board, colour, target):
    """Drags the piece of this colour so that its box's top left corner is the target's."""
    piece = pieces_on_board(board)[colour]
    start = piece.centre()
    drag(board, start, (start[0] + target.left - piece.left, start[1] + target.top - piece.top))


def lay(board, colour, target):
    """Lays the piece of this colour where the target lies: moved there, turned with the right
    button until it has the target's shape, and moved again, since a turn shifts it."""
    move_to(board, colour, target)
    for _ in range(8):
        piece = pieces_on_board(board)[colour]
        shape, wanted = piece.shape(), target.shape()
        if len(shape & wanted) > 0.9 * len(shape | wanted):
            break
        xdotool("mousemove", "--window", board, *piece.centre(), "click", 3)
        time.sleep(0.4)
    move_to(board, colour, target)


def build_all_but_two(board, home, laid):
    """Lays five pieces where they lie in the figure. The two left at their start places are
    two whose places the figure does not cover, and each piece is laid before any piece whose
    start place it would cover, so that the pointer always finds the piece it wants."""
    colours = sorted(laid, key=lambda c: -len(laid[c].pixels))
    pairs = [(a, b) for i, a in enumerate(colours) for b in colours[i + 1:]]

    def covered(pair):
        return sum(laid[c].meets(home[k]) for c in colours if c not in pair for k in pair)

    kept = min(pairs, key=covered)
    todo = [c for c in colours if c not in kept]
    while todo:
        free = [c for c in todo if not any(laid[c].meets(home[k]) for k in todo if k != c)]
        colour = (free or todo)[0]
        lay(board, colour, laid[colour])
        todo.remove(colour)


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
        home = pieces_on_board(board)
        click(panel, COPY)
        laid = pieces_on_board(board)
        click(panel, RESET)  # the pieces go home and the copy ends: play as usual
        build_all_but_two(board, home, laid)
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
