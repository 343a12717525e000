#!/usr/bin/env python3
# Writes the toolbar icons (16 x 16) and the program icon into icons/ as SVG.
# The drawings are simple line art in a few shared colours, so the set looks
# alike; run again after changing a drawing: python3 scripts/make_icons.py
import math
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "icons")

INK = "#30343c"
BLUE = "#1d5fbf"
RED = "#c8322a"
GREEN = "#2a8a3a"
ORANGE = "#d9822b"
PURPLE = "#7a3fb0"
PAPER = "#ffffff"
FACE = "#9cc3f0"


def svg(body, size=16):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
            f'viewBox="0 0 {size} {size}" fill="none" stroke-linecap="round" '
            f'stroke-linejoin="round">\n{body}\n</svg>\n')


def line(x1, y1, x2, y2, c=INK, w=1.2):
    return f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{c}" stroke-width="{w}"/>'


def path(d, c=INK, w=1.2, fill="none"):
    return f'<path d="{d}" stroke="{c}" stroke-width="{w}" fill="{fill}"/>'


def poly(points, c=INK, w=1.2, fill="none", closed=True):
    pts = " ".join(f"{x:.2f},{y:.2f}" for x, y in points)
    tag = "polygon" if closed else "polyline"
    return f'<{tag} points="{pts}" stroke="{c}" stroke-width="{w}" fill="{fill}"/>'


def circle(cx, cy, r, c=INK, w=1.2, fill="none"):
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" stroke="{c}" stroke-width="{w}" fill="{fill}"/>'


def ellipse(cx, cy, rx, ry, c=INK, w=1.2, fill="none"):
    return (f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" stroke="{c}" '
            f'stroke-width="{w}" fill="{fill}"/>')


def rect(x, y, w_, h, c=INK, w=1.0, fill="none", r=0):
    return (f'<rect x="{x}" y="{y}" width="{w_}" height="{h}" rx="{r}" stroke="{c}" '
            f'stroke-width="{w}" fill="{fill}"/>')


def dot(x, y, r=1.3, c=INK):
    return f'<circle cx="{x}" cy="{y}" r="{r}" fill="{c}"/>'


def curve(f, x0, x1, n=24, c=BLUE, w=1.3):
    pts = [(x0 + (x1 - x0) * i / n, f(x0 + (x1 - x0) * i / n)) for i in range(n + 1)]
    return poly(pts, c, w, closed=False)


def polar(r, cx, cy, n=72, c=BLUE, w=1.1, turns=1.0):
    pts = []
    for i in range(n + 1):
        a = 2 * math.pi * turns * i / n
        rr = r(a)
        pts.append((cx + rr * math.cos(a), cy - rr * math.sin(a)))
    return poly(pts, c, w, closed=False)


def axes(c=INK):
    return line(1.5, 8, 14.5, 8, c, 0.8) + line(8, 1.5, 8, 14.5, c, 0.8)


def page(fold=True):
    return path("M3 1.5h7l3 3v10H3z", INK, 1.0, PAPER) + (path("M10 1.5v3h3", INK, 0.8) if fold else "")


def play_badge():
    # A small "plays" mark in the lower right corner of the animation commands.
    return poly([(10.5, 10), (15, 12.5), (10.5, 15)], GREEN, 0.8, GREEN)


def surface(c=BLUE, y0=6.0):
    body = ""
    for k in range(3):
        y = y0 + 3 * k
        body += curve(lambda x, y=y: y + 1.6 * math.sin((x - 1) * 0.9), 1, 14, 16, c, 0.9)
    return body + line(1, y0 + 1.6 * math.sin(0), 1, y0 + 6, c, 0.7)


def arrow(x1, y1, x2, y2, c=INK, w=1.3, head=3.0):
    a = math.atan2(y2 - y1, x2 - x1)
    h1 = (x2 - head * math.cos(a - 0.45), y2 - head * math.sin(a - 0.45))
    h2 = (x2 - head * math.cos(a + 0.45), y2 - head * math.sin(a + 0.45))
    return line(x1, y1, x2, y2, c, w) + poly([(x2, y2), h1, h2], c, 0.8, c)


def arc_arrow(cx, cy, r, a0, a1, c=INK, w=1.3):
    pts = [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / 20)),
            cy - r * math.sin(math.radians(a0 + (a1 - a0) * i / 20))) for i in range(21)]
    x2, y2 = pts[-1]
    px, py = pts[-3]
    return poly(pts, c, w, closed=False) + arrow(px, py, x2, y2, c, w, 3.2)


def tri(points, fill):
    return poly(points, INK, 0.6, fill)


def prism(top_y=3.5, bottom_y=12.5, apex=None, top_scale=1.0):
    # A hexagonal base seen from the side, as a prism, pyramid or frustum.
    base = [(2, bottom_y), (5, bottom_y + 1.8), (11, bottom_y + 1.8), (14, bottom_y),
            (11, bottom_y - 1.6), (5, bottom_y - 1.6)]
    body = poly(base, INK, 0.9, FACE)
    if apex:
        for x, y in base[:4]:
            body += line(x, y, apex[0], apex[1], INK, 0.9)
        return body
    cx = 8
    top = [(cx + (x - cx) * top_scale, y - (bottom_y - top_y)) for x, y in base]
    for (x, y), (tx, ty) in list(zip(base, top))[:4]:
        body += line(x, y, tx, ty, INK, 0.9)
    return body + poly(top, INK, 0.9, PAPER)


def round_solid(top_rx, bottom_rx, sphere=False):
    if sphere:
        return (circle(8, 8, 6.2, INK, 0.9, FACE) + ellipse(8, 8, 6.2, 2.0, INK, 0.7)
                + path("M5.5 4.5a3 3 0 0 1 3-1.5", PAPER, 1.0))
    body = path(f"M{8 - bottom_rx} 12.5 L{8 - top_rx} 3.5 M{8 + bottom_rx} 12.5 L{8 + top_rx} 3.5",
                INK, 0.9)
    body += ellipse(8, 12.5, bottom_rx, 1.8, INK, 0.9, FACE)
    if top_rx > 0:
        body += ellipse(8, 3.5, top_rx, 1.4, INK, 0.9, PAPER)
    return body


def magnifier(extra=""):
    return circle(6.5, 6.5, 4.2, INK, 1.3, PAPER) + line(9.6, 9.6, 14, 14, INK, 2.0) + extra


ICONS = {
    # ---- Toolbar1 ----
    "new2d": page() + line(4.5, 11, 11.5, 11, INK, 0.7) + line(6, 4.5, 6, 13, INK, 0.7)
    + curve(lambda x: 9 - 2 * math.sin((x - 4.5) * 0.9), 4.5, 11.5, 12, BLUE, 1.1),
    "new25d": page() + curve(lambda x: 7 + 1.5 * math.sin((x - 4) * 1.1), 4, 12, 12, BLUE, 0.9)
    + curve(lambda x: 10 + 1.5 * math.sin((x - 4) * 1.1), 4, 12, 12, BLUE, 0.9)
    + line(4, 7, 4, 10, BLUE, 0.8) + line(12, 7 + 1.5 * math.sin(8.8), 12, 10 + 1.5 * math.sin(8.8), BLUE, 0.8),
    "new3d": page() + poly([(5, 7), (8, 5.5), (11, 7), (11, 11), (8, 12.5), (5, 11)], INK, 0.8, FACE)
    + line(5, 7, 8, 8.5, INK, 0.8) + line(11, 7, 8, 8.5, INK, 0.8) + line(8, 8.5, 8, 12.5, INK, 0.8),
    "open": path("M1.5 4h4l1.5 1.5h6.5v8H1.5z", INK, 1.0, "#f2d27a")
    + path("M1.5 13.5l2.5-6h11l-2.5 6z", INK, 1.0, "#f7e2a0"),
    "save": rect(2, 2, 12, 12, INK, 1.0, BLUE, 1) + rect(4.5, 2, 7, 4.5, INK, 0.8, PAPER)
    + rect(4, 9, 8, 5, INK, 0.8, PAPER) + line(9.5, 3, 9.5, 5.5, INK, 1.0),
    "saveas": rect(1.5, 3, 10, 10, INK, 1.0, BLUE, 1) + rect(3.5, 3, 6, 3.5, INK, 0.8, PAPER)
    + rect(3, 9, 7, 4, INK, 0.8, PAPER) + path("M9 12.5l5-5 1.5 1.5-5 5H9z", INK, 0.8, ORANGE),
    "print": rect(4, 1.5, 8, 5, INK, 1.0, PAPER) + rect(1.5, 6, 13, 6, INK, 1.0, "#b8bec8", 1)
    + rect(4, 10, 8, 4.5, INK, 1.0, PAPER) + dot(12.5, 8, 0.7, GREEN),
    "cut": circle(4.5, 12, 2.2, INK, 1.2) + circle(11.5, 12, 2.2, INK, 1.2)
    + line(5.8, 10.2, 11, 1.5, INK, 1.2) + line(10.2, 10.2, 5, 1.5, INK, 1.2),
    "copy": rect(1.5, 1.5, 8, 10, INK, 1.0, PAPER) + rect(6.5, 4.5, 8, 10, INK, 1.0, PAPER)
    + line(8.5, 8, 12.5, 8, INK, 0.7) + line(8.5, 10.5, 12.5, 10.5, INK, 0.7),
    "copyas": rect(1.5, 1.5, 8, 10, INK, 1.0, PAPER) + rect(6.5, 4.5, 8, 10, INK, 1.0, "#d8ecff")
    + poly([(7, 14), (9.5, 9.5), (11.5, 12), (12.5, 10.5), (14, 14)], GREEN, 0.6, GREEN)
    + dot(12, 7, 1.0, ORANGE),
    "paste": rect(2.5, 2.5, 11, 12, INK, 1.0, "#c89b5a", 1) + rect(5.5, 1.5, 5, 2.5, INK, 0.8, "#b8bec8")
    + rect(5, 5.5, 7, 7.5, INK, 0.8, PAPER),
    "delete": line(3.5, 3.5, 12.5, 12.5, RED, 2.4) + line(12.5, 3.5, 3.5, 12.5, RED, 2.4),
    "help": circle(8, 8, 6.5, BLUE, 1.0, BLUE)
    + path("M5.8 6.2a2.2 2.2 0 1 1 3.3 1.9c-0.8 0.5-1.1 0.9-1.1 1.9", PAPER, 1.5) + dot(8, 12, 0.9, PAPER),
    "animpoints": path("M2 13c2-8 8-11 12-10", INK, 0.8) + dot(2, 13, 1.1, INK) + dot(5.5, 6.5, 1.1, INK)
    + dot(10, 3.5, 1.6, RED) + play_badge(),
    "anim2dcart": axes() + curve(lambda x: 8 - 4 * math.sin((x - 1.5) * 0.7), 1.5, 10, 14, BLUE, 1.2)
    + play_badge(),
    "anim2dpolar": polar(lambda a: 4.8 * abs(math.cos(2 * a)), 7, 7, 96, BLUE, 1.0) + play_badge(),
    "anim25dcart": surface(BLUE, 3.5) + play_badge(),
    "anim25dpolar": ellipse(7, 8, 6, 3, BLUE, 1.0, FACE) + ellipse(7, 6.5, 3, 1.4, BLUE, 0.8)
    + line(7, 2, 7, 6.5, BLUE, 0.8) + play_badge(),
    "animstart": tri([(4, 2.5), (13, 8), (4, 13.5)], GREEN),
    "animpause": rect(3.5, 2.5, 3, 11, INK, 0.6, BLUE) + rect(9.5, 2.5, 3, 11, INK, 0.6, BLUE),
    "animstop": rect(3, 3, 10, 10, INK, 0.6, RED),
    "animfirst": rect(2.5, 3, 2, 10, INK, 0.6, BLUE) + tri([(13, 3), (5.5, 8), (13, 13)], BLUE),
    "animpre": tri([(11, 3), (4, 8), (11, 13)], BLUE),
    "animnext": tri([(5, 3), (12, 8), (5, 13)], BLUE),
    "animlast": tri([(3, 3), (10.5, 8), (3, 13)], BLUE) + rect(11.5, 3, 2, 10, INK, 0.6, BLUE),
    "animnormal": arrow(2, 8, 14, 8, GREEN, 1.8, 4.5),
    "animrev": arrow(14, 8, 2, 8, ORANGE, 1.8, 4.5),
    "animnormalrepeat": arc_arrow(8, 8, 5.5, 150, -170, GREEN, 1.6),
    "animrevrepeat": arrow(2.5, 5, 13.5, 5, GREEN, 1.5, 3.5) + arrow(13.5, 11, 2.5, 11, ORANGE, 1.5, 3.5),
    # ---- Toolbar2 ----
    "points": dot(4, 11, 1.7, RED) + dot(8, 5, 1.7, BLUE) + dot(12.5, 9.5, 1.7, GREEN),
    "fun2dcart": axes() + curve(lambda x: 8 - 4.5 * math.sin((x - 1.5) * 0.6), 1.5, 14.5, 20, BLUE),
    "fun2dpolar": axes() + polar(lambda a: 5.8 * abs(math.cos(2 * a)), 8, 8, 120, RED, 1.1),
    "fun25dcart": surface(BLUE, 4.0),
    "fun25dpolar": ellipse(8, 9.5, 6.5, 3.2, BLUE, 1.0, FACE) + ellipse(8, 8, 3.3, 1.5, BLUE, 0.8)
    + path("M4.7 8.5Q8 1 11.3 8.5", BLUE, 0.9),
    "inter": curve(lambda x: 13 - 0.12 * (x - 2) ** 2 * 1.2, 1.5, 14.5, 16, BLUE)
    + curve(lambda x: 14 - x * 0.8, 1.5, 14.5, 4, GREEN) + dot(5.1, 10.9, 1.5, RED) + dot(12.2, 4.4, 1.5, RED),
    "vec2d": arrow(2.5, 13.5, 13, 3, BLUE, 1.6, 4.0) + dot(2.5, 13.5, 1.2, INK),
    "vecop": arrow(2, 13.5, 12, 11, BLUE, 1.2, 3.0) + arrow(2, 13.5, 5, 4, GREEN, 1.2, 3.0)
    + arrow(2, 13.5, 14, 2.5, RED, 1.4, 3.4) + line(5, 4, 14, 2.5, INK, 0.5) + line(12, 11, 14, 2.5, INK, 0.5),
    "line": axes() + line(1.5, 13, 14.5, 3, BLUE, 1.5),
    "circle": axes() + circle(8, 8, 5, BLUE, 1.4),
    "ellipse": axes() + ellipse(8, 8, 6.5, 3.8, BLUE, 1.4),
    "hyper": axes() + path("M2 2Q6.5 8 2 14 M14 2Q9.5 8 14 14", BLUE, 1.4),
    "para": axes() + path("M2.5 2Q8 20 13.5 2", BLUE, 1.4),
    "dengcha": axes() + "".join(dot(2.5 + 2.2 * i, 12.5 - 1.8 * i, 1.2, RED) for i in range(6)),
    "dengbi": axes() + "".join(dot(2.5 + 2.2 * i, 13 - 0.35 * 1.85 ** i, 1.2, RED) for i in range(6)),
    "spaceline": line(3, 13, 3, 5, INK, 0.7) + line(3, 13, 13, 13, INK, 0.7) + line(3, 13, 8.5, 9.5, INK, 0.7)
    + line(2, 10, 14, 3.5, BLUE, 1.6),
    "prism": prism(),
    "pyramid": prism(apex=(8, 2)),
    "pyramidfrustum": prism(top_y=4.5, top_scale=0.45),
    "cylinder": round_solid(5.5, 5.5),
    "cone": round_solid(0.01, 5.5) + dot(8, 3.5, 0.5, INK),
    "conefrustum": round_solid(2.5, 5.5),
    "sphere": round_solid(0, 0, sphere=True),
    "coord": arrow(2.5, 13.5, 14, 13.5, RED, 1.1, 3.0) + arrow(2.5, 13.5, 2.5, 2, GREEN, 1.1, 3.0)
    + arrow(2.5, 13.5, 9.5, 6.5, BLUE, 1.1, 3.0),
    "light": circle(8, 6.5, 4.5, INK, 1.0, "#ffe066") + rect(5.8, 11, 4.4, 3.5, INK, 0.9, "#b8bec8")
    + line(6.5, 6.5, 9.5, 6.5, ORANGE, 0.8),
    "iso": poly([(8, 1.5), (14, 5), (14, 11), (8, 14.5), (2, 11), (2, 5)], INK, 0.9, FACE)
    + line(2, 5, 8, 8.5, INK, 0.9) + line(14, 5, 8, 8.5, INK, 0.9) + line(8, 8.5, 8, 14.5, INK, 0.9),
    "move": arrow(8, 8, 8, 1.5, INK, 1.2, 3.0) + arrow(8, 8, 8, 14.5, INK, 1.2, 3.0)
    + arrow(8, 8, 1.5, 8, INK, 1.2, 3.0) + arrow(8, 8, 14.5, 8, INK, 1.2, 3.0),
    "zoom": magnifier(line(4.5, 6.5, 8.5, 6.5, BLUE, 1.2) + line(6.5, 4.5, 6.5, 8.5, BLUE, 1.2)),
    "zoomall": magnifier(rect(4.3, 4.3, 4.4, 4.4, BLUE, 1.0)),
    "rotx": line(1.5, 8, 14.5, 8, RED, 1.0) + arc_arrow(8, 8, 5, 110, -200, INK, 1.2),
    "roty": line(8, 1.5, 8, 14.5, GREEN, 1.0) + arc_arrow(8, 8, 5, 20, 320, INK, 1.2),
    "rotz": dot(8, 8, 1.6, BLUE) + arc_arrow(8, 8, 5.5, 90, 390, INK, 1.2),
    "rot": circle(8, 8, 6, INK, 1.0, FACE) + ellipse(8, 8, 6, 2.2, INK, 0.7) + ellipse(8, 8, 2.2, 6, INK, 0.7)
    + arc_arrow(8, 8, 7.2, 200, 120, RED, 1.0),
}


def program_icon():
    # 64 x 64: a sheet with axes, a curve and a point on it.
    body = rect(3, 3, 58, 58, BLUE, 2.5, PAPER, 10)
    body += line(9, 38, 55, 38, INK, 2.0) + line(20, 54, 20, 9, INK, 2.0)
    pts = [(9 + 46 * i / 60, 38 - 20 * math.sin(i / 60 * 2.4 * math.pi) * math.exp(-i / 90))
           for i in range(61)]
    body += poly(pts, RED, 3.2, closed=False)
    return svg(body + dot(20 + 0, 38, 3.0, BLUE), 64)


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, body in ICONS.items():
        with open(os.path.join(OUT, f"{name}.svg"), "w", encoding="utf-8") as f:
            f.write(svg(body))
    with open(os.path.join(OUT, "curvarium.svg"), "w", encoding="utf-8") as f:
        f.write(program_icon())


if __name__ == "__main__":
    main()
