# The game as a screen reader meets it over AT-SPI: the board and its named walls and boxes,
# nothing nameless, the focused wall following Tab and the arrow keys, Enter drawing it, each
# computer turn told in words, the score line and the game's end. Run by screen_reader.sh, which
# starts the buses and the game (speed Fast); keys go through xdotool to the focused window.
# Exits 1 with what failed.
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

events = []


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def eventually(test, seconds=30):
    """Runs test, dispatching the bus's events meanwhile, until it returns something true."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        result = test()
        if result:
            return result
        time.sleep(0.05)
    return None


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "50", *names], check=True)


def find(root, role, name=None):
    return pyatspi.findDescendant(
        root, lambda o: o.getRoleName() == role and (name is None or o.name == name))


def game_window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "pennix":
            return find(app, "frame", "The game of Pennix")
    return None


def focused(obj):
    return obj.getState().contains(pyatspi.STATE_FOCUSED)


def focus_event_for(name):
    """The last object that gained the focus was named `name`."""
    gained = [e.source.name for e in events if e.type == "object:state-changed:focused"
              and e.detail1 == 1]
    return gained and gained[-1] == name


for kind in ("object:state-changed:focused", "object:state-changed:checked",
             "object:property-change:accessible-description",
             "object:property-change:accessible-name"):
    pyatspi.Registry.registerEventListener(events.append, kind)

window = eventually(game_window) or fail("no application 'pennix' with the game's frame")
board = find(window, "table", "Board") or fail("no table named 'Board' in the game's frame")
score = find(window, "label") or fail("no score label")
button = find(window, "push button", "Rnd") or fail("no 'Rnd' button")

# The walls row of dots by row of dots, the boxes after them, each named for where it lies.
if board.childCount != 178 + 80:
    fail(f"the board has {board.childCount} children, not 178 walls and 80 boxes")
walls = [board.getChildAtIndex(i) for i in range(178)]
boxes = [board.getChildAtIndex(178 + i) for i in range(80)]
roles = {w.getRoleName() for w in walls}, {b.getRoleName() for b in boxes}
if roles != ({"check box"}, {"table cell"}):
    fail(f"walls and boxes have the roles {roles}")
expected = {0: "Row 1, between dots 1 and 2: free", 10: "Column 1, between dots 1 and 2: free",
            20: "Column 11, between dots 1 and 2: free", 45: "Row 3, between dots 4 and 5: free",
            56: "Column 5, between dots 3 and 4: free", 177: "Row 9, between dots 10 and 11: free"}
for index, name in expected.items():
    if walls[index].name != name:
        fail(f"wall {index} is called {walls[index].name!r}, not {name!r}")
if len({w.name for w in walls}) != 178:
    fail("two walls have the same name")
if boxes[0].name != "Box in row 1, column 1: nobody's yet" or \
        boxes[79].name != "Box in row 8, column 10: nobody's yet":
    fail(f"the boxes are called {boxes[0].name!r} ... {boxes[79].name!r}")
# Nothing on the main window is nameless (separators aside).
nameless = pyatspi.findAllDescendants(
    window, lambda o: not o.name and o.getRoleName() != "separator")
if nameless:
    fail(f"nameless on the main window: {[(o.getRoleName(), o.parent.name) for o in nameless]}")
if score.name != "You 0 Me 0":
    fail(f"the score line reads {score.name!r}")

# The board has the keyboard; Tab goes to "Rnd" and back.
eventually(lambda: focused(walls[0])) or fail("the first wall is not focused at the start")
key("Tab")
eventually(lambda: focused(button) and focus_event_for("Rnd")) or fail("Tab did not focus 'Rnd'")
key("Tab")
eventually(lambda: focused(walls[0])) or fail("Tab did not bring the focus back to the board")

# Right moves the cursor from the first top wall to the side wall after it, and the focus with it;
# Enter draws it, and the computer's turn is then told as the board's description.
key("Right")
moved = "Column 2, between dots 1 and 2: free"
eventually(lambda: focused(walls[11]) and focus_event_for(moved)) or \
    fail(f"Right did not move the focus to {moved!r}")
focused(walls[0]) and fail("the first wall kept the focus after Right")
key("Return")
eventually(lambda: walls[11].name == "Column 2, between dots 1 and 2: drawn by you"
           and walls[11].getState().contains(pyatspi.STATE_CHECKED)) or \
    fail(f"Enter did not draw the focused wall: {walls[11].name!r}")
eventually(lambda: any(e.source == walls[11] and e.type.endswith(":checked") and e.detail1 == 1
                      for e in events)) or fail("the focused wall's new checked state was not told")
summary = re.compile(r"I drew (one wall|(\d+) walls) and took (no box|one box|\d+ boxes)\.")
# Qt's event carries the board rather than the text, which a reader then fetches.
told = eventually(lambda: any(e.source == board and e.type.endswith("accessible-description")
                              for e in events) and board.description)
told or fail(f"no description event after the computer's turn; the board's: {board.description!r}")
said = summary.fullmatch(told) or fail(f"the computer's turn was told as {told!r}")
mine = sum(w.name.endswith(": drawn by me") for w in walls)
if mine != int(said.group(2) or 1):
    fail(f"{told!r}, but {mine} walls are named as drawn by me")

# Every turn is told, in the same words as the last one's too: the cursor goes on to a free wall.
def focused_name():
    return next((w.name for w in walls if focused(w)), "")


while not focused_name().endswith(": free"):
    left = focused_name()
    key("Right")
    eventually(lambda: focused_name() not in ("", left)) or fail(f"Right did not leave {left!r}")
key("Return")
eventually(lambda: sum(e.source == board and e.type.endswith("accessible-description")
                       for e in events) == 2) or fail("the second computer turn was not told")

# More walls by the keyboard, the cursor led over every gap a row of boxes at a time, until a box
# is taken: the score line says so, and agrees with the boxes' names.
rows = [["Down", "Right", *["Left"] * 20] if row % 2 else ["Down", "Left", *["Right"] * 20]
        for row in range(1, 8)]
sweep = iter(["Left"] * 20 + ["Right"] * 20 + sum(rows, []) + ["Down"] + ["Right", "Down"] * 9)


def box_taken():
    if score.name != "You 0 Me 0":
        return True
    key(next(sweep, "Return"), "Return")
    return False


eventually(box_taken, 120) or fail("no box was taken in two minutes of play")
eventually(lambda: re.fullmatch(r"You \d+ Me \d+", score.name)
           and score.name == f"You {sum(b.name.endswith(': yours') for b in boxes)} "
                             f"Me {sum(b.name.endswith(': mine') for b in boxes)}") or \
    fail(f"the score line reads {score.name!r}, the boxes {[b.name for b in boxes]}")
eventually(lambda: any(e.source == score and e.type.endswith("accessible-name")
                      for e in events)) or fail("the score line's change was not announced")

# The rest of the gaps: the game ends, and the score line says how.
key(*sum(([step, "Return"] for step in sweep), []))
eventually(lambda: re.fullmatch(r"Game over\. (I win|You win|It's a draw)! \(\d+-\d+\)",
                                score.name), 120) or fail(f"the game's end reads {score.name!r}")
print(f"screen reader: {len(events)} events; the score reads {score.name!r}")
