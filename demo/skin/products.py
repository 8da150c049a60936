"""The products the adverts show, drawn from plain shapes in a layout's palette.
Each drawing takes the palette and a size and returns a transparent picture."""
import colorsys
import functools
import math

from PIL import ImageDraw, ImageFont

from . import canvas, glyphs
from .colour import BLACK, WHITE, mix

REGULAR = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"
BOLD = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"


@functools.lru_cache(maxsize=None)
def font(size, bold=False):
    try:
        return ImageFont.truetype(BOLD if bold else REGULAR, size)
    except OSError:
        return ImageFont.load_default()


class Pen:
    """Anti-aliased shapes on one picture, in its own pixel coordinates."""

    def __init__(self, image):
        self.image = image

    def fill(self, colour, paint, opacity=1.0):
        canvas.paint(self.image, colour, canvas.coverage(self.image.size, paint), opacity)

    def box(self, colour, box, radius=0, opacity=1.0):
        self.fill(colour, lambda d, s: d.rounded_rectangle(canvas.scaled(box, s), radius=radius * s, fill=255), opacity)

    def boxes(self, colour, boxes, radius=0):
        self.fill(colour, lambda d, s: [d.rounded_rectangle(canvas.scaled(b, s), radius=radius * s, fill=255)
                                        for b in boxes])

    def disc(self, colour, cx, cy, r, opacity=1.0):
        self.fill(colour, lambda d, s: d.ellipse(((cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s), fill=255),
                  opacity)

    def glyph(self, colour, shape, cx, cy, r, width):
        self.fill(colour, lambda d, s: shape(d, s, cx, cy, r, width))

    def glow(self, colour, centre, radius, strength):
        canvas.paint(self.image, colour, canvas.radial(self.image.size, centre, radius, colour, strength))

    def shadow(self, box, radius):
        canvas.paint(self.image, BLACK, canvas.soft_shadow(self.image.size, box, radius, 10, 150, (0, 8)))

    def text(self, xy, words, size, colour, bold=False, anchor="la"):
        ImageDraw.Draw(self.image).text(xy, words, font=font(size, bold), fill=colour, anchor=anchor)


def _surface(p):
    """A device's own dark body, a little of the layout's colour in it."""
    return mix(p.panel, BLACK, 0.55) if p.dark else mix(p.accent_deep, BLACK, 0.55)


def _window(pen, p, box, title):
    """An application window's frame: shadow, body, title bar with its buttons; returns the body's inner box."""
    x0, y0, x1, y1 = box
    pen.shadow(box, 14)
    pen.box(mix(p.panel, WHITE, 0.06) if p.dark else WHITE, box, 14)
    pen.box(mix(p.panel, BLACK, 0.25) if p.dark else mix(p.panel, p.accent, 0.10), (x0, y0, x1, y0 + 38), 14)
    pen.box(mix(p.panel, BLACK, 0.25) if p.dark else mix(p.panel, p.accent, 0.10), (x0, y0 + 20, x1, y0 + 38))
    for n, colour in enumerate((p.accent_light, p.dim, p.dim)):
        pen.disc(colour, x1 - 22 - 20 * n, y0 + 19, 6)
    pen.glyph(p.accent_light, glyphs.logo_mark, x0 + 22, y0 + 19, 9, 2.6)
    pen.text((x0 + 40, y0 + 19), title, 15, p.title if p.dark else p.text, True, "lm")
    return (x0, y0 + 38, x1, y1)


def app_window(p, size):
    """The vendor's application: a sidebar of tools, a temperature gauge, a fan chart and an up-to-date notice."""
    image = canvas.solid(size, (0, 0, 0, 0))
    pen = Pen(image)
    w, h = size
    pen.glow(p.accent, (w // 2, h // 2), min(w, h) // 2, 110)
    x0, y0, x1, y1 = _window(pen, p, (20, 40, w - 20, h - 40), "OVRA App Center")
    side = mix(p.panel, BLACK, 0.15) if p.dark else mix(p.panel, p.accent, 0.05)
    pen.box(side, (x0, y0, x0 + 64, y1 - 14))
    for n, shape in enumerate((glyphs.board, glyphs.chip, glyphs.gear, glyphs.star, glyphs.wrench)):
        cy = y0 + 34 + 52 * n
        if n == 0:
            pen.box(p.accent, (x0 + 10, cy - 20, x0 + 54, cy + 20), 8)
        pen.glyph(WHITE if n == 0 else p.dim, shape, x0 + 32, cy, 12, 2.0)
    tile = mix(p.panel, WHITE, 0.10) if p.dark else mix(p.panel, p.accent, 0.04)
    cx0, cx1 = x0 + 82, x1 - 18
    mid = (cx0 + cx1) // 2
    top, bottom = y0 + 18, y1 - 18
    split = top + (bottom - top) * 11 // 20
    tiles = [(cx0, top, mid - 8, split), (mid + 8, top, cx1, split), (cx0, split + 16, cx1, bottom)]
    pen.boxes(tile, tiles, 10)
    # The gauge: a ring three quarters full.
    gx, gy = (cx0 + mid - 8) // 2, (top + split) // 2 + 10
    r = min(mid - 8 - cx0, split - top) // 2 - 22
    pen.fill(p.line, lambda d, s: d.arc(((gx - r) * s, (gy - r) * s, (gx + r) * s, (gy + r) * s), 135, 405,
                                         fill=255, width=9 * s))
    pen.fill(p.accent_light, lambda d, s: d.arc(((gx - r) * s, (gy - r) * s, (gx + r) * s, (gy + r) * s), 135, 320,
                                                 fill=255, width=9 * s))
    pen.text((gx, gy), "42°C", max(12, r // 2), p.title if p.dark else p.text, True, "mm")
    pen.text((cx0 + 12, top + 10), "CPU", 13, p.dim, True)
    # The fan chart: bars rising like a fan curve.
    bx0, bx1 = mid + 24, cx1 - 16
    pen.text((mid + 20, top + 10), "FAN", 13, p.dim, True)
    count = 7
    step = (bx1 - bx0) / count
    bars = [(round(bx0 + n * step), round(split - 14 - (split - top - 50) * (n + 2) / (count + 2)),
             round(bx0 + (n + 1) * step - 6), split - 14) for n in range(count)]
    canvas.paint(image, canvas.vgradient(size, p.accent_light, p.accent), canvas.coverage(
        size, lambda d, s: [d.rounded_rectangle(canvas.scaled(b, s), radius=3 * s, fill=255) for b in bars]))
    # The notice: a tick and two lines of text.
    ny = (split + 16 + bottom) // 2
    pen.disc(p.accent, cx0 + 34, ny, 17)
    pen.glyph(WHITE, glyphs.tick, cx0 + 34, ny, 9, 2.8)
    pen.text((cx0 + 62, ny - 3), "All drivers up to date", 16, p.title if p.dark else p.text, True, "ls")
    pen.text((cx0 + 62, ny + 3), "Last check: today", 13, p.dim, False, "lt")
    return image


def _rainbow(n, count, p):
    """The light strip's LEDs: a run of hues that starts at the layout's accent."""
    h, _, _ = colorsys.rgb_to_hls(*(c / 255 for c in p.accent_light))
    r, g, b = colorsys.hls_to_rgb((h + n / count * 0.8) % 1.0, 0.58, 1.0)
    return round(r * 255), round(g * 255), round(b * 255)


def board_with_strip(p, size):
    """A mainboard seen from above with a glowing light strip along it."""
    image = canvas.solid(size, (0, 0, 0, 0))
    pen = Pen(image)
    w, h = size
    bw = min(w - 60, round((h - 80) * 0.86))
    bx0, by0 = (w - bw) // 2, 40
    bx1, by1 = bx0 + bw, by0 + round(bw / 0.86)
    pen.shadow((bx0, by0, bx1, by1), 10)
    pcb = _surface(p)
    pen.box(pcb, (bx0, by0, bx1, by1), 10)
    u = bw / 100
    at = lambda x, y, x2, y2: (round(bx0 + x * u), round(by0 + y * u), round(bx0 + x2 * u), round(by0 + y2 * u))
    metal = mix(p.dim, WHITE, 0.25)
    # Heatsinks, the CPU socket, memory slots, expansion slots, the chipset.
    pen.boxes(mix(p.dim, BLACK, 0.2), [at(4, 4, 30, 40), at(30, 4, 56, 14)], 3)
    pen.box(metal, at(32, 18, 60, 46), 3)
    pen.box(mix(metal, BLACK, 0.35), at(36, 22, 56, 42), 2)
    pen.boxes(mix(p.dim, BLACK, 0.35), [at(68 + 6 * n, 6, 71 + 6 * n, 52) for n in range(4)], 1)
    pen.boxes(mix(p.dim, BLACK, 0.4), [at(6, 60 + 14 * n, 62, 64 + 14 * n) for n in range(3)], 1)
    pen.boxes(metal, [at(6, 60, 62, 62)], 1)
    pen.box(mix(p.dim, BLACK, 0.2), at(66, 72, 92, 98), 4)
    pen.glyph(p.accent_light, glyphs.logo_mark, round(bx0 + 79 * u), round(by0 + 85 * u), round(7 * u), 2.4)
    # The light strip down the board's right edge, each LED with its own glow.
    leds = 14
    for n in range(leds):
        y = by0 + 18 + (by1 - by0 - 36) * n / (leds - 1)
        pen.glow(_rainbow(n, leds, p), (bx1 + 6, round(y)), 26, 120)
    pen.box(mix(pcb, BLACK, 0.3), (bx1 - 2, by0 + 8, bx1 + 12, by1 - 8), 6)
    for n in range(leds):
        y = by0 + 18 + (by1 - by0 - 36) * n / (leds - 1)
        pen.disc(_rainbow(n, leds, p), bx1 + 5, y, 4.5)
    # The same light along the top heatsink.
    pen.fill(p.accent_light, lambda d, s: d.rectangle(canvas.scaled(at(4, 38, 30, 40), s), fill=255))
    return image


def drive(p, size):
    """An M.2 drive on a shield: the backup's product and its promise."""
    image = canvas.solid(size, (0, 0, 0, 0))
    pen = Pen(image)
    w, h = size
    cx, cy = w // 2, h // 2
    r = min(w, h) * 0.42
    shield = [(cx, cy - r), (cx + r * 0.85, cy - r * 0.62), (cx + r * 0.75, cy + r * 0.25), (cx, cy + r),
              (cx - r * 0.75, cy + r * 0.25), (cx - r * 0.85, cy - r * 0.62)]
    pen.glow(p.accent, (cx, cy), round(r * 1.2), 120)
    canvas.paint(image, canvas.vgradient(size, p.accent_light, p.accent_deep), canvas.coverage(
        size, lambda d, s: d.polygon([(x * s, y * s) for x, y in shield], fill=255)))
    pen.fill(WHITE, lambda d, s: d.polygon([(x * s, y * s) for x, y in shield], outline=255, width=3 * s), 0.35)
    # The drive lies across the shield, tilted a little.
    dw, dh = round(r * 1.9), round(r * 0.42)
    dx0, dy0 = cx - dw // 2, round(cy + r * 0.05)
    pen.shadow((dx0, dy0, dx0 + dw, dy0 + dh), 6)
    pen.box(_surface(p), (dx0, dy0, dx0 + dw, dy0 + dh), 6)
    pen.boxes((212, 175, 55), [(dx0 + dw - 16 + 0, dy0 + 8 + 7 * n, dx0 + dw - 4, dy0 + 12 + 7 * n)
                               for n in range((dh - 16) // 7)], 1)
    chip = mix(_surface(p), WHITE, 0.12)
    pen.boxes(chip, [(dx0 + 16 + n * (dw - 60) // 3, dy0 + 10, dx0 + 6 + (n + 1) * (dw - 60) // 3, dy0 + dh - 10)
                     for n in range(3)], 3)
    pen.text((dx0 + 26, dy0 + dh // 2), "OVRA NVMe 2 TB", max(11, dh // 4), p.accent_light, True, "lm")
    pen.disc(p.accent, cx + r * 0.55, cy - r * 0.52, r * 0.2)
    pen.glyph(WHITE, glyphs.tick, round(cx + r * 0.55), round(cy - r * 0.52), round(r * 0.1), 3.2)
    return image


def browser(p, size, search=False):
    """A web browser: tabs, an address bar and a page; with search, a search box and its suggestions."""
    image = canvas.solid(size, (0, 0, 0, 0))
    pen = Pen(image)
    w, h = size
    pen.glow(p.accent, (w // 2, h // 2), min(w, h) // 2, 100)
    box = (14, 24, w - 14, h - 16)
    x0, y0, x1, y1 = box
    pen.shadow(box, 12)
    page = (250, 251, 253)
    frame = mix(p.panel, WHITE, 0.12) if p.dark else mix(p.panel, p.accent, 0.12)
    pen.box(frame, box, 12)
    pen.box(page, (x0 + 14, y0 + 8, x0 + 150, y0 + 40), 8)
    pen.glyph(p.accent, glyphs.globe, x0 + 32, y0 + 24, 8, 1.8)
    pen.text((x0 + 46, y0 + 24), "New tab", 13, (60, 64, 70), False, "lm")
    pen.box(page, (x0, y0 + 36, x1, y1), 12)
    pen.box(page, (x0, y0 + 36, x1, y0 + 60))
    bar = (236, 239, 243)
    pen.box(bar, (x0 + 60, y0 + 44, x1 - 16, y0 + 72), 14)
    # Back and forward: two chevrons.
    for cx, sign in ((x0 + 26, 1), (x0 + 46, -1)):
        pen.fill((120, 124, 130), lambda d, s, cx=cx, sign=sign: glyphs._line(
            d, s, [(cx + 4 * sign, y0 + 52), (cx - 4 * sign, y0 + 58), (cx + 4 * sign, y0 + 64)], 2))
    pen.text((x0 + 78, y0 + 58), "www.example.com" if not search else "motherboard drivers", 13, (60, 64, 70), False, "lm")
    inner = (x0 + 30, y0 + 96, x1 - 30, y1 - 24)
    ix0, iy0, ix1, iy1 = inner
    if search:
        pen.box(p.accent, (x1 - 130, y0 + 44, x1 - 16, y0 + 72), 14)
        pen.glyph(WHITE, glyphs.magnifier, x1 - 112, y0 + 58, 7, 2.0)
        pen.text((x1 - 98, y0 + 58), "Search", 13, WHITE, True, "lm")
        pen.shadow((ix0, iy0, ix1, iy0 + 170), 8)
        pen.box(WHITE, (ix0, iy0, ix1, iy0 + 170), 8)
        for n in range(4):
            y = iy0 + 22 + 38 * n
            pen.glyph((150, 154, 160), glyphs.magnifier, ix0 + 24, y, 7, 2.0)
            pen.box((200, 204, 210) if n else mix(p.accent_light, WHITE, 0.4), (ix0 + 44, y - 5, ix1 - 40 - 40 * n, y + 5), 5)
        pen.glyph(p.accent, glyphs.magnifier, ix1 - 40, iy1 - 40, 34, 7)
    else:
        pen.box(mix(p.accent_light, WHITE, 0.55), (ix0, iy0, ix1, iy0 + (iy1 - iy0) * 2 // 5), 8)
        pen.glyph(p.accent, glyphs.globe, (ix0 + ix1) // 2, iy0 + (iy1 - iy0) // 5, (iy1 - iy0) // 8, 3)
        rows = iy0 + (iy1 - iy0) * 2 // 5 + 18
        pen.boxes((205, 209, 215), [(ix0, rows + 22 * n, ix1 - 60 * (n % 2), rows + 22 * n + 9) for n in range(3)], 4)
        # A speed gauge over the corner: the browser's promise.
        gx, gy, r = ix1 - 30, iy1 - 50, 44
        pen.disc(p.accent_deep, gx, gy, r + 6)
        pen.fill(WHITE, lambda d, s: d.arc(((gx - r + 8) * s, (gy - r + 8) * s, (gx + r - 8) * s, (gy + r - 8) * s),
                                           150, 390, fill=255, width=5 * s))
        pen.fill(p.accent_light, lambda d, s: glyphs._line(d, s, [(gx, gy), (gx + 20, gy - 22)], 4))
        pen.disc(WHITE, gx, gy, 5)
    return image


def graphics_card(p, size):
    """A graphics card with three fans and a frame counter."""
    image = canvas.solid(size, (0, 0, 0, 0))
    pen = Pen(image)
    w, h = size
    cw = w - 40
    ch = round(cw * 0.42)
    x0, y0 = 20, (h - ch) // 2 - 10
    x1, y1 = x0 + cw, y0 + ch
    pen.glow(p.accent, (w // 2, (y0 + y1) // 2), w // 2, 130)
    pen.shadow((x0, y0, x1, y1), 14)
    # Gold fingers under the card, the bracket at its left.
    pen.boxes((212, 175, 55), [(x0 + 120 + 9 * n, y1 - 4, x0 + 126 + 9 * n, y1 + 12) for n in range(16)], 1)
    pen.box(mix(p.dim, WHITE, 0.4), (x0 - 8, y0 - 4, x0 + 6, y1 + 16), 2)
    shroud = _surface(p)
    pen.box(shroud, (x0, y0, x1, y1), 16)
    pen.fill(canvas.hgradient(size, p.accent_light, p.accent), lambda d, s: [
        d.polygon([(x * s, y * s) for x, y in ((x0 + 30, y0), (x0 + 70, y0), (x0 + 20, y1), (x0, y1 - 40))], fill=255),
        d.rectangle(canvas.scaled((x0 + 16, y0 + 6, x1 - 16, y0 + 10), s), fill=255)])
    fans = 3
    r = min((cw - 40) / fans / 2 - 6, ch / 2 - 14)
    for n in range(fans):
        fx = x0 + 20 + (cw - 40) * (2 * n + 1) / (2 * fans)
        fy = (y0 + y1) / 2 + 4
        pen.disc(mix(shroud, BLACK, 0.45), fx, fy, r)
        pen.fill(mix(p.dim, BLACK, 0.1), lambda d, s, fx=fx, fy=fy: [
            d.polygon([(x * s, y * s) for x, y in glyphs._rotated(fx, fy, [(0, 0), (-r * 0.25, -r * 0.9),
                                                                            (r * 0.3, -r * 0.92)], math.radians(a))],
                      fill=255)
            for a in range(0, 360, 40)])
        pen.fill(p.accent_light, lambda d, s, fx=fx, fy=fy: d.ellipse(
            ((fx - r) * s, (fy - r) * s, (fx + r) * s, (fy + r) * s), outline=255, width=3 * s), 0.8)
        pen.disc(shroud, fx, fy, r * 0.24)
        pen.glyph(p.accent_light, glyphs.logo_mark, round(fx), round(fy), max(4, round(r * 0.13)), 1.6)
    # The frame counter, over the card's top right corner.
    bx1, by0 = x1 + 6, y0 - 34
    pen.box(p.accent_deep, (bx1 - 132, by0, bx1, by0 + 46), 10)
    pen.text((bx1 - 66, by0 + 23), "144 FPS", 22, WHITE, True, "mm")
    # Where there is room, what the boost gains.
    if h - y1 > 110:
        chip = mix(p.panel, WHITE, 0.08) if p.dark else WHITE
        width = (cw - 24) // 3
        for n, (value, label) in enumerate((("+18%", "frames"), ("2 GB", "memory freed"), ("1", "click"))):
            cx0 = x0 + n * (width + 12)
            box = (cx0, y1 + 40, cx0 + width, y1 + 116)
            pen.box(chip, box, 10)
            pen.text((cx0 + width // 2, y1 + 70), value, 26, p.accent_light if p.dark else p.accent_deep, True, "mm")
            pen.text((cx0 + width // 2, y1 + 98), label, 13, p.text if p.dark else p.dim, False, "mm")
    return image
