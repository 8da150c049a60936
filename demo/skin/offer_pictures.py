"""The special-offers tab's pictures: the mask that frames the offer pages,
the opt-in panel's background and the offer licence dialog's pictures."""
from PIL import ImageChops

from . import canvas, glyphs, lists
from .colour import mix

MASK_SIZE = (845, 562)
PAGE = (10, 10, 836, 552)  # where the view's browser shows the offer page
PAGE_RADIUS = 10


def mask(p):
    """special_mask.png: the content panel around the page, magenta over the page itself."""
    image = lists.content_panel(p).crop((0, 0) + MASK_SIZE)
    x0, y0, x1, y1 = PAGE
    canvas.paint(image, p.line, canvas.outline(MASK_SIZE, (x0 - 1, y0 - 1, x1 + 1, y1 + 1), PAGE_RADIUS + 1))
    around = ImageChops.invert(canvas.rounded(MASK_SIZE, PAGE, PAGE_RADIUS))
    return canvas.colour_key(image, around, p.content[1])


def opt_in_panel(panel):
    """specialgooglemask_bg.png: the panel's own colour, so the box's background piece matches it."""
    return canvas.solid((820, 118), panel)


EULA_WIDTH = 529
EULA_HEIGHTS = {"chrome": 489, "toolbar": 391, "dual": 489}


def licence_picture(p, panel, kind):
    """The offer licence dialog's picture below its title strip: an emblem, rules between the offer and
    the consent texts, the panel's colour where the dialog's buttons cut their background pieces."""
    size = (EULA_WIDTH, EULA_HEIGHTS[kind])
    image = canvas.solid(size, panel)
    if kind == "toolbar":
        centre, emblem, rule = (478, 52), glyphs.magnifier, 236
        for y in (172, 194, 216):
            canvas.paint(image, p.accent_light, canvas.coverage(size, lambda d, s, y=y: glyphs.tick(d, s, 91, y, 4, 1.8)))
    else:
        centre, emblem, rule = (264, 50), glyphs.globe, 345
    canvas.paint(image, p.accent, canvas.radial(size, centre, 120, p.accent, 255), opacity=0.22)
    canvas.paint(image, p.accent_light, canvas.coverage(size, lambda d, s: emblem(d, s, centre[0], centre[1], 30, 2.6)))
    if kind == "dual":
        canvas.paint(image, p.accent_light, canvas.coverage(size, lambda d, s: glyphs.magnifier(d, s, 318, 70, 14, 2.2)))
    canvas.paint(image, mix(panel, p.line, 0.8), canvas.coverage(size, lambda d, s: d.rectangle(
        canvas.scaled((20, rule, EULA_WIDTH - 20, rule + 1), s), fill=255)))
    return image
