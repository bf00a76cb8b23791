// Championships for the standings tests: results entered by team position, a
// season of a sport without draws, a championship holding basketball or
// handball statistic lists, and the table of an engine read as positions.
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

// A league whose matchdays hold the statistic lists of basketball (sport 2)
// or handball (sport 3).
class TChampionnatStatEssai : public TDonneesChampionnat
{
public:
    TChampionnatStatEssai(TSaison* saison, int sport)
        : TDonneesChampionnat(saison, TypeChamp, 0, TParamsSport{0, 0, 5, 20}), sport_(sport)
    {
    }
    void OptionsParDefaut() override {}
    void ScoresEvenements(int, std::vector<int>&, std::string&, std::vector<uint8_t>&) override {}
    void ParamsSport(int& t, int& r, int& p, int& d) const override { t = 0; r = 0; p = 5; d = 20; }
    void BonusOffensif(int n, int m, int, int, int32_t (&bonus)[2]) override
    {
        bonus[0] = bonus[1] = 0;
        if (const TInfoComp* match = Match(n, m))
            for (int cote = 0; cote < 2; ++cote)
                bonus[cote] = match->Score(cote) <= BonusBut ? 1 : 0;
    }
    int ChampBonusDefensif() const override { return 1; }
    void EcritEvenementsMatch(TXmlWriter&, const TInfoComp&, int, bool) override {}
    bool LitEvenementMatch(const std::string&, TXmlReader&, uint8_t, TInfoComp&, int) override { return false; }
    std::unique_ptr<TListeResultat> ListeClassementJoueur(int, int) override { return nullptr; }
    std::vector<uint8_t> TypesDonnees() const override { return {static_cast<uint8_t>(sport_ == 2 ? 0 : 1)}; }

    // Adds a statistic record (a counter value) of a team on matchday n.
    void AjouteStat(int n, int code, int idEquipe, int valeur)
    {
        TInfoCompJour* j = Journee(n);
        if (TListeDonnees* l = j ? j->ListeStat(code, sport_) : nullptr)
            l->Ajoute(TDonneesEvt::CreateId(1, idEquipe, static_cast<uint16_t>(valeur)));
    }

private:
    int sport_;
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
