// The team sheet of each sport: its line-up table, goal charts and ranking
// choices.
#pragma once

#include "views/w_StatEquipe.h"

class Tf_StatEquipeFoot : public Tf_StatEquipe
{
public:
    explicit Tf_StatEquipeFoot(TComponent* AOwner);
};

class Tf_StatEquipeRugby : public Tf_StatEquipe
{
public:
    explicit Tf_StatEquipeRugby(TComponent* AOwner);
    int LargeurComposition() const override { return 920; }
    void AfficheButsMarques() override;
    void AfficheButsEncaisses() override;
    void EnregistreJoueursHTML(const std::string& nomFichier) override;
    void ImprimeJoueurs() override;
    // The players page's rankings: HTML heading and kind.
    static std::vector<int> SectionsJoueurs();

    TRondCoche* rc_Penalites;
    TRondCoche* rc_Transfo;
    TRondCoche* rc_Drop;
};

class Tf_StatEquipeBasket : public Tf_StatEquipe
{
public:
    explicit Tf_StatEquipeBasket(TComponent* AOwner);
    int LargeurComposition() const override { return 652; }
    void AfficheButsMarques() override;
    void AfficheButsEncaisses() override;
    void EnregistreJoueursHTML(const std::string& nomFichier) override;
    void ImprimeJoueurs() override;
    // The players page's rankings: HTML heading and kind.
    static std::vector<int> SectionsJoueurs();

    TRondCoche* rc_BallePerdu;
    TRondCoche* rc_EffLF;
    TRondCoche* rc_Eff3Pts;
    TRondCoche* rc_Eff2Pts;
    TRondCoche* rc_Eval;
    TRondCoche* rc_FautesProv;
    TRondCoche* rc_Fautes;
};

class Tf_StatEquipeHand : public Tf_StatEquipe
{
public:
    explicit Tf_StatEquipeHand(TComponent* AOwner);
    int LargeurComposition() const override { return 574; }
    void AfficheButsMarques() override;
    void AfficheButsEncaisses() override;
    void EnregistreJoueursHTML(const std::string& nomFichier) override;
    void ImprimeJoueurs() override;
    // The players page's rankings: HTML heading and kind.
    static std::vector<int> SectionsJoueurs();

    TRondCoche* rc_BallePerdu;
    TRondCoche* rc_EffPenalty;
    TRondCoche* rc_Penalty;
    TRondCoche* rc_EffTir;
    TRondCoche* rc_Avertissement;
    TRondCoche* rc_2minute;
    TRondCoche* rc_Disqualification;
    TRondCoche* rc_Arret;
    TRondCoche* rc_EffPenArret;
    TRondCoche* rc_PenArret;
    TRondCoche* rc_EffArret;
};

// The class object of a sport 0..3.
const TClasseStatEquipe& ClasseStatEquipe(int sport);
