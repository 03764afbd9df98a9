#!/usr/bin/env python3
"""Writes the heroines' neutral portraits (xxt001.svg) beside this script.

Every portrait shares one body: a waist-up figure centred on x = 320 of a
640x480 transparent canvas, face between y = 84 and 298, kept inside
x = 160..480 so a portrait moved 150 px either way is never cut.  Each
heroine changes only her hair, outfit and colours (docs/story-bible.md).

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


def eyes(iris):
    out = []
    for cx, flip in ((286, 1), (354, -1)):
        out.append(f'<ellipse cx="{cx}" cy="222" rx="17" ry="20" fill="#FFFFFF"/>')
        out.append(f'<ellipse cx="{cx}" cy="225" rx="13" ry="17" fill="{iris}" '
                   f'stroke="{dark(iris, 0.4)}" stroke-width="2"/>')
        out.append(f'<ellipse cx="{cx}" cy="235" rx="8" ry="5" fill="{light(iris, 0.45)}"/>')
        out.append(f'<ellipse cx="{cx}" cy="227" rx="6" ry="8" fill="{dark(iris, 0.35)}"/>')
        out.append(f'<circle cx="{cx - 5 * flip}" cy="216" r="4.5" fill="#FFFFFF"/>')
        out.append(f'<circle cx="{cx + 5 * flip}" cy="233" r="2" fill="#FFFFFF"/>')
        # upper lash line, heavier at the outer corner
        x0, x1 = cx - 20, cx + 20
        outer = x0 if flip == 1 else x1
        out.append(f'<path d="M{x0} 210 Q{cx} 194 {x1} 210" fill="none" stroke="#2B1D1D" '
                   f'stroke-width="4" stroke-linecap="round"/>')
        out.append(f'<path d="M{outer} 210 L{outer - 5 * flip} 214" stroke="#2B1D1D" '
                   f'stroke-width="3" stroke-linecap="round"/>')
    return "\n".join(out)


def brows(hair):
    c = dark(hair, 0.6)
    return (f'<path d="M266 188 Q284 180 302 186" fill="none" stroke="{c}" stroke-width="3" '
            f'stroke-linecap="round"/>'
            f'<path d="M338 186 Q356 180 374 188" fill="none" stroke="{c}" stroke-width="3" '
            f'stroke-linecap="round"/>')


FACE_DETAIL = (
    '<ellipse cx="270" cy="252" rx="13" ry="6" fill="#F6A5A5" opacity="0.55"/>'
    '<ellipse cx="370" cy="252" rx="13" ry="6" fill="#F6A5A5" opacity="0.55"/>'
    '<path d="M321 244 L318 252" stroke="#D99C86" stroke-width="2.5" stroke-linecap="round"/>'
    '<path d="M307 268 Q320 277 333 268" fill="none" stroke="#9A4F45" stroke-width="3" '
    'stroke-linecap="round"/>'
)

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
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye)


def yuzuka():
    hair, eye, apron, skirt, clip = "#B5793F", "#9C6B3A", "#F4D03F", "#4A6FA5", "#FFF4C2"
    back = back_bob(300, hair)
    outfit = (shape(TORSO, "#FFFFFF", "#8A8A8A")
              + f'<path d="M290 316 Q320 338 350 316" fill="none" stroke="#8A8A8A" stroke-width="{LINE_W}"/>'
              + shape("M262 380 L378 380 L392 480 L248 480 Z", apron)
              + f'<path d="M262 382 L292 318 M378 382 L348 318" stroke="{dark(apron, 0.55)}" stroke-width="8"/>'
              + shape("M296 420 h48 v30 h-48 Z", light(apron, 0.3)))
    front = (shape(FRINGE_SOFT, hair) + sidelocks(290, hair)
             + shape("M370 118 L404 108 L408 122 L374 132 Z", "#F4D03F")
             + f'<circle cx="388" cy="120" r="5" fill="{clip}"/>')
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye)


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
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye)


def nanoka():
    hair, eye, blouse, dress, hat = "#C98F7B", "#7A5C8E", "#A8D8C8", "#BFD9F2", "#F7E3A1"
    back = back_long(340, hair, wave=8)
    outfit = (shape(TORSO, blouse)
              + shape("M286 314 C280 346 316 350 320 334 C324 350 360 346 354 314 Z", "#FFFFFF", "#8AA9A0")
              + '<g fill="#FFFFFF" stroke="#8AA9A0" stroke-width="1.5"><circle cx="320" cy="380" r="3.5"/>'
              '<circle cx="320" cy="420" r="3.5"/><circle cx="320" cy="460" r="3.5"/></g>')
    front = (shape(FRINGE_SOFT, hair) + sidelocks(300, hair)
             + shape("M388 142 l8 -8 l8 8 l-8 8 Z", hat))
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye)


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
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye)


def kasumi():
    hair, eye, dress, cardigan, accent = "#4B3A33", "#8C8C99", "#3C4F76", "#EDE6D6", "#9DB38A"
    back = back_long(452, hair, wave=10)
    outfit = (shape(TORSO, cardigan, "#8E8676")
              + shape("M286 314 L354 314 L346 480 L294 480 Z", dress)
              + f'<path d="M292 316 Q320 336 348 316" fill="none" stroke="{light(dress, 0.3)}" stroke-width="2"/>'
              + '<g fill="#CFC6B2"><circle cx="282" cy="400" r="4"/><circle cx="284" cy="444" r="4"/></g>')
    front = shape(FRINGE_SOFT, hair) + sidelocks(330, hair)
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye)


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
    return dict(back=back, outfit=outfit, front=front, hair=hair, eye=eye)


CAST = {
    "kot001": ("Koyori", koyori),
    "hot001": ("Hotaru", hotaru),
    "yut001": ("Yuzuka", yuzuka),
    "ret001": ("Reina", reina),
    "nat001": ("Nanoka", nanoka),
    "hit001": ("Hinako", hinako),
    "kat001": ("Kasumi", kasumi),
    "amt001": ("Amane", amane),
}


def portrait(code, who, parts):
    p = parts
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<!-- {who}, neutral face, everyday outfit. Written by make_portraits.py; edit that. -->
<svg xmlns="http://www.w3.org/2000/svg" width="640" height="480" viewBox="0 0 640 480">
<g id="back-hair">{p['back']}</g>
<g id="body">{p['outfit']}
{shape(NECK, SKIN)}
<path d="M302 270 Q320 292 338 270 L338 286 Q320 300 302 286 Z" fill="{SKIN_SHADE}"/>
</g>
<g id="head">{shape(EAR_L, SKIN)}{shape(EAR_R, SKIN)}{shape(FACE, SKIN)}
{eyes(p['eye'])}
{FACE_DETAIL}
</g>
<g id="front-hair">{p['front']}</g>
{brows(p['hair'])}
</svg>
"""


def main():
    for code, (who, make) in CAST.items():
        with open(os.path.join(HERE, code + ".svg"), "w", encoding="utf-8") as f:
            f.write(portrait(code, who, make()))


if __name__ == "__main__":
    main()
