// The nationalities dialog (see w_ModifierClubPrec.h): each country shows its
// number of players; a merge keeps the country with more players.
#pragma once

#include "records/w_ModifierClubPrec.h"

class Tf_ModifierNat : public TModifierNomsForm
{
public:
    explicit Tf_ModifierNat(TComponent* AOwner);
    TListe* l_Nationalite = nullptr;

protected:
    std::vector<std::pair<int, std::string>> Entrees() const override;
    std::string Nom(int id) const override;
    std::string Suffixe(int id) const override;
    void Renomme(int id, const std::string& nom) override;
    void Efface(int id) override;
    int Fusionne(int premier, int second) override;
    int Garde(int premier, int second) const override;
    std::string QuestionEfface(int id) const override;
};
