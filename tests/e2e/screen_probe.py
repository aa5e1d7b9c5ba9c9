# What the X server shows, for the end-to-end scripts: "cursor" prints a digest of the pointer's
# cursor image (XFixes); "colour LEFT TOP RRGGBB" counts the pixels of that colour on the board
# whose top-left corner is there; "walls LEFT TOP" counts the walls drawn there, black or marked.
import hashlib
import sys

from Xlib import X, display

screen = display.Display()
root = screen.screen().root
WIDTH, HEIGHT = 390, 300
DRAWN = {(0, 0, 0), (213, 94, 0)}

if sys.argv[1] == "cursor":
    screen.xfixes_query_version()
    cursor = screen.xfixes_get_cursor_image(root)
    shape = (cursor.width, cursor.height, cursor.xhot, cursor.yhot, *cursor.cursor_image)
    print(hashlib.sha1(repr(shape).encode()).hexdigest())
    sys.exit(0)

left, top = int(sys.argv[2]), int(sys.argv[3])
raw = root.get_image(left, top, WIDTH, HEIGHT, X.ZPixmap, 0xFFFFFFFF).data


def pixel(x, y):
    blue, green, red = raw[4 * (y * WIDTH + x):4 * (y * WIDTH + x) + 3]
    return red, green, blue


if sys.argv[1] == "colour":
    wanted = tuple(bytes.fromhex(sys.argv[4]))
    print(sum(pixel(x, y) == wanted for y in range(HEIGHT) for x in range(WIDTH)))
else:
    # The middle of each wall's bar: 90 horizontal walls, then 88 vertical ones.
    middles = [(52 + 32 * c, 28 + 32 * r) for r in range(9) for c in range(10)]
    middles += [(36 + 32 * c, 44 + 32 * r) for r in range(8) for c in range(11)]
    print(sum(pixel(x, y) in DRAWN for x, y in middles))
