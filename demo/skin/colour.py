"""Colour arithmetic and the palette a layout's pictures are drawn in."""
import dataclasses

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
MAGENTA = (255, 0, 255)


def mix(a, b, t):
    """a moved the fraction t towards b."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def with_alpha(colour, alpha):
    return tuple(colour[:3]) + (alpha,)


def luminance(colour):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in colour[:3])
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    """The contrast ratio of two colours, 1 (none) to 21 (black on white)."""
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def darkened_until(colour, other, ratio):
    """colour darkened step by step until it and other reach the contrast ratio."""
    for step in range(26):
        candidate = mix(colour, BLACK, step * 0.04)
        if contrast(candidate, other) >= ratio:
            return candidate
    return BLACK


@dataclasses.dataclass(frozen=True)
class Palette:
    """The base colours of a layout and the surfaces derived from them."""
    accent: tuple
    accent_light: tuple
    text: tuple
    dim: tuple
    panel: tuple
    title: tuple
    link: tuple

    @property
    def dark(self):
        return luminance(self.panel) < 0.35

    def shade(self, colour, amount):
        """Deeper into the layout's own direction: darker on dark skins, a touch darker on light ones."""
        return mix(colour, BLACK, amount if self.dark else amount * 0.35)

    @property
    def accent_deep(self):
        return mix(self.accent, BLACK, 0.32)

    @property
    def titlebar(self):
        """Top and bottom of the title bar."""
        if self.dark:
            return mix(self.panel, self.accent, 0.10), mix(self.panel, BLACK, 0.30)
        return WHITE, mix(self.panel, self.accent, 0.05)

    @property
    def sidebar(self):
        return mix(self.panel, BLACK, 0.38) if self.dark else mix(self.panel, self.accent, 0.09)

    @property
    def content(self):
        """Top and bottom of the content panel."""
        if self.dark:
            return mix(self.panel, WHITE, 0.03), mix(self.panel, BLACK, 0.12)
        return WHITE, self.panel

    @property
    def statusbar(self):
        return mix(self.panel, BLACK, 0.30) if self.dark else mix(self.panel, self.accent, 0.07)

    @property
    def line(self):
        """Hairlines and borders."""
        return mix(self.panel, self.text, 0.16 if self.dark else 0.20)

    @property
    def track(self):
        """Grooves: the scroll bar's and the progress bar's surroundings."""
        return mix(self.panel, BLACK, 0.35) if self.dark else mix(self.panel, self.text, 0.12)
