// The main window: it creates the shared services of the process (translator,
// championship templates, connection settings), reads the settings file, shows
// the start page and the menu tree, and owns the open season until it closes.
//
// Places kept for the season commands (file commands, the full menu records,
// the dispatcher's commands, the child window host and history): OpenFile,
// ConstruitMenu / ConstruitMenuSimple / RafraichitMenu, MenuDispatch and
// CommandeAutre, ValideFenetre, DemandeEnregistrement, FermeFenetreEnfant and
// the panels p_FondAffiche, Panel5 (title and navigation) and Statut.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/StringList.h"
#include "ui/Couleurs.h"

class TSaison;
class TFondCopie;
class TBoutonCopie;
class TVueHtml;
class TPicture;

// One menu record: where it goes in the tree and the menu bar, its caption,
// its command and the conditions that show it.
struct TRetourMenu
{
    uint32_t Position = 0;   // (menu depth << 16) + tree level
    std::string Libelle;
    uint16_t Commande = 0;
    uint32_t Flags[7] = {2, 2, 2, 2, 2, 2, 2};
    uint8_t Sports = 32;     // bits 0..3 the sports, 32 every sport
    int NiveauArbre() const { return static_cast<int>(Position & 0xFFFF); }
    int ProfondeurMenu() const { return static_cast<int>(Position >> 16); }
};

class Tf_Principale : public TForm
{
public:
    explicit Tf_Principale(TComponent* AOwner);
    ~Tf_Principale() override;

    // ---- virtual operations, in this order ----
    virtual void ConstruitMenu();
    virtual void ConstruitMenuSimple();
    virtual void RafraichitMenu(bool a, bool b);
    virtual std::string IniFileName() const;
    // Commands without an action of their own; true.
    virtual bool CommandeAutre(int commande, bool memorise, int& param);
    virtual void OpenFile(const std::string& nomFichier);

    // The command dispatcher: runs the command of a menu node or item; true
    // when the tree may select the node.
    virtual bool MenuDispatch(const std::string& caption, uint32_t id, TTreeNode* node, int& param, bool historique);
    // Commits the entries of the child window into the season (none yet).
    virtual void ValideFenetre() {}
    // The save question of a modified season; false when the user cancels.
    virtual bool DemandeEnregistrement();
    // Closes the child window shown in the central panel and shows the start page.
    virtual void FermeFenetreEnfant();

    bool InternetConnecte() const;
    int SportParDefaut() const;
    void AppliqueDesign();
    void AfficheTitre(const std::string& texte);
    void AfficheBarres(bool statut, bool titre);
    // The record is shown with the menu state and the open season.
    bool EntreeVisible(const TRetourMenu& entree) const;
    void NouvelleEntreeMenu(uint8_t sports, int niveau, const uint32_t (&flags)[7], uint16_t commande,
                            const std::string& libelle, int profondeur);

    // Dialogs of the start and of the help menu.
    void ChoisitLangue();
    void AfficheAstuce();
    void AfficheAPropos();
    void AfficheAideProgramme();

    // ---- fields ----
    std::unique_ptr<TSaison> Saison;
    int Sport = 5;
    int TypeFichier = 0;
    uint8_t Etat = 0;
    std::string Version, Titre, NomCourt;
    int NumeroDesign = 1;
    TCouleurElement Couleurs;
    bool PremierLancement = false;
    bool PremiereActivation = true;
    bool ConnexionDemarrage = false;
    bool MenuHaut = false;
    bool MenuGauche = true;
    bool MenuSimple = false;
    bool Construction = false;
    TStringList DerniersFichiers;
    std::vector<std::unique_ptr<TRetourMenu>> Entrees;
    TStringList TitresChampionnats;
    std::set<int> SportsAcceptes;
    int TexteTitre = 3;
    std::unique_ptr<TPicture> ImageMenu;
    std::unique_ptr<TPicture> ImageAccueil;
    int ParametresMemorises[3] = {-1, -1, -1};
    std::string Langue;
    bool EtatMenuA = false, EtatMenuB = false;

    // ---- components ----
    TStatusBar* Statut;
    TPanel* Panel1;
    TPanel* Panel4;
    TPanel* Panel5;
    TFondCopie* fc_Menu;
    TTreeView* tv_Menu;
    TFondCopie* fc_Principale;
    TImage* Image1;
    TPanel* p_FondAffiche;
    TPanel* p_Demarrage;
    TPageControl* pc_Demarrage;
    TTabSheet* ts_Ouverture;
    TTabSheet* ts_Web;
    TPanel* p_Ouverture;
    TImage* Image2;
    TLabel* Label3;
    TListBox* lb_ModulesCharges;
    TFondCopie* FondCopie19;
    TLabel* Label36;
    TListBox* lb_DerniersFichiers;
    TLabel* Label2;
    TEdit* e_NomFic;
    TButton* b_BrowseFichier;
    TBoutonCopie* bc_Charger;
    TBoutonCopie* bc_Nouveau;
    TBoutonCopie* bc_ConfigConnexion;
    TPanel* p_Web;
    TVueHtml* wb_Intro;
    TPanel* Panel6;
    TCheckBox* cb_ConnectDemarre;
    TFondCopie* fc_Titre;
    TLabel* l_Titre;
    TSpeedButton* sb_ChampPrec;
    TSpeedButton* sb_ChampSuiv;
    TFondCopie* FondCopie1;
    TSpeedButton* sb_Back;
    TSpeedButton* sb_Forward;
    TLabel* Label1;
    TOpenDialog* OpenDialog1;
    TSaveDialog* SaveDialog1;
    TTimer* t_AutoSave;
    TMainMenu* mm_Menu;
    TPopupMenu* PopupMenu1;

protected:
    void FormCreate(TObject* Sender);
    void FormActivate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormDestroy(TObject* Sender);
    void PremiereActivationFenetre();
    void ParamIntro();
    void RemplitMenus();
    void tv_MenuChanging(TObject* Sender, TTreeNode* Node, bool& AllowChange);
    void cb_ConnectDemarreClick(TObject* Sender);
    void PlaceDemarrage();

private:
    void CreeComposants();
    bool activationEnCours_ = false;
};

// The main window when it exists.
extern Tf_Principale* f_Principale;
