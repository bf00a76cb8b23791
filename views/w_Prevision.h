// The forecast of a matchday of the current championship: per match the
// shares of a home win, a draw and an away win from the teams' form, their
// results at the same venue and their past meetings in the history file. The
// six factors are kept in [General] Prevision1..6 of the settings file; the
// championship's current matchday is put back when the window goes. It serves
// the page function "Prevision".
#pragma once

#include <string>

#include "ui/BrivantelForm.h"
#include "views/LiensResultats.h"

class TBoutonCopie;
class TColorGridBase;
class TColorStringGrid;
class TComboBox;
class TEdit;
class TLabel;
class TStat;
class TTrackBar;
class TUpDown;

class Tf_Prevision : public TFootForm
{
public:
    explicit Tf_Prevision(TComponent* AOwner);
    ~Tf_Prevision() override;

    void AfficheJournee(TStat* historique, const std::string& cheminIni);

    struct TFacteurs
    {
        int Saisons = 10;       // years of history: the seasons of the years before this one
        int NbLieu = 5;         // last matches at the venue
        int NbForme = 5;        // last matches for the form
        int PoidsLieu = 40;
        int PoidsForme = 40;
        int PoidsHistoire = 20;
    };
    // The forecast table of matchday journee; liste receives the matches.
    static void CalculePrevision(TSaison* saison, TColorGridBase& g, const TCouleurElement& couleurs, int journee,
                                 const TFacteurs& f, TStat* historique, TComboBox* liste);
    // Home, draw and away shares (0..100) of two scores; false when the
    // weights sum to 0 (no share can be told). Without draws (nul false) the
    // draw share is 0 and the two sides share 100 by their scores.
    static bool Pourcentages(double domicile, double exterieur, double (&p)[3], bool nul = true);
    static double PerformanceLieu(int idEquipe, int n, TSaison* saison, int cote);   // 0..2
    static double FormeEquipe(int idEquipe, int n, TSaison* saison);                 // 0..6
    static void PrepareGrille(TColorGridBase& g, const TCouleurElement& couleurs);
    TFacteurs Facteurs() const;

    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;
    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;

    TExecuteCommande ExecuteCommande;

    TColorStringGrid* sg_Classement;
    TComboBox* cb_Matchs;
    TBoutonCopie* bc_Voir;
    TBoutonCopie* bc_Visualiser;
    TTrackBar* TrackBar1;
    TLabel* Label7;
    TUpDown* ud_PourcForme;
    TUpDown* ud_nMatchForme;
    TUpDown* ud_PourcPerf;
    TUpDown* ud_nbrenc;
    TUpDown* ud_PourcHist;
    TUpDown* ud_nRenc;

    void bc_VisualiserClick(TObject* Sender);
    void bc_VoirClick(TObject* Sender);
    void TrackBar1Change(TObject* Sender);

private:
    void Ecrit();
    // The table computed with the factors the boxes hold, which are kept.
    void Recalcule();
    // The page's heading: the forecast named with its matchday, and each
    // factor of the figures shown whose weight or count is not the default,
    // as its row reads.
    TEnTeteHTML EnTeteVue() const;
    TStat* historique_ = nullptr;
    std::string cheminIni_;
    // The matchday forecast: the view's own, the championship's current
    // matchday left as it is (a save while the view is shown writes that one).
    int journee_ = 1;
    // the factors the table shown was computed with
    TFacteurs calcules_;
    TBrivantelForm* fiche_ = nullptr;
};

void EnregistreFonctionsPrevision();
