// The team names of a new championship: n sorted combo boxes listing the
// season's teams, three to a row; OK only when every box holds a name and no
// name comes twice.
#pragma once

#include <string>
#include <vector>

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TComboBox;
class TFondCopie;
class TSaison;

class Tf_SaisieEquipes : public TBrivantelForm
{
public:
    explicit Tf_SaisieEquipes(TComponent* AOwner);
    void Prepare(const std::string& titre, int n, const TSaison& saison);
    std::vector<std::string> Noms() const;

    TFondCopie* FondCopie1 = nullptr;
    TBoutonCopie* b_Ok = nullptr;
    std::vector<TComboBox*> Equipes;

private:
    void ValideEquipes();
};
