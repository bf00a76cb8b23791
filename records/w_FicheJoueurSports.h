// The player cards of the four sports: their positions, statistics rows,
// captions and match lists; rugby adds three career counters.
#pragma once

#include "records/w_FicheJoueur.h"

class Tf_FicheJoueurFoot : public Tf_FicheJoueur
{
public:
    explicit Tf_FicheJoueurFoot(TComponent* AOwner);
    std::string AfficheDetailStat(int stat) override;

protected:
    TListeDonnees* ListeStat(int stat, TDonneesChampionnat* c, int jour, int& genre) override;
};

class Tf_FicheJoueurRugby : public Tf_FicheJoueur
{
public:
    explicit Tf_FicheJoueurRugby(TComponent* AOwner);
    std::string AfficheDetailStat(int stat) override;
    void TraduitLibelles() override;
    void EchangeStatSport(TCarriereFiche& fiche, int sens) override;

    TEdit* e_Transfo = nullptr;
    TEdit* e_Penalite = nullptr;
    TEdit* e_Drop = nullptr;

protected:
    TListeDonnees* ListeStat(int stat, TDonneesChampionnat* c, int jour, int& genre) override;
    void CompteSaison(const TJoueur* joueur, uint32_t code, int& matchs, std::array<int32_t, 4>& v) const override;
    int NbValeursCarriere() const override { return 4; }
};

// Basketball and handball read their box scores.
class Tf_FicheJoueurStat : public Tf_FicheJoueur
{
public:
    using Tf_FicheJoueur::Tf_FicheJoueur;
    std::string AfficheDetailStat(int stat) override;

protected:
    void RemplitMatchs(int stat, TDonneesChampionnat* c, int& ligne, int& couleur) override;
    virtual int CodeStat(int stat) const = 0;
    virtual int Colonnes(int stat) const = 0;
    virtual void EnTetes(int stat) = 0;
    virtual int TexteTitre(int stat) const = 0;
    // Whether the caption of a statistic names the player (else "Detail: ...").
    virtual bool TitreJoueur(int stat) const { return stat <= 2; }
    // The cells 2 and 3 of a matchday: value v of the code, made count m (-1 none).
    virtual void Cellules(int stat, int code, int v, int m, TDonneesChampionnat* c, int jour, std::string& c2,
                          std::string& c3) const = 0;
    // Value of a code for the player on a matchday, -1 when he has none.
    int Valeur(TDonneesChampionnat* c, int jour, int code) const;
};

class Tf_FicheJoueurBasket : public Tf_FicheJoueurStat
{
public:
    explicit Tf_FicheJoueurBasket(TComponent* AOwner);
    void TraduitLibelles() override;

protected:
    int CodeStat(int stat) const override { return stat == 1 ? 5 : stat + 4; }
    int Colonnes(int stat) const override { return stat == 1 ? 3 : 4; }
    void EnTetes(int stat) override;
    int TexteTitre(int stat) const override;
    void Cellules(int stat, int code, int v, int m, TDonneesChampionnat* c, int jour, std::string& c2,
                  std::string& c3) const override;
};

class Tf_FicheJoueurHand : public Tf_FicheJoueurStat
{
public:
    explicit Tf_FicheJoueurHand(TComponent* AOwner);
    void TraduitLibelles() override;

protected:
    int CodeStat(int stat) const override { return stat == 1 ? 36 : stat + 19; }
    // The counts (goals, 7-metre goals, saves) have their value column only.
    int Colonnes(int stat) const override { return stat == 1 || stat == 2 || stat == 4 || stat == 6 || stat == 8 ? 3 : 4; }
    void EnTetes(int stat) override;
    int TexteTitre(int stat) const override;
    bool TitreJoueur(int stat) const override { return stat == 1; }
    bool EstGardien(const TJoueur* j) const override;
    void Cellules(int stat, int code, int v, int m, TDonneesChampionnat* c, int jour, std::string& c2,
                  std::string& c3) const override;
};
