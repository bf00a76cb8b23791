// The player and referee rankings of the current championship (or of a chosen
// group of championships and a range of matchdays). Window kinds: 0-10 player
// kinds, 11-28 referee kinds (minus 11), 29 and above player kinds (minus 20).
// A long player ranking goes on as running text in the two text panes. A double
// click opens the player's (or the referee's) card. It serves the page
// functions "ClassementJoueur" and "ClassementArbitre".
#pragma once

#include <vector>

#include "engine/RJoueur.h"
#include "ui/BrivantelForm.h"

class TColorGridBase;
class TColorStringGrid;
class TEditeur;
class TParamClassement;

class Tf_ClassJoueur : public TFootForm
{
public:
    explicit Tf_ClassJoueur(TComponent* AOwner);
    ~Tf_ClassJoueur() override;

    // A negative kind only clears the column records.
    void AfficheClassement(int type);
    int Type() const { return type_; }
    static bool TypeArbitre(int type) { return type >= 11 && type < 29; }
    static int TypeJoueur(int type) { return type < 29 ? type : type - 20; }

    // The league-wide ranking of a player kind into the grid (and the panes,
    // when given), within largeur x hauteur pixels.
    static void RemplitJoueurs(TSaison* saison, int type, TColorGridBase& g, TEditeur* bas, TEditeur* droite,
                               int largeur, int hauteur, int premiere, int derniere,
                               const TListeChampionnats* championnats, const TCouleurElement& couleurs);
    static void RemplitArbitres(TSaison* saison, int type, TColorGridBase& g, const TListeChampionnats* championnats,
                                const TCouleurElement& couleurs);
    // The player kind a "Type" of "ClassementJoueur" names; StatMatch the
    // per-match variant (kinds 14-26 and 30-31 only).
    static int TypeParNom(const std::string& nom, bool statMatch);

    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;
    void AppliqueCouleurs() override;
    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;

    TColorStringGrid* sg_Classjoueurs;
    TEditeur* Editeur1;
    TEditeur* Editeur2;
    TParamClassement* CadreParam;

    void sg_ClassjoueursDblClick(TObject* Sender);

private:
    // The page's heading: the ranking, named with the range and the
    // championships it counts.
    TEnTeteHTML EnTeteVue() const;
    int type_ = -1;
};

void EnregistreFonctionsClassJoueur();
