#include "records/w_ModifierNat.h"

#include "model/Joueurs.h"
#include "model/ListePays.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "records/Controles.h"
#include "ui/Bouton.h"

using namespace ctrl;

namespace {
constexpr int TexteEffacePays = 5723;   // %s the country, %d its players
constexpr int TexteEffacePaysUn = 5714;   // the same, its players in the singular
}

Tf_ModifierNat::Tf_ModifierNat(TComponent* AOwner) : TModifierNomsForm(AOwner, "f_ModifierNat", "l_Nationalite")
{
    l_Nationalite = l_Liste;
    SetCaption(Texte(1068));
    Label10->SetCaption(Texte(1069));
    bc_Terminer->SetCaption(Texte(965));
    DoCreate();
}

std::vector<std::pair<int, std::string>> Tf_ModifierNat::Entrees() const
{
    std::vector<std::pair<int, std::string>> v;
    const TListePays& pays = Saison->Pays();
    for (int c = 0; c < pays.NbPays(); ++c)
        if (!pays.NomPays(c).empty())
            v.emplace_back(c, pays.NomPays(c));
    return v;
}

std::string Tf_ModifierNat::Nom(int id) const { return Saison ? Saison->Pays().NomPays(id) : std::string(); }

std::string Tf_ModifierNat::Suffixe(int id) const
{
    return Saison ? " (" + IntToStr(Saison->Joueurs().NbJoueurPays(id)) + ")" : std::string();
}

void Tf_ModifierNat::Renomme(int id, const std::string& nom) { Saison->Pays().RenommePays(id, nom); }

// Nothing names a deleted country any more.
void Tf_ModifierNat::Efface(int id) { Saison->RetirePays(id); }

int Tf_ModifierNat::Garde(int premier, int second) const
{
    // The country with more players survives; on a tie, the first line.
    const TJoueurs& j = Saison->Joueurs();
    return j.NbJoueurPays(second) > j.NbJoueurPays(premier) ? second : premier;
}

int Tf_ModifierNat::Fusionne(int premier, int second)
{
    const int garde = Garde(premier, second);
    Saison->RetirePays(garde == premier ? second : premier, garde);
    return garde;
}

std::string Tf_ModifierNat::QuestionEfface(int id) const
{
    const int joueurs = Saison->Joueurs().NbJoueurPays(id);
    return TraduireFormat(IdTexteNombre(TexteEffacePays, TexteEffacePaysUn, joueurs), {Nom(id), joueurs});
}
