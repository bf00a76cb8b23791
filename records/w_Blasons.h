// The crest dialog: the catalogue's countries and their teams, to add a
// country or a team crest from a picture file, replace a crest, or choose one;
// and the team crest dialog of the main window, which gives teams their crests.
#pragma once

#include <string>

#include "ui/BrivantelForm.h"

class TTreeView;
class TTreeNode;
class TEdit;
class TLogo;
class TBoutonCopie;
class TOpenDialog;
class TListBox;

class Tf_Blasons : public TBrivantelForm
{
public:
    explicit Tf_Blasons(TComponent* AOwner);
    // The tree of the catalogue, the crest of that id selected; name goes
    // into the team name field.
    void RemplitArbre(int id, const std::string& nom);
    int Choisi() const { return choisi_; }

    TTreeView* tv_Blasons = nullptr;
    TEdit* e_Pays = nullptr;
    TEdit* e_Equipe = nullptr;
    TLogo* Logo1 = nullptr;
    TBoutonCopie* bc_AjoutPays = nullptr;
    TBoutonCopie* bc_AjoutEquipe = nullptr;
    TBoutonCopie* bc_Modifier = nullptr;
    TBoutonCopie* bc_Choisir = nullptr;
    TOpenDialog* Opd_Image = nullptr;

    void bc_AjoutPaysClick(TObject* Sender);
    void bc_AjoutEquipeClick(TObject* Sender);
    void bc_ModifierClick(TObject* Sender);
    void bc_ChoisirClick(TObject* Sender);

private:
    void Montre(TTreeNode* n);
    bool ChoisitFichier(std::string& fichier);
    // False, after saying why, for a name the catalogue cannot keep.
    static bool NomPermis(const std::string& nom);
    int choisi_ = 0;
    int montre_ = 0;
};

// The team crest dialog: the season's teams, each crest changed through the
// crest dialog, or all at once from the catalogue by name.
class Tf_ModifierLogo : public TBrivantelForm
{
public:
    explicit Tf_ModifierLogo(TComponent* AOwner);
    void ChangeSaison(TSaison* saison) override;

    TListBox* l_Equipe = nullptr;
    TLogo* Logo1 = nullptr;
    TBoutonCopie* bc_Modifier = nullptr;
    TBoutonCopie* bc_Importer = nullptr;
    TBoutonCopie* bc_Terminer = nullptr;
    bool Modifie = false;

    void l_EquipeClick(TObject* Sender);
    void bc_ModifierClick(TObject* Sender);
    void bc_ImporterClick(TObject* Sender);

private:
    int EquipeLigne(int i) const;
};
