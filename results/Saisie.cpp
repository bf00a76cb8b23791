#include "results/Saisie.h"

#include <algorithm>
#include <memory>

#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Strings.h"

namespace {

constexpr uint16_t Vide = TInfoComp::ScoreVide;

int Signe(int v) { return (v > 0) - (v < 0); }

bool IdConnu(const TSaison& saison, int32_t numero)
{
    return numero >= 0 && numero < Vide && !saison.NomEquipe(numero).empty();
}

// The packed date of a "dd/mm/yyyy" box.
uint32_t DateTexte(const std::string& t)
{
    return TGestionDate::EncodeDate(StrToIntDef(Trim(Copy(t, 1, 2)), 0), StrToIntDef(Trim(Copy(t, 4, 2)), 0),
                                    StrToIntDef(Trim(Copy(t, 7, 4)), 0));
}

}  // namespace

int IdEquipeSaisie(const TSaison& saison, const std::string& texte, int32_t numero)
{
    if (texte.empty())
        return -1;
    if (IdConnu(saison, numero))
        return numero;
    for (int id = 0; id <= saison.ProchainIdEquipe(); ++id)
        if (saison.NomEquipeCourant(id) == texte)
            return id;
    return -1;
}

int IdEquipeChampionnat(const TSaison& saison, const std::string& texte, int32_t numero)
{
    if (texte.empty())
        return -1;
    if (IdConnu(saison, numero))
        return numero;
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    const std::string cle = SansAccent(texte);
    for (int p = 0; c && p < c->NbEquipe(); ++p)
        if (SansAccent(saison.NomEquipePosition(p)) == cle)
            return c->IdEquipe(p);
    return -1;
}

std::string TexteScore(uint16_t mot)
{
    return mot == Vide ? std::string() : IntToStr(mot & 0x7FFF);
}

int ScoreTexte(const std::string& texte)
{
    const std::string t = Trim(texte);
    return t.empty() ? Vide : std::clamp(StrToIntDef(t, 0), 0, 0x7FFF);
}

// ---- loading and writing a matchday ----------------------------------------------------------

std::vector<TLigneSaisie> LignesJournee(const TSaison& saison)
{
    std::vector<TLigneSaisie> v;
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    const TInfoCompJour* j = c ? c->Journee(c->NbJournee) : nullptr;
    const int n = c ? c->NbJournee : 0;
    for (int k = 0; j && k < j->NbMatchs(); ++k) {
        const TInfoComp* m = j->Match(k);
        const int h = m->IdEquipe(0), a = m->IdEquipe(1);
        TLigneSaisie l;
        if (h != Vide) {
            l.Domicile = saison.NomEquipeCourant(h);
            l.NumeroDomicile = h;
        }
        if (a != Vide) {
            l.Exterieur = saison.NomEquipeCourant(a);
            l.NumeroExterieur = a;
        }
        l.ScoreDomicile = TexteScore(m->Score(0));
        l.ScoreExterieur = TexteScore(m->Score(1));
        l.Qualifie = static_cast<uint8_t>(c->QualifieMatch(n, h, a));
        if (const TPenalite* p = c->Penalites().Cherche(h, a, n))
            l.Etat = p->Type;
        if (const TPenaltyTab* t = c->Penalty(n, h, a); t && !l.ScoreDomicile.empty())
            l.TirsAuBut = (static_cast<uint32_t>(t->s1) << 16) + t->s2;
        v.push_back(std::move(l));
    }
    // The third-place match stands in the last row whatever its place among
    // the matches of the cup's last matchday (it may come before the final's
    // match there).
    if (const int petite = c ? LignePetiteFinale(*c, n) : -1; petite >= 0 && j) {
        std::vector<TLigneSaisie> finale, autres;
        for (int k = 0; k < j->NbMatchs(); ++k)
            (EstPetiteFinale(*c, n, *j->Match(k)) ? autres : finale).push_back(std::move(v[static_cast<size_t>(k)]));
        if (!autres.empty() && finale.size() < static_cast<size_t>(petite))
            finale.resize(static_cast<size_t>(petite));
        for (TLigneSaisie& l : autres)
            finale.push_back(std::move(l));
        v = std::move(finale);
    }
    return v;
}

TEcritureJournee EcritJournee(TSaison& saison, const std::vector<TLigneSaisie>& lignes, bool dateVisible,
                              uint32_t dateJournee, const std::vector<TEquipeListee>& listees)
{
    TEcritureJournee r;
    TDonneesChampionnat* c = saison.ChampionnatCourant();
    if (!c)
        return r;
    const int n = c->NbJournee;
    const bool systemeDate = c->SystemeDate();
    // 1., 2. The matches of the matchday wait aside; row i was loaded from
    // match i.
    const bool existait = c->Journee(n) != nullptr;
    std::vector<std::unique_ptr<TInfoComp>> attente = existait ? c->Journees().VideJournee(n)
                                                               : std::vector<std::unique_ptr<TInfoComp>>{};
    std::vector<const TInfoComp*> origine;
    for (const auto& m : attente)
        origine.push_back(m.get());
    auto reprend = [&](const TInfoComp* cible) -> std::unique_ptr<TInfoComp> {
        for (auto it = attente.begin(); it != attente.end(); ++it)
            if (it->get() == cible) {
                auto m = std::move(*it);
                attente.erase(it);
                return m;
            }
        return nullptr;
    };
    auto enAttente = [&](int h, int a) -> const TInfoComp* {
        for (const auto& m : attente)
            if (m->IdEquipe(0) == h && m->IdEquipe(1) == a)
                return m.get();
        return nullptr;
    };
    // 3.
    c->Penalites().SupprimeJournee(n);

    std::vector<uint8_t> traitees(static_cast<size_t>(c->NbEquipe()), 0);
    // The records of a matchday name a team, not its match: those of a team
    // that stands in another row stay with that row's match.
    auto lignesEquipe = [&](int t) {
        int k = 0;
        for (const TLigneSaisie& l : lignes)
            if (!l.Domicile.empty() && !l.Exterieur.empty())
                k += IdEquipeSaisie(saison, l.Domicile, l.NumeroDomicile) == t ||
                     IdEquipeSaisie(saison, l.Exterieur, l.NumeroExterieur) == t;
        return k;
    };
    auto effaceDonnees = [&](int t, bool compo, int lignesPermises = 1) {
        if (lignesEquipe(t) > lignesPermises)
            return;
        const int p = c->IndexEquipe(t);
        if (p >= 0 && traitees[static_cast<size_t>(p)] == 0) {
            traitees[static_cast<size_t>(p)] = 1;
            c->SupprimeDonneesEquipe(t, n, false);
        }
        if (compo && p >= 0) {
            const int positions[1] = {p};
            c->EffaceCompositions(n, positions, 0);
        }
    };

    // 4.
    for (size_t i = 0; i < lignes.size(); ++i) {
        const TLigneSaisie& l = lignes[i];
        // An incomplete row changes the matchday only by the pairing it no
        // longer holds (counted below with the pairings left waiting).
        if (l.Domicile.empty() || l.Exterieur.empty())
            continue;
        const int h = IdEquipeSaisie(saison, l.Domicile, l.NumeroDomicile);
        const int a = IdEquipeSaisie(saison, l.Exterieur, l.NumeroExterieur);
        if (h < 0 || a < 0) {
            // A name of no team: the row is left out and its match kept.
            if (i < origine.size())
                if (auto m = reprend(origine[i]))
                    c->Journees().AjouteMatch(n, std::move(m), 0, origine[i]->CleOrdre());
            continue;
        }
        const uint32_t date = l.AvecDate ? DateTexte(l.Date) : (dateVisible ? dateJournee : 0);
        TInfoComp* match = nullptr;
        if (const TInfoComp* ancien = enAttente(h, a)) {
            const int32_t cle = ancien->CleOrdre();
            const auto avant = std::find(origine.begin(), origine.end(), ancien) - origine.begin();
            match = c->Journees().AjouteMatch(n, reprend(ancien), date, cle);
            if (match && c->Journee(n)->IndexObjetMatch(match) != avant)
                r.Change = true;
        } else {
            effaceDonnees(h, true);
            effaceDonnees(a, true);
            c->SupprimePenalty(n, h, a);
            if (existait)
                if (TInfoComp* m = c->Journees().MatchEquipes(n, h, a, -1, false, 0)) {
                    m->SetAffluence(0);
                    for (int k = 1; k <= 3; ++k)
                        m->SetOfficiel(k, -1);
                    m->SetStade(0);
                }
            if (!c->Journee(n) && n > c->NbJour())
                c->SetNbJournees(n);
            // A matchday made for the row has the matchday's date, not the match's.
            if (int k = n; !c->Journee(n))
                c->Journees().CreeJournee(k, dateVisible ? dateJournee : 0);
            match = c->Journees().MatchEquipes(n, h, a, -1, true, date);
            r.Change = true;
        }
        if (!match)
            continue;
        // 5. The state records carry the scores of this row.
        const int sh = ScoreTexte(l.ScoreDomicile), sa = ScoreTexte(l.ScoreExterieur);
        const bool sansScore = sh == Vide || sa == Vide;
        const int rh = sansScore ? Vide : sh, ra = sansScore ? Vide : sa;
        if (l.Etat == etatForfait)
            c->Penalites().AjoutePenalite(h, a, rh, ra, n);
        else if (l.Etat == etatSurTapis || l.Etat == etatReporte || l.Etat == etatArrete || l.Etat == etatNonRecu)
            c->Penalites().Ajoute(h, a, rh, ra, n, l.Etat);
        // 6.
        if (sansScore) {
            if (match->Score(0) != Vide || match->Score(1) != Vide)
                r.Change = true;
            match->SetScore(0, Vide);
            match->SetScore(1, Vide);
            effaceDonnees(h, false);
            effaceDonnees(a, false);
            c->SupprimePenalty(n, h, a);
            continue;
        }
        TListeDonnees* buteurs = c->ListeButeurs(n);
        const int nouveaux[2] = {sh, sa};
        const int equipes[2] = {h, a};
        for (int cote = 0; cote < 2; ++cote) {
            const uint16_t mot = match->Score(cote);
            const int ancien = mot == Vide ? Vide : (mot & 0x7FFF);
            if (mot != Vide && ancien > nouveaux[cote] && buteurs)
                buteurs->SupprimeEquipes({equipes[cote]});
            if (ancien != nouveaux[cote]) {
                r.Change = true;
                match->SetScore(cote, nouveaux[cote]);
            }
        }
        c->SupprimePenalty(n, h, a);
        if (l.TirsAuBut != 0)
            c->AjoutePenalty(n, h, a, TirsDomicile(l.TirsAuBut), TirsExterieur(l.TirsAuBut));
        // A tie the row leaves without a winner keeps none.
        if (l.Qualifie == 0 || l.Qualifie == 1) {
            r.Change = r.Change || c->QualifieMatch(n, h, a) != l.Qualifie;
            c->SetQualifieMatch(n, h, a, l.Qualifie == 1);
        } else
            for (int cote = 0; cote < 2; ++cote)
                if (const uint16_t mot = match->Score(cote); mot != Vide && (mot & TInfoComp::Qualifie)) {
                    match->SetScore(cote, mot & 0x7FFF);
                    r.Change = true;
                }
    }
    // 5. Pairings no row holds any more go with the waiting list, and so do
    // the records of their teams that play no other match of the matchday.
    if (!attente.empty()) {
        r.Change = true;
        const TInfoCompJour* jn = c->Journee(n);
        for (const auto& m : attente)
            for (int cote = 0; cote < 2; ++cote)
                if (!jn || jn->IndexMatchEquipe(m->IdEquipe(cote)) < 0)
                    effaceDonnees(m->IdEquipe(cote), false);
    }
    attente.clear();
    // 6.
    if (systemeDate && c->Journee(n) && c->Journee(n)->NbMatchs() == 0 && c->Journees().SupprimeJournee(n))
        r.Supprimee = n;
    // 7.
    if (r.Change) {
        c->DerniereJournee = static_cast<uint8_t>(c->CalculeDerniereJournee());
        if (r.Supprimee < 0)
            for (const TEquipeListee& e : listees) {
                const int id = IdEquipeSaisie(saison, e.Nom, e.Numero);
                if (id >= 0)
                    effaceDonnees(id, true, 0);
            }
    }
    saison.InvalideStats();
    return r;
}

// ---- cup ties -----------------------------------------------------------------------------

namespace {

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
        // A level match goes to its shoot-out; a kind the rule does not know
        // keeps the side the page flagged.
        if (r.TirsAuBut)
            cote = m->TirsAuBut == 0 ? -1 : (TirsDomicile(m->TirsAuBut) > TirsExterieur(m->TirsAuBut) ? 0 : 1);
        else if (cote < 0)
            cote = m->Qualifie == 0 || m->Qualifie == 1 ? m->Qualifie : -1;
        if (cote < 0)
            return;
        t.Vainqueur = cote == 0 ? m->Domicile : m->Exterieur;
        t.Perdant = cote == 0 ? m->Exterieur : m->Domicile;
        t.Decision = d;
        return;
    }
}

TMatchCoupe MatchLu(const TDonneesChampionnat& c, int d, const TInfoComp& m)
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
        TMatchCoupe m;
        m.Domicile = h;
        m.Exterieur = a;
        m.Troisieme = troisieme ? 1 : 0;
        Journee(d).insert(Journee(d).begin() + static_cast<std::ptrdiff_t>(i), m);
        s.Operations.push_back({{d, h, a}, true, static_cast<int>(i)});
    }
    // The place of match i of d among the places of its round (-1 unknown).
    static int Place(const std::vector<TPlaceTour>& places, const TMatchCoupe& m)
    {
        for (size_t q = 0; q < places.size(); ++q)
            if (m.Tient(places[q].Domicile) || m.Tient(places[q].Exterieur))
                return static_cast<int>(q);
        return -1;
    }
    // Each side of the matches of d (the third-place match or the others)
    // whose team a tie of round r sent there (its winner, or its loser for
    // the third-place match) takes the team that tie sends now; a team that
    // had its place there and has it no more leaves it (none takes the place
    // of a team no tie sent). A match whose teams differ goes, and comes back
    // at its place when both are known.
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
                for (size_t k = 0; k < avant.Ties.size(); ++k)
                    if (x >= 0 && (troisieme ? avant.Ties[k].Perdant : avant.Ties[k].Vainqueur) == x) {
                        envoyee = true;
                        if (k < apres.Ties.size())
                            y = troisieme ? apres.Ties[k].Perdant : apres.Ties[k].Vainqueur;
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
    // A known pairing that nothing holds yet goes to its place on d.
    void Place(int d, const TPlaceTour& p, int q, const std::vector<TPlaceTour>& places, bool troisieme)
    {
        for (const TMatchCoupe& m : Journee(d))
            if (m.Tient(p.Domicile) || m.Tient(p.Exterieur) || (troisieme && m.Troisieme == 1))
                return;
        size_t i = Journee(d).size();
        for (size_t k = 0; k < Journee(d).size() && !troisieme; ++k)
            if (Journee(d)[k].Troisieme != 1 && Place(places, Journee(d)[k]) > q) {
                i = k;
                break;
            }
        while (!troisieme && i > 0 && Journee(d)[i - 1].Troisieme == 1)
            --i;
        Cree(d, p.Domicile, p.Exterieur, i, troisieme);
    }
};

TMatchsCoupe MatchsLus(const TDonneesChampionnat& c)
{
    TMatchsCoupe e(static_cast<size_t>(std::max(c.NbJour(), c.Journees().Nombre())));
    for (int d = 1; d <= static_cast<int>(e.size()); ++d)
        if (const TInfoCompJour* j = c.Journee(d))
            for (int k = 0; k < j->NbMatchs(); ++k)
                e[static_cast<size_t>(d - 1)].push_back(MatchLu(c, d, *j->Match(k)));
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

}  // namespace

TMatchsCoupe MatchsCoupe(const TDonneesChampionnat& c)
{
    TMatchsCoupe e = MatchsLus(c);
    ResoutPetiteFinale(c, e);
    return e;
}

TMatchsCoupe MatchsCoupe(const TSaison& saison, const TDonneesChampionnat& c, int n,
                         const std::vector<TLigneSaisie>& lignes)
{
    TMatchsCoupe e = MatchsLus(c);
    if (n >= 1 && static_cast<int>(e.size()) < n)
        e.resize(static_cast<size_t>(n));
    std::vector<TMatchCoupe>* j = n >= 1 ? &e[static_cast<size_t>(n - 1)] : nullptr;
    if (j)
        j->clear();
    const int petite = LignePetiteFinale(c, n);
    for (size_t r = 0; j && r < lignes.size(); ++r) {
        const TLigneSaisie& l = lignes[r];
        TMatchCoupe m;
        m.Domicile = IdEquipeSaisie(saison, l.Domicile, l.NumeroDomicile);
        m.Exterieur = IdEquipeSaisie(saison, l.Exterieur, l.NumeroExterieur);
        if (const int sh = ScoreTexte(l.ScoreDomicile), sa = ScoreTexte(l.ScoreExterieur); sh != Vide && sa != Vide) {
            m.ScoreDomicile = sh;
            m.ScoreExterieur = sa;
        }
        m.Qualifie = l.Qualifie;
        m.TirsAuBut = l.TirsAuBut;
        m.Troisieme = static_cast<int>(r) == petite ? 1 : 0;
        j->push_back(m);
    }
    ResoutPetiteFinale(c, e);
    return e;
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
    // do not reach asks only that no tie was lost.
    for (int k = 0; k < r; ++k) {
        const TTie* t = TieEquipe(k, equipe);
        if (t ? t->Vainqueur != equipe : (Nourri(k + 1) && !Exempts(k + 1)))
            return false;
    }
    return true;
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
            }
        }
    }
    return v;
}

std::string TexteEcart(const TSaison& saison, const TEcartTableau& x)
{
    auto nom = [&](int e) { return e >= 0 ? saison.NomEquipe(e) : std::string(); };
    if (x.Texte == 4953)
        return TraduireFormat(4953, {nom(x.Equipe)});
    if (x.Texte == 4952)
        return TraduireFormat(4952, {nom(x.Domicile), nom(x.Exterieur), nom(x.Equipe)});
    return TraduireFormat(x.Texte, {nom(x.Domicile), nom(x.Exterieur)});
}

std::vector<TMatchRemplace> TSuiteCoupe::Supprimes() const
{
    std::vector<TMatchRemplace> v;
    for (const TOperation& o : Operations)
        if (!o.Cree && std::find(v.begin(), v.end(), o.Match) == v.end())
            v.push_back(o.Match);
    return v;
}

TSuiteCoupe SuiteCoupe(const TSaison& saison, const TDonneesChampionnat& c, int n,
                       const std::vector<TLigneSaisie>& avant, const std::vector<TLigneSaisie>& apres,
                       const std::vector<int>& lignes)
{
    TSimulation sim{c, MatchsCoupe(saison, c, n, apres), {}, BornesTours(c)};
    const TMatchsCoupe e0 = MatchsCoupe(saison, c, n, avant);
    // The third-place match stays the one it was before the change.
    if (const int fin = c.NbJour(); fin != n && fin >= 1 && fin <= static_cast<int>(e0.size()))
        sim.e[static_cast<size_t>(fin - 1)] = e0[static_cast<size_t>(fin - 1)];
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
    for (const int l : lignes) {
        if (n == tourN.Premier && l != LignePetiteFinale(c, n))
            touchees.push_back(l);
        for (const TMatchsCoupe* e : {&e0, static_cast<const TMatchsCoupe*>(&sim.e)})
            if (l >= 0 && l < static_cast<int>((*e)[static_cast<size_t>(n - 1)].size()))
                for (size_t k = 0; k < tourN.Ties.size(); ++k)
                    if ((*e)[static_cast<size_t>(n - 1)][static_cast<size_t>(l)].Entre(tourN.Ties[k].Domicile,
                                                                                       tourN.Ties[k].Exterieur))
                        touchees.push_back(static_cast<int>(k));
    }
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
                sim.Place(suivant, p, static_cast<int>(q), places, false);
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
                sim.Place(fin, {a->Perdant, b->Perdant, {0, 1}}, 0, {}, true);
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
        if (TInfoCompJour* j = c.Journee(m.Journee); x && j)
            j->DeplaceMatch(j->IndexObjetMatch(x), std::min(o.Place, j->NbMatchs() - 1));
    }
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

std::vector<TMatchRemplace> MatchsSaisis(const TDonneesChampionnat& c, const std::vector<TMatchRemplace>& matchs)
{
    std::vector<TMatchRemplace> v;
    for (const TMatchRemplace& m : matchs)
        if (MatchSaisi(c, m.Journee, m.Domicile, m.Exterieur))
            v.push_back(m);
    return v;
}

bool MatchSaisi(const TDonneesChampionnat& c, int n, int h, int a)
{
    const TInfoCompJour* j = c.Journee(n);
    const TInfoComp* m = j ? j->MatchEquipes(h, a) : nullptr;
    m = m || !j ? m : j->MatchEquipes(a, h);
    if (!m)
        return false;
    const int x = m->IdEquipe(0), y = m->IdEquipe(1);
    if (m->Score(0) != Vide || m->Score(1) != Vide || c.Penalty(n, x, y) || c.Penalites().Cherche(x, y, n) ||
        CompositionEntree(*m, x) || CompositionEntree(*m, y))
        return true;
    for (TListeDonnees* liste : const_cast<TDonneesChampionnat&>(c).ListesDonnees(n))
        for (int i = 0; liste && i < liste->Nombre(); ++i)
            if (const TDonneesEvt* e = liste->Donnee(i); e && (e->IdEquipe() == x || e->IdEquipe() == y))
                return true;
    return false;
}

std::string LibelleMatchRemplace(const TSaison& saison, const TMatchRemplace& m)
{
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    const TInfoComp* x = c ? c->MatchEquipes(m.Journee, m.Domicile, m.Exterieur) : nullptr;
    std::string match = saison.NomEquipeCourant(m.Domicile);
    match += ' ';
    if (x && x->ScoresSaisis()) {
        match += IntToStr(x->Score(0) & 0x7FFF);
        match += "\xA0-\xA0";
        match += IntToStr(x->Score(1) & 0x7FFF);
    } else
        match += '-';
    match += ' ';
    match += saison.NomEquipeCourant(m.Exterieur);
    const bool troisieme = x && EstPetiteFinale(*c, m.Journee, *x);
    return TraduireFormat(4803, {troisieme ? Traduire(3924) : LibelleJournee(saison, m.Journee), match});
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

std::vector<std::string> VerifieTableau(const TSaison& saison, const TDonneesChampionnat& c, int n)
{
    std::vector<std::string> lignes;
    if (!c.Journee(n))
        return lignes;
    for (const TEcartTableau& x : EcartsTableau(c, MatchsCoupe(c), n))
        lignes.push_back(TexteEcart(saison, x));
    return lignes;
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

std::vector<std::pair<int, int>> MatchsACompleter(const TDonneesChampionnat& c, int n, int& cible)
{
    std::vector<std::pair<int, int>> v;
    cible = 0;
    // (the last matchday completes too: a final's second leg)
    if (n < 1 || n > c.NbJour())
        return v;
    if (!c.TourCoupe(n - 1))
        return v;
    const TTableau t = Tableau(c, MatchsCoupe(c));
    const int r = t.TourJournee(n);
    if (r < 0)
        return v;
    const TTour& tour = t.Tours[static_cast<size_t>(r)];
    const int premier = tour.Premier;
    cible = premier < n ? n : premier + 1;
    if (cible > tour.Dernier)
        return v;
    const uint32_t type = c.TourCoupe(premier - 1)->TypeMatch;
    static const uint32_t avecRetour[] = {21, 22, 23, 54, 55, 66, 68, 87};
    if (std::find(std::begin(avecRetour), std::end(avecRetour), type) == std::end(avecRetour))
        return v;
    const bool memeOrdre = type != 21 && type != 66 && type != 68 && (cible - premier == 1 || cible - premier == 4);
    for (const TTie& x : tour.Ties) {
        const int h = x.Domicile, a = x.Exterieur;
        // A tie decided before the target plays no more; a team that already
        // plays there keeps its match.
        if (h < 0 || a < 0 || (x.Decision != 0 && x.Decision < cible))
            continue;
        const TInfoCompJour* j = c.Journee(cible);
        if (j && (j->IndexMatchEquipe(h) >= 0 || j->IndexMatchEquipe(a) >= 0))
            continue;
        v.push_back(memeOrdre ? std::pair{h, a} : std::pair{a, h});
    }
    return v;
}

bool CompleteCoupe(TDonneesChampionnat& c, int n)
{
    int cible = 0;
    bool cree = false;
    for (const auto& [h, a] : MatchsACompleter(c, n, cible))
        cree = c.CreeMatch(cible, h, a, Vide, Vide) != nullptr || cree;
    return cree;
}

std::string LibelleJournee(const TSaison& saison)
{
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    return c ? LibelleJournee(saison, c->NbJournee) : std::string();
}

std::string LibelleJournee(const TSaison& saison, int n)
{
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    return c ? LibelleJournee(*c, n) : std::string();
}

std::string LibelleJournee(const TDonneesChampionnat& championnat, int n)
{
    const TDonneesChampionnat* c = &championnat;
    if (c->SystemeDate())
        return TraduireFormat(1481, {TGestionDate::DateVersTexte(c->DateJournee(n))});
    if (!c->EstCoupe())
        return TraduireFormat(151, {n});
    const TInfoTourCoupe* tour = c->TourCoupe(n - 1);
    if (!tour)
        return {};
    const int code = tour->nTour & 63;
    std::string s;
    if (code >= 1 && code <= 6)
        s = Traduire(270 + code);
    else {
        const TInfoTourCoupe* premier = c->TourCoupe(0);
        s = TraduireFormat(277, {static_cast<int>(premier->nTour) - static_cast<int>(tour->nTour) + 1});
    }
    const uint32_t t = tour->TypeMatch;
    if (t & 16)
        s += " - " + TraduireFormat(621, {static_cast<int>(t >> 5) + 1});
    else if (const uint32_t jambe = t >> 6; jambe == 1 && (t & 15) == 3)
        s += " - " + Traduire(4954);   // a replayed tie's first match has no second leg
    else if (jambe >= 1 && jambe <= 3)
        s += " - " + Traduire(jambe == 1 ? 283 : (jambe == 2 ? 285 : 284));
    return s;
}

bool TrieMatchsClassement(TSaison& saison)
{
    TDonneesChampionnat* c = saison.ChampionnatCourant();
    if (!c || c->EstCoupe())
        return false;
    const int n = c->NbJournee;
    TInfoCompJour* j = c->Journee(n);
    if (!j || j->NbMatchs() < 2)
        return false;
    // Rows already typed keep the order the user left them in.
    for (int k = 0; k < j->NbMatchs(); ++k) {
        const TInfoComp* m = j->Match(k);
        if (m->Score(0) != TInfoComp::ScoreVide || m->Score(1) != TInfoComp::ScoreVide ||
            c->Penalites().Cherche(m->IdEquipe(0), m->IdEquipe(1), n))
            return false;
    }
    TCalculClassement calcul(c, &saison);
    const int lignes = calcul.Calcule(clsGeneral, 1, n, nullptr, true);
    bool deplace = false;
    int libre = 0;
    for (int r = 0; r < lignes && libre < j->NbMatchs(); ++r) {
        const int id = c->IdEquipe(calcul.ValeurLigne(r, 1));
        for (int k = libre; k < j->NbMatchs(); ++k) {
            const TInfoComp* m = j->Match(k);
            if (m->IdEquipe(0) == id || m->IdEquipe(1) == id) {
                if (k != libre) {
                    j->DeplaceMatch(k, libre);
                    deplace = true;
                }
                ++libre;
                break;
            }
        }
    }
    return deplace;
}
