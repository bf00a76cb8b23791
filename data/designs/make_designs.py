#!/usr/bin/env python3
"""Draws the pictures of the program's designs and writes designs.xml.

A design is a folder of PNG pictures (RGBA, written with zlib alone) that the
skin module loads into its masters, plus the colours of the windows, listed in
designs.xml. Every picture follows the nine-patch rule of the skinned controls:
corners keep their size, edges and centre repeat whole tiles, so a band varies
only across its width and the centre tile is flat.

Design 1 "Bleu et orange": blue panels on a navy ground, orange buttons.
Design 2 "Ardoise et vert": slate panels on a graphite ground, green buttons.
Run from anywhere: python3 data/designs/make_designs.py
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


# ---- picture store ------------------------------------------------------------------
class Picture:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[(0.0, 0.0, 0.0, 0.0) for _ in range(w)] for _ in range(h)]

    def over(self, x, y, rgb, a):
        """Paints colour rgb with coverage a (0..1) over pixel (x, y)."""
        if a <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        r0, g0, b0, a0 = self.px[y][x]
        ao = a + a0 * (1 - a)
        if ao <= 0:
            return
        mix = [(c * a + c0 * a0 * (1 - a)) / ao for c, c0 in zip(rgb, (r0, g0, b0))]
        self.px[y][x] = (mix[0], mix[1], mix[2], ao)

    def png(self):
        rows = []
        for row in self.px:
            line = bytearray(b'\x00')
            for r, g, b, a in row:
                line += bytes((clamp(r), clamp(g), clamp(b), clamp(a * 255)))
            rows.append(bytes(line))

        def chunk(kind, data):
            body = kind + data
            return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack('>IIBBBBB', self.w, self.h, 8, 6, 0, 0, 0)
        return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
                + chunk(b'IDAT', zlib.compress(b''.join(rows), 9)) + chunk(b'IEND', b''))


def clamp(v):
    return max(0, min(255, int(round(v))))


def mix(c1, c2, t):
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def shade(c, f):
    """f > 0 lightens towards white, f < 0 darkens towards black."""
    return mix(c, (255, 255, 255), f) if f >= 0 else mix(c, (0, 0, 0), -f)


def rr_coverage(x, y, x0, y0, x1, y1, r):
    """Share of pixel (x, y) inside the rounded rectangle [x0, x1) x [y0, y1)."""
    n = 4
    inside = 0
    for sy in range(n):
        for sx in range(n):
            px = x + (sx + 0.5) / n
            py = y + (sy + 0.5) / n
            if px < x0 or px > x1 or py < y0 or py > y1:
                continue
            cx = min(max(px, x0 + r), x1 - r)
            cy = min(max(py, y0 + r), y1 - r)
            if (px - cx) ** 2 + (py - cy) ** 2 <= r * r:
                inside += 1
    return inside / (n * n)


def fill_rr(pic, x0, y0, x1, y1, r, colour_at, alpha=1.0):
    """Fills a rounded rectangle; colour_at(x, y) gives the colour of a pixel."""
    for y in range(max(0, int(y0)), min(pic.h, int(y1) + 1)):
        for x in range(max(0, int(x0)), min(pic.w, int(x1) + 1)):
            a = rr_coverage(x, y, x0, y0, x1, y1, r)
            if a > 0:
                pic.over(x, y, colour_at(x, y), a * alpha)


def ring_rr(pic, x0, y0, x1, y1, r, width, colour_at, alpha=1.0):
    """A rounded outline `width` pixels thick inside the rectangle."""
    for y in range(max(0, int(y0)), min(pic.h, int(y1) + 1)):
        for x in range(max(0, int(x0)), min(pic.w, int(x1) + 1)):
            a = rr_coverage(x, y, x0, y0, x1, y1, r)
            b = rr_coverage(x, y, x0 + width, y0 + width, x1 - width, y1 - width, max(r - width, 0.5))
            if a - b > 0:
                pic.over(x, y, colour_at(x, y), (a - b) * alpha)


def band_profile(pos, size, margin_a, margin_b):
    """0 at the outer edges, 1 in the middle: position inside the bands only."""
    if pos < margin_a:
        return pos / max(margin_a, 1)
    if pos >= size - margin_b:
        return (size - 1 - pos) / max(margin_b, 1)
    return 1.0


# ---- pictures ---------------------------------------------------------------------------
def panel(w, h, m, face, border, shadow, light=0.25, radius=7):
    """A framed panel: rounded corners, a light top band, a darker bottom band, and a
    drop shadow right and below when shadow. The centre is flat."""
    pic = Picture(w, h)
    inset = 3 if shadow else 0
    if shadow:
        for k in range(3):   # soft shadow
            fill_rr(pic, 3 + k * 0.3, 3 + k * 0.3, w - k * 0.3, h - k * 0.3, radius,
                    lambda x, y: (0, 0, 0), 0.18)
    x1, y1 = w - inset, h - inset

    def colour(x, y):
        # only the margins vary: light near the top edge, darker near the bottom
        if y < m:
            return shade(face, light * (1 - y / m))
        if y >= h - m:   # the bottom margin only: the centre tile stays flat
            return shade(face, -0.18 * min(1.0, (y - (h - m) + 1) / max(m - inset, 1)))
        return face
    fill_rr(pic, 0, 0, x1, y1, radius, colour)
    ring_rr(pic, 0, 0, x1, y1, radius, 1.2, lambda x, y: border)
    ring_rr(pic, 1.2, 1.2, x1 - 1.2, y1 - 1.2, radius - 1, 1.0, lambda x, y: shade(face, 0.45), 0.55)
    return pic


def hollow_panel(w, h, m, face, border):
    """A sunken panel: shadow inside along the top and the left."""
    pic = Picture(w, h)

    def colour(x, y):
        d = min(x, y)
        if d < m:
            return shade(face, -0.35 * (1 - d / m))
        return face
    fill_rr(pic, 0, 0, w, h, 5, colour)
    ring_rr(pic, 0, 0, w, h, 5, 1.0, lambda x, y: border)
    return pic


def flat(w, h, colour):
    pic = Picture(w, h)
    for y in range(h):
        for x in range(w):
            pic.over(x, y, colour, 1.0)
    return pic


def button(w, h, top, bottom, border, pressed=False):
    """A pill button: vertical gradient, bright upper half, dark outline."""
    pic = Picture(w, h)
    r = 9
    y0, y1 = 1, h - 2

    def colour(x, y):
        t = (y - y0) / max(y1 - y0, 1)
        if pressed:
            t = 1 - t
        c = mix(top, bottom, t)
        if not pressed and t < 0.45:
            c = shade(c, 0.22 * (1 - t / 0.45))
        return c
    # soft shadow under the button
    fill_rr(pic, 1, 2, w - 1, h - 0.5, r, lambda x, y: (0, 0, 0), 0.25)
    fill_rr(pic, 1, y0, w - 1, y1, r, colour)
    ring_rr(pic, 1, y0, w - 1, y1, r, 1.1, lambda x, y: border)
    if not pressed:   # highlight line inside the top edge
        for x in range(r, w - r):
            pic.over(x, y0 + 1, (255, 255, 255), 0.55)
    return pic


def hollow_bar(w, h, face, border, glow=None, radius=None):
    """An inset field (frames and edit boxes): dark inner shadow at the top, flat
    along its length so that the centre repeats."""
    pic = Picture(w, h)
    r = radius if radius is not None else (h - 2) / 2

    def colour(x, y):
        t = y / max(h - 1, 1)
        c = mix(shade(face, -0.30), face, min(1.0, t * 2.2))
        return c
    fill_rr(pic, 0.5, 0.5, w - 0.5, h - 0.5, r, colour)
    ring_rr(pic, 0.5, 0.5, w - 0.5, h - 0.5, r, 1.1, lambda x, y: border)
    if glow:
        ring_rr(pic, 1.6, 1.6, w - 1.6, h - 1.6, max(r - 1.1, 0.5), 1.6, lambda x, y: glow, 0.9)
    return pic


def disc(size, face, border, glow=None):
    pic = Picture(size, size)
    r = (size - 1) / 2

    def colour(x, y):
        t = y / max(size - 1, 1)
        return mix(shade(face, -0.30), face, min(1.0, t * 2.0))
    fill_rr(pic, 0.5, 0.5, size - 0.5, size - 0.5, r, colour)
    ring_rr(pic, 0.5, 0.5, size - 0.5, size - 0.5, r, 1.1, lambda x, y: border)
    if glow:
        ring_rr(pic, 1.6, 1.6, size - 1.6, size - 1.6, r - 1.1, 1.7, lambda x, y: glow, 0.9)
    return pic


# ---- the designs -----------------------------------------------------------------------
def bgr(rgb):
    """Colour value of the program (red in the low byte) as the XML writes it."""
    r, g, b = rgb
    return '%06X' % (b << 16 | g << 8 | r)


DESIGNS = [
    {
        'id': 1, 'folder': 'bleu', 'nom': 'Bleu et orange',
        'description': 'Le design d\'origine : panneaux bleus sur fond marine, boutons orange.',
        'nom_en': 'Blue and orange',
        'description_en': 'The original design: blue panels on a navy background, orange buttons.',
        'panel': (30, 130, 225), 'panel_border': (8, 52, 120),
        'menu': (14, 62, 138), 'menu_border': (80, 160, 240),
        'hollow': (10, 70, 150), 'mono': (4, 156, 238), 'mono_dark': (0, 48, 111),
        'btn': ((255, 196, 96), (236, 112, 0), (150, 64, 0)),
        'btn_light': ((255, 236, 170), (250, 190, 80), (170, 110, 20)),
        'btn_dark': ((232, 120, 40), (170, 56, 0), (100, 30, 0)),
        'field': (225, 238, 255), 'field_border': (10, 60, 130),
        'field2': (255, 226, 190), 'yellow': (255, 246, 170), 'red': (255, 200, 200),
        'select': (255, 200, 0),
        'colours': {
            'fondclair': (4, 156, 238), 'fondfonce': (0, 48, 111), 'fondfonceplus': (0, 34, 82),
            'EcritureBOrange': (0, 0, 0), 'EcritureOnBOrange': (255, 255, 255),
            'EcritureBOrangeClair': (0, 0, 0), 'EcritureOnBOrangeClair': (160, 60, 0),
            'CouleurTitre': (255, 255, 255), 'CouleurTexte1': (255, 230, 90),
            'CouleurTexte2': (140, 210, 255), 'CouleurTexteModal': (4, 156, 238),
            'CouleurFondTitreTableau': (121, 152, 232), 'CouleurFond1Tableau': (255, 255, 255),
            'CouleurFond2Tableau': (214, 232, 250), 'CouleurFondSelTableau': (236, 112, 0),
            'CouleurTexteSelTableau': (255, 255, 255), 'CouleurFondSuiviTableau': (255, 220, 120),
            'LigneGraph': (255, 230, 0), 'LigneGraph2': (255, 120, 200), 'CouleurRouge': (255, 80, 80),
        },
    },
    {
        'id': 2, 'folder': 'ardoise', 'nom': 'Ardoise et vert',
        'description': 'Panneaux gris ardoise sur fond graphite, boutons verts.',
        'nom_en': 'Slate and green',
        'description_en': 'Slate grey panels on a graphite background, green buttons.',
        'panel': (84, 96, 110), 'panel_border': (30, 36, 44),
        'menu': (44, 52, 62), 'menu_border': (120, 200, 140),
        'hollow': (50, 58, 68), 'mono': (96, 110, 124), 'mono_dark': (36, 42, 50),
        'btn': ((150, 230, 150), (40, 160, 70), (16, 84, 34)),
        'btn_light': ((220, 250, 210), (150, 220, 140), (60, 120, 60)),
        'btn_dark': ((80, 170, 100), (20, 100, 50), (10, 50, 25)),
        'field': (236, 240, 236), 'field_border': (30, 36, 44),
        'field2': (220, 244, 220), 'yellow': (250, 246, 190), 'red': (255, 206, 200),
        'select': (110, 220, 120),
        'colours': {
            'fondclair': (96, 110, 124), 'fondfonce': (36, 42, 50), 'fondfonceplus': (26, 30, 36),
            'EcritureBOrange': (0, 0, 0), 'EcritureOnBOrange': (255, 255, 255),
            'EcritureBOrangeClair': (0, 0, 0), 'EcritureOnBOrangeClair': (20, 90, 30),
            'CouleurMenuNoeud1': (150, 220, 160), 'CouleurMenuFeuille1': (210, 230, 215),
            'CouleurTitre': (255, 255, 255), 'CouleurTexte1': (170, 240, 150),
            'CouleurTexte2': (200, 215, 230), 'CouleurTexteModal': (96, 110, 124),
            'CouleurFondTitreTableau': (120, 170, 130), 'CouleurFond1Tableau': (255, 255, 255),
            'CouleurFond2Tableau': (226, 236, 228), 'CouleurFondSelTableau': (40, 160, 70),
            'CouleurTexteSelTableau': (255, 255, 255), 'CouleurFondSuiviTableau': (250, 236, 150),
            'GraphCouleurDebut': (170, 240, 150), 'GraphCouleurFin': (30, 140, 60),
            'LigneGraph': (170, 240, 150), 'LigneGraph2': (255, 180, 80), 'CouleurRouge': (255, 90, 80),
        },
    },
]


def pictures(d):
    pb, pbb = d['panel'], d['panel_border']
    sel = d['select']
    fb = d['field_border']
    pics = {
        'FondMenu': panel(81, 65, 20, d['menu'], d['menu_border'], False, light=0.18, radius=10),
        'FondCreux': hollow_panel(89, 69, 8, d['hollow'], pbb),
        'FondCadre': panel(73, 65, 10, pb, pbb, True),
        'FondCadreSansOmbre': panel(73, 65, 10, pb, pbb, False),
        'MonoColor': flat(9, 13, d['mono']),
        'MonoColorFonce': flat(9, 13, d['mono_dark']),
        'BoutonOrangeUp': button(113, 31, *d['btn']),
        'BoutonOrangeDown': button(113, 31, *d['btn'], pressed=True),
        'BoutonOrangeUpClair': button(113, 31, *d['btn_light']),
        'BoutonOrangeDownClair': button(113, 31, *d['btn_light'], pressed=True),
        'BoutonOrangeUpFonce': button(113, 31, *d['btn_dark']),
        'BoutonOrangeDownFonce': button(113, 31, *d['btn_dark'], pressed=True),
        'BoutonCreuxClassique1': hollow_bar(129, 25, d['field'], fb),
        'BoutonCreuxClassique2': hollow_bar(129, 25, d['field2'], fb),
        'BoutonCreuxJaune': hollow_bar(129, 25, d['yellow'], fb),
        'BoutonCreuxRouge': hollow_bar(129, 25, d['red'], fb),
        'BoutonCreuxSelection': hollow_bar(129, 25, d['field'], fb, glow=sel),
        'BoutonCreux1': hollow_bar(129, 25, d['field'], fb, glow=(0, 200, 255)),
        'BoutonCreux2': hollow_bar(129, 25, d['field'], fb, glow=(255, 220, 0)),
        'BoutonCreux3': hollow_bar(129, 25, d['field'], fb, glow=(230, 0, 200)),
        'BoutonCreux4': hollow_bar(129, 25, d['field'], fb, glow=(0, 210, 60)),
        'RondCreuxClassique1': disc(25, d['field'], fb),
        'RondCreuxClassique2': disc(25, d['field2'], fb),
        'RondCreuxJaune': disc(25, d['yellow'], fb),
        'RondCreuxRouge': disc(25, d['red'], fb),
        'RondCreuxSelection': disc(25, d['field'], fb, glow=sel),
        'PetitBoutonCreux': hollow_bar(129, 20, d['field'], fb),
        'PetitRondCreux': disc(22, d['field'], fb),
        'PetitRondCreuxSelection': disc(22, d['field'], fb, glow=sel),
    }
    return pics


def design_xml(d, pics):
    # nom and description in French, nom_en and description_en in English
    lines = ['  <design id="%d" nom="%s" description="%s" nom_en="%s" description_en="%s">'
             % (d['id'], d['nom'], d['description'], d['nom_en'], d['description_en']),
             '    <base>designs\\%s</base>' % d['folder']]
    for name, rgb in d['colours'].items():
        lines.append('    <%s>%s</%s>' % (name, bgr(rgb), name))
    for name in pics:
        lines.append('    <%s>%s.png</%s>' % (name, name, name))
    lines.append('  </design>')
    return lines


def main():
    # the declaration the program's XML writer puts on its own documents
    xml = ['<?xml version="1.0" encoding="UTF-8"?>', '<designs>']
    for d in DESIGNS:
        folder = os.path.join(HERE, d['folder'])
        os.makedirs(folder, exist_ok=True)
        pics = pictures(d)
        for name, pic in pics.items():
            with open(os.path.join(folder, name + '.png'), 'wb') as f:
                f.write(pic.png())
        xml += design_xml(d, pics)
    xml.append('</designs>')
    text = '\r\n'.join(xml) + '\r\n'
    with open(os.path.join(HERE, 'designs.xml'), 'wb') as f:
        f.write(text.encode('cp1252'))


if __name__ == '__main__':
    main()
