// Views around the results: the points added to or removed from teams by
// decision (Tf_Penalite), the cross-table (Tf_recap, template function
// "Recapitulatif"), the calendar of every matchday (Tf_calendrier) and live
// scoring of the current matchday (Tf_Minute).
#pragma once

#include <string>
#include <vector>

#include "model/InfoComp.h"
#include "ui/BrivantelForm.h"
#include "views/LiensResultats.h"

class TBoutonCopie;
class TCadre;
class TColorGridBase;
class TGridModel;
class TColorStringGrid;
class TComboBox;
class TEdit;
class TEditRond;
class TFondCopie;
class TLabel;
class TListe;
class TMenuItem;
class TPopupMenu;
class TScrollBox;
class TUpDown;
struct TChangementCoupe;

// ---- points penalties -------------------------------------------------------------------
class Tf_Penalite : public TFootForm
{
public:
    explicit Tf_Penalite(TComponent* AOwner);
    void Affiche();
    void RemplitPoints();
    void b_AjouterClick(TObject* Sender);
    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;
    TScrollBox* sb_Tableau;
    TColorStringGrid* sg_Penalite;
    TFondCopie* FondCopie1;
    TComboBox* cb_Equipe;
    TEdit* e_Point;
    TUpDown* ud_Point;
    TLabel* Label1;
    TBoutonCopie* b_Ajouter;
};

// ---- cross-table --------------------------------------------------------------------------
// Fills a grid (its geometry and its cells: the same object) with the
// cross-table of championship c in the colours of the record.
void RemplitRecap(TGridModel& grille, TColorGridBase& cellules, TSaison& saison, const TDonneesChampionnat& c,
                  const TCouleurElement& couleurs);

class Tf_recap : public TFootForm
{
public:
    explicit Tf_recap(TComponent* AOwner);
    void Affiche();
    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;
    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;
    TScrollBox* sb_Fond;
    TColorStringGrid* sg_recap;
};

// ---- calendar ----------------------------------------------------------------------------------
class Tf_calendrier : public TFootForm
{
public:
    explicit Tf_calendrier(TComponent* AOwner);
    void Affiche();
    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;
    void CliqueCellule(TObject* Sender, int col, int row);
    TExecuteCommande ExecuteCommande;
    TScrollBox* ScrollBox1;
    std::vector<TColorStringGrid*> Grilles;

private:
    void Place();
    int Marge() const;
    int largeurGrille_ = 273;   // every grid's width; two a line
};

// ---- live scoring ---------------------------------------------------------------------------------
class Tf_Minute : public TFootForm
{
public:
    explicit Tf_Minute(TComponent* AOwner);
    // One entry per match of the current matchday with two teams, and the table.
    void Remplit();
    void Listbox1Click(TObject* Sender);
    // Side 0 or 1 changed by +1 or -1.
    void ChangeScore(int cote, int pas);
    void mi_RetirerMatchClick(TObject* Sender);
    void CalculeClassement();
    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;
    int MatchSelectionne() const { return match_; }
    TFondCopie* FondCopie17;
    TListe* Listbox1;
    TCadre* Cadre9;
    TCadre* Cadre10;
    TEditRond* EditRond1;
    TEditRond* EditRond2;
    TBoutonCopie* Bp1;
    TBoutonCopie* Bm1;
    TBoutonCopie* bp2;
    TBoutonCopie* bm2;
    TLabel* Label81;
    // Under the scores: the chosen match's shoot-out, or the word that a
    // change took it away (and which score gives it back), or that a level
    // tie still waits for one.
    TLabel* l_TirsAuBut;
    TScrollBox* ScrollBox1;
    TColorStringGrid* sg_Classement;
    TPopupMenu* PopupMenu8;
    TMenuItem* mi_RetirerMatch;

private:
    void RecodeEntrees();
    // The match chosen (match_), or none: its teams and scores shown, "+"
    // and "-" given to it alone.
    void MontreChoix();
    // The change written through the championship's one road; false when
    // refused (said beside the box) or not agreed.
    bool Change(const TChangementCoupe& x, TControl* boite);
    void MontreTirs();
    // The word of a shoot-out taken away: which score gives it back.
    static std::string TexteTirsOtes(const TInfoComp::TTirsOtes& t);
    int match_ = -1;
};
