"""The main window: its background (shaped by the colour key), the picture
its small buttons cut their backgrounds from, its shadow, logo and icons."""
import functools

from PIL import ImageChops, ImageDraw, ImageFont

from . import canvas, glyphs, lists
from .colour import BLACK, WHITE, mix

SIZE = (1038, 678)
BODY = (8, 8, 1030, 670)  # inside the shadow's margin
RADIUS = 12
TITLE_BOTTOM = 49
SIDEBAR_RIGHT = 184
CONTENT_ORIGIN = (184, 49)
STATUS_TOP = 639
# What usually lies beside the window's edge: the desktop under the shadow.
DESKTOP = (34, 36, 40)

FONT_FILES = ["/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
              "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"]


def _font(size):
    for path in FONT_FILES:
        try:
            return ImageFont.truetype(path, size)
        except OSError:
            continue
    return ImageFont.load_default()


@functools.lru_cache(maxsize=None)
def _body(p):
    """The whole window, opaque, margin included."""
    image = canvas.solid(SIZE, p.panel)
    top, bottom = p.titlebar
    image.paste(canvas.vgradient((SIZE[0], TITLE_BOTTOM), top, bottom), (0, 0))
    glow = canvas.radial(SIZE, (60, 18), 280, p.accent, 70 if p.dark else 40)
    canvas.paint(image, p.accent, glow)
    _title_texture(image, p)
    image.paste(canvas.solid((SIDEBAR_RIGHT, SIZE[1] - TITLE_BOTTOM), p.sidebar), (0, TITLE_BOTTOM))
    # The vendor's mark, faint, below the tabs.
    canvas.paint(image, p.text, canvas.coverage(SIZE, lambda d, s: glyphs.logo_mark(d, s, 96, 604, 24, 5)),
                 opacity=0.045 if p.dark else 0.06)
    image.paste(canvas.solid((SIZE[0] - SIDEBAR_RIGHT, SIZE[1] - STATUS_TOP), p.statusbar), (SIDEBAR_RIGHT, STATUS_TOP))
    image.paste(lists.content_panel(p), CONTENT_ORIGIN)
    draw = ImageDraw.Draw(image)
    draw.line((0, TITLE_BOTTOM - 1, SIZE[0], TITLE_BOTTOM - 1), fill=mix(bottom, BLACK, 0.25) if p.dark else p.line)
    draw.line((SIDEBAR_RIGHT, STATUS_TOP, SIZE[0], STATUS_TOP), fill=p.line)
    accent = canvas.hgradient((SIDEBAR_RIGHT + 260, 2), p.accent_light, p.statusbar)
    accent.putalpha(canvas.hgradient((SIDEBAR_RIGHT + 260, 2), WHITE, BLACK).getchannel("R"))
    image.alpha_composite(accent, (0, TITLE_BOTTOM - 2))
    return image


def _title_texture(image, p):
    """Fine diagonal lines across the right of the title bar, fading in towards the window's buttons."""
    width = 520
    lines = canvas.coverage((width, TITLE_BOTTOM), lambda d, s: [
        d.line(((x) * s, TITLE_BOTTOM * s, (x + TITLE_BOTTOM) * s, 0), fill=255, width=s) for x in range(-60, width, 7)])
    fade = canvas.hgradient((width, TITLE_BOTTOM), BLACK, WHITE).getchannel("R")
    layer = canvas.solid((width, TITLE_BOTTOM), p.accent_light)
    layer.putalpha(ImageChops.multiply(lines, fade).point([round(v * (0.10 if p.dark else 0.12)) for v in range(256)]))
    image.alpha_composite(layer, (SIZE[0] - width, 0))


def background(p):
    """install_bg.png: the window's shape is its magenta-free part."""
    body = canvas.rounded(SIZE, BODY, RADIUS)
    shaped = canvas.keep_only(_body(p).copy(), body)
    return canvas.colour_key(shaped, body, DESKTOP)


def button_background(p):
    """install_single_bg.png: the same picture without the cut-out, for the small buttons' pieces."""
    return _body(p).copy()


@functools.lru_cache(maxsize=None)
def shadow():
    """main_shadow.png: a soft shadow around the window and a faint rim over its edge; clear inside."""
    body = canvas.rounded(SIZE, BODY, RADIUS)
    outside = ImageChops.invert(body)
    alpha = ImageChops.multiply(canvas.soft_shadow(SIZE, BODY, RADIUS, 4, 170, (0, 2)), outside)
    image = canvas.solid(SIZE, BLACK)
    image.putalpha(alpha)
    canvas.paint(image, BLACK, canvas.outline(SIZE, BODY, RADIUS, 1), opacity=0.45)
    return image


def logo(p):
    font = _font(21)
    word = "OVRA"
    left, top, right, bottom = font.getbbox(word)
    mark, gap = 26, 8
    size = (mark + gap + right + 2, 28)
    image = canvas.solid(size, (0, 0, 0, 0))
    canvas.paint(image, canvas.vgradient(size, p.accent_light, p.accent),
                 canvas.coverage(size, lambda d, s: glyphs.logo_mark(d, s, 13, 14, 10, 3.0)))
    draw = ImageDraw.Draw(image)
    draw.text((mark + gap - left, (size[1] - (bottom - top)) // 2 - top), word, font=font, fill=p.title)
    return image


@functools.lru_cache(maxsize=None)
def _icon_picture(p):
    size = (128, 128)
    image = canvas.solid(size, (0, 0, 0, 0))
    canvas.paint(image, canvas.vgradient(size, p.accent_light, p.accent_deep), canvas.rounded(size, (4, 4, 124, 124), 26))
    canvas.paint(image, WHITE, canvas.coverage(size, lambda d, s: glyphs.logo_mark(d, s, 64, 64, 38, 11)))
    return image


def icon(p, size):
    return canvas.icon(_icon_picture(p), size)
