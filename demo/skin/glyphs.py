"""Line-art symbols for buttons, tabs and headers. Each paints white into a
drawing s times the picture's size, centred on (cx, cy), about 2r across."""
import math


def _pt(s, x, y):
    return (x * s, y * s)


def _line(d, s, points, width):
    d.line([_pt(s, x, y) for x, y in points], fill=255, width=max(1, round(width * s)), joint="curve")
    for x, y in (points[0], points[-1]):
        h = width * s / 2
        d.ellipse((x * s - h, y * s - h, x * s + h, y * s + h), fill=255)


def _rotated(cx, cy, points, angle):
    c, n = math.cos(angle), math.sin(angle)
    return [(cx + x * c - y * n, cy + x * n + y * c) for x, y in points]


def cross(d, s, cx, cy, r, width=1.6):
    _line(d, s, [(cx - r, cy - r), (cx + r, cy + r)], width)
    _line(d, s, [(cx - r, cy + r), (cx + r, cy - r)], width)


def minus(d, s, cx, cy, r, width=1.6):
    _line(d, s, [(cx - r, cy), (cx + r, cy)], width)


def tick(d, s, cx, cy, r, width=2.0):
    _line(d, s, [(cx - r, cy), (cx - r * 0.3, cy + r * 0.7), (cx + r, cy - r * 0.75)], width)


def arrow_down(d, s, cx, cy, r, width=2.0):
    _line(d, s, [(cx, cy - r), (cx, cy + r * 0.8)], width)
    _line(d, s, [(cx - r * 0.7, cy + r * 0.1), (cx, cy + r * 0.8), (cx + r * 0.7, cy + r * 0.1)], width)


def envelope(d, s, cx, cy, r, width=1.4):
    w, h = r, r * 0.7
    d.rounded_rectangle((_pt(s, cx - w, cy - h) + _pt(s, cx + w, cy + h)), radius=1.5 * s, outline=255,
                        width=round(width * s))
    _line(d, s, [(cx - w + 1, cy - h + 1), (cx, cy + h * 0.15), (cx + w - 1, cy - h + 1)], width)


def document(d, s, cx, cy, r, width=1.4):
    w, h = r * 0.75, r
    fold = r * 0.45
    _line(d, s, [(cx + w - fold, cy - h), (cx - w, cy - h), (cx - w, cy + h), (cx + w, cy + h),
                 (cx + w, cy - h + fold), (cx + w - fold, cy - h)], width)
    for i in range(3):
        y = cy - h * 0.15 + i * h * 0.38
        _line(d, s, [(cx - w * 0.5, y), (cx + w * 0.5, y)], width * 0.8)


def play(d, s, cx, cy, r, width=1.4):
    d.ellipse(_pt(s, cx - r, cy - r) + _pt(s, cx + r, cy + r), outline=255, width=round(width * s))
    t = r * 0.45
    d.polygon([_pt(s, cx - t * 0.7, cy - t), _pt(s, cx + t, cy), _pt(s, cx - t * 0.7, cy + t)], fill=255)


def chip(d, s, cx, cy, r, width=1.6):
    body = r * 0.62
    d.rounded_rectangle(_pt(s, cx - body, cy - body) + _pt(s, cx + body, cy + body), radius=2 * s, outline=255,
                        width=round(width * s))
    d.rectangle(_pt(s, cx - body * 0.4, cy - body * 0.4) + _pt(s, cx + body * 0.4, cy + body * 0.4), fill=255)
    for i in (-0.5, 0, 0.5):
        o = i * body * 1.1
        for a, b in (((cx + o, cy - body), (cx + o, cy - r)), ((cx + o, cy + body), (cx + o, cy + r)),
                     ((cx - body, cy + o), (cx - r, cy + o)), ((cx + body, cy + o), (cx + r, cy + o))):
            _line(d, s, [a, b], width * 0.9)


def gear(d, s, cx, cy, r, width=1.6):
    teeth = 8
    for i in range(teeth):
        a = 2 * math.pi * i / teeth
        tooth = _rotated(cx, cy, [(-r * 0.17, -r), (r * 0.17, -r), (r * 0.22, -r * 0.6), (-r * 0.22, -r * 0.6)], a)
        d.polygon([_pt(s, x, y) for x, y in tooth], fill=255)
    d.ellipse(_pt(s, cx - r * 0.72, cy - r * 0.72) + _pt(s, cx + r * 0.72, cy + r * 0.72), fill=255)
    hole = r * 0.3
    d.ellipse(_pt(s, cx - hole, cy - hole) + _pt(s, cx + hole, cy + hole), fill=0)


def book(d, s, cx, cy, r, width=1.5):
    w, h = r, r * 0.78
    _line(d, s, [(cx, cy - h + 2), (cx - w * 0.4, cy - h), (cx - w, cy - h + 1), (cx - w, cy + h - 1),
                 (cx - w * 0.4, cy + h - 2), (cx, cy + h)], width)
    _line(d, s, [(cx, cy - h + 2), (cx + w * 0.4, cy - h), (cx + w, cy - h + 1), (cx + w, cy + h - 1),
                 (cx + w * 0.4, cy + h - 2), (cx, cy + h)], width)
    _line(d, s, [(cx, cy - h + 2), (cx, cy + h)], width)


def star(d, s, cx, cy, r, width=1.5):
    points = []
    for i in range(10):
        a = -math.pi / 2 + math.pi * i / 5
        k = r if i % 2 == 0 else r * 0.45
        points.append(_pt(s, cx + k * math.cos(a), cy + k * math.sin(a)))
    d.polygon(points, fill=255)


def wrench(d, s, cx, cy, r, width=2.2):
    a = math.pi / 4
    head = _rotated(cx, cy, [(0, -r * 0.55)], a)[0]
    tail = _rotated(cx, cy, [(0, r)], a)[0]
    _line(d, s, [head, tail], width * 1.2)
    hr = r * 0.48
    d.ellipse(_pt(s, head[0] - hr, head[1] - hr) + _pt(s, head[0] + hr, head[1] + hr), fill=255)
    jaw = _rotated(head[0], head[1], [(-hr * 0.38, -hr * 1.2), (hr * 0.38, -hr * 1.2), (hr * 0.38, -hr * 0.1),
                                      (-hr * 0.38, -hr * 0.1)], a)
    d.polygon([_pt(s, x, y) for x, y in jaw], fill=0)


def board(d, s, cx, cy, r, width=1.5):
    d.rounded_rectangle(_pt(s, cx - r, cy - r * 0.8) + _pt(s, cx + r, cy + r * 0.8), radius=2 * s, outline=255,
                        width=round(width * s))
    d.rectangle(_pt(s, cx - r * 0.6, cy - r * 0.45) + _pt(s, cx - r * 0.05, cy + r * 0.1), fill=255)
    for i in range(3):
        x = cx + r * (0.2 + i * 0.22)
        _line(d, s, [(x, cy - r * 0.45), (x, cy + r * 0.45)], width * 0.8)
    _line(d, s, [(cx - r * 0.6, cy + r * 0.45), (cx - r * 0.05, cy + r * 0.45)], width * 0.8)


def logo_mark(d, s, cx, cy, r, width=2.4):
    """The vendor's mark: a ring broken by a rising stroke."""
    d.arc(_pt(s, cx - r, cy - r) + _pt(s, cx + r, cy + r), start=-20, end=250, fill=255, width=round(width * s))
    _line(d, s, [(cx - r * 0.35, cy + r * 0.35), (cx + r * 0.95, cy - r * 0.95)], width)


def globe(d, s, cx, cy, r, width=2.0):
    w = round(width * s)
    d.ellipse(_pt(s, cx - r, cy - r) + _pt(s, cx + r, cy + r), outline=255, width=w)
    d.ellipse(_pt(s, cx - r * 0.45, cy - r) + _pt(s, cx + r * 0.45, cy + r), outline=255, width=w)
    _line(d, s, [(cx, cy - r), (cx, cy + r)], width)
    _line(d, s, [(cx - r, cy), (cx + r, cy)], width)
    for k in (-0.55, 0.55):
        half = r * (1 - k * k) ** 0.5
        _line(d, s, [(cx - half, cy + k * r), (cx + half, cy + k * r)], width * 0.8)


def magnifier(d, s, cx, cy, r, width=2.4):
    lens = r * 0.6
    lx, ly = cx - r * 0.25, cy - r * 0.25
    d.ellipse(_pt(s, lx - lens, ly - lens) + _pt(s, lx + lens, ly + lens), outline=255, width=round(width * s))
    _line(d, s, [(lx + lens * 0.72, ly + lens * 0.72), (cx + r, cy + r)], width * 1.4)
