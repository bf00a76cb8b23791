// The team rename dialog of the main window: renames a team (re-sorted in its
// championships) or deletes a team that no championship uses, once the user,
// asked naming what goes with it, says so.
#pragma once

#include <cstdint>
#include <set>

#include "ui/BrivantelForm.h"

class TListBox;
class TEdit;
class TBoutonCopie;

class Tf_ModifierEquipe : public TBrivantelForm
{
public:
    explicit Tf_ModifierEquipe(TComponent* AOwner);
    void ChangeSaison(TSaison* saison) override;

    TListBox* l_Equipe = nullptr;
    TEdit* e_NomEquipe = nullptr;
    TBoutonCopie* bc_Modifier = nullptr;
    TBoutonCopie* bc_Effacer = nullptr;
    TBoutonCopie* bc_Terminer = nullptr;
    bool Modifie = false;

    void l_EquipeClick(TObject* Sender);
    void bc_ModifierClick(TObject* Sender);
    void bc_EffacerClick(TObject* Sender);
};

// The numbers of the players that a match of the season names (events, box
// scores, line-ups, substitutions, captains).
std::set<int32_t> JoueursNommes(TSaison& saison);
