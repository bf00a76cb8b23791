// A cup stays one bracket whatever is retyped. A walker drives the results
// page of cups of every kind of tie, from fixed seeds, through its roads at
// random; each change asks once at most, naming exactly the played matches
// that go, the others keep their records, No leaves season and page as they
// were and asks again; no team plays twice on a matchday, every team of a
// later round went through the ties it played (who goes through is read here
// as a user reads the rules), no tie plays once decided, no record lacks its
// match; saved and reopened, the same. Then a row for each case users met.
#include <gtest/gtest.h>

#include <random>

#include "files/TraiteurFichier.h"
#include "model/MultiSport.h"
#include "platform/gui/ComCtrls.h"
#include "results/Saisie.h"
#include "results/w_DialoguesResultats.h"
#include "tests/results/PageResultatsEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/message2.h"
#include "views/Textes.h"

using namespace page_essai;

namespace {

constexpr uint16_t V = TInfoComp::ScoreVide;

// A cup of 2^k teams, the kinds of its k rounds from the first; matchday 1
// holds 0-1, 2-3... to play.
std::unique_ptr<TSaison> Coupe(int sport, const std::vector<uint16_t>& genres, bool petiteFinale)
{
    auto s = TMultiSport::CreeSaison(sport);
    auto c = s->CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
    c->OptionsParDefaut();
    const int k = int(genres.size()), n = 1 << k;
    std::vector<TInfoTourCoupe> tours;
    for (int r = 0; r < k; ++r)
        tours.push_back({uint16_t(k - r), uint16_t(n >> (r + 1)), genres[size_t(r)]});
    c->CreeToursCoupe(tours);
    c->SetOption(1, k);
    c->PetiteFinale = petiteFinale;
    for (int i = 0; i < n; ++i)
        c->AjouteEquipe(s->AjouteEquipe(vues::NomsFoot[i]));
    for (int i = 0; i < n; i += 2)
        c->CreeMatch(1, i, i + 1, V, V);
    s->SetChampionnatCourant(s->Arbre().AjouteChampionnat("Coupe", "Coupe", std::move(c), "France")->Championnat());
    return s;
}

// ---- who goes through, as a user reads the rules ---------------------------------------

struct Jeu
{
    int h, a, sh, sa;   // sh -1: to play
    uint32_t tirs;
    bool Entre(int x, int y) const { return (h == x && a == y) || (h == y && a == x); }
};

struct Tie
{
    int x, y, gagnant = -1, perdant = -1, decision = 0;
};

// The tie x - y of a round of that kind from matchday p, its games read from x's side.
Tie Decide(const std::vector<std::vector<Jeu>>& e, int genre, int p, int x, int y)
{
    Tie t{x, y};
    std::vector<const Jeu*> g;
    for (size_t d = size_t(p); d < e.size() && g.size() == d - size_t(p); ++d)
        for (const Jeu& m : e[d])
            if (m.Entre(x, y) && m.sh >= 0)
                g.push_back(&m);
    auto buts = [&](size_t i, int eq) { return g[i]->h == eq ? g[i]->sh : g[i]->sa; };
    auto ecart = [&](size_t i) { return (buts(i, x) > buts(i, y)) - (buts(i, x) < buts(i, y)); };
    auto par = [&](int v) { return v > 0 ? x : (v < 0 ? y : -1); };
    // Level, the shoot-out decides when there is one.
    auto tirs = [&](size_t i) {
        const uint32_t s = g[i]->tirs;
        return s == 0 ? -1 : ((s >> 16 & 0xFF) > (s & 0xFF)) == (g[i]->h == x) ? x : y;
    };
    auto decide = [&](int v, size_t i) {
        if (v >= 0)
            t = {x, y, v, v == x ? y : x, p + int(i)};
    };
    const size_t n = g.size();
    if (genre == 1 && n >= 1)
        decide(ecart(0) ? par(ecart(0)) : tirs(0), 0);
    else if (genre == 2 && n >= 2) {
        // the aggregate, then the goals scored away
        const int total = buts(0, x) + buts(1, x) - buts(0, y) - buts(1, y);
        const int dehors = buts(g[0]->a == x ? 0 : 1, x) - buts(g[0]->a == y ? 0 : 1, y);
        decide(total ? par(total) : (dehors ? par(dehors) : tirs(1)), 1);
    } else if (genre == 3 && n >= 1)
        decide(ecart(0) ? par(ecart(0)) : (n >= 2 ? (ecart(1) ? par(ecart(1)) : tirs(1)) : -1), ecart(0) ? 0 : 1);
    else if (genre == 4 && n >= 2)
        decide(ecart(0) + ecart(1) ? par(ecart(0) + ecart(1)) : (n >= 3 ? (ecart(2) ? par(ecart(2)) : tirs(2)) : -1),
               ecart(0) + ecart(1) ? 1 : 2);
    else if (genre >= 5)
        // A lead above the games left decides (in a best of three, any lead
        // after two); level after the last, its winner, its away side if level.
        for (int i = 0, avance = 0, l = 2 * genre - 7; i < int(n) && t.gagnant < 0; ++i) {
            avance += ecart(size_t(i));
            if (std::abs(avance) > l - i - 1 || (l == 3 && i == 1 && avance))
                decide(par(avance), size_t(i));
            else if (i == l - 1)
                decide(ecart(size_t(i)) ? par(ecart(size_t(i))) : g[size_t(i)]->a, size_t(i));
        }
    return t;
}

// A record of the team on matchday d, as the match sheet gives it.
void Evenement(TDonneesChampionnat& c, int d, int equipe, bool oui = true)
{
    if (oui)
        c.ListesDonnees(d).front()->Ajoute(std::make_unique<TDonneesEvt>(1000 + equipe, equipe, 30, 0));
}

// Every rule of a written cup.
void Verifie(TDonneesChampionnat& c)
{
    std::vector<std::vector<Jeu>> e(size_t(c.NbJour()) + 1);
    for (int d = 1; d <= c.NbJour(); ++d)
        for (int k = 0; c.Journee(d) && k < c.Journee(d)->NbMatchs(); ++k) {
            const TInfoComp* m = c.Journee(d)->Match(k);
            const TPenaltyTab* p = c.Penalty(d, m->IdEquipe(0), m->IdEquipe(1));
            const bool joue = m->ScoresSaisis();
            e[size_t(d)].push_back({m->IdEquipe(0), m->IdEquipe(1), joue ? m->Score(0) & 0x7FFF : -1,
                                    joue ? m->Score(1) & 0x7FFF : -1, p ? (uint32_t(p->s1) << 16) + p->s2 : 0u});
        }
    std::vector<std::pair<int, std::vector<Tie>>> tours;   // first matchday, ties
    auto passe = [&](int eq, size_t r) {
        for (size_t k = 0; k < r; ++k)
            for (const Tie& t : tours[k].second)
                if ((t.x == eq || t.y == eq) && t.gagnant != eq)
                    return false;
        return true;
    };
    // Two semi-final losers, each through its ties before: the third-place match.
    auto troisieme = [&](const Jeu& m) {
        int n = 0;
        for (size_t k = 0; c.PetiteFinale && tours.size() >= 2 && k < tours[tours.size() - 2].second.size(); ++k)
            if (const int p = tours[tours.size() - 2].second[k].perdant; p >= 0 && (m.h == p || m.a == p))
                n += passe(p, tours.size() - 2);
        return n == 2;
    };
    for (int d = 1; d <= c.NbJour(); ++d) {
        const TInfoTourCoupe* t = c.TourCoupe(d - 1);
        if (tours.empty() || c.TourCoupe(tours.back().first - 1)->nTour != t->nTour) {
            tours.push_back({d, {}});
            for (const Jeu& m : e[size_t(d)])
                if (!(d == c.NbJour() && troisieme(m)))
                    tours.back().second.push_back(Decide(e, int(t->TypeMatch & 15), d, m.h, m.a));
        }
        std::vector<int> vues;
        for (const Jeu& m : e[size_t(d)]) {
            SCOPED_TRACE(testing::Message() << "matchday " << d << ": " << m.h << "-" << m.a);
            for (const int x : {m.h, m.a}) {
                EXPECT_EQ(std::count(vues.begin(), vues.end(), x), 0) << "twice";
                vues.push_back(x);
            }
            if (d == c.NbJour() && troisieme(m))
                continue;
            EXPECT_TRUE(passe(m.h, tours.size() - 1) && passe(m.a, tours.size() - 1)) << "a team out before";
            const auto& ties = tours.back().second;
            EXPECT_TRUE(std::any_of(ties.begin(), ties.end(), [&](const Tie& x) {
                return m.Entre(x.x, x.y) && (x.decision == 0 || d <= x.decision);
            })) << "no tie plays it";
        }
        for (int x = 0; x < c.NbEquipe(); ++x)
            EXPECT_TRUE(!Evenements(c, d, x) || std::count(vues.begin(), vues.end(), x)) << "records of " << x;
    }
}

// ---- one change on the page --------------------------------------------------------------

// The played matches of every matchday, named as the question names them,
// with the records of their teams.
std::map<std::string, int> Joues(TSaison& s, TDonneesChampionnat& c)
{
    std::map<std::string, int> v;
    for (int d = 1; d <= c.NbJour(); ++d)
        for (int k = 0; c.Journee(d) && k < c.Journee(d)->NbMatchs(); ++k)
            if (const TInfoComp* m = c.Journee(d)->Match(k); MatchSaisi(c, d, m->IdEquipe(0), m->IdEquipe(1)))
                v[LibelleMatchRemplace(s, {d, m->IdEquipe(0), m->IdEquipe(1)})] =
                    d * 1000 + Evenements(c, d, m->IdEquipe(0)) * 10 + Evenements(c, d, m->IdEquipe(1));
    return v;
}

// The change `geste` made, its questions answered `oui` (-1: by draw) and
// grabbed to `png` when named, its shoot-outs given or closed by the draws of
// `graine`; the questions asked.
std::vector<std::string> Change(TSaison& s, Tf_Resultats& r, unsigned graine, int oui,
                                const std::function<void()>& geste, const std::string& png = "")
{
    TDonneesChampionnat& c = *s.ChampionnatCourant();
    r.EnregistrerJournee();
    const std::string avant = essai::SansDate(essai::Document(s));
    const std::vector<TLigneSaisie> lignes = r.LignesSaisies();
    const auto joues = Joues(s, c);
    std::vector<std::string> dits;
    std::vector<bool> ouis;
    std::mt19937 tirage(graine);
    auto fait = [&](int reponse) {
        for (int k = 0; k < 3; ++k)
            kit::WhenModal([&, reponse](TForm* f) {
                if (auto* p = dynamic_cast<Tf_Penaltys*>(f); p && tirage() % 4 == 0)
                    kit::PressKey(nullptr, VK_ESCAPE);
                else if (p) {
                    const bool dom = tirage() % 2;
                    p->EditRond1->SetText(IntToStr(int(tirage() % 3) + (dom ? 3 : 0)));
                    p->EditRond2->SetText(IntToStr(int(tirage() % 3) + (dom ? 0 : 3)));
                    kit::Click(p->bc_Valider);
                } else if (auto* m = dynamic_cast<Tf_MessageUtil*>(f)) {
                    dits.push_back(m->Label1->Caption());
                    if (!png.empty())
                        kit::GrabToPng(m, png);
                    ouis.push_back(reponse < 0 ? tirage() % 2 == 0 : reponse == 1);
                    m->SetModalResult(ouis.back() ? mrYes : mrNo);
                }
            });
        geste();
        kit::Process();
        kit::ForgetModalActions();
    };
    fait(oui);
    EXPECT_LE(dits.size(), 1u) << "asked more than once";
    if (!ouis.empty() && !ouis.back()) {
        // No: the season as it was, in the page and written.
        EXPECT_TRUE(r.LignesSaisies() == lignes);
        EXPECT_EQ(essai::SansDate(essai::Document(s)), avant);
        r.EnregistrerJournee();
        EXPECT_EQ(essai::SansDate(essai::Document(s)), avant);
        tirage.seed(graine);
        fait(1);
        EXPECT_EQ(dits.size(), 2u) << "not asked again";
    }
    // Gone from the other matchdays: the named ones, with their records.
    r.EnregistrerJournee();
    const auto apres = Joues(s, c);
    const std::string q = !ouis.empty() && ouis.back() ? dits.back() + '\n' : "";
    for (const auto& [nom, jour] : joues) {
        const auto reste = apres.find(nom);
        if (jour / 1000 != c.NbJournee) {
            EXPECT_EQ(reste == apres.end(), q.find("\n" + nom + "\n") != std::string::npos) << nom;
        }
        if (reste != apres.end()) {
            EXPECT_EQ(reste->second, jour) << nom;
        }
    }
    Verifie(c);
    return dits;
}

void Marche(unsigned graine)
{
    std::mt19937 alea(graine);
    const int sport = int(alea() % 4), nb = 2 + int(alea() % 2);
    std::vector<uint16_t> genres;
    for (int r = 0; r < nb; ++r)
        genres.push_back(uint16_t(1 + (graine / 2 + unsigned(r) * 3 + alea() % 2) % 7));
    auto s = Coupe(sport, genres, alea() % 2);
    TDonneesChampionnat* c = s->ChampionnatCourant();
    auto r = Page(s.get());
    for (int pas = 0; pas < 48; ++pas) {
        SCOPED_TRACE(testing::Message() << "seed " << graine << ", step " << pas);
        // Mostly the first matchday still to play, else any up to the one
        // after the last holding a match; a record on each side of the
        // played matches of the one left, as their sheets give them.
        int dernier = 1, front = 0;
        for (int d = 1; d <= c->NbJour(); ++d)
            for (int k = 0; c->Journee(d) && k < c->Journee(d)->NbMatchs(); ++k) {
                dernier = d;
                front = front || c->Journee(d)->Match(k)->ScoresSaisis() ? front : d;
            }
        const int quitte = c->NbJournee;
        const int jours = std::min(dernier + 1, c->NbJour());
        r->TrackBar1->SetPosition(alea() % 6 && front ? front : 1 + int(alea() % unsigned(jours)));
        for (int k = 0; quitte != c->NbJournee && c->Journee(quitte) && k < c->Journee(quitte)->NbMatchs(); ++k)
            if (const TInfoComp* m = c->Journee(quitte)->Match(k); m->ScoresSaisis())
                for (const int x : {m->IdEquipe(0), m->IdEquipe(1)})
                    Evenement(*c, quitte, x, !Evenements(*c, quitte, x));
        // A row to play more often, a score level one time in five.
        std::vector<int> pleines, aJouer;
        bool libre = false;
        for (int k = 0; k < r->NbLignes(); ++k) {
            const TLigneResultat& l = r->Ligne(k);
            libre = libre || l.Domicile->Text().empty() || l.Exterieur->Text().empty();
            if (!l.Domicile->Text().empty() && !l.Exterieur->Text().empty())
                (l.ScoreDomicile->Text().empty() ? aJouer : pleines).push_back(k);
        }
        if (aJouer.empty() || alea() % 3 == 0)
            aJouer.insert(aJouer.end(), pleines.begin(), pleines.end());
        const int ligne = aJouer.empty() ? -1 : aJouer[alea() % aJouer.size()];
        TCadreDrop* cadre = ligne < 0 ? nullptr : (alea() % 2 ? r->Ligne(ligne).Domicile : r->Ligne(ligne).Exterieur);
        const int liste = r->l_Equipe->Items().Count(), i = liste ? int(alea() % unsigned(liste)) : 0;
        const int buts = int(alea() % 4), ecart = alea() % 5 ? 1 + int(alea() % 3) : 0;
        std::string sh = IntToStr(buts), sa = IntToStr(buts + ecart);
        if (alea() % 2)
            std::swap(sh, sa);
        const int geste = int(alea() % 40);
        if (geste < 2)
            (alea() % 2 ? sh : sa).clear();   // a score erased
        const bool efface = alea() % 3 == 0;
        const int32_t tenu = cadre ? cadre->Numero : -1;
        const size_t refus = kit::Refusals().size();
        const std::vector<std::string> dits = Change(*s, *r, alea(), -1, [&] {
            if (geste < 29 && ligne >= 0)
                Retape(*r, ligne, sh, sa);
            else if (geste == 29 && cadre)
                kit::DblClick(cadre);
            else if (geste == 30 && cadre)
                kit::Drag(cadre, Centre(cadre), r->l_Equipe, {20, 60});
            else if (geste < 33 && cadre && liste)
                DeposeEquipe(*r, i, cadre);
            else if (geste < 36 && liste && libre)
                ChoisitEquipe(*r, i);
            else if (geste < 39)
                kit::Click(r->b_Completer);
            else if (efface)
                kit::Click(r->BoutonCopie1);
        });
        // A drop the box does not take says why, beside the box.
        if (geste >= 31 && geste < 33 && cadre && cadre->Drop && liste && dits.empty() && cadre->Numero == tenu &&
            r->LignesSaisies().size() > size_t(ligne)) {
            ASSERT_EQ(kit::Refusals().size(), refus + 1);
            EXPECT_EQ(kit::Refusals().back().box, cadre);
            EXPECT_EQ(kit::Refusals().back().reason, Traduire(4957));
        }
        // The walk stops at the first broken rule: what follows would only repeat it.
        if (::testing::Test::HasFailure())
            return;
    }
    // Saved and reopened (one in thirteen through the season file), the same cup.
    r->EnregistrerJournee();
    for (int d = 1; d <= c->NbJour(); ++d)
        EXPECT_TRUE(VerifieTableau(*s, *c, d).empty()) << d;
    std::unique_ptr<TSaison> relu;
    const std::string f = MakePath(kit::TempDir(), "tableau.xmc");
    uint8_t etat = 0;
    if (graine % 13 == 0 && TTraiteurFichier::Sauver(f, s.get(), nullptr, "", "", nullptr, {}, false))
        relu = TTraiteurFichier::Charger(f, "", "", nullptr, TousSports, etat, true);
    else
        relu = essai::Lit(sport, essai::Document(*s));
    ASSERT_TRUE(relu && relu->ChampionnatCourant());
    EXPECT_EQ(essai::SansDate(essai::Document(*relu)), essai::SansDate(essai::Document(*s)));
    Verifie(*relu->ChampionnatCourant());
    r.reset();
}

class Marcheur : public ::testing::TestWithParam<unsigned>
{
};

// 8 x 26 seeded sequences of 48 steps.
TEST_P(Marcheur, EveryRoadKeepsTheCupOneBracket)
{
    for (unsigned graine = GetParam() * 26; graine < GetParam() * 26 + 26 && !HasFailure(); ++graine)
        Marche(graine);
}

INSTANTIATE_TEST_SUITE_P(Graines, Marcheur, ::testing::Range(0u, 8u));

// ---- the cases users met ----------------------------------------------------------------

struct Donne
{
    int d, h, a, sh, sa;   // sh -1: to play; a played match has a record on each side
};
enum Geste { Retaper, DoubleClic, VersLaListe, DepotSurLeCadre };
struct CasUsager
{
    const char* nom;
    int sport;
    std::vector<uint16_t> genres;
    bool petiteFinale;
    std::vector<Donne> jeux;   // as a file holds them
    int journee, ligne;        // the row changed (its home box for a gesture)
    Geste geste;
    const char *sh, *sa;
    bool oui;
    int question;              // the text asked (0: none)
    std::vector<int> nommes;   // the matches it names, in order
};

class Usagers : public ::testing::TestWithParam<CasUsager>
{
};

// A file whose third-place match holds a finalist (semi-finals 0-1 0-2 and 2-3 2-0).
const std::vector<Donne> Ancien = {{1, 0, 1, 0, 2}, {1, 2, 3, 2, 0}, {2, 1, 2, 1, 0}, {2, 1, 3, 3, 1}};

// Its matches as the file holds them, a record on each side of one played.
void Donnees(TDonneesChampionnat& c, const std::vector<Donne>& jeux)
{
    for (const Donne& j : jeux) {
        TInfoComp* m = c.Journees().MatchEquipes(j.d, j.h, j.a, -1, true, 0);
        m->SetScore(0, j.sh < 0 ? V : j.sh);
        m->SetScore(1, j.sh < 0 ? V : j.sa);
        for (const int x : {j.h, j.a})
            Evenement(c, j.d, x, j.sh >= 0);
    }
}

TEST_P(Usagers, TheQuestionNamesWhatGoesAndTheCupStaysOneBracket)
{
    const CasUsager& k = GetParam();
    auto s = Coupe(k.sport, k.genres, k.petiteFinale);
    TDonneesChampionnat* c = s->ChampionnatCourant();
    Donnees(*c, k.jeux);
    c->NbJournee = uint8_t(k.journee);
    auto r = Page(s.get());
    std::vector<std::string> texte{k.question ? vues::Texte(k.question) : std::string()};
    for (const int i : k.nommes)
        texte.push_back(LibelleMatchRemplace(*s, {k.jeux[size_t(i)].d, k.jeux[size_t(i)].h, k.jeux[size_t(i)].a}));
    if (!k.nommes.empty())
        texte.push_back(vues::Texte(k.question + 1));
    std::string attendu;
    for (const std::string& t : texte)
        attendu.append(attendu.empty() ? "" : "\n").append(t);
    const std::vector<std::string> dits = Change(*s, *r, 0, k.oui, [&] {
        TCadreDrop* cadre = r->Ligne(k.ligne).Domicile;
        switch (k.geste) {
        case Retaper: Retape(*r, k.ligne, k.sh, k.sa); break;
        case DoubleClic: kit::DblClick(cadre); break;
        case VersLaListe: kit::Drag(cadre, Centre(cadre), r->l_Equipe, {20, 60}); break;
        case DepotSurLeCadre: DeposeEquipe(*r, 0, cadre); break;
        }
    }, std::string("tableau_question_") + k.nom);
    ASSERT_EQ(dits.size(), k.question ? (k.oui ? 1u : 2u) : 0u);
    for (const std::string& d : dits) {
        EXPECT_EQ(d, attendu);
        EXPECT_TRUE(k.genres.back() != 3 || d.find(Traduire(283)) == std::string::npos) << "a first leg";
    }
    // The played matches not named are whole, in the page, the check and the file.
    for (size_t i = 0; i < k.jeux.size(); ++i)
        if (const Donne& j = k.jeux[i]; j.sh >= 0 && j.d != k.journee &&
                                        std::find(k.nommes.begin(), k.nommes.end(), int(i)) == k.nommes.end()) {
            EXPECT_NE(c->MatchEquipes(j.d, j.h, j.a), nullptr) << i;
            EXPECT_GE(Evenements(*c, j.d, j.h), 1) << i;
        }
    for (int d = 1; d <= c->NbJour(); ++d)
        EXPECT_TRUE(VerifieTableau(*s, *c, d).empty()) << d;
    Verifie(*essai::Lit(k.sport, essai::Document(*s))->ChampionnatCourant());
    if (k.oui)
        kit::GrabToPng(r.get(), std::string("tableau_") + k.nom);
    r.reset();
}

INSTANTIATE_TEST_SUITE_P(
    WhatUsersMet, Usagers,
    ::testing::Values(
        // A quarter-final retyped so that team 1 goes through: the final that
        // held team 0 goes with the semi-final, both named.
        CasUsager{"yes_leaves_no_team_out_in_the_final", 0, {1, 1, 1}, false,
                  {{1, 0, 1, 1, 0}, {1, 2, 3, 1, 0}, {1, 4, 5, 1, 0}, {1, 6, 7, 1, 0},
                   {2, 0, 2, 2, 1}, {2, 4, 6, 1, 0}, {3, 0, 4, 3, 1}},
                  1, 0, Retaper, "0", "1", true, 4800, {4, 6}},
        // A semi-final changed: the played third-place match that held the
        // new finalist is named and goes, the new losers take its place.
        CasUsager{"a_played_third_place_match_is_named", 2, {1, 2}, true,
                  {{1, 0, 1, 2, 0}, {1, 2, 3, 1, 0}, {2, 0, 2, 1, 1}, {3, 2, 0, -1, -1}, {3, 1, 3, 3, 1}},
                  1, 0, Retaper, "0", "1", true, 4800, {2, 4}},
        // A file whose third-place row holds a finalist: taking him out of it
        // by each gesture leaves the final's records.
        CasUsager{"the_finals_records_stay_double_click", 0, {1, 1}, true, Ancien, 2, 1, DoubleClic, "", "", true,
                  4300, {}},
        CasUsager{"the_finals_records_stay_drag_to_the_list", 0, {1, 1}, true, Ancien, 2, 1, VersLaListe, "", "", true,
                  4300, {}},
        CasUsager{"the_finals_records_stay_drop_on_the_box", 0, {1, 1}, true, Ancien, 2, 1, DepotSurLeCadre, "", "",
                  true, 4300, {}},
        // A semi-final's winner taken out of its played row: one question
        // names the played final it reaches.
        CasUsager{"a_team_taken_out_names_the_final", 1, {1, 1}, false,
                  {{1, 0, 1, 2, 0}, {1, 2, 3, 1, 0}, {2, 0, 2, 1, 0}}, 1, 0, DoubleClic, "", "", true, 4950, {2}},
        // A best-of-three semi-final's last game changed so that the other
        // team wins the series, No: nothing changes, and it asks again.
        CasUsager{"no_changes_nothing", 2, {5, 1}, false,
                  {{1, 0, 1, 80, 70}, {1, 2, 3, 80, 70}, {2, 1, 0, 80, 70}, {2, 3, 2, 70, 80}, {3, 0, 1, 90, 85},
                   {4, 0, 2, 88, 80}},
                  3, 0, Retaper, "85", "90", false, 4800, {5}},
        CasUsager{"no_keeps_the_file", 0, {2, 1}, false,
                  {{1, 0, 1, 1, 0}, {1, 2, 3, 1, 0}, {2, 1, 0, 0, 0}, {2, 3, 2, 0, 0}, {3, 0, 2, 2, 1}},
                  2, 0, Retaper, "2", "0", false, 4800, {4}},
        // A first leg changed so that the aggregate goes the other way.
        CasUsager{"a_first_leg_asks", 0, {2, 1}, false,
                  {{1, 0, 1, 1, 0}, {1, 2, 3, 1, 0}, {2, 1, 0, 0, 0}, {2, 3, 2, 0, 0}, {3, 0, 2, 2, 1}},
                  1, 0, Retaper, "0", "1", true, 4800, {4}},
        // A final replayed when level: its first match is no first leg.
        CasUsager{"a_replayed_finals_first_match", 3, {1, 3}, false,
                  {{1, 0, 1, 2, 0}, {1, 2, 3, 1, 0}, {2, 0, 2, 1, 1}, {3, 2, 0, -1, -1}},
                  1, 0, Retaper, "0", "2", true, 4800, {2}}),
    [](const auto& info) { return std::string(info.param.nom); });

// The check of that file's last matchday names the finalist twice there and
// without his place in the third-place match.
TEST(VerificationCoupe, NamesATeamInTwoMatchesAndATeamWithoutItsPlace)
{
    auto s = Coupe(0, {1, 1}, true);
    Donnees(*s->ChampionnatCourant(), Ancien);
    s->ChampionnatCourant()->NbJournee = 2;
    auto r = Page(s.get());
    std::vector<std::string> lignes;
    kit::WhenModal([&](TForm* f) {
        for (TLabel* t : dynamic_cast<Tf_Validation*>(f)->Lignes)
            lignes.push_back(t->Caption());
        kit::GrabToPng(f, "verification_coupe");
        f->SetModalResult(mrOk);
    });
    kit::Click(r->b_Verification);
    const std::string un = s->NomEquipe(1), trois = s->NomEquipe(3);
    for (const std::string& l : {TraduireFormat(4953, {un}), TraduireFormat(4952, {un, trois, un})}) {
        EXPECT_NE(std::find(lignes.begin(), lignes.end(), l), lignes.end()) << l;
    }
    r.reset();
}

}  // namespace
