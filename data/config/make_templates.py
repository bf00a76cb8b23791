#!/usr/bin/env python3
"""Writes the championship templates Championnat{foot,rugby,basket,hand}.fr.

Each file is the program's XML form (no declaration: it starts with <config>),
Windows-1252, lines ending in CR LF. A division whose code is above 10000 is
made of sub-divisions (the <division> elements: their Id, and their team count
as content); its <playoff> text is the competition scenario (INI lines joined
by ";") that turns the group stage into play-off rounds.
Run from anywhere: python3 data/config/make_templates.py
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def esc(text):
    # The program's XML text form escapes these four characters.
    return (text.replace('&', '##0#').replace('<', '##1#')
            .replace('>', '##2#').replace('+', '##3#'))


def divis(code, nom, equipes, pts=None, cl=0, eur=0, promu=0, relegue=0,
          bpromu=0, brelegue=0, groupes=0, nomgroupe='', date=False,
          playoff=None, sous=None, fichier=''):
    lines = [f'<divis Id="{code}">', f'<nom>{esc(nom)}</nom>',
             f'<nEquipe>{equipes}</nEquipe>']
    if pts:
        lines += [f'<PtsVictoire>{pts[0]}</PtsVictoire>',
                  f'<PtsNul>{pts[1]}</PtsNul>',
                  f'<PtsDefaite>{pts[2]}</PtsDefaite>']
    for tag, value in (('nChampLigue', cl), ('nEuropeen', eur),
                       ('nPromu', promu), ('nRelegue', relegue),
                       ('nBarragePromu', bpromu),
                       ('nBarrageRelegue', brelegue), ('nGroupe', groupes)):
        if value:
            lines.append(f'<{tag}>{value}</{tag}>')
    if nomgroupe:
        lines.append(f'<NomGroupe>{esc(nomgroupe)}</NomGroupe>')
    if fichier:
        lines.append(f'<NomFichier>{esc(fichier)}</NomFichier>')
    if date:
        lines.append('<typejournee>date</typejournee>')
    if sous:
        for ident, count in sous:
            lines.append(f'<division Id="{ident}">{count}</division>')
    if playoff:
        lines.append(f'<playoff>{esc(";".join(playoff))}</playoff>')
    lines.append('</divis>')
    return lines


def championnat(ident, nom, divisions):
    lines = [f'<championnat Id="{ident}">', f'<nom>{esc(nom)}</nom>']
    for d in divisions:
        lines += d
    lines.append('</championnat>')
    return lines


def write(name, championnats):
    # The first template is the custom championship: id 0, one division of
    # code 0, with the sport's points.
    pts = {'Championnatfoot.fr': FOOT, 'Championnatrugby.fr': RUGBY,
           'Championnatbasket.fr': BASKET, 'Championnathand.fr': HAND}[name]
    championnats = [championnat(0, 'Championnat personnalisé', [
        divis(0, 'Division personnalisée', 18, pts)])] + list(championnats)
    lines = ['<config>']
    for c in championnats:
        lines += c
    lines.append('</config>')
    data = ('\r\n'.join(lines) + '\r\n').encode('cp1252')
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)


# --- scenario helpers -------------------------------------------------------

def scenario(general, tours):
    items = ['[General]'] + [f'{k}={v}' for k, v in general]
    for n, tour in enumerate(tours, 1):
        items.append(f'[Tour{n}]')
        items += [f'{k}={v}' for k, v in tour]
    return items


def knockout(title, first_round, rounds, kinds, neutral=False, code=0):
    """A cup round: first_round is a list of (g1, p1, g2, p2) pairings of group
    places; rounds gives the match count of each later sub-round (winners of
    matches 2k-1 and 2k meet); kinds the tie kind of every sub-round."""
    tour = [('Titre', title), ('Type', 'Coupe'), ('clJoueur', 'champ'),
            ('nTour', 1 + len(rounds))]
    if neutral:
        tour.append(('terrain', 'neutre'))
    if code:
        tour.append(('CodeChamp', code))
    counts = [len(first_round)] + list(rounds)
    for m, (count, kind) in enumerate(zip(counts, kinds), 1):
        tour += [(f'MatchTour{m}', count), (f'TypeTour{m}', kind)]
    for m, (g1, p1, g2, p2) in enumerate(first_round, 1):
        tour += [(f'T1_{m}Equipe1', f'Tp_G{g1}_{p1}'),
                 (f'T1_{m}Equipe2', f'Tp_G{g2}_{p2}')]
    for s, count in enumerate(rounds, 2):
        for m in range(1, count + 1):
            tour += [(f'T{s}_{m}Equipe1', f'T{s - 1}_{2 * m - 1}'),
                     (f'T{s}_{m}Equipe2', f'T{s - 1}_{2 * m}')]
    return tour


def groups(title, count, qualified, pts):
    return [('Titre', title), ('Type', 'Champ'), ('nGroupe', count),
            ('nQualifieGroupe', qualified), ('PtsVictoire', pts[0]),
            ('PtsNul', pts[1]), ('PtsDefaite', pts[2]), ('clJoueur', 'champ')]


def letters(n):
    return [(chr(ord('A') + i), 16) for i in range(n)]


def crossed(ngroups):
    """Winner of group g against the runner-up of its neighbour, for 2 teams
    qualified from each of an even number of groups."""
    pairs = []
    for g in range(1, ngroups + 1, 2):
        pairs.append((g, 1, g + 1, 2))
    for g in range(1, ngroups + 1, 2):
        pairs.append((g + 1, 1, g, 2))
    return pairs


def seeded(n):
    """Play-off of the first n places of one group: 1 v n, ..., in bracket order."""
    order = {8: [(1, 8), (4, 5), (2, 7), (3, 6)], 6: None,
             4: [(1, 4), (2, 3)], 16: [(1, 16), (8, 9), (4, 13), (5, 12),
                                       (2, 15), (7, 10), (3, 14), (6, 11)]}[n]
    return [(1, a, 1, b) for a, b in order]


FOOT = (3, 1, 0)
RUGBY = (4, 2, 0)
BASKET = (2, 0, 1)
HAND = (2, 1, 0)


def football():
    pays = []
    pays.append(championnat(1, 'Championnat de France', [
        divis(1, 'Première division', 18, FOOT, cl=4, eur=2, relegue=2, brelegue=1),
        divis(2, 'Deuxième division', 18, FOOT, promu=2, bpromu=3, relegue=2, brelegue=1),
        divis(3, 'Troisième division', 18, FOOT, promu=2, bpromu=1, relegue=3),
        divis(4, 'Quatrième division', 16, FOOT, promu=1, relegue=3, groupes=4,
              nomgroupe='Quatrième division (4 groupes)'),
        divis(10004, 'Quatrième division, 4 groupes', 64, FOOT, groupes=4,
              nomgroupe='Quatrième division (4 groupes)',
              sous=[('1', 16), ('2', 16), ('3', 16), ('4', 16)],
              playoff=scenario([('nTour', 2), ('TypeEquipe', 'Club')], [
                  groups('Groupes', 4, 1, FOOT),
                  knockout('Finale des champions de groupe', [(1, 1, 2, 1), (3, 1, 4, 1)],
                           [1], ['Simple', 'Simple'], neutral=True)])),
    ]))
    pays.append(championnat(2, "Championnat d'Angleterre", [
        divis(11, 'Première division', 20, FOOT, cl=4, eur=3, relegue=3),
        divis(12, 'Deuxième division', 24, FOOT, promu=2, bpromu=4, relegue=3),
        divis(13, 'Troisième division', 24, FOOT, promu=2, bpromu=4, relegue=4),
        divis(14, 'Quatrième division', 24, FOOT, promu=3, bpromu=4, relegue=2),
    ]))
    pays.append(championnat(3, "Championnat d'Espagne", [
        divis(21, 'Première division', 20, FOOT, cl=4, eur=3, relegue=3),
        divis(22, 'Deuxième division', 22, FOOT, promu=2, bpromu=4, relegue=4),
    ]))
    pays.append(championnat(4, "Championnat d'Italie", [
        divis(31, 'Première division', 20, FOOT, cl=4, eur=3, relegue=3),
        divis(32, 'Deuxième division', 20, FOOT, promu=2, bpromu=6, relegue=3, brelegue=2),
        divis(33, 'Troisième division', 20, FOOT, promu=1, bpromu=8, relegue=2, brelegue=4,
              groupes=3, nomgroupe='Troisième division (3 groupes)'),
    ]))
    pays.append(championnat(5, "Championnat d'Allemagne", [
        divis(41, 'Première division', 18, FOOT, cl=4, eur=2, relegue=2, brelegue=1),
        divis(42, 'Deuxième division', 18, FOOT, promu=2, bpromu=1, relegue=2, brelegue=1),
        divis(43, 'Troisième division', 20, FOOT, promu=2, bpromu=1, relegue=4),
    ]))
    # A final tournament of national teams: 8 groups of 4, then knock-out
    # rounds from the last 16, on neutral ground.
    mondial = scenario([('nTour', 2), ('TypeEquipe', 'International')], [
        groups('Phase de groupes', 8, 2, FOOT),
        knockout('Phase finale', crossed(8), [4, 2, 1],
                 ['Simple', 'Simple', 'Simple', 'Simple'], neutral=True)])
    pays.append(championnat(20, 'Tournoi mondial des nations', [
        divis(200, 'Groupe de qualification', 6, FOOT),
        divis(10200, 'Phase finale (32 équipes)', 32, FOOT, groupes=8,
              nomgroupe='Phase finale (8 groupes)',
              sous=[(str(g), 4) for g in range(1, 9)], playoff=mondial),
    ]))
    # A continental club cup: 8 groups of 4, then two-legged ties up to a final
    # on neutral ground.
    coupe = scenario([('nTour', 2), ('TypeEquipe', 'Club')], [
        groups('Phase de groupes', 8, 2, FOOT),
        knockout('Phase à élimination directe', crossed(8), [4, 2, 1],
                 ['AllerRetour', 'AllerRetour', 'AllerRetour', 'Simple'])])
    pays.append(championnat(21, 'Coupe continentale des clubs', [
        divis(210, 'Tour de qualification', 4, FOOT),
        divis(10210, 'Phase de groupes et phase finale', 32, FOOT, groupes=8,
              nomgroupe='Coupe continentale (8 groupes)',
              sous=[(str(g), 4) for g in range(1, 9)], playoff=coupe),
    ]))
    write('Championnatfoot.fr', pays)


def rugby():
    # Top league of 14: the first six go to the play-offs (barrages 3 to 6,
    # semi-finals, final on neutral ground), the last goes down, the 13th
    # plays a relegation play-off.
    phases = scenario([('nTour', 2), ('TypeEquipe', 'Club')], [
        groups('Saison régulière', 1, 6, RUGBY),
        knockout('Phase finale', [(1, 3, 1, 6), (1, 4, 1, 5)], [2, 1],
                 ['Simple', 'Simple', 'Simple'], neutral=False)])
    # The barrages winners meet the first two: bracket written match by match.
    phases = [i for i in phases if not i.startswith('T2_') and not i.startswith('T3_')]
    phases += ['T2_1Equipe1=Tp_G1_1', 'T2_1Equipe2=T1_2',
               'T2_2Equipe1=Tp_G1_2', 'T2_2Equipe2=T1_1',
               'T3_1Equipe1=T2_1', 'T3_1Equipe2=T2_2', 'terrain=neutre']
    champs = [championnat(1, 'Championnat de France', [
        divis(1, 'Première division', 14, RUGBY, cl=8, eur=4, relegue=1, brelegue=1),
        divis(2, 'Deuxième division', 16, RUGBY, promu=1, bpromu=4, relegue=2),
        divis(3, 'Troisième division', 14, RUGBY, promu=2, relegue=2,
              groupes=2, nomgroupe='Troisième division (2 poules)'),
        divis(10001, 'Première division avec phase finale', 14, RUGBY,
              sous=[('1', 14)], playoff=phases),
    ])]
    champs.append(championnat(2, "Championnat d'Angleterre", [
        divis(11, 'Première division', 10, RUGBY, cl=6, bpromu=4),
        divis(12, 'Deuxième division', 12, RUGBY, promu=1),
    ]))
    champs.append(championnat(3, 'Championnat celte et sud-africain', [
        divis(21, 'Ligue unique', 16, RUGBY, cl=8, bpromu=8),
    ]))
    champs.append(championnat(10, 'Tournoi des nations', [
        divis(100, 'Tournoi', 6, RUGBY, date=True),
    ]))
    # World tournament: 4 pools of 5, quarter-finals, semi-finals, final.
    mondial = scenario([('nTour', 2), ('TypeEquipe', 'International')], [
        groups('Phase de poules', 4, 2, RUGBY),
        knockout('Phase finale', [(3, 1, 4, 2), (1, 1, 2, 2), (4, 1, 3, 2), (2, 1, 1, 2)],
                 [2, 1], ['Simple', 'Simple', 'Simple'], neutral=True)])
    champs.append(championnat(20, 'Tournoi mondial des nations', [
        divis(200, 'Poule de qualification', 5, RUGBY),
        divis(10200, 'Phase finale (20 équipes)', 20, RUGBY, groupes=4,
              nomgroupe='Phase finale (4 poules)',
              sous=[(str(g), 5) for g in range(1, 5)], playoff=mondial),
    ]))
    # Continental club cup: 4 pools of 6, last 16 is not played: the first two
    # of each pool go to the quarter-finals.
    coupe = scenario([('nTour', 2), ('TypeEquipe', 'Club')], [
        groups('Phase de poules', 4, 2, RUGBY),
        knockout('Phase finale', crossed(4), [2, 1], ['Simple', 'Simple', 'Simple'])])
    champs.append(championnat(21, 'Coupe continentale des clubs', [
        divis(210, 'Poule de qualification', 4, RUGBY),
        divis(10210, 'Phase de poules et phase finale', 24, RUGBY, groupes=4,
              nomgroupe='Coupe continentale (4 poules)',
              sous=[(str(g), 6) for g in range(1, 5)], playoff=coupe),
    ]))
    write('Championnatrugby.fr', champs)


def basket():
    # Regular season then the first eight in best-of-five series.
    playoffs8 = scenario([('nTour', 2), ('TypeEquipe', 'Club')], [
        groups('Saison régulière', 1, 8, BASKET),
        knockout('Play-offs', seeded(8), [2, 1], ['5manches', '5manches', '5manches'])])
    champs = [championnat(1, 'Championnat de France', [
        divis(1, 'Première division', 18, BASKET, cl=2, eur=2, bpromu=8, relegue=2),
        divis(2, 'Deuxième division', 18, BASKET, promu=1, bpromu=8, relegue=2),
        divis(3, 'Troisième division', 14, BASKET, promu=2, relegue=3,
              groupes=2, nomgroupe='Troisième division (2 poules)'),
        divis(10001, 'Première division avec play-offs', 18, BASKET,
              sous=[('1', 18)], playoff=playoffs8),
    ])]
    champs.append(championnat(2, "Championnat d'Espagne", [
        divis(11, 'Première division', 18, BASKET, cl=2, eur=2, bpromu=8, relegue=2),
        divis(10011, 'Première division avec play-offs', 18, BASKET,
              sous=[('1', 18)], playoff=playoffs8),
    ]))
    # A closed professional league: two conferences of 15, sixteen teams in
    # best-of-seven series.
    ligue = scenario([('nTour', 2), ('TypeEquipe', 'Club')], [
        groups('Saison régulière', 2, 8, BASKET),
        knockout('Play-offs', [(1, 1, 1, 8), (1, 4, 1, 5), (1, 2, 1, 7), (1, 3, 1, 6),
                               (2, 1, 2, 8), (2, 4, 2, 5), (2, 2, 2, 7), (2, 3, 2, 6)],
                 [4, 2, 1], ['7manches'] * 4)])
    champs.append(championnat(3, 'Ligue professionnelle fermée', [
        divis(21, 'Conférence', 15, BASKET, bpromu=8, groupes=2, nomgroupe='Ligue (2 conférences)'),
        divis(10021, 'Ligue avec play-offs', 30, BASKET, groupes=2,
              nomgroupe='Ligue (2 conférences)',
              sous=[('1', 15), ('2', 15)], playoff=ligue),
    ]))
    # Continental club league: one group of 18, play-offs of the first eight in
    # best-of-five series, then semi-finals and final in single matches.
    euro = scenario([('nTour', 2), ('TypeEquipe', 'Club')], [
        groups('Saison régulière', 1, 8, BASKET),
        knockout('Play-offs et finale à quatre', seeded(8), [2, 1],
                 ['5manches', 'Simple', 'Simple'])])
    champs.append(championnat(21, 'Ligue continentale des clubs', [
        divis(210, 'Saison régulière', 18, BASKET, bpromu=8),
        divis(10210, 'Saison régulière et phase finale', 18, BASKET,
              sous=[('1', 18)], playoff=euro),
    ]))
    # National teams: 8 groups of 4, then the first two of each group in a
    # knock-out tournament.
    mondial = scenario([('nTour', 2), ('TypeEquipe', 'International')], [
        groups('Premier tour', 8, 2, BASKET),
        knockout('Phase finale', crossed(8), [4, 2, 1], ['Simple'] * 4, neutral=True)])
    champs.append(championnat(20, 'Tournoi mondial des nations', [
        divis(200, 'Groupe de qualification', 4, BASKET),
        divis(10200, 'Phase finale (32 équipes)', 32, BASKET, groupes=8,
              nomgroupe='Phase finale (8 groupes)',
              sous=[(str(g), 4) for g in range(1, 9)], playoff=mondial),
    ]))
    write('Championnatbasket.fr', champs)


def hand():
    champs = [championnat(1, 'Championnat de France', [
        divis(1, 'Première division', 16, HAND, cl=2, eur=2, relegue=2),
        divis(2, 'Deuxième division', 16, HAND, promu=1, bpromu=4, relegue=2),
        divis(3, 'Troisième division', 12, HAND, promu=2, relegue=2,
              groupes=4, nomgroupe='Troisième division (4 poules)'),
    ])]
    champs.append(championnat(2, "Championnat d'Allemagne", [
        divis(11, 'Première division', 18, HAND, cl=2, eur=3, relegue=2),
        divis(12, 'Deuxième division', 20, HAND, promu=2, relegue=3),
    ]))
    champs.append(championnat(3, "Championnat d'Espagne", [
        divis(21, 'Première division', 16, HAND, cl=2, eur=2, relegue=2),
    ]))
    # Continental club league: 2 groups of 8; the 3rd to 6th of each group play
    # two-legged play-offs, whose winners meet the first two in the
    # quarter-finals; semi-finals and final in single matches.
    euro = scenario([('nTour', 2), ('TypeEquipe', 'Club')], [
        groups('Phase de groupes', 2, 6, HAND),
        knockout('Phase finale',
                 [(1, 3, 2, 6), (2, 4, 1, 5), (2, 3, 1, 6), (1, 4, 2, 5)],
                 [4, 2, 1], ['AllerRetour', 'AllerRetour', 'Simple', 'Simple'])])
    euro = [i for i in euro if not i.startswith('T2_')]
    euro += ['T2_1Equipe1=Tp_G1_1', 'T2_1Equipe2=T1_3', 'T2_2Equipe1=Tp_G2_2', 'T2_2Equipe2=T1_1',
             'T2_3Equipe1=Tp_G2_1', 'T2_3Equipe2=T1_2', 'T2_4Equipe1=Tp_G1_2', 'T2_4Equipe2=T1_4']
    champs.append(championnat(21, 'Ligue continentale des clubs', [
        divis(210, 'Groupe de qualification', 4, HAND),
        divis(10210, 'Phase de groupes et phase finale', 16, HAND, groupes=2,
              nomgroupe='Ligue continentale (2 groupes)',
              sous=[('1', 8), ('2', 8)], playoff=euro),
    ]))
    # National teams: 8 groups of 4, then a knock-out tournament of sixteen.
    mondial = scenario([('nTour', 2), ('TypeEquipe', 'International')], [
        groups('Tour préliminaire', 8, 2, HAND),
        knockout('Phase finale', crossed(8), [4, 2, 1], ['Simple'] * 4, neutral=True)])
    champs.append(championnat(20, 'Championnat mondial des nations', [
        divis(200, 'Groupe de qualification', 4, HAND),
        divis(10200, 'Phase finale (32 équipes)', 32, HAND, groupes=8,
              nomgroupe='Phase finale (8 groupes)',
              sous=[(str(g), 4) for g in range(1, 9)], playoff=mondial),
    ]))
    write('Championnathand.fr', champs)


if __name__ == '__main__':
    football()
    rugby()
    basket()
    hand()
    print('templates written')
