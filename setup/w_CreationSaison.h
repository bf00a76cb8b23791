// The composition of a season's competitions: a tree of competition groups,
// divisions, separators, play-offs and championships, fed from a list of
// championship files (or of the season's championships) and from
// championships and cups made on the spot. Validation hands the tree to the
// season-file services as an entry list.
//
// Modes (Tag bits): 19 new season (the sport is asked, the save folder's
// files are listed, validation builds and saves the season); 12 import into
// the open season (the listed championships are placed at once); 96
// recompose the open season (the tree shows its competitions; championships
// taken out are offered for removal).
//
//     TOwned<Tf_CreationSaison> f(new Tf_CreationSaison(owner));
//     f->ChangeCouleurs(Couleurs);
//     f->Init(ini, dossier, sports, rappel);
//     f->Tag = 19;
//     if (f->ShowModal() == mrOk) InstallSeason(f->PrendSaison(), f->e_RepSauve->Text(), ...);
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "files/ConstructionSaison.h"
#include "files/TraiteurFichier.h"
#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TDescNoeud;
class TDonneesChampionnat;
class TDonneesCompetition;
class TEdit;
class TFondCopie;
class TImageList;
class TLabel;
class TListBox;
class TSpeedButton;
class TStatusBar;
class TTreeNode;
class TTreeView;

class Tf_CreationSaison : public TBrivantelForm
{
public:
    explicit Tf_CreationSaison(TComponent* AOwner);
    ~Tf_CreationSaison() override;

    // The settings file, the program folder, the sports offered (bit per
    // sport, bit 4 all) and the recent-file call-back of the save.
    void Init(const std::string& fichierParametres, const std::string& dossier, uint8_t sports,
              TRappelFichier rappel);
    // A championship of the open season for the import mode: value =
    // championship code shl 16 + division code.
    void AjouteChampionnatInclus(const std::string& nom, int32_t valeur);
    // The new season (new-season mode, after answer 1); the window lets it go.
    std::unique_ptr<TSaison> PrendSaison();
    void ChangeSaison(TSaison* saison) override;

    // Whether validation saved the new season to the e_RepSauve file.
    bool Enregistree = false;
    // Where the scenario file goes (the program folder unless set).
    std::string DossierEcriture;
    TStatusBar* Statut = nullptr;

    // ---- what the tree shows
    // The record of a tree node: its code (template id at level 1, division
    // code at level 2, play-off number + 0x8000 for a play-off) and, at level
    // 3, its championship entry.
    struct TRecNoeud
    {
        int32_t Code = 0;
        TListObj* Objet = nullptr;
        const TDonneesCompetition* Lien = nullptr;
        // The text is the user's (renamed here, or a free name in the
        // season): a championship of a template division keeps it.
        bool NomLibre = false;
        // A championship or play-off of the season: its name as the season
        // stores it, kept as it is while the node is not renamed here.
        std::string Stocke;
    };
    static TRecNoeud* Rec(const TTreeNode* n);

    // ---- the handlers, as the controls run them
    void PlaceEntree(int indexListe, TTreeNode* cible);
    TTreeNode* NoeudChampionnat(int32_t id);
    void AjoutElement(int32_t idModele);
    void bc_SeparateurClick();
    void bc_RetirerElementClick();
    void bc_CreeChampClick();
    void bc_CreeCoupeClick();
    void bc_BarrageClick();
    // Opens the settings of the play-off of that node.
    void EditeBarrage(TTreeNode* n);
    // The name the tree shows for a championship or play-off code.
    std::string NomDivisionCode(int32_t code) const;
    // The play-off of that code (bit 0x8000 included): the season's, else a
    // new one of this window.
    TDonneesBarrage* BarrageParCode(int32_t code) const;
    void bc_AjouteFichierClick();
    void b_ValiderClick();
    // Leaves the window as Escape and the close box do: nothing it began stays.
    void b_AnnulerClick();
    void sb_UpClick();
    void sb_DownClick();
    // The entry list the tree gives (the root left out).
    TListeEntrees Entrees() const;
    // A championship of the template division c with n teams (typed in the
    // team dialog), filed in the tree; its code, -1 when the dialog was not
    // answered with 1.
    int32_t CreeChampionnatModele(int32_t c, int32_t idModele, int n, uint8_t type, uint8_t annee1,
                                  uint8_t annee2);

    int32_t CodeCourant = 0;
    int32_t IdPerso = 1000;
    // The template division the "create a championship" dialog opens on: the
    // one last chosen there.
    int32_t DivisionProposee = 1;
    int32_t CodeBarrage = 0;
    TListeBarrages NouveauxBarrages;

    TLabel* Label1 = nullptr;
    TEdit* e_RepSauve = nullptr;
    TFondCopie* FondCopie1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TTreeView* tv_Saison = nullptr;
    TListBox* lb_ListeFichier = nullptr;
    TBoutonCopie* bc_AjoutElement = nullptr;
    TBoutonCopie* bc_RetirerElement = nullptr;
    TBoutonCopie* bc_Barrage = nullptr;
    TBoutonCopie* bc_Separateur = nullptr;
    TBoutonCopie* bc_CreeChamp = nullptr;
    TBoutonCopie* bc_CreeCoupe = nullptr;
    TBoutonCopie* bc_AjouteFichier = nullptr;
    TSpeedButton* sb_Up = nullptr;
    TSpeedButton* sb_Down = nullptr;
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;
    TImageList* il_Folder = nullptr;

private:
    bool Active();
    void RemplitDepuisSaison();
    void ListeDossier(const std::string& dossier);
    TListObj* EntreeFichier(const std::string& fichier, bool silencieux);
    TListObj* NouvelObjet();
    TTreeNode* AjouteNoeud(TTreeNode* parent, TTreeNode* avant, const std::string& texte, int32_t code, int image);
    void SelectionChange();
    void AjouteEntrees(TTreeNode* n, TListeEntrees& l) const;
    int32_t ChampionnatsSousDivisions(int32_t c, uint8_t type, uint8_t annee1, uint8_t annee2);
    void AppliqueModele(TDonneesChampionnat& ch, int32_t c, uint8_t annee1, uint8_t annee2) const;
    bool SaisieEquipes(const std::string& titre, int n, std::vector<std::string>& noms);
    void FileChampionnat(TListObj* o, int32_t c, int32_t idModele, const std::string& texte);
    void CreeTours(int32_t c, const std::vector<std::pair<std::string, int32_t>>& divisions, int32_t premier,
                   TTreeNode* noeud);
    TTreeNode* AjouteNoeudBarrage(const std::string& nom, int32_t numero, int groupes, TTreeNode* noeud,
                                  bool edite = true);
    void AttacheCrees();
    void RetireCrees();
    // Cancel, Escape and the close box: everything the window began on the
    // season is taken back (the championships, cups and play-offs made here,
    // the teams typed for them, the season's play-offs edited here), and a
    // new season goes.
    void Renonce();
    // The championships made here, the last first: a competition made with
    // them takes their years.
    std::vector<const TDonneesChampionnat*> Crees() const;

    std::string fichierParametres_;
    std::string dossier_;
    uint8_t sports_ = 1u << 4;
    TRappelFichier rappel_;
    std::vector<std::pair<std::string, int32_t>> inclus_;
    std::unique_ptr<TSaison> saisonNouvelle_;
    std::vector<std::unique_ptr<TListObj>> objets_;
    std::vector<std::unique_ptr<TRecNoeud>> recs_;
    // Championships and cups made here: the season takes them on validation.
    std::vector<std::unique_ptr<TDonneesChampionnat>> crees_;
    int32_t premiereEquipe_ = 0;   // teams from this id on were added here
    // The season's play-offs edited here, each with a copy of what it held
    // before its first edit.
    std::vector<std::pair<TDonneesBarrage*, std::unique_ptr<TDonneesBarrage>>> barragesAvant_;
    bool active_ = false;
};
