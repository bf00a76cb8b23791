// The standings engine: totals of the kinds that do not accumulate the matches
// (statistic codes, discipline, attendance, form tables, ages). Each runs once
// per group, at the group's offset; a record whose team is not in the group is
// counted for no position.
#include <algorithm>

#include "engine/CalculClassement.h"
#include "engine/Statistique.h"
#include "model/Ages.h"
#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/Utilities.h"

namespace {

inline uint16_t Mot(int64_t v) { return static_cast<uint16_t>(v); }

// The two data codes summed by a statistic code (0: none); steals and
// turnovers are the championship's own codes.
void CodesStatistique(int code, const TDonneesChampionnatStat& c, int& premier, int& second)
{
    premier = second = 0;
    switch (code) {
    case 50: premier = 7; second = 8; break;
    case 52: premier = 9; second = 10; break;
    case 54: premier = 11; second = 12; break;
    case 56: premier = 13; break;
    case 58: premier = 14; break;
    case 60: premier = 16; break;
    case 62: premier = c.CodeInterception(); break;
    case 64: premier = 19; break;
    case 66: premier = c.CodeBallePerdue(); break;
    case 68: premier = 17; break;
    case 70: premier = 32; break;
    case 72: premier = 33; break;
    case 74: premier = 34; break;
    case 76: premier = 23; break;
    default: break;
    }
}

}  // namespace

void TCalculClassement::TotauxStatistiques(int g, int code, int premiere, int derniere)
{
    TDonneesChampionnat& c = *groupes_[static_cast<size_t>(g)];
    const int o = decalages_[static_cast<size_t>(g)];
    for (int s = 0; s < NbEquipeGroupe(g); ++s)
        Total(o + s, 6) = Total(o + s, 7) = 0;
    // Only basketball and handball championships hold statistic lists.
    const auto* stat = dynamic_cast<const TDonneesChampionnatStat*>(&c);
    if (!stat)
        return;
    int premier, second;
    CodesStatistique(code, *stat, premier, second);
    if (code >= 55)
        second = 0;
    auto somme = [&](int codeDonnee, int champ, int m) {
        // A code of the other sport has no list here.
        const TListeDonnees* liste = codeDonnee > 0 ? stat->ListeStat(m, codeDonnee) : nullptr;
        if (!liste)
            return;
        for (int r = 0; r < liste->Nombre(); ++r) {
            const TDonneesEvt* d = liste->Donnee(r);
            const int s = c.IndexEquipe(d->IdEquipe());
            if (s >= 0)
                Total(o + s, champ) = Mot(Total(o + s, champ) + d->Mot());
        }
    };
    // the matchdays of the range, as the matches they are divided by
    const int debut = premiere == 0 ? 1 : std::max(premiere, 1);
    const int fin = premiere == 0 ? c.NbJour() : std::min(derniere, c.NbJour());
    for (int m = debut; m <= fin; ++m) {
        somme(premier, 6, m);
        somme(second, 7, m);
    }
}

void TCalculClassement::TotauxDiscipline(int g, int premiere, int derniere)
{
    TDonneesChampionnat& c = *groupes_[static_cast<size_t>(g)];
    const int o = decalages_[static_cast<size_t>(g)];
    if (premiere == 0) {
        premiere = 1;
        derniere = c.NbJour();
    }
    // Bookings and sendings-off are counted afresh with the points, whatever
    // an earlier table left in these totals.
    for (int s = 0; s < NbEquipeGroupe(g); ++s)
        Total(o + s, 4) = Total(o + s, 5) = Total(o + s, 6) = 0;
    const int fin = std::min(derniere, c.NbJour());
    for (int m = std::max(premiere, 1); m <= fin; ++m) {
        const TListeDonnees* liste = c.ListeAvertis(m);
        if (!liste)
            continue;
        for (int r = 0; r < liste->Nombre(); ++r) {
            const TDonneesEvt* d = liste->Donnee(r);
            const int s = c.IndexEquipe(d->IdEquipe());
            if (s < 0)
                continue;
            const int i = o + s;
            if (d->Mot() & evtRouge) {
                ++Total(i, 5);
                Total(i, 6) = Mot(Total(i, 6) + PoidsRouge);
            } else {
                ++Total(i, 4);
                Total(i, 6) = Mot(Total(i, 6) + PoidsJaune);
            }
        }
    }
}

void TCalculClassement::TotauxAffluence(int premiere, int derniere)
{
    std::vector<TAffluence> affluences(static_cast<size_t>(n_));
    for (int g = 0; g < NbGroupes(); ++g) {
        TDonneesChampionnat& c = *groupes_[static_cast<size_t>(g)];
        championnat_ = &c;
        const int o = decalages_[static_cast<size_t>(g)];
        // the home matches of the range: a team without one has no average
        const int debut = premiere == 0 ? 1 : std::max(premiere, 1);
        const int fin = premiere == 0 ? c.NbJour() : std::min(derniere, c.NbJour());
        for (int m = debut; m <= fin; ++m)
            for (int k = 1; k <= c.NbMatchJournee(m); ++k) {
                const int32_t affluence = c.AffluenceMatch(m, k);
                if (affluence <= 0)
                    continue;
                const int s = c.IndexEquipe(c.ValeurMatch(m, 4 * k - 3));
                if (s < 0)
                    continue;
                TAffluence& a = affluences[static_cast<size_t>(o + s)];
                a.Somme += static_cast<uint32_t>(affluence);
                ++a.Nombre;
            }
    }
    for (int i = 0; i < n_; ++i) {
        TAffluence& a = affluences[static_cast<size_t>(i)];
        if (a.Nombre > 0)   // the average rounded, halves up
            a.Somme = static_cast<uint32_t>(DivisionArrondie(a.Somme, a.Nombre));
        a.Position = i;
        a.IdEquipe = Mot(IdEquipePosition(i));
    }
    SortAttendance(affluences);
}

void TCalculClassement::TotauxForme(int g, int type, int premiere, int derniere)
{
    TDonneesChampionnat& c = *groupes_[static_cast<size_t>(g)];
    const int o = decalages_[static_cast<size_t>(g)];
    if (premiere == 0) {
        premiere = 1;
        derniere = c.NbJour();
    }
    const int s = type - 100;
    const int situation = s / 3;
    const int lieux = s % 3;   // 0 both venues, 1 at home, 2 away
    auto opt = [&c](int k) { return static_cast<int64_t>(static_cast<int16_t>(c.Option(k))); };
    for (int p = 0; p < NbEquipeGroupe(g); ++p) {
        const int i = o + p;
        int matchs = 0;
        TSituations comptes;
        TStatistique::SeriesEquipeChampionnat(c, premiere, derniere, c.IdEquipe(p), matchs, comptes);
        for (int r = 0; r < 3; ++r) {
            int v = 0;
            if (lieux != 2)
                v += comptes[r][situation][0];
            if (lieux != 1)
                v += comptes[r][situation][1];
            Total(i, 2 + r) = Mot(v);
        }
        const int64_t V = T(i, 2), N = T(i, 3), P = T(i, 4);
        Total(i, 5) = Mot(V + N + P);
        Total(i, 1) = Mot(V * opt(4) + N * opt(5) + P * opt(6));
        Total(i, 6) = Mot(T(i, 5) > 0 ? DivisionArrondie(int64_t{T(i, 1)} * 100, T(i, 5)) : 0);
    }
}

void TCalculClassement::TotauxAges(int g)
{
    TDonneesChampionnat& c = *groupes_[static_cast<size_t>(g)];
    const int o = decalages_[static_cast<size_t>(g)];
    // Ages in the championship's year, or, for one without a year of its own
    // (a cup), in the season's.
    int reference = static_cast<int16_t>(c.Option(8));
    if (reference <= 0 && saison_)
        reference = AnneeAges(*saison_);
    std::vector<int> ages;
    for (int p = 0; p < NbEquipeGroupe(g); ++p) {
        ages.clear();
        if (AgesEquipe)
            AgesEquipe(c.IdEquipe(p), ages);
        int64_t somme = 0;
        int nombre = 0, plusJeune = 255, plusVieux = 0;
        for (int age : ages) {
            if (age == 0)
                continue;
            const int a = reference - age;
            if (a <= 0)
                continue;
            somme += a;
            ++nombre;
            plusJeune = std::min(plusJeune, a);
            plusVieux = std::max(plusVieux, a);
        }
        const int i = o + p;
        Total(i, 1) = Mot(nombre > 0 ? DivisionArrondie(somme * 10, nombre) : 0);
        Total(i, 2) = Mot(plusJeune);
        Total(i, 3) = Mot(plusVieux);
    }
}
