// The football second match page opened through the main window (command
// 16): stored assists and missed penalties shown as rows with an empty row to
// append, an assist by double click, a missed penalty by drag, the comment;
// written when another match shows and shown again; viewing alone changes
// nothing, a comment alone is written and counted a change; saved, reopened
// equal and counted by the players' statistics.
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
#include "results/w_Passeurs.h"
#include "shell/Commandes.h"
#include "shell/Globales.h"
#include "tests/results/FeuilleEssai.h"

using namespace essai;
using namespace feuille_essai;

namespace {

const bool pagesInscrites = (EnregistrePagesMatch(), true);

// The player numbers of the panel's rows ("" rows give 0).
std::vector<int32_t> Rangees(TFondScroll* f)
{
    std::vector<int32_t> v;
    for (int i = 0; i < f->NbControles(); ++i)
        if (auto* l = dynamic_cast<TWinControl*>(f->Controle(i)); l && l->Visible())
            if (auto* b = dynamic_cast<TCarton*>(l->Controls(0)))
                v.push_back(b->Text().empty() ? 0 : b->Numero);
    return v;
}

// (team, player, word) of the records of a kind on matchday n for two teams.
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

TEST(PasseursFoot, AssistsMissedPenaltiesAndCommentWrittenShownSaved)
{
    const std::string dir = Prepare("passeurs_foot");
    TSaisonComplete sc(0);
    sc.saison->SetChampionnatCourant(sc.ligue);
    sc.ligue->NbJournee = 4;
    const std::string fichier = MakePath(dir, "passeurs.xmc");
    auto f = SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    ASSERT_TRUE(f->Saison);
    TDonneesChampionnat& c = *f->Saison->ChampionnatCourant();
    ModifSaison = 0;

    ASSERT_TRUE(Commande(*f, 16));
    auto* p = dynamic_cast<Tf_PasseursFoot*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    const int h = p->IdDomicile, a = p->IdExterieur;
    const TInfoComp* m = c.Match(4, p->MatchCourant);
    const auto jh = sc.Joueurs(h), ja = sc.Joueurs(a);
    // The stored assist, then one empty row in every panel.
    EXPECT_EQ(Rangees(p->FondPasseur1), (std::vector<int32_t>{jh[1], 0}));
    EXPECT_EQ(Rangees(p->FondPasseur2), (std::vector<int32_t>{0}));
    EXPECT_EQ(Rangees(p->FondPenalty1), (std::vector<int32_t>{0}));
    EXPECT_EQ(p->m_Commentaire->GetText(), m->Commentaire());
    const auto butsAvant = Records(c, 2, 4, h, a);

    // Viewing and leaving: nothing is changed.
    p->UpDown1->ClickButton(btNext);
    EXPECT_EQ(ModifSaison, 0);
    p->UpDown1->ClickButton(btPrev);
    ASSERT_EQ(p->IdDomicile, h);

    // An away assist by double click (a row is appended), an away missed
    // penalty dragged onto the empty box, a comment. (The home list shows the
    // team's category, which has no player.)
    ChoisitEntree(p->Liste(2), 1);
    const int32_t passeur = ja[1];
    EXPECT_EQ(Rangees(p->FondPasseur2), (std::vector<int32_t>{passeur, 0}));
    EXPECT_EQ(p->Liste(1)->Items().Count(), 0);
    const TRect e = p->Liste(2)->ItemRect(0);
    const int32_t tireur = NumeroEntreeListe(p->Liste(2)->Items()[0], 8, true);
    auto* ligne = dynamic_cast<TWinControl*>(p->FondPenalty2->Controle(0));
    ASSERT_NE(ligne, nullptr);
    kit::Drag(p->Liste(2), {e.Left + 5, e.Top + 3}, ligne->Controls(0), {20, 10});
    EXPECT_EQ(Rangees(p->FondPenalty2), (std::vector<int32_t>{tireur, 0}));
    p->m_Commentaire->SetText(L1("Match arrêté"));
    kit::GrabToPng(f.get(), "passeurs_foot");

    p->UpDown1->ClickButton(btNext);
    EXPECT_EQ(ModifSaison, 1);
    std::vector<std::tuple<int, int32_t, int>> passes = {{h, jh[1], 0}, {a, passeur, 0}};
    std::sort(passes.begin(), passes.end());
    EXPECT_EQ(Records(c, 4, 4, h, a), passes);
    auto buts = butsAvant;
    buts.emplace_back(a, tireur, 0x800);
    std::sort(buts.begin(), buts.end());
    EXPECT_EQ(Records(c, 2, 4, h, a), buts);   // the goals kept
    EXPECT_EQ(m->Commentaire(), L1("Match arrêté"));

    // Shown again.
    p->UpDown1->ClickButton(btPrev);
    ASSERT_EQ(p->IdDomicile, h);
    EXPECT_EQ(Rangees(p->FondPasseur2), (std::vector<int32_t>{passeur, 0}));
    EXPECT_EQ(Rangees(p->FondPenalty2), (std::vector<int32_t>{tireur, 0}));
    EXPECT_EQ(p->m_Commentaire->GetText(), L1("Match arrêté"));

    // A comment alone: written, events as they were, a change.
    ModifSaison = 0;
    p->m_Commentaire->SetText("Pluie");
    p->UpDown1->ClickButton(btNext);
    EXPECT_EQ(m->Commentaire(), "Pluie");
    EXPECT_EQ(ModifSaison, 1);
    EXPECT_EQ(Records(c, 2, 4, h, a), buts);

    // Counted by the players' statistics.
    f->Saison->InvalideStats();
    f->Saison->CalculeStatJoueurs();
    const auto* j = dynamic_cast<const TJoueurFootball*>(f->Saison->Joueurs().ChercheJoueur(passeur, -1));
    ASSERT_NE(j, nullptr);
    EXPECT_GE(j->NbPasse(c.CodeChamp), 1);

    RepondBoite(mrOk);
    Commande(*f, 7);
    EXPECT_EQ(ModifSaison, 0);
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", nullptr, TousSports, etat, true);
    ASSERT_TRUE(relu);
    EXPECT_EQ(Document(*relu), Document(*f->Saison));
    TermineFenetre(f);
}

TEST(PasseursFoot, SeasonMadeThroughTheCreationWindows)
{
    Prepare("passeurs_creation");
    auto f = LanceFenetre();
    ASSERT_TRUE(CreeSaisonParFenetres(*f, 0));
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    const int h = c->IdEquipe(0), a = c->IdEquipe(1);
    c->CreeMatch(1, h, a, 1, 0);
    c->NbJournee = 1;
    f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur("Passeur", "Paul", -1, h));
    ASSERT_TRUE(Commande(*f, 16));
    auto* p = dynamic_cast<Tf_PasseursFoot*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    while (p->IdDomicile != h)
        p->UpDown1->ClickButton(btNext);
    ASSERT_EQ(p->Liste(1)->Items().Count(), 1);
    ChoisitEntree(p->Liste(1), 0);
    const int32_t id = Rangees(p->FondPasseur1).front();
    EXPECT_GT(id, 0);
    kit::GrabToPng(f.get(), "passeurs_creation");
    ASSERT_TRUE(Commande(*f, 13));   // the page goes: written
    EXPECT_EQ(Records(*c, 4, 1, h, a), (std::vector<std::tuple<int, int32_t, int>>{{h, id, 0}}));
    TermineFenetre(f);
}

}  // namespace

namespace {

// Rugby: cards with their minutes (a red card at 75 stored as 75 + 0x80, a
// minute past the bound kept within the minute bits), a missed penalty.
TEST(PasseursRugby, CardsWithMinutesAndMissedPenalties)
{
    const std::string dir = Prepare("passeurs_rugby");
    TSaisonComplete sc(1);
    sc.saison->SetChampionnatCourant(sc.ligue);
    sc.ligue->SetCategorieEquipe(1, 0);
    sc.ligue->NbJournee = 4;
    const std::string fichier = MakePath(dir, "rugby.xmc");
    auto f = SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    TDonneesChampionnat& c = *f->Saison->ChampionnatCourant();
    ModifSaison = 0;
    ASSERT_TRUE(Commande(*f, 16));
    auto* p = dynamic_cast<Tf_PasseursRugby*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    const int h = p->IdDomicile, a = p->IdExterieur;
    const auto jh = sc.Joueurs(h), ja = sc.Joueurs(a);
    EXPECT_EQ(Rangees(p->Fond(0, 1)), (std::vector<int32_t>{jh[1], 0}));
    EXPECT_EQ(BoiteVisible(p->Fond(0, 1), 0)->Minute()->Text(), "30");
    EXPECT_EQ(Rangees(p->Fond(1, 2)), (std::vector<int32_t>{ja[1], 0}));
    EXPECT_EQ(BoiteVisible(p->Fond(2, 1), 0)->Minute(), nullptr);

    // A home red card at 75, an away yellow card typed 200, a home missed penalty.
    TListe* lh = p->Liste(1);
    TListe* la = p->Liste(2);
    const int32_t rouge = NumeroEntreeListe(lh->Items()[0], 8, true);
    const int32_t jaune = NumeroEntreeListe(la->Items()[0], 8, true);
    const int32_t manque = NumeroEntreeListe(lh->Items()[1], 8, true);
    const TRect e0 = lh->ItemRect(0), e1 = lh->ItemRect(1), ea = la->ItemRect(0);
    kit::Drag(lh, {e0.Left + 5, e0.Top + 3}, BoiteVisible(p->Fond(1, 1), 0), {20, 10});
    kit::Type(BoiteVisible(p->Fond(1, 1), 0)->Minute(), "75");
    kit::Drag(la, {ea.Left + 5, ea.Top + 3}, BoiteVisible(p->Fond(0, 2), 0), {20, 10});
    // The third key would make a minute past the record's 127: refused
    // aloud, 20 kept.
    kit::Refusals().clear();
    kit::Type(BoiteVisible(p->Fond(0, 2), 0)->Minute(), "200");
    ASSERT_EQ(kit::Refusals().size(), 1u);
    EXPECT_EQ(kit::Refusals()[0].reason, TraduireFormat(4400, {200, 127}));
    EXPECT_EQ(BoiteVisible(p->Fond(0, 2), 0)->Minute()->Text(), "20");
    kit::Drag(lh, {e1.Left + 5, e1.Top + 3}, BoiteVisible(p->Fond(2, 1), 0), {20, 10});
    kit::GrabToPng(f.get(), "passeurs_rugby");
    p->UpDown1->ClickButton(btNext);
    EXPECT_EQ(ModifSaison, 1);
    std::vector<std::tuple<int, int32_t, int>> cartons = {
        {h, jh[1], 30}, {h, rouge, 75 | evtRouge}, {a, ja[1], evtRouge}, {a, jaune, 20}};
    std::sort(cartons.begin(), cartons.end());
    EXPECT_EQ(Records(c, 3, 4, h, a), cartons);
    const auto buts = Records(c, 2, 4, h, a);
    EXPECT_NE(std::find(buts.begin(), buts.end(), std::tuple<int, int32_t, int>{h, manque, 0x800}), buts.end());

    // Shown again: the red card in the home red cards with its minute.
    p->UpDown1->ClickButton(btPrev);
    ASSERT_EQ(p->IdDomicile, h);
    EXPECT_EQ(Rangees(p->Fond(1, 1)), (std::vector<int32_t>{rouge, 0}));
    EXPECT_EQ(BoiteVisible(p->Fond(1, 1), 0)->Minute()->Text(), "75");
    EXPECT_EQ(Rangees(p->Fond(2, 1)), (std::vector<int32_t>{manque, 0}));
    TermineFenetre(f);
}

}  // namespace

namespace {

// Every pair of panels of a second page under the heading of what it holds,
// in English: football assists and missed penalties; rugby yellow cards, red
// cards and missed penalty kicks.
TEST(SecondPages, EachPairOfPanelsUnderItsHeading)
{
    struct Cas
    {
        int sport;
        int panneau;      // pair of panels (from 0)
        const char* label;
        int texte;
    } cas[] = {
        {0, 0, "Label11", 918}, {0, 1, "Label1", 4943},
        {1, 0, "Label2", 679},  {1, 1, "Label3", 680},  {1, 2, "Label1", 514},
    };
    for (int sport : {0, 1}) {
        SCOPED_TRACE(sport);
        const std::string dir = Prepare("passeurs_titres" + std::to_string(sport));
        TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", "en");
        TSaisonComplete sc(sport);
        sc.saison->SetChampionnatCourant(sc.ligue);
        auto f = SauveEtOuvre(*sc.saison, MakePath(dir, "titres.xmc"));
        ASSERT_TRUE(f);
        ASSERT_EQ(f->Langue, "en");
        ASSERT_TRUE(Commande(*f, 16));
        auto* p = dynamic_cast<Tf_InfoMatchCadre*>(f->Enfant);
        ASSERT_NE(p, nullptr);
        auto fond = [p](int k, int cote) -> TFondScroll* {
            if (auto* foot = dynamic_cast<Tf_PasseursFoot*>(p))
                return foot->Fond(k, cote);
            return dynamic_cast<Tf_PasseursRugby*>(p)->Fond(k, cote);
        };
        kit::Process();
        for (const Cas& k : cas) {
            if (k.sport != sport)
                continue;
            auto* l = dynamic_cast<TLabel*>(p->FindComponent(k.label));
            ASSERT_NE(l, nullptr) << k.label;
            EXPECT_EQ(l->Caption(), Traduire(k.texte)) << k.label;
            EXPECT_TRUE(l->Visible());
            // just above its two panels, between their outer edges
            const TFondScroll *dom = fond(k.panneau, 1), *ext = fond(k.panneau, 2);
            EXPECT_LE(l->Top() + l->Height(), dom->Top()) << k.label;
            EXPECT_GE(l->Top() + l->Height(), dom->Top() - 6) << k.label;
            EXPECT_GE(l->Left(), dom->Left()) << k.label;
            EXPECT_LE(l->Left() + l->Width(), ext->Left() + ext->Width()) << k.label;
            if (k.panneau > 0) {
                const TFondScroll* dessus = fond(k.panneau - 1, 1);
                EXPECT_GE(l->Top(), dessus->Top() + dessus->Height()) << k.label;
            }
        }
        kit::GrabToPng(f.get(), "passeurs_titres_en" + std::to_string(sport));
        TermineFenetre(f);
    }
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(dessin_essai::DossierDonnees(), "texte\\Textefr.txt")));
}

}  // namespace
