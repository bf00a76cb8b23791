#!/usr/bin/env python3
"""Writes the language files Textefr.txt and Texteen.txt from texts.tsv.

texts.tsv (UTF-8) holds one line per text id: id, French text, English text,
separated by tabs; lines starting with '#' and the header line are skipped.
The language files are Windows-1252 text, one "id<TAB>text" line per id,
sorted by id, lines ending in CR LF.
Run from anywhere: python3 data/texte/make_texts.py
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def read_texts(path):
    texts = {}
    with open(path, encoding='utf-8') as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip('\r\n')
            if not line or line.startswith('#') or line.startswith('id\t'):
                continue
            parts = line.split('\t')
            if len(parts) != 3:
                sys.exit(f'{path}:{n}: expected 3 tab-separated fields')
            ident = int(parts[0])
            if ident in texts:
                sys.exit(f'{path}:{n}: id {ident} repeated')
            texts[ident] = (parts[1], parts[2])
    return texts


def write_language(path, texts, column):
    with open(path, 'wb') as f:
        for ident in sorted(texts):
            text = texts[ident][column]
            try:
                data = text.encode('cp1252')
            except UnicodeEncodeError as e:
                sys.exit(f'id {ident}: not representable in Windows-1252: {e}')
            f.write(str(ident).encode('ascii') + b'\t' + data + b'\r\n')


def main():
    texts = read_texts(os.path.join(HERE, 'texts.tsv'))
    write_language(os.path.join(HERE, 'Textefr.txt'), texts, 0)
    write_language(os.path.join(HERE, 'Texteen.txt'), texts, 1)
    print(f'{len(texts)} texts written')


if __name__ == '__main__':
    main()
