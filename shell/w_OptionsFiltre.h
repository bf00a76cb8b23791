// Team categories (an age or level class whose short name follows a team's
// name): the list shared by every season in "categories.xml", the season's
// own copy, each championship's default category and each team's category.
// Tf_OptionsFiltre edits the three; Tf_CatManage asks for one category's names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/Saison.h"
#include "shell/FichierCategories.h"
#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TCheckListBox;
class TComboBox;
class TEdit;
class TLabel;
class TListBox;
class TPageControl;
class TTabSheet;

class Tf_CatManage : public TBrivantelForm
{
public:
    explicit Tf_CatManage(TComponent* AOwner);
    TLabel* Label1;
    TLabel* Label2;
    TEdit* e_Nom;
    TEdit* e_NomCourt;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;
};

class Tf_OptionsFiltre : public TBrivantelForm
{
public:
    explicit Tf_OptionsFiltre(TComponent* AOwner);
    // Reads the list from the writable folder's file, else from the data
    // folder's, and lists the championships.
    void Init(TSaison* saison, const std::string& dossierEcriture, const std::string& dossierDonnees);
    // After the modal run, however it ended: the list into the season and the
    // file. Change tells whether the season was changed (here or on the pages).
    void Termine();
    bool Change = false;
    const std::vector<TCategorie>& Categories() const { return categories_; }

    void ChangePage();
    void lb_ChampionnatClick(TObject* Sender);
    void bc_ModifierClick(TObject* Sender);
    void cb_ChampionnatChange(TObject* Sender);
    void lb_EquipesClick(TObject* Sender);
    void bc_ModifierEquipeClick(TObject* Sender);
    void b_AjouterClick(TObject* Sender);
    void b_ModifierClick(TObject* Sender);
    void b_EffacerClick(TObject* Sender);
    // The names dialog, modal (tests replace it): false when cancelled.
    std::function<bool(const std::string& titre, std::string& nom, std::string& nomCourt)> DemandeNoms;

    TPageControl* pc_Filtre;
    TTabSheet* ts_GestionFiltre;
    TTabSheet* ts_ChampCateg;
    TTabSheet* ts_Equipes;
    TCheckListBox* clb_Categories;
    TBoutonCopie* b_Ajouter;
    TBoutonCopie* b_Modifier;
    TBoutonCopie* b_Effacer;
    TListBox* lb_Championnat;
    TComboBox* cb_Categorie;
    TBoutonCopie* bc_Modifier;
    TComboBox* cb_Championnat;
    TListBox* lb_Equipes;
    TComboBox* cb_CategEquipe;
    TBoutonCopie* bc_ModifierEquipe;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Aide;

private:
    void AjouteElement(const TCategorie& c, bool coche);
    TDonneesChampionnat* ChampionnatDe(TComboBox* cb) const;
    std::vector<TCategorie> categories_;   // beside the items: names kept whole
    std::string fichier_;
    bool illisible_ = false;   // the file could not be read whole: kept aside before it is written
    std::string copie_;        // the name it was kept under
};
