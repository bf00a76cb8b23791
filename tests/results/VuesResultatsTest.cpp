// The views around the results: points penalties, cross-table and its
// template function, calendar, live scoring; each opened by its command in the
// main window, driven through its controls and grabbed to PNG.
#include <gtest/gtest.h>

#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "results/Resultats.h"
#include "results/Saisie.h"
#include "results/w_VuesResultats.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/ChampionnatBuilder.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
#include "ui/GestionFonction.h"

using namespace essai;

namespace {

constexpr uint16_t V = TInfoComp::ScoreVide;

// A league of six teams played to matchday `joue`, the return legs planned.
std::unique_ptr<TSaison> Saison6(int joue = 3)
{
    vues::Module();
    if (!Traducteur())
        InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(vues::DossierDonnees(), "texte\\Textefr.txt")));
    auto s = TMultiSport::CreeSaison(0);
    TDonneesChampionnat* c = vues::Ligue(*s, 0, "Division 1", 0, 6, joue, 1, 7);
    c->GenereMatchsRetour(false);
    s->SetChampionnatCourant(c);
    return s;
}

template <class F>
TOwned<F> Vue(TSaison* s)
{
    TOwned<F> f(new F(nullptr));
    f->ChangeSaison(s);
    f->ChangeCouleurs(Dessin->Couleurs);
    kit::ShowForm(f.get());
    return f;
}

int Points(TSaison& s, int position)
{
    TDonneesChampionnat* c = s.ChampionnatCourant();
    TCalculClassement calcul(c, &s);
    const int n = calcul.Calcule(clsGeneral, 1, c->NbJour());
    for (int r = 0; r < n; ++r)
        if (calcul.ValeurLigne(r, 1) == position)
            return calcul.ValeurLigne(r, 2);
    return -1;
}

TEST(VuesResultats, EachCommandOpensItsWindowInTheMainWindow)
{
    const std::string dir = Prepare("vues");
    const std::string fichier = MakePath(kit::TempDir(), "vues.xmc");
    DeleteFile(fichier);
    ASSERT_TRUE(TTraiteurFichier::Sauver(fichier, Saison6().get(), nullptr, "", "", nullptr, {}, false));
    auto f = LanceFenetre();
    f->OpenFile(fichier);
    ASSERT_TRUE(f->Saison);
    const std::pair<int, const char*> vues[] = {{23, "f_Minute"}, {143, "f_Penalite"}, {170, "f_recap"}, {225, "f_calendrier"}};
    for (const auto& [commande, nom] : vues) {
        SCOPED_TRACE(commande);
        f->Messages.clear();
        ASSERT_TRUE(Commande(*f, commande));
        ASSERT_NE(f->Enfant, nullptr);
        EXPECT_EQ(f->Enfant->Name(), nom);
        if (commande == 143) {   // named for what it adds or removes
            EXPECT_EQ(Noeud(*f, 143)->Text(), Traduire(5503));
        }
        EXPECT_TRUE(f->Messages.empty());
        // the calendar offers neither print nor HTML
        EXPECT_EQ(f->NoeudImpression != nullptr && f->NoeudHTML != nullptr, commande != 225);
        kit::GrabToPng(f.get(), std::string("resultats_") + nom);
    }
    // The calendar's cells run the match sheet and the team sheet.
    auto* cal = dynamic_cast<Tf_calendrier*>(f->Enfant);
    ASSERT_NE(cal, nullptr);
    std::vector<std::pair<int, int>> commandes;
    cal->ExecuteCommande = [&](int c, int p, bool) { commandes.emplace_back(c, p); };
    TColorStringGrid* g = cal->Grilles[1];   // matchday 2
    cal->CliqueCellule(g, 1, 2);
    cal->CliqueCellule(g, 2, 1);
    const TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_EQ(commandes.size(), 2u);
    EXPECT_EQ(commandes[0], std::make_pair(14, 2 * 256 + 2));
    EXPECT_EQ(commandes[1], std::make_pair(123, c->IndexEquipe(c->Journee(2)->Match(0)->IdEquipe(1))));
    ModifSaison = 0;
    TermineFenetre(f);
}

TEST(VuesResultats, PointsPenaltiesAddUpPerTeamAndReachTheTable)
{
    auto s = Saison6();
    auto f = Vue<Tf_Penalite>(s.get());
    f->Affiche();
    const int avant = Points(*s, 2);
    f->cb_Equipe->SetItemIndex(2);
    for (const char* v : {"3", "5000", "-3", "-999", "abc", "0"}) {
        f->e_Point->SetText(v);
        if (std::string(v) == "abc")
            RepondBoite(mrOk);
        kit::Click(f->b_Ajouter);
        if (std::string(v) == "3") {
            EXPECT_EQ(f->sg_Penalite->LitCellule(1, 3), "3");
            EXPECT_EQ(Points(*s, 2), avant + 3);
        }
    }
    // +3 +999 -3 -999: back to nothing; the text was refused and 0 added nothing.
    EXPECT_EQ(f->sg_Penalite->LitCellule(1, 3), "0");
    EXPECT_EQ(Points(*s, 2), avant);
    EXPECT_EQ(f->sg_Penalite->LitCellule(0, 3), s->NomEquipePosition(2));
    EXPECT_EQ(f->sg_Penalite->LitCellule(1, 0), Traduire(5504));   // a bonus or a penalty
    EXPECT_EQ(f->sg_Penalite->RowCount(), 7);
    kit::GrabToPng(f.get(), "resultats_penalite");
}

TEST(VuesResultats, CrossTableCellsAndItsTemplateFunction)
{
    auto s = Saison6();
    TDonneesChampionnat* c = s->ChampionnatCourant();
    const TInfoComp* m = c->Journee(1)->Match(0);
    const int i = c->IndexEquipe(m->IdEquipe(0)), j = c->IndexEquipe(m->IdEquipe(1));
    // The return leg, played on matchday 6, goes into the mirrored cell; 300 stays whole.
    c->MatchEquipes(6, m->IdEquipe(1), m->IdEquipe(0))->SetScore(0, 300);
    c->MatchEquipes(6, m->IdEquipe(1), m->IdEquipe(0))->SetScore(1, 1);
    c->DerniereJournee = 6;
    auto f = Vue<Tf_recap>(s.get());
    f->Affiche();
    const std::string aller = IntToStr(m->Score(0)) + " - " + IntToStr(m->Score(1));
    EXPECT_EQ(f->sg_recap->LitCellule(j + 1, i + 1), aller);
    EXPECT_EQ(f->sg_recap->LitCellule(i + 1, j + 1), "300 - 1");
    EXPECT_EQ(f->sg_recap->LitCellule(i + 1, i + 1), "");
    EXPECT_EQ(f->sg_recap->LitCellule(1, 0), Copy(s->NomEquipePosition(0), 1, 3) + ".");
    kit::GrabToPng(f.get(), "resultats_recap");
    // Every score and heading shows whole in its column.
    TBitmap mesure(1, 1);
    mesure.Canvas().Font = f->sg_recap->Font();
    for (int k = 1; k < f->sg_recap->ColCount(); ++k)
        for (int r = 0; r < f->sg_recap->RowCount(); ++r) {
            mesure.Canvas().Font.SetStyle(r == 0 ? static_cast<TFontStyles>(fsBold) : 0u);
            EXPECT_LE(mesure.Canvas().TextWidth(f->sg_recap->LitCellule(k, r)) + 4, f->sg_recap->ColWidths(k))
                << f->sg_recap->LitCellule(k, r);
        }
    // With one cell per pairing the first meeting stays in the lower position's row.
    c->SetOption(11, 2);
    f->Affiche();
    const int bas = std::min(i, j), haut = std::max(i, j);
    EXPECT_EQ(f->sg_recap->LitCellule(haut + 1, bas + 1), i < j ? aller : IntToStr(m->Score(1)) + " - " + IntToStr(m->Score(0)));
    EXPECT_EQ(f->sg_recap->LitCellule(bas + 1, haut + 1), "-");

    EnregistreResultats();
    const TFonctionEnregistree* e = GestionFonctions().Cherche("Recapitulatif");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Genre, 1);
    TOwned<TForm> vue(e->Classe.Cree(nullptr));
    auto* ff = dynamic_cast<TFootForm*>(vue.get());
    ASSERT_NE(ff, nullptr);
    std::string html;
    ff->ExecuteFonction("Recapitulatif", TStringList(), html, Dessin->Couleurs, "", s.get());
    size_t cellules = 0, nowrap = 0;
    for (size_t p = html.find("<td"); p != std::string::npos; p = html.find("<td", p + 1)) {
        ++cellules;
        nowrap += html.compare(p, 10, "<td nowrap") == 0;
    }
    EXPECT_EQ(cellules, 49u);
    EXPECT_EQ(nowrap, cellules);
    EXPECT_NE(html.find(aller), std::string::npos);
}

// A cup's matchdays are named in the calendar as in the results (round, then
// game or leg), whole, in bold, in the first column.
TEST(VuesResultats, CalendarNamesCupMatchdaysAsTheResults)
{
    vues::Module();
    for (const uint32_t genre : {5u, 2u}) {   // best of three, two legs
        TChampionnatEssai c(0, 4, TDonneesChampionnat::TypeCoupe, 0);
        const TInfoTourCoupe tours[] = {{2, 2, genre}, {1, 1, 1}};
        c->CreeToursCoupe(tours);
        for (int d = 1; d <= (genre == 5 ? 3 : 2); ++d)
            c->CreeMatch(d, 0, 1, V, V), c->CreeMatch(d, 2, 3, V, V);
        auto f = Vue<Tf_calendrier>(c.saison.get());
        f->Affiche();
        TBitmap mesure(1, 1);
        mesure.Canvas().Font = f->Grilles.at(1)->Font();
        mesure.Canvas().Font.SetStyle(fsBold);
        for (size_t i = 0; i < f->Grilles.size(); ++i) {
            EXPECT_EQ(f->Grilles[i]->LitCellule(0, 0), LibelleJournee(*c.saison, static_cast<int>(i) + 1));
            EXPECT_GE(f->Grilles[i]->ColWidths(0), mesure.Canvas().TextWidth(f->Grilles[i]->LitCellule(0, 0)));
        }
        EXPECT_GT(f->Grilles[1]->Left(), f->Grilles[0]->Left() + f->Grilles[0]->Width());
        kit::GrabToPng(f.get(), "calendrier-coupe-" + std::to_string(genre));
    }
}

TEST(VuesResultats, CalendarGridsTwoPerLineWinnersInBold)
{
    auto s = Saison6(5);
    TDonneesChampionnat* c = s->ChampionnatCourant();
    // Nine matchdays with matches: the last grid stands alone on the left.
    c->Journees().VideMatchs(10);
    auto f = Vue<Tf_calendrier>(s.get());
    f->Affiche();
    ASSERT_EQ(f->Grilles.size(), 9u);
    EXPECT_EQ(f->Grilles[8]->Tag, 0);
    EXPECT_EQ(f->Grilles[7]->Tag, 1);
    EXPECT_EQ(f->Grilles[8]->Left(), f->Grilles[0]->Left());
    EXPECT_GT(f->Grilles[8]->Top(), f->Grilles[7]->Top());
    const TInfoComp* m = c->Journee(1)->Match(0);
    TColorStringGrid* g = f->Grilles[0];
    EXPECT_EQ(g->LitCellule(0, 0), TraduireFormat(151, {1}));
    EXPECT_EQ(g->LitCellule(1, 1), IntToStr(m->Score(0)) + " - " + IntToStr(m->Score(1)));
    EXPECT_EQ(g->GrasCellule(0, 1), m->Score(0) > m->Score(1));
    EXPECT_EQ(g->GrasCellule(2, 1), m->Score(0) < m->Score(1));
    EXPECT_EQ(g->DonneeCellule(1, 1), 1 + (1 << 16));
    // An unplayed match shows the matchday's date text of the header.
    EXPECT_EQ(f->Grilles[5]->LitCellule(1, 1), f->Grilles[5]->LitCellule(1, 0));
    EXPECT_EQ(f->Grilles[5]->DonneeCellule(1, 1), 0);
    // A drawn match decided by a shoot-out: the shoot-out winner in bold.
    TInfoComp* x = c->Journee(2)->Match(0);
    x->SetScore(0, 1);
    x->SetScore(1, 1);
    c->AjoutePenalty(2, x->IdEquipe(0), x->IdEquipe(1), 3, 4);
    f->Affiche();
    EXPECT_FALSE(f->Grilles[1]->GrasCellule(0, 1));
    EXPECT_TRUE(f->Grilles[1]->GrasCellule(2, 1));
    kit::GrabToPng(f.get(), "resultats_calendrier");
}

TEST(VuesResultats, LiveScoringWritesEachChangeAndShowsTheTable)
{
    auto s = Saison6(5);
    TDonneesChampionnat* c = s->ChampionnatCourant();
    c->NbJournee = 6;   // not played yet
    auto f = Vue<Tf_Minute>(s.get());
    f->Remplit();
    ASSERT_EQ(f->Listbox1->Items().Count(), 3);
    EXPECT_EQ(f->Listbox1->Items()[1][5], 1);
    EXPECT_EQ(f->Listbox1->Items()[0][5], 5);
    f->Listbox1->SetItemIndex(1);
    f->Listbox1Click(f->Listbox1);
    EXPECT_EQ(f->EditRond1->Text(), "0");
    kit::Click(f->Bm1);   // nothing below 0, the match stays unplayed
    EXPECT_EQ(c->Journee(6)->Match(1)->Score(0), V);
    kit::Click(f->Bp1);
    kit::Click(f->Bp1);
    kit::Click(f->bp2);
    kit::Click(f->Bm1);
    EXPECT_EQ(c->Journee(6)->Match(1)->Score(0), 1);
    EXPECT_EQ(c->Journee(6)->Match(1)->Score(1), 1);
    EXPECT_EQ(c->DerniereJournee, 6);
    // The live table is the engine's up to the matchday being played.
    TCalculClassement calcul(c, s.get());
    calcul.Calcule(clsGeneral, 1, 6);
    bool trouve = false;
    const std::string premier = s->NomEquipePosition(calcul.ValeurLigne(0, 1));
    for (int col = 0; col < f->sg_Classement->ColCount(); ++col)
        trouve = trouve || f->sg_Classement->LitCellule(col, 1).find(premier) != std::string::npos;
    EXPECT_TRUE(trouve);
    for (int k = 0; k < 260; ++k)
        f->ChangeScore(1, 1);
    // past 255: the box takes every score a match holds
    EXPECT_EQ(c->Journee(6)->Match(1)->Score(1), 261);
    EXPECT_EQ(f->EditRond2->Text(), "261");
    kit::GrabToPng(f.get(), "resultats_minute");
    f->mi_RetirerMatchClick(nullptr);
    EXPECT_EQ(c->Journee(6)->Match(1)->Score(0), V);
    EXPECT_EQ(c->Journee(6)->Match(1)->Score(1), V);
    EXPECT_EQ(c->DerniereJournee, 5);
    ASSERT_EQ(f->Listbox1->Items().Count(), 2);
    EXPECT_EQ(f->Listbox1->Items()[1][5], 1);
}

}  // namespace
