"""Drawing primitives: anti-aliased masks drawn at four times the size and
reduced, colour and gradient layers, alpha compositing, colour-key cut-outs."""
import io

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from .colour import MAGENTA, with_alpha

SCALE = 4


def scaled(box, s):
    """A box of pixel edges (right and bottom exclusive) in the coordinates of a drawing s times larger."""
    x0, y0, x1, y1 = box
    return (x0 * s, y0 * s, x1 * s - 1, y1 * s - 1)


def coverage(size, paint):
    """An anti-aliased mask: paint(draw, s) draws white in coordinates multiplied by s."""
    big = Image.new("L", (size[0] * SCALE, size[1] * SCALE), 0)
    paint(ImageDraw.Draw(big), SCALE)
    return big.reduce(SCALE)


def rounded(size, box, radius):
    return coverage(size, lambda d, s: d.rounded_rectangle(scaled(box, s), radius=radius * s, fill=255))


def ellipse(size, box):
    return coverage(size, lambda d, s: d.ellipse(scaled(box, s), fill=255))


def ring(size, box, width):
    return coverage(size, lambda d, s: d.ellipse(scaled(box, s), outline=255, width=round(width * s)))


def outline(size, box, radius, width=1):
    """The border of a rounded box, width pixels wide, inside the box."""
    return coverage(size, lambda d, s: d.rounded_rectangle(scaled(box, s), radius=radius * s, outline=255,
                                                           width=round(width * s)))


def solid(size, colour):
    return Image.new("RGBA", size, with_alpha(colour, colour[3] if len(colour) > 3 else 255))


def vgradient(size, top, bottom):
    """Top to bottom, evenly."""
    ramp = Image.linear_gradient("L").resize(size, Image.BILINEAR)
    return Image.composite(solid(size, bottom), solid(size, top), ramp)


def hgradient(size, left, right):
    ramp = Image.linear_gradient("L").transpose(Image.ROTATE_90).resize(size, Image.BILINEAR)
    return Image.composite(solid(size, right), solid(size, left), ramp)


def radial(size, centre, radius, colour, strength):
    """A soft glow of colour around centre, fading to nothing at radius; strength is its alpha at the centre."""
    glow = Image.radial_gradient("L").resize((radius * 2, radius * 2), Image.BILINEAR)
    # The gradient reaches 181 at the circle (255 only in its corners).
    alpha = glow.point(lambda v: round(strength * max(0.0, 1 - v / 181) ** 1.6))
    layer = Image.new("L", size, 0)
    layer.paste(alpha, (centre[0] - radius, centre[1] - radius))
    return layer


def paint(target, source, mask=None, opacity=1.0):
    """Composites a colour or an image over target in place, through the mask and at the opacity."""
    layer = solid(target.size, source) if isinstance(source, tuple) else source.convert("RGBA")
    alpha = layer.getchannel("A")
    if mask is not None:
        alpha = ImageChops.multiply(alpha, mask)
    if opacity < 1.0:
        alpha = ImageChops.multiply(alpha, Image.new("L", alpha.size, round(255 * opacity)))
    layer.putalpha(alpha)
    target.alpha_composite(layer)
    return target


def keep_only(image, mask):
    """image with its alpha limited to the mask."""
    image.putalpha(ImageChops.multiply(image.getchannel("A"), mask))
    return image


def soft_shadow(size, box, radius, blur, strength, offset=(0, 0)):
    """The alpha of a blurred rounded box: a drop shadow."""
    x0, y0, x1, y1 = box
    shape = Image.new("L", size, 0)
    ImageDraw.Draw(shape).rounded_rectangle((x0 + offset[0], y0 + offset[1], x1 + offset[0] - 1, y1 + offset[1] - 1),
                                            radius=radius, fill=strength)
    return shape.filter(ImageFilter.GaussianBlur(blur))


def colour_key(image, inside, backdrop):
    """An opaque picture for a window whose transparency is magenta: where inside covers at least half
    a pixel, the picture flattened over backdrop (so its soft edges blend into what usually lies
    behind); elsewhere magenta."""
    flat = solid(image.size, backdrop)
    flat.alpha_composite(image)
    keyed = solid(image.size, MAGENTA)
    keyed.paste(flat, (0, 0), inside.point([0] * 128 + [255] * 128))
    return keyed


_FULL = [0] * 255 + [255]
_NONE = [255] + [0] * 255


def magenta_mask(image):
    """Where the picture is opaque magenta."""
    r, g, b, a = image.convert("RGBA").split()
    out = r.point(_FULL)
    for channel, table in ((g, _NONE), (b, _FULL), (a, _FULL)):
        out = ImageChops.multiply(out, channel.point(table))
    return out


def png(image):
    """PNG bytes; a picture without any transparency is stored without an alpha channel."""
    image = image.convert("RGBA")
    if image.getchannel("A").getextrema()[0] == 255:
        image = image.convert("RGB")
    out = io.BytesIO()
    image.save(out, format="PNG", compress_level=6)
    return out.getvalue()


def icon(image, size):
    out = io.BytesIO()
    # Classic bitmap entries: every reader of icons takes those.
    image.resize((size, size), Image.LANCZOS).save(out, format="ICO", sizes=[(size, size)], bitmap_format="bmp")
    return out.getvalue()
