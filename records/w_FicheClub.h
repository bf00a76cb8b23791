// The record card of the club of one team of the current championship:
// general information with kit colours, home stadium and crest, the
// administration with president and coach, and the honours. The club record
// is created on "Valider" when the team has none. Stadiums and coaches
// created or edited through their own cards, validated there, stay in the
// season however this card closes: Modifie then tells the opener so. The
// crest chosen is the team's once this card is validated.
//
//     TOwned<Tf_FicheClub> f(new Tf_FicheClub(owner));
//     f->ChangeCouleurs(couleurs);
//     f->ChangeSaison(saison);
//     f->Position = position;   // of the team in the current championship
//     f->ShowModal();
//     if (f->Modifie) ...       // the season changed
#pragma once

#include <cstdint>
#include <string>

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TComboBox;
class TEdit;
class TLabel;
class TLogo;
class TMemo;
class TPageControl;
class TRensClub;
class TTabSheet;

class Tf_FicheClub : public TBrivantelForm
{
public:
    explicit Tf_FicheClub(TComponent* AOwner);

    void ChangeSaison(TSaison* saison) override;

    int Position = 0;
    TRensClub* RensClub = nullptr;
    uint8_t Modifie = 0;
    // The crest chosen in the crest dialog, the team's on "Valider"; -1:
    // none chosen, the team keeps its own.
    int LogoChoisi = -1;

    // The combos, then every field from the team's record (empty without one).
    void AfficheClub();
    // False when the card stays open (a message said why).
    bool b_ValiderClick(TObject* Sender);
    void bc_FicheStadeClick(TObject* Sender);
    void bc_CreeStadeClick(TObject* Sender);
    void b_FicheEntrClick(TObject* Sender);
    void b_CreeEntrClick(TObject* Sender);
    void bc_changeLogoClick(TObject* Sender);
    // The team the card is about.
    int IdEquipe() const;
    // The team's club record, made (and the card marked changed) when it has none.
    TRensClub* CreeRensClub();

    TPageControl* PageControl1 = nullptr;
    TTabSheet* ts_infogene = nullptr;
    TTabSheet* ts_InfoAdmin = nullptr;
    TTabSheet* ts_Palmares = nullptr;
    TLabel* Label47 = nullptr;
    TEdit* e_DateCreation = nullptr;
    TEdit* e_CouleurMaillot = nullptr;
    TEdit* e_CouleurRechange = nullptr;
    TMemo* m_Remarque = nullptr;
    TComboBox* cb_Stade = nullptr;
    TBoutonCopie* bc_FicheStade = nullptr;
    TBoutonCopie* bc_CreeStade = nullptr;
    TLogo* Logo1 = nullptr;
    TBoutonCopie* bc_changeLogo = nullptr;
    TEdit* e_Budget = nullptr;
    TEdit* e_Statut = nullptr;
    TEdit* e_President = nullptr;
    TComboBox* cb_Entraineur = nullptr;
    TBoutonCopie* b_FicheEntr = nullptr;
    TBoutonCopie* b_CreeEntr = nullptr;
    TMemo* m_Adresse = nullptr;
    TEdit* e_Cp = nullptr;
    TEdit* e_Ville = nullptr;
    TEdit* e_Telephone = nullptr;
    TEdit* e_Fax = nullptr;
    TEdit* e_siteInternet = nullptr;
    TEdit* e_NomContact = nullptr;
    TEdit* e_Email = nullptr;
    TMemo* m_Palmares = nullptr;
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;

protected:
    void DoShow() override;

private:
    void MontreBlason();
    // Selects the line of that object, adding it (text) when absent.
    static void Choisit(TComboBox* cb, int objet, const std::string& texte);
};

// The president typed in one field: the first word his first name, the rest
// his name.
void SepareNomPresident(const std::string& texte, std::string& prenom, std::string& nom);
