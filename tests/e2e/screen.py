"""What the player sees: screenshots of the Wine desktop and the tile pictures the
program carries, and the reading of the board from the screen by their pixels."""
import ctypes
import ctypes.util
import os
import struct
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
# The display's DPI (KOTOPAI_E2E_DPI; the game runs in a prefix of its own at another
# than 96), and the folder (KOTOPAI_E2E_ART) where set_pictures.exe wrote the set the
# game draws at it: its tile pictures and where the game places each tile (run.py
# writes it and names it).
DPI = int(os.environ.get("KOTOPAI_E2E_DPI", "96"))
ART = os.environ["KOTOPAI_E2E_ART"]
COLS, ROWS = 18, 8
GROUND_INDEX = 16
GROUND_LOOKS = {(235, 235, 245): "normal", (0, 255, 255): "selected", (0, 255, 0): "hint"}
WHITE, RIGHT_GREY, LOWER_GREY = (255, 255, 255), (205, 205, 205), (192, 192, 192)


def read_layout(path):
    """The set's percent and each slot's tile window origin in the client area."""
    with open(path) as f:
        numbers = [[int(v) for v in line.split()] for line in f if line.strip()]
    return numbers[0][0], [tuple(row) for row in numbers[1:]]


SCALE, TILE_ORIGINS = read_layout(os.path.join(ART, "layout.txt"))


def scaled(length):
    """A 96-DPI length of the client area at the set's scale, for areas to look in."""
    return (length * SCALE + 50) // 100


def tile_origin(slot):
    """Top-left of a tile window in the main window's client area."""
    return TILE_ORIGINS[slot]


def read_bmp(path):
    """Returns (width, height, rows of colour indices top-down, colour table)."""
    data = open(path, "rb").read()
    offset = struct.unpack_from("<I", data, 10)[0]
    header = data[14:]
    width, height = struct.unpack_from("<ii", header, 4)
    bits = struct.unpack_from("<H", header, 14)[0]
    used = struct.unpack_from("<I", header, 32)[0] or (1 << bits)
    table = [(header[40 + 4 * i + 2], header[40 + 4 * i + 1], header[40 + 4 * i])
             for i in range(used)]
    stride = ((width * bits + 31) // 32) * 4
    rows = []
    for y in range(abs(height)):
        stored = abs(height) - 1 - y if height > 0 else y
        row = data[offset + stored * stride: offset + (stored + 1) * stride]
        if bits == 8:
            rows.append(list(row[:width]))
        else:
            rows.append([(row[x // 2] >> (4 if x % 2 == 0 else 0)) & 15 for x in range(width)])
    return width, height, rows, table


def face_geometry(path):
    """The face of a tile picture, measured on it: its width and height, and how many
    pixels thick its edges are (top and left white, right grey 205, lower grey 192)."""
    width, height, rows, table = read_bmp(path)
    colour = lambda x, y: table[rows[y][x]]
    face_w = next(x for x in range(width) if colour(x, 0) != WHITE)
    face_h = next(y for y in range(height) if colour(0, y) not in (WHITE, LOWER_GREY))
    mid_x, mid_y = face_w // 2, face_h // 2

    def run(points, rgb):
        return next(n for n, (x, y) in enumerate(points) if colour(x, y) != rgb)

    edges = (run([(mid_x, y) for y in range(face_h)], WHITE),
             run([(x, mid_y) for x in range(face_w)], WHITE),
             run([(x, mid_y) for x in range(face_w - 1, -1, -1)], RIGHT_GREY),
             run([(mid_x, y) for y in range(face_h - 1, -1, -1)], LOWER_GREY))
    return (width, height), (face_w, face_h), edges


(TILE_W, TILE_H), (FACE_W, FACE_H), (EDGE_TOP, EDGE_LEFT, EDGE_RIGHT, EDGE_LOWER) = \
    face_geometry(os.path.join(ART, "tile101.bmp"))


def load_faces():
    """The face area of each of the 36 faces as (rgb, is_ground) per pixel, row-major."""
    faces = []
    for face in range(36):
        _, _, rows, table = read_bmp(os.path.join(ART, "tile%d.bmp" % (101 + face)))
        pixels = []
        for y in range(FACE_H):
            for x in range(FACE_W):
                index = rows[y][x]
                pixels.append((table[index], index == GROUND_INDEX))
        faces.append(pixels)
    return faces


class Shot:
    """One screenshot of an X window as raw RGB."""

    def __init__(self, window, display):
        geometry = subprocess.run(["xdotool", "getwindowgeometry", str(window)],
                                  env=dict(os.environ, DISPLAY=display), capture_output=True,
                                  text=True, check=True).stdout
        size = geometry.split("Geometry:")[1].split()[0]
        self.width, self.height = (int(v) for v in size.split("x"))
        self.data = subprocess.run(["import", "-window", str(window), "-depth", "8", "rgb:-"],
                                   env=dict(os.environ, DISPLAY=display), capture_output=True,
                                   check=True).stdout
        if len(self.data) < self.width * self.height * 3:
            raise RuntimeError("short screenshot")

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return self.data[i], self.data[i + 1], self.data[i + 2]

    def save_png(self, path):
        subprocess.run(["/usr/bin/convert", "-size", "%dx%d" % (self.width, self.height),
                        "-depth", "8", "rgb:-", path], input=self.data, check=True)


class PixelReader:
    """A few pixels of a rectangle of an X window, read straight from the X server:
    fast enough to sample the screen every few milliseconds, where a screenshot by
    import takes a tenth of a second."""

    def __init__(self, display, window, left, top, width, height):
        self.x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XGetImage.restype = ctypes.c_void_p
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XGetPixel.restype = ctypes.c_ulong
        self.x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        self.x11.XDestroyImage.argtypes = [ctypes.c_void_p]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.display = self.x11.XOpenDisplay(display.encode())
        if not self.display:
            raise RuntimeError("cannot open the X display %s" % display)
        self.window, self.area = window, (left, top, width, height)

    def read(self, points):
        """The colours (r, g, b) at the given points of the window, all from one image."""
        left, top, width, height = self.area
        z_pixmap, all_planes = 2, 0xFFFFFFFF
        image = self.x11.XGetImage(self.display, self.window, left, top, width, height,
                                   all_planes, z_pixmap)
        if not image:
            raise RuntimeError("XGetImage failed")
        try:
            values = [self.x11.XGetPixel(image, x - left, y - top) for x, y in points]
        finally:
            self.x11.XDestroyImage(image)
        return [((v >> 16) & 255, (v >> 8) & 255, v & 255) for v in values]

    def close(self):
        self.x11.XCloseDisplay(self.display)


def tile_frame_matches(shot, left, top):
    """The face edges every tile shares: white top row and left column, the grey
    right column (205) and the lower edge row (192), each without the corners where
    two edges meet."""
    for x in range(EDGE_LEFT, FACE_W - EDGE_RIGHT):
        if shot.pixel(left + x, top) != WHITE:
            return False
        if shot.pixel(left + x, top + FACE_H - 1) != LOWER_GREY:
            return False
    for y in range(EDGE_TOP, FACE_H - EDGE_LOWER):
        if shot.pixel(left, top + y) != WHITE:
            return False
        if shot.pixel(left + FACE_W - 1, top + y) != RIGHT_GREY:
            return False
    return True


def find_client_origin(shot, near_x, near_y, spread=90):
    """The client origin of the main window, found where tile slot 0's face edges are."""
    for dy in range(0, spread * DPI // 96):
        for dx in range(0, 24 * DPI // 96):
            x, y = near_x + dx, near_y + dy
            left, top = x + tile_origin(0)[0], y + tile_origin(0)[1]
            if left + FACE_W >= shot.width or top + FACE_H >= shot.height:
                continue
            if tile_frame_matches(shot, left, top):
                return x, y
    return None


MISSES_ALLOWED = 12   # pixels of a face that may differ on screen


def recognise(shot, origin, faces):
    """Reads the 144 slots: a face number 0..35 and its look, or None where the
    cell shows no tile."""
    board = []
    for slot in range(COLS * ROWS):
        tx, ty = tile_origin(slot)
        left, top = origin[0] + tx, origin[1] + ty
        if not tile_frame_matches(shot, left, top):
            board.append(None)
            continue
        screen = [shot.pixel(left + x, top + y) for y in range(FACE_H) for x in range(FACE_W)]
        best, best_miss, look = None, MISSES_ALLOWED + 1, None
        for face, pixels in enumerate(faces):
            ground = None
            miss = 0
            for (rgb, is_ground), seen in zip(pixels, screen):
                if is_ground:
                    if ground is None:
                        ground = seen
                    elif seen != ground:
                        miss += 1
                elif seen != rgb:
                    miss += 1
                if miss >= best_miss:   # no better than the best so far: the next face
                    break
            if miss < best_miss:
                best, best_miss, look = face, miss, GROUND_LOOKS.get(ground, "unknown")
        board.append((best, look) if best is not None else None)
    return board
