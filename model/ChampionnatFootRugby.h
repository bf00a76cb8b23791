// The championships of the football and rugby seasons: the sport's match
// constants, default options, kinds of event data and the score they imply,
// the bonus rule read by the standings, and the upkeep of the sport's extra
// event lists.
//
// Data kinds: 2 goals (football) or tries (rugby), 3 bookings and sendings-off
// (0x80), 4 assists (football), 5 penalty goals, 6 conversions, 7 drop goals
// (rugby).
#pragma once

#include "model/Championnat.h"

// What both sports share: the elements of the scoring and discipline records
// (Buteur, Averti, Exclus with 0x80) and the upkeep of the event lists of
// every kind of TypesDonnees.
class TDonneesChampionnatFootRugby : public TDonneesChampionnat
{
public:
    // These also upkeep the sport's extra kinds (those of TypesDonnees beyond 2 and 3).
    void SupprimeDonneesEquipe(int idEquipe, int n, bool compo) override;
    void RemplaceJoueurs(const TPairesIds& paires) override;
    // The lists of TypesDonnees, in that order.
    std::vector<TListeDonnees*> ListesDonnees(int n) override;

protected:
    using TDonneesChampionnat::TDonneesChampionnat;
    std::vector<uint8_t> TypesExtras() const;
    // Reads the element into the list of that kind when it has that name.
    bool LitEvenementType(std::string_view nom, const char* element, int type, TXmlReader& x, uint8_t jeton,
                          TInfoComp& match, int n);
    bool LitEvenementCommun(std::string_view nom, TXmlReader& x, uint8_t jeton, TInfoComp& match, int n);
};

class TDonneesChampionnatFootball : public TDonneesChampionnatFootRugby
{
public:
    TDonneesChampionnatFootball(TSaison* saison, uint8_t flags, uint8_t valeur = 0);

    void OptionsParDefaut() override;
    void ScoresEvenements(int n, std::vector<int>& scores, std::string& texte,
                          std::vector<uint8_t>& drapeaux) override;
    void ParamsSport(int& nbTitulaire, int& nbRemp, int& prolongation, int& periode) const override;
    // 1 for a side whose raw score word (flag included) is at most BonusBut.
    void BonusOffensif(int n, int m, int position1, int position2, int32_t (&bonus)[2]) override;
    int ChampBonusDefensif() const override { return 1; }
    void EcritEvenementsMatch(TXmlWriter& ecrivain, const TInfoComp& match, int n, bool evenements) override;
    bool LitEvenementMatch(std::string_view nom, TXmlReader& lecteur, uint8_t jeton, TInfoComp& match,
                           int n) override;
    // Kind 1 goals, 37 discipline, 38 assists.
    std::unique_ptr<TListeResultat> ListeClassementJoueur(int n, int type) override;
    std::vector<uint8_t> TypesDonnees() const override { return {2, 3, 4}; }
};

class TDonneesChampionnatRugby : public TDonneesChampionnatFootRugby
{
public:
    TDonneesChampionnatRugby(TSaison* saison, uint8_t flags, uint8_t valeur = 0);

    // Points of one record of a data kind in the score (0 for other kinds).
    static int PointsType(int type);

    void OptionsParDefaut() override;
    void ScoresEvenements(int n, std::vector<int>& scores, std::string& texte,
                          std::vector<uint8_t>& drapeaux) override;
    void ParamsSport(int& nbTitulaire, int& nbRemp, int& prolongation, int& periode) const override;
    // 1 for a side with at least BonusBut tries on the matchday.
    void BonusOffensif(int n, int m, int position1, int position2, int32_t (&bonus)[2]) override;
    int ChampBonusDefensif() const override { return 0; }
    void EcritEvenementsMatch(TXmlWriter& ecrivain, const TInfoComp& match, int n, bool evenements) override;
    bool LitEvenementMatch(std::string_view nom, TXmlReader& lecteur, uint8_t jeton, TInfoComp& match,
                           int n) override;
    // Kind 1 tries, 2 conversions, 3 penalty goals, 4 drop goals, 37 discipline.
    std::unique_ptr<TListeResultat> ListeClassementJoueur(int n, int type) override;
    std::vector<uint8_t> TypesDonnees() const override { return {2, 3, 6, 5, 7}; }
};
