// Basketball and handball seasons with box scores for every code, written as a
// season document, read back and written again.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/ChampionnatStat.h"
#include "model/MultiSport.h"
#include "model/SaisonSports.h"
#include "model/Saison_Stats.h"
#include "tests/model/Outils.h"
#include "tests/support/SaisonStatBuilder.h"

namespace {

std::string DocumentSaison(TSaison& s)
{
    return Document([&](TXmlWriter& w) {
        w.OuvreElement("Gormelide");
        s.Ecrit(w);
        w.FermeElement("Gormelide");
    });
}

std::unique_ptr<TSaison> LitSaison(int sport, const std::string& doc)
{
    auto s = TMultiSport::CreeSaison(sport);
    TMemoryStream flux;
    Remplit(flux, doc);
    TXmlStreamReader r(flux);
    for (uint8_t t = r.ElementSuivant(); t != xmlFinFlux; t = r.ElementSuivant())
        if (t == xmlDebut && r.Nom() == "Gormelide") {
            s->Lit(r);
            break;
        }
    return s;
}

// A season of the sport: two leagues, players, referees, period scores, entry
// options, weights and bands, and a box score with every code of the sport.
std::unique_ptr<TSaisonStatEssai> Saison(int sport)
{
    auto s = std::make_unique<TSaisonStatEssai>(sport, 4, 2, 2);
    TPersonnelStat* r = s->Arbitre("Sifflet", "Sam");
    for (int k = 0; k < 2; ++k) {
        TDonneesChampionnatStat& c = s->Stat(k);
        c.SetStatActive(3, 0);
        c.SetValeurEval(c.PremiereEval() + 1, 7);
        c.AjoutePonderation({0, 10, 50});
        c.AjoutePonderation({11, 48, 100});
        const int e0 = s->Equipe(0, k), e1 = s->Equipe(1, k), e2 = s->Equipe(2, k), e3 = s->Equipe(3, k);
        std::vector<TJoueur*> joueurs;
        for (int i = 0; i < 4; ++i)
            joueurs.push_back(s->Joueur("Nom" + std::to_string(k) + std::to_string(i), "Prenom", s->Equipe(i, k)));
        TInfoComp* m = c.CreeMatch(1, e0, e1, 81, 77);
        m->SetOfficiel(1, r->Numero);
        m->SetAffluence(3000);
        for (int p = 1; p <= c.NbPeriodes(); ++p) {
            m->SetScorePeriode(0, p, 10 + p);
            if (p != 2)
                m->SetScorePeriode(1, p, 20 + p);
        }
        for (int code = c.PremierCode(); code <= c.DernierCode(); ++code) {
            s->Evenement(1, code, joueurs[0], e0, static_cast<uint16_t>(code + 1), k);
            s->Evenement(1, code, joueurs[1], e1, static_cast<uint16_t>(2 * code), k);
        }
        s->EvenementId(1, c.PremierCode() + 1, 31337, e1, 4, k);   // a player nobody knows
        c.CreeMatch(1, e2, e3, 65535, 65535);
        c.CreeMatch(2, e3, e2, 60, 59);
        s->Evenement(2, c.PremierCode() + 1, joueurs[3], e3, 60, k);
    }
    return s;
}

// The time of the writing aside: a second may pass between two writings.
void MemeHeure(std::string& relu, const std::string& doc)
{
    const auto heure = [](const std::string& d) {
        const size_t a = d.find("<LastModif>"), b = d.find("</LastModif>");
        return a == std::string::npos || b == std::string::npos ? std::string() : d.substr(a, b - a);
    };
    if (const std::string h = heure(relu); !h.empty())
        relu.replace(relu.find(h), h.size(), heure(doc));
}

}   // namespace

class SaisonStat : public ::testing::TestWithParam<int>
{
};

TEST_P(SaisonStat, AllerRetourOctetPourOctet)
{
    const int sport = GetParam();
    auto s = Saison(sport);
    const std::string doc = DocumentSaison(*s->saison);
    EXPECT_NE(doc.find(sport == 2 ? "<StatBasket" : "<StatHandball"), std::string::npos);
    EXPECT_NE(doc.find("Joueur=\"31337\""), std::string::npos);
    EXPECT_NE(doc.find("<PondEvals>"), std::string::npos);
    EXPECT_NE(doc.find("<ScorePeriode2>"), std::string::npos);

    auto lue = LitSaison(sport, doc);
    std::string doc2 = DocumentSaison(*lue);
    MemeHeure(doc2, doc);
    const auto ecart = std::mismatch(doc.begin(), doc.end(), doc2.begin(), doc2.end());
    EXPECT_TRUE(doc2 == doc) << "first difference at byte " << (ecart.first - doc.begin()) << ": "
                             << doc.substr(static_cast<size_t>(ecart.first - doc.begin()), 80);

    // The season read counts the same statistics.
    TSourceStats a = s->Source();
    TSourceStats b{sport, lue->Arbre().ListeChampionnats(), &lue->Joueurs(), &lue->Arbitres()};
    const TRapportStats ra = CalculeStatJoueurs(a), rb = CalculeStatJoueurs(b);
    EXPECT_EQ(ra.Orphelins, rb.Orphelins);
    ASSERT_EQ(a.Joueurs->NbJoueur(), b.Joueurs->NbJoueur());
    const int code = sport == 2 ? 6 : 22;
    for (int i = 0; i < a.Joueurs->NbJoueur(); ++i)
        EXPECT_EQ(a.Joueurs->Joueur(i)->Stat(1, code), b.Joueurs->Joueur(i)->Stat(1, code)) << i;
}

// A box-score line with no figure, closed at once or by its end tag, as the
// match's last element: the match and what follows it are read as they are.
TEST_P(SaisonStat, EmptyLineLeavesTheMatchFiguresAfterIt)
{
    const int sport = GetParam();
    auto s = Saison(sport);
    const std::string doc = DocumentSaison(*s->saison);
    const std::string nom = sport == 2 ? "StatBasket" : "StatHandball";
    const std::string fin = "</" + nom + ">\r\n";
    const size_t ou = doc.find(fin + "</Match>\r\n");
    ASSERT_NE(ou, std::string::npos);
    for (const std::string& vide : {"<" + nom + " Equipe=\"1\" Joueur=\"5\"/>\r\n",
                                    "<" + nom + " Equipe=\"1\" Joueur=\"5\">\r\n</" + nom + ">\r\n"}) {
        std::string avec = doc;
        avec.insert(ou + fin.size(), vide);
        std::string relu = DocumentSaison(*LitSaison(sport, avec));
        MemeHeure(relu, doc);
        const auto ecart = std::mismatch(doc.begin(), doc.end(), relu.begin(), relu.end());
        EXPECT_TRUE(relu == doc) << vide << " first difference at byte " << (ecart.first - doc.begin()) << ": "
                                 << doc.substr(static_cast<size_t>(ecart.first - doc.begin()), 120) << " / " << relu.substr(static_cast<size_t>(ecart.second - relu.begin()), 120);
    }
}

TEST_P(SaisonStat, LaSaisonDuSportCreeSesChampionnats)
{
    const int sport = GetParam();
    auto c = TMultiSport::CreeSaison(sport)->CreeChampionnat(TDonneesChampionnat::TypeChamp, 0);
    ASSERT_NE(c, nullptr);
    auto* stat = dynamic_cast<TDonneesChampionnatStat*>(c.get());
    ASSERT_NE(stat, nullptr);
    EXPECT_EQ(stat->Sport(), sport);
}

INSTANTIATE_TEST_SUITE_P(Sports, SaisonStat, ::testing::Values(2, 3));
