#include "setup/w_SaisieEquipes.h"

#include "model/Saison.h"
#include "platform/rtl/Strings.h"
#include "setup/Controles.h"
#include "ui/message2.h"

using namespace setup;

Tf_SaisieEquipes::Tf_SaisieEquipes(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    PrepareFiche(this, "f_SaisieEquipes", "", 480, 80);
    FondCopie1 = Fond(this, this, "FondCopie1", 0, 0, 480, 80);
    b_Ok = Bouton(this, FondCopie1, "b_Ok", Traduire(27), 195, 45, 90, 28);
    b_Ok->OnClick = [this](TObject*) { ValideEquipes(); };
    b_Ok->SetTabStop(true);
    b_Ok->Default = true;
    DoCreate();
}

void Tf_SaisieEquipes::Prepare(const std::string& titre, int n, const TSaison& saison)
{
    SetCaption(titre);
    const int rangs = (n - 1) / 3;
    SetClientHeight(rangs * 26 + 80);
    FondCopie1->SetHeight(ClientHeight());
    b_Ok->SetTop(rangs * 26 + 45);
    for (int i = 0; i < n; ++i) {
        auto* cb = Place(new TComboBox(this), FondCopie1, "cb_Equipe" + IntToStr(i + 1), (i % 3) * 160 + 10,
                         (i / 3) * 26 + 10, 140, 22);
        cb->SetSorted(true);
        cb->MaxLength = 18;
        for (int k = 0; k < saison.NbEquipe(); ++k)
            cb->Items().Add(saison.NomEquipeIndex(k));
        Equipes.push_back(cb);
    }
    // The boxes in reading order, then OK; the first box takes the typing.
    b_Ok->SetTabOrder(n);
    if (!Equipes.empty())
        SetActiveControl(Equipes.front());
}

std::vector<std::string> Tf_SaisieEquipes::Noms() const
{
    std::vector<std::string> v;
    for (const TComboBox* cb : Equipes)
        v.push_back(Trim(cb->Text()));
    return v;
}

void Tf_SaisieEquipes::ValideEquipes()
{
    const std::vector<std::string> noms = Noms();
    for (size_t i = 0; i < noms.size(); ++i) {
        if (noms[i].empty())
            return;
        for (size_t j = 0; j < i; ++j)
            if (AnsiSameText(noms[i], noms[j])) {
                Tf_MessageUtil::Affiche(TraduireFormat(3204, {noms[i]}), mbuValider);
                return;
            }
    }
    SetModalResult(mrOk);
}
