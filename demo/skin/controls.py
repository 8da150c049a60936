"""Skinned controls: tab buttons, the title bar's and status bar's small
buttons, push buttons, page dots, tick boxes and manual-install buttons."""
from . import canvas, glyphs
from .colour import BLACK, WHITE, darkened_until, mix

TAB_SIZE = (175, 98)
TAB_GLYPHS = {1: glyphs.chip, 2: glyphs.gear, 3: glyphs.book, 4: glyphs.star, 5: glyphs.wrench}
BUTTON_SIZE = (142, 34)


def tab(p, index, state):
    """Opaque: a tab has no background piece, so its picture is its whole look."""
    size = TAB_SIZE
    base = p.sidebar
    glyph_colour = mix(p.text, base, 0.35)
    image = canvas.solid(size, base)
    if state == "f":
        canvas.paint(image, mix(base, p.accent, 0.16), canvas.rounded(size, (6, 5, 169, 93), 8))
        glyph_colour = p.accent_light
    elif state == "s":
        card = canvas.rounded(size, (6, 5, 169, 93), 8)
        deep = darkened_until(p.accent, WHITE, 4.5)
        canvas.paint(image, canvas.vgradient(size, mix(deep, WHITE, 0.10), mix(deep, BLACK, 0.22)), card)
        canvas.paint(image, WHITE, canvas.outline(size, (6, 5, 169, 93), 8), opacity=0.14)
        glyph_colour = WHITE
    elif state == "d":
        glyph_colour = mix(p.dim, base, 0.55)
    if state in "nd":
        canvas.paint(image, p.line, canvas.coverage(size, lambda d, s: d.rectangle(canvas.scaled((18, 96, 157, 97), s),
                                                                                   fill=255)), opacity=0.7)
    canvas.paint(image, glyph_colour, canvas.coverage(size, lambda d, s: TAB_GLYPHS[index](d, s, 87.5, 26, 10)))
    return image


def _small(size, glyph, radius_glyph, colour, back=None, back_alpha=1.0, round_back=True):
    image = canvas.solid(size, (0, 0, 0, 0))
    w, h = size
    if back is not None:
        shape = canvas.ellipse(size, (0, 0, w, h)) if round_back else canvas.rounded(size, (0, 0, w, h), 5)
        canvas.paint(image, back, shape, opacity=back_alpha)
    canvas.paint(image, colour, canvas.coverage(size, lambda d, s: glyph(d, s, w / 2, h / 2, radius_glyph)))
    return image


def close(p, state):
    red = (214, 40, 52)
    looks = {"n": (mix(p.text, p.titlebar[0], 0.15), None, 1.0), "f": (WHITE, red, 1.0),
             "s": (WHITE, mix(red, BLACK, 0.3), 1.0), "d": (mix(p.dim, p.titlebar[0], 0.4), None, 1.0)}
    colour, back, alpha = looks[state]
    return _small((20, 20), glyphs.cross, 4, colour, back, alpha)


def minimize(p, state):
    hover = mix(p.titlebar[0], p.text, 0.22)
    looks = {"n": (mix(p.text, p.titlebar[0], 0.15), None, 1.0), "f": (p.text, hover, 1.0),
             "s": (p.text, mix(hover, p.text, 0.2), 1.0), "d": (mix(p.dim, p.titlebar[0], 0.4), None, 1.0)}
    colour, back, alpha = looks[state]
    return _small((20, 20), glyphs.minus, 4.5, colour, back, alpha)


STATUS_GLYPHS = {"contact": glyphs.envelope, "readme": glyphs.document, "video": glyphs.play}


def status_button(p, name, state):
    looks = {"n": (mix(p.text, p.statusbar, 0.25), None, 0), "f": (p.accent_light, p.accent, 0.22),
             "s": (WHITE if p.dark else p.accent_deep, p.accent, 0.45), "d": (mix(p.dim, p.statusbar, 0.5), None, 0)}
    colour, back, alpha = looks[state]
    return _small((25, 25), STATUS_GLYPHS[name], 7.5, colour, back, alpha, round_back=False)


def blue_button(p, state):
    size = BUTTON_SIZE
    base = darkened_until(p.accent, WHITE, 4.0)
    tops = {"n": (mix(base, WHITE, 0.14), mix(base, BLACK, 0.12)), "f": (mix(base, WHITE, 0.28), base),
            "s": (mix(base, BLACK, 0.30), mix(base, BLACK, 0.16)), "d": (mix(p.line, WHITE, 0.08), p.line)}
    top, bottom = tops[state]
    shape = canvas.rounded(size, (0, 0, 142, 34), 6)
    image = canvas.solid(size, (0, 0, 0, 0))
    canvas.paint(image, canvas.vgradient(size, top, bottom), shape)
    canvas.paint(image, mix(bottom, BLACK, 0.35), canvas.outline(size, (0, 0, 142, 34), 6), opacity=0.55)
    if state in "nf":
        canvas.paint(image, WHITE, canvas.coverage(size, lambda d, s: d.rounded_rectangle(
            canvas.scaled((5, 1, 137, 2), s), radius=s, fill=255)), opacity=0.30)
    return image


def black_button(p, state):
    """Opaque with magenta corners: the sheet that carries it is see-through by the colour key and the
    button gets no background piece."""
    size = BUTTON_SIZE
    tops = {"n": ((46, 48, 54), (16, 17, 20)), "f": ((62, 64, 72), (24, 25, 29)), "s": ((10, 10, 12), (30, 31, 36)),
            "d": ((78, 78, 82), (64, 64, 68))}
    top, bottom = tops[state]
    shape = canvas.rounded(size, (0, 0, 142, 34), 7)
    image = canvas.solid(size, (0, 0, 0, 0))
    canvas.paint(image, canvas.vgradient(size, top, bottom), shape)
    border = p.accent_light if state == "f" else (96, 98, 108)
    canvas.paint(image, border, canvas.outline(size, (0, 0, 142, 34), 7), opacity=0.9 if state == "f" else 0.6)
    return canvas.colour_key(image, shape, p.content[1])


def page_dot(p, state):
    size = (16, 16)
    image = canvas.solid(size, (0, 0, 0, 0))
    if state == "s":
        canvas.paint(image, p.accent_light, canvas.ellipse(size, (3, 3, 13, 13)))
    elif state == "f":
        canvas.paint(image, p.accent_light, canvas.ellipse(size, (4, 4, 12, 12)), opacity=0.75)
    else:
        colour = mix(p.text, p.content[1], 0.45 if state == "n" else 0.75)
        canvas.paint(image, colour, canvas.ring(size, (4, 4, 12, 12), 1.5))
    return image


CHECK_SIZE = (26, 31)
CHECK_BOX = (5, 7, 21, 23)


def tick_box(p, ticked, state):
    size = CHECK_SIZE
    image = canvas.solid(size, (0, 0, 0, 0))
    box = canvas.rounded(size, CHECK_BOX, 3)
    edge = canvas.outline(size, CHECK_BOX, 3, 1.3)
    if ticked:
        fill = {"n": darkened_until(p.accent, WHITE, 3.0), "f": p.accent_light, "d": p.line}[state]
        canvas.paint(image, fill, box)
        mark = WHITE if state != "d" else mix(p.line, WHITE, 0.5)
        canvas.paint(image, mark, canvas.coverage(size, lambda d, s: glyphs.tick(d, s, 13, 15, 4.5, 2.0)))
    else:
        canvas.paint(image, BLACK if p.dark else WHITE, box, opacity=0.25 if p.dark else 0.9)
        border = {"n": mix(p.text, p.panel, 0.45), "f": p.accent_light, "d": p.line}[state]
        canvas.paint(image, border, edge)
    return image


def manual_install(p, state):
    size = (31, 31)
    image = canvas.solid(size, (0, 0, 0, 0))
    disc = canvas.ellipse(size, (4, 4, 27, 27))
    arrow = canvas.coverage(size, lambda d, s: glyphs.arrow_down(d, s, 15.5, 15.5, 6, 2.0))
    base = darkened_until(p.accent, WHITE, 3.0)
    if state == "n":
        canvas.paint(image, p.accent_light, canvas.ring(size, (4, 4, 27, 27), 1.6))
        canvas.paint(image, p.accent_light, arrow)
    elif state in "fs":
        canvas.paint(image, base if state == "f" else mix(base, BLACK, 0.3), disc)
        canvas.paint(image, WHITE, arrow)
    else:
        canvas.paint(image, p.line, canvas.ring(size, (4, 4, 27, 27), 1.6))
        canvas.paint(image, p.line, arrow)
    return image
