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

// The team the tie between x and y qualified wherever its round (that of
// matchday d) decided it, leaving matchday sauf out; -1 when none did.
int GagnantTour(const TDonneesChampionnat& c, int d, int x, int y, int sauf)
{
    int premier = d, dernier = d;
    BornesTour(c, d, premier, dernier);
    for (int k = dernier; k >= premier; --k)
        if (k != sauf)
            if (const int g = GagnantJournee(c, k, x, y); g >= 0)
                return g;
    return -1;
}

// The match of matchday d, the third-place match left aside, that holds the
// first of these teams that one holds.
const TInfoComp* MatchTenant(const TDonneesChampionnat& c, int d, std::initializer_list<int> equipes)
{
    const TInfoCompJour* j = c.Journee(d);
    for (const int e : equipes)
        for (int k = 0; j && e >= 0 && k < j->NbMatchs(); ++k)
            if (const TInfoComp* m = j->Match(k); m->Cote(e) >= 0 && !EstPetiteFinale(c, d, *m))
                return m;
    return nullptr;
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

// The match goes with its shoot-out, its state, its events and line-ups.
void SupprimeMatchTour(TDonneesChampionnat& c, const TMatchRemplace& m)
{
    c.SupprimePenalty(m.Journee, m.Domicile, m.Exterieur);
    c.Penalites().Supprime(m.Domicile, m.Exterieur, m.Journee);
    c.SupprimeMatch(m.Journee, m.Domicile, m.Exterieur);
}

}  // namespace

bool MatchSaisi(const TDonneesChampionnat& c, int n, int h, int a)
{
    const TInfoComp* m = MatchEntre(c, n, h, a);
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
    return TraduireFormat(4803, {LibelleJournee(saison, m.Journee), match});
}

bool EstPetiteFinale(const TDonneesChampionnat& c, int n, const TInfoComp& m)
{
    if (!c.EstCoupe() || !c.PetiteFinale || n != c.NbJour() || n < 1)
        return false;
    int premier = n, dernier = n;
    BornesTour(c, n, premier, dernier);
    if (premier < n)
        return !MatchEntre(c, premier, m.IdEquipe(0), m.IdEquipe(1));
    const TInfoTourCoupe* t = c.TourCoupe(n - 1);
    const TInfoCompJour* j = c.Journee(n);
    return t && j && j->IndexObjetMatch(&m) >= static_cast<int>(t->NbMatch & 0xFF);
}

int DebutTour(const TDonneesChampionnat& c, int n)
{
    int premier = n, dernier = n;
    BornesTour(c, n, premier, dernier);
    return premier;
}

int LignePetiteFinale(const TDonneesChampionnat& c, int n)
{
    if (!c.EstCoupe() || !c.PetiteFinale || n != c.NbJour() || c.NbMatchJournee(n) < 1)
        return -1;
    return c.NbMatchJournee(n) - 1;
}

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
                      const std::vector<TQualifieLigne>& lignes, const TAccordRemplacement& accord)
{
    const TInfoTourCoupe* tour = c.TourCoupe(n - 1);
    const uint32_t t = tour ? tour->TypeMatch : 0;
    int premier = n, dernier = n;
    BornesTour(c, n, premier, dernier);
    // The extra match of a tie is played on its round's next matchday, never
    // on another round's.
    const bool suite = n < dernier;
    if (indecis) {
        if (!suite || MatchEntre(c, n + 1, h, a))
            return false;
        return t == 118 ? c.CreeMatch(n + 1, h, a, Vide, Vide) != nullptr
                        : c.CreeMatch(n + 1, a, h, Vide, Vide) != nullptr;
    }
    // A decided tie plays no more: the matches planned after n in its round go.
    std::vector<TMatchRemplace> partent;
    for (int d = n + 1; d <= dernier; ++d)
        if (const TInfoComp* m = MatchEntre(c, d, h, a))
            partent.push_back({d, m->IdEquipe(0), m->IdEquipe(1)});
    const int nb = static_cast<int>(lignes.size());
    const int qualifie = ligne >= 0 && ligne < nb ? lignes[static_cast<size_t>(ligne)].Qualifie : -1;
    // Option word 1 counts the cup's rounds: the winners of each round but the
    // last go on to the first matchday of the next one, which the cup already
    // has.
    const int cible = dernier + 1;
    int dom = -1, ext = -1, place = -1;
    if (TourJournee(c, n) < c.Option(1) && cible <= c.NbJour() && qualifie >= 0) {
        // The round's ties in the order of its first matchday: its rows when
        // that is the matchday shown, else its matches.
        const TInfoCompJour* j1 = premier < n ? c.Journee(premier) : nullptr;
        int rang = ligne;
        for (int k = 0; j1 && k < j1->NbMatchs(); ++k) {
            const TInfoComp* m = j1->Match(k);
            if ((m->IdEquipe(0) == h && m->IdEquipe(1) == a) || (m->IdEquipe(0) == a && m->IdEquipe(1) == h))
                rang = k;
        }
        auto gagnant = [&](int k) -> int {
            const TQualifieLigne* r = k >= 0 && k < nb ? &lignes[static_cast<size_t>(k)] : nullptr;
            int x = -1, y = -1;
            if (j1) {
                const TInfoComp* m = j1->Match(k);
                if (!m)
                    return r ? r->Qualifie : -1;
                x = m->IdEquipe(0);
                y = m->IdEquipe(1);
            } else if (r) {
                x = k == ligne ? h : r->Domicile;
                y = k == ligne ? a : r->Exterieur;
            }
            // A row that does not say its pairing stands for the tie of its place.
            const int rangee = r && k != ligne && r->Domicile < 0 ? r->Qualifie : -1;
            if (x < 0 || y < 0)
                return rangee;
            // The rows of matchday n say what the page shows, the other
            // matchdays of the round what the championship holds.
            for (int q = 0; q < nb; ++q) {
                TQualifieLigne l = lignes[static_cast<size_t>(q)];
                if (q == ligne)
                    l = {l.Qualifie, h, a};
                if (l.Qualifie >= 0 && ((l.Domicile == x && l.Exterieur == y) || (l.Domicile == y && l.Exterieur == x)))
                    return l.Qualifie;
            }
            const int g = GagnantTour(c, n, x, y, n);
            return g >= 0 ? g : rangee;
        };
        const int fixe = premier == 1 ? c.EquipeMatchSuivant(rang) : -1;
        int autre = -1;
        if (fixe >= 0 && fixe < Vide) {
            dom = autre = fixe;
            ext = qualifie;
        } else {
            const int q = rang / 2;
            dom = gagnant(2 * q);
            ext = gagnant(2 * q + 1);
            autre = rang % 2 == 0 ? ext : dom;
        }
        if (dom < 0 || ext < 0 || MatchEntre(c, cible, dom, ext)) {
            dom = ext = -1;
        } else {
            // The match the new pairing takes the place of holds the team this
            // tie no longer sends, else one of the two it does; it goes with
            // its whole tie.
            const int perdant = qualifie == h ? a : (qualifie == a ? h : -1);
            if (const TInfoComp* m = MatchTenant(c, cible, {perdant, qualifie, autre})) {
                const int x = m->IdEquipe(0), y = m->IdEquipe(1);
                place = c.Journee(cible)->IndexObjetMatch(m);
                int p2 = cible, f2 = cible;
                BornesTour(c, cible, p2, f2);
                for (int d = cible; d <= f2; ++d)
                    if (const TInfoComp* r = MatchEntre(c, d, x, y); r && !EstPetiteFinale(c, d, *r))
                        partent.push_back({d, r->IdEquipe(0), r->IdEquipe(1)});
            }
        }
    }
    if (partent.empty() && dom < 0)
        return false;
    std::vector<TMatchRemplace> saisis;
    for (const TMatchRemplace& m : partent)
        if (MatchSaisi(c, m.Journee, m.Domicile, m.Exterieur))
            saisis.push_back(m);
    if (!saisis.empty() && accord && !accord(saisis))
        return false;
    for (const TMatchRemplace& m : partent)
        SupprimeMatchTour(c, m);
    if (dom >= 0) {
        // Made without CreeMatch, which would take the two teams out of any
        // other match of that matchday (the third-place match among them).
        TInfoComp* m = c.MatchEquipes(cible, dom, ext, true, 0);
        TInfoCompJour* j = c.Journee(cible);
        if (m && j && place >= 0)
            j->DeplaceMatch(j->IndexObjetMatch(m), std::min(place, j->NbMatchs() - 1));
    }
    if (c.Saison())
        c.Saison()->InvalideStats();
    return true;
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
        // Match k of the target, the third-place match left aside.
        const TInfoCompJour* jc = c.Journee(cible);
        const TInfoComp* existant = nullptr;
        for (int i = 0, rang = 0; jc && i < jc->NbMatchs() && !existant; ++i)
            if (!EstPetiteFinale(c, cible, *jc->Match(i)) && rang++ == k)
                existant = jc->Match(i);
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
    return c ? LibelleJournee(saison, c->NbJournee) : std::string();
}

std::string LibelleJournee(const TSaison& saison, int n)
{
    const TDonneesChampionnat* c = saison.ChampionnatCourant();
    if (!c)
        return {};
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
