// Team information: one table per team of the current championship (the best
// player in a statistic, the best home crowd, the players used, substitutions
// per match, runs of minutes without scoring or conceding). View modes 0-16;
// twelve page functions serve the same tables.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "engine/RJoueur.h"
#include "ui/BrivantelForm.h"

class TColorGridBase;
class TColorStringGrid;
class TFondCopie;
class TJoueur;
class TParamClassement;
class TRondCoche;
class TScrollBox;

// Runs of minutes per team index: words by base (0 without scoring, 2 without
// conceding; +8 home, +16 away): +0 current run, +1 current run closed, +4 best
// (counted while walking), +5 longest closed run; then the matches counted,
// all, at home and away (from MatchsSeries). Full-width counters.
inline constexpr size_t MatchsSeries = 24;
using TSeriesMinutes = std::vector<std::array<int, MatchsSeries + 3>>;

class Tf_InfoEquipes : public TFootForm
{
public:
    explicit Tf_InfoEquipes(TComponent* AOwner);
    ~Tf_InfoEquipes() override;

    void InitParam(int mode, int idChampionnat);
    void AfficheVue(int mode);
    int Mode() const { return mode_; }
    // The series table computations made so far (the option buttons redraw
    // from the kept table).
    int CalculsSeries() const { return calculsSeries_; }

    static int ValeurJoueur(const TJoueur& j, uint32_t championnat, int type);
    static void AfficheMeilleursJoueurs(TColorGridBase& g, TSaison* saison, uint32_t championnat, int type,
                                        const TCouleurElement& couleurs);
    static void AfficheAffluences(TColorGridBase& g, TSaison* saison, const TCouleurElement& couleurs);
    static void AfficheJoueursUtilises(TColorGridBase& g, TSaison* saison, int premiere, int derniere,
                                       const TListeChampionnats& liste, const TCouleurElement& couleurs);
    static void AfficheRemplacements(TColorGridBase& g, TSaison* saison, int premiere, int derniere,
                                     const TListeChampionnats& liste, const TCouleurElement& couleurs);
    static TSeriesMinutes CalculeSeries(TSaison* saison);
    static void AfficheSeries(TColorGridBase& g, TSaison* saison, const TCouleurElement& couleurs, int base,
                              const TSeriesMinutes& table, bool sansMarquer);

    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;
    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;

    std::function<void(int commande, int param, bool changeChampionnat)> ExecuteCommande;

    TScrollBox* ScrollBox1;
    TColorStringGrid* sg_Buteur;
    TColorStringGrid* sg_Affluence;
    TFondCopie* fc_Param;
    TRondCoche* rc_General;
    TRondCoche* rc_Domicile;
    TRondCoche* rc_Exterieur;
    TRondCoche* rc_SerieCours;
    TRondCoche* rc_MeilleureSerie;
    TParamClassement* cadrechamp;

    void rc_SerieCoursClick(TObject* Sender);
    void ScrollBox1Resize(TObject* Sender);
    void Clic(int col, int row);

private:
    int BaseSeries() const;
    // The page's heading: the view, named with the choices its figures count.
    TEnTeteHTML EnTeteVue() const;
    int mode_ = 0;
    int idChampionnat_ = 0;
    std::unique_ptr<TSeriesMinutes> series_;
    int calculsSeries_ = 0;
};

void EnregistreFonctionsInfoEquipes();
