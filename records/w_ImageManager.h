// The photo dialog: the photos of one kind of the picture store, to choose,
// add from a picture file, rename or drop.
#pragma once

#include <cstdint>
#include <string>

#include "ui/BrivantelForm.h"

class TListBox;
class TLogo;
class TEdit;
class TBoutonCopie;
class TOpenDialog;

class Tf_ImageManager : public TBrivantelForm
{
public:
    explicit Tf_ImageManager(TComponent* AOwner);
    // The photos of the kind; the line of that id selected.
    void RemplitListe(int32_t id, int genre);
    int32_t Choisi() const { return choisi_; }

    TListBox* lb_Image = nullptr;
    TLogo* Logo1 = nullptr;
    TEdit* e_Nom = nullptr;
    TBoutonCopie* bc_Ajouter = nullptr;
    TBoutonCopie* bc_Effacer = nullptr;
    TBoutonCopie* bc_Renommer = nullptr;
    TBoutonCopie* bc_Choisir = nullptr;
    TOpenDialog* Opd_Image = nullptr;

    void lb_ImageClick(TObject* Sender);
    void bc_AjouterClick(TObject* Sender);
    void bc_EffacerClick(TObject* Sender);
    void bc_RenommerClick(TObject* Sender);
    void bc_ChoisirClick(TObject* Sender);

private:
    int32_t IdLigne(int i) const;
    int genre_ = 2;
    int32_t choisi_ = 0;
};

// The caption of the crest and photo dialogs' button that gives the picture
// selected ("Choisir"), beside the buttons that add to the catalogue.
constexpr int TexteChoisirImage = 3603;
// The filter of the crest and photo file choices.
std::string FiltreImages();
// The file choice of a crest or photo ("Opd_Image"), owned by owner.
TOpenDialog* DialogueImages(TComponent* owner);
// The photo dialog over a kind; id in: the current photo, out: the chosen one.
bool ChoisitPhoto(TComponent* owner, const TCouleurElement& couleurs, int genre, int32_t& id);
