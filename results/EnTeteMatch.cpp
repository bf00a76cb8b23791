#include "results/EnTeteMatch.h"

#include <algorithm>
#include <optional>

#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Afficheur.h"
#include "ui/Nombres.h"

namespace feuille {

namespace {

int Entier(const std::string& texte, int defaut) { return StrToIntDef(Trim(texte), defaut); }

}  // namespace

void DeclareNotes(std::initializer_list<TEdit*> boites)
{
    for (TEdit* e : boites)
        nombres::Declare(e, nombres::Nombre(0, 255, 0));
}

intptr_t ObjetChoisi(TComboBox& boite)
{
    const int i = boite.ItemIndex();
    if (boite.GetText().empty() || i < 0 || i >= boite.Items().Count())
        return AucuneEntree;
    return boite.Items().Objects(i);
}

void EcritEnTete(const TEnTeteComplet& e, TSaison& saison, TDonneesChampionnat& c, int n, int m)
{
    if (e.Affichage)
        c.SetAffluenceMatch(n, m, Entier(e.Affichage->Nombre(), 0));
    if (const std::optional<int> note = nombres::Valeur(e.NoteMatch))
        c.SetNoteMatch(n, m, *note);
    for (size_t k = 0; k < e.Officiels.size(); ++k) {
        const int numero = static_cast<int>(k) + 1;
        const intptr_t o = e.Officiels[k].Boite ? ObjetChoisi(*e.Officiels[k].Boite) : AucuneEntree;
        if (o != AucuneEntree) {
            c.SetOfficielMatch(n, m, numero, static_cast<int32_t>(o));
            if (!e.Officiels[k].Note)
                c.SetNoteOfficielMatch(n, m, numero, 0);
            else if (const std::optional<int> note = nombres::Valeur(e.Officiels[k].Note))
                c.SetNoteOfficielMatch(n, m, numero, *note);
        } else {
            c.SetOfficielMatch(n, m, numero, -1);
            c.SetNoteOfficielMatch(n, m, numero, 0);
        }
    }
    if (e.Stade) {
        const intptr_t o = ObjetChoisi(*e.Stade);
        const TStade* s = o == AucuneEntree ? nullptr : saison.Stades().ChercheStade(static_cast<int>(o));
        c.SetStadeMatch(n, m, s ? s->Code : 0);
    }
}

}  // namespace feuille
