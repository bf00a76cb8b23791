// The results page of one matchday of the current championship: the teams are
// placed on match rows (double click or drag from the list), scores typed,
// match dates and states set; the track bar moves to another matchday. Nothing
// reaches the championship while the user types: EnregistrerJournee writes the
// shown matchday when another is chosen, before the check, the completion and
// the print, when the main window commits its child, and when the page goes.
// In a cup, leaving a score box decides the tie (shoot-out, extra match, next
// round). Every gesture (a drop, a double click, a typed score, a shoot-out,
// a state, "Tout effacer") passes one guard that hands it whole to the
// championship's one road for changes of a cup (model/TableauCoupe.h): the
// rows it leaves and the rest of the cup they call for, the bracket kept,
// every entered match it erases named in one question; No or a refusal
// changes nothing (a score typed and answered No stays in its box, not
// saved). A cup whose results decide its ties takes each gesture carried out
// at once, rows and all.
#pragma once

#include <functional>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "results/Saisie.h"
#include "ui/BrivantelForm.h"

class TCadreDrop;
class TEditRond;
class TFondCopie;
class TFondScroll;
class TLabel;
class TListe;
class TMaskEdit;
class TMenuItem;
class TPopupMenu;
class TTrackBar;
class TDateTimePicker;
class TBoutonCopie;

// One match row; the window creates and frees its controls.
struct TLigneResultat
{
    TMaskEdit* Date = nullptr;   // only with one date per match
    std::string DateEntree;      // what Date showed when entered, given back when refused
    TCadreDrop* Domicile = nullptr;
    TCadreDrop* Exterieur = nullptr;
    TEditRond* ScoreDomicile = nullptr;
    TEditRond* ScoreExterieur = nullptr;
    TLabel* Tiret = nullptr;
    TLabel* TirsAuBut = nullptr;   // cups only; its Tag holds the result
    uint8_t Qualifie = 2;
    uint8_t EtatMatch = etatNormal;
    // The user agreed to erase the row's match: what the championship still
    // holds of it no longer counts as entered.
    bool Efface = false;
    // The later leg the row shows to play (home, away), not yet a match: it
    // becomes one once a score is typed in it or "Compléter" is clicked.
    std::pair<int, int> Proposee{-1, -1};
};

class Tf_Resultats : public TFootForm
{
public:
    explicit Tf_Resultats(TComponent* AOwner);
    ~Tf_Resultats() override;

    void Init();
    void CreeLignes();
    void ChargeJournee(bool garde);
    // Writes the shown matchday; the matchday deleted, or -1. quittee: the
    // page goes to another matchday (an empty date then goes, the last too).
    int EnregistrerJournee(bool quittee = false);
    // The same for a page that stays: a matchday of the date system left
    // empty goes when written, and the page then shows the matchday now of
    // its number (its rows would otherwise be written over that one).
    void EnregistrePage();
    // The page is about to go with the season it shows (the program closing,
    // another season): in a league by dates, a date shown with nothing
    // entered goes first, so that the save asked for then does not keep it;
    // the page then shows the nearest date still held.
    void QuittePage();
    // In a league by dates, the date shown with nothing entered is taken out
    // of the season while it is saved, so that no file holds it; the function
    // returned puts it back (empty when there was none to take out).
    std::function<void()> DateVideMiseDeCote();
    // The caption of the current matchday.
    static std::string LibelleJournee(TSaison* saison);
    void TrieMatchsClassement();
    // Lays the rows out to the panel.
    void PlaceLignes();

    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;
    // "Score"; the other names as every view serves them.
    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;

    // ---- what the page shows (tests read it) ----
    int NbLignes() const { return static_cast<int>(lignes_.size()); }
    TLigneResultat& Ligne(int r) { return *lignes_[static_cast<size_t>(r)]; }
    std::vector<TLigneSaisie> LignesSaisies() const;
    bool PlacementPermis() const;
    // Teams may be placed in row r: every row where placing is allowed, and
    // the third-place row wherever it stands.
    bool PlacementLigne(int r) const;
    bool SystemeDate() const { return systemeDate_; }
    // The teams placed alone in a cup's rows, on the matchday shown or kept
    // for another, that no match of the championship holds (text 5789,
    // each team with its matchday's round); empty when none. Neither the
    // file nor a page shown later keeps them.
    std::string PlacementsSeules() const;
    // A score typed and kept in its box after its question was answered No
    // (the cup as it was; said beside the box, 5912, and on the row's line,
    // 5914) on the matchday shown. Such scores stay kept by matchday while
    // the page is open, shown again with it, and weighed again once typed
    // again; ScoresNonGardes names them all (texts 5915, 5916), empty when
    // none: the file never holds them.
    bool ScoreGarde() const;
    std::string ScoresNonGardes() const;
    // The rows as last accepted (what the season holds of the matchday).
    const std::vector<TLigneSaisie>& Acceptees() const { return accepte_; }

    // ---- handlers ----
    void l_EquipeDblClick(TObject* Sender);
    void CadreDblClick(TObject* Sender);
    void CadreMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    // A team dropped from the list or a box onto a box, or from a box onto
    // the list: one gesture, source and target weighed together.
    void DepotEquipe(TObject* Source, TControl* Cible);
    void ScoreKeyPress(TObject* Sender, char& Key);
    // Leaving a score box decides the tie unless the focus stays in the row.
    void ScoreExit(TObject* Sender);
    void DecideQualifie(TObject* Sender);
    // The team of the box goes back to the list (double click, drag onto the
    // list); a match it leaves that holds a score or events goes whole.
    void RetireEquipe(TCadreDrop& cadre);
    // The team may be placed in row r (r -1: in some row where placing is
    // allowed): it has its place in the round there.
    bool Admise(int r, int equipe) const;
    // The list offers the team: it may stand in a row where placing is allowed.
    bool Offerte(int id) const;
    void EtatClick(TObject* Sender);
    void TrackBar1Change(TObject* Sender);
    void bde_DateJourChange(TObject* Sender);
    void bde_DateJourExit(TObject* Sender);
    void DateLigneExit(TObject* Sender);
    void b_CompleterClick(TObject* Sender);
    void b_VerificationClick(TObject* Sender);
    void BoutonCopie1Click(TObject* Sender);
    void mi_AjoutEquipeClick(TObject* Sender);
    // The shoot-out dialog: the result ((home << 16) + away), 0 when cancelled.
    // Tests replace it.
    std::function<uint32_t(int h, int a)> DemandeTirsAuBut;

    // ---- components ----
    TFondScroll* FondMatch;
    TListe* l_Equipe;
    // Over the empty list of a later round's first matchday: no team has its
    // place there yet.
    TLabel* l_Aucune = nullptr;
    TFondCopie* FondCopie2;
    TLabel* Label1;
    TLabel* Label143;
    TTrackBar* TrackBar1;
    TBoutonCopie* b_Completer;
    TBoutonCopie* b_Verification;
    TDateTimePicker* bde_DateJour;
    TBoutonCopie* BoutonCopie1;
    TLabel* l_Finale;
    TLabel* l_PetiteFinale;
    TPopupMenu* pm_Forfait;
    TMenuItem* mi_Forfait;
    TMenuItem* mi_TapisVert;
    TMenuItem* mi_MatchRemis;
    TMenuItem* mi_MatchArrete;
    TMenuItem* mi_ScoreNonParvenu;
    TMenuItem* mi_MatchNormal;
    TPopupMenu* pm_AjouteEquipeCoupe;
    TMenuItem* mi_AjoutEquipe;

private:
    void CreeComposants();
    void LibereLignes();
    void CreeLigne(int r);
    void PeintLigne(int r);
    // Row r as last accepted holds a score, a state or a shoot-out, or its
    // match has events or line-ups.
    bool MatchSaisi(int r) const;
    // The row of a box's tag; -1 outside.
    int LigneTag(int tag) const;
    TDonneesChampionnat* Championnat() const;
    // The team box gets the team, or is emptied (id -1).
    static void RemplitCadre(TCadreDrop* cadre, const std::string& nom, int32_t id);
    void AjouteListe(const std::string& nom, int32_t id);
    // In the date system, filling the last row adds an empty one.
    void VerifieDerniereLigne();
    void ChargeDates(uint32_t date);
    // The later legs to play of the matchday shown (a cup's), each as a
    // row among the matches (lignes) at the place of its tie; proposees: the
    // pairing each row shows to play.
    void ProposeSuite(std::vector<TLigneSaisie>& lignes, std::vector<std::pair<int, int>>& proposees) const;
    // The accepted rows as they are written: a later leg only shown is left out.
    std::vector<TLigneSaisie> LignesAEcrire();
    uint32_t DateLigne(int r) const;
    // A date typed into the matchday date box, read as every date box reads
    // one: the date, or false once refused with a word beside the box.
    bool DateTapee(TControl* boite, const std::string& texte, double& date);
    // The date boxes typed into and not yet left take what they show.
    void PrendDates();
    // The track bar's position of the matchday shown, in the date system
    // (its place among the dates, from 1).
    int PositionDate() const;
    // The one guard of every gesture: from the rows as last accepted to these
    // (a row whose teams change loses its match, scores and all), the change
    // goes to the championship's one road (ChangeCoupe), which works out the
    // later matches of the cup that would differ and refuses a gesture that
    // would break the bracket (said here beside the box); the page asks once
    // naming every entered match that goes (texts question and question + 1;
    // 4300 for the row's own match alone). Carried out, the rows become the
    // accepted ones, and a cup whose results decide its ties is written at
    // once. False (a refusal, No) changes nothing.
    // perte: what the gesture erases beside the rows (a forfeit's sheet),
    // named in the same question; No keeps it.
    // refusee: set when the gesture was refused (not answered No).
    bool Pese(std::vector<TLigneSaisie> apres, std::vector<int> changees, int question, TControl* boite,
              const std::string& perte = {}, bool* refusee = nullptr);
    // What a refused gesture would break, said beside the box it concerns.
    void Refuse(const TEcartTableau& x, const std::vector<TLigneSaisie>& apres, TControl* boite);
    // The rows typed and not yet accepted go through the guard (no question
    // while the page goes); refused, they get back what they held.
    void RegleLignes();
    // Row r's qualifier and shoot-out from its scores (the shoot-out dialog
    // only with dialogue).
    void DecideLigne(int r, bool dialogue);
    void MontreTirs(int r);
    // The rows with the box holding the team given (-1: none).
    void PoseEquipe(std::vector<TLigneSaisie>& lignes, const TCadreDrop& cadre, int equipe) const;
    // The box of row r, home or away side.
    TCadreDrop* Cadre(int r, bool domicile) const;
    // The rows' controls show these rows.
    void MontreLignes(const std::vector<TLigneSaisie>& lignes);
    // Every row gets back what it held when last accepted (a score kept
    // typed stays).
    void RendLignes();
    // The scores kept typed after a No, by championship and matchday, each
    // with its row and the row's teams: shown in their boxes (RendGardes)
    // while the rows hold those teams; a gesture weighs those rows as
    // accepted (LignesGeste). Retape: a key typed in the row since.
    struct TScoreGarde
    {
        int Ligne = 0;
        int32_t Domicile = -1, Exterieur = -1;
        std::string ScoreDomicile, ScoreExterieur;
        bool Retape = false;
    };
    std::map<std::pair<int32_t, int>, std::vector<TScoreGarde>> gardes_;
    std::vector<TLigneSaisie> LignesGeste() const;
    TScoreGarde* Garde(int r);
    void RendGardes();
    void OublieGarde(int r);
    // The teams the list offers, as the writer takes them.
    std::vector<TEquipeListee> Listees() const;
    // A team placed alone in a cup's row (a match is written with its two
    // teams only) stays placed while another matchday is shown: kept by
    // championship and matchday as each accepted gesture and leaving the
    // matchday leave it, given back to its row (or the first empty one, the
    // team still with its place there) when the page shows it again.
    struct TPlaceSeule
    {
        int Ligne = 0;
        bool Domicile = true;
        int Equipe = -1;
    };
    std::map<std::pair<int32_t, int>, std::vector<TPlaceSeule>> seules_;
    void MontreAucune();
    void GardeSeules();
    // The rows of the shown matchday, as last accepted, that hold one team.
    std::vector<TPlaceSeule> SeulesAcceptees() const;
    void RendSeules(std::vector<bool>& placees);
    std::vector<std::unique_ptr<TLigneResultat>> lignes_;
    std::vector<TLigneSaisie> accepte_;
    bool decide_ = false;
    bool detruit_ = false;
    bool systemeDate_ = false;
    bool dateChoisie_ = false;
    bool occupe_ = true;
    uint32_t dateJour_ = 0;
};
