#!/usr/bin/env python3
"""Writes the story backgrounds (bgNNN.svg and their y/n variants) beside this script.

Each place is one drawing, 640x480; the evening ("y") and night ("n")
versions reuse it unchanged and only change the light: the sky seen through
windows, a tint over the room, and the lamps that are on.  That keeps the
layout of every variant identical to the day picture.

The SVGs it writes are committed; the data build reads them and never runs
this script.  Run it again after editing: python3 make_backgrounds.py
"""

import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))


def rect(x, y, w, h, fill, extra=""):
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{fill}" {extra}/>'


def outline(x, y, w, h, fill, line="#5A4636", sw=2, extra=""):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{fill}" stroke="{line}" '
            f'stroke-width="{sw}" {extra}/>')


# Light ------------------------------------------------------------------------

SKIES = {
    "day": ("#7EC4EC", "#CDEBF7"),
    "y": ("#5B4B8A", "#F59A5E"),
    "n": ("#0E1430", "#24305A"),
}

TINT = {
    "day": "",
    "y": '<rect width="640" height="480" fill="#FF8A3D" opacity="0.16"/>',
    "n": '<rect width="640" height="480" fill="#101A44" opacity="0.52"/>',
}


def sky_defs(time):
    top, bottom = SKIES[time]
    return (f'<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
            f'</linearGradient>'
            '<radialGradient id="glow" cx="0.5" cy="0.5" r="0.5">'
            '<stop offset="0" stop-color="#FFF0C0" stop-opacity="0.85"/>'
            '<stop offset="1" stop-color="#FFF0C0" stop-opacity="0"/></radialGradient>'
            '<radialGradient id="coolglow" cx="0.5" cy="0.5" r="0.5">'
            '<stop offset="0" stop-color="#F4FAFF" stop-opacity="0.8"/>'
            '<stop offset="1" stop-color="#F4FAFF" stop-opacity="0"/></radialGradient>')


def sky(x, y, w, h, time, town=True):
    """What a window shows: the sky and, below it, the roofs across the street."""
    out = [rect(x, y, w, h, "url(#sky)")]
    if time == "day":
        out.append(f'<ellipse cx="{x + w * 0.3}" cy="{y + h * 0.3}" rx="{w * 0.18}" ry="{h * 0.06}" fill="#FFFFFF" opacity="0.9"/>')
        out.append(f'<ellipse cx="{x + w * 0.7}" cy="{y + h * 0.2}" rx="{w * 0.12}" ry="{h * 0.05}" fill="#FFFFFF" opacity="0.8"/>')
    elif time == "y":
        out.append(f'<circle cx="{x + w * 0.72}" cy="{y + h * 0.62}" r="{h * 0.12}" fill="#FFD79A"/>')
    else:
        for i, (fx, fy) in enumerate(((0.15, 0.15), (0.4, 0.3), (0.62, 0.12), (0.85, 0.25), (0.3, 0.5))):
            out.append(f'<circle cx="{x + w * fx:.1f}" cy="{y + h * fy:.1f}" r="{1.2 + (i % 2) * 0.6}" fill="#FFF6E0"/>')
    if town:
        roof = {"day": "#8C9AAE", "y": "#6A4D6E", "n": "#1A1F38"}[time]
        lit = {"day": "#B9C7D6", "y": "#FFC870", "n": "#FFD36E"}[time]
        base = y + h * 0.68
        out.append(f'<path d="M{x} {base} h{w * 0.25} v-{h * 0.1} h{w * 0.2} v{h * 0.05} h{w * 0.3} '
                   f'v-{h * 0.14} h{w * 0.25} V{y + h} H{x} Z" fill="{roof}"/>')
        for fx in (0.08, 0.3, 0.56, 0.82):
            out.append(rect(f"{x + w * fx:.1f}", f"{base + h * 0.08:.1f}", f"{w * 0.08:.1f}",
                            f"{h * 0.07:.1f}", lit))
    return "".join(out)


def lamps(time, spots, cool=()):
    """Glows drawn over the tint: warm lamps in the evening and at night."""
    if time == "day":
        return ""
    out = []
    for cx, cy, r in spots:
        out.append(f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#glow)"/>')
    if time == "n":
        for cx, cy, r in cool:
            out.append(f'<ellipse cx="{cx}" cy="{cy}" rx="{r}" ry="{r * 0.6}" fill="url(#coolglow)"/>')
    return "".join(out)


# Shapes and light for the places drawn since ---------------------------------------
#
# A place builds two lists: `out`, the picture by day, and `late`, things drawn
# over the evening/night tint so that they stay bright (lit windows, lamp heads,
# lanterns, the night sky seen through glass).

GLASS = {"day": "#A9C4D8", "y": "#D99A82", "n": "#28304E"}
LIT = {"day": "#A9C4D8", "y": "#FFD27A", "n": "#FFD98A"}


def poly(points, fill, line="#5A4636", sw=2, extra=""):
    d = "M" + " L".join(f"{x:.1f} {y:.1f}" for x, y in points) + " Z"
    return (f'<path d="{d}" fill="{fill}" stroke="{line}" stroke-width="{sw}" '
            f'stroke-linejoin="round" {extra}/>')


def stroke(d, colour, sw=2, extra="", cap="round"):
    return (f'<path d="{d}" fill="none" stroke="{colour}" stroke-width="{sw}" '
            f'stroke-linecap="{cap}" stroke-linejoin="round" {extra}/>')


def oval(cx, cy, rx, ry, fill, line=None, sw=2, extra=""):
    edge = f' stroke="{line}" stroke-width="{sw}"' if line else ""
    return f'<ellipse cx="{cx:.1f}" cy="{cy:.1f}" rx="{rx:.1f}" ry="{ry:.1f}" fill="{fill}"{edge} {extra}/>'


def glow(cx, cy, r, cool=False):
    return f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="{r}" fill="url(#{"coolglow" if cool else "glow"})"/>'


TINT_FILL = {"y": ("#FF8A3D", 0.16), "n": ("#101A44", 0.52)}


def tint_filter(time):
    """The tint as a filter, so that a layer is tinted only where it is drawn."""
    colour, opacity = TINT_FILL[time]
    return (f'<filter id="tint" x="0" y="0" width="640" height="480" filterUnits="userSpaceOnUse" color-interpolation-filters="sRGB">'
            f'<feFlood flood-color="{colour}" flood-opacity="{opacity}"/>'
            f'<feComposite in2="SourceGraphic" operator="atop"/></filter>')


def dusk(parts, time, late=()):
    """One layer of a picture: tinted for the time of day, then what stays bright through it.

    Drawing a place as several layers keeps a lit window of the back layer from
    shining through a tree or a pole in front of it."""
    if time == "day":
        return "".join(parts)
    return f'<g filter="url(#tint)">{"".join(parts)}</g>' + "".join(late)


def finish(out, time, late, warm=(), cool=()):
    """The last layer, then the lamp glows over everything."""
    return dusk(out, time, late) + lamps(time, warm, cool)


def pane(x, y, w, h, time, lit, late, frame="#55505A", day=None):
    """A window seen from outside: glass by day, a lit or dark pane after dusk."""
    glass = day if (day and time == "day") else GLASS[time]
    out = outline(x, y, w, h, glass, frame, 1.5)
    if lit and time != "day":
        lit_pane = outline(x, y, w, h, LIT[time], frame, 1.5)
        if time == "n":
            late.append(lit_pane)
        else:
            out = lit_pane
    return out


def window(x, y, w, h, time, late, frame="#6E5A48", line="#4E3F33", cols=2, rows=1, town=True, view=None):
    """A window seen from inside onto the sky (or `view`); at night the glass is drawn over the tint."""
    glass = [(view or sky)(x + 8, y + 8, w - 16, h - 16, time, town)]
    for i in range(1, cols):
        glass.append(stroke(f"M{x + w * i / cols:.1f} {y + 8} V{y + h - 8}", frame, 6, cap="butt"))
    for j in range(1, rows):
        glass.append(stroke(f"M{x + 8} {y + h * j / rows:.1f} H{x + w - 8}", frame, 6, cap="butt"))
    if time == "n":
        late.append("".join(glass))
    return outline(x, y, w, h, frame, line, 2) + "".join(glass)


def stars(x, y, w, h, count, seed):
    rng = random.Random(seed)
    return "".join(f'<circle cx="{x + rng.random() * w:.1f}" cy="{y + rng.random() * h:.1f}" '
                   f'r="{0.8 + rng.random() * 1.1:.1f}" fill="#FFF6E0"/>' for _ in range(count))


def moon(cx, cy, r):
    return glow(cx, cy, r * 4) + oval(cx, cy, r, r, "#FFF4D0")


def open_sky(h, time, seed=1):
    """A whole sky above a street or a roof: gradient, clouds or sun; stars and moon come late."""
    out = [rect(0, 0, 640, h, "url(#sky)")]
    if time == "day":
        for cx, cy, rx in ((120, h * 0.22, 70), (200, h * 0.3, 44), (470, h * 0.16, 80), (560, h * 0.26, 40)):
            out.append(oval(cx, cy, rx, rx * 0.28, "#FFFFFF", extra='opacity="0.85"'))
    elif time == "y":
        out.append(glow(470, h * 0.8, 140) + oval(470, h * 0.8, 34, 34, "#FFD79A"))
        for cx, cy, rx in ((140, h * 0.3, 90), (360, h * 0.18, 70)):
            out.append(oval(cx, cy, rx, rx * 0.16, "#F7B48A", extra='opacity="0.8"'))
    return "".join(out)


def night_sky(time, late, region, seed=1, moon_at=None):
    """Stars (and the moon) over the tint, only inside `region` (x, y, w, h), the open sky."""
    if time == "n":
        x, y, w, h = region
        late.append(stars(x, y, w, h, max(6, int(w * h / 2400)), seed))
        if moon_at:
            late.append(moon(moon_at[0], moon_at[1], 16))


def tree(x, ground, h, r, leaf="#5E8C3A", trunk="#6B4A33", seed=0):
    """A round summer tree: a trunk and a crown of overlapping leaf clumps."""
    rng = random.Random(seed)
    out = [rect(x - r * 0.12, ground - h, r * 0.24, h, trunk)]
    top = ground - h
    for i in range(7):
        dx, dy = (rng.random() - 0.5) * r * 1.3, (rng.random() - 0.6) * r * 0.9
        rr = r * (0.5 + rng.random() * 0.3)
        shade = leaf if i % 3 else dark_leaf(leaf)
        out.append(oval(x + dx, top + dy, rr, rr * 0.85, shade, dark_leaf(leaf, 0.6), 1.5))
    return "".join(out)


def dark_leaf(hex_colour, f=0.8):
    r, g, b = (int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))
    return "#%02X%02X%02X" % (int(r * f), int(g * f), int(b * f))


def street_lamp(x, ground, h, time, late, arm=1):
    """A street lamp on a pole; after dusk its head shines over the tint."""
    head = (x + 22 * arm, ground - h + 8)
    out = (rect(x - 3, ground - h, 6, h, "#5E646A")
           + stroke(f"M{x} {ground - h + 2} q{12 * arm} -8 {22 * arm} 2", "#5E646A", 4)
           + oval(head[0], head[1], 10, 5, "#D8DDE2", "#5E646A", 1.5))
    if time != "day":
        late.append(glow(head[0], head[1] + 4, 70) + oval(head[0], head[1], 10, 5, "#FFF6D8"))
    return out


def utility_pole(x, top, ground, wires=()):
    """A concrete pole with a cross-arm and wires running to the given points."""
    out = [rect(x - 6, top, 12, ground - top, "#9A968E"), rect(x - 34, top + 18, 68, 6, "#6E6A64")]
    out.append(f'<rect x="{x + 8}" y="{top + 40}" width="18" height="26" rx="6" fill="#8A8E92" stroke="#55585C" stroke-width="1.5"/>')
    for tx, ty in wires:
        for dx in (-30, 30):
            mid_x, mid_y = (x + dx + tx) / 2, (top + 20 + ty) / 2 + 18
            out.append(stroke(f"M{x + dx} {top + 20} Q{mid_x:.0f} {mid_y:.0f} {tx} {ty}", "#3A3A3E", 1.2))
    return "".join(out)


def proj(X, Y, Z, vx=320, vy=230, f=300, eye=1.5):
    """Perspective for the street and corridor views: metres to pixels."""
    return (vx + X * f / Z, vy - (Y - eye) * f / Z)


def quad(corners, fill, line="#4E4A46", sw=1.5, **view):
    return poly([proj(*c, **view) for c in corners], fill, line, sw)


# Furniture shared by the studio rooms ------------------------------------------

def desk(x, y, w, top="#B98E62", body="#9C7550"):
    return (outline(x, y, w, 14, top)
            + outline(x + 6, y + 14, w * 0.34, 480 - y - 14, body)
            + f'<path d="M{x + 12} {y + 50} h{w * 0.34 - 12} M{x + 12} {y + 90} h{w * 0.34 - 12}" '
              f'stroke="#6E5238" stroke-width="2"/>'
            + rect(x + w - 12, y + 14, 6, 480 - y - 14, "#6E5238"))


def light_table(x, y, w, lit):
    glass = "#F6FBFF" if lit else "#E6EEF2"
    return (f'<path d="M{x} {y} L{x + w} {y} L{x + w - 12} {y - 56} L{x + 12} {y - 56} Z" '
            f'fill="#7C6A5A" stroke="#4E3F33" stroke-width="2"/>'
            f'<path d="M{x + 10} {y - 6} L{x + w - 10} {y - 6} L{x + w - 20} {y - 50} L{x + 20} {y - 50} Z" '
            f'fill="{glass}"/>'
            # a sheet of paper with a pencil drawing and a cel over it
            f'<path d="M{x + 30} {y - 12} L{x + w - 34} {y - 12} L{x + w - 40} {y - 44} L{x + 36} {y - 44} Z" '
            f'fill="#FFFFFF" stroke="#B9B2A6" stroke-width="1"/>'
            f'<path d="M{x + w * 0.4} {y - 20} q10 -22 22 -4 q8 10 -6 12" fill="none" stroke="#8A8A8A" stroke-width="1.5"/>'
            f'<circle cx="{x + w * 0.5}" cy="{y - 42}" r="3" fill="#9A9A9A"/>'
            f'<circle cx="{x + w * 0.42}" cy="{y - 42}" r="2" fill="#9A9A9A"/>'
            f'<circle cx="{x + w * 0.58}" cy="{y - 42}" r="2" fill="#9A9A9A"/>')


def cut_bags(x, y):
    return (outline(x, y - 30, 52, 30, "#D2B07A", "#8A6B3F", 1.5, 'transform="rotate(-4 %d %d)"' % (x, y))
            + outline(x + 4, y - 44, 52, 30, "#C9A46C", "#8A6B3F", 1.5)
            + rect(x + 12, y - 38, 22, 6, "#FFFFFF"))


def chair(x, y, colour):
    return (f'<rect x="{x}" y="{y}" width="70" height="64" rx="14" fill="{colour}" stroke="#2E2A33" stroke-width="2"/>'
            + rect(x + 31, y + 64, 8, 480 - y - 64, "#3A3640"))


def storyboard(x, y):
    out = [outline(x, y, 40, 74, "#FFFFFF", "#A59C8E", 1)]
    for i in range(3):
        out.append(outline(x + 5, y + 5 + i * 22, 22, 16, "#FFFFFF", "#6E6E6E", 1))
        out.append(f'<path d="M{x + 8} {y + 17 + i * 22} q6 -8 {10 + i * 2} -2" fill="none" stroke="#7A7A7A" stroke-width="1"/>')
        out.append(f'<path d="M{x + 30} {y + 9 + i * 22} h6 M{x + 30} {y + 13 + i * 22} h5" stroke="#AAAAAA" stroke-width="1"/>')
    out.append(f'<circle cx="{x + 20}" cy="{y + 2}" r="2.5" fill="#D9534F"/>')
    return "".join(out)


# Places ---------------------------------------------------------------------------

def office(time):
    """bg034: the office, the hub."""
    wall, floor = "#EFE4CC", "#B8976F"
    out = [rect(0, 0, 640, 480, wall), rect(0, 300, 640, 180, floor),
           rect(0, 296, 640, 8, "#8E7256"), rect(0, 0, 640, 18, "#D9CBAE")]
    # ceiling lights
    for x in (120, 320, 520):
        out.append(outline(x - 60, 18, 120, 8, "#FFFFFF", "#B5AA95", 1))
    # the window, left
    out.append(outline(28, 54, 176, 176, "#6E5A48", "#4E3F33", 2))
    out.append(sky(38, 64, 156, 156, time))
    out.append('<path d="M116 64 V220 M38 142 H194" stroke="#6E5A48" stroke-width="6"/>')
    out.append(outline(20, 228, 192, 10, "#CDBA9A", "#6E5A48", 2))
    # the president's late husband's photo and a calendar
    out.append(outline(226, 70, 30, 38, "#2E2A2A", "#1C1A1A", 2))
    out.append(rect(231, 75, 20, 28, "#D8CDB8"))
    out.append('<circle cx="241" cy="85" r="5" fill="#7D6A58"/><path d="M233 103 q8 -12 16 0 Z" fill="#7D6A58"/>')
    out.append(outline(222, 130, 38, 50, "#FFFFFF", "#A59C8E", 1))
    out.append(rect(222, 130, 38, 10, "#D9534F"))
    for r in range(4):
        for c in range(5):
            out.append(rect(226 + c * 7, 146 + r * 8, 4, 4, "#C4BBAA"))
    # whiteboard schedule
    out.append(outline(276, 46, 206, 150, "#FBFCFD", "#9AA2AA", 4))
    for i in range(1, 7):
        out.append(f'<path d="M{276 + i * 29.4:.1f} 52 V190" stroke="#D0D6DC" stroke-width="1"/>')
    for j in range(1, 6):
        out.append(f'<path d="M280 {46 + j * 25} H478" stroke="#D0D6DC" stroke-width="1"/>')
    bars = ((0, 0, 3, "#D9534F"), (1, 1, 4, "#337AB7"), (2, 2, 3, "#5CB85C"), (3, 1, 5, "#F0AD4E"),
            (4, 4, 3, "#8E6CC4"))
    for row, start, length, colour in bars:
        out.append(f'<rect x="{282 + start * 29.4:.1f}" y="{54 + row * 25}" width="{length * 29.4 - 8:.1f}" '
                   f'height="10" rx="5" fill="{colour}" opacity="0.85"/>')
    for x, y, c in ((300, 60, "#D9534F"), (420, 84, "#337AB7"), (362, 160, "#F0AD4E")):
        out.append(f'<circle cx="{x}" cy="{y}" r="5" fill="{c}" stroke="#555" stroke-width="1"/>')
    out.append('<path d="M456 60 l-12 12 M456 60 l-6 2 M456 60 l-2 6" stroke="#D9534F" stroke-width="2"/>')
    out.append(outline(300, 196, 160, 6, "#B4BCC4", "#7F8891", 1))
    # storyboards pinned on the wall, right
    out.append(outline(498, 44, 128, 196, "#C9A77C", "#8A6B3F", 2))
    for i, (x, y) in enumerate(((506, 52), (550, 56), (590, 50), (508, 150), (552, 156))):
        out.append(storyboard(x, y))
    # cel rack on the right wall
    out.append(outline(560, 238, 60, 60, "#9A8878", "#5A4636", 2))
    for i in range(5):
        out.append(f'<rect x="{566 + i * 10}" y="242" width="6" height="52" fill="#E7F3FA" opacity="0.9" stroke="#8AA6B8" stroke-width="1"/>')
    # desks with light tables
    out.append(desk(30, 330, 270))
    out.append(light_table(150, 330, 130, time != "day"))
    out.append(cut_bags(44, 330))
    out.append(desk(340, 330, 270))
    out.append(light_table(460, 330, 130, time != "day"))
    # the black phone and a mug on the right desk
    out.append('<path d="M356 330 l6 -18 h48 l6 18 Z" fill="#1E1C1E" stroke="#000" stroke-width="1.5"/>')
    out.append('<rect x="360" y="300" width="52" height="12" rx="6" fill="#1E1C1E"/>')
    out.append('<circle cx="386" cy="320" r="6" fill="#3C3A3C" stroke="#555" stroke-width="1"/>')
    out.append(outline(426, 310, 16, 20, "#F4F1EA", "#8E8676", 1.5))
    # a hanging cel held up to the light, and chairs
    out.append(chair(110, 360, "#3F5C7A"))
    out.append(chair(420, 360, "#7A3F4A"))
    # desk lamps
    for x in (276, 586):
        out.append(f'<path d="M{x} 330 v-6 h-12 v6 Z" fill="#444"/>'
                   f'<path d="M{x - 6} 324 L{x - 24} 270" stroke="#444" stroke-width="4"/>'
                   f'<path d="M{x - 40} 276 L{x - 10} 262 L{x - 16} 252 Z" fill="#4A7A5A" stroke="#2A4A33" stroke-width="1.5"/>')
    # window light on the floor by day and evening
    beam = {"day": ('#FFFFFF', 0.18), "y": ('#FFB066', 0.35), "n": None}[time]
    if beam:
        out.append(f'<path d="M38 304 L194 304 L262 420 L60 420 Z" fill="{beam[0]}" opacity="{beam[1]}"/>')
    out.append(TINT[time])
    out.append(lamps(time, ((246, 300, 90), (556, 300, 90)), ((215, 300, 70), (525, 300, 70))))
    if time == "n":
        out.append(sky(38, 64, 156, 156, time))
        out.append('<path d="M116 64 V220 M38 142 H194" stroke="#3A2F28" stroke-width="6"/>')
    return "".join(out)


def paint_room(time):
    """bg036: the ink-and-paint room: paint jars, cel racks."""
    wall, floor = "#E5ECE6", "#A8A08C"
    out = [rect(0, 0, 640, 480, wall), rect(0, 310, 640, 170, floor), rect(0, 306, 640, 8, "#7F7766")]
    # two windows
    for x in (40, 250):
        out.append(outline(x, 50, 150, 140, "#7C8A80", "#4E5A52", 2))
        out.append(sky(x + 8, 58, 134, 124, time))
        out.append(f'<path d="M{x + 75} 58 V182" stroke="#7C8A80" stroke-width="6"/>')
    # cel racks on the right wall: slots holding cels drying
    out.append(outline(440, 40, 180, 270, "#B7A58E", "#6E5E4B", 2))
    for r in range(5):
        out.append(rect(446, 56 + r * 50, 168, 4, "#6E5E4B"))
        for i in range(14):
            tint = ("#EAF4FA", "#F9EAF0", "#EEF8EA")[(r + i) % 3]
            out.append(f'<rect x="{450 + i * 11.5:.1f}" y="{60 + r * 50}" width="8" height="40" fill="{tint}" '
                       f'stroke="#93A8B5" stroke-width="1"/>')
    # long painting table with paint jars
    out.append(outline(20, 320, 400, 16, "#C9B79A", "#6E5E4B"))
    out.append(outline(30, 336, 12, 144, "#8E7D66", "#6E5E4B"))
    out.append(outline(398, 336, 12, 144, "#8E7D66", "#6E5E4B"))
    colours = ("#D9534F", "#F0AD4E", "#F7E36A", "#5CB85C", "#4FA3C7", "#337AB7", "#8E6CC4", "#F2A6C0",
               "#8A5A3C", "#2E2E2E", "#FFFFFF", "#B0B7BF")
    for i, c in enumerate(colours):
        x = 40 + (i % 6) * 26
        y = 300 if i < 6 else 280
        out.append(outline(x, y, 20, 20, c, "#5A5A5A", 1.5))
        out.append(outline(x - 1, y - 5, 22, 6, "#E0E0E0", "#7A7A7A", 1))
    # a cel on the table with a painted figure outline, brushes in a cup
    out.append('<path d="M220 318 L330 318 L318 276 L232 276 Z" fill="#EAF6FB" stroke="#8FB2C4" stroke-width="1.5"/>')
    out.append('<path d="M262 312 q14 -38 30 0 Z" fill="#F28C28" opacity="0.8"/><circle cx="276" cy="292" r="9" fill="#FCE6D4" stroke="#444" stroke-width="1"/>')
    out.append(outline(350, 292, 22, 28, "#7DA0B0", "#4E6470", 1.5))
    for i, dx in enumerate((-6, 0, 6)):
        out.append(f'<path d="M{361 + dx} 292 L{358 + dx * 2} 262" stroke="#8A5A3C" stroke-width="3"/>')
    # the radio
    out.append(outline(180, 300, 36, 20, "#C2543C", "#6E2A1E", 1.5))
    out.append('<circle cx="192" cy="310" r="6" fill="#E9D8C0"/>')
    # stools
    for x in (100, 300):
        out.append(f'<ellipse cx="{x}" cy="390" rx="30" ry="9" fill="#5E6E84" stroke="#2E3642" stroke-width="2"/>'
                   + rect(x - 4, 398, 8, 82, "#3A3F48"))
    # hanging lamps over the table
    for x in (120, 320):
        out.append(f'<path d="M{x} 0 V208" stroke="#444" stroke-width="2"/>'
                   f'<path d="M{x - 26} 232 L{x + 26} 232 L{x + 12} 208 L{x - 12} 208 Z" fill="#5A7A6A" stroke="#2E4036" stroke-width="1.5"/>')
    out.append(TINT[time])
    out.append(lamps(time, ((120, 270, 110), (320, 270, 110))))
    return "".join(out)


def store(time):
    """bg070: the convenience store, inside."""
    wall, floor = "#F4F6F2", "#DADDD6"
    out = [rect(0, 0, 640, 480, wall), rect(0, 330, 640, 150, floor)]
    for i in range(0, 640, 40):
        out.append(f'<path d="M{i} 330 L{i - 60} 480" stroke="#C6CAC2" stroke-width="1"/>')
    out.append('<path d="M0 380 H640 M0 440 H640" stroke="#C6CAC2" stroke-width="1"/>')
    # the store's stripe along the top of the wall
    out.append(rect(0, 24, 640, 14, "#2E9E6B") + rect(0, 38, 640, 6, "#FFFFFF") + rect(0, 44, 640, 8, "#2E9E6B"))
    # shop window on the left, onto the street
    out.append(outline(0, 70, 190, 240, "#9AA0A6", "#5E646A", 3))
    out.append(sky(4, 74, 182, 232, time))
    out.append('<path d="M96 74 V306" stroke="#9AA0A6" stroke-width="5"/>')
    # magazine rack under the window
    out.append(outline(6, 250, 180, 60, "#D8DCDF", "#7E858B", 2))
    mags = ("#E05A5A", "#F0C040", "#5AA0E0", "#8ED08A", "#E08AC8", "#F59A3A")
    for i, c in enumerate(mags):
        out.append(outline(12 + i * 29, 256, 24, 34, c, "#555", 1))
    # shelves, centre
    for x in (220, 360):
        out.append(outline(x, 120, 120, 220, "#E3E5E8", "#7E858B", 2))
        for r in range(4):
            y = 150 + r * 48
            out.append(rect(x + 4, y + 30, 112, 5, "#9AA0A6"))
            for i in range(7):
                c = ("#E05A5A", "#F0C040", "#5AA0E0", "#8ED08A", "#F59A3A", "#B07AD0", "#FFFFFF")[(i + r + x // 140) % 7]
                h = 18 + ((i * 7 + r * 3) % 3) * 4
                out.append(outline(x + 8 + i * 15.5, y + 30 - h, 12, h, c, "#666", 0.8))
    # drinks fridge, right wall
    out.append(outline(500, 80, 140, 260, "#C9D1D8", "#6E767E", 3))
    for i in range(2):
        out.append(outline(508 + i * 66, 90, 60, 240, "#E4F2FA", "#8FA4B2", 2))
        for r in range(5):
            for j in range(4):
                c = ("#3A7BD5", "#E05A5A", "#5CB85C", "#F0C040", "#8A5A3C")[(r + j + i) % 5]
                out.append(f'<rect x="{512 + i * 66 + j * 14}" y="{98 + r * 46}" width="10" height="30" rx="3" fill="{c}"/>')
            out.append(rect(510 + i * 66, 130 + r * 46, 56, 3, "#A9BCC8"))
    # the counter in front, with the till
    out.append(outline(180, 360, 300, 120, "#F0F0EC", "#7E858B", 2))
    out.append(rect(180, 360, 300, 12, "#2E9E6B"))
    out.append(outline(380, 320, 60, 40, "#3E4247", "#1E2227", 2))
    out.append(outline(388, 326, 44, 18, "#9FD8B0", "#1E2227", 1))
    out.append(outline(230, 336, 80, 24, "#E8C890", "#8A6B3F", 1.5))
    for i in range(4):
        out.append(f'<circle cx="{244 + i * 18}" cy="348" r="7" fill="#D9A45A" stroke="#8A6B3F" stroke-width="1"/>')
    # ceiling lights
    for x in (110, 320, 530):
        out.append(outline(x - 70, 4, 140, 10, "#FFFFFF", "#C6CAC2", 1))
    out.append(TINT[time] if time != "n" else '<rect width="640" height="480" fill="#1A2A55" opacity="0.12"/>')
    if time == "n":
        out.append(sky(4, 74, 182, 232, time))
        out.append('<path d="M96 74 V306" stroke="#9AA0A6" stroke-width="5"/>')
        out.append(outline(6, 250, 180, 60, "#D8DCDF", "#7E858B", 2))
        for i, c in enumerate(mags):
            out.append(outline(12 + i * 29, 256, 24, 34, c, "#555", 1))
    return "".join(out)


def apartment(time):
    """bg0401: the Himi sisters' apartment, the living room."""
    wall, floor = "#F3EEE6", "#C9A886"
    out = [rect(0, 0, 640, 480, wall), rect(0, 320, 640, 160, floor), rect(0, 316, 640, 6, "#A58866")]
    for x in range(0, 640, 46):
        out.append(f'<path d="M{x} 322 V480" stroke="#B8966F" stroke-width="1"/>')
    # glass door to the balcony, curtains either side
    out.append(outline(170, 40, 240, 280, "#D8DDE2", "#7E858B", 3))
    out.append(sky(178, 48, 224, 200, time))
    out.append(rect(178, 248, 224, 64, {"day": "#A9B3BC", "y": "#8C7A86", "n": "#2A3048"}[time]))
    out.append('<path d="M178 248 H402" stroke="#7E858B" stroke-width="4"/>')
    out.append('<path d="M190 270 V312 M390 270 V312 M190 270 H390" stroke="#5E646A" stroke-width="3"/>')
    out.append('<path d="M290 48 V312" stroke="#D8DDE2" stroke-width="6"/>')
    for x0, d in ((150, 1), (430, -1)):
        out.append(f'<path d="M{x0} 30 h{40 * d} c{-6 * d} 100 {6 * d} 200 {-4 * d} 294 h{-36 * d} Z" '
                   f'fill="#9FB8D0" stroke="#5E7890" stroke-width="2"/>')
    out.append(rect(140, 26, 300, 6, "#8A6B4F"))
    # bookshelf with scripts, left
    out.append(outline(24, 90, 100, 230, "#B08860", "#6E5238"))
    for r in range(4):
        y = 100 + r * 55
        out.append(rect(28, y + 46, 92, 5, "#6E5238"))
        for i in range(7):
            c = ("#3F4A5A", "#A8D8C8", "#E8E2D0", "#7A5C8E", "#D9534F", "#F7E3A1", "#5E7389")[(i + r * 3) % 7]
            h = 30 + ((i * 5 + r) % 3) * 5
            out.append(outline(32 + i * 12, y + 46 - h, 10, h, c, "#444", 0.8))
    # moving boxes still unpacked, right
    out.append(outline(470, 250, 90, 70, "#D2AE7A", "#8A6B3F"))
    out.append(outline(500, 196, 80, 56, "#C9A46C", "#8A6B3F"))
    out.append(outline(566, 260, 60, 60, "#D2AE7A", "#8A6B3F"))
    out.append('<path d="M470 272 H560 M500 214 H580 M566 278 H626" stroke="#B89460" stroke-width="6"/>')
    # standing lamp
    out.append('<path d="M452 320 V150" stroke="#5A5A5A" stroke-width="4"/>'
               '<path d="M430 156 L474 156 L464 120 L440 120 Z" fill="#F4E6C4" stroke="#8E7F60" stroke-width="2"/>'
               '<ellipse cx="452" cy="322" rx="16" ry="4" fill="#5A5A5A"/>')
    # sofa and low table in front
    out.append('<path d="M40 360 h250 a16 16 0 0 1 16 16 v74 h-282 v-74 a16 16 0 0 1 16 -16 Z" '
               'fill="#7C93B0" stroke="#3E4E64" stroke-width="3"/>')
    out.append('<rect x="24" y="400" width="282" height="50" rx="10" fill="#8EA5C2" stroke="#3E4E64" stroke-width="3"/>')
    out.append('<rect x="70" y="372" width="60" height="36" rx="10" fill="#F7E3A1" stroke="#A8944E" stroke-width="2"/>')
    out.append(outline(34, 450, 10, 30, "#5A4636", "#3A2A20", 1) + outline(286, 450, 10, 30, "#5A4636", "#3A2A20", 1))
    out.append('<path d="M350 400 H600 L586 420 H364 Z" fill="#A0784F" stroke="#5E4630" stroke-width="2"/>')
    out.append(rect(372, 420, 8, 54, "#5E4630") + rect(570, 420, 8, 54, "#5E4630"))
    out.append(outline(420, 384, 70, 16, "#FFFFFF", "#9A9A9A", 1))
    out.append('<path d="M428 390 h50 M428 395 h40" stroke="#9A9A9A" stroke-width="1.5"/>')
    out.append(outline(520, 380, 18, 20, "#FFFFFF", "#7A7A7A", 1.5) + outline(546, 380, 18, 20, "#FFFFFF", "#7A7A7A", 1.5))
    out.append(TINT[time])
    out.append(lamps(time, ((452, 140, 120),)))
    return "".join(out)


# The town -------------------------------------------------------------------------

def yota_room(time):
    """bg001: Yōta's room at 銀杏荘: tatami, futon, electric fan, the box of magazines."""
    late = []
    out = [rect(0, 0, 640, 480, "#E8DEC6"), rect(0, 0, 640, 22, "#D6C9AA"), rect(0, 62, 640, 10, "#9C7A55"),
           rect(0, 0, 16, 320, "#9C7A55"), rect(624, 0, 16, 320, "#9C7A55")]
    # tatami, the dark cloth edges of the mats converging a little towards the wall
    out.append(rect(0, 318, 640, 162, "#D4C88E") + rect(0, 312, 640, 8, "#7A5C3E"))
    out.append(stroke("M0 378 H640", "#5B5A3A", 6, cap="butt"))
    for top, bottom in ((214, 190), (470, 500)):
        out.append(stroke(f"M{top} 320 L{(top + bottom) / 2:.0f} 378", "#5B5A3A", 5, cap="butt"))
    for top, bottom in ((120, 60), (400, 430)):
        out.append(stroke(f"M{top} 378 L{bottom} 480", "#5B5A3A", 6, cap="butt"))
    for y in range(326, 478, 9):
        out.append(stroke(f"M0 {y} H640", "#C7BB80", 1))
    # the window with a thin curtain drawn to one side
    out.append(window(70, 96, 220, 184, time, late, "#B9BEC4", "#6E767E"))
    out.append(outline(60, 278, 240, 8, "#CFC6B0", "#8E8676", 1.5))
    out.append(rect(40, 86, 280, 5, "#8E8676"))
    out.append('<path d="M42 90 h34 c-4 60 4 130 -2 196 h-32 c6 -60 -4 -130 0 -196 Z" fill="#E9A45A" '
               'stroke="#A86A30" stroke-width="2"/>'
               + stroke("M52 100 q4 90 -2 180 M64 100 q-4 90 2 180", "#C9843E", 1.5))
    # a poster of a space cartoon, no words
    out.append(outline(320, 96, 92, 118, "#243A6A", "#11182E", 2))
    out.append(oval(388, 124, 14, 14, "#F2A03D") + oval(388, 124, 24, 5, "none", "#F7D27A", 2))
    out.append('<path d="M346 196 l14 -48 l14 48 Z" fill="#E8E8F0" stroke="#8A8AA0" stroke-width="1.5"/>'
               '<path d="M352 196 l8 14 l8 -14 Z" fill="#F28C28"/>' + stars(326, 100, 80, 60, 8, 7))
    # the closet with its sliding paper doors
    out.append(outline(430, 80, 194, 236, "#EFE6CF", "#8A6B4F", 4))
    out.append(stroke("M527 82 V314", "#8A6B4F", 4) + rect(430, 196, 194, 5, "#8A6B4F"))
    for x in (510, 544):
        out.append(oval(x, 150, 5, 8, "#5A4636"))
    out.append(stroke("M444 110 q20 -8 40 0 t40 0 M540 250 q20 -8 40 0 t40 0", "#D8CBB0", 2))
    # round ceiling lamp with a pull cord
    out.append(stroke("M470 0 V34", "#6E6A64", 2) + oval(470, 44, 58, 12, "#F4F1E8", "#A59C8E", 2)
               + stroke("M492 52 V118", "#6E6A64", 1.2) + oval(492, 120, 3, 5, "#D9534F"))
    # the electric fan by the window
    out.append(oval(360, 398, 36, 10, "#E9EEF2", "#7E8A96") + rect(356, 300, 8, 98, "#D7DEE4"))
    out.append(oval(360, 262, 46, 46, "#E4F0F7", "#7E8A96", 2.5))
    for a in (0, 120, 240):
        out.append(oval(360, 242, 11, 22, "#8EC3E6", "#5E8AA8", 1.5,
                        f'transform="rotate({a + 20} 360 262)" opacity="0.9"'))
    out.append(oval(360, 262, 30, 30, "none", "#9AA8B4", 1) + oval(360, 262, 9, 9, "#F4F4F4", "#7E8A96", 1.5))
    out.append(oval(360, 330, 16, 6, "#C8D2DA", "#7E8A96", 1.5))
    # the futon, still out
    out.append(poly(((70, 372), (272, 372), (300, 470), (30, 470)), "#F4F0E6", "#A8A08E"))
    out.append(f'<rect x="110" y="378" width="96" height="24" rx="10" fill="#E8D9B5" stroke="#A8906A" stroke-width="2"/>')
    out.append(poly(((52, 404), (284, 404), (308, 478), (22, 478)), "#6F8FC0", "#3E5680"))
    for i in range(1, 6):
        out.append(stroke(f"M{52 + i * 38.7:.0f} 404 L{22 + i * 47.7:.0f} 478", "#8EA8D0", 2))
    out.append(stroke("M40 440 H296", "#8EA8D0", 2))
    # the low table with a cup and a map
    out.append(oval(380, 420, 66, 16, "#A0784F", "#5E4630", 2) + rect(328, 430, 8, 30, "#5E4630")
               + rect(424, 430, 8, 30, "#5E4630"))
    out.append(poly(((352, 410), (396, 406), (404, 420), (360, 424)), "#FFFFFF", "#9A9A9A", 1))
    out.append(stroke("M360 414 l10 2 l8 -4 l12 4", "#D9534F", 1.5))
    out.append(outline(408, 400, 14, 16, "#F4F1EA", "#8E8676", 1.5))
    # the cardboard box of magazines
    out.append(poly(((470, 374), (610, 374), (604, 348), (476, 348)), "#7A6A5A", "#5A4636", 1))
    for i, c in enumerate(("#E05A5A", "#F0C040", "#5AA0E0", "#F2F2F2", "#8ED08A", "#E08AC8", "#F59A3A")):
        out.append(poly(((486 + i * 17, 376), (500 + i * 17, 376), (504 + i * 17, 352 - i % 3 * 6),
                         (490 + i * 17, 354 - i % 3 * 6)), c, "#555", 1))
    out.append(outline(466, 372, 150, 96, "#C9A46C", "#8A6B3F", 2))
    out.append(poly(((466, 372), (448, 350), (476, 346), (490, 372)), "#D2B07A", "#8A6B3F", 1.5))
    out.append(poly(((616, 372), (634, 352), (604, 346), (594, 372)), "#D2B07A", "#8A6B3F", 1.5))
    out.append(rect(466, 410, 150, 10, "#B89460"))
    out.append(poly(((520, 472), (590, 466), (604, 478), (530, 480)), "#5AA0E0", "#555", 1))
    # the evening sun on the floor
    if time == "y":
        out.append('<path d="M78 320 L282 320 L420 470 L120 470 Z" fill="#FFB066" opacity="0.3"/>')
    return finish(out, time, late, warm=((470, 60, 150),))


def ginkgo_house(time):
    """bg002: 銀杏荘 from the alley: a two-storey wooden apartment house and its ginkgo."""
    late, layers = [], []
    out = [open_sky(400, time)]
    night_sky(time, late, (0, 0, 440, 96), 2, (90, 60))
    # roofs beyond
    far = {"day": "#9AA6B6", "y": "#7A5E7A", "n": "#1E2440"}[time]
    out.append(poly(((0, 200), (60, 180), (140, 186), (140, 400), (0, 400)), far, far))
    # the house: siding, roof, the upper walkway with its rusty rail
    out.append(poly(((100, 132), (600, 132), (588, 104), (112, 104)), "#4E5563", "#2E333D"))
    for x in range(118, 590, 12):
        out.append(stroke(f"M{x} 106 l-2 24", "#3E4552", 1))
    out.append(outline(112, 132, 478, 268, "#D8C9A8", "#8A7656", 2))
    for y in range(140, 400, 9):
        out.append(stroke(f"M113 {y} H589", "#C4B290", 1))
    for x in (170, 300, 430):
        for y, h in ((172, 110), (300, 100)):
            out.append(outline(x, y, 52, h, "#8A6A4A", "#4E3A28", 2) + oval(x + 44, y + h * 0.55, 3, 3, "#D8C090"))
            out.append(pane(x + 66, y + 14, 44, 30, time, (x + y) % 3 != 1, late, "#6E6456", "#D6DCE0"))
            out.append(stroke(f"M{x + 77} {y + 14} v30 M{x + 88} {y + 14} v30 M{x + 99} {y + 14} v30", "#6E6456", 1.5))
            out.append(oval(x + 26, y - 10, 6, 5, "#F4F0E0", "#8A7656", 1.5))
            if time != "day":
                late.append(glow(x + 26, y - 6, 40) + oval(x + 26, y - 10, 6, 5, "#FFF6D8"))
    out.append(rect(112, 282, 478, 10, "#8E8A84"))
    out.append(rect(112, 244, 478, 5, "#8A5A44"))
    for x in range(116, 590, 10):
        out.append(rect(x, 248, 3, 34, "#8A5A44"))
    # washing machine and pots by the lower doors
    out.append(outline(236, 352, 40, 48, "#EEF0F2", "#8E969C", 2) + oval(256, 372, 11, 11, "#C8D6E0", "#8E969C", 1.5))
    for x, c in ((366, "#C4663E"), (386, "#B0583A")):
        out.append(poly(((x, 400), (x + 16, 400), (x + 19, 380), (x - 3, 380)), c, "#6E3A22", 1.5)
                   + oval(x + 8, 372, 12, 10, "#5E8C3A", "#3E6A2A", 1.5))
    # mail boxes and the iron stairs up the left end
    for i in range(6):
        out.append(outline(122 + (i % 3) * 15, 318 + (i // 3) * 14, 13, 12, "#A8B0B6", "#5E646A", 1))
    out.append(poly(((30, 400), (46, 400), (132, 292), (112, 284)), "#7A4E3A", "#4E3024"))
    for i in range(1, 9):
        t = i / 9
        out.append(stroke(f"M{30 + t * 82:.0f} {400 - t * 116:.0f} h18", "#5E3A2A", 3))
    out.append(stroke("M20 356 L106 248 M20 356 V400", "#8A5A44", 3))
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the alley
    out.append(rect(0, 400, 640, 80, "#8C8A86") + rect(0, 400, 640, 8, "#A8A49C") + stroke("M0 452 H640", "#EDEDE6", 3))
    out.append(utility_pole(620, 40, 420, ((420, 0), (700, 40))))
    # the ginkgo: a tall fan-leaved crown in front of the right end
    out.append(poly(((536, 420), (548, 250), (566, 250), (582, 420)), "#6B5B4B", "#3E3226"))
    out.append(stroke("M558 300 l-40 -60 M560 280 l40 -56", "#6B5B4B", 8))
    rng = random.Random(5)
    for i in range(34):
        a = i / 34
        cx = 560 + (rng.random() - 0.5) * 200 * (0.4 + a)
        cy = 40 + a * 240 + rng.random() * 20
        r = 26 + rng.random() * 18
        shade = ("#7FA03A", "#6C8E30", "#8DB048")[i % 3]
        out.append(oval(cx, cy, r, r * 0.8, shade, "#4E6A22", 1.5))
    for i in range(26):
        cx, cy = 470 + rng.random() * 180, 30 + rng.random() * 250
        out.append(f'<path d="M{cx:.0f} {cy:.0f} l-10 -13 q4 -4 9 -3 l1 5 l1 -5 q5 -1 9 3 Z" fill="#B8D060" '
                   f'stroke="#5E7A2A" stroke-width="1" transform="rotate({rng.random() * 60 - 30:.0f} {cx:.0f} {cy:.0f})"/>')
    return "".join(layers) + finish(out, time, late)


def station_platform(time):
    """bg010: 月見坂駅, the platform at the end of the line."""
    late = []
    out = [open_sky(330, time)]
    night_sky(time, late, (0, 76, 640, 140), 3, (250, 150))
    hills = {"day": ("#7FA88A", "#6A9478"), "y": ("#8A6E78", "#735A68"), "n": ("#1E2A3A", "#182232")}[time]
    out.append('<path d="M0 250 Q120 170 260 240 Q380 180 520 236 Q590 210 640 230 V330 H0 Z" fill="%s"/>' % hills[0])
    out.append('<path d="M0 290 Q160 240 320 280 Q480 250 640 276 V330 H0 Z" fill="%s"/>' % hills[1])
    for i, x in enumerate((40, 150, 300, 430, 560)):
        out.append(tree(x, 312, 20, 22, "#5E8C3A", seed=i + 20))
    # fence and the field beyond the tracks
    out.append(rect(0, 300, 640, 34, "#9CB070"))
    for x in range(0, 640, 16):
        out.append(rect(x, 296, 4, 34, "#8A8478"))
    out.append(stroke("M0 302 H640 M0 318 H640", "#8A8478", 2))
    # the track and the buffer stop at its end
    out.append(rect(0, 330, 640, 52, "#9A938A"))
    for x in range(0, 640, 26):
        out.append(rect(x, 338, 14, 40, "#6A5444"))
    out.append(rect(0, 344, 600, 5, "#7A7A80") + rect(0, 366, 600, 5, "#7A7A80") + rect(0, 344, 600, 2, "#D0D0D8")
               + rect(0, 366, 600, 2, "#D0D0D8"))
    out.append(outline(584, 326, 44, 52, "#F2C230", "#3A3A3A", 2))
    for y in range(332, 378, 12):
        out.append(poly(((584, y), (628, y - 6), (628, y), (584, y + 6)), "#2A2A2A", "#2A2A2A", 0))
    # the platform: white edge, yellow tactile strip, the floor
    out.append(rect(0, 380, 640, 100, "#B8B2A6") + rect(0, 380, 640, 6, "#F4F4F0") + rect(0, 396, 640, 14, "#F2C230"))
    for x in range(6, 640, 12):
        out.append(oval(x, 403, 3, 2, "#D8A420"))
    # the station name board: a moon and an arrow, no words
    out.append(rect(336, 226, 6, 166, "#5A6470") + rect(488, 226, 6, 166, "#5A6470"))
    board = (outline(320, 170, 190, 70, "#FBFBF8", "#5A6470", 3) + rect(322, 222, 186, 16, "#2F5FA8")
             + '<path d="M430 180 a22 22 0 1 0 14 40 a17 17 0 1 1 -14 -40 Z" fill="#F2C230" stroke="#B8901E" stroke-width="1.5"/>'
             + '<path d="M346 230 l12 -6 v12 Z" fill="#FFFFFF"/>')
    out.append(board)
    if time == "n":
        late.append(board)
    # the bench
    out.append(outline(70, 412, 170, 22, "#3A6EA8", "#22446E", 2) + outline(70, 386, 170, 22, "#3A6EA8", "#22446E", 2)
               + rect(84, 434, 8, 30, "#55585C") + rect(218, 434, 8, 30, "#55585C"))
    # the canopy, its pillars, the hanging clock and the lamps
    out.append(rect(0, 0, 640, 54, "#7C8691") + rect(0, 54, 640, 10, "#5A6470"))
    for x in range(40, 640, 80):
        out.append(stroke(f"M{x} 0 V54", "#5A6470", 3))
    for x in (30, 600):
        out.append(rect(x - 9, 60, 18, 420, "#5A6470") + rect(x - 5, 60, 4, 420, "#7C8691"))
    out.append(stroke("M160 64 V84", "#3A3A3A", 2) + oval(160, 104, 20, 20, "#FFFFFF", "#3A3A3A", 3)
               + stroke("M160 104 V92 M160 104 L170 110", "#222", 2.5))
    for x in (120, 330, 540):
        out.append(outline(x - 50, 64, 100, 8, "#F4F6F8", "#8A9096", 1))
        if time != "day":
            late.append(outline(x - 50, 64, 100, 8, "#FFFFFF", "#8A9096", 1))
    return finish(out, time, late, warm=(), cool=((120, 110, 120), (330, 110, 120), (540, 110, 120)))


def station_front(time):
    """bg011: 月見坂駅 from its forecourt: the little station building, taxis, bicycles."""
    late = []
    out = [open_sky(360, time)]
    night_sky(time, late, (0, 0, 640, 92), 4, (110, 60))
    for i, x in enumerate((40, 600)):
        out.append(tree(x, 300, 80, 50, seed=i + 30))
    # overhead line poles behind the roof
    for x in (170, 470):
        out.append(rect(x - 4, 80, 8, 150, "#7A7E84") + rect(x - 40, 96, 80, 5, "#7A7E84"))
    out.append(stroke("M0 100 H640", "#3A3A3E", 1.2))
    # the station building
    out.append(poly(((100, 200), (540, 200), (500, 148), (140, 148)), "#3E4A66", "#232B3E"))
    for i in range(1, 12):
        out.append(stroke(f"M{140 + i * 30} 150 l{(i - 6) * 3} 48", "#313A52", 1.2))
    out.append(poly(((270, 160), (370, 160), (320, 118)), "#3E4A66", "#232B3E"))
    out.append(outline(120, 200, 400, 184, "#EDE4D0", "#8A7E66", 2) + rect(120, 200, 400, 10, "#8A6A4A"))
    clock = oval(320, 176, 17, 17, "#FFFFFF", "#232B3E", 3) + stroke("M320 176 V164 M320 176 L329 180", "#222", 2.5)
    out.append(clock)
    if time != "day":
        late.append(clock)
    out.append(outline(250, 250, 140, 134, "#6E5A48", "#4E3F33", 2))
    for i in range(4):
        out.append(pane(256 + i * 33, 258, 29, 120, time, True, late, "#6E5A48"))
    out.append(rect(250, 222, 140, 22, "#2F5FA8") + '<path d="M312 226 a8 8 0 1 0 6 14 a6 6 0 1 1 -6 -14 Z" fill="#F2C230"/>')
    for x in (140, 190, 420, 470):
        out.append(pane(x, 240, 36, 56, time, x in (140, 470), late, "#6E5A48"))
    out.append(outline(140, 310, 86, 40, "#D8CDB8", "#8A7E66", 1.5) + pane(150, 314, 66, 26, time, True, late, "#6E5A48"))
    # forecourt: kerb, the taxi, the phone box, bicycles, the bus stop
    out.append(rect(0, 384, 640, 96, "#8E8C88") + rect(0, 378, 640, 8, "#B8B4AC"))
    out.append(stroke("M0 440 H640", "#D8D8D0", 3, 'stroke-dasharray="30 20"'))
    out.append(f'<path d="M20 448 h120 l-4 -28 l-26 -20 h-56 l-22 22 Z" fill="#F2D35E" stroke="#6E5A1E" stroke-width="2"/>')
    out.append(pane(54, 404, 24, 16, time, False, late, "#6E5A1E") + pane(82, 404, 24, 16, time, False, late, "#6E5A1E"))
    out.append(oval(50, 450, 12, 12, "#2A2A2A") + oval(116, 450, 12, 12, "#2A2A2A") + rect(74, 394, 16, 6, "#FFFFFF"))
    out.append(outline(30, 290, 44, 92, "#A8D4C4", "#4E7A6A", 2) + rect(26, 284, 52, 10, "#4E7A6A"))
    out.append(pane(36, 300, 32, 60, time, True, late, "#4E7A6A"))
    for i in range(4):
        x = 540 + i * 24
        out.append(oval(x, 372, 12, 12, "none", "#3A3A3E", 2) + oval(x + 10, 372, 12, 12, "none", "#3A3A3E", 2)
                   + stroke(f"M{x} 372 l6 -14 l8 14 M{x + 6} 358 h8", ("#D9534F", "#3A7BD5", "#E8E8E8", "#5CB85C")[i], 2.5))
    out.append(rect(600, 300, 5, 84, "#7A7E84") + oval(602, 296, 16, 16, "#2F5FA8", "#1E3A66", 2) + oval(602, 296, 9, 9, "#FFFFFF"))
    out.append(street_lamp(232, 384, 160, time, late, -1))
    return finish(out, time, late)


def shop_front(z, side, colour, awning, time, late, seed):
    """One shop on the shopping street, `side` -1 left or 1 right, from depth z to z+5 metres."""
    X = 5.5 * side
    out = []
    h = 7 + (seed % 3) * 0.6
    out.append(quad(((X, 0, z), (X, 0, z + 5), (X, h, z + 5), (X, h, z)), colour))
    inside = {"day": "#E8D2A0", "y": "#F4C878", "n": "#FFD98A"}[time]
    shut = seed % 4 == 1
    front = quad(((X, 0.1, z + 0.4), (X, 0.1, z + 4.6), (X, 2.4, z + 4.6), (X, 2.4, z + 0.4)),
                 "#A8A8A8" if shut and time == "n" else inside)
    out.append(front)
    if time == "n" and not shut:
        late.append(front)
    for k in (1.5, 3.5):
        out.append(quad(((X, 0.2, z + k - 0.9), (X, 0.2, z + k + 0.7), (X, 1.6, z + k + 0.7),
                         (X, 1.6, z + k - 0.9)), ("#D9534F", "#5AA0E0", "#F0C040", "#8ED08A")[(seed + int(k)) % 4],
                        "#6E5A48", 1))
    win = quad(((X, 4.0, z + 1), (X, 4.0, z + 4), (X, 5.6, z + 4), (X, 5.6, z + 1)),
               LIT[time] if seed % 2 and time != "day" else GLASS[time])
    out.append(win)
    if seed % 2 and time == "n":
        late.append(win)
    lean = X - 1.2 * side
    out.append(quad(((X, 3.0, z + 0.2), (X, 3.0, z + 4.8), (lean, 2.5, z + 4.8), (lean, 2.5, z + 0.2)), awning))
    for k in range(1, 5):
        out.append(quad(((X, 3.0, z + k - 0.1), (X, 3.0, z + k + 0.35), (lean, 2.5, z + k + 0.35),
                         (lean, 2.5, z + k - 0.1)), "#FFFFFF", "#FFFFFF", 0.5))
    sign = quad(((X, 3.4, z + 0.3), (X - 0.7 * side, 3.4, z + 0.3), (X - 0.7 * side, 6.2, z + 0.3),
                 (X, 6.2, z + 0.3)), ("#C8402E", "#2F5FA8", "#F2C230", "#2E7D5B")[seed % 4], "#3A3A3A", 1.5)
    out.append(sign)
    if time == "n":
        late.append(sign)
    return "".join(out)


def shopping_street(time):
    """bg012: つきみ通り商店街: shops and awnings down both sides, lamps and bunting."""
    late, layers = [], []
    out = [open_sky(300, time)]
    night_sky(time, late, (250, 0, 140, 120), 5)
    far = {"day": "#B9B2A4", "y": "#A88A7E", "n": "#2A2E44"}[time]
    out.append(poly((proj(-5.5, 0, 80), proj(5.5, 0, 80), proj(5.5, 8, 80), proj(2, 9.5, 80), proj(-5.5, 8, 80)), far, far))
    out.append(rect(0, 230, 640, 250, "#C9B79A"))
    for X in (-3, -1, 1, 3):
        a, b = proj(X, 0, 2.2), proj(X, 0, 80)
        out.append(stroke(f"M{a[0]:.0f} {a[1]:.0f} L{b[0]:.0f} {b[1]:.0f}", "#B8A688", 1.5))
    for Z in (3, 4.5, 7, 10, 15, 22, 32, 48):
        a, b = proj(-5.5, 0, Z), proj(5.5, 0, Z)
        out.append(stroke(f"M{a[0]:.0f} {a[1]:.0f} H{b[0]:.0f}", "#B8A688", 1.5))
    colours = ("#E6DCC8", "#D8C4A8", "#E8E0D0", "#CDBBA0", "#E0D4BC", "#D4CCBE")
    awnings = ("#C8402E", "#2E7D5B", "#2F5FA8", "#E08A2E", "#8E4E8E", "#C8402E")
    for i, z in reversed(list(enumerate(range(3, 78, 5)))):
        for side in (-1, 1):
            seed = i * 2 + (side > 0)
            out.append(shop_front(z, side, colours[seed % 6], awnings[(seed * 5) % 6], time, late, seed))
    layers.append(dusk(out, time, late))
    out, late = [], []
    # bunting across the street, lamps down both sides
    for Z in (40, 20, 9):
        a, b = proj(-5.5, 6.4, Z), proj(5.5, 6.4, Z)
        sag = 40 / Z * 4
        out.append(stroke(f"M{a[0]:.0f} {a[1]:.0f} Q320 {a[1] + sag:.0f} {b[0]:.0f} {b[1]:.0f}", "#5A5A5A", 1.2))
        n = 12
        for k in range(1, n):
            t = k / n
            x = a[0] + (b[0] - a[0]) * t
            y = a[1] + 2 * t * (1 - t) * sag
            s = 24 / Z * 3
            out.append(poly(((x - s, y), (x + s, y), (x, y + 2 * s)), ("#D9534F", "#F0C040", "#5AA0E0", "#FFFFFF")[k % 4],
                            "#5A5A5A", 0.8))
    for Z in (36, 18, 6):
        for side in (-1, 1):
            base, top = proj(4.4 * side, 0, Z), proj(4.4 * side, 4.2, Z)
            w = 1.2 * 300 / Z / 10
            out.append(rect(f"{base[0] - w:.1f}", f"{top[1]:.1f}", f"{2 * w:.1f}", f"{base[1] - top[1]:.1f}", "#4E5258"))
            for k in (-1, 1):
                lx, ly, r = top[0] + k * w * 4, top[1] + w * 3, w * 2.6
                out.append(stroke(f"M{top[0]:.1f} {top[1]:.1f} Q{lx:.1f} {top[1] - w:.1f} {lx:.1f} {ly - r:.1f}", "#4E5258", max(1, w)))
                out.append(oval(lx, ly, r, r * 1.2, "#F4EEDC", "#4E5258", 1))
                if time != "day":
                    late.append(glow(lx, ly, r * 7) + oval(lx, ly, r, r * 1.2, "#FFF6D8"))
    return "".join(layers) + finish(out, time, late)


def river_bank(time):
    """bg013: the bank of the 夕凪川: the river, the bridge, the town across, grass."""
    late, layers = [], []
    out = [open_sky(260, time)]
    night_sky(time, late, (0, 0, 640, 180), 6, (150, 70))
    town = {"day": "#9AA6B6", "y": "#7A5E7A", "n": "#1E2440"}[time]
    rng = random.Random(13)
    x = 0
    while x < 640:
        w, h = 30 + rng.random() * 40, 16 + rng.random() * 44
        out.append(rect(f"{x:.0f}", f"{250 - h:.0f}", f"{w + 1:.0f}", f"{h:.0f}", town))
        for k in range(int(w // 14)):
            if rng.random() < 0.5:
                out.append(pane(round(x + 5 + k * 14), round(256 - h), 6, 6, time, rng.random() < 0.6, late, town))
        x += w
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the river and its shimmer
    water = {"day": "#6E9FC0", "y": "#C98A7A", "n": "#1E2A48"}[time]
    out.append(rect(0, 250, 640, 110, water) + rect(0, 248, 640, 6, "#7FA050"))
    for i in range(40):
        y = 262 + (i * 37) % 90
        xx = (i * 113) % 620
        out.append(stroke(f"M{xx} {y} h{18 + i % 4 * 6}", "#FFFFFF", 1.5, 'opacity="0.5"'))
    if time == "y":
        for i in range(8):
            out.append(stroke(f"M{470 - 30 + i * 3} {262 + i * 11} h{60 - i * 5}", "#FFD79A", 3))
    if time == "n":
        late.append("".join(stroke(f"M{140 + i * 2} {262 + i * 12} h{20 - i * 2}", "#FFF4D0", 2, 'opacity="0.7"')
                            for i in range(7)))
    # the bridge: deck, piers, rail and lamps
    out.append(poly(((250, 212), (640, 200), (640, 218), (250, 226)), "#C8C2B6", "#7E786E"))
    for x in (300, 400, 500, 600):
        out.append(rect(x - 6, 222, 12, 32, "#A8A296"))
    out.append(stroke("M250 208 L640 194", "#7E786E", 2))
    for x in range(256, 640, 12):
        out.append(stroke(f"M{x} {208 - (x - 250) * 14 / 390:.1f} v6", "#7E786E", 1.2))
    for x in (300, 400, 500, 600):
        y = 212 - (x - 250) * 12 / 390
        out.append(rect(x - 1, y - 20, 2, 20, "#5E646A") + oval(x, y - 22, 4, 3, "#E8E8E0"))
        if time != "day":
            late.append(glow(x, y - 20, 24) + oval(x, y - 22, 4, 3, "#FFF6D8"))
            late.append(stroke(f"M{x} 264 v40", "#FFD98A", 3, 'opacity="0.5"'))
    # the near bank: grass slope and the path along the top
    out.append('<path d="M0 350 Q320 334 640 352 V480 H0 Z" fill="#7FA050"/>')
    out.append('<path d="M0 380 Q320 370 640 384 V480 H0 Z" fill="#8DB05A"/>')
    for i in range(70):
        x = (i * 53) % 640
        y = 356 + (i * 29) % 70
        out.append(stroke(f"M{x} {y} l-3 -12 M{x} {y} l4 -10", "#5E8436", 1.5))
    for i in range(10):
        x = 20 + i * 66
        out.append(stroke(f"M{x} 352 q-4 -30 -10 -44 M{x + 6} 352 q2 -26 8 -38", "#6E8A3A", 2))
    out.append('<path d="M0 440 Q320 430 640 444 V480 H0 Z" fill="#C8B898"/>')
    out.append(stroke("M0 442 Q320 432 640 446", "#A89878", 2))
    return "".join(layers) + finish(out, time, late)


def hill_road(time):
    """bg014: the hill road above the town: the guard rail, the curve mirror, the sea far off."""
    late, layers = [], []
    out = [open_sky(215, time)]
    night_sky(time, late, (0, 0, 640, 180), 8, (90, 60))
    sea = {"day": "#5E90B8", "y": "#C88A8A", "n": "#141C38"}[time]
    out.append(rect(0, 196, 640, 30, sea) + stroke("M0 196 H640", "#FFFFFF", 1, 'opacity="0.6"'))
    if time == "n":
        late.append(oval(560, 200, 2.5, 2.5, "#FFD98A") + glow(560, 200, 14))
    # the town below: rows of small roofs
    land = {"day": "#9CB07A", "y": "#A08070", "n": "#1E2436"}[time]
    out.append('<path d="M0 226 H640 V480 H0 Z" fill="%s"/>' % land)
    rng = random.Random(14)
    roofs = ("#8C9AAE", "#B0604A", "#6A7A8A", "#C8C0B0", "#5A6A7E")
    for row in range(7):
        y = 232 + row * 16
        s = 1 + row * 0.35
        x = -rng.random() * 20
        while x < 640:
            w = (14 + rng.random() * 10) * s
            out.append(rect(f"{x:.0f}", f"{y:.0f}", f"{w * 0.9:.0f}", f"{8 * s:.0f}", "#E8E2D6" if time == "day" else "#9A8E8A"))
            out.append(poly(((x - 1, y), (x + w * 0.9 + 1, y), (x + w * 0.75, y - 5 * s), (x + w * 0.15, y - 5 * s)),
                            roofs[int(rng.random() * 5)], "#4E4A46", 0.8))
            if rng.random() < 0.5:
                out.append(pane(round(x + w * 0.3), round(y + 2 * s), round(3 * s), round(3 * s), time, True, late, "#4E4A46"))
            x += w + rng.random() * 8 * s
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the slope and trees on the uphill side, the road, the rail
    out.append('<path d="M380 480 C420 380 520 330 640 300 V480 Z" fill="#6E8A4A"/>')
    for i, (x, y, r) in enumerate(((600, 300, 60), (520, 330, 46), (470, 370, 40))):
        out.append(tree(x, y + 40, 50, r, "#4E7A32", seed=40 + i))
    out.append('<path d="M120 480 C260 420 420 360 640 330 L640 360 C470 390 420 420 380 480 Z" fill="#8A8A8C"/>')
    out.append(stroke("M150 480 C280 424 440 366 640 338", "#ECECE4", 3, 'stroke-dasharray="26 18"'))
    out.append('<path d="M0 430 C180 380 380 330 640 300" fill="none" stroke="#E8E8E8" stroke-width="10"/>')
    out.append('<path d="M0 430 C180 380 380 330 640 300" fill="none" stroke="#9A9A9A" stroke-width="1.5"/>')
    for i in range(9):
        t = i / 8
        x = t * 640
        y = 430 - 130 * t + 18 * t * (1 - t) * -1
        out.append(rect(f"{x - 3:.0f}", f"{y:.0f}", "6", f"{36 - t * 14:.0f}", "#D0D0CC"))
    # the curve mirror and a lamp
    out.append(rect(496, 240, 8, 160, "#E8742E") + oval(500, 228, 30, 30, "#E8742E", "#8A3E14", 2)
               + oval(500, 228, 23, 23, "#C8D6E0") + '<path d="M484 222 q16 -14 32 0" fill="none" stroke="#FFFFFF" stroke-width="3"/>')
    out.append(street_lamp(300, 420, 180, time, late, 1))
    out.append(utility_pole(40, 120, 480, ((0, 140), (300, 220))))
    return "".join(layers) + finish(out, time, late)


def festival(time):
    """bg015n: 月見坂神社 on festival night: lanterns, stalls, the torii."""
    late = []
    out = [open_sky(300, time)]
    night_sky(time, late, (0, 0, 640, 140), 9, (540, 60))
    late.append("".join(stroke(f"M120 90 l{40 * math.cos(a):.1f} {40 * math.sin(a):.1f}", "#FFB0C8", 2.5)
                        for a in (k * math.pi / 8 for k in range(16))))
    # wooded hill and the shrine hall
    out.append('<path d="M0 220 Q200 150 320 170 Q460 140 640 210 V320 H0 Z" fill="#2E4A36"/>')
    out.append(poly(((250, 214), (390, 214), (362, 188), (278, 188)), "#3A3236", "#1E1A1C"))
    out.append(outline(266, 214, 108, 46, "#8A5A3C", "#4E3020", 2))
    hall = outline(280, 222, 80, 30, "#FFD98A", "#4E3020", 1.5) + stroke(
        "M296 222 v30 M312 222 v30 M328 222 v30 M344 222 v30 M280 237 h80", "#8A5A3C", 1.5)
    out.append(hall)
    late.append(hall + glow(320, 236, 60))
    # the gravel approach
    out.append(poly(((0, 480), (640, 480), (400, 262), (240, 262)), "#BDB4A4", "#BDB4A4"))
    out.append(poly(((0, 262), (240, 262), (0, 480)), "#5A5048") + poly(((640, 262), (400, 262), (640, 480)), "#5A5048"))
    for i in range(60):
        x, y = (i * 67) % 640, 280 + (i * 41) % 200
        out.append(oval(x, y, 2, 1.2, "#A89E8E"))
    # stalls down both sides: a lit opening, a counter of wares, a striped awning
    view = dict(vy=262, f=260)
    for z in (10.5, 6.5, 2.5):
        for side in (-1, 1):
            X, back = 3.4 * side, 4.8 * side
            out.append(quad(((X, 0, z), (back, 0, z), (back, 2.4, z), (X, 2.4, z)), "#5A3A26", "#2E1E14", **view))
            out.append(quad(((X, 0, z), (X, 0, z + 3.4), (X, 2.4, z + 3.4), (X, 2.4, z)), "#6E4A32", "#2E1E14", **view))
            opening = quad(((X, 0.95, z + 0.2), (X, 0.95, z + 3.2), (X, 2.1, z + 3.2), (X, 2.1, z + 0.2)),
                           "#FFD98A", "#6E4A32", **view)
            out.append(opening)
            late.append(opening)
            for k in range(6):
                c = ("#E8402E", "#F2C230", "#5AA0E0", "#F2F2F2", "#E08AC8", "#8ED08A")[(k + int(z)) % 6]
                cx, cy = proj(X, 1.05, z + 0.5 + k * 0.45, **view)
                r = 60 / (z + k * 0.45)
                late.append(oval(cx, cy - r, r * 0.5, r * 0.8, c, "#4E3020", 1))
            counter = quad(((X, 0.8, z), (X, 0.8, z + 3.4), (X, 0.95, z + 3.4), (X, 0.95, z)), "#C8A070", "#4E3020", **view)
            out.append(counter)
            late.append(counter)
            for k in range(7):
                a, b = z + k * 3.6 / 7 - 0.1, z + (k + 1) * 3.6 / 7 - 0.1
                out.append(quad(((X, 2.7, a), (X, 2.7, b), (X - 0.7 * side, 2.25, b), (X - 0.7 * side, 2.25, a)),
                                ("#D9342E", "#FFFFFF")[k % 2], "#6E2A1E", 1, **view))
    # the torii and stone lanterns
    red = "#C8402E"
    out.append(rect(248, 150, 16, 140, red) + rect(376, 150, 16, 140, red))
    out.append(rect(236, 172, 168, 10, red) + poly(((216, 136), (424, 136), (412, 152), (228, 152)), "#2A2226", "#1A1416"))
    out.append(rect(232, 150, 176, 10, red) + rect(314, 152, 12, 20, red))
    for x in (200, 440):
        out.append(rect(x - 5, 250, 10, 40, "#8A867E") + poly(((x - 16, 252), (x + 16, 252), (x, 236)), "#8A867E", "#5A564E", 1)
                   + outline(x - 9, 254, 18, 14, "#6A665E", "#5A564E", 1))
        late.append(rect(x - 6, 256, 12, 10, "#FFD98A") + glow(x, 260, 30))
    # strings of paper lanterns
    for side in (-1, 1):
        a, b = (320 + side * 330, 110), (320 + side * 80, 176)
        out.append(stroke(f"M{a[0]} {a[1]} Q{(a[0] + b[0]) / 2} {(a[1] + b[1]) / 2 + 24} {b[0]} {b[1]}", "#2A2226", 1.5))
        for k in range(1, 9):
            t = k / 9
            x = a[0] + (b[0] - a[0]) * t
            y = a[1] + (b[1] - a[1]) * t + 48 * t * (1 - t)
            r = 13 - t * 7
            lantern = (oval(x, y + r * 1.3, r, r * 1.3, ("#E8402E", "#FFF4E0")[k % 2], "#6E2A1E", 1)
                       + rect(f"{x - r * 0.5:.1f}", f"{y:.1f}", f"{r:.1f}", "2", "#2A2226"))
            out.append(lantern)
            late.append(glow(x, y + r * 1.3, r * 3.5) + lantern)
    return finish(out, time, late)


# The studio -----------------------------------------------------------------------

def emblem(cx, cy, r):
    """The studio's mark: a half sun setting into calm water."""
    return (f'<path d="M{cx - r} {cy} a{r} {r} 0 0 1 {2 * r} 0 Z" fill="#F28C28"/>'
            + stroke(f"M{cx - r * 1.2:.0f} {cy + r * 0.3:.0f} h{r * 2.4:.0f} M{cx - r * 0.8:.0f} {cy + r * 0.6:.0f} h{r * 1.6:.0f}",
                     "#3A7BB8", max(2, r / 8)))


def van(x, y, time, late, s=1.0):
    """白玉号, the studio's battered white van, seen from the side (facing left)."""
    def p(px, py):
        return (x + px * s, y + py * s)
    out = [poly((p(0, 80), p(0, 40), p(30, 0), p(250, 0), p(250, 80)), "#F2F2EE", "#6E6E6A", 2),
           poly((p(10, 40), p(36, 8), p(80, 8), p(80, 40)), GLASS[time], "#6E6E6A", 1.5)]
    for px in (90, 150, 200):
        out.append(poly((p(px, 8), p(px + 46, 8), p(px + 46, 40), p(px, 40)), GLASS[time], "#6E6E6A", 1.5))
    out.append(poly((p(0, 66), p(250, 66), p(250, 72), p(0, 72)), "#9A9A96", "#9A9A96", 0))
    out.append(poly((p(120, 50), p(160, 36), p(166, 52), p(126, 64)), "#D8D4CC", "#D8D4CC", 0))  # the old dent
    for px in (40, 200):
        cx, cy = p(px, 80)
        out.append(oval(cx, cy, 18 * s, 18 * s, "#2A2A2A") + oval(cx, cy, 8 * s, 8 * s, "#A8A8A8"))
    hx, hy = p(2, 52)
    out.append(oval(hx, hy, 4 * s, 6 * s, "#FFF6C0", "#6E6E6A", 1))
    return "".join(out)


def studio_street(time):
    """bg030: 夕凪動画 from the street: the old rice shop with its flat roof, the van outside."""
    late, layers = [], []
    out = [open_sky(300, time)]
    night_sky(time, late, (0, 0, 640, 76), 10, (560, 40))
    # the neighbours
    out.append(outline(-4, 150, 130, 262, "#C9BBA6", "#7A6E5E", 2) + poly(((-10, 150), (134, 150), (120, 126), (0, 126)), "#5A5E68", "#3A3E46"))
    out.append(pane(20, 176, 80, 48, time, True, late, "#6E6456"))
    out.append(outline(0, 262, 124, 150, "#A8ACB0", "#6E7276", 2))
    for y in range(268, 410, 7):
        out.append(stroke(f"M2 {y} H122", "#8E9296", 1.5))
    out.append(outline(510, 120, 134, 292, "#D8D0C0", "#7A6E5E", 2) + poly(((504, 120), (644, 120), (630, 96), (516, 96)), "#6A4E44", "#4A3630"))
    out.append(pane(534, 150, 70, 50, time, False, late, "#6E6456"))
    # the studio: flat roof with its rail, the plastered upper floor, the shop front below
    out.append(outline(124, 96, 386, 20, "#CFC6B4", "#7A6E5E", 2))
    out.append(stroke("M130 96 V70 M504 96 V70 M130 72 H504", "#6E7276", 3))
    for x in range(150, 500, 24):
        out.append(stroke(f"M{x} 96 V72", "#6E7276", 2))
    out.append(rect(440, 52, 4, 44, "#6E7276") + stroke("M442 56 L486 60", "#9A9A9A", 1.2)
               + rect(456, 58, 12, 16, "#F28C28"))  # somebody's T-shirt drying on the roof
    out.append(outline(124, 116, 386, 130, "#E6DCC8", "#7A6E5E", 2))
    for x in (148, 272, 396):
        out.append(outline(x - 4, 136, 98, 74, "#B9BEC4", "#6E767E", 2))
        out.append(pane(x + 2, 142, 40, 62, time, True, late, "#8A9096") + pane(x + 46, 142, 40, 62, time, True, late, "#8A9096"))
        out.append(rect(x - 8, 210, 106, 6, "#B9BEC4"))
    out.append(poly(((110, 272), (524, 272), (510, 240), (124, 240)), "#4A4E58", "#2E3038"))
    for x in range(130, 510, 10):
        out.append(stroke(f"M{x} 242 l-2 28", "#3A3E46", 1))
    out.append(outline(196, 206, 242, 36, "#6B4A30", "#3E2A1A", 2) + emblem(317, 230, 16))
    out.append(outline(124, 272, 386, 140, "#5A4030", "#3E2A1A", 2))
    for x0 in (132, 430):
        for k in range(11):
            out.append(rect(x0 + 4 + k * 6.6, 282, 3, 122, "#7A5A40"))
    out.append(outline(214, 280, 208, 128, "#7A5A40", "#3E2A1A", 2))
    for i in range(4):
        out.append(pane(220 + i * 50, 286, 46, 116, time, True, late, "#7A5A40"))
    layers.append(dusk(out, time, late))
    out, late = [], []
    # a bicycle against the lattice, the street, a pole, the van
    out.append(oval(150, 396, 16, 16, "none", "#2A2A2A", 2.5) + oval(196, 396, 16, 16, "none", "#2A2A2A", 2.5)
               + stroke("M150 396 l14 -22 h24 l8 22 M164 374 l-4 -8 M188 374 l2 -10 h8", "#3A6EA8", 3))
    out.append(rect(0, 410, 640, 70, "#8E8C88") + rect(0, 408, 640, 10, "#B8B4AC") + rect(0, 418, 640, 6, "#6E6C68"))
    out.append(utility_pole(96, 20, 440, ((0, 60), (640, 30))))
    out.append(street_lamp(96, 300, 150, time, late, 1))
    out.append(van(400, 330, time, late, 0.96))
    return "".join(layers) + finish(out, time, late, warm=((320, 340, 110),))


def entrance(time):
    """bg031: the studio entrance: shoe shelves, the cut-bag pigeonholes, the step up."""
    late = []
    out = [rect(0, 0, 640, 480, "#E8E0CE"), rect(0, 0, 640, 20, "#D4C9B0")]
    out.append(outline(250, 24, 140, 8, "#FFFFFF", "#B5AA95", 1))
    # a small window high on the right, onto the sky
    out.append(window(560, 40, 70, 90, time, late, "#8A6A4A", "#5A4636", cols=1, town=False))
    # notice board over the shoe shelf
    out.append(outline(24, 44, 150, 110, "#C9A77C", "#8A6B3F", 2))
    for i, (x, y, c) in enumerate(((34, 54, "#FFFFFF"), (84, 60, "#FFF3B0"), (128, 52, "#FFFFFF"), (40, 104, "#CDE8F7"),
                                   (96, 108, "#FFFFFF"))):
        out.append(outline(x, y, 38, 40, c, "#A59C8E", 1) + oval(x + 19, y + 3, 3, 3, "#D9534F"))
        out.append(stroke(f"M{x + 6} {y + 14} h24 M{x + 6} {y + 22} h20 M{x + 6} {y + 30} h26", "#B8B0A0", 1.5))
    # shoe shelf: open cubbies with shoes
    out.append(outline(20, 170, 160, 240, "#B08860", "#6E5238", 2))
    for r in range(4):
        for c in range(3):
            x, y = 28 + c * 50, 178 + r * 58
            out.append(outline(x, y, 44, 50, "#7A5A40", "#6E5238", 1))
            if (r * 3 + c) % 5 != 3:
                shoe = ("#FFFFFF", "#3A3A3A", "#C8402E", "#8A6A4A", "#3A6EA8")[(r + c * 2) % 5]
                out.append(oval(x + 14, y + 40, 12, 7, shoe, "#444", 1) + oval(x + 31, y + 40, 12, 7, shoe, "#444", 1))
    # the cut-bag pigeonholes: a big rack, bags standing in most slots, a coloured tag each
    out.append(outline(206, 50, 340, 300, "#C9A46C", "#6E5238", 3))
    for r in range(5):
        for c in range(6):
            x, y = 214 + c * 55, 58 + r * 58
            out.append(outline(x, y, 50, 52, "#8A6A4A", "#6E5238", 1))
            k = (r * 7 + c * 3) % 9
            if k < 7:
                h = 30 + k * 2
                out.append(poly(((x + 4, y + 52), (x + 44, y + 52), (x + 44 + k % 2 * 2, y + 52 - h), (x + 6, y + 52 - h)),
                                "#D2B07A", "#8A6B3F", 1.2))
                if k % 3 == 0:
                    out.append(poly(((x + 8, y + 52), (x + 46, y + 52), (x + 46, y + 56 - h), (x + 10, y + 56 - h)),
                                    "#C9A46C", "#8A6B3F", 1.2))
                out.append(rect(x + 10, y + 56 - h, 14, 5, ("#D9534F", "#337AB7", "#5CB85C", "#F0AD4E")[(r + c) % 4]))
            out.append(rect(x + 14, y + 50, 22, 4, "#FFFFFF"))
    # umbrella stand by the door
    out.append(outline(580, 330, 40, 80, "#9AA0A6", "#5E646A", 2))
    for i, c in enumerate(("#3A6EA8", "#3A3A3A", "#C8402E")):
        out.append(stroke(f"M{590 + i * 10} 332 l{-4 + i * 4} -70", c, 5) + stroke(f"M{590 + i * 10} 332 l{-4 + i * 4} -70", "#222", 1))
    out.append(oval(583, 262, 6, 4, "#3A3A3A"))
    # the wooden floor, the step's edge, the concrete where the shoes come off
    out.append(rect(190, 350, 450, 60, "#B8976F") + rect(0, 410, 640, 70, "#A9A6A0"))
    for x in range(210, 640, 40):
        out.append(stroke(f"M{x} 352 V408", "#A5865F", 1.5))
    out.append(rect(0, 404, 640, 14, "#7A5A40"))
    for i, c in enumerate(("#3A6EA8", "#3A6EA8", "#C8402E", "#C8402E", "#6E8A4A", "#6E8A4A")):
        x = 250 + (i // 2) * 110 + (i % 2) * 34
        out.append(f'<rect x="{x}" y="372" width="28" height="30" rx="12" fill="{c}" stroke="#333" stroke-width="1.5"/>')
    for x, c in ((60, "#FFFFFF"), (130, "#F28C28"), (470, "#3A3A3A")):
        out.append(oval(x, 450, 18, 9, c, "#444", 1.5) + oval(x + 42, 454, 18, 9, c, "#444", 1.5))
    return finish(out, time, late, warm=((320, 40, 160),))


def animator_desk(x, time, late):
    """One animator's desk in the drawing room: shelf unit, tilted board, light disc, lamp."""
    out = [outline(x + 8, 150, 164, 110, "#B08860", "#6E5238", 2)]
    for r in range(2):
        y = 156 + r * 50
        out.append(rect(x + 12, y + 44, 156, 4, "#6E5238"))
        for i in range(8):
            c = ("#FFFFFF", "#D2B07A", "#F4F1EA", "#D2B07A", "#FFFFFF", "#CDE8F7", "#D2B07A", "#FFFFFF")[(i + r * 3) % 8]
            h = 24 + (i * 7 + r * 5) % 16
            out.append(outline(x + 16 + i * 18, y + 44 - h, 14, h, c, "#8A8276", 1))
    out.append(outline(x + 150, 120, 16, 30, "#7DA0B0", "#4E6470", 1.5)
               + stroke(f"M{x + 154} 120 l-4 -16 M{x + 158} 120 V100 M{x + 162} 120 l6 -14", "#D7263D", 2.5))
    out.append(outline(x, 330, 180, 12, "#C9A77C", "#6E5238"))
    out.append(poly(((x + 14, 330), (x + 166, 330), (x + 156, 262), (x + 24, 262)), "#8E7D6A", "#4E3F33"))
    disc = (oval(x + 90, 298, 58, 28, "#F4FAFF", "#6E6A64", 2)
            + poly(((x + 56, 316), (x + 124, 316), (x + 118, 282), (x + 62, 282)), "#FFFFFF", "#B9B2A6", 1)
            + stroke(f"M{x + 76} 306 q10 -20 22 -6 q8 8 -4 10 M{x + 96} 292 l10 -6", "#7A7A7A", 1.5)
            + rect(x + 74, 278, 32, 4, "#9A9A9A"))
    out.append(disc)
    if time == "n":
        late.append(disc)
    out.append(outline(x + 10, 342, 70, 138, "#9C7550", "#6E5238"))
    out.append(stroke(f"M{x + 16} 380 h58 M{x + 16} 420 h58", "#6E5238", 2))
    out.append(rect(x + 164, 342, 8, 138, "#6E5238"))
    out.append(stroke(f"M{x + 20} 262 L{x + 8} 214 L{x + 40} 196", "#444", 4)
               + poly(((x + 30, 190), (x + 58, 194), (x + 50, 212)), "#4A7A5A", "#2A4A33", 1.5))
    return "".join(out)


def drawing_room(time):
    """bg035: the drawing room: animators' desks with light boxes, the director's curtain."""
    late = []
    out = [rect(0, 0, 640, 480, "#E8E4D8"), rect(0, 0, 640, 16, "#D4CEBE"), rect(0, 340, 640, 140, "#A89A84")]
    for x in (100, 320, 520):
        out.append(outline(x - 60, 16, 120, 8, "#FFFFFF", "#B5AA95", 1))
    for x in (20, 200, 380):
        out.append(window(x + 16, 34, 150, 104, time, late, "#B9BEC4", "#6E767E"))
    for i, x in enumerate((10, 190, 370)):
        out.append(animator_desk(x, time, late))
    # model sheets pinned on the shelf ends
    for x, y in ((176, 166), (356, 170)):
        out.append(outline(x, y, 26, 36, "#FFFFFF", "#A59C8E", 1) + oval(x + 13, y + 12, 6, 7, "none", "#7A7A7A", 1)
                   + stroke(f"M{x + 13} {y + 19} v10 M{x + 7} {y + 24} h12", "#7A7A7A", 1))
    # the director's corner behind its curtain
    out.append(rect(548, 22, 92, 5, "#8E8676"))
    out.append('<path d="M556 26 h84 V470 h-76 c6 -120 -10 -300 -8 -444 Z" fill="#C8B890" stroke="#8A7A56" stroke-width="2"/>'
               + stroke("M576 30 q-6 200 4 436 M600 30 q6 200 -4 436 M622 30 q-4 200 2 436", "#B0A078", 2))
    out.append(chair(60, 380, "#3F5C7A") + chair(250, 388, "#7A3F4A") + chair(430, 384, "#3F5C7A"))
    return finish(out, time, late, warm=((48, 240, 70), (228, 240, 70), (408, 240, 70)))


def director_room(time):
    """bg037: the director's room: a former storeroom of storyboards, the ashtray, the cot."""
    late = []
    out = [rect(0, 0, 640, 480, "#D9D0BC"), rect(0, 340, 640, 140, "#8A7A66")]
    for x in range(0, 640, 36):
        out.append(stroke(f"M{x} 342 L{x - 30} 480", "#7A6A56", 1.5))
    out.append(window(250, 36, 150, 86, time, late, "#8A8E92", "#55585C", cols=2))
    # steel shelves crammed with storyboard bundles and film cans
    out.append(outline(10, 40, 190, 300, "#8E949A", "#55585C", 2))
    for r in range(4):
        y = 48 + r * 72
        out.append(rect(14, y + 64, 182, 6, "#6E7276"))
        for i in range(6):
            kind = (i + r) % 4
            bx = 20 + i * 29
            if kind == 3:
                out.append(oval(bx + 12, y + 56, 13, 8, "#9AA0A6", "#55585C", 1.5))
            else:
                h = 34 + (i * 5 + r * 3) % 24
                out.append(outline(bx, y + 64 - h, 24, h, ("#FFFFFF", "#F4F1EA", "#E8E2D0")[kind], "#8A8276", 1)
                           + rect(bx + 8, y + 64 - h - 3, 8, 6, "#444"))
    # storyboard pages pinned over the desk
    for r in range(2):
        for c in range(4):
            out.append(storyboard(214 + c * 50, 140 + r * 84))
    # the desk: ashtray, barley tea, a page in progress
    out.append(outline(200, 320, 246, 14, "#9C7550", "#5E4630") + outline(210, 334, 80, 146, "#8A6A4A", "#5E4630")
               + rect(430, 334, 8, 146, "#5E4630"))
    out.append(poly(((300, 318), (380, 318), (372, 286), (306, 286)), "#FFFFFF", "#A59C8E", 1))
    for i in range(3):
        out.append(outline(312, 290 + i * 9, 22, 7, "#FFFFFF", "#6E6E6E", 1))
    out.append(oval(250, 314, 24, 7, "#C8D6E0", "#7A8A96", 2))
    for i in range(5):
        out.append(stroke(f"M{236 + i * 7} 312 l{4 - i % 3 * 3} -5", "#F4F1EA", 3))
    out.append(stroke("M246 306 q-8 -16 4 -30 q10 -14 -2 -30", "#B8B8C0", 2.5, 'opacity="0.7"'))
    out.append(outline(396, 284, 20, 34, "#C8E0E8", "#7A8A96", 1.5) + rect(398, 296, 16, 20, "#B07A3A"))
    out.append(outline(420, 270, 16, 48, "#D8C9A0", "#8A7A56", 1.5) + rect(422, 264, 12, 8, "#C8402E"))
    # the cot with its blanket, a jacket on a hook
    out.append(rect(470, 430, 6, 50, "#6E7276") + rect(620, 430, 6, 50, "#6E7276"))
    out.append(outline(460, 404, 180, 30, "#5E7A5A", "#3A4E38", 2))
    out.append('<path d="M480 404 q40 -30 80 -6 q30 -20 70 4 v30 h-150 Z" fill="#8E8A9A" stroke="#55526A" stroke-width="2"/>')
    out.append('<rect x="584" y="384" width="48" height="24" rx="8" fill="#F4F1EA" stroke="#A59C8E" stroke-width="2"/>')
    out.append(oval(540, 150, 4, 4, "#444") + stroke("M540 152 l-30 18 h60 Z", "#444", 2)
               + '<path d="M510 170 l30 -12 l30 12 l6 114 h-72 Z" fill="#6B4F2A" stroke="#3E2E18" stroke-width="2"/>'
               + stroke("M528 164 l12 36 l12 -36 M540 200 V284", "#3E2E18", 2))
    # one bare bulb
    out.append(stroke("M320 0 V140", "#444", 2) + oval(320, 150, 9, 11, "#F4F1E0", "#8A8470", 1.5))
    if time != "day":
        late.append(oval(320, 150, 9, 11, "#FFF6D0"))
    return finish(out, time, late, warm=((320, 160, 200),))


def poster_giant(x, y):
    """Film 0's poster: a giant made of windmills over a seaside town."""
    out = [outline(x, y, 160, 220, "#7EC4EC", "#333", 2), rect(x, y + 150, 160, 70, "#3E7AB8")]
    for i in range(6):
        out.append(rect(x + 8 + i * 25, y + 140 - i % 2 * 8, 18, 20 + i % 2 * 8, ("#F4F1EA", "#F2D35E", "#E8A06A")[i % 3]))
    out.append(poly(((x + 50, y + 150), (x + 110, y + 150), (x + 104, y + 80), (x + 56, y + 80)), "#8A5A3C", "#3E2A1A", 2))
    out.append(outline(x + 62, y + 44, 36, 36, "#A06A44", "#3E2A1A", 2) + oval(x + 72, y + 60, 5, 5, "#FFD23F")
               + oval(x + 88, y + 60, 5, 5, "#FFD23F"))
    for cx, cy in ((x + 42, y + 92), (x + 118, y + 92)):
        for a in (0, 90, 180, 270):
            out.append(poly(((cx, cy), (cx + 30, cy - 6), (cx + 30, cy + 4)), "#F4F1EA", "#3E2A1A", 1.5,
                            f'transform="rotate({a + 20} {cx} {cy})"'))
        out.append(oval(cx, cy, 5, 5, "#3E2A1A"))
    out.append(stroke(f"M{x + 10} {y + 30} q20 -8 40 0 M{x + 110} {y + 22} q20 -8 40 0", "#FFFFFF", 3))
    return "".join(out)


def poster_mist(x, y):
    """Film 1's poster: a wolf-eyed girl in the mist under the moon."""
    out = [outline(x, y, 160, 220, "#1E2A44", "#333", 2), oval(x + 116, y + 44, 20, 20, "#F4EED0")]
    out.append(f'<path d="M{x} {y + 150} l40 -50 l30 30 l40 -60 l50 70 V{y + 220} H{x} Z" fill="#2E3A54"/>')
    out.append(f'<path d="M{x + 46} {y + 220} q0 -60 34 -70 q-20 -8 -18 -40 q4 -30 30 -30 q26 0 28 30 q2 30 -16 40 '
               f'q30 14 30 70 Z" fill="#101522"/>')
    out.append(f'<path d="M{x + 92} {y + 84} q30 0 40 40 q-20 -20 -38 -24 Z" fill="#101522"/>')
    out.append(poly(((x + 78, y + 108), (x + 90, y + 104), (x + 88, y + 110)), "#FFB000", "#FFB000", 1)
               + poly(((x + 98, y + 104), (x + 110, y + 108), (x + 100, y + 110)), "#FFB000", "#FFB000", 1))
    for k in range(4):
        out.append(oval(x + 80, y + 150 + k * 20, 100, 8, "#E8EEF4", extra='opacity="0.45"'))
    return "".join(out)


def meeting_room(time):
    """bg038: the meeting room with the two posters on the wall."""
    late = []
    out = [rect(0, 0, 640, 480, "#EEE8DA"), rect(0, 0, 640, 16, "#DAD2C0"), rect(0, 330, 640, 150, "#8F8A80")]
    for x in (160, 480):
        out.append(outline(x - 60, 16, 120, 8, "#FFFFFF", "#B5AA95", 1))
    out.append(poster_giant(110, 60) + poster_mist(370, 60))
    for x, y in ((116, 64), (264, 64), (376, 64), (524, 64)):
        out.append(oval(x, y, 4, 4, "#D9534F", "#8A2A2A", 1))
    out.append(oval(320, 84, 22, 22, "#FFFFFF", "#3A3A3A", 3) + stroke("M320 84 V68 M320 84 L332 90", "#222", 2.5))
    out.append(outline(20, 60, 70, 100, "#FBFCFD", "#9AA2AA", 3) + stroke("M28 80 h40 M28 96 h50 M28 112 h30", "#337AB7", 2))
    out.append(outline(570, 40, 56, 240, "#B08860", "#6E5238", 2) + oval(616, 160, 4, 4, "#D8C090"))
    # chairs behind the long table, things left on it: tea, papers, the president's knitting
    for x in (90, 200, 310, 420, 530):
        out.append(f'<rect x="{x - 30}" y="270" width="60" height="70" rx="10" fill="#4E5E74" stroke="#2E3642" stroke-width="2"/>')
    out.append(outline(30, 330, 580, 18, "#B08860", "#6E5238") + poly(((30, 348), (610, 348), (600, 480), (40, 480)), "#9C7550", "#6E5238"))
    for x in (120, 300, 470):
        out.append(outline(x, 314, 14, 16, "#F4F1EA", "#8E8676", 1.5) + rect(x + 2, 318, 10, 4, "#8FA86A"))
    out.append(poly(((170, 330), (240, 330), (236, 318), (176, 318)), "#FFFFFF", "#A59C8E", 1))
    out.append(oval(400, 318, 16, 13, "#C9A227", "#8A6E14", 2) + stroke("M388 312 q12 8 24 0 M386 320 q14 6 28 0", "#A8861A", 1.5)
               + stroke("M410 330 L440 296 M414 330 L448 300", "#B8B8C0", 3))
    return finish(out, time, late)


def roof(time):
    """bg039: the studio's flat roof: parapet, water tank, washing line, the town beyond."""
    late, layers = [], []
    out = [open_sky(300, time)]
    night_sky(time, late, (130, 0, 350, 196), 11, (220, 70))
    town = {"day": "#9AA6B6", "y": "#7A5E7A", "n": "#1E2440"}[time]
    out.append('<path d="M0 230 Q200 200 380 224 Q520 200 640 220 V300 H0 Z" fill="%s"/>' % light_hill(time))
    rng = random.Random(39)
    x = 0
    while x < 640:
        w, h = 24 + rng.random() * 50, 14 + rng.random() * 50
        out.append(rect(f"{x:.0f}", f"{290 - h:.0f}", f"{w + 1:.0f}", f"{h + 10:.0f}", town))
        for k in range(int(w // 12)):
            if rng.random() < 0.55:
                out.append(pane(round(x + 4 + k * 12), round(296 - h), 5, 6, time, rng.random() < 0.7, late, town))
        x += w
    layers.append(dusk(out, time, late))
    out, late = [], []
    # parapet and rail, the concrete floor
    out.append(rect(0, 300, 640, 34, "#C8C2B6") + rect(0, 300, 640, 5, "#E0DBD0"))
    out.append(stroke("M0 252 H640", "#7A7E84", 4))
    for x in range(10, 640, 40):
        out.append(rect(x, 252, 4, 50, "#7A7E84"))
    out.append(rect(0, 334, 640, 146, "#B8B4AC"))
    for y in (370, 420):
        out.append(stroke(f"M0 {y} H640", "#A8A49C", 2))
    out.append(oval(420, 440, 80, 16, "#A8A49C"))
    # the stair hut and its lamp
    out.append(outline(0, 150, 110, 184, "#D8D2C4", "#7A7468", 2) + poly(((-6, 150), (116, 150), (116, 138), (-6, 138)), "#8A8E92", "#55585C"))
    out.append(outline(30, 200, 56, 134, "#8E9AA4", "#55585C", 2) + oval(76, 270, 4, 4, "#D8D8D8"))
    out.append(oval(58, 176, 9, 6, "#F4F1E0", "#8A8470", 1.5))
    if time != "day":
        late.append(oval(58, 176, 9, 6, "#FFF6D0"))
    # the water tank on its stand
    out.append(stroke("M500 330 L510 250 M600 330 L590 250 M506 290 H594", "#7A7E84", 5))
    out.append(f'<rect x="490" y="150" width="120" height="104" rx="16" fill="#E4E0D4" stroke="#7A7468" stroke-width="2"/>'
               + stroke("M490 186 H610 M490 222 H610", "#C8C2B6", 2))
    # washing line with towels and a studio T-shirt
    out.append(rect(150, 230, 5, 104, "#7A7E84") + rect(420, 230, 5, 104, "#7A7E84") + stroke("M152 236 Q290 250 422 236", "#9A9A9A", 1.5))
    out.append(poly(((180, 240), (224, 243), (222, 290), (182, 288)), "#FFFFFF", "#9A9A9A", 1.5))
    out.append(poly(((250, 244), (300, 244), (310, 256), (298, 262), (296, 296), (256, 296), (254, 262), (242, 256)),
                    "#F28C28", "#A8581A", 1.5))
    out.append(poly(((330, 243), (380, 240), (378, 282), (332, 284)), "#8EC3E6", "#5E8AA8", 1.5))
    # plastic crates for sitting on, a bucket for the fireworks
    out.append(outline(200, 400, 60, 44, "#3A7BB8", "#22446E", 2) + outline(270, 408, 60, 40, "#F0C040", "#A8861A", 2))
    out.append(poly(((540, 420), (580, 420), (576, 460), (544, 460)), "#C8402E", "#6E2A1E", 2) + oval(560, 420, 20, 5, "#8A2A1E"))
    return "".join(layers) + finish(out, time, late)


def light_hill(time):
    return {"day": "#9FB8A0", "y": "#A07A80", "n": "#1A2034"}[time]


def van_inside(time):
    """bg040: inside 白玉号: the windscreen and the road, the dashboard, cut bags on the seat."""
    late = []
    # the view through the windscreen
    view = [open_sky(250, time)]
    land = {"day": "#9CB07A", "y": "#A08070", "n": "#1E2436"}[time]
    view.append(rect(0, 150, 640, 120, land))
    view.append(poly(((120, 270), (560, 270), (340, 150), (316, 150)), "#7E7E80", "#7E7E80", 0))
    view.append(stroke("M328 154 L330 270", "#ECECE4", 3, 'stroke-dasharray="14 12"'))
    for i, (x, h) in enumerate(((80, 60), (180, 36), (250, 22))):
        view.append(rect(x - 3, 170 - h, 6, h + 10, "#8A8478") + rect(x - 12, 172 - h, 24, 3, "#6E6A64"))
    view.append(rect(430, 120, 90, 50, "#E6DCC8") + poly(((424, 122), (526, 122), (506, 100), (444, 100)), "#6A4E44", "#4A3630"))
    view.append(pane(444, 134, 20, 16, time, True, late, "#6E6456") + pane(484, 134, 20, 16, time, True, late, "#6E6456"))
    view.append(tree(580, 170, 40, 40, seed=60) + tree(40, 170, 30, 34, seed=61))
    night_sky(time, late, (120, 50, 420, 70), 12)
    if time == "n":
        late.append('<path d="M200 270 L300 170 L370 170 L500 270 Z" fill="#FFF4C0" opacity="0.35"/>')
    seen = ('<clipPath id="screen"><path d="M70 50 L570 50 L610 250 L30 250 Z"/></clipPath>'
            f'<g clip-path="url(#screen)">{dusk(view, time, late)}</g>')
    out, late = [], []
    # the cab around it: roof lining, pillars, the mirror and a charm
    out.append('<path d="M0 0 H640 V480 H0 Z M70 50 L30 250 L610 250 L570 50 Z" fill="#6E6A66" fill-rule="evenodd"/>')
    out.append(rect(0, 0, 640, 44, "#D7D2C8") + poly(((0, 0), (70, 50), (30, 250), (0, 260)), "#4A4844", "#2E2C2A")
               + poly(((640, 0), (570, 50), (610, 250), (640, 260)), "#4A4844", "#2E2C2A"))
    out.append(poly(((120, 46), (230, 46), (226, 74), (124, 74)), "#C8C2B6", "#8A8478", 1.5))
    out.append(f'<rect x="280" y="52" width="90" height="24" rx="6" fill="#3A3836" stroke="#222" stroke-width="2"/>'
               + rect(286, 56, 78, 16, GLASS[time]) + stroke("M325 76 V104", "#C8402E", 1.5)
               + f'<rect x="318" y="104" width="14" height="20" rx="3" fill="#C8402E" stroke="#6E1E14" stroke-width="1.5"/>')
    # the dashboard and the wheel on the right
    out.append('<path d="M0 250 H640 V320 Q320 296 0 320 Z" fill="#4A4A50" stroke="#2A2A2E" stroke-width="2"/>')
    out.append(poly(((60, 252), (200, 252), (196, 272), (64, 272)), "#F4F1EA", "#8E8676", 1.5)
               + stroke("M80 262 l30 -4 l30 6 l40 -4", "#D9534F", 2))
    gauges = ""
    for cx in (420, 470):
        gauges += oval(cx, 290, 18, 14, "#1E1E22", "#888", 1.5) + stroke(f"M{cx} 290 l-10 -6", "#F28C28", 2)
    out.append(gauges)
    if time == "n":
        late.append("".join(oval(cx, 290, 18, 14, "#183038", "#6EC8D8", 2) + stroke(f"M{cx} 290 l-10 -6", "#F28C28", 2)
                            for cx in (420, 470)))
    out.append(oval(445, 340, 92, 78, "none", "#2A2A2E", 16) + oval(445, 340, 22, 18, "#3A3A3E", "#222", 2)
               + stroke("M360 344 L423 340 M530 344 L467 340", "#2A2A2E", 12))
    out.append(poly(((250, 480), (390, 480), (370, 330), (270, 330)), "#3A3A3E", "#222"))
    out.append(stroke("M320 420 V380", "#222", 6) + oval(320, 376, 10, 10, "#1E1E1E"))
    # the seats at either edge; cut bags piled on the passenger's
    out.append('<path d="M-20 480 L-20 340 Q60 300 190 330 L200 480 Z" fill="#5E6674" stroke="#2E3440" stroke-width="3"/>')
    out.append('<path d="M560 480 L566 350 Q620 330 660 340 V480 Z" fill="#5E6674" stroke="#2E3440" stroke-width="3"/>')
    for i in range(4):
        out.append(poly(((20 + i * 6, 372 - i * 16), (150 + i * 4, 366 - i * 16), (152 + i * 4, 386 - i * 16), (22 + i * 6, 392 - i * 16)),
                        ("#D2B07A", "#C9A46C")[i % 2], "#8A6B3F", 1.5))
        out.append(rect(60 + i * 6, 374 - i * 16, 20, 5, ("#D9534F", "#337AB7", "#5CB85C", "#F0AD4E")[i]))
    return seen + finish(out, time, late)


# Places on the map: the people who draw, paint and shoot the film ----------------

def robot(x, ground, s, colour):
    """An assembled model kit: a giant robot standing on a shelf."""
    def r(px, py, w, h, fill):
        return outline(f"{x + px * s:.1f}", f"{ground - py * s:.1f}", f"{w * s:.1f}", f"{h * s:.1f}", fill, "#333", 1)
    return (r(-7, 20, 6, 20, "#E8E8EC") + r(1, 20, 6, 20, "#E8E8EC") + r(-9, 40, 18, 20, colour)
            + r(-15, 40, 6, 16, "#E8E8EC") + r(9, 40, 6, 16, "#E8E8EC") + r(-16, 44, 8, 6, colour) + r(8, 44, 8, 6, colour)
            + r(-5, 50, 10, 10, "#E8E8EC") + r(-4, 46, 8, 3, "#5AC8E0")
            + stroke(f"M{x:.1f} {ground - 50 * s:.1f} l{-6 * s:.1f} {-6 * s:.1f} M{x:.1f} {ground - 50 * s:.1f} l{6 * s:.1f} {-6 * s:.1f}",
                     "#F2C230", max(1.5, 2 * s)))


def kit_box(x, y, w, h, colour):
    return (outline(x, y, w, h, colour, "#333", 1) + poly(((x, y + h), (x + w * 0.5, y + h), (x + w, y + h * 0.3), (x + w, y + h * 0.6)),
                                                           "#FFFFFF", "#FFFFFF", 0, 'opacity="0.5"')
            + rect(x + 3, y + 3, w * 0.3, h * 0.25, "#F2C230"))


def danchi_view(x, y, w, h, time, town=True):
    """The view from one danchi flat: the next block, balconies in rows."""
    out = [rect(x, y, w, h, "url(#sky)"), rect(x + w * 0.1, y + h * 0.25, w * 0.9, h * 0.75, "#C8C4BC" if time == "day" else "#8A8490")]
    for r in range(5):
        yy = y + h * 0.3 + r * h * 0.14
        out.append(rect(x + w * 0.1, yy + h * 0.08, w * 0.9, h * 0.025, "#9A968E"))
        for c in range(4):
            xx = x + w * 0.15 + c * w * 0.22
            lit = time != "day" and (r + c) % 3 != 0
            out.append(rect(f"{xx:.1f}", f"{yy:.1f}", f"{w * 0.12:.1f}", f"{h * 0.07:.1f}", LIT[time] if lit else GLASS[time]))
    return "".join(out)


def terakado_flat(time):
    """bg050: 原画マンＡ, 寺門's danchi flat: model kits everywhere, curtains half shut."""
    late, layers = [], []
    out = [rect(0, 0, 640, 480, "#E2DCCB"), rect(0, 330, 640, 150, "#9A8E7A"), rect(0, 326, 640, 6, "#7A6A56")]
    out.append(window(40, 60, 220, 210, time, late, "#B9BEC4", "#6E767E", view=danchi_view))
    layers.append(dusk(out, time, late))
    out, late = [], []
    out.append(rect(28, 52, 244, 6, "#6E6A64"))
    for x0, d in ((30, 1), (270, -1)):
        out.append(f'<path d="M{x0} 56 h{84 * d} c{-8 * d} 70 {6 * d} 150 {-4 * d} 226 h{-80 * d} Z" fill="#7A5A6A" '
                   f'stroke="#4E3644" stroke-width="2"/>'
                   + stroke(f"M{x0 + 30 * d} 60 q{6 * d} 110 0 220 M{x0 + 56 * d} 60 q{-6 * d} 110 0 220", "#5E4452", 2))
    # shelves of kit boxes and finished robots
    out.append(outline(420, 30, 210, 300, "#8E949A", "#55585C", 2))
    for r in range(4):
        y = 36 + r * 74
        out.append(rect(424, y + 66, 202, 6, "#6E7276"))
        if r % 2 == 0:
            for i in range(5):
                out.append(robot(446 + i * 40, y + 66, 1.0 - (i % 2) * 0.12, ("#3A6EA8", "#C8402E", "#E8E8EC", "#2E7D5B", "#F2C230")[(i + r) % 5]))
        else:
            for i in range(4):
                out.append(kit_box(428 + i * 50, y + 24 + (i % 2) * 10, 46, 42 - (i % 2) * 10,
                                   ("#2F5FA8", "#C8402E", "#E08A2E", "#5E6674")[(i + r) % 4]))
    # his desk: light box, a half-built robot on a sprue, paint bottles, the ashtray
    out.append(desk(250, 330, 170, "#A08A70", "#8A7660"))
    out.append(light_table(270, 330, 110, time != "day"))
    out.append(robot(400, 330, 0.8, "#3A6EA8"))
    out.append(outline(330, 300, 40, 24, "#B8B8BC", "#6E6E72", 1.5, 'transform="rotate(-8 350 312)"')
               + stroke("M336 306 h28 M336 314 h28 M346 302 v20", "#6E6E72", 1.5))
    for i, c in enumerate(("#C8402E", "#3A6EA8", "#F2C230", "#FFFFFF")):
        out.append(outline(256 + i * 9, 318, 7, 12, c, "#333", 1))
    out.append(oval(240, 326, 16, 5, "#C8D6E0", "#7A8A96", 1.5))
    # kit boxes and magazines on the floor
    for i, (x, y, w, h, c) in enumerate(((20, 400, 90, 40, "#2F5FA8"), (30, 370, 80, 32, "#C8402E"), (120, 420, 100, 44, "#E08A2E"),
                                        (470, 400, 120, 48, "#5E6674"), (490, 372, 90, 30, "#2E7D5B"))):
        out.append(kit_box(x, y, w, h, c))
    out.append(poly(((250, 470), (320, 462), (330, 478), (258, 480)), "#F0C040", "#555", 1))
    return "".join(layers) + finish(out, time, late, warm=((335, 300, 80),))


def cat(x, ground, s, fur, curled=False):
    """One of 沢渡's cats, sitting or curled up asleep."""
    eye = "#2A2A2A"
    if curled:
        return (oval(x, ground - 12 * s, 30 * s, 13 * s, fur, "#3A3A3A", 1.5)
                + oval(x - 22 * s, ground - 14 * s, 11 * s, 10 * s, fur, "#3A3A3A", 1.5)
                + poly(((x - 30 * s, ground - 20 * s), (x - 28 * s, ground - 30 * s), (x - 22 * s, ground - 23 * s)), fur, "#3A3A3A", 1.2)
                + poly(((x - 20 * s, ground - 23 * s), (x - 14 * s, ground - 31 * s), (x - 12 * s, ground - 21 * s)), fur, "#3A3A3A", 1.2)
                + stroke(f"M{x - 27 * s:.1f} {ground - 15 * s:.1f} q3 2 6 0 M{x - 19 * s:.1f} {ground - 15 * s:.1f} q3 2 6 0", eye, 1.2)
                + stroke(f"M{x + 26 * s:.1f} {ground - 6 * s:.1f} q-20 10 -44 4", fur, 6 * s)
                + stroke(f"M{x + 26 * s:.1f} {ground - 6 * s:.1f} q-20 10 -44 4", "#3A3A3A", 1))
    return (stroke(f"M{x + 14 * s:.1f} {ground - 4 * s:.1f} q24 -4 18 -30", fur, 6 * s)
            + oval(x, ground - 20 * s, 18 * s, 22 * s, fur, "#3A3A3A", 1.5)
            + oval(x, ground - 48 * s, 14 * s, 12 * s, fur, "#3A3A3A", 1.5)
            + poly(((x - 13 * s, ground - 52 * s), (x - 11 * s, ground - 66 * s), (x - 3 * s, ground - 58 * s)), fur, "#3A3A3A", 1.2)
            + poly(((x + 13 * s, ground - 52 * s), (x + 11 * s, ground - 66 * s), (x + 3 * s, ground - 58 * s)), fur, "#3A3A3A", 1.2)
            + oval(x - 5 * s, ground - 49 * s, 2 * s, 3 * s, eye) + oval(x + 5 * s, ground - 49 * s, 2 * s, 3 * s, eye)
            + stroke(f"M{x - 2 * s:.1f} {ground - 43 * s:.1f} l2 1.5 l2 -1.5", eye, 1))


def bakery_view(x, y, w, h, time, town=True):
    """From the flat above the bakery: houses across the street, the bakery's awning below."""
    out = [sky(x, y, w, h, time, town)]
    stripe = h * 0.16
    for i in range(int(w // 20) + 1):
        out.append(rect(f"{x + i * 20:.1f}", f"{y + h - stripe:.1f}", f"{min(20, x + w - (x + i * 20)):.1f}", f"{stripe:.1f}",
                        ("#8A5A3C", "#F4E6C4")[i % 2]))
    return "".join(out)


def sawatari_flat(time):
    """bg051: 原画マンＢ, 沢渡's studio flat above a bakery: her desk and her two cats."""
    late, layers = [], []
    out = [rect(0, 0, 640, 480, "#F2E6D2"), rect(0, 320, 640, 160, "#B88A5E"), rect(0, 316, 640, 6, "#8A6440")]
    for x in range(0, 640, 40):
        out.append(stroke(f"M{x} 322 V480", "#A87A50", 1.5))
    out.append(window(60, 50, 240, 210, time, late, "#F4F0E6", "#A8A08E", view=bakery_view))
    layers.append(dusk(out, time, late))
    out, late = [], []
    out.append(outline(50, 258, 260, 12, "#F4F0E6", "#A8A08E", 1.5) + outline(60, 234, 90, 24, "#B0603A", "#6E3A22", 1.5))
    for i in range(5):
        out.append(oval(72 + i * 16, 230, 8, 7, ("#E8402E", "#F2C230", "#E08AC8")[i % 3], "#8A2A2A", 1))
    out.append(cat(230, 258, 0.8, "#8A8E98"))
    # exposure sheets and drawings on the wall
    for i in range(4):
        x = 340 + i * 68
        out.append(outline(x, 60, 56, 80, "#FFFFFF", "#A59C8E", 1) + oval(x + 28, 64, 3, 3, "#D9534F"))
        for k in range(6):
            out.append(stroke(f"M{x + 6} {74 + k * 10} h44", "#C8C0B0", 1))
    out.append(outline(340, 150, 120, 90, "#FFFFFF", "#A59C8E", 1)
               + stroke("M360 220 q20 -50 40 -30 q14 14 30 -10", "#7A7A7A", 1.5) + oval(380, 180, 10, 12, "none", "#7A7A7A", 1.5))
    # the desk, the light box, a mug, the ginger cat asleep beside her work
    out.append(desk(350, 320, 270, "#C9A77C", "#A8865E"))
    out.append(light_table(430, 320, 130, time != "day"))
    out.append(cat(395, 320, 0.9, "#E8A05A", curled=True))
    out.append(outline(580, 298, 18, 22, "#F4F1EA", "#8E8676", 1.5) + stroke("M598 304 q8 4 0 10", "#8E8676", 2))
    out.append(chair(450, 360, "#C86A5A"))
    # bread from downstairs on a stool, cat bowls, a plant
    out.append(outline(60, 380, 110, 14, "#A87A50", "#6E4A30") + rect(70, 394, 8, 86, "#6E4A30") + rect(152, 394, 8, 86, "#6E4A30"))
    out.append(poly(((80, 380), (130, 380), (126, 330), (84, 330)), "#D8B888", "#8A6B3F", 1.5)
               + f'<rect x="96" y="300" width="16" height="50" rx="8" fill="#D89A4E" stroke="#8A5A2A" stroke-width="1.5" transform="rotate(14 104 325)"/>')
    out.append(oval(230, 462, 20, 7, "#5AA0E0", "#3A6E9A", 1.5) + oval(274, 466, 20, 7, "#E8607A", "#9A3A4A", 1.5))
    out.append(poly(((596, 480), (632, 480), (636, 440), (592, 440)), "#C4663E", "#6E3A22", 1.5))
    for a in (-50, -20, 10, 40):
        out.append(oval(614, 400, 10, 34, "#5E8C3A", "#3E6A2A", 1.5, f'transform="rotate({a} 614 436)"'))
    return "".join(layers) + finish(out, time, late, warm=((500, 260, 110),))


def city_view(x, y, w, h, time, town=True):
    """Office blocks seen from an office block."""
    out = [rect(x, y, w, h, "url(#sky)")]
    rng = random.Random(int(x))
    bx = x
    while bx < x + w:
        bw = 30 + rng.random() * 40
        top = y + h * (0.15 + rng.random() * 0.4)
        out.append(rect(f"{bx:.1f}", f"{top:.1f}", f"{min(bw, x + w - bx):.1f}", f"{y + h - top:.1f}",
                        ("#9AA8B8", "#B8C0C8", "#8A98A8")[int(rng.random() * 3)] if time == "day" else "#3A4060"))
        for yy in range(int(top) + 6, int(y + h) - 4, 10):
            for xx in range(int(bx) + 4, int(min(bx + bw, x + w)) - 6, 9):
                if time != "day" and rng.random() < 0.5:
                    out.append(rect(xx, yy, 5, 5, LIT[time]))
                elif time == "day":
                    out.append(rect(xx, yy, 5, 5, "#CFE0EC"))
        bx += bw + 4
    return "".join(out)


def tsubakuro(time):
    """bg052: スタジオ・ツバクロ, a key-animation house on an office floor."""
    late, layers = [], []
    out = [rect(0, 0, 640, 480, "#E4E6E8"), rect(0, 330, 640, 150, "#9098A0")]
    for x in range(0, 640, 64):
        out.append(stroke(f"M{x} 330 L{x - 40} 480", "#848C94", 1.5))
    out.append(rect(0, 0, 640, 24, "#D4D8DC"))
    for x in (80, 240, 400, 560):
        out.append(outline(x - 50, 4, 100, 14, "#FFFFFF", "#B4BAC0", 1))
    for x in (10, 140, 400, 530):
        out.append(window(x, 40, 120 if x in (10, 400) else 100, 150, time, late, "#B9BEC4", "#7E858B", view=city_view))
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the company's swallow on the wall between the windows
    out.append(outline(262, 56, 116, 110, "#FFFFFF", "#B4BAC0", 2))
    out.append('<path d="M316 104 Q296 74 262 68 Q290 92 306 116 Z" fill="#22406E"/>'
               '<path d="M330 114 Q348 142 380 150 Q354 124 340 104 Z" fill="#22406E"/>'
               '<path d="M312 114 L280 130 L300 116 L286 140 L318 120 Z" fill="#22406E"/>'
               + oval(326, 110, 18, 8, "#22406E", extra='transform="rotate(-35 326 110)"')
               + oval(340, 99, 8, 7, "#22406E") + oval(341, 104, 4, 3, "#C8402E") + oval(342, 97, 1.8, 1.8, "#FFFFFF"))
    out.append(outline(600, 338, 26, 14, "#8A9096", "#444", 1.5) + f'<rect x="598" y="330" width="30" height="8" rx="4" fill="#6E767E"/>')
    # partitions with the desks behind them, papers pinned, lamps showing over the top
    for i in range(4):
        x = 20 + i * 155
        out.append(stroke(f"M{x + 110} 236 L{x + 96} 200 L{x + 120} 188", "#444", 3)
                   + poly(((x + 112, 184), (x + 134, 186), (x + 128, 200)), "#6E7A8A", "#3E4A5A", 1.5))
        out.append(outline(x, 236, 140, 96, "#8E9AAA", "#55606E", 2))
        for k in range(3):
            out.append(outline(x + 10 + k * 42, 248 + (k % 2) * 8, 34, 44, "#FFFFFF", "#A8AEB6", 1) + oval(x + 27 + k * 42, 250 + (k % 2) * 8, 2.5, 2.5, "#D9534F"))
    # steel cabinet on the left, the reception counter in front
    out.append(outline(0, 200, 20, 200, "#A8B0B8", "#6E7680", 2))
    out.append(outline(360, 360, 280, 120, "#D8DCE0", "#7E858B", 2) + rect(360, 350, 280, 14, "#5E6A7A"))
    out.append(oval(420, 346, 12, 5, "#C8C8D0", "#6E6E72", 1.5) + oval(420, 341, 4, 4, "#8A8A90"))
    out.append(outline(470, 330, 80, 20, "#8A9AAA", "#55606E", 1.5))
    for k in range(3):
        out.append(poly(((478 + k * 6, 330 - k * 5), (540 + k * 4, 330 - k * 5), (540 + k * 4, 324 - k * 5), (478 + k * 6, 324 - k * 5)),
                        "#D2B07A", "#8A6B3F", 1))
    out.append(poly(((580, 350), (600, 350), (598, 310), (582, 310)), "#5E8C3A", "#3E6A2A", 1.5))
    return "".join(layers) + finish(out, time, late, cool=((160, 40, 140), (480, 40, 140)))


def shoji(x, y, w, h, lit=False):
    """Paper sliding doors: a wooden lattice over white paper."""
    out = [outline(x, y, w, h, "#FFF4D6" if lit else "#F6F2E8", "#8A6A4A", 3)]
    for i in range(1, 4):
        out.append(stroke(f"M{x + w * i / 4:.1f} {y} V{y + h}", "#A8885E", 2))
    for j in range(1, 7):
        out.append(stroke(f"M{x} {y + h * j / 7:.1f} H{x + w}", "#A8885E", 2))
    return "".join(out)


def garden_view(x, y, w, h, time, town=False):
    out = [sky(x, y, w, h, time, False), rect(x, y + h * 0.55, w, h * 0.45, "#6E8A4A")]
    out.append(tree(x + w * 0.3, y + h * 0.7, h * 0.3, h * 0.22, "#4E7A32", seed=70))
    out.append(oval(x + w * 0.75, y + h * 0.72, w * 0.2, h * 0.12, "#5E8C3A", "#3E6A2A", 1.5))
    lx = x + w * 0.62
    out.append(rect(lx - 4, y + h * 0.6, 8, h * 0.25, "#9A968E") + poly(((lx - 12, y + h * 0.6), (lx + 12, y + h * 0.6), (lx, y + h * 0.5)), "#8A867E", "#5A564E", 1))
    return "".join(out)


def parapara_do(time):
    """bg053: ぱらぱら堂, in-betweeners at low desks in an old wooden house."""
    late, layers = [], []
    out = [rect(0, 0, 640, 480, "#EDE4CE"), rect(0, 0, 640, 40, "#8A6A4A"), rect(0, 40, 640, 8, "#6E5238")]
    # the open doors onto the veranda and the garden
    out.append(outline(200, 60, 240, 250, "#8A6A4A", "#5A4636", 2))
    out.append(garden_view(204, 64, 232, 210, time))
    out.append(rect(204, 274, 232, 36, "#B8966A") + stroke("M204 286 H436 M204 298 H436", "#A07E54", 1.5))
    layers.append(dusk(out, time, late))
    out, late = [], []
    out.append(shoji(20, 60, 180, 250, time == "n") + shoji(440, 60, 180, 250, time == "n"))
    out.append(rect(0, 52, 20, 270, "#8A6A4A") + rect(620, 52, 20, 270, "#8A6A4A"))
    out.append(stroke("M320 48 V74", "#444", 1) + oval(320, 80, 8, 7, "#C8E0F0", "#6E8AA0", 1.5)
               + stroke("M320 86 V106", "#6E8AA0", 1) + rect(314, 106, 12, 20, "#F4F1EA"))
    # the clock on the pillar
    out.append(outline(586, 80, 34, 70, "#6E4A30", "#3E2A1A", 2) + oval(603, 98, 12, 12, "#F4F1EA", "#3E2A1A", 1.5)
               + stroke("M603 98 V90 M603 98 l5 3", "#222", 1.5) + stroke("M603 116 V140", "#C8A030", 2) + oval(603, 142, 4, 4, "#C8A030"))
    # tatami
    out.append(rect(0, 310, 640, 170, "#D8CC94") + rect(0, 306, 640, 6, "#7A5C3E"))
    out.append(stroke("M0 390 H640", "#5B5A3A", 6, cap="butt"))
    for top, bottom in ((180, 150), (460, 490)):
        out.append(stroke(f"M{top} 312 L{bottom} 390", "#5B5A3A", 5, cap="butt"))
    # low desks with little light boxes, cushions, bundles of drawings
    for i, x in enumerate((40, 250, 460)):
        out.append(oval(x + 70, 470, 56, 14, ("#8A3A4A", "#3A4A7A", "#4A6A3A")[i], "#2A2A2A", 1.5))
        out.append(outline(x, 380, 150, 12, "#8A5A3C", "#4E3020") + rect(x + 8, 392, 8, 40, "#4E3020") + rect(x + 134, 392, 8, 40, "#4E3020"))
        box = (poly(((x + 30, 380), (x + 120, 380), (x + 112, 344), (x + 38, 344)), "#E8F2F8" if time != "n" else "#F8FCFF", "#6E6A64", 1.5)
               + poly(((x + 48, 376), (x + 104, 376), (x + 100, 350), (x + 52, 350)), "#FFFFFF", "#B9B2A6", 1))
        out.append(box)
        if time == "n":
            late.append(box)
        out.append(stroke(f"M{x + 62} 368 q10 -14 20 -2", "#8A8A8A", 1.2))
        for k in range(3):
            out.append(outline(x + 122 - k * 2, 366 - k * 6, 26, 10, "#FFFFFF", "#A59C8E", 1))
        out.append(stroke(f"M{x + 136} 360 V378", "#C8402E", 2))
    out.append(oval(200, 440, 30, 8, "#8A5A3C", "#4E3020", 1.5) + oval(192, 428, 10, 8, "#6E7A5A", "#3E4A2A", 1.5)
               + outline(208, 426, 8, 10, "#F4F1EA", "#8E8676", 1) + outline(220, 428, 8, 10, "#F4F1EA", "#8E8676", 1))
    # the hanging lamp
    out.append(stroke("M120 48 V90", "#444", 1.5) + poly(((96, 120), (144, 120), (134, 90), (106, 90)), "#F4E6C4", "#8E7F60", 2))
    return "".join(layers) + finish(out, time, late, warm=((120, 130, 140),))


def otokura(time):
    """bg054: 音蔵スタジオ: the mixing desk, and through the glass the booth with its microphones."""
    late = []
    out = [rect(0, 0, 640, 480, "#4A3E3A"), rect(0, 0, 640, 30, "#3A302C")]
    for x in range(0, 640, 32):
        out.append(rect(x, 30, 30, 300, "#52443F"))
    # the booth behind the glass: acoustic panels, the picture, microphones and stands
    out.append(outline(100, 60, 440, 210, "#2A2220", "#1A1412", 6))
    out.append(rect(106, 66, 428, 198, "#C8C0B0"))
    for r in range(4):
        for c in range(9):
            out.append(rect(110 + c * 47, 70 + r * 26, 43, 22, ("#8A9AAA", "#9AA8B4")[(r + c) % 2]))
    out.append(outline(230, 74, 180, 90, "#1E1E22", "#111", 3) + rect(236, 80, 168, 78, "#6A9AC8")
               + rect(236, 132, 168, 26, "#5E8C4A") + oval(330, 110, 14, 24, "#F28C28") + oval(330, 80, 10, 10, "#FCE6D4"))
    out.append(oval(120, 80, 6, 6, "#D9342E") + glow(120, 80, 20))
    for x in (200, 320, 440):
        out.append(stroke(f"M{x} 264 V190 L{x + 20} 176", "#3A3A3E", 4) + f'<rect x="{x + 14}" y="160" width="14" height="26" rx="7" fill="#8A8A90" stroke="#333" stroke-width="1.5"/>'
                   + oval(x + 4, 180, 11, 11, "none", "#333", 1.5))
        out.append(stroke(f"M{x - 30} 264 L{x - 24} 214", "#3A3A3E", 3) + poly(((x - 50, 218), (x, 210), (x + 4, 222), (x - 46, 230)), "#F4F1EA", "#8E8676", 1.5))
    out.append(rect(100, 266, 440, 10, "#1A1412"))
    # speakers either side
    for x in (20, 560):
        out.append(outline(x, 90, 60, 96, "#2A2A2E", "#111", 2) + oval(x + 30, 120, 16, 16, "#4A4A50", "#111", 2) + oval(x + 30, 164, 10, 10, "#4A4A50", "#111", 2))
    # the mixing desk: rows of knobs, faders, meters
    out.append(poly(((0, 330), (640, 330), (640, 480), (0, 480)), "#3A3A40", "#222"))
    out.append(poly(((40, 330), (600, 330), (620, 300), (20, 300)), "#8A8A90", "#444"))
    for i in range(8):
        x = 60 + i * 64
        out.append(outline(x, 304, 40, 18, "#F4F1E0", "#444", 1.5) + stroke(f"M{x + 20} 320 l{-8 + i % 3 * 6} -12", "#222", 1.5))
    for r in range(3):
        for c in range(24):
            out.append(oval(44 + c * 23, 348 + r * 20, 5, 5, ("#D9534F", "#F0AD4E", "#5AA0E0", "#E8E8E8")[(r + c // 6) % 4], "#222", 1))
    for c in range(24):
        x = 44 + c * 23
        out.append(rect(x - 2, 412, 4, 56, "#1E1E22") + rect(x - 7, 430 + (c * 7) % 24, 14, 8, "#E8E8E8"))
    return finish(out, time, late)


def hue(h, s=0.62, v=0.88):
    """A colour round the wheel, for the rainbow of paint jars."""
    i = int(h * 6) % 6
    f = h * 6 - int(h * 6)
    p, q, t = v * (1 - s), v * (1 - s * f), v * (1 - s * (1 - f))
    r, g, b = ((v, t, p), (q, v, p), (p, v, t), (p, q, v), (t, p, v), (v, p, q))[i]
    if g > 0.95 and r < 0.05 and b < 0.05:
        g = 0.9
    return "#%02X%02X%02X" % (int(r * 255), int(g * 255), int(b * 255))


def trout(x, y, s):
    """にじます's sign: a rainbow trout."""
    return (f'<path d="M{x} {y} q{30 * s} {-22 * s} {70 * s} {-4 * s} l{16 * s} {-12 * s} v{32 * s} l{-16 * s} {-12 * s} '
            f'q{-40 * s} {18 * s} {-70 * s} {-4 * s} Z" fill="#A8B4A0" stroke="#4E5A48" stroke-width="2"/>'
            + stroke(f"M{x + 8 * s} {y - 2 * s} q{30 * s} {-10 * s} {62 * s} {-4 * s}", "#E87A8A", 5 * s)
            + oval(x + 12 * s, y - 6 * s, 2.5 * s, 2.5 * s, "#222"))


def nijimasu(time):
    """bg055: 彩色工房にじます, the paint house: a wall of paint jars in rainbow order."""
    late, layers = [], []
    out = [rect(0, 0, 640, 480, "#F0EEE8"), rect(0, 330, 640, 150, "#B8B0A0"), rect(0, 326, 640, 6, "#8A8272")]
    for x in (20, 560):
        out.append(window(x, 30, 60, 110, time, late, "#B9BEC4", "#7E858B", cols=1, town=False))
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the rainbow: shelves of jars sorted by colour
    out.append(outline(96, 24, 448, 196, "#C9B79A", "#6E5E4B", 2))
    for r in range(4):
        y = 32 + r * 47
        out.append(rect(100, y + 38, 440, 5, "#6E5E4B"))
        for i in range(24):
            c = hue(i / 24, 0.5 + r * 0.12, 0.95 - r * 0.12)
            out.append(outline(106 + i * 18, y + 14, 14, 24, c, "#555", 1) + outline(105 + i * 18, y + 9, 16, 6, "#E0E0E0", "#7A7A7A", 1))
    out.append(outline(470, 228, 150, 60, "#FFFFFF", "#8A9096", 2) + trout(490, 262, 1.2))
    # the drying rack
    out.append(outline(10, 150, 70, 200, "#B7A58E", "#6E5E4B", 2))
    for r in range(4):
        for i in range(5):
            out.append(f'<rect x="{16 + i * 12}" y="{156 + r * 48}" width="8" height="40" fill="{("#EAF4FA", "#F9EAF0", "#EEF8EA")[(r + i) % 3]}" '
                       f'stroke="#93A8B5" stroke-width="1"/>')
    # two rows of painting tables
    for row, (y, s) in enumerate(((262, 0.7), (356, 1.0))):
        out.append(outline(100 - row * 60, y, 440 + row * 120, 14 * s, "#D8C8A8", "#6E5E4B"))
        out.append(rect(110 - row * 60, y + 14 * s, 8, 480 - y, "#8E7D66") + rect(522 + row * 60, y + 14 * s, 8, 480 - y, "#8E7D66"))
        for k in range(4 + row):
            x = 130 - row * 50 + k * (100 + row * 10) * 1.0
            out.append(poly(((x, y), (x + 60 * s, y), (x + 54 * s, y - 26 * s), (x + 6 * s, y - 26 * s)), "#EAF6FB", "#8FB2C4", 1.2))
            out.append(oval(x + 30 * s, y - 12 * s, 10 * s, 7 * s, hue(((k * 5 + row * 3) % 12) / 12), "#444", 1))
            for j in range(3):
                out.append(outline(x + 64 * s + j * 9 * s, y - 14 * s, 7 * s, 12 * s, hue(((k * 7 + j * 3) % 24) / 24), "#555", 1))
    for x in (160, 340, 500):
        out.append(oval(x, 420, 26, 8, "#5E6E84", "#2E3642", 2) + rect(x - 4, 428, 8, 52, "#3A3F48"))
    for x in (200, 440):
        out.append(stroke(f"M{x} 0 V12", "#444", 2) + outline(x - 60, 12, 120, 8, "#FFFFFF", "#B5AA95", 1))
    return "".join(layers) + finish(out, time, late, cool=((200, 40, 150), (440, 40, 150)))


def painted_board(x, y, w, h, kind):
    """A background painting on board, as 青嵐美術 paints them for the film."""
    out = [outline(x, y, w, h, "#FFFFFF", "#6E6A64", 2)]
    if kind == "sky":
        out.append(f'<rect x="{x + 3}" y="{y + 3}" width="{w - 6}" height="{h - 6}" fill="url(#paintedsky)"/>')
        out.append(oval(x + w * 0.35, y + h * 0.4, w * 0.2, h * 0.12, "#FFFFFF") + oval(x + w * 0.55, y + h * 0.32, w * 0.16, h * 0.1, "#FFFFFF"))
    elif kind == "sea":
        out.append(rect(x + 3, y + 3, w - 6, h * 0.5, "#8ECBEA") + rect(x + 3, y + h * 0.5, w - 6, h * 0.5 - 3, "#3E7AB8"))
        for i in range(4):
            out.append(rect(f"{x + 6 + i * w * 0.2:.1f}", f"{y + h * 0.34:.1f}", f"{w * 0.14:.1f}", f"{h * 0.16:.1f}", ("#F4F1EA", "#F2D35E", "#E8A06A")[i % 3]))
        out.append(rect(f"{x + w * 0.8:.1f}", f"{y + h * 0.15:.1f}", "3", f"{h * 0.35:.1f}", "#6E5A48"))
    elif kind == "night":
        out.append(rect(x + 3, y + 3, w - 6, h - 6, "#1E2A44") + oval(x + w * 0.7, y + h * 0.3, h * 0.1, h * 0.1, "#F4EED0"))
        out.append(f'<path d="M{x + 3} {y + h - 3} l{w * 0.2:.1f} {-h * 0.5:.1f} l{w * 0.2:.1f} {h * 0.3:.1f} l{w * 0.25:.1f} {-h * 0.4:.1f} '
                   f'L{x + w - 3} {y + h * 0.6:.1f} V{y + h - 3} Z" fill="#0E1626"/>')
        out.append(oval(x + w * 0.5, y + h * 0.75, w * 0.45, h * 0.06, "#C8D0DC", extra='opacity="0.5"'))
    else:
        out.append(rect(x + 3, y + 3, w - 6, h * 0.6, "#9ED0EE") + rect(x + 3, y + h * 0.6, w - 6, h * 0.4 - 3, "#7FA850"))
        out.append(tree(x + w * 0.3, y + h * 0.66, h * 0.2, h * 0.16, "#4E7A32", seed=int(x)))
    return "".join(out)


def seiran(time):
    """bg056: 青嵐美術, the background studio: painted boards, poster colours, the big brush."""
    late, layers = [], []
    out = ['<defs><linearGradient id="paintedsky" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#4E9AD8"/>'
           '<stop offset="1" stop-color="#D8F0FA"/></linearGradient></defs>',
           rect(0, 0, 640, 480, "#E6EAEE"), rect(0, 330, 640, 150, "#9E958A"), rect(0, 326, 640, 6, "#6E665A")]
    out.append(window(470, 30, 160, 220, time, late, "#8A9AAA", "#55606E", cols=2, rows=2))
    layers.append(dusk(out, time, late))
    out, late = [], []
    for (x, y, w, h, k) in ((20, 30, 150, 100, "sea"), (190, 30, 120, 90, "night"), (330, 36, 120, 84, "field"),
                            (20, 150, 110, 76, "night"), (150, 140, 130, 90, "sky")):
        out.append(painted_board(x, y, w, h, k) + oval(x + w / 2, y + 3, 3, 3, "#D9534F"))
    # the tilted table with a sky half painted
    out.append(poly(((150, 340), (450, 340), (420, 240), (180, 240)), "#8E7D6A", "#4E3F33"))
    out.append('<clipPath id="board"><path d="M176 334 L424 334 L400 252 L200 252 Z"/></clipPath>'
               '<g clip-path="url(#board)"><rect x="170" y="250" width="260" height="90" fill="url(#paintedsky)"/>'
               '<rect x="300" y="250" width="130" height="90" fill="#FFFFFF"/>'
               + oval(240, 280, 30, 8, "#FFFFFF") + '</g>'
               + poly(((176, 334), (424, 334), (400, 252), (200, 252)), "none", "#6E6A64", 2))
    out.append(outline(140, 340, 320, 12, "#C9A77C", "#6E5238") + rect(156, 352, 10, 128, "#6E5238") + rect(434, 352, 10, 128, "#6E5238"))
    # jars of poster colour, a palette, the house-painter's brush in its bucket
    for i in range(8):
        out.append(outline(60 + i * 14, 300, 12, 16, hue(0.5 + i / 16, 0.55, 0.85), "#555", 1))
    out.append(outline(40, 316, 110, 10, "#B08860", "#6E5238", 1.5) + rect(50, 326, 8, 154, "#6E5238") + rect(132, 326, 8, 154, "#6E5238"))
    out.append(outline(330, 330, 60, 8, "#FFFFFF", "#9A9A9A", 1) + oval(342, 332, 5, 3, "#3E7AB8") + oval(358, 332, 5, 3, "#8ECBEA") + oval(374, 332, 5, 3, "#FFFFFF", "#CCC", 1))
    out.append(poly(((500, 470), (560, 470), (566, 400), (494, 400)), "#8A9AAA", "#55606E", 2) + oval(530, 400, 36, 8, "#3E7AB8", "#55606E", 2))
    out.append(stroke("M520 400 L500 300", "#A87A50", 8) + poly(((486, 300), (516, 300), (512, 270), (490, 270)), "#D8C8A0", "#6E5A48", 1.5)
               + poly(((490, 270), (512, 270), (514, 250), (488, 250)), "#3E7AB8", "#2E5A8A", 1.5))
    out.append(outline(580, 420, 40, 50, "#C8D6E0", "#6E7E8A", 2) + rect(582, 436, 36, 32, "#7AA0C8"))
    return "".join(layers) + finish(out, time, late, warm=((300, 200, 160),))


def crow(x, y, s=1.0, flip=1):
    return (f'<path d="M{x} {y} q{8 * s * flip} {-10 * s} {20 * s * flip} {-6 * s} l{6 * s * flip} {-4 * s} l{-2 * s * flip} {6 * s} '
            f'q{-4 * s * flip} {10 * s} {-18 * s * flip} {10 * s} l{-10 * s * flip} {4 * s} Z" fill="#1A1A22"/>'
            + stroke(f"M{x + 8 * s * flip} {y + 4 * s} v{6 * s}", "#1A1A22", 1.2))


def farmhouse(time):
    """bg057: 梶玄斎's farmhouse: a thatched roof in the mist, crows in the persimmon tree."""
    late, layers = [], []
    out = [open_sky(300, time)]
    night_sky(time, late, (0, 0, 640, 110), 57, (520, 50))
    hills = {"day": ("#7F9A8A", "#6A8878"), "y": ("#8A6E78", "#735A68"), "n": ("#1E2A3A", "#182232")}[time]
    out.append('<path d="M0 180 Q120 110 260 170 Q400 90 640 160 V340 H0 Z" fill="%s"/>' % hills[0])
    out.append('<path d="M0 230 Q200 180 360 220 Q520 190 640 210 V340 H0 Z" fill="%s"/>' % hills[1])
    for y, o in ((200, 0.55), (240, 0.45)):
        out.append(f'<path d="M0 {y} Q160 {y - 14} 320 {y} T640 {y} V{y + 22} Q480 {y + 34} 320 {y + 22} T0 {y + 22} Z" fill="#F4F6F8" opacity="{o}"/>')
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the house: thatch, dark timber, the veranda open onto his painting room
    out.append(rect(0, 330, 640, 150, "#B8A888"))
    out.append(poly(((140, 170), (560, 170), (620, 290), (80, 290)), "#B59A62", "#6E5A38", 3))
    for i in range(26):
        x = 100 + i * 20
        out.append(stroke(f"M{x} 288 l{(x - 350) * 0.08:.0f} -24", "#9A7E48", 1.5))
    out.append(poly(((250, 170), (450, 170), (420, 140), (280, 140)), "#8A7448", "#5A4A2A", 2))
    out.append(outline(120, 290, 460, 110, "#4E3A2A", "#2E2014", 2))
    inside = outline(150, 298, 280, 90, "#6E5A48", "#2E2014", 2)
    out.append(inside)
    out.append(outline(200, 330, 110, 60, "#1E2A44", "#6E6A64", 2) + oval(280, 344, 6, 6, "#F4EED0")
               + oval(255, 370, 50, 6, "#C8D0DC", extra='opacity="0.6"'))
    for x in (150, 290, 430):
        out.append(rect(x - 4, 290, 8, 110, "#3A2A1E"))
    out.append(shoji(440, 300, 120, 90, time != "day"))
    if time != "day":
        late.append(shoji(440, 300, 120, 90, True) + glow(500, 345, 90))
    out.append(rect(110, 388, 480, 14, "#8A6A4A") + rect(110, 402, 480, 8, "#5A4636"))
    # firewood and a water jar
    for i in range(5):
        out.append(oval(600 + (i % 2) * 10, 440 - i * 10, 18, 6, "#A0784F", "#5E4630", 1.5))
    out.append(poly(((40, 470), (90, 470), (96, 420), (34, 420)), "#6E5A48", "#3E2A1A", 2) + oval(65, 420, 31, 7, "#3E5A6E"))
    # the persimmon tree with its crows
    out.append(tree(40, 330, 150, 70, "#4E7A32", "#5A4030", seed=57))
    out.append(stroke("M40 230 L100 200", "#5A4030", 5))
    for x, y, f in ((96, 198, -1), (60, 150, 1), (360, 138, -1)):
        out.append(crow(x, y, 1.2, f))
    for x, y in ((20, 200), (70, 240), (30, 270)):
        out.append(oval(x, y, 5, 5, "#E8842E"))
    return "".join(layers) + finish(out, time, late)


def mizusumashi(time):
    """bg058: ミズスマシ動画, this month's desk of the studios' shared courier run."""
    late, layers = [], []
    out = [rect(0, 0, 640, 480, "#E8ECEA"), rect(0, 340, 640, 140, "#A8A8A0")]
    out.append(window(20, 40, 150, 150, time, late, "#B9BEC4", "#7E858B"))
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the company's whirligig beetle on the wall
    out.append(oval(260, 90, 52, 14, "none", "#6EA8D0", 2) + oval(260, 90, 72, 22, "none", "#9EC8E0", 1.5))
    out.append(oval(260, 80, 22, 16, "#22262E") + stroke("M246 76 q14 -10 28 0", "#6A7080", 2) + oval(252, 74, 3, 3, "#9EC8E0"))
    # the sorting shelf: one steel slot per member studio, bags waiting in them
    out.append(outline(360, 30, 270, 290, "#A8B0B8", "#5E666E", 3))
    tags = ("#D9534F", "#337AB7", "#5CB85C", "#F0AD4E", "#8E6CC4", "#F28C28", "#2E9E6B", "#E08AC8")
    for r in range(4):
        for c in range(4):
            x, y = 368 + c * 65, 38 + r * 70
            out.append(outline(x, y, 60, 64, "#8A929A", "#5E666E", 1.5) + rect(x + 4, y + 4, 52, 6, tags[(r * 4 + c) % 8]))
            for k in range((r + c * 3) % 4):
                out.append(poly(((x + 6 + k * 4, y + 62), (x + 52 + k * 2, y + 62), (x + 52 + k * 2, y + 30 - k * 4), (x + 8 + k * 4, y + 30 - k * 4)),
                                ("#D2B07A", "#C9A46C")[k % 2], "#8A6B3F", 1))
    # the duty roster board
    out.append(outline(190, 150, 150, 110, "#FBFCFD", "#9AA2AA", 3))
    for r in range(5):
        for c in range(6):
            if (r * 5 + c * 3) % 4 == 0:
                out.append(oval(206 + c * 22, 168 + r * 20, 5, 5, tags[(r + c) % 8]))
            out.append(rect(196 + c * 22, 160 + r * 20, 20, 1, "#D0D6DC"))
    # the counter, its piles of cut bags, a trolley, the kettle where the gossip happens
    out.append(outline(0, 330, 400, 150, "#C9A46C", "#6E5238", 2) + rect(0, 320, 410, 14, "#8A6A4A"))
    for x in range(40, 400, 60):
        out.append(stroke(f"M{x} 336 V480", "#B08C58", 3))
    for i, n in enumerate((5, 3, 6, 2)):
        for k in range(n):
            out.append(poly(((40 + i * 80 + k % 2 * 3, 320 - k * 9), (100 + i * 80, 320 - k * 9), (100 + i * 80, 312 - k * 9),
                             (40 + i * 80 + k % 2 * 3, 312 - k * 9)), ("#D2B07A", "#C9A46C")[k % 2], "#8A6B3F", 1))
            out.append(rect(46 + i * 80, 313 - k * 9, 10, 4, tags[(i + k) % 8]))
    out.append(outline(430, 360, 140, 70, "#B8BEC4", "#5E666E", 2) + oval(450, 440, 10, 10, "#2A2A2A") + oval(550, 440, 10, 10, "#2A2A2A")
               + stroke("M570 360 L590 300", "#5E666E", 5))
    for k in range(3):
        out.append(outline(440 + k * 40, 316 - k % 2 * 10, 40, 44 + k % 2 * 10, "#C9A46C", "#8A6B3F", 1.5))
    out.append(outline(250, 296, 26, 24, "#D8DCE0", "#6E767E", 1.5) + stroke("M276 302 q10 4 0 12", "#6E767E", 2) + rect(258, 290, 10, 6, "#444"))
    return "".join(layers) + finish(out, time, late, cool=((320, 20, 180),))


def yatsume(time):
    """bg059: 八ツ目撮影, the rostrum camera over its table under two lamps."""
    late, layers = [], []
    out = [rect(0, 0, 640, 480, "#2E2E34"), rect(0, 380, 640, 100, "#24242A")]
    out.append(window(520, 30, 100, 80, time, late, "#4A4A50", "#1A1A1E", cols=1, town=False))
    layers.append(dusk(out, time, late))
    out, late = [], []
    out.append('<path d="M516 26 h60 c-4 30 4 60 -2 90 h-58 Z" fill="#1A1A20" stroke="#000" stroke-width="1.5"/>')
    # the column, the camera with its film magazine, the compound table
    out.append(rect(300, 20, 30, 320, "#8A8E96") + rect(306, 20, 6, 320, "#A8ACB4"))
    out.append(outline(262, 110, 100, 70, "#3A3A40", "#111", 2) + rect(292, 180, 40, 30, "#2A2A2E") + oval(312, 214, 16, 6, "#111"))
    out.append(oval(282, 92, 26, 26, "#3A3A40", "#111", 2) + oval(342, 92, 26, 26, "#3A3A40", "#111", 2)
               + oval(282, 92, 8, 8, "#8A8E96") + oval(342, 92, 8, 8, "#8A8E96"))
    out.append(rect(340, 130, 40, 12, "#8A8E96") + oval(390, 136, 10, 10, "#3A3A40", "#111", 2))
    out.append(poly(((120, 380), (520, 380), (480, 330), (160, 330)), "#5A5E66", "#222"))
    board = (poly(((200, 372), (440, 372), (418, 338), (222, 338)), "#7EC4EC", "#333", 1.5)
             + poly(((200, 372), (440, 372), (436, 362), (204, 362)), "#7FA850", "#7FA850", 0)
             + oval(330, 352, 10, 12, "#F28C28") + oval(330, 340, 7, 7, "#FCE6D4")
             + rect(280, 333, 80, 5, "#C8C8D0"))
    out.append(board)
    out.append(rect(140, 380, 12, 100, "#3A3A40") + rect(488, 380, 12, 100, "#3A3A40"))
    # the two lamps angled at the table, always on while shooting
    for x, d in ((150, 1), (490, -1)):
        out.append(stroke(f"M{x} 380 V220", "#6E7276", 5))
        out.append(poly(((x - 24 * d, 200), (x + 20 * d, 216), (x + 8 * d, 248), (x - 30 * d, 230)), "#6E7276", "#222", 2))
        out.append(f'<path d="M{x + 14 * d} 232 L{320 - 100 * d} 372 L{320 + 40 * d} 372 Z" fill="#FFF6D8" opacity="0.18"/>')
    late.append(board)
    # the desk with exposure sheets and the frame counter
    out.append(outline(0, 300, 110, 12, "#6E5A48", "#3E2A1A") + rect(10, 312, 8, 168, "#3E2A1A") + rect(92, 312, 8, 168, "#3E2A1A"))
    out.append(outline(10, 270, 50, 30, "#4A4A50", "#111", 1.5) + rect(16, 278, 38, 12, "#3A1010") + rect(20, 281, 30, 6, "#E8402E"))
    out.append(poly(((62, 300), (104, 300), (100, 262), (66, 262)), "#FFFFFF", "#9A9A9A", 1))
    for k in range(6):
        out.append(stroke(f"M68 {268 + k * 5} h30", "#C8C0B0", 1))
    return "".join(layers) + finish(out, time, late, warm=((170, 230, 110), (470, 230, 110)))


def tsugihagi(time):
    """bg060: つぎはぎ編集室, the flatbed editing table and the trim bin."""
    late, layers = [], []
    out = [rect(0, 0, 640, 480, "#5A5650"), rect(0, 350, 640, 130, "#3E3A36")]
    out.append(window(20, 40, 130, 120, time, late, "#7A7670", "#3A3632", cols=1))
    layers.append(dusk(out, time, late))
    out, late = [], []
    for y in range(48, 150, 12):
        out.append(rect(28, y, 114, 5, "#C8C2B6"))
    # shelves of film cans
    out.append(outline(180, 40, 160, 180, "#6E665E", "#2E2A26", 2))
    for r in range(3):
        out.append(rect(184, 94 + r * 60, 152, 5, "#2E2A26"))
        for k in range(4):
            out.append(oval(204 + k * 36, 82 + r * 60, 16, 12, "#9AA0A6", "#444", 1.5) + rect(194 + k * 36, 78 + r * 60, 20, 4, ("#D9534F", "#F0AD4E", "#5AA0E0")[(k + r) % 3]))
    # the flatbed: table, plates with reels, the hooded screen
    out.append(poly(((60, 400), (540, 400), (500, 300), (100, 300)), "#5E6E6A", "#2A3230", 2))
    out.append(rect(60, 400, 480, 30, "#4A5854") + rect(80, 430, 14, 50, "#2A3230") + rect(506, 430, 14, 50, "#2A3230"))
    for cx, cy, r in ((150, 350, 48), (260, 350, 42), (380, 350, 42), (480, 350, 46)):
        out.append(oval(cx, cy, r, r * 0.35, "#6A5848", "#222", 1.5) + oval(cx, cy, r * 0.25, r * 0.09, "#9AA0A6"))
    out.append(stroke("M198 350 L218 336 L302 336 L338 350 M422 350 L434 340", "#2A2A2A", 2))
    screen = outline(270, 232, 100, 72, "#DDE6F0", "#222", 4) + oval(320, 262, 16, 20, "#F28C28") + rect(272, 286, 96, 16, "#7FA850")
    out.append(outline(262, 224, 116, 88, "#3A4240", "#111", 2) + screen)
    late.append(screen + glow(320, 268, 80, cool=True))
    # the trim bin: film strips hanging from pins
    out.append(stroke("M560 100 H636", "#888", 4))
    for k in range(6):
        x = 566 + k * 12
        out.append(rect(x, 100, 7, 160 + (k * 23) % 50, "#6A5848") + stroke(f"M{x + 1.5} 102 v{150 + (k * 23) % 50}", "#2A2A2A", 1, 'stroke-dasharray="2 3"'))
    out.append(poly(((550, 260), (636, 260), (628, 420), (558, 420)), "#C8B890", "#6E5E3E", 2))
    # splicer and grease pencil by the screen
    out.append(outline(410, 302, 40, 12, "#B8BCC4", "#444", 1.5) + stroke("M100 318 l30 -6", "#D9342E", 4))
    out.append(stroke("M560 0 V40", "#222", 2) + poly(((540, 60), (580, 60), (572, 40), (548, 40)), "#3A4240", "#111", 1.5))
    return "".join(layers) + finish(out, time, late, warm=((560, 80, 120),))


def gyoko(time):
    """bg061: 暁光現像所, the corridor and the hatch where film goes in and out."""
    late, layers = [], []
    out = [rect(0, 0, 640, 480, "#E4DCC8"), rect(0, 250, 640, 230, "#4E6458"), rect(0, 246, 640, 6, "#3A4A40"), rect(0, 400, 640, 80, "#8A8A84")]
    out.append(window(20, 60, 120, 140, time, late, "#9AA0A6", "#5E646A", cols=1, rows=2))
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the hatch: a frosted sliding window and its counter
    out.append(outline(220, 140, 200, 150, "#7A7E84", "#3E4246", 4))
    hatch = (rect(228, 148, 90, 134, "#E8EEF0") + rect(322, 148, 90, 134, "#D8E0E4")
             + stroke("M318 148 V282", "#7A7E84", 4))
    out.append(hatch)
    if time != "day":
        late.append(rect(228, 148, 90, 134, "#FFF0C8") + rect(322, 148, 90, 134, "#F4E4BC") + stroke("M318 148 V282", "#7A7E84", 4)
                    + glow(320, 215, 120))
    out.append(outline(206, 288, 228, 14, "#A8A49C", "#5E5A54", 2))
    out.append(oval(250, 284, 10, 4, "#C8A030", "#6E5A14", 1.5) + oval(250, 279, 4, 4, "#8A7020"))
    out.append(outline(300, 276, 70, 12, "#9AA0A6", "#444", 1.5))
    for k in range(3):
        out.append(oval(335, 272 - k * 6, 24, 5, "#8A9096", "#444", 1.5))
    # a red lamp over the dark-room door, film cans in a stack, a bench, a notice board
    out.append(outline(480, 120, 110, 280, "#5A6A60", "#2E3A32", 2) + oval(575, 270, 5, 5, "#C8C8C0"))
    out.append(oval(535, 100, 12, 8, "#C83A2E", "#6E1E14", 2))
    late.append(glow(535, 100, 30) + oval(535, 100, 12, 8, "#FF5A4A"))
    for k in range(5):
        out.append(oval(440, 392 - k * 12, 26, 7, "#9AA0A6", "#444", 1.5) + rect(426, 386 - k * 12, 10, 4, ("#D9534F", "#F0AD4E", "#5AA0E0")[k % 3]))
    out.append(outline(20, 330, 150, 14, "#A87A50", "#5E4630") + rect(30, 344, 8, 56, "#5E4630") + rect(152, 344, 8, 56, "#5E4630"))
    out.append(outline(160, 40, 120, 80, "#C9A77C", "#8A6B3F", 2))
    for x, y in ((168, 48), (206, 52), (244, 46), (180, 84)):
        out.append(outline(x, y, 30, 30, "#FFFFFF", "#A59C8E", 1) + oval(x + 15, y + 3, 2.5, 2.5, "#D9534F"))
    out.append(outline(270, 116, 100, 8, "#FFFFFF", "#B5AA95", 1))
    return "".join(layers) + finish(out, time, late, cool=((320, 120, 120),))


def preview_theatre(time):
    """bg062: 暁光現像所's preview theatre: a small screen, red seats, the beam."""
    late = []
    out = [rect(0, 0, 640, 480, "#2A2226"), rect(0, 0, 640, 30, "#1E181A")]
    for x in range(0, 640, 40):
        out.append(rect(x, 30, 36, 300, "#34292E"))
    # the screen between its curtains, softly lit
    out.append(rect(120, 50, 400, 220, "#1A1416") + rect(130, 60, 380, 200, "#E8E6E0"))
    out.append(f'<rect x="130" y="60" width="380" height="200" fill="url(#coolglow)"/>')
    for x0, d in ((60, 1), (580, -1)):
        out.append(f'<path d="M{x0} 40 h{80 * d} c{-10 * d} 80 {10 * d} 180 {-6 * d} 260 h{-74 * d} Z" fill="#8A1E24" stroke="#4A0E12" stroke-width="2"/>'
                   + stroke(f"M{x0 + 26 * d} 44 q{6 * d} 130 0 256 M{x0 + 52 * d} 44 q{-6 * d} 130 0 256", "#6E161C", 2))
    out.append(rect(0, 28, 640, 18, "#8A1E24") + rect(0, 44, 640, 4, "#4A0E12"))
    # the projector's beam from the back wall
    out.append('<path d="M300 -10 L340 -10 L510 250 L130 250 Z" fill="#FFF8E0" opacity="0.07"/>')
    for x in (30, 610):
        out.append(oval(x, 200, 10, 14, "#F4E0B0") + glow(x, 200, 40))
    # rows of seats from behind, the front row lowest
    out.append(rect(0, 300, 640, 180, "#3A2E2A"))
    for row, (y, h, n) in enumerate(((300, 40, 11), (340, 54, 9), (400, 80, 6))):
        w = 640 / n
        for k in range(n + 1):
            x = k * w - (w / 2 if row % 2 else 0)
            out.append(f'<rect x="{x + 4:.1f}" y="{y:.1f}" width="{w - 8:.1f}" height="{h + 30}" rx="{h / 4:.1f}" '
                       f'fill="#9A2A30" stroke="#4A0E12" stroke-width="2"/>')
            out.append(rect(f"{x + 10:.1f}", f"{y + h * 0.2:.1f}", f"{w - 20:.1f}", "3", "#B84048"))
    return finish(out, time, late)


# The convenience store and the hospital ------------------------------------------

def moonflower(cx, cy, r):
    """ヨルガオマート's sign: a white moonflower."""
    out = []
    for a in range(0, 360, 72):
        out.append(oval(cx, cy - r * 0.55, r * 0.42, r * 0.55, "#FFFFFF", "#C8D8D0", 1, f'transform="rotate({a} {cx} {cy})"'))
    return "".join(out) + oval(cx, cy, r * 0.22, r * 0.22, "#F7E36A")


def store_lot(time):
    """bg071: the convenience store from its parking lot."""
    late, layers = [], []
    out = [open_sky(300, time)]
    night_sky(time, late, (0, 0, 640, 100), 71, (90, 50))
    out.append(tree(600, 250, 80, 50, seed=71) + tree(30, 250, 70, 44, seed=72))
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the shop: sign band, glass front with the shelves inside, the stripes
    out.append(outline(60, 130, 600, 250, "#F4F6F2", "#9AA0A6", 2))
    sign = (rect(60, 130, 600, 50, "#FFFFFF") + rect(60, 172, 600, 10, "#2E9E6B") + rect(60, 184, 600, 5, "#FFFFFF")
            + rect(60, 189, 600, 8, "#2E9E6B") + moonflower(150, 155, 24) + rect(200, 146, 260, 18, "#2E9E6B"))
    out.append(sign)
    late.append(sign)
    inside = {"day": "#E8F0EC", "y": "#FFF4D8", "n": "#FFFBEA"}[time]
    glass = [outline(80, 206, 540, 170, inside, "#6E767E", 3)]
    for x in range(96, 600, 60):
        glass.append(outline(x, 250, 44, 100, "#E3E5E8", "#9AA0A6", 1))
        for r in range(3):
            for k in range(3):
                glass.append(rect(x + 4 + k * 13, 256 + r * 32, 10, 20, ("#E05A5A", "#F0C040", "#5AA0E0", "#8ED08A", "#F59A3A")[(x // 60 + r + k) % 5]))
    for x in (260, 380):
        glass.append(stroke(f"M{x} 206 V376", "#6E767E", 4))
    glass.append(rect(80, 206, 540, 12, "#FFFFFF"))
    out.extend(glass)
    if time != "day":
        late.extend(glass)
    out.append(outline(262, 210, 116, 166, "none", "#5E646A", 3) + stroke("M320 210 V376", "#5E646A", 3))
    # the lot: white lines, wheel stops, a bicycle, bins, a vending machine
    out.append(rect(0, 380, 640, 100, "#7E7C78") + rect(0, 376, 640, 6, "#B8B4AC"))
    if time == "n":
        late.append('<path d="M80 382 L620 382 L700 480 L0 480 Z" fill="#FFF6D8" opacity="0.22"/>')
    for x in range(-40, 700, 110):
        out.append(stroke(f"M{x} 480 L{x + 50} 390", "#F4F4F0", 4))
        out.append(rect(x + 50, 396, 50, 8, "#C8C4BC"))
    out.append(outline(0, 250, 60, 130, "#D8402E", "#6E1E14", 2) + outline(8, 262, 44, 60, "#FFFFFF", "#6E1E14", 1))
    for r in range(2):
        for k in range(4):
            out.append(rect(12 + k * 10, 268 + r * 28, 7, 18, ("#3A7BD5", "#E05A5A", "#F0C040", "#8A5A3C")[(r + k) % 4]))
    if time != "day":
        late.append(outline(8, 262, 44, 60, "#FFFFFF", "#6E1E14", 1) + glow(30, 300, 50))
    for k, c in enumerate(("#3A6EA8", "#4E8A5A", "#C8C4BC")):
        out.append(outline(80 + k * 34, 320, 30, 56, c, "#333", 1.5) + oval(95 + k * 34, 330, 8, 5, "#222"))
    out.append(oval(530, 440, 20, 20, "none", "#2A2A2A", 3) + oval(600, 440, 20, 20, "none", "#2A2A2A", 3)
               + stroke("M530 440 l22 -32 h34 l14 32 M552 408 l-6 -12 M586 408 l2 -14 h10", "#C8402E", 4))
    return "".join(layers) + finish(out, time, late)


def hospital_lobby(time):
    """bg072: 月見坂中央病院, the lobby: reception, rows of benches, guide lines on the floor."""
    late, layers = [], []
    out = [rect(0, 0, 640, 480, "#F2F0EA"), rect(0, 0, 640, 20, "#E0DED6")]
    out.append(window(30, 50, 300, 190, time, late, "#C8CCD0", "#8A9096", cols=3, view=garden_view))
    layers.append(dusk(out, time, late))
    out, late = [], []
    for x in (120, 320, 520):
        out.append(outline(x - 60, 20, 120, 8, "#FFFFFF", "#C0C4C8", 1))
    # reception counter with its window, a clock, direction boards (arrows and colours only)
    out.append(outline(360, 60, 260, 180, "#E4E8EA", "#9AA0A6", 2) + rect(380, 100, 220, 100, "#C8D8E0"))
    out.append(stroke("M453 100 V200 M527 100 V200", "#9AA0A6", 3))
    out.append(outline(360, 240, 270, 110, "#D8CCB4", "#8A7E66", 2) + rect(356, 232, 278, 12, "#B8A88A"))
    out.append(oval(490, 40, 16, 16, "#FFFFFF", "#555", 2.5) + stroke("M490 40 V30 M490 40 l8 4", "#222", 2))
    for k, c in enumerate(("#3A7BB8", "#E8842E", "#2E9E6B")):
        out.append(outline(360 + k * 90, 206, 80, 22, c, "#555", 1) + poly(((364 + k * 90, 217), (376 + k * 90, 209), (376 + k * 90, 225)), "#FFFFFF", "#FFFFFF", 0))
    # the floor with its coloured guide lines
    out.append(rect(0, 350, 640, 130, "#C8D0C8"))
    for y in range(360, 480, 24):
        out.append(stroke(f"M0 {y} H640", "#B8C0B8", 1.5))
    for k, c in enumerate(("#3A7BB8", "#E8842E", "#2E9E6B")):
        out.append(stroke(f"M{-20 + k * 14} {470 - k * 14} Q300 {400 - k * 14} {640} {380 - k * 10}", c, 6))
    # waiting benches and a plant
    for row, (y, x0) in enumerate(((300, 30), (380, 10))):
        for k in range(2):
            x = x0 + k * 170
            out.append(f'<rect x="{x}" y="{y}" width="150" height="40" rx="10" fill="#5A8AB8" stroke="#2E5A84" stroke-width="2"/>'
                       + f'<rect x="{x}" y="{y + 34}" width="150" height="16" rx="6" fill="#4A7AA8" stroke="#2E5A84" stroke-width="2"/>'
                       + rect(x + 12, y + 50, 6, 30, "#7A8088") + rect(x + 132, y + 50, 6, 30, "#7A8088"))
    out.append(poly(((330, 350), (370, 350), (366, 310), (334, 310)), "#C4663E", "#6E3A22", 2))
    for a in (-50, -25, 0, 25, 50):
        out.append(oval(350, 250, 12, 44, "#4E7A32", "#2E5A22", 1.5, f'transform="rotate({a} 350 300)"'))
    return "".join(layers) + finish(out, time, late, cool=((120, 30, 120), (320, 30, 120), (520, 30, 120)))


def ward_corridor(time):
    """bg073: the ward corridor: doors down both sides, hand rails, a window at the end."""
    late, layers = [], []
    view = dict(vx=320, vy=220, f=300, eye=1.5)
    W, H, far = 1.6, 2.8, 22
    out = [rect(0, 0, 640, 480, "#EDE8DA")]
    end = [proj(-W, 0, far, **view), proj(W, 0, far, **view), proj(W, H, far, **view), proj(-W, H, far, **view)]
    out.append(poly(end, "#E4DECE", "#B8B0A0", 1.5))
    wx0, wy0 = proj(-0.8, 2.3, far, **view)
    wx1, wy1 = proj(0.8, 0.9, far, **view)
    out.append(window(wx0 - 8, wy0 - 8, wx1 - wx0 + 16, wy1 - wy0 + 16, time, late, "#C8CCD0", "#8A9096", cols=2, town=True))
    layers.append(dusk(out, time, late))
    out, late = [], []
    near = [proj(-W, 0, 1, **view), proj(W, 0, 1, **view), proj(W, H, 1, **view), proj(-W, H, 1, **view)]
    out.append(poly((near[0], near[1], end[1], end[0]), "#C8D0C4", "#C8D0C4", 0))
    out.append(poly((near[3], near[2], end[2], end[3]), "#F4F2EC", "#F4F2EC", 0))
    out.append(poly((near[0], near[3], end[3], end[0]), "#EDE8DA", "#EDE8DA", 0))
    out.append(poly((near[1], near[2], end[2], end[1]), "#E6E0D2", "#E6E0D2", 0))
    for z in (3, 4, 5.5, 7.5, 10.5, 15):
        a, b = proj(-W, 0, z, **view), proj(W, 0, z, **view)
        out.append(stroke(f"M{a[0]:.0f} {a[1]:.0f} H{b[0]:.0f}", "#B8C0B4", 1.5))
    for z0 in (2.2, 6.0, 11.0):
        for side in (-1, 1):
            X = W * side
            door = quad(((X, 0, z0), (X, 0, z0 + 1.6), (X, 2.1, z0 + 1.6), (X, 2.1, z0)), "#D8C8A8", "#8A7A5A", 2, **view)
            pane_ = quad(((X, 1.2, z0 + 0.5), (X, 1.2, z0 + 0.9), (X, 1.8, z0 + 0.9), (X, 1.8, z0 + 0.5)),
                         "#C8D8E0" if time != "n" else "#3A4460", "#8A7A5A", 1.5, **view)
            plate = quad(((X, 2.2, z0 + 0.2), (X, 2.2, z0 + 1.0), (X, 2.4, z0 + 1.0), (X, 2.4, z0 + 0.2)), "#FFFFFF", "#8A9096", 1, **view)
            out.append(door + pane_ + plate)
    for side in (-1, 1):
        X = W * side
        a, b = proj(X, 0.85, 1.2, **view), proj(X, 0.85, far, **view)
        out.append(stroke(f"M{a[0]:.0f} {a[1]:.0f} L{b[0]:.0f} {b[1]:.0f}", "#B8966A", 6))
        a, b = proj(X, 0.12, 1.2, **view), proj(X, 0.12, far, **view)
        out.append(stroke(f"M{a[0]:.0f} {a[1]:.0f} L{b[0]:.0f} {b[1]:.0f}", "#9AA098", 8))
    for z in (3.5, 7, 12, 18):
        lamp = quad(((-0.4, H, z), (0.4, H, z), (0.4, H, z + 0.6), (-0.4, H, z + 0.6)), "#FFFFFF", "#C0C4C8", 1, **view)
        out.append(lamp)
        if time != "n" or z in (7, 18):
            late.append(lamp)
    # the green exit sign over the end window, a wheelchair by the wall, the drip stand
    ex, ey = proj(-0.4, 2.75, 10, **view)
    sign = (stroke(f"M{ex + 6:.0f} {ey - 10:.0f} v10 M{ex + 18:.0f} {ey - 10:.0f} v10", "#8A9096", 1.5)
            + outline(f"{ex:.0f}", f"{ey:.0f}", 24, 10, "#2EA05A", "#1E6A3A", 1)
            + stroke(f"M{ex + 7:.0f} {ey + 9:.0f} l4 -6 l4 6 M{ex + 11:.0f} {ey + 3:.0f} l6 -2", "#FFFFFF", 1.5))
    out.append(sign)
    late.append(sign + glow(ex + 15, ey + 6, 30, cool=True))
    out.append(oval(120, 440, 36, 36, "none", "#5E646A", 4) + oval(120, 440, 6, 6, "#5E646A")
               + stroke("M100 400 h56 l-6 -70 M96 400 l-10 -70 h20", "#5E646A", 4)
               + poly(((98, 400), (154, 400), (150, 380), (102, 380)), "#3A6EA8", "#22446E", 2)
               + poly(((88, 330), (106, 330), (104, 380), (92, 380)), "#3A6EA8", "#22446E", 2))
    out.append(stroke("M560 470 V210 M540 470 h40", "#9AA0A6", 4) + stroke("M548 212 h24", "#9AA0A6", 3)
               + f'<rect x="552" y="214" width="16" height="28" rx="4" fill="#E8F2F8" stroke="#8AA6B8" stroke-width="1.5"/>'
               + stroke("M560 242 q-6 60 4 120", "#C8D8E0", 1.5))
    if time == "n":
        return "".join(layers) + dusk(out, time, late) + glow(320, 168, 70, cool=True) + glow(320, 200, 30, cool=True)
    return "".join(layers) + finish(out, time, late, cool=((320, 60, 160),))


# The hill house ---------------------------------------------------------------------

def hydrangea(cx, cy, r, colours, seed):
    """A hydrangea bush: broad dark leaves under round heads of small florets."""
    rng = random.Random(seed)
    out = []
    for i in range(10):
        a = math.pi * (0.05 + 0.9 * i / 9)
        lx, ly = cx - math.cos(a) * r * 0.95, cy + r * 0.35 - math.sin(a) * r * 0.45
        out.append(oval(lx, ly, r * 0.36, r * 0.2, ("#3E6A3A", "#4A7A40")[i % 2], "#2A4A28", 1,
                        f'transform="rotate({90 - math.degrees(a):.0f} {lx:.1f} {ly:.1f})"'))
    for k in range(5):
        hx = cx + (k - 2) * r * 0.42 + (rng.random() - 0.5) * r * 0.2
        hy = cy - r * 0.1 - (2 - abs(k - 2)) * r * 0.22 + rng.random() * r * 0.15
        hr = r * (0.3 + rng.random() * 0.08)
        base, light, dark = colours[k % len(colours)]
        out.append(oval(hx, hy, hr, hr * 0.86, base, dark, 1.2))
        for _ in range(20):
            a, d = rng.random() * math.tau, math.sqrt(rng.random()) * hr * 0.8
            fx, fy, p = hx + math.cos(a) * d, hy + math.sin(a) * d * 0.86, hr * 0.09
            petal = light if rng.random() < 0.65 else base
            turn = rng.random() * 90
            out.append(f'<g transform="rotate({turn:.0f} {fx:.1f} {fy:.1f})">'
                       + "".join(oval(fx + dx * p, fy + dy * p, p * 1.05, p * 1.05, petal)
                                 for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1)))
                       + oval(fx, fy, p * 0.45, p * 0.45, dark) + '</g>')
    return "".join(out)


HYDRANGEA_BLUE = (("#6E8CC8", "#A8C0EC", "#46609A"), ("#8A7CC4", "#BCB0E8", "#5E5296"))
HYDRANGEA_PINK = (("#C88AB4", "#ECBCD8", "#965A86"), ("#A886C4", "#D4BCEC", "#785A96"))


def wild_grass(x0, x1, base, height, count, seed, colours=("#5E8A3A", "#6E9A44", "#4E7A32", "#7FA850")):
    """Summer grass left uncut: long blades leaning every way, and a few foxtail heads."""
    rng = random.Random(seed)
    out = []
    for i in range(count):
        x = x0 + rng.random() * (x1 - x0)
        h = height * (0.45 + rng.random() * 0.65)
        lean = (rng.random() - 0.5) * h * 0.7
        y = base + rng.random() * 10
        out.append(stroke(f"M{x:.1f} {y:.1f} q{lean * 0.2:.1f} {-h * 0.6:.1f} {lean:.1f} {-h:.1f}",
                          colours[i % len(colours)], 2 + rng.random() * 2))
        if i % 9 == 0:
            tip_x, tip_y = x + lean, y - h
            out.append(oval(tip_x, tip_y - 5, 3, 8, "#C8C070", "#8A8A44", 1,
                            f'transform="rotate({lean / h * 60:.0f} {tip_x:.1f} {tip_y:.1f})"'))
    return "".join(out)


def ivy(points, seed):
    """Ivy climbing a wall: a wandering stem with clumps of leaves."""
    rng = random.Random(seed)
    d = "M" + " L".join(f"{x} {y}" for x, y in points)
    out = [stroke(d, "#4E5A2E", 2)]
    for (ax, ay), (bx, by) in zip(points, points[1:]):
        for k in range(7):
            t = k / 7
            x, y = ax + (bx - ax) * t + (rng.random() - 0.5) * 18, ay + (by - ay) * t + (rng.random() - 0.5) * 12
            out.append(f'<path d="M{x:.1f} {y:.1f} c-7 -2 -8 -9 -4 -12 l4 3 l4 -3 c4 3 3 10 -4 12 Z" '
                       f'fill="{("#3E6A32", "#5A8A3E", "#4A7A38")[k % 3]}" stroke="#2A4A24" stroke-width="1" '
                       f'transform="rotate({rng.random() * 120 - 60:.0f} {x:.1f} {y:.1f})"/>')
    return "".join(out)


def wicker_chair(x, y):
    """A wicker armchair with a round fan back, seen from the front; (x, y) is the seat's left end."""
    cane, dark = "#C9A66A", "#8A6A3A"
    out = [f'<path d="M{x} {y} C{x - 6} {y - 40} {x + 8} {y - 62} {x + 24} {y - 62} C{x + 40} {y - 62} {x + 54} {y - 40} {x + 48} {y} Z" '
           f'fill="{cane}" stroke="{dark}" stroke-width="2"/>']
    for i in range(1, 6):
        out.append(stroke(f"M{x + 24} {y - 4} L{x + i * 8} {y - 56 + abs(i - 3) * 6}", dark, 1))
    for j in range(1, 4):
        out.append(stroke(f"M{x + 4} {y - j * 14} Q{x + 24} {y - j * 14 - 6} {x + 44} {y - j * 14}", dark, 1))
    out.append(outline(x - 6, y - 4, 60, 10, cane, dark, 2))
    out.append(stroke(f"M{x - 2} {y + 6} l-3 18 M{x + 50} {y + 6} l3 18 M{x + 8} {y + 6} v14 M{x + 40} {y + 6} v14", dark, 3))
    out.append(oval(x + 24, y - 6, 18, 4, "#E8D8B8", "#B8A078", 1))
    return "".join(out)


def gate_leaf(w, h, colour="#7A4632", rust="#B8642E"):
    """One leaf of an iron garden gate drawn at the origin: frame, bars, a row of curls, rust."""
    out = [stroke(f"M0 0 H{w} V{h} H0 Z", colour, 4)]
    for x in range(10, int(w), 11):
        out.append(stroke(f"M{x} 0 V{h}", colour, 2.2))
    out.append(stroke(f"M0 {h * 0.3:.0f} H{w}", colour, 3) + stroke(f"M4 {h - 4} L{w - 4} {h * 0.34:.0f}", colour, 2.5))
    for x in range(6, int(w) - 6, 16):
        out.append(stroke(f"M{x} 0 q0 -12 8 -12 q6 0 5 6 q-1 4 -5 2", colour, 2))
    rng = random.Random(int(w * h))
    for _ in range(10):
        out.append(oval(rng.random() * w, rng.random() * h, 2.2, 1.6, rust))
    return "".join(out)


def kasumi_house(time):
    """bg0701: 遠峰かすみの家: her late mother's Western-style house on the hill, its garden gone wild."""
    late, layers = [], []
    # the sky, the sea far below on the left, the roofs of the town going down to it
    out = [open_sky(250, time) if time != "y" else rect(0, 0, 640, 250, "url(#sky)")]
    if time == "y":
        for cx, cy, rx in ((120, 90, 100), (330, 60, 80), (560, 120, 90)):
            out.append(oval(cx, cy, rx, rx * 0.14, "#F7B48A", extra='opacity="0.8"'))
        out.append(glow(80, 236, 150))
        late.append('<path d="M54 240 A26 26 0 0 1 106 240 Z" fill="#FFF6DC"/>')
    night_sky(time, late, (0, 0, 640, 230), 701, (120, 70))
    sea = {"day": "#5E90B8", "y": "#C88A7A", "n": "#141C38"}[time]
    out.append(rect(0, 240, 640, 100, sea) + stroke("M0 240 H640", "#FFFFFF", 1, 'opacity="0.6"'))
    if time == "y":
        out.append(stroke("M62 246 H98 M70 254 H90 M74 262 H86", "#FFD79A", 2.5))
    # the sky is a layer of its own so that the stars and the setting sun stay behind the trees
    layers.append(dusk(out, time, late))
    out, late = [], []
    rng = random.Random(701)
    roofs = ("#8C9AAE", "#B0604A", "#6A7A8A", "#C8C0B0", "#5A6A7E")
    wall = "#E8E2D6" if time == "day" else "#9A8E8A"
    for row in range(4):
        y = 266 + row * 12
        s = 1 + row * 0.3
        x = -rng.random() * 20
        while x < 260:
            w = (14 + rng.random() * 10) * s
            out.append(rect(f"{x:.0f}", f"{y:.0f}", f"{w * 0.9:.0f}", f"{8 * s:.0f}", wall))
            out.append(poly(((x - 1, y), (x + w * 0.9 + 1, y), (x + w * 0.75, y - 5 * s), (x + w * 0.15, y - 5 * s)),
                            roofs[int(rng.random() * 5)], "#4E4A46", 0.8))
            if rng.random() < 0.4:
                out.append(pane(round(x + w * 0.3), round(y + 2 * s), round(3 * s), round(3 * s), time, True, late, "#4E4A46"))
            x += w + rng.random() * 8 * s
    # the wood behind the house and the garden's far edge
    out.append(tree(612, 300, 90, 66, "#3E6A32", seed=7011) + tree(560, 250, 60, 50, "#4E7A36", seed=7012)
               + tree(150, 300, 70, 44, "#4E7A36", seed=7013))
    out.append('<path d="M0 318 Q80 296 170 304 Q260 290 400 300 Q540 290 640 300 V480 H0 Z" fill="#6E8E46"/>')
    out.append(wild_grass(0, 640, 318, 26, 90, 7014))
    layers.append(dusk(out, time, late))

    out, late = [], []
    roof, roof_line, trim = "#56627A", "#343C4E", "#F6F2E8"
    clap, clap_line = "#ECE6D8", "#CFC4AE"
    # the left block: a steep slate roof with a dormer and the chimney
    out.append(outline(222, 52, 24, 64, "#9A5A48", "#5E3428", 2) + outline(218, 48, 32, 8, "#7A4A3C", "#5E3428", 2))
    out.append(poly(((174, 180), (426, 180), (394, 90), (212, 90)), roof, roof_line, 3))
    for y in range(100, 180, 10):
        t = (y - 90) / 90
        out.append(stroke(f"M{212 - t * 38:.1f} {y} H{394 + t * 32:.1f}", roof_line, 1, 'opacity="0.5"'))
    out.append(outline(268, 122, 44, 40, clap, clap_line, 2))
    out.append(pane(277, 128, 26, 28, time, False, late, "#F6F2E8"))
    out.append(stroke("M290 128 v28 M277 142 h26", trim, 2))
    out.append(poly(((258, 128), (322, 128), (290, 100)), roof, roof_line, 2))
    out.append(outline(190, 180, 224, 184, clap, clap_line, 2))
    for y in range(188, 362, 9):
        out.append(stroke(f"M191 {y} H413", clap_line, 1.2))
    # the front gable wing with the bay window
    out.append(poly(((380, 194), (610, 194), (495, 40)), roof, roof_line, 3))
    out.append(poly(((404, 190), (586, 190), (495, 64)), clap, clap_line, 2))
    for y in range(74, 190, 9):
        half = (y - 64) / 126 * 91
        out.append(stroke(f"M{495 - half:.1f} {y} H{495 + half:.1f}", clap_line, 1.2))
    out.append(stroke("M380 194 L495 40 L610 194", trim, 5))
    out.append(outline(404, 190, 182, 174, clap, clap_line, 2))
    for y in range(198, 362, 9):
        out.append(stroke(f"M405 {y} H585", clap_line, 1.2))
    out.append(stroke("M190 180 V364 M414 180 V364 M586 190 V364", trim, 5))
    out.append(oval(495, 142, 15, 15, GLASS[time], trim, 4) + stroke("M480 142 h30 M495 127 v30", trim, 2))
    # upper windows: two on the left block, one in the gable (the one lit at night)
    for x, y, w, h, lit in ((222, 200, 42, 54, False), (338, 200, 42, 54, False), (464, 200, 62, 60, time == "n")):
        out.append(outline(x - 5, y - 5, w + 10, h + 12, trim, "#B8AE98", 1.5))
        out.append(pane(x, y, w, h, time, lit, late, "#8A8070"))
        bars = stroke(f"M{x} {y + h / 2} h{w} M{x + w / 2} {y} v{h}", trim, 3)
        out.append(bars)
        if lit:
            late.append(bars + glow(x + w / 2, y + h / 2, 80))
    out.append(outline(446, 198, 14, 64, "#7E9E9A", "#4E6A66", 1.5))
    out.append(outline(532, 204, 14, 64, "#7E9E9A", "#4E6A66", 1.5, 'transform="rotate(8 532 204)"'))
    for x in (222, 338):
        out.append(outline(x - 18, 198, 12, 58, "#7E9E9A", "#4E6A66", 1.5) + outline(x + 48, 198, 12, 58, "#7E9E9A", "#4E6A66", 1.5))
    # years without paint: rust streaks under the sills, moss and a slipped slate on the roofs
    for x, y, n in ((236, 262, 3), (352, 262, 2), (486, 274, 4)):
        out.append("".join(stroke(f"M{x + i * 7} {y} q2 14 -1 {22 + i * 5}", "#A89070", 1.5, 'opacity="0.6"') for i in range(n)))
    for cx, cy, rx in ((330, 172, 22), (204, 174, 14), (262, 170, 10)):
        out.append(oval(cx, cy, rx, rx * 0.3, "#6E7A4A", extra='opacity="0.55"'))
    out.append(poly(((356, 132), (372, 132), (374, 142), (358, 143)), "#3E4658", roof_line, 1))
    # the bay window
    bay_top, bay_bottom = 294, 362
    out.append(poly(((416, bay_top), (444, bay_top - 6), (444, bay_bottom), (416, bay_bottom)), clap, clap_line, 2))
    out.append(poly(((546, bay_top - 6), (574, bay_top), (574, bay_bottom), (546, bay_bottom)), clap, clap_line, 2))
    out.append(outline(444, bay_top - 6, 102, bay_bottom - bay_top + 6, clap, clap_line, 2))
    for x in (452, 480, 508):
        out.append(pane(x + 2, bay_top + 2, 24, 50, time, False, late, "#8A8070"))
    out.append(poly(((420, bay_top + 6), (438, bay_top + 2), (438, bay_top + 50), (420, bay_top + 52)), GLASS[time], "#8A8070", 1.5))
    out.append(poly(((552, bay_top + 2), (570, bay_top + 6), (570, bay_top + 52), (552, bay_top + 50)), GLASS[time], "#8A8070", 1.5))
    out.append(stroke(f"M444 {bay_top - 6} V{bay_bottom} M546 {bay_top - 6} V{bay_bottom} M416 {bay_top + 60} H574", trim, 3))
    out.append(poly(((404, bay_top + 2), (586, bay_top + 2), (560, bay_top - 22), (430, bay_top - 22)), roof, roof_line, 2))
    # lace curtain behind the bay's middle pane
    out.append(f'<path d="M484 {bay_top + 4} h20 v40 q-10 -6 -20 0 Z" fill="#FFFFFF" opacity="0.55"/>')
    # the porch: its roof on white posts, the door, a window, the wicker chair
    out.append(rect(196, 282, 212, 70, "#C8BEA8"))
    for y in range(288, 350, 9):
        out.append(stroke(f"M197 {y} H407", "#B4A890", 1))
    out.append(outline(280, 288, 40, 62, "#4E6A72", "#2E444A", 2) + outline(286, 296, 28, 20, GLASS[time], "#2E444A", 1.5)
               + outline(288, 322, 24, 22, "#4E6A72", "#2E444A", 1) + oval(312, 326, 2.5, 2.5, "#D8C070"))
    out.append(outline(338, 294, 46, 42, "#F6F2E8", "#B8AE98", 1.5) + pane(342, 298, 38, 34, time, False, late, "#8A8070")
               + stroke("M361 298 v34", trim, 2))
    out.append(wicker_chair(218, 336))
    out.append(outline(184, 348, 236, 12, "#A89A88", "#6E6456", 2))
    for x in (196, 404):
        out.append(outline(x - 5, 280, 10, 70, trim, "#B8AE98", 1.5))
    out.append(poly(((176, 284), (424, 284), (412, 262), (188, 262)), roof, roof_line, 2) + rect(176, 282, 248, 5, trim))
    for x in range(204, 272, 8):
        out.append(rect(x, 330, 3, 18, trim))
    for x in range(334, 400, 8):
        out.append(rect(x, 330, 3, 18, trim))
    out.append(stroke("M200 330 H274 M330 330 H400", trim, 3))
    out.append(outline(266, 360, 68, 7, "#B8AE9C", "#6E6456", 1.5) + outline(260, 367, 80, 7, "#B0A694", "#6E6456", 1.5))
    out.append(outline(184, 360, 402, 12, "#9A968E", "#6E6A64", 1.5))
    out.append(ivy(((196, 372), (186, 320), (200, 270), (192, 222), (210, 190)), 7015))
    out.append(ivy(((580, 372), (590, 320), (578, 270), (592, 230)), 7016))
    layers.append(dusk(out, time, late))

    out, late = [], []
    # the path, the low iron fence, the hydrangeas, the grass, the broken gate
    out.append('<path d="M276 374 L324 374 L444 480 L160 480 Z" fill="#B8A47E"/>')
    for i, (x, y, rx) in enumerate(((300, 380, 16), (292, 392, 20), (306, 405, 22), (286, 420, 26), (312, 436, 30),
                                    (280, 455, 34), (326, 472, 40))):
        out.append(oval(x, y, rx, rx * 0.32, ("#C8C2B4", "#BAB4A6")[i % 2], "#7E786C", 1.5))
    out.append(wild_grass(0, 640, 372, 40, 160, 7017))
    out.append(hydrangea(110, 356, 70, HYDRANGEA_BLUE, 7018))
    out.append(hydrangea(612, 380, 64, HYDRANGEA_PINK, 7019))
    out.append(hydrangea(400, 394, 40, HYDRANGEA_BLUE[::-1], 7020))
    for x0, x1 in ((0, 200), (440, 640)):
        rail = [stroke(f"M{x0} 402 H{x1}", "#6E4632", 3), stroke(f"M{x0} 440 H{x1}", "#6E4632", 3)]
        for x in range(x0 + 6, x1, 12):
            rail.append(stroke(f"M{x} 446 V396", "#6E4632", 2) + oval(x, 394, 2.5, 2.5, "#6E4632"))
        out.extend(rail)
    # gate posts of rough stone, the left leaf swung open into the grass, the right one hanging by its top hinge
    out.append(f'<g transform="translate(200 332) scale(-0.55 1) skewY(12)">{gate_leaf(100, 92)}</g>')
    out.append(f'<g transform="translate(330 330) rotate(-13 98 0)">{gate_leaf(98, 92)}</g>')
    for x in (198, 442):
        out.append(outline(x - 12, 316, 24, 140, "#A8A296", "#6E6A62", 2) + outline(x - 16, 308, 32, 10, "#B8B2A6", "#6E6A62", 2))
        out.append(stroke(f"M{x - 8} 340 l6 4 M{x + 4} 380 l-5 8 M{x - 6} 420 l8 -3", "#7E786C", 1.2))
    out.append(stroke("M428 334 h-8 M428 420 l-10 14", "#7A4632", 3))
    out.append(wild_grass(0, 640, 470, 90, 220, 7021))
    out.append(wild_grass(0, 150, 480, 130, 50, 7022) + wild_grass(500, 640, 480, 130, 50, 7023))
    return "".join(layers) + finish(out, time, late)


# The route places ----------------------------------------------------------------------

def last_station(time):
    """bg0101: the last station of the line: one platform, a wooden hut, the buffer stop, paddies."""
    late, layers = [], []
    view = dict(vx=330, vy=246, f=320, eye=1.6)
    out = [open_sky(250, time)]
    night_sky(time, late, (0, 0, 640, 200), 101, (520, 60))
    # the mountains the line gives up on, one ridge behind the other
    far, near = {"day": ("#9AB0C4", "#7F9E84"), "y": ("#8A6E88", "#6E5A6E"), "n": ("#1E2840", "#18203A")}[time]
    out.append(f'<path d="M0 214 Q70 160 150 196 Q230 130 330 186 Q420 150 500 180 Q580 140 640 176 V250 H0 Z" fill="{far}"/>')
    out.append(f'<path d="M0 240 Q90 206 190 232 Q300 214 400 236 Q520 208 640 230 V250 H0 Z" fill="{near}"/>')
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the paddies on both sides, rows of young rice running away to the hills
    out.append(rect(0, 246, 640, 234, "#8CB05A"))
    for z in (8, 11, 15, 21, 30, 45, 70):
        a, b = proj(-40, 0, z, **view), proj(40, 0, z, **view)
        out.append(stroke(f"M{a[0]:.0f} {a[1]:.1f} H{b[0]:.0f}", "#A8C070", 2.5 if z < 20 else 1.5))
    for X in (5, 9, 14, 22, 34):
        a, b = proj(X, 0, 3, **view), proj(X, 0, 120, **view)
        out.append(stroke(f"M{a[0]:.0f} {a[1]:.0f} L{b[0]:.1f} {b[1]:.1f}", "#72984A", 1.5))
    # a lone tree and a farm shed out in the fields
    out.append(tree(560, 262, 34, 30, "#4E7A36", seed=1011))
    out.append(outline(470, 236, 40, 22, "#A89478", "#6E5E4B", 1.5)
               + poly(((466, 238), (514, 238), (506, 226), (474, 226)), "#6E7A8A", "#4E5664", 1.5))
    # the ballast bed and the one track, ending here
    bed = ((-0.7, 0, 0.8), (2.1, 0, 0.8), (2.1, 0, 400), (-0.7, 0, 400))
    out.append(quad(bed, "#A49C90", "#8A8478", 1, **view))
    for k in range(60):
        z = 4.3 + k * 0.62
        if z > 60:
            break
        a, b = proj(0.1, 0.05, z, **view), proj(1.45, 0.05, z, **view)
        out.append(stroke(f"M{a[0]:.1f} {a[1]:.1f} H{b[0]:.1f}", "#6A5444", max(1.0, 9 * 4 / z)))
    for X in (0.24, 1.31):
        a, b = proj(X, 0.12, 4.2, **view), proj(X, 0.12, 400, **view)
        out.append(stroke(f"M{a[0]:.1f} {a[1]:.1f} L{b[0]:.1f} {b[1]:.1f}", "#7A7A80", 5)
                   + stroke(f"M{a[0]:.1f} {a[1] - 2:.1f} L{b[0]:.1f} {b[1]:.1f}", "#D0D0D8", 1.5))
    # summer weeds have the last metres of the line to themselves
    rng = random.Random(1012)
    for _ in range(60):
        z = 4 + rng.random() * 5
        x, y = proj(-0.6 + rng.random() * 2.6, 0, z, **view)
        h = 40 / z
        out.append(stroke(f"M{x:.1f} {y:.1f} l-2 -{h:.1f} M{x:.1f} {y:.1f} l3 -{h * 0.8:.1f}", "#5E8436", 1.5))
    # the buffer stop: the rails bent up into a frame, a striped beam across
    legs = []
    for X in (0.24, 1.31):
        a, b, c = proj(X, 0.1, 5.2, **view), proj(X, 1.0, 4.2, **view), proj(X, 0.1, 4.2, **view)
        legs.append(stroke(f"M{a[0]:.1f} {a[1]:.1f} L{b[0]:.1f} {b[1]:.1f} L{c[0]:.1f} {c[1]:.1f}", "#5A4A40", 6))
    out.extend(legs)
    (x0, y0), (x1, y1) = proj(-0.15, 1.15, 4.2, **view), proj(1.7, 0.8, 4.2, **view)
    out.append(outline(f"{x0:.0f}", f"{y0:.0f}", f"{x1 - x0:.0f}", f"{y1 - y0:.0f}", "#F2C230", "#3A3A3A", 2))
    for k in range(6):
        sx = x0 + 6 + k * (x1 - x0 - 12) / 6
        out.append(poly(((sx, y1), (sx + 10, y0), (sx + 20, y0), (sx + 10, y1)), "#2A2A2A", "#2A2A2A", 0))
    out.append(oval(x0 + 24, y1 + 18, 9, 9, "#D9342E", "#6E1E1A", 2))
    # the platform: its face to the track, the worn concrete top, the yellow line
    top = ((-12, 0.9, 0.6), (-0.75, 0.9, 0.6), (-0.75, 0.9, 46), (-12, 0.9, 46))
    face = ((-0.75, 0, 0.6), (-0.75, 0.9, 0.6), (-0.75, 0.9, 46), (-0.75, 0, 46))
    out.append(quad(face, "#9A9488", "#6E6A62", 1.5, **view))
    out.append(quad(top, "#C2BCAE", "#8A8478", 1.5, **view))
    out.append(quad(((-0.75, 0.9, 46), (-12, 0.9, 46), (-12, 0, 52), (-0.75, 0, 52)), "#B2AC9E", "#8A8478", 1, **view))
    out.append(quad(((-1.1, 0.9, 0.6), (-0.8, 0.9, 0.6), (-0.8, 0.9, 46), (-1.1, 0.9, 46)), "#F4F4F0", "#F4F4F0", 0, **view))
    out.append(quad(((-1.9, 0.9, 0.6), (-1.6, 0.9, 0.6), (-1.6, 0.9, 46), (-1.9, 0.9, 46)), "#F2C230", "#D8A420", 0.5, **view))
    for z in (3, 4.5, 6.5, 9.5, 14, 21, 32):
        a, b = proj(-12, 0.9, z, **view), proj(-0.8, 0.9, z, **view)
        out.append(stroke(f"M{a[0]:.0f} {a[1]:.1f} L{b[0]:.1f} {b[1]:.1f}", "#B0AA9C", 1))
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the station hut: plank walls, a tiled gable, a window, the open door of the waiting room
    hx0, hx1, hz0, hz1, wall_h = -6.5, -3.2, 10, 17, 3.1
    out.append(quad(((hx1, 0.9, hz0), (hx1, 0.9, hz1), (hx1, wall_h, hz1), (hx1, wall_h, hz0)), "#A8845A", "#5E4630", 2, **view))
    out.append(quad(((hx0, 0.9, hz0), (hx1, 0.9, hz0), (hx1, wall_h, hz0), (hx0, wall_h, hz0)), "#B8946A", "#5E4630", 2, **view))
    for y in (1.4, 1.9, 2.4):
        a, b = proj(hx1, y, hz0, **view), proj(hx1, y, hz1, **view)
        out.append(stroke(f"M{a[0]:.1f} {a[1]:.1f} L{b[0]:.1f} {b[1]:.1f}", "#8A6A48", 1))
    out.append(quad(((hx1, 0.9, 11.5), (hx1, 0.9, 13), (hx1, 2.7, 13), (hx1, 2.7, 11.5)), "#3A3028", "#5E4630", 1.5, **view))
    win = quad(((hx1, 1.7, 14), (hx1, 1.7, 16), (hx1, 2.6, 16), (hx1, 2.6, 14)), GLASS[time], "#5E4630", 1.5, **view)
    out.append(win)
    if time != "day":
        late.append(quad(((hx1, 1.7, 14), (hx1, 1.7, 16), (hx1, 2.6, 16), (hx1, 2.6, 14)), LIT[time], "#5E4630", 1.5, **view))
    out.append(quad(((hx0, 1.6, hz0), (hx0 + 1.4, 1.6, hz0), (hx0 + 1.4, 2.5, hz0), (hx0, 2.5, hz0)), GLASS[time], "#5E4630", 1.5, **view))
    ridge_x = (hx0 + hx1) / 2
    gable = [proj(hx0 - 0.3, wall_h, hz0 - 0.4, **view), proj(hx1 + 0.5, wall_h, hz0 - 0.4, **view),
             proj(ridge_x, wall_h + 1.4, hz0 - 0.4, **view)]
    out.append(quad(((hx1 + 0.5, wall_h, hz0 - 0.4), (hx1 + 0.5, wall_h, hz1 + 0.4), (ridge_x, wall_h + 1.4, hz1 + 0.4),
                     (ridge_x, wall_h + 1.4, hz0 - 0.4)), "#5E6A7A", "#3A4250", 2, **view))
    out.append(poly(gable, "#4E5A6A", "#3A4250", 2))
    # a bench under the eaves, the name board (a mountain and one arrow: there is no next station)
    for z in (6.8, 8.7):
        a, b = proj(-2.7, 0.9, z, **view), proj(-2.7, 1.35, z, **view)
        out.append(stroke(f"M{a[0]:.1f} {a[1]:.1f} L{b[0]:.1f} {b[1]:.1f}", "#55585C", 3))
    out.append(quad(((-3.1, 1.35, 6.5), (-2.6, 1.35, 6.5), (-2.6, 1.35, 9), (-3.1, 1.35, 9)), "#3A6EA8", "#22446E", 1.5, **view))
    out.append(quad(((-3.1, 1.45, 6.5), (-3.1, 1.45, 9), (-3.1, 1.85, 9), (-3.1, 1.85, 6.5)), "#3A6EA8", "#22446E", 1.5, **view))
    for X in (-2.9, -1.3):
        a, b = proj(X, 0.9, 6, **view), proj(X, 2.5, 6, **view)
        out.append(stroke(f"M{a[0]:.1f} {a[1]:.1f} V{b[1]:.1f}", "#5A6470", 4, cap="butt"))
    (nx0, ny0), (nx1, ny1) = proj(-3.1, 2.7, 6, **view), proj(-1.1, 2.05, 6, **view)
    board = (outline(f"{nx0:.0f}", f"{ny0:.0f}", f"{nx1 - nx0:.0f}", f"{ny1 - ny0:.0f}", "#FBFBF8", "#5A6470", 2)
             + rect(f"{nx0 + 2:.0f}", f"{ny1 - 9:.0f}", f"{nx1 - nx0 - 4:.0f}", 7, "#2F5FA8")
             + poly(((nx0 + 30, ny1 - 12), (nx0 + 46, ny0 + 6), (nx0 + 56, ny0 + 16), (nx0 + 62, ny0 + 10),
                     (nx0 + 76, ny1 - 12)), "#6E9A5A", "#4E6A3E", 1.5)
             + poly(((nx0 + 8, ny1 - 5), (nx0 + 16, ny1 - 9), (nx0 + 16, ny1 - 1)), "#FFFFFF", "#FFFFFF", 0))
    out.append(board)
    # a platform lamp, poles carrying the wires back the way the train came
    lx, ly = proj(-1.4, 0.9, 20, **view)
    out.append(street_lamp(round(lx), round(ly), 68, time, late, arm=1))
    for z in (9, 18, 36, 72):
        a, b = proj(3.2, 0, z, **view), proj(3.2, 6.5, z, **view)
        out.append(stroke(f"M{a[0]:.1f} {a[1]:.1f} V{b[1]:.1f}", "#7A746C", max(1.5, 60 / z)))
        out.append(stroke(f"M{a[0] - 60 / z:.1f} {b[1] + 8 / z * 10:.1f} h{120 / z:.1f}", "#6E6A64", max(1.0, 30 / z)))
    for dx in (-0.5, 0.5):
        pts = [proj(3.2 + dx, 6.2, z, **view) for z in (4, 9, 18, 36, 72, 200)]
        out.append(stroke("M" + " L".join(f"{x:.1f} {y:.1f}" for x, y in pts), "#3A3A3E", 1))
    # the near edge: grass and a few summer flowers at the foot of the buffer stop
    out.append(wild_grass(330, 640, 480, 40, 40, 1013))
    for x, y in ((560, 440), (596, 452), (620, 430)):
        out.append(stroke(f"M{x} {y + 40} V{y}", "#5E8436", 2) + oval(x, y, 7, 7, "#F2C230", "#B8901E", 1.5) + oval(x, y, 2.5, 2.5, "#8A5A2A"))
    return "".join(layers) + finish(out, time, late)


def desk_lamp_pool(cx, cy, rx, ry, time):
    """The pool of a desk lamp's light: only worth drawing once the room has gone dim."""
    if time == "day":
        return ""
    strength = 0.55 if time == "y" else 0.9
    return (f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="url(#glow)" opacity="{strength}"/>'
            f'<ellipse cx="{cx}" cy="{cy}" rx="{rx * 0.55:.0f}" ry="{ry * 0.55:.0f}" fill="url(#glow)" opacity="{strength}"/>')


def paint_desk(time):
    """bg0201: the paint room by lamplight: Hotaru's desk close up under its lamp."""
    late, layers = [], []
    out = [rect(0, 0, 640, 480, "#E5ECE6"), rect(0, 0, 640, 14, "#CBD4CD")]
    # the window behind the desk (the same as the room's), the cel rack on the right
    out.append(window(40, 30, 210, 170, time, late, "#7C8A80", "#4E5A52", cols=2))
    layers.append(dusk(out, time, late))
    out, late = [], []
    out.append(outline(420, 20, 210, 270, "#B7A58E", "#6E5E4B", 2))
    for r in range(4):
        out.append(rect(426, 40 + r * 62, 198, 5, "#6E5E4B"))
        for i in range(13):
            tint = ("#EAF4FA", "#F9EAF0", "#EEF8EA", "#FBF5E2")[(r + i) % 4]
            lean = (i % 3) - 1
            out.append(f'<rect x="{432 + i * 14.5:.1f}" y="{46 + r * 62}" width="10" height="50" fill="{tint}" '
                       f'stroke="#93A8B5" stroke-width="1" transform="skewX({lean * 4})"/>')
    # a colour chart pinned to the wall: swatches only
    out.append(outline(280, 60, 110, 130, "#FFFFFF", "#A59C8E", 1.5) + oval(335, 64, 3, 3, "#D9534F"))
    for k in range(12):
        out.append(rect(290 + (k % 3) * 32, 72 + (k // 3) * 28, 26, 20,
                        ("#E8B4A0", "#F2D08A", "#A8C8E0", "#C9B8E0", "#9CB87A", "#F2A6C0",
                         "#6E8AB8", "#D99A6C", "#B8C4CC", "#4A5A7A", "#F6E6C4", "#8A6A8E")[k]))
    # the desk: its top runs out towards us
    out.append(poly(((0, 300), (640, 300), (640, 480), (0, 480)), "#C9B79A", "#6E5E4B"))
    out.append(rect(0, 296, 640, 8, "#A8967A"))
    for y in (340, 400, 460):
        out.append(stroke(f"M0 {y} H640", "#BCA98A", 1.5))
    # jars of paint along the back of the desk, lids off the ones in use
    colours = ("#D9534F", "#F0AD4E", "#F7E36A", "#7FAE5A", "#4FA3C7", "#337AB7", "#8E6CC4", "#F2A6C0",
               "#8A5A3C", "#2E2E2E", "#FFFFFF", "#B0B7BF", "#E8B4A0", "#6E8AB8")
    for i, c in enumerate(colours):
        x, y = 20 + i * 28, 262 + (i % 2) * 10
        if x > 400:
            break
        out.append(outline(x, y, 24, 30, c, "#5A5A5A", 1.5) + outline(x, y + 10, 24, 10, "#F4F4F0", "#9A9A9A", 1))
        if i % 3:
            out.append(outline(x - 1, y - 6, 26, 7, "#E0E0E0", "#7A7A7A", 1))
        else:
            out.append(oval(x + 12, y + 1, 11, 3, dark_leaf(c, 0.85)))
    # the radio, a little red set with its aerial up
    out.append(f'<rect x="448" y="244" width="120" height="64" rx="10" fill="#C2543C" stroke="#6E2A1E" stroke-width="2"/>')
    out.append(oval(480, 276, 20, 20, "#E9D8C0", "#6E2A1E", 1.5))
    for k in range(5):
        out.append(stroke(f"M{466 + k * 7} 266 v20", "#B89A80", 1.5))
    out.append(outline(512, 260, 46, 14, "#F4EEDC", "#6E2A1E", 1.5) + stroke("M528 260 v14", "#D9342E", 2))
    out.append(oval(522, 292, 6, 6, "#3A2A26") + oval(546, 292, 6, 6, "#3A2A26"))
    out.append(stroke("M556 244 L600 150", "#9A9A9A", 2.5) + oval(600, 150, 3, 3, "#9A9A9A"))
    # the cel she is painting: a girl and a windmill half filled in, the rest still lines
    out.append(poly(((170, 440), (420, 440), (396, 330), (194, 330)), "#EAF6FB", "#8FB2C4", 1.5))
    out.append(stroke("M210 336 h20 M370 336 h20", "#C9B79A", 4))
    out.append('<path d="M268 430 q10 -60 30 -66 q22 6 30 66 Z" fill="#F28C28" stroke="#3A3A3A" stroke-width="1.5"/>')
    out.append('<circle cx="298" cy="352" r="16" fill="#FCE6D4" stroke="#3A3A3A" stroke-width="1.5"/>')
    out.append('<path d="M282 348 q16 -22 32 0 q-8 -8 -16 -6 q-8 -2 -16 6 Z" fill="#8A4B2A" stroke="#3A3A3A" stroke-width="1.2"/>')
    out.append(stroke("M350 430 L356 360 M356 360 l-18 -14 M356 360 l20 -8 M356 360 l-4 -22 M356 360 l14 14", "#3A3A3A", 1.5))
    # her brush across the jar of water, the cup of spare brushes, the palette
    out.append(outline(110, 360, 40, 48, "#D8E6EC", "#7A96A4", 1.5) + rect(112, 372, 36, 34, "#B8C8D8"))
    out.append(stroke("M104 366 L196 352", "#8A5A3C", 4) + stroke("M196 352 l14 -2", "#2E2E2E", 4))
    out.append(outline(50, 330, 34, 46, "#7DA0B0", "#4E6470", 1.5))
    for dx in (-8, 0, 8):
        out.append(stroke(f"M{67 + dx} 330 L{64 + dx * 2} 290", "#8A5A3C", 3))
    out.append(oval(520, 410, 60, 30, "#FFFFFF", "#9A9A9A", 1.5))
    for k, c in enumerate(("#D9534F", "#F7E36A", "#4FA3C7", "#C9B8E0", "#F28C28")):
        out.append(oval(486 + k * 17, 402 + (k % 2) * 12, 7, 5, c))
    # the desk lamp, clamped to the desk's left edge, its head bent over the cel
    out.append(outline(8, 302, 30, 26, "#3A4A42", "#1E2A24", 2))
    out.append(stroke("M24 302 L60 170 L196 120", "#3A4A42", 6) + oval(60, 170, 6, 6, "#1E2A24"))
    out.append(poly(((189, 116), (211, 104), (262, 162), (210, 190)), "#5A7A6A", "#2E4036", 2))
    bulb = oval(236, 176, 24, 7, "#FFF6D8", extra='transform="rotate(-29 236 176)"')
    out.append(oval(236, 176, 24, 7, "#D8DDE2", "#2E4036", 1.5, 'transform="rotate(-29 236 176)"'))
    if time != "day":
        late.append(poly(((212, 190), (262, 162), (470, 360), (150, 430)), "#FFF0C0", "none", 0, 'opacity="0.12"'))
        late.append(bulb)
    late.append(desk_lamp_pool(300, 390, 230, 110, time))
    return "".join(layers) + finish(out, time, late, warm=((236, 180, 90),))


def firefly_river(time):
    """bg0271: a quiet bend of the river upstream at night, reeds, and the last fireflies of the summer."""
    late, layers = [], []
    out = [open_sky(240, time)]
    night_sky(time, late, (0, 0, 640, 170), 271, (470, 64))
    hill = {"day": "#6E9478", "y": "#6E5A6E", "n": "#141C30"}[time]
    out.append(f'<path d="M0 200 Q140 150 300 186 Q440 140 640 176 V250 H0 Z" fill="{hill}"/>')
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the far bank: a dark line of trees
    for i, x in enumerate(range(-20, 680, 46)):
        out.append(tree(x, 250, 18 + (i * 7) % 14, 30 + (i * 5) % 12, "#3E6A32", seed=2710 + i))
    out.append(rect(0, 244, 640, 12, "#4E6A3A"))
    water = {"day": "#6E9FC0", "y": "#C98A7A", "n": "#18223E"}[time]
    out.append(rect(0, 254, 640, 130, water))
    for i in range(34):
        y = 264 + (i * 31) % 110
        out.append(stroke(f"M{(i * 97) % 620} {y} h{14 + i % 5 * 6}", "#FFFFFF", 1.2, 'opacity="0.35"'))
    if time == "n":
        late.append("".join(stroke(f"M{462 + i * 2} {262 + i * 12} h{18 - i * 2}", "#FFF4D0", 2, 'opacity="0.6"')
                            for i in range(7)))
    # stepping stones across the shallows
    for k, (x, y, rx) in enumerate(((96, 372, 30), (170, 350, 24), (236, 330, 19), (292, 314, 15), (338, 300, 12))):
        out.append(oval(x, y, rx, rx * 0.4, "#8A8478", "#5E5A52", 1.5))
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the near bank: grass, reeds standing out of the water on both sides
    out.append('<path d="M0 380 Q200 362 400 384 Q520 396 640 376 V480 H0 Z" fill="#5E7A3A"/>')
    out.append(wild_grass(0, 640, 480, 70, 160, 2711, ("#4E6A32", "#5E7A3A", "#3E5A2A", "#6E8A44")))
    rng = random.Random(2712)
    for x0, x1 in ((0, 150), (500, 640)):
        for _ in range(46):
            x = x0 + rng.random() * (x1 - x0)
            h = 120 + rng.random() * 140
            bend = (rng.random() - 0.5) * 40
            out.append(stroke(f"M{x:.0f} 470 q{bend / 2:.0f} -{h / 2:.0f} {bend:.0f} -{h:.0f}", "#5E7A3A", 2.5))
            if rng.random() < 0.4:
                out.append(oval(x + bend, 470 - h, 3, 12, "#8A6A3A"))
    # the fireflies: drifting over the water and lighting in the reeds
    fireflies = []
    rng = random.Random(2713)
    for k in range(46):
        if k < 28:
            x, y = 60 + rng.random() * 520, 230 + rng.random() * 170
        else:
            x, y = (rng.random() * 150) if k % 2 else (500 + rng.random() * 140), 240 + rng.random() * 200
        r = 1.6 + rng.random() * 1.6
        fireflies.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{r * 4.5:.1f}" fill="url(#firefly)" opacity="{0.5 + (k % 3) * 0.25}"/>'
                         f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{r:.1f}" fill="#F4FFB0"/>')
        if k % 5 == 0:
            fireflies.append(stroke(f"M{x - 14:.1f} {y + 6:.1f} q6 -8 12 -4", "#E4F27A", 1, 'opacity="0.5"'))
    defs = ('<defs><radialGradient id="firefly" cx="0.5" cy="0.5" r="0.5">'
            '<stop offset="0" stop-color="#E8F87A" stop-opacity="0.9"/>'
            '<stop offset="1" stop-color="#C8E850" stop-opacity="0"/></radialGradient></defs>')
    if time != "day":
        late.append("".join(fireflies))
    return defs + "".join(layers) + finish(out, time, late)


def paint_tubes(x, y, w, rows, seed):
    """A shelf's compartments of paint tubes lying side by side, one colour to a box."""
    rng = random.Random(seed)
    out = []
    cols = int(w // 34)
    for r in range(rows):
        for c in range(cols):
            bx, by = x + c * 34, y + r * 30
            colour = hue((c * 0.09 + r * 0.31 + rng.random() * 0.04) % 1, 0.55 + rng.random() * 0.2, 0.9)
            out.append(outline(bx, by, 32, 26, "#E8DCC4", "#8A6B4F", 1))
            for k in range(4):
                ty = by + 4 + k * 5
                out.append(f'<rect x="{bx + 3}" y="{ty}" width="20" height="4" rx="1.5" fill="#F4F4F0" stroke="#9A9A9A" stroke-width="0.6"/>'
                           + rect(bx + 8, ty, 9, 4, colour) + rect(bx + 23, ty + 1, 5, 2, "#B0B0B0"))
    return "".join(out)


def art_shop(time):
    """bg0301: 画材のちぐさ inside: shelves of paint and pencils, paper rolls, the counter with its old register."""
    late, layers = [], []
    wall, floor = "#E8DCC0", "#9A7A56"
    out = [rect(0, 0, 640, 480, wall), rect(0, 0, 640, 18, "#6E5238")]
    # the glass doors onto the shopping street, half curtained by the shop's summer blind
    out.append(window(196, 60, 230, 270, time, late, "#7A5A3E", "#4E3A28", cols=2))
    layers.append(dusk(out, time, late))
    out, late = [], []
    out.append(stroke("M196 60 H426", "#4E3A28", 3))
    out.append(f'<path d="M204 68 H418 V104 H204 Z" fill="#3E6E8A" opacity="0.9"/>')
    for x in range(210, 418, 14):
        out.append(stroke(f"M{x} 68 V104", "#2E5A74", 1))
    # the floor of old boards
    out.append(rect(0, 330, 640, 150, floor) + rect(0, 326, 640, 6, "#6E5238"))
    for k, y in enumerate((352, 380, 414, 456)):
        out.append(stroke(f"M0 {y} H640", "#866846", 1.5))
        for x in range(60 + k * 37 % 90, 640, 150):
            out.append(stroke(f"M{x} {y} v{(y - 330) // 5 + 18}", "#866846", 1))
    # left: the tall shelf of paint tubes in boxes, with paint sets and sketchbooks below
    out.append(outline(0, 30, 180, 300, "#A8845A", "#5E4630", 2))
    out.append(paint_tubes(8, 40, 172, 4, 301))
    for y in (162, 226):
        out.append(rect(4, y, 172, 6, "#5E4630"))
    for i in range(8):
        c = ("#C84A3A", "#2F5FA8", "#E8B83A", "#3E7A5A", "#8E6CC4", "#D98A3A", "#5A5A6A", "#B83A5A")[i]
        out.append(outline(8 + i * 21, 176, 18, 48, c, "#3A2A20", 1))
        out.append(rect(10 + i * 21, 186, 14, 6, "#F4EEDC"))
    for i in range(4):
        out.append(outline(8 + i * 42, 238 + (i % 2) * 4, 38, 86 - (i % 2) * 4, ("#F4EEDC", "#D8C8A8", "#FFFFFF", "#C8D8E0")[i], "#6E5E4B", 1.5))
        out.append(rect(14 + i * 42, 250 + (i % 2) * 4, 26, 18, ("#C84A3A", "#3A6EA8", "#E8B83A", "#8E6CC4")[i]))
    # a poster from a paint maker: a fan of swatches, no words
    out.append(outline(456, 34, 96, 62, "#FFFFFF", "#A59C8E", 1.5))
    for i in range(9):
        out.append(f'<path d="M504 90 L{504 + 40 * math.cos(math.pi * (1 + i / 8)):.1f} {90 + 40 * math.sin(math.pi * (1 + i / 8)):.1f}" '
                   f'stroke="{hue(i / 9, 0.6, 0.9)}" stroke-width="8"/>')
    # the coloured pencils, a whole rainbow standing in a stepped wooden rack on the wall
    out.append(poly(((446, 150), (630, 150), (630, 190), (446, 190)), "#B8946A", "#5E4630"))
    for i in range(36):
        x = 452 + i * 4.8
        top = 112 + (i % 4) * 7
        c = hue(i / 36, 0.62, 0.86)
        out.append(rect(f"{x:.1f}", top, 4, 150 - top, c) + poly(((x, top), (x + 4, top), (x + 2, top - 7)), "#E8C8A0", "#E8C8A0", 0)
                   + rect(f"{x + 1:.1f}", top - 7, 2, 3, c))
    out.append(stroke("M446 170 H630", "#5E4630", 1.5))
    # paper rolls standing in a barrel in front of the shelf
    for x, h, c in ((58, 170, "#FFFFFF"), (78, 210, "#F4EEDC"), (98, 150, "#DCE8F0"), (118, 190, "#FFFFFF"), (68, 130, "#F2DCC8")):
        out.append(outline(x, 370 - h, 18, h, c, "#8A8070", 1.2) + oval(x + 9, 370 - h, 9, 3.5, light_roll(c), "#8A8070", 1.2))
    out.append(f'<path d="M40 456 L50 360 H144 L154 456 Z" fill="#8A6A4A" stroke="#4E3A28" stroke-width="2"/>'
               + stroke("M47 392 H147 M44 426 H150", "#4E3A28", 2))
    # the counter on the right, its glass case of pens, the old register on top
    out.append(outline(360, 336, 280, 144, "#8A6A4A", "#4E3A28", 2))
    out.append(outline(374, 352, 252, 64, "#C8D8E0", "#4E3A28", 1.5))
    for i in range(14):
        out.append(stroke(f"M{384 + i * 17} 408 l6 -44", hue(i / 14, 0.6, 0.8), 3))
    out.append(rect(352, 326, 296, 14, "#A8845A") + stroke("M352 326 H648", "#4E3A28", 2))
    # the register: a tall brass-and-green box with rows of round keys and its crank
    out.append(poly(((470, 326), (586, 326), (576, 240), (480, 240)), "#6E8A6E", "#2E3E2E", 2))
    out.append(outline(492, 214, 72, 28, "#C8A040", "#6E5A1E", 2) + rect(500, 220, 56, 14, "#F4EEDC"))
    for i in range(3):
        out.append(outline(506 + i * 16, 222, 10, 10, "#2E3E2E", "#2E3E2E", 0))
    for r in range(3):
        for c in range(6):
            out.append(oval(492 + c * 15 - r * 1.5, 256 + r * 16, 5.5, 5.5, "#F4EEDC", "#3A3A3A", 1))
    out.append(outline(466, 304, 124, 22, "#5E7A5E", "#2E3E2E", 2) + oval(528, 315, 6, 3, "#C8A040"))
    out.append(stroke("M586 282 h16 v18", "#C8A040", 4) + oval(602, 302, 5, 5, "#3A2A20"))
    # a jar of yuzu-honey for whoever comes in from the heat, a bell to call the shop
    out.append(outline(400, 290, 34, 38, "#F4D03F", "#A8861A", 1.5, 'rx="8"') + outline(402, 282, 30, 10, "#E8E2D0", "#8A8070", 1.5))
    out.append(oval(620, 320, 10, 7, "#C8A040", "#6E5A1E", 1.5) + oval(620, 312, 2.5, 2.5, "#6E5A1E"))
    # the shop's lamp: an old milk-glass shade over the counter
    out.append(stroke("M520 0 V116", "#3A3A3A", 2))
    shade = '<path d="M490 140 Q490 116 520 114 Q550 116 550 140 Z" fill="{}" stroke="#6E6A5A" stroke-width="2"/>'
    out.append(shade.format("#F4F1E6"))
    if time != "day":
        late.append(shade.format("#FFF4D0") + oval(520, 142, 10, 4, "#FFF6D8"))
    return "".join(layers) + finish(out, time, late, warm=((520, 150, 150), (520, 150, 70)))


def light_roll(hex_colour):
    """The end of a paper roll, a shade darker than its side."""
    return dark_leaf(hex_colour, 0.88)


def hospital_roof(time):
    """bg0302: the hospital roof: a high fence, washing lines of white sheets, the water tank, the town below."""
    late, layers = [], []
    out = [open_sky(300, time)]
    night_sky(time, late, (0, 0, 640, 170), 302, (120, 70))
    # the town seen from high up: roofs going down to the sea, the hill on the right
    sea = {"day": "#6E9FC0", "y": "#C98A7A", "n": "#18223E"}[time]
    out.append(rect(0, 178, 640, 40, sea) + stroke("M0 178 H640", "#FFFFFF", 1, 'opacity="0.6"'))
    out.append('<path d="M380 214 Q500 130 640 150 V300 H380 Z" fill="%s"/>' % light_hill(time))
    town = {"day": "#9AA6B6", "y": "#7A5E7A", "n": "#1E2440"}[time]
    roofs = {"day": ("#8C9AAE", "#B0604A", "#6A7A8A", "#5A6A7E"), "y": ("#6A4D6E", "#8A4A4A", "#5A4A66", "#4E3E5A"),
             "n": ("#1A1F38", "#261C30", "#1E2238", "#161A30")}[time]
    rng = random.Random(302)
    for row, base in enumerate((222, 240, 262, 290)):
        s_ = 0.8 + row * 0.35
        x = -rng.random() * 30
        while x < 640:
            w, h = (16 + rng.random() * 22) * s_, (8 + rng.random() * 10) * s_
            out.append(rect(f"{x:.0f}", f"{base - h:.0f}", f"{w + 1:.0f}", f"{h + 40:.0f}", dark_leaf(town, 1 - row * 0.06)))
            out.append(poly(((x - 1, base - h), (x + w + 1, base - h), (x + w * 0.8, base - h - 5 * s_), (x + w * 0.2, base - h - 5 * s_)),
                            roofs[int(rng.random() * 4)], "#4E4A46", 0.8))
            for k in range(int(w // (9 * s_))):
                if rng.random() < 0.4:
                    out.append(pane(round(x + 3 + k * 9 * s_), round(base - h + 3 * s_), round(3 * s_), round(4 * s_), time,
                                    rng.random() < 0.6, late, town))
            x += w + 2
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the roof's concrete floor with its drain, the low step at its edge
    out.append(rect(0, 300, 640, 180, "#C8C4BA") + rect(0, 300, 640, 16, "#B0ACA2"))
    for y in (352, 410):
        out.append(stroke(f"M0 {y} H640", "#B8B4AA", 2))
    out.append(oval(250, 452, 14, 5, "#8A8680", "#6E6A64", 1.5))
    # the high safety fence: posts, a top rail and the wire mesh
    mesh = []
    for x in range(-300, 640, 14):
        mesh.append(f"M{x} 300 l180 -180 M{x + 180} 300 l-180 -180")
    out.append('<clipPath id="fence"><rect x="0" y="120" width="640" height="180"/></clipPath>')
    out.append(f'<g clip-path="url(#fence)"><path d="{" ".join(mesh)}" stroke="#8A9098" stroke-width="1" opacity="0.6"/></g>')
    out.append(stroke("M0 120 H640 M0 298 H640", "#6E747C", 5))
    for x in range(20, 640, 100):
        out.append(rect(x - 4, 112, 8, 192, "#6E747C"))
    # the water tank on its steel legs, left, with its pipes
    out.append(stroke("M36 420 L50 300 M150 420 L136 300 M42 360 H144", "#6E747C", 6))
    out.append(f'<rect x="16" y="160" width="150" height="142" rx="10" fill="#E8E4DA" stroke="#7A7468" stroke-width="2"/>')
    for x in (54, 92, 130):
        out.append(stroke(f"M{x} 162 V300", "#D0CABE", 2))
    out.append(stroke("M28 198 H154 M28 264 H154", "#D0CABE", 2))
    out.append(stroke("M160 180 v-26 h-30 v-20 M160 296 h24 v124", "#8A9098", 4))
    # a bench facing the view, for the patients who come up for air
    out.append(outline(220, 372, 150, 14, "#F2F2EE", "#8A8E92", 2) + outline(220, 392, 150, 12, "#F2F2EE", "#8A8E92", 2))
    out.append(rect(230, 404, 7, 46, "#8A8E92") + rect(354, 404, 7, 46, "#8A8E92"))
    # two washing lines of the hospital's white sheets: a far one and a near one cut by the frame
    rng = random.Random(3021)
    for x0, x1, y0, n_, w, h, pole_h in ((300, 460, 196, 3, 42, 92, 150), (470, 700, 164, 3, 70, 170, 290)):
        for x in (x0, x1):
            out.append(rect(x - 3, y0 - 8, 6, pole_h, "#7A7E84") + rect(x - 12, y0 - 10, 24, 5, "#7A7E84"))
        sag = 6 + w / 10
        out.append(stroke(f"M{x0} {y0} Q{(x0 + x1) / 2} {y0 + sag * 2} {x1} {y0}", "#9A9A9A", 1.5))
        step = (x1 - x0 - 8) / n_
        for k in range(n_):
            a = x0 + 6 + k * step
            b = a + w
            ya = y0 + sag * (1 - (2 * (a - x0) / (x1 - x0) - 1) ** 2)
            yb = y0 + sag * (1 - (2 * (b - x0) / (x1 - x0) - 1) ** 2)
            lift = rng.random() * h * 0.12
            bottom = max(ya, yb) + h - lift
            out.append(f'<path d="M{a:.0f} {ya:.1f} L{b:.0f} {yb:.1f} L{b + 4 + lift / 2:.0f} {bottom:.1f} '
                       f'Q{(a + b) / 2 + lift / 2:.0f} {bottom - h * 0.06:.1f} {a + 3 + lift / 2:.0f} {bottom + 3:.1f} Z" '
                       f'fill="#FBFBF8" stroke="#A8ACB2" stroke-width="1.5" stroke-linejoin="round"/>')
            out.append(stroke(f"M{a + w * 0.28:.0f} {ya + 8:.0f} q3 {h * 0.4:.0f} {lift / 2 + 3:.0f} {h - 30:.0f}", "#E0E2E6", 3))
            out.append(oval(a + 4, ya, 2 + w / 40, 3 + w / 30, "#D8A420") + oval(b - 4, yb, 2 + w / 40, 3 + w / 30, "#D8A420"))
    if time == "day":
        out.append(poly(((470, 440), (640, 440), (640, 476), (500, 476)), "#B0ACA2", "none", 0, 'opacity="0.6"'))
    return "".join(layers) + finish(out, time, late)


def himi_balcony(time):
    """bg0402: the Himi apartment's balcony, five floors up, the station lit below."""
    late, layers = [], []
    out = [open_sky(300, time)]
    night_sky(time, late, (0, 0, 640, 190), 402, (500, 60))
    hill = {"day": "#6E9478", "y": "#6E5A6E", "n": "#121A2E"}[time]
    out.append(f'<path d="M0 190 Q160 150 330 176 Q480 150 640 170 V300 H0 Z" fill="{hill}"/>')
    town = {"day": "#9AA6B6", "y": "#7A5E7A", "n": "#1C2240"}[time]
    rng = random.Random(4021)
    for row, base in enumerate((210, 228)):
        x = -rng.random() * 20
        while x < 640:
            w, h = 18 + rng.random() * 30, 6 + rng.random() * 16
            out.append(rect(f"{x:.0f}", f"{base - h:.0f}", f"{w + 1:.0f}", f"{h + 30:.0f}", town))
            for k in range(int(w // 9)):
                if rng.random() < 0.5:
                    out.append(pane(round(x + 3 + k * 9), round(base - h + 3), 3, 4, time, rng.random() < 0.7, late, town))
            x += w + 1
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the station below: its platform roof, the lamps, a train waiting with its windows lit
    out.append(rect(0, 240, 640, 70, "#5E6268"))
    for X in range(0, 640, 22):
        out.append(stroke(f"M{X} 272 l-6 10", "#4A4E54", 2))
    out.append(stroke("M0 276 H640 M0 284 H640", "#8A9098", 1.5))
    out.append(poly(((60, 246), (600, 246), (612, 258), (48, 258)), "#8A9098", "#4A4E54", 1.5))
    for x in range(80, 600, 60):
        out.append(rect(x, 258, 3, 14, "#4A4E54"))
        if time != "day":
            late.append(glow(x + 2, 260, 22, cool=True) + rect(x - 8, 257, 18, 2, "#F4FAFF"))
    out.append(f'<rect x="120" y="262" width="300" height="22" rx="5" fill="#D8DCE0" stroke="#4A4E54" stroke-width="1.5"/>'
               + rect(120, 278, 300, 3, "#D9342E"))
    for k in range(14):
        out.append(pane(128 + k * 20, 266, 12, 8, time, True, late, "#4A4E54"))
    out.append(outline(470, 222, 90, 30, "#C8C2B6", "#6E6A62", 1.5) + poly(((464, 222), (566, 222), (556, 212), (474, 212)), "#6E5A4A", "#4E3A2A", 1.5))
    out.append(oval(515, 236, 8, 8, "#FFFFFF", "#4E4A46", 1.5))
    if time != "day":
        late.append(oval(515, 236, 8, 8, "#FFF6D8", "#4E4A46", 1.5) + glow(515, 236, 24))
        for x in (40, 180, 300, 420, 600):
            late.append(glow(x, 300, 30) + oval(x, 300, 3, 3, "#FFF0C0"))
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the balcony: its floor, the frosted panels and the rail, the wall and the door to the living room
    out.append(rect(0, 400, 640, 80, "#B8B4AC") + stroke("M0 400 H640", "#8A8680", 2))
    out.append(outline(96, 300, 544, 104, "#D8E0E8", "#6E747C", 2, 'opacity="0.92"'))
    for x in range(200, 640, 110):
        out.append(rect(x - 3, 300, 6, 104, "#8A9098"))
    out.append(outline(90, 290, 560, 12, "#A8AEB6", "#5E646A", 2))
    out.append(rect(0, 0, 96, 480, "#E8E2D8") + rect(90, 0, 8, 480, "#C8C2B6"))
    curtain = '<path d="M0 60 H60 C50 160 66 300 52 420 H0 Z" fill="{}" stroke="#5E7890" stroke-width="2"/>'
    out.append(outline(0, 60, 86, 360, "#D8DDE2", "#7E858B", 3) + curtain.format("#9FB8D0"))
    if time == "n":
        # the living room's lamp through the gap and through the thin curtain
        late.append(outline(0, 60, 86, 360, LIT["n"], "#7E858B", 3) + curtain.format("#C8B898") + glow(40, 240, 140))
    # the air conditioner's outdoor box, sandals, a potted olive the sisters carried up themselves
    out.append(outline(480, 340, 130, 96, "#E4E6E8", "#8A8E92", 2) + oval(528, 388, 36, 36, "#C8CCD0", "#8A8E92", 2))
    for a in range(0, 180, 30):
        out.append(stroke(f"M{528 + 30 * math.cos(math.radians(a)):.1f} {388 + 30 * math.sin(math.radians(a)):.1f} "
                          f"L{528 - 30 * math.cos(math.radians(a)):.1f} {388 - 30 * math.sin(math.radians(a)):.1f}", "#9AA0A6", 1.5))
    out.append(poly(((150, 446), (172, 446), (168, 456), (154, 456)), "#3A6EA8", "#22446E", 1.5)
               + poly(((180, 450), (202, 450), (198, 460), (184, 460)), "#3A6EA8", "#22446E", 1.5))
    out.append(poly(((290, 470), (370, 470), (362, 410), (298, 410)), "#C4663E", "#6E3A22", 2))
    out.append(stroke("M330 410 Q326 340 334 260 M330 380 Q300 340 288 300 M332 350 Q366 310 384 290", "#6B4A33", 3))
    rng = random.Random(4022)
    for _ in range(60):
        x, y = 280 + rng.random() * 110, 250 + rng.random() * 150
        a = rng.random() * 180
        out.append(oval(x, y, 11, 4, ("#6E8A5A", "#5A7648", "#8AA070")[_ % 3], "#3E5232", 1,
                        f'transform="rotate({a:.0f} {x:.1f} {y:.1f})"'))
    return "".join(layers) + finish(out, time, late)


def aquarium(time):
    """bg0403: the aquarium: one great blue tank, fish passing, the dark hall with its benches."""
    late = []
    defs = ('<defs><linearGradient id="tank" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#4AA8D8"/><stop offset="0.55" stop-color="#1E6A9E"/>'
            '<stop offset="1" stop-color="#0E3A64"/></linearGradient>'
            '<linearGradient id="ray" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#E8F8FF" stop-opacity="0.35"/>'
            '<stop offset="1" stop-color="#E8F8FF" stop-opacity="0"/></linearGradient>'
            '<linearGradient id="hall" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#16304A"/><stop offset="1" stop-color="#0A1626"/></linearGradient></defs>')
    out = [rect(0, 0, 640, 480, "#0E1A2C")]
    # the tank fills the wall; light falls through it from the surface
    out.append(outline(24, 24, 592, 340, "url(#tank)", "#0A1420", 6))
    for x, w in ((90, 60), (230, 40), (360, 80), (520, 50)):
        out.append(poly(((x, 28), (x + w, 28), (x + w * 2.2, 360), (x + w * 0.6, 360)), "url(#ray)", "none", 0))
    out.append(stroke("M28 46 Q120 38 220 46 T420 46 T612 46", "#A8DCF4", 2, 'opacity="0.6"'))
    # rocks and swaying weed on the sandy bottom
    out.append('<path d="M28 360 Q140 330 260 348 Q400 320 612 344 V360 H28 Z" fill="#C8B888" opacity="0.55"/>')
    for x, y, rx, ry in ((80, 346, 60, 30), (200, 354, 40, 18), (470, 340, 70, 36), (580, 350, 34, 16)):
        out.append(oval(x, y, rx, ry, "#2E4A5E", "#1E3444", 1.5))
    rng = random.Random(4031)
    for _ in range(16):
        x = 40 + rng.random() * 560
        h = 50 + rng.random() * 110
        out.append(stroke(f"M{x:.0f} 360 q-14 -{h / 3:.0f} 0 -{h * 0.6:.0f} q14 -{h / 4:.0f} 2 -{h * 0.4:.0f}", "#3E7A6A", 5))
    # the fish: big slow shapes in shadow, a few bright ones, a school of small silver ones, a ray
    def fish(x, y, s, body, flip=1):
        return (f'<g transform="translate({x} {y}) scale({s * flip} {s})">'
                f'<path d="M-30 0 Q-10 -16 18 -4 L32 -14 L28 0 L32 14 L18 4 Q-10 16 -30 0 Z" fill="{body}"/>'
                f'<circle cx="-20" cy="-3" r="2.2" fill="#0A1420"/></g>')
    for x, y, s, c, f in ((180, 150, 2.2, "#184E78", 1), (470, 230, 2.8, "#164670", -1), (330, 110, 1.4, "#1E5A86", -1)):
        out.append(fish(x, y, s, c, f))
    for x, y, s, c, f in ((120, 260, 0.8, "#F2A040", 1), (540, 120, 0.7, "#F2D060", -1), (400, 300, 0.6, "#E86A5A", 1)):
        out.append(fish(x, y, s, c, f))
    for _ in range(30):
        x, y = 230 + rng.random() * 160, 200 + rng.random() * 70
        out.append(fish(round(x), round(y), 0.28, "#C8DCE8", -1))
    out.append('<path d="M500 70 Q468 80 428 108 Q470 110 500 126 Q530 110 572 108 Q532 80 500 70 Z" fill="#123E64"/>'
               + stroke("M500 124 Q506 150 526 176", "#123E64", 3))
    for _ in range(24):
        x, y = 60 + rng.random() * 520, 60 + rng.random() * 280
        out.append(oval(x, y, 2 + rng.random() * 3, 2 + rng.random() * 3, "none", "#D8F0FF", 1, 'opacity="0.6"'))
    # the dark hall: the tank's light on the floor, the benches and a railing in silhouette
    out.append(rect(0, 364, 640, 116, "url(#hall)"))
    out.append('<ellipse cx="320" cy="392" rx="300" ry="22" fill="#2E6A98" opacity="0.35"/>')
    out.append(stroke("M0 378 H640", "#0A1420", 4))
    for x in range(30, 640, 60):
        out.append(rect(x, 378, 3, 10, "#0A1420"))
    for x0, w in ((60, 200), (380, 200)):
        out.append(f'<rect x="{x0}" y="420" width="{w}" height="18" rx="4" fill="#060C16"/>'
                   + rect(x0 + 14, 436, 10, 44, "#060C16") + rect(x0 + w - 24, 436, 10, 44, "#060C16"))
    return defs + "".join(out)


def under_bridge(time):
    """bg0501: the river bank under the bridge: the concrete steps in its shade, the bright river framed by the deck."""
    late, layers = [], []
    view = dict(vx=320, vy=232, f=300, eye=1.1)
    out = [open_sky(240, time)]
    night_sky(time, late, (0, 0, 640, 200), 501, (110, 60))
    # the far bank: hills, then the town along the water
    hill = {"day": "#8AA890", "y": "#6E5A6E", "n": "#141C30"}[time]
    out.append(f'<path d="M0 200 Q150 170 300 196 Q470 164 640 190 V240 H0 Z" fill="{hill}"/>')
    town = {"day": "#A8B2C0", "y": "#7A5E7A", "n": "#1E2440"}[time]
    rng = random.Random(5011)
    x = -10
    while x < 640:
        w, h = 14 + rng.random() * 26, 6 + rng.random() * 18
        out.append(rect(f"{x:.0f}", f"{234 - h:.0f}", f"{w + 1:.0f}", f"{h + 4:.0f}", town))
        if rng.random() < 0.5:
            out.append(pane(round(x + 4), round(236 - h), 4, 4, time, rng.random() < 0.6, late, town))
        x += w
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the river, wide and bright beyond the shade
    water = {"day": "#6E9FC0", "y": "#C98A7A", "n": "#1E2A48"}[time]
    out.append(rect(0, 236, 640, 80, water) + rect(0, 234, 640, 4, "#7F9A5A"))
    rng = random.Random(5012)
    for i in range(46):
        y = 240 + rng.random() * 70
        w = 6 + (y - 236) * 0.5 * rng.random()
        out.append(stroke(f"M{rng.random() * 640:.0f} {y:.0f} h{w:.0f}", "#FFFFFF", 1.2 + (y - 236) / 50, 'opacity="0.55"'))
    # the near bank: a reed line at the water, then the concrete steps down to it, in the bridge's shade
    rng = random.Random(5014)
    for i in range(46):
        x, h = i * 14 + rng.random() * 10, 10 + rng.random() * 18
        out.append(stroke(f"M{x:.0f} 318 q-3 -{h * 0.6:.0f} -{2 + rng.random() * 6:.0f} -{h:.0f} "
                          f"M{x + 4:.0f} 318 q2 -{h * 0.5:.0f} {3 + rng.random() * 5:.0f} -{h * 0.8:.0f}",
                          ("#6E8A3A", "#5E7A32", "#7E9A48")[i % 3], 2))
    steps = ((316, "#B8B2A4"), (330, "#ACA698"), (350, "#B6B0A2"), (376, "#A8A294"), (410, "#B4AEA0"), (452, "#A6A092"))
    for k, (y, c) in enumerate(steps):
        bottom = steps[k + 1][0] if k + 1 < len(steps) else 480
        out.append(rect(0, y, 640, bottom - y, c) + stroke(f"M0 {y} H640", "#8A857A", 1.5 + k * 0.4))
        out.append(rect(0, y + 1, 640, 2 + k * 0.6, "#D0CABC", 'opacity="0.7"'))
    for x, y in ((90, 360), (420, 396), (560, 440), (230, 470)):
        out.append(stroke(f"M{x} {y} l-4 -12 M{x} {y} l3 -14 M{x} {y} l8 -9", "#6E8A3A", 2))
    # the bridge's shade over the steps: the sun is high, only the far corners of the bank are lit
    out.append('<path d="M0 316 L640 316 L640 480 L0 480 Z" fill="#1E2238" opacity="0.28"/>')
    out.append('<path d="M560 316 L640 316 L640 420 Z" fill="#FFF4D8" opacity="0.22"/>'
               '<path d="M0 316 L70 316 L0 380 Z" fill="#FFF4D8" opacity="0.22"/>')
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the underside of the deck overhead, running away to the far bank; girders and cross beams
    deck = [proj(-4.2, 4.6, 1.2, **view), proj(4.2, 4.6, 1.2, **view), proj(4.2, 4.6, 70, **view), proj(-4.2, 4.6, 70, **view)]
    out.append(poly(deck, "#7A7670", "#4E4A46", 2))
    for z in (2.2, 3.4, 5, 7.5, 11, 16, 24, 36, 52):
        a, b = proj(-4.2, 4.6, z, **view), proj(4.2, 4.6, z, **view)
        out.append(stroke(f"M{a[0]:.1f} {a[1]:.1f} L{b[0]:.1f} {b[1]:.1f}", "#5E5A56", max(1.2, 16 / z)))
    for X in (-3.1, -1.05, 1.05, 3.1):
        a, b = proj(X, 4.2, 1.2, **view), proj(X, 4.2, 70, **view)
        c, d = proj(X + 0.35, 4.6, 1.2, **view), proj(X + 0.35, 4.6, 70, **view)
        out.append(poly((a, b, d, c), "#66625C", "#3E3A36", 1.5))
    # the edges of the deck, the railing seen from underneath against the sky
    for X in (-4.2, 4.2):
        a, b = proj(X, 4.6, 1.2, **view), proj(X, 4.6, 70, **view)
        c, d = proj(X, 5.4, 1.2, **view), proj(X, 5.4, 70, **view)
        out.append(poly((a, b, d, c), "#8A8680", "#4E4A46", 1.5))
    # the piers standing in the water, drawn over the deck that runs on behind them
    for z in (60, 34, 16):
        a = proj(-2.0, -0.4, z, **view)
        b = proj(2.0, 4.2, z, **view)
        out.append(outline(f"{a[0]:.0f}", f"{b[1]:.0f}", f"{b[0] - a[0]:.0f}", f"{a[1] - b[1]:.0f}", "#9A968C", "#6E6A62", 1.5))
        out.append(rect(f"{a[0]:.0f}", f"{a[1] - 6 * 10 / z:.0f}", f"{b[0] - a[0]:.0f}", f"{6 * 10 / z:.0f}", "#6E7A7E", 'opacity="0.6"'))
        out.append(oval((a[0] + b[0]) / 2, a[1], (b[0] - a[0]) * 0.8, 3 + 30 / z, "none", "#E8F4FA", 1.2, 'opacity="0.6"'))
    # light thrown up off the water, wavering on the concrete
    rng = random.Random(5013)
    for _ in range(22):
        z = 4 + rng.random() * 30
        x, y = proj(-3.5 + rng.random() * 7, 4.6, z, **view)
        w = 120 / z
        out.append(stroke(f"M{x:.0f} {y:.0f} q{w / 2:.1f} {-w / 6:.1f} {w:.1f} 0 t{w:.1f} 0", "#D8ECF4", 1.5, 'opacity="0.5"'))
    # the abutment on the left where the bridge meets our bank
    out.append(poly(((0, 0), (70, 0), (110, 150), (92, 330), (0, 360)), "#8A8680", "#4E4A46", 2))
    out.append(stroke("M0 70 L84 60 M0 150 L104 140 M0 230 L100 222 M0 310 L94 300", "#7A7670", 2))
    out.append(oval(36, 110, 3, 3, "#6E6A64") + oval(70, 190, 3, 3, "#6E6A64") + oval(30, 270, 3, 3, "#6E6A64"))
    return "".join(layers) + finish(out, time, late)


def arcade_cabinet(z, side, colour, marquee, screen, view, seed):
    """A game cabinet along the aisle wall, its screen turned to the aisle; `side` -1 left, 1 right."""
    x_face, x_back, depth = 2.1 * side, 3.1 * side, 0.9
    out = []
    # the side of the cabinet facing us, then its face to the aisle with the screen and the control deck
    out.append(quad(((x_face, 0, z), (x_back, 0, z), (x_back, 2.05, z), (x_face, 2.05, z)), colour, "#14101E", 1.5, **view))
    out.append(quad(((x_face, 0, z), (x_face, 0, z + depth), (x_face, 2.05, z + depth), (x_face, 2.05, z)),
                    dark_leaf(colour, 0.8), "#14101E", 1.5, **view))
    out.append(quad(((x_face - 0.25 * side, 0.95, z + 0.05), (x_face - 0.25 * side, 0.95, z + depth - 0.05),
                     (x_face, 1.05, z + depth - 0.05), (x_face, 1.05, z + 0.05)), "#2A2A3A", "#14101E", 1, **view))
    out.append(quad(((x_face, 1.15, z + 0.1), (x_face, 1.15, z + depth - 0.1), (x_face, 1.7, z + depth - 0.1), (x_face, 1.7, z + 0.1)),
                    screen, "#0A0A14", 2, **view))
    rng = random.Random(seed)
    for _ in range(3):
        zz, yy = z + 0.2 + rng.random() * (depth - 0.4), 1.25 + rng.random() * 0.35
        cx, cy = proj(x_face, yy, zz, **view)
        out.append(oval(cx, cy, 2 + 30 / z * 0.3, 2 + 30 / z * 0.3, ("#FFFFFF", "#FFE04A", "#FF6FA3")[_ % 3]))
    out.append(quad(((x_face, 1.8, z), (x_face, 1.8, z + depth), (x_face, 2.05, z + depth), (x_face, 2.05, z)),
                    marquee, "#14101E", 1.5, **view))
    # a stool in the aisle in front of it
    sx, sy = proj(x_face - 0.45 * side, 0.55, z + depth / 2, **view)
    gx, gy = proj(x_face - 0.45 * side, 0, z + depth / 2, **view)
    r = 0.22 * view["f"] / (z + depth / 2)
    out.append(stroke(f"M{sx:.1f} {sy:.1f} V{gy:.1f}", "#8A8E96", max(1.5, r * 0.2)) + oval(sx, sy, r, r * 0.35, "#D9342E", "#5A1410", 1.2))
    return "".join(out)


def plush(cx, cy, s, colour, rot=0):
    """A prize plush in the crane game: a round body, a round head, little ears and dot eyes."""
    line = dark_leaf(colour, 0.6)
    inner = (oval(0, 10, 16, 13, colour, line, 1.5) + oval(-10, -10, 5, 6, colour, line, 1.5) + oval(10, -10, 5, 6, colour, line, 1.5)
             + oval(0, -2, 13, 11, colour, line, 1.5) + oval(-4, -3, 1.6, 1.8, "#2A1E1A") + oval(4, -3, 1.6, 1.8, "#2A1E1A")
             + oval(0, 1, 2, 1.4, "#6E3A2A"))
    return f'<g transform="translate({cx:.1f} {cy:.1f}) rotate({rot}) scale({s})">{inner}</g>'


def game_centre(time):
    """bg0601: the game centre: an aisle of cabinets with lit screens, the crane game close, the coloured lights."""
    late = []
    view = dict(vx=330, vy=214, f=300, eye=1.5)
    out = [rect(0, 0, 640, 480, "#241C34")]
    far = 16
    # ceiling with its light strips, the two walls, the back wall with a star of neon, the carpet
    out.append(quad(((-4.2, 3.1, 1), (4.2, 3.1, 1), (4.2, 3.1, far), (-4.2, 3.1, far)), "#2C2440", "#14101E", 1, **view))
    for X in (-1.6, 1.6):
        out.append(quad(((X - 0.12, 3.08, 1.2), (X + 0.12, 3.08, 1.2), (X + 0.12, 3.08, far), (X - 0.12, 3.08, far)),
                        "#F4F8FF", "#C8D4E8", 1, **view))
    out.append(quad(((-4.2, 0, 1), (-4.2, 0, far), (-4.2, 3.1, far), (-4.2, 3.1, 1)), "#3A2E52", "#14101E", 1, **view))
    out.append(quad(((4.2, 0, 1), (4.2, 0, far), (4.2, 3.1, far), (4.2, 3.1, 1)), "#3A2E52", "#14101E", 1, **view))
    out.append(quad(((-4.2, 0, far), (4.2, 0, far), (4.2, 3.1, far), (-4.2, 3.1, far)), "#46385E", "#14101E", 1, **view))
    sx, sy = proj(0, 2.2, far, **view)
    star = " ".join(f"{sx + (14 if k % 2 == 0 else 6) * math.sin(k * math.pi / 5):.1f},{sy - (14 if k % 2 == 0 else 6) * math.cos(k * math.pi / 5):.1f}"
                    for k in range(10))
    out.append(glow(sx, sy, 40) + f'<polygon points="{star}" fill="none" stroke="#FFE04A" stroke-width="3"/>')
    for k, c in enumerate(("#FF6FA3", "#5AD8F0", "#FFE04A")):
        a, b = proj(-1.4 + k * 1.1, 1.2, far, **view), proj(-0.6 + k * 1.1, 1.7, far, **view)
        out.append(stroke(f"M{a[0]:.0f} {a[1]:.0f} L{b[0]:.0f} {b[1]:.0f}", c, 2.5))
    out.append(quad(((-4.2, 0, 1), (4.2, 0, 1), (4.2, 0, far), (-4.2, 0, far)), "#262454", "#14101E", 1, **view))
    rng = random.Random(6011)
    for _ in range(150):
        X, Z = -4 + rng.random() * 8, 1.3 + rng.random() * (far - 2)
        x, y = proj(X, 0, Z, **view)
        r = 8 / Z
        c = ("#FF6FA3", "#5AD8F0", "#FFE04A", "#8E6CC4")[_ % 4]
        out.append(oval(x, y, r, r * 0.4, c, extra='opacity="0.55"'))
    # the rows of cabinets down both sides, far ones first
    colours = (("#2E3A7A", "#FF6FA3", "#6AC8F0"), ("#7A2E5A", "#FFE04A", "#F4A86A"), ("#2E5A7A", "#5AD8F0", "#C8A0F0"),
               ("#5A2E7A", "#FF8A3D", "#7AE0C8"))
    for k, z in enumerate((13.4, 12.3, 11.2, 10.1, 9.0, 7.9, 6.8, 5.7, 4.6, 3.5)):
        for side in (-1, 1):
            if side == -1 and z < 5:
                continue  # the crane game stands there
            c = colours[(k + (side > 0)) % 4]
            out.append(arcade_cabinet(z, side, c[0], c[1], c[2], view, 6020 + k * 2 + side))
    # the light the screens throw on the carpet of the aisle
    out.append('<path d="M240 290 L420 290 L560 480 L100 480 Z" fill="#8EC8F0" opacity="0.07"/>')
    # the crane game close on the left: its glass case of plush prizes, the claw over them
    out.append(quad(((-1.45, 0, 2.3), (-1.45, 0, 3.5), (-1.45, 2.3, 3.5), (-1.45, 2.3, 2.3)), "#D8D4E8", "#3A3450", 2, **view))
    fx0, fy_top = proj(-3.3, 2.3, 2.3, **view)
    fx1, fy_bot = proj(-1.45, 0, 2.3, **view)
    _, fy_glass0 = proj(-1.45, 1.95, 2.3, **view)
    _, fy_glass1 = proj(-1.45, 0.85, 2.3, **view)
    out.append(outline(f"{fx0:.0f}", f"{fy_top:.0f}", f"{fx1 - fx0:.0f}", f"{fy_bot - fy_top:.0f}", "#F2EEF8", "#3A3450", 3))
    out.append(rect(f"{fx0:.0f}", f"{fy_top:.0f}", f"{fx1 - fx0:.0f}", f"{fy_glass0 - fy_top:.0f}", "#FF6FA3"))
    for k in range(9):
        out.append(oval(fx0 + 12 + k * (fx1 - fx0 - 24) / 8, (fy_top + fy_glass0) / 2, 6, 6, "#FFF6D8", "#C83A6E", 1.5))
    gx0, gx1 = fx0 + 8, fx1 - 10
    out.append(rect(f"{gx0:.0f}", f"{fy_glass0:.0f}", f"{gx1 - gx0:.0f}", f"{fy_glass1 - fy_glass0:.0f}", "#DCEEF8"))
    rng = random.Random(6012)
    pile = []
    for k in range(26):
        px = gx0 + 16 + rng.random() * (gx1 - gx0 - 32)
        py = fy_glass1 - 14 - rng.random() * 40 - (k % 3) * 6
        pile.append((py, plush(px, py, 1.1 + rng.random() * 0.4, ("#F4B8C8", "#F4E0A0", "#B8D8F4", "#D8C0F0", "#F4C89A", "#FFFFFF")[k % 6],
                               rng.randint(-30, 30))))
    out.extend(p for _, p in sorted(pile))
    out.append(stroke(f"M{gx0 + 40:.0f} {fy_glass0 + 6:.0f} H{gx1 - 6:.0f}", "#8A8E96", 4))
    cx = gx0 + (gx1 - gx0) * 0.62
    out.append(stroke(f"M{cx:.0f} {fy_glass0 + 6:.0f} V{fy_glass0 + 60:.0f}", "#8A8E96", 2)
               + outline(f"{cx - 10:.0f}", f"{fy_glass0 + 56:.0f}", 20, 12, "#9AA0A8", "#3A3E46", 1.5)
               + stroke(f"M{cx - 8:.0f} {fy_glass0 + 68:.0f} q-10 14 0 26 M{cx + 8:.0f} {fy_glass0 + 68:.0f} q10 14 0 26 "
                        f"M{cx:.0f} {fy_glass0 + 68:.0f} v24", "#6E7278", 4))
    out.append(rect(f"{gx0:.0f}", f"{fy_glass0:.0f}", 30, f"{fy_glass1 - fy_glass0:.0f}", "#FFFFFF", 'opacity="0.25"')
               + stroke(f"M{gx0 + 60:.0f} {fy_glass0:.0f} l-40 {fy_glass1 - fy_glass0:.0f}", "#FFFFFF", 6, 'opacity="0.3"'))
    # the base: the coin slot, the two buttons, the prize chute
    out.append(outline(f"{fx1 - 70:.0f}", f"{fy_glass1 + 14:.0f}", 40, 26, "#C8CCD4", "#5A5E66", 1.5)
               + oval(fx1 - 100, fy_glass1 + 26, 10, 10, "#FFE04A", "#8A6A1A", 2) + oval(fx1 - 130, fy_glass1 + 26, 10, 10, "#5AD8F0", "#1E6A8A", 2)
               + outline(f"{fx0 + 20:.0f}", f"{fy_glass1 + 50:.0f}", 70, 44, "#2A2438", "#3A3450", 2))
    out.append(glow(fx0 + (fx1 - fx0) / 2, fy_glass0 + 20, 100))
    return finish(out, time, late)


def seaside(time):
    """bg0602: the sea on a summer Sunday: the beach, a parasol and a mat, the breakwater and its little lighthouse."""
    late, layers = [], []
    horizon = 218
    out = [open_sky(horizon, time)]
    night_sky(time, late, (0, 0, 640, 200), 602, (420, 60))
    # a tower of summer cloud over the sea, an island far out
    if time == "day":
        for cx, cy, r in ((150, 170, 46), (196, 150, 56), (250, 166, 44), (210, 118, 40), (170, 126, 30), (290, 182, 30), (110, 190, 30)):
            out.append(oval(cx, cy, r, r * 0.86, "#FFFFFF", "#DCE6EE", 1.5))
        out.append(rect(80, 186, 240, 32, "#FFFFFF"))
    out.append('<path d="M420 218 Q446 200 476 204 Q500 196 520 218 Z" fill="#7E98A8"/>')
    layers.append(dusk(out, time, late))
    out, late = [], []
    sea = {"day": "#3E86C0", "y": "#B07A8A", "n": "#182848"}[time]
    out.append(rect(0, horizon, 640, 120, sea) + rect(0, horizon, 640, 3, "#2E6EA8"))
    rng = random.Random(6021)
    for i in range(60):
        y = horizon + 6 + rng.random() * 100
        out.append(stroke(f"M{rng.random() * 640:.0f} {y:.0f} h{4 + (y - horizon) * 0.3:.0f}", "#E8F4FA", 1 + (y - horizon) / 60, 'opacity="0.6"'))
    # the surf: the shallows going pale over the sand, lines of foam
    out.append('<path d="M0 320 Q160 312 320 322 Q480 332 640 318 V350 H0 Z" fill="#7EC4D8"/>')
    for k, y in enumerate((318, 330, 342)):
        out.append(stroke(f"M0 {y} Q120 {y - 6} 240 {y + 2} T480 {y} T720 {y + 2}", "#FFFFFF", 3 - k * 0.6, 'opacity="0.85"'))
    # the beach, wet near the water and dry up towards us
    out.append('<path d="M0 344 Q200 336 400 346 Q540 352 640 340 V480 H0 Z" fill="#E8D4A8"/>')
    out.append('<path d="M0 344 Q200 336 400 346 Q540 352 640 340 V356 Q420 362 0 358 Z" fill="#C8B088"/>')
    for _ in range(50):
        x, y = rng.random() * 640, 370 + rng.random() * 110
        out.append(oval(x, y, 2, 1, "#C8B088"))
    # the breakwater out to the right, the little red lighthouse at its end
    out.append(poly(((640, 300), (470, 284), (470, 292), (640, 316)), "#B8B4AC", "#6E6A64", 1.5))
    for k in range(10):
        x = 480 + k * 17
        out.append(oval(x, 300 + k * 1.8, 9, 6, "#9A968E", "#6E6A64", 1))
    out.append(outline(472, 236, 14, 50, "#E8402E", "#8A2A1E", 1.5) + rect(472, 250, 14, 6, "#FFFFFF")
               + poly(((470, 236), (488, 236), (479, 224)), "#FFFFFF", "#8A2A1E", 1.5))
    if time != "day":
        late.append(glow(479, 232, 30) + oval(479, 232, 4, 4, "#FFF6D8"))
    # gulls
    for x, y, s_ in ((340, 120, 1.0), (380, 140, 0.7), (560, 90, 0.8)):
        out.append(stroke(f"M{x - 10 * s_:.0f} {y:.0f} q{5 * s_:.1f} {-6 * s_:.1f} {10 * s_:.1f} 0 q{5 * s_:.1f} {-6 * s_:.1f} {10 * s_:.1f} 0",
                          "#4A4E56", 2))
    # their spot: a striped parasol, a mat, a cool box, sandals
    out.append('<path d="M120 476 L150 420 L420 420 L470 476 Z" fill="#5AB8D8" stroke="#2E7A98" stroke-width="2"/>')
    for k in range(1, 6):
        out.append(stroke(f"M{120 + k * 58} 476 L{150 + k * 45} 420", "#FFFFFF", 5))
    out.append(stroke("M262 470 L300 270", "#E8E4DC", 5))
    # the canopy: a dome of red and white panels seen a little from below, a scalloped rim
    ax, ay = 300, 200
    rim = [(300 + 165 * math.cos(math.pi * k / 8), 266 + 24 * math.sin(math.pi * k / 8)) for k in range(9)]
    for k in range(8):
        (x0, y0), (x1, y1) = rim[k], rim[k + 1]
        c0 = (ax + (x0 - ax) * 0.55, ay + (y0 - ay) * 0.1 - 4)
        c1 = (ax + (x1 - ax) * 0.55, ay + (y1 - ay) * 0.1 - 4)
        mid = ((x0 + x1) / 2, (y0 + y1) / 2 + 10)
        out.append(f'<path d="M{ax} {ay} Q{c0[0]:.1f} {c0[1]:.1f} {x0:.1f} {y0:.1f} Q{mid[0]:.1f} {mid[1] - 4:.1f} {x1:.1f} {y1:.1f} '
                   f'Q{c1[0]:.1f} {c1[1]:.1f} {ax} {ay} Z" fill="{("#E8402E", "#FFFFFF")[k % 2]}" stroke="#8A2A1E" '
                   f'stroke-width="1.5" stroke-linejoin="round"/>')
    out.append(oval(ax, ay - 2, 5, 5, "#E8E4DC", "#8A8680", 1.5))
    out.append('<ellipse cx="300" cy="452" rx="150" ry="18" fill="#B89E74" opacity="0.35"/>')
    out.append(outline(480, 400, 90, 56, "#F4F4F0", "#6E7A8A", 2) + outline(480, 400, 90, 14, "#3A7BB8", "#22446E", 2)
               + rect(512, 394, 26, 6, "#22446E"))
    out.append(oval(560, 470, 16, 6, "#FF6FA3", "#A83A62", 1.5) + oval(590, 474, 16, 6, "#FF6FA3", "#A83A62", 1.5))
    out.append(oval(40, 440, 22, 22, "#FFFFFF", "#8A8680", 1.5) + f'<path d="M18 440 A22 22 0 0 1 62 440 Z" fill="#F2C230"/>'
               + stroke("M40 418 V462", "#3A7BB8", 4))
    return "".join(layers) + finish(out, time, late)


def stopped_clock(cx, cy, r, hour, minute, rim="#6E4A32", face="#F6F0DE", kind="round"):
    """A clock face with its hands where they stopped; `kind` is the case: round, octagon, sun or square."""
    out = []
    line = dark_leaf(rim, 0.6)
    if kind == "octagon":
        pts = [(cx + r * 1.18 * math.cos(math.pi / 8 + k * math.pi / 4), cy + r * 1.18 * math.sin(math.pi / 8 + k * math.pi / 4)) for k in range(8)]
        out.append(poly(pts, rim, line, 2))
    elif kind == "sun":
        for k in range(16):
            a = k * math.pi / 8
            out.append(stroke(f"M{cx + r * math.cos(a):.1f} {cy + r * math.sin(a):.1f} L{cx + r * 1.6 * math.cos(a):.1f} {cy + r * 1.6 * math.sin(a):.1f}",
                              "#C8A040", 3))
            out.append(oval(cx + r * 1.6 * math.cos(a), cy + r * 1.6 * math.sin(a), 2.5, 2.5, "#C8A040"))
        out.append(oval(cx, cy, r * 1.1, r * 1.1, "#C8A040", "#8A6A1E", 2))
    elif kind == "square":
        out.append(outline(cx - r * 1.2, cy - r * 1.2, r * 2.4, r * 2.4, rim, line, 2))
    else:
        out.append(oval(cx, cy, r * 1.15, r * 1.15, rim, line, 2))
    out.append(oval(cx, cy, r, r, face, dark_leaf(face, 0.7), 1.2))
    for k in range(12):
        a = k * math.pi / 6
        out.append(stroke(f"M{cx + r * 0.78 * math.cos(a):.1f} {cy + r * 0.78 * math.sin(a):.1f} "
                          f"L{cx + r * 0.9 * math.cos(a):.1f} {cy + r * 0.9 * math.sin(a):.1f}", "#3A3028", max(1, r * 0.07)))
    ha = math.radians((hour % 12 + minute / 60) * 30)
    ma = math.radians(minute * 6)
    out.append(stroke(f"M{cx:.1f} {cy:.1f} l{r * 0.5 * math.sin(ha):.1f} {-r * 0.5 * math.cos(ha):.1f}", "#2A2420", max(1.5, r * 0.1)))
    out.append(stroke(f"M{cx:.1f} {cy:.1f} l{r * 0.75 * math.sin(ma):.1f} {-r * 0.75 * math.cos(ma):.1f}", "#2A2420", max(1, r * 0.06)))
    out.append(oval(cx, cy, max(1.5, r * 0.07), max(1.5, r * 0.07), "#2A2420"))
    return "".join(out)


def clock_room(time, wound=None):
    """bg0702: the room of stopped clocks in Kasumi's house: clocks on every wall, each at its own hour; the bay window.

    `wound` (hour, minute) sets every clock going at the same time, for the day she winds them."""
    late, layers = [], []
    wall, wood = "#E2DAC4", "#6E4A32"

    def stopped_clock_at(cx, cy, r, hour, minute, *rest):
        return stopped_clock(cx, cy, r, *(wound or (hour, minute)), *rest)
    out = [rect(0, 0, 640, 480, wall)]
    # the bay window on the right: three lights angled round the garden, lace over them
    # the garden through the glass is drawn over the room's tint, so it carries its own dusk and dark
    shade = {"day": "", "y": ("#FF8A3D", 0.18), "n": ("#0A1030", 0.62)}[time]

    def view(x, y, w, h, t, town):
        return garden_view(x, y, w, h, t) + (rect(x, y, w, h, shade[0], f'opacity="{shade[1]}"') if shade else "")
    frame = {"day": "#F2EEE4", "y": "#D8C8B0", "n": "#6E6A66"}[time]
    out.append(window(470, 70, 170, 250, time, late, frame, "#9A9080", cols=2, rows=2, view=view))
    out.append(window(432, 84, 40, 222, time, late, frame, "#9A9080", cols=1, rows=2, view=view))
    layers.append(dusk(out, time, late))
    out, late = [], []
    # faded striped paper, a picture rail, the dark wainscot and the floor boards
    for x in range(0, 432, 24):
        out.append(rect(x, 20, 10, 310, "#D8CFB6", 'opacity="0.6"'))
    out.append(rect(0, 0, 640, 20, "#C8BEA6") + rect(0, 20, 432, 6, wood))
    out.append(rect(0, 330, 640, 70, "#7A5238") + stroke("M0 330 H640", "#4E3422", 3))
    for x in range(20, 640, 80):
        out.append(outline(x, 342, 60, 46, "#825A3E", "#5A3C28", 1.5))
    out.append(rect(0, 400, 640, 80, "#8A6446") + stroke("M0 400 H640", "#4E3422", 2))
    for y in (418, 442, 470):
        out.append(stroke(f"M0 {y} H640", "#765438", 1.5))
    # the window's deep sill and lace curtains, pulled back
    out.append(rect(428, 318, 212, 14, "#F2EEE4") + stroke("M428 332 H640", "#9A9080", 2))
    for x0, d in ((420, 1), (630, -1)):
        out.append(f'<path d="M{x0} 60 q{40 * d} 0 {44 * d} 40 q-10 120 {-16 * d} 220 h{-28 * d} Z" fill="#FBF8F0" '
                   f'stroke="#C8C0B0" stroke-width="1.5" opacity="0.9"/>')
    out.append(stroke("M410 62 H640", "#8A7A5A", 4))
    # the long-case clock on the left, stopped like the rest, its pendulum hanging still
    out.append(outline(44, 70, 104, 330, "#5E3A24", "#2E1C10", 2))
    out.append(poly(((36, 70), (156, 70), (146, 46), (96, 30), (46, 46)), "#5E3A24", "#2E1C10", 2))
    out.append(stopped_clock_at(96, 116, 34, 4, 40, "#C8A040", "#F6F0DE"))
    out.append(outline(70, 180, 52, 170, "#3E2618", "#2E1C10", 1.5) + outline(76, 186, 40, 158, "#D8CCA8", "#8A7A5A", 1))
    out.append(stroke("M96 190 V300", "#B8902E", 2.5) + oval(96, 306, 13, 13, "#C8A040", "#8A6A1E", 1.5))
    out.append(rect(40, 388, 112, 14, "#4E2E1C"))
    # the clocks on the wall, each stopped at its own hour
    clocks = ((200, 80, 24, 10, 10, "#6E4A32", "#F6F0DE", "round"), (270, 64, 18, 7, 25, "#2E2E3A", "#FFFFFF", "square"),
              (340, 86, 30, 2, 50, "#8A6A3A", "#F8F2E0", "octagon"), (240, 150, 16, 12, 5, "#A8402E", "#FFF8E8", "round"),
              (300, 160, 20, 5, 15, "#C8A040", "#FFFBF0", "sun"), (390, 150, 18, 9, 45, "#3E5A7A", "#F4F4F0", "round"),
              (196, 214, 20, 3, 30, "#5E3A24", "#F6F0DE", "square"), (360, 222, 22, 11, 55, "#6E4A32", "#F6F0DE", "octagon"),
              (270, 232, 12, 6, 0, "#8A8E96", "#FFFFFF", "round"))
    for cx, cy, r, h, m, rim, face, kind in clocks:
        out.append(stopped_clock_at(cx, cy, r, h, m, rim, face, kind))
    # the sideboard with its mantel clocks, a carriage clock and a dome clock, all still
    out.append(outline(172, 282, 250, 16, "#6E4A32", "#3E2618", 2) + outline(180, 298, 234, 100, "#7A5238", "#3E2618", 2))
    for x in (186, 302):
        out.append(outline(x, 306, 106, 84, "#825A3E", "#4E3422", 1.5) + oval(x + 53, 348, 3, 3, "#C8A040"))
    out.append(f'<path d="M196 282 V258 Q226 232 256 258 V282 Z" fill="#4E2E1C" stroke="#2E1C10" stroke-width="2"/>'
               + stopped_clock_at(226, 262, 14, 8, 20, "#C8A040", "#F6F0DE"))
    out.append(outline(290, 250, 36, 32, "#C8A040", "#8A6A1E", 2) + stopped_clock_at(308, 264, 10, 1, 35, "#C8A040", "#FFFBF0")
               + stroke("M300 250 q8 -12 16 0", "#8A6A1E", 2.5))
    out.append(f'<path d="M350 282 V246 A26 26 0 0 1 402 246 V282 Z" fill="#E8F2F6" fill-opacity="0.55" stroke="#8AA6B8" stroke-width="1.5"/>'
               + stopped_clock_at(376, 252, 14, 7, 10, "#C8A040", "#F6F0DE")
               + stroke("M376 266 V276", "#C8A040", 2) + rect(346, 278, 60, 6, "#4E2E1C"))
    # by the window her mother's wicker chair, an alarm clock on the floor where it fell silent
    out.append(f'<g transform="translate(506 396) scale(1.5) translate(-506 -392)">{wicker_chair(506, 392)}</g>')
    out.append(oval(470, 444, 22, 22, "#D9342E", "#6E1E1A", 2) + stopped_clock_at(470, 444, 17, 6, 40, "#D9342E", "#FFFFFF")
               + oval(456, 420, 7, 5, "#C8CCD4", "#6E6A64", 1.2) + oval(484, 420, 7, 5, "#C8CCD4", "#6E6A64", 1.2))
    # a standard lamp with a fringed shade beside the sideboard: lit after dusk
    out.append(stroke("M160 400 V200", "#3A2A1E", 4) + oval(160, 402, 16, 4, "#3A2A1E"))
    shade = '<path d="M136 208 L184 208 L176 176 L144 176 Z" fill="{}" stroke="#8A6A3A" stroke-width="1.5"/>'
    out.append(shade.format("#E8D4A8") + stroke("M136 208 H184", "#C8A040", 4, 'stroke-dasharray="2 3"'))
    if time != "day":
        late.append(shade.format("#FFE8B0"))
    # the light through the bay window lies across the floor by day and in the evening
    if time != "n":
        out.append('<path d="M432 400 L640 400 L640 480 L360 480 Z" fill="#FFF4D8" opacity="0.25"/>')
    return "".join(layers) + finish(out, time, late, warm=((160, 196, 120),))


def figure_on_cel(x, base, h, colour):
    """The painted figure on a cel, small: a head and shoulders in flat colour."""
    return (f'<path d="M{x - h * 0.32:.1f} {base:.1f} Q{x:.1f} {base - h * 0.75:.1f} {x + h * 0.32:.1f} {base:.1f} Z" fill="{colour}"/>'
            + oval(x, base - h * 0.68, h * 0.2, h * 0.2, "#F6DCC8") + oval(x, base - h * 0.78, h * 0.22, h * 0.14, "#3A2A2A"))


def yoiiro(time):
    """bg0801: 宵彩舎, the night-shift paint workshop upstairs: painted cels drying on lines like laundry, lamps along the bench."""
    late, layers = [], []
    view = dict(vx=350, vy=236, f=300, eye=1.35)
    far = 11.5
    out = [rect(0, 0, 640, 480, "#D8CCB4")]
    # the windows down the left wall, the sky over the roofs outside
    for z0 in (2.2, 4.6, 7.2):
        glass = ((-3, 1.05, z0), (-3, 1.05, z0 + 1.7), (-3, 2.15, z0 + 1.7), (-3, 2.15, z0))
        out.append(quad(glass, "url(#sky)", "#5A4636", 2, **view))
        roofs = ((-3, 1.05, z0), (-3, 1.05, z0 + 1.7), (-3, 1.3, z0 + 1.7), (-3, 1.45, z0 + 0.9), (-3, 1.3, z0))
        out.append(poly([proj(*c, **view) for c in roofs], {"day": "#6E7A8A", "y": "#5A4A5E", "n": "#141A30"}[time], "none", 0))
        if time != "day":
            late.append(quad(glass, "url(#sky)", "#5A4636", 2, **view)
                        + poly([proj(*c, **view) for c in roofs], {"y": "#5A4A5E", "n": "#141A30"}[time], "none", 0))
        if time == "n":
            a, b = proj(-3, 1.6, z0 + 0.4, **view), proj(-3, 2.0, z0 + 1.3, **view)
            late.append(stars(min(a[0], b[0]), min(a[1], b[1]), abs(b[0] - a[0]), abs(b[1] - a[1]) + 1, 4, int(z0 * 10)))
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the walls between the windows, the ceiling beams, the board floor
    for z0, z1 in ((1, 2.2), (3.9, 4.6), (6.3, 7.2), (8.9, far)):
        out.append(quad(((-3, 0, z0), (-3, 0, z1), (-3, 2.7, z1), (-3, 2.7, z0)), "#D0C2A6", "#8A7A60", 1, **view))
    for z0 in (2.2, 4.6, 7.2):
        out.append(quad(((-3, 0, z0), (-3, 0, z0 + 1.7), (-3, 1.05, z0 + 1.7), (-3, 1.05, z0)), "#D0C2A6", "#8A7A60", 1, **view))
        out.append(quad(((-3, 2.15, z0), (-3, 2.15, z0 + 1.7), (-3, 2.7, z0 + 1.7), (-3, 2.7, z0)), "#D0C2A6", "#8A7A60", 1, **view))
        a, b = proj(-3, 1.6, z0, **view), proj(-3, 1.6, z0 + 1.7, **view)
        out.append(stroke(f"M{a[0]:.1f} {a[1]:.1f} L{b[0]:.1f} {b[1]:.1f}", "#5A4636", 2))
    out.append(quad(((3, 0, 1), (3, 0, far), (3, 2.7, far), (3, 2.7, 1)), "#DCD0B8", "#8A7A60", 1, **view))
    out.append(quad(((-3, 2.7, 1), (3, 2.7, 1), (3, 2.7, far), (-3, 2.7, far)), "#B8A888", "#6E5E48", 1, **view))
    for z in (2, 3.5, 5.5, 8):
        a, b = proj(-3, 2.7, z, **view), proj(3, 2.7, z, **view)
        out.append(stroke(f"M{a[0]:.1f} {a[1]:.1f} L{b[0]:.1f} {b[1]:.1f}", "#6E5238", max(2, 24 / z)))
    out.append(quad(((-3, 0, 1), (3, 0, 1), (3, 0, far), (-3, 0, far)), "#A08460", "#5E4630", 1, **view))
    for X in (-2.2, -1.2, -0.2, 0.8, 1.8):
        a, b = proj(X, 0, 1, **view), proj(X, 0, far, **view)
        out.append(stroke(f"M{a[0]:.1f} {a[1]:.1f} L{b[0]:.1f} {b[1]:.1f}", "#8A7050", 1.5))
    # the back wall: a door hung with an indigo half-curtain, a crescent dyed on it, the kettle on its stove
    out.append(quad(((-3, 0, far), (3, 0, far), (3, 2.7, far), (-3, 2.7, far)), "#CFC2A8", "#8A7A60", 1, **view))
    out.append(quad(((-0.6, 0, far), (0.6, 0, far), (0.6, 2.0, far), (-0.6, 2.0, far)), "#3A2E24", "#2A1E14", 1.5, **view))
    for k in range(3):
        out.append(quad(((-0.58 + k * 0.4, 1.2, far), (-0.2 + k * 0.4, 1.2, far), (-0.2 + k * 0.4, 2.0, far), (-0.58 + k * 0.4, 2.0, far)),
                        "#27306A", "#141A40", 1, **view))
    cx, cy = proj(0, 1.62, far, **view)
    out.append(f'<path d="M{cx - 3:.1f} {cy - 7:.1f} a8 8 0 1 0 9 11 a6 6 0 1 1 -9 -11 Z" fill="#E8E4D8"/>')
    kx, ky = proj(2.3, 0.8, far - 0.3, **view)
    out.append(outline(f"{kx - 12:.0f}", f"{ky:.0f}", 24, 18, "#5A5E66", "#2A2E36", 1.5) + oval(kx, ky - 6, 9, 7, "#C8CCD4", "#5A5E66", 1.5)
               + stroke(f"M{kx + 8:.0f} {ky - 8:.0f} l8 -4", "#5A5E66", 2))
    # shelves of paint jars down the right wall
    for Y in (0.9, 1.35, 1.8):
        out.append(quad(((3, Y, 2.5), (2.6, Y, 2.5), (2.6, Y, 9), (3, Y, 9)), "#8A6A4A", "#4E3A26", 1, **view))
        rng = random.Random(int(Y * 100))
        for k in range(18):
            z = 2.7 + k * 0.35
            a, b = proj(2.8, Y, z, **view), proj(2.8, Y + 0.28, z, **view)
            w = 60 / z
            c = hue(rng.random(), 0.5, 0.85)
            out.append(outline(f"{a[0] - w / 2:.1f}", f"{b[1]:.1f}", f"{w:.1f}", f"{a[1] - b[1]:.1f}", c, "#4A4A4A", 0.8))
    # the long bench under the windows, its lamps and the cels laid out to paint
    top = ((-3, 0.78, 1.2), (-1.9, 0.78, 1.2), (-1.9, 0.78, 10), (-3, 0.78, 10))
    out.append(quad(((-1.9, 0, 1.2), (-1.9, 0.78, 1.2), (-1.9, 0.78, 10), (-1.9, 0, 10)), "#7A5A3E", "#3E2A1A", 1.5, **view))
    out.append(quad(top, "#B8966A", "#5E4630", 1.5, **view))
    lamp_heads = []
    for z in (2.6, 5.2, 7.8):
        base, elbow, head = proj(-2.8, 0.78, z, **view), proj(-2.6, 1.4, z + 0.1, **view), proj(-2.3, 1.25, z + 0.3, **view)
        out.append(stroke(f"M{base[0]:.1f} {base[1]:.1f} L{elbow[0]:.1f} {elbow[1]:.1f} L{head[0]:.1f} {head[1]:.1f}", "#2E2A26", max(1.5, 9 / z)))
        r = 36 / z
        out.append(oval(head[0], head[1], r, r * 0.6, "#3A4A5A", "#1A2430", 1.2))
        lamp_heads.append((head[0], head[1] + r, 260 / z))
        for k in range(3):
            a, b, c, d = (proj(-2.75 + k * 0.25, 0.79, z - 0.5, **view), proj(-2.55 + k * 0.25, 0.79, z - 0.5, **view),
                          proj(-2.55 + k * 0.25, 0.79, z - 0.1, **view), proj(-2.75 + k * 0.25, 0.79, z - 0.1, **view))
            out.append(poly((a, b, c, d), "#E4F2F8", "#8FB2C4", 1))
    # the lines strung across the room, painted cels pegged along them to dry
    rng = random.Random(8011)
    for z in (9.5, 8, 6.5, 5, 3.6, 2.4):
        a, b = proj(-2.9, 2.25, z, **view), proj(2.9, 2.25, z, **view)
        sag = 60 / z
        out.append(stroke(f"M{a[0]:.1f} {a[1]:.1f} Q{(a[0] + b[0]) / 2:.1f} {a[1] + sag * 2:.1f} {b[0]:.1f} {b[1]:.1f}", "#6E6A64", 1.2))
        n = 9
        for k in range(n):
            X = -2.6 + k * 5.2 / (n - 1) + (rng.random() - 0.5) * 0.1
            t = (X + 2.9) / 5.8
            top_y = a[1] + (b[1] - a[1]) * t + sag * 4 * t * (1 - t)
            x, _ = proj(X, 2.25, z, **view)
            w, h = 0.42 * 300 / z, 0.34 * 300 / z
            sway = (rng.random() - 0.5) * 6
            cel_ = (f'<g transform="rotate({sway:.1f} {x:.1f} {top_y:.1f})">'
                    + outline(f"{x - w / 2:.1f}", f"{top_y:.1f}", f"{w:.1f}", f"{h:.1f}", "#EAF6FB", "#8FB2C4", 1, 'fill-opacity="0.7"')
                    + figure_on_cel(x + (rng.random() - 0.5) * w * 0.3, top_y + h * 0.92, h * 0.62,
                                    ("#27306A", "#F2C230", "#C8A0E0", "#E86A5A", "#3E6E9A")[rng.randrange(5)])
                    + rect(f"{x - w * 0.06:.1f}", f"{top_y - h * 0.08:.1f}", f"{w * 0.12:.1f}", f"{h * 0.18:.1f}", "#C8A070")
                    + "</g>")
            out.append(cel_)
    # a low table down the middle with a tray of painted cels laid flat, and a rack of finished ones by it
    t0 = ((-0.9, 0.45, 3.0), (0.9, 0.45, 3.0), (0.9, 0.45, 6.0), (-0.9, 0.45, 6.0))
    out.append(quad(((-0.9, 0, 3.0), (0.9, 0, 3.0), (0.9, 0.45, 3.0), (-0.9, 0.45, 3.0)), "#6E5238", "#3E2A1A", 1.5, **view))
    out.append(quad(t0, "#A8865E", "#5E4630", 1.5, **view))
    for k in range(4):
        zz = 3.3 + k * 0.65
        out.append(quad(((-0.7, 0.46, zz), (-0.1, 0.46, zz), (-0.1, 0.46, zz + 0.45), (-0.7, 0.46, zz + 0.45)), "#E4F2F8", "#8FB2C4", 1, **view))
        x, y = proj(-0.4, 0.46, zz + 0.22, **view)
        out.append(oval(x, y, 40 / zz, 10 / zz, ("#27306A", "#E86A5A", "#F2C230", "#3E6E9A")[k]))
    for k, c in enumerate(("#27306A", "#F4F1EA", "#C8A0E0", "#F2C230", "#2E2E3A")):
        x, y = proj(0.25 + (k % 3) * 0.2, 0.45, 3.4 + (k // 3) * 0.4, **view)
        out.append(outline(f"{x - 7:.0f}", f"{y - 16:.0f}", 14, 16, c, "#3A3A3A", 1) + rect(f"{x - 8:.0f}", f"{y - 20:.0f}", 16, 5, "#D8D8D8"))
    rx0, ry0 = proj(1.2, 1.1, 2.0, **view)
    rx1, ry1 = proj(2.3, 0, 2.0, **view)
    out.append(outline(f"{rx0:.0f}", f"{ry0:.0f}", f"{rx1 - rx0:.0f}", f"{ry1 - ry0:.0f}", "#9A7A54", "#4E3A26", 2))
    for k in range(1, 12):
        x = rx0 + k * (rx1 - rx0) / 12
        out.append(rect(f"{x - 3:.0f}", f"{ry0 + 8:.0f}", 6, f"{ry1 - ry0 - 30:.0f}", "#EAF6FB", 'opacity="0.8"')
                   + rect(f"{x - 3:.0f}", f"{ry0 + 40 + (k % 3) * 10:.0f}", 6, 14, ("#27306A", "#E86A5A", "#C8A0E0")[k % 3]))
    if time != "day":
        for x, y, r in lamp_heads:
            late.append(f'<ellipse cx="{x:.1f}" cy="{y + r * 0.3:.1f}" rx="{r:.1f}" ry="{r * 0.5:.1f}" fill="url(#glow)"/>')
            late.append(oval(x, y - 36 / 300 * r * 0.8, r * 0.12, r * 0.06, "#FFF6D8"))
    # bare bulbs down the middle of the ceiling: the shift works by them all night
    warm = []
    for z in (2.6, 5.6, 8.8):
        top, bulb = proj(0, 2.7, z, **view), proj(0, 2.42, z, **view)
        r = 30 / z
        out.append(stroke(f"M{top[0]:.1f} {top[1]:.1f} V{bulb[1]:.1f}", "#3A3A3A", 1.2) + oval(bulb[0], bulb[1], r * 0.5, r * 0.6, "#F4F1EA", "#8A8680", 1))
        if time != "day":
            late.append(oval(bulb[0], bulb[1], r * 0.5, r * 0.6, "#FFF6D8"))
        warm.append((round(bulb[0]), round(bulb[1]), round(r * 9)))
    return "".join(layers) + finish(out, time, late, warm=warm)


def card_back(cx, cy, w, h, rot=0, face_up=None):
    """A fortune card lying on the cloth: the back a moon and stars on indigo; face up, a picture in a gold frame."""
    if face_up:
        inner = (outline(-w / 2, -h / 2, w, h, "#F6EEDA", "#8A6A1E", 1.5) + outline(-w / 2 + 4, -h / 2 + 4, w - 8, h - 8, "none", "#C8A040", 1)
                 + face_up(w, h))
    else:
        inner = (outline(-w / 2, -h / 2, w, h, "#27306A", "#C8A040", 1.5) + outline(-w / 2 + 3, -h / 2 + 3, w - 6, h - 6, "none", "#C8A040", 1)
                 + f'<path d="M-3 -6 a7 7 0 1 0 8 9 a5 5 0 1 1 -8 -9 Z" fill="#E8D890"/>'
                 + oval(-w / 4, h / 4, 1.5, 1.5, "#E8D890") + oval(w / 4, -h / 4, 1.5, 1.5, "#E8D890"))
    return f'<g transform="translate({cx} {cy}) rotate({rot})">{inner}</g>'


def hoshimikan(time):
    """bg0802: 星見館, the fortune-teller's house in the back alley: the reading table, its cards and crystal, drapes and stars."""
    late, layers = [], []
    out = [rect(0, 0, 640, 480, "#3A2A4E")]
    # the little window onto the alley: a lantern across the way, the light of the hour
    out.append(window(470, 70, 110, 140, time, late, "#5A3E2E", "#2E1E14", cols=2, rows=2, town=True))
    layers.append(dusk(out, time, late))
    out, late = [], []
    # the wall paper: gold stars on plum; the chart of the sky in its frame
    rng = random.Random(8021)
    for _ in range(60):
        x, y = rng.random() * 640, rng.random() * 300
        if 460 < x < 590 and 60 < y < 220:
            continue
        r = 3 + rng.random() * 3
        pts = " ".join(f"{x + (r if k % 2 == 0 else r * 0.4) * math.sin(k * math.pi / 5):.1f},"
                       f"{y - (r if k % 2 == 0 else r * 0.4) * math.cos(k * math.pi / 5):.1f}" for k in range(10))
        out.append(f'<polygon points="{pts}" fill="#B8964A" opacity="0.55"/>')
    out.append(outline(190, 40, 200, 200, "#1E1A34", "#B8964A", 4))
    out.append(oval(290, 140, 84, 84, "#27306A", "#C8A040", 2) + oval(290, 140, 56, 56, "none", "#C8A040", 1))
    for k in range(12):
        a = k * math.pi / 6
        out.append(stroke(f"M{290 + 56 * math.cos(a):.1f} {140 + 56 * math.sin(a):.1f} L{290 + 84 * math.cos(a):.1f} {140 + 84 * math.sin(a):.1f}",
                          "#C8A040", 1))
    stars_ = ((250, 110), (270, 96), (300, 104), (318, 128), (296, 160), (262, 170), (240, 150))
    out.append(stroke("M" + " L".join(f"{x} {y}" for x, y in stars_), "#E8D890", 1.2))
    for x, y in stars_:
        out.append(oval(x, y, 3, 3, "#FFF6D0"))
    out.append(f'<path d="M278 132 a10 10 0 1 0 12 12 a8 8 0 1 1 -12 -12 Z" fill="#E8D890"/>')
    # the doorway at the back hung with strings of beads, a shelf of curios beside it
    out.append(outline(40, 90, 110, 250, "#1A1226", "#5A3E2E", 4))
    for k in range(10):
        x = 48 + k * 10.5
        out.append(stroke(f"M{x:.1f} 94 V336", "#8A5A9A", 2, 'stroke-dasharray="3 3"'))
        out.append(stroke(f"M{x:.1f} 97 V336", "#C8A040", 1.5, 'stroke-dasharray="2 8"'))
    out.append(outline(410, 250, 210, 12, "#5A3E2E", "#2E1E14", 2) + outline(410, 300, 210, 12, "#5A3E2E", "#2E1E14", 2))
    for k in range(7):
        x = 420 + k * 28
        out.append(outline(x, 224 + (k % 3) * 4, 14, 26 - (k % 3) * 4, ("#6E2E3A", "#2E4A6E", "#8A6A2A", "#3E5A3A")[k % 4], "#1E1A14", 1))
    out.append(oval(560, 236, 13, 13, "#8AA6B8", "#4E6A7A", 1.5) + outline(520, 280, 20, 20, "#C8A040", "#6E5A1E", 1.5)
               + oval(450, 288, 16, 12, "#E8E0D0", "#8A8070", 1.5) + oval(600, 286, 10, 14, "#6E3A6E", "#3A1A3A", 1.5))
    # the heavy drapes framing the room, tied back with gold cord
    for x0, d in ((0, 1), (640, -1)):
        out.append(f'<path d="M{x0} 0 H{x0 + 150 * d} Q{x0 + 110 * d} 120 {x0 + 60 * d} 220 Q{x0 + 90 * d} 330 {x0 + 110 * d} 480 H{x0} Z" '
                   f'fill="#6E1E3A" stroke="#3A0E1E" stroke-width="2"/>')
        for k in range(3):
            out.append(stroke(f"M{x0 + (30 + k * 35) * d} 0 Q{x0 + (24 + k * 22) * d} 140 {x0 + (40 + k * 8) * d} 220", "#4E1228", 2))
        out.append(stroke(f"M{x0 + 40 * d} 222 q{30 * d} 10 {34 * d} -6", "#C8A040", 5))
    out.append(rect(0, 0, 640, 22, "#4E1228") + "".join(oval(x, 22, 6, 6, "#C8A040") for x in range(12, 640, 26)))
    # the reading table: a deep blue cloth to the floor, gold fringe, the cards laid out and the crystal
    out.append('<path d="M120 330 Q320 300 520 330 L560 480 H80 Z" fill="#1E2456" stroke="#0E1230" stroke-width="2"/>')
    out.append('<ellipse cx="320" cy="330" rx="200" ry="36" fill="#27306A" stroke="#0E1230" stroke-width="2"/>')
    for x in range(90, 560, 10):
        out.append(stroke(f"M{x} 476 v-8", "#C8A040", 2))
    for k in range(6):
        out.append(stroke(f"M{140 + k * 70} 356 Q{150 + k * 70} 420 {120 + k * 76} 478", "#161C48", 2))

    def moon_card(w, h):
        return f'<path d="M-5 -10 a12 12 0 1 0 14 15 a9 9 0 1 1 -14 -15 Z" fill="#C8A040"/>'
    for k in range(5):
        out.append(card_back(220 + k * 26, 334 + abs(k - 2) * 3, 24, 36, (k - 2) * 12))
    out.append(card_back(410, 338, 26, 38, 8, face_up=None))
    out.append(card_back(160, 336, 26, 38, -10, face_up=moon_card))
    out.append(outline(300, 300, 40, 10, "#B8964A", "#6E5A1E", 1.5) + stroke("M304 300 l6 -8 h20 l6 8", "#B8964A", 3))
    out.append(oval(320, 272, 30, 30, "#C8DCEC", "#6E8AA8", 2, 'fill-opacity="0.85"')
               + oval(310, 262, 10, 6, "#FFFFFF", extra='opacity="0.8"') + oval(328, 282, 12, 8, "#A8B8E8", extra='opacity="0.6"'))
    # a candle in a brass stick, and the pierced star lamp hanging over the table
    out.append(outline(470, 300, 10, 24, "#F4EEDC", "#8A8070", 1) + oval(475, 326, 14, 4, "#B8964A", "#6E5A1E", 1.5)
               + stroke("M475 300 v-6", "#3A2A1E", 1.5))
    flame = oval(475, 290, 3.5, 7, "#FFD27A")
    out.append(stroke("M320 22 V164", "#8A6A2A", 2))
    lamp = " ".join(f"{320 + (28 if k % 2 == 0 else 12) * math.sin(k * math.pi / 5):.1f},"
                    f"{192 - (28 if k % 2 == 0 else 12) * math.cos(k * math.pi / 5):.1f}" for k in range(10))
    out.append(f'<polygon points="{lamp}" fill="#B8964A" stroke="#6E5A1E" stroke-width="2"/>')
    holes = "".join(oval(320 + 12 * math.cos(k * math.tau / 6), 192 + 12 * math.sin(k * math.tau / 6), 2, 2, "#FFF0C0") for k in range(6))
    out.append(holes)
    late.append(flame + glow(475, 290, 40))
    late.append(holes + oval(320, 192, 6, 6, "#FFF6D8"))
    return "".join(layers) + finish(out, time, late, warm=((320, 192, 120),))


PLACES = {
    "bg001": ("Yota's room at the ginkgo house: tatami, futon, fan, the box of magazines.", yota_room, ("day", "y", "n")),
    "bg002": ("The ginkgo house from the alley.", ginkgo_house, ("day", "y", "n")),
    "bg010": ("Tsukimizaka station, the platform.", station_platform, ("day", "y", "n")),
    "bg011": ("Tsukimizaka station, the station front.", station_front, ("day", "y", "n")),
    "bg012": ("The shopping street.", shopping_street, ("day", "y", "n")),
    "bg013": ("The river bank.", river_bank, ("day", "y", "n")),
    "bg014": ("The hill road above the town.", hill_road, ("day", "y", "n")),
    "bg015": ("The shrine on festival night.", festival, ("n",)),
    "bg030": ("The studio from the street.", studio_street, ("day", "y", "n")),
    "bg031": ("The studio entrance: shoe shelves, the cut-bag pigeonholes.", entrance, ("day", "y", "n")),
    "bg035": ("The drawing room: animators' desks with light boxes.", drawing_room, ("day", "y", "n")),
    "bg037": ("The director's room: storyboards, the ashtray, the cot.", director_room, ("day", "y", "n")),
    "bg038": ("The meeting room with the two posters.", meeting_room, ("day",)),
    "bg039": ("The studio's roof.", roof, ("day", "y", "n")),
    "bg040": ("Inside the studio van.", van_inside, ("day", "y", "n")),
    "bg034": ("The office, the hub: desks with light tables, whiteboard schedule, storyboards, window.",
              office, ("day", "y", "n")),
    "bg036": ("The ink-and-paint room: paint jars, cel racks, the long table.", paint_room, ("day", "y", "n")),
    "bg050": ("Key animator A: Terakado's danchi flat full of model kits.", terakado_flat, ("day", "y", "n")),
    "bg051": ("Key animator B: Sawatari's studio flat above a bakery, her cats.", sawatari_flat, ("day", "y", "n")),
    "bg052": ("Studio Tsubakuro, a key-animation house in an office block.", tsubakuro, ("day", "y", "n")),
    "bg053": ("Parapara-do, the in-between house in an old wooden house.", parapara_do, ("day", "y", "n")),
    "bg054": ("Otokura Studio: the control room and the booth.", otokura, ("day",)),
    "bg055": ("Nijimasu, the ink-and-paint subcontractor.", nijimasu, ("day", "y", "n")),
    "bg056": ("Seiran, the background studio.", seiran, ("day", "y", "n")),
    "bg057": ("Kaji Gensai's farmhouse.", farmhouse, ("day", "y", "n")),
    "bg058": ("Mizusumashi, this month's desk of the shared courier run.", mizusumashi, ("day", "y", "n")),
    "bg059": ("Yatsume, the rostrum camera.", yatsume, ("day", "y", "n")),
    "bg060": ("Tsugihagi, the cutting room and its flatbed.", tsugihagi, ("day", "y", "n")),
    "bg061": ("Gyoko film laboratory, the hatch.", gyoko, ("day", "y", "n")),
    "bg062": ("Gyoko film laboratory, the preview theatre.", preview_theatre, ("day",)),
    "bg070": ("The convenience store, inside.", store, ("day", "y", "n")),
    "bg071": ("The convenience store from its parking lot.", store_lot, ("day", "y", "n")),
    "bg072": ("The hospital, the lobby.", hospital_lobby, ("day", "y", "n")),
    "bg073": ("The hospital, the ward corridor.", ward_corridor, ("day", "y", "n")),
    "bg0101": ("The last station of the line: one platform, a wooden hut, the buffer stop.", last_station, ("day",)),
    "bg0201": ("The paint room by lamplight: the paint desk under its lamp, jars, the radio, cel racks.", paint_desk,
               ("day", "y", "n")),
    "bg0271": ("The river upstream at night, with the last fireflies.", firefly_river, ("n",)),
    "bg0301": ("Chigusa's art-supply shop inside: paint, pencils, paper rolls, the counter and its old register.",
               art_shop, ("day", "y", "n")),
    "bg0302": ("The hospital roof: the high fence, white sheets on the lines, the water tank, the town.",
               hospital_roof, ("day", "y")),
    "bg0401": ("The Himi apartment, the living room.", apartment, ("day", "y", "n")),
    "bg0402": ("The Himi apartment's balcony, the station lit below.", himi_balcony, ("n",)),
    "bg0403": ("The aquarium: the great blue tank, fish, the benches in the dark.", aquarium, ("day",)),
    "bg0501": ("The river bank under the bridge: the steps in the shade, the river bright beyond.", under_bridge, ("day",)),
    "bg0601": ("The game centre: an aisle of cabinets with lit screens, the crane game, the coloured lights.", game_centre, ("day",)),
    "bg0602": ("The sea on a summer Sunday: the beach, a parasol and a mat, the breakwater and its lighthouse.", seaside, ("day",)),
    "bg0701": ("Kasumi Tomine's house on the hill, her late mother's, in its wild garden.", kasumi_house, ("day", "y", "n")),
    "bg0702": ("The room of stopped clocks in Kasumi's house: clocks on every wall, each at its own hour; the bay window.",
               clock_room, ("day", "y", "n")),
    "bg0801": ("Yoiirosha, the night-shift paint workshop: painted cels drying on lines, lamps along the bench.", yoiiro,
               ("day", "y", "n")),
    "bg0802": ("Hoshimikan, the fortune-teller's house in the back alley: the reading table, cards and crystal, drapes and stars.",
               hoshimikan, ("day", "y", "n")),
}


def main():
    for name, (what, draw, times) in PLACES.items():
        for time in times:
            suffix = "" if time == "day" else time
            label = {"day": "by day", "y": "in the evening", "n": "at night"}[time]
            body = draw(time)
            defs = sky_defs(time) + (tint_filter(time) if "url(#tint)" in body else "")
            with open(os.path.join(HERE, name + suffix + ".svg"), "w", encoding="utf-8") as f:
                f.write(f'<?xml version="1.0" encoding="UTF-8"?>\n'
                        f'<!-- {what} ({label}). Written by make_backgrounds.py; edit that. -->\n'
                        f'<svg xmlns="http://www.w3.org/2000/svg" width="640" height="480" viewBox="0 0 640 480">\n'
                        f'<defs>{defs}</defs>\n{body}\n</svg>\n')


if __name__ == "__main__":
    main()
