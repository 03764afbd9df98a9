#!/usr/bin/env python3
"""The kit the event pictures are drawn with (make_events.py): framing, light, people, props.

An event picture is one moment of a route shown full screen (640x480) and
later in the gallery.  It is composed from the same pieces as the story's
backgrounds and portraits, so the places and the people look the same as in
play: a background drawing, often moved closer (`place`), the heroines'
portrait bodies placed and scaled as figures (`bust`), small full-length
figures for the wide shots (`figure`), and props and light from the kit
below.  The story bible's gallery list (8.5) says what each one shows.

Coordinates are those of the 640x480 picture unless a function says otherwise.
"""

import math
import os
import random
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "bg"))
sys.path.insert(0, os.path.join(HERE, "..", "portraits"))

import make_backgrounds as B  # noqa: E402
import make_portraits as P  # noqa: E402
from make_backgrounds import oval, outline, poly, rect, stroke  # noqa: E402

# Sleeping eyes: the lids shut down to a soft line, not the happy arcs of a laugh.
P.EYES["sleep"] = dict(lid=(1.02, 1.02))

# Faces the routes need beyond the portrait numbers; keyed by a name so they
# can never be mistaken for a portrait number.
P.EXPRESSIONS.update({
    "asleep": ("asleep", dict(eyes="sleep", brows="calm", mouth="calm")),
    "crying": ("crying", dict(eyes="shut", brows="worried", mouth="frown", marks=("tear",))),
    "firm": ("firm", dict(eyes="open", brows="angry", mouth="pout")),
    "bossy": ("bossy", dict(eyes="open", brows="angry", mouth="smile")),
    "soft": ("soft smile", dict(eyes="smile", brows="calm", mouth="calm")),
    "down": ("looking down", dict(eyes="sad", brows="worried", mouth="calm")),
    "wince": ("voice gone", dict(eyes="tired", brows="worried", mouth="o", marks=("sweat",))),
    "intent": ("intent on the work", dict(eyes="sad", brows="calm", mouth="calm")),
    "teary": ("laughing in tears", dict(eyes="shut", brows="up", mouth="laugh", marks=("tear",))),
})

SKIN = P.SKIN
YOTA_HAIR = "#2B2320"
JEANS = "#4A6386"

# Who is who: portrait drawings and the colours of the small full-length figures.
LOOKS = {
    "ko": dict(draw=P.koyori, hair="#8A4B2A", top="#F28C28", bottom="#2B3A67", legs="shorts", style="pony",
               accent="#FFD23F", shoes="#FFFFFF"),
    "ho": dict(draw=P.hotaru, hair="#2A2233", top="#C9B8E0", bottom="#3E4A6A", legs="trousers", style="braid",
               accent="#2F3E66", shoes="#6E5A48"),
    "yu": dict(draw=P.yuzuka, hair="#B5793F", top="#F4D03F", bottom="#4A6FA5", legs="skirt", style="bob",
               accent="#FFF4C2", shoes="#C8402E"),
    "re": dict(draw=P.reina, hair="#1F2A44", top="#FAFAFA", bottom="#3F4A5A", legs="long", style="long",
               accent="#D9D4C7", shoes="#3A3A40"),
    "na": dict(draw=P.nanoka, hair="#C98F7B", top="#A8D8C8", bottom="#F4F1EA", legs="trousers", style="mid",
               accent="#F7E3A1", shoes="#F4F1EA"),
    "hi": dict(draw=P.hinako, hair="#D18B47", top="#2E9E6B", bottom="#3A3A5A", legs="skirt", style="bunch",
               accent="#FF6FA3", shoes="#FFB347"),
    "ka": dict(draw=P.kasumi, hair="#4B3A33", top="#EDE6D6", bottom="#3C4F76", legs="long", style="long",
               accent="#9DB38A", shoes="#C8A878"),
    "am": dict(draw=P.amane, hair="#0F0F1A", top="#1C1F3A", bottom="#1C1F3A", legs="long", style="long",
               accent="#C0C6D0", shoes="#2A2A30"),
    "to": dict(draw=P.torigoe, hair="#E8E8E8", top="#6B4F2A", bottom="#5A5248", legs="trousers", style="crew",
               accent="#6B4F2A", shoes="#3A3A3A"),
    "an": dict(draw=None, hair="#3A3A3A", top="#8A9A7A", bottom="#5A4A3A", legs="trousers", style="short",
               accent="#8A9A7A", shoes="#3A3A3A"),  # an in-house animator, nobody in particular
    "yo": dict(draw=None, hair=YOTA_HAIR, top="#FAFAF6", bottom=JEANS, legs="trousers", style="short",
               accent="#FAFAF6", shoes="#D8D8D0"),
}


def defs(time):
    """Everything a picture may refer to: the backgrounds' skies and glows, and the kit's lights."""
    out = B.sky_defs(time) + (B.tint_filter(time) if time != "day" else "")
    out += ('<radialGradient id="vig" cx="0.5" cy="0.5" r="0.72">'
            '<stop offset="0.55" stop-color="#000000" stop-opacity="0"/>'
            '<stop offset="1" stop-color="#000000" stop-opacity="0.6"/></radialGradient>'
            '<radialGradient id="lamp" cx="0.5" cy="0.5" r="0.5">'
            '<stop offset="0" stop-color="#FFE2A0" stop-opacity="0.9"/>'
            '<stop offset="0.5" stop-color="#FFC870" stop-opacity="0.35"/>'
            '<stop offset="1" stop-color="#FFB050" stop-opacity="0"/></radialGradient>'
            '<radialGradient id="fly" cx="0.5" cy="0.5" r="0.5">'
            '<stop offset="0" stop-color="#F4FF9A" stop-opacity="1"/>'
            '<stop offset="0.3" stop-color="#D8F070" stop-opacity="0.6"/>'
            '<stop offset="1" stop-color="#B8E060" stop-opacity="0"/></radialGradient>'
            '<linearGradient id="dawn" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#5A6EA8"/><stop offset="0.6" stop-color="#E8A0A8"/>'
            '<stop offset="1" stop-color="#FFD8A8"/></linearGradient>'
            '<linearGradient id="water" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#3A8AC0"/><stop offset="1" stop-color="#0E2A58"/></linearGradient>')
    return out


# Light and framing --------------------------------------------------------------

def place(draw, time, zoom=1.0, cx=320, cy=240):
    """A background drawing, moved closer: (cx, cy) of the place comes to the centre, `zoom` times larger."""
    body = draw(time)
    # never move so far that the picture's edge shows
    cx = min(max(cx, 320 / zoom), 640 - 320 / zoom)
    cy = min(max(cy, 240 / zoom), 480 - 240 / zoom)
    if zoom == 1.0 and (cx, cy) == (320, 240):
        return body
    return f'<g transform="translate(320 240) scale({zoom}) translate({-cx} {-cy})">{body}</g>'


def veil(colour, opacity, extra=""):
    return f'<rect width="640" height="480" fill="{colour}" opacity="{opacity}" {extra}/>'


def dawn(strength=0.35):
    """The first light, laid over an evening drawing: blue above, rose and gold at the horizon."""
    return f'<rect width="640" height="480" fill="url(#dawn)" opacity="{strength}"/>'


def vignette():
    return '<rect width="640" height="480" fill="url(#vig)"/>'


def lamp_light(cx, cy, r):
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#lamp)"/>'


def dim_except(cx, cy, r, colour="#0A0C1E", opacity=0.55):
    """Darkness everywhere but a round pool of light: a room lit by one lamp."""
    return (f'<mask id="pool{cx}_{cy}"><rect width="640" height="480" fill="#FFFFFF"/>'
            f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="#000000" opacity="0.9"/>'
            f'<circle cx="{cx}" cy="{cy}" r="{r * 0.6}" fill="#000000"/></mask>'
            f'<rect width="640" height="480" fill="{colour}" opacity="{opacity}" mask="url(#pool{cx}_{cy})"/>')


def dark_around(cx, cy, r, colour="#060814", opacity=0.8):
    """Night everywhere but where one lamp reaches, fading softly (no rings) towards the edges."""
    gid = f"dark{cx}_{cy}"
    return (f'<radialGradient id="{gid}" gradientUnits="userSpaceOnUse" cx="{cx}" cy="{cy}" r="{r}">'
            f'<stop offset="0.25" stop-color="{colour}" stop-opacity="0"/>'
            f'<stop offset="1" stop-color="{colour}" stop-opacity="{opacity}"/></radialGradient>'
            f'<rect width="640" height="480" fill="url(#{gid})"/>')


def blur_back(body, amount=4):
    """A background out of focus behind a close figure."""
    return (f'<filter id="soft" x="-0.05" y="-0.05" width="1.1" height="1.1"><feGaussianBlur stdDeviation="{amount}"/></filter>'
            f'<g filter="url(#soft)">{body}</g>')


def sparkles(points, colour="#FFF6C0"):
    out = []
    for x, y, r in points:
        out.append(f'<path d="M{x} {y - r} Q{x} {y} {x + r} {y} Q{x} {y} {x} {y + r} Q{x} {y} {x - r} {y} '
                   f'Q{x} {y} {x} {y - r} Z" fill="{colour}" stroke="#E8A83A" stroke-width="1"/>')
    return "".join(out)


def speed_lines(cx, cy, count, r0, r1, colour="#FFFFFF", seed=1, opacity=0.7):
    rng = random.Random(seed)
    out = []
    for _ in range(count):
        a = rng.random() * math.tau
        a0, a1 = r0 + rng.random() * 40, r1 + rng.random() * 80
        out.append(stroke(f"M{cx + a0 * math.cos(a):.0f} {cy + a0 * math.sin(a):.0f} "
                          f"L{cx + a1 * math.cos(a):.0f} {cy + a1 * math.sin(a):.0f}", colour, 2 + rng.random() * 3,
                          f'opacity="{opacity}"'))
    return "".join(out)


# People ---------------------------------------------------------------------------

def bust(who, face="001", x=320, y=480, s=1.0, rot=0, flip=False, recolour=None, parts=None, over=""):
    """A heroine's (or the director's) portrait body as a figure: its bottom centre at (x, y).

    `over` is drawn on top in the portrait's own coordinates (face 86..298 high, centred on 320):
    headphones, a hand at the throat."""
    p = parts or LOOKS[who]["draw"]()
    svg = P.portrait(who, p, face)
    body = svg[svg.index(">", svg.index("<svg")) + 1:svg.rindex("</svg>")]
    body = re.sub(r"<!--.*?-->", "", body)
    for old, new in (recolour or {}).items():
        body = body.replace(old, new)
    sx = -s if flip else s
    return f'<g transform="translate({x} {y}) rotate({rot}) scale({sx} {s}) translate(-320 -480)">{body}{over}</g>'


def yota_back(x=320, y=480, s=1.0, rot=0):
    """Yōta from behind, waist up: dark untidy hair, a plain white T-shirt."""
    body = (P.shape(P.TORSO_MAN, "#FAFAF6", "#9A9A96")
            + stroke("M250 400 q20 30 10 80 M390 400 q-20 30 -10 80", "#DCDCD6", 3)
            + P.shape("M296 262 L296 322 Q320 332 344 322 L344 262 Z", "#F1C8AE")
            + P.shape("M240 176 C236 108 276 80 320 80 C364 80 404 108 400 176 C402 222 388 262 372 280 "
                      "L362 266 L350 286 L336 270 L320 292 L304 270 L290 286 L278 266 L268 280 C252 262 238 222 240 176 Z",
                      YOTA_HAIR, "#0E0A08")
            + P.shape("M236 200 C226 198 226 232 244 238 Z", SKIN) + P.shape("M404 200 C414 198 414 232 396 238 Z", SKIN)
            + stroke("M290 120 q20 -14 40 0 M300 150 q24 -10 44 6", "#4A3A34", 2))
    return f'<g transform="translate({x} {y}) rotate({rot}) scale({s}) translate(-320 -480)">{body}</g>'


def hand(x, y, s=1.0, rot=0, skin=SKIN, sleeve=None, grip=False):
    """A hand, fingers up before rotation; `grip` curls the fingers round something held."""
    edge = P.dark(skin, 0.6)
    fingers = "" if grip else "".join(
        f'<rect x="{fx}" y="{-58 + abs(fx + 2) * 0.25:.0f}" width="11" height="{34 - abs(fx + 2) * 0.3:.0f}" rx="5.5" '
        f'fill="{skin}" stroke="{edge}" stroke-width="2"/>' for fx in (-22, -10, 2, 14))
    curl = ('<path d="M-22 -30 q0 -16 12 -16 q12 0 12 6 q0 -8 12 -8 q12 0 12 10 v12 h-48 Z" fill="%s" '
            'stroke="%s" stroke-width="2"/>' % (skin, edge)) if grip else ""
    palm = (f'<rect x="-24" y="-36" width="50" height="44" rx="16" fill="{skin}" stroke="{edge}" stroke-width="2"/>'
            f'<rect x="-40" y="-28" width="14" height="30" rx="7" fill="{skin}" stroke="{edge}" stroke-width="2" '
            f'transform="rotate(-30 -33 -13)"/>')
    cuff = (f'<path d="M-24 4 h50 l6 60 h-62 Z" fill="{sleeve}" stroke="{P.dark(sleeve, 0.5)}" stroke-width="2"/>'
            if sleeve else f'<path d="M-18 4 h38 l4 60 h-46 Z" fill="{skin}" stroke="{edge}" stroke-width="2"/>')
    return f'<g transform="translate({x} {y}) rotate({rot}) scale({s})">{cuff}{fingers}{palm}{curl}</g>'


# A full-length figure in units of a hundredth of its height, feet on 0, facing +x.
# Joints: knees, feet, elbows, hands (x, y); `hip` is the hip's height; `lean` tips the
# body forward about the hips.  Legs are in the ground's frame, arms in the body's.
POSES = {
    "stand": dict(hip=46, lean=0, legs=((3, -23, 5, 0), (-3, -23, -5, 0)), arms=((4, -62, 6, -46), (-4, -62, -6, -46))),
    "walk": dict(hip=46, lean=4, legs=((6, -24, 11, 0), (-4, -23, -9, 0)), arms=((-5, -62, -8, -48), (7, -62, 12, -50))),
    "run": dict(hip=46, lean=16, legs=((14, -31, 9, -13), (-5, -22, -20, -9)),
                arms=((9, -66, 18, -74), (-10, -63, -16, -54))),
    "push": dict(hip=44, lean=42, legs=((10, -25, 6, 0), (-8, -22, -24, 0)), arms=((14, -74, 26, -76), (12, -72, 25, -72))),
    "carry": dict(hip=46, lean=2, legs=((6, -24, 10, 0), (-4, -23, -8, 0)), arms=((10, -62, 17, -66), (8, -62, 16, -66))),
    "sit": dict(hip=30, lean=0, legs=((16, -32, 16, 0), (14, -31, 13, 0)), arms=((6, -56, 16, -40), (4, -56, 14, -42))),
    "crouch": dict(hip=24, lean=34, legs=((12, -34, 8, 0), (-2, -30, -8, 0)), arms=((8, -60, 20, -30), (6, -58, 16, -32))),
    "wave": dict(hip=46, lean=0, legs=((3, -23, 5, 0), (-3, -23, -5, 0)), arms=((10, -84, 8, -100), (-4, -62, -6, -46))),
    "support": dict(hip=46, lean=4, legs=((6, -24, 9, 0), (-4, -23, -7, 0)), arms=((14, -66, 20, -70), (-4, -62, -4, -48))),
    "bend": dict(hip=46, lean=58, legs=((4, -23, 6, 0), (-3, -23, -6, 0)), arms=((10, -62, 18, -48), (6, -62, 12, -46))),
}


def figure(who, x, ground, h, pose="stand", facing=1, view="side", props=""):
    """A small full-length person for the wide shots; `view` is side, front or back; `props` go in the hands."""
    L = LOOKS[who]
    pz = POSES[pose]
    hip, lean = pz["hip"], pz["lean"]
    skin = SKIN if who != "to" else "#F4D6BE"
    hair, top, bottom = L["hair"], L["top"], L["bottom"]
    line = "#3A2E2A"

    def limb(a, b, c, colour, upper, w):
        # two segments: the clothed part, then bare skin where sleeves or shorts stop
        d = f"M{a[0]:.1f} {a[1]:.1f} L{b[0]:.1f} {b[1]:.1f} L{c[0]:.1f} {c[1]:.1f}"
        out = stroke(d, line, w + 2.4) + stroke(d, skin, w)
        if upper == "all":
            out += stroke(d, colour, w)
        elif upper:
            mx, my = a[0] + (b[0] - a[0]) * upper, a[1] + (b[1] - a[1]) * upper
            out += stroke(f"M{a[0]:.1f} {a[1]:.1f} L{mx:.1f} {my:.1f}", colour, w + 1)
        return out

    legs = []
    for kx, ky, fx, fy in pz["legs"]:
        cover = {"shorts": 0.55, "skirt": 0.3, "long": "all", "trousers": "all"}[L["legs"]]
        legs.append(limb((0, -hip), (kx, ky), (fx, fy), bottom, cover, 7.5)
                    + oval(fx + 2.5, fy - 1.5, 5, 2.8, L["shoes"], line, 1.2))
    if view != "side":  # seen from the front or behind, the legs stand apart, not fore and aft
        legs = [limb((s * 3, -hip), (s * 4, -23), (s * 5, 0), bottom, {"shorts": 0.55, "skirt": 0.3}.get(L["legs"], "all"), 7.5)
                + oval(s * 5, -1.5, 4, 2.8, L["shoes"], line, 1.2) for s in (-1, 1)]
    skirt = ""
    if L["legs"] == "skirt":
        skirt = poly(((-8, -hip - 2), (8, -hip - 2), (12, -hip + 16), (-12, -hip + 16)), bottom, line, 1.2)
    elif L["legs"] == "long":
        skirt = poly(((-8, -hip - 2), (8, -hip - 2), (13, -6), (-11, -6)), bottom, line, 1.2)
    # the body, tipped forward about the hips
    torso = poly(((-9, -79), (9, -79), (8, -hip + 2), (-8, -hip + 2)), top, line, 1.2)
    if who == "ho":
        torso += poly(((-9, -79), (9, -79), (10, -hip + 10), (-10, -hip + 10)), top, line, 1.2)
    if who == "yu" and L["top"] != "#F6D6DC":
        torso = (poly(((-9, -79), (9, -79), (8, -hip + 2), (-8, -hip + 2)), "#FFFFFF", line, 1.2)
                 + poly(((-7, -68), (7, -68), (9, -hip + 6), (-9, -hip + 6)), top, line, 1.2))
    arms = [limb((0 if view == "side" else s * 8, -77), (ex if view == "side" else s * abs(ex) + s * 4, ey),
                 (hx if view == "side" else s * abs(hx) + s * 5, hy), top, 0.4 if who != "to" else "all", 6)
            for s, (ex, ey, hx, hy) in zip((1, -1), pz["arms"])]
    head_x, head_y = 1.5 if view == "side" else 0, -90
    back_hair, cap = hair_small(L["style"], hair, L["accent"], view, head_x, head_y)
    face = ""
    if view == "side":
        face = oval(head_x + 3.5, head_y + 2, 6.5, 7.5, skin) + oval(head_x + 6.5, head_y + 1, 1.2, 1.6, "#2A1E1A")
    elif view == "front":
        face = (oval(head_x, head_y + 2.5, 7.5, 7.5, skin) + oval(head_x - 3, head_y + 2, 1.2, 1.6, "#2A1E1A")
                + oval(head_x + 3, head_y + 2, 1.2, 1.6, "#2A1E1A"))
    head = oval(head_x, head_y, 9.5, 10, skin, line, 1.2) + cap + face
    far_arm, near_arm = (arms[1], arms[0]) if view != "back" else (arms[0], arms[1])
    body = (f'<g transform="rotate({lean} 0 {-hip})">{back_hair}{far_arm}</g>' + "".join(legs[::-1]) + skirt
            + f'<g transform="rotate({lean} 0 {-hip})">{torso}{head}{near_arm}{props}</g>')
    s = h / 100
    return f'<g transform="translate({x} {ground}) scale({s * facing} {s})">{body}</g>'


def hair_small(style, hair, accent, view, hx, hy):
    """Hair of a small figure: what falls behind the body, and the cap over the head."""
    line = P.dark(hair, 0.6)
    back = ""
    cap = oval(hx - (1.5 if view == "side" else 0), hy - 1.5, 10.5, 10, hair, line, 1.2)
    if view == "back":
        cap = oval(hx, hy, 10.5, 10.8, hair, line, 1.2)
    if style == "pony":
        cap += poly(((hx - 4, hy - 9), (hx - 9, hy - 18), (hx - 2, hy - 16)), hair, line, 1) + oval(hx - 4, hy - 10, 2.5, 2, accent)
    elif style == "braid":
        back = "".join(oval(hx - 2 + k, hy + 10 + k * 7, 3.5, 4, hair, line, 0.8) for k in range(5))
        back = f'<g transform="translate({8 if view == "front" else 0} 0)">{back}</g>'
    elif style == "bob":
        cap += poly(((hx - 11, hy - 2), (hx + 2, hy - 2), (hx + 1, hy + 9), (hx - 11, hy + 8)), hair, line, 1)
        cap += oval(hx + 5, hy - 8, 2.5, 1.5, "#F4D03F")
    elif style == "bunch":
        for d in (-1, 1):
            cap += oval(hx + d * 10, hy + 3, 4.5, 6, hair, line, 1) + oval(hx + d * 9, hy - 2, 2, 2, accent)
    elif style in ("long", "mid"):
        bottom = 30 if style == "long" else 16
        back = poly(((hx - 10, hy), (hx + 8, hy), (hx + 9, hy + bottom), (hx - 11, hy + bottom)), hair, line, 1)
    elif style == "crew":
        cap = oval(hx - 1, hy - 3, 10, 8, hair, line, 1)
    elif style == "short":
        cap += poly(((hx - 10, hy - 6), (hx - 13, hy), (hx - 8, hy - 2)), hair, line, 1)
    if view == "back" and style in ("long", "mid", "braid"):
        cap += poly(((hx - 10, hy), (hx + 10, hy), (hx + 10, hy + (26 if style == "long" else 14)),
                     (hx - 10, hy + (26 if style == "long" else 14))), hair, line, 1)
    return back, cap


# Props --------------------------------------------------------------------------------

def stopwatch(cx, cy, r, rot=0, cord=True):
    """Koyori's stopwatch: a steel case, a crown and button, a white face with one red hand."""
    out = []
    if cord:
        out.append(stroke(f"M{cx} {cy - r * 1.3} q{-r} {-r * 1.5} {-r * 0.4} {-r * 3}", "#3A3A3A", max(1.5, r * 0.06)))
    out.append(outline(cx - r * 0.16, cy - r * 1.34, r * 0.32, r * 0.3, "#B8BCC4", "#5A5E66", 1.5))
    out.append(outline(cx - r * 0.1, cy - r * 1.5, r * 0.2, r * 0.18, "#D8DCE2", "#5A5E66", 1.5))
    out.append(oval(cx, cy, r, r, "#C8CCD4", "#4A4E56", max(2, r * 0.06)) + oval(cx, cy, r * 0.84, r * 0.84, "#FFFFFF", "#8A8E96", 1.5))
    for k in range(12):
        a = k * math.tau / 12
        out.append(stroke(f"M{cx + r * 0.72 * math.cos(a):.1f} {cy + r * 0.72 * math.sin(a):.1f} "
                          f"L{cx + r * 0.8 * math.cos(a):.1f} {cy + r * 0.8 * math.sin(a):.1f}", "#333", max(1, r * 0.04)))
    out.append(stroke(f"M{cx} {cy} L{cx + r * 0.5 * math.sin(math.radians(rot)):.1f} {cy - r * 0.7 * math.cos(math.radians(rot)):.1f}",
                      "#D7263D", max(1.5, r * 0.06)))
    out.append(oval(cx, cy, r * 0.07, r * 0.07, "#333") + oval(cx - r * 0.35, cy - r * 0.4, r * 0.2, r * 0.1, "#FFFFFF",
                                                              extra='opacity="0.8" transform="rotate(-30 %.1f %.1f)"' % (cx, cy)))
    return "".join(out)


def paper(x, y, w, h, rot=0, fill="#FBF8F0", line="#A59C8E"):
    return f'<g transform="rotate({rot} {x + w / 2} {y + h / 2})">{outline(x, y, w, h, fill, line, 1.5)}</g>'


def hand_map(x, y, w, h, rot=0):
    """Koyori's hand-drawn map: streets in pencil, the route in red, circles and little pictures for each stop."""
    inner = [outline(x, y, w, h, "#FBF8F0", "#A59C8E", 1.5)]
    rng = random.Random(7)
    for k in range(5):
        yy = y + h * (0.15 + 0.18 * k)
        inner.append(stroke(f"M{x + 8} {yy:.0f} q{w * 0.4:.0f} {rng.randint(-8, 8)} {w - 16} {rng.randint(-6, 6)}", "#9A9488", 2))
    for k in range(4):
        xx = x + w * (0.18 + 0.22 * k)
        inner.append(stroke(f"M{xx:.0f} {y + 8} q{rng.randint(-8, 8)} {h * 0.5:.0f} {rng.randint(-6, 6)} {h - 16}", "#9A9488", 2))
    route = [(0.12, 0.85), (0.3, 0.7), (0.38, 0.45), (0.62, 0.5), (0.7, 0.25), (0.88, 0.15)]
    d = "M" + " L".join(f"{x + w * a:.0f} {y + h * b:.0f}" for a, b in route)
    inner.append(stroke(d, "#D7263D", 3, 'stroke-dasharray="8 5"'))
    for a, b in route[1:]:
        inner.append(oval(x + w * a, y + h * b, 7, 7, "none", "#D7263D", 2.5))
    inner.append(stroke(f"M{x + w * 0.1:.0f} {y + h * 0.92:.0f} l6 -12 l6 12", "#2B3A67", 2.5))  # the start: a little house
    inner.append(emblem_small(x + w * 0.12, y + h * 0.83, 6))
    inner.append(f'<path d="M{x + w * 0.86:.0f} {y + h * 0.08:.0f} l4 8 l9 1 l-7 6 l2 9 l-8 -5 l-8 5 l2 -9 l-7 -6 l9 -1 Z" fill="#FFD23F" stroke="#B8901E" stroke-width="1"/>')
    return f'<g transform="rotate({rot} {x + w / 2} {y + h / 2})">{"".join(inner)}</g>'


def emblem_small(cx, cy, r):
    return B.emblem(cx, cy, r)


def cut_bag(cx, cy, s=1.0, rot=0, tag="#D9534F"):
    """A cut bag: a big kraft envelope with its flap, a coloured tag and a white label (marks, no words)."""
    inner = (outline(-60, -44, 120, 88, "#D2B07A", "#8A6B3F", 2)
             + poly(((-60, -44), (60, -44), (48, -26), (-48, -26)), "#C9A46C", "#8A6B3F", 1.5)
             + outline(-40, -12, 56, 30, "#FBF8F0", "#A59C8E", 1)
             + stroke("M-34 -2 h40 M-34 6 h30", "#B8B0A0", 2)
             + rect(26, -20, 18, 8, tag) + oval(0, -30, 5, 5, "#8A6B3F"))
    return f'<g transform="translate({cx} {cy}) rotate({rot}) scale({s})">{inner}</g>'


def cel(x, y, w, h, rot=0, figure_colour="#F28C28", glare=True):
    """A cel: a clear sheet with peg holes, a painted figure on it, a glint of light."""
    inner = [f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="#EAF6FB" fill-opacity="0.55" stroke="#8FB2C4" stroke-width="1.5"/>']
    for k in (-1, 0, 1):
        inner.append(oval(x + w / 2 + k * w * 0.12, y + h * 0.06, w * 0.02 + (1 if k == 0 else 0), h * 0.018, "#FFFFFF", "#8FB2C4", 1))
    fx, fy, fs = x + w * 0.5, y + h * 0.62, min(w, h) / 100
    inner.append(f'<path d="M{fx - 22 * fs:.1f} {fy + 30 * fs:.1f} q{22 * fs:.1f} {-60 * fs:.1f} {44 * fs:.1f} 0 Z" fill="{figure_colour}" stroke="#333" stroke-width="1.5"/>')
    inner.append(oval(fx, fy - 12 * fs, 13 * fs, 13 * fs, SKIN, "#333", 1.5) + oval(fx, fy - 18 * fs, 14 * fs, 9 * fs, "#5A3A2A", "#333", 1.5))
    if glare:
        inner.append(f'<path d="M{x + w * 0.62:.1f} {y} L{x + w * 0.78:.1f} {y} L{x + w * 0.38:.1f} {y + h} L{x + w * 0.22:.1f} {y + h} Z" fill="#FFFFFF" opacity="0.35"/>')
    return f'<g transform="rotate({rot} {x + w / 2} {y + h / 2})">{"".join(inner)}</g>'


def swatch(x, y, w, h, colour, rot=0, marks=True):
    """A swatch card: a painted patch on white card, pencil marks under it in place of a colour number."""
    inner = outline(x, y, w, h, "#FFFFFF", "#A59C8E", 1.2) + rect(x + w * 0.1, y + h * 0.08, w * 0.8, h * 0.6, colour)
    if marks:
        inner += stroke(f"M{x + w * 0.14:.1f} {y + h * 0.8:.1f} h{w * 0.3:.1f} M{x + w * 0.52:.1f} {y + h * 0.8:.1f} h{w * 0.3:.1f}",
                        "#6E6A64", max(1, w * 0.05))
    return f'<g transform="rotate({rot} {x + w / 2} {y + h / 2})">{inner}</g>'


def jar(x, y, s, colour, lid="#E0E0E0"):
    """A paint jar: glass, paint inside, a screw lid."""
    return (outline(x, y, 24 * s, 30 * s, colour, "#555", 1.2) + rect(x + 3 * s, y + 3 * s, 4 * s, 22 * s, "#FFFFFF", 'opacity="0.45"')
            + outline(x - 1 * s, y - 7 * s, 26 * s, 8 * s, lid, "#777", 1.2))


def desk_lamp(x, y, s=1.0, on=True, flip=1):
    """An angled desk lamp standing at (x, y); its shade points down towards +x."""
    inner = (f'<rect x="-20" y="-6" width="40" height="8" rx="3" fill="#3A4A40" stroke="#1E2A22" stroke-width="1.5"/>'
             + stroke("M0 -6 L-16 -70 L30 -96", "#3A4A40", 5)
             + poly(((18, -112), (52, -92), (40, -74), (10, -96)), "#4A7A5A", "#1E2A22", 1.5)
             + (oval(40, -84, 10, 5, "#FFF6D0", extra='transform="rotate(30 40 -84)"') if on else ""))
    return f'<g transform="translate({x} {y}) scale({s * flip} {s})">{inner}</g>'


def firefly(x, y, r=1.0):
    return (f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{14 * r:.1f}" fill="url(#fly)"/>'
            f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{2.2 * r:.1f}" fill="#FBFFD0"/>')


def fireflies(count, region, seed, scale=1.0):
    rng = random.Random(seed)
    x0, y0, w, h = region
    return "".join(firefly(x0 + rng.random() * w, y0 + rng.random() * h, scale * (0.5 + rng.random() * 0.8)) for _ in range(count))


def firework(cx, cy, r, colour, seed=0):
    """One chrysanthemum burst: rays of sparks, a bright heart, a faint halo."""
    rng = random.Random(seed)
    out = [f'<circle cx="{cx}" cy="{cy}" r="{r * 1.3:.0f}" fill="{colour}" opacity="0.12"/>']
    for k in range(28):
        a = k * math.tau / 28 + rng.random() * 0.1
        r0, r1 = r * 0.25, r * (0.85 + rng.random() * 0.2)
        out.append(stroke(f"M{cx + r0 * math.cos(a):.1f} {cy + r0 * math.sin(a):.1f} L{cx + r1 * math.cos(a):.1f} "
                          f"{cy + r1 * math.sin(a) + r * 0.08:.1f}", colour, 2.2))
        out.append(oval(cx + r1 * math.cos(a), cy + r1 * math.sin(a) + r * 0.1, 2.5, 2.5, "#FFFBE8"))
    return "".join(out) + oval(cx, cy, r * 0.12, r * 0.12, "#FFFBE8")


def train(x, y, s=1.0, cars=3, lit=False, time="day"):
    """A two-tone local train seen from the side, heading left."""
    out = []
    for k in range(cars):
        cx = x + k * 210 * s
        out.append(f'<rect x="{cx}" y="{y}" width="{204 * s}" height="{70 * s}" rx="{8 * s}" fill="#E8E6DC" stroke="#4A4A50" stroke-width="2"/>')
        out.append(rect(cx, y + 50 * s, 204 * s, 10 * s, "#2F5FA8") + rect(cx, y + 44 * s, 204 * s, 4 * s, "#F2C230"))
        for j in range(5):
            fill = "#FFE8A8" if lit else B.GLASS[time]
            out.append(outline(cx + (10 + j * 39) * s, y + 10 * s, 30 * s, 26 * s, fill, "#4A4A50", 1.5))
        for w in (0.35, 0.65):
            out.append(oval(cx + 204 * s * w, y + 72 * s, 9 * s, 9 * s, "#2A2A2A"))
    out.append(stroke(f"M{x - 20} {y - 14 * s} H{x + cars * 210 * s}", "#3A3A3E", 1.5))
    return "".join(out)


def watermelon(cx, cy, s=1.0, rot=0, bite=False):
    inner = ('<path d="M-50 0 A50 50 0 0 0 50 0 Z" fill="#2E7D32" stroke="#1B4D1E" stroke-width="2"/>'
             '<path d="M-44 0 A44 44 0 0 0 44 0 Z" fill="#F4F1D0"/>'
             '<path d="M-40 0 A40 40 0 0 0 40 0 Z" fill="#E8414A"/>'
             + "".join(oval(x, y, 2.2, 3.5, "#2A1A1A") for x, y in ((-22, 10), (-6, 18), (12, 14), (26, 8), (0, 28), (-14, 24))))
    if bite:
        inner += oval(-30, -2, 12, 9, "#FFFFFF", extra='opacity="0"')
    return f'<g transform="translate({cx} {cy}) rotate({rot}) scale({s})">{inner}</g>'


def curtain_of_rain(seed, opacity=0.5):
    rng = random.Random(seed)
    return "".join(stroke(f"M{rng.random() * 660:.0f} {rng.random() * 480:.0f} l-6 22", "#C8D8E8", 1.5, f'opacity="{opacity}"')
                   for _ in range(140))


def drops_on_glass(region, seed):
    rng = random.Random(seed)
    x0, y0, w, h = region
    out = []
    for _ in range(60):
        x, y, r = x0 + rng.random() * w, y0 + rng.random() * h, 1.5 + rng.random() * 3
        out.append(oval(x, y, r, r * 1.2, "#DDE8F2", "#8898A8", 0.8, 'opacity="0.7"')
                   + stroke(f"M{x:.0f} {y + r:.0f} v{rng.random() * 20:.0f}", "#C8D6E2", 1, 'opacity="0.5"'))
    return "".join(out)


def van(x, y, time, s=1.0, facing=-1, rot=0):
    """白玉号 from the side, as the backgrounds draw it; facing 1 turns its nose to the right."""
    body = B.van(0, 0, time, [], s)
    flip = f" translate({250 * s} 0) scale(-1 1)" if facing == 1 else ""
    return f'<g transform="translate({x} {y}) rotate({rot} {125 * s} {80 * s}){flip}">{body}</g>'
