// The championship information reached from the main window, on seasons made
// through the creation windows as a user makes them (football and
// basketball), results then entered: commands 172-175 open the sport's window
// on their page, each page grabbed; command 34 shows one matchday's goals over
// the minutes and a later 172 opens the whole window again.
#include <filesystem>
#include <memory>
#include <numeric>

#include <gtest/gtest.h>

#include "files/w_ChoixLogiciel.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/InfoComp.h"
#include "model/ListeDonnees.h"
#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/WinInet.h"
#include "shell/Aide.h"
#include "platform/rtl/Strings.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/shell/HorsLigne.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/Editeur.h"
#include "views/w_DiversStat.h"
#include "ui/Graphe.h"
#include "ui/message2.h"
#include "views/w_InfoGeneral.h"
#include "views/w_InfoGeneralSports.h"

using namespace essai;

namespace {

const bool dossierAbsolu = [] {
    setenv("BZ_DATA_DIR", std::filesystem::absolute(DossierDonnees()).lexically_normal().c_str(), 0);
    return true;
}();

template <class T>
void Quand(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::MessageEnEchec);
}

// A season of two personal divisions, made through the windows.
void CreeSaison(FenetreEssai& f, int sport)
{
    Quand<Tf_ChoixLogiciel>([sport](Tf_ChoixLogiciel* c) {
        c->rc_Sport[sport]->SetChecked(true);
        c->b_Valider->Click();
    });
    Quand<Tf_CreationSaison>([](Tf_CreationSaison* c) {
        TTreeNode* racine = c->tv_Saison->Items().GetFirstNode();
        // two personal divisions of six and four clubs (a season holds two
        // competitions at least)
        for (const int n : {6, 4}) {
            Quand<Tf_Creation>([n](Tf_Creation* d) {
                d->RondCoche2->SetChecked(true);
                d->Edit1->SetText(IntToStr(n));
                d->b_Valider->Click();
            });
            Quand<Tf_SaisieEquipes>([n](Tf_SaisieEquipes* e) {
                for (size_t i = 0; i < e->Equipes.size(); ++i)
                    e->Equipes[i]->SetText((n == 6 ? "Club " : "Cercle ") + IntToStr(static_cast<int>(i) + 1));
                e->b_Ok->Click();
            });
            c->tv_Saison->SetSelected(racine);
            c->bc_CreeChamp->Click();
        }
        RepondBoite(mrOk);
        c->b_Valider->Click();
    });
    ASSERT_TRUE(Commande(f, 5));
    kit::Process(50);
    kit::ForgetModalActions();
}

struct TResultats
{
    int Joues = 0;
    int Points = 0;
    int Nuls = 0;
};

// Scores and crowds on the first three matchdays (no calendar is made at
// creation: the pairs of a round robin of six).
TResultats Joue(TDonneesChampionnat& c, int sport)
{
    static const int paires[3][3][2] = {{{0, 1}, {2, 3}, {4, 5}}, {{1, 2}, {3, 4}, {5, 0}}, {{0, 3}, {1, 4}, {2, 5}}};
    TResultats r;
    int k = 0;
    for (int d = 1; d <= 3; ++d)
        for (int m = 1; m <= 3; ++m) {
            const int a = c.IdEquipe(paires[d - 1][m - 1][0]), b = c.IdEquipe(paires[d - 1][m - 1][1]);
            ++k;
            const int sa = sport == 2 ? 70 + k : k % 4, sb = sport == 2 ? 75 - k % 3 : (k + 1) % 3;
            c.CreeMatch(d, a, b, sa, sb);
            c.SetAffluenceMatch(d, m, 1000 * k);
            ++r.Joues;
            r.Points += sa + sb;
            r.Nuls += sa == sb;
            if (sport == 0)
                c.ListeButeurs(d)->Ajoute(std::make_unique<TDonneesEvt>(1, a, 5 * k, 0));
        }
    c.DerniereJournee = static_cast<uint8_t>(c.CalculeDerniereJournee());
    return r;
}

class InfoGeneralFenetre : public essai::THorsLigne<::testing::TestWithParam<int>>
{
};

TEST_P(InfoGeneralFenetre, CommandsOpenTheSportsWindowOnASeasonMadeThroughTheWindows)
{
    const int sport = GetParam();
    const char* const noms[4] = {"foot", "rugby", "basket", "hand"};
    Prepare(std::string("info_creation_") + noms[sport]);
    auto f = LanceFenetre();
    CreeSaison(*f, sport);
    ASSERT_NE(f->Saison, nullptr);
    const auto liste = f->Saison->Arbre().ListeChampionnats();
    ASSERT_EQ(liste.size(), 2u);
    TDonneesChampionnat& c = *(liste[0]->NbEquipe() == 6 ? liste[0] : liste[1]);
    ASSERT_TRUE(f->Saison->SelectionneChampionnat(c.CodeChamp));
    ASSERT_EQ(c.NbEquipe(), 6);
    const TResultats r = Joue(c, sport);
    ASSERT_GT(r.Joues, 0);

    struct TPage
    {
        int Commande, Page;
    };
    TBrivantelForm* premiere = nullptr;
    for (const TPage& p : {TPage{172, 1}, TPage{174, 2}, TPage{175, 3}, TPage{173, 4}}) {
        SCOPED_TRACE(p.Commande);
        ASSERT_TRUE(Commande(*f, p.Commande));
        auto* info = dynamic_cast<Tf_InfoGeneral*>(f->Enfant);
        ASSERT_NE(info, nullptr);
        if (!premiere)
            premiere = info;
        EXPECT_EQ(info, premiere);   // the window shown stays
        EXPECT_EQ(info->PageActive(), p.Page);
        EXPECT_NE(std::unique_ptr<Tf_InfoGeneral>(info->Classe().Cree(nullptr)), nullptr);
        EXPECT_EQ(info->L("Label41")->Caption(), IntToStr(r.Joues));
        if (sport == 0) {
            EXPECT_EQ(info->L("Label51")->Caption(), IntToStr(r.Points));
            EXPECT_EQ(info->L("Label47")->Caption(), FloatToStrF(r.Nuls * 100.0 / r.Joues, ffFixed, 5, 2) + "%");
        }
        EXPECT_TRUE(f->p_FondAffiche->Visible());
        kit::Process(30);
        kit::GrabToPng(f.get(), std::string("info-") + noms[sport] + "-page" + IntToStr(p.Page));
    }
    if (sport == 0) {
        EXPECT_NE(dynamic_cast<Tf_InfoGeneralFoot*>(f->Enfant), nullptr);
    } else {
        EXPECT_NE(dynamic_cast<Tf_InfoGeneralBasket*>(f->Enfant), nullptr);
        EXPECT_EQ(f->Enfant->Name(), "f_InfoGeneral");
    }

    // one matchday's distribution, then the whole window again
    int journee = 2;
    f->MenuDispatch("", 34, nullptr, journee, true);
    auto* repartition = dynamic_cast<Tf_InfoGeneral*>(f->Enfant);
    ASSERT_NE(repartition, nullptr);
    EXPECT_TRUE(repartition->RepartitionJournee);
    EXPECT_EQ(repartition->PageActive(), 2);
    const TCompteursMinutes deux = TClasseInfoGeneral::RepartitionMinutes(f->Saison.get(), 2);
    for (int x = 1; x <= repartition->GraphBarre5->NbPointX(); ++x)
        EXPECT_EQ(std::max(repartition->GraphBarre5->ValeurPoint(0, x), 0), deux[static_cast<size_t>(x - 1)]) << x;
    if (sport == 0) {
        EXPECT_EQ(std::accumulate(deux.begin(), deux.end(), 0), c.NbMatchJournee(2));
        kit::GrabToPng(f.get(), "info-foot-journee2");
    }
    ASSERT_TRUE(Commande(*f, 172));
    auto* complet = dynamic_cast<Tf_InfoGeneral*>(f->Enfant);
    ASSERT_NE(complet, nullptr);
    EXPECT_FALSE(complet->RepartitionJournee);
    EXPECT_EQ(complet->PageActive(), 1);
    EXPECT_EQ(complet->L("Label41")->Caption(), IntToStr(r.Joues));
    const TCompteursMinutes tout = TClasseInfoGeneral::RepartitionMinutes(f->Saison.get(), 0);
    for (int x = 1; x <= complet->GraphBarre5->NbPointX() && sport == 0; ++x)
        EXPECT_EQ(std::max(complet->GraphBarre5->ValeurPoint(0, x), 0), tout[static_cast<size_t>(x - 1)]) << x;
    EXPECT_TRUE(f->Messages.empty()) << ::testing::PrintToString(f->Messages);
    ModifSaison = 0;
    TermineFenetre(f);
}

INSTANTIATE_TEST_SUITE_P(Sports, InfoGeneralFenetre, ::testing::Values(0, 2));

// In both languages, on a season made through the windows: crowds of 40000
// and 59490 at two of five played matches and one at a match still to play;
// no scorer typed, a missed penalty. The average counts the two known crowds, the best
// attendances list played matches only, matchday 1's summary ranks after
// matchday 1, and its detail shows only the half-time that is known.
TEST(ChiffresFenetres, AttendancesRanksAndHalfTimesInBothLanguages)
{
    for (const char* langue : {"fr", "en"}) {
        SCOPED_TRACE(langue);
        const std::string dir = Prepare(std::string("chiffres_") + langue);
        TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", langue);
        auto f = LanceFenetre();
        CreeSaison(*f, 0);
        ASSERT_NE(f->Saison, nullptr);
        const auto liste = f->Saison->Arbre().ListeChampionnats();
        TDonneesChampionnat& c = *(liste[0]->NbEquipe() == 6 ? liste[0] : liste[1]);
        ASSERT_TRUE(f->Saison->SelectionneChampionnat(c.CodeChamp));
        constexpr int V = TInfoComp::ScoreVide;
        auto m = [&](int d, int k, int a, int b, int sa, int sb, int affluence) {
            c.CreeMatch(d, c.IdEquipe(a), c.IdEquipe(b), sa, sb);
            if (affluence > 0)
                c.SetAffluenceMatch(d, k, affluence);
        };
        m(1, 1, 0, 1, 2, 1, 40000);
        m(1, 2, 2, 3, 0, 0, 59490);
        m(1, 3, 4, 5, 1, 1, 0);
        m(2, 1, 1, 2, 3, 0, 0);
        m(2, 2, 3, 4, 1, 1, 0);
        m(2, 3, 5, 0, V, V, 12345);
        // a missed penalty tells nothing of a half-time
        c.ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(0x0FFFFFFF, c.IdEquipe(4), 0, evtHorsScore));
        c.DerniereJournee = static_cast<uint8_t>(c.CalculeDerniereJournee());
        ASSERT_EQ(c.DerniereJournee, 2);
        const std::string suffixe = std::string("-") + langue;

        ASSERT_TRUE(Commande(*f, 172));
        auto* info = dynamic_cast<Tf_InfoGeneral*>(f->Enfant);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->L("Label46")->Caption(), "49745");
        kit::Process(30);
        kit::GrabToPng(f.get(), "chiffres-info" + suffixe);
        ASSERT_TRUE(Commande(*f, 175));
        kit::Process(30);
        const TColorStringGrid& g = *info->sg_Affluence;
        ASSERT_EQ(g.RowCount(), 2);
        for (int r = 0; r < g.RowCount(); ++r)
            for (int k = 0; k < g.ColCount(); ++k)
                EXPECT_EQ(g.Cells(k, r).find("65535"), std::string::npos) << k << ", " << r;
        kit::GrabToPng(f.get(), "chiffres-affluences" + suffixe);

        int journee = 1;
        f->MenuDispatch("", 27, nullptr, journee, true);
        auto* divers = dynamic_cast<Tf_DiversStat*>(f->Enfant);
        ASSERT_NE(divers, nullptr);
        const std::string n0 = f->Saison->NomEquipeCourant(c.IdEquipe(0)),
                          n1 = f->Saison->NomEquipeCourant(c.IdEquipe(1));
        EXPECT_EQ(divers->sg_Stats->Cells(0, 1), n0 + " (1)");
        EXPECT_EQ(divers->sg_Stats->Cells(2, 1), n1 + " (6)");
        kit::GrabToPng(f.get(), "chiffres-journee" + suffixe);
        journee = 1;
        f->MenuDispatch("", 26, nullptr, journee, true);
        ASSERT_EQ(f->Enfant, divers);
        std::vector<std::string> lignes;
        for (int i = 1; i <= divers->e_Detail->NbLigne(); ++i)
            if (const TLigneEditeur* l = divers->e_Detail->Ligne(i); l && !l->Texte.empty())
                lignes.push_back(l->Texte);
        const std::string n2 = f->Saison->NomEquipeCourant(c.IdEquipe(2)),
                          n3 = f->Saison->NomEquipeCourant(c.IdEquipe(3));
        ASSERT_GE(lignes.size(), 2u);
        // a colon as the language writes it
        const std::string deuxPoints = langue == std::string("fr") ? " : " : ": ";
        EXPECT_EQ(lignes[0], n0 + " - " + n1 + deuxPoints + "2 - 1");
        EXPECT_EQ(lignes[2], n2 + " - " + n3 + deuxPoints + "0 - 0 (0-0)");
        const std::string m3 = f->Saison->NomEquipeCourant(c.IdEquipe(4)) + " - " +
                               f->Saison->NomEquipeCourant(c.IdEquipe(5)) + deuxPoints + "1 - 1";
        EXPECT_NE(std::find(lignes.begin(), lignes.end(), m3), lignes.end()) << m3;
        kit::GrabToPng(f.get(), "chiffres-detail" + suffixe);
        ModifSaison = 0;
        TermineFenetre(f);
    }
}

}  // namespace
