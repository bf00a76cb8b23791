// The frame of the match sheet pages: a header naming the shown match (teams
// and scores), an up-down and a popup that move to another match or matchday,
// and the protocol every page implements. A page writes its entries into the
// current championship only through EnregistrePage.
//
// A page with player boxes (the scorers pages) derives from Tf_InfoMatchCadre,
// which adds the two team lists with their category boxes:
//   - RemplitPage(1/2) fills the rows with AjouteCarton (Carton.h); before a
//     match is shown, AfficheMatch frees the rows with VideFond, then calls
//     AfficheEnTeteMatch with the page's own header controls;
//   - the referee box runs VerifieArbitre on change (not while a name is
//     being typed: ValideNomSaisi takes it) and AjouteArbitre from its popup;
//     the attendance display, the rating boxes and the minute boxes set
//     Modifie through AffichageScoreKeyPress / e_NoteArbitreChange /
//     MinuteChange;
//   - the page registers itself with the sport switch at start-up:
//         TMultiSport::EnregistreClasse(TGenreFenetre::Buteurs, sport,
//             std::make_shared<TClassePage>([](TComponent* o) { return new MyPage(o); }));
//     The main window opens it for command 14 (Passeurs: command 16).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/MultiSport.h"
#include "results/Carton.h"
#include "ui/BrivantelForm.h"
#include "ui/Fond.h"

class TAffichage;
class TCadre;
class TCarton;
class TChoixJoueur;
class TComboBox;
class TDonneesChampionnat;
class TEdit;
class TEditRond;
class TFondCopie;
class TFondScroll;
class TListeJoueur;
class TMenuItem;
class TPanel;
class TPopupMenu;
class TSaison;
class TTimer;
class TUpDown;

// The second pages of the sport (assists, missed penalties, comment): their
// rows get a minute box only when asked for.
class IPageSecondaire
{
public:
    virtual ~IPageSecondaire() = default;
    // Captions; the home list to the left, the away list to the right.
    virtual void Prepare() = 0;
};

class Tf_InfoMatchCadreBase;

// A team list of a match sheet page: what a box dropped on it does is the
// page's alone (OnDragOver / OnDragDrop).
class TListeFeuille : public TListe
{
public:
    using TListe::TListe;
    void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
    void DragDrop(TObject* Source, int X, int Y) override;
};

// A match sheet page class, as registered with the sport switch.
class TClassePage : public TClasseFenetre
{
public:
    using TCree = std::function<Tf_InfoMatchCadreBase*(TComponent* owner)>;
    explicit TClassePage(TCree cree) : cree_(std::move(cree)) {}
    Tf_InfoMatchCadreBase* Cree(TComponent* owner) const { return cree_ ? cree_(owner) : nullptr; }

private:
    TCree cree_;
};

class Tf_InfoMatchCadreBase : public TFootForm
{
public:
    explicit Tf_InfoMatchCadreBase(TComponent* AOwner);

    // ---- page protocol ----
    virtual void ChangeMatch() = 0;
    // Fills the page for the shown match (1) or empties it (2: no match with
    // two teams). Called by AfficheEnTeteMatch only.
    virtual void RemplitPage(int Mode) { (void)Mode; }
    // Re-measures the page's scrolled panels.
    virtual void AjusteFonds() {}
    virtual void SetFenetrePrincipale(TComponent* fenetre) { FenetrePrincipale = fenetre; }
    // Libere 1: the page's own callers; 0: the main window's commit.
    virtual void EnregistrePage(int Libere) = 0;
    // Asked by the page's own roads to another match or matchday before the
    // page is written: false (the user goes back to what he typed) keeps
    // the page as it is.
    virtual bool AccepteDepart() { return true; }
    virtual void AfficheMatch() = 0;
    virtual void AfficheLibelles() {}
    // The compact (false) or full header of the statistic pages; the others
    // have one header only.
    virtual void AfficheEnTete(bool Complet) { (void)Complet; }
    // A match sheet page is neither printed nor written as HTML.
    void Imprime() override {}
    void EnregistreHTML(const std::string&) override {}

    // MatchSuivantDefini on MatchCourant; its count of tries.
    int VerifieMatch();
    // Next (suivant) or previous match with two teams; writes the page first.
    void UpDown1Click(bool suivant);
    // The match list popup: matches with two teams, then the matchday item.
    void pm_ListeMatchPopup();
    void ChoixMatch(int tag);

    // ---- shared header services ----
    // The header of the shown match; with Complet also the attendance, the
    // referees (0 to 3 boxes: officials 1..3), the match rating and the
    // stadium of the given controls (nullptr: none). Then RemplitPage and
    // AjusteFonds.
    void AfficheEnTeteMatch(bool Complet, TAffichage* Affichage, const std::vector<TComboBox*>& Arbitres,
                            TEdit* NoteMatch, TComboBox* Stade);
    // "Ajouter un arbitre": the referee card (with the name nom begun); a new
    // referee is put into the box and selected.
    void AjouteArbitre(TComboBox* Boite, const std::string& nom = "");
    // A name typed in a referee or stadium box, then Enter or leaving the
    // box (NomDesigne): the referee or stadium of that very name once the
    // user says it is him; any other name (a beginning of one included)
    // opens the referee or stadium card with it, and the new entry is
    // chosen. False when nothing was typed.
    bool ValideNomSaisi(TComboBox* Boite);
    // Every box still holding a new name, before the page is written.
    void ValideNomsSaisis();
    // A referee chosen: the championship's referee rules, reported by message.
    void VerifieArbitre(TComboBox* Boite);
    // A key in the attendance display; a change of a rating box.
    void AffichageScoreKeyPress();
    void e_NoteArbitreChange();

    // ---- player boxes ----
    // A new row of Fond: a box of side Cote at row Ligne (from 1).
    // TypeBut 0 none, 1 penalty, 2 free kick, 3 ordinary, 4 own goal. Suite
    // -1 (or Couleur > 0: card panels) lets a drop on the box append a row.
    // Minute: the row's minute box (on a second page only with Force).
    // Couleur: 0 blue, 1 yellow, 2 red skin.
    TCarton* AjouteCarton(int Ligne, int Cote, bool Force, int TypeBut, int Suite,
                          const std::optional<std::string>& Minute, const TChoixJoueur* Joueur, int Genre,
                          bool Defile, TFondScroll* Fond, int Couleur);
    void CartonMouseDown(TObject* Sender, TMouseButton Button);
    // A box pressed or dropped on: the page may remember its panel.
    virtual void CartonChoisi(TCarton* b) { (void)b; }
    void MinuteChange();
    // Frees every row of the panel with its controls.
    void VideFond(TFondScroll* fond);
    // The minute box to focus when a team list receives the focus
    // (FocusEnAttente 1).
    TEditRond* MinuteCible = nullptr;
    uint8_t FocusEnAttente = 0;

    // ---- player lists ----
    // A new list of the team's players of category Categorie (0: all).
    std::unique_ptr<TListeJoueur> ChargeListeJoueurs(int32_t Equipe, int Categorie) const;
    // The list box gets one entry per choice (with Entetes: the two entries
    // standing for no player and a dash line first; with Filtre: choices in
    // use left out).
    static void RemplitListeJoueurs(const TListeJoueur* Liste, TListe* Boite, bool Entetes, bool Filtre);
    // The season's categories in Boite (Panneau hidden without any); the
    // category of the team at position Position selected; its id.
    int RemplitCategories(TComboBox* Boite, TWinControl* Panneau, int Position) const;
    // "Ajouter un joueur": the player card of the sport for a new player of the
    // team of match slot Case; the player is put into Liste and Boite.
    // Entetes: the list box shows the leading entries.
    TChoixJoueur* AjouteJoueur(TListe* Boite, TListeJoueur* Liste, int Categorie, int Case, bool Entetes = false);

    TComponent* FenetrePrincipale = nullptr;
    int32_t IdDomicile = 65535;
    int32_t IdExterieur = 65535;
    int32_t CategorieDomicile = 0;
    int32_t CategorieExterieur = 0;
    int MatchCourant = 1;
    uint8_t Modifie = 0;
    uint8_t EnChargement = 0;

    TFondCopie* Panel1;
    TCadre* c_EqDomicile;
    TEditRond* c_ScDomicile;
    TEditRond* c_ScExterieur;
    TCadre* c_EqExterieur;
    TUpDown* UpDown1;
    TPopupMenu* pm_ListeMatch;
    TPopupMenu* pm_TypeBut;
    TMenuItem* mi_Penalty;
    TMenuItem* mi_Coupfranc;
    TMenuItem* mi_Aucun;

protected:
    TDonneesChampionnat* Championnat() const;
    // The box takes typed names (ValideNomSaisi); once per box.
    void PrepareSaisieNom(TComboBox* Boite, bool Stade);
    // Header boxes of match MatchCourant (or empty); false without a match.
    bool EnTeteBoites();
    void fc_InfoMatchResize();

private:
    void AjouteStade(TComboBox* Boite, const std::string& nom);
    std::vector<TComboBox*> boitesStade_;
    std::vector<TComboBox*> boitesNom_;
    // Leaving a box with a new name: its card opens once the focus has moved.
    TComboBox* nomEnAttente_ = nullptr;
    bool nomEnCours_ = false;
    // What each box held last (the number of its entry; an emptied box holds
    // none): a card cancelled on a new name gives it back.
    std::vector<std::pair<TComboBox*, int32_t>> tenus_;
    void Tient(TComboBox* Boite);
    void RendTenu(TComboBox* Boite);
    TTimer* differe_ = nullptr;
};

// Makes a stadium from the stadium card opened with the name begun; its id,
// -1 when cancelled. Registered at start-up by the program.
using TCreationStade = std::function<int32_t(TComponent* owner, const TCouleurElement& couleurs, TSaison* saison,
                                             const std::string& nom)>;
void EnregistreCreationStade(TCreationStade creation);

// A page with the two team lists and their category boxes.
class Tf_InfoMatchCadre : public Tf_InfoMatchCadreBase
{
public:
    explicit Tf_InfoMatchCadre(TComponent* AOwner);
    ~Tf_InfoMatchCadre() override;

    // Choice lists of both sides, rebuilt for the shown match (and categories).
    void ChargeListes();
    void LibereListes();
    TListeJoueur* ListeDomicile() const { return choix_[0].get(); }
    TListeJoueur* ListeExterieur() const { return choix_[1].get(); }
    TListe* Liste(int cote) const { return cote == 1 ? l_EquipeDomicile : l_EquipeExterieur; }

    // ---- handlers ----
    // A box dropped back onto a team list.
    void LB1DragDrop(TObject* Sender, TObject* Source);
    void l_EquipeDomicileDragOver(TObject* Sender, TObject* Source, bool& Accept);
    void LB1Enter();
    void cb_CategorieChange(int cote);
    void mi_AjouterJoueurClick(int cote);

    // The leading entries of the lists (the rugby scorers page).
    bool EntetesListes = false;

    TPanel* Panel2;
    TListe* l_EquipeDomicile;
    TPanel* Panel3;
    TComboBox* cb_CategorieDom;
    TPanel* Panel4;
    TPanel* Panel5;
    TComboBox* cb_CategorieExt;
    TListe* l_EquipeExterieur;
    TPopupMenu* Popupajout;
    TMenuItem* mi_AjouterJoueur1;
    TPopupMenu* Popupajout2;
    TMenuItem* mi_AjouterJoueur2;

protected:
    std::unique_ptr<TListeJoueur> choix_[2];
};

// A page whose events are N kinds of rows of player boxes, one scrolled panel
// per kind and side (FondCartons).
template <size_t N>
class TPagePanneaux : public Tf_InfoMatchCadre
{
public:
    using Tf_InfoMatchCadre::Tf_InfoMatchCadre;

    // The panel of kind k (0..N-1) of side cote (1 home, 2 away).
    TFondScroll* Fond(int k, int cote) const { return fonds_[k][cote - 1]; }
    void AjusteFonds() override
    {
        for (auto& k : fonds_)
            for (TFondScroll* f : k)
                f->Ajuste();
    }

protected:
    // The panels, named noms[kind][side - 1].
    void CreePanneaux(const char* const (&noms)[N][2])
    {
        for (size_t k = 0; k < N; ++k)
            for (int cote = 1; cote <= 2; ++cote)
                fonds_[k][cote - 1] = FondCartons(this, noms[k][cote - 1], cote);
    }
    // Every row of every panel freed (a match is shown afresh).
    void VidePanneaux()
    {
        for (auto& k : fonds_)
            for (TFondScroll* f : k)
                VideFond(f);
    }
    // The kind of the panel last pressed or dropped on (the first one until
    // then): where a double click on a team list puts its player.
    void CartonChoisi(TCarton* b) override
    {
        for (size_t k = 0; k < N; ++k)
            if (b && (b->Fond == fonds_[k][0] || b->Fond == fonds_[k][1]))
                choisi_ = k;
    }
    // A double click on the team list of side cote: its selected entry fills
    // the first empty box of that side's chosen panel, as a drop on it would
    // (a panel that appends gets a new empty row, the minute box of the row
    // filled takes the focus when a team list next gets it).
    void RemplitPanneauChoisi(int cote)
    {
        TListe* l = Liste(cote);
        if (!l || l->ItemIndex() < 0 || l->ItemIndex() >= l->Items().Count())
            return;
        TFondScroll* fond = fonds_[choisi_][cote - 1];
        for (int r = 0; r < fond->NbControles(); ++r) {
            TCarton* b = CartonLigne(fond, r);
            if (!b || !b->Text().empty())
                continue;
            b->RecoitElement(*l);
            b->Reorganise(true, b->Genre);
            FocusEnAttente = 1;
            return;
        }
    }

    TFondScroll* fonds_[N][2] = {};
    size_t choisi_ = 0;
};
