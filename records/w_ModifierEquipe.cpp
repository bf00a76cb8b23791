#include "records/w_ModifierEquipe.h"

#include <functional>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/ListeDonnees.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "records/Controles.h"
#include "ui/Bouton.h"
#include "ui/message2.h"

using namespace ctrl;

namespace {
constexpr int TexteEquipeEngagee = 5600;
constexpr int TexteEffaceEquipe = 5860;      // %s the team
constexpr int TexteJoueursPartants = 5861;   // %s the players of its club that go
constexpr int TexteJoueursSansClub = 5862;   // %s those kept without a club
constexpr int TexteFicheClub = 5863;
constexpr int TexteSelections = 5864;        // %s the players it selects
constexpr int TexteEntraineurs = 5865;       // %s its coaches
constexpr int TexteAutres = 5866;            // %s the first names, %d how many more
}

std::set<int32_t> JoueursNommes(TSaison& saison) { return saison.JoueursCites(); }

namespace {

// The names of a list; past eleven, the first ten and how many more.
template <class T>
std::string Noms(const std::vector<T*>& v, const std::function<std::string(const T&)>& nom)
{
    const size_t montres = v.size() > 11 ? 10 : v.size();
    std::string s;
    for (size_t i = 0; i < montres; ++i)
        s += (i ? ", " : "") + nom(*v[i]);
    return montres < v.size() ? TraduireFormat(TexteAutres, {s, static_cast<int>(v.size() - montres)}) : s;
}

// The question before a team leaves the season: the team, then each kind of
// record that goes or loses it, one line each.
std::string QuestionRetrait(const TSaison& saison, int id)
{
    const TSaison::TRetraitEquipe r = saison.RetraitEquipe(id);
    const std::function<std::string(const TJoueur&)> propre = [](const TJoueur& j) { return j.NomComplet(); };
    const std::function<std::string(const TJoueur&)> avecClub = [&](const TJoueur& j) {
        return saison.NomJoueurEquipe(j);
    };
    const std::function<std::string(const TPersonnel&)> personne = [](const TPersonnel& p) { return p.NomComplet(); };
    std::string texte = TraduireFormat(TexteEffaceEquipe, {saison.NomEquipe(id)});
    if (!r.Partants.empty())
        texte += '\n' + TraduireFormat(TexteJoueursPartants, {Noms(r.Partants, propre)});
    if (!r.SansClub.empty())
        texte += '\n' + TraduireFormat(TexteJoueursSansClub, {Noms(r.SansClub, propre)});
    if (r.FicheClub)
        texte += '\n' + Traduire(TexteFicheClub);
    if (!r.Selections.empty())
        texte += '\n' + TraduireFormat(TexteSelections, {Noms(r.Selections, avecClub)});
    if (!r.Entraineurs.empty())
        texte += '\n' + TraduireFormat(TexteEntraineurs, {Noms(r.Entraineurs, personne)});
    return texte;
}

}   // namespace

Tf_ModifierEquipe::Tf_ModifierEquipe(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Dialogue(this, "f_ModifierEquipe", false, 420, 300);
    SetCaption(Texte(963, "Modifier Equipes"));
    l_Equipe = new TListBox(this);
    l_Equipe->SetName("l_Equipe");
    l_Equipe->SetBounds(8, 8, 250, 284);
    l_Equipe->SetParent(this);
    l_Equipe->OnClick = [this](TObject* s) { l_EquipeClick(s); };
    Etiquette(this, this, "Label10", 268, 10, 212);
    e_NomEquipe = Saisie(this, this, "e_NomEquipe", 268, 28, 144);
    e_NomEquipe->Tag = -1;
    bc_Modifier = Bouton(this, this, "bc_Modifier", 268, 60, 144, 964);
    bc_Effacer = Bouton(this, this, "bc_Effacer", 268, 92, 144, 1070);
    bc_Terminer = Bouton(this, this, "bc_Terminer", 268, 267, 144, 965, mrOk);
    bc_Modifier->OnClick = [this](TObject* s) { bc_ModifierClick(s); };
    bc_Effacer->OnClick = [this](TObject* s) { bc_EffacerClick(s); };
    DoCreate();
}

void Tf_ModifierEquipe::ChangeSaison(TSaison* saison)
{
    TBrivantelForm::ChangeSaison(saison);
    RemplitEquipes(l_Equipe->Items(), saison);
}

void Tf_ModifierEquipe::l_EquipeClick(TObject*)
{
    const int i = l_Equipe->ItemIndex();
    if (i < 0 || !Saison)
        return;
    const auto t = static_cast<int>(l_Equipe->Items().Objects(i));
    e_NomEquipe->SetText(Saison->NomEquipe(t));
    e_NomEquipe->Tag = t;
}

void Tf_ModifierEquipe::bc_ModifierClick(TObject*)
{
    const auto t = static_cast<int>(e_NomEquipe->Tag);
    const std::string nom = Trim(e_NomEquipe->GetText());
    if (t < 0 || !Saison || nom.empty() || nom == Saison->NomEquipe(t))
        return;
    Saison->RenommeEquipe(t, nom);
    Modifie = true;
    for (TDonneesChampionnat* c : Saison->Arbre().ListeChampionnats())
        if (c->IndexEquipe(t) >= 0)
            c->TrieEquipes();
    const int i = l_Equipe->Items().IndexOfObject(t);
    if (i >= 0)
        l_Equipe->Items().SetString(i, nom);
}

void Tf_ModifierEquipe::bc_EffacerClick(TObject*)
{
    const auto t = static_cast<int>(e_NomEquipe->Tag);
    if (t < 0 || !Saison)
        return;
    // A team still playing stays: the box names its championships.
    if (const auto champs = Saison->Arbre().ListeChampionnatsEquipe(t); !champs.empty())
    {
        std::string texte = TraduireFormat(TexteEquipeEngagee, {Saison->NomEquipe(t)});
        for (const TDonneesChampionnat* c : champs)
            texte += '\n' + Saison->Arbre().NomCompletCode(c->CodeChamp);
        Tf_MessageUtil::Affiche(texte, mbuValider);
        return;
    }
    // Asked once, naming what goes with it: No keeps everything.
    if (Tf_MessageUtil::Affiche(QuestionRetrait(*Saison, t), mbuOui | mbuNon) != mrYes || !Saison->RetireEquipe(t))
        return;
    Modifie = true;
    const int i = l_Equipe->Items().IndexOfObject(t);
    if (i >= 0)
        l_Equipe->Items().Delete(i);
    // no line stands selected for a team the box no longer holds
    l_Equipe->SetItemIndex(-1);
    e_NomEquipe->SetText("");
    e_NomEquipe->Tag = -1;
}
