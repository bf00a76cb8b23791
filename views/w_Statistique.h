// The statistics window: eight small tables side by side. View 0 ranks the
// teams in five statistics (the first four and the last four of each); views
// 1 and 2 list the four teams on the longest current runs, or with the longest
// runs of the range, for eight kinds of run. All matches, home or away; a
// right click on a table shows its complete ranking in a pop-up. It serves the
// page-template functions "Particularite" and "Serie".
//
//     auto* f = new Tf_Statistique(owner);  ... IntegreFiche(f, panneau);
//     f->AfficheVue(1);                       // current series
#pragma once

#include <vector>

#include "ui/BrivantelForm.h"
#include "views/Series.h"

class TColorGridBase;
class TColorStringGrid;
class TDonneesChampionnat;
class TFondCopie;
class TMenuItem;
class TParamClassement;
class TPopupMenu;
class TRondCoche;
class TScrollBox;

// The tables the statistics fill: slots 1..9 (slot 8 stays empty, as the
// window's table list has it), their visibility and their layout tags (bit 0:
// row in bits 4-5; bit 1: column in bits 6-7).
struct TTablesStatistique
{
    TColorGridBase* Table[10] = {};
    bool Visible[10] = {};
    int Tag[10] = {};
};

class Tf_Statistique : public TFootForm
{
public:
    explicit Tf_Statistique(TComponent* AOwner);
    ~Tf_Statistique() override;

    // 0 particularities, 1 current series, 2 longest series.
    void AfficheVue(int vue);
    int Vue() const { return vue_; }
    // 3 all matches, 1 home, 2 away: from the venue choices.
    int Lieu() const;
    void Rafraichit();

    void Imprime() override {}
    void EnregistreHTML(const std::string& nomFichier) override;
    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;

    // The runs of every team of the current championship (by position), from
    // matchday derniere back to premiere.
    static std::vector<TSerieEquipe> CalculeSeries(TSaison* saison, int derniere, int premiere);
    // Fill the tables (kind 9) or, for a single kind, the one table cible with
    // the complete ranking. Particularities: kinds 1..5 a left table, 6..8 the
    // right table of particularity kind - 5. Series: mode 1 current, 2 longest.
    static void AfficheParticularites(TSaison* saison, int lieu, TTablesStatistique& tables, int type,
                                      int premiere, int derniere, const std::vector<TDonneesChampionnat*>& liste,
                                      const TCouleurElement& couleurs, TColorGridBase* cible = nullptr);
    static void AfficheSeries(TSaison* saison, int lieu, TTablesStatistique& tables, int mode, int type,
                              int premiere, int derniere, const TCouleurElement& couleurs,
                              TColorGridBase* cible = nullptr);
    // The value of a team's run of a kind (1..8) at a venue (0 all, 1 home,
    // 2 away): mode 1 current, 2 longest; en cours: the longest is still going.
    static int ValeurSerie(const TSerieEquipe& s, int mode, int type, int v, bool& enCours);

    TFondCopie* FondCopie22;
    TRondCoche* RondCoche1;
    TRondCoche* RondCoche2;
    TRondCoche* RondCoche3;
    TScrollBox* sb_tableau;
    TColorStringGrid* sg_Part[9];   // sg_Part1 .. sg_Part8 at 1..8
    TParamClassement* CadreParam;
    TPopupMenu* PopupParticule;
    TMenuItem* Classementcomplet1;

    void part1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Classementcomplet1Click(TObject* Sender);
    void sb_tableauResize(TObject* Sender);
    void FormShow(TObject* Sender);
    // The complete ranking of a table's kind + 10 x view (the popup's tag) in
    // the pop-up; the pop-up's table is handed to inspecte before it is shown.
    void ClassementComplet(int tag);
    std::function<void(TColorStringGrid& table)> InspecteAgrandissement;

private:
    TTablesStatistique Tables();
    void AppliqueTables(const TTablesStatistique& t);
    int vue_ = 0;
};

// Registers "Particularite" and "Serie" for Tf_Statistique (once).
void EnregistreFonctionsStatistique();
