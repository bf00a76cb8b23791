// A cup stays one bracket whatever is retyped. A walker builds cups of every
// kind of tie from fixed seeds and drives the results page through its roads
// at random: scores typed and retyped key by key, shoot-outs given or closed,
// scores erased, teams taken out by double click, by a drag to the list or by
// a drop on their box, teams placed, the fixtures completed, everything
// cleared, questions answered Yes or No. After every step: no team plays twice
// on a matchday, every team of a later round went through its ties before
// (the third-place match: two semi-final losers), no tie plays after it is
// decided, no record is left without its match and the records of the matches
// a step does not reach stay; a question comes at most once a step and names
// exactly the played matches that go; No leaves the season and the page as
// they were. At the end the season is saved, reopened and checked again. Who
// goes through a tie is worked out here as a user reads the rules, apart from
// the program's own reading. Then one row for each case users met.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "files/TraiteurFichier.h"
#include "platform/gui/ComCtrls.h"
#include "model/Championnat.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "platform/rtl/Strings.h"
#include "results/Saisie.h"
#include "results/w_DialoguesResultats.h"
#include "tests/results/PageResultatsEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/message2.h"
#include "views/Textes.h"

using namespace page_essai;

namespace {

constexpr uint16_t V = TInfoComp::ScoreVide;

// A cup of 2^k teams of the sport, the kinds of its k rounds from the first,
// option word 1 counting them; matchday 1 holds 0-1, 2-3... unplayed.
std::unique_ptr<TSaison> Coupe(int sport, const std::vector<uint16_t>& genres, bool petiteFinale)
{
    auto s = TMultiSport::CreeSaison(sport);
    auto c = s->CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
    c->OptionsParDefaut();
    const int k = static_cast<int>(genres.size()), equipes = 1 << k;
    for (int i = 0; i < equipes; ++i)
        c->AjouteEquipe(s->AjouteEquipe(vues::NomsFoot[i]));
    std::vector<TInfoTourCoupe> tours;
    for (int r = 0; r < k; ++r)
        tours.push_back({static_cast<uint16_t>(k - r), static_cast<uint16_t>(equipes >> (r + 1)), genres[size_t(r)]});
    c->CreeToursCoupe(tours);
    c->SetOption(1, k);
    c->PetiteFinale = petiteFinale;
    for (int i = 0; i < equipes; i += 2)
        c->CreeMatch(1, i, i + 1, V, V);
    c->NbJournee = 1;
    s->SetChampionnatCourant(s->Arbre().AjouteChampionnat("Coupe", "Coupe", std::move(c), "France")->Championnat());
    return s;
}

// ---- who goes through, read as a user reads the rules -----------------------------------

struct Jeu
{
    int h = -1, a = -1, sh = -1, sa = -1;
    uint32_t tirs = 0;
    bool Entre(int x, int y) const { return (h == x && a == y) || (h == y && a == x); }
};
using Etat = std::vector<std::vector<Jeu>>;   // by matchday, from 1

// The championship's matches, the page's rows standing for the shown matchday.
Etat Lit(TDonneesChampionnat& c, Tf_Resultats* page)
{
    Etat e(size_t(c.NbJour()) + 1);
    for (int d = 1; d <= c.NbJour(); ++d)
        if (page && d == c.NbJournee)
            for (int k = 0; k < page->NbLignes(); ++k) {
                const TLigneResultat& l = page->Ligne(k);
                const bool joue = !l.ScoreDomicile->Text().empty() && !l.ScoreExterieur->Text().empty();
                if (!l.Domicile->Text().empty() && !l.Exterieur->Text().empty())
                    e[size_t(d)].push_back({l.Domicile->Numero, l.Exterieur->Numero,
                                            joue ? StrToInt(l.ScoreDomicile->Text()) : -1,
                                            joue ? StrToInt(l.ScoreExterieur->Text()) : -1,
                                            l.TirsAuBut ? uint32_t(l.TirsAuBut->Tag) : 0u});
            }
        else if (const TInfoCompJour* j = c.Journee(d))
            for (int k = 0; k < j->NbMatchs(); ++k) {
                const TInfoComp* m = j->Match(k);
                const TPenaltyTab* p = c.Penalty(d, m->IdEquipe(0), m->IdEquipe(1));
                e[size_t(d)].push_back({m->IdEquipe(0), m->IdEquipe(1), m->ScoresSaisis() ? m->Score(0) & 0x7FFF : -1,
                                        m->ScoresSaisis() ? m->Score(1) & 0x7FFF : -1,
                                        p ? (uint32_t(p->s1) << 16) + p->s2 : 0u});
            }
    return e;
}

struct Tie
{
    int x, y, gagnant = -1, perdant = -1, decision = 0;
};

// The tie x - y of a round of that kind from matchday p: its games in order,
// each read from x's side.
Tie Decide(const Etat& e, int genre, int p, int x, int y)
{
    Tie t{x, y};
    std::vector<const Jeu*> jeux;
    for (size_t d = size_t(p); d < e.size(); ++d) {
        const Jeu* j = nullptr;
        for (const Jeu& m : e[d])
            j = m.Entre(x, y) ? &m : j;
        if (!j || j->sh < 0)
            break;
        jeux.push_back(j);
    }
    auto buts = [&](size_t i, int equipe) { return jeux[i]->h == equipe ? jeux[i]->sh : jeux[i]->sa; };
    auto ecart = [&](size_t i) { return (buts(i, x) > buts(i, y)) - (buts(i, x) < buts(i, y)); };
    auto par = [&](int v) { return v > 0 ? x : (v < 0 ? y : -1); };
    // A level game goes to its shoot-out, when there is one.
    auto tirs = [&](size_t i) {
        const uint32_t s = jeux[i]->tirs;
        return s == 0 ? -1 : (((s >> 16) & 0xFF) > (s & 0xFF)) == (jeux[i]->h == x) ? x : y;
    };
    auto decide = [&](int g, size_t i) {
        if (g >= 0) {
            t.gagnant = g;
            t.perdant = g == x ? y : x;
            t.decision = p + int(i);
        }
    };
    const size_t n = jeux.size();
    if (genre == 1 && n >= 1)
        decide(ecart(0) ? par(ecart(0)) : tirs(0), 0);
    else if (genre == 2 && n >= 2) {
        const int total = buts(0, x) + buts(1, x) - buts(0, y) - buts(1, y);
        // x's goals away against y's goals away
        const int dehors = (jeux[0]->a == x ? buts(0, x) : buts(1, x)) - (jeux[0]->a == y ? buts(0, y) : buts(1, y));
        decide(total ? par(total) : (dehors ? par(dehors) : tirs(1)), 1);
    } else if (genre == 3 && n >= 1)
        decide(ecart(0) ? par(ecart(0)) : (n >= 2 ? (ecart(1) ? par(ecart(1)) : tirs(1)) : -1), ecart(0) ? 0 : 1);
    else if (genre == 4 && n >= 2)
        decide(ecart(0) + ecart(1) ? par(ecart(0) + ecart(1)) : (n >= 3 ? (ecart(2) ? par(ecart(2)) : tirs(2)) : -1),
               ecart(0) + ecart(1) ? 1 : 2);
    else if (genre >= 5) {
        // A lead above the games left decides (in a best of three, any lead
        // after the second game); level after the last game, its winner, its
        // away side when level.
        const int longueur = 2 * genre - 7;
        for (int i = 0, avance = 0; i < int(n) && t.gagnant < 0 && i < longueur; ++i) {
            avance += ecart(size_t(i));
            if (std::abs(avance) > longueur - i - 1 || (genre == 5 && i == 1 && avance != 0))
                decide(par(avance), size_t(i));
            else if (i == longueur - 1)
                decide(ecart(size_t(i)) ? par(ecart(size_t(i))) : jeux[size_t(i)]->a, size_t(i));
        }
    }
    return t;
}

struct Tour
{
    int premier, dernier;
    std::vector<Tie> ties;
};

// Two semi-final losers in one match: the third-place match.
bool PetiteFinale(const TDonneesChampionnat& c, const std::vector<Tour>& tours, const Jeu& m)
{
    int perdants = 0;
    for (size_t k = 0; c.PetiteFinale && tours.size() >= 2 && k < tours[tours.size() - 2].ties.size(); ++k)
        if (const int p = tours[tours.size() - 2].ties[k].perdant; p >= 0)
            perdants += m.h == p || m.a == p;
    return perdants == 2;
}

std::vector<Tour> Tours(const TDonneesChampionnat& c, const Etat& e)
{
    std::vector<Tour> tours;
    for (int d = 1; d <= c.NbJour(); ++d) {
        const TInfoTourCoupe* t = c.TourCoupe(d - 1);
        if (tours.empty() || (c.TourCoupe(tours.back().premier - 1)->nTour != t->nTour)) {
            tours.push_back({d, d, {}});
            for (const Jeu& m : e[size_t(d)])
                if (!(d == c.NbJour() && PetiteFinale(c, tours, m)))
                    tours.back().ties.push_back(Decide(e, int(t->TypeMatch & 15), d, m.h, m.a));
        }
        tours.back().dernier = d;
    }
    return tours;
}

int Compte(TDonneesChampionnat& c, int d, int equipe)
{
    int n = 0;
    for (TListeDonnees* l : c.ListesDonnees(d))
        for (int i = 0; l && i < l->Nombre(); ++i)
            n += l->Donnee(i)->IdEquipe() == equipe;
    return n;
}

// The cup as a failure shows it: each matchday's kind of tie and matches.
std::string Texte(const TDonneesChampionnat& c, const Etat& e)
{
    std::ostringstream o;
    for (int d = 1; d <= c.NbJour(); ++d) {
        o << "\n" << d << " (" << c.TourCoupe(d - 1)->TypeMatch << "):";
        for (const Jeu& m : e[size_t(d)]) {
            o << " " << m.h << "-" << m.a << " " << m.sh << ":" << m.sa;
            if (m.tirs)
                o << " tab " << (m.tirs >> 16) << ":" << (m.tirs & 0xFF);
        }
    }
    return o.str();
}

// Every rule of a written cup, the page's rows standing for the shown matchday.
void Verifie(TDonneesChampionnat& c, Tf_Resultats* page)
{
    const Etat e = Lit(c, page);
    const std::vector<Tour> tours = Tours(c, e);
    auto passe = [&](int equipe, size_t r) {
        for (size_t k = 0; k < r; ++k)
            for (const Tie& t : tours[k].ties)
                if ((t.x == equipe || t.y == equipe) && t.gagnant != equipe)
                    return false;
        return true;
    };
    for (size_t r = 0; r < tours.size(); ++r)
        for (int d = tours[r].premier; d <= tours[r].dernier; ++d) {
            std::vector<int> vues;
            for (const Jeu& m : e[size_t(d)]) {
                SCOPED_TRACE(testing::Message() << "matchday " << d << ": " << m.h << "-" << m.a);
                for (int x : {m.h, m.a}) {
                    EXPECT_EQ(std::count(vues.begin(), vues.end(), x), 0) << "twice: " << x;
                    vues.push_back(x);
                }
                if (d == c.NbJour() && PetiteFinale(c, tours, m)) {
                    EXPECT_TRUE(passe(m.h, tours.size() - 2) && passe(m.a, tours.size() - 2));
                    continue;
                }
                EXPECT_TRUE(passe(m.h, r) && passe(m.a, r)) << "a team out before round " << r << Texte(c, e);
                const Tie* t = nullptr;
                for (const Tie& x : tours[r].ties)
                    t = m.Entre(x.x, x.y) ? &x : t;
                EXPECT_TRUE(t && (t->decision == 0 || d <= t->decision)) << "no tie plays it" << Texte(c, e);
            }
            for (int x = 0; x < c.NbEquipe() && !(page && d == c.NbJournee); ++x)
                if (Compte(c, d, x) > 0) {
                    EXPECT_TRUE(std::any_of(e[size_t(d)].begin(), e[size_t(d)].end(),
                                            [&](const Jeu& m) { return m.h == x || m.a == x; }))
                        << "records of team " << x << " without a match on matchday " << d;
                }
        }
}

// Row `ligne` retyped key by key, home box first (Backspace empties a box), left by Tab.
void Retape(int ligne, Tf_Resultats& r, const std::string& sh, const std::string& sa)
{
    r.Ligne(ligne).ScoreDomicile->SetFocus();
    kit::Process();
    for (const std::string& s : {sh, sa}) {
        for (int k = 0; k < 3; ++k)
            kit::PressKey(nullptr, VK_BACK);
        kit::Type(nullptr, s);
        kit::PressKey(nullptr, VK_TAB);
    }
    kit::Process();
}

// The rows hold the same teams, scores, states, qualifiers and shoot-outs.
bool Memes(const std::vector<TLigneSaisie>& a, const std::vector<TLigneSaisie>& b)
{
    auto cle = [](const TLigneSaisie& l) {
        return std::tuple(l.Domicile, l.Exterieur, l.ScoreDomicile, l.ScoreExterieur, l.Etat, l.Qualifie, l.TirsAuBut);
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](const TLigneSaisie& x, const TLigneSaisie& y) { return cle(x) == cle(y); });
}

// What a step met: the questions (their text) and the answers given.
struct Reponses
{
    std::mt19937 tirage;
    std::vector<std::string> questions;
    std::vector<bool> oui;
    int tirs = 0;
    bool forceOui = false;
    void Prepare()
    {
        for (int k = 0; k < 4; ++k)
            kit::WhenModal([this](TForm* f) {
                if (auto* p = dynamic_cast<Tf_Penaltys*>(f)) {
                    ++tirs;
                    if (tirage() % 4 == 0) {
                        kit::PressKey(nullptr, VK_ESCAPE);
                        return;
                    }
                    const int g = int(tirage() % 5);
                    p->EditRond1->SetText(IntToStr(g));
                    p->EditRond2->SetText(IntToStr((g + 1 + int(tirage() % 3)) % 6));
                    kit::Click(p->bc_Valider);
                } else if (auto* m = dynamic_cast<Tf_MessageUtil*>(f)) {
                    questions.push_back(m->Label1->Caption());
                    oui.push_back(forceOui || tirage() % 2 == 0);
                    m->SetModalResult(oui.back() ? mrYes : mrNo);
                }
            });
    }
};

// A record on each side of every played match of the matchday, as its sheet gives them.
void Evenements(TDonneesChampionnat& c, int d)
{
    const TInfoCompJour* j = c.Journee(d);
    for (int k = 0; j && k < j->NbMatchs(); ++k)
        for (int cote = 0; cote < 2; ++cote)
            if (const int x = j->Match(k)->IdEquipe(cote); j->Match(k)->ScoresSaisis() && Compte(c, d, x) == 0)
                c.ListesDonnees(d).front()->Ajoute(std::make_unique<TDonneesEvt>(1000 + x, x, 30, 0));
}

// The played matches of the other matchdays, named as the question names them,
// with their scores and the records of their teams.
std::map<std::string, std::string> Joues(TSaison& s, TDonneesChampionnat& c)
{
    std::map<std::string, std::string> v;
    for (int d = 1; d <= c.NbJour(); ++d)
        for (int k = 0; c.Journee(d) && k < c.Journee(d)->NbMatchs() && d != c.NbJournee; ++k)
            if (const TInfoComp* m = c.Journee(d)->Match(k); MatchSaisi(c, d, m->IdEquipe(0), m->IdEquipe(1)))
                v[LibelleMatchRemplace(s, {d, m->IdEquipe(0), m->IdEquipe(1)})] =
                    IntToStr(Compte(c, d, m->IdEquipe(0))) + "/" + IntToStr(Compte(c, d, m->IdEquipe(1)));
    return v;
}

void Marche(unsigned graine)
{
    std::mt19937 alea(graine);
    const int sport = int(alea() % 4), tours = 2 + int(alea() % 2);
    std::vector<uint16_t> genres;
    for (int r = 0; r < tours; ++r)
        genres.push_back(uint16_t(1 + (graine / 2 + unsigned(r) * 3 + alea() % 2) % 7));
    auto s = Coupe(sport, genres, alea() % 2 == 0);
    TDonneesChampionnat* c = s->ChampionnatCourant();
    auto r = Page(s.get());
    Reponses rep;
    for (int pas = 0; pas < 60; ++pas) {
        SCOPED_TRACE(testing::Message() << "seed " << graine << ", step " << pas);
        // The first matchday still to play more often, else any up to the
        // one after the last holding a match.
        int dernier = 1, front = 0;
        for (int d = 1; d <= c->NbJour(); ++d)
            for (int k = 0; c->Journee(d) && k < c->Journee(d)->NbMatchs(); ++k) {
                dernier = d;
                front = front || c->Journee(d)->Match(k)->ScoresSaisis() ? front : d;
            }
        const int d = alea() % 6 && front ? front : 1 + int(alea() % unsigned(std::min(dernier + 1, c->NbJour())));
        const int quitte = c->NbJournee;
        rep.Prepare();
        r->TrackBar1->SetPosition(d);
        kit::ForgetModalActions();
        if (quitte != d)
            Evenements(*c, quitte);
        Verifie(*c, r.get());
        const std::string avant = essai::SansDate(essai::Document(*s));
        const std::vector<TLigneSaisie> lignes = r->LignesSaisies();
        const auto joues = Joues(*s, *c);
        rep.questions.clear();
        rep.oui.clear();
        const unsigned reponses = alea();
        rep.tirage.seed(reponses);
        rep.Prepare();
        std::vector<int> pleines, aJouer;
        bool libre = false;
        for (int k = 0; k < r->NbLignes(); ++k) {
            const TLigneResultat& l = r->Ligne(k);
            libre = libre || l.Domicile->Text().empty() || l.Exterieur->Text().empty();
            if (!l.Domicile->Text().empty() && !l.Exterieur->Text().empty())
                (l.ScoreDomicile->Text().empty() ? aJouer : pleines).push_back(k);
        }
        // Mostly scores, a row still to play more often; now and then a
        // team taken out or placed, the fixtures completed, all cleared.
        const int tirage = int(alea() % 40);
        const int geste = tirage < 2    ? 0
                          : tirage < 29 ? 1
                          : tirage < 30 ? 12
                          : tirage < 31 ? 13
                          : tirage < 33 ? 14
                          : tirage < 36 ? 15
                          : tirage < 39 ? 17
                                        : 19;
        if (!aJouer.empty() && alea() % 3)
            pleines = aJouer;
        else
            pleines.insert(pleines.end(), aJouer.begin(), aJouer.end());
        const int ligne = pleines.empty() ? -1 : pleines[alea() % pleines.size()];
        TCadreDrop* cadre = ligne < 0 ? nullptr : (alea() % 2 ? r->Ligne(ligne).Domicile : r->Ligne(ligne).Exterieur);
        const int liste = r->l_Equipe->Items().Count();
        // Level one time in five.
        const int buts = int(alea() % 4), ecart = alea() % 5 ? 1 + int(alea() % 3) : 0;
        std::string sh = IntToStr(alea() % 2 ? buts : buts + ecart), sa = IntToStr(sh == IntToStr(buts) ? buts + ecart : buts);
        if (geste == 0 && ligne >= 0)
            (alea() % 2 ? sh : sa).clear();   // a score erased
        if (geste < 12 && ligne >= 0)
            Retape(ligne, *r, sh, sa);
        else if (geste == 12 && cadre)
            kit::DblClick(cadre);
        else if (geste == 13 && cadre)
            kit::Drag(cadre, Centre(cadre), r->l_Equipe, {20, 60});
        else if (geste == 14 && cadre && liste > 0)
            DeposeEquipe(*r, int(alea() % unsigned(liste)), cadre);
        else if (geste <= 16 && liste > 0 && libre)
            ChoisitEquipe(*r, int(alea() % unsigned(liste)));
        else if (geste == 17)
            kit::Click(r->b_Completer);
        else if (geste == 19 && alea() % 3 == 0)
            kit::Click(r->BoutonCopie1);
        kit::Process();
        kit::ForgetModalActions();
        ASSERT_LE(rep.questions.size(), 1u) << "asked more than once";
        if (!rep.oui.empty() && !rep.oui[0]) {
            // No: the season and the page as they were.
            EXPECT_EQ(essai::SansDate(essai::Document(*s)), avant);
            EXPECT_TRUE(Memes(r->LignesSaisies(), lignes));
            if (geste < 12) {
                // The same change asks again.
                rep.questions.clear();
                rep.tirage.seed(reponses);
                rep.forceOui = true;
                rep.Prepare();
                Retape(ligne, *r, sh, sa);
                kit::ForgetModalActions();
                rep.forceOui = false;
                EXPECT_EQ(rep.questions.size(), 1u) << "not asked again";
            }
        }
        // A played match of another matchday goes only named, and only with
        // the records of its own teams; the others keep theirs.
        const auto apres = Joues(*s, *c);
        const std::string question = rep.questions.empty() || !rep.oui.back() ? std::string() : rep.questions.back();
        for (const auto& [nom, records] : joues) {
            const bool nomme = question.find('\n' + nom + '\n') != std::string::npos;
            const auto reste = apres.find(nom);
            EXPECT_EQ(reste == apres.end(), nomme) << nom;
            if (reste != apres.end() && nom.find("\xA0-\xA0") != std::string::npos) {
                EXPECT_EQ(reste->second, records) << nom;
            }
        }
        Verifie(*c, r.get());
    }
    // Written, saved and reopened: the same cup, whole.
    rep.Prepare();
    r->EnregistrerJournee();
    kit::ForgetModalActions();
    for (int d = 1; d <= c->NbJour(); ++d)
        EXPECT_TRUE(VerifieTableau(*s, *c, d).empty()) << d;
    // One sequence in thirteen goes through the season file, the others
    // through the document it holds.
    std::unique_ptr<TSaison> relu;
    if (graine % 13 == 0) {
        const std::string f = MakePath(kit::TempDir(), "tableau_" + IntToStr(int(graine)) + ".xmc");
        ASSERT_TRUE(TTraiteurFichier::Sauver(f, s.get(), nullptr, "", "", nullptr, {}, false));
        uint8_t etat = 0;
        relu = TTraiteurFichier::Charger(f, "", "", nullptr, TousSports, etat, true);
    } else
        relu = essai::Lit(sport, essai::Document(*s));
    ASSERT_TRUE(relu && relu->ChampionnatCourant());
    EXPECT_EQ(essai::SansDate(essai::Document(*relu)), essai::SansDate(essai::Document(*s)));
    Verifie(*relu->ChampionnatCourant(), nullptr);
    r.reset();
}

class Marcheur : public ::testing::TestWithParam<unsigned>
{
};

// 8 x 26 seeded sequences of 14 steps.
TEST_P(Marcheur, EveryRoadKeepsTheCupOneBracket)
{
    for (unsigned graine = GetParam() * 26; graine < GetParam() * 26 + 26; ++graine)
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
    std::vector<Donne> jeux;
    int journee, ligne, propre;   // the row changed (its home box for a gesture), its match in jeux
    Geste geste;
    const char *sh, *sa;
    bool oui;
    int question;                 // the text asked (0: none)
    std::vector<int> nommes;      // the matches it names, in order
    int absent;                   // a text the question never holds (0: none)
};

class Usagers : public ::testing::TestWithParam<CasUsager>
{
};

TEST_P(Usagers, TheQuestionNamesWhatGoesAndTheCupStaysOneBracket)
{
    const CasUsager& k = GetParam();
    auto s = Coupe(k.sport, k.genres, k.petiteFinale);
    TDonneesChampionnat* c = s->ChampionnatCourant();
    for (const Donne& j : k.jeux) {
        // As a file holds them, whatever else the matchday holds.
        TInfoComp* m = c->Journees().MatchEquipes(j.d, j.h, j.a, -1, true, 0);
        m->SetScore(0, j.sh < 0 ? V : j.sh);
        m->SetScore(1, j.sh < 0 ? V : j.sa);
        for (const int x : {j.h, j.a})
            if (j.sh >= 0)
                c->ListesDonnees(j.d).front()->Ajoute(std::make_unique<TDonneesEvt>(1000 + x, x, 30, 0));
    }
    c->NbJournee = uint8_t(k.journee);
    auto r = Page(s.get());
    r->EnregistrerJournee();
    const std::string avant = essai::SansDate(essai::Document(*s));
    std::string attendu = k.question ? vues::Texte(k.question) : std::string();
    for (const int i : k.nommes) {
        attendu += '\n';
        attendu += LibelleMatchRemplace(*s, {k.jeux[size_t(i)].d, k.jeux[size_t(i)].h, k.jeux[size_t(i)].a});
    }
    if (!k.nommes.empty()) {
        attendu += '\n';
        attendu += vues::Texte(k.question + 1);
    }
    std::vector<std::string> dits;
    auto change = [&] {
        kit::WhenModal([&](TForm* f) {
            auto* m = dynamic_cast<Tf_MessageUtil*>(f);
            ASSERT_NE(m, nullptr);
            dits.push_back(m->Label1->Caption());
            if (dits.size() == 1)
                kit::GrabToPng(m, std::string("tableau_question_") + k.nom);
            m->SetModalResult(k.oui ? mrYes : mrNo);
        });
        TCadreDrop* cadre = r->Ligne(k.ligne).Domicile;
        switch (k.geste) {
        case Retaper: Retape(k.ligne, *r, k.sh, k.sa); break;
        case DoubleClic: kit::DblClick(cadre); break;
        case VersLaListe: kit::Drag(cadre, Centre(cadre), r->l_Equipe, {20, 60}); break;
        case DepotSurLeCadre: DeposeEquipe(*r, 0, cadre); break;
        }
        kit::ForgetModalActions();
    };
    change();
    ASSERT_EQ(dits.size(), k.question ? 1u : 0u);
    if (k.question) {
        EXPECT_EQ(dits[0], attendu);
        EXPECT_TRUE(!k.absent || dits[0].find(Traduire(k.absent)) == std::string::npos) << dits[0];
    }
    if (!k.oui) {
        // No: the season as it was, in the page and written; the same change asks again.
        EXPECT_EQ(essai::SansDate(essai::Document(*s)), avant);
        r->EnregistrerJournee();
        EXPECT_EQ(essai::SansDate(essai::Document(*s)), avant);
        change();
        EXPECT_EQ(dits.size(), 2u);
    }
    // Written: the named matches gone with their records, the others whole.
    Verifie(*c, r.get());
    r->TrackBar1->SetPosition(k.journee == 1 ? 2 : 1);
    for (size_t i = 0; i < k.jeux.size(); ++i) {
        const Donne& j = k.jeux[i];
        if (j.sh < 0 || int(i) == k.propre)
            continue;
        const bool part = k.oui && std::find(k.nommes.begin(), k.nommes.end(), int(i)) != k.nommes.end();
        const TInfoComp* m = c->MatchEquipes(j.d, j.h, j.a);
        SCOPED_TRACE(i);
        EXPECT_EQ(m == nullptr, part);
        EXPECT_EQ(Compte(*c, j.d, j.h) + Compte(*c, j.d, j.a) > 0, !part);
        if (m && !part) {
            EXPECT_EQ(m->Score(0) & 0x7FFF, j.sh);
            EXPECT_GE(Compte(*c, j.d, j.h), 1);
        }
    }
    Verifie(*c, r.get());
    for (int d = 1; d <= c->NbJour(); ++d)
        EXPECT_TRUE(VerifieTableau(*s, *c, d).empty()) << d;
    auto relu = essai::Lit(k.sport, essai::Document(*s));
    Verifie(*relu->ChampionnatCourant(), nullptr);
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
                  1, 0, 0, Retaper, "0", "1", true, 4800, {4, 6}, 0},
        // A semi-final changed: the played third-place match that held the
        // new finalist is named and goes, the new losers take its place.
        CasUsager{"a_played_third_place_match_is_named", 2, {1, 2}, true,
                  {{1, 0, 1, 2, 0}, {1, 2, 3, 1, 0}, {2, 0, 2, 1, 1}, {3, 2, 0, -1, -1}, {3, 1, 3, 3, 1}},
                  1, 0, 0, Retaper, "0", "1", true, 4800, {2, 4}, 0},
        // A file whose third-place row holds a finalist: taking him out of it
        // by each gesture leaves the final's records.
        CasUsager{"the_finals_records_stay_double_click", 0, {1, 1}, true,
                  {{1, 0, 1, 0, 2}, {1, 2, 3, 2, 0}, {2, 1, 2, 1, 0}, {2, 1, 3, 3, 1}},
                  2, 1, 3, DoubleClic, "", "", true, 4300, {}, 0},
        CasUsager{"the_finals_records_stay_drag_to_the_list", 0, {1, 1}, true,
                  {{1, 0, 1, 0, 2}, {1, 2, 3, 2, 0}, {2, 1, 2, 1, 0}, {2, 1, 3, 3, 1}},
                  2, 1, 3, VersLaListe, "", "", true, 4300, {}, 0},
        CasUsager{"the_finals_records_stay_drop_on_the_box", 0, {1, 1}, true,
                  {{1, 0, 1, 0, 2}, {1, 2, 3, 2, 0}, {2, 1, 2, 1, 0}, {2, 1, 3, 3, 1}},
                  2, 1, 3, DepotSurLeCadre, "", "", true, 4300, {}, 0},
        // A semi-final's winner taken out of its played row: one question
        // names the played final it reaches.
        CasUsager{"a_team_taken_out_names_the_final", 1, {1, 1}, false,
                  {{1, 0, 1, 2, 0}, {1, 2, 3, 1, 0}, {2, 0, 2, 1, 0}},
                  1, 0, 0, DoubleClic, "", "", true, 4950, {2}, 0},
        // A best-of-three semi-final's last game changed so that the other
        // team wins the series, No: nothing changes, and it asks again.
        CasUsager{"no_changes_nothing", 2, {5, 1}, false,
                  {{1, 0, 1, 80, 70}, {1, 2, 3, 80, 70}, {2, 1, 0, 80, 70}, {2, 3, 2, 70, 80}, {3, 0, 1, 90, 85},
                   {4, 0, 2, 88, 80}},
                  3, 0, 4, Retaper, "85", "90", false, 4800, {5}, 0},
        CasUsager{"no_keeps_the_file", 0, {2, 1}, false,
                  {{1, 0, 1, 1, 0}, {1, 2, 3, 1, 0}, {2, 1, 0, 0, 0}, {2, 3, 2, 0, 0}, {3, 0, 2, 2, 1}},
                  2, 0, 2, Retaper, "2", "0", false, 4800, {4}, 0},
        // A first leg changed so that the aggregate goes the other way.
        CasUsager{"a_first_leg_asks", 0, {2, 1}, false,
                  {{1, 0, 1, 1, 0}, {1, 2, 3, 1, 0}, {2, 1, 0, 0, 0}, {2, 3, 2, 0, 0}, {3, 0, 2, 2, 1}},
                  1, 0, 0, Retaper, "0", "1", true, 4800, {4}, 0},
        // A final replayed when level: its first match is not a first leg.
        CasUsager{"a_replayed_finals_first_match", 3, {1, 3}, false,
                  {{1, 0, 1, 2, 0}, {1, 2, 3, 1, 0}, {2, 0, 2, 1, 1}, {3, 2, 0, -1, -1}},
                  1, 0, 0, Retaper, "0", "2", true, 4800, {2}, 283}),
    [](const auto& info) { return std::string(info.param.nom); });

// The check of a matchday of an older file: the third-place match holds a
// finalist, who plays two matches that day and has no place in that one.
TEST(VerificationCoupe, NamesATeamInTwoMatchesAndATeamWithoutItsPlace)
{
    auto s = Coupe(0, {1, 1}, true);
    TDonneesChampionnat* c = s->ChampionnatCourant();
    c->CreeMatch(1, 0, 1, 0, 2);
    c->CreeMatch(1, 2, 3, 2, 0);
    c->CreeMatch(2, 1, 2, 1, 0);
    c->Journees().MatchEquipes(2, 1, 3, -1, true, 0)->SetScore(0, 3);
    c->NbJournee = 2;
    auto r = Page(s.get());
    std::vector<std::string> lignes;
    kit::WhenModal([&](TForm* f) {
        auto* v = dynamic_cast<Tf_Validation*>(f);
        ASSERT_NE(v, nullptr);
        for (TLabel* t : v->Lignes)
            lignes.push_back(t->Caption());
        kit::GrabToPng(v, "verification_coupe");
        kit::Click(v->BoutonCopie2);
    });
    kit::Click(r->b_Verification);
    const std::string un = s->NomEquipe(1), trois = s->NomEquipe(3);
    for (const std::string& l : {TraduireFormat(4953, {un}), TraduireFormat(4952, {un, trois, un})}) {
        EXPECT_NE(std::find(lignes.begin(), lignes.end(), l), lignes.end()) << l;
    }
    r.reset();
}

}  // namespace
