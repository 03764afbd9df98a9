#!/usr/bin/env python3
"""Writes the event pictures of routes 1-4 (KOI001.svg ... REE001.svg) beside this script.

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
    return (place(B.station_platform, "day", 1.15, 320, 300) + train(-60, 238, 1.0, 4)
            + figure("yo", 150, 470, 170, "run", props=bag) + figure("ko", 330, 460, 150, "run", props=bag + cut_bag(-4, -58, 0.15, -8, "#337AB7"))
            + speed_lines(600, 300, 24, 260, 420, seed=2, opacity=0.5))


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
    return (place(B.hill_road, "y", 1.0) + dawn(0.45) + train(40, 250, 0.3, 4, lit=True, time="y")
            + van(280, 290, "y", 1.1, 1, -12)
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
    return (place(B.station_platform, "y", 1.25, 200, 330) + figure("ko", 330, 470, 130, "bend", -1)
            + figure("yo", 560, 450, 160, "stand", -1) + P.sweat(300, 300) + P.sweat(560, 260))


def last_station(time):
    """The last station of the line: a wooden halt in the hills, one lamp, the end of the rails."""
    out = [B.open_sky(300, time)]
    late = []
    B.night_sky(time, late, (0, 0, 640, 120), 101)
    out.append('<path d="M0 250 Q140 170 300 230 Q460 160 640 220 V330 H0 Z" fill="#6E7A5A"/>')
    out.append(B.rect(0, 300, 640, 180, "#9A938A") + B.rect(0, 370, 640, 110, "#B8B2A6") + B.rect(0, 370, 640, 6, "#F4F4F0"))
    out.append(B.outline(330, 190, 260, 180, "#B08860", "#6E5238", 2)
               + B.poly(((310, 190), (610, 190), (580, 150), (340, 150)), "#5A5E68", "#3A3E46"))
    out.append(B.pane(360, 230, 80, 60, time, True, late, "#6E5238") + B.outline(470, 220, 60, 150, "#8A6A4A", "#5A4636"))
    out.append(B.outline(100, 320, 150, 20, "#8A6A4A", "#5A4636") + B.rect(110, 340, 8, 30, "#5A4636") + B.rect(232, 340, 8, 30, "#5A4636"))
    out.append(B.street_lamp(280, 372, 170, time, late, -1))
    return B.finish(out, time, late)


@picture("KOI011", "y", "the lost cut bag found at the last station of the line, and Koyori hugging it")
def koi011():
    return (last_station("y") + veil("#FF9A50", 0.12)
            + bust("ko", "teary", 330, 500, 1.0) + cut_bag(330, 420, 1.5, -6, "#337AB7")
            + hand(250, 430, 0.9, 30, sleeve="#F28C28") + hand(410, 430, 0.9, -30, sleeve="#F28C28")
            + sparkles(((210, 170, 12), (470, 150, 10))))


@picture("KOI012", "n", "the last all-nighter: Koyori asleep on Yōta's shoulder in the van outside the camera studio")
def koi012():
    return (place(B.van_inside, "n", 1.25, 320, 260) + veil("#101A44", 0.2)
            + yota_back(520, 560, 1.05, rot=6)
            + bust("ko", "asleep", 300, 560, 1.05, rot=18)
            + '<path d="M240 470 Q320 420 420 440" fill="none" stroke="#3A3A3A" stroke-width="3"/>'
            + stopwatch(240, 440, 26, 200, cord=False) + vignette())


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
    beam = '<path d="M326 366 L40 300 L40 430 Z" fill="#FFF4C0" opacity="0.3"/>'
    return place(B.hill_road, "n", 1.0) + beam + B.van(330, 300, "n", [], 0.8) + B.glow(332, 342, 30) + vignette()


@picture("KOE001", "day", "two production assistants running for the same train, cut bags under their arms")
def koe001():
    return (place(B.station_platform, "day", 1.0) + train(-20, 250, 0.9, 4) + veil("#FFE0B0", 0.12)
            + figure("ko", 300, 470, 170, "run", -1, props=cut_bag(18, -62, 0.16, 10))
            + figure("yo", 470, 480, 190, "run", -1, props=cut_bag(18, -62, 0.16, -10, "#5CB85C"))
            + sparkles(((120, 120, 12), (560, 90, 9))))


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
