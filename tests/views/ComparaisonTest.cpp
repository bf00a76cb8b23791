// The comparison: four boxes at most, the lowest free slot, rank curves equal
// to the engine's table after each matchday, the fixtures table, the chart's
// page with its picture, the page functions.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/CalculClassement.h"
#include "model/oTraducteur.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "tests/support/HtmlTables.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/views/VuesEssai.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
#include "ui/GestionFonction.h"
#include "ui/Graphe.h"
#include "views/AfficheClassement.h"
#include "views/w_Comparaison.h"

namespace {

TEST(Comparaison, SlotsCurvesAndFixtures)
{
    auto s = vues::SaisonVue(0);
    TOwned<TForm> fenetre = kit::NewForm(900, 600);
    auto* panneau = new TPanel(fenetre.get());
    panneau->SetAlign(alClient);
    panneau->SetParent(fenetre.get());
    auto* f = new Tf_Comparaison(fenetre.get());
    f->ChangeCouleurs(vues::Module()->Couleurs);
    f->ChangeSaison(s.saison.get());
    IntegreFiche(f, panneau);
    kit::ShowForm(fenetre.get());
    f->Init(1);
    using S = Tf_Comparaison::TSlots;
    EXPECT_EQ(f->Slots(), (S{4, 255, 255, 255}));   // the followed team
    for (int p : {0, 1, 2, 3})
        f->ChoisitEquipe(f->Boites()[static_cast<size_t>(p)]);
    EXPECT_EQ(f->Slots(), (S{4, 0, 1, 2}));         // a fifth is refused
    f->ChoisitEquipe(f->Boites()[0]);
    EXPECT_EQ(f->Slots(), (S{4, 255, 1, 2}));
    f->ChoisitEquipe(f->Boites()[5]);
    EXPECT_EQ(f->Slots(), (S{4, 5, 1, 2}));         // the lowest free slot

    // the rank of each slot's team after each matchday, as the standings show
    // it: teams level share the rank of the first of them
    TCalculClassement ref(s.c1, s.saison.get());
    for (int d = 1; d <= s.c1->DerniereJournee; ++d) {
        const int n = ref.Calcule(clsGeneral, d, d);
        for (int i = 0; i < 4; ++i)
            for (int r = 0; r < n; ++r)
                if (ref.ValeurLigne(r, 1) == f->Slots()[static_cast<size_t>(i)]) {
                    EXPECT_EQ(f->Graph1->ValeurPoint(i, d), StrToInt(classement::RangPartage(ref, clsGeneral, r)))
                        << d << " " << i;
                    break;
                }
    }
    kit::GrabToPng(fenetre.get(), "comparaison-rangs");
    const std::string page = MakePath(kit::TempDir(), "comparaison-page.html");
    f->EnregistreHTML(page);
    std::string octets;
    ASSERT_TRUE(ReadFileBytes(page, octets));
    EXPECT_NE(octets.find("<img src=\"comparaison.png\">"), std::string::npos);
    EXPECT_TRUE(FileExists(MakePath(kit::TempDir(), "comparaison.png")));

    f->ChoisitVue(nullptr, 3);
    const TColorStringGrid& g = *f->sg_Programme;
    EXPECT_TRUE(g.Visible());
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.RowCount(), 7);   // six matchdays left
    EXPECT_EQ(g.Cells(0, 0), s.saison->NomEquipePosition(4));
    kit::GrabToPng(fenetre.get(), "comparaison-programme");
    // the leader met next, by the first two teams shown: its place reads as
    // the language writes a first place
    const int n = ref.Calcule(clsGeneral, 1, s.c1->DerniereJournee);
    ASSERT_GT(n, 0);
    const int premier = ref.ValeurLigne(0, 1), d = s.c1->DerniereJournee;
    ASSERT_EQ(std::count(f->Slots().begin(), f->Slots().end(), premier), 0);
    s.c1->CreeMatch(d + 1, s.c1->IdEquipe(f->Slots()[0]), s.c1->IdEquipe(premier), 65535, 65535);
    s.c1->CreeMatch(d + 2, s.c1->IdEquipe(premier), s.c1->IdEquipe(f->Slots()[1]), 65535, 65535);
    const std::string nom = s.saison->NomEquipeCourant(s.c1->IdEquipe(premier));
    const struct
    {
        const char *langue, *domicile, *exterieur;
    } langues[] = {{"fr", " (1er) à domicile", " (1er) à l'extérieur"}, {"en", " (1st) at home", " (1st) away"}};
    for (const auto& l : langues) {
        InstalleTraducteur(std::make_unique<TTraducteur>(
            MakePath(vues::DossierDonnees(), std::string("texte\\Texte") + l.langue + ".txt")));
        f->ChoisitVue(nullptr, 3);
        EXPECT_EQ(g.Cells(0, 1), nom + L1(l.domicile)) << l.langue;
        EXPECT_EQ(g.Cells(1, 2), nom + L1(l.exterieur)) << l.langue;
        kit::GrabToPng(fenetre.get(), std::string("comparaison-programme-") + l.langue);
    }
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(vues::DossierDonnees(), "texte\\Textefr.txt")));
    f->ChoisitVue(nullptr, 3);

    EXPECT_EQ(Tf_Comparaison::SuffixeSur("../po int!"), "point");
    TStringList p;
    p.Add("Equipe=" + s.saison->NomEquipePosition(0));
    std::string r;
    TOwned<TForm> v(GestionFonctions().Cherche("ProgrammeEquipe")->Classe.Cree(nullptr));
    dynamic_cast<TFootForm&>(*v).ExecuteFonction("ProgrammeEquipe", p, r, vues::Module()->Couleurs, "",
                                                 s.saison.get());
    const html_lu::TPage t = html_lu::Lit(r);
    ASSERT_EQ(t.tables.size(), 1u);
    EXPECT_EQ(t.tables[0][0][0], s.saison->NomEquipePosition(0));
    ASSERT_NE(GestionFonctions().Cherche("ComparaisonEquipe"), nullptr);
}

}  // namespace
