// The statistic sheet of a basketball or handball match: one team at a time
// (chosen by a tab), a grid of per-player counts per statistic code with a
// totals row, the team's other players in a list, and the match header
// (attendance, officials with ratings, match rating, hall). Handball adds a
// goalkeepers' grid. Players enter a grid by double click or by dragging
// them from the list, and leave it by dragging their row back to the list.
// The shown team's counts reach the matchday's statistic lists when the page
// is written: before the tab, the match or the matchday changes, on closing
// and before a save.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/gui/Grids.h"
#include "results/EnTeteMatch.h"
#include "results/w_InfoMatchCadre.h"

class TAffichage;
class TColorStringGrid;
class TComboBox;
class TDonneesChampionnatStat;
class TEdit;
class TLabel;
class TListe;
class TListeJoueur;
class TListeStatTir;
class TMenuItem;
class TPopupMenu;
class TScrollBox;
class TTabControl;

class Tf_ButeursStat : public Tf_InfoMatchCadreBase
{
public:
    ~Tf_ButeursStat() override;

    // ---- page protocol ----
    void ChangeMatch() override;
    void SetFenetrePrincipale(TComponent* fenetre) override;
    void EnregistrePage(int Libere) override;
    void AfficheMatch() override;
    void AfficheLibelles() override;
    // Mode 1: a match is shown; otherwise the player list is emptied.
    void RemplitPage(int Mode) override;

    // A made count above its attempts, as the refusals write it: the made
    // count (a goalkeeper's saves) and the attempts (the shots he faced), each
    // with its word in the number its language writes it with.
    static std::pair<std::string, std::string> ComptesAuDela(bool gardien, int reussis, int tentes);

    // ---- the sport's part ----
    // Grid columns and titles.
    virtual void Dispose() = 0;
    // Shows one team's counts.
    virtual void AfficheEquipe(int32_t equipe) = 0;
    // The grid column of a statistic code (0: the grid does not show it).
    virtual int Colonne(int code, bool gardien) const = 0;
    // The value a row of a grid stores for a code it does not show (0 none).
    virtual int ValeurFixe(int code, bool gardien) const { (void)code; (void)gardien; return 0; }
    // The (made, attempted) column pairs of the main grid or of the
    // goalkeeper grid: a made count is at most its attempts.
    virtual std::vector<std::pair<int, int>> ColonnesReussis(bool gardien) const
    {
        (void)gardien;
        return {};
    }

    // Full header (attendance, officials, hall) or compact (teams and scores).
    void AfficheEnTete(bool Complet) override;
    bool Complet() const { return complet_; }
    void AfficheEquipeCodes(int32_t equipe, int premier, int dernier);
    void EnregistreCodes(int Libere, int premier, int dernier);
    // The codes the page shows and writes.
    int PremierCode() const { return premier_; }
    int DernierCode() const { return dernier_; }

    // The team of the tab (0 home, 1 away).
    int32_t EquipeOnglet() const;
    // The statistic columns of the grids.
    int NbColonnes() const { return nbColonnes_; }
    // Player rows of a grid (without title and totals).
    static int NbJoueurs(const TColorStringGrid& g);

    // ---- handlers (public for the window tests) ----
    // A list entry into a grid (double click, or drop).
    void AjouteJoueur(TColorStringGrid* grille, int index);
    // A player row back to the list.
    void RetireLigne(TColorStringGrid* grille, int ligne);
    void GrilleSetEditText(TColorStringGrid* grille, int col, int row, const std::string& valeur);
    void GrilleSelectCell(TColorStringGrid* grille, int col, int row, bool& possible);
    // The cell a key leads to from (col, row): arrows within the statistic
    // cells, Tab and Enter to the next shown one row by row (arriere:
    // Shift+Tab, backwards); the cell itself at an edge.
    TGridCoord CelluleVoisine(const TColorStringGrid& g, int col, int row, WORD touche, bool arriere) const;
    void GrilleKeyDown(TColorStringGrid* g, WORD& k, TShiftState sh);
    void MontreCellule(TColorStringGrid* g);
    std::string MasqueEdition(int col) const;
    void OngletChanging(bool& autorise);
    void OngletChange();
    // Before the page leaves the shown team for another team, match or
    // matchday: made counts typed above their attempts are named (player,
    // column, both counts) and the user keeps them as typed or goes back to
    // the first of them (false).
    bool AccepteDepart() override;

    TLabel* Label2;
    TAffichage* AffichageScore;
    TLabel* Label1;
    TComboBox* cb_Arbitre;
    TEdit* e_NoteArbitre;
    TComboBox* cb_Arbitre2;
    TEdit* e_NoteArbitre2;
    TComboBox* cb_Arbitre3;
    TEdit* e_NoteArbitre3;
    TLabel* Label4;
    TLabel* Label6;
    TLabel* Label7;
    TLabel* Label5;
    TEdit* e_NoteMatch;
    TLabel* Label3;
    TComboBox* cb_Stade;
    TWinControl* Panel2;
    TTabControl* tc_StatTir;
    TListe* l_EquipeDomicile;
    TScrollBox* ScrollBox1;
    TColorStringGrid* csc_StatGardien;
    TColorStringGrid* csc_StatTir;
    TPopupMenu* pm_AjoutArbitre[3];
    TMenuItem* mi_AjouterArbitre;
    // Under the grids: what a column counts when its caption cannot say it
    // all (handball's goals from play); none on the basketball page.
    TLabel* l_Note = nullptr;

protected:
    // nbOfficiels 2 or 3; codes premier..dernier; sport 2 basketball, 3 handball.
    Tf_ButeursStat(TComponent* AOwner, int nbOfficiels, int nbColonnes, int premier, int dernier, int sport);

    // Sets the columns: count, widths (column 0 and the others), row heights.
    void PrepareGrille(TColorStringGrid* g, int largeur0, int largeur, int hauteur, int hauteurTitre);
    // A title cell (fond clNone: the scheme's dark colour).
    void Titre(TColorStringGrid* g, int col, const std::string& texte, TColor couleur, TColor fond = clNone);
    // The width a column takes when shown (its title's).
    int LargeurColonne(TColorStringGrid* g, int col) const;
    // Columns of switched-off statistics get no width.
    virtual void MasqueColonnes() = 0;
    TDonneesChampionnatStat* ChampionnatStat() const;
    // The page written before it goes (from the sport's destructor).
    void Termine();
    void SetCodes(int premier, int dernier) { premier_ = premier; dernier_ = dernier; }

private:
    void PlaceGrilles();
    void EcritTotaux(TColorStringGrid* g);
    void AjouteLigne(TColorStringGrid* g, int32_t id, const std::string& nom);
    void RemplitListe();
    feuille::TEnTeteComplet EnTete() const;
    bool Propre(const TColorStringGrid* g) const { return g == csc_StatTir || g == csc_StatGardien; }
    // Whether value n typed in a cell leaves a made count above its attempts;
    // if so the message names the made column and both counts.
    bool ReussisAuDela(TColorStringGrid* g, int col, int row, int n, std::string& message) const;
    void EcritValeur(TColorStringGrid* g, int col, int row, int n);
    // A player row of the shown team whose made count is above its attempts
    // (made typed first, the attempts not yet or lower).
    struct TEcart
    {
        TColorStringGrid* Grille;
        int Ligne, Col, Reussis, Tentes;
    };
    std::vector<TEcart> Ecarts() const;
    // Names the made counts above their attempts that the user has not kept
    // yet. With retour he keeps them or goes back to the first one's cell
    // (false); without, the page is written anyway and the message says they
    // are kept. True when they are kept.
    bool DitEcarts(bool retour);
    // Closes the cell being typed in: its value is final.
    void FermeEdition();

    // The cell being typed in and the count it held before.
    struct TEdition
    {
        TColorStringGrid* Grille = nullptr;
        int Col = -1, Row = -1, Valeur = 0;
    } edition_;

    // The made counts above their attempts the user kept knowingly, as
    // (goalkeeper grid, player, column, made, attempted), for the team shown.
    std::vector<std::tuple<bool, int32_t, int, int, int>> gardes_;
    // The page is going (nothing is asked then).
    bool termine_ = false;
    std::vector<int> largeurs_[2];   // main grid, goalkeepers' grid
    std::unique_ptr<TListeStatTir> stats_;
    std::unique_ptr<TListeJoueur> choix_;
    int ligneTiree_ = -1;
    bool complet_ = true;
    int nbOfficiels_;
    int nbColonnes_;
    int premier_;
    int dernier_;
    int sport_;
};

// Basketball: the full page (codes 5 to 12) and the compact one (13 to 20,
// teams and scores only).
class Tf_ButeursBasket : public Tf_ButeursStat
{
public:
    explicit Tf_ButeursBasket(TComponent* AOwner);
    ~Tf_ButeursBasket() override;
    void Dispose() override;
    void AfficheEquipe(int32_t equipe) override;
    int Colonne(int code, bool gardien) const override;
    // The full page: two-point, three-point and free-throw shots.
    std::vector<std::pair<int, int>> ColonnesReussis(bool gardien) const override;

protected:
    void MasqueColonnes() override;
};

// Handball: field players (codes 21-24 and 29-35) and goalkeepers (25-35);
// every player entered also gets the matches-played code 36 (1 for a field
// player, 129 for a goalkeeper).
class Tf_ButeursHand : public Tf_ButeursStat
{
public:
    explicit Tf_ButeursHand(TComponent* AOwner);
    ~Tf_ButeursHand() override;
    void Dispose() override;
    void AfficheEquipe(int32_t equipe) override;
    int Colonne(int code, bool gardien) const override;
    int ValeurFixe(int code, bool gardien) const override;
    // Goals of shots and 7-metre goals of 7-metre throws; a goalkeeper's
    // saves of shots faced and 7-metre saves of 7-metre throws faced.
    std::vector<std::pair<int, int>> ColonnesReussis(bool gardien) const override;

protected:
    void MasqueColonnes() override;
};
