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

// The round of matchday n (from 1): the legs of a tie and the matches of a
// series share their round's number; a matchday without a round record is a
// round of its own.
int TourJournee(const TDonneesChampionnat& c, int n)
{
    int tour = 0, precedent = -1;
    for (int i = 0; i < n; ++i) {
        const TInfoTourCoupe* t = c.TourCoupe(i);
        const int code = t ? static_cast<int>(t->nTour & 63) : -2 - i;
        if (code != precedent)
            ++tour;
        precedent = code;
    }
    return tour;
}

// The first and last matchdays of the round of matchday n.
void BornesTour(const TDonneesChampionnat& c, int n, int& premier, int& dernier)
{
    const int tour = TourJournee(c, n);
    premier = dernier = n;
    while (premier > 1 && TourJournee(c, premier - 1) == tour)
        --premier;
    while (dernier < c.NbJour() && TourJournee(c, dernier + 1) == tour)
        ++dernier;
}

// The match of matchday d between x and y, either way round.
const TInfoComp* MatchEntre(const TDonneesChampionnat& c, int d, int x, int y)
{
    const TInfoComp* m = c.MatchEquipes(d, x, y);
    return m ? m : c.MatchEquipes(d, y, x);
}

// The team that the tie between x and y has qualified with its match of
// matchday d, counting the earlier matches of the tie as its kind does; -1
// when that match leaves the tie open or is not played. A shoot-out's winner
// is the side the matchday records as qualified.
int GagnantJournee(const TDonneesChampionnat& c, int d, int x, int y)
{
    const TInfoComp* m = MatchEntre(c, d, x, y);
    if (!m || m->Score(0) == Vide || m->Score(1) == Vide)
        return -1;
    const int mh = m->IdEquipe(0), ma = m->IdEquipe(1);
    const TDecisionTour r = DecideTour(c, d, mh, ma, m->Score(0) & 0x7FFF, m->Score(1) & 0x7FFF);
    int cote = r.Aucune || r.Indecis ? -1 : r.Qualifie;
    if (r.TirsAuBut && !r.Aucune) {
        const int q = c.QualifieMatch(d, mh, ma);
        cote = q == 0 || q == 1 ? q : -1;
    }
    return cote < 0 ? -1 : (cote == 0 ? mh : ma);
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
    const bool systemeDate = (c->Option(11) & 8) != 0;
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
    auto effaceDonnees = [&](int t, bool compo) {
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
        if (l.Qualifie == 0 || l.Qualifie == 1)
            c->SetQualifieMatch(n, h, a, l.Qualifie == 1);
    }
    // 5. Pairings no row holds any more go with the waiting list.
    if (!attente.empty())
        r.Change = true;
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
                    effaceDonnees(id, true);
            }
    }
    saison.InvalideStats();
    return r;
}

// ---- cup ties -----------------------------------------------------------------------------

bool ScoresMatchPrecedent(const TDonneesChampionnat& c, int m, int h, int a, int& eh, int& ea)
{
    const TInfoCompJour* j = c.Journee(m);
    if (!j)
        return false;
    auto lit = [](const TInfoComp& x, int cote) { return x.Score(cote) == Vide ? -1 : x.Score(cote) & 0x7FFF; };
    for (int k = 0; k < j->NbMatchs(); ++k) {
        const TInfoComp& x = *j->Match(k);
        if (x.IdEquipe(0) == a || x.IdEquipe(1) == h) {
            eh = lit(x, 1);
            ea = lit(x, 0);
            return eh >= 0 && ea >= 0;
        }
    }
    for (int k = 0; k < j->NbMatchs(); ++k) {
        const TInfoComp& x = *j->Match(k);
        if (x.IdEquipe(0) == h || x.IdEquipe(1) == a) {
            eh = lit(x, 0);
            ea = lit(x, 1);
            return eh >= 0 && ea >= 0;
        }
    }
    return false;
}

TDecisionTour DecideTour(const TDonneesChampionnat& c, int n, int h, int a, int sh, int sa)
{
    TDecisionTour d;
    const TInfoTourCoupe* tour = c.TourCoupe(n - 1);
    const uint32_t t = tour ? tour->TypeMatch : 0;
    auto gagnant = [&](int p) { d.Qualifie = p > 0 ? 0 : 1; };
    int eh = 0, ea = 0;
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
            if (ScoresMatchPrecedent(c, n - j, h, a, eh, ea))
                p += Signe(eh - ea);
        gagnant(p != 0 ? p : (sh > sa ? 1 : -1));
        break;
    }
    case 130: {
        if (!ScoresMatchPrecedent(c, n - 1, h, a, eh, ea))
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
        if (!ScoresMatchPrecedent(c, n - 1, h, a, eh, ea))
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
            if (!ScoresMatchPrecedent(c, n - j, h, a, eh, ea))
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

bool AppliqueDecision(TDonneesChampionnat& c, int n, int ligne, int h, int a, bool indecis,
                      const std::vector<TQualifieLigne>& lignes)
{
    const TInfoTourCoupe* tour = c.TourCoupe(n - 1);
    const uint32_t t = tour ? tour->TypeMatch : 0;
    int premier = n, dernier = n;
    BornesTour(c, n, premier, dernier);
    // The extra match of a tie is played on its round's next matchday, never
    // on another round's.
    const bool suite = n < dernier;
    const bool existe = suite && MatchEntre(c, n + 1, h, a);
    if (indecis) {
        if (!suite || existe)
            return false;
        return t == 118 ? c.CreeMatch(n + 1, h, a, Vide, Vide) != nullptr
                        : c.CreeMatch(n + 1, a, h, Vide, Vide) != nullptr;
    }
    bool change = false;
    if (existe) {
        c.SupprimeMatch(n + 1, h, a);
        change = true;
    }
    const int nb = static_cast<int>(lignes.size());
    const int qualifie = ligne >= 0 && ligne < nb ? lignes[static_cast<size_t>(ligne)].Qualifie : -1;
    // Option word 1 counts the cup's rounds: the winners of each round but the
    // last go on to the first matchday of the next one, which the cup already
    // has.
    const int cible = dernier + 1;
    if (TourJournee(c, n) >= c.Option(1) || cible > c.NbJour() || qualifie < 0)
        return change;
    // A round played over several matchdays keeps its ties in the order of its
    // first matchday; a tie decided on another of its matchdays is found there.
    const TInfoCompJour* j1 = premier < n ? c.Journee(premier) : nullptr;
    int place = ligne;
    for (int k = 0; j1 && k < j1->NbMatchs(); ++k) {
        const TInfoComp* m = j1->Match(k);
        if ((m->IdEquipe(0) == h && m->IdEquipe(1) == a) || (m->IdEquipe(0) == a && m->IdEquipe(1) == h))
            place = k;
    }
    auto gagnant = [&](int k) -> int {
        const TInfoComp* m = j1 ? j1->Match(k) : nullptr;
        const TQualifieLigne* rang = k >= 0 && k < nb ? &lignes[static_cast<size_t>(k)] : nullptr;
        if (!m)
            return rang ? rang->Qualifie : -1;
        const int x = m->IdEquipe(0), y = m->IdEquipe(1);
        for (int r = 0; r < nb; ++r) {
            TQualifieLigne l = lignes[static_cast<size_t>(r)];
            if (r == ligne)
                l = {l.Qualifie, h, a};
            if (l.Qualifie >= 0 && ((l.Domicile == x && l.Exterieur == y) || (l.Domicile == y && l.Exterieur == x)))
                return l.Qualifie;
        }
        for (int d = dernier; d >= premier; --d)
            if (d != n)
                if (const int g = GagnantJournee(c, d, x, y); g >= 0)
                    return g;
        // A row that does not say its pairing stands for the tie of its place.
        return rang && k != ligne && rang->Domicile < 0 ? rang->Qualifie : -1;
    };
    int dom = -1, ext = -1;
    const int fixe = premier == 1 ? c.EquipeMatchSuivant(place) : -1;
    if (fixe >= 0 && fixe < Vide) {
        dom = fixe;
        ext = qualifie;
    } else {
        const int q = place / 2;
        dom = gagnant(2 * q);
        ext = gagnant(2 * q + 1);
    }
    if (dom < 0 || ext < 0 || c.MatchEquipes(cible, dom, ext))
        return change;
    return c.CreeMatch(cible, dom, ext, Vide, Vide) != nullptr || change;
}

bool CompleteCoupe(TDonneesChampionnat& c, int n)
{
    if (n < 1 || n >= c.NbJour())
        return false;
    const TInfoTourCoupe* courant = c.TourCoupe(n - 1);
    if (!courant)
        return false;
    int premier = n, dernier = n;
    BornesTour(c, n, premier, dernier);
    const int cible = premier < n ? n : premier + 1;
    const TInfoTourCoupe* aller = c.TourCoupe(premier - 1);
    const uint32_t t = aller->TypeMatch;
    static const uint32_t avecRetour[] = {21, 22, 23, 54, 55, 66, 68, 87};
    if (std::find(std::begin(avecRetour), std::end(avecRetour), t) == std::end(avecRetour))
        return false;
    const TInfoCompJour* j1 = c.Journee(premier);
    if (!j1)
        return false;
    const bool memeOrdre = t != 21 && t != 66 && t != 68 && (cible - premier == 1 || cible - premier == 4);
    bool cree = false;
    const int nb = j1->NbMatchs();
    for (int k = 0; k < nb; ++k) {
        const TInfoCompJour* jc = c.Journee(cible);
        const TInfoComp* existant = jc ? jc->Match(k) : nullptr;
        if (existant && existant->IdEquipe(0) != Vide)
            continue;
        const TInfoComp* m = j1->Match(k);
        const int h = m->IdEquipe(0), a = m->IdEquipe(1);
        if (MatchEntre(c, cible, h, a))
            continue;
        // A tie its earlier matches decided plays no more.
        bool decide = false;
        for (int d = premier; d < cible && !decide; ++d)
            decide = GagnantJournee(c, d, h, a) >= 0;
        if (decide)
            continue;
        if ((memeOrdre ? c.CreeMatch(cible, h, a, Vide, Vide) : c.CreeMatch(cible, a, h, Vide, Vide)))
            cree = true;
    }
    return cree;
}

std::string LibelleJournee(const TSaison& saison)
{
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    if (!c)
        return {};
    const int n = c->NbJournee;
    if (c->Option(11) & 8)
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
    else if (const uint32_t jambe = t >> 6; jambe >= 1 && jambe <= 3)
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
