// The results as HTML: the page saved by command 182 on the results page and
// the template function "Score" answered through the registry.
#include <gtest/gtest.h>

#include <fstream>

#include "model/Championnat.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "results/Resultats.h"
#include "results/w_Resultats.h"
#include "model/Personnels.h"
#include "model/Stades.h"
#include "tests/support/ChampionnatBuilder.h"
#include "tests/views/VuesEssai.h"
#include "tests/support/gui/GuiKit.h"
#include "model/Utilities.h"
#include "ui/GestionFonction.h"
#include "ui/GridHtml.h"

namespace {

constexpr uint16_t V = TInfoComp::ScoreVide;

size_t Compte(const std::string& s, const std::string& motif)
{
    size_t n = 0;
    for (size_t p = s.find(motif); p != std::string::npos; p = s.find(motif, p + 1))
        ++n;
    return n;
}

// A template function answered through the registry by a new view of its class.
std::string Fonction(const std::string& nom, int genre, TSaison& s, const std::vector<std::string>& p)
{
    EnregistreResultats();
    const TFonctionEnregistree* e = GestionFonctions().Cherche(nom);
    EXPECT_NE(e, nullptr);
    if (!e)
        return {};
    EXPECT_EQ(e->Genre, genre);
    TOwned<TForm> f(e->Classe.Cree(nullptr));
    TStringList params;
    for (const auto& x : p)
        params.Add(x);
    std::string r;
    dynamic_cast<TFootForm*>(f.get())->ExecuteFonction(nom, params, r, TCouleurElement(), "", &s);
    return r;
}

// Matchday 1 of four teams: "A & <B>" 2-1 Equipe 1, Equipe 2 - Equipe 3 postponed.
struct Html : ::testing::Test
{
    TChampionnatEssai c{0, 4, TDonneesChampionnat::TypeChamp, 6};
    void SetUp() override
    {
        c.saison->RenommeEquipe(0, "A & <B>");
        c->CreeMatch(1, 0, 1, 2, 1);
        c->CreeMatch(1, 2, 3, V, V);
        c->Penalites().Ajoute(2, 3, V, V, 1, etatReporte);
        c->NbJournee = 1;
    }
    std::string Score(const std::vector<std::string>& p) { return Fonction("Score", 0, *c.saison, p); }
};

TEST_F(Html, PageOfTheShownMatchdayIsBalancedAndEscaped)
{
    TOwned<Tf_Resultats> r(new Tf_Resultats(nullptr));
    r->ChangeSaison(c.saison.get());
    r->Init();
    r->CreeLignes();
    const std::string f = MakePath(kit::TempDir(), "journee.htm");
    r->EnregistreHTML(f);
    std::ifstream in(f, std::ios::binary);
    const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(Compte(page, "<tr"), 3u);
    EXPECT_EQ(Compte(page, "</tr>"), 3u);
    EXPECT_EQ(Compte(page, "<td"), Compte(page, "</td>"));
    EXPECT_EQ(Compte(page, "<tr BGCOLOR=#"), 2u);
    EXPECT_NE(page.find("A &amp; &lt;B&gt;"), std::string::npos);
    EXPECT_NE(page.find(">2 - 1</td>"), std::string::npos);
    EXPECT_NE(page.find("> - </td>"), std::string::npos);
    EXPECT_NE(page.find("\r\n"), std::string::npos);
    r.reset();
}

TEST_F(Html, ScoreRowsStatesAndLinks)
{
    std::string s = Score({});
    EXPECT_EQ(s.rfind("<table", 0), 0u);
    EXPECT_EQ(Compte(s, "<tr"), 3u);
    EXPECT_NE(s.find("A &amp; &lt;B&gt;"), std::string::npos);
    EXPECT_NE(s.find(">2 - 1</Font>"), std::string::npos);
    EXPECT_NE(s.find(">Remis  </Font>"), std::string::npos);
    EXPECT_NE(s.find("BGCOLOR=\"#FFFFFF\""), std::string::npos);   // match 1 odd
    EXPECT_NE(s.find("BGCOLOR=\"#C0C0C0\""), std::string::npos);

    // A forfeit names the side that lost it.
    c->Penalites().SupprimeJournee(1);
    c->Penalites().AjoutePenalite(0, 1, 0, 3, 1);
    EXPECT_NE(Score({}).find("A &amp; &lt;B&gt; (forfait)"), std::string::npos);

    // Links to the detail pages of played matches, the page list first.
    c->CreeMatch(1, 2, 3, 1, 1);
    c->Penalites().SupprimeJournee(1);
    s = Score({"FicheDetail=match.htm", "ParametreLien=x=1", "#ExtraExt=b"});
    EXPECT_EQ(s.rfind("#$match2b.htm-match.htm-Match=2$match1b.htm-match.htm-Match=1#", 0), 0u);
    EXPECT_NE(s.find("<a href=match1b.htm?x=1>2 - 1</a>"), std::string::npos);
    // With "$score2$" first there is no link.
    s = Score({"FicheDetail=match.htm", "FormatLigne=$score2$:$score1$ $date$;"});
    EXPECT_EQ(s.find("<a href"), std::string::npos);
    EXPECT_NE(s.find("1:2 -;"), std::string::npos);
    // Without a complete pairing only the title row.
    s = Score({"Journee=2"});
    EXPECT_EQ(Compte(s, "<tr"), 1u);
    EXPECT_NE(s.find(Traduire(85) + " 2"), std::string::npos);
}

std::string Rapport(TSaison& s, const std::vector<std::string>& p) { return Fonction("RapportMatch", 4, s, p); }

TEST(RapportMatch, SectionsNamedByTheCallForEachSport)
{
    vues::TSaisonVue v = vues::SaisonVue(0);
    if (!Traducteur())
        InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(vues::DossierDonnees(), "texte\\Textefr.txt")));
    TSaison& s = *v.saison;
    TDonneesChampionnat& c = v.C();
    TInfoComp* m = c.Match(1, 1);
    const int h = m->IdEquipe(0), a = m->IdEquipe(1);
    s.Arbitres().AjoutePersonnel(std::make_unique<TPersonnel>(7, 40, "Jean", "Sifflet"));
    m->SetArbitre(7);
    c.ListeButeurs(1)->Vide();
    c.ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(0, h, 12, 0x100));
    c.ListeAvertis(1)->Vide();
    c.ListeAvertis(1)->Ajoute(std::make_unique<TDonneesEvt>(0, a, 40, 0));
    c.ListeAvertis(1)->Ajoute(std::make_unique<TDonneesEvt>(0, a, 80, 0x80));
    m->SetJoueurTitulaire(h, 1, 5);
    m->SetRemplacement(h, 5, 6, 60, 1);
    m->SetJoueurTitulaire(a, 1, 9);
    m->SetRemplacement(a, 9, 10, 70, 1);
    const std::string base = Rapport(s, {"Journee=1", "Match=1"});
    EXPECT_EQ(Compte(base, "<tr"), 1u);
    EXPECT_NE(base.find(Traduire(700)), std::string::npos);
    const std::string tout =
        Rapport(s, {"Journee=1", "Match=1", "MontreAffluence", "MontreArbitre", "MontreButeur", "MontreCarton",
                    "MontreEffectif"});
    EXPECT_EQ(Compte(tout, "<tr"), Compte(tout, "</tr>"));
    EXPECT_EQ(Compte(tout, "<td"), Compte(tout, "</td>"));
    EXPECT_NE(tout.find(IntToStr(m->Affluence())), std::string::npos);
    EXPECT_NE(tout.find("Sifflet Jean"), std::string::npos);   // name, then first name
    EXPECT_NE(tout.find("12\xB0"), std::string::npos);
    EXPECT_NE(tout.find(EchappeHTML(LibelleTypeButCourt(1))), std::string::npos);
    EXPECT_NE(tout.find(Traduire(974)), std::string::npos);
    EXPECT_NE(tout.find(Traduire(975)), std::string::npos);
    EXPECT_NE(tout.find(L1("(sorti à la 60") + "\xB0)"), std::string::npos);
    EXPECT_NE(tout.find(L1("(entré à la 70") + "\xB0)"), std::string::npos);
    // Rugby adds its kicks; basketball shows each team's statistics.
    vues::TSaisonVue r = vues::SaisonVue(1);
    EXPECT_NE(Rapport(*r.saison, {"Journee=1", "MontreButeur"}).find(Traduire(488)), std::string::npos);
    vues::TSaisonVue b = vues::SaisonVue(2);
    const std::string basket = Rapport(*b.saison, {"Journee=1", "MontreButeur"});
    EXPECT_NE(basket.find(Traduire(1233)), std::string::npos);
    EXPECT_NE(basket.find("%)"), std::string::npos);
    EXPECT_EQ(basket.find(Traduire(974)), std::string::npos);
}

}  // namespace
