#!/usr/bin/env python3
"""Writes the story backgrounds (bgNNN.svg and their y/n variants) beside this script.

Each place is one drawing, 640x480; the evening ("y") and night ("n")
versions reuse it unchanged and only change the light: the sky seen through
windows, a tint over the room, and the lamps that are on.  That keeps the
layout of every variant identical to the day picture.

The SVGs it writes are committed; the data build reads them and never runs
this script.  Run it again after editing: python3 make_backgrounds.py
"""

import os

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


PLACES = {
    "bg034": ("The office, the hub: desks with light tables, whiteboard schedule, storyboards, window.",
              office, ("day", "y", "n")),
    "bg036": ("The ink-and-paint room: paint jars, cel racks, the long table.", paint_room, ("day", "y", "n")),
    "bg070": ("The convenience store, inside.", store, ("day", "y", "n")),
    "bg0401": ("The Himi apartment, the living room.", apartment, ("day", "y", "n")),
}


def main():
    for name, (what, draw, times) in PLACES.items():
        for time in times:
            suffix = "" if time == "day" else time
            label = {"day": "by day", "y": "in the evening", "n": "at night"}[time]
            body = draw(time)
            with open(os.path.join(HERE, name + suffix + ".svg"), "w", encoding="utf-8") as f:
                f.write(f'<?xml version="1.0" encoding="UTF-8"?>\n'
                        f'<!-- {what} ({label}). Written by make_backgrounds.py; edit that. -->\n'
                        f'<svg xmlns="http://www.w3.org/2000/svg" width="640" height="480" viewBox="0 0 640 480">\n'
                        f'<defs>{sky_defs(time)}</defs>\n{body}\n</svg>\n')


if __name__ == "__main__":
    main()
