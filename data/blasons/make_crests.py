#!/usr/bin/env python3
"""Draws the sample crests of the catalogue and writes blasons.txt.

Countries are flags (ids 1 and up, parent 0); teams are shields in their club
colours (ids 1001 and up, parent = their country). Pictures are 32 x 32 RGBA
PNG files named <id>.png, written with zlib alone. The index is one line of
"id-parent-name#" entries, Windows-1252, without a line break.
Run from anywhere: python3 data/blasons/make_crests.py
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 32

COUNTRIES = [
    (1, 'France', ('v', [(0, 35, 149), (255, 255, 255), (237, 41, 57)])),
    (2, 'Italie', ('v', [(0, 146, 70), (255, 255, 255), (206, 43, 55)])),
    (3, 'Allemagne', ('h', [(0, 0, 0), (221, 0, 0), (255, 206, 0)])),
    (4, 'Belgique', ('v', [(0, 0, 0), (253, 218, 36), (239, 51, 64)])),
    (5, 'Pays-Bas', ('h', [(174, 28, 40), (255, 255, 255), (33, 70, 139)])),
]

# id, country, name, main colour, second colour, pattern
TEAMS = [
    (1001, 1, 'Olympique Valmont', (20, 60, 160), (255, 255, 255), 'band'),
    (1002, 1, 'AS Corbières', (200, 30, 40), (250, 210, 0), 'half'),
    (1003, 1, 'Racing Bellerive', (0, 120, 60), (255, 255, 255), 'stripes'),
    (1004, 1, 'Stade Arvenois', (110, 30, 120), (240, 240, 240), 'chevron'),
    (1005, 2, 'Unione Sportiva Larano', (0, 0, 0), (0, 110, 200), 'stripes'),
    (1006, 3, 'Sportverein Lindenau', (220, 0, 0), (255, 255, 255), 'half'),
]


def png(pixels):
    raw = b''.join(b'\x00' + bytes(v for px in row for v in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack('>IIBBBBB', SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def blank():
    return [[(0, 0, 0, 0) for _ in range(SIZE)] for _ in range(SIZE)]


def flag(kind, colours):
    img = blank()
    for y in range(4, 28):
        for x in range(1, 31):
            band = (x - 1) * 3 // 30 if kind == 'v' else (y - 4) * 3 // 24
            img[y][x] = colours[band] + (255,)
    for x in range(1, 31):          # thin dark outline
        img[4][x] = img[27][x] = (60, 60, 60, 255)
    for y in range(4, 28):
        img[y][1] = img[y][30] = (60, 60, 60, 255)
    return img


def inside_shield(x, y):
    if y < 3 or y > 29 or x < 4 or x > 27:
        return False
    if y <= 18:
        return True
    # lower part narrows to a point at the bottom centre
    half = (29 - y) * 12 // 11
    return abs(x - 15.5) <= half + 0.5


def shield(main, second, pattern):
    img = blank()
    for y in range(SIZE):
        for x in range(SIZE):
            if not inside_shield(x, y):
                continue
            if pattern == 'band':
                c = second if 12 <= y <= 17 else main
            elif pattern == 'half':
                c = main if x < 16 else second
            elif pattern == 'stripes':
                c = main if (x // 4) % 2 == 0 else second
            else:  # chevron
                c = second if 0 <= y - 6 - abs(x - 15.5) * 0.8 <= 4 else main
            img[y][x] = c + (255,)
    for y in range(SIZE):           # dark border
        for x in range(SIZE):
            if inside_shield(x, y) and not all(
                    inside_shield(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                img[y][x] = (30, 30, 30, 255)
    return img


def main():
    entries = []
    for ident, name, (kind, colours) in COUNTRIES:
        with open(os.path.join(HERE, f'{ident}.png'), 'wb') as f:
            f.write(png(flag(kind, colours)))
        entries.append(f'{ident}-0-{name}#')
    for ident, parent, name, main_colour, second, pattern in TEAMS:
        with open(os.path.join(HERE, f'{ident}.png'), 'wb') as f:
            f.write(png(shield(main_colour, second, pattern)))
        entries.append(f'{ident}-{parent}-{name}#')
    with open(os.path.join(HERE, 'blasons.txt'), 'wb') as f:
        f.write(''.join(entries).encode('cp1252'))
    print(f'{len(entries)} crests written')


if __name__ == '__main__':
    main()
