// The standings window: one table of the current championship in the main
// window's central panel, narrowed by group (tabs), by a range of matchdays,
// by whose data it uses, or to home or away matches; the discipline table
// with the points of a yellow and of a red card (kept in the settings file);
// the English average with its scale. It also answers the page-template
// functions "ClassementEquipe" and "AgeEquipe".
//
// The main window opens it for a standings mode (the table kind):
//
//     auto* f = new Tf_Classement(owner);
//     f->ChangeCouleurs(Couleurs);
//     f->ChangeSaison(saison);
//     f->Statut = Statut;                 // its panel 2 shows the table's title
//     f->ExecuteCommande = [](int commande, int param, bool champChange) {...};
//     IntegreFiche(f, p_FondAffiche);
//     f->AfficheClassement(mode - 1, IniFileName());
//
// or, in one call, OuvreClassement below. A second mode on the same window
// calls AfficheClassement again.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/BrivantelForm.h"

class TColorStringGrid;
class TDonneesChampionnat;
class TEdit;
class TFondCopie;
class TLabel;
class TMenuItem;
class TParamClassement;
class TPopupMenu;
class TScrollBox;
class TStatusBar;
class TStringList;
class TTabControl;
class TUpDown;

class Tf_Classement : public TFootForm
{
public:
    explicit Tf_Classement(TComponent* AOwner);
    ~Tf_Classement() override;

    // code: the standings kind minus 1; ini: the settings file.
    void AfficheClassement(int code, const std::string& ini);
    void ChangeSaison(TSaison* saison) override;
    // The table's tab and scroll box, under the form itself, take the
    // design's dark background too.
    void AppliqueCouleurs() override;
    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;

    // Page-template functions: "ClassementEquipe" and "AgeEquipe" here, the
    // others handed to TFootForm. Answers the HTML in Resultat; couleurs: the
    // scheme the tables are computed with.
    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;
    // The standings table of a kind as an HTML table (Parametres give the colours).
    std::string TableClassementHTML(int type, TDonneesChampionnat* championnat, TSaison* saison,
                                    const std::string& groupe, int pointJaune, int pointRouge,
                                    const TStringList& Parametres, const TCouleurElement& couleurs);
    // The kind a "Type" of "ClassementEquipe" names (any letter case); 1 for others.
    static int TypeParNom(const std::string& nom);

    // Set by the main window.
    TStatusBar* Statut = nullptr;   // its panel 2 takes the table's title
    std::function<void(int commande, int param, bool changeChampionnat)> ExecuteCommande;

    int CodeType() const { return codeType_; }
    int TypeEffectif() const { return typeEffectif_; }
    const std::string& CheminIni() const { return cheminIni_; }

    // ---- components ----
    TTabControl* tc_Classement = nullptr;
    TScrollBox* sb_Tableau = nullptr;
    TColorStringGrid* sg_titre;
    TColorStringGrid* sg_Classement;
    TParamClassement* CadreParam;
    TFondCopie* FondAnglais;
    TLabel* Label133;
    TLabel* Label134;
    TLabel* Label135;
    TLabel* Label136;
    TLabel* Label137;
    TLabel* Label138;
    TLabel* Label139;
    TLabel* Label140;
    TLabel* Label141;
    TFondCopie* FondfairplayEx;
    TLabel* Label78;
    TLabel* Label79;
    TLabel* Label80;
    TEdit* e_PointJaune;
    TUpDown* ud_PointJaune;
    TEdit* e_PointRouge;
    TUpDown* ud_PointRouge;
    TLabel* Label1;
    TLabel* Label2;
    TPopupMenu* Popupclassement;
    TMenuItem* mi_General;
    TMenuItem* mi_Domicile;
    TMenuItem* mi_Exterieur;
    TPopupMenu* Popupchoixj;
    TMenuItem* mi_ChoixJournees;

    // ---- handlers ----
    void FondScroll4resize(TObject* Sender);
    void mi_ExterieurClick(TObject* Sender);
    void mi_ChoixJourneesClick(TObject* Sender);
    void tc_ClassementChange(TObject* Sender);
    void CadreParamcb_ChampChange(TObject* Sender);
    void CadreParamcb_TrancheChange(TObject* Sender);
    void e_PointJauneChange(TObject* Sender);
    void ClicAffluence(TObject* Sender, int ACol, int ARow);
    void ClicStatistique(TObject* Sender, int ACol, int ARow);

    // Computes and shows the table: the frame re-initialised when asked, the
    // team positions of a group as filter (nullptr: all).
    void RemplitClassement(bool initCadre, const std::vector<int>* filtre);

private:
    void CreeComposants();
    // The headings of the printout and the page.
    TEnTeteHTML EnTeteTableau() const;
    TDonneesChampionnat* Courant() const;
    bool TerrainNeutre() const;
    std::string cheminIni_;
    int codeType_ = 1;
    int typeEffectif_ = -1;
    bool lectureIni_ = false;
};

// Registers "ClassementEquipe" and "AgeEquipe" for Tf_Classement (kind 1) in
// the page-template registry; done once at start (later calls do nothing).
void EnregistreFonctionsClassement();

// The standings launcher of the dispatcher: keeps the current child when it is
// a standings window, otherwise creates one owned by owner, gives it the
// colours, the season and the status bar and shows it inside panneau. Then
// shows standings mode `mode` (the kind; the window receives mode - 1).
// Answers the window.
Tf_Classement* OuvreClassement(TComponent* owner, TWinControl* panneau, TForm* enfantCourant, TSaison* saison,
                               const TCouleurElement& couleurs, TStatusBar* statut, int mode,
                               const std::string& cheminIni);
