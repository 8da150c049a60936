"""Every file of a layout's skin, drawn for one palette and checked against
what the windows need (the program's manifest) before it is written."""
import re

from . import canvas, controls, frames, installing, legibility, lists, manifest, offer_pictures, window

# Alpha pictures whose magenta is meant: their windows are shaped by the colour key and draw them
# without a background piece (the Install Now button) or onto an empty picture (the tool tip's frame).
KEYED_ALPHA = re.compile(r"^(blackbutton_[nsfd]|tooltip_\w+)\.png$")


def parse_colour(value):
    match = re.fullmatch(r"RGB\((\d+),(\d+),(\d+)\)", value)
    if not match:
        raise ValueError(f"not a colour: {value}")
    return tuple(int(c) for c in match.groups())


def style_colour(style):
    return lambda section, key: parse_colour(style[section, key])


def drawings(p, style):
    """{file name: function that draws it}; a function returns a picture or the file's bytes."""
    colour = style_colour(style)
    panel = colour("POPUPDLG", "Popup_bg_Color")
    d = {
        "install_bg.png": lambda: window.background(p),
        "install_single_bg.png": lambda: window.button_background(p),
        "main_shadow.png": window.shadow,
        "logo.png": lambda: window.logo(p),
        "ovra_icon_b.ico": lambda: window.icon(p, 32),
        "ovra_icon_s.ico": lambda: window.icon(p, 16),
        "singlelist_bg.png": lambda: lists.content_panel(p),
        "multisublist_bg.png": lambda: lists.lower_panel(p),
        "listheader.png": lambda: lists.column_header(p),
        "VerticleScrollBarSpan.png": lambda: lists.scroll_span(p),
        "installing_bg.png": lambda: installing.overlay(p),
        "installing_mask_bg.png": lambda: installing.preparing(p),
        "install_down_bg.png": lambda: installing.strip(p),
        "progressbar.png": lambda: installing.progress_bar(p),
        "special_mask.png": lambda: offer_pictures.mask(p),
        "specialgooglemask_bg.png": lambda: offer_pictures.opt_in_panel(colour("SPECIALDLG", "Special_Google_Mask_bg_Color")),
    }
    for hot, suffix in ((False, ""), (True, "_s")):
        d[f"VerticleScrollBarThumbUp{suffix}.png"] = lambda hot=hot: lists.thumb_up(p, hot)
        d[f"VerticleScrollBarThumbDown{suffix}.png"] = lambda hot=hot: lists.thumb_down(p, hot)
        d[f"VerticleScrollBarThumbSpan{suffix}.png"] = lambda hot=hot: lists.thumb_span(p, hot)
    for state in "nsfd":
        for index in range(1, 6):
            d[f"main_tabBtn{index}_{state}.png"] = lambda i=index, s=state: controls.tab(p, i, s)
        d[f"close_{state}.png"] = lambda s=state: controls.close(p, s)
        d[f"minimize_{state}.png"] = lambda s=state: controls.minimize(p, s)
        for name in controls.STATUS_GLYPHS:
            d[f"{name}_{state}.png"] = lambda n=name, s=state: controls.status_button(p, n, s)
        d[f"bluebutton_{state}.png"] = lambda s=state: controls.blue_button(p, s)
        d[f"blackbutton_{state}.png"] = lambda s=state: controls.black_button(p, s)
        d[f"pa_{state}.png"] = lambda s=state: controls.page_dot(p, s)
        d[f"manualInst_{state}.png"] = lambda s=state: controls.manual_install(p, s)
    for state in "nfd":
        d[f"check_{state}.png"] = lambda s=state: controls.tick_box(p, True, s)
        d[f"uncheck_{state}.png"] = lambda s=state: controls.tick_box(p, False, s)
    for piece in frames.PIECES:
        d[f"popup_{piece}.png"] = lambda n=piece: frames.popup(p, panel)[n]
        d[f"tooltip_{piece}.png"] = lambda n=piece: frames.tooltip(p, colour("TOOLTIPDLG", "Tip_bg_Color"),
                                                                   p.content[1])[n]
        d[f"shadow_{piece}.png"] = lambda n=piece: frames.shadow()[n]
    for name in lists.SECTION_GLYPHS:
        d[f"manual_{name}.png"] = lambda n=name: lists.section_header(p, n)
    for kind in offer_pictures.EULA_HEIGHTS:
        d[f"eula_{kind}.png"] = lambda k=kind: offer_pictures.licence_picture(p, panel, k)
    frames_ = lambda: installing.loading_frames(p.accent_light)
    for n in range(installing.LOADING_FRAMES):
        d[f"Loading/a010{n + 1:03d}.png"] = lambda n=n: frames_()[n]
    return d


def _problem(need, image):
    w, h = image.size
    if need.size == "Exact" and (w, h) != (need.width, need.height):
        return f"is {w}x{h}, needs {need.width}x{need.height}"
    if need.size == "AtLeast" and (w < need.width or h < need.height):
        return f"is {w}x{h}, needs at least {need.width}x{need.height}"
    keyed = canvas.magenta_mask(image).getbbox() is not None
    if need.pixels == "ColourKey" and not keyed:
        return "has no magenta, its window needs some to see through"
    if need.pixels != "ColourKey" and keyed and not KEYED_ALPHA.match(need.file):
        return "has magenta where no colour key is meant"
    if need.pixels == "SeeThrough" and image.convert("RGBA").getchannel("A").getextrema()[0] == 255:
        return "has nothing see-through"
    return None


def files(p, style):
    """{file name relative to the layout folder: bytes}; fails on a file the manifest lacks, a picture
    that does not give its window what it needs, or a text colour that would not read on its picture."""
    needs = manifest.images()
    draw = drawings(p, style)
    if set(draw) != set(needs):
        raise ValueError(f"skin and manifest differ: not drawn {sorted(set(needs) - set(draw))}, "
                         f"not in the manifest {sorted(set(draw) - set(needs))}")
    made = {name: draw[name]() for name in needs}
    faults = [f"{name} {problem}" for name, image in made.items() if not isinstance(image, bytes)
              for problem in [_problem(needs[name], image)] if problem]
    faults += legibility.problems(made, style_colour(style))
    if faults:
        raise ValueError("; ".join(faults))
    return {name: image if isinstance(image, bytes) else canvas.png(image) for name, image in made.items()}
