// The miscellaneous statistics of the current championship, one page at a
// time: team form, home behaviour, who held a place, a statistic per team and
// matchday, the results, players and attendance of a matchday, frequent scores,
// matches still to play, best and worst places, the matches of a date. The
// tables are built by class operations on any colour grid, so the page
// functions build them without a window.
//
//     auto* f = new Tf_DiversStat(owner);  ... IntegreFiche(f, panneau);
//     f->ExecuteCommande = ...;             // team sheet, match sheet, match card
//     f->AfficheFormeEquipe();
//     f->AfficheJournee(&journeeMemorisee); // the matchday pages keep the reference
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/BrivantelForm.h"

class TCarreCoche;
class TColorGridBase;
class TColorStringGrid;
class TDonneesChampionnat;
class TEditeur;
class TJoueur;
class TEdit;
class TFondCopie;
class TLabel;
class TMenuItem;
class TMonthCalendar;
class TPanel;
class TPopupMenu;
class TScrollBox;
class TUpDown;

class Tf_DiversStat : public TFootForm
{
public:
    explicit Tf_DiversStat(TComponent* AOwner);
    ~Tf_DiversStat() override;

    // ---- page entries ----
    void AfficheJoueursIncomplets();              // page 0
    void AfficheFormeEquipe();                    // page 1
    void AfficheComportementDomicile();           // page 2
    void AffichePlaceOccupee();                   // page 3
    void AfficheStatParJournee(int type);         // page 4
    void AfficheJournee(int* journee);            // page 5
    void AfficheScoresFrequents();                // page 6
    void AfficheJoueursJournee(int* journee, int type);   // page 7
    // The best player of each team (kinds 1-4 and their statistic codes).
    void AfficheButeursJournee(int* journee, int type, int code);   // page 7
    void AfficheSpectateursJournee(int* journee); // page 8
    void AfficheDetailJournee(int* journee);      // page 10
    void AfficheMatchsNonJoues();                 // page 11
    void AfficheFourchetteClassement();           // page 12
    void AfficheParDate();                        // page 13
    int Page() const;

    // A matchday asked of the user (by date in a championship run by dates);
    // -1 when cancelled or when no matchday has that date.
    static int ChoixJournee(TSaison* saison, const TCouleurElement& couleurs);

    // ---- tables (the current championship of the season) ----
    static void RemplitFormeEquipe(TSaison* saison, TColorGridBase& g, const TCouleurElement& couleurs);
    static void RemplitComportementDomicile(TSaison* saison, TColorGridBase& g, const TCouleurElement& couleurs);
    // Kinds: 1 sendings-off, 2 scores, 3 scoring records, 4 and 5 the sport's
    // event lists 5 and 7.
    static void RemplitStatParJournee(int type, TSaison* saison, const TCouleurElement& couleurs, bool html,
                                      TColorGridBase& g);
    static void RemplitJournee(int journee, TSaison* saison, const TCouleurElement& couleurs, TColorGridBase& g);
    // lieu: 0 home, 1 away, 2 all; equipe -1 all.
    static void RemplitScoresFrequentsListe(TSaison* saison, TColorGridBase& g,
                                            const std::vector<TDonneesChampionnat*>& liste, int premiere,
                                            int derniere, const TCouleurElement& couleurs, int equipe, int lieu);
    static void RemplitScoresFrequents(TSaison* saison, TColorGridBase& g, int lieu, int equipe,
                                       const TCouleurElement& couleurs);
    // Kinds 1 scorers, 2 booked, 3 sent off, 4 assists, 5 tries, 6 conversions,
    // 7 penalties, 8 drop goals.
    static void RemplitJoueursJournee(int journee, int type, const TCouleurElement& couleurs, TColorGridBase& g,
                                      TSaison* saison);
    static void RemplitSpectateursJournee(int journee, TSaison* saison, std::string& resume,
                                          const TCouleurElement& couleurs, TColorGridBase& g);
    static void RemplitJoueursIncomplets(TSaison* saison, TColorGridBase& g, const TCouleurElement& couleurs);
    static void LigneJoueurIncomplet(TSaison* saison, TColorGridBase& g, int row, const TJoueur& j,
                                     const TCouleurElement& couleurs);
    static void RemplitMeilleursJournee(int journee, int type, const TCouleurElement& couleurs, int code,
                                        TColorGridBase& g, TSaison* saison);
    // Palette: match, information and events, bookings, sendings-off, line-ups.
    static void EcritDetailJournee(int journee, TSaison* saison, bool html, const TColor (&palette)[5], TEditeur& e);
    static void RemplitFourchetteClassement(TSaison* saison, TColorGridBase& g, const TCouleurElement& couleurs);
    static void RemplitMatchsNonJoues(TSaison* saison, TColorGridBase& g, const TCouleurElement& couleurs);
    // Place n after each played matchday.
    static void RemplitPlaceOccupee(int n, TSaison* saison, TColorGridBase& g, const TCouleurElement& couleurs);
    // Matches of the date d (packed) over the current championship or all.
    static void RemplitParDate(uint32_t d, bool tous, TSaison* saison, TColorGridBase& g,
                               const TCouleurElement& couleurs);

    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;
    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;
    void AppliqueCouleurs() override;

    // Set by the main window: runs a command (team sheet, match sheet...).
    std::function<void(int commande, int param, bool changeChampionnat)> ExecuteCommande;

    TScrollBox* sb_Fond;
    TColorStringGrid* sg_Stats = nullptr;
    TEditeur* e_Detail = nullptr;
    TLabel* Label142;
    TEdit* Edit4;
    TUpDown* UpDown3;
    TLabel* Label1;
    TPanel* Panel1;
    TLabel* Labels[7];   // Label2 .. Label8: the legend
    TFondCopie* fc_Calendrier;
    TCarreCoche* cc_ToutChampionnat;
    TMonthCalendar* bc_Calendrier;
    TPopupMenu* pm_ChangeJour;
    TMenuItem* mi_ChangeJour;

    void FondScroll3resize(TObject* Sender);
    void Edit4Change(TObject* Sender);
    void bc_CalendrierDateChange(TObject* Sender);
    void mi_ChangeJourClick(TObject* Sender);
    void sg_StatsClick(int col, int row);
    void sg_StatsDblClick(TObject* Sender);

private:
    void PreparePage(bool label1, bool grille, bool place, bool calendrier, int page, bool legende,
                     bool detail = false);
    void SansTri();
    // The page's title for its HTML page: the name its command has, and the
    // matchday of a matchday page (-1: none).
    void Titre(int texte, int journee = -1);
    TEnTeteHTML EnTetePage() const;
    // The summary line shown under the table ("" when none is shown).
    std::string Resume() const;
    int* journee_ = nullptr;
    int codePage_ = 0;
    int place_ = 1;
    std::string titre_;
    int journeeTitre_ = -1;
};

// Registers the page functions of Tf_DiversStat (once).
void EnregistreFonctionsDiversStat();
