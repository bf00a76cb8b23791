// The squads window: the squad of one team as an editable grid, with the
// season's teams on the left (the current championship's first). Players are
// typed in directly, edited in their card, inserted, removed (kept without a
// team), moved by dropping them on another team, given categories, and
// entered quickly. It serves the template function "EffectifEquipe".
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/BrivantelForm.h"
#include "ui/FusionJoueurs.h"

enum class TChamp : uint8_t;

class TColorGridBase;
class Tf_FicheJoueur;
class TColorStringGrid;
class TComboBox;
class TDonneesChampionnat;
class TGridModel;
class TListe;
class TMenuItem;
class TLabel;
class TPanel;
class TPopupMenu;
class TScrollBox;

// A name without its accents, its letters keeping their case ("Éric" and
// "Eric" agree, "eric" does not): names typed in the squads and searched for
// compare so.
std::string SansAccentCasse(std::string_view texte);

// The quick squad entry lives above this library: the program registers how
// to open it (modally, for the team, in the opener's colours); it says whether
// the entry changed the season.
using TOuvreSaisieRapide = std::function<bool(TBrivantelForm* ouvrant, TSaison* saison, int equipe)>;
void EnregistreSaisieRapide(TOuvreSaisieRapide ouvre);

// After a transfer: for every championship where he has matches or a scoring
// value for the club he leaves, a history line (year option word 8 + 1900 of
// the current championship, the division, the previous club, those two values
// in the national or the other pair); then his figures are counted again over
// every club he played for.
void AjouteHistoriqueTransfert(TSaison& saison, TJoueur& joueur);
// The player leaves his team for another: transfer letter "c", club number
// 0, year of arrival the current championship's, previous club the old team
// (when he had one), history lines, then filed again under the new team. The
// player kept is returned.
TJoueur* TransfereJoueur(TSaison& saison, TJoueur* joueur, int equipe);
// The player moved to that team by a window: where a namesake there would
// take him over, he becomes that player once the user says so
// (AccepteFusion, TSaison::FusionneJoueurs); otherwise deplace moves him.
// False when nothing changed.
bool DeplaceJoueur(TSaison& saison, TJoueur* joueur, int equipe, const std::function<void()>& deplace);

// An age cell typed (shown by TexteAge): blank, "-" or 0
// unknown; a year from 1900 to 2155; an age below 100 counted back from the
// season's year. false for anything else (naissance unchanged).
bool LitAge(const std::string& texte, int anneeSaison, uint8_t& naissance);

// Filling of a squad grid, with or without a window.
struct TRemplissageEffectif
{
    int Equipe = -1;               // team id
    bool National = false;         // national shirt numbers
    bool Stats = true;             // columns 9 to 12
    int32_t Categorie = 0;         // 0 every player
    const TDonneesChampionnat* Championnat = nullptr;   // shown championship (careers)
    int32_t CodeStats = -1;        // championship of the statistics columns, -1 totals only
    bool LigneVide = true;         // the empty row for a new player
};

// The rows of a filled grid: player and career key of rows 1.. (index 0 = row 1).
struct TLignesEffectif
{
    std::vector<TJoueur*> Joueurs;
    std::vector<int32_t> Cles;
};

void RemplitEffectif(TGridModel& m, TColorGridBase& g, TSaison& saison, const TRemplissageEffectif& p,
                     const TCouleurElement& couleurs, TLignesEffectif& lignes);

class Tf_Effectifs : public TFootForm
{
public:
    explicit Tf_Effectifs(TComponent* AOwner);
    ~Tf_Effectifs() override;

    // Fills the team list and shows the team at that position of the current
    // championship.
    void RemplitEquipes(int indexEquipe, bool cacheStats);
    void RemplitCategories(int indexEquipe);
    void RemplitGrille();
    // Writes the typed rows into the season (-1: every row). A row that
    // cannot be a player (no surname, an age that is none, a player already
    // in the team) is left as typed, with a message; false then.
    // Writes the rows back (-1: every row); a row that cannot be stored
    // stays as typed and, with dit, says why, the cursor on the cell to
    // correct. False when a row was refused.
    bool EnregistreLignes(int ligne, bool dit = true);
    // The grid is left: every row written; false when a row was refused
    // (said, the cursor on the cell to correct).
    bool sg_TableauEquipeExit(TObject* Sender);

    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;
    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;

    // ---- user actions
    void l_EquipeClick(TObject* Sender);
    void cb_CategoriesChange(TObject* Sender);
    void mi_EditerClick(TObject* Sender);
    void mi_InsererClick(TObject* Sender);
    void mi_EffacerClick(TObject* Sender);
    void mi_SaisieRapideClick(TObject* Sender);
    void ChangeCategorieJoueur(int32_t categorie);
    void l_EquipeDragOver(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept);
    void l_EquipeDragDrop(TObject* Sender, TObject* Source, int X, int Y);
    void sg_TableauEquipeGetEditMask(TObject* Sender, int ACol, int ARow, std::string& Value);
    static std::optional<TChamp> ChampColonne(int col, bool national);
    void sg_TableauEquipeSetEditText(TObject* Sender, int ACol, int ARow, const std::string& Value);
    void sg_TableauEquipeSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
    void pm_JoueurOpPopup(TObject* Sender);

    // The team id of a list entry and its group digit.
    static int IdEntree(const std::string& entree);
    static char GroupeEntree(const std::string& entree);
    static std::string Entree(int id, char groupe, int code, const std::string& nom);

    // The player of a grid row (nullptr on the empty row).
    TJoueur* JoueurLigne(int ligne) const;

    // ---- state
    uint32_t EquipeAffichee = 0xFFFFFFFF;   // id low half, national flag high half
    bool CacheStats = false;
    int32_t CategorieAffichee = 0;
    TDonneesChampionnat* ChampionnatAffiche = nullptr;
    bool Recompte = true;
    bool EditionEnAttente = false;
    // Rows are being written back (a message shown meanwhile may make the
    // grid lose the focus, which writes them too).
    bool Enregistrement = false;
    int32_t CodeGrille = -1;   // championship of the statistics columns
    TLignesEffectif Lignes;

    // ---- controls
    TPanel* Panel1 = nullptr;
    TListe* l_Equipe = nullptr;
    TPanel* p_Categories = nullptr;
    TComboBox* cb_Categories = nullptr;
    TScrollBox* ScrollBox1 = nullptr;
    // Group titles over the two pairs of matches and goals: the career in the
    // championship's division, then this season.
    TLabel* l_GroupeCarriere = nullptr;
    TLabel* l_GroupeSaison = nullptr;
    TColorStringGrid* sg_TableauEquipe = nullptr;
    TPopupMenu* pm_JoueurOp = nullptr;
    TMenuItem* mi_Editer = nullptr;
    TMenuItem* fCatMenu = nullptr;
    TMenuItem* mi_Effacer = nullptr;
    TMenuItem* mi_Inserer = nullptr;
    TMenuItem* mi_SaisieRapide = nullptr;

private:
    int EquipeId() const { return static_cast<int>(EquipeAffichee & 0xFFFF); }
    bool National() const { return (EquipeAffichee >> 16) == 1; }
    // Opens the player's card (nullptr: a new player with that default position).
    void EditeJoueur(TJoueur* joueur, int posteDefaut);
    void AppliqueCategorie(TJoueur* joueur);
    void PrepareLigneVide(int ligne);
    void DimensionneGrille();
    // The headings of the printout and the page: the team, the column groups.
    TEnTeteHTML EnTeteTableau() const;
    int dragX_ = -1, dragY_ = -1;
};

// A player card of the season's sport, without owner.
TOwned<Tf_FicheJoueur> CreeFicheJoueur(TSaison& saison);

// The page-template function of the squads: registered once.
void EnregistreEffectifs();
