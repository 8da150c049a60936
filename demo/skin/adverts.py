"""The demo disc's advertisement pictures: a product name, a headline, a tagline,
a drawn product and a call to action, in one layout's palette and one language.
Each picture is drawn at the size of the browser that shows it, so nothing is
stretched; a picture whose texts would not fit or not read is not written."""
import dataclasses
import functools

from . import canvas, glyphs, products
from .colour import BLACK, WHITE, contrast, darkened_until, mix

BODY_TEXT = 4.5
LARGE_TEXT = 3.0


@dataclasses.dataclass(frozen=True)
class Frame:
    """Where a kind's picture puts things; boxes are (left, top, right, bottom) in the picture."""
    size: tuple
    text: tuple       # the column of brand, headline, tagline and action
    product: tuple    # the drawing
    headline: int     # largest headline size; it shrinks until it fits in two lines
    clear: tuple = () # boxes the program covers with its own controls: no text or product there
    action: tuple = None  # a fixed box for the call to action; without one it follows the tagline


# The installing view's browser shows the whole picture.
INSTALLING = Frame(size=(1019, 546), text=(64, 92, 520, 470), product=(540, 36, 1000, 510), headline=50)
# The special view's browser: the Install Now button covers the page's lower right corner, so the
# call to action points at it; on an offer's page the opt-in panel covers a band above it as well.
INSTALL_NOW = (678, 501, 820, 535)
SPECIAL_ACTION = (24, 500, 664, 536)
SPECIAL = Frame(size=(826, 542), text=(36, 110, 430, 440), product=(440, 60, 812, 470), headline=44,
                clear=(INSTALL_NOW,), action=SPECIAL_ACTION)
OFFER = Frame(size=(826, 542), text=(36, 44, 430, 352), product=(440, 20, 812, 356), headline=40,
              clear=((2, 370, 822, 488), INSTALL_NOW), action=SPECIAL_ACTION)


@dataclasses.dataclass(frozen=True)
class Copy:
    """An advert's words in one language."""
    brand: str
    headline: str
    tagline: str
    action: str


@dataclasses.dataclass(frozen=True, eq=False)
class Advert:
    picture: str
    frame: Frame
    draw: object      # products.* drawing: (palette, size) -> picture
    glow: float       # where the background's light sits, 0 (left) to 1 (right)
    copy: dict        # language -> Copy


def _copy(brand, english, german):
    return {"English": Copy(brand, *english), "German": Copy(brand, *german)}


INSTALLING_ADVERTS = [
    Advert("AppCenter.png", INSTALLING, products.app_window, 0.75, _copy(
        "OVRA APP CENTER",
        ("Every tool for your board in one place",
         "Update drivers, tune fan curves and watch temperatures from one clean window.",
         "Open App Center when setup ends"),
        ("Alle Werkzeuge Ihres Boards an einem Ort",
         "Treiber aktualisieren, Lüfterkurven einstellen und Temperaturen im Blick behalten.",
         "App Center nach der Installation öffnen"))),
    Advert("RGBFusion.png", INSTALLING, products.board_with_strip, 0.9, _copy(
        "OVRA RGB FUSION",
        ("Light up your whole build",
         "Sync the board, memory, fans and light strips to one colour scheme with a click.",
         "Pick your colours after setup"),
        ("Bringen Sie Ihr System zum Leuchten",
         "Board, Speicher, Lüfter und Lichtleisten mit einem Klick im selben Farbschema.",
         "Farben nach der Installation wählen"))),
    Advert("SmartBackup.png", INSTALLING, products.drive, 0.6, _copy(
        "OVRA SMART BACKUP",
        ("Your files, safe every night",
         "Automatic backups to any drive, restored in minutes when something goes wrong.",
         "Plan your first backup"),
        ("Ihre Dateien, jede Nacht gesichert",
         "Automatische Sicherungen auf jedes Laufwerk, in Minuten wiederhergestellt.",
         "Erste Sicherung planen"))),
]

SPECIAL_ADVERTS = [
    Advert("GoogleChrome.png", OFFER, products.browser, 0.7, _copy(
        "GOOGLE CHROME",
        ("A fast, simple browser",
         "Search, browse and keep your bookmarks on every device. Free.",
         "Tick the box below, then click Install Now"),
        ("Ein schneller, einfacher Browser",
         "Suchen, surfen und Lesezeichen auf allen Geräten. Kostenlos.",
         "Kästchen unten ankreuzen, dann Jetzt installieren"))),
    Advert("GoogleToolbar.png", OFFER, functools.partial(products.browser, search=True), 0.85, _copy(
        "GOOGLE TOOLBAR",
        ("Search from any page",
         "A search box and a pop-up blocker right in your browser's toolbar. Free.",
         "Tick the box below, then click Install Now"),
        ("Suchen von jeder Seite aus",
         "Suchfeld und Pop-up-Blocker direkt in der Leiste Ihres Browsers. Kostenlos.",
         "Kästchen unten ankreuzen, dann Jetzt installieren"))),
    Advert("GameBoost.png", SPECIAL, products.graphics_card, 0.65, _copy(
        "OVRA GAME BOOST",
        ("More frames, less waiting",
         "One click frees memory, pauses background tasks and lifts your graphics card's clocks.",
         "Boost your games: click Install Now"),
        ("Mehr Bilder, weniger Warten",
         "Ein Klick gibt Speicher frei, pausiert Hintergrundaufgaben und taktet die Grafikkarte hoch.",
         "Spiele beschleunigen: Jetzt installieren"))),
]


def copy_for(advert, language):
    """The advert's words; languages without their own (no face on the build machine draws Japanese)
    fall back to English."""
    return advert.copy.get(language, advert.copy["English"])


def colours(p):
    """(background top, background bottom, headline, tagline, brand, action fill, action text)."""
    if p.dark:
        top, bottom = mix(p.panel, p.accent, 0.22), mix(p.panel, BLACK, 0.45)
        return top, bottom, p.title, p.text, p.accent_light, darkened_until(p.accent, WHITE, 4.5), WHITE
    top, bottom = WHITE, mix(p.panel, p.accent, 0.10)
    return (top, bottom, p.title, darkened_until(p.text, bottom, 7.0), darkened_until(p.accent, WHITE, 4.5),
            darkened_until(p.accent, WHITE, 4.5), WHITE)


def _wrap(words, face, width):
    lines, line = [], ""
    for word in words.split():
        trial = f"{line} {word}".strip()
        if line and face.getlength(trial) > width:
            lines.append(line)
            line = word
        else:
            line = trial
    return lines + [line] if line else lines


def _fitted(words, width, largest, smallest, most_lines, bold):
    """The largest size at which the words wrap into at most most_lines lines of the width."""
    for size in range(largest, smallest - 1, -1):
        lines = _wrap(words, products.font(size, bold), width)
        if len(lines) <= most_lines and all(products.font(size, bold).getlength(l) <= width for l in lines):
            return size, lines
    raise ValueError(f"advert text does not fit {width} pixels: {words!r}")


@dataclasses.dataclass
class Drawn:
    """A picture and where its texts went: [(role, box, text colour, average colour behind it)]."""
    image: object
    texts: list


@functools.lru_cache(maxsize=None)
def _scene(p, advert):
    """Background and product: the same in every language."""
    frame = advert.frame
    top, bottom, *_ = colours(p)
    image = canvas.vgradient(frame.size, top, bottom)
    w, h = frame.size
    canvas.paint(image, p.accent, canvas.radial(frame.size, (round(w * advert.glow), h // 2), round(h * 0.9),
                                                p.accent, 90 if p.dark else 45))
    # A band of light across the picture, behind the product.
    band = canvas.coverage(frame.size, lambda d, s: d.polygon(
        [(w * 0.55 * s, h * s), (w * 0.72 * s, 0), (w * 0.80 * s, 0), (w * 0.63 * s, h * s)], fill=255))
    canvas.paint(image, p.accent_light, band, opacity=0.10)
    x0, y0, x1, y1 = frame.product
    image.alpha_composite(advert.draw(p, (x1 - x0, y1 - y0)), (x0, y0))
    return image


def draw(p, advert, language):
    """The advert's picture in the palette and language, with the boxes of its texts."""
    frame = advert.frame
    scene = _scene(p, advert)
    image = scene.copy()
    _, _, headline_colour, tagline_colour, brand_colour, fill, on_fill = colours(p)
    words = copy_for(advert, language)
    pen = products.Pen(image)
    x0, y0, x1, y1 = frame.text
    width = x1 - x0
    texts = []

    def put(role, lines, size, bold, colour, y, gap):
        face = products.font(size, bold)
        for line in lines:
            pen.text((x0, y), line, size, colour, bold)
            box = _placed(face.getbbox(line, anchor="la"), (x0, y))
            texts.append((role, box, colour, _average(scene, box)))
            y += round(size * gap)
        return y

    brand_size, brand = _fitted(words.brand, width, 18, 12, 1, True)
    y = put("brand", brand, brand_size, True, brand_colour, y0, 1.2)
    pen.box(brand_colour, (x0, y + 4, x0 + 56, y + 8), 2)
    size, lines = _fitted(words.headline, width, frame.headline, 24, 2, True)
    y = put("headline", lines, size, True, headline_colour, y + 26, 1.14)
    tag_size, tag = _fitted(words.tagline, width, max(18, size * 2 // 5), 14, 3, False)
    y = put("tagline", tag, tag_size, False, tagline_colour, y + 16, 1.35)
    if frame.action is None:
        action_size, action = _fitted(words.action, width - 80, 20, 14, 1, True)
        face = products.font(action_size, True)
        box = (x0, y + 28, x0 + round(face.getlength(action[0])) + 76, y + 28 + action_size * 2 + 16)
    else:
        ax0, ay0, ax1, ay1 = frame.action
        action_size, action = _fitted(words.action, ax1 - ax0 - 80, 19, 13, 1, True)
        face = products.font(action_size, True)
        box = (ax1 - round(face.getlength(action[0])) - 76, ay0, ax1, ay1)
    _action(pen, texts, action, action_size, box, fill, on_fill)
    return Drawn(image, texts)


def _action(pen, texts, action, size, box, fill, on_fill):
    """The call to action: a pill in the layout's colour with an arrow towards what to do."""
    x0, y0, x1, y1 = box
    pen.shadow(box, (y1 - y0) // 2)
    pen.box(fill, box, (y1 - y0) // 2)
    cy = (y0 + y1) // 2
    face = products.font(size, True)
    pen.text((x0 + 26, cy), action[0], size, on_fill, True, "lm")
    texts.append(("action", _placed(face.getbbox(action[0], anchor="lm"), (x0 + 26, cy)), on_fill, fill))
    ax = x1 - 30
    pen.fill(on_fill, lambda d, s: glyphs._line(d, s, [(ax - 8, cy), (ax + 8, cy)], 2.6))
    pen.fill(on_fill, lambda d, s: glyphs._line(d, s, [(ax + 1, cy - 7), (ax + 8, cy), (ax + 1, cy + 7)], 2.6))


def _placed(bbox, at):
    return (bbox[0] + at[0], bbox[1] + at[1], bbox[2] + at[0], bbox[3] + at[1])


def _average(image, box):
    region = image.convert("RGB").crop(box)
    pixels = region.width * region.height
    return tuple(round(sum(band.getdata()) / pixels) for band in region.split())


def problems(drawn, frame):
    """Lines naming texts that leave their picture, run into the product or a control's place, or do
    not stand out from what lies behind them."""
    found = []
    w, h = frame.size
    for role, box, colour, behind in drawn.texts:
        x0, y0, x1, y1 = box
        if x0 < 0 or y0 < 0 or x1 > w or y1 > h:
            found.append(f"{role} {box} leaves the picture {w}x{h}")
        for other in (frame.product,) + frame.clear:
            if x0 < other[2] and other[0] < x1 and y0 < other[3] and other[1] < y1:
                found.append(f"{role} {box} runs into {other}")
        minimum = BODY_TEXT if role == "tagline" else LARGE_TEXT
        ratio = contrast(colour, behind)
        if ratio < minimum:
            found.append(f"{role} contrast {ratio:.1f} on {behind}, needs {minimum}")
    return found

