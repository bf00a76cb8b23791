// The history of a championship's past seasons, on one history file (stats/):
// the results of a past season typed in a grid (mode 0), the head-to-head of
// two clubs over the seasons (1), the results table of a season (2) and its
// standings (3). The shell hands the history list and the file's index, then
// calls one of the four entries; the pages are switched only by them.
//
// In the entry grid a digit fills the cell and moves on, "*" then two digits
// fill it with a two-digit number; the cursor skips each team's own pair.
// What the grid shows goes into the season it shows whenever the grid shows
// another one or the page changes; nothing reaches the disk before
// "Enregistrer", and the window, or its file, left with changes not written
// asks first.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TCarreCoche;
class TColorStringGrid;
class TComboBox;
class TEdit;
class TLabel;
class TMenuItem;
class TPanel;
class TPopupMenu;
class TRondCoche;
class TSaisonStat;
class TStat;
class TStats;
class TUpDown;

// Every season goes into a history file through here. When the file holds
// a season of that number, the question is asked first through demande (with
// Oui and Non), naming the stored season and what replaces it: equipes teams
// of the championship named, with their results, or, when championnat is
// empty, a season of the history window, which has none yet. No answers
// nullptr and leaves the file as it was. Otherwise fabrique makes the season
// (names new to the file are added then) and it takes the place of the stored
// one (TStat::AjouteSaison); it is returned (nullptr when fabrique made none).
TSaisonStat* AjouteSaisonDemandee(TStat& stat, int numero, int equipes, const std::string& championnat,
                                  const std::function<std::unique_ptr<TSaisonStat>()>& fabrique,
                                  const std::function<int(const std::string&)>& demande);
// The question alone, about the season deja: true when the user lets it go.
bool RemplacementAccepte(const TSaisonStat& deja, int equipes, const std::string& championnat,
                         const std::function<int(const std::string&)>& demande);

class Tf_Historique : public TFootForm
{
public:
    explicit Tf_Historique(TComponent* AOwner);

    void SetHistorique(TStats* stats, int index, const std::string& dossier);
    void AfficheSaisie();
    void AfficheRencontres();
    void AfficheTableau();
    void AfficheClassement();
    // The entry of a mode (0-3); the current mode shown again after the history
    // file changed under the window.
    void AfficheMode(int mode);

    TStat* Historique() const { return stat_; }
    int IndexHistorique() const { return index_; }
    int Mode() const { return mode_; }
    // The season the entry grid shows (nullptr none).
    TSaisonStat* SaisonAffichee() const { return saison_; }
    // What the entry grid shows, results and points system, goes into the
    // season it shows (an emptied pair is no result any more); nothing is
    // written to disk.
    void GardeSaisie();
    // Writes the history file with what the grid shows; false when it could
    // not be written (said, everything kept to be written again).
    bool Enregistre();
    // Before the window or its history file is left: with changes not yet
    // written, asks whether to write them. Oui writes them, Non drops them
    // (the file as last written shown again); false, the window to stay,
    // for Annuler or a file that could not be written.
    bool QuitteHistorique();
    // The history file changed under the window (a season replaced): the
    // mode is shown again, the grid not written back.
    void Rafraichit();

    void RemplitSaisons(TComboBox* liste, const TSaisonStat* choisie);
    // "Season 2025 (3 teams)", as the lists show a season.
    static std::string NomSaison(const TSaisonStat& s);
    void RemplitSaisie(int i);
    void RemplitTableau(int i);
    void RemplitClassement(int i);

    // The table of the mode shown: what printing and the HTML page give.
    TColorStringGrid* GrilleAffichee() const;
    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;

    TPanel* ts_Saisie;
    TPanel* ts_Match;
    TPanel* ts_Tableau;
    TPanel* ts_Classement;
    // entry
    TComboBox* cb_Saison3;
    TBoutonCopie* bc_Retirer;
    TBoutonCopie* bc_Ajouter;
    TComboBox* cb_Type;
    TBoutonCopie* bc_Enregistrer;
    TColorStringGrid* csg_Saisie;
    // head-to-head
    TLabel* Label2;
    TComboBox* cb_Domicile;
    TLabel* Label3;
    TComboBox* cb_Exterieur;
    TBoutonCopie* bc_Chercher;
    TRondCoche* rb_Annee;
    TEdit* e_Annee;
    TUpDown* ud_Annee;
    TLabel* Label7;
    TRondCoche* rb_Match;
    TEdit* e_Match;
    TUpDown* ud_Match;
    TLabel* Label6;
    TCarreCoche* cc_Retour;
    TColorStringGrid* sg_Resultat;
    TLabel* l_Vict;
    TLabel* l_Nul;
    TLabel* l_Def;
    // season table
    TLabel* Label1;
    TComboBox* cb_Saison;
    TColorStringGrid* sg_recap;
    // standings
    TLabel* Label4;
    TComboBox* cb_Saison2;
    TLabel* Label5;
    TRondCoche* rc_General;
    TRondCoche* rc_Domicile;
    TRondCoche* rc_exterieur;
    TRondCoche* rc_Attaque;
    TRondCoche* rc_Defense;
    TColorStringGrid* sg_Classement;
    TPopupMenu* pm_Historique;
    TMenuItem* mi_ChangeChamp;

    void bc_ChercherClick(TObject* Sender);
    void csg_SaisieKeyPress(TObject* Sender, char& Key);
    void csg_SaisieSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
    void bc_EnregistrerClick(TObject* Sender);
    void bc_AjouterClick(TObject* Sender);
    void bc_RetirerClick(TObject* Sender);
    void mi_ChangeChampClick(TObject* Sender);

private:
    void Page(TPanel* page);
    // The standings kinds after their heading, each with its whole caption,
    // on as many lines as the page's width asks; the table under them.
    void PlaceTypes();
    // Moves to the next cell to type (sens 1) or the previous one (-1).
    void Avance(int sens = 1);
    void DessineTitrePaire(int colonne, const TRect& rect);
    int AjouteRencontre(const TSaisonStat& s, int domicile, int exterieur, int premier, int (&compte)[3]);
    TStats* stats_ = nullptr;
    int index_ = -1;
    TStat* stat_ = nullptr;
    std::string dossier_;
    int mode_ = 0;
    TSaisonStat* saison_ = nullptr;
    int type_ = 1;
    int frappe_ = 0;   // 1 while a score is being typed in the current cell
    bool deplacement_ = false;
};
