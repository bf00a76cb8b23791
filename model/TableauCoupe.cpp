#include "model/TableauCoupe.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/Saison.h"

namespace {

constexpr uint16_t Vide = TInfoComp::ScoreVide;

int Signe(int v) { return (v > 0) - (v < 0); }

// The round of every matchday (the legs of a tie and the matches of a series
// share their round: consecutive matchdays of one round code; a matchday
// without a round record is a round of its own), as [first, last] pairs.
std::vector<std::pair<int, int>> BornesTours(const TDonneesChampionnat& c)
{
    std::vector<std::pair<int, int>> v;
    int precedent = 0;
    for (int d = 1; d <= c.NbJour(); ++d) {
        const TInfoTourCoupe* t = c.TourCoupe(d - 1);
        const int code = t ? static_cast<int>(t->nTour & 63) : -1 - d;
        if (v.empty() || code != precedent)
            v.push_back({d, d});
        v.back().second = d;
        precedent = code;
    }
    return v;
}

const TMatchCoupe* Entre(const TMatchsCoupe& e, int d, int x, int y)
{
    if (d < 1 || d > static_cast<int>(e.size()))
        return nullptr;
    for (const TMatchCoupe& m : e[static_cast<size_t>(d - 1)])
        if (m.Entre(x, y) && m.Troisieme != 1)
            return &m;
    return nullptr;
}

// The rule of the tie kind of matchday n for its match m, the earlier matches
// of the two teams read from the state.
TDecisionTour Regle(const TDonneesChampionnat& c, const TMatchsCoupe& e, int n, const TMatchCoupe& m)
{
    TDecisionTour d;
    const TInfoTourCoupe* tour = c.TourCoupe(n - 1);
    const uint32_t t = tour ? tour->TypeMatch : 0;
    const int h = m.Domicile, a = m.Exterieur, sh = m.ScoreDomicile, sa = m.ScoreExterieur;
    auto gagnant = [&](int p) { d.Qualifie = p > 0 ? 0 : 1; };
    // The match j matchdays back, seen from h: eh its goals, ea those of a.
    int eh = 0, ea = 0;
    auto precedent = [&](int j) {
        const TMatchCoupe* p = Entre(e, n - j, h, a);
        if (!p || !p->Joue())
            return false;
        const bool memeCote = p->Domicile == h;
        eh = memeCote ? p->ScoreDomicile : p->ScoreExterieur;
        ea = memeCote ? p->ScoreExterieur : p->ScoreDomicile;
        return true;
    };
    switch (t) {
    case 1: case 195: case 196:
        if (sh == sa)
            d.TirsAuBut = true;
        else
            gagnant(sh - sa);
        break;
    case 67:
        if (sh == sa)
            d.Indecis = true;
        else
            gagnant(sh - sa);
        break;
    case 85: case 150: case 215: {
        // The last match of a series: every match of it counts, this one
        // breaking a level count.
        const int k = static_cast<int>(t >> 5) + 1;
        int p = Signe(sh - sa);
        for (int j = 1; j <= k - 1; ++j)
            if (precedent(j))
                p += Signe(eh - ea);
        gagnant(p != 0 ? p : (sh > sa ? 1 : -1));
        break;
    }
    case 130: {
        if (!precedent(1))
            return TDecisionTour{true};
        const int ah = sh + eh, aa = sa + ea;
        if (ah != aa)
            gagnant(ah - aa);
        else if (sa == eh)
            d.TirsAuBut = true;
        else
            gagnant(sa < eh ? 1 : -1);
        break;
    }
    case 53: case 132: {
        if (!precedent(1))
            return TDecisionTour{true};
        const int p = Signe(eh - ea) + Signe(sh - sa);
        if (p == 0)
            d.Indecis = true;
        else
            gagnant(p);
        break;
    }
    case 86: case 118: case 119: case 151: case 183: {
        const int k = static_cast<int>(t >> 5) + 1;
        const int longueur = (t & 15) == 6 ? 5 : 7;
        int p = Signe(sh - sa);
        for (int j = 1; j <= k - 1; ++j) {
            if (!precedent(j))
                return TDecisionTour{true};
            p += Signe(eh - ea);
        }
        if (std::abs(p) < longueur - k + 1)
            p = 0;
        if (p == 0)
            d.Indecis = true;
        else
            gagnant(p);
        break;
    }
    case 21: case 22: case 23: case 54: case 55: case 66: case 68: case 87:
        d.Aucune = true;
        break;
    default:
        break;
    }
    return d;
}

// Who the tie sends on, from its matches of the round in order: each decides
// it, plans the next one or leaves it waiting for a result.
void Evalue(const TDonneesChampionnat& c, const TMatchsCoupe& e, const TTour& tour, TTie& t)
{
    for (int d = tour.Premier; d <= tour.Dernier && t.Domicile >= 0 && t.Exterieur >= 0; ++d) {
        const TMatchCoupe* m = Entre(e, d, t.Domicile, t.Exterieur);
        if (!m || !m->Joue())
            return;
        const TDecisionTour r = Regle(c, e, d, *m);
        if (r.Aucune)
            continue;
        if (r.Indecis) {
            const TInfoTourCoupe* tc = c.TourCoupe(d - 1);
            const bool memeCote = tc && tc->TypeMatch == 118;
            t.Suite = d + 1;
            t.SuiteDomicile = memeCote ? m->Domicile : m->Exterieur;
            t.SuiteExterieur = memeCote ? m->Exterieur : m->Domicile;
            continue;
        }
        int cote = r.Qualifie;
        // A level match goes to its shoot-out; a single match (a file of an
        // older version may hold only the side it flagged through) and a kind
        // the rule does not know keep the side flagged. A later leg's flag is
        // read again from the legs, which may have changed since.
        const TInfoTourCoupe* tc = c.TourCoupe(d - 1);
        const uint32_t type = tc ? tc->TypeMatch : 0;
        const bool seul = type == 1 || type == 195 || type == 196;
        const int flag = m->Qualifie == 0 || m->Qualifie == 1 ? m->Qualifie : -1;
        if (r.TirsAuBut && m->TirsAuBut != 0)
            cote = TirsDomicile(m->TirsAuBut) > TirsExterieur(m->TirsAuBut) ? 0 : 1;
        else if (r.TirsAuBut)
            cote = seul ? flag : -1;
        else if (cote < 0)
            cote = flag;
        if (cote < 0)
            return;
        t.Vainqueur = cote == 0 ? m->Domicile : m->Exterieur;
        t.Perdant = cote == 0 ? m->Exterieur : m->Domicile;
        t.Decision = d;
        return;
    }
}

// A line-up, a substitution or a captain entered for the team.
bool CompositionEntree(const TInfoComp& m, int equipe)
{
    if (m.CompositionSaisie(equipe) || m.Capitaine(equipe) != 0)
        return true;
    for (int s = 1; s <= m.NbTitulaire(); ++s)
        if (m.JoueurTitulaire(equipe, s) != 0)
            return true;
    for (int r = 1; r <= m.NbRemp(); ++r)
        if (m.ValeurRemplacement(equipe, r, 1) != 0 || m.ValeurRemplacement(equipe, r, 3) != 0)
            return true;
    return false;
}

// The match of matchday d between h and a goes with its shoot-out, its state,
// and the events and line-ups of its teams (those of a team that plays
// another match of the matchday stay with that one).
void SupprimeMatchCoupe(TDonneesChampionnat& c, const TMatchRemplace& m)
{
    TInfoCompJour* j = c.Journee(m.Journee);
    const int i = j ? j->IndexMatch(m.Domicile, m.Exterieur) : -1;
    if (i < 0)
        return;
    c.SupprimePenalty(m.Journee, m.Domicile, m.Exterieur);
    c.Penalites().Supprime(m.Domicile, m.Exterieur, m.Journee);
    j->SupprimeMatch(i);
    for (const int x : {m.Domicile, m.Exterieur})
        if (j->IndexMatchEquipe(x) < 0)
            c.SupprimeDonneesEquipe(x, m.Journee, false);
}

// The next round's pairing two ties (or a team fixed for it and a tie) make.
struct TPlaceTour
{
    int Domicile = -1, Exterieur = -1;
    std::vector<int> Ties;   // the ties of the round before that feed it
};

// The pairings the first matchday of round r + 1 gets from round r.
std::vector<TPlaceTour> PlacesTour(const TDonneesChampionnat& c, const TTableau& t, int r)
{
    std::vector<TPlaceTour> places;
    if (r < 0 || r >= static_cast<int>(t.Tours.size()))
        return places;
    const TTour& tour = t.Tours[static_cast<size_t>(r)];
    int attente = -1;
    for (size_t k = 0; k < tour.Ties.size(); ++k) {
        const int vainqueur = tour.Ties[k].Vainqueur;
        // A team fixed for the next match of a row of the first matchday
        // plays at home against that row's winner; the other ties go two by
        // two.
        const int fixe = tour.Premier == 1 ? c.EquipeMatchSuivant(static_cast<int>(k)) : -1;
        if (fixe >= 0 && fixe < Vide)
            places.push_back({fixe, vainqueur, {static_cast<int>(k)}});
        else if (attente < 0) {
            attente = static_cast<int>(places.size());
            places.push_back({vainqueur, -1, {static_cast<int>(k)}});
        } else {
            places[static_cast<size_t>(attente)].Exterieur = vainqueur;
            places[static_cast<size_t>(attente)].Ties.push_back(static_cast<int>(k));
            attente = -1;
        }
    }
    return places;
}

// The changes of a cup worked out on its matches before any reaches the
// championship.
struct TSimulation
{
    const TDonneesChampionnat& c;
    TMatchsCoupe e;
    TSuiteCoupe s;
    std::vector<std::pair<int, int>> bornes;
    // The round of the changed matchday and its ties whose match there the
    // change gives another result.
    int tourChange = -1;
    std::vector<int> tiesRejoues;

    std::vector<TMatchCoupe>& Journee(int d) { return e[static_cast<size_t>(d - 1)]; }
    void Supprime(int d, size_t i)
    {
        const TMatchCoupe m = Journee(d)[i];
        Journee(d).erase(Journee(d).begin() + static_cast<std::ptrdiff_t>(i));
        s.Operations.push_back({{d, m.Domicile, m.Exterieur}, false, static_cast<int>(i)});
    }
    // The match of x and y on d goes, with the matches of their tie after it
    // in its round.
    void SupprimeTie(int d, int x, int y)
    {
        int fin = d;
        for (const auto& [p, f] : bornes)
            if (p <= d && d <= f)
                fin = f;
        for (int k = d; k <= fin; ++k)
            for (size_t i = 0; i < Journee(k).size(); ++i)
                if (Journee(k)[i].Entre(x, y) && Journee(k)[i].Troisieme != 1) {
                    Supprime(k, i);
                    break;
                }
    }
    // A match to play at place i of matchday d: the teams leave any other
    // match of it first (no team plays twice on a matchday).
    void Cree(int d, int h, int a, size_t i, bool troisieme)
    {
        for (size_t k = 0; k < Journee(d).size();)
            if (const TMatchCoupe& m = Journee(d)[k]; m.Tient(h) || m.Tient(a)) {
                i -= k < i ? 1 : 0;
                if (m.Troisieme == 1)
                    Supprime(d, k);
                else
                    SupprimeTie(d, m.Domicile, m.Exterieur);
            } else
                ++k;
        i = std::min(i, Journee(d).size());
        while (!troisieme && i > 0 && Journee(d)[i - 1].Troisieme == 1)
            --i;   // a tie's match before the third-place one
        TMatchCoupe m;
        m.Domicile = h;
        m.Exterieur = a;
        m.Troisieme = troisieme ? 1 : 0;
        Journee(d).insert(Journee(d).begin() + static_cast<std::ptrdiff_t>(i), m);
        s.Operations.push_back({{d, h, a}, true, static_cast<int>(i)});
    }
    // Each side of the matches of d (the third-place match or the others)
    // whose team a tie of round r sent there (its winner, or its loser for
    // the third-place match) takes the team that tie sends now (the tie of
    // the same two teams: the ties of a round are not told by their rows,
    // which move up when one goes); a team that had its place there and has
    // it no more leaves it (none takes the place of a team no tie sent). A
    // team no tie sent there, without its place, that played a tie of round
    // r stands in that tie's place (a file may hold a side that did not win
    // it: an older version sent one through on a level shoot-out): once the
    // change decides that tie, or gives its match another result, the team
    // it sends takes the place. A match whose teams differ goes, and comes
    // back at its place when both are known.
    void Remplace(int d, bool troisieme, const TTableau& t0, const TTableau& t, int r)
    {
        auto place = [&](const TTableau& x, int e) { return troisieme ? x.Troisieme(e) : x.Qualifiee(e, r + 1); };
        const TTour &avant = t0.Tours[static_cast<size_t>(r)], &apres = t.Tours[static_cast<size_t>(r)];
        std::vector<TMatchCoupe> matchs;
        for (const TMatchCoupe& m : Journee(d))
            if ((m.Troisieme == 1) == troisieme)
                matchs.push_back(m);
        for (const TMatchCoupe& m : matchs) {
            int cotes[2] = {m.Domicile, m.Exterieur};
            bool change = false;
            for (int& x : cotes) {
                int y = -1;
                bool envoyee = false;
                for (const TTie& a : avant.Ties)
                    if (x >= 0 && (troisieme ? a.Perdant : a.Vainqueur) == x) {
                        envoyee = true;
                        for (const TTie& b : apres.Ties)
                            if (b.Domicile == a.Domicile && b.Exterieur == a.Exterieur)
                                y = troisieme ? b.Perdant : b.Vainqueur;
                    }
                for (size_t k = 0; !envoyee && x >= 0 && !place(t0, x) && k < avant.Ties.size(); ++k) {
                    const TTie& a = avant.Ties[k];
                    for (const TTie& b : apres.Ties)
                        if ((a.Domicile == x || a.Exterieur == x) && b.Domicile == a.Domicile &&
                            b.Exterieur == a.Exterieur) {
                            const int z = troisieme ? b.Perdant : b.Vainqueur;
                            const bool rejoue = r == tourChange && std::find(tiesRejoues.begin(), tiesRejoues.end(),
                                                                             static_cast<int>(k)) != tiesRejoues.end();
                            if (z >= 0 && z != x && (z != (troisieme ? a.Perdant : a.Vainqueur) || rejoue)) {
                                envoyee = true;
                                y = z;
                            }
                        }
                }
                if (x < 0 || (!(envoyee && y != x) && !(place(t0, x) && !place(t, x))))
                    continue;
                change = true;
                x = y;
            }
            if (!change)
                continue;
            size_t i = 0;
            while (i < Journee(d).size() && !(Journee(d)[i].Entre(m.Domicile, m.Exterieur) &&
                                              (Journee(d)[i].Troisieme == 1) == troisieme))
                ++i;
            if (i == Journee(d).size())
                continue;
            if (troisieme)
                Supprime(d, i);
            else
                SupprimeTie(d, m.Domicile, m.Exterieur);
            if (cotes[0] >= 0 && cotes[1] >= 0 && cotes[0] != cotes[1])
                Cree(d, cotes[0], cotes[1], i, troisieme);
        }
    }
    // A known pairing that nothing holds yet takes the first free row of d,
    // after the matches already there (the third-place match kept last): a
    // row drawn or placed before never moves.
    void Place(int d, const TPlaceTour& p, bool troisieme)
    {
        for (const TMatchCoupe& m : Journee(d))
            if (m.Tient(p.Domicile) || m.Tient(p.Exterieur) || (troisieme && m.Troisieme == 1))
                return;
        Cree(d, p.Domicile, p.Exterieur, Journee(d).size(), troisieme);
    }
};

// The second leg of a two-legged tie (with or without a decider): a calendar
// may play it before the first. A decider, replay or later game waits for
// the matches before it.
bool MancheRetour(const TDonneesChampionnat& c, const TTour& tour, int j)
{
    const TInfoTourCoupe* t = c.TourCoupe(j - 1);
    return t && j == tour.Premier + 1 && (t->TypeMatch == 130 || t->TypeMatch == 132);
}

TMatchsCoupe MatchsLus(const TDonneesChampionnat& c)
{
    TMatchsCoupe e(static_cast<size_t>(std::max(c.NbJour(), c.Journees().Nombre())));
    for (int d = 1; d <= static_cast<int>(e.size()); ++d)
        if (const TInfoCompJour* j = c.Journee(d))
            for (int k = 0; k < j->NbMatchs(); ++k)
                e[static_cast<size_t>(d - 1)].push_back(MatchCoupe(c, d, *j->Match(k)));
    return e;
}

// Which match of the last matchday is the third-place one, told from the
// semi-finals as the state holds them.
void ResoutPetiteFinale(const TDonneesChampionnat& c, TMatchsCoupe& e)
{
    if (const int fin = c.NbJour(); c.PetiteFinale && fin >= 1 && fin <= static_cast<int>(e.size())) {
        const TTableau t = Tableau(c, e);
        std::vector<TMatchCoupe>& j = e[static_cast<size_t>(fin - 1)];
        for (size_t k = 0; k < j.size(); ++k)
            j[k].Troisieme = k < t.PetitesFinales.size() && t.PetitesFinales[k] ? 1 : 0;
    }
}

// The later matches a change deletes and makes, and the sides they give through.
void AppliqueSuite(TDonneesChampionnat& c, const TSuiteCoupe& suite)
{
    for (const TSuiteCoupe::TOperation& o : suite.Operations) {
        const TMatchRemplace& m = o.Match;
        if (!o.Cree) {
            SupprimeMatchCoupe(c, m);
            continue;
        }
        // Made without CreeMatch, which would take the two teams out of any
        // other match of the matchday: what goes was worked out above.
        TInfoComp* x = c.Journees().MatchEquipes(m.Journee, m.Domicile, m.Exterieur, -1, true, 0);
        c.SupprimePenalty(m.Journee, m.Domicile, m.Exterieur);   // a match to play has no shoot-out
        if (TInfoCompJour* j = c.Journee(m.Journee); x && j)
            j->DeplaceMatch(j->IndexObjetMatch(x), std::min(o.Place, j->NbMatchs() - 1));
    }
    for (const auto& [m, tirs] : suite.Tirs)
        if (const TInfoComp* x = c.MatchEquipes(m.Journee, m.Domicile, m.Exterieur); x && x->ScoresSaisis())
            c.EcritScoreTirs(m.Journee, m.Domicile, m.Exterieur, x->Score(0) & 0x7FFF, x->Score(1) & 0x7FFF, tirs);
    for (const auto& [m, cote] : suite.Qualifies)
        if (TInfoComp* x = c.MatchEquipes(m.Journee, m.Domicile, m.Exterieur); x && x->ScoresSaisis()) {
            if (cote == 0 || cote == 1)
                c.SetQualifieMatch(m.Journee, m.Domicile, m.Exterieur, cote == 1);
            else
                for (int k = 0; k < 2; ++k)
                    x->SetScore(k, x->Score(k) & 0x7FFF);
        }
    if (c.Saison())
        c.Saison()->InvalideStats();
}

}  // namespace

TMatchsCoupe MatchsCoupe(const TDonneesChampionnat& c)
{
    TMatchsCoupe e = MatchsLus(c);
    ResoutPetiteFinale(c, e);
    return e;
}

TMatchsCoupe MatchsCoupe(const TDonneesChampionnat& c, int n, std::vector<TMatchCoupe> journee)
{
    TMatchsCoupe e = MatchsLus(c);
    if (n < 1)
        return MatchsCoupe(c);
    if (static_cast<int>(e.size()) < n)
        e.resize(static_cast<size_t>(n));
    // Rows as the results page lays them out hold the third-place match in
    // its own row; a match already known for one or the other keeps it (a
    // matchday's own matches, where it may stand anywhere).
    const int petite = LignePetiteFinale(c, n);
    for (size_t r = 0; r < journee.size(); ++r)
        if (journee[r].Troisieme < 0)
            journee[r].Troisieme = static_cast<int>(r) == petite ? 1 : 0;
    e[static_cast<size_t>(n - 1)] = std::move(journee);
    ResoutPetiteFinale(c, e);
    return e;
}

TMatchCoupe MatchCoupe(const TDonneesChampionnat& c, int d, const TInfoComp& m)
{
    TMatchCoupe x;
    const int h = m.IdEquipe(0), a = m.IdEquipe(1);
    x.Domicile = h == Vide ? -1 : h;
    x.Exterieur = a == Vide ? -1 : a;
    if (m.ScoresSaisis()) {
        x.ScoreDomicile = m.Score(0) & 0x7FFF;
        x.ScoreExterieur = m.Score(1) & 0x7FFF;
    }
    x.Qualifie = c.QualifieMatch(d, h, a);
    if (const TPenaltyTab* p = c.Penalty(d, h, a))
        x.TirsAuBut = (static_cast<uint32_t>(p->s1) << 16) + p->s2;
    return x;
}

bool TableauActif(const TDonneesChampionnat& c)
{
    return c.EstCoupe() && (c.Types() & TDonneesChampionnat::TypeCoupe);
}

int TTableau::TourJournee(int d) const
{
    for (size_t r = 0; r < Tours.size(); ++r)
        if (Tours[r].Premier <= d && d <= Tours[r].Dernier)
            return static_cast<int>(r);
    return -1;
}

const TTie* TTableau::TieEquipe(int r, int equipe) const
{
    if (r < 0 || r >= static_cast<int>(Tours.size()) || equipe < 0)
        return nullptr;
    for (const TTie& t : Tours[static_cast<size_t>(r)].Ties)
        if (t.Domicile == equipe || t.Exterieur == equipe)
            return &t;
    return nullptr;
}

bool TTableau::Nourri(int r) const
{
    return r > 0 && r < Portes && r < static_cast<int>(Tours.size());
}

bool TTableau::Exempts(int r) const
{
    return r > 0 && r < static_cast<int>(Comptes.size()) &&
           2 * Comptes[static_cast<size_t>(r)] > Comptes[static_cast<size_t>(r - 1)];
}

bool TTableau::Qualifiee(int equipe, int r) const
{
    if (equipe < 0)
        return false;
    // From each round to the next: its tie won, or a bye; a round the winners
    // do not reach asks only that no tie was lost. A bye is counted in the
    // round the team enters.
    for (int k = 0; k < r; ++k) {
        if (const TTie* t = TieEquipe(k, equipe)) {
            if (t->Vainqueur != equipe)
                return false;
            continue;
        }
        if (!Nourri(k + 1) || (k == 0 && std::find(Fixees.begin(), Fixees.end(), equipe) != Fixees.end()))
            continue;
        if (!Exempts(k + 1) || ((k + 1 == r || TieEquipe(k + 1, equipe)) && !Exemptee(k + 1, equipe)))
            return false;
    }
    return true;
}

bool TTableau::Exemptee(int r, int equipe) const
{
    if (r < 0 || r >= static_cast<int>(Exemptions.size()) || Exemptions[static_cast<size_t>(r)] < 0)
        return true;
    const std::vector<int>& v = Entrants[static_cast<size_t>(r)];
    const auto i = std::find(v.begin(), v.end(), equipe);
    return (i != v.end() ? i - v.begin() : static_cast<std::ptrdiff_t>(v.size())) < Exemptions[static_cast<size_t>(r)];
}

int TTableau::Places() const
{
    int n = 0;
    for (size_t r = 0; r < Comptes.size(); ++r) {
        if (Comptes[r] <= 0)
            return 0;
        if (r == 0 || !Nourri(static_cast<int>(r)))
            n += 2 * Comptes[r];
        else if (Exempts(static_cast<int>(r)))
            n += 2 * Comptes[r] - Comptes[r - 1];
    }
    return n;
}

bool TTableau::Troisieme(int equipe) const
{
    const int demi = static_cast<int>(Tours.size()) - 2;
    const TTie* t = TieEquipe(demi, equipe);
    return PetiteFinale && t && t->Perdant == equipe && Qualifiee(equipe, demi);
}

TTableau Tableau(const TDonneesChampionnat& c, const TMatchsCoupe& e)
{
    TTableau t;
    t.Portes = c.Option(1);
    const auto bornes = BornesTours(c);
    t.PetiteFinale = TableauActif(c) && c.PetiteFinale && bornes.size() >= 2;
    const int fin = c.NbJour();
    for (const auto& [premier, dernier] : bornes) {
        TTour tour;
        tour.Premier = premier;
        tour.Dernier = dernier;
        const std::vector<TMatchCoupe> vide;
        auto journee = [&](int d) -> const std::vector<TMatchCoupe>& {
            return d >= 1 && d <= static_cast<int>(e.size()) ? e[static_cast<size_t>(d - 1)] : vide;
        };
        // Which match of the last matchday is the third-place one: on a final
        // over several matchdays, the one whose pairing its first matchday
        // does not hold; on one, the one the semi-finals send their losers
        // to, or while they do not tell, the one after the final's matches.
        if (t.PetiteFinale && dernier == fin) {
            const TInfoTourCoupe* tc = c.TourCoupe(fin - 1);
            const std::vector<TMatchCoupe>& j = journee(fin);
            for (size_t k = 0; k < j.size(); ++k) {
                const TMatchCoupe& m = j[k];
                int troisieme = m.Troisieme;
                if (troisieme < 0 && premier < fin) {
                    troisieme = 1;
                    for (const TMatchCoupe& x : journee(premier))
                        if (x.Entre(m.Domicile, m.Exterieur))
                            troisieme = 0;
                } else if (troisieme < 0) {
                    bool gagnant = false, perdant = false;
                    for (const TTie& x : t.Tours.back().Ties) {
                        gagnant = gagnant || m.Tient(x.Vainqueur);
                        perdant = perdant || m.Tient(x.Perdant);
                    }
                    const int finales = tc ? tc->NbMatch & 0xFF : 1;
                    troisieme = perdant != gagnant ? perdant : static_cast<int>(k) >= finales;
                }
                t.PetitesFinales.push_back(troisieme == 1);
            }
        }
        const std::vector<TMatchCoupe>& j = journee(premier);
        for (size_t k = 0; k < j.size(); ++k) {
            if (premier == fin && k < t.PetitesFinales.size() && t.PetitesFinales[k])
                continue;
            TTie tie;
            tie.Domicile = j[k].Domicile;
            tie.Exterieur = j[k].Exterieur;
            Evalue(c, e, tour, tie);
            tour.Ties.push_back(tie);
        }
        t.Tours.push_back(std::move(tour));
        const TInfoTourCoupe* tc = c.TourCoupe(premier - 1);
        t.Comptes.push_back(tc ? tc->NbMatch & 0xFF : 0);
    }
    // The byes each round takes: the first teams standing there that played
    // no tie in the round before (in order), as many as it has places left
    // once the ties before have sent their winners.
    if (!t.Tours.empty() && t.Tours.front().Premier == 1)
        for (size_t k = 0; k < t.Tours.front().Ties.size(); ++k)
            if (const int f = c.EquipeMatchSuivant(static_cast<int>(k)); f >= 0 && f < Vide)
                t.Fixees.push_back(f);
    t.Exemptions.assign(t.Tours.size(), -1);
    t.Entrants.assign(t.Tours.size(), {});
    for (size_t r = 1; r < t.Tours.size(); ++r) {
        if (t.Nourri(static_cast<int>(r)) && t.Exempts(static_cast<int>(r)))
            t.Exemptions[r] = 2 * t.Comptes[r] - t.Comptes[r - 1];
        for (const TTie& x : t.Tours[r].Ties)
            for (const int equipe : {x.Domicile, x.Exterieur})
                if (equipe >= 0 && !t.TieEquipe(static_cast<int>(r) - 1, equipe) &&
                    t.Qualifiee(equipe, static_cast<int>(r)))
                    t.Entrants[r].push_back(equipe);
    }
    return t;
}

std::vector<TEcartTableau> EcartsTableau(const TDonneesChampionnat& c, const TMatchsCoupe& e, int d)
{
    std::vector<TEcartTableau> v;
    const int premier = d > 0 ? d : 1, dernier = d > 0 ? std::min(d, static_cast<int>(e.size()))
                                                       : static_cast<int>(e.size());
    // Each team once, named at its first match.
    for (int j = premier; j <= dernier; ++j) {
        const std::vector<TMatchCoupe>& ms = e[static_cast<size_t>(j - 1)];
        std::vector<int> vues;
        for (const TMatchCoupe& m : ms)
            for (const int x : {m.Domicile, m.Exterieur})
                if (x >= 0 && std::find(vues.begin(), vues.end(), x) == vues.end()) {
                    vues.push_back(x);
                    if (std::count_if(ms.begin(), ms.end(), [x](const TMatchCoupe& y) { return y.Tient(x); }) > 1 ||
                        m.Domicile == m.Exterieur)
                        v.push_back({j, m.Domicile, m.Exterieur, x, 4953});
                }
    }
    if (!TableauActif(c))
        return v;
    const TTableau t = Tableau(c, e);
    for (int j = premier; j <= dernier; ++j) {
        const int r = t.TourJournee(j);
        if (r < 0)
            continue;
        const TTour& tour = t.Tours[static_cast<size_t>(r)];
        for (const TMatchCoupe& m : e[static_cast<size_t>(j - 1)]) {
            if (m.Domicile < 0 && m.Exterieur < 0)
                continue;   // a row left empty
            const TEcartTableau x{j, m.Domicile, m.Exterieur, -1, 0};
            auto place = [&](int texte, auto&& tient) {
                for (const int equipe : {m.Domicile, m.Exterieur})
                    if (equipe >= 0 && !tient(equipe))
                        v.push_back({j, m.Domicile, m.Exterieur, equipe, texte});
            };
            if (m.Troisieme == 1)
                place(4952, [&](int equipe) { return t.Troisieme(equipe); });
            else if (j == tour.Premier) {
                if (t.Nourri(r))
                    place(4952, [&](int equipe) { return t.Qualifiee(equipe, r); });
            } else {
                // A later leg, game, replay or decider: the two teams of one
                // tie of the round, not decided before it.
                const TTie* tie = nullptr;
                for (const TTie& y : tour.Ties)
                    if ((m.Domicile < 0 || y.Domicile == m.Domicile || y.Exterieur == m.Domicile) &&
                        (m.Exterieur < 0 || y.Domicile == m.Exterieur || y.Exterieur == m.Exterieur))
                        tie = &y;   // (one team of the tie in a row half filled)
                if (!tie)
                    v.push_back({x.Journee, x.Domicile, x.Exterieur, m.Domicile >= 0 ? m.Domicile : m.Exterieur, 5308});
                else if (tie->Decision != 0 && tie->Decision < j)
                    v.push_back({x.Journee, x.Domicile, x.Exterieur, -1, 5309});
                else if (tie->Decision == 0 && m.Joue() && !MancheRetour(c, tour, j) &&
                         MatchAvantAJouer(e, tour, *tie, j))
                    v.push_back({x.Journee, x.Domicile, x.Exterieur, -1, 5683});
            }
        }
    }
    return v;
}

bool MatchAvantAJouer(const TMatchsCoupe& e, const TTour& tour, const TTie& t, int j)
{
    for (int d = tour.Premier; d < j; ++d)
        if (const TMatchCoupe* m = Entre(e, d, t.Domicile, t.Exterieur); !m || !m->Joue())
            return true;
    return false;
}

std::vector<TMatchRemplace> TSuiteCoupe::Supprimes() const
{
    std::vector<TMatchRemplace> v;
    for (const TOperation& o : Operations)
        if (!o.Cree && std::find(v.begin(), v.end(), o.Match) == v.end())
            v.push_back(o.Match);
    return v;
}
TSuiteCoupe SuiteCoupe(const TDonneesChampionnat& c, const TMatchsCoupe& avant, const TMatchsCoupe& apres, int n,
                       const std::vector<int>& lignes)
{
    TSimulation sim{c, apres, {}, BornesTours(c), -1, {}};
    const TMatchsCoupe& e0 = avant;
    // The third-place match stays the one it was before the change.
    if (const int fin = c.NbJour(); fin != n && fin >= 1 && fin <= static_cast<int>(e0.size()) &&
                                    fin <= static_cast<int>(sim.e.size()))
        for (size_t k = 0; k < e0[static_cast<size_t>(fin - 1)].size() && k < sim.Journee(fin).size(); ++k)
            if (const TMatchCoupe& m = e0[static_cast<size_t>(fin - 1)][k];
                sim.Journee(fin)[k].Domicile == m.Domicile && sim.Journee(fin)[k].Exterieur == m.Exterieur)
                sim.Journee(fin)[k].Troisieme = m.Troisieme;
    if (n < 1 || n > static_cast<int>(e0.size()) || n > static_cast<int>(sim.e.size())) {
        sim.s.Apres = std::move(sim.e);
        return sim.s;
    }
    const TTableau t0 = Tableau(c, e0);
    const int r0 = t0.TourJournee(n);
    if (r0 < 0 || !TableauActif(c)) {
        sim.s.Apres = std::move(sim.e);
        return sim.s;
    }
    const int nbTours = static_cast<int>(t0.Tours.size());
    // The ties of the shown round the changed rows hold.
    std::vector<int> touchees;
    const TTour& tourN = t0.Tours[static_cast<size_t>(r0)];
    auto troisieme = [&](const TMatchsCoupe& e, int l) {
        const std::vector<TMatchCoupe>& j = e[static_cast<size_t>(n - 1)];
        return l >= 0 && l < static_cast<int>(j.size()) && j[static_cast<size_t>(l)].Troisieme == 1;
    };
    for (const int l : lignes) {
        if (n == tourN.Premier && !troisieme(e0, l) && !troisieme(sim.e, l))
            touchees.push_back(l);
        for (const TMatchsCoupe* e : {&e0, static_cast<const TMatchsCoupe*>(&sim.e)})
            if (l >= 0 && l < static_cast<int>((*e)[static_cast<size_t>(n - 1)].size()))
                for (size_t k = 0; k < tourN.Ties.size(); ++k)
                    if ((*e)[static_cast<size_t>(n - 1)][static_cast<size_t>(l)].Entre(tourN.Ties[k].Domicile,
                                                                                       tourN.Ties[k].Exterieur))
                        touchees.push_back(static_cast<int>(k));
    }
    // The ties whose match on n the change gives another result.
    sim.tourChange = r0;
    for (const int l : lignes)
        if (l >= 0 && l < static_cast<int>(e0[static_cast<size_t>(n - 1)].size()) &&
            l < static_cast<int>(sim.Journee(n).size()))
            if (const TMatchCoupe &a = e0[static_cast<size_t>(n - 1)][static_cast<size_t>(l)],
                &b = sim.Journee(n)[static_cast<size_t>(l)];
                a.Domicile == b.Domicile && a.Exterieur == b.Exterieur &&
                (a.ScoreDomicile != b.ScoreDomicile || a.ScoreExterieur != b.ScoreExterieur ||
                 a.TirsAuBut != b.TirsAuBut || a.Qualifie != b.Qualifie))
                for (size_t k = 0; k < tourN.Ties.size(); ++k)
                    if (b.Entre(tourN.Ties[k].Domicile, tourN.Ties[k].Exterieur))
                        sim.tiesRejoues.push_back(static_cast<int>(k));
    auto touchee = [&](int r, int k) {
        return r == r0 && std::find(touchees.begin(), touchees.end(), k) != touchees.end();
    };
    auto tie = [](const TTableau& t, int r, int k) -> const TTie* {
        const auto& ties = t.Tours[static_cast<size_t>(r)].Ties;
        return k >= 0 && k < static_cast<int>(ties.size()) ? &ties[static_cast<size_t>(k)] : nullptr;
    };
    // The index of the tie of round r holding the pairing of m, -1.
    auto tieDe = [](const TTour& tour, const TMatchCoupe& m) {
        for (size_t k = 0; k < tour.Ties.size(); ++k)
            if (m.Entre(tour.Ties[k].Domicile, tour.Ties[k].Exterieur))
                return static_cast<int>(k);
        return -1;
    };
    auto vivant = [](const TTie* t, int d) { return t && (t->Decision == 0 || t->Decision >= d); };
    // 0. A later match of the round whose shoot-out no longer decides its tie
    // keeps it aside with its score; one whose tie is level again on it gets
    // back the one kept aside for its score.
    for (int d = n + 1; d <= tourN.Dernier && d <= static_cast<int>(sim.e.size()); ++d)
        for (TMatchCoupe& m : sim.Journee(d)) {
            if (!m.Joue() || m.Troisieme == 1)
                continue;
            const TDecisionTour r = Regle(c, sim.e, d, m);
            const TInfoComp* x = c.MatchEquipes(d, m.Domicile, m.Exterieur);
            uint32_t tirs = m.TirsAuBut;
            if (r.TirsAuBut && tirs == 0 && x)
                tirs = x->TirsOtes(m.ScoreDomicile, m.ScoreExterieur);
            else if (!r.TirsAuBut && (r.Indecis || r.Qualifie >= 0))
                tirs = 0;
            if (tirs != m.TirsAuBut) {
                m.TirsAuBut = tirs;
                sim.s.Tirs.push_back({{d, m.Domicile, m.Exterieur}, tirs});
            }
        }
    for (int r = r0; r < nbTours; ++r) {
        // 1. A tie decided sooner than it was plays no more in its round.
        const TTour& tour0 = t0.Tours[static_cast<size_t>(r)];
        TTableau t = Tableau(c, sim.e);
        for (int d = std::max(n + 1, tour0.Premier + 1); d <= tour0.Dernier; ++d)
            for (size_t i = 0; i < sim.Journee(d).size();) {
                const TMatchCoupe& m = sim.Journee(d)[i];
                const TTour& tour = t.Tours[static_cast<size_t>(r)];
                if (m.Troisieme != 1 && vivant(tie(t0, r, tieDe(tour0, m)), d) && !vivant(tie(t, r, tieDe(tour, m)), d))
                    sim.Supprime(d, i);
                else
                    ++i;
            }
        // 2. A tie left level plans its extra match.
        t = Tableau(c, sim.e);
        for (size_t k = 0; k < t.Tours[static_cast<size_t>(r)].Ties.size(); ++k) {
            const TTie& x = t.Tours[static_cast<size_t>(r)].Ties[k];
            const TTie* x0 = tie(t0, r, static_cast<int>(k));
            if ((touchee(r, static_cast<int>(k)) || !x0 || !(*x0 == x)) && x.Suite > n &&
                x.Suite <= t.Tours[static_cast<size_t>(r)].Dernier && !Entre(sim.e, x.Suite, x.Domicile, x.Exterieur))
                sim.Cree(x.Suite, x.SuiteDomicile, x.SuiteExterieur, sim.Journee(x.Suite).size(), false);
        }
        // 3. The next round: its matches take the teams its ties now send,
        // then the known pairings that changed go to their places.
        if (r + 1 >= nbTours || r + 1 >= t0.Portes)
            break;
        t = Tableau(c, sim.e);
        const int suivant = t.Tours[static_cast<size_t>(r + 1)].Premier;
        sim.Remplace(suivant, false, t0, t, r);
        t = Tableau(c, sim.e);
        const std::vector<TPlaceTour> places = PlacesTour(c, t, r), places0 = PlacesTour(c, t0, r);
        for (size_t q = 0; q < places.size(); ++q) {
            const TPlaceTour& p = places[q];
            const bool change = q >= places0.size() || places0[q].Domicile != p.Domicile ||
                                places0[q].Exterieur != p.Exterieur;
            bool nourrie = false;
            for (const int k : p.Ties)
                nourrie = nourrie || touchee(r, k);
            if (p.Domicile >= 0 && p.Exterieur >= 0 && (change || nourrie))
                sim.Place(suivant, p, false);
        }
        // 4. The third-place match takes the semi-finals' losers; one that
        // goes for a team it shared with the final comes back with the new
        // losers (the first one is placed by hand).
        if (t0.PetiteFinale && r + 2 == nbTours) {
            const int fin = c.NbJour();
            auto troisieme = [&](const TMatchsCoupe& e) {
                return fin <= static_cast<int>(e.size()) &&
                       std::any_of(e[static_cast<size_t>(fin - 1)].begin(), e[static_cast<size_t>(fin - 1)].end(),
                                   [](const TMatchCoupe& m) { return m.Troisieme == 1; });
            };
            const bool avait = troisieme(e0);
            t = Tableau(c, sim.e);
            sim.Remplace(fin, true, t0, t, r);
            t = Tableau(c, sim.e);
            const TTie *a = tie(t, r, 0), *b = tie(t, r, 1);
            if (avait && !troisieme(sim.e) && a && b && a->Perdant >= 0 && b->Perdant >= 0)
                sim.Place(fin, {a->Perdant, b->Perdant, {0, 1}}, true);
        }
    }
    // 5. The later matches of a tie whose winner changed say the new one.
    const TTableau t = Tableau(c, sim.e);
    for (int r = r0; r < nbTours; ++r) {
        const TTour& tour = t.Tours[static_cast<size_t>(r)];
        for (size_t k = 0; k < tour.Ties.size(); ++k) {
            const TTie& x = tour.Ties[k];
            const TTie* x0 = tie(t0, r, static_cast<int>(k));
            if (x0 && x0->Vainqueur == x.Vainqueur && x0->Decision == x.Decision)
                continue;
            for (int d = tour.Premier; d <= tour.Dernier; ++d)
                if (const TMatchCoupe* m = Entre(sim.e, d, x.Domicile, x.Exterieur); m && d != n && m->Joue()) {
                    // A match with a shoot-out keeps its winner's side, as a
                    // file read again gives it.
                    const uint32_t tab = m->TirsAuBut;
                    const int cote = tab ? (TirsDomicile(tab) > TirsExterieur(tab) ? 0 : 1)
                                         : (d != x.Decision ? 2 : (m->Domicile == x.Vainqueur ? 0 : 1));
                    if (cote != m->Qualifie)
                        sim.s.Qualifies.push_back({{d, m->Domicile, m->Exterieur}, cote});
                }
        }
    }
    sim.s.Apres = std::move(sim.e);
    return sim.s;
}

bool MatchSaisi(const TDonneesChampionnat& c, int n, int h, int a)
{
    const TInfoCompJour* j = c.Journee(n);
    const TInfoComp* m = j ? j->MatchEquipes(h, a) : nullptr;
    m = m || !j ? m : j->MatchEquipes(a, h);
    if (!m)
        return false;
    const int x = m->IdEquipe(0), y = m->IdEquipe(1);
    if (m->Score(0) != Vide || m->Score(1) != Vide || c.Penalty(n, x, y) || !m->TirsOtes().empty() ||
        c.Penalites().Cherche(x, y, n) || CompositionEntree(*m, x) || CompositionEntree(*m, y))
        return true;
    for (TListeDonnees* liste : const_cast<TDonneesChampionnat&>(c).ListesDonnees(n))
        for (int i = 0; liste && i < liste->Nombre(); ++i)
            if (const TDonneesEvt* e = liste->Donnee(i); e && (e->IdEquipe() == x || e->IdEquipe() == y))
                return true;
    return false;
}

bool EstPetiteFinale(const TDonneesChampionnat& c, int n, const TInfoComp& m)
{
    const TInfoCompJour* j = c.Journee(n);
    if (!c.EstCoupe() || !c.PetiteFinale || n != c.NbJour() || !j)
        return false;
    const int i = j->IndexObjetMatch(&m);
    const TMatchsCoupe e = MatchsCoupe(c);
    return i >= 0 && i < static_cast<int>(e[static_cast<size_t>(n - 1)].size()) &&
           e[static_cast<size_t>(n - 1)][static_cast<size_t>(i)].Troisieme == 1;
}

int LignePetiteFinale(const TDonneesChampionnat& c, int n)
{
    if (!c.EstCoupe() || !c.PetiteFinale || n != c.NbJour() || c.NbMatchJournee(n) < 1)
        return -1;
    return c.NbMatchJournee(n) - 1;
}

bool EquipeAdmise(const TDonneesChampionnat& c, const TTableau& t, int n, int ligne, int equipe)
{
    const int r = t.TourJournee(n);
    if (!TableauActif(c) || r < 0)
        return true;
    if (ligne >= 0 && ligne == LignePetiteFinale(c, n))
        return t.Troisieme(equipe);
    if (n > t.Tours[static_cast<size_t>(r)].Premier) {
        const TTie* x = t.TieEquipe(r, equipe);
        return x && (x->Decision == 0 || x->Decision >= n);
    }
    return !t.Nourri(r) || t.Qualifiee(equipe, r);
}

TDecisionTour DecideTour(const TDonneesChampionnat& c, int n, int h, int a, int sh, int sa)
{
    TMatchCoupe m;
    m.Domicile = h;
    m.Exterieur = a;
    m.ScoreDomicile = sh;
    m.ScoreExterieur = sa;
    return Regle(c, MatchsCoupe(c), n, m);
}

// ---- the one road -------------------------------------------------------------------------

namespace {

bool MemePaire(const TMatchCoupe& a, const TMatchCoupe& b)
{
    return a.Domicile == b.Domicile && a.Exterieur == b.Exterieur;
}

// The same match, scores, side through and shoot-out (which of the last
// matchday's is the third-place match is read again from the rest).
bool MemeMatch(const TMatchCoupe& a, const TMatchCoupe& b)
{
    return MemePaire(a, b) && a.ScoreDomicile == b.ScoreDomicile && a.ScoreExterieur == b.ScoreExterieur &&
           a.Qualifie == b.Qualifie && a.TirsAuBut == b.TirsAuBut;
}

bool MemeJournee(const std::vector<TMatchCoupe>& a, const std::vector<TMatchCoupe>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), MemeMatch);
}

const std::vector<TMatchCoupe>& JourneeDe(const TMatchsCoupe& e, int d)
{
    static const std::vector<TMatchCoupe> vide;
    return d >= 1 && d <= static_cast<int>(e.size()) ? e[static_cast<size_t>(d - 1)] : vide;
}

// Matchday d written from its matches before and after a change: a pairing
// that no longer stands at its place goes whole, a new one is made, each
// keeps the scores, side through and shoot-out it is given.
void EcritMatchs(TDonneesChampionnat& c, int d, const std::vector<TMatchCoupe>& avant,
                 const std::vector<TMatchCoupe>& apres)
{
    for (size_t k = 0; k < avant.size(); ++k)
        if (const TMatchCoupe& a = avant[k]; a.Complet() && !(k < apres.size() && MemePaire(a, apres[k])))
            SupprimeMatchCoupe(c, {d, a.Domicile, a.Exterieur});
    for (size_t k = 0; k < apres.size(); ++k) {
        const TMatchCoupe& b = apres[k];
        const TMatchCoupe* a = k < avant.size() && MemePaire(avant[k], b) ? &avant[k] : nullptr;
        if (!b.Complet() || (a && MemeMatch(*a, b)))
            continue;
        TInfoComp* m = c.MatchEquipes(d, b.Domicile, b.Exterieur);
        if (!m) {
            if (!c.Journee(d) && d > c.NbJour())
                continue;
            m = c.Journees().MatchEquipes(d, b.Domicile, b.Exterieur, -1, true, 0);
            if (!m)
                continue;
        }
        // A shoot-out its score no longer follows is kept aside with the
        // score it was entered for, which gives it back.
        c.EcritScoreTirs(d, b.Domicile, b.Exterieur, b.Joue() ? b.ScoreDomicile : Vide,
                         b.Joue() ? b.ScoreExterieur : Vide, b.Joue() ? b.TirsAuBut : 0);
        if (b.Joue() && (b.Qualifie == 0 || b.Qualifie == 1))
            c.SetQualifieMatch(d, b.Domicile, b.Exterieur, b.Qualifie == 1);
    }
}

void Applique(TDonneesChampionnat& c, const TChangementCoupe& x, const TPeseeCoupe& p)
{
    if (!p.Suite.Vide())
        AppliqueSuite(c, p.Suite);
    bool change = !p.Suite.Vide();
    if (x.Ecrit)
        x.Ecrit(c);
    const size_t jours = std::max(x.Avant.size(), x.Apres.size());
    for (int d = 1; d <= static_cast<int>(jours); ++d)
        if ((d != x.Journee || !x.Ecrit) && !MemeJournee(JourneeDe(x.Avant, d), JourneeDe(x.Apres, d))) {
            EcritMatchs(c, d, JourneeDe(x.Avant, d), JourneeDe(x.Apres, d));
            change = true;
        }
    for (const int id : x.Retirees)
        if (const int i = c.IndexEquipe(id); i >= 0) {
            c.SupprimeEquipe(i);
            change = true;
        }
    for (const TAjoutEquipe& a : x.Ajouts) {
        const int id = a.Id >= 0 || !c.Saison() ? a.Id : c.Saison()->AjouteEquipe(a.Nom, -1, 0, true);
        if (id >= 0 && c.IndexEquipe(id) < 0)
            c.AjouteEquipe(id);
    }
    if (change) {
        c.DerniereJournee = static_cast<uint8_t>(c.CalculeDerniereJournee());
        if (c.Saison())
            c.Saison()->InvalideStats();
    }
    RangePetiteFinale(c);
    ScelleCoupe(c);
}

}  // namespace

void RangePetiteFinale(TDonneesChampionnat& c)
{
    const int n = c.NbJour();
    TInfoCompJour* j = c.Journee(n);
    if (LignePetiteFinale(c, n) < 0 || !j || j->NbMatchs() < 2)
        return;
    const TMatchsCoupe e = MatchsCoupe(c);
    if (n > static_cast<int>(e.size()))
        return;
    const std::vector<TMatchCoupe>& ms = e[static_cast<size_t>(n - 1)];
    // Each third-place match to the end, in their order.
    std::vector<const TInfoComp*> troisiemes;
    for (size_t k = 0; k < ms.size() && static_cast<int>(k) < j->NbMatchs(); ++k)
        if (ms[k].Troisieme == 1)
            troisiemes.push_back(j->Match(static_cast<int>(k)));
    for (const TInfoComp* m : troisiemes)
        j->DeplaceMatch(j->IndexObjetMatch(m), j->NbMatchs() - 1);
}

TChangementCoupe ChangementJournee(const TDonneesChampionnat& c, int n, std::vector<TMatchCoupe> avant,
                                   std::vector<TMatchCoupe> apres, std::vector<int> lignes)
{
    TChangementCoupe x;
    x.Avant = MatchsCoupe(c, n, std::move(avant));
    x.Apres = MatchsCoupe(c, n, std::move(apres));
    x.Journee = n;
    x.Lignes = std::move(lignes);
    return x;
}

TChangementCoupe ChangementScore(const TDonneesChampionnat& c, int n, int k, int sh, int sa)
{
    TChangementCoupe x;
    x.Avant = MatchsCoupe(c);
    x.Apres = x.Avant;
    x.Journee = n;
    x.Lignes = {k};
    if (n < 1 || n > static_cast<int>(x.Apres.size()) || k < 0 ||
        k >= static_cast<int>(x.Apres[static_cast<size_t>(n - 1)].size()))
        return x;
    TMatchCoupe& m = x.Apres[static_cast<size_t>(n - 1)][static_cast<size_t>(k)];
    const bool joue = sh >= 0 && sa >= 0;
    m.ScoreDomicile = joue ? sh : -1;
    m.ScoreExterieur = joue ? sa : -1;
    // A shoot-out belongs to the score it was entered for: the one kept
    // aside for this very score comes back with it, whatever the match
    // holds; else it keeps what it holds.
    const TInfoCompJour* j = c.Journee(n);
    const TInfoComp* match = j ? j->Match(k) : nullptr;
    m.TirsAuBut = joue && match ? match->TirsPourScore(m.TirsAuBut, sh, sa) : 0;
    if (!joue || !TableauActif(c)) {
        m.Qualifie = 2;
        return x;
    }
    RegleScore(c, x.Apres, n, m);
    return x;
}

TDecisionTour RegleScore(const TDonneesChampionnat& c, const TMatchsCoupe& e, int n, TMatchCoupe& m)
{
    const TDecisionTour d = Regle(c, e, n, m);
    // A round whose kind has no rule for the score leaves the shoot-out, and
    // the side through, as they were entered: only a score that decides the
    // tie, or calls for another match, takes it away.
    if (!d.TirsAuBut && !d.Indecis && d.Qualifie < 0)
        return d;
    if (!d.TirsAuBut)
        m.TirsAuBut = 0;
    if (m.TirsAuBut != 0)
        m.Qualifie = TirsDomicile(m.TirsAuBut) > TirsExterieur(m.TirsAuBut) ? 0 : 1;
    else if (d.TirsAuBut || d.Indecis)
        m.Qualifie = 2;
    else
        m.Qualifie = d.Qualifie;
    return d;
}

TChangementCoupe ChangementEquipes(const TDonneesChampionnat& c, std::vector<TAjoutEquipe> ajouts,
                                   std::vector<int> retirees)
{
    TChangementCoupe x;
    x.Avant = MatchsCoupe(c);
    x.Apres = x.Avant;
    x.Ajouts = std::move(ajouts);
    x.Retirees = std::move(retirees);
    // The matches of the teams that leave go, each left in its place empty.
    for (size_t d = 0; d < x.Apres.size(); ++d)
        for (size_t k = 0; k < x.Apres[d].size(); ++k)
            if (TMatchCoupe& m = x.Apres[d][k]; std::any_of(x.Retirees.begin(), x.Retirees.end(),
                                                            [&](int e) { return m.Tient(e); })) {
                m = TMatchCoupe();
                m.Troisieme = x.Avant[d][k].Troisieme;
                if (x.Journee == 0)
                    x.Journee = static_cast<int>(d) + 1;
                if (x.Journee == static_cast<int>(d) + 1)
                    x.Lignes.push_back(static_cast<int>(k));
            }
    return x;
}

namespace {
// A later match of a tie already decided before it (a file may hold one
// still to play) that the change gives a score, or another one: it takes a
// score only once the matches before it decide nothing.
bool ScoreApresDecision(const TChangementCoupe& x, const TMatchsCoupe& apres, const TEcartTableau& e)
{
    if (e.Texte != 5309)
        return false;
    const TMatchCoupe* m = Entre(apres, e.Journee, e.Domicile, e.Exterieur);
    if (!m || !m->Joue())
        return false;
    const TMatchCoupe* a = Entre(x.Avant, e.Journee, e.Domicile, e.Exterieur);
    return !a || a->ScoreDomicile != m->ScoreDomicile || a->ScoreExterieur != m->ScoreExterieur;
}
}  // namespace

TPeseeCoupe PeseCoupe(const TDonneesChampionnat& c, const TChangementCoupe& x)
{
    TPeseeCoupe p;
    const bool actif = TableauActif(c);
    // Teams beyond the places of a cup's rounds would stand nowhere, drawn
    // or not.
    if (actif && !x.Ajouts.empty()) {
        const bool tiree = std::any_of(x.Avant.begin(), x.Avant.end(), [](const std::vector<TMatchCoupe>& j) {
            return std::any_of(j.begin(), j.end(), [](const TMatchCoupe& m) { return m.Complet(); });
        });
        int equipes = c.NbEquipeRemplie();
        for (const int id : x.Retirees)
            equipes -= c.IndexEquipe(id) >= 0;
        for (const TAjoutEquipe& a : x.Ajouts)
            equipes += a.Id < 0 || c.IndexEquipe(a.Id) < 0;
        const int places = Tableau(c, x.Avant).Places();
        if (places > 0 && equipes > places) {
            p.Refusee = true;
            p.Places = places;
            p.Tiree = tiree;
            return p;
        }
    }
    // The matches entered that no longer stand at their place.
    for (int d = 1; d <= static_cast<int>(x.Avant.size()); ++d) {
        const std::vector<TMatchCoupe>& avant = JourneeDe(x.Avant, d);
        const std::vector<TMatchCoupe>& apres = JourneeDe(x.Apres, d);
        for (size_t k = 0; k < avant.size(); ++k) {
            const TMatchCoupe& m = avant[k];
            if (!m.Complet() || (k < apres.size() && MemePaire(m, apres[k])))
                continue;
            if (x.Saisi ? x.Saisi(d, static_cast<int>(k)) : MatchSaisi(c, d, m.Domicile, m.Exterieur))
                p.Nommes.push_back({d, m.Domicile, m.Exterieur});
        }
    }
    if (!actif || x.Journee < 1)
        return p;
    // What follows in the cup; nothing of its bracket breaks that held.
    p.Suite = SuiteCoupe(c, x.Avant, x.Apres, x.Journee, x.Lignes);
    const std::vector<TEcartTableau> avant = EcartsTableau(c, x.Avant);
    for (const TEcartTableau& e : EcartsTableau(c, p.Suite.Apres))
        if (std::find(avant.begin(), avant.end(), e) == avant.end() || ScoreApresDecision(x, p.Suite.Apres, e)) {
            p.Refusee = true;
            p.Ecart = e;
            return p;
        }
    for (const TMatchRemplace& m : p.Suite.Supprimes())
        if (MatchSaisi(c, m.Journee, m.Domicile, m.Exterieur) &&
            std::find(p.Nommes.begin(), p.Nommes.end(), m) == p.Nommes.end())
            p.Nommes.push_back(m);
    return p;
}

TPeseeCoupe ChangeCoupe(TDonneesChampionnat& c, const TChangementCoupe& x,
                        const std::function<bool(const TPeseeCoupe&)>& dit)
{
    TPeseeCoupe p = PeseCoupe(c, x);
    if (p.Refusee) {
        if (dit)
            dit(p);
        return p;
    }
    if (!p.Nommes.empty() && (!dit || !dit(p)))
        return p;
    Applique(c, x, p);
    p.Faite = true;
    return p;
}

// ---- the seal -----------------------------------------------------------------------------

uint64_t EmpreinteCoupe(const TDonneesChampionnat& c)
{
    uint64_t h = 1469598103934665603ull;
    auto mele = [&h](uint64_t v) {
        for (int k = 0; k < 8; ++k) {
            h ^= (v >> (8 * k)) & 0xFF;
            h *= 1099511628211ull;
        }
    };
    std::vector<int> equipes;
    for (int i = 0; i < c.NbEquipe(); ++i)
        if (const int id = c.IdEquipe(i); id >= 0 && id != Vide)
            equipes.push_back(id);
    std::sort(equipes.begin(), equipes.end());
    for (const int id : equipes)
        mele(static_cast<uint64_t>(id));
    const int jours = std::max(c.NbJour(), c.Journees().Nombre());
    for (int d = 1; d <= jours; ++d) {
        const TInfoCompJour* j = c.Journee(d);
        if (j && j->NbMatchs() > 0)
            mele(0xFFFFFFFF00000000ull | static_cast<uint64_t>(d));
        for (int k = 0; j && k < j->NbMatchs(); ++k) {
            const TInfoComp* m = j->Match(k);
            const int h = m->IdEquipe(0), a = m->IdEquipe(1);
            mele((static_cast<uint64_t>(h) << 48) | (static_cast<uint64_t>(a) << 32) |
                 (static_cast<uint64_t>(m->Score(0)) << 16) | m->Score(1));
            if (const TPenaltyTab* p = c.Penalty(d, h, a))
                mele((static_cast<uint64_t>(p->s1) << 8) | p->s2);
        }
    }
    return h;
}

void ScelleCoupe(TDonneesChampionnat& c) { c.SceauCoupe = EmpreinteCoupe(c); }

bool CoupeScellee(const TDonneesChampionnat& c) { return !TableauActif(c) || EmpreinteCoupe(c) == c.SceauCoupe; }
