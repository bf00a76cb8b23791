// The team sheet: one team of the current championship on nine pages without
// tabs (results path, statistics, goals by minute, players, attendance,
// line-ups, match situations, frequent scores, points per opponent). The main
// window creates the sport's class (Tf_StatEquipeFoot ...) through the sport
// switch, then:
//
//     f->DossierProgramme = ...;
//     f->ChoisitEquipe(position);
//     f->Statut = statusBar;          // its panel 2 describes the page
//     f->AffichePage(page);           // menu page number: 1..8, 12
//     f->PrepareChampionnat();        // hides what a cup has no use for, refreshes
//
// Pages are filled lazily per refresh group and kept until the team or the
// range frame changes. The sport classes supply the line-up table, the goal
// charts and the ranking kinds; the class operations (the line-up table, the
// playing time, the goal charts) live in the sport's class object so that the
// page functions reach them without a window.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/RJoueur.h"
#include "model/MultiSport.h"
#include "ui/BrivantelForm.h"

class TButton;
class TCarreCoche;
class TColorGridBase;
class TColorStringGrid;
class TEditeur;
class TFondCopie;
class TGraphBarre;
class TGraphLigne;
class TGraphe;
class THotLabel;
class TLabel;
class TListeTemps;
class TMenuItem;
class TOwnerPageControl;
class TPaintBox;
class TPanel;
class TParamClassement;
class TPngPicture;
class TPopupMenu;
class TRondCoche;
class TScrollBox;
class TSpeedButton;
class TStatusBar;
class TTabSheet;
class Tf_StatEquipe;

// The 27 five-minute slices of the goals page.
using TRepartition = std::array<int, 27>;
// The 26 situation texts (entries 12 to 15 empty).
using TTextesSituations = std::array<std::string, 26>;

// What the sport's team sheet does without a window: the class operations.
class TClasseStatEquipe : public TClasseFenetre
{
public:
    virtual Tf_StatEquipe* Cree(TComponent* owner) const = 0;
    // The line-up and playing-time table of the team at position `equipe`
    // over the championships and band (first 0: each one's whole played band).
    virtual void RemplitComposition(TSaison* saison, int equipe, TColorGridBase& g, int premiere, int derniere,
                                    const TListeChampionnats& liste, const TCouleurElement& couleurs) const = 0;
    // The playing-time list of the team's players; `controle` (may be null) is
    // hidden when the team has none and shown otherwise.
    virtual std::unique_ptr<TListeTemps> CalculeTempsJeu(TSaison* saison, int equipe,
                                                         const TListeChampionnats& liste, int derniere,
                                                         int premiere, TControl* controle) const;
    // Adds one matchday of one championship.
    virtual void AjouteTempsJournee(TListeTemps& liste, int journee, TDonneesChampionnat& c, int idEquipe) const;
    // The goal charts from the slices (bar colours 0: the scheme's).
    virtual void DessineRepartitionButs(TGraphBarre& a, TGraphBarre& b, const TRepartition& compteurs, int maxIndex,
                                        int periode, int prolongation, const TCouleurElement& couleurs, TColor ca,
                                        TColor cb) const = 0;
};

class Tf_StatEquipe : public TFootForm
{
public:
    Tf_StatEquipe(TComponent* AOwner, const TClasseStatEquipe& classe);
    ~Tf_StatEquipe() override;

    const TClasseStatEquipe& Classe() const { return classe_; }
    // The heading of a kind's section of the players page (HTML and print):
    // the caption of the radio that ranks it.
    std::string TitreSection(int type) const;

    // ---- entry points of the main window ----
    void ChoisitEquipe(int position);
    virtual void AffichePage(int page);
    void PrepareChampionnat();
    void ActualisePage();
    int Equipe() const { return equipe_; }
    int IdEquipe() const;
    int Page() const { return page_; }
    // The page index shown (0..8).
    int IndexPage() const;
    // Whether a refresh group is filled (0..6).
    bool Rempli(int groupe) const { return remplis_[static_cast<size_t>(groupe)]; }
    // Fills done per group since creation (for the lazy refresh).
    int Remplissages(int groupe) const { return compteRemplis_[static_cast<size_t>(groupe)]; }
    bool Neutre() const { return neutre_; }
    const TPngPicture* Logo() const { return blason_.get(); }
    // The team change of the pop-up (asks, then refreshes).
    void ChangeEquipe();

    std::string DossierProgramme;
    TStatusBar* Statut = nullptr;
    std::function<void(int commande, int param, bool changeChampionnat)> ExecuteCommande;

    // ---- the operations the sports override ----
    virtual void AfficheButsMarques();
    virtual void AfficheButsEncaisses();
    virtual void AfficheJoueurs();
    virtual void EnregistreJoueursHTML(const std::string& nomFichier);
    // The players page on the printer: scorers, assists, bookings and
    // sendings-off.
    virtual void ImprimeJoueurs();
    virtual void RemplitClassementJoueurs();
    // The width of the line-up grid.
    virtual int LargeurComposition() const { return 710; }
    // The ranking kind the radios choose, -1 when none.
    virtual int TypeClassement() const;

    // ---- class operations of the base ----
    // One championship's goals of the team into the slices (first 0: the
    // whole played band); a missed penalty is no goal.
    static void CompteButsMarques(TRepartition& r, bool raz, TDonneesChampionnat& c, int derniere, int premiere,
                                  int idEquipe);
    static void CompteButsEncaisses(TRepartition& r, bool raz, TDonneesChampionnat& c, int derniere, int premiere,
                                    int idEquipe);
    static void DessineRepartition(TGraphBarre& a, TGraphBarre& b, const TRepartition& r, int maxIndex, int periode,
                                   int prolongation, int groupe, const TCouleurElement& couleurs, TColor ca,
                                   TColor cb);
    // The situation texts of a team (place 1 all, 2 home, 3 away).
    static TTextesSituations StatistiquesSituations(TSaison* saison, int idEquipe, const TListeChampionnats& liste,
                                                    int premiere, int derniere, int lieu);
    // The points taken from each opponent into the grid (header row first).
    static void TablePointsPris(TSaison* saison, int idEquipe, const TListeChampionnats& liste, int premiere,
                                int derniere, TColorGridBase& g, const TCouleurElement& couleurs, int largeur2);
    // One team's player ranking of a kind (the team grid: position letter,
    // name, value; column 0 holds the player's id).
    static void AfficheClassementEquipe(TSaison* saison, int idEquipe, const TListeChampionnats* liste,
                                        const TCouleurElement& couleurs, TColorGridBase& g, int premiere,
                                        int derniere, int type);
    // The kind a "Type" of "ClassementJoueurEquipe" names (case ignored).
    static int TypeParNom(const std::string& nom);
    // The kind "TypeEvol" names: 0, 4, 8, 16, 20 a block, -1 "resume", -2 any other.
    static int TypeEvolution(const std::string& nom);

    // ---- window protocol ----
    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;
    void AppliqueCouleurs() override;
    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;
    // Whether the page shown prints / writes HTML.
    static bool PageImprimable(int page);
    static bool PageHTML(int page);

    // ---- components ----
    TLabel* Label14;
    TPaintBox* pb_Logo;
    TOwnerPageControl* tab4;
    TTabSheet* ts_Parcours;
    TTabSheet* ts_Classement;
    TTabSheet* ts_RepartitionBut;
    TTabSheet* ts_DetailJoueur;
    TTabSheet* ts_Spectateur;
    TTabSheet* ts_Composition;
    TTabSheet* ts_StatEquipe;
    TTabSheet* ts_ScoreFrequent;
    TTabSheet* ts_PointPris;
    TParamClassement* CadreParam;
    TPopupMenu* PopupMenu1;
    TMenuItem* Changerdequipe1;
    TPopupMenu* pm_VoirClassement;
    TMenuItem* mi_ClassementComplet;
    // results path
    TPanel* pdomicile;
    TPanel* pexterieur;
    TScrollBox* mdomicile;
    TScrollBox* mexterieur;
    TFondCopie* FondCopie4;
    TFondCopie* FondCopie5;
    TLabel* Label65;
    TLabel* Label67;
    TLabel* Label69;
    TLabel* Label71;
    TFondCopie* FondCopie12;
    TCarreCoche* CCVict;
    TCarreCoche* CCNul;
    TCarreCoche* CCDef;
    // statistics
    TPanel* Panel2;
    TPanel* Panel3;
    TFondCopie* FondCopie13;
    TFondCopie* FondCopie14;
    TFondCopie* FondCopie15;
    std::array<THotLabel*, 3> TitresBoites{};                 // Label84, Label83, Label33
    std::array<std::array<TLabel*, 6>, 3> ValeursBoites{};     // l11..l36
    std::array<std::array<TLabel*, 6>, 3> LibellesBoites{};
    std::array<std::array<TLabel*, 2>, 3> RangsBoites{};       // L78..L83
    TGraphLigne* Graph2;
    TGraphBarre* Graph3;
    TGraphBarre* Graph4;
    TFondCopie* FondCopie19;
    TEditeur* Editserie;
    // goals
    TGraphBarre* GraphBarre1;
    TGraphBarre* GraphBarre2;
    TButton* b_ChangeBut;
    // players
    TScrollBox* sb_InfoJoueur;
    TColorStringGrid* sg_Buteur;
    TFondCopie* FondCopie7;
    TRondCoche* rc_Buteur;
    TRondCoche* rc_Passeur;
    TRondCoche* rc_cj;
    TRondCoche* rc_cr;
    TRondCoche* rc_notes;
    // attendance
    TGraphLigne* GraphSpect;
    TFondCopie* fc_Affluence;
    TSpeedButton* SpeedButton14;
    TSpeedButton* SpeedButton15;
    TLabel* Label16;
    TLabel* Label54;
    TLabel* Label58;
    TLabel* Label63;
    TFondCopie* FondCopie21;
    TLabel* Label85;
    TLabel* Label87;
    TLabel* Label88;
    // line-ups
    TScrollBox* sb_Composition;
    TColorStringGrid* sg_Composition;
    // situations
    std::array<TLabel*, 26> Situations{};   // Label1..Label12, Label17..Label26 (12..15 none)
    TFondCopie* FondCopie22;
    TRondCoche* rc_General;
    TRondCoche* rc_Domicile;
    TRondCoche* rc_Exterieur;
    // frequent scores
    TColorStringGrid* sg_Stats;
    TFondCopie* FondCopie6;
    TRondCoche* rc_General2;
    TRondCoche* rc_Domicile2;
    TRondCoche* rc_Exterieur2;
    // points per opponent
    TScrollBox* ScrollBox1;
    TColorStringGrid* sg_PointPris;

    // ---- handlers ----
    void AfficheParcours();
    void AfficheClassements();
    void AfficheEvolution();
    void AfficheSituations();
    // The frequent scores of the venue radio over the band.
    void AfficheScoresFrequents();
    void b_ChangeButClick(TObject* Sender);
    void GrilleDblClick(TColorStringGrid* g);
    void LigneCliquee(TColorStringGrid* g, int x, int y);
    int ligneCliquee_ = -1;   // the row of the last press on the players' grids
    void GraphSpectMouseMove(int X, int Y);
    // The point markers of the home and away attendance curves, by the down
    // state of their buttons.
    void SymbolesAffluence();
    void sb_CompositionResize(TObject* Sender);
    // Results-path lines: the two columns' labels.
    const std::vector<TLabel*>& LignesDomicile() const { return lignesDom_; }
    const std::vector<TLabel*>& LignesExterieur() const { return lignesExt_; }
    // The goals page's slices as last counted.
    const TRepartition& Repartition() const { return repartition_; }
    // The playing-time list of the last line-up fill.
    void SauveRepartitionPNG(TGraphe& a, TGraphe& b, TColor fond) const;

protected:
    // Sport classes add their radios here (after the base's five), in order.
    TRondCoche* AjouteRadio(const char* nom, int x, int y, const std::string& texte);
    // The ranking kinds of the sport's radios, in test order.
    std::vector<std::pair<TRondCoche*, int>> TypesRadios;
    void MiseEnPage();
    // The players page as an HTML page: per kind, the caption of its radio as
    // the heading and the team's ranking of that kind.
    void EcritSectionsHTML(const std::string& nomFichier, const std::vector<int>& types);
    // The same sections on the printer, six to a page in two columns, each
    // its heading above the ranking.
    void ImprimeSections(const std::vector<int>& types);
    // The headings of the printouts and pages: the team, then what the main
    // window names, with the venue `choix` and the frame's range and
    // championships when they count.
    TEnTeteHTML EnTeteEquipe(const std::vector<std::string>& choix = {}) const;
    // The caption of the place radio checked (the general one when none is).
    static std::string LieuCoche(const TRondCoche* general, const TRondCoche* domicile, const TRondCoche* exterieur);
    // The situations page as an HTML page.
    void EnregistreSituationsHTML(const std::string& nomFichier);
    // The goals page's texts of the sports that count points or tries.
    void TextesButs(int statut, int bouton);

private:
    void CreeParcours();
    void CreeClassement();
    void CreeButs();
    void CreeJoueurs();
    void CreeAffluence();
    void CreeComposition();
    void CreeSituations();
    void CreeScores();
    void CreePoints();
    void ChargeBlason();
    void PeintLogo();
    void Invalide(bool sauf6);
    void StatutPage();
    void RemplitComposition();
    void AjouteResultat(TDonneesChampionnat& c, int journee, int match, int cote, std::vector<uint8_t>& points,
                        std::array<std::array<int, 6>, 4>& records, int& nDom, int& nExt);
    // From haut on the page (below its titles).
    void ImprimeParcours(int haut);
    void ImprimeStatistiques(int haut);
    void EnregistreParcoursHTML(const std::string& nomFichier);
    void EcritImagePage(const std::string& nomFichier, const std::string& image);

    const TClasseStatEquipe& classe_;
    int equipe_ = 0;
    int page_ = -1;
    std::array<bool, 7> remplis_{};
    std::array<int, 7> compteRemplis_{};
    bool neutre_ = false;
    std::unique_ptr<TPngPicture> blason_;
    std::vector<TLabel*> lignesDom_, lignesExt_;
    TRepartition repartition_{};
    int typePopup_ = -1;
};

// The four sport classes with the switch, and the page functions.
void EnregistreStatEquipe();
void EnregistreFonctionsStatEquipe();
