// The standings engine: ranking rows, tie groups, the tie-break letters with
// their head-to-head sub-tables, the merging of rows of one team and the
// rankings on one statistic.
//
// Every sort keeps the order of rows it finds equal, and the rows are built in
// team-position order, so teams still tied after every letter stay in team
// position order. Runs of equal rows form the tie groups (field 11), numbered
// from a counter shared by every group of one pass, head-to-head sub-tables
// included.
#include <algorithm>
#include <numeric>

#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/Utilities.h"

namespace {

inline uint16_t Mot(int64_t v) { return static_cast<uint16_t>(v); }

// round(pour × 1000 / contre), halves to even; contre > 0. A ratio beyond
// the 16-bit range is held at its largest value so that it still ranks first.
int64_t Rapport(int64_t pour, int64_t contre)
{
    const int64_t num = pour * 1000;
    int64_t q = num / contre;
    const int64_t r = num % contre;
    if (2 * r > contre || (2 * r == contre && (q % 2) != 0))
        ++q;
    return std::min<int64_t>(q, 32767);
}

}  // namespace

TCalculClassement::TCritere TCalculClassement::Critere(char lettre)
{
    switch (lettre) {
    case 'a': return {3, 1, false};
    case 'k': return {3, 1, true};
    case 'b': return {13, 1, false};
    case 'l': return {13, 1, true};
    case 'c': return {4, 1, false};
    case 'm': return {4, 1, true};
    case 'd': return {8, -1, false};
    case 'n': return {8, -1, true};
    case 'e': return {9, 1, false};
    case 'o': return {9, 1, true};
    case 'f': return {10, -1, false};
    case 'p': return {10, -1, true};
    case 'g': return {5, 1, false};
    case 'q': return {5, 1, true};
    case 'h': return {6, 1, false};
    case 'r': return {6, 1, true};
    case 'i': return {6, -1, false};
    case 's': return {6, -1, true};
    case 'j': return {7, -1, false};
    case 't': return {7, -1, true};
    case 'u': return {2, 1, true};
    case 'v': return {15, 1, true};
    case 'z': return {15, 1, false};
    case 'w':
    case 'x':
    case 'y': return {1, 1, true};
    default: return {1, 1, false};
    }
}

void TCalculClassement::SwapLines(int i, int j)
{
    std::swap_ranges(lignes_.begin() + static_cast<ptrdiff_t>(i) * NbChampsLigne,
                     lignes_.begin() + static_cast<ptrdiff_t>(i + 1) * NbChampsLigne,
                     lignes_.begin() + static_cast<ptrdiff_t>(j) * NbChampsLigne);
}

void TCalculClassement::MarkTieGroup(int i, int j, int& compteur)
{
    if (Ligne(i, 11) > 0)
        Ligne(j, 11) = Ligne(i, 11);
    else if (Ligne(j, 11) > 0)
        Ligne(i, 11) = Ligne(j, 11);
    else {
        Ligne(i, 11) = Ligne(j, 11) = Mot(compteur);
        ++compteur;
    }
}

void TCalculClassement::TrieLignes(int p, int q, const std::function<int(int r)>& cle, int* compteur)
{
    if (q <= p)
        return;
    const int nb = q - p + 1;
    std::vector<int> cles(static_cast<size_t>(nb));
    std::vector<int> ordre(static_cast<size_t>(nb));
    for (int k = 0; k < nb; ++k)
        cles[static_cast<size_t>(k)] = cle(p + k);
    std::iota(ordre.begin(), ordre.end(), 0);
    std::stable_sort(ordre.begin(), ordre.end(),
                     [&cles](int x, int y) { return cles[static_cast<size_t>(x)] > cles[static_cast<size_t>(y)]; });
    std::vector<uint16_t> copie(lignes_.begin() + static_cast<ptrdiff_t>(p) * NbChampsLigne,
                                lignes_.begin() + static_cast<ptrdiff_t>(q + 1) * NbChampsLigne);
    for (int k = 0; k < nb; ++k)
        std::copy_n(copie.begin() + static_cast<ptrdiff_t>(ordre[static_cast<size_t>(k)]) * NbChampsLigne,
                    NbChampsLigne, lignes_.begin() + static_cast<ptrdiff_t>(p + k) * NbChampsLigne);
    if (compteur)
        for (int k = 0; k + 1 < nb; ++k)
            if (cles[static_cast<size_t>(ordre[static_cast<size_t>(k)])] ==
                cles[static_cast<size_t>(ordre[static_cast<size_t>(k + 1)])])
                MarkTieGroup(p + k, p + k + 1, *compteur);
}

// Row r of the points tables, from the totals of position i. In a sub-table
// field 15 is the marker unless it is the sorted field, and a team without a
// counted match and without points carries the marker in the sorted field.
void TCalculClassement::ConstruitLigne(int r, int i, bool sousTable, int champ)
{
    const TDonneesChampionnat& c = *groupes_[static_cast<size_t>(groupeDe_[static_cast<size_t>(i)])];
    const bool rapportPrincipal = !sousTable && !SportAvecNuls() && (c.Option(11) & 8) != 0;
    Ligne(r, 1) = Mot(i);
    Ligne(r, 2) = Total(i, rapportPrincipal ? 3 : 1);
    Ligne(r, 3) = Total(i, 7);
    Ligne(r, 4) = Total(i, 5);
    Ligne(r, 5) = Total(i, 2);
    Ligne(r, 6) = Total(i, 3);
    Ligne(r, 7) = Total(i, 4);
    Ligne(r, 8) = Total(i, 6);
    Ligne(r, 9) = Total(i, 8);
    Ligne(r, 10) = Total(i, 9);
    Ligne(r, 11) = 0;
    Ligne(r, 12) = 0;
    Ligne(r, 13) = Mot(T(i, 8) - T(i, 9));
    Ligne(r, 14) = Mot(IdEquipePosition(i));
    const int pour = T(i, 5), contre = T(i, 6);
    int64_t rapport;
    if (contre > 0)
        rapport = Rapport(pour, contre);
    else if (pour > 0)
        rapport = 32767;   // nothing conceded: the best ratio there is
    else
        rapport = sousTable ? Marque : 0;
    if (sousTable && champ != 15)
        rapport = Marque;
    Ligne(r, 15) = Mot(rapport);
    if (sousTable && champ != 1 && T(i, 2) + T(i, 3) + T(i, 4) == 0 && T(i, 1) == 0)
        Ligne(r, champ) = Mot(Marque);
}

void TCalculClassement::ApplyTieBreaks(int type, int premiere, int derniere)
{
    nbLignes_ = n_;
    for (int i = 0; i < n_; ++i)
        ConstruitLigne(i, i, false, 0);
    int compteur = 1;
    TrieLignes(0, n_ - 1, [this](int r) { return L(r, 2); }, &compteur);
    for (int r = 0; r < n_; ++r) {
        Ligne(r, 12) = Ligne(r, 11);
        Ligne(r, 11) = 0;
    }

    const std::string lettres = championnat_ ? championnat_->OrdreClassement : std::string();
    bool trouve = true;
    for (size_t p = 0; trouve && p < lettres.size(); ++p) {
        const TCritere critere = Critere(lettres[p]);
        trouve = false;
        compteur = 1;
        for (int s = 0; s < n_;) {
            int e = s;
            while (e + 1 < n_ && Ligne(e + 1, 12) == Ligne(s, 12))
                ++e;
            if (e > s && Ligne(s, 12) > 0) {
                trouve = true;
                if (critere.Confrontation)
                    ResoutConfrontation(s, e, critere, type, premiere, derniere, compteur);
                else {
                    const int champ = critere.Champ, sens = critere.Sens;
                    TrieLignes(s, e,
                               [this, champ, sens](int r) { return (champ == 1 ? Ligne(r, 1) : L(r, champ)) * sens; },
                               &compteur);
                }
            }
            s = e + 1;
        }
        for (int r = 0; r < n_; ++r) {
            Ligne(r, 12) = Ligne(r, 11);
            Ligne(r, 11) = 0;
        }
    }
}

// A tie group of rows s..e ordered by a table of the matches between its teams
// only, computed by a new engine over the same championship or groups. The
// teams stay in one tie group where that table cannot tell them apart.
void TCalculClassement::ResoutConfrontation(int s, int e, const TCritere& critere, int type, int premiere,
                                            int derniere, int& compteur)
{
    std::vector<int> filtre;
    for (int r = s; r <= e; ++r)
        filtre.push_back(Ligne(r, 1));
    std::unique_ptr<TCalculClassement> sous =
        avecGroupes_ ? std::make_unique<TCalculClassement>(groupes_, saison_)
                     : std::make_unique<TCalculClassement>(groupes_.front(), saison_);
    sous->ComputeTotals(type, premiere, derniere, filtre, critere.Sens * critere.Champ, compteur);

    int debut = s;
    for (int k = 0; k < sous->nbLignes_ && debut <= e; ++k) {
        for (int r = debut; r <= e; ++r)
            if (Ligne(r, 1) == sous->Ligne(k, 1)) {
                Ligne(r, 11) = sous->Ligne(k, 11);
                if (r != debut)
                    SwapLines(r, debut);
                ++debut;
                break;
            }
    }
}

void TCalculClassement::ComputeTotals(int type, int premiere, int derniere, const std::vector<int>& filtre,
                                      int champTri, int& compteur)
{
    std::vector<char> masque(static_cast<size_t>(n_), 0);
    for (int p : filtre)
        if (p >= 0 && p < n_)
            masque[static_cast<size_t>(p)] = 1;
    for (int g = 0; g < NbGroupes(); ++g) {
        championnat_ = groupes_[static_cast<size_t>(g)];
        Accumule(g, premiere, derniere, &masque);
    }
    for (int i = 0; i < n_; ++i) {
        const TDonneesChampionnat& c = *groupes_[static_cast<size_t>(groupeDe_[static_cast<size_t>(i)])];
        for (int f = 2; f <= 6; ++f)
            Total(i, f) = Mot(D(i, f - 1) + D(i, f + 4));
        Total(i, 10) = Mot(D(i, 11) + D(i, 12));
        const int64_t V = T(i, 2), N = T(i, 3), P = T(i, 4);
        auto opt = [&c](int k) { return static_cast<int64_t>(static_cast<int16_t>(c.Option(k))); };
        Total(i, 1) = Mot(type == 9 ? 2 * V + N : V * opt(4) + N * opt(5) + P * opt(6));
        Total(i, 7) = Mot(T(i, 5) - T(i, 6));
    }
    // Head to head, the scoring records too are those of the matches between
    // the tied teams; only the letters that read them need them.
    const int champ = std::abs(champTri);
    if (champ == 9 || champ == 10 || champ == 13)
        for (int g = 0; g < NbGroupes(); ++g) {
            CompteButs(g, premiere, derniere, 8, 40, false, &masque);
            CompteButs(g, premiere, derniere, 9, 41, true, &masque);
        }
    BuildAndSortLines(filtre, champTri, compteur);
}

// The sub-table holds the rows of the filter's teams only, in position order;
// teams marked as having played no counted match always sort last, whichever
// way the letter sorts.
void TCalculClassement::BuildAndSortLines(const std::vector<int>& filtre, int champTri, int& compteur)
{
    const int champ = std::abs(champTri);
    const int sens = champTri < 0 ? -1 : 1;
    std::vector<int> positions;
    for (int p : filtre)
        if (p >= 0 && p < n_ && std::find(positions.begin(), positions.end(), p) == positions.end())
            positions.push_back(p);
    std::sort(positions.begin(), positions.end());
    nbLignes_ = static_cast<int>(positions.size());
    for (int r = 0; r < nbLignes_; ++r)
        ConstruitLigne(r, positions[static_cast<size_t>(r)], true, champ);
    TrieLignes(0, nbLignes_ - 1,
               [this, champ, sens](int r) {
                   const int v = champ == 1 ? Ligne(r, 1) : L(r, champ);
                   return v == Marque && champ != 1 ? -1000000 : v * sens;
               },
               &compteur);
}

void TCalculClassement::MergeSameTeam()
{
    nbLignes_ = n_;
    for (int i = 0; i < nbLignes_ - 1; ++i)
        for (int j = i + 1; j < nbLignes_;) {
            if (Ligne(i, 14) != Ligne(j, 14)) {
                ++j;
                continue;
            }
            const int pi = Ligne(i, 1), pj = Ligne(j, 1);
            if (pi != pj)
                for (int f = 1; f <= NbChampsTotal; ++f) {
                    if (typeCourant_ != 115)
                        Total(pi, f) = Mot(Total(pi, f) + Total(pj, f));
                    Total(pj, f) = 0;
                }
            if (typeCourant_ != 115)
                for (int f = 2; f <= NbChampsLigne; ++f)
                    if (f != 14)
                        Ligne(i, f) = Mot(Ligne(i, f) + Ligne(j, f));
            const int dernier = nbLignes_ - 1;
            for (int f = 1; f <= NbChampsLigne; ++f)
                Ligne(j, f) = Ligne(dernier, f);
            --nbLignes_;
        }
}

int TCalculClassement::MatchsJoues(int i) const
{
    const TDonneesChampionnat& c = *groupes_[static_cast<size_t>(groupeDe_[static_cast<size_t>(i)])];
    const int id = IdEquipePosition(i);
    return premiereCalcul_ == 0 ? c.NbMatchsJoues(id) : c.NbMatchsJoues(id, premiereCalcul_, derniereCalcul_);
}

void TCalculClassement::RankByStatistic(int champ, int second, int code)
{
    nbLignes_ = n_;
    for (int i = 0; i < n_; ++i) {
        std::fill_n(lignes_.begin() + static_cast<ptrdiff_t>(i) * NbChampsLigne, NbChampsLigne, uint16_t{0});
        Ligne(i, 1) = Mot(i);
        Ligne(i, 2) = Total(i, champ);
        if (second > 0)
            Ligne(i, 3) = Total(i, second);
        Ligne(i, 14) = Mot(IdEquipePosition(i));
        Ligne(i, 4) = Mot(MatchsJoues(i));
    }
    MergeSameTeam();
    if (code >= 50 && code <= 78)
        for (int r = 0; r < nbLignes_; ++r) {
            // Exact products, 16-bit results; a percentage or an average per
            // match rounded to the nearest, halves up, as it is shown.
            if (code < 55)
                Ligne(r, 2) = Mot(L(r, 3) != 0 ? DivisionArrondie(int64_t{L(r, 2)} * 10000, L(r, 3)) : 0);
            else {
                Ligne(r, 3) = Ligne(r, 2);
                Ligne(r, 2) = Mot(L(r, 4) > 0 ? DivisionArrondie(int64_t{L(r, 3)} * 100, L(r, 4)) : 0);
            }
        }

    // Value, higher first; then the team names (descending for field 6); then
    // the team position.
    std::vector<std::string> noms(static_cast<size_t>(nbLignes_));
    std::vector<int> ordre(static_cast<size_t>(nbLignes_));
    for (int r = 0; r < nbLignes_; ++r) {
        noms[static_cast<size_t>(r)] = saison_ ? saison_->NomEquipe(Ligne(r, 14)) : std::string();
        ordre[static_cast<size_t>(r)] = r;
    }
    const bool nomsDecroissants = champ == 6;
    // A team without attempts has no rate: it comes after every team ranked.
    const bool taux = code >= 50 && code < 55;
    std::sort(ordre.begin(), ordre.end(), [&](int x, int y) {
        if (taux && (L(x, 3) != 0) != (L(y, 3) != 0))
            return L(x, 3) != 0;
        if (L(x, 2) != L(y, 2))
            return L(x, 2) > L(y, 2);
        const int c = noms[static_cast<size_t>(x)].compare(noms[static_cast<size_t>(y)]);
        if (c != 0)
            return nomsDecroissants ? c > 0 : c < 0;
        return Ligne(x, 1) < Ligne(y, 1);
    });
    std::vector<uint16_t> copie(lignes_.begin(), lignes_.begin() + static_cast<ptrdiff_t>(nbLignes_) * NbChampsLigne);
    for (int k = 0; k < nbLignes_; ++k)
        std::copy_n(copie.begin() + static_cast<ptrdiff_t>(ordre[static_cast<size_t>(k)]) * NbChampsLigne,
                    NbChampsLigne, lignes_.begin() + static_cast<ptrdiff_t>(k) * NbChampsLigne);
}

void TCalculClassement::RankDiscipline()
{
    nbLignes_ = n_;
    for (int i = 0; i < n_; ++i) {
        std::fill_n(lignes_.begin() + static_cast<ptrdiff_t>(i) * NbChampsLigne, NbChampsLigne, uint16_t{0});
        Ligne(i, 1) = Mot(i);
        Ligne(i, 2) = Total(i, 6);
        Ligne(i, 3) = Total(i, 4);
        Ligne(i, 4) = Total(i, 5);
        Ligne(i, 5) = Mot(MatchsJoues(i));   // the matches the cards are counted over
        Ligne(i, 14) = Mot(IdEquipePosition(i));
    }
    MergeSameTeam();
    std::vector<std::string> noms(static_cast<size_t>(nbLignes_));
    std::vector<int> ordre(static_cast<size_t>(nbLignes_));
    for (int r = 0; r < nbLignes_; ++r) {
        noms[static_cast<size_t>(r)] = saison_ ? saison_->NomEquipe(Ligne(r, 14)) : std::string();
        ordre[static_cast<size_t>(r)] = r;
    }
    std::sort(ordre.begin(), ordre.end(), [&](int x, int y) {
        if (L(x, 2) != L(y, 2))
            return L(x, 2) > L(y, 2);
        if (L(x, 4) != L(y, 4))
            return L(x, 4) > L(y, 4);
        const int c = noms[static_cast<size_t>(x)].compare(noms[static_cast<size_t>(y)]);
        if (c != 0)
            return c > 0;
        return Ligne(x, 1) < Ligne(y, 1);
    });
    std::vector<uint16_t> copie(lignes_.begin(), lignes_.begin() + static_cast<ptrdiff_t>(nbLignes_) * NbChampsLigne);
    for (int k = 0; k < nbLignes_; ++k)
        std::copy_n(copie.begin() + static_cast<ptrdiff_t>(ordre[static_cast<size_t>(k)]) * NbChampsLigne,
                    NbChampsLigne, lignes_.begin() + static_cast<ptrdiff_t>(k) * NbChampsLigne);
}

void TCalculClassement::SortAttendance(std::vector<TAffluence>& affluences)
{
    std::stable_sort(affluences.begin(), affluences.end(),
                     [](const TAffluence& a, const TAffluence& b) { return a.Somme > b.Somme; });
    nbLignes_ = std::min<int>(n_, static_cast<int>(affluences.size()));
    for (int k = 0; k < nbLignes_; ++k) {
        const TAffluence& a = affluences[static_cast<size_t>(k)];
        std::fill_n(lignes_.begin() + static_cast<ptrdiff_t>(k) * NbChampsLigne, NbChampsLigne, uint16_t{0});
        Ligne(k, 1) = Mot(a.Position);
        Ligne(k, 14) = a.IdEquipe;
        Ligne(k, 2) = Mot(static_cast<int64_t>(a.Somme & 0xFFFF));
        Ligne(k, 3) = Mot(static_cast<int64_t>((a.Somme >> 16) & 0xFFFF));
        Ligne(k, 4) = Mot(std::min<int64_t>(a.Nombre, 65535));   // the matches it is the average of
    }
}
