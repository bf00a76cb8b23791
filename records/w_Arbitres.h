// The referees (and, in w_Stades, the stadiums) of the season, country by
// country: a country list on the left, the grid of the chosen country on the
// right, a popup to edit, remove and insert. The referee grid takes names
// typed in; each row is written back when the user leaves it or the grid.
// Page functions: "EffectifArbitre" here, "EffectifStade" and "ListeSalle" for
// the stadiums.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/BrivantelForm.h"

class TColorGridBase;
class TColorStringGrid;
class TListe;
class TMenuItem;
class TPersonnel;
class TPersonnelStat;
class TPopupMenu;
class TScrollBox;

// The country list and popup shared by both lists.
class TListeParPaysForm : public TFootForm
{
public:
    static constexpr int Tous = 99999;
    static constexpr int SansPays = 65535;

    // The season's countries that an entry uses, "all" first and "no country"
    // last; the shown country becomes pays when listed, else all; the grid is
    // filled.
    void RemplitPays(int pays);
    int PaysAffiche() const { return pays_; }
    // Writes back what the grid holds and the season does not yet (a list
    // whose grid takes no typing has nothing to write); false when a row
    // typed cannot be stored (it was said, the cursor is on it).
    virtual bool EnregistreSaisie() { return true; }
    // The grid of the shown country.
    virtual void RemplitGrille() = 0;
    // Shows the country of that line (when it is another).
    void ChoisitLigne(int ligne);
    // Which popup entries a row offers.
    void EtatMenu(int ligne);
    // The code a line of the country list stands for.
    static int CodeLigne(const std::string& ligne);

    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;

    TListe* l_Nation = nullptr;
    TScrollBox* ScrollBox1 = nullptr;
    TPopupMenu* pm_JoueurOp = nullptr;
    TMenuItem* mi_Editer = nullptr;
    TMenuItem* mi_Effacer = nullptr;
    TMenuItem* mi_Inserer = nullptr;

    // The actions of the popup and keys on the current row.
    virtual void Editer(int ligne) = 0;
    virtual void Effacer(int ligne) = 0;
    virtual void Inserer() = 0;

protected:
    TListeParPaysForm(TComponent* AOwner, const std::string& nom);
    ~TListeParPaysForm() override;
    // The grid is made by the class; the base wires its mouse and keys.
    void BrancheGrille(TColorStringGrid* g);
    virtual TColorStringGrid* Grille() const = 0;
    // Whether the season uses that country.
    virtual bool PaysUtilise(int code) const = 0;
    virtual std::string TexteTous() const = 0;
    // The grid takes the size of its rows and columns (lignesEnPlus pixels
    // more in height), centred in the box.
    void PlaceGrille(int lignesEnPlus);
    // After a card or a removal: the list follows the entry's country.
    void Suit(int pays);
    int pays_ = Tous;
};

class Tf_Arbitres : public TListeParPaysForm
{
public:
    explicit Tf_Arbitres(TComponent* AOwner);
    ~Tf_Arbitres() override;

    void RemplitGrille() override;
    bool EnregistreSaisie() override { return sg_TableauEquipeExit(nullptr); }
    // Writes rows premiere..derniere back into the season; a new or renamed
    // referee refills the grid. A row typed with no first name is not
    // stored: it stays as typed and, with dit, says why, the cursor on its
    // first name. False when a row was refused.
    bool EnregistreLignes(int premiere, int derniere, bool dit = true);
    bool sg_TableauEquipeExit(TObject* Sender);
    // The referee of a row, nullptr for the empty last row.
    TPersonnelStat* ArbitreLigne(int ligne) const;

    void Editer(int ligne) override;
    void Effacer(int ligne) override;
    void Inserer() override;

    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;
    // The referees of a country (99999 all) into a grid: header, one row each,
    // an empty last row.
    static void RemplitArbitres(TSaison& saison, int pays, TColorGridBase& g, const TCouleurElement& couleurs);

    TColorStringGrid* sg_TableauEquipe = nullptr;
    bool Recompte = true;
    bool EditionEnCours = false;

protected:
    TColorStringGrid* Grille() const override { return sg_TableauEquipe; }
    bool PaysUtilise(int code) const override;
    std::string TexteTous() const override;

private:
    // Rows being written: the focus a question takes leaves them alone.
    bool enregistrement_ = false;
};

// The start-up registration of the page functions of both lists.
void EnregistreListesPersonnes();
