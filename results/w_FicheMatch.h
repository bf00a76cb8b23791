// The match card: two teams of the current championship face to face. Their
// past meetings in the history file, their places and figures in the
// standings (home for the first team and away for the second, or general),
// their current runs and their last five matches. Mode 1: the user chooses
// both teams; mode 2: a match of the current matchday, with stepping through
// the others; other modes: a fixed match of the current matchday.
//
//     auto* f = new Tf_FicheMatch(owner);  f->ChangeSaison(saison);
//     if (!f->AfficheMatch(historique, 1, 0)) ...   // a choice was cancelled
//
// It serves the page-template function "FicheMatch" (the same content as an
// HTML fragment) and changes nothing in the model.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/gui/ComCtrls.h"
#include "ui/BrivantelForm.h"
#include "views/LiensResultats.h"

class TCadre;
class TComboBox;
class TEditeur;
class TFondCopie;
class TFondScroll;
class THotLabel;
class TLabel;
class TMenuItem;
class TPanel;
class TPopupMenu;
class TBoutonCopie;
class TEdit;
class TStat;
class TUpDown;
class Tf_Agrandissement;

// What one side of the card shows, worked out from the model.
struct TChiffresFiche
{
    std::string Nom;      // name box: name and general rank
    std::string Place;    // place in the table used
    // wins, draws, defeats, for, against (index 0..4)
    std::array<std::string, 5> Comptes;
    bool AvecNuls = true;
    // Series lines and whether any run was found.
    std::vector<std::string> Series;
    // Last matches: home name, away name, home score, away score.
    struct TLigneMatch
    {
        std::string Domicile, Exterieur;
        int ScoreDomicile = 0, ScoreExterieur = 0;
        std::string TirsAuBut;   // the shoot-out that decided it, as every view writes it (or empty)
    };
    std::vector<TLigneMatch> Matchs;
};

class Tf_FicheMatch : public TFootForm
{
public:
    explicit Tf_FicheMatch(TComponent* AOwner);
    ~Tf_FicheMatch() override;

    // The 1-based number of the match shown in the current matchday, shared by
    // every card while the program runs.
    static int MatchFiche;

    bool AfficheMatch(TStat* historique, int mode, int match);
    // Meetings of the teams at positions equipe1 (at home) and equipe2 in the
    // history file, most recent season first, at most max (one at least);
    // lesDeux counts the return meetings too.
    static void BilanHistorique(int equipe1, int equipe2, bool lesDeux, int max, TSaison* saison,
                                TStat* historique, int& victoires1, int& nuls, int& victoires2);
    // The figures of one side (1 first team, 2 second team). parDate: the last
    // matches in date order when the championship keeps dates.
    static TChiffresFiche Chiffres(TSaison* saison, int equipe, int cote, bool general, bool parDate);
    // The fragment of the page function.
    static std::string EcritFicheMatch(TSaison* saison, bool classement, bool serie, bool matchs, int equipe1,
                                       int equipe2, const TStringList& parametres);
    // Match `match` (from 1) of matchday `journee`; empty when it has no two teams.
    static std::string EcritFicheMatchJournee(TSaison* saison, int journee, int match, bool classement, bool serie,
                                              bool matchs, const TStringList& parametres);

    void AfficheBilan(int equipe1, int equipe2);
    void AfficheEquipe(int equipe, int cote);
    // Neutral grounds or the general choice.
    bool General() const;
    int Equipe(int cote) const;

    void Imprime() override {}
    void EnregistreHTML(const std::string&) override {}
    void AppliqueCouleurs() override;
    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;

    TExecuteCommande ExecuteCommande;
    // The meetings window is handed here before it is shown (tests).
    std::function<void(Tf_Agrandissement& details)> InspecteDetails;

    TPanel* Panel2;
    TPanel* Panel1;
    TCadre* c_EqDomicile;
    TCadre* c_EqExterieur;
    TPopupMenu* PopupMenu3;
    TPopupMenu* PopupMenu4;
    TMenuItem* Changerdquipe1;
    TMenuItem* Changerdequipe2;
    TComboBox* cb_TypeStat;
    TUpDown* UpDown1;
    TFondCopie* FondCopie1;
    TLabel* Label1;
    TLabel* Label2;
    TEdit* Edit1;
    TUpDown* ud_nbrenc;
    TBoutonCopie* bc_Modifier;
    TLabel* l_Vict;
    TLabel* l_Nul;
    TLabel* l_Def;
    TFondCopie* FondCopie2;
    TFondCopie* FondCopie35;
    TFondCopie* FondCopie36;
    THotLabel* Lf[2];          // Lf1, lf7
    TLabel* lf[2][5];          // lf2..lf6, lf8..lf12
    TFondCopie* FondCopie3;
    THotLabel* Label7;
    TEditeur* Editeur3;
    TEditeur* Editeur4;
    TFondCopie* FondCopie4;
    THotLabel* Label8;
    THotLabel* Label3;
    TFondScroll* fs_ResultatDom;
    TFondScroll* fs_ResultatExt;

    void Changerdquipe1Click(TObject* Sender);
    void Changerdequipe2Click(TObject* Sender);
    void UpDown1Click(TObject* Sender, TUDBtnType Button);
    void cb_TypeStatChange(TObject* Sender);
    void Edit1Change(TObject* Sender);
    void bc_ModifierClick(TObject* Sender);
    void Lf1Click(TObject* Sender);
    void Label7Click(TObject* Sender);
    void Label8Click(TObject* Sender);
    void Label3Click(TObject* Sender);

private:
    void ChangeEquipe(int cote);
    void Envoie(int commande, int param);
    TStat* historique_ = nullptr;
    int mode_ = 0;
};

// Registers "FicheMatch" and the match and referee cards in the links of the
// statistics views (once).
void EnregistreFichesResultats();
