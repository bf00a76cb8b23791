// The referee card: identity (name, first name, nationality, photo), the
// referee's figures this season (matches, penalties whistled, average
// bookings and sendings-off) and, on request, the matches the referee
// officiated with their discipline counts. Only "Valider" changes the model.
//
//     TPersonnelStat* a = OuvreFicheArbitre(owner, couleurs, saison, code, nullptr);   // a new referee
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TColorStringGrid;
class TComboBox98;
class TEdit;
class TFondCopie;
class TFondScroll;
class TGraphic;
class TLabel;
class TLogo;
class TPersonnelStat;

// What the card needs of the picture store (kind 1: referees); registered at
// start-up by the program.
struct TServicesPhotos
{
    // The picture of an id, nullptr when none or unreadable.
    std::function<std::unique_ptr<TGraphic>(int genre, int32_t id)> Charge;
    // The photo dialog with id selected; true and the chosen id on OK.
    std::function<bool(TComponent* owner, const TCouleurElement& couleurs, int genre, int32_t& id)> Choisit;
};
void EnregistreServicesPhotos(TServicesPhotos services);

class Tf_FicheArbitre : public TBrivantelForm
{
public:
    explicit Tf_FicheArbitre(TComponent* AOwner);

    // Set by the opener before showing, read back after.
    TPersonnelStat* Arbitre = nullptr;
    int32_t CodeChampionnat = -1;
    uint8_t Modifie = 0;
    uint8_t NomModifie = 0;
    int Position = -1;
    // For a new referee: the name typed before the card opened ("First name
    // Name"), shown in the name boxes.
    std::string NomPropose;

    void ChangeSaison(TSaison* saison) override;
    void AppliqueCouleurs() override;
    void AfficheArbitre();
    // Fills the matches list and shows it over the identity view.
    void AfficheMatchs();

    TFondCopie* FondCopie4;
    TLabel* Label1;
    TEdit* e_Nom;
    TLabel* Label2;
    TEdit* e_Prenom;
    TLabel* Label11;
    TComboBox98* cb_Pays;
    TLogo* LogoJoueur;
    TBoutonCopie* b_AddPicture;
    TBoutonCopie* b_DelPicture;
    TFondCopie* FondCopie3;
    TLabel* Label20;
    TLabel* Label6;
    TBoutonCopie* s1;
    TLabel* l_Matchs;
    TLabel* Label3;
    TLabel* l_Penalty;
    TLabel* Label7;
    TLabel* l_Cj;
    TLabel* Label8;
    TLabel* l_Cr;
    TFondScroll* fs_Match;
    TColorStringGrid* sg_Match;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;
    TBoutonCopie* b_RetourFiche;

    void FormShow(TObject* Sender);
    void s1Click(TObject* Sender);
    void b_RetourFicheClick(TObject* Sender);
    void b_AddPictureClick(TObject* Sender);
    void b_DelPictureClick(TObject* Sender);
    // False (the card stays open, a message said why) when the entries cannot
    // be filed.
    bool b_ValiderClick(TObject* Sender);

private:
    void ChargePhoto(int32_t id);
    std::unique_ptr<TPersonnelStat> nouveau_;
};

// Opens the card modally for arbitre (nullptr: a new referee). On "Valider"
// the referee is filed in the season's list (a new one with the next number)
// and returned, with its index in position; nullptr when cancelled.
TPersonnelStat* OuvreFicheArbitre(TComponent* owner, const TCouleurElement& couleurs, TSaison* saison,
                                  int32_t codeChampionnat, TPersonnelStat* arbitre, int* position = nullptr,
                                  const std::string& nomPropose = "");
