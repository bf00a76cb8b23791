// A cup stays one bracket on every road. A walker drives the results page of
// cups of every kind of tie (of 4, 6, 8, 12 and 16 teams, byes included,
// dated or not, the four sports), from fixed seeds, through its roads at
// random: scores typed and retyped, shoot-outs given or closed, teams taken
// out, dropped from the list or between boxes and rows, match states and
// forfeits, "Compléter", "Tout effacer", matchday dates; and, as the main
// window shows them in turn, every other window that writes a cup: live
// scoring ("+", "-", "Retirer le match"), "Ajouter des équipes", the season's
// team list, the options' date modes and the composition window. Each gesture
// asks once at most, naming exactly the played matches that go, the others
// keep their records, No or a refusal leaves season and page as they were (a
// score answered No stays typed in its box), and No asks again; the check
// names nothing after every step, and no window writes the cup past the
// championship's one road; a draw stays as made (no row of another matchday
// moves down, a match entered goes only when a team of it lost its place); no
// team plays twice on a matchday, every team of a later round has its place
// there (who goes through and which byes a round takes are read here as a
// user reads the rules), no tie plays once decided, no record lacks its
// match; saved and reopened, the same; a hand broken bracket is named. Then a
// row for each case users met.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <tuple>

#include "files/TraiteurFichier.h"
#include "model/MultiSport.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "results/Saisie.h"
#include "results/w_DialoguesResultats.h"
#include "results/w_VuesResultats.h"
#include "setup/w_CreationCoupe.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_Option.h"
#include "setup/w_RetirerChamp.h"
#include "tests/results/PageResultatsEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/message2.h"
#include "views/Textes.h"

using namespace page_essai;

namespace {

constexpr uint16_t V = TInfoComp::ScoreVide;

// A cup of its rounds from the first, each its ties and kind of tie, as the
// creation window records them; the teams are those of the first round and
// the byes the rounds after leave (twice a round's ties beyond the ties of
// the round before); matchday 1 holds 0-1, 2-3... to play. Dated: the date
// system.
std::unique_ptr<TSaison> Coupe(int sport, const std::vector<std::pair<int, uint16_t>>& forme, bool petiteFinale,
                               bool dates = false)
{
    auto s = TMultiSport::CreeSaison(sport);
    auto c = s->CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
    c->OptionsParDefaut();
    const int k = int(forme.size());
    int n = 2 * forme[0].first;
    std::vector<TInfoTourCoupe> tours;
    for (int r = 0; r < k; ++r) {
        tours.push_back({uint16_t(k - r), uint16_t(forme[size_t(r)].first), forme[size_t(r)].second});
        if (r > 0)
            n += std::max(0, 2 * forme[size_t(r)].first - forme[size_t(r) - 1].first);
    }
    c->CreeToursCoupe(tours);
    c->SetOption(1, k);
    if (dates)
        c->SetOption(11, c->Option(11) | 8);
    c->PetiteFinale = petiteFinale;
    for (int i = 0; i < n; ++i)
        c->AjouteEquipe(s->AjouteEquipe(vues::NomsFoot[i]));
    for (int i = n; i < n + 2; ++i)
        s->AjouteEquipe(vues::NomsFoot[i]);   // season teams out of the cup
    for (int i = 0; i < 2 * forme[0].first; i += 2)
        c->CreeMatch(1, i, i + 1, V, V);
    s->SetChampionnatCourant(s->Arbre().AjouteChampionnat("Coupe", "Coupe", std::move(c), "France")->Championnat());
    return s;
}

// A cup of 2^k teams, the kinds of its k rounds from the first.
std::unique_ptr<TSaison> Coupe(int sport, const std::vector<uint16_t>& genres, bool petiteFinale)
{
    std::vector<std::pair<int, uint16_t>> forme;
    for (size_t r = 0; r < genres.size(); ++r)
        forme.push_back({1 << (genres.size() - r - 1), genres[r]});
    return Coupe(sport, forme, petiteFinale);
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
        // the aggregate, then the goals scored away: the second leg's away
        // side against its home side's goals in the first leg (its away goals
        // when the venues changed)
        const int total = buts(0, x) + buts(1, x) - buts(0, y) - buts(1, y);
        const int h = g[1]->h, a = g[1]->a;
        const int dehors = buts(1, a) - buts(0, h);
        decide(total ? par(total) : (dehors ? par(h == x ? -dehors : dehors) : tirs(1)), 1);
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
    // Each round's ties as the cup declares them.
    std::vector<int> comptes;
    for (int d = 1; d <= c.NbJour(); ++d)
        if (d == 1 || c.TourCoupe(d - 2)->nTour != c.TourCoupe(d - 1)->nTour)
            comptes.push_back(c.TourCoupe(d - 1)->NbMatch & 0xFF);
    // A team has its place in round r when it won its tie in each round
    // before, or played none there while the next round had byes to give:
    // as many as its places beyond the winners, to the first teams standing
    // there that played no tie before it.
    std::vector<std::vector<int>> entrants;
    auto joue = [&](int eq, size_t k) {
        int j = 0;
        for (const Tie& t : tours[k].second)
            if (t.x == eq || t.y == eq)
                j = t.gagnant == eq ? 1 : -1;
        return j;
    };
    auto passe = [&](int eq, size_t r) {
        for (size_t k = 0; k < r; ++k) {
            const int j = joue(eq, k);
            if (j < 0 || (j == 0 && 2 * comptes[k + 1] <= comptes[k]))
                return false;
            if (j != 0)
                continue;
            const auto& v = entrants[k + 1];
            const auto i = std::find(v.begin(), v.end(), eq) - v.begin();
            const bool exempte = i < 2 * comptes[k + 1] - comptes[k];
            if (i < std::ssize(v) ? !exempte : (k + 1 == r && !exempte))
                return false;
        }
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
            entrants.emplace_back();
            for (const Tie& x : tours.back().second)
                for (const int eq : {x.x, x.y})
                    if (tours.size() > 1 && joue(eq, tours.size() - 2) == 0 && passe(eq, tours.size() - 2) &&
                        std::count(entrants.back().begin(), entrants.back().end(), eq) == 0)
                        entrants.back().push_back(eq);
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

// The played matches of every matchday by their pairing: as the question
// names them, with the records of their teams.
std::map<std::tuple<int, int, int>, std::pair<std::string, int>> Joues(TSaison& s, TDonneesChampionnat& c)
{
    std::map<std::tuple<int, int, int>, std::pair<std::string, int>> v;
    for (int d = 1; d <= c.NbJour(); ++d)
        for (int k = 0; c.Journee(d) && k < c.Journee(d)->NbMatchs(); ++k)
            if (const TInfoComp* m = c.Journee(d)->Match(k); MatchSaisi(c, d, m->IdEquipe(0), m->IdEquipe(1)))
                v[{d, m->IdEquipe(0), m->IdEquipe(1)}] = {
                    LibelleMatchRemplace(s, {d, m->IdEquipe(0), m->IdEquipe(1)}),
                    Evenements(c, d, m->IdEquipe(0)) * 10 + Evenements(c, d, m->IdEquipe(1))};
    return v;
}

// The row of every match by its pairing, the third-place match aside.
std::map<std::tuple<int, int, int>, int> Rangs(TDonneesChampionnat& c)
{
    std::map<std::tuple<int, int, int>, int> v;
    for (int d = 1; d <= c.NbJour(); ++d)
        for (int k = 0; c.Journee(d) && k < c.Journee(d)->NbMatchs(); ++k)
            if (const TInfoComp* m = c.Journee(d)->Match(k); !EstPetiteFinale(c, d, *m))
                v[{d, m->IdEquipe(0), m->IdEquipe(1)}] = k;
    return v;
}

// The check of every matchday names nothing.
void VerifieVide(TSaison& s, TDonneesChampionnat& c)
{
    for (int d = 1; d <= c.NbJour(); ++d)
        for (const std::string& l : VerifieTableau(s, c, d))
            ADD_FAILURE() << "the check names on matchday " << d << ": " << l;
}

// The word "Compléter" says of what it added ("3 match(s) added to the
// fixtures: ...") or that there was nothing to add.
bool DitCompletion(const std::string& mot)
{
    const std::string a = Traduire(5580);
    const size_t d = a.find("%d"), e = a.find("%s");
    const size_t chiffres = mot.find_first_not_of("0123456789");
    return mot == Traduire(5581) ||
           (d == 0 && e != std::string::npos && chiffres > 0 && chiffres != std::string::npos &&
            mot.compare(chiffres, e - 2, a, 2, e - 2) == 0);
}

// The change `geste` made, its questions answered `oui` (-1: by draw) and
// grabbed to `png` when named, its shoot-outs given or closed by the draws of
// `graine`, another window it opens driven by `fenetre`; the questions asked.
// A gesture made in another window (`surPage` false) takes the page away.
std::vector<std::string> Change(TSaison& s, TOwned<Tf_Resultats>& page, unsigned graine, int oui,
                                const std::function<void()>& geste, const std::string& png = "",
                                const std::function<void(TForm*)>& fenetre = nullptr, bool surPage = true)
{
    TDonneesChampionnat& c = *s.ChampionnatCourant();
    Tf_Resultats& r = *page;
    // The box left before (leaving a row decides its tie again) is left first.
    kit::WhenModal([](TForm* f) { f->SetModalResult(mrYes); });
    r.l_Equipe->SetFocus();
    kit::Process();
    kit::ForgetModalActions();
    r.EnregistrerJournee();
    const std::string avant = essai::SansDate(essai::Document(s));
    const std::vector<TLigneSaisie> lignes = r.LignesSaisies();
    const auto joues = Joues(s, c);
    const auto rangs = Rangs(c);
    const size_t refus = kit::Refusals().size();
    std::vector<std::string> dits, mots;
    std::vector<bool> ouis;
    std::mt19937 tirage(graine);
    auto fait = [&](int reponse) {
        for (int k = 0; k < 4; ++k)
            kit::WhenModal([&, reponse](TForm* f) {
                if (auto* p = dynamic_cast<Tf_Penaltys*>(f); p && tirage() % 4 == 0)
                    kit::PressKey(nullptr, VK_ESCAPE);
                else if (p) {
                    const bool dom = tirage() % 2;
                    p->EditRond1->SetText(IntToStr(int(tirage() % 3) + (dom ? 3 : 0)));
                    p->EditRond2->SetText(IntToStr(int(tirage() % 3) + (dom ? 0 : 3)));
                    kit::Click(p->bc_Valider);
                } else if (auto* m = dynamic_cast<Tf_MessageUtil*>(f); m && !m->BoutonCopie2->Visible()) {
                    // What "Compléter" did is told; any other word alone is a refusal.
                    if (!DitCompletion(m->Label1->Caption()))
                        mots.push_back(m->Label1->Caption());
                    m->SetModalResult(mrOk);
                } else if (m) {
                    dits.push_back(m->Label1->Caption());
                    if (!png.empty())
                        kit::GrabToPng(m, png);
                    ouis.push_back(reponse < 0 ? tirage() % 2 == 0 : reponse == 1);
                    m->SetModalResult(ouis.back() ? mrYes : mrNo);
                } else if (auto* v = dynamic_cast<Tf_Validation*>(f)) {
                    // "Check" on a sound bracket names nothing of it.
                    for (TLabel* t : v->Lignes)
                        for (int d = 1; d <= c.NbJour(); ++d)
                            for (const std::string& l : VerifieTableau(s, c, d))
                                EXPECT_NE(t->Caption(), l);
                    f->SetModalResult(mrOk);
                } else if (fenetre)
                    fenetre(f);
            });
        geste();
        kit::Process();
        kit::ForgetModalActions();
    };
    fait(oui);
    // A refusal says why, beside a box of the page, or in a word.
    for (size_t k = refus; k < kit::Refusals().size(); ++k) {
        EXPECT_FALSE(kit::Refusals()[k].reason.empty());
        EXPECT_TRUE(!surPage || (kit::Refusals()[k].box && kit::Refusals()[k].box->Owner() == &r))
            << kit::Refusals()[k].reason;
    }
    for (const std::string& m : mots)
        EXPECT_FALSE(m.empty());
    // A score typed and answered No stays in its box, said not saved.
    const auto gardes = std::count_if(kit::Refusals().begin() + std::ptrdiff_t(refus), kit::Refusals().end(),
                                      [](const auto& x) { return x.reason == Traduire(5912); });
    if (kit::Refusals().size() > refus || !mots.empty() || (!ouis.empty() && !ouis.back())) {
        // No, or a refusal: the season as it was, in the page and written.
        EXPECT_TRUE(dits.empty() || kit::Refusals().size() == refus + size_t(gardes)) << "asked and refused";
        EXPECT_TRUE(gardes == 0 || (!ouis.empty() && !ouis.back())) << "a score kept without a No";
        if (page) {
            std::vector<TLigneSaisie> vues = page->LignesSaisies();
            for (size_t k = 0; gardes && k < vues.size() && k < lignes.size(); ++k) {
                vues[k].ScoreDomicile = lignes[k].ScoreDomicile;
                vues[k].ScoreExterieur = lignes[k].ScoreExterieur;
            }
            EXPECT_TRUE(vues == lignes && page->Acceptees() == lignes);
            EXPECT_EQ(page->ScoreGarde(), gardes > 0);
        }
        EXPECT_TRUE(essai::SansDate(essai::Document(s)) == avant) << "changed";
        if (page)
            page->EnregistrerJournee();
        EXPECT_TRUE(essai::SansDate(essai::Document(s)) == avant) << "changed once written";
        if (!dits.empty()) {
            tirage.seed(graine);
            fait(1);
            EXPECT_EQ(dits.size(), 2u) << "not asked again";
        }
    }
    // Gone or replaced by a match to play: exactly the named ones, with their
    // records; the others keep theirs (the matchday shown keeps its pairings,
    // a score lowered there takes its scorers).
    if (page)
        page->EnregistrerJournee();
    const auto apres = Joues(s, c);
    const std::string q = !ouis.empty() && ouis.back() ? dits.back() + '\n' : "";
    for (const auto& [match, avait] : joues) {
        const int d = std::get<0>(match);
        const auto x = apres.find(match);
        const bool reste = d == c.NbJournee ? c.MatchEquipes(d, std::get<1>(match), std::get<2>(match)) != nullptr
                                            : x != apres.end() && x->second == avait;
        // (the row's own match alone is named by the question itself)
        if (q == Traduire(4300) + '\n') {
            EXPECT_TRUE(reste || d == c.NbJournee) << avait.first;
        } else {
            EXPECT_EQ(reste, q.find("\n" + avait.first + "\n") == std::string::npos) << avait.first;
        }
    }
    // A draw stays as it was made: on the matchdays the gesture was not made
    // on, no row moves down, and a match entered goes only when one of its
    // teams lost its place there (or left the cup).
    for (const auto& [match, k] : Rangs(c))
        if (const auto x = rangs.find(match); x != rangs.end() && std::get<0>(match) != c.NbJournee) {
            EXPECT_LE(k, x->second) << "a row moved down on matchday " << std::get<0>(match);
        }
    const TTableau t = Tableau(c, MatchsCoupe(c));
    for (const auto& [match, avait] : joues) {
        const auto [d, h, a] = match;
        const int tour = t.TourJournee(d);
        if (d == c.NbJournee || apres.count(match) || tour < 0 || c.IndexEquipe(h) < 0 || c.IndexEquipe(a) < 0)
            continue;
        const TTie* x = t.TieEquipe(tour, h);
        const bool troisieme = !rangs.count(match);
        // (each a winner of its tie in the round before: a team with none
        // may or may not hold a bye)
        auto gagne = [&](int e) { return t.Qualifiee(e, tour) && t.TieEquipe(tour - 1, e); };
        const bool place = troisieme ? t.PetiteFinale && t.Troisieme(h) && t.Troisieme(a)
                           : d == t.Tours[size_t(tour)].Premier ? t.Nourri(tour) && gagne(h) && gagne(a)
                               : x && (x->Domicile == a || x->Exterieur == a) && x->Decision >= d;
        EXPECT_FALSE(place) << avait.first << " went, its teams still in their places";
    }
    Verifie(c);
    VerifieVide(s, c);
    EXPECT_TRUE(CoupeScellee(c)) << "a window wrote the cup past the championship's one road";
    return dits;
}

// The cups the walker plays: their rounds' ties from the first (4 to 16
// teams, byes in those of 6, 12 and 16).
const std::vector<std::vector<int>> Formes = {{2, 1}, {4, 2, 1}, {2, 2, 1}, {4, 4, 2, 1}, {6, 5, 2, 1}, {8, 4, 2, 1}};

// Hand broken: a team without its place put in a match of a later round (or
// byes beyond those a round takes, as an older file may hold them); the
// check names it.
void Casse(TSaison& s, TDonneesChampionnat& c, bool exemptes)
{
    const TTableau t = Tableau(c, MatchsCoupe(c));
    // Byes beyond those a round takes (teams of the season put in the cup by
    // hand when it has not enough of its own), paired on its first matchday.
    for (size_t r = 1; exemptes && r < t.Tours.size(); ++r) {
        const int d = t.Tours[r].Premier;
        std::vector<int> libres;
        for (int i = 0; i < s.NbEquipe(); ++i)
            if (const int x = s.IdEquipe(i); !t.TieEquipe(int(r) - 1, x) && !t.TieEquipe(int(r), x) &&
                                             (!c.Journee(d) || c.Journee(d)->IndexMatchEquipe(x) < 0))
                libres.push_back(x);
        const size_t manque = size_t(t.Exemptions[r] - int(t.Entrants[r].size()) + 2) & ~size_t(1);
        if (t.Exemptions[r] <= 0 || libres.size() < manque)
            continue;
        const auto avant = VerifieTableau(s, c, d);
        for (size_t k = 0; k < manque; k += 2) {
            for (const int x : {libres[k], libres[k + 1]})
                if (c.IndexEquipe(x) < 0)
                    c.AjouteEquipe(x);
            c.Journees().MatchEquipes(d, libres[k], libres[k + 1], -1, true, 0);
        }
        EXPECT_GT(VerifieTableau(s, c, d).size(), avant.size()) << "a bye too many";
        return;
    }
    for (size_t r = t.Tours.size(); r-- > 1;) {
        const int d = t.Tours[r].Premier;
        for (int x = 0; x < c.NbEquipe(); ++x)
            for (int y = 0; y < c.NbEquipe(); ++y)
                if (x != y && !t.Qualifiee(x, int(r)) && (!c.Journee(d) || (c.Journee(d)->IndexMatchEquipe(x) < 0 &&
                                                                             c.Journee(d)->IndexMatchEquipe(y) < 0))) {
                    c.Journees().MatchEquipes(d, x, y, -1, true, 0);
                    const auto lignes = VerifieTableau(s, c, d);
                    EXPECT_NE(std::find(lignes.begin(), lignes.end(),
                                        TraduireFormat(4952, {s.NomEquipe(x), s.NomEquipe(y), s.NomEquipe(x)})),
                              lignes.end());
                    return;
                }
    }
}

// ---- the other windows that write a cup ------------------------------------------------

// A step in another window that writes the cup, `fenetre` of: 0 live scoring
// ("+", "-" or "Retirer le match" on a match of the matchday shown), 1 the
// page's "Ajouter des équipes", 2 the season's team list, 3 the options, 4
// the composition window. As the main window shows them, the page goes
// (written) first; `choix` picks what is done.
void Ailleurs(TSaison& s, TOwned<Tf_Resultats>& r, int fenetre, int choix)
{
    if (fenetre == 1) {
        r->mi_AjoutEquipe->Click();
        return;
    }
    r.reset();
    if (fenetre == 0) {
        TOwned<Tf_Minute> m(new Tf_Minute(nullptr));
        m->ChangeSaison(&s);
        m->ChangeCouleurs(Dessin->Couleurs);
        kit::ShowForm(m.get());
        m->Remplit();
        if (const int n = m->Listbox1->Items().Count()) {
            const TRect e = m->Listbox1->ItemRect(choix % n);
            kit::Click(m->Listbox1, e.Left + 5, e.Top + 3);
            TBoutonCopie* boutons[] = {m->Bp1, m->Bm1, m->bp2, m->bm2};
            if (const int b = choix / n % 5; b < 4)
                kit::Click(boutons[b]);
            else
                m->mi_RetirerMatch->Click();
        }
    } else if (fenetre == 2) {
        TOwned<Tf_AjouterEquipe> a(new Tf_AjouterEquipe(nullptr));
        a->ChangeCouleurs(Dessin->Couleurs);
        a->ChangeSaison(&s);
        a->ShowModal();
    } else if (fenetre == 3) {
        EnregistreOptions();   // as the program does at start-up
        TOwned<Tf_Option> o(CreeFenetreOption(&s, nullptr));
        o->ChangeCouleurs(Dessin->Couleurs);
        o->ChangeSaison(&s);
        o->Affiche(false, 1);
        o->ShowModal();
    } else {
        TOwned<Tf_CreationSaison> k(new Tf_CreationSaison(nullptr));
        k->ChangeCouleurs(Dessin->Couleurs);
        k->Init(MakePath(kit::TempDir(), "brivantel.ini"), kit::TempDir(), 15, nullptr);
        k->ChangeSaison(&s);
        k->Tag = 96;
        k->ShowModal();
    }
}

// What the step does in the dialog it opens: a team of the cup taken out, a
// team of the season or a new name typed in; a date mode or the third-place
// match changed; the composition validated, another cup made in it or not.
void Pilote(TForm* f, int choix)
{
    const std::string nom = "Club neuf " + IntToStr(choix);
    if (auto* a = dynamic_cast<Tf_AjouterEquipe*>(f)) {
        if (const int n = a->l_Equipe->Items().Count(); choix % 3 == 0 && n) {
            a->l_Equipe->SetItemIndex(choix / 3 % n);
            kit::Click(a->bc_Effacer);
        } else if (choix % 3 == 1 && a->cb_Equipes->Items().Count()) {
            a->cb_Equipes->SetItemIndex(0);
            kit::Click(a->bc_Ajouter);
        } else {
            kit::Type(a->cb_Equipes, nom);
            kit::Click(a->bc_Ajouter);
        }
        kit::Click(a->bc_Valider);
        if (a->ModalResult() == mrNone)
            kit::Click(a->bc_Annuler);
    } else if (auto* k = dynamic_cast<Tf_AjoutEquipeCoupe*>(f)) {
        if (choix % 2 && k->cb_AjoutEquipe->Items().Count())
            k->cb_AjoutEquipe->SetItemIndex(0);
        else
            kit::Type(k->cb_AjoutEquipe, nom);
        kit::Click(k->b_Ajouter);
        kit::Click(k->b_Continuer);
    } else if (auto* o = dynamic_cast<Tf_Option*>(f)) {
        TControl* modes[] = {o->cc_SaisieDateJour, o->rc_date, o->rc_journee, o->cc_SaisieDateMatch,
                             o->cc_PetiteFinale};
        kit::Click(modes[choix % 5]);
        kit::Click(o->b_Valider);
        if (o->ModalResult() == mrNone)
            o->SetModalResult(mrCancel);
    } else if (auto* c = dynamic_cast<Tf_CreationSaison*>(f)) {
        // one time in two with another cup made in it, under the first group
        if (TTreeNode* racine = c->tv_Saison->Items().GetFirstNode(); choix % 2 && racine && racine->Count()) {
            c->tv_Saison->SetSelected(racine->Item(0));
            kit::Click(c->bc_CreeCoupe);
            c->tv_Saison->EndEditing(false);
        }
        kit::Click(c->b_Valider);
        if (c->ModalResult() == mrNone)
            c->SetModalResult(mrCancel);
    } else if (auto* k = dynamic_cast<Tf_CreationCoupe*>(f)) {
        kit::Type(k->e_NomCoupe, nom);
        kit::Click(k->b_Valider);
    } else {
        ADD_FAILURE() << "an unexpected window";
        f->SetModalResult(mrCancel);
    }
}

// The seeds from 320 weigh the walk to the legs played in either order and
// to teams placed alone.
bool Tardive(unsigned graine) { return graine >= 320; }
// The seeds from 400 draw a round by hand before the round before has
// finished: their rounds are mostly of two legs, the last ties of a matchday
// are left to play, a later round's first matchday is cleared and drawn from
// the list in any order, and one step in three places a team there.
bool Tirage(unsigned graine) { return graine >= 400; }

void Marche(unsigned graine)
{
    std::mt19937 alea(graine);
    // Every sport, shape and kind of tie over the seeds; one in three dated.
    const int sport = int(graine % 4);
    const std::vector<int>& ties = Formes[(graine / 4) % Formes.size()];
    std::vector<std::pair<int, uint16_t>> forme;
    for (size_t r = 0; r < ties.size(); ++r) {
        forme.push_back({ties[r], uint16_t(1 + (graine / 3 + unsigned(r) * 3 + alea() % 2) % 7)});
        if (Tirage(graine) && r + 1 < ties.size() && alea() % 3)
            forme.back().second = 2;
    }
    auto s = Coupe(sport, forme, alea() % 2, graine % 3 == 0);
    TDonneesChampionnat* c = s->ChampionnatCourant();
    ScelleCoupe(*c);   // as a file holds it
    auto r = Page(s.get());
    // The cup played up to a round first, row by row, decided mostly, so
    // that the walk starts in any round; its bracket then holds.
    const TTableau t = Tableau(*c, MatchsCoupe(*c));
    const int cible = t.Tours[alea() % t.Tours.size()].Premier - 1;
    for (int d = 1; d <= cible; ++d) {
        r->TrackBar1->SetPosition(d);
        if (const int tour = t.TourJournee(d); Tirage(graine) && tour > 0 && d == t.Tours[size_t(tour)].Premier &&
                                               alea() % 2) {
            kit::WhenModal([](TForm* f) { f->SetModalResult(mrYes); });
            kit::Click(r->BoutonCopie1);
            kit::Process();
            kit::ForgetModalActions();
            for (int n = r->l_Equipe->Items().Count(); n > 0;) {
                ChoisitEquipe(*r, int(alea() % unsigned(n)));
                if (r->l_Equipe->Items().Count() == n)
                    break;
                n = r->l_Equipe->Items().Count();
            }
        }
        for (int k = 0; k < r->NbLignes(); ++k)
            if (const TLigneResultat& l = r->Ligne(k); !l.Domicile->Text().empty() && !l.Exterieur->Text().empty() &&
                                                      l.ScoreDomicile->Text().empty() &&
                                                      !(Tirage(graine) && k + 2 >= r->NbLignes() && alea() % 3)) {
                const int h = int(alea() % 4), a = alea() % 8 ? (h + 1 + int(alea() % 3)) % 4 : h;
                kit::WhenModal([&](TForm* f) {
                    if (auto* p = dynamic_cast<Tf_Penaltys*>(f)) {
                        p->EditRond1->SetText("5");
                        p->EditRond2->SetText(alea() % 2 ? "4" : "6");
                        kit::Click(p->bc_Valider);
                    } else
                        f->SetModalResult(mrYes);
                });
                Retape(*r, k, IntToStr(h), IntToStr(a));
                r->l_Equipe->SetFocus();
                kit::Process();
                kit::ForgetModalActions();
            }
    }
    r->EnregistrerJournee();
    Verifie(*c);
    VerifieVide(*s, *c);
    for (int pas = 0; pas < 30; ++pas) {
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
        // The later seeds go one step in two to the matchday after the first
        // to play: a second leg before its first.
        const bool apres = Tardive(graine) && front && front < c->NbJour() && alea() % 2;
        // The seeds that draw by hand go one step in three to the first
        // matchday of the round after the first to play.
        int tirage = 0;
        if (Tirage(graine) && front && alea() % 3 == 0) {
            const TTableau x = Tableau(*c, MatchsCoupe(*c));
            if (const int tour = x.TourJournee(front); tour >= 0 && tour + 1 < int(x.Tours.size()))
                tirage = x.Tours[size_t(tour + 1)].Premier;
        }
        r->TrackBar1->SetPosition(tirage  ? tirage
                                  : apres ? front + 1
                                          : alea() % 6 && front ? front : 1 + int(alea() % unsigned(jours)));
        for (int k = 0; quitte != c->NbJournee && c->Journee(quitte) && k < c->Journee(quitte)->NbMatchs(); ++k)
            if (const TInfoComp* m = c->Journee(quitte)->Match(k); m->ScoresSaisis())
                for (const int x : {m->IdEquipe(0), m->IdEquipe(1)})
                    Evenement(*c, quitte, x, !Evenements(*c, quitte, x));
        // One step in three plays the matchday shown first, row by row, so
        // that the walk reaches the later rounds.
        for (int k = 0; alea() % 3 == 0 && k < r->NbLignes(); ++k)
            if (const TLigneResultat& l = r->Ligne(k); !l.Domicile->Text().empty() && !l.Exterieur->Text().empty() &&
                                                      l.ScoreDomicile->Text().empty()) {
                const bool dom = alea() % 2;
                Change(*s, r, alea(), -1, [&] { Retape(*r, k, dom ? "3" : "1", dom ? "1" : "3"); });
                if (::testing::Test::HasFailure())
                    return;
            }
        // A row to play more often, a score level one time in five.
        std::vector<int> pleines, aJouer;
        for (int k = 0; k < r->NbLignes(); ++k) {
            const TLigneResultat& l = r->Ligne(k);
            if (!l.Domicile->Text().empty() && !l.Exterieur->Text().empty())
                (l.ScoreDomicile->Text().empty() ? aJouer : pleines).push_back(k);
        }
        if (aJouer.empty() || alea() % 3 == 0)
            aJouer.insert(aJouer.end(), pleines.begin(), pleines.end());
        const int ligne = aJouer.empty() ? -1 : aJouer[alea() % aJouer.size()];
        const int n = r->NbLignes();
        TCadreDrop* cadre = n ? (alea() % 2 ? r->Ligne(int(alea() % unsigned(n))).Domicile
                                            : r->Ligne(int(alea() % unsigned(n))).Exterieur)
                              : nullptr;
        TCadreDrop* autre = n ? (alea() % 2 ? r->Ligne(int(alea() % unsigned(n))).Domicile
                                            : r->Ligne(int(alea() % unsigned(n))).Exterieur)
                              : nullptr;
        const int liste = r->l_Equipe->Items().Count(), i = liste ? int(alea() % unsigned(liste)) : 0;
        const int buts = int(alea() % 4), ecart = alea() % 5 ? 1 + int(alea() % 3) : 0;
        std::string sh = IntToStr(buts), sa = IntToStr(buts + ecart);
        if (alea() % 2)
            std::swap(sh, sa);
        const int geste = int(alea() % 100);
        if (geste < 3)
            (alea() % 2 ? sh : sa).clear();   // a score erased
        TMenuItem* etats[] = {r->mi_Forfait, r->mi_TapisVert, r->mi_MatchRemis, r->mi_MatchArrete,
                              r->mi_ScoreNonParvenu, r->mi_MatchNormal};
        TMenuItem* etat = etats[alea() % 6];
        const int jour = 1 + int(alea() % 28);
        // The later seeds place a team alone one step in four: it stays
        // placed while the walk shows other matchdays.
        if (Tardive(graine) && liste && (tirage || alea() % 4 == 0)) {
            Change(*s, r, alea(), -1, [&] { ChoisitEquipe(*r, i); });
            if (::testing::Test::HasFailure())
                return;
            continue;
        }
        // One step in six is made in another window that writes the cup.
        if (const int fenetre = int(alea() % 30); fenetre < 5) {
            const int choix = int(alea() % 1000);
            Change(*s, r, alea(), -1, [&] { Ailleurs(*s, r, fenetre, choix); }, "",
                   [&](TForm* f) { Pilote(f, choix); }, fenetre == 1);
            if (::testing::Test::HasFailure())
                return;
            if (!r)
                r = Page(s.get());   // the page shown again at its matchday
            continue;
        }
        Change(*s, r, alea(), -1, [&] {
            if (geste < 46 && ligne >= 0)
                Retape(*r, ligne, sh, sa);
            else if (geste < 50 && cadre)
                kit::DblClick(cadre);
            else if (geste < 54 && cadre)
                kit::Drag(cadre, Centre(cadre), r->l_Equipe, {20, 60});
            else if (geste < 60 && cadre && liste)
                DeposeEquipe(*r, i, cadre);
            else if (geste < 64 && liste)
                ChoisitEquipe(*r, i);
            else if (geste < 74 && cadre && autre)
                kit::Drag(cadre, Centre(cadre), autre, Centre(autre));
            else if (geste < 82 && cadre && !cadre->Text().empty()) {
                // a match state from the box's menu
                kit::MouseDown(cadre, 5, 5, mbRight);
                kit::MouseUp(cadre, 5, 5, mbRight);
                r->pm_Forfait->CloseMenu();
                etat->Click();
            } else if (geste < 87)
                kit::Click(r->b_Completer);
            else if (geste < 90)
                kit::Click(r->BoutonCopie1);
            else if (geste < 94 && r->bde_DateJour->Visible()) {
                r->bde_DateJour->SetFocus();
                r->bde_DateJour->SetDate(TGestionDate::DateVersDateTime(TGestionDate::EncodeDate(jour, 4, 2025)));
                r->l_Equipe->SetFocus();
                kit::Process();
            } else if (geste < 97)
                kit::Click(r->b_Verification);
            else if (ligne >= 0)
                Retape(*r, ligne, sh, sa);
        });
        // The walk stops at the first broken rule: what follows would only repeat it.
        if (::testing::Test::HasFailure())
            return;
    }
    // One walk in two ends by playing the cup out: every row that can be
    // played is, the third-place match is placed from the list when its row
    // is empty, then switched off in the options.
    for (int d = 1; graine % 2 && d <= c->NbJour(); ++d) {
        r->TrackBar1->SetPosition(d);
        for (int k = 0; k < r->NbLignes(); ++k)
            if (const TLigneResultat& l = r->Ligne(k); !l.Domicile->Text().empty() && !l.Exterieur->Text().empty() &&
                                                      l.ScoreDomicile->Text().empty())
                Change(*s, r, alea(), -1, [&] { Retape(*r, k, "2", "1"); });
        if (d == c->NbJour() && r->NbLignes() == 2 && r->Ligne(1).Domicile->Text().empty())
            for (int fois = 0; fois < 2; ++fois)
                Change(*s, r, alea(), -1, [&] { ChoisitEquipe(*r, 0); });
        if (::testing::Test::HasFailure())
            return;
    }
    if (graine % 2) {
        Change(*s, r, alea(), -1, [&] { Ailleurs(*s, r, 3, 4); }, "", [&](TForm* f) { Pilote(f, 4); }, false);
        if (::testing::Test::HasFailure())
            return;
        if (!r)
            r = Page(s.get());
    }
    // Saved and reopened (one in thirteen through the season file), the same
    // cup, every match on its matchday; then a bracket broken by hand is named.
    r->EnregistrerJournee();
    VerifieVide(*s, *c);
    std::unique_ptr<TSaison> relu;
    const std::string f = MakePath(kit::TempDir(), "tableau.xmc");
    uint8_t etat = 0;
    if (graine % 13 == 0 && TTraiteurFichier::Sauver(f, s.get(), nullptr, "", "", nullptr, {}, false))
        relu = TTraiteurFichier::Charger(f, "", "", nullptr, TousSports, etat, true);
    else
        relu = essai::Lit(sport, essai::Document(*s));
    ASSERT_TRUE(relu && relu->ChampionnatCourant());
    EXPECT_TRUE(essai::SansDate(essai::Document(*relu)) == essai::SansDate(essai::Document(*s)))
        << "reopened otherwise";
    Verifie(*relu->ChampionnatCourant());
    r.reset();
    if (graine % 4 == 1)
        Casse(*relu, *relu->ChampionnatCourant(), graine % 8 == 5);
}

class Marcheur : public ::testing::TestWithParam<unsigned>
{
};

// 24 x 20 seeded sequences of 36 steps (the last 160 weighted).
TEST_P(Marcheur, EveryRoadKeepsTheCupOneBracket)
{
    for (unsigned graine = GetParam() * 20; graine < GetParam() * 20 + 20 && !HasFailure(); ++graine)
        Marche(graine);
}

INSTANTIATE_TEST_SUITE_P(Graines, Marcheur, ::testing::Range(0u, 24u));

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
    const std::vector<std::string> dits = Change(*s, r, 0, k.oui, [&] {
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
        // names the row's match and the played final it reaches.
        CasUsager{"a_team_taken_out_names_the_final", 1, {1, 1}, false,
                  {{1, 0, 1, 2, 0}, {1, 2, 3, 1, 0}, {2, 0, 2, 1, 0}}, 1, 0, DoubleClic, "", "", true, 4950, {0, 2}},
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

// A file of an older version whose dated cup was renumbered: the semi-finals
// on the replays' matchday, the semi-finals' own empty, the final undated.
// It opens as it is, and the check names the matches out of place.
TEST(VerificationCoupe, AnOlderRenumberedDatedCupOpensAsItIs)
{
    auto s = Coupe(0, {{4, 3}, {2, 1}, {1, 1}}, false, true);
    TDonneesChampionnat& c = *s->ChampionnatCourant();
    Donnees(c, {{1, 0, 1, 2, 1}, {1, 2, 3, 2, 1}, {1, 4, 5, 2, 1}, {1, 6, 7, 2, 1},
                {2, 0, 2, 1, 0}, {2, 4, 6, 3, 1}, {4, 0, 4, -1, -1}});
    for (int d = 1; d <= 3; ++d)
        c.SetDateJournee(d, TGestionDate::EncodeDate(7 * d, 3, 2025));
    c.SetDateJournee(4, 0);
    const std::string doc = essai::Document(*s);
    auto relu = essai::Lit(0, doc);
    TDonneesChampionnat& l = *relu->ChampionnatCourant();
    EXPECT_TRUE(essai::Document(*relu) == doc) << "opened otherwise";
    ASSERT_NE(l.Journee(2), nullptr);
    EXPECT_EQ(l.Journee(2)->NbMatchs(), 2);
    EXPECT_EQ(l.DateJournee(3), TGestionDate::EncodeDate(21, 3, 2025));
    ASSERT_NE(l.Journee(4), nullptr);
    EXPECT_EQ(l.Journee(4)->NbMatchs(), 1);
    const std::vector<std::string> lignes = VerifieTableau(*relu, l, 2);
    for (const auto& [h, a] : {std::pair{0, 2}, {4, 6}}) {
        const std::string x = TraduireFormat(5308, {relu->NomEquipe(h), relu->NomEquipe(a)});
        EXPECT_NE(std::find(lignes.begin(), lignes.end(), x), lignes.end()) << x;
    }
}

}  // namespace
