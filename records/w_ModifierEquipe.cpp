#include "records/w_ModifierEquipe.h"

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
}

std::set<int32_t> JoueursNommes(TSaison& saison)
{
    std::set<int32_t> noms;
    for (TDonneesChampionnat* c : saison.Arbre().ListeChampionnats())
        for (int d = 1; d <= c->NbJour(); ++d)
        {
            for (TListeDonnees* l : c->ListesDonnees(d))
                for (int i = 0; l && i < l->Nombre(); ++i)
                    noms.insert(l->Donnee(i)->IdJoueur());
            for (int m = 1; m <= c->NbMatchJournee(d); ++m)
                if (const TInfoComp* x = c->Match(d, m))
                    for (int cote = 0; cote < 2; ++cote)
                    {
                        const int t = x->IdEquipe(cote);
                        for (int s = 1; s <= x->NbTitulaire(); ++s)
                            noms.insert(x->JoueurTitulaire(t, s));
                        for (int r = 1; r <= x->NbRemp(); ++r)
                        {
                            noms.insert(x->ValeurRemplacement(t, r, 1));
                            noms.insert(x->ValeurRemplacement(t, r, 3));
                        }
                        noms.insert(x->Capitaine(t));
                    }
        }
    noms.erase(0);
    return noms;
}

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
    Modifie = true;
    // The players a match names stay, without a team; the others go.
    const std::set<int32_t> nommes = JoueursNommes(*Saison);
    TJoueurs& joueurs = Saison->Joueurs();
    std::vector<TJoueur*> gardes;
    for (int i = 0; i < joueurs.NbJoueur(); ++i)
        if (TJoueur* j = joueurs.Joueur(i); j->ClubActuel == t && nommes.count(j->Numero))
            gardes.push_back(j);
    for (TJoueur* j : gardes)
        j->ChangeEquipe(0xFFFF);
    joueurs.SupprimeJoueursEquipe(t);
    Saison->SupprimeEquipe(t);
    const int i = l_Equipe->Items().IndexOfObject(t);
    if (i >= 0)
        l_Equipe->Items().Delete(i);
    e_NomEquipe->SetText("");
    e_NomEquipe->Tag = -1;
}
