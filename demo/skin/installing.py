"""The installing view's pictures, its progress bar and the loading animation's frames."""
import functools
import math

from PIL import Image, ImageChops, ImageDraw

from . import canvas, glyphs
from .colour import MAGENTA, WHITE, mix

VIEW_SIZE = (1020, 620)
BROWSER_BOTTOM = 546  # the advertisement browser covers the view down to here
STRIP_SIZE = (1020, 76)
BAR_TRACK = (18, 20, 25)  # the progress bar's own background
BAR_FRAME = (13, 565, 619, 585)


def _strip(p, size, with_track):
    top, bottom = p.content
    image = canvas.vgradient(size, mix(top, p.panel, 0.5), bottom)
    canvas.paint(image, canvas.hgradient((size[0], 2), p.accent_light, p.accent),
                 canvas.coverage(size, lambda d, s: d.rectangle(canvas.scaled((0, 0, size[0], 2), s), fill=255)))
    if with_track:
        x0, y0, x1, y1 = BAR_FRAME
        frame = (x0, y0 - BROWSER_BOTTOM, x1, y1 - BROWSER_BOTTOM)
        canvas.paint(image, BAR_TRACK, canvas.rounded(size, frame, 4))
        canvas.paint(image, p.line, canvas.outline(size, frame, 4))
    return image


@functools.lru_cache(maxsize=None)
def _bottom(p):
    return _strip(p, (VIEW_SIZE[0], VIEW_SIZE[1] - BROWSER_BOTTOM), True)


def overlay(p):
    """installing_bg.png: magenta where the advertisements show through, the progress strip below."""
    image = canvas.solid(VIEW_SIZE, MAGENTA)
    image.paste(_bottom(p), (0, BROWSER_BOTTOM))
    return image


def preparing(p):
    """installing_mask_bg.png: covers the advertisements for the first seconds, while they load."""
    image = canvas.vgradient(VIEW_SIZE, *p.content)
    centre = (VIEW_SIZE[0] // 2, BROWSER_BOTTOM // 2)
    canvas.paint(image, p.accent, canvas.radial(VIEW_SIZE, centre, 300, p.accent, 255), opacity=0.18)
    canvas.paint(image, p.accent_light, canvas.coverage(
        VIEW_SIZE, lambda d, s: glyphs.logo_mark(d, s, centre[0], centre[1], 56, 14)), opacity=0.55)
    image.paste(_bottom(p), (0, BROWSER_BOTTOM))
    return image


def strip(p):
    """install_down_bg.png: the narrow strip of the bottom-strip look, its texts beside a symbol."""
    image = _strip(p, STRIP_SIZE, False)
    canvas.paint(image, canvas.vgradient(STRIP_SIZE, p.accent_light, p.accent), canvas.ellipse(STRIP_SIZE, (16, 20, 52, 56)))
    canvas.paint(image, WHITE, canvas.coverage(STRIP_SIZE, lambda d, s: glyphs.arrow_down(d, s, 34, 38, 9, 2.6)))
    return image


def progress_bar(p):
    """Diagonal stripes with a period of 14 pixels, the distance the bar's animation moves them."""
    tile_size = (14, 14)
    tile = canvas.vgradient(tile_size, p.accent_light, p.accent)
    stripes = canvas.coverage(tile_size, lambda d, s: [
        d.polygon([(x * s, 14 * s), ((x + 7) * s, 14 * s), ((x + 21) * s, 0), ((x + 14) * s, 0)], fill=255)
        for x in (-14, 0)])
    canvas.paint(tile, WHITE, stripes, opacity=0.22)
    ImageDraw.Draw(tile).line((0, 0, 13, 0), fill=mix(p.accent_light, WHITE, 0.4))
    image = Image.new("RGBA", (614, 14))
    for x in range(0, 614, 14):
        image.paste(tile, (x, 0))
    return image


LOADING_FRAME = (80, 33)
LOADING_FRAMES = 39


@functools.lru_cache(maxsize=None)
def _track():
    """The faint ring the comet runs on."""
    return canvas.ring(LOADING_FRAME, (29, 5.5, 51, 27.5), 1.2).point([round(v * 0.22) for v in range(256)])


@functools.lru_cache(maxsize=None)
def loading_frames(colour):
    """A comet running round a ring, one turn per 39 frames."""
    frames = []
    cx, cy, r, dots = 40, 16.5, 11, 22
    s = canvas.SCALE
    for n in range(LOADING_FRAMES):
        alpha = Image.new("L", (LOADING_FRAME[0] * s, LOADING_FRAME[1] * s), 0)
        draw = ImageDraw.Draw(alpha)
        head = 2 * math.pi * n / LOADING_FRAMES
        # Tail first, so the brighter dots nearer the head lie on top.
        for k in reversed(range(dots)):
            a = head - k * (1.65 * math.pi / dots)
            x, y = cx + r * math.sin(a), cy - r * math.cos(a)
            radius = 2.6 - 1.5 * k / dots
            draw.ellipse(((x - radius) * s, (y - radius) * s, (x + radius) * s, (y + radius) * s),
                         fill=round(255 * (1.0 - 0.92 * k / dots)))
        image = canvas.solid(LOADING_FRAME, colour)
        image.putalpha(ImageChops.lighter(alpha.reduce(s), _track()))
        frames.append(image)
    return frames
