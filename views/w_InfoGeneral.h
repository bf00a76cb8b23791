// Championship information: the current championship in figures (matches,
// results, goals, cards, attendance, home and away shares, scorers by
// position), the goals over the minutes of a match, the best attendances, and
// goals, cards and crowds matchday by matchday. Four pages; one window class
// per sport (w_InfoGeneralSports.cpp), opened through the sport switch.
//
// What a sport counts lives in its class object (TClasseInfoGeneral): the
// page-template tags use it without a window, on charts and grids made for the
// call. The window only shows what it computes and changes nothing in the
// model.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/MultiSport.h"
#include "ui/BrivantelForm.h"

class TColorGridBase;
class TColorStringGrid;
class TDonneesChampionnat;
class TFondCopie;
class TGraphBarre;
class TGraphLigne;
class TGraphe;
class TLabel;
class TOwnerPageControl;
class TTabSheet;
class Tf_InfoGeneral;

// Scoring records by minute: counter k holds minutes 5k..5k+4 (the last one
// 100..104).
using TCompteursMinutes = std::array<int, 21>;
// Scorers (or points) by position: counter k is position k + 1; football's
// fifth counter holds own goals and goals of the sending-off kind.
using TPostes = std::array<int, 6>;

// One matchday's attendance among the best ones.
struct TAffluenceMatch
{
    int64_t Affluence = 0;
    int Journee = 0;   // from 1
    int Match = 0;     // from 1
};

// The figures of a range of matchdays of a championship, per matchday index
// d - 1 for the series (every matchday of the championship has an entry).
struct TChiffresInfo
{
    int Joues = 0;          // P
    int Nuls = 0;           // D
    int VictoiresDom = 0;   // H
    int64_t Affluence = 0;
    int AffluencesConnues = 0;   // the played matches whose attendance is known
    int64_t Domicile = 0;   // goals (points) of the home sides
    int64_t Jaunes = 0;
    int64_t Rouges = 0;
    std::vector<int> Serie1, Serie2, Serie3;
    std::vector<int64_t> AffluenceJournee;
    std::vector<int> JouesJournee;   // the matches played on each matchday
    TCompteursMinutes Minutes{};
    TPostes Postes{};
    int64_t Total = 0;   // T
    // The most and the fewest of a matchday with a match played (matchday 0:
    // none).
    int Maximum = 0, JourneeMaximum = 0;
    int Minimum = 0, JourneeMinimum = 0;
    // Basketball: the maxima and minima above are of the average points per
    // match in tenths; these of the rebounds, with the totals of the shooting
    // codes 7 to 12.
    int64_t Rebonds = 0;
    int MaximumRebonds = 0, JourneeMaximumRebonds = 0;
    int MinimumRebonds = 0, JourneeMinimumRebonds = 0;
    std::array<int64_t, 6> Tirs{};
};

// What a sport counts, callable without a window: one instance per sport,
// registered in the sport switch. `Cree` makes the sport's window.
class TClasseInfoGeneral : public TClasseFenetre
{
public:
    virtual Tf_InfoGeneral* Cree(TComponent* AOwner) const = 0;

    // Adds matchday d's goals to serie1[d - 1] and the home side's to domicile.
    virtual void ButsJournee(std::vector<int>& serie1, int64_t& domicile, int d, TDonneesChampionnat& c) const;
    // 1: mouse-over format of a goals bar (matchday, CR, value); 2: axis
    // caption of the distribution charts.
    virtual int IdTexteJournee(int genre) const = 0;
    // The HTML tables of the figures of matchday `journee` (0: 1 to the last
    // played): colours title background, title font, caption cell, value cell,
    // row font.
    virtual void TableStatHTML(TSaison* saison, int journee, const std::vector<std::string>& couleurs,
                               std::string& resultat) const;
    // Fills the two distribution charts from the minute counters; `legende`
    // gives the axis caption (this class when null); a bar colour of 0 takes
    // the scheme's first bar colours.
    virtual void AfficheGraphesRepartition(const TCompteursMinutes& minutes, TGraphBarre& g15, TGraphBarre& g5,
                                           const TCouleurElement& couleurs, const TClasseInfoGeneral* legende,
                                           TColor couleur15, TColor couleur5) const;
    // Bookings of matchday d: red cards into serie3, yellow into serie2, and
    // both onto the totals.
    virtual void CartonsJournee(std::vector<int>& serie2, std::vector<int>& serie3, int64_t& jaunes,
                                int64_t& rouges, int d, TDonneesChampionnat& c) const;
    // Scoring records of matchday d into the minute counters and positions.
    virtual void RepartitionButeurs(TSaison* saison, int d, TCompteursMinutes& minutes, TPostes& postes) const;
    // The window's figures of the current championship (no series: only the
    // minutes and positions are counted).
    virtual TChiffresInfo Compte(TSaison* saison, int journee, bool sansSeries) const;

    // The page-template tags of the class (see the registration).
    void ExecuteTag(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                    const TCouleurElement& couleurs, TSaison* saison) const;
    // The goals (tries), cards and attendance charts of the season, each when
    // given; pair A colours odd matchdays, pair B even ones.
    void GraphesHTML(TSaison* saison, TGraphBarre* buts, TGraphLigne* cartons, TGraphBarre* affluence,
                     std::pair<TColor, TColor> a, std::pair<TColor, TColor> b, bool essais) const;

    // ---- shared by every sport ----
    // Scoring records outside the score aside, by minute, of matchday j (0:
    // 1 to the last played).
    static TCompteursMinutes RepartitionMinutes(TSaison* saison, int journee);
    // The best attendances (at most 20, never one of 0), best first.
    static std::vector<TAffluenceMatch> MeilleuresAffluences(TDonneesChampionnat& c);
    // Fills the grid (rows from 0); the height the rows take.
    static int RemplitAffluences(TColorGridBase& g, TSaison* saison, const TCouleurElement& couleurs,
                                 int maxLignes);
    static int ArrondiGraduation(int n);
    // Both charts one above the other into "repart.png" of the Temp folder
    // (the file written).
    static std::string SauveImageRepartition(TGraphe& g1, TGraphe& g2, TColor fond);
    static void LigneHTML(const std::string& valeur, int idTexte, const std::vector<std::string>& couleurs,
                          const std::string& fonte, std::string& ligne);
    static void LigneVideHTML(std::string& ligne);
    // "championship: division" from the sport's templates, else the name of
    // the championship in the season's tree.
    static std::string Titre(TSaison* saison, const TDonneesChampionnat& c);
};

// The sport's class object (nullptr for another sport or before registration).
const TClasseInfoGeneral* ClasseInfoGeneral(const TSaison* saison);
// Registers the four sports' classes in the sport switch and the page-template
// tags (once).
void EnregistreInfoGeneral();

class Tf_InfoGeneral : public TFootForm
{
public:
    Tf_InfoGeneral(TComponent* AOwner, const TClasseInfoGeneral& classe);
    ~Tf_InfoGeneral() override;

    const TClasseInfoGeneral& Classe() const { return classe_; }

    void Calcule(int page);
    void AffichePage(int page);
    void AfficheRepartition(int journee);
    // Mode 1: everything with the series kept for the mouse-over texts; 2: the
    // labels and evolution charts only.
    virtual void CalculeChiffres(int mode, TCompteursMinutes& minutes, bool sansSeries, int journee);
    int PageActive() const;

    bool ChiffresJournee = false;
    bool RepartitionJournee = false;
    int IdTexteCartons = 343;
    // The counts of that text, each with its word: the first series (plural,
    // singular), then the second.
    int IdTextesComptesCartons[4] = {5974, 5975, 5976, 5977};
    // The series kept by the last full computation.
    const std::vector<int>& Serie(int i) const;
    const std::vector<int64_t>& SerieAffluence() const { return affluence_; }

    void AppliqueCouleurs() override;
    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;
    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;
    // The text of the first page as a page of its own.
    std::string EcritPageInfo() const;

    // A label by its component name (nullptr when the form has none).
    TLabel* L(const std::string& nom) const;

    TOwnerPageControl* tab9 = nullptr;
    TTabSheet* ts_Info = nullptr;
    TTabSheet* ts_Repartition = nullptr;
    TTabSheet* ts_Affluence = nullptr;
    TTabSheet* ts_Evolution = nullptr;
    TFondCopie* FondCopie27 = nullptr;
    TFondCopie* FondCopie23 = nullptr;
    TFondCopie* FondCopie24 = nullptr;
    TFondCopie* FondCopie25 = nullptr;
    TFondCopie* FondCopie26 = nullptr;
    TGraphBarre* GraphBarre3 = nullptr;
    TGraphBarre* GraphBarre4 = nullptr;
    TGraphBarre* GraphBarre5 = nullptr;
    TFondCopie* fc_Affluence = nullptr;
    TColorStringGrid* sg_Affluence = nullptr;
    TFondCopie* gp_But = nullptr;
    TFondCopie* gp_Carton = nullptr;
    TFondCopie* gp_Affluence = nullptr;
    TGraphBarre* gb_But = nullptr;
    TGraphLigne* gl_Carton = nullptr;
    TGraphBarre* gb_Affluence = nullptr;
    TGraphBarre* gb_Rebond = nullptr;

    void FormShow();
    void FormResize();
    // A figure row of a panel: its caption and its value label.
    void LigneChiffre(TWinControl* parent, const std::string& legende, const std::string& valeur, int y, int texte,
                      TColor couleur = clWhite);
    void tab9Change();
    void ts_RepartitionResize();
    void fc_AffluenceResize();
    void GraphBarre3MouseDown(TGraphBarre* g, TMouseButton bouton, int X, int Y);
    void GraphBarre3MouseMove(TGraphBarre* g, int X, int Y);
    void gl_CartonMouseMove(int X, int Y);

protected:
    TLabel* Etiquette(TWinControl* parent, const std::string& nom, int x, int y, int texte, TColor couleur = clWhite);
    // Captions of the figure labels from the language file.
    void Legende(const std::string& nom, int texte);
    // Shows the figures of a computation on the labels and charts.
    void AfficheChiffres(int mode, const TChiffresInfo& f, int journee);
    void Garde(const TChiffresInfo& f);
    std::vector<TGraphe*> Graphes() const;
    std::map<std::string, TLabel*> labels_;

private:
    void Evolution(const TChiffresInfo& f, bool barre3);
    // The page's own heading line: the title its label shows, or the
    // matchday of a distribution narrowed to one matchday.
    std::string TitrePage() const;
    int journeeRepartition_ = 0;
    const TClasseInfoGeneral& classe_;
    std::vector<int> series_[3];
    std::vector<int64_t> affluence_;
};
