#!/usr/bin/env python3
"""Draws the library's bitmaps and cursors and writes them next to this script.

Run it after changing a picture; the generated .bmp and .cur files are
committed so that a build needs no Python.

    python3 resources/bitmaps/make_bitmaps.py

Pictures are 16-colour (4 bits per pixel) uncompressed bitmaps over the
standard VGA palette, the pattern brush is a 1-bit bitmap and the cursors are
32x32 monochrome cursor files with an AND and an XOR mask.

Row pictures (outline buttons, drives, fonts, folders, table rows) are 16x16
and keep magenta in their top-left pixel: the picture loader turns every
pixel of the top-left colour into the transparent part of the mask, so
magenta must not be used anywhere else in them. Class-palette pictures for
the form designer are 24x24 on button-face grey, the colour of the palette
buttons they sit on.
"""

import os
import struct

# The 16 VGA colours in palette order, each with the letter that stands for
# it in the drawings below.
PALETTE = [
    ("#", (0, 0, 0)),        # black
    ("m", (128, 0, 0)),      # maroon
    ("g", (0, 128, 0)),      # green
    ("o", (128, 128, 0)),    # olive
    ("n", (0, 0, 128)),      # navy
    ("p", (128, 0, 128)),    # purple
    ("t", (0, 128, 128)),    # teal
    ("s", (192, 192, 192)),  # silver, button face
    ("d", (128, 128, 128)),  # dark grey, button shadow
    ("R", (255, 0, 0)),      # red
    ("G", (0, 255, 0)),      # lime
    ("Y", (255, 255, 0)),    # yellow
    ("B", (0, 0, 255)),      # blue
    ("M", (255, 0, 255)),    # magenta, transparent in row pictures
    ("C", (0, 255, 255)),    # cyan
    ("w", (255, 255, 255)),  # white
]
INDEX = {letter: i for i, (letter, _) in enumerate(PALETTE)}

ROW_BACKGROUND = "M"
PALETTE_BACKGROUND = "s"


class Canvas:
    """A small grid of palette letters, row 0 at the top."""

    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.rows = [[background] * width for _ in range(height)]

    @classmethod
    def from_art(cls, art, background):
        """Builds a canvas from rows of letters; '.' is the background."""
        lines = [line.strip() for line in art.strip().splitlines()]
        canvas = cls(len(lines[0]), len(lines), background)
        for y, line in enumerate(lines):
            if len(line) != canvas.width:
                raise ValueError("ragged drawing at row %d" % y)
            for x, letter in enumerate(line):
                if letter != ".":
                    canvas.put(x, y, letter)
        return canvas

    def put(self, x, y, colour):
        if colour not in INDEX:
            raise ValueError("unknown colour letter %r" % colour)
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the rectangle with corners (x0, y0) and (x1, y1), inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.fill(x0, y0, x1, y0, colour)
        self.fill(x0, y1, x1, y1, colour)
        self.fill(x0, y0, x0, y1, colour)
        self.fill(x1, y0, x1, y1, colour)

    def raised(self, x0, y0, x1, y1):
        """A button face with a white top-left and dark bottom-right edge."""
        self.fill(x0, y0, x1, y1, "s")
        self.fill(x0, y0, x1, y0, "w")
        self.fill(x0, y0, x0, y1, "w")
        self.fill(x0, y1, x1, y1, "#")
        self.fill(x1, y0, x1, y1, "#")
        self.fill(x0 + 1, y1 - 1, x1 - 1, y1 - 1, "d")
        self.fill(x1 - 1, y0 + 1, x1 - 1, y1 - 1, "d")

    def sunken(self, x0, y0, x1, y1, inside="w"):
        """A field well: dark top-left, white bottom-right, filled inside."""
        self.fill(x0, y0, x1, y1, inside)
        self.fill(x0, y0, x1, y0, "d")
        self.fill(x0, y0, x0, y1, "d")
        self.fill(x0 + 1, y0 + 1, x1 - 1, y0 + 1, "#")
        self.fill(x0 + 1, y0 + 1, x0 + 1, y1 - 1, "#")
        self.fill(x0, y1, x1, y1, "w")
        self.fill(x1, y0, x1, y1, "w")

    def arrow_down(self, cx, top, half, colour="#"):
        """A filled triangle pointing down, widest row at `top`."""
        for i in range(half + 1):
            self.fill(cx - half + i, top + i, cx + half - i, top + i, colour)

    def arrow_up(self, cx, bottom, half, colour="#"):
        for i in range(half + 1):
            self.fill(cx - half + i, bottom - i, cx + half - i, bottom - i, colour)

    def paste(self, other, x0, y0, skip=None):
        for y in range(other.height):
            for x in range(other.width):
                if other.rows[y][x] != skip:
                    self.put(x0 + x, y0 + y, other.rows[y][x])


def bmp_4bit(canvas):
    """An uncompressed 4-bit BMP file image of the canvas."""
    stride = ((canvas.width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(canvas.rows):  # BMP rows run bottom-up
        line = bytearray(stride)
        for x, letter in enumerate(row):
            value = INDEX[letter]
            if x % 2 == 0:
                line[x // 2] |= value << 4
            else:
                line[x // 2] |= value
        pixels += line
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)
    return _bmp_file(canvas.width, canvas.height, 4, colours, bytes(pixels))


def bmp_1bit(bits):
    """An uncompressed 1-bit BMP of rows of '0'/'1' (0 black, 1 white)."""
    width, height = len(bits[0]), len(bits)
    stride = ((width + 31) // 32) * 4
    pixels = b"".join(_pack_bits(row, stride) for row in reversed(bits))
    colours = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    return _bmp_file(width, height, 1, colours, pixels)


def _pack_bits(row, stride):
    line = bytearray(stride)
    for x, bit in enumerate(row):
        if bit == "1":
            line[x // 8] |= 0x80 >> (x % 8)
    return bytes(line)


def _bmp_file(width, height, bit_count, colours, pixels):
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bit_count, 0,
                       len(pixels), 2835, 2835, len(colours) // 4, 0)
    offset = 14 + len(info) + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + colours + pixels


def cursor_file(art, hotspot):
    """A 32x32 monochrome .cur file.

    In the drawing '#' is black, 'w' white, '.' transparent and '~' inverts
    the screen. AND/XOR pairs: transparent 1/0, black 0/0, white 0/1,
    inverted 1/1.
    """
    rows = [line.strip() for line in art.strip().splitlines()]
    if len(rows) != 32 or any(len(r) != 32 for r in rows):
        raise ValueError("cursor drawings are 32x32")
    and_rows = ["".join("1" if c in ".~" else "0" for c in r) for r in rows]
    xor_rows = ["".join("1" if c in "w~" else "0" for c in r) for r in rows]
    xor = b"".join(_pack_bits(r, 4) for r in reversed(xor_rows))
    mask = b"".join(_pack_bits(r, 4) for r in reversed(and_rows))
    colours = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    # The image header counts both masks in its height.
    info = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0,
                       len(xor) + len(mask), 0, 0, 0, 0)
    image = info + colours + xor + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 0, 0, hotspot[0], hotspot[1],
                        len(image), 6 + 16)
    return directory + entry + image


# ---- Class-palette pictures (24x24) ---------------------------------------

def calendar_page(c, x0, y0, x1, y1):
    """A month page: red title band, weekday strip, day cells, today in blue."""
    c.fill(x0, y0, x1, y1, "w")
    c.frame(x0, y0, x1, y1, "#")
    c.fill(x0 + 1, y0 + 1, x1 - 1, y0 + 3, "R")
    c.fill(x0 + 1, y0 + 4, x1 - 1, y0 + 4, "#")
    for x in range(x0 + 2, x1 - 1, 3):
        for y in range(y0 + 6, y1 - 1, 3):
            c.fill(x, y, x + 1, y + 1, "d")
    c.fill(x0 + 5, y0 + 9, x0 + 6, y0 + 10, "B")


def drop_field(c, y0, y1):
    """An edit field across the top with its drop-down button at the right."""
    c.sunken(0, y0, 23, y1)
    c.raised(15, y0 + 2, 22, y1 - 1)
    c.arrow_down(18, y0 + 4, 2)


def logo():
    """A zelkova tree: broad green crown on a maroon trunk."""
    c = Canvas(24, 24, PALETTE_BACKGROUND)
    crown = Canvas.from_art("""
        .......gggggg.......
        ....gggGGGgggggg....
        ..ggGGGGggggGGggg...
        .gGGGgggGGGgggGGgg..
        gGGggGGGGgggGGGggggg
        gGgggGGggGGGGggGgggg
        ggGGggggggGGggggGGgg
        .gggGGGgGGggggGGgggg
        ..ggggggggGGGgggggg.
        ....gggmggggmggggg..
        .......gmmmmm.......
    """, PALETTE_BACKGROUND)
    c.paste(crown, 2, 2, skip=PALETTE_BACKGROUND)
    c.fill(11, 12, 12, 19, "m")
    c.put(10, 19, "m")
    c.put(13, 19, "m")
    c.fill(3, 20, 20, 20, "o")
    c.fill(5, 21, 18, 21, "o")
    return c


def cal():
    c = Canvas(24, 24, PALETTE_BACKGROUND)
    calendar_page(c, 2, 3, 21, 21)
    # binder rings above the page
    for x in (6, 17):
        c.fill(x, 1, x, 4, "#")
    return c


def cal_drop_down():
    c = Canvas(24, 24, PALETTE_BACKGROUND)
    drop_field(c, 0, 9)
    calendar_page(c, 3, 11, 19, 23)
    return c


def colour_grid(c, x0, y0, columns, rows):
    colours = ["R", "Y", "G", "B", "C", "M", "m", "o", "g", "n", "t", "p",
               "#", "d", "s", "w"]
    for r in range(rows):
        for col in range(columns):
            x, y = x0 + col * 5, y0 + r * 5
            c.frame(x, y, x + 4, y + 4, "d")
            c.fill(x + 1, y + 1, x + 3, y + 3, colours[(r * columns + col) % 16])


def colour_palette():
    c = Canvas(24, 24, PALETTE_BACKGROUND)
    c.fill(1, 1, 22, 22, "s")
    c.frame(1, 1, 22, 22, "#")
    colour_grid(c, 2, 2, 4, 3)
    # the "Other Color..." menu line under the grid
    c.fill(2, 18, 21, 18, "d")
    for x in range(4, 20, 2):
        c.put(x, 20, "#")
    return c


def colour_palette_drop_down():
    c = Canvas(24, 24, PALETTE_BACKGROUND)
    drop_field(c, 0, 9)
    # the colour field shows the chosen colour as a swatch
    c.fill(3, 3, 12, 6, "B")
    c.fill(3, 11, 19, 23, "s")
    c.frame(3, 11, 19, 23, "#")
    colour_grid(c, 4, 12, 3, 2)
    c.fill(4, 22, 18, 22, "d")
    return c


def list_view_box(c, x0, y0, x1, y1):
    """A white list with a raised column header, text rows, one selected."""
    c.fill(x0, y0, x1, y1, "w")
    c.frame(x0, y0, x1, y1, "#")
    c.raised(x0 + 1, y0 + 1, x1 - 1, y0 + 4)
    split = x0 + (x1 - x0) // 2
    c.fill(split, y0 + 1, split, y0 + 4, "#")
    y = y0 + 6
    line = 0
    while y + 1 < y1:
        if line == 1:
            c.fill(x0 + 1, y - 1, x1 - 1, y + 1, "n")
            text = "w"
        else:
            text = "d"
        c.fill(x0 + 2, y, split - 2, y, text)
        c.fill(split + 2, y, x1 - 3, y, text)
        y += 3
        line += 1


def list_view():
    c = Canvas(24, 24, PALETTE_BACKGROUND)
    list_view_box(c, 1, 2, 22, 21)
    return c


def list_view_drop_down():
    c = Canvas(24, 24, PALETTE_BACKGROUND)
    drop_field(c, 0, 9)
    c.fill(3, 5, 11, 5, "#")
    list_view_box(c, 2, 11, 21, 23)
    return c


def meter():
    """A sunken bar filled to about 60 per cent, with a scale below."""
    c = Canvas(24, 24, PALETTE_BACKGROUND)
    c.sunken(1, 7, 22, 16)
    c.fill(3, 9, 14, 14, "n")
    for x in range(2, 23, 4):
        c.fill(x, 18, x, 19, "#")
    return c


def spin_field():
    """A number field with stacked up and down buttons at its right end."""
    c = Canvas(24, 24, PALETTE_BACKGROUND)
    c.sunken(0, 4, 23, 19)
    digits = Canvas.from_art("""
        .#...###.
        ##..#...#
        .#......#
        .#.....#.
        .#....#..
        ###..####
    """, "M")
    c.paste(digits, 4, 9, skip="M")
    c.raised(15, 6, 22, 11)
    c.raised(15, 12, 22, 17)
    c.arrow_up(18, 9, 2)
    c.arrow_down(18, 13, 2)
    return c


# ---- Row pictures (16x16, magenta is transparent) ---------------------------

def row(art):
    return Canvas.from_art(art, ROW_BACKGROUND)


OUTLINE_BOX = """
    ................
    ................
    ..AAAAAAAAAAA...
    ..A.........A...
    ..A.........A...
    ..A....V....A...
    ..A....V....A...
    ..A..HHHHH..A...
    ..A....V....A...
    ..A....V....A...
    ..A.........A...
    ..A.........A...
    ..AAAAAAAAAAA...
    ................
    ................
    ................
"""


def outline_button(box, sign, plus):
    art = OUTLINE_BOX.replace("A", box).replace("H", sign)
    art = art.replace("V", sign if plus else ".")
    return row(art)


DRIVES = {
    "DRVFLOP2": """
        ................
        ................
        ................
        ................
        ................
        ################
        #wwwwwwwwwwwwwsd
        #ws###########sd
        #wsssssssssssssd
        #wsssssssssssGsd
        #dddddddddddddd#
        ################
        ................
        ................
        ................
        ................
    """,
    "DRVHARD2": """
        ................
        ................
        ................
        ................
        ................
        ################
        #wwwwwwwwwwwwwsd
        #wssssssssssssd#
        #wsdddddddddssd#
        #wssssssssssGsd#
        #dddddddddddddd#
        ################
        ................
        ................
        ................
        ................
    """,
    "DRVCD3": """
        ................
        .....######.....
        ...##wwwwCC##...
        ..#wwwwwCCCss#..
        .#wwwwwCCCssss#.
        .#wwwwwCCsssss#.
        #wwwwww##ssssss#
        #wwwww#..#sssss#
        #wwwww#..#sssss#
        #Cwwwww##ssssdd#
        .#CCwwwwsssddd#.
        .#CCCwwwssdddd#.
        ..#CCCwwsdddd#..
        ...##CCsddd##...
        .....######.....
        ................
    """,
    "DRVRAM2": """
        ................
        ................
        ................
        ..d.d.d.d.d.d...
        ..d.d.d.d.d.d...
        .#############..
        .#ddddddddddd#..
        .#d#w#w#w#w#d#..
        .#ddddddddddd#..
        .#############..
        ..d.d.d.d.d.d...
        ..d.d.d.d.d.d...
        ................
        ................
        ................
        ................
    """,
    "DRVNET2": """
        ................
        ................
        ................
        ################
        #wwwwwwwwwwwwwsd
        #wssssssssssssd#
        #wsdddddddddssd#
        #wssssssssssGsd#
        #dddddddddddddd#
        ################
        .......##.......
        .......##.......
        .......##.......
        ################
        ################
        ................
    """,
}

FONTS = {
    "FONTRTYP": """
        ................
        ................
        ddddddddd.......
        ddddddddd.......
        d..ddd..d.......
        ...ddd..........
        ...ddd#########.
        ...ddd#########.
        ...ddd#..###..#.
        ...ddd...###....
        ...ddd...###....
        ..ddddd..###....
        .........###....
        ........#####...
        ................
        ................
    """,
    "FONPRTR": """
        ................
        ....#######.....
        ....#wwwww#.....
        ....#w###w#.....
        ....#wwwww#.....
        ..###########...
        .#sssssssssss#..
        .#ssssssssGss#..
        .#ddddddddddd#..
        .#s#########s#..
        .#s#wwwwwww#s#..
        ..##w#####w###..
        ....#wwwwww#....
        ....########....
        ................
        ................
    """,
}

FOLDERS = {
    "FDR": """
        ................
        ................
        ................
        ..#####.........
        .#YYYYY#........
        #YwYYYYY#######.
        #wYYYYYYYYYYYY#.
        #YYYYYYYYYYYYY#.
        #YYYYYYYYYYYYY#.
        #YYYYYYYYYYYYY#.
        #YYYYYYYYYYYYY#.
        #YYYYYYYYYYYYY#.
        #YYYYYYYYYYYYY#.
        ##############..
        ................
        ................
    """,
    "FDROPEN": """
        ................
        ................
        ................
        ..#####.........
        .#YYYYY#........
        #YwYYYYY######..
        #wYYYYYYYYYYY#..
        #YYYY##########.
        #YYY#ooooooooo#.
        #YY#ooooooooo#..
        #Y#ooooooooo#...
        ##ooooooooo#....
        #ooooooooo#.....
        ###########.....
        ................
        ................
    """,
    "FDRCUR": """
        ................
        ....######......
        ....#wwww##.....
        ..###w##w#w#....
        .#YY#wwwwwww#...
        #YwY#w#####w###.
        #wYY#wwwwwwww#..
        #YYYY##########.
        #YYY#ooooooooo#.
        #YY#ooooooooo#..
        #Y#ooooooooo#...
        ##ooooooooo#....
        #ooooooooo#.....
        ###########.....
        ................
        ................
    """,
}

TABLE_ROWS = {
    # a row being added: a yellow spark
    "TBLNEW": """
        ................
        ................
        .......#........
        .......#........
        ..#....Y....#...
        ...#...Y...#....
        ....Y..Y..Y.....
        .....YYYYY......
        .##YYYYwYYYY##..
        .....YYYYY......
        ....Y..Y..Y.....
        ...#...Y...#....
        ..#....Y....#...
        .......#........
        .......#........
        ................
    """,
    # a row being edited: a pencil
    "TBLEDIT": """
        ................
        ...........##...
        ..........#RR#..
        .........#RRR#..
        ........#YY##...
        .......#YYY#....
        ......#YYY#.....
        .....#YYY#......
        ....#YYY#.......
        ...#YYY#........
        ..#oYY#.........
        ..#oo#..........
        ..###...........
        ..#.............
        ................
        ................
    """,
    # a row marked for deletion: a red cross
    "TBLDEL": """
        ................
        ................
        ..RR.......RR...
        ..RRR.....RRR...
        ...RRR...RRR....
        ....RRR.RRR.....
        .....RRRRR......
        ......RRR.......
        .....RRRRR......
        ....RRR.RRR.....
        ...RRR...RRR....
        ..RRR.....RRR...
        ..RR.......RR...
        ................
        ................
        ................
    """,
}


# ---- Splitter pattern and cursors -------------------------------------------

# Every other pixel set, so PATINVERT greys the drag feedback out evenly.
PATTERN_GRAY = ["01010101", "10101010"] * 4

def split_cursor():
    """Two upright bars with arrows out to both sides, for a vertical bar
    that moves left and right; black, ringed with white so that it shows on
    any background. Returns the drawing and its hotspot, the gap between the
    bars on the arrow line."""
    black = set()
    for y in range(8, 23):
        black.add((14, y))
        black.add((17, y))
    for x in list(range(8, 14)) + list(range(18, 24)):
        black.add((x, 15))
    for i in range(4):
        for y in range(15 - i, 16 + i):
            black.add((7 + i, y))
            black.add((24 - i, y))
    grid = [["."] * 32 for _ in range(32)]
    for x, y in black:
        grid[y][x] = "#"
    for x, y in black:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                if grid[y + dy][x + dx] == ".":
                    grid[y + dy][x + dx] = "w"
    return "\n".join("".join(r) for r in grid), (15, 15)


def transpose(art):
    rows = [line.strip() for line in art.strip().splitlines()]
    return "\n".join("".join(r[x] for r in rows) for x in range(len(rows[0])))


def pictures():
    """Every bitmap resource: name -> canvas."""
    result = {
        "ZW_LOGO": logo(),
        "ZW_CAL": cal(),
        "ZW_CALDROPDOWN": cal_drop_down(),
        "ZW_CLRPAL": colour_palette(),
        "ZW_CLRPALDROPDOWN": colour_palette_drop_down(),
        "ZW_LISTVW": list_view(),
        "ZW_LISTVWDROPDOWN": list_view_drop_down(),
        "ZW_METER": meter(),
        "ZW_SPINFLD": spin_field(),
        "PLUSDK": outline_button("d", "#", True),
        "PLUSWHT": outline_button("w", "w", True),
        "MINUSDK": outline_button("d", "#", False),
        "MINUSWHT": outline_button("w", "w", False),
        "EMPTY": Canvas(16, 16, ROW_BACKGROUND),
    }
    for table in (DRIVES, FONTS, FOLDERS, TABLE_ROWS):
        for name, art in table.items():
            result[name] = row(art)
    return result


def main():
    here = os.path.dirname(os.path.abspath(__file__))

    def write(name, data):
        with open(os.path.join(here, name), "wb") as f:
            f.write(data)

    for name, canvas in pictures().items():
        expected = 24 if name.startswith("ZW_") else 16
        if (canvas.width, canvas.height) != (expected, expected):
            raise ValueError("%s is %dx%d" % (name, canvas.width, canvas.height))
        if expected == 16 and canvas.rows[0][0] != ROW_BACKGROUND:
            raise ValueError("%s must keep the transparent colour top-left" % name)
        write(name.lower() + ".bmp", bmp_4bit(canvas))
    write("idb_patterngray.bmp", bmp_1bit(PATTERN_GRAY))
    vsplit, hotspot = split_cursor()
    write("idc_vsplit.cur", cursor_file(vsplit, hotspot))
    # over a horizontal bar the same picture, turned a quarter
    write("idc_hsplit.cur", cursor_file(transpose(vsplit), hotspot[::-1]))


if __name__ == "__main__":
    main()
