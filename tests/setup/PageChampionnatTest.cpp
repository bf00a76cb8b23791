// The results page writes only into the championship it was loaded from, on a
// season made through the creation windows: command 193 writes it before the
// composition and remakes or closes it after; every road that replaces the page
// (menu bar, tree, favourite, history, championship change, options,
// composition, save, closing or opening a season) leaves the championship that
// became current as it was.
#include <gtest/gtest.h>

#include <functional>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "platform/gui/ActnList.h"
#include "platform/gui/Menus.h"
#include "results/w_Resultats.h"
#include "setup/w_Option.h"
#include "setup/w_RetirerChamp.h"
#include "tests/setup/CreationEssai.h"
#include "tests/setup/TableEssai.h"

using namespace essai;

namespace {

template <class T>
void Puis(std::function<void(T*)> action)
{
    essai::QuandFenetre<T>(std::move(action), essai::TAutresFenetres::MessageFerme);
}

// The season's championship other than c (its last one).
TDonneesChampionnat* AutreChampionnat(TSaison& s, const TDonneesChampionnat* c)
{
    TDonneesChampionnat* autre = nullptr;
    for (TDonneesChampionnat* x : s.Arbre().ListeChampionnats())
        if (x != c)
            autre = x;
    return autre;
}

// Everything of a championship's matches: its current matchday, then every
// slot of every matchday.
std::vector<int> Matchs(const TDonneesChampionnat& c)
{
    std::vector<int> v{c.NbJournee};
    for (int n = 1; n <= c.NbJour(); ++n)
        for (int k = 1; k <= 4 * c.NbMatch(); ++k)
            v.push_back(c.ValeurMatch(n, k));
    return v;
}

// The first match of matchday 1: home score, away score.
std::pair<int, int> PremierScore(const TDonneesChampionnat& c) { return {c.ValeurMatch(1, 2), c.ValeurMatch(1, 4)}; }

TMenuItem* ItemBarre(TMenuItem* m, intptr_t id)
{
    for (int i = 0; m && i < m->Count(); ++i) {
        if (m->Items(i)->Tag == id)
            return m->Items(i);
        if (TMenuItem* t = ItemBarre(m->Items(i), id))
            return t;
    }
    return nullptr;
}

// Command 193 with the championship of that code taken out, or nothing changed.
void Composition(FenetreEssai& f, int32_t retire)
{
    Puis<Tf_CreationSaison>([retire](Tf_CreationSaison* c) {
        if (retire) {
            for (TTreeNode* n = c->tv_Saison->Items().GetFirstNode(); n; n = n->GetNext())
                if (Tf_CreationSaison::Rec(n)->Objet && Tf_CreationSaison::Rec(n)->Objet->Code == retire)
                    c->tv_Saison->SetSelected(n);
            c->bc_RetirerElementClick();
            Puis<Tf_RetirerChamp>([](Tf_RetirerChamp* r) { r->b_Valider->Click(); });
        }
        c->b_Valider->Click();
    });
    Commande(f, 193);
    kit::Process(20);
    kit::ForgetModalActions();
}

}  // namespace

// Division 1's results page shown (nothing typed, or a played matchday still
// on it) when command 193 takes Division 1 out, or keeps it; then the forecast.
TEST(PageChampionnat, CompositionWritesThePageFirstAndRemakesOrClosesIt)
{
    const struct
    {
        const char* Nom;
        bool Retire;
        bool Tape;
    } cas[] = {{"taken out, nothing typed", true, false},
               {"taken out, a matchday typed", true, true},
               {"kept, a matchday typed", false, true}};
    for (const auto& k : cas) {
        SCOPED_TRACE(k.Nom);
        Prepare("page_composition");
        auto f = LanceFenetre();
        CreeSaison(*f, 0);
        ASSERT_NE(f->Saison, nullptr);
        TDonneesChampionnat* c1 = f->Saison->ChampionnatCourant();
        TDonneesChampionnat* c2 = AutreChampionnat(*f->Saison, c1);
        ASSERT_TRUE(c1 && c2);
        const int32_t code1 = c1->CodeChamp;
        if (k.Tape)
            ASSERT_NE(TapeJournee(*f, 1, {{"2", "1"}, {"1", "1"}}), nullptr);
        else
            ASSERT_TRUE(Commande(*f, 13));
        ASSERT_NE(dynamic_cast<Tf_Resultats*>(f->Enfant), nullptr);
        const std::vector<int> autre = Matchs(*c2);
        const uint32_t vues = f->VuesMontrees;

        Composition(*f, k.Retire ? code1 : 0);
        if (k.Retire) {
            EXPECT_EQ(f->Saison->Arbre().ChampionnatParCode(code1), nullptr);
            ASSERT_EQ(f->Saison->ChampionnatCourant(), c2);
            EXPECT_EQ(f->Enfant, nullptr);   // its championship went: the page too
        } else {
            ASSERT_EQ(f->Saison->ChampionnatCourant(), c1);
            EXPECT_EQ(PremierScore(*c1), std::make_pair(2, 1));   // written before the composition
            EXPECT_NE(dynamic_cast<Tf_Resultats*>(f->Enfant), nullptr);
            EXPECT_EQ(f->VuesMontrees, vues + 1);   // made again
        }
        // The forecast shows the next matchday while it is up, then gives the
        // championship its own back.
        ASSERT_TRUE(Commande(*f, 20));
        kit::Process(20);
        ASSERT_TRUE(Commande(*f, 40));
        EXPECT_EQ(Matchs(*c2), autre);
        if (!k.Retire) {
            EXPECT_EQ(PremierScore(*c1), std::make_pair(2, 1));
        }
        if (k.Tape && !k.Retire)
            kit::GrabToPng(f.get(), "page_apres_composition");
        ModifSaison = 0;
        TermineFenetre(f);
    }
}

// The page's championship is no longer current (as 193 once left it) when a
// road replaces or commits the page: what it holds goes into its own
// championship, the current one stays as it was.
TEST(PageChampionnat, EveryRoadWritesThePageIntoItsOwnChampionship)
{
    struct TRoute
    {
        const char* Nom;
        std::function<void(FenetreEssai&, const std::string& autreFichier)> Action;
        bool Ferme;   // the season goes: checked in its file
    };
    const TRoute routes[] = {
        {"menu bar",
         [](FenetreEssai& f, const std::string&) {
             TMenuItem* m = ItemBarre(f.mm_Menu->Items(), 41);
             ASSERT_NE(m, nullptr);
             m->Click();
         },
         false},
        {"tree", [](FenetreEssai& f, const std::string&) { Choisit(f, f.TrouveNoeud(40)); }, false},
        {"favourite", [](FenetreEssai& f, const std::string&) { f.Actions[0]->Execute(); }, false},
        {"back", [](FenetreEssai& f, const std::string&) { f.NavigueHistorique(true); }, false},
        {"championship chosen",
         [](FenetreEssai& f, const std::string&) {
             Choisit(f, Noeud(f, static_cast<intptr_t>(f.Saison->ChampionnatCourant()->CodeChamp) << 16));
         },
         false},
        {"options cancelled",
         [](FenetreEssai& f, const std::string&) {
             Puis<Tf_Option>([](Tf_Option* o) { o->SetModalResult(mrCancel); });
             Commande(f, 176);
         },
         false},
        {"composition cancelled",
         [](FenetreEssai& f, const std::string&) {
             Puis<Tf_CreationSaison>([](Tf_CreationSaison* c) { c->b_Annuler->Click(); });
             Commande(f, 193);
         },
         false},
        {"save",
         [](FenetreEssai& f, const std::string&) {
             RepondBoite(mrOk);
             Commande(f, 7);
         },
         false},
        {"close",
         [](FenetreEssai& f, const std::string&) {
             f.Reponses = {mrYes};
             RepondBoite(mrOk);
             Commande(f, 9);
         },
         true},
        {"open another",
         [](FenetreEssai& f, const std::string& autre) {
             f.Reponses = {mrYes};
             RepondBoite(mrOk);
             f.OpenFile(autre);
         },
         true},
    };
    for (const TRoute& route : routes) {
        SCOPED_TRACE(route.Nom);
        const std::string dir = Prepare("page_routes", true);
        TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Favoris", "40");
        const std::string autreFichier = EcritSaison(MakePath(dir, "sauvegarde/autre.xmc"), 0);
        auto f = LanceFenetre();
        CreeSaison(*f, 0);
        ASSERT_NE(f->Saison, nullptr);
        TDonneesChampionnat* c1 = f->Saison->ChampionnatCourant();
        TDonneesChampionnat* c2 = AutreChampionnat(*f->Saison, c1);
        ASSERT_TRUE(c1 && c2);
        const int32_t code1 = c1->CodeChamp, code2 = c2->CodeChamp;
        const std::string fichier = NomFichierCourant;
        ASSERT_TRUE(Commande(*f, 40));   // a view before the page, for "back"
        ASSERT_NE(TapeJournee(*f, 1, {{"2", "1"}, {"1", "1"}}), nullptr);
        const std::vector<int> autre = Matchs(*c2);
        f->Saison->SetChampionnatCourant(c2);

        route.Action(*f, autreFichier);
        kit::Process(20);
        kit::ForgetModalActions();
        if (!route.Ferme) {
            EXPECT_EQ(Matchs(*c2), autre);
            EXPECT_EQ(PremierScore(*c1), std::make_pair(2, 1));
        } else {
            uint8_t etat = 0;
            auto relu = TTraiteurFichier::Charger(fichier, "", "", nullptr, TousSports, etat, true);
            ASSERT_TRUE(relu);
            const TDonneesChampionnat* r1 = relu->Arbre().ChampionnatParCode(code1);
            const TDonneesChampionnat* r2 = relu->Arbre().ChampionnatParCode(code2);
            ASSERT_TRUE(r1 && r2);
            EXPECT_EQ(Matchs(*r2), autre);
            EXPECT_EQ(PremierScore(*r1), std::make_pair(2, 1));
        }
        ModifSaison = 0;
        TermineFenetre(f);
    }
}
