// Quick entry of a squad: a known player picked moves to the team (typed to
// the letter of his line, once the user agrees; with the card asked for, only
// once his card is validated), any other name typed becomes a new player of
// the season's sport after its record card. Opened modally by
// the squads window, which hands it the team first.
#pragma once

#include <cstdint>
#include <string>

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TCarreCoche;
class TComboBox98;
class TLabel;
class TListBox;

class Tf_SaisieRapide : public TBrivantelForm
{
public:
    explicit Tf_SaisieRapide(TComponent* AOwner);
    // The team whose squad is entered; lists its players.
    void RemplitJoueurs(int equipe);
    void FormShow(TObject* Sender);
    void b_AjouterClick(TObject* Sender);
    // "First names Name (teams)".
    std::string LigneJoueur(const TJoueur& j) const;
    // A typed name split as a user means it: first name, then the name.
    static void SepareNomSaisi(const std::string& texte, std::string& prenom, std::string& nom);
    TLabel* Label1;
    TComboBox98* cb_AjoutJoueur;
    TBoutonCopie* b_Ajouter;
    TListBox* lb_JoueursPresents;
    TBoutonCopie* b_Continuer;
    TCarreCoche* cc_AfficheFiche;

private:
    // The choice list: every player of the season, in its order.
    void RemplitChoix();
    // Whether he plays for the team (its national team in an international
    // championship).
    bool DansLEquipe(const TJoueur& j) const;
    // A player of the team named again: said, the box emptied; false for
    // none or another team's.
    bool DejaDansLEquipe(const TJoueur* p);
    int equipe_ = -1;
};
