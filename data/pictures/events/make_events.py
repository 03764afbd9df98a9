#!/usr/bin/env python3
"""Writes the event pictures of the routes (KOI001.svg ... AMSS02.svg) beside this script.

Each picture is one moment of a route, shown full screen when it happens and
in the gallery after the game; docs/art-story.md lists what each one shows.
They are drawn with kit.py from the story's own backgrounds and portraits.

The SVGs it writes are committed; the data build reads them and never runs
this script.  Run it again after editing: python3 make_events.py [NAME ...]
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from kit import *  # noqa: E402,F401,F403
from kit import B, P, HERE  # noqa: E402

PICTURES = {}


def picture(name, time, what):
    """Registers a drawing: its light (the time its background is drawn in) and a caption."""
    def register(draw):
        PICTURES[name] = (time, what, draw)
        return draw
    return register


# Route 1: Koyori -----------------------------------------------------------------------

@picture("KOI001", "day", "the first morning: Koyori holds out her stopwatch and the map she drew herself")
def koi001():
    return (blur_back(place(B.office, "day", 1.4, 330, 250)) + veil("#FFF4DC", 0.18)
            + bust("ko", "002", 430, 560, 1.05)
            + hand(530, 470, 0.9, -10)
            + hand_map(40, 250, 300, 210, -6) + hand(330, 470, 1.0, -40, sleeve="#F28C28")
            + stopwatch(520, 390, 46, rot=40) + sparkles(((580, 330, 10), (440, 300, 7))))


@picture("KOI002", "day", "running for the train with cut bags: Koyori ahead, Yōta behind, doors open")
def koi002():
    bag = cut_bag(18, -62, 0.16, 10)
    door = outline(452, 196, 60, 92, "#3A3E4A", "#4A4A50", 2) + outline(430, 196, 22, 92, "#D8D6CC", "#4A4A50", 2)
    return (place(B.station_platform, "day", 1.4, 320, 330) + train(-120, 178, 1.35, 3) + door
            + figure("yo", 170, 478, 230, "run", props=bag) + figure("ko", 360, 470, 205, "run", props=bag + cut_bag(-4, -58, 0.15, -8, "#337AB7"))
            + speed_lines(480, 250, 24, 260, 420, seed=2, opacity=0.5))


@picture("KOI003", "n", "3 a.m. on the hill road: 白玉号 has stopped dead, bonnet up, hazards blinking")
def koi003():
    hazard = "".join(B.glow(x, y, 26) + oval(x, y, 5, 4, "#FFB040") for x, y in ((188, 350), (440, 352)))
    return (place(B.hill_road, "n", 1.3, 360, 300)
            + f'<g transform="rotate(-8 320 380)">{B.van(180, 300, "n", [], 1.3)}'
              f'{poly(((180, 320), (150, 280), (186, 260), (196, 300)), "#E8E8E4", "#6E6E6A")}</g>'
            + hazard + figure("ko", 520, 430, 120, "stand", -1, "front") + sparkles(((520, 300, 6),), "#CDEBFA")
            + vignette())


@picture("KOI004", "y", "pushing the van up the hill at dawn, the first train crossing the town below")
def koi004():
    return (place(B.hill_road, "y", 1.0) + dawn(0.45) + stroke("M0 274 H640", "#4A4048", 3)
            + train(40, 250, 0.3, 4, lit=True, time="y") + van(290, 318, "y", 1.1, 1, -9)
            + figure("yo", 250, 470, 130, "push", 1) + figure("ko", 200, 440, 110, "push", 1)
            + B.glow(120, 200, 90))


@picture("KOI005", "n", "Koyori asleep on the office sofa under a borrowed blanket, clipboard slipping")
def koi005():
    sofa = ('<rect x="0" y="300" width="640" height="180" rx="30" fill="#7A4A3A" stroke="#3E2418" stroke-width="3"/>'
            '<rect x="-20" y="240" width="150" height="180" rx="40" fill="#8A5444" stroke="#3E2418" stroke-width="3"/>')
    blanket = '<path d="M250 330 Q420 300 660 320 V480 H220 Q200 400 250 330 Z" fill="#6F8FC0" stroke="#3E5680" stroke-width="3"/>'
    return (place(B.office, "n", 1.6, 420, 300) + veil("#101A44", 0.3) + sofa
            + bust("ko", "asleep", 330, 330, 0.75, rot=-78) + blanket
            + stroke("M300 380 q80 -30 180 -20 M320 420 q100 -30 220 -10", "#8EA8D0", 3)
            + paper(420, 400, 90, 70, 28, "#D8C7A3") + lamp_light(560, 120, 200) + vignette())


@picture("KOI006", "day", "Koyori, starry-eyed, learns the film's lead voice lives on Yōta's street")
def koi006():
    card = (outline(60, 120, 170, 230, "#1E2A44", "#333", 3) + oval(145, 200, 40, 44, SKIN)
            + '<path d="M100 200 C100 130 190 130 190 200 L196 300 L176 300 L172 210 C160 180 130 180 118 210 L114 300 L94 300 Z" fill="#1F2A44"/>'
            + oval(145, 330, 60, 30, "#FAFAFA"))
    return (blur_back(place(B.office, "day", 1.3, 320, 240)) + veil("#FFE8C0", 0.25)
            + speed_lines(400, 260, 40, 200, 360, "#FFD23F", seed=6, opacity=0.6)
            + f'<g transform="rotate(-10 145 235)">{card}</g>' + bust("ko", "003", 420, 500, 1.1)
            + sparkles(((260, 110, 14), (590, 120, 18), (560, 330, 10), (290, 320, 9))))


@picture("KOI007", "y", "watermelon on the roof on the empty Obon Sunday, the evening coming")
def koi007():
    return (place(B.roof, "y", 1.35, 300, 300)
            + outline(60, 420, 170, 60, "#3A7BB8", "#22446E", 2) + watermelon(140, 410, 1.2)
            + bust("ko", "003", 400, 500, 0.95) + watermelon(470, 350, 1.1, -35)
            + hand(480, 420, 0.9, -20))


@picture("KOI008", "n", "the town's Obon fireworks from the studio roof, the two of them on crates")
def koi008():
    return (place(B.roof, "n", 1.0) + firework(220, 110, 90, "#FF8A5A", 1) + firework(470, 80, 60, "#8EC3FF", 2)
            + firework(380, 180, 40, "#FFD23F", 3) + veil("#FFB080", 0.06)
            + outline(210, 400, 70, 50, "#3A7BB8", "#22446E", 2) + outline(330, 404, 70, 46, "#F0C040", "#A8861A", 2)
            + figure("ko", 240, 440, 130, "sit", 1, "back") + figure("yo", 370, 440, 146, "sit", 1, "back"))


@picture("KOI009", "n", "Koyori, knees drawn up, admits she envies the people who can draw")
def koi009():
    return (place(B.roof, "n", 1.8, 300, 240) + veil("#0A1030", 0.25)
            + '<path d="M120 40 q40 -30 80 10 q30 -40 70 0" fill="none" stroke="#B8B8C8" stroke-width="8" opacity="0.25"/>'
            + bust("ko", "down", 330, 520, 1.05)
            + hand(300, 420, 0.8, 10, sleeve="#F28C28") + hand(360, 420, 0.8, -10, sleeve="#F28C28")
            + vignette())


@picture("KOI010", "y", "searching the platform for the cut bag left on the train: under the bench, along the edge")
def koi010():
    return (place(B.station_platform, "y", 1.5, 160, 380) + figure("ko", 300, 478, 190, "crouch", -1)
            + figure("yo", 480, 470, 230, "bend", 1) + P.sweat(250, 300) + P.sweat(410, 250)
            + sparkles(((120, 300, 8),), "#CDEBFA"))


@picture("KOI011", "y", "the lost cut bag found at the last station of the line, and Koyori hugging it")
def koi011():
    # the buffer stop stays in sight beside her: this is where the line, and the search, ends
    return (place(B.last_station, "y", 1.3, 400, 270) + veil("#FF9A50", 0.1)
            + bust("ko", "teary", 440, 500, 1.0) + cut_bag(440, 420, 1.5, -6, "#337AB7")
            + hand(360, 430, 0.9, 30, sleeve="#F28C28") + hand(520, 430, 0.9, -30, sleeve="#F28C28")
            + sparkles(((250, 150, 12), (600, 130, 10))))


@picture("KOI012", "n", "the last all-nighter: Koyori asleep on Yōta's shoulder in the van outside the camera studio")
def koi012():
    return (place(B.van_inside, "n", 1.25, 320, 260) + veil("#101A44", 0.2)
            + yota_back(520, 560, 1.05, rot=6)
            + bust("ko", "asleep", 300, 560, 1.05, rot=18)
            + vignette())


@picture("KOI013", "n", "the studio has fallen apart: Koyori crying alone in the van, rain on the windscreen")
def koi013():
    return (place(B.van_inside, "n", 1.1, 320, 240) + drops_on_glass((40, 40, 560, 200), 13)
            + veil("#1A2238", 0.35) + bust("ko", "crying", 320, 520, 1.05)
            + hand(270, 300, 0.85, 10, sleeve="#F28C28") + hand(370, 300, 0.85, -10, sleeve="#F28C28") + vignette())


@picture("KOI014", "day", "the empty preview theatre on the last day: no print, a blank screen, one stopwatch on a seat")
def koi014():
    return (place(B.preview_theatre, "day", 1.0) + '<rect x="130" y="60" width="380" height="200" fill="#8A8884"/>'
            + veil("#0A0810", 0.45) + stopwatch(420, 392, 22, 0) + cut_bag(200, 380, 0.4, -12, "#8A8A8A") + vignette())


@picture("KOI015", "y", "the office at dawn, nobody at the desks, the light coming in across the floor")
def koi015():
    return (place(B.office, "y", 1.0) + dawn(0.4)
            + '<path d="M38 304 L194 304 L420 480 L40 480 Z" fill="#FFD8B0" opacity="0.25"/>' + vignette())


@picture("KOI016", "y", "the roof at dawn, Yōta alone at the rail, the town still asleep")
def koi016():
    return (place(B.roof, "y", 1.0) + dawn(0.5) + B.glow(470, 250, 160)
            + figure("yo", 300, 380, 120, "stand", 1, "back") + vignette())


@picture("KOSS01", "day", "the studio at full speed: desks, flying pages, people running with cut bags")
def koss01():
    rng = random.Random(31)
    pages = "".join(paper(rng.randint(0, 600), rng.randint(20, 300), 34, 44, rng.randint(-40, 40)) for _ in range(12))
    return (place(B.drawing_room, "day", 1.0) + pages
            + figure("ko", 260, 470, 150, "run", 1, props=cut_bag(18, -62, 0.16, 10))
            + figure("yo", 90, 480, 170, "run", 1, props=cut_bag(18, -62, 0.16, 10))
            + speed_lines(320, 240, 30, 280, 400, seed=4, opacity=0.55))


@picture("KOSS02", "n", "白玉号 at night on the hill road, headlights on, the town lights below")
def koss02():
    beam = '<path d="M262 378 L-40 300 L-40 470 Z" fill="#FFF4C0" opacity="0.3"/>'
    return (place(B.hill_road, "n", 1.3, 380, 300) + beam + van(260, 280, "n", 1.3, rot=-6)
            + B.glow(266, 350, 40) + B.glow(560, 340, 24) + vignette())


@picture("KOE001", "day", "next season: two production assistants race across the station forecourt for the same train, his stopwatch flying")
def koe001():
    rng = random.Random(1001)
    leaves = "".join(oval(rng.random() * 640, rng.random() * 480, 6, 3, ("#E8842E", "#C8402E", "#F2C230")[k % 3],
                          extra=f'transform="rotate({rng.randint(0, 180)} 320 240)"') for k in range(26))
    watch = stopwatch(30, -70, 6, 90, cord=False) + stroke("M4 -79 Q20 -84 30 -78", "#3A3A3A", 1.2)
    return (place(B.station_front, "day", 1.15, 320, 300) + veil("#FFB060", 0.14)
            + figure("ko", 250, 470, 190, "run", -1, props=cut_bag(18, -62, 0.16, 10))
            + figure("yo", 470, 478, 205, "run", -1, props=cut_bag(18, -62, 0.16, -10, "#5CB85C") + watch)
            + speed_lines(80, 300, 20, 300, 420, seed=9, opacity=0.4) + leaves)

# Route 2: Hotaru ------------------------------------------------------------------------

ARM = "#2F3E66"  # Hotaru's navy arm covers
KEY_COLOUR = "#5E6AA8"  # the film's key colour, the one that is discontinued


def paint_table(y=380):
    """The near edge of the long painting table, jars along it."""
    jars = "".join(jar(20 + i * 44, y - 40, 1.1, c) for i, c in
                   enumerate(("#D9534F", "#F0AD4E", "#F7E36A", "#5CB85C", "#4FA3C7", "#337AB7", "#8E6CC4", "#F2A6C0")))
    return outline(-10, y, 660, 140, "#C9B79A", "#6E5E4B", 3) + jars


def notebook(x, y, w, h, rot=0, colours=(), marks=True):
    """Hotaru's colour notebook, open: swatches pasted in rows with pencil marks beside them."""
    inner = [outline(x, y, w, h, "#F8F4EA", "#8A8070", 2), stroke(f"M{x + w / 2} {y} V{y + h}", "#C8C0B0", 2)]
    for i, c in enumerate(colours):
        col, row = i % 2, i // 2
        sx, sy = x + 16 + col * w / 2, y + 16 + row * 44
        inner.append(rect(sx, sy, 36, 30, c) + (stroke(f"M{sx + 44} {sy + 10} h{w / 2 - 76} M{sx + 44} {sy + 20} h{w / 2 - 90}", "#8A8478", 2) if marks else ""))
    return f'<g transform="rotate({rot} {x + w / 2} {y + h / 2})">{"".join(inner)}</g>'


def tracing_machine(x, y, s=1.0):
    """The tracing machine: a grey box with a lit glass bed and a roller."""
    inner = (outline(0, 0, 200, 90, "#B8BCC4", "#4A4E56", 2) + outline(20, -16, 160, 20, "#D8E8F0", "#4A4E56", 2)
             + rect(24, -12, 152, 12, "#F4FAFF") + f'<rect x="10" y="-40" width="180" height="22" rx="11" fill="#6E7276" stroke="#2A2A2E" stroke-width="2"/>'
             + oval(30, 50, 8, 8, "#D9534F") + oval(54, 50, 8, 8, "#F0C040") + rect(120, 40, 60, 20, "#2A2A2E"))
    return f'<g transform="translate({x} {y}) scale({s})">{inner}</g>'


@picture("HOI001", "day", "Hotaru shows how to hold a cel: by its edges, never the painted face")
def hoi001():
    return (blur_back(place(B.paint_room, "day", 1.5, 300, 250)) + bust("ho", "002", 330, 560, 1.1)
            + cel(170, 300, 300, 190, -4) + hand(170, 410, 0.9, 80, sleeve=ARM) + hand(470, 400, 0.9, -80, sleeve=ARM))


@picture("HOI002", "day", "the paint room's red radio among the paint jars, Hotaru working behind them")
def hoi002():
    radio = (outline(360, 250, 200, 120, "#C2543C", "#6E2A1E", 3) + oval(420, 310, 40, 40, "#E9D8C0", "#6E2A1E", 2)
             + "".join(stroke(f"M{396 + k * 8} 290 v40", "#B8A890", 2) for k in range(7))
             + outline(480, 270, 60, 24, "#F4E8C8", "#6E2A1E", 2) + oval(510, 330, 12, 12, "#8A3020", "#6E2A1E", 2)
             + stroke("M380 250 L420 150", "#9A9AA0", 3))
    return (blur_back(place(B.paint_room, "day", 1.6, 200, 240)) + bust("ho", "soft", 200, 520, 0.85)
            + paint_table(380) + radio + "".join(jar(30 + i * 46, 340, 1.5, c) for i, c in enumerate(("#E8A0B0", KEY_COLOUR, "#F4D890", "#8ED0C0")))
            + '<g opacity="0.7">' + "".join(stroke(f"M{560 + k * 14} {230 - k * 14} q10 -10 0 -20", "#6E2A1E", 3) for k in range(3)) + "</g>")


@picture("HOI003", "day", "Yōta's fingerprint on a freshly painted cel, and Hotaru's face")
def hoi003():
    print_ = "".join(f'<ellipse cx="330" cy="260" rx="{6 + k * 5}" ry="{8 + k * 6}" fill="none" stroke="#8A7A6A" stroke-width="2" opacity="0.7" transform="rotate(20 330 260)"/>' for k in range(7))
    return (blur_back(place(B.paint_room, "day", 1.8, 300, 300)) + bust("ho", "006", 540, 520, 0.7)
            + cel(80, 120, 400, 300, 3) + print_ + hand(360, 430, 1.0, -15))


@picture("HOI004", "day", "colour numbers written on her palm, because there was no paper within reach")
def hoi004():
    marks = "".join(stroke(f"M{-18 + (k % 2) * 4} {-24 + k * 9} h{18 + (k * 7) % 10}", "#3A4A8A", 2.5) for k in range(4))
    palm = f'<g transform="translate(480 400) rotate(-15) scale(2.0)">{hand(0, 0, 1.0, 0, sleeve=ARM)}<g>{marks}</g></g>'
    return (blur_back(place(B.paint_room, "day", 1.4, 300, 240)) + bust("ho", "007", 250, 520, 0.95) + palm)


@picture("HOI005", "n", "late at night, Hotaru painting cels alone under the hanging lamp")
def hoi005():
    return (place(B.paint_room, "n", 1.5, 230, 260) + veil("#0A0C1E", 0.35) + lamp_light(330, 150, 300)
            + bust("ho", "001", 330, 500, 0.95) + paint_table(400)
            + cel(230, 360, 200, 60, 0) + hand(300, 440, 0.7, 30, sleeve=ARM)
            + stroke("M300 420 L360 380", "#8A5A3C", 5) + dim_except(330, 260, 260))


@picture("HOI006", "y", "cels drying in the rack, the evening sun coming through them")
def hoi006():
    rack = outline(150, 20, 500, 470, "#B7A58E", "#6E5E4B", 4)
    for r in range(3):
        rack += rect(156, 170 + r * 150, 490, 8, "#6E5E4B")
        for i in range(11):
            rack += cel(170 + i * 42, 40 + r * 150, 34, 126, 0, ("#F28C28", "#8E6CC4", KEY_COLOUR)[(r + i) % 3], glare=False)
    sun = ('<path d="M0 0 L150 0 L640 480 L300 480 Z" fill="#FFC070" opacity="0.28"/>'
           + "".join(f'<path d="M{170 + i * 42} 40 l34 0 l200 440 l-34 0 Z" fill="#FFE0A0" opacity="0.08"/>' for i in range(0, 11, 2)))
    return (rect(0, 0, 640, 480, "#D8C8B0") + B.window(-20, 40, 150, 260, "y", [], "#7C8A80", "#4E5A52", cols=1)
            + rack + sun + bust("ho", "soft", 120, 520, 0.8) + hand(230, 330, 0.7, 60, sleeve=ARM)
            + cel(236, 250, 40, 120, -20, KEY_COLOUR))


@picture("HOI007", "day", "colours named after the weather: swatch cards of sun, cloud, rain and the sky after it")
def hoi007():
    icons = (oval(0, 0, 14, 14, "#FFD23F"), oval(-6, 2, 14, 9, "#FFFFFF") + oval(8, -2, 12, 10, "#FFFFFF"),
             "".join(stroke(f"M{k * 8 - 10} -8 l-4 14", "#5A8AC8", 3) for k in range(4)),
             stroke("M-16 8 a16 16 0 0 1 32 0", "#E86A6A", 3) + stroke("M-11 8 a11 11 0 0 1 22 0", "#F7E36A", 3))
    cards = ""
    for i, (c, icon) in enumerate(zip(("#F7C86A", "#C8CED8", "#7A8EB0", "#B8D8F0"), icons)):
        x = 100 + i * 120
        cards += f'<g transform="rotate({(i - 1.5) * 8} {x + 50} 380)">{swatch(x, 300, 100, 130, c)}<g transform="translate({x + 50} 340)">{icon}</g></g>'
    return blur_back(place(B.paint_room, "day", 1.3, 320, 220)) + bust("ho", "002", 320, 460, 0.8) + cards


@picture("HOI008", "n", "her notebook of colours, every swatch pasted in by hand")
def hoi008():
    colours = ("#E8A0B0", "#F4D890", "#8ED0C0", KEY_COLOUR, "#C9B8E0", "#F28C28", "#7EC4EC", "#A8604A", "#3A4A6A", "#F2E8D0")
    return (place(B.paint_room, "n", 2.0, 200, 330) + veil("#1A1020", 0.35) + lamp_light(320, 200, 320)
            + notebook(90, 90, 460, 250, -4, colours) + hand(480, 400, 1.0, -30, sleeve=ARM)
            + stroke("M470 330 L520 250", "#C89B3C", 6) + vignette())


@picture("HOI009", "y", "dusk at the 夕凪川, Hotaru on the bank in the last of the light")
def hoi009():
    # close on her against the low sun, a road of light on the water behind her: the light is the subject
    rng = random.Random(9)
    road = "".join(stroke(f"M{470 + (rng.random() - 0.5) * (20 + k * 9):.0f} {250 + k * 7} h{14 + k * 3 + rng.random() * 20:.0f}",
                          "#FFE6A8", 3, 'opacity="0.85"') for k in range(18))
    return (place(B.river_bank, "y", 1.5, 480, 240) + veil("#FF7A30", 0.12)
            + B.glow(470, 110, 300) + B.glow(470, 110, 120) + oval(470, 110, 38, 38, "#FFE8B0") + road
            + bust("ho", "soft", 250, 500, 0.95)
            + '<rect width="640" height="480" fill="#FF9A50" opacity="0.08"/>' + vignette())


@picture("HOI010", "n", "the last fireflies of the summer over the river, one resting on Hotaru's hands")
def hoi010():
    return (place(B.river_bank, "n", 1.4, 320, 300) + veil("#050A20", 0.3) + fireflies(26, (0, 60, 640, 360), 10)
            + bust("ho", "soft", 320, 520, 0.95) + hand(290, 470, 0.8, 20, sleeve=ARM) + hand(350, 470, 0.8, -20, sleeve=ARM)
            + firefly(320, 410, 2.0) + vignette())


@picture("HOI011", "n", "Hotaru laughing at her own name among the fireflies")
def hoi011():
    return (place(B.river_bank, "n", 1.2, 420, 280) + veil("#050A20", 0.25) + fireflies(30, (0, 40, 640, 420), 11)
            + bust("ho", "003", 360, 500, 1.0) + fireflies(6, (200, 120, 260, 200), 12, 1.4) + vignette())


@picture("HOI012", "day", "the discontinued colour: the last jar of the film's key colour, nearly empty")
def hoi012():
    catalogue = outline(40, 300, 230, 170, "#FFFFFF", "#8A8478", 2) + "".join(
        rect(54 + (i % 5) * 42, 314 + (i // 5) * 48, 32, 30, c) for i, c in
        enumerate(("#D9534F", "#F0AD4E", "#5CB85C", KEY_COLOUR, "#8E6CC4", "#F2A6C0", "#4FA3C7", "#A8604A", "#2E2E2E", "#C8CED8")))
    cross = stroke("M176 312 l36 36 M212 312 l-36 36", "#D7263D", 4)
    return (blur_back(place(B.paint_room, "day", 1.4, 300, 240)) + bust("ho", "005", 400, 520, 0.95)
            + catalogue + cross + jar(470, 330, 3.4, KEY_COLOUR) + rect(476, 352, 70, 60, "#F4F4F4", 'opacity="0.8"'))


@picture("HOI013", "day", "forty test swatches drying in rows on the studio roof in the Sunday sun")
def hoi013():
    cards = ""
    for i in range(40):
        r, c = i // 8, i % 8
        t = i / 39
        colour = "#%02X%02X%02X" % (int(70 + 60 * t), int(80 + 30 * (1 - t)), int(150 + 40 * t))
        cards += swatch(60 + c * 66 + r * 6, 250 + r * 44, 50, 38, colour, (i * 7) % 9 - 4)
    floor = '<path d="M0 230 H640 V480 H0 Z" fill="#C8C2B6"/>'
    return (place(B.roof, "day", 1.0) + floor + cards + figure("ho", 580, 470, 200, "crouch", -1)
            + stroke("M0 230 H640", "#A8A49C", 3))


@picture("HOI014", "day", "mixing the colour by hand, a spatula on a glass slab, drop by drop")
def hoi014():
    swirl = (oval(320, 380, 120, 40, KEY_COLOUR) + stroke("M220 380 q60 -30 120 0 t100 0", "#8E9AD0", 6)
             + oval(200, 410, 20, 10, "#FFFFFF") + oval(450, 410, 18, 9, "#2A2A6A"))
    return (place(B.roof, "day", 1.5, 320, 200) + outline(80, 330, 480, 150, "#E8F2F6", "#8AA6B8", 3)
            + bust("ho", "009", 340, 360, 0.8) + swirl + hand(430, 400, 0.9, -60, sleeve=ARM)
            + stroke("M400 380 L470 330", "#B8BCC4", 10))


@picture("HOI015", "day", "the colour found: Hotaru holds the one swatch that matches the cel")
def hoi015():
    return (place(B.roof, "day", 1.3, 320, 180) + B.glow(320, 120, 200) + bust("ho", "003", 320, 520, 1.0)
            + swatch(70, 200, 110, 140, KEY_COLOUR, -10) + cel(460, 200, 130, 140, 10, KEY_COLOUR)
            + hand(130, 350, 0.8, 10, sleeve=ARM) + hand(520, 350, 0.8, -10, sleeve=ARM)
            + sparkles(((300, 150, 14), (340, 190, 10), (160, 140, 8))))


@picture("HOI016", "n", "the paint room at two in the morning: the lamps, the racks, one painter still at work")
def hoi016():
    # the clock reads two; of the lamps only the one over her work is on, the rest of the room gone dark
    clock = (oval(440, 96, 22, 22, "#D8D4CA", "#333", 3) + stroke("M440 96 L453 89 M440 96 V79", "#222", 3)
             + oval(440, 96, 2.5, 2.5, "#222"))
    beam = '<path d="M318 214 L376 214 L520 372 L130 372 Z" fill="#FFE8B0" opacity="0.14"/>'
    top = ('<path d="M-10 372 H650 V490 H-10 Z" fill="#A8987A" stroke="#3E362A" stroke-width="2"/>'
           + '<path d="M-10 372 H650" stroke="#C8B898" stroke-width="3"/>')
    lying = '<g transform="translate(300 420) scale(1 0.45) rotate(-6)">' + cel(-110, -70, 220, 140, 0, KEY_COLOUR) + "</g>"
    return (place(B.paint_room, "n", 1.35, 300, 250) + veil("#0A0C1E", 0.3) + clock
            + bust("ho", "down", 250, 480, 0.7) + top + lying + beam
            + hand(318, 392, 0.5, 160, sleeve=ARM, grip=True) + stroke("M322 404 L312 428", "#8A5A3C", 4)
            + B.glow(347, 214, 46) + lamp_light(320, 300, 150) + dark_around(300, 300, 360) + vignette())


@picture("HOI017", "n", "tired eyes: Hotaru tips her head back for the eye drops")
def hoi017():
    drops = (f'<g transform="rotate(160 290 140)">{outline(270, 80, 40, 70, "#F4F4F4", "#7A8A96", 2)}'
             f'{rect(270, 100, 40, 30, "#7EC4EC")}{poly(((280, 80), (300, 80), (290, 56)), "#FFFFFF", "#7A8A96", 2)}</g>'
             + oval(290, 196, 4, 6, "#CDEBFA", "#4E8AB8", 1.5))
    return (place(B.paint_room, "n", 1.6, 320, 240) + veil("#0A0C1E", 0.3) + lamp_light(320, 100, 280)
            + bust("ho", "008", 320, 500, 1.0, rot=-8) + drops + hand(250, 90, 0.8, 200, sleeve=ARM) + vignette())


@picture("HOI018", "n", "asleep on her folded arms at the painting table, a cel half done")
def hoi018():
    arms = ('<path d="M120 420 Q320 360 540 420 L560 470 Q320 430 100 470 Z" fill="#2F3E66" stroke="#151E3A" stroke-width="3"/>')
    return (place(B.paint_room, "n", 1.6, 300, 300) + veil("#0A0C1E", 0.35) + lamp_light(400, 180, 280)
            + outline(-10, 400, 660, 100, "#C9B79A", "#6E5E4B", 3)
            + bust("ho", "asleep", 300, 440, 0.75, rot=-62) + arms + cel(460, 360, 140, 60, 8) + vignette())


@picture("HOI019", "n", "Yōta takes over the tracing machine; Hotaru watches from behind him")
def hoi019():
    return (place(B.paint_room, "n", 1.4, 300, 240) + veil("#0A0C1E", 0.25) + bust("ho", "006", 460, 420, 0.65)
            + tracing_machine(130, 360, 1.9) + B.glow(320, 330, 110) + yota_back(260, 560, 1.0, -6)
            + hand(380, 360, 0.8, -40))


@picture("HOI020", "n", "her pride: Hotaru will not give up the brush, and means it")
def hoi020():
    brush = stroke("M440 300 L520 120", "#8A5A3C", 8) + poly(((516, 128), (528, 124), (536, 96), (526, 90)), "#2A2A2A", "#111", 1)
    return (place(B.paint_room, "n", 1.5, 300, 240) + veil("#0A0C1E", 0.3) + lamp_light(320, 140, 260)
            + bust("ho", "firm", 320, 500, 1.05) + brush + hand(450, 320, 0.9, -20, sleeve=ARM, grip=True) + vignette())


@picture("HOI021", "n", "the cel rack full at last, every slot holding a painted cel")
def hoi021():
    rack = ""
    for r in range(6):
        for i in range(18):
            rack += cel(40 + i * 32, 40 + r * 66, 26, 56, 0, ("#F28C28", "#8E6CC4", KEY_COLOUR, "#D9534F")[(r + i) % 4], glare=False)
    return (rect(0, 0, 640, 480, "#3A3024") + outline(20, 20, 600, 420, "#8A7860", "#4E3E2E", 4) + rack
            + "".join(rect(24, 96 + r * 66, 592, 6, "#4E3E2E") for r in range(6)) + lamp_light(320, 240, 420)
            + figure("ho", 520, 490, 210, "stand", -1, "back") + figure("yo", 610, 500, 230, "stand", -1, "back"))


@picture("HOI022", "n", "the last cel of the film: one stroke of the brush left")
def hoi022():
    return (rect(0, 0, 640, 480, "#1A1620") + lamp_light(320, 240, 380) + outline(-10, 330, 660, 160, "#C9B79A", "#6E5E4B", 3)
            + cel(140, 120, 360, 260, 0, KEY_COLOUR) + hand(420, 330, 1.0, -40, sleeve=ARM, grip=True)
            + stroke("M360 270 L430 300", "#8A5A3C", 7) + oval(356, 268, 6, 4, KEY_COLOUR) + vignette())


@picture("HOI023", "n", "Yōta holds the lamp while Hotaru paints the last cel")
def hoi023():
    lamp = (stroke("M520 480 L470 140", "#5A5A5A", 6) + poly(((430, 150), (510, 150), (490, 110), (450, 110)), "#F4E6C4", "#8E7F60", 2)
            + hand(490, 300, 1.0, -10))
    return (rect(0, 0, 640, 480, "#141222") + lamp_light(420, 220, 380) + bust("ho", "down", 300, 520, 1.0)
            + outline(-10, 420, 660, 80, "#C9B79A", "#6E5E4B", 3) + cel(170, 396, 220, 70, 0, KEY_COLOUR)
            + hand(350, 470, 0.7, -40, sleeve=ARM, grip=True) + stroke("M330 440 L290 420", "#8A5A3C", 5) + lamp + vignette())


@picture("HOSS01", "day", "the paint room by day: sun through the windows, jars, racks of cels")
def hoss01():
    return place(B.paint_room, "day", 1.0) + '<path d="M40 190 L190 190 L320 480 L60 480 Z" fill="#FFFFFF" opacity="0.18"/>'


@picture("HOSS02", "n", "the paint room at night, lamps over the table and the radio on")
def hoss02():
    return place(B.paint_room, "n", 1.0) + lamp_light(120, 260, 160) + lamp_light(320, 260, 160) + vignette()


@picture("HOE001", "y", "a new colour in her notebook, a summer evening's orange, named for the day he arrived")
def hoe001():
    return (blur_back(place(B.roof, "y", 1.3, 320, 200)) + bust("ho", "002", 420, 520, 0.9)
            + notebook(20, 290, 300, 200, -6, ("#F28C28", "#FFB070", "#E8A0B0"), marks=True)
            + swatch(190, 300, 100, 126, "#FF9A40", 8) + sparkles(((300, 290, 14), (180, 300, 9)))
            + hand(300, 450, 0.8, -30, sleeve=ARM))


# Route 3: Yuzuka ------------------------------------------------------------------------

NURSE = "#F6D6DC"  # her trainee uniform


def yuzuka_nurse():
    """Yuzuka in her pale pink trainee uniform, a nurse's watch pinned on the breast."""
    p = P.yuzuka()
    p["outfit"] = (P.shape(P.TORSO, NURSE, "#B88890")
                   + P.shape("M286 314 L320 350 L300 362 L272 322 Z", "#FFFFFF", "#B88890")
                   + P.shape("M354 314 L320 350 L340 362 L368 322 Z", "#FFFFFF", "#B88890")
                   + stroke("M320 350 V480", "#B88890", 2.5)
                   + stroke("M360 392 l10 10", "#8A8A8A", 2) + oval(372, 410, 11, 11, "#FFFFFF", "#8A8A8A", 2.5)
                   + stroke("M372 410 V403 M372 410 l5 3", "#333", 1.5))
    return p


def yuzu_jar(x, y, s=1.0):
    """A jar of yuzu-honey: gold syrup, slices of yuzu, a gingham cap."""
    inner = (f'<rect x="0" y="0" width="60" height="76" rx="12" fill="#F4C040" fill-opacity="0.9" stroke="#8A6A1A" stroke-width="2"/>'
             + "".join(oval(18 + (k % 2) * 24, 22 + k * 16, 12, 12, "#FFE680", "#D8A020", 2) + stroke(f"M{18 + (k % 2) * 24} {10 + k * 16} v24 M{6 + (k % 2) * 24} {22 + k * 16} h24", "#F4C040", 1.5)
                       for k in range(3))
             + rect(8, 6, 8, 60, "#FFFFFF", 'opacity="0.35"')
             + f'<rect x="-4" y="-12" width="68" height="16" rx="4" fill="#E8402E" stroke="#8A2A1E" stroke-width="2"/>'
             + "".join(rect(-4 + k * 8.5, -12, 4, 16, "#FFFFFF", 'opacity="0.6"') for k in range(8)))
    return f'<g transform="translate({x} {y}) scale({s})">{inner}</g>'


def goldfish(x, y, s=1.0, rot=0, colour="#F2682A"):
    inner = (oval(0, 0, 14, 8, colour, P.dark(colour, 0.6), 1.5) + poly(((12, 0), (26, -9), (22, 0), (26, 9)), colour, P.dark(colour, 0.6), 1.5)
             + oval(-7, -2, 2, 2, "#1A1A1A"))
    return f'<g transform="translate({x} {y}) rotate({rot}) scale({s})">{inner}</g>'


def ward_room(time):
    """A ward room: the bed by the window, the drip stand, a bedside table."""
    late = []
    out = [rect(0, 0, 640, 480, "#F0EEE6"), rect(0, 360, 640, 120, "#C8D0C8")]
    out.append(B.window(330, 40, 280, 200, time, late, "#C8CCD0", "#8A9096", cols=2))
    out.append('<path d="M320 30 h40 c-6 80 6 160 -2 230 h-40 Z" fill="#DDE8E0" stroke="#9AA8A0" stroke-width="2"/>')
    out.append(stroke("M580 470 V140 M560 470 h40", "#9AA0A6", 4) + f'<rect x="570" y="142" width="20" height="34" rx="4" fill="#E8F2F8" stroke="#8AA6B8" stroke-width="1.5"/>')
    out.append(outline(20, 300, 90, 180, "#D8CCB4", "#8A7E66") + outline(30, 280, 40, 20, "#F4F1EA", "#8A8476", 1.5))
    return B.finish(out, time, late, cool=((320, 20, 200),))


def hospital_bed(y=330):
    return (outline(60, y, 520, 40, "#E8ECEF", "#8A9096", 2) + outline(560, y - 140, 16, 240, "#C8CCD0", "#7A8088", 2)
            + f'<path d="M100 {y + 10} Q320 {y - 40} 560 {y + 10} V{y + 100} H100 Z" fill="#FFFFFF" stroke="#A8B0B8" stroke-width="2"/>'
            + stroke(f"M100 {y + 40} Q320 {y} 560 {y + 40}", "#DCE4EA", 3))


@picture("YUI001", "day", "Yuzuka lectures the drawing room on posture, finger raised, an animator hunched at his desk")
def yui001():
    return (place(B.drawing_room, "day", 1.3, 200, 280) + figure("an", 160, 470, 190, "bend", 1)
            + bust("yu", "bossy", 440, 500, 1.0) + hand(540, 300, 0.9, 10) + sparkles(((560, 220, 10),)))


@picture("YUI002", "day", "jars of yuzu-honey drink brought for the studio, Yuzuka pouring a glass")
def yui002():
    glass = outline(430, 360, 60, 90, "#FFF4C2", "#8A8A8A", 2) + rect(432, 390, 56, 58, "#F4C040", 'opacity="0.8"')
    return (blur_back(place(B.office, "day", 1.4, 320, 220)) + bust("yu", "002", 320, 500, 0.95)
            + outline(-10, 420, 660, 80, "#B98E62", "#6E5238", 3)
            + yuzu_jar(60, 340, 1.1) + yuzu_jar(150, 350, 0.9) + yuzu_jar(520, 344, 1.0) + glass)


@picture("YUI003", "n", "goldfish scooping at the night market: she has three, his paper scoop is torn")
def yui003():
    tub = (f'<ellipse cx="320" cy="430" rx="340" ry="90" fill="#3A8AC8" stroke="#1E4E7A" stroke-width="6"/>'
           + oval(320, 430, 320, 78, "url(#water)") + "".join(goldfish(80 + (k * 97) % 480, 400 + (k * 37) % 60, 1.0, k * 40 % 360, ("#F2682A", "#E8402E", "#FFFFFF")[k % 3]) for k in range(12)))
    poi = (oval(0, 0, 30, 30, "#FFFFFF", "#E8402E", 4) + stroke("M0 30 V90", "#E8402E", 6))
    bag = (f'<path d="M470 250 q-40 60 0 120 h60 q40 -60 0 -120 Z" fill="#CDEBFA" fill-opacity="0.7" stroke="#8AB8D8" stroke-width="2"/>'
           + goldfish(500, 320, 0.8, 20) + goldfish(490, 340, 0.7, -30, "#E8402E") + goldfish(510, 300, 0.7, 190) + stroke("M480 250 h40", "#E8402E", 4))
    return (place(B.shopping_street, "n", 1.4, 320, 200) + bust("yu", "003", 300, 420, 0.85) + tub
            + f'<g transform="translate(160 280) rotate(-20)">{poi}</g>' + bag
            + f'<g transform="translate(420 420) rotate(30)">{oval(0, 0, 30, 30, "none", "#E8402E", 4)}{stroke("M-20 -10 q20 10 30 30", "#FFFFFF", 3)}{stroke("M0 30 V90", "#E8402E", 6)}</g>')


@picture("YUI004", "y", "stock-taking in the art-supply shop, Yuzuka with the ledger among the boxes")
def yui004():
    boxes = outline(40, 380, 120, 100, "#D2AE7A", "#8A6B3F") + outline(470, 370, 140, 110, "#C9A46C", "#8A6B3F") + outline(500, 300, 90, 70, "#D2AE7A", "#8A6B3F")
    ledger = outline(250, 380, 150, 100, "#2E4A6E", "#1A2A40", 2) + outline(258, 386, 134, 88, "#F8F4EA", "#8A8070", 1.5) + "".join(
        stroke(f"M266 {400 + k * 12} h{60 + (k * 13) % 50}", "#8A8478", 2) for k in range(6))
    return place(B.art_shop, "y", 1.1, 320, 250) + bust("yu", "001", 320, 500, 0.9) + boxes + ledger + hand(380, 460, 0.7, -30) + stroke("M380 420 L420 380", "#C89B3C", 5)


@picture("YUI005", "day", "Sunday delivery on foot: the two of them carry the rush order down the shopping street")
def yui005():
    box = outline(4, -76, 30, 22, "#D2AE7A", "#8A6B3F", 1.2)
    return (place(B.shopping_street, "day", 1.0) + figure("yu", 250, 450, 170, "carry", 1, props=box)
            + figure("yo", 380, 470, 190, "carry", 1, props=box + outline(6, -96, 26, 20, "#C9A46C", "#8A6B3F", 1.2)))


@picture("YUI006", "day", "the first day of practice: Yuzuka in her pale pink trainee uniform in the ward corridor")
def yui006():
    return (blur_back(place(B.ward_corridor, "day", 1.2, 320, 240)) + bust("yu", "007", 320, 500, 1.0, parts=yuzuka_nurse())
            + veil("#FFFFFF", 0.05))


@picture("YUI007", "day", "the director in his hospital bed, working on a storyboard he was told to put down")
def yui007():
    gown = {"#6B4F2A": "#B8CCE0", P.light("#6B4F2A", 0.2): "#D0DEEA", "#F2C230": "#B8CCE0"}
    boards = "".join(f'<g transform="rotate({-10 + k * 8} {360 + k * 60} 330)">{B.storyboard(340 + k * 60, 290)}</g>' for k in range(3))
    return (ward_room("day") + bust("to", "002", 300, 440, 0.7, recolour=gown) + hospital_bed(360) + boards
            + bust("yu", "004", 560, 500, 0.6, parts=yuzuka_nurse()))


@picture("YUI008", "y", "the hospital roof at dusk, among the drying sheets, where Yuzuka admits she was scared")
def yui008():
    return (place(B.hospital_roof, "y", 1.2, 400, 250) + bust("yu", "down", 270, 500, 1.0, parts=yuzuka_nurse())
            + B.glow(520, 230, 120) + vignette())


@picture("YUI009", "n", "Yuzuka brings the discharged director back to the studio for the last night, its windows lit")
def yui009():
    return (place(B.studio_street, "n", 1.2, 300, 300) + B.glow(320, 360, 120)
            + figure("to", 330, 470, 190, "stand", 1, "back") + figure("yu", 262, 472, 170, "support", 1, "back"))


@picture("YUSS01", "y", "the shopping street in the evening, the awnings and the first lamps")
def yuss01():
    return place(B.shopping_street, "y", 1.0) + veil("#FF9A50", 0.08)


@picture("YUSS02", "y", "the ward corridor at dusk, quiet between rounds")
def yuss02():
    return place(B.ward_corridor, "y", 1.0) + '<path d="M260 140 L380 140 L520 480 L120 480 Z" fill="#FFB070" opacity="0.18"/>' + vignette()


@picture("YUE001", "y", "an autumn evening on the shopping street: her shop's lamp lit, the studio van waiting")
def yue001():
    leaves = "".join(oval(random.Random(k).random() * 640, random.Random(k + 99).random() * 480, 5, 3, ("#E8842E", "#C8402E", "#F2C230")[k % 3],
                          extra=f'transform="rotate({k * 37} 320 240)"') for k in range(30))
    shop = (outline(40, 120, 330, 300, "#E6DCC8", "#7A6E5E", 2) + B.pane(70, 230, 270, 170, "n", True, [], "#6E5238")
            + outline(70, 230, 270, 170, "#FFD98A", "#6E5238", 2) + poly(((20, 230), (390, 230), (370, 190), (40, 190)), "#F4D03F", "#A8861A", 2)
            + "".join(rect(60 + k * 40, 190, 20, 40, "#FFFFFF", 'opacity="0.5"') for k in range(8))
            + "".join(rect(80 + k * 34, 250 + (k % 3) * 40, 22, 110, B.hue(k / 8, 0.4), 'opacity="0.55"') for k in range(8))
            + stroke("M330 150 l40 0 v40", "#4E5258", 4) + oval(370, 200, 12, 16, "#FFF4C2", "#4E5258", 2) + B.glow(370, 204, 70))
    return (place(B.shopping_street, "y", 1.0) + veil("#C86A3A", 0.15) + shop + van(370, 340, "y", 1.0)
            + figure("yu", 200, 440, 150, "wave", 1, "front") + leaves)


# Route 4: Reina ------------------------------------------------------------------------

HEADPHONES = (stroke("M236 200 C226 60 414 60 404 200", "#2A2A2E", 10)
              + '<rect x="222" y="184" width="30" height="62" rx="12" fill="#3A3A40" stroke="#111" stroke-width="3"/>'
              + '<rect x="388" y="184" width="30" height="62" rx="12" fill="#3A3A40" stroke="#111" stroke-width="3"/>')


def microphone(x, y, s=1.0):
    """A studio microphone on its arm with a round pop filter in front."""
    inner = (stroke("M0 0 L0 -120 L40 -160", "#3A3A3E", 6) + '<rect x="28" y="-230" width="36" height="80" rx="18" fill="#8A8A90" stroke="#333" stroke-width="2"/>'
             + "".join(stroke(f"M32 {-220 + k * 10} h28", "#6E6E74", 1.5) for k in range(6))
             + oval(-10, -190, 40, 40, "#2A2A2E", "#111", 3, 'fill-opacity="0.35"') + stroke("M-10 -150 L10 -130", "#333", 3))
    return f'<g transform="translate({x} {y}) scale({s})">{inner}</g>'


def script_book(x, y, w, h, rot=0, cover="#E8E2D0"):
    """A recording script: a bound booklet, open, lines of dialogue as grey bars."""
    inner = (outline(x, y, w, h, "#FBF8F0", "#8A8070", 2) + stroke(f"M{x + w / 2} {y} V{y + h}", "#C8C0B0", 2)
             + "".join(stroke(f"M{x + 10 + (k // 7) * w / 2} {y + 14 + (k % 7) * (h - 24) / 7:.0f} h{w / 2 - 24 - (k * 11) % 20}", "#9A948A", 2) for k in range(14))
             + rect(x - 4, y - 4, w / 2, 6, cover))
    return f'<g transform="rotate({rot} {x + w / 2} {y + h / 2})">{inner}</g>'


def booth(time="day"):
    """Inside 音蔵スタジオ's booth: the acoustic panels, the picture on the screen."""
    return place(B.otokura, "day", 2.2, 320, 160)


@picture("REI001", "day", "moving day: Yōta carries the boxes up five floors while the elegant stranger directs")
def rei001():
    stack = "".join(outline(2, -84 - k * 18, 34, 18, ("#D2AE7A", "#C9A46C")[k % 2], "#8A6B3F", 1.2) for k in range(4))
    return (place(B.apartment, "day", 1.2, 420, 300) + figure("yo", 230, 470, 220, "carry", 1, props=stack)
            + bust("re", "001", 500, 500, 0.75) + hand(570, 330, 0.7, 30) + P.sweat(220, 180))


@picture("REI002", "day", "Reina in the recording booth, headphones on, the script in her hand at the microphone")
def rei002():
    return (booth() + bust("re", "001", 380, 520, 0.95, over=HEADPHONES) + microphone(190, 520, 1.4)
            + script_book(380, 360, 200, 110, -8) + hand(400, 440, 0.7, 20) + vignette())


@picture("REI003", "n", "reading the other parts with her at night: two scripts, one lamp")
def rei003():
    return (place(B.apartment, "n", 1.6, 420, 240) + veil("#101A44", 0.2) + lamp_light(450, 150, 260)
            + bust("re", "001", 420, 500, 0.9) + script_book(330, 360, 180, 100, 6)
            + yota_back(120, 560, 0.9, -4) + script_book(20, 330, 160, 90, -14) + vignette())


@picture("REI004", "n", "her first smile, small and surprised at itself, because his reading was so bad")
def rei004():
    return (blur_back(place(B.apartment, "n", 1.6, 450, 200)) + lamp_light(470, 150, 320)
            + bust("re", "soft", 330, 560, 1.25) + sparkles(((160, 160, 10), (520, 300, 8))) + vignette())


@picture("REI005", "y", "the aquarium at evening: Reina before the great tank, lit blue, talking about fear")
def rei005():
    return (place(B.aquarium, "y", 1.15, 360, 230) + bust("re", "down", 420, 520, 0.9, recolour={"#FAFAFA": "#C8DCEC"}) + veil("#1A4A8A", 0.2)
            + yota_back(140, 560, 0.8) + veil("#0A2A5A", 0.1) + vignette())


@picture("REI006", "day", "the voice breaks in the middle of the climax line; the script slips, the session stops")
def rei006():
    throat = f'<g transform="translate(300 400)">{hand(0, 0, 0.9, 15)}</g>'
    pages = paper(60, 380, 120, 90, -30) + paper(470, 400, 110, 80, 24)
    return (booth() + veil("#3A0A10", 0.15) + oval(600, 30, 14, 14, "#D9342E") + B.glow(600, 30, 50)
            + bust("re", "wince", 340, 520, 1.05, over=HEADPHONES + throat) + pages + microphone(120, 480, 1.2) + vignette())


@picture("REI007", "n", "after hours: from the dark control room, Reina alone at the microphone under one light")
def rei007():
    return (place(B.otokura, "day", 1.0) + veil("#050818", 0.6)
            + '<rect x="106" y="66" width="428" height="198" fill="#2A2A40"/>' + lamp_light(320, 130, 150)
            + figure("re", 300, 262, 130, "stand", 1, "side") + stroke("M340 262 V150 L330 140", "#3A3A3E", 3)
            + f'<rect x="326" y="118" width="10" height="20" rx="5" fill="#8A8A90"/>' + veil("#050818", 0.15)
            + yota_back(480, 600, 1.0, 4))


@picture("REI008", "n", "the sisters' dinner: curry on the low table, Reina and Nanoka laughing together")
def rei008():
    curry = "".join(oval(x, 430, 70, 22, "#FFFFFF", "#9A9A9A", 2) + oval(x + 10, 428, 44, 14, "#C88A2A") + oval(x - 20, 426, 22, 10, "#FFFFF0")
                    for x in (180, 460))
    return (place(B.apartment, "n", 1.4, 420, 220) + lamp_light(450, 130, 280)
            + bust("na", "003", 200, 430, 0.8) + bust("re", "002", 450, 440, 0.8)
            + outline(-10, 400, 660, 90, "#A0784F", "#5E4630", 3) + curry)


@picture("REI009", "day", "from the last row: the flip-book bumper on the screen, the three of them watching")
def rei009():
    flip = (rect(130, 60, 380, 200, "#F8F6EE") + stroke("M260 220 q20 -60 40 -70 l30 10 l30 -40 M300 150 l-30 40 M330 160 l20 50 M320 120 a14 14 0 1 0 1 0", "#4A4A4A", 3)
            + outline(350, 160, 40, 30, "none", "#4A4A4A", 2) + stroke("M150 240 h340", "#9A9A9A", 2))
    heads = (f'<g transform="translate(160 500) scale(1.05)">{back_head("re")}</g>' + f'<g transform="translate(330 500) scale(1.15)">{back_head("yo")}</g>'
             + f'<g transform="translate(500 500) scale(1.0)">{back_head("na")}</g>')
    return place(B.preview_theatre, "day", 1.0) + flip + veil("#0A0810", 0.3) + heads


def back_head(who):
    """Head and shoulders from behind, for people sitting in front of us; origin under the shoulders."""
    L = LOOKS[who]
    hair = L["hair"]
    long_ = {"re": 120, "na": 60}.get(who, 0)
    return (f'<path d="M-90 0 C-86 -70 -50 -90 0 -92 C50 -90 86 -70 90 0 Z" fill="{L["top"]}" stroke="#222" stroke-width="3"/>'
            + oval(0, -140, 46, 52, hair, "#111", 3)
            + (f'<path d="M-46 -140 L-50 {-140 + long_} L50 {-140 + long_} L46 -140 Z" fill="{hair}" stroke="#111" stroke-width="3"/>' if long_ else ""))


@picture("RESS01", "day", "the recording studio with the lights down, the booth glowing, the red lamp on")
def ress01():
    return (place(B.otokura, "day", 1.0) + veil("#0A0818", 0.45) + '<rect x="106" y="66" width="428" height="198" fill="#FFE8B0" opacity="0.25"/>'
            + oval(120, 80, 8, 8, "#FF3A2E") + B.glow(120, 80, 40) + vignette())


@picture("RESS02", "n", "the sisters' balcony at night, the town's lights below")
def ress02():
    # closer than the background, onto the rail and the lit train waiting below
    return place(B.himi_balcony, "n", 1.25, 380, 270) + vignette()


@picture("REE001", "n", "the black phone on the studio desk at night, its answering machine blinking a message")
def ree001():
    phone = ('<path d="M170 380 l24 -90 h240 l24 90 Z" fill="#1E1C1E" stroke="#000" stroke-width="3"/>'
             '<rect x="180" y="230" width="270" height="60" rx="30" fill="#1E1C1E" stroke="#000" stroke-width="3"/>'
             + oval(314, 330, 40, 30, "#3C3A3C", "#555", 2) + "".join(oval(314 + 26 * math.cos(a), 330 + 20 * math.sin(a), 5, 5, "#E8E8E8")
                                                                       for a in (k * math.tau / 10 for k in range(10))))
    machine = (outline(470, 330, 150, 60, "#3A3A40", "#111", 2) + outline(490, 344, 60, 30, "#2A2A2E", "#555", 1.5)
               + oval(505, 359, 6, 6, "#8A8A8A") + oval(535, 359, 6, 6, "#8A8A8A") + oval(592, 350, 6, 6, "#FF3A2E") + B.glow(592, 350, 40))
    return (place(B.office, "n", 2.2, 400, 320) + veil("#0A0C22", 0.45) + outline(-10, 380, 660, 110, "#9C7550", "#5E4630", 3)
            + phone + machine + hand(560, 470, 1.0, -50) + dim_except(420, 340, 250))


# Route 5: Nanoka -----------------------------------------------------------------------

BLOUSE, SUNDAY_DRESS, STRAW = "#A8D8C8", "#BFD9F2", "#F7E3A1"
SUNDAY = {BLOUSE: SUNDAY_DRESS}
# her Sunday straw hat, in the portrait's own coordinates (face 86..298, centred on 320)
STRAW_HAT = (oval(320, 134, 150, 30, STRAW, "#B89A4A", 3) + '<path d="M228 132 Q228 52 320 50 Q412 52 412 132 Z" fill="#F7E3A1" stroke="#B89A4A" stroke-width="3"/>'
             + '<path d="M229 112 Q320 100 411 112 L412 130 Q320 120 228 130 Z" fill="#7EB8D8" stroke="#4E88A8" stroke-width="2"/>'
             + stroke("M250 146 Q320 160 390 146", "#D8C078", 2))


def flip_book(x, y, s=1.0, rot=0, fanned=True, seed=1):
    """One of her flip books: a stub of pages bound with a clip, the corners fanned, a boy running drawn on the top page."""
    inner = []
    if fanned:
        for k in range(6, 0, -1):
            inner.append(f'<g transform="rotate({-k * 3.5} -40 30)">{outline(-40, -30, 80, 60, "#FBF8F0", "#A59C8E", 1)}</g>')
    inner.append(outline(-40, -30, 80, 60, "#FBF8F0", "#8A8070", 1.5))
    rng = random.Random(seed)
    stride = rng.choice((-1, 1))
    inner.append(oval(6, -12, 5, 5.5, "none", PENCIL, 1.4)
                 + stroke(f"M6 -6 l-2 12 M4 6 l{8 * stride} 10 M4 6 l{-8 * stride} 9 M5 -2 l10 -4 M5 -2 l-9 4", PENCIL, 1.4)
                 + stroke("M-30 20 H34", PENCIL, 0.8, 'opacity="0.6"') + stroke("M-24 -6 h-8 M-26 0 h-10", PENCIL, 1, 'opacity="0.6"'))
    inner.append(rect(-44, -30, 8, 60, "#C8CCD4") + rect(-42, -26, 4, 52, "#9AA0A8"))
    return f'<g transform="translate({x} {y}) rotate({rot}) scale({s})">{"".join(inner)}</g>'


def stair_steps(y0, colour="#C8C2B6"):
    return "".join(outline(-10, y0 + k * 44, 660, 46, P.dark(colour, 1 - k * 0.03), "#8A8478", 2) + rect(-10, y0 + k * 44, 660, 6, "#E0DCD2")
                   for k in range(6))


@picture("NAI001", "day", "the dropped flip book: on the station stairs, a boy running in the corner of its pages; its owner frozen above")
def nai001():
    return (blur_back(place(B.station_front, "day", 1.6, 320, 230), 4) + stair_steps(250)
            + bust("na", "006", 470, 330, 0.6) + flip_book(300, 380, 2.2, -14) + hand(200, 470, 1.0, 30)
            + sparkles(((380, 300, 10),)))


@picture("NAI002", "day", "the river bank under the bridge on a Sunday: Nanoka in her straw hat on the steps, in the shade")
def nai002():
    return (place(B.under_bridge, "day", 1.2, 320, 300) + bust("na", "001", 220, 520, 0.9, recolour=SUNDAY, over=STRAW_HAT)
            + flip_book(420, 440, 1.0, 8) + flip_book(500, 452, 1.0, -10, False, 2) + vignette())


@picture("NAI003", "day", "the flip books one by one: she thumbs the pages and the boy runs")
def nai003():
    run = "".join(stroke(f"M{380 + k * 14} {200 - k * 6} q10 -10 20 0", "#FFFFFF", 3, 'opacity="0.7"') for k in range(4))
    return (blur_back(place(B.under_bridge, "day", 1.6, 320, 280), 4) + bust("na", "007", 320, 520, 1.0, recolour=SUNDAY, over=STRAW_HAT)
            + flip_book(320, 400, 2.6, -4, True, 3) + hand(200, 440, 0.9, 40, sleeve=SUNDAY_DRESS) + hand(440, 430, 0.9, -50, sleeve=SUNDAY_DRESS)
            + run + sparkles(((520, 150, 10), (140, 170, 8))))


@picture("NAI004", "day", "caught in the drawing room: Nanoka at an empty desk, and the animation director in the doorway")
def nai004():
    return (place(B.drawing_room, "day", 1.5, 260, 280) + bust("na", "006", 230, 500, 0.9)
            + outline(-10, 420, 420, 70, "#B98E62", "#6E5238", 3) + paper(80, 390, 150, 60, -6)
            + bust("mi", "009", 520, 480, 0.8, parts=P.michiru()) + P.sweat(300, 170))


@picture("NAI005", "day", "her first in-betweens on the light box: the page Michiru gave her, and the pencil in her hand")
def nai005():
    disc = '<ellipse cx="320" cy="420" rx="250" ry="70" fill="#F4FAFF" stroke="#8AA6B8" stroke-width="3"/>'
    pages = (f'<g transform="translate(320 420) scale(1 0.34)">{paper(-130, -170, 260, 320, 0)}'
             + stroke("M-60 60 q40 -120 100 -60", PENCIL, 4) + stroke("M-50 80 q44 -110 104 -40", "#8A8E96", 3) + "</g>")
    return (place(B.drawing_room, "day", 1.8, 300, 260) + bust("na", "intent", 320, 420, 0.85) + outline(-10, 380, 660, 110, "#B98E62", "#6E5238", 3)
            + disc + pages + B.glow(320, 420, 150) + hand(400, 430, 0.6, -30, sleeve=BLOUSE, grip=True) + stroke("M390 410 L360 436", "#F2C230", 5))


@picture("NAI006", "n", "the quarrel talked out until dawn: the sisters on the balcony as the sky goes pale, Nanoka's head on Reina's shoulder")
def nai006():
    return (place(B.himi_balcony, "n", 1.3, 360, 250) + dawn(0.55) + B.glow(520, 230, 200)
            + bust("re", "soft", 250, 520, 0.9) + bust("na", "asleep", 410, 540, 0.85, rot=-14) + vignette())


@picture("NASS01", "day", "the cram-school bag left on the steps, flip books spilling out of it, the pencil case covered in stickers")
def nass01():
    bag = ('<path d="M150 470 L170 300 L470 300 L490 470 Z" fill="#3E5A8A" stroke="#1E2E4A" stroke-width="3"/>'
           + stroke("M230 300 q90 -90 180 0", "#2E4A7A", 12) + rect(170, 340, 300, 10, "#F2C230"))
    case = outline(440, 400, 170, 50, "#F4F1EA", "#8A8070", 2) + "".join(
        oval(460 + k * 22, 414 + (k % 2) * 18, 9, 8, ("#FF6FA3", "#F2C230", "#7EC4EC", "#C8A0E0", "#FF8A3D", "#8ED0C0", "#F4B8C8")[k]) for k in range(7))
    return (place(B.under_bridge, "day", 1.5, 320, 330) + bag + flip_book(280, 290, 1.4, -20) + flip_book(360, 300, 1.4, 16, False, 4)
            + flip_book(120, 450, 1.3, 30, True, 5) + case)


@picture("NASS02", "n", "the line-test stand at night: the camera looking down on one page of her flip book, under two lamps")
def nass02():
    base = '<path d="M120 400 L520 400 L600 480 L40 480 Z" fill="#4A4E56" stroke="#1E2024" stroke-width="3"/>'
    page = '<path d="M230 410 L410 410 L430 466 L210 466 Z" fill="#FBF8F0" stroke="#A59C8E" stroke-width="2"/>'
    boy = stroke("M318 424 l-4 16 l-12 12 M314 440 l14 10 M316 430 l12 -6 M316 430 l-12 2", PENCIL, 2) + oval(320, 418, 5, 5, "none", PENCIL, 2)
    pegs = rect(290, 404, 60, 6, "#C8CCD4")
    column = outline(500, 60, 22, 340, "#8A8E96", "#3A3E46", 2)
    camera = (outline(260, 150, 250, 70, "#2A2C30", "#0E0E10", 3) + outline(300, 220, 60, 50, "#3A3C40", "#0E0E10", 3)
              + oval(330, 274, 30, 8, "#1A1A1E", "#0E0E10", 2) + rect(480, 170, 40, 24, "#5A5E66"))
    lamps_ = "".join(stroke(f"M{x} 400 L{x + d * 40} 250", "#3A3E46", 5) + poly(((x + d * 40 - 30, 240), (x + d * 40 + 30, 240), (x + d * 40 + 20, 270), (x + d * 40 - 20, 270)), "#6E7276", "#2A2C30", 2)
                     for x, d in ((90, 1), (560, -1)))
    return (rect(0, 0, 640, 480, "#14141C") + lamp_light(320, 430, 260) + base + page + boy + pegs + column + camera + lamps_
            + B.glow(130, 265, 60) + B.glow(520, 265, 60) + dark_around(320, 400, 420))


@picture("NAE001", "day", "Saturday in-between class in the drawing room: Nanoka among the new trainees, pencil going")
def nae001():
    trainees = (f'<g transform="translate(70 520) scale(0.9)">{back_head("an")}</g>'
                f'<g transform="translate(590 520) scale(0.95)">{back_head("yo")}</g>')
    return (place(B.drawing_room, "day", 1.2, 320, 260) + bust("na", "002", 320, 500, 0.85) + outline(-10, 420, 660, 70, "#B98E62", "#6E5238", 3)
            + paper(230, 400, 180, 70, 4) + hand(380, 450, 0.6, -30, sleeve=BLOUSE, grip=True) + stroke("M370 430 L340 456", "#F2C230", 5)
            + trainees + sparkles(((460, 160, 10),)))


# Route 6: Hinako -----------------------------------------------------------------------

def can_coffee(x, y, s=1.0, rot=0):
    """A can of coffee from the store: brown and cream bands, a ring pull, beads of cold on it."""
    inner = (f'<rect x="-20" y="-40" width="40" height="80" rx="6" fill="#8A5A3C" stroke="#3A2418" stroke-width="2"/>'
             + rect(-20, -14, 40, 22, "#F4E8D0") + oval(0, -3, 8, 6, "#C83A2E")
             + oval(0, -40, 20, 5, "#C8CCD4", "#6E727A", 1.5) + oval(6, -41, 6, 2, "#9AA0A8")
             + "".join(oval(-12 + (k * 7) % 24, -30 + k * 9, 1.5, 2.2, "#F4FAFF", extra='opacity="0.8"') for k in range(7)))
    return f'<g transform="translate({x} {y}) rotate({rot}) scale({s})">{inner}</g>'


def director_plush(x, y, s=1.0, rot=0):
    """The crane-game prize that looks like the director: a round body in his brown cardigan, white crew cut, tired eyes."""
    inner = (oval(0, 40, 52, 44, "#6B4F2A", "#3A2A16", 3) + oval(-44, 30, 14, 20, "#6B4F2A", "#3A2A16", 3)
             + oval(44, 30, 14, 20, "#6B4F2A", "#3A2A16", 3) + oval(0, -20, 46, 42, "#F4D6BE", "#8A6A5A", 3)
             + '<path d="M-44 -30 Q-40 -66 0 -66 Q40 -66 44 -30 Q30 -44 0 -46 Q-30 -44 -44 -30 Z" fill="#E8E8E8" stroke="#8A8A8A" stroke-width="3"/>'
             + stroke("M-24 -16 h14 M10 -16 h14", "#3A2A1A", 4) + stroke("M-22 -8 q7 4 12 0 M10 -8 q7 4 12 0", "#A88A9A", 2)
             + stroke("M-8 8 q8 -4 16 0", "#6E3A2A", 3) + oval(-30, 0, 7, 4, "#F2A6A6") + oval(30, 0, 7, 4, "#F2A6A6")
             + rect(-6, 20, 12, 40, "#F2C230", 'opacity="0.9"'))
    return f'<g transform="translate({x} {y}) rotate({rot}) scale({s})">{inner}</g>'


def sketchbook(x, y, w, h, rot=0, drawing=""):
    """A sketchbook open at a page: spiral at the top, a pencil drawing on the page (`drawing`, in page units 0..100)."""
    rings_ = "".join(oval(x + 12 + k * (w - 24) / 11, y, 4, 7, "none", "#6E727A", 2) for k in range(12))
    page = (f'<g transform="translate({x} {y + 8}) scale({w / 100} {(h - 8) / 100})">{drawing}</g>')
    inner = outline(x, y, w, h, "#FBF8F0", "#8A8070", 2) + page + rings_
    return f'<g transform="rotate({rot} {x + w / 2} {y + h / 2})">{inner}</g>'


PENCIL = "#5A5660"

SLEEPER = (stroke("M20 70 Q30 40 50 38 Q72 40 80 62", PENCIL, 1.6) + stroke("M24 54 Q34 22 56 24 Q76 26 80 50 L74 44 L70 52 L64 42 L58 50", PENCIL, 1.6)
           + stroke("M38 56 q6 3 10 0 M58 56 q6 3 10 0 M50 68 q4 2 6 0", PENCIL, 1.4) + stroke("M10 90 Q50 74 92 90", PENCIL, 1.6)
           + stroke("M70 20 l6 -4 l-4 6 l6 -2", PENCIL, 1.2) + stroke("M6 96 H96", PENCIL, 0.8, 'opacity="0.5"'))

STUDIO_SKETCH = (stroke("M10 84 H92 M14 84 V44 H86 V84 M14 44 L22 34 H78 L86 44", PENCIL, 1.6)
                 + "".join(stroke(f"M{20 + k * 16} 54 h10 v10 h-10 Z", PENCIL, 1.2) for k in range(4))
                 + stroke("M40 84 V68 H56 V84", PENCIL, 1.4) + oval(48, 39, 5, 3, "none", "#D9342E", 1.4)
                 + stroke("M62 84 q6 -12 16 -12 q10 0 12 12", PENCIL, 1.2) + stroke("M4 92 q30 -4 60 0 t34 -2", PENCIL, 0.8))


@picture("HII001", "n", "the first dinner at the till: Hinako grins across the counter, his bento in her hands, before he has said a word")
def hii001():
    bento = (outline(250, 352, 150, 80, "#F4F1EA", "#8A8680", 2) + rect(256, 358, 138, 28, "#E8402E", 'opacity="0.85"')
             + oval(290, 404, 22, 14, "#F4E8C8", "#B8A888", 1.5) + oval(350, 404, 26, 14, "#C88A4A", "#8A5A2A", 1.5)
             + rect(252, 384, 146, 4, "#D8D4CC"))
    counter = (outline(-10, 420, 660, 70, "#F4F4F0", "#8A8E92", 2) + rect(-10, 420, 660, 10, "#2E9E6B")
               + rect(-10, 430, 660, 4, "#FFFFFF"))
    register = (outline(470, 300, 130, 90, "#3A3E46", "#1A1E24", 2) + outline(484, 312, 70, 36, "#8ED0C0", "#1A1E24", 1.5)
                + "".join(oval(490 + (k % 4) * 18, 362 + (k // 4) * 12, 5, 4, "#C8CCD4") for k in range(8)))
    return (blur_back(place(B.store, "n", 1.7, 430, 250), 3) + veil("#FFFFFF", 0.06)
            + bust("hi", "bossy", 320, 470, 0.95) + register + counter
            + hand(300, 440, 0.8, 10, sleeve="#2E9E6B") + hand(380, 440, 0.8, -10, sleeve="#2E9E6B") + bento
            + sparkles(((190, 150, 12), (450, 120, 9))))


@picture("HII002", "day", "her day off at the game centre: Hinako holds up the plush she won him, and it looks like the director")
def hii002():
    return (blur_back(place(B.game_centre, "day", 1.4, 200, 230), 3) + veil("#FF6FA3", 0.06)
            + bust("hi", "003", 250, 500, 0.95, recolour={"#2E9E6B": "#FF6FA3"}) + director_plush(470, 250, 1.4, 8)
            + hand(420, 320, 0.8, -30, sleeve="#F4F1EA") + hand(530, 330, 0.8, 30, sleeve="#F4F1EA")
            + sparkles(((560, 130, 14), (400, 140, 9), (600, 330, 8))))


@picture("HII003", "n", "fireworks from the store's roof on festival night, and the old sketchbook she did not mean him to see")
def hii003():
    town = "".join(rect(x, 330 - (x * 37) % 60, 44, 200, "#161C34") for x in range(0, 640, 40))
    lights = "".join(oval((k * 71) % 640, 300 + (k * 13) % 50, 2, 2, "#FFD98A") for k in range(50))
    rail = stroke("M0 372 H640", "#6E747C", 5) + "".join(stroke(f"M{x} 372 V440", "#6E747C", 3) for x in range(10, 640, 40))
    page = (stroke("M20 80 Q30 30 50 30 Q70 30 80 80", PENCIL, 1.4) + stroke("M30 60 l40 0 M50 30 V90", PENCIL, 0.8, 'opacity="0.5"')
            + oval(50, 40, 10, 10, "none", PENCIL, 1.4) + stroke("M10 94 H90", PENCIL, 0.8))
    return (rect(0, 0, 640, 480, "url(#sky)") + firework(160, 110, 100, "#FF6FA3", 31) + firework(470, 90, 70, "#FFD23F", 32)
            + firework(560, 200, 40, "#8EC3FF", 33) + town + lights + veil("#FF8AB0", 0.06)
            + rect(0, 372, 640, 110, "#4A4E56") + rail
            + bust("hi", "007", 330, 520, 1.0)
            + sketchbook(170, 330, 170, 150, -14, page) + hand(190, 440, 0.8, 20, sleeve="#2E9E6B") + hand(320, 430, 0.8, -10, sleeve="#2E9E6B")
            + vignette())


@picture("HII004", "day", "drawing him asleep at the sea: the sketch on her knee, the parasol beyond")
def hii004():
    return (blur_back(place(B.seaside, "day", 1.3, 300, 300), 3)
            + bust("hi", "soft", 470, 520, 0.95, recolour={"#2E9E6B": "#FFB347"})
            + sketchbook(60, 250, 260, 210, -6, SLEEPER) + hand(280, 430, 0.8, -30) + stroke("M262 404 L300 350", "#F2C230", 6)
            + oval(300, 350, 3, 3, PENCIL) + sparkles(((560, 120, 10),)))


@picture("HII005", "y", "dawn at the store after the studio's last night: Hinako holds out a can of coffee, 「おつかれ」")
def hii005():
    return (place(B.store_lot, "y", 1.3, 300, 260) + dawn(0.45)
            + bust("hi", "soft", 320, 500, 1.0) + can_coffee(430, 330, 1.5, -12)
            + hand(440, 370, 1.0, -20, sleeve="#2E9E6B", grip=True) + B.glow(560, 200, 140) + vignette())


@picture("HISS01", "n", "the convenience store at night, its windows the brightest thing on the street")
def hiss01():
    return place(B.store_lot, "n", 1.15, 330, 240) + B.glow(330, 250, 220) + vignette()


@picture("HISS02", "y", "the store's parking lot at dawn, nobody there yet")
def hiss02():
    return place(B.store_lot, "y", 1.0) + dawn(0.5) + '<path d="M0 330 L640 330 L640 480 L0 480 Z" fill="#FFD8B0" opacity="0.12"/>' + vignette()


@picture("HIE001", "y", "the first train on 4 September: Hinako at the open door, her new sketchbook open on a drawing of the studio")
def hie001():
    # the side of the carriage fills the frame; she stands in its open door, the lit car behind her
    side = (rect(0, 10, 640, 470, "#E8E6DC") + rect(0, 330, 640, 26, "#2F5FA8") + rect(0, 318, 640, 8, "#F2C230")
            + outline(-20, 60, 140, 110, "#FFE8A8", "#4A4A50", 3) + outline(520, 60, 140, 110, "#FFE8A8", "#4A4A50", 3)
            + stroke("M0 10 H640", "#4A4A50", 3))
    door = (outline(150, 30, 340, 460, "#C8CCD0", "#4A4A50", 4) + rect(164, 44, 312, 440, "#F4E8C8")
            + outline(190, 70, 110, 150, "#FFE8A8", "#8A8E96", 2) + outline(340, 70, 110, 150, "#FFE8A8", "#8A8E96", 2)
            + stroke("M200 60 V40 M440 60 V40", "#8A8E96", 3))
    return (side + dawn(0.3) + door
            + bust("hi", "002", 270, 500, 0.95, recolour={"#2E9E6B": "#FF8A6A"})
            + sketchbook(370, 300, 190, 160, 8, STUDIO_SKETCH) + hand(380, 460, 0.7, 20) + hand(560, 450, 0.7, -20)
            + sparkles(((560, 80, 12), (120, 160, 9))))


# Route 7: Kasumi -----------------------------------------------------------------------

CARDIGAN = "#EDE6D6"


def barley_tea(x, y, s=1.0):
    """A tall glass of cold barley tea: amber, two cubes of ice, beads of cold on the glass."""
    inner = (f'<path d="M-26 -70 L26 -70 L22 40 L-22 40 Z" fill="#E8F2F6" fill-opacity="0.6" stroke="#8AA6B8" stroke-width="2"/>'
             + '<path d="M-24 -40 L24 -40 L22 38 L-22 38 Z" fill="#B8783A" opacity="0.85"/>'
             + outline(-14, -46, 16, 16, "#F4FAFF", "#B8D0DC", 1.5, 'transform="rotate(12)"') + outline(2, -36, 14, 14, "#F4FAFF", "#B8D0DC", 1.5, 'transform="rotate(-10)"')
             + rect(-20, -64, 6, 96, "#FFFFFF", 'opacity="0.45"')
             + "".join(oval(-16 + (k * 9) % 32, -20 + k * 8, 1.6, 2.4, "#FFFFFF", extra='opacity="0.8"') for k in range(6)))
    return f'<g transform="translate({x} {y}) scale({s})">{inner}</g>'


def receiver(x, y, s=1.0, rot=0, colour="#1E1C1E"):
    """A telephone handset: ear and mouth cups on a curved grip, its coiled cord trailing."""
    inner = (f'<path d="M-60 -8 Q-60 -24 -44 -24 L44 -24 Q60 -24 60 -8 L52 10 Q40 -2 -40 -2 Q-52 10 -52 10 Z" fill="{colour}" stroke="#000" stroke-width="2"/>'
             + oval(-50, 6, 16, 10, colour, "#000", 2) + oval(50, 6, 16, 10, colour, "#000", 2)
             + stroke("M54 14 q4 10 -2 14 q-8 4 -4 12 q6 8 -2 12 q-8 4 -4 12", "#2A2A2A", 3))
    return f'<g transform="translate({x} {y}) rotate({rot}) scale({s})">{inner}</g>'


def key_drawing(x, y, w, h, rot=0, seed=0, action=True):
    """A key animator's drawing: a figure caught mid-leap in confident pencil, arcs and spacing ticks in red and blue."""
    rng = random.Random(seed)
    lean = rng.randint(-20, 20)
    inner = [outline(0, 0, 100, 130, "#FBF8F0", "#A59C8E", 1.2)]
    inner.append(stroke("M48 3 h4 M44 3 h1 M55 3 h1", "#8A8E96", 2))
    fig = (stroke("M50 40 q6 14 2 30 l-14 26 M52 70 l18 22 M48 50 l-20 -10 M54 50 l22 -16", PENCIL, 2)
           + oval(50, 32, 8, 9, "none", PENCIL, 2) + stroke("M44 30 q6 -10 14 -2", PENCIL, 1.4))
    inner.append(f'<g transform="rotate({lean} 50 60)">{fig}</g>')
    if action:
        inner.append(stroke("M14 110 Q40 30 90 40", "#D9342E", 1.2, 'stroke-dasharray="3 3"'))
        for k in range(5):
            t = k / 4
            px, py = 14 + 76 * t, 110 - 90 * t + 60 * t * t
            inner.append(stroke(f"M{px - 3:.0f} {py:.0f} h6", "#2F5FA8", 1.4))
    inner.append(outline(72, 112, 24, 14, "none", "#8A8E96", 1))
    return f'<g transform="translate({x} {y}) rotate({rot}) scale({w / 100} {h / 130})">{"".join(inner)}</g>'


def timing_sheet(x, y, w, h, rot=0):
    """A timing sheet: ruled columns of frames, a few numbers as ticks and circles."""
    inner = [outline(0, 0, 100, 160, "#F8F6EE", "#A59C8E", 1.2)]
    for k in range(1, 6):
        inner.append(stroke(f"M{k * 17} 10 V156", "#B8C8D8", 0.8))
    for k in range(30):
        inner.append(stroke(f"M2 {10 + k * 5} H98", "#D8E0E8", 0.6))
    rng = random.Random(5)
    for k in range(14):
        c, r = rng.randint(0, 4), rng.randint(0, 29)
        inner.append(oval(c * 17 + 8, 12 + r * 5, 3, 2, "none", PENCIL, 0.8) if k % 3 == 0 else stroke(f"M{c * 17 + 5} {12 + r * 5} h6", PENCIL, 1))
    return f'<g transform="translate({x} {y}) rotate({rot}) scale({w / 100} {h / 160})">{"".join(inner)}</g>'


def moving_box(x, y, w, h, tape="#C8A870"):
    return (outline(x, y, w, h, "#C9A46C", "#8A6B3F", 2) + rect(x, y + h * 0.42, w, h * 0.14, tape, 'opacity="0.7"')
            + poly(((x, y), (x + w, y), (x + w - 8, y - 10), (x + 8, y - 10)), "#D2B07A", "#8A6B3F", 1.5))


@picture("KAI001", "day", "the first visit: a woman in an indigo dress beyond the broken gate of a garden gone wild")
def kai001():
    return (place(B.kasumi_house, "day", 1.7, 320, 330) + figure("ka", 330, 420, 190, "stand", 1, "front")
            + veil("#FFF4D8", 0.08) + sparkles(((210, 260, 8),)) + vignette())


@picture("KAI002", "day", "barley tea on the porch: Kasumi holds out a cold glass and sends him back down the hill")
def kai002():
    return (blur_back(place(B.kasumi_house, "day", 2.2, 240, 320), 4) + veil("#FFF4D8", 0.12)
            + bust("ka", "soft", 380, 500, 1.0) + barley_tea(210, 370, 1.4)
            + hand(210, 420, 0.9, 10, sleeve=CARDIGAN, grip=True))


@picture("KAI003", "n", "the black phone: his voice in the office at night, hers in the dark house on the hill")
def kai003():
    left = (place(B.office, "n", 1.5, 380, 300) + lamp_light(260, 240, 220) + yota_back(230, 540, 0.95, -6)
            + receiver(112, 286, 0.8, -96) + hand(118, 350, 0.75, 8, grip=True) + stroke("M108 352 q-40 60 20 128", "#2A2A2A", 3))
    right = (place(B.clock_room, "n", 1.6, 520, 200) + veil("#0A1030", 0.2) + '<rect x="330" y="0" width="310" height="480" fill="#8AA6D8" opacity="0.08"/>'
             + bust("ka", "soft", 470, 520, 0.95) + receiver(566, 300, 0.8, 96, "#2A2420")
             + hand(560, 368, 0.75, -8, sleeve=CARDIGAN, grip=True))
    return (f'<clipPath id="lefthalf"><path d="M0 0 H380 L260 480 H0 Z"/></clipPath>'
            f'<clipPath id="righthalf"><path d="M380 0 H640 V480 H260 Z"/></clipPath>'
            f'<g clip-path="url(#lefthalf)">{left}</g><g clip-path="url(#righthalf)">{right}</g>'
            + stroke("M380 0 L260 480", "#F4F1EA", 6) + vignette())


@picture("KAI004", "y", "the mended gate: its leaf hung true again on a new hinge, and Kasumi at the post, amused")
def kai004():
    leaf = f'<g transform="translate(90 150) scale(2.6)">{B.gate_leaf(100, 92)}</g>'
    hinge = (outline(80, 170, 30, 60, "#C8CCD4", "#5A5E66", 2) + oval(95, 185, 4, 4, "#5A5E66") + oval(95, 215, 4, 4, "#5A5E66")
             + sparkles(((112, 168, 10),)))
    post = outline(20, 40, 70, 440, "#B8B2A6", "#6E6A62", 3) + outline(14, 30, 82, 20, "#A8A296", "#6E6A62", 2)
    driver = stroke("M150 300 L210 262", "#C83A2E", 10) + stroke("M210 262 L240 244", "#C8CCD4", 4)
    return (blur_back(place(B.kasumi_house, "y", 2.0, 330, 330), 4) + post + leaf + hinge
            + bust("ka", "002", 470, 500, 0.9) + hand(150, 320, 0.8, 40, grip=True) + driver + vignette())


@picture("KAI005", "y", "the stopped clocks: every clock in the room at its own hour, and Kasumi among them in the last light")
def kai005():
    return (place(B.clock_room, "y", 1.45, 280, 190) + bust("ka", "down", 390, 520, 0.85)
            + '<path d="M640 60 L640 300 L300 480 L180 480 Z" fill="#FFD8A0" opacity="0.14"/>' + vignette())


@picture("KAI006", "day", "how to read a key drawing: her finger follows the arc, the timing sheet beside it; she never picks up the pencil")
def kai006():
    table = '<path d="M-10 250 H650 V490 H-10 Z" fill="#B8966A" stroke="#5E4630" stroke-width="2"/>'
    return (blur_back(place(B.clock_room, "day", 1.5, 300, 200), 4) + bust("ka", "soft", 470, 330, 0.6) + table
            + key_drawing(140, 262, 250, 220, -4, 61) + timing_sheet(410, 270, 130, 200, 6)
            + hand(300, 360, 0.8, -60, sleeve=CARDIGAN) + stroke("M90 480 L140 420", "#F2C230", 7) + oval(142, 418, 3, 3, PENCIL))


@picture("KAI007", "day", "her hands on the table in the sun: the pencil calluses not quite gone, a pencil she does not take")
def kai007():
    # seen from across the table: her hands resting towards us, the pencil laid between us, not taken
    cloth = '<rect width="640" height="480" fill="#E8E0CC"/>' + "".join(stroke(f"M0 {y} H640", "#DCD2BA", 2) for y in range(20, 480, 36))
    body = ('<path d="M-10 -10 H650 V90 Q320 130 -10 90 Z" fill="#EDE6D6" stroke="#8E8676" stroke-width="3"/>'
            '<path d="M250 -10 H390 V112 Q320 120 250 112 Z" fill="#3C4F76" stroke="#2A3656" stroke-width="3"/>'
            '<rect x="-10" y="-90" width="660" height="82" fill="#EDE6D6"/><rect x="250" y="-90" width="140" height="82" fill="#3C4F76"/>')
    light = '<path d="M0 0 L380 0 L640 300 L640 480 L200 480 Z" fill="#FFF6D8" opacity="0.3"/>'
    pencil = (f'<g transform="rotate(-6 320 400)">{rect(180, 392, 260, 16, "#2F5FA8")}{poly(((440, 392), (472, 400), (440, 408)), "#F4D8A8", "#8A6B3F", 1)}'
              f'{poly(((462, 397), (472, 400), (462, 403)), PENCIL, PENCIL, 0)}{rect(168, 392, 14, 16, "#C8CCD4")}</g>')
    callus = oval(8, -40, 5, 3.5, "#E8C4A8", "#C8A088", 0.8)
    left = f'<g transform="translate(230 130) rotate(168) scale(1.9)">{hand(0, 0, 1.0, 0, sleeve=CARDIGAN)}{callus}</g>'
    right = f'<g transform="translate(420 130) rotate(192) scale(1.9) scale(-1 1)">{hand(0, 0, 1.0, 0, sleeve=CARDIGAN)}</g>'
    return cloth + f'<g transform="translate(0 70)">{body}{left}{right}</g>' + light + pencil + vignette()


@picture("KAI008", "n", "the parcel in the studio mailbox at night: brown paper and string, no name on it")
def kai008():
    box = (outline(180, 150, 280, 330, "#B84A3A", "#5E1E14", 4) + outline(200, 170, 240, 60, "#8A2E22", "#5E1E14", 3)
           + rect(210, 190, 220, 14, "#1A0E0A"))
    parcel = (f'<g transform="rotate(-8 320 320)">{outline(210, 250, 220, 150, "#C9A46C", "#6E5230", 3)}'
              f'{stroke("M320 250 V400 M210 326 H430", "#F4EEDC", 4)}{oval(320, 326, 10, 7, "none", "#F4EEDC", 3)}</g>')
    return (blur_back(place(B.studio_street, "n", 2.0, 320, 300), 4) + veil("#0A1030", 0.2) + box + parcel
            + B.glow(320, 60, 200) + hand(520, 420, 1.1, -40) + vignette())


@picture("KAI009", "n", "the six key drawings of the climax spread under the lamp, better than anything in the building")
def kai009():
    sheets = "".join(key_drawing(40 + (k % 3) * 190, 40 + (k // 3) * 210, 170, 200, (k * 7) % 11 - 5, 90 + k) for k in range(6))
    return (rect(0, 0, 640, 480, "#5E4630") + outline(-10, -10, 660, 500, "#9C7550", "#5E4630", 3) + sheets
            + hand(560, 470, 1.0, -30) + hand(80, 470, 1.0, 30) + lamp_light(320, 200, 380) + dark_around(320, 220, 420))


@picture("KAI010", "y", "the last evening in the house: boxes packed, the clocks still stopped, Kasumi at the bay window against the sunset")
def kai010():
    boxes = moving_box(30, 380, 130, 90) + moving_box(60, 300, 100, 80) + moving_box(180, 400, 110, 70)
    return (place(B.clock_room, "y", 1.35, 420, 240) + veil("#FF8A3D", 0.08) + boxes
            + bust("ka", "down", 470, 520, 0.8) + B.glow(560, 160, 200) + vignette())


@picture("KAI011", "n", "at 周平's old desk at night, Kasumi draws the last cut of the film")
def kai011():
    return (place(B.drawing_room, "n", 1.6, 330, 300) + veil("#0A0C1E", 0.3)
            + bust("ka", "intent", 320, 470, 0.9) + outline(-10, 390, 660, 100, "#B98E62", "#6E5238", 3)
            + '<ellipse cx="320" cy="430" rx="190" ry="40" fill="#F4FAFF" stroke="#8AA6B8" stroke-width="3"/>'
            + f'<g transform="translate(320 430) scale(1 0.32)">{key_drawing(-90, -130, 180, 240, 0, 111)}</g>'
            + hand(380, 430, 0.7, -30, sleeve=CARDIGAN, grip=True) + stroke("M372 410 L346 440", "#2F5FA8", 5)
            + B.glow(320, 430, 160) + dark_around(320, 340, 380))


@picture("KASS01", "y", "the house on the hill in the evening, the garden gone wild, the sea below")
def kass01():
    return place(B.kasumi_house, "y", 1.1, 320, 250) + veil("#FF9A50", 0.06) + vignette()


@picture("KASS02", "n", "the garden at night: hydrangeas in the dark, one window lit")
def kass02():
    return (place(B.kasumi_house, "n", 1.6, 160, 330) + fireflies(10, (0, 200, 640, 260), 72, 0.7) + vignette())


@picture("KAE001", "day", "every clock wound: the clocks of the room going again, all at the same hour, the pendulum swinging")
def kae001():
    wound = lambda t: B.clock_room(t, (9, 0))  # noqa: E731
    swing = stroke("M92 300 q-14 -4 -26 4 M100 300 q14 -4 26 4", "#8A6A1E", 3)
    return (place(wound, "day", 1.15, 280, 230) + swing
            + '<path d="M640 40 L640 330 L300 480 L120 480 Z" fill="#FFF6D8" opacity="0.25"/>'
            + bust("ka", "002", 480, 520, 0.8) + sparkles(((120, 80, 12), (300, 60, 10), (400, 140, 9), (230, 180, 8))))


# Route 8: Amane ------------------------------------------------------------------------

AM_DRESS, SMOCK = "#1C1F3A", "#F2F2F2"
IN_SMOCK = {AM_DRESS: SMOCK, "#05050C": "#8A8E96"}


def fortune_card(x, y, w, h, rot=0, icon=""):
    """A card turned face up: cream, a gold frame, one small picture in the middle (a person of the studio, by a thing of theirs)."""
    inner = (outline(-w / 2, -h / 2, w, h, "#F6EEDA", "#8A6A1E", 2) + outline(-w / 2 + 5, -h / 2 + 5, w - 10, h - 10, "none", "#C8A040", 1.5)
             + f'<path d="M0 {-h / 2 + 10} l3 6 l6 1 l-5 4 l2 6 l-6 -3 l-6 3 l2 -6 l-5 -4 l6 -1 Z" fill="#C8A040"/>' + icon)
    return f'<g transform="translate({x} {y}) rotate({rot})">{inner}</g>'


def card_face_down(x, y, w, h, rot=0):
    inner = (outline(-w / 2, -h / 2, w, h, "#27306A", "#C8A040", 2) + outline(-w / 2 + 5, -h / 2 + 5, w - 10, h - 10, "none", "#C8A040", 1.5)
             + f'<path d="M-6 -12 a14 14 0 1 0 16 18 a11 11 0 1 1 -16 -18 Z" fill="#E8D890"/>'
             + "".join(oval(dx, dy, 2, 2, "#E8D890") for dx, dy in ((-w / 4, h / 4), (w / 4, -h / 4), (w / 5, h / 3))))
    return f'<g transform="translate({x} {y}) rotate({rot})">{inner}</g>'


@picture("AMI001", "n", "the rain delivery: a stranger in the studio doorway at night, soaked, the painted cels dry in her arms")
def ami001():
    parcel = (outline(220, 370, 200, 110, "#DDE8F0", "#8AA6B8", 2, 'fill-opacity="0.8"') + outline(236, 382, 168, 86, "#C9A46C", "#8A6B3F", 1.5)
              + stroke("M220 390 h200 M240 370 v110", "#FFFFFF", 2, 'opacity="0.6"'))
    drops = "".join(oval(260 + (k * 37) % 130, 160 + (k * 53) % 150, 2.5, 4, "#CDEBFA", "#6E9AC0", 1) for k in range(10))
    return (place(B.entrance, "n", 1.3, 320, 240) + veil("#0A1030", 0.25) + curtain_of_rain(81, 0.45)
            + bust("am", "001", 320, 520, 1.0) + drops + parcel + hand(240, 450, 0.8, 30, sleeve=AM_DRESS) + hand(400, 450, 0.8, -30, sleeve=AM_DRESS)
            + B.glow(320, 40, 200) + vignette())


@picture("AMI002", "y", "宵彩舎 at dusk: painted cels drying on lines across the room like laundry, Amane pegging up one more")
def ami002():
    # close under the nearest line: the cels hang between us and the windows, the dusk coming through them
    line = stroke("M-10 96 Q320 150 650 104", "#6E6A64", 2.5)
    hung = ""
    for k, (x, c) in enumerate(((10, "#27306A"), (120, "#E86A5A"), (230, "#F2C230"), (340, "#3E6E9A"))):
        y = 104 + 22 * (1 - ((x + 45 - 320) / 330) ** 2)
        hung += (f'<g transform="rotate({(k % 2) * 4 - 2} {x + 45} {y})">{cel(x, y, 90, 112, 0, c)}</g>'
                 + rect(x + 39, y - 8, 12, 20, "#C8A070"))
    glow = '<rect width="640" height="480" fill="#FFB070" opacity="0.1"/>'
    return (blur_back(place(B.yoiiro, "y", 1.8, 250, 200), 3) + glow + line + hung
            + bust("am", "soft", 400, 520, 0.9, recolour=IN_SMOCK)
            + f'<g transform="rotate(-4 575 120)">{cel(530, 110, 90, 112, 0, "#C8A0E0")}</g>' + rect(569, 100, 12, 20, "#C8A070")
            + stroke("M500 420 L586 176", "#B8BCC4", 46) + stroke("M500 420 L586 176", SMOCK, 42)
            + hand(588, 132, 0.75, 16, grip=True) + vignette())


@picture("AMI003", "n", "painting the night sky of the film: indigo laid on a cel with a steady brush, stars left bare")
def ami003():
    sky_cel = ('<path d="M120 330 L520 330 L560 470 L80 470 Z" fill="#EAF6FB" fill-opacity="0.6" stroke="#8FB2C4" stroke-width="2"/>'
               '<path d="M130 336 L420 336 L450 464 L90 464 Z" fill="#1E2456"/>'
               + "".join(oval(140 + (k * 67) % 300, 346 + (k * 29) % 110, 3, 3, "#F4F1EA") for k in range(16))
               + oval(440, 400, 10, 30, "#1E2456", extra='transform="rotate(-20 440 400)"'))
    return (place(B.yoiiro, "n", 2.0, 150, 280) + veil("#0A0C1E", 0.3) + bust("am", "intent", 320, 420, 0.8, recolour=IN_SMOCK)
            + outline(-10, 320, 660, 170, "#B8966A", "#5E4630", 3) + sky_cel + hand(470, 410, 0.7, -40, sleeve=SMOCK, grip=True)
            + stroke("M452 392 L430 414", "#8A5A3C", 5) + lamp_light(320, 360, 260) + dark_around(320, 330, 400))


@picture("AMI004", "day", "the reading table at 星見館: each card she turns over is someone of the studio")
def ami004():
    watch = stopwatch(0, 4, 11, 30, cord=False)
    jar_ = jar(-9, -6, 0.75, "#5E6AA8")
    yuzu = oval(0, 4, 12, 11, "#F4D03F", "#A8861A", 1.5) + stroke("M0 -7 l4 -5", "#5E8436", 2)
    cards = (fortune_card(190, 370, 70, 104, -10, watch) + fortune_card(290, 380, 70, 104, -2, jar_) + fortune_card(390, 376, 70, 104, 8, yuzu)
             + card_face_down(480, 380, 70, 104, 14))
    return (place(B.hoshimikan, "day", 1.3, 320, 250) + bust("am", "001", 320, 400, 0.75)
            + '<path d="M-10 330 Q320 300 650 330 V490 H-10 Z" fill="#27306A" stroke="#0E1230" stroke-width="2"/>'
            + cards + hand(440, 340, 0.6, -20, sleeve=AM_DRESS) + B.glow(320, 40, 110))


@picture("AMI005", "day", "morning in the studio's paint room: Amane asleep, wrapped in a white cardigan like a robe of feathers")
def ami005():
    # the cardigan round her shoulders falls wide behind her, like the robe of feathers in the old tale
    white = {AM_DRESS: "#FBFBF8", "#05050C": "#B8BCC4"}
    sash = ('<path d="M236 318 Q140 350 70 480 H570 Q500 350 404 318 Z" fill="#FBFBF8" stroke="#C8CCD4" stroke-width="3"/>'
            + stroke("M200 350 Q150 410 130 480 M440 350 Q490 410 510 480 M170 380 Q130 430 110 480", "#E0E2E8", 3))
    dust = sparkles(((120, 120, 5), (520, 90, 6), (450, 200, 4), (180, 220, 4), (580, 260, 5)), "#FFFBE8")
    return (blur_back(place(B.paint_room, "day", 1.5, 160, 220), 4) + veil("#FFF8E8", 0.2)
            + '<path d="M0 0 L260 0 L520 480 L120 480 Z" fill="#FFFFFF" opacity="0.22"/>'
            + sash + bust("am", "asleep", 320, 500, 1.0, rot=-8, recolour=white) + dust)


@picture("AMI006", "y", "the last reading: the one card she has kept face down all summer, her finger on it, the candle low")
def ami006():
    return (place(B.hoshimikan, "y", 1.8, 330, 330) + veil("#1A1030", 0.35) + bust("am", "soft", 330, 380, 0.7)
            + '<path d="M-10 300 Q320 270 650 300 V490 H-10 Z" fill="#27306A" stroke="#0E1230" stroke-width="2"/>'
            + card_face_down(320, 400, 120, 176, -4) + hand(340, 350, 0.8, 170, sleeve=AM_DRESS)
            + lamp_light(581, 170, 220) + dark_around(400, 300, 400))


@picture("AMSS01", "y", "星見館 from the back alley at evening: a narrow house, a star lamp over the door, a bead curtain")
def amss01():
    late = []
    out = [B.open_sky(200, "y"), rect(170, 150, 470, 260, "#6E625A"), rect(0, 400, 640, 80, "#8A8478")]
    out.append(poly(((0, 0), (170, 60), (170, 400), (0, 480)), "#8A7A6E", "#4E443E", 2))
    for k in range(4):
        out.append(poly(((20 + k * 40, 140 + k * 15), (48 + k * 40, 150 + k * 15), (48 + k * 40, 190 + k * 14), (20 + k * 40, 182 + k * 14)),
                        B.LIT["y"] if k % 2 else B.GLASS["y"], "#4E443E", 1.5))
    out.append(poly(((170, 400), (420, 400), (640, 480), (0, 480)), "#8A8478", "#5A5650", 1.5))
    for k in range(6):
        out.append(stroke(f"M{170 + k * 8} {400 + k * 14} L{420 + k * 40} {400 + k * 14}", "#7A746A", 1.2))
    # the house: two narrow storeys of dark wood, a plum door curtain of beads, the star lamp, potted plants
    out.append(outline(300, 80, 260, 322, "#4E3A2E", "#2A1E16", 3) + poly(((280, 84), (580, 84), (560, 50), (300, 50)), "#3A3A46", "#1E1E28", 2))
    out.append(B.pane(340, 110, 70, 60, "y", True, late, "#2A1E16") + B.pane(450, 110, 70, 60, "y", False, late, "#2A1E16"))
    out.append(outline(380, 250, 100, 152, "#2A1A2E", "#1A0E16", 2))
    for k in range(9):
        out.append(stroke(f"M{386 + k * 11} 254 V398", "#8A5A9A", 2, 'stroke-dasharray="3 3"'))
    star = " ".join(f"{430 + (18 if k % 2 == 0 else 8) * math.sin(k * math.pi / 5):.1f},{226 - (18 if k % 2 == 0 else 8) * math.cos(k * math.pi / 5):.1f}"
                    for k in range(10))
    out.append(f'<polygon points="{star}" fill="#E8C860" stroke="#8A6A1E" stroke-width="2"/>' + stroke("M430 190 V208", "#3A3A3A", 2))
    for x, c in ((330, "#C4663E"), (520, "#8A5A3C")):
        out.append(poly(((x - 18, 402), (x + 18, 402), (x + 14, 370), (x - 14, 370)), c, "#5A2E1E", 1.5) + B.tree(x, 370, 18, 22, "#4E7A36", seed=x))
    out.append(outline(566, 180, 74, 220, "#7A6E64", "#4E443E", 2))
    late.append(B.glow(430, 226, 90) + f'<polygon points="{star}" fill="#FFF0B0"/>')
    body = B.dusk(out, "y", late)
    return body + B.glow(430, 320, 120) + vignette()


@picture("AMSS02", "y", "宵彩舎 at dusk from the street: the old building's upper windows lit, cels hanging inside like washing")
def amss02():
    late = []
    out = [B.open_sky(300, "y"), outline(-10, 130, 100, 290, "#7A6E64", "#4E443E", 2), outline(550, 150, 100, 270, "#6E6A70", "#4A464C", 2)]
    out.append(outline(90, 80, 460, 330, "#8A7058", "#4E3A2A", 3) + poly(((70, 84), (570, 84), (540, 46), (100, 46)), "#4E4E5A", "#2A2A34", 2))
    out.append(rect(90, 250, 460, 10, "#5E4630"))
    for k in range(4):
        x = 110 + k * 110
        out.append(B.pane(x, 110, 90, 110, "y", True, late, "#3A2A1E"))
        hanging = "".join(stroke(f"M{x + 4} {128 + r * 40} H{x + 86}", "#6E5A48", 1) + "".join(
            rect(x + 8 + j * 20, 128 + r * 40, 14, 22, "#6E5A48", 'opacity="0.55"') for j in range(4)) for r in range(2))
        late.append(hanging)
    out.append(outline(110, 270, 420, 140, "#A8A49C", "#5A5650", 2))
    for y in range(278, 410, 10):
        out.append(stroke(f"M112 {y} H528", "#8A8680", 1.5))
    out.append(outline(240, 232, 160, 14, "#27306A", "#141A40", 2) + f'<path d="M314 233 a6 6 0 1 0 8 8 a5 5 0 1 1 -8 -8 Z" fill="#E8E4D8"/>')
    out.append(rect(0, 410, 640, 70, "#6E6A66") + stroke("M0 412 H640", "#4E4A46", 2))
    out.append(B.utility_pole(600, 20, 420, ((0, 60), (640, 90))))
    out.append(B.street_lamp(40, 420, 190, "y", late, 1))
    return B.dusk(out, "y", late) + B.lamps("y", ((300, 170, 220),)) + vignette()


def main(names):
    for name in names or PICTURES:
        time, what, draw = PICTURES[name]
        body = draw()
        assert "<text" not in body and "#00FF00" not in body.upper(), name
        with open(os.path.join(HERE, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(f'<?xml version="1.0" encoding="UTF-8"?>\n'
                    f'<!-- {name}: {what}. Written by make_events.py; edit that. -->\n'
                    f'<svg xmlns="http://www.w3.org/2000/svg" width="640" height="480" viewBox="0 0 640 480">\n'
                    f'<defs>{defs(time)}</defs>\n{body}\n</svg>\n')


if __name__ == "__main__":
    main(sys.argv[1:])
