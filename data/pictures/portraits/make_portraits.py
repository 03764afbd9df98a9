#!/usr/bin/env python3
"""Writes the portraits (speaker code + t + number, e.g. kut004.svg) beside this script.

Every portrait shares one body: a waist-up figure centred on x = 320 of a
640x480 transparent canvas, face between y = 84 and 298, kept inside
x = 150..489 so a portrait moved 150 px either way is never cut.  Each
character changes only her or his hair, outfit, colours and eye style
(docs/story-bible.md); the numbers 001-009 are the faces of EXPRESSIONS.

The SVGs it writes are committed; the data build reads them and never runs
this script.  Run it again after editing: python3 make_portraits.py
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))

SKIN = "#FCE6D4"
SKIN_SHADE = "#F1C8AE"
LINE_W = 3


def dark(hex_colour, f=0.5):
    r, g, b = (int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))
    return "#%02X%02X%02X" % (int(r * f), int(g * f), int(b * f))


def light(hex_colour, f=0.35):
    r, g, b = (int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))
    return "#%02X%02X%02X" % (int(r + (255 - r) * f), int(g + (255 - g) * f), int(b + (255 - b) * f))


def outline_rect(x, y, w, h, fill, line, sw=2):
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="2" fill="{fill}" stroke="{line}" stroke-width="{sw}"/>'


def shape(d, fill, line=None):
    line = line or dark(fill, 0.45)
    return f'<path d="{d}" fill="{fill}" stroke="{line}" stroke-width="{LINE_W}" stroke-linejoin="round"/>'


# Shared geometry -------------------------------------------------------------

TORSO = ("M188 480 L196 378 C200 340 240 322 286 314 L354 314 C400 322 440 340 444 378 "
         "L452 480 Z")
NECK = "M300 262 L300 318 Q320 330 340 318 L340 262 Z"
FACE = ("M242 172 C242 248 284 292 320 298 C356 292 398 248 398 172 "
        "C398 112 364 86 320 86 C276 86 242 112 242 172 Z")
EAR_L = "M246 200 C230 196 230 232 250 238 Z"
EAR_R = "M394 200 C410 196 410 232 390 238 Z"


def n(v):
    """A coordinate as the SVG writes it: whole numbers without a decimal point."""
    v = round(v, 1)
    return str(int(v)) if v == int(v) else f"{v:.1f}"


# Faces ------------------------------------------------------------------------
#
# A face is one eye style (how big and round the eyes are) and one expression
# from EXPRESSIONS below: the eyes, the brows, the mouth and the marks around
# them (sweat, a blush, an anger vein ...).  Expression numbers are the story's
# portrait numbers, 001-009.

EYE_X = (286, 354)  # left and right eye centres

EYE_STYLES = {
    # white (rx, ry); iris (rx, ry, drop below the eye's centre); the light under the
    # pupil (rx, ry, drop); pupil (rx, ry, drop); big and small highlight (dx, dy, r);
    # lash line (half width, drop, curve drop, width); flick at the outer corner
    "girl": dict(cy=222, white=(17, 20), iris=(13, 17, 3), shine=(8, 5, 13), pupil=(6, 8, 5),
                 hi=(5, -6, 4.5), hi2=(5, 11, 2), lash=(20, -12, -28, 4), flick=True),
    "woman": dict(cy=222, white=(15, 15), iris=(11, 13, 2), shine=(6, 4, 9), pupil=(5, 6, 3),
                  hi=(4, -5, 3.5), hi2=(4, 8, 1.5), lash=(18, -9, -21, 3.5), flick=True),
    "man": dict(cy=224, white=(14, 10), iris=(9, 10, 1), shine=None, pupil=(4.5, 5.5, 2),
                hi=(3, -3, 2.5), hi2=None, lash=(16, -6, -14, 3.5), flick=False),
}

LASH = "#2B1D1D"

# How the eyes look in each expression: `look` moves the irises (screen pixels),
# `scale` shrinks them, `lid` closes the upper lid from the top (inner, outer
# corner, as a share of the eye's height), `cheek` pushes the lower lid up into
# a smile, `shut` closes the eyes into happy arcs, `lift` raises the lash line.
EYES = {
    "open": {},
    "smile": dict(cheek=True),
    "shut": dict(shut=True),
    "glare": dict(lid=(0.46, 0.2), scale=0.85),
    "sad": dict(lid=(0.1, 0.4), look=(0, 4)),
    "wide": dict(scale=0.62, lift=4),
    "aside": dict(look=(-7, 3), lid=(0.22, 0.22)),
    "tired": dict(lid=(0.5, 0.56), look=(0, 4)),
    "up": dict(look=(6, -5)),
}


def ellipse(cx, cy, rx, ry, fill, extra=""):
    return f'<ellipse cx="{n(cx)}" cy="{n(cy)}" rx="{n(rx)}" ry="{n(ry)}" fill="{fill}"{extra}/>'


def one_eye(cx, flip, st, iris, how, skin):
    """One eye; flip is 1 for the left eye (outer corner on the left), -1 for the right."""
    cy = st["cy"]
    wx, wy = st["white"]
    hw, dy, cdy, lw = st["lash"]
    if how.get("shut"):
        return [f'<path d="M{n(cx - wx)} {n(cy + 4)} Q{n(cx)} {n(cy - wy * 1.1)} {n(cx + wx)} {n(cy + 4)}" fill="none" '
                f'stroke="{LASH}" stroke-width="{n(lw)}" stroke-linecap="round"/>']
    s = how.get("scale", 1)
    lx, ly = how.get("look", (0, 0))
    irx, iry, idy = st["iris"]
    ic = (cx + lx, cy + idy + ly)

    def at(d):
        return ic[1] + (d - idy) * s

    out = [ellipse(cx, cy, wx, wy, "#FFFFFF")]
    inner = [ellipse(ic[0], ic[1], irx * s, iry * s, iris, f' stroke="{dark(iris, 0.4)}" stroke-width="2"')]
    if st["shine"]:
        sx, sy, sd = st["shine"]
        inner.append(ellipse(ic[0], at(sd), sx * s, sy * s, light(iris, 0.45)))
    px, py, pd = st["pupil"]
    inner.append(ellipse(ic[0], at(pd), px * s, py * s, dark(iris, 0.35)))
    hx, hy, hr = st["hi"]
    inner.append(f'<circle cx="{n(ic[0] - hx * flip * s)}" cy="{n(at(hy))}" r="{n(hr * max(s, 0.8))}" fill="#FFFFFF"/>')
    if st["hi2"]:
        hx, hy, hr = st["hi2"]
        inner.append(f'<circle cx="{n(ic[0] + hx * flip * s)}" cy="{n(at(hy))}" r="{n(hr)}" fill="#FFFFFF"/>')
    if lx or ly or s != 1:
        # keep an iris that looks aside inside the white of the eye
        cid = f"eye{'L' if flip == 1 else 'R'}"
        out.append(f'<clipPath id="{cid}">{ellipse(cx, cy, wx, wy, "#FFFFFF")}</clipPath>'
                   f'<g clip-path="url(#{cid})">{"".join(inner)}</g>')
    else:
        out.extend(inner)
    outer_x = cx - (wx + 3) * flip
    if how.get("lid"):
        fin, fout = how["lid"]
        top = cy - wy
        y_in, y_out = top + 2 * wy * fin, top + 2 * wy * fout
        x_in, x_out = cx + (wx + 5) * flip, cx - (wx + 5) * flip
        mid = (y_in + y_out) / 2 - 3
        out.append(f'<path d="M{n(x_out)} {n(top - 10)} L{n(x_in)} {n(top - 10)} L{n(x_in)} {n(y_in)} '
                   f'Q{n(cx)} {n(mid)} {n(x_out)} {n(y_out)} Z" fill="{skin}"/>')
        out.append(f'<path d="M{n(cx - hw)} {n(y_out if flip == 1 else y_in)} Q{n(cx)} {n(mid)} {n(cx + hw)} '
                   f'{n(y_in if flip == 1 else y_out)}" fill="none" stroke="{LASH}" stroke-width="{n(lw)}" '
                   f'stroke-linecap="round"/>')
    else:
        lift = how.get("lift", 0)
        out.append(f'<path d="M{n(cx - hw)} {n(cy + dy - lift)} Q{n(cx)} {n(cy + cdy - lift)} {n(cx + hw)} '
                   f'{n(cy + dy - lift)}" fill="none" stroke="{LASH}" stroke-width="{n(lw)}" stroke-linecap="round"/>')
        if st["flick"]:
            outer = cx - hw * flip
            out.append(f'<path d="M{n(outer)} {n(cy + dy - lift)} L{n(outer - 5 * flip)} {n(cy + dy - lift + 4)}" '
                       f'stroke="{LASH}" stroke-width="3" stroke-linecap="round"/>')
    if how.get("cheek"):
        out.append(f'<path d="M{n(cx - wx - 5)} {n(cy + wy + 8)} L{n(cx - wx - 5)} {n(cy + wy * 0.55)} '
                   f'Q{n(cx)} {n(cy + wy * 0.05)} {n(cx + wx + 5)} {n(cy + wy * 0.55)} L{n(cx + wx + 5)} {n(cy + wy + 8)} Z" '
                   f'fill="{skin}"/>'
                   f'<path d="M{n(cx - wx + 2)} {n(cy + wy * 0.5)} Q{n(cx)} {n(cy + wy * 0.12)} {n(cx + wx - 2)} '
                   f'{n(cy + wy * 0.5)}" fill="none" stroke="{LASH}" stroke-width="2" stroke-linecap="round"/>')
    return out


def eyes(iris, style="girl", how=None, skin=SKIN):
    st = EYE_STYLES[style]
    out = []
    for cx, flip in ((EYE_X[0], 1), (EYE_X[1], -1)):
        out.extend(one_eye(cx, flip, st, iris, how or {}, skin))
    return "\n".join(out)


BROW_STYLES = {
    "girl": dict(x=(266, 302), y=188, w=3),
    "woman": dict(x=(266, 302), y=190, w=3),
    "man": dict(x=(260, 304), y=200, w=6),
}

# Brow heights for each expression, per brow: (outer end, middle of the arch,
# inner end) in pixels from the style's line; up is negative.
BROWS = {
    "calm": ((0, -8, -2),) * 2,
    "up": ((-4, -12, -6),) * 2,
    "up_high": ((-8, -17, -11),) * 2,
    "angry": ((-7, -5, 9),) * 2,
    "worried": ((5, -4, -10),) * 2,
    "raised": ((-12, -22, -15),) * 2,
    "low": ((4, -1, 3),) * 2,
    "quizzical": ((-10, -20, -13), (3, -2, 4)),
}


def brows(colour, style="girl", kind="calm"):
    st = BROW_STYLES[style]
    (ox, ix), y, w = st["x"], st["y"], st["w"] + (1.5 if kind == "angry" else 0)
    (lo, lc, li), (ro, rc, ri) = BROWS[kind]
    mid = ox + (ix - ox) / 2
    return (f'<path d="M{ox} {n(y + lo)} Q{n(mid)} {n(y + lc)} {ix} {n(y + li)}" fill="none" stroke="{colour}" '
            f'stroke-width="{n(w)}" stroke-linecap="round"/>'
            f'<path d="M{640 - ix} {n(y + ri)} Q{n(640 - mid)} {n(y + rc)} {640 - ox} {n(y + ro)}" fill="none" '
            f'stroke="{colour}" stroke-width="{n(w)}" stroke-linecap="round"/>')


BLUSH = ('<ellipse cx="270" cy="252" rx="13" ry="6" fill="#F6A5A5" opacity="0.55"/>'
         '<ellipse cx="370" cy="252" rx="13" ry="6" fill="#F6A5A5" opacity="0.55"/>')
BLUSH_HOT = ('<ellipse cx="270" cy="252" rx="18" ry="9" fill="#F28A8A" opacity="0.85"/>'
             '<ellipse cx="370" cy="252" rx="18" ry="9" fill="#F28A8A" opacity="0.85"/>'
             '<path d="M260 256 l6 -9 M269 257 l6 -9 M278 256 l6 -9 M358 256 l6 -9 M367 257 l6 -9 M376 256 l6 -9" '
             'stroke="#D9505A" stroke-width="2" stroke-linecap="round"/>')
NOSE = '<path d="M321 244 L318 252" stroke="#D99C86" stroke-width="2.5" stroke-linecap="round"/>'
NOSE_LONG = '<path d="M322 236 L317 254 L324 256" fill="none" stroke="#C98C76" stroke-width="2.5" stroke-linecap="round" stroke-linejoin="round"/>'

LIP = "#9A4F45"
INSIDE = "#8A2F32"

# Mouths, drawn around (320, 270); a face whose mouth sits lower moves them down.
MOUTHS = {
    "calm": f'<path d="M307 268 Q320 277 333 268" fill="none" stroke="{LIP}" stroke-width="3" stroke-linecap="round"/>',
    "smile": (f'<path d="M303 264 Q320 268 337 264 Q333 286 320 287 Q307 286 303 264 Z" fill="{INSIDE}" stroke="{LIP}" '
              f'stroke-width="2.5" stroke-linejoin="round"/>'
              '<ellipse cx="320" cy="281" rx="8" ry="4" fill="#E8837A"/>'),
    "laugh": (f'<path d="M294 260 Q320 265 346 260 Q343 296 320 298 Q297 296 294 260 Z" fill="{INSIDE}" stroke="{LIP}" '
              f'stroke-width="2.5" stroke-linejoin="round"/>'
              '<path d="M298 262 Q320 266 342 262 L341 269 Q320 272 299 269 Z" fill="#FFFFFF"/>'
              '<ellipse cx="320" cy="289" rx="12" ry="6" fill="#E8837A"/>'),
    "teeth": (f'<path d="M300 276 Q302 262 320 261 Q338 262 340 276 Q320 282 300 276 Z" fill="#FFFFFF" stroke="{LIP}" '
              f'stroke-width="2.5" stroke-linejoin="round"/>'
              '<path d="M301 270 Q320 268 339 270 M310 263 V279 M320 262 V280 M330 263 V279" fill="none" stroke="#B8A8A0" '
              'stroke-width="1.5"/>'),
    "frown": f'<path d="M307 277 Q320 267 333 277" fill="none" stroke="{LIP}" stroke-width="3" stroke-linecap="round"/>',
    "o": f'<ellipse cx="320" cy="275" rx="7" ry="9" fill="{INSIDE}" stroke="{LIP}" stroke-width="2.5"/>',
    "wavy": (f'<path d="M304 272 q4 -5 8 0 t8 0 t8 0 t8 0" fill="none" stroke="{LIP}" stroke-width="2.5" '
             'stroke-linecap="round" stroke-linejoin="round"/>'),
    "slack": (f'<path d="M308 271 Q320 266 333 272 Q331 286 320 286 Q309 285 308 271 Z" fill="{INSIDE}" stroke="{LIP}" '
              f'stroke-width="2.5" stroke-linejoin="round"/>'),
    "pout": f'<path d="M312 273 Q318 270 330 271" fill="none" stroke="{LIP}" stroke-width="3" stroke-linecap="round"/>',
}


def mouth(kind, drop=0):
    m = MOUTHS[kind]
    return m if not drop else f'<g transform="translate(0 {drop})">{m}</g>'


def sweat(x=404, y=156):
    return (f'<path d="M{x} {y} Q{x - 10} {y + 20} {x} {y + 27} Q{x + 10} {y + 20} {x} {y} Z" fill="#CDEBFA" '
            f'stroke="#4E8AB8" stroke-width="2.5" stroke-linejoin="round"/>'
            f'<ellipse cx="{x - 2}" cy="{y + 19}" rx="2" ry="3.5" fill="#FFFFFF"/>')


def vein(x=384, y=118):
    return "".join(f'<path d="M{x + dx} {y + dy} q{a} 0 {a} {b}" fill="none" stroke="#D9342E" stroke-width="4" '
                   f'stroke-linecap="round"/>'
                   for dx, dy, a, b in ((-4, -4, -8, -8), (4, -4, 8, -8), (4, 4, 8, 8), (-4, 4, -8, 8)))


def shock():
    out = []
    for x, d in ((222, -1), (418, 1)):
        out.append(f'<path d="M{x} 118 l{14 * d} -12 M{x + 4 * d} 142 l{20 * d} -2 M{x} 166 l{14 * d} 10" '
                   f'stroke="{LASH}" stroke-width="3.5" stroke-linecap="round"/>')
    return "".join(out)


def gloom():
    lines = "".join(f"M{x} 96 V{132 + (x * 7) % 40}" for x in range(262, 382, 10))
    return (f'<path d="M244 96 H396 V150 Q320 176 244 150 Z" fill="#3E3A7A" opacity="0.16"/>'
            f'<path d="{lines}" stroke="#4E4A8A" stroke-width="2" opacity="0.55"/>')


def rings(style):
    st = EYE_STYLES[style]
    y = st["cy"] + st["white"][1] + 5
    return "".join(f'<path d="M{cx - 14} {y} Q{cx} {y + 7} {cx + 14} {y}" fill="none" stroke="#A882B0" '
                   f'stroke-width="2.5" opacity="0.8"/>' for cx in EYE_X)


def tear(style):
    st = EYE_STYLES[style]
    x, y = EYE_X[0] - st["white"][0] + 6, st["cy"] + st["white"][1] + 4
    return (f'<path d="M{x} {y} Q{x - 7} {y + 14} {x} {y + 19} Q{x + 7} {y + 14} {x} {y} Z" fill="#CDEBFA" '
            f'stroke="#4E8AB8" stroke-width="2"/>'
            f'<path d="M{640 - x} {y - 2} q-2 8 0 14" stroke="#8EC3E6" stroke-width="3" stroke-linecap="round"/>')


def hand(skin, sleeve):
    """A fist at the chin, one finger crooked against it, thinking; the forearm in its sleeve, or bare."""
    arm = sleeve or skin
    edge = dark(skin, 0.6)
    return (f'<path d="M350 316 L390 304 L458 480 L404 480 Z" fill="{arm}" stroke="{dark(arm, 0.45)}" '
            f'stroke-width="{LINE_W}" stroke-linejoin="round"/>'
            f'<rect x="338" y="280" width="50" height="42" rx="16" fill="{skin}" stroke="{edge}" stroke-width="{LINE_W}"/>'
            f'<rect x="328" y="272" width="34" height="17" rx="8.5" fill="{skin}" stroke="{edge}" stroke-width="{LINE_W}"/>'
            f'<path d="M352 296 h30 M350 308 h32" stroke="{dark(skin, 0.75)}" stroke-width="2" stroke-linecap="round"/>')


# Each expression: the eyes (EYES), the brows (BROWS), the mouth (MOUTHS) and marks.
EXPRESSIONS = {
    "001": ("neutral", dict(eyes="open", brows="calm", mouth="calm")),
    "002": ("smiling", dict(eyes="smile", brows="up", mouth="smile")),
    "003": ("laughing", dict(eyes="shut", brows="up_high", mouth="laugh")),
    "004": ("angry", dict(eyes="glare", brows="angry", mouth="teeth", marks=("vein",))),
    "005": ("sad", dict(eyes="sad", brows="worried", mouth="frown", marks=("tear",))),
    "006": ("surprised", dict(eyes="wide", brows="raised", mouth="o", marks=("shock",))),
    "007": ("embarrassed", dict(eyes="aside", brows="worried", mouth="wavy", marks=("blush", "sweat"))),
    "008": ("exhausted", dict(eyes="tired", brows="low", mouth="slack", marks=("rings", "gloom", "sweat"))),
    "009": ("thinking", dict(eyes="up", brows="quizzical", mouth="pout", marks=("hand",))),
}


# Hair pieces -------------------------------------------------------------------

FRINGE_SPIKY = ("M232 190 C226 104 272 70 320 70 C370 70 414 104 408 190 L396 156 L382 192 "
                "L364 132 L344 178 L322 124 L298 180 L278 134 L260 190 L246 156 Z")
FRINGE_SOFT = ("M234 196 C226 104 272 72 320 72 C368 72 414 104 406 196 C398 170 390 160 376 150 "
               "C372 170 362 180 350 184 C350 160 342 146 330 138 C322 160 306 176 286 184 "
               "C290 166 288 152 282 144 C270 160 254 176 234 196 Z")
FRINGE_SIDE = ("M232 200 C224 104 272 70 322 70 C372 70 416 106 408 200 C400 176 396 164 388 156 "
               "C376 170 352 178 318 180 C296 180 280 176 268 172 C258 180 246 190 232 200 Z")
FRINGE_BLUNT = ("M232 200 C226 104 272 70 320 70 C368 70 414 104 408 200 L396 196 L394 168 "
                "L246 168 L244 196 Z")


def sidelocks(length, fill):
    y = length
    return shape(f"M244 150 C236 200 238 {y - 40} 246 {y} C256 {y - 50} 258 200 262 170 Z", fill) + \
        shape(f"M396 150 C404 200 402 {y - 40} 394 {y} C384 {y - 50} 382 200 378 170 Z", fill)


def back_long(bottom, fill, wave=0):
    return shape(f"M236 150 C218 240 {206 - wave} {bottom - 80} 200 {bottom} L440 {bottom} "
                 f"C{434 + wave} {bottom - 80} 422 240 404 150 C400 96 364 62 320 62 "
                 f"C276 62 240 96 236 150 Z", fill)


def back_bob(bottom, fill):
    return shape(f"M232 160 C222 220 224 {bottom - 10} 240 {bottom} C270 {bottom + 8} 370 {bottom + 8} "
                 f"400 {bottom} C416 {bottom - 10} 418 220 408 160 C404 100 366 62 320 62 "
                 f"C274 62 236 100 232 160 Z", fill)


# Characters -------------------------------------------------------------------

def koyori():
    hair, eye, shirt, shorts, tie = "#8A4B2A", "#C8841E", "#F28C28", "#2B3A67", "#FFD23F"
    back = (shape("M330 78 C340 30 384 20 404 36 C392 44 388 52 392 62 C372 58 356 70 350 86 Z", hair)
            + back_bob(262, hair))
    outfit = (shape(TORSO, shirt)
              + f'<path d="M290 316 Q320 340 350 316" fill="none" stroke="{dark(shirt, 0.45)}" '
              f'stroke-width="{LINE_W}"/>'
              + f'<path d="M286 318 L306 408 M354 318 L334 408" stroke="#4A4A4A" stroke-width="2"/>'
              + shape("M300 406 a20 20 0 1 0 40 0 a20 20 0 1 0 -40 0 Z", "#E4E6EA")
              + '<circle cx="320" cy="406" r="13" fill="#FFFFFF"/>'
              + '<path d="M320 406 V396 M320 406 L327 410" stroke="#333" stroke-width="2"/>'
              + shape("M314 384 h12 v-6 h-12 Z", "#B8BCC4")
              + shape("M372 404 h44 v60 h-44 Z", "#D8C7A3")
              + shape("M384 398 h20 v10 h-20 Z", "#9AA0A8")
              + '<path d="M380 422 h28 M380 434 h28 M380 446 h18" stroke="#8E7B5A" stroke-width="2"/>'
              + shape("M192 466 L448 466 L452 480 L188 480 Z", shorts))
    front = (shape(FRINGE_SPIKY, hair) + sidelocks(258, hair)
             + shape("M334 70 C336 56 352 50 360 60 C358 72 344 80 334 70 Z", tie))
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye)


def hotaru():
    hair, eye, smock, blouse, arm = "#2A2233", "#6B7F4E", "#C9B8E0", "#F5F2EA", "#2F3E66"
    back = back_long(380, hair)
    outfit = (shape(TORSO, smock)
              + shape("M286 314 L320 352 L354 314 L340 310 L320 330 L300 310 Z", blouse)
              + shape("M196 420 L190 480 L234 480 L236 420 Z", arm)
              + shape("M444 420 L450 480 L406 480 L404 420 Z", arm)
              + '<circle cx="262" cy="420" r="4" fill="#E58FA0"/>'
              + '<circle cx="380" cy="448" r="3.5" fill="#7FB3D5"/>'
              + '<circle cx="300" cy="462" r="3" fill="#F2C14E"/>'
              + '<path d="M278 366 L286 420" stroke="#C89B3C" stroke-width="5" stroke-linecap="round"/>')
    braid = "".join(shape(f"M{352 + i * 8} {300 + i * 30} a18 16 0 1 0 36 0 a18 16 0 1 0 -36 0 Z", hair)
                    for i in range(4))
    braid += shape("M370 416 C366 440 376 452 380 460 C384 452 394 440 390 416 Z", hair)
    braid += shape("M370 410 h20 v8 h-20 Z", arm)
    front = shape(FRINGE_SOFT, hair) + sidelocks(280, hair) + braid
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye, sleeve=arm)


def yuzuka_hair(hair="#B5793F", clip="#FFF4C2"):
    """Her bob and the yuzu-yellow clip, the same in the shop and on the ward."""
    back = back_bob(300, hair)
    front = (shape(FRINGE_SOFT, hair) + sidelocks(290, hair)
             + shape("M370 118 L404 108 L408 122 L374 132 Z", "#F4D03F")
             + f'<circle cx="388" cy="120" r="5" fill="{clip}"/>')
    return back, front


# The clip sits where the anger mark usually goes, so hers is on the other side.
YUZUKA_VEIN = (258, 122)


def yuzuka():
    hair, eye, apron, skirt = "#B5793F", "#9C6B3A", "#F4D03F", "#4A6FA5"
    back, front = yuzuka_hair(hair)
    outfit = (shape(TORSO, "#FFFFFF", "#8A8A8A")
              + f'<path d="M290 316 Q320 338 350 316" fill="none" stroke="#8A8A8A" stroke-width="{LINE_W}"/>'
              + shape("M262 380 L378 380 L392 480 L248 480 Z", apron)
              + f'<path d="M262 382 L292 318 M378 382 L348 318" stroke="{dark(apron, 0.55)}" stroke-width="8"/>'
              + shape("M296 420 h48 v30 h-48 Z", light(apron, 0.3)))
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye, vein=YUZUKA_VEIN)


def yuzuka_hospital():
    """On the ward: a nursing student's pale pink tunic with white piping, her name badge
    (a photo and lines, no words) and a nurse's watch pinned over the heart."""
    hair, eye, tunic, piping = "#B5793F", "#9C6B3A", "#F6D6DC", "#FFFFFF"
    edge = "#B98A94"
    back, front = yuzuka_hair(hair)
    outfit = (shape(TORSO, tunic, edge)
              # a crossover collar: the tunic closes to her right, piped in white
              + shape("M286 314 L320 360 L354 314 L342 310 L320 340 L298 310 Z", piping, edge)
              + f'<path d="M320 360 L352 480" stroke="{edge}" stroke-width="2.5"/>'
              + f'<path d="M300 316 L320 344 L340 316" fill="none" stroke="{tunic}" stroke-width="3"/>'
              # the sleeve seams
              + f'<path d="M246 328 Q228 400 234 480 M394 328 Q412 400 406 480" fill="none" stroke="{edge}" stroke-width="2"/>'
              # the name badge on her left breast: a photo square and two lines
              + outline_rect(256, 382, 52, 30, "#FFFFFF", "#8E7A80")
              + outline_rect(260, 386, 14, 22, "#E9C9A8", "#8E7A80", 1.5)
              + f'<path d="M280 392 h22 M280 400 h16" stroke="#C0566A" stroke-width="3" stroke-linecap="round"/>'
              # a pen in the breast pocket
              + shape("M352 436 h44 v38 h-44 Z", tunic, edge)
              + f'<path d="M362 438 L364 420" stroke="#3A6EA8" stroke-width="5" stroke-linecap="round"/>'
              # the nurse's watch, pinned upside down above the pocket
              + f'<path d="M382 370 v12" stroke="#B0A8AA" stroke-width="2"/>'
              + f'<rect x="376" y="364" width="12" height="7" rx="3" fill="#F4D03F" stroke="#8E7A30" stroke-width="1.5"/>'
              + f'<circle cx="382" cy="396" r="13" fill="#FFFFFF" stroke="#C0566A" stroke-width="3"/>'
              + f'<path d="M382 396 v8 M382 396 l-5 -3" stroke="#444" stroke-width="2" stroke-linecap="round"/>')
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye, vein=YUZUKA_VEIN, sleeve=None)


def reina():
    hair, eye, blouse, skirt, pearl = "#1F2A44", "#5E7389", "#FAFAFA", "#3F4A5A", "#D9D4C7"
    back = back_long(440, hair)
    outfit = (shape(TORSO, blouse, "#8C8C96")
              + shape("M286 314 L320 356 L300 370 L276 326 Z", "#FFFFFF", "#8C8C96")
              + shape("M354 314 L320 356 L340 370 L364 326 Z", "#FFFFFF", "#8C8C96")
              + '<g fill="#C9CCD2"><circle cx="320" cy="390" r="3"/><circle cx="320" cy="422" r="3"/>'
              '<circle cx="320" cy="454" r="3"/></g>')
    front = (shape(FRINGE_SIDE, hair) + sidelocks(320, hair)
             + f'<circle cx="244" cy="246" r="5" fill="{pearl}" stroke="#9A968C" stroke-width="1.5"/>'
             + f'<circle cx="396" cy="246" r="5" fill="{pearl}" stroke="#9A968C" stroke-width="1.5"/>'
             + shape("M262 96 Q290 82 316 92 L316 110 Q290 116 264 112 Z", "#3A3A40", "#151518")
             + shape("M324 92 Q350 82 378 96 L376 112 Q350 116 324 110 Z", "#3A3A40", "#151518")
             + '<path d="M316 98 L324 98" stroke="#151518" stroke-width="3"/>')
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye, style="woman", sleeve=blouse)


def nanoka():
    hair, eye, blouse, dress, hat = "#C98F7B", "#7A5C8E", "#A8D8C8", "#BFD9F2", "#F7E3A1"
    back = back_long(340, hair, wave=8)
    outfit = (shape(TORSO, blouse)
              + shape("M286 314 C280 346 316 350 320 334 C324 350 360 346 354 314 Z", "#FFFFFF", "#8AA9A0")
              + '<g fill="#FFFFFF" stroke="#8AA9A0" stroke-width="1.5"><circle cx="320" cy="380" r="3.5"/>'
              '<circle cx="320" cy="420" r="3.5"/><circle cx="320" cy="460" r="3.5"/></g>')
    front = (shape(FRINGE_SOFT, hair) + sidelocks(300, hair)
             + shape("M388 142 l8 -8 l8 8 l-8 8 Z", hat))
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye, sleeve=blouse)


def hinako():
    hair, eye, uniform, streak, pins = "#D18B47", "#3E8E7E", "#2E9E6B", "#FF6FA3", "#FFB347"
    bunches = (shape("M246 150 C206 150 196 212 214 248 C226 230 240 216 252 196 Z", hair)
               + shape("M394 150 C434 150 444 212 426 248 C414 230 400 216 388 196 Z", hair)
               + shape("M240 150 a9 9 0 1 0 18 0 a9 9 0 1 0 -18 0 Z", streak)
               + shape("M382 150 a9 9 0 1 0 18 0 a9 9 0 1 0 -18 0 Z", streak))
    back = back_bob(272, hair) + bunches
    stripes = "".join(f'<rect x="{x}" y="330" width="10" height="150" fill="#FFFFFF"/>'
                      for x in range(206, 436, 24))
    outfit = (f'<clipPath id="vest"><path d="{TORSO}"/></clipPath>'
              + shape(TORSO, uniform)
              + f'<g clip-path="url(#vest)">{stripes}</g>'
              + f'<path d="{TORSO}" fill="none" stroke="{dark(uniform, 0.45)}" stroke-width="{LINE_W}"/>'
              + shape("M290 314 L320 400 L350 314 Z", "#6C3FC4")
              + shape("M302 330 l10 14 l12 -18 l6 20 Z", "#FFE04A")
              + shape("M270 380 h30 v16 h-30 Z", "#FFFFFF", "#6E6E6E"))
    front = (shape(FRINGE_SPIKY, hair)
             + shape("M346 76 C368 90 372 130 364 132 C352 108 344 92 332 80 Z", streak)
             + sidelocks(266, hair)
             + f'<path d="M268 116 l22 -10 M272 126 l22 -10" stroke="{pins}" stroke-width="4" stroke-linecap="round"/>'
             + f'<path d="M372 106 l22 10" stroke="{streak}" stroke-width="4" stroke-linecap="round"/>')
    # the streak's pin sits where the anger mark goes: the mark floats off the crown instead
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye, sleeve=uniform, vein=(412, 92))


def kasumi():
    hair, eye, dress, cardigan, accent = "#4B3A33", "#8C8C99", "#3C4F76", "#EDE6D6", "#9DB38A"
    back = back_long(452, hair, wave=10)
    outfit = (shape(TORSO, cardigan, "#8E8676")
              + shape("M286 314 L354 314 L346 480 L294 480 Z", dress)
              + f'<path d="M292 316 Q320 336 348 316" fill="none" stroke="{light(dress, 0.3)}" stroke-width="2"/>'
              + '<g fill="#CFC6B2"><circle cx="282" cy="400" r="4"/><circle cx="284" cy="444" r="4"/></g>')
    front = shape(FRINGE_SOFT, hair) + sidelocks(330, hair)
    # the older eye, like Reina's: at twenty-seven she is the eldest of the heroines and should read so
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye, style="woman", sleeve=cardigan)


def amane():
    hair, eye, dress, smock, silver = "#0F0F1A", "#4B3B6B", "#1C1F3A", "#F2F2F2", "#C0C6D0"
    back = back_long(478, hair)
    outfit = (shape(TORSO, dress, "#05050C")
              + shape("M292 314 Q320 344 348 314", light(dress, 0.15), "#05050C")
              + f'<path d="M316 372 a16 16 0 1 0 18 22 a12 12 0 1 1 -18 -22 Z" fill="{silver}" '
              f'stroke="#7C828C" stroke-width="2"/>')
    front = (shape(FRINGE_BLUNT, hair)
             + shape("M244 160 L240 300 L262 300 L262 168 Z", hair)
             + shape("M396 160 L400 300 L378 300 L378 168 Z", hair))
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye, sleeve=dress)


# The supporting cast -------------------------------------------------------------
#
# Grown-ups: the men get a broader jaw, neck and shoulders and smaller eyes;
# everyone may add lines, a beard or glasses (`lines` is drawn on the face under
# the eyes, `over` on top of the hair).

FACE_MAN = ("M240 168 C240 236 262 284 302 298 Q320 304 338 298 C378 284 400 236 400 168 "
            "C400 110 364 84 320 84 C276 84 240 110 240 168 Z")
NECK_MAN = "M294 262 L294 322 Q320 336 346 322 L346 262 Z"
NECK_MAN_SHADE = "M296 274 Q320 298 344 274 L344 292 Q320 306 296 292 Z"
EAR_L_MAN = "M244 196 C226 192 226 236 248 242 Z"
EAR_R_MAN = "M396 196 C414 192 414 236 392 242 Z"
TORSO_MAN = ("M176 480 L184 374 C190 336 238 320 284 312 L356 312 C402 320 450 336 456 374 "
             "L464 480 Z")
TORSO_BIG = ("M156 480 L166 366 C174 328 230 314 282 308 L358 308 C410 314 466 328 474 366 "
             "L484 480 Z")
NECK_SHADE = "M302 270 Q320 292 338 270 L338 286 Q320 300 302 286 Z"


def tomiko():
    """砂原 登美子, the president: grey bun, round glasses, mustard cardigan."""
    hair, eye, cardigan, blouse = "#9A9A9A", "#6E5A48", "#C9A227", "#F4EFE4"
    back = (shape("M284 70 a36 30 0 1 0 72 0 a36 30 0 1 0 -72 0 Z", hair)
            + shape("M236 176 C230 110 270 78 320 78 C370 78 410 110 404 176 C404 206 396 226 388 236 "
                    "L252 236 C244 226 236 206 236 176 Z", hair)
            + '<path d="M300 56 L344 78" stroke="#7A5A3A" stroke-width="4" stroke-linecap="round"/>')
    outfit = (shape(TORSO, cardigan)
              + shape("M288 314 L320 376 L352 314 Z", blouse, "#A8A090")
              + shape("M290 314 Q304 334 318 322 L320 316 Z", "#FFFFFF", "#A8A090")
              + shape("M350 314 Q336 334 322 322 L320 316 Z", "#FFFFFF", "#A8A090")
              + f'<path d="M320 378 V480" stroke="{dark(cardigan, 0.55)}" stroke-width="3"/>'
              + ''.join(f'<circle cx="330" cy="{y}" r="5" fill="#8A6A2A"/>' for y in (400, 432, 464))
              + f'<path d="M236 420 q10 -4 20 0 M236 440 q10 -4 20 0 M384 420 q10 -4 20 0 M384 440 q10 -4 20 0" '
              f'stroke="{dark(cardigan, 0.75)}" stroke-width="2" fill="none"/>')
    front = (shape("M238 188 C230 112 272 80 320 80 C368 80 410 112 402 188 C398 160 388 140 372 128 "
                   "C352 114 330 112 318 118 C300 112 276 120 262 136 C250 150 242 168 238 188 Z", hair)
             + '<path d="M270 104 q30 -14 50 14 M372 108 q-30 -14 -52 10 M290 96 q20 -8 30 20" fill="none" '
             'stroke="#B8B8B8" stroke-width="2"/>')
    lines = ('<path d="M300 250 Q294 262 302 272 M340 250 Q346 262 338 272 M256 222 l-8 -3 M256 230 l-8 3 '
             'M384 222 l8 -3 M384 230 l8 3" fill="none" stroke="#DDB49C" stroke-width="2" stroke-linecap="round"/>')
    over = ('<g fill="#FFFFFF" fill-opacity="0.15" stroke="#6E4A2A" stroke-width="3">'
            '<circle cx="286" cy="224" r="24"/><circle cx="354" cy="224" r="24"/></g>'
            '<path d="M310 220 Q320 212 330 220 M262 218 L244 210 M378 218 L396 210" fill="none" stroke="#6E4A2A" '
            'stroke-width="3"/>'
            '<path d="M244 210 Q232 270 270 318 M396 210 Q408 270 370 318" fill="none" stroke="#C9A227" '
            'stroke-width="1.5" stroke-dasharray="3 3"/>')
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye, style="woman", lines=lines,
                over=over, sleeve=cardigan, brow="#6E6E6E")


def torigoe():
    """鳥越 源太郎, the director: white crew cut, brown work shirt, a pencil in the pocket."""
    hair, eye, shirt = "#E8E8E8", "#5A4A3A", "#6B4F2A"
    collar = light(shirt, 0.2)
    outfit = (shape(TORSO_MAN, shirt)
              + shape("M284 312 L320 352 L300 366 L270 320 Z", collar)
              + shape("M356 312 L320 352 L340 366 L370 320 Z", collar)
              + f'<path d="M320 352 V480" stroke="{dark(shirt, 0.55)}" stroke-width="3"/>'
              + ''.join(f'<circle cx="326" cy="{y}" r="4" fill="#C8B890"/>' for y in (384, 424, 464))
              + shape("M352 392 h52 v46 h-52 Z", shirt)
              + '<path d="M364 392 l4 -30 l6 0 l-2 30" fill="#F2C230" stroke="#6E5A14" stroke-width="2"/>'
              + '<path d="M368 362 l2 -8 l3 8" fill="#333"/>'
              + shape("M380 392 l2 -18 l14 2 l-4 16 Z", "#FFFFFF", "#8A8478"))
    front = (shape("M238 200 C232 128 250 84 320 80 C390 84 408 128 402 200 L392 200 C390 162 382 136 370 124 "
                   "Q320 112 270 124 C258 136 250 162 248 200 Z", hair, "#9A9A9A")
             + ''.join(f'<path d="M{x} {96 + abs(x - 320) // 5} l2 8" stroke="#B8B8B8" stroke-width="1.5"/>'
                       for x in range(258, 384, 12))
             + '<path d="M398 182 L420 168" stroke="#F4F4F0" stroke-width="6" stroke-linecap="round"/>'
             + '<path d="M418 169 L421 167" stroke="#E8842E" stroke-width="6" stroke-linecap="round"/>')
    lines = ('<path d="M288 146 q32 -8 64 0 M296 158 q24 -6 48 0 M298 252 Q290 266 300 278 M342 252 Q350 266 340 278 '
             'M252 224 l-9 -3 M252 232 l-9 3 M388 224 l9 -3 M388 232 l9 3" fill="none" stroke="#D8AC94" '
             'stroke-width="2.2" stroke-linecap="round"/>'
             f'<path d="M252 250 C262 284 292 300 320 302 C348 300 378 284 388 250 C370 276 350 290 320 292 '
             f'C290 290 270 276 252 250 Z" fill="#9A9A9A" opacity="0.22"/>')
    return dict(back="", outfit=outfit, front=front, hair=hair, eye=eye, style="man", face=FACE_MAN, man=True,
                lines=lines, sleeve=shirt, brow="#B8B8B8")


def kumai():
    """熊井 大作, the desk: a big bear of a man, black beard, khaki vest over a T-shirt."""
    hair, eye, vest, tee, skin = "#1E1E1E", "#3A2A20", "#7A7350", "#B8BCC0", "#F4D6BE"
    outfit = (shape(TORSO_BIG, tee)
              + f'<path d="M290 310 Q320 336 350 310" fill="none" stroke="{dark(tee, 0.5)}" stroke-width="{LINE_W}"/>'
              + shape("M160 480 L168 366 C176 330 230 314 276 308 L300 330 L296 480 Z", vest)
              + shape("M480 480 L472 366 C464 330 410 314 364 308 L340 330 L344 480 Z", vest)
              + shape("M204 404 h56 v40 h-56 Z", vest) + shape("M380 404 h56 v40 h-56 Z", vest)
              + f'<path d="M204 414 h56 M380 414 h56" stroke="{dark(vest, 0.6)}" stroke-width="2"/>')
    front = shape("M236 196 C226 112 270 74 320 74 C372 74 414 112 404 196 L396 166 L386 180 L376 144 "
                  "L354 160 L340 130 L318 152 L296 128 L280 154 L262 140 L252 176 L244 160 Z", hair)
    beard = (shape("M242 204 C244 266 280 314 320 316 C360 314 396 266 398 204 L386 204 C384 240 372 258 354 262 "
                   "Q352 294 320 296 Q288 294 286 262 C268 258 256 240 254 204 Z", hair, "#0A0A0A")
             + shape("M294 264 Q308 254 320 258 Q332 254 346 264 Q332 266 320 263 Q308 266 294 264 Z", hair, "#0A0A0A"))
    return dict(back="", outfit=outfit, front=front, hair=hair, eye=eye, style="man", face=FACE_MAN, man=True,
                lines=beard, skin=skin, sleeve=None)


def michiru():
    """檜垣 みちる, the animation director: auburn hair up in a clip, a red pencil, white shirt."""
    hair, eye, shirt, pencil = "#8C3B2A", "#6A3A2A", "#FAFAFA", "#D7263D"
    back = (shape("M300 60 C300 30 360 24 384 48 C404 70 388 98 360 100 C340 100 320 90 300 60 Z", hair)
            + shape("M236 176 C228 110 270 74 320 74 C370 74 412 110 404 176 C404 210 398 240 390 256 "
                    "L250 256 C242 240 236 210 236 176 Z", hair)
            + '<rect x="336" y="36" width="44" height="26" rx="8" fill="#3A2A26" stroke="#1A1210" stroke-width="2.5" '
            'transform="rotate(24 358 49)"/>'
            + '<path d="M344 56 l-4 10 M354 60 l-4 10 M364 64 l-4 10" stroke="#1A1210" stroke-width="3"/>')
    outfit = (shape(TORSO, shirt, "#8C8C96")
              + shape("M286 314 L320 352 L298 366 L272 322 Z", "#FFFFFF", "#8C8C96")
              + shape("M354 314 L320 352 L342 366 L368 322 Z", "#FFFFFF", "#8C8C96")
              + shape("M354 392 h46 v40 h-46 Z", shirt, "#8C8C96")
              + f'<path d="M366 392 L372 356" stroke="{pencil}" stroke-width="6" stroke-linecap="round"/>'
              + '<g fill="#C9CCD2"><circle cx="320" cy="392" r="3"/><circle cx="320" cy="428" r="3"/>'
              '<circle cx="320" cy="464" r="3"/></g>')
    front = (shape(FRINGE_SIDE, hair) + sidelocks(262, hair)
             + f'<path d="M390 170 L418 236" stroke="{pencil}" stroke-width="7" stroke-linecap="round"/>'
             + '<path d="M388 166 L384 156" stroke="#E8C8A0" stroke-width="6" stroke-linecap="round"/>'
             + '<path d="M384 157 L383 154" stroke="#333" stroke-width="4" stroke-linecap="round"/>')
    lines = ('<path d="M256 228 l-7 2 M384 228 l7 2" fill="none" stroke="#E0BCA4" stroke-width="2" '
             'stroke-linecap="round"/>')
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye, style="woman", lines=lines, sleeve=shirt)


def kuramae():
    """蔵前 宗一郎, the sound director: neat silver hair, a linen jacket in August."""
    hair, eye, jacket, shirt = "#B8B8C0", "#4A4A58", "#D8CBB0", "#C8D8E8"
    back = shape("M244 180 C238 212 244 232 256 242 L384 242 C396 232 402 212 396 180 Z", hair, "#7A7A84")
    outfit = (shape(TORSO_MAN, jacket, "#8A7E66")
              + shape("M284 312 L356 312 L340 480 L300 480 Z", shirt, "#7A8A9A")
              + shape("M284 312 L308 346 L296 352 L276 320 Z", "#FFFFFF", "#7A8A9A")
              + shape("M356 312 L332 346 L344 352 L364 320 Z", "#FFFFFF", "#7A8A9A")
              + shape("M276 318 L300 400 L282 480 L240 480 L256 360 Z", jacket, "#8A7E66")
              + shape("M364 318 L340 400 L358 480 L400 480 L384 360 Z", jacket, "#8A7E66")
              + shape("M372 404 h40 v6 h-40 Z", "#F4F1EA", "#8A7E66"))
    front = (shape("M238 198 C228 112 272 76 322 76 C374 76 414 112 402 198 C398 168 392 150 382 138 "
                   "C362 122 322 118 290 126 C272 132 260 142 252 158 C246 172 242 186 238 198 Z", hair, "#7A7A84")
             + '<path d="M284 82 Q278 104 288 128 M300 80 q40 2 70 40 M316 78 q36 6 58 36 M340 80 q26 8 44 34" fill="none" '
             'stroke="#D8D8E0" stroke-width="2"/>')
    lines = ('<path d="M298 254 Q292 266 300 276 M342 254 Q348 266 340 276 M252 226 l-8 -2" fill="none" '
             'stroke="#DDB49C" stroke-width="2" stroke-linecap="round"/>')
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye, style="man", face=FACE_MAN, man=True,
                lines=lines, sleeve=jacket, brow="#8A8A94")


# Who has which faces: speaker code, name, drawing, expression numbers, outfit.
# Outfit k's portraits are numbered 10k + the expression (yut014 is Yuzuka angry
# in her hospital uniform), so every outfit shares the one table of faces.
OUTFITS = ("everyday outfit", "second outfit")
ALL = tuple(EXPRESSIONS)

CAST = [
    ("ko", "Koyori", koyori, ALL, 0),
    ("ho", "Hotaru", hotaru, ALL, 0),
    ("yu", "Yuzuka", yuzuka, ALL, 0),
    ("yu", "Yuzuka in her hospital trainee uniform", yuzuka_hospital, ALL, 1),
    ("re", "Reina", reina, ALL, 0),
    ("na", "Nanoka", nanoka, ALL, 0),
    ("hi", "Hinako", hinako, ALL, 0),
    ("ka", "Kasumi", kasumi, ALL, 0),
    ("am", "Amane", amane, ALL, 0),
    ("su", "Sunahara Tomiko", tomiko, ALL, 0),
    ("to", "Torigoe Gentaro", torigoe, ALL, 0),
    ("ku", "Kumai Daisaku", kumai, ALL, 0),
    ("mi", "Higaki Michiru", michiru, ALL, 0),
    ("so", "Kuramae Soichiro", kuramae, ALL, 0),
]


def marks(kinds, p):
    out = []
    for k in kinds:
        if k == "vein":
            out.append(vein(*p.get("vein", (384, 118))))
        elif k == "sweat":
            out.append(sweat())
        elif k == "shock":
            out.append(shock())
        elif k == "gloom":
            out.append(gloom())
        elif k == "rings":
            out.append(rings(p.get("style", "girl")))
        elif k == "tear":
            out.append(tear(p.get("style", "girl")))
        elif k == "hand":
            out.append(hand(p.get("skin", SKIN), p.get("sleeve")))
    return "".join(out)


def portrait(who, parts, number, outfit=0):
    p = parts
    what, e = EXPRESSIONS[number]
    style, skin, man = p.get("style", "girl"), p.get("skin", SKIN), p.get("man", False)
    ears = shape(EAR_L_MAN if man else EAR_L, skin) + shape(EAR_R_MAN if man else EAR_R, skin)
    neck = shape(NECK_MAN if man else NECK, skin)
    shade = NECK_MAN_SHADE if man else NECK_SHADE
    kinds = e.get("marks", ())
    blush = BLUSH_HOT if "blush" in kinds else ("" if man else BLUSH)
    detail = blush + (NOSE_LONG if man else NOSE) + mouth(e["mouth"], 4 if man else 0)
    brow_colour = p.get("brow", dark(p["hair"], 0.6))
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<!-- {who}, {what} face, {OUTFITS[outfit]}. Written by make_portraits.py; edit that. -->
<svg xmlns="http://www.w3.org/2000/svg" width="640" height="480" viewBox="0 0 640 480">
<g id="back-hair">{p['back']}</g>
<g id="body">{p['outfit']}
{neck}
<path d="{shade}" fill="{SKIN_SHADE if skin == SKIN else dark(skin, 0.92)}"/>
</g>
<g id="head">{ears}{shape(p.get('face', FACE), skin)}{p.get('lines', '')}
{eyes(p['eye'], style, EYES[e['eyes']], skin)}
{detail}
</g>
<g id="front-hair">{p['front']}</g>
{p.get('over', '')}{brows(brow_colour, style, e['brows'])}{marks(kinds, p)}
</svg>
"""


def main():
    for speaker, who, make, numbers, outfit in CAST:
        for number in numbers:
            name = f"{speaker}t{int(number) + 10 * outfit:03d}"
            with open(os.path.join(HERE, name + ".svg"), "w", encoding="utf-8") as f:
                f.write(portrait(who, make(), number, outfit))


if __name__ == "__main__":
    main()
