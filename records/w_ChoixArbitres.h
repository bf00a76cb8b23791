// The referees or the stadiums of a competition, ticked among those of the
// season in a check tree, grouped by country or not.
//
//     TOwned<Tf_ChoixArbitres> f(new Tf_ChoixArbitres(owner));
//     f->ChangeCouleurs(Couleurs);
//     f->ChangeSaison(saison);
//     f->Liste = &donnees->Arbitres;   // on OK it holds the ticked ids
//     f->ShowModal();
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TCarreCoche;
class TFondCopie;
class TTreeNode;
class TTreeViewCombo;

class TChoixCompetitionForm : public TBrivantelForm
{
public:
    // The caller's list of ids: read on show, written on OK only.
    std::vector<int32_t>* Liste = nullptr;

    // Fills the tree from the season, ticking the ids of the list.
    void RemplitArbre(const std::vector<int32_t>& ids);
    // The ids of the ticked entries.
    std::vector<int32_t> ListeCoches() const;

    TFondCopie* FondCopie1 = nullptr;
    TTreeViewCombo* tvc_Liste = nullptr;
    TCarreCoche* cb_AffichePays = nullptr;
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;

protected:
    struct TEntree
    {
        int32_t Id = 0;
        std::string Libelle;
        std::string Pays;   // empty: none
    };
    TChoixCompetitionForm(TComponent* AOwner, const std::string& nom, int titre, int texteCase);
    // The season's entries in list order, labelled for the grouping.
    virtual std::vector<TEntree> Entrees(bool parPays) const = 0;
    // Ticks a node as filled in (the referees go through the tree's toggle).
    virtual void Coche(TTreeNode* n) = 0;

private:
    bool groupe_ = false;   // the grouping the tree was filled with
};

class Tf_ChoixArbitres : public TChoixCompetitionForm
{
public:
    explicit Tf_ChoixArbitres(TComponent* AOwner);

protected:
    std::vector<TEntree> Entrees(bool parPays) const override;
    void Coche(TTreeNode* n) override;
};

class Tf_ChoixStades : public TChoixCompetitionForm
{
public:
    explicit Tf_ChoixStades(TComponent* AOwner);

protected:
    std::vector<TEntree> Entrees(bool parPays) const override;
    void Coche(TTreeNode* n) override;
};
