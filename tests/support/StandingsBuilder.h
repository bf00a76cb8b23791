// Championships for the standings tests: results entered by team position, a
// season of a sport without draws, and the table of an engine read as
// positions.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "tests/support/ChampionnatBuilder.h"

// A season whose sport knows no draws (football or rugby classes otherwise).
class TSaisonSansNul : public TSaisonEssai
{
public:
    TSaisonSansNul() : TSaisonEssai(0) {}
    int StatApplicable(int) const override { return 0; }
};

// Enters a result by team positions (65535 scores leave the match unplayed).
inline void Resultat(TDonneesChampionnat& c, int n, int dom, int ext, int sDom, int sExt)
{
    c.CreeMatch(n, c.IdEquipe(dom), c.IdEquipe(ext), sDom, sExt);
}

// Adds an event record of the team at position p on matchday n.
inline void Evenement(TDonneesChampionnat& c, int type, int n, int p, int minute, uint16_t drapeaux = 0)
{
    if (TListeDonnees* l = c.ListeDonnees(type, n))
        l->Ajoute(std::make_unique<TDonneesEvt>(1, c.IdEquipe(p), minute, drapeaux));
}

// The team positions of the rows, in rank order.
inline std::vector<int> Positions(const TCalculClassement& calcul)
{
    std::vector<int> v;
    for (int r = 0; r < calcul.NbLignes(); ++r)
        v.push_back(calcul.ValeurLigne(r, 1));
    return v;
}

// Row fields 2..8 of the team at each rank: points, difference, goals for,
// W, D, L, goals against.
struct TLigneAttendue
{
    int Position, Points, Diff, Pour, V, N, D, Contre;
};

inline std::vector<TLigneAttendue> Lignes(const TCalculClassement& calcul)
{
    std::vector<TLigneAttendue> v;
    for (int r = 0; r < calcul.NbLignes(); ++r)
        v.push_back({calcul.ValeurLigne(r, 1), calcul.ValeurLigne(r, 2), calcul.ValeurLigne(r, 3),
                     calcul.ValeurLigne(r, 4), calcul.ValeurLigne(r, 5), calcul.ValeurLigne(r, 6),
                     calcul.ValeurLigne(r, 7), calcul.ValeurLigne(r, 8)});
    return v;
}

inline bool operator==(const TLigneAttendue& a, const TLigneAttendue& b)
{
    return a.Position == b.Position && a.Points == b.Points && a.Diff == b.Diff && a.Pour == b.Pour && a.V == b.V &&
           a.N == b.N && a.D == b.D && a.Contre == b.Contre;
}

inline std::ostream& operator<<(std::ostream& os, const TLigneAttendue& l)
{
    return os << "{" << l.Position << ", " << l.Points << ", " << l.Diff << ", " << l.Pour << ", " << l.V << ", "
              << l.N << ", " << l.D << ", " << l.Contre << "}";
}

// Four teams, three matchdays (results by team position):
//   1: 0-1 2:1   2-3 1:1
//   2: 1-2 0:3   3-0 2:2
//   3: 0-2 0:1   1-3 4:0
struct Ligue4
{
    TChampionnatEssai c{0, 4, TDonneesChampionnat::TypeChamp, 3};
    Ligue4()
    {
        Resultat(*c, 1, 0, 1, 2, 1);
        Resultat(*c, 1, 2, 3, 1, 1);
        Resultat(*c, 2, 1, 2, 0, 3);
        Resultat(*c, 2, 3, 0, 2, 2);
        Resultat(*c, 3, 0, 2, 0, 1);
        Resultat(*c, 3, 1, 3, 4, 0);
    }
    // The table of the given kind, as positions.
    std::vector<int> Table(int type, int champTri = 0)
    {
        TCalculClassement calcul(c.champ.get(), c.saison.get());
        calcul.Calcule(type, 0, 0, nullptr, false, champTri);
        return Positions(calcul);
    }
};
