"""The content views: list backgrounds, the column header strip, the scroll
bar's pieces and the manuals view's section headers."""
import functools

from PIL import Image, ImageChops, ImageDraw

from . import canvas, glyphs
from .colour import BLACK, WHITE, mix

CONTENT_SIZE = (845, 590)
LOWER_SIZE = (845, 151)
HEADER_SIZE = (812, 20)
# Column borders of the header texts, in the strip's coordinates (the strip lies at x 17).
COLUMN_EDGES = (338, 448, 588, 728)


def _panel(p, size):
    top, bottom = p.content
    image = canvas.vgradient(size, top, bottom)
    canvas.paint(image, p.accent, canvas.radial(size, (size[0], 0), 420, p.accent, 40 if p.dark else 22))
    ImageDraw.Draw(image).line((0, 0, size[0], 0), fill=mix(top, WHITE, 0.06) if p.dark else top)
    return image


@functools.lru_cache(maxsize=None)
def content_panel(p):
    """singlelist_bg.png: behind the lists, the manuals, the offers and the loading animation."""
    return _panel(p, CONTENT_SIZE)


def lower_panel(p):
    """multisublist_bg.png: the lower list of a split list area, set off by a rule at its top."""
    top, _ = p.content
    image = canvas.vgradient(LOWER_SIZE, mix(top, p.content[1], 0.3), p.content[1])
    canvas.paint(image, p.line, canvas.coverage(LOWER_SIZE, lambda d, s: d.rectangle(
        canvas.scaled((17, 0, 828, 1), s), fill=255)))
    return image


def column_header(p):
    image = canvas.solid(HEADER_SIZE, (0, 0, 0, 0))
    canvas.paint(image, BLACK if p.dark else p.accent, canvas.rounded(HEADER_SIZE, (0, 0) + HEADER_SIZE, 4),
                 opacity=0.22 if p.dark else 0.07)
    for x in COLUMN_EDGES:
        canvas.paint(image, p.line, canvas.coverage(HEADER_SIZE, lambda d, s, x=x: d.rectangle(
            canvas.scaled((x, 4, x + 1, 16), s), fill=255)))
    return image


def _thumb_colours(p, hot):
    colour = p.accent_light if p.dark else p.accent
    return mix(colour, WHITE, 0.3) if hot else colour


def _strip(colours):
    """A picture from rows of pixel colours."""
    image = Image.new("RGB", (len(colours[0]), len(colours)))
    image.putdata([c for row in colours for c in row])
    return image


def scroll_span(p):
    groove = mix(p.track, p.text, 0.12)
    return _strip([[p.track] * 3 + [groove] * 3 + [p.track] * 6])


def thumb_span(p, hot):
    c = _thumb_colours(p, hot)
    return _strip([[c] * 5 + [p.track] * 7])


def thumb_up(p, hot):
    """The thumb's rounded top, 5 pixels wide like its body."""
    c, t = _thumb_colours(p, hot), p.track
    edge, soft = mix(t, c, 0.35), mix(t, c, 0.85)
    return _strip([[edge, c, c, c, edge], [soft, c, c, c, soft], [c] * 5])


def thumb_down(p, hot):
    c, t = _thumb_colours(p, hot), p.track
    edge, soft = mix(t, c, 0.35), mix(t, c, 0.85)
    return _strip([[c] * 5 + [t] * 7, [soft, c, c, c, soft] + [t] * 7, [edge, c, c, c, edge] + [t] * 7])


SECTION_GLYPHS = {"driver": glyphs.chip, "utilities": glyphs.gear, "mb": glyphs.board, "tool": glyphs.wrench}
SECTION_SIZE = (790, 29)


def section_header(p, name):
    """The band behind a section's name in the manuals view, its symbol at the right end."""
    size = SECTION_SIZE
    image = canvas.solid(size, (0, 0, 0, 0))
    # Faint under the name at the left, fuller towards the symbol.
    fade = canvas.hgradient(size, (0, 0, 0), (255, 255, 255)).getchannel("R").point([30 + v * 0.88 for v in range(256)])
    band = canvas.rounded(size, (0, 1, 790, 28), 6)
    canvas.paint(image, p.accent, ImageChops.multiply(band, fade), opacity=0.40 if p.dark else 0.22)
    canvas.paint(image, p.accent_light, canvas.coverage(size, lambda d, s: d.rectangle(
        canvas.scaled((0, 27, 790, 28), s), fill=255)), opacity=0.35)
    canvas.paint(image, p.accent_light if p.dark else p.accent,
                 canvas.coverage(size, lambda d, s: SECTION_GLYPHS[name](d, s, 768, 14.5, 9)))
    return image
