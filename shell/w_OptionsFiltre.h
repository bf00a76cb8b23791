// Team categories (an age or level class whose short name follows a team's
// name): the list shared by every season in "categories.xml", the season's
// own copy, each championship's default category and each team's category.
// Tf_OptionsFiltre edits the three; Tf_CatManage asks for one category's names.
// The window lists the shared list's categories and the season's own (a
// category the season holds shows the season's names, which the list may
// give otherwise for the same id); what it changes reaches the season and
// the file only when it is validated.
#pragma once

#include <cstdint>
#include <map>
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
    // folder's, adds the season's categories that it lacks, and lists the
    // championships.
    void Init(TSaison* saison, const std::string& dossierEcriture, const std::string& dossierDonnees);
    // After the window was validated: the categories checked, the
    // championships' and teams' categories into the season, the list into
    // the file. Change tells whether the season was changed.
    void Termine();
    bool Change = false;
    // The categories listed, as shown (the season's names for its own).
    std::vector<TCategorie> Categories() const;

    void ChangePage();
    void lb_ChampionnatClick(TObject* Sender);
    void bc_ModifierClick(TObject* Sender);
    void cb_ChampionnatChange(TObject* Sender);
    void lb_EquipesClick(TObject* Sender);
    void bc_ModifierEquipeClick(TObject* Sender);
    void b_AjouterClick(TObject* Sender);
    void b_ModifierClick(TObject* Sender);
    void b_EffacerClick(TObject* Sender);
    void clb_CategoriesClickCheck(TObject* Sender);
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
    // A category listed, beside its item (names kept whole).
    struct TElement
    {
        TCategorie Vue;           // shown; what the season holds once validated checked
        bool DansListe = false;   // in the shared list, under the names of Liste
        TCategorie Liste;
        bool Coche = false;       // checked when last seen
    };
    // A championship's categories as the window holds them until validated.
    struct TEtatChampionnat
    {
        int Defaut = 0;
        std::vector<int> Equipes;
    };
    static bool MemesNoms(const TElement& e)
    {
        return e.Vue.Nom == e.Liste.Nom && e.Vue.NomCourt == e.Liste.NomCourt;
    }
    void AjouteElement(const TElement& e);
    TDonneesChampionnat* ChampionnatDe(TComboBox* cb) const;
    TEtatChampionnat* EtatDe(const TDonneesChampionnat* c);
    // The names of the teams that hold the category in the window, ", " between.
    std::string EquipesCategorie(int32_t id) const;
    // The category taken off every championship and team in the window.
    void RetireCategorie(int32_t id);
    std::vector<TElement> elements_;
    std::map<const TDonneesChampionnat*, TEtatChampionnat> etats_;
    std::string fichier_;
    bool illisible_ = false;   // the file could not be read whole: kept aside before it is written
    std::string copie_;        // the name it was kept under
};
