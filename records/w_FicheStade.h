// The record card of a stadium (a hall for the indoor sports): identity and
// pitch, administrative details, photo, and the matches played there. Opened
// with no stadium, it files a new one on "Valider".
//
//     TOwned<Tf_FicheStade> f(new Tf_FicheStade(owner));
//     f->ChangeCouleurs(couleurs);
//     f->ChangeSaison(saison);
//     f->Stade = stade;            // nullptr: a new stadium
//     if (f->ShowModal() == mrOk)  // f->Stade: the stadium the season kept
//         ... f->Modifie, f->Renomme
#pragma once

#include <cstdint>
#include <string>

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TColorGridBase;
class TColorStringGrid;
class TComboBox98;
class TEdit;
class TFondCopie;
class TFondScroll;
class TLabel;
class TLogo;
class TMemo;
class TPageControl;
class TStade;
class TTabSheet;

class Tf_FicheStade : public TBrivantelForm
{
public:
    explicit Tf_FicheStade(TComponent* AOwner);

    void ChangeSaison(TSaison* saison) override;
    void AppliqueCouleurs() override;

    TStade* Stade = nullptr;
    // The name a new stadium starts with (typed before the card opened).
    std::string NomPropose;
    uint8_t Modifie = 0;
    uint8_t Renomme = 0;

    // Every field from the stadium (empty for a new one).
    void AfficheStade();
    // The matches played at the stadium, once per showing of the card.
    void RemplitMatchs();
    // Shows a page as a click on its tab does.
    void MontrePage(TTabSheet* page);
    // False when the card stays open (a message said why).
    bool b_ValiderClick(TObject* Sender);
    void b_AjouterClick(TObject* Sender);
    void b_EffacerClick(TObject* Sender);

    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TTabSheet* ts_InfoAdmin = nullptr;
    TTabSheet* ts_Photo = nullptr;
    TTabSheet* ts_Matchs = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* e_NomStade = nullptr;
    TEdit* e_Ville = nullptr;
    TComboBox98* cb_Pays = nullptr;
    TEdit* e_Construit = nullptr;
    TEdit* e_Capacite = nullptr;
    TEdit* e_AffluenceRecord = nullptr;
    TEdit* e_Longueur = nullptr;
    TEdit* e_Largeur = nullptr;
    TEdit* e_NatureSol = nullptr;
    TMemo* m_Remarque = nullptr;
    TMemo* m_Adresse = nullptr;
    TEdit* e_Cp = nullptr;
    TEdit* e_Ville2 = nullptr;
    TEdit* e_Telephone = nullptr;
    TEdit* e_Fax = nullptr;
    TLogo* LogoStade = nullptr;
    TBoutonCopie* b_Ajouter = nullptr;
    TBoutonCopie* b_Effacer = nullptr;
    TFondScroll* fs_Match = nullptr;
    TColorStringGrid* sg_Match = nullptr;
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;

protected:
    void DoShow() override;

private:
    bool matchsRemplis_ = false;
    bool copieVille_ = false;
};

// The matches played at the stadium into the grid, championship by
// championship (a title row before each when the season has several): the
// date where the championship keeps dates, else the matchday; the teams; the
// scores ("-" for a match not played). Rows from premiere on (the grid keeps
// the rows above, at least one); the number of match rows.
int RemplitMatchsStade(TSaison& saison, const TStade& stade, TColorGridBase& grille, const TCouleurElement& couleurs,
                       int premiere);

// A number typed in a field that holds 0..maximum. Text that is not a number
// reads as 0; a number outside the range is refused (false).
bool NombreChamp(const std::string& texte, int64_t maximum, int64_t& valeur);
// NombreChamp, with the message naming the field when refused.
bool NombreChampMessage(const std::string& texte, int64_t maximum, const std::string& libelle, int64_t& valeur);

// Opens the card modally over a stadium (nullptr: a new one). The stadium the
// season kept on OK, nullptr when cancelled; modifie tells whether anything
// changed.
TStade* OuvreFicheStade(TComponent* owner, const TCouleurElement& couleurs, TSaison* saison, TStade* stade,
                        bool* modifie = nullptr, const std::string& nomPropose = "");
