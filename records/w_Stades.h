// The stadiums (halls for the indoor sports) of the season, country by
// country; edited through the stadium card, which typing in the grid opens
// for a new one.
#pragma once

#include "records/w_Arbitres.h"

class TStade;

class Tf_Stades : public TListeParPaysForm
{
public:
    explicit Tf_Stades(TComponent* AOwner);
    void ChangeSaison(TSaison* saison) override;

    void RemplitGrille() override;
    TStade* StadeLigne(int ligne) const;

    void Editer(int ligne) override;
    // A stadium that a match names stays, with a message saying why.
    void Effacer(int ligne) override;
    void Inserer() override;
    // A letter typed in the grid: the card of a new stadium opens with the
    // name begun.
    void NouveauStade(const std::string& debut);

    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;
    static void RemplitStades(TSaison& saison, int pays, TColorGridBase& g, const TCouleurElement& couleurs);

    TColorStringGrid* sg_TableauStade = nullptr;

protected:
    TColorStringGrid* Grille() const override { return sg_TableauStade; }
    bool PaysUtilise(int code) const override;
    std::string TexteTous() const override;

private:
    // The stadium's card (a new one, its name begun, when stade is null); the
    // list then follows the stadium's country.
    void OuvreFiche(TStade* stade, const std::string& nomPropose);
};
