"""Frames cut into nine pieces: the message pop-ups' frame, the tool tip's
frame and the pop-up shadow. Each is drawn whole, as small as its pieces
allow, and then cut, so the pieces always fit together."""
import functools

from PIL import ImageChops, ImageDraw

from . import canvas
from .colour import BLACK, mix

PIECES = ["top_left", "top_middle", "top_right", "middle_left", "middle_right", "down_left", "down_middle",
          "down_right"]


def cut(image, corner_w, corner_h):
    """The eight pieces of a whole frame whose corners are corner_w x corner_h."""
    w, h = image.size
    xs = (0, corner_w, w - corner_w, w)
    ys = (0, corner_h, h - corner_h, h)
    cells = {"top_left": (0, 0), "top_middle": (1, 0), "top_right": (2, 0), "middle_left": (0, 1),
             "middle_right": (2, 1), "down_left": (0, 2), "down_middle": (1, 2), "down_right": (2, 2)}
    return {name: image.crop((xs[cx], ys[cy], xs[cx + 1], ys[cy + 1])) for name, (cx, cy) in cells.items()}


POPUP_CORNER = (156, 80)
POPUP_TITLE = 30  # the buttons cut their background from the top-right piece below this line


@functools.lru_cache(maxsize=None)
def popup(p, panel):
    """Opaque (the pop-up is not shaped): a title strip, the panel, a hairline above the buttons, a border."""
    size = (POPUP_CORNER[0] * 2 + 2, POPUP_CORNER[1] * 2 + 2)
    image = canvas.solid(size, panel)
    top, bottom = p.titlebar
    image.paste(canvas.vgradient((size[0], POPUP_TITLE - 1), top, bottom), (0, 0))
    draw = ImageDraw.Draw(image)
    draw.line((0, POPUP_TITLE - 1, size[0], POPUP_TITLE - 1), fill=p.accent)
    draw.line((12, size[1] - 58, size[0] - 13, size[1] - 58), fill=mix(panel, p.line, 0.7))
    draw.rectangle((0, 0, size[0] - 1, size[1] - 1), outline=mix(p.line, BLACK, 0.25) if p.dark else p.line)
    return cut(image, *POPUP_CORNER)


@functools.lru_cache(maxsize=None)
def tooltip(p, fill, backdrop):
    """Rounded by the colour key: magenta outside the corners, the edge blended into the usual backdrop."""
    size = (9, 9)
    shape = canvas.rounded(size, (0, 0, 9, 9), 4)
    image = canvas.solid(size, (0, 0, 0, 0))
    canvas.paint(image, fill, shape)
    canvas.paint(image, p.accent, canvas.outline(size, (0, 0, 9, 9), 4, 1))
    return cut(canvas.colour_key(image, shape, backdrop), 4, 4)


SHADOW_CORNER = (164, 88)
SHADOW_MARGIN = 8  # the pop-ups' shadows reach 8 pixels beyond them


@functools.lru_cache(maxsize=None)
def shadow():
    """See-through: shadow only outside the pop-up, whose rectangle lies 8 pixels inside."""
    size = (SHADOW_CORNER[0] * 2 + 2, SHADOW_CORNER[1] * 2 + 2)
    m = SHADOW_MARGIN
    window = (m, m, size[0] - m, size[1] - m)
    inside = canvas.coverage(size, lambda d, s: d.rectangle(canvas.scaled(window, s), fill=255))
    alpha = ImageChops.multiply(canvas.soft_shadow(size, window, 2, 3.5, 160, (0, 1)), ImageChops.invert(inside))
    image = canvas.solid(size, BLACK)
    image.putalpha(alpha)
    return cut(image, *SHADOW_CORNER)
