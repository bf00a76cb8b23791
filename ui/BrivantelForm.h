// The base windows. Every dialog and view is a TBrivantelForm; every
// championship view a TFootForm.
//
// A window takes its colours from the scheme it is given:
//     auto* f = new Tf_Xxx(owner);       // builds its controls, DoCreate()
//     f->ChangeCouleurs(Dessin->Couleurs);   // or the opener's Couleurs
//     f->ChangeSaison(saison);
// AppliqueCouleurs colours the window and its direct children from the colours
// they were designed with (recorded the first time it runs), so a window can
// take a new scheme any number of times. A window is "dark" when designed with
// $6F3000 (CouleurFondFonceDessin), otherwise light; text designed white,
// yellow ($00FFFF), $EE9C04/$FFE155, red, $FF9191, $FFFF00 or $80FF80 takes
// the scheme's matching colour.
#pragma once

#include "platform/gui/Forms.h"
#include "ui/Couleurs.h"
#include "ui/FonctionsGabarit.h"
#include "ui/GridHtml.h"

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

class TSaison;
class TJoueur;

class TBrivantelForm : public TForm
{
public:
    // The scheme starts as the skin module's current one (the defaults without it).
    explicit TBrivantelForm(TComponent* AOwner);

    // Set by the main window: marks the season modified.
    std::function<void()> OnModification;
    TSaison* Saison = nullptr;
    TCouleurElement Couleurs;

    virtual void ChangeSaison(TSaison* saison);
    // Tells the main window the season changed (nothing without a handler).
    virtual void Signale();
    virtual void AppliqueCouleurs();
    // Copies the scheme, then AppliqueCouleurs.
    void ChangeCouleurs(const TCouleurElement& couleurs);
    // Before a window stores what it shows: a counter of the window (its
    // box shown and enabled, on any page) that holds no number, emptied or
    // left with a lone sign, or a figure outside its bounds (its box refuses
    // one that no digit can bring back, not a figure below a bound above
    // 0), is named (text 5003 with its bounds), its page
    // shown and its box given the focus, and the answer is false: nothing is
    // stored, never the number the box held before. A box that declared
    // its reading (ui/Nombres.h) is weighed by that reading alike, whether
    // it has a counter or not.
    bool CompteursRemplis();
    // Before a window goes: every grid of the window takes what its cell
    // editor holds and weighs again a cell it refused that the focus left.
    // False when one is refused: the window said why, the grid's editor is
    // back on the text refused for correction.
    bool CellulesValides();

    // Colours of table row `ligne`: odd rows Fond1/Texte1, even rows Fond2/Texte2,
    // the followed row its own colours.
    static void CouleursLigneSchema(int ligne, TColor& couleurTexte, TColor& couleurFond, bool suivie,
                                    const TCouleurElement& couleurs);
    void CouleursLigne(int ligne, TColor& couleurTexte, TColor& couleurFond, bool suivie) const
    {
        CouleursLigneSchema(ligne, couleurTexte, couleurFond, suivie, Couleurs);
    }
    static void CouleurFondLigneSchema(int ligne, TColor& couleurFond, const TCouleurElement& couleurs);
    void CouleurFondLigne(int ligne, TColor& couleurFond) const { CouleurFondLigneSchema(ligne, couleurFond, Couleurs); }

    // Colours a child of a kind this unit does not know (the colour grid): answers
    // true when it took the control. Registered once at start-up.
    using TAppliqueurCouleurs = std::function<bool(TControl* controle, const TCouleurElement& couleurs)>;
    static void EnregistreAppliqueur(TAppliqueurCouleurs appliqueur);

    // The colours a child was designed with (recorded at the first AppliqueCouleurs).
    struct TDessinControle
    {
        TColor Couleur = 0;
        TColor Police = 0;
    };

protected:
    void Notification(TComponent* component, bool removing) override;
    // The designed colours of a child, recorded the first time it is asked.
    const TDessinControle& DessinDe(TControl* c);

private:
    std::unordered_map<const TComponent*, TDessinControle> dessins_;  // by component: a control being freed is no longer a control
    bool fenetreDessinee_ = false;
    TColor couleurDessin_ = 0;
};

// ---- services of the championship views ---------------------------------------------------
// The record card of a player, as the sport's card windows derive from it.
class TFicheJoueurForm : public TBrivantelForm
{
public:
    using TBrivantelForm::TBrivantelForm;
    // The championship the card is opened from and the player shown.
    virtual void ChangeJoueur(int32_t codeChampionnat, TJoueur* joueur) = 0;
    // The player shown (after "Valider": the one filed), nullptr when none.
    virtual TJoueur* JoueurFiche() const { return nullptr; }
    // The card of a player the team of its tag (bits 0-15) takes: it shows
    // him as validating it makes him (that team's player; his club, left, is
    // his previous club, and he joins in the championship's season) and only
    // validating takes him. A card that cannot take a player shows him as he is.
    virtual void ChangeJoueurPris(int32_t codeChampionnat, TJoueur* joueur) { ChangeJoueur(codeChampionnat, joueur); }
};

// What the player cards need from the sport switch and the players list; the
// program registers it at start-up.
struct TServicesFicheJoueur
{
    // A new card window of the season's sport, without owner (nullptr: none).
    std::function<TFicheJoueurForm*(TSaison* saison)> CreeFiche;
    // The player's team id in the current championship (club or national team).
    std::function<int(TJoueur* joueur, TSaison* saison)> EquipeJoueur;
    // A player of the season by id, nullptr when none.
    std::function<TJoueur*(int32_t id, TSaison* saison)> ChercheJoueur;
};
void EnregistreServicesFicheJoueur(TServicesFicheJoueur services);
// Whether a player card is registered.
bool FicheJoueurDisponible();

// Geometry of the team choice dialog for n teams.
struct TGeometrieChoixEquipe
{
    int HauteurClient = 0;
    int HautBouton = 0;
    // Check box k (1..n).
    static TRect Case(int k) { return Bounds(((k - 1) % 3) * 155 + 10, ((k - 1) / 3) * 20 + 5, 145, 20); }
};
TGeometrieChoixEquipe GeometrieChoixEquipe(int n);
// The preselected position once the forbidden team (position + 1, 0 none) is avoided.
int PreselectionEquipe(int equipe, int interdite);

// A championship view. It serves the page-template functions every view serves
// and reads the parameters of a call with the readers of TFonctionsGabarit
// (Parametre, ParametreEntier, ParametreListe, ChampionnatParametre...).
class TFootForm : public TBrivantelForm, public TFonctionsGabarit
{
public:
    using TBrivantelForm::TBrivantelForm;

    virtual void Imprime() = 0;
    virtual void EnregistreHTML(const std::string& nomFichier) = 0;

    // What the view shows, in words, as the main window names it before it
    // prints the view or writes its page: the command's caption, the
    // championship.
    std::vector<std::string> TitresVue;
    // The headings of the view's printout and HTML page: the view's own lines
    // (the table, the team) before TitresVue, a line met twice kept once, and
    // the band of group titles over its columns.
    TEnTeteHTML EnTete(const std::vector<std::string>& propres = {},
                       std::vector<TEnTeteHTML::TBande> bandes = {}) const;

    // A function of a page template: Resultat is emptied, then "inclure" and
    // "AddSuffixeNomFic" are served here and every other name goes to
    // EcritValeur. A view overrides it for its own names and hands the others
    // on to this one. couleurs: the view's scheme.
    virtual void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                                 const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison);
    // Serves "ecrire": appends the values of the bare words of Mots (of
    // Parametres when Mots is null); nothing for another name.
    virtual void EcritValeur(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                             const TStringList* Mots, const std::string& Pages, TSaison* saison);

    // Modal choice of one team of the current championship; equipe is a position
    // (from 0), interdite the position + 1 of a team that cannot be chosen.
    static bool ChoisitEquipe(TSaison* saison, const std::string& titre, const TCouleurElement& couleurs,
                              int interdite, int& equipe);
    // Opens the player's record card modally; the player when it was validated.
    static TJoueur* OuvreFicheJoueur(TJoueur* joueur, TSaison* saison);
    static TJoueur* OuvreFicheJoueurId(int32_t id, TSaison* saison);
    // Opens the card of a player the team (an id) takes (ChangeJoueurPris)
    // modally; the player as filed once it is validated, nullptr when it is
    // left: nothing of him has changed then.
    static TJoueur* OuvreFichePris(TJoueur* joueur, TSaison* saison, int equipe);
    // Opens the card empty in mode `tag` (e.g. 0xB0000 + team: a new player of
    // that team); the player filed when validated, else nullptr.
    static TJoueur* NouveauJoueur(TSaison* saison, const TCouleurElement& couleurs, int tag);
    // avant when a < b, apres when a > b; equal values go by the tie record
    // (two bytes: first, second) when one is given.
    static void CompareBornes(bool& avant, bool& apres, const uint8_t* departage, int a, int b);
};

// Shows a window inside a control: no border, filling the control's client area.
void IntegreFiche(TForm* fiche, TWinControl* parent);
