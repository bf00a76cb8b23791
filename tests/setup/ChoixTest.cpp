// The referee and stadium choosers of a competition and the competition
// overview: ticks that survive the grouping by country, ids the season no
// longer knows dropped, a cancel that changes nothing, a node without data
// that gets its data once referees are chosen.
#include <gtest/gtest.h>

#include "model/DescTree.h"
#include "model/Personnels.h"
#include "model/Stades.h"
#include "platform/gui/ComCtrls.h"
#include "records/w_ChoixArbitres.h"
#include "setup/w_CompetitionInfo.h"
#include "tests/shell/SaisonEssai.h"
#include "ui/Bouton.h"
#include "ui/TreeViewCombo.h"

using namespace essai;

namespace {

std::unique_ptr<TSaison> SaisonOfficiels()
{
    auto s = SaisonSport(0);
    const uint16_t fr = s->Pays().AjoutePays("France");
    const uint16_t it = s->Pays().AjoutePays("Italie");
    struct { const char* nom; uint16_t pays; } arbitres[] = {{"Bardin", fr}, {"Rossi", it}, {"Aubert", fr}, {"Zelig", 0xFFFF}};
    for (auto& a : arbitres) {
        auto p = std::make_unique<TPersonnelStat>();
        p->Nom = a.nom;
        p->Prenom = "Jean";
        p->CodePays = a.pays;
        s->Arbitres().AjoutePersonnel(std::move(p));
    }
    for (const char* nom : {"Stade Nord", "Arena Sud"}) {
        auto st = std::make_unique<TStade>(nom, 1000, "Ville");
        st->CodePays = fr;
        s->Stades().AjouteStade(std::move(st), false);
    }
    return s;
}

TTreeNode* NoeudTexte(TTreeView* t, const std::string& texte)
{
    for (TTreeNode* n = t->Items().GetFirstNode(); n; n = n->GetNext())
        if (n->Text().rfind(texte, 0) == 0)
            return n;
    return nullptr;
}

int32_t Numero(TSaison& s, const std::string& nom)
{
    for (int i = 0; i < s.Arbitres().NbPersonnel(); ++i)
        if (s.Arbitres().Personnel(i)->Nom == nom)
            return s.Arbitres().Personnel(i)->Numero;
    return -1;
}

TEST(ChoixArbitres, TicksSurviveRegroupingUnknownIdsDropped)
{
    vues::Module();
    auto s = SaisonOfficiels();
    std::vector<int32_t> liste = {Numero(*s, "Bardin"), 999};
    TOwned<Tf_ChoixArbitres> f(new Tf_ChoixArbitres(nullptr));
    f->ChangeSaison(s.get());
    f->Liste = &liste;
    const int r = kit::RunModal(f.get(), [&](TForm*) {
        TTreeViewCombo* t = f->tvc_Liste;
        // Not grouped: sorted by display name, Bardin ticked.
        ASSERT_EQ(t->Items().TopCount(), 4);
        EXPECT_EQ(NoeudTexte(t, "Aubert")->Index(), 0);
        EXPECT_EQ(NoeudTexte(t, "Bardin")->StateIndex(), 2);
        t->ChangeEtatNoeud(NoeudTexte(t, "Zelig"), -1);
        kit::Click(f->cb_AffichePays);
        // Grouped: countries sorted, "Autres pays" among them.
        EXPECT_EQ(t->Items().TopCount(), 3);
        EXPECT_EQ(t->Items().TopItem(0)->Text(), "Autres pays");
        // under his country, name then first name as everywhere
        ASSERT_NE(NoeudTexte(t, "Zelig Jean"), nullptr);
        EXPECT_EQ(NoeudTexte(t, "Zelig Jean")->StateIndex(), 2);
        kit::GrabToPng(f.get(), "ChoixArbitres");
        kit::Click(f->cb_AffichePays);
        f->b_Valider->Click();
    });
    EXPECT_EQ(r, mrOk);
    std::sort(liste.begin(), liste.end());
    std::vector<int32_t> attendu = {Numero(*s, "Bardin"), Numero(*s, "Zelig")};
    std::sort(attendu.begin(), attendu.end());
    EXPECT_EQ(liste, attendu);
}

TEST(CompetitionInfo, RefereesAndStadiumsOfACompetition)
{
    vues::Module();
    auto s = SaisonOfficiels();
    TOwned<Tf_CompetitionInfo> f(new Tf_CompetitionInfo(nullptr));
    f->ChangeSaison(s.get());
    kit::RunModal(f.get(), [&](TForm*) {
        TTreeNode* n = f->tv_Saison->Items().GetFirstNode();
        ASSERT_NE(n, nullptr);
        f->tv_Saison->SetSelected(n);
        EXPECT_EQ(f->lb_Arbitres->Items().Count(), 0);
        // Cancel changes nothing.
        kit::WhenModal([](TForm* c) { static_cast<Tf_ChoixStades*>(c)->b_Annuler->Click(); });
        f->Modifier(1);
        EXPECT_FALSE(f->Modifie);
        EXPECT_EQ(n->DataPtr<TDescNoeud>()->DonneesCompetition(), nullptr);
        kit::WhenModal([](TForm* c) {
            auto* a = static_cast<Tf_ChoixArbitres*>(c);
            a->tvc_Liste->ChangeEtatNoeud(a->tvc_Liste->Items().GetFirstNode(), -1);
            kit::GrabToPng(a, "ChoixStades");
            a->b_Valider->Click();
        });
        f->Modifier(0);
        EXPECT_TRUE(f->Modifie);
        EXPECT_EQ(f->lb_Arbitres->Items().Count(), 1);
        kit::GrabToPng(f.get(), "CompetitionInfo");
        f->bc_Continuer->Click();
    });
    const TDescNoeud* d = s->Arbre().Racine().Enfant(0);
    ASSERT_NE(d->DonneesCompetition(), nullptr);
    EXPECT_EQ(d->DonneesCompetition()->Arbitres, std::vector<int32_t>{Numero(*s, "Aubert")});
}

}  // namespace
