// The rugby scorers page through the main window (command 14): tries by a
// Ctrl-drag answered 3, a conversion by the team entry of the opposing
// player (stored without player, flag 0x200, shown again as that entry), a
// penalty and a drop with a minute past the bound, refused; written when another
// match shows, shown again, saved and reopened equal.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "results/Carton.h"
#include "results/PagesMatch.h"
#include "results/w_ButeursRugby.h"
#include "shell/Commandes.h"
#include "shell/Globales.h"
#include "tests/results/FeuilleEssai.h"
#include "views/Textes.h"

using namespace essai;
using namespace feuille_essai;

namespace {

const bool pagesInscrites = (EnregistrePagesMatch(), true);

std::vector<std::tuple<int, int32_t, int>> Records(TDonneesChampionnat& c, int type, int n, int h, int a)
{
    std::vector<std::tuple<int, int32_t, int>> v;
    const TListeDonnees* l = c.ListeDonnees(type, n);
    for (int i = 0; l && i < l->Nombre(); ++i)
        if (l->Donnee(i)->IdEquipe() == h || l->Donnee(i)->IdEquipe() == a)
            v.emplace_back(l->Donnee(i)->IdEquipe(), l->Donnee(i)->IdJoueur(), l->Donnee(i)->Mot());
    std::sort(v.begin(), v.end());
    return v;
}

// The index of the list entry of that code.
int Index(TListe* l, int32_t code)
{
    for (int i = 0; i < l->Items().Count(); ++i)
        if (NumeroEntreeListe(l->Items()[i], 8, true) == code)
            return i;
    return -1;
}

void Glisse(TListe* l, int i, TControl* cible, TShiftState etat = 0)
{
    l->SetItemIndex(i);
    const TRect e = l->ItemRect(i);
    kit::Drag(l, {e.Left + 5, e.Top + 3}, cible, {20, 10}, etat);
}

TEST(ButeursRugby, TriesConversionsPenaltiesAndDrops)
{
    const std::string dir = Prepare("buteurs_rugby");
    TSaisonComplete sc(1);
    sc.saison->SetChampionnatCourant(sc.ligue);
    sc.ligue->SetCategorieEquipe(1, 0);
    const int h = sc.ligue->Match(5, 1)->IdEquipe(0), a = sc.ligue->Match(5, 1)->IdEquipe(1);
    sc.ligue->CreeMatch(5, h, a, 21, 3);
    sc.ligue->NbJournee = 5;
    const std::string fichier = MakePath(dir, "rugby.xmc");
    auto f = SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    TDonneesChampionnat& c = *f->Saison->ChampionnatCourant();
    ASSERT_TRUE(Commande(*f, 14));
    auto* p = dynamic_cast<Tf_ButeursRugby*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(p->IdDomicile, h);
    TListe* lh = p->Liste(1);
    const int premier = Index(lh, 0xFFFFFFD) == 0 || Index(lh, 0xFFFFFFE) == 0 ? 3 : 0;
    ASSERT_GE(lh->Items().Count(), 6);
    const int32_t joueur = NumeroEntreeListe(lh->Items()[premier], 8, true);

    f->Saison->InvalideStats();
    f->Saison->CalculeStatJoueurs();
    const int essaisAvant = f->Saison->Joueurs().ChercheJoueur(joueur, -1)->Stat(c.CodeChamp, 1);

    // Three tries at once (Ctrl held, the dialog answered 3).
    kit::WhenModal([](TForm* m) {
        auto* d = dynamic_cast<Tf_ChoixNombre*>(m);
        ASSERT_NE(d, nullptr);
        d->e_Nombre->SetText("");
        kit::Type(d->e_Nombre, "3");
        d->BoutonCopie1->Click();
    });
    Glisse(lh, premier, BoiteVisible(p->Fond(0, 1), 0), ssCtrl);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(BoiteVisible(p->Fond(0, 1), i)->Numero, joueur) << i;
    // A conversion by the opposing player's entry, a penalty, a drop at 200.
    Glisse(lh, Index(lh, 0xFFFFFFD), BoiteVisible(p->Fond(1, 1), 0));
    Glisse(lh, premier, BoiteVisible(p->Fond(2, 1), 0));
    Glisse(lh, premier, BoiteVisible(p->Fond(3, 1), 0));
    // Its third key refused aloud: 20 kept.
    kit::Refusals().clear();
    kit::Type(BoiteVisible(p->Fond(3, 1), 0)->Minute(), "200");
    ASSERT_EQ(kit::Refusals().size(), 1u);
    EXPECT_EQ(kit::Refusals()[0].reason, TraduireFormat(4400, {200, 127}));
    EXPECT_EQ(BoiteVisible(p->Fond(3, 1), 0)->Minute()->Text(), "20");
    kit::GrabToPng(f.get(), "buteurs_rugby");

    p->UpDown1->ClickButton(btNext);
    EXPECT_EQ(Records(c, 2, 5, h, a),
              (std::vector<std::tuple<int, int32_t, int>>{{h, joueur, 0}, {h, joueur, 0}, {h, joueur, 0}}));
    EXPECT_EQ(Records(c, 6, 5, h, a), (std::vector<std::tuple<int, int32_t, int>>{{h, 0xFFFFFFF, 0x200}}));
    EXPECT_EQ(Records(c, 5, 5, h, a), (std::vector<std::tuple<int, int32_t, int>>{{h, joueur, 0}}));
    EXPECT_EQ(Records(c, 7, 5, h, a), (std::vector<std::tuple<int, int32_t, int>>{{h, joueur, 20}}));

    p->UpDown1->ClickButton(btPrev);
    ASSERT_EQ(p->IdDomicile, h);
    EXPECT_EQ(BoiteVisible(p->Fond(1, 1), 0)->Numero, 0xFFFFFFD);
    EXPECT_EQ(BoiteVisible(p->Fond(1, 1), 0)->Text(), vues::Texte(533));
    EXPECT_EQ(BoiteVisible(p->Fond(0, 1), 3)->Text(), "");   // three tries, then the empty row

    // The players' statistics count the three tries.
    f->Saison->InvalideStats();
    f->Saison->CalculeStatJoueurs();
    EXPECT_EQ(f->Saison->Joueurs().ChercheJoueur(joueur, -1)->Stat(c.CodeChamp, 1), essaisAvant + 3);

    RepondBoite(mrOk);
    Commande(*f, 7);
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", nullptr, TousSports, etat, true);
    ASSERT_TRUE(relu);
    EXPECT_EQ(Document(*relu), Document(*f->Saison));
    TermineFenetre(f);
}

}  // namespace
