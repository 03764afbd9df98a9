#!/usr/bin/env python3
# Writes town.svg beside this file from the table of the twenty places
# (hot-spot corners as the map screen uses them). Run it after changing the
# table or the drawing, then rebuild the game data.
import os
P = [
 (1,162,107,["原画マンＡ"],"up"),
 (2,504,136,["原画マンＢ"],"r"),
 (3,362,396,["原画下請け"],"r"),
 (4,282,204,["動画下請け"],"r"),
 (5,589,417,["録音スタジオ"],"l"),
 (6,157,165,["仕上げ下請け"],"r"),
 (7,62,147,["背景Ａ"],"r"),
 (8,113,404,["背景Ｂ"],"r"),
 (9,93,213,["協会便当番会社"],"r"),
 (10,153,310,["撮影所"],"r"),
 (11,251,386,["編集所"],"r"),
 (12,31,314,["現像所"],"r"),
 (13,364,143,["遠峰かすみの家"],"r"),
 (14,360,348,["玲那と菜乃花の","マンション"],"r"),
 (15,102,347,["画材のちぐさ"],"l"),
 (16,202,342,["宵彩舎","（御厨あまね）"],"r"),
 (17,546,361,["占いの館"],"r"),
 (18,188,236,["コンビニ"],"r"),
 (19,241,121,["病院"],"r"),
 (20,146,255,["主人公の部屋"],"l"),
]
# building colours per place: (wall, roof)
ROOF = {1:"#6b4a78",2:"#c0605a",3:"#4a5a8a",4:"#8a5a3a",5:"#3e3470",6:"#d07a8a",7:"#4f7a6a",
        8:"#8a6a3a",9:"#4a5a8a",10:"#3e3470",11:"#6b4a78",12:"#2c4f63",13:"#c0605a",14:"#4a5a8a",
        15:"#d08a3a",16:"#6b3f6e",17:"#7a3a8a",18:"#3a8a7a",19:"#5a7aa0",20:"#a8663f"}
FS = 12
out = []
w = out.append
w('<?xml version="1.0" encoding="UTF-8"?>')
w('<!-- The town map of Tsukimizaka: a flat illustrated plan on cream paper.\n'
  '     Each of the twenty places is a small building centred on its 15x15 hot\n'
  '     spot with a name plate beside it. The navy bands at the top and bottom\n'
  '     keep the date line and the hovered name (drawn in white) readable.\n'
  '     Written by make-town.py from the table of places: edit that, not this. -->')
w('<svg xmlns="http://www.w3.org/2000/svg" width="640" height="480" viewBox="0 0 640 480">')
w('<rect width="640" height="480" fill="#efe3c6"/>')
# paper texture: faint blocks
w('<g fill="#e6d6b4">')
for (x,y,ww,hh) in [(30,30,80,40),(150,30,60,40),(250,28,70,44),(470,30,140,42),(30,110,20,60),(190,140,30,20),
                    (270,240,50,40),(380,200,60,60),(560,180,60,60),(250,420,60,28),(400,420,60,28),(560,300,60,40)]:
    w(f'<rect x="{x}" y="{y}" width="{ww}" height="{hh}" rx="4"/>')
w('</g>')
# the hill in the north (hospital, the western house)
w('<ellipse cx="320" cy="135" rx="130" ry="52" fill="#c9d39e"/>')
w('<ellipse cx="330" cy="132" rx="90" ry="34" fill="#bccb8c"/>')
w('<ellipse cx="340" cy="130" rx="50" ry="18" fill="#afc07e"/>')
# fields in the south west (the farmhouse)
w('<rect x="24" y="372" width="84" height="78" rx="6" fill="#c3cf8e"/>')
w('<g stroke="#a9b974" stroke-width="2">' + ''.join(f'<path d="M28 {y} H104"/>' for y in range(380,450,8)) + '</g>')
# shrine woods in the east
w('<ellipse cx="592" cy="258" rx="40" ry="30" fill="#b7c690"/>')
for (cx,cy) in [(570,246),(584,236),(604,240),(616,258),(574,270),(610,276)]:
    w(f'<circle cx="{cx}" cy="{cy}" r="7" fill="#93a86c"/>')
# streets
ST = '#fbf6ea'; ED = '#d6c29c'
streets = [
 "M22 82 H640", "M22 190 H445", "M22 440 H640",
 "M128 22 V456", "M230 22 V456", "M338 22 V456", "M58 82 V300", "M532 22 V456",
 "M470 190 H640", "M338 250 C 400 250 430 230 470 232 S 560 236 640 230",
]
for d in streets:
    w(f'<path d="{d}" fill="none" stroke="{ED}" stroke-width="11" stroke-linejoin="round"/>')
for d in streets:
    w(f'<path d="{d}" fill="none" stroke="{ST}" stroke-width="8" stroke-linejoin="round"/>')
# the shopping street: wider, with awnings
w(f'<path d="M22 303 H300" stroke="{ED}" stroke-width="15"/>')
w(f'<path d="M22 303 H300" stroke="#fff3d6" stroke-width="12"/>')
w('<path d="M24 297.5 H298" stroke="#f08a5d" stroke-width="2" stroke-dasharray="6 4"/>')
w('<path d="M24 308.5 H298" stroke="#f08a5d" stroke-width="2" stroke-dasharray="6 4"/>')
# the river Yuunagi
river = "M448 22 C 436 90 474 150 458 210 S 444 300 476 350 S 496 420 486 456"
w(f'<path d="{river}" fill="none" stroke="#6f97bd" stroke-width="24" stroke-linecap="butt"/>')
w(f'<path d="{river}" fill="none" stroke="#9cc0dc" stroke-width="18"/>')
w('<g stroke="#d4e6f1" stroke-width="1.5" stroke-linecap="round" fill="none">'
  '<path d="M447 60 q4 -2 8 0"/><path d="M459 140 q4 -2 8 0"/><path d="M452 260 q4 -2 8 0"/>'
  '<path d="M478 380 q4 -2 8 0"/></g>')
# bridges where roads cross the river
for (x,y,ww,hh) in [(432,77,40,11),(440,435,58,11),(446,226,36,11)]:
    w(f'<rect x="{x}" y="{y}" width="{ww}" height="{hh}" fill="#fbf6ea" stroke="#8a6a4a" stroke-width="1.5"/>')
# railway from the city (east) to the terminus
w('<path d="M300 272 H640" stroke="#5a5470" stroke-width="6"/>')
w('<path d="M300 272 H640" stroke="#fbf6ea" stroke-width="3" stroke-dasharray="4 6"/>')
w('<rect x="296" y="266" width="5" height="12" fill="#c0605a"/>')
w('<rect x="450" y="265" width="40" height="14" fill="none" stroke="#8a6a4a" stroke-width="1.5"/>')
# station building
w('<rect x="302" y="278" width="62" height="18" rx="2" fill="#f6d9a8" stroke="#2d2a5a" stroke-width="1.5"/>')
w('<path d="M298 280 L333 270 L368 280 Z" fill="#2c4f63"/>')
w('<text x="333" y="292" text-anchor="middle" font-family="IPAGothic" font-size="10" fill="#2d2a5a">月見坂駅</text>')
# the studio, on the shopping street, with Yota's room behind it
w('<g transform="translate(168 278)">'
  '<path d="M0 8 L8 0 V8 L16 0 V8 L24 0 V8 L32 0 V8 L40 0 V8 Z" fill="#4a3a63"/>'
  '<rect x="0" y="8" width="40" height="12" fill="#f3dcc2" stroke="#2d2a5a" stroke-width="1"/>'
  '<rect x="4" y="11" width="7" height="5" fill="#ffd36e"/><rect x="16" y="11" width="7" height="5" fill="#ffd36e"/>'
  '<rect x="29" y="11" width="7" height="5" fill="#ffd36e"/></g>')
w('<text x="215" y="291" font-family="IPAGothic" font-size="10" fill="#6b3f6e">夕凪動画</text>')
# shrine gate
w('<g transform="translate(586 250)" fill="#c0504a"><rect x="0" y="0" width="18" height="3"/>'
  '<rect x="2" y="5" width="14" height="2"/><rect x="3" y="3" width="2.5" height="14"/><rect x="12.5" y="3" width="2.5" height="14"/></g>')
# small names of landmarks (not places)
def small(x,y,t,anchor="start",col="#6b4a78",rot=None):
    tr = f' transform="rotate({rot} {x} {y})"' if rot else ''
    w(f'<text x="{x}" y="{y}" text-anchor="{anchor}" font-family="IPAGothic" font-size="10" fill="{col}"{tr}>{t}</text>')
small(595,228,"月見坂神社","middle")
small(62,293,"つきみ通り商店街")
small(486,60,"夕凪川",col="#3f6a92")
small(540,266,"至 市内","start","#5a5470")
# places
for (n,x,y,lines,side) in P:
    cx, cy = x+7.5, y+7.5
    roof = ROOF[n]
    # building: wall with roof and a lit window, centred on the hot spot
    w(f'<g transform="translate({cx-11} {cy-10})">'
      f'<rect x="1" y="7" width="20" height="13" fill="#fbf3e2" stroke="#2d2a5a" stroke-width="1.2"/>'
      f'<path d="M-1 8 L11 0 L23 8 Z" fill="{roof}" stroke="#2d2a5a" stroke-width="1.2" stroke-linejoin="round"/>'
      f'<rect x="4" y="11" width="5" height="5" fill="#ffd36e"/><rect x="13" y="11" width="5" height="9" fill="{roof}"/></g>')
    # name plate
    tw = max(len(l) for l in lines) * FS
    th = len(lines) * (FS + 2) + 4
    pw = tw + 8
    if side == "r":
        px, py = cx + 14, cy - th / 2
    elif side == "l":
        px, py = cx - 14 - pw, cy - th / 2
    else:
        px, py = cx - pw / 2, y - 6 - th
    w(f'<rect x="{px}" y="{py}" width="{pw}" height="{th}" rx="3" fill="#fffaf0" stroke="#2d2a5a" stroke-width="1" opacity="0.95"/>')
    for i, l in enumerate(lines):
        w(f'<text x="{px+4}" y="{py+2+(i+1)*(FS+2)-3}" font-family="IPAGothic" font-size="{FS}" fill="#2d2a5a">{l}</text>')
# compass rose
w('<g transform="translate(604 112)"><circle r="17" fill="#fbf3e2" stroke="#2d2a5a" stroke-width="1.5"/>'
  '<path d="M0 -14 L5 0 L0 14 L-5 0 Z" fill="#fbf3e2" stroke="#2d2a5a" stroke-width="1"/>'
  '<path d="M0 -14 L5 0 L-5 0 Z" fill="#c0504a"/>'
  '<text x="0" y="-20" text-anchor="middle" font-family="DejaVu Sans" font-size="9" font-weight="bold" fill="#2d2a5a">N</text></g>')
# bands for the date line and the place name
w('<rect x="0" y="0" width="640" height="22" fill="#2d2a5a"/>')
w('<rect x="0" y="22" width="640" height="2" fill="#ffd36e"/>')
w('<text x="630" y="16" text-anchor="end" font-family="IPAGothic" font-size="13" fill="#ffe2b8">月見坂 町内地図</text>')
w('<rect x="0" y="456" width="640" height="24" fill="#2d2a5a"/>')
w('<rect x="0" y="454" width="640" height="2" fill="#ffd36e"/>')
w('<text x="630" y="472" text-anchor="end" font-family="IPAGothic" font-size="11" fill="#b8a8d0">行き先をクリック ／ 右クリックで戻る</text>')
w('</svg>')
open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'town.svg'), 'w', encoding='utf-8').write('\n'.join(out) + '\n')
