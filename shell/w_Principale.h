// The main window: it creates the shared services of the process (translator,
// championship templates, connection settings), reads the settings file, shows
// the start page and the menu tree, and owns the open season until it closes.
//
// With a season open it shows the season's menus (tree on the left, menu bar,
// championships popup), turns every menu command into an action through
// MenuDispatch, shows one child window at a time in p_FondAffiche, walks the
// history of visited views (back / forward) and the championships (previous /
// next), and opens, saves and auto-saves the season file.
//
//   w_Principale.cpp           creation, activation, closing, design, dialogs
//   w_Principale_Menu.cpp      menu records, tree, menu bar, championships
//   w_Principale_Fichier.cpp   season file commands, recent files, auto-save
//   w_Principale_Enfant.cpp    child window host, history, championship change
//   w_Principale_Commandes.cpp the command dispatcher and its launchers
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/historique.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "ui/Couleurs.h"

class TSaison;
class TDonneesChampionnat;
class TFondCopie;
class Tf_InfoGeneral;
class TBoutonCopie;
class TVueHtml;
class TPicture;
class THttpClient;

// One menu record: where it goes in the tree and the menu bar, its caption,
// its command and the conditions that show it.
class TBrivantelForm;
class TAction;
class TActionList;

// One step of the navigation history: the command, its parameter and the
// championship it was shown for.
struct THistorique
{
    uint16_t Commande = 0;
    int32_t Parametre = -1;
    int32_t Championnat = 0;
};

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
    // The miscellaneous statistics pages (the matchday they show); true when shown.
    virtual bool AfficheDiversStat(int page, int& param);
    // A new list of the entries shown for the sport (favourites windows): the
    // caption, with command + ((level + 1) << 16) as object.
    virtual std::unique_ptr<TStringList> ListeFonctions();
    // Opens a season file; an empty name asks with the open dialog first.
    virtual void OpenFile(const std::string& nomFichier);

    // The command dispatcher: runs the command of a menu node or item; true
    // when the tree may select the node.
    virtual bool MenuDispatch(const std::string& caption, uint32_t id, TTreeNode* node, int& param, bool historique);
    // Commits the entries of the child window into the season: into the
    // championship it was loaded from only (nothing when the season no longer
    // holds it). False when the child keeps an entry it cannot store: it said
    // why and holds it for correction, and the child may not be replaced.
    virtual bool ValideFenetre();
    // Before the child window goes: a child holding changes of its own not
    // yet written (the history window's file) asks whether to write them.
    // False when the user keeps it (it stays, nothing else changes).
    virtual bool QuitteEnfant();
    // The save question of a modified season; false when the user cancels.
    virtual bool DemandeEnregistrement();
    // Closes the child window shown in the central panel and shows the start page.
    virtual void FermeFenetreEnfant();
    // The program's message box (Tf_MessageUtil); the button's result.
    virtual int AfficheMessage(const std::string& texte, int boutons);

    // ---- season file commands ----
    // The open dialog; the chosen file, or defaut when cancelled.
    std::string ChoisitFichier(const std::string& defaut);
    // Where the open dialog starts for that file name.
    std::string DossierOuverture(const std::string& nomFichier) const;
    // The status bar's file panel names the current file, or the word the
    // child last left (Avise) once, in its place.
    void AfficheFichierCourant();
    // What the child going or written could not keep (a team placed alone on
    // the results page): said on the status bar's wide panel, where it stays
    // past the child's going until the panel names the file again.
    void Avise(const std::string& texte);
    // The window layer's own texts in the interface language, and the PDF
    // file chooser of printing without a printer.
    void TraduitCouche();
    // The save dialog of a printout without a printer; "" when cancelled.
    std::string ChoisitFichierPdf();
    // Makes the season current (nullptr keeps the current one).
    void InstallSeason(std::unique_ptr<TSaison> saison, const std::string& nomFichier, bool garde, int modif);
    void NouvelleSaison();
    // Commands 193 (recompose the season), 232 (teams of the championship)
    // and 219 (referees and stadiums of the competitions).
    void CompositionSaison();
    void AjouteEquipes();
    void InfoCompetitions();
    // Team crests (command 145).
    void ModifieLogos();
    // Team names (command 144).
    void ModifieEquipes();
    // The squads (command 147) and the player search (command 150).
    void AfficheEffectifs();
    void AfficheRecherche();
    // Previous clubs (command 220) and nationalities (146).
    void ModifieClubsPrec();
    void ModifieNationalites();
    // The club card of a team of the current championship (command 131).
    void FicheClub();
    // The referee (148) and stadium (152) lists.
    void AfficheArbitres();
    void AfficheStades();
    // Command 194: the championships of a play-off.
    void CreationBarrage();
    // The championship options of the sport on the general (1) or ranking (2) pages.
    void OptionsChampionnat(int groupe);
    // The view shown made again from the season (the current command with its
    // parameter); the former child writes nothing back.
    void RafraichitVue();
    // Saves as ".xmc"; false when saving failed.
    bool Enregistrer(bool silencieux);
    // The save-as dialog; true when saved.
    // The dialog offers nomPropose when given, else the current file name.
    bool EnregistrerSous(const std::string& nomPropose = {});
    // Commits the child window's entries, then saves.
    bool SauvegardeAuto(bool silencieux);
    // The modification callback of every child window.
    void SignaleModification();
    // The recent-files callback of the file layer.
    void AddRecentFile(const std::string& nomFichier);
    // Back to the state without a season.
    void ReinitialiseSaison();
    // Command 9: closes the season after the save question.
    void FermeSaison();
    void t_AutoSaveTimer(TObject* Sender);
    // The auto-save timer from the season's option.
    void InitialiseSauvegardeAuto();

    // ---- child window host ----
    using TCreateurFenetre = std::function<TBrivantelForm*(TComponent* owner)>;
    // Replaces the child window; an empty creator closes it. A child that
    // refuses to commit what it holds (ValideFenetre) stays: the road that
    // would replace it is abandoned by a silent EEnfantGarde, which
    // MenuDispatch catches; nothing else changed.
    BZ_DECLARE_EXCEPTION(EEnfantGarde, EAbort)
    TBrivantelForm* ShowChildForm(const TCreateurFenetre& classe, bool entreeHTML, bool entreeImpression,
                                  bool panneauVisible, bool effaceNomFichier);
    template <class T>
    T* ShowChild(bool entreeHTML, bool entreeImpression, bool panneauVisible = false)
    {
        return static_cast<T*>(ShowChildForm([](TComponent* o) -> TBrivantelForm* { return new T(o); }, entreeHTML,
                                             entreeImpression, panneauVisible, false));
    }
    // The child shown again when it is of class T (nouveau false), else a new
    // one; either way Print and HTML offered as the page about to be shown
    // offers them, whatever the page or the card before it withdrew.
    template <class T>
    T* EnfantVue(bool entreeHTML, bool entreeImpression, bool& nouveau)
    {
        if (auto* f = dynamic_cast<T*>(Enfant))
        {
            nouveau = false;
            EntreeImpression(entreeImpression);
            EntreeHTML(entreeHTML);
            return f;
        }
        nouveau = true;
        return ShowChild<T>(entreeHTML, entreeImpression);
    }
    // The run-command callback of the child windows.
    void ExecuteCommande(int id, int param, bool changerChampionnat);
    void ExecuteEntree(int id, int param, bool historique, bool changerChampionnat);
    // Back (true) or forward.
    void NavigueHistorique(bool arriere);
    void ChangeChampionnat(int32_t idChampionnat, TTreeNode* noeud);
    void BasculeChampionnat(TDonneesChampionnat* championnat);
    void sb_ChampPrecClick(TObject* Sender);
    void sb_ChampSuivClick(TObject* Sender);
    // The first node of the tree carrying the command (outside the favourites).
    TTreeNode* TrouveNoeud(int id) const;
    void AffichePageDemarrage(bool afficher);
    // Offers or withdraws the print (181) and HTML (182) commands.
    void EntreeImpression(bool offre);
    void EntreeHTML(bool offre);
    // Offers or withdraws command `commande` (caption: text `texte`) as a node
    // before the help node and as a menu-bar item before `avantMenu`.
    void OffreEntree(bool offre, TTreeNode*& noeud, TMenuItem*& menu, int texte, uint32_t commande,
                     TMenuItem* avantMenu);

    // ---- menus ----
    void InsereChampionnats();
    TMenuItem* AjouteMenuItem(const std::string& caption, uint32_t id, std::vector<TMenuItem*>* hauts,
                              TMenuItem* parent);
    void Action1Execute(TObject* Sender);
    // The stored favourites (ex false) or hidden functions (ex true).
    std::vector<int> LitFavoris(bool ex) const;
    // Commands 215 (favourites, ex false) and 177 (menu mode, ex true).
    void ChoisitFavoris(bool ex);
    // Commands 228 (full menu) and 229 (simple menu).
    void ChoisitMenuSimple(bool simple);
    // After a season is installed: remembered commands cleared, the
    // championship's title, the auto-save timer.
    void InitialiseChampionnats();
    // The title of the current championship and the bars.
    void AfficheTitreChampionnat();
    void MajNavigation();

    // How a kind of child window commits what is being typed: Autre when the
    // window is not of its kind; Refusee when the window keeps an entry it
    // cannot store (it said why, the entry stays for correction). The
    // windows that keep entries register one at start.
    enum class TValide { Autre, Faite, Refusee };
    using TValidation = std::function<TValide(TBrivantelForm* enfant)>;
    static void EnregistreValidation(TValidation validation);
    // How a kind of child window agrees to go (QuitteEnfant): Autre when the
    // window is not of its kind, Refusee when it stays.
    static void EnregistreDepart(TValidation depart);

    bool InternetConnecte() const;
    int SportParDefaut() const;
    void AppliqueDesign();
    void AfficheTitre(const std::string& texte);
    void AfficheBarres(bool statut, bool titre);
    // The record is shown with the menu state and the open season.
    bool EntreeVisible(const TRetourMenu& entree) const;
    void NouvelleEntreeMenu(uint8_t sports, int niveau, const uint32_t (&flags)[7], uint16_t commande,
                            const std::string& libelle, int profondeur);

    // Launchers of the statistics views (w_Principale_Vues.cpp): true when the
    // command was theirs.
    bool LanceVues(int c, int& param, bool& histo);
    // The match card: mode 1 (two teams chosen) or 2 (a match of the matchday).
    void AfficheFicheMatch(int mode, int& param, bool& histo);
    void AfficheStatistique(int vue);
    // The pages of the miscellaneous statistics that need no matchday.
    void AffichePageDivers(int page, int type);
    // The player and referee rankings (window kind kind - 1).
    void AfficheClassJoueur(int kind);
    // Team information, view mode 0 to 16.
    void AfficheInfoEquipes(int mode);
    // The team sheet of the sport on a page (1..8, 12); param: the team (low
    // 24 bits, its position) and the situations' place (top byte), -1 asks.
    bool AfficheStatEquipe(int page, int& param);
    // Commands 172-175: the sport's championship information on page 1..4.
    void AfficheInfoGeneral(int page);
    // A new championship information window of the season's sport (none
    // when the sport has no such window).
    Tf_InfoGeneral* NouvelleInfoGeneral(bool impression);
    // Command 20: the forecast of the next matchday.
    void AffichePrevision();
    // Commands 153-155: the comparison in mode 2, 1 or 3 (a shown one changes its mode).
    void AfficheComparaison(int mode);
    // The history files of past seasons, from stats/ of the writable folder.
    void ChargeStats();
    std::string DossierStats() const;
    // Command 192: the current championship into its history file.
    void AjouteHistorique();
    // Commands 202, 199-201: the history window in mode 0-3, after the choice of
    // its file when none is remembered; false when nothing opened.
    bool AfficheHistorique(int mode);

    // Dialogs of the start and of the help menu.
    void ChoisitLangue();
    void AfficheAstuce();
    void AfficheAPropos();
    void AfficheAideProgramme();
    // The update check (command 11) and the connection settings (command 180),
    // in w_Principale_Internet.cpp.
    void VerifieMiseAJour();
    void bc_ConfigConnexionClick(TObject* Sender);
    std::string RequeteVersion() const;
    // At start, when the settings ask for it: a check that speaks only when a
    // newer version is announced.
    void VerificationDemarrage();
    bool MiseAJourEnCours = false;
    std::shared_ptr<THttpClient> VerificationAuto;

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
    // The team of the team sheet, the matchday of the miscellaneous
    // statistics, the chosen history; -1 unset.
    int ParametresMemorises[3] = {-1, -1, -1};
    // The history files of past seasons (loaded at start).
    std::unique_ptr<TStats> Stats;
    // The child window shown in p_FondAffiche, nullptr when none.
    TBrivantelForm* Enfant = nullptr;
    // Set while a command a child asked for runs: the old child is kept.
    bool Garder = false;
    // The child whose entries were committed before a question that nothing
    // can be typed through: the replacement that follows commits no more.
    TBrivantelForm* EnfantValide = nullptr;
    // Commits the child's entries before a question; the child that goes
    // after it is not committed twice (until the guard ends). When the child
    // refuses (Acceptee false), the road stops there and nothing changes.
    // With depart, the road closes the child whatever follows: it is asked
    // to go first (QuitteEnfant), before the season's own question, and is
    // not asked again as it goes.
    struct TValidationQuestion
    {
        Tf_Principale& f;
        bool Acceptee;
        explicit TValidationQuestion(Tf_Principale& p, bool depart = false)
            : f(p), Acceptee(f.ValideFenetre() && (!depart || f.QuitteEnfant()))
        {
            f.EnfantValide = f.Enfant;
            if (depart && Acceptee)
                f.EnfantQuittant = f.Enfant;
        }
        ~TValidationQuestion()
        {
            f.EnfantValide = nullptr;
            f.EnfantQuittant = nullptr;
        }
    };
    // The child that already agreed to go (TValidationQuestion with depart).
    TBrivantelForm* EnfantQuittant = nullptr;
    // Counts the child's refusals to commit what it holds: a command that met
    // one stops there and leaves the navigation as it was.
    uint32_t RefusEnfant = 0;
    // The child about to be replaced was made before the season changed under
    // it: it goes without writing anything back.
    bool EnfantPerime = false;
    std::vector<TBrivantelForm*> FenetresGardees;
    // The championship the child window was loaded from, when the season
    // still holds it (nullptr without child or once it went).
    TDonneesChampionnat* ChampionnatEnfant() const;
    bool ChangementChampionnat = false;
    // The championship-change flag of the command a child asked for.
    bool ChangerChampionnatEnCours = false;
    // Navigation: newest first, at most 10 each.
    std::vector<THistorique> Historique, HistoriqueSuivant;
    THistorique PointCourant{0, -1, 0};
    uint16_t DerniereCommande = 0;
    // The command that showed the child window last (its printout and page
    // are named after it).
    uint16_t CommandeVue = 0;
    // Views shown in the central panel so far: tells a command that showed
    // one (shown again at a championship change) from a dialog.
    uint32_t VuesMontrees = 0;
    uint16_t CommandePrecedente = 0;
    // The championship codes a play-off creation added (the first becomes current).
    std::vector<int32_t> NouveauxChampionnats;
    // Places remembered by the menu builds.
    TTreeNode* NoeudDerniers = nullptr;      // the group, or its parent while absent
    bool GroupeDerniers = false;             // NoeudDerniers is the group itself
    TTreeNode* NoeudChampionnats = nullptr;  // command 1
    TTreeNode* Noeud205 = nullptr;
    TTreeNode* NoeudAide = nullptr;          // command 3
    TTreeNode* NoeudImpression = nullptr;    // command 181
    TTreeNode* NoeudHTML = nullptr;          // command 182
    TMenuItem* MenuDerniers = nullptr;
    bool GroupeMenuDerniers = false;
    TMenuItem* MenuChampionnats = nullptr;   // command 1
    TMenuItem* Menu205 = nullptr;
    TMenuItem* MenuOptions = nullptr;        // command 2
    TMenuItem* MenuImpression = nullptr;
    TMenuItem* MenuHTML = nullptr;
    // What the child window shown offers: commands 181 and 182 print or
    // write it only then, whichever road runs them.
    bool ImpressionOfferte = false;
    bool HTMLOffert = false;
    std::string Langue;
    std::string DernierDossier;   // of the last file opened or chosen
    bool EtatMenuA = false, EtatMenuB = false;

    // ---- components ----
    TStatusBar* Statut;
    TPanel* Panel1;
    TPanel* Panel4;
    TPanel* Panel5;
    TFondCopie* fc_Menu;
    TTreeView* tv_Menu;
    TSplitter* sp_Menu;
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
    TActionList* ActionList1;
    TAction* Precedent;   // F2
    TAction* Suivant;     // F3
    TAction* Actions[10]; // Ctrl+1 .. Ctrl+9, Ctrl+0

protected:
    void FormCreate(TObject* Sender);
    void FormActivate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormDestroy(TObject* Sender);
    void PremiereActivationFenetre();
    void ParamIntro();
    void RemplitMenus();
    void tv_MenuChanging(TObject* Sender, TTreeNode* Node, bool& AllowChange);
    void tv_MenuMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void tv_MenuCustomDrawItem(TTreeView* Sender, TTreeNode* Node, TCustomDrawState State, bool& DefaultDraw);
    // Launchers of the dispatcher.
    void AfficheClassement(int mode);
    // Match entry pages (1 the results of a matchday) and the match search.
    void AfficheSaisieMatch(int page, int& param);
    void AfficheFeuilleMatch(int page, int& param);
    // A match sheet page being replaced: its match, for the next page opened.
    void RetientMatchFeuille(TBrivantelForm* fenetre);
    void RechercheMatch();
    // Live scoring (23), points penalties (143), cross-table (170), calendar (225).
    void AfficheVueResultats(int commande);
    // Team categories (227): the shared list, championships' and teams' categories.
    void OptionsFiltre();
    void LanceCommande(int commande, bool memorise, int& param, bool& historique);
    void OptionsSauvegarde();
    void ChoisitDesign();
    void ImprimeVue();
    void EnregistreVueHTML();
    // What the child window shows, named for its printout and its page: the
    // caption of the command that showed it, the championship's title.
    std::vector<std::string> TitresVue() const;
    void cb_ConnectDemarreClick(TObject* Sender);
    void PlaceDemarrage();

private:
    void CreeComposants();
    std::string avis_;
    bool activationEnCours_ = false;
    unsigned generationMenu_ = 0;   // counts the menu rebuilds
    // The selected tree entry pressed again, and the menu it belongs to.
    TTreeNode* noeudRelance_ = nullptr;
    // The match the last match sheet page showed.
    int32_t feuilleChampionnat_ = -1;
    int feuilleJournee_ = 0;
    int feuilleMatch_ = 0;
    unsigned generationRelance_ = 0;
    // The current championship when the child window was made: its code and
    // itself (a code alone may come back with another championship).
    int32_t codeChampionnatEnfant_ = 0;
    TDonneesChampionnat* championnatEnfant_ = nullptr;
};

// The main window when it exists.
extern Tf_Principale* f_Principale;
