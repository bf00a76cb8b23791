// The options of one championship of the open season: points and forfeits,
// places, years, the team to follow, date entry, player rankings, referees
// (group 1, general); tie-break criteria, standings bands, named team groups,
// the English average and the bonus points (group 2, ranking). Each sport
// derives its own window from this one (w_OptionSports.h); the shell creates
// the class the sport switch gives.
//
//     Tf_Option* f = CreeFenetreOption(saison, owner);   // the season's sport
//     f->ChangeCouleurs(couleurs);
//     f->ChangeSaison(saison);       // loads every control
//     f->Affiche(false, 1);          // 1 general pages, 2 ranking pages
//     if (f->ShowModal() == mrOk && f->Tag == 1) ...   // or f->AppliqueATousFait
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/MultiSport.h"
#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TCarreCoche;
class TCheckListBox;
class TComboBox;
class TDonneesChampionnat;
class TEdit;
class TFondCopie;
class TLabel;
class TListBox;
class TMaskEdit;
class TPageControl;
class TPanel;
class TRondCoche;
class TScrollBox;
class TSpeedButton;
class TTabSheet;
class TTreeNode;
class TTreeView;
class TUpDown;

class Tf_Option : public TBrivantelForm
{
public:
    explicit Tf_Option(TComponent* AOwner);
    ~Tf_Option() override;

    void ChangeSaison(TSaison* saison) override;
    void AppliqueCouleurs() override;
    // Fills every control from the championship (nothing without one).
    virtual void Charge();
    // Shows the pages of a group (0 all, 1 general, 2 ranking); embedded, the
    // buttons are hidden and the panels take the skin's blue master.
    virtual void Affiche(bool integre, uint8_t groupe);

    // Validation: writes what changed and closes with OK; stays open when a
    // value is refused (a message names it).
    void b_ValiderClick();
    // "Appliquer à tous": the chosen values into every championship.
    void b_DefautClick();
    // The value of an up-down as the user sees it (its box's number, bounded).
    static int Position(const TUpDown* u);

    // ---- state
    TDonneesChampionnat* Championnat = nullptr;
    uint8_t Groupe = 0;
    uint8_t Modifie = 0;
    uint8_t StructureChangee = 0;
    uint8_t GardeCode = 1;
    // The tie-break code the championship held when the window was filled:
    // kept as it is while the box shows it, even with letters the sport's
    // list does not offer.
    std::string CodeCharge;
    // Something was applied to every championship: reported however the
    // window closes.
    bool AppliqueATousFait = false;

    // ---- tie-break criteria
    std::string CodeCriteres() const;
    void AppliqueCodeCriteres(const std::string& code);
    // Whether every letter of the code names a criterion of the list, once.
    bool CodeCriteresValide(const std::string& code) const;
    // The code box against the list: a code naming no criterion, or one twice,
    // is refused with a message and the box shows the list's code again.
    bool ControleCodeCriteres();
    void clb_ClassementClick();
    void sb_UpClick();
    void sb_DownClick();
    // Adds a criterion (sport classes): text id and criterion number 1..26.
    void AjouteCritere(int texte, int numero);

    // ---- bands
    struct TRangTranche
    {
        TLabel* Libelles[3] = {};
        TEdit* Edits[2] = {};
        TUpDown* UpDowns[2] = {};
    };
    void SetNbTranches(int n);
    void LibereTranches(int i);
    int NbRangsTranche() const { return static_cast<int>(tranches_.size()); }
    const TRangTranche& RangTranche(int i) const { return *tranches_[static_cast<size_t>(i)]; }

    // ---- team groups
    void bc_AjouterClick();
    void bc_RetirerClick();
    void Button1Click();
    void Button2Click();

    // ---- layout handlers
    void cc_DivSupClick();
    void cb_CodeDivChange();
    void cc_GestionArbitreClick();
    void rc_journeeClick();
    void rc_dateClick();

    // ---- controls
    TPageControl* PageControl1 = nullptr;
    TTabSheet *ts_Generaux = nullptr, *ts_Avances = nullptr, *ts_Joueur = nullptr, *ts_Arbitres = nullptr;
    TTabSheet *ts_Classement = nullptr, *ts_Tranche = nullptr, *ts_GroupeEquipe = nullptr, *ts_Bonus = nullptr;
    TFondCopie *FondParam = nullptr, *FondPoint = nullptr, *FondParamSup = nullptr, *Fondtri = nullptr;
    TFondCopie *FondCopie1 = nullptr, *FondParamClassement = nullptr, *FondCopie3 = nullptr, *FondCopie7 = nullptr;
    TFondCopie *FondCopie6 = nullptr, *FondCopie2 = nullptr, *FondPetiteFinale = nullptr;
    // general page
    TCarreCoche* cc_DivSup = nullptr;
    TLabel *Label4 = nullptr, *Label13 = nullptr, *Label8 = nullptr, *Label11 = nullptr;
    TUpDown *UpDown1 = nullptr, *UpDown2 = nullptr, *UpDown3 = nullptr, *UpDown4 = nullptr, *UpDown5 = nullptr;
    TUpDown *UpDown6 = nullptr, *UpDown7 = nullptr, *UpDown8 = nullptr, *UpDown9 = nullptr, *UpDown10 = nullptr;
    TUpDown *UpDown34 = nullptr, *UpDown35 = nullptr, *ud_forfait = nullptr;
    TUpDown *ud_scoreforfait1 = nullptr, *ud_scoreforfait2 = nullptr;
    TLabel *Label50 = nullptr, *Label51 = nullptr;
    TCarreCoche* cc_PetiteFinale = nullptr;
    // advanced page
    TMaskEdit* MaskEdit1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TRondCoche *rc_journee = nullptr, *rc_date = nullptr, *rc_National = nullptr, *rc_International = nullptr;
    TRondCoche *rc_Oui = nullptr, *rc_Non = nullptr;
    TCarreCoche *cc_SaisieDateJour = nullptr, *cc_SaisieDateMatch = nullptr;
    TCarreCoche *cb_NumMaillot = nullptr, *cb_Preremplir = nullptr;
    TComboBox* cb_CodeDiv = nullptr;
    TEdit* e_CodePerso = nullptr;
    TLabel* LabelCodePerso = nullptr;
    // players page
    TRondCoche *RondCoche1 = nullptr, *RondCoche2 = nullptr, *RondCoche3 = nullptr;
    TUpDown* UpDown13 = nullptr;
    TPanel* p_NbTir = nullptr;
    TUpDown *UpDown14 = nullptr, *UpDown15 = nullptr, *UpDown16 = nullptr;
    TLabel *Label42 = nullptr, *Label43 = nullptr, *Label44 = nullptr;
    // referees page
    TCarreCoche *cc_GestionArbitre = nullptr, *cc_ArbitreMemeMatch = nullptr;
    TCarreCoche *cc_ArbitreEquipeMois = nullptr, *cc_ArbitreEquipeMatchs = nullptr;
    TEdit *e_ArbitreMois = nullptr, *e_ArbitreMatch = nullptr;
    TUpDown *UpDown11 = nullptr, *UpDown12 = nullptr;
    // ranking page
    TCheckListBox* clb_Classement = nullptr;
    TSpeedButton *sb_Up = nullptr, *sb_Down = nullptr;
    TEdit* Edit12 = nullptr;
    // bands page
    TEdit* e_nbtranche = nullptr;
    TUpDown* ud_nbTranche = nullptr;
    TScrollBox* sb_Tranche = nullptr;
    // groups page
    TTreeView* tv_Groupe = nullptr;
    TListBox* lb_Equipe = nullptr;
    TBoutonCopie *bc_Ajouter = nullptr, *bc_Retirer = nullptr, *Button1 = nullptr, *Button2 = nullptr;
    // bonus page
    TUpDown *ud_ptsvictdom = nullptr, *ud_ptsnuldom = nullptr, *ud_ptsdefdom = nullptr;
    TUpDown *ud_ptsvictext = nullptr, *ud_ptsnulext = nullptr, *ud_ptsdefext = nullptr;
    TPanel* p_Bonus = nullptr;
    TLabel *Label41 = nullptr, *Label53 = nullptr;
    TEdit *e_nButBonus = nullptr, *e_PointBonus = nullptr, *e_nPointEcart = nullptr;
    // buttons
    TBoutonCopie *b_Valider = nullptr, *b_Annuler = nullptr, *b_Defaut = nullptr;

protected:
    // Checks before anything is written (false: a message was shown).
    virtual bool Controle() { return true; }
    // Writes the values of the group; sport classes write theirs after.
    virtual void Ecrit();
    void EcritOption(int n, int valeur);
    void EcritOptionArbitre(int n, int valeur);
    // Lines the sport pages' number boxes up: an edit with its up-down.
    TUpDown* Nombre(TWinControl* parent, const std::string& nom, int x, int y, int min, int max, int defaut,
                    int largeur = 36);
    // The first team group node of a node (itself at level 0).
    static TTreeNode* GroupeDe(TTreeNode* n);

private:
    void Cree();
    void CreeGeneraux();
    void CreeAvances();
    void CreeJoueur();
    void CreeArbitres();
    void CreeClassement();
    void CreeTranche();
    void CreeGroupes();
    void CreeBonus();
    void e_nbtrancheChange();
    bool DemandeReduction(int nbJour, int nbTitulaire, int nbRemp) const;
    // The matchdays above the count that the question named and the user
    // let go: the only ones the count brought down may delete.
    std::vector<int> JourneesAccordees;
    // Applies one value to every championship (mask 10 starters, 11
    // substitutes, else the bits of the mask of word n).
    void AppliqueATous(const std::vector<TDonneesChampionnat*>& liste, int n, int valeur, int masque);
    // Option word 11 as the date and entry controls set it.
    uint16_t DrapeauxSaisis() const;
    std::vector<std::unique_ptr<TRangTranche>> tranches_;
};

// Asks before the starters or the substitutes of a championship drop what
// was entered: line-up slots above nbTitulaire / nbRemp that hold players.
// -1 leaves a value out. True when nothing is lost or the user agreed.
bool AccepteReduction(const TDonneesChampionnat& c, const std::string& nom, int nbTitulaire, int nbRemp);
// Whether a line-up of the championship holds a player in a starter slot
// above nbTitulaire or a substitution record above nbRemp (-1: not asked).
bool CompositionsAuDela(const TDonneesChampionnat& c, int nbTitulaire, int nbRemp);
// Asks once, naming them, before matches lose their own dates by the new
// date flags (option word 11) of their championships: true when none loses
// any or the user agreed.
bool AcceptePerteDates(const TSaison& saison,
                       const std::vector<std::pair<const TDonneesChampionnat*, uint16_t>>& changements);
// The head of that question, naming the dates that go; empty when none goes.
// DemandePerteDates asks it, ending with the question text given: true when
// empty or the user agreed.
inline constexpr int TexteQuestionDates = 5585;
bool DemandePerteDates(const std::string& dates, int question = TexteQuestionDates);
std::string DatesPerdues(const TSaison& saison,
                         const std::vector<std::pair<const TDonneesChampionnat*, uint16_t>>& changements);

// The cup without its third-place match: the match goes through the cup's
// one road, which names it when it was entered and asks (texts 5680, 5681);
// true when there is none, it held nothing or the user agreed, and then it is
// gone. `dates`: the dates (and shirt numbers) the same validation takes
// away, asked about in the same question, ending with text `question`.
bool RetirePetiteFinale(const TSaison& saison, TDonneesChampionnat& c, const std::string& dates = {},
                        int question = TexteQuestionDates);

// The refusal of a weighting row out of range (%d: the row).
inline constexpr int TextePonderationRefusee = 3532;

// ---- the sport switch's options class ----------------------------------------------------------
class TClasseOption : public TClasseFenetre
{
public:
    using TCree = Tf_Option* (*)(TComponent* owner);
    explicit TClasseOption(TCree cree) : Cree(cree) {}
    TCree Cree;
};

// A new options window of the season's sport (nullptr when none is registered).
Tf_Option* CreeFenetreOption(TSaison* saison, TComponent* owner);
// Registers the four sports' options windows with the sport switch.
void EnregistreOptions();
