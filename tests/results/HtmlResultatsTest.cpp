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
#include "tests/support/ChampionnatBuilder.h"
#include "tests/support/gui/GuiKit.h"
#include "ui/GestionFonction.h"

namespace {

constexpr uint16_t V = TInfoComp::ScoreVide;

size_t Compte(const std::string& s, const std::string& motif)
{
    size_t n = 0;
    for (size_t p = s.find(motif); p != std::string::npos; p = s.find(motif, p + 1))
        ++n;
    return n;
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
        EnregistreResultats();
    }
    std::string Score(const std::vector<std::string>& p)
    {
        const TFonctionEnregistree* e = GestionFonctions().Cherche("Score");
        EXPECT_NE(e, nullptr);
        EXPECT_EQ(e->Genre, 0);
        TOwned<TForm> f(e->Classe.Cree(nullptr));
        TStringList params;
        for (const auto& x : p)
            params.Add(x);
        std::string r;
        dynamic_cast<TFootForm*>(f.get())->ExecuteFonction("Score", params, r, TCouleurElement(), "", c.saison.get());
        return r;
    }
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

}  // namespace
