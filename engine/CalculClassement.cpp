// The standings engine: construction, accessors, the kind dispatch of Calcule,
// the accumulation of played matches, the counts of scoring records, points,
// point adjustments and the home points dropped.
#include "engine/CalculClassement.h"

#include <algorithm>
#include <cstdlib>

#include "model/Championnat.h"
#include "model/ChampionnatFootRugby.h"
#include "model/Joueurs.h"
#include "model/Saison.h"
#include "model/Utilities.h"

namespace {

// Every stored value keeps its low 16 bits.
inline uint16_t Mot(int64_t v) { return static_cast<uint16_t>(v); }

bool EstRugby(const TDonneesChampionnat& c) { return dynamic_cast<const TDonneesChampionnatRugby*>(&c) != nullptr; }

// The last matchday holding a score.
int DerniereJouee(const TDonneesChampionnat& c)
{
    return std::max<int>(c.CalculeDerniereJournee(), 0);
}

}  // namespace

TCalculClassement::TCalculClassement(TDonneesChampionnat* championnat, TSaison* saison)
    : championnat_(championnat), saison_(saison)
{
    if (championnat)
        groupes_.push_back(championnat);
    if (!saison_ && championnat)
        saison_ = championnat->Saison();
    Initialise();
}

TCalculClassement::TCalculClassement(std::vector<TDonneesChampionnat*> groupes, TSaison* saison)
    : avecGroupes_(true), saison_(saison)
{
    for (TDonneesChampionnat* g : groupes)
        if (g)
            groupes_.push_back(g);
    if (!groupes_.empty()) {
        championnat_ = groupes_.front();
        if (!saison_)
            saison_ = championnat_->Saison();
    }
    Initialise();
}

TCalculClassement::~TCalculClassement() = default;

void TCalculClassement::Initialise()
{
    // Ages come from the season's players, team by team.
    if (saison_) {
        TSaison* saison = saison_;
        AgesEquipe = [saison](int idEquipe, std::vector<int>& ages) {
            if (const TListJoueurEquipe* bloc = saison->Joueurs().BlocEquipe(idEquipe))
                for (const TJoueur* j : bloc->Joueurs())
                    if (j)
                        ages.push_back(j->Age);
        };
    }
    decalages_.assign(1, 0);
    for (const TDonneesChampionnat* g : groupes_)
        decalages_.push_back(decalages_.back() + g->NbEquipe());
    n_ = decalages_.back();
    groupeDe_.assign(static_cast<size_t>(n_), 0);
    for (int g = 0; g < NbGroupes(); ++g)
        for (int i = decalages_[static_cast<size_t>(g)]; i < decalages_[static_cast<size_t>(g) + 1]; ++i)
            groupeDe_[static_cast<size_t>(i)] = g;
    nbLignes_ = n_;
    lignes_.assign(static_cast<size_t>(n_) * NbChampsLigne, 0);
    totaux_.assign(static_cast<size_t>(n_) * NbChampsTotal, 0);
    domExt_.assign(static_cast<size_t>(n_) * NbChampsDomExt, 0);
}

// ---------------------------------------------------------------------------
// Accessors

int TCalculClassement::ValeurDomExt(int i, int f) const
{
    return i >= 0 && i < n_ && f >= 1 && f <= NbChampsDomExt ? D(i, f) : 0;
}

void TCalculClassement::EcritDomExt(int i, int f, int v)
{
    if (i >= 0 && i < n_ && f >= 1 && f <= NbChampsDomExt)
        DomExt(i, f) = Mot(v);
}

int TCalculClassement::ValeurTotal(int i, int f) const
{
    return i >= 0 && i < n_ && f >= 1 && f <= NbChampsTotal ? T(i, f) : 0;
}

void TCalculClassement::EcritTotal(int i, int f, int v)
{
    if (i >= 0 && i < n_ && f >= 1 && f <= NbChampsTotal)
        Total(i, f) = Mot(v);
}

uint16_t TCalculClassement::MotTotal(int i, int f) const
{
    return i >= 0 && i < n_ && f >= 1 && f <= NbChampsTotal ? Total(i, f) : 0;
}

int TCalculClassement::ValeurLigne(int r, int f) const
{
    if (r < 0 || r >= nbLignes_ || f < 1 || f > NbChampsLigne)
        return 0;
    // The team position and the team id are unsigned.
    return f == 1 || f == 14 ? Ligne(r, f) : L(r, f);
}

void TCalculClassement::EcritLigne(int r, int f, int v)
{
    if (r >= 0 && r < n_ && f >= 1 && f <= NbChampsLigne)
        Ligne(r, f) = Mot(v);
}

uint16_t TCalculClassement::MotLigne(int r, int f) const
{
    return r >= 0 && r < nbLignes_ && f >= 1 && f <= NbChampsLigne ? Ligne(r, f) : 0;
}

int32_t TCalculClassement::AffluenceLigne(int r) const
{
    return static_cast<int32_t>(MotLigne(r, 2) + 65536u * MotLigne(r, 3));
}

bool TCalculClassement::SansBase(int type, int r) const
{
    if (r < 0 || r >= nbLignes_)
        return false;
    const int i = Ligne(r, 1);
    if (i >= n_)
        return false;
    switch (type) {
    case 0: {
        // the venue of the record field ranked (home fields 1 to 5 and 11,
        // away 6 to 10 and 12; above 100 both)
        const int f = champTriCalcul_ > 100 ? champTriCalcul_ - 100 : champTriCalcul_;
        const bool domicile = champTriCalcul_ > 100 || f <= 5 || f == 11;
        const bool exterieur = champTriCalcul_ > 100 || (f >= 6 && f <= 10) || f == 12;
        return (domicile ? D(i, 1) + D(i, 2) + D(i, 3) : 0) + (exterieur ? D(i, 6) + D(i, 7) + D(i, 8) : 0) == 0;
    }
    case 5:
    case 6:
    case 10:
    case 11:
    case 12:
    case 13: {
        // the matches of the venue the table counts: home W, D, L are record
        // fields 1 to 3, away ones 6 to 8
        const bool domicile = type != 12 && type != 13, exterieur = type != 10 && type != 11;
        const int joues = (domicile ? D(i, 1) + D(i, 2) + D(i, 3) : 0) + (exterieur ? D(i, 6) + D(i, 7) + D(i, 8) : 0);
        return joues == 0;
    }
    case 7:   // matches (field 5) and points (field 2)
        return Ligne(r, 5) == 0 && Ligne(r, 2) == 0;
    case 8:
        return Ligne(r, 4) == 0;
    case 20:
        return Total(i, 2) == 0;
    case 30:
    case 31:
    case 40:
    case 41:
    case 42:
    case 43:
    case 44:
    case 45:   // matches (field 4) and the count (field 2)
        return Ligne(r, 4) == 0 && Ligne(r, 2) == 0;
    default:
        if (type >= 50 && type <= 54)
            return Ligne(r, 3) == 0;
        if (type >= 55 && type <= 78)   // an average per match played
            return Ligne(r, 4) == 0;
        if (type >= 100 && type <= 114)
            return Total(i, 5) == 0;
        return false;
    }
}

TDonneesChampionnat* TCalculClassement::Groupe(int g) const
{
    return g >= 0 && g < NbGroupes() ? groupes_[static_cast<size_t>(g)] : nullptr;
}

int TCalculClassement::DecalageGroupe(int g) const
{
    return g >= 0 && g <= NbGroupes() ? decalages_[static_cast<size_t>(g)] : 0;
}

int TCalculClassement::GroupePosition(int i) const
{
    return i >= 0 && i < n_ ? groupeDe_[static_cast<size_t>(i)] : -1;
}

int TCalculClassement::IdEquipePosition(int i) const
{
    const int g = GroupePosition(i);
    if (g < 0)
        return 65535;
    const int id = groupes_[static_cast<size_t>(g)]->IdEquipe(i - decalages_[static_cast<size_t>(g)]);
    return id < 0 ? 65535 : id;
}

bool TCalculClassement::SportAvecNuls() const
{
    return !saison_ || saison_->StatApplicable(2) != 0;
}

// ---------------------------------------------------------------------------
// Calcule

int TCalculClassement::Calcule(int type, int premiere, int derniere, const std::vector<int>* filtre, bool reset,
                               int champTri)
{
    nbLignes_ = n_;
    typeCourant_ = type;
    premiereCalcul_ = premiere;
    champTriCalcul_ = champTri;
    derniereCalcul_ = derniere;
    if (groupes_.empty())
        return nbLignes_;
    if (reset)
        std::fill(domExt_.begin(), domExt_.end(), uint16_t{0});

    std::vector<char> masque;
    if (filtre) {
        masque.assign(static_cast<size_t>(n_), 0);
        for (int p : *filtre)
            if (p >= 0 && p < n_)
                masque[static_cast<size_t>(p)] = 1;
    }

    const bool accumule = !(type == 7 || type == 8 || type == 30 || type == 31 || (type >= 40 && type <= 80) ||
                            (type >= 100 && type <= 120));
    // The range the record holds once this call has added its matches: the
    // scoring-record counts and the head-to-head sub-tables cover the same
    // matchdays, so a table built matchday by matchday breaks ties on the
    // whole season so far.
    int debut = premiere;
    if (accumule) {
        if (premiere <= 1 || reset || debutCumul_ == 0)
            debutCumul_ = std::max(premiere, 1);
        if (premiere > 1)
            debut = debutCumul_;
        for (int g = 0; g < NbGroupes(); ++g) {
            championnat_ = groupes_[static_cast<size_t>(g)];
            Accumule(g, premiere, derniere, filtre ? &masque : nullptr);
        }
    }

    switch (type) {
    case 1:
    case 4:
    case 9:
        TotauxGeneraux(type);
        for (int g = 0; g < NbGroupes(); ++g) {
            CompteButs(g, debut, derniere, 8, 40, false);
            CompteButs(g, debut, derniere, 9, 41, true);
        }
        break;
    case 2:
    case 3:
    case 20:
        TotauxGeneraux(type);
        break;
    case 0: {
        const int f = champTri > 100 ? champTri - 100 : champTri;
        for (int i = 0; i < n_; ++i)
            Total(i, 1) = Mot(ValeurDomExt(i, f) + (champTri > 100 ? ValeurDomExt(i, f + 5) : 0));
        RankByStatistic(1, 0, 0);
        break;
    }
    case 5:
    case 10:
    case 12:
        for (int i = 0; i < n_; ++i)
            Total(i, 5) = Mot((type != 12 ? D(i, 4) : 0) + (type != 10 ? D(i, 9) : 0));
        RankByStatistic(5, 0, 0);
        break;
    case 6:
    case 11:
    case 13:
        for (int i = 0; i < n_; ++i)
            Total(i, 6) = Mot((type != 13 ? D(i, 5) : 0) + (type != 11 ? D(i, 10) : 0));
        RankByStatistic(6, 0, 0);
        break;
    case 7:
        for (int g = 0; g < NbGroupes(); ++g) {
            championnat_ = groupes_[static_cast<size_t>(g)];
            TotauxDiscipline(g, premiere, derniere);
        }
        RankDiscipline();
        break;
    case 8:
        TotauxAffluence(premiere, derniere);
        break;
    case 30:
    case 31:
    case 40:
    case 41:
    case 42:
    case 43:
    case 44:
    case 45:
        for (int g = 0; g < NbGroupes(); ++g) {
            championnat_ = groupes_[static_cast<size_t>(g)];
            CompteButs(g, premiere, derniere, 6, type, type % 2 != 0);
        }
        if (type <= 31)
            RankByStatistic(6, 7, type);
        else
            RankByStatistic(6, 5, 0);
        break;
    case 115:
        for (int g = 0; g < NbGroupes(); ++g) {
            championnat_ = groupes_[static_cast<size_t>(g)];
            TotauxAges(g);
        }
        RankByStatistic(1, 0, 0);
        break;
    default:
        if (type >= 50 && type <= 78) {
            for (int g = 0; g < NbGroupes(); ++g) {
                championnat_ = groupes_[static_cast<size_t>(g)];
                TotauxStatistiques(g, type, premiere, derniere);
            }
            RankByStatistic(6, 7, type);
        } else if (type >= 100 && type <= 114) {
            for (int g = 0; g < NbGroupes(); ++g) {
                championnat_ = groupes_[static_cast<size_t>(g)];
                TotauxForme(g, type, premiere, derniere);
            }
            RankByStatistic(6, 5, 0);
        }
        break;
    }

    if (type == 1 || type == 2 || type == 3 || type == 4 || type == 9 || type == 20)
        Points(type);
    if (type == 1)
        AjustementsPoints();
    if (type == 20) {
        PointsPerdus();
        RankByStatistic(6, 7, 20);
    }
    if (type == 1 || type == 2 || type == 3 || type == 4 || type == 9)
        ApplyTieBreaks(type, premiere == 0 ? 0 : debut, derniere);
    return nbLignes_;
}

// ---------------------------------------------------------------------------
// Accumulation of played matches

void TCalculClassement::Accumule(int g, int premiere, int derniere, const std::vector<char>* masque)
{
    TDonneesChampionnat& c = *groupes_[static_cast<size_t>(g)];
    const int o = decalages_[static_cast<size_t>(g)];
    const int nb = NbEquipeGroupe(g);
    if (premiere == 0) {
        premiere = 1;
        derniere = DerniereJouee(c);
    }
    if (premiere == 1)
        std::fill(domExt_.begin() + static_cast<ptrdiff_t>(o) * NbChampsDomExt,
                  domExt_.begin() + static_cast<ptrdiff_t>(o + nb) * NbChampsDomExt, uint16_t{0});

    const bool bonus = c.BonusBut > 0;
    const int cb = c.ChampBonusDefensif() != 0 ? 1 : 0;
    // The ids of the filter's teams of this group: a match of other teams is
    // passed over before its teams are looked up.
    std::vector<int> idsFiltre;
    if (masque)
        for (int s = 0; s < nb; ++s)
            if ((*masque)[static_cast<size_t>(o + s)])
                idsFiltre.push_back(c.IdEquipe(s));
    auto filtre = [&idsFiltre](int id) { return std::find(idsFiltre.begin(), idsFiltre.end(), id) != idsFiltre.end(); };

    const int fin = std::min(derniere, c.NbJour());
    for (int m = std::max(premiere, 1); m <= fin; ++m) {
        // The match slots of matchday m, read from its matches directly.
        const TInfoCompJour* journee = c.Journee(m);
        if (!journee)
            continue;
        const int nbMatchs = std::min(c.NbMatchJournee(m), journee->NbMatchs());
        for (int k = 1; k <= nbMatchs; ++k) {
            const TInfoComp* match = journee->Match(k - 1);
            const int idDom = match->IdEquipe(0);
            const int idExt = match->IdEquipe(1);
            const int sDom = match->Score(0) == TInfoComp::ScoreVide ? 65535 : match->Score(0) & 0x7FFF;
            const int sExt = match->Score(1) == TInfoComp::ScoreVide ? 65535 : match->Score(1) & 0x7FFF;
            if (idDom >= 65535 || sDom >= 65535 || idExt >= 65535 || sExt >= 65535)
                continue;
            if (masque && (!filtre(idDom) || !filtre(idExt)))
                continue;
            const int h = c.IndexEquipe(idDom);
            const int a = c.IndexEquipe(idExt);
            // A team that is not in the championship is counted for no position.
            if (masque && (h < 0 || a < 0 || !(*masque)[static_cast<size_t>(o + h)] ||
                           !(*masque)[static_cast<size_t>(o + a)]))
                continue;
            if (h < 0 && a < 0)
                continue;
            const int ph = h >= 0 ? o + h : -1;
            const int pa = a >= 0 ? o + a : -1;

            const TBonusMatch b = bonus ? BonusMatch(c, m, k, h, a, sDom, sExt) : TBonusMatch{};
            if (ph >= 0)
                DomExt(ph, 11) = Mot(DomExt(ph, 11) + b.Offensif[0]);
            if (pa >= 0)
                DomExt(pa, 12) = Mot(DomExt(pa, 12) + b.Offensif[1]);
            if (sDom > sExt) {
                if (ph >= 0)
                    ++DomExt(ph, 1);
                if (pa >= 0) {
                    ++DomExt(pa, 8);
                    DomExt(pa, 12 - cb) = Mot(DomExt(pa, 12 - cb) + b.Defensif[1]);
                }
            } else if (sDom == sExt) {
                if (ph >= 0)
                    ++DomExt(ph, 2);
                if (pa >= 0)
                    ++DomExt(pa, 7);
            } else {
                if (ph >= 0) {
                    ++DomExt(ph, 3);
                    DomExt(ph, 11 + cb) = Mot(DomExt(ph, 11 + cb) + b.Defensif[0]);
                }
                if (pa >= 0)
                    ++DomExt(pa, 6);
            }
            if (ph >= 0) {
                DomExt(ph, 4) = Mot(DomExt(ph, 4) + sDom);
                DomExt(ph, 5) = Mot(DomExt(ph, 5) + sExt);
            }
            if (pa >= 0) {
                DomExt(pa, 9) = Mot(DomExt(pa, 9) + sExt);
                DomExt(pa, 10) = Mot(DomExt(pa, 10) + sDom);
            }
        }
    }
}

TCalculClassement::TBonusMatch TCalculClassement::BonusMatch(TDonneesChampionnat& c, int n, int k, int h, int a,
                                                            int sDom, int sExt)
{
    TBonusMatch b;
    if (c.BonusBut <= 0)
        return b;
    int32_t offensif[2] = {0, 0};
    c.BonusOffensif(n, k, h, a, offensif);
    b.Offensif[0] = offensif[0];
    b.Offensif[1] = offensif[1];
    // the loser's, by the margin; a draw gives none
    if (sDom != sExt && std::abs(sDom - sExt) <= c.BonusEcart)
        b.Defensif[sDom < sExt ? 0 : 1] = 1;
    return b;
}

int TCalculClassement::PointsPossibles(const TDonneesChampionnat& c)
{
    auto opt = [&c](int k) { return static_cast<int>(static_cast<int16_t>(c.Option(k))); };
    const int bonus = c.BonusBut > 0 ? std::max(c.PointBonusBut, 0) : 0;
    return std::max({opt(4) + bonus, opt(5) + bonus, opt(6) + 2 * bonus, 0});
}

int TCalculClassement::TBonusMatch::Points(const TDonneesChampionnat& c, int cote) const
{
    return (Offensif[cote] + Defensif[cote]) * c.PointBonusBut;
}

// ---------------------------------------------------------------------------
// Counting of scoring records

void TCalculClassement::CompteButs(int g, int premiere, int derniere, int champ, int type, bool contre,
                                   const std::vector<char>* masque)
{
    TDonneesChampionnat& c = *groupes_[static_cast<size_t>(g)];
    const int o = decalages_[static_cast<size_t>(g)];
    if (premiere == 0) {
        premiere = 1;
        derniere = c.NbJour();
    }
    for (int s = 0; s < NbEquipeGroupe(g); ++s)
        Total(o + s, champ) = 0;
    // Penalty goals and drop goals of the team are rugby's alone.
    if (!contre && (type == 42 || type == 44) && !EstRugby(c))
        return;
    const int genre = type == 42 || type == 43 ? 5 : type == 44 || type == 45 ? 7 : 2;
    const int seuil = contre ? 41 : 40;
    auto dansMasque = [&](int id) {
        const int s = c.IndexEquipe(id);
        return s >= 0 && (*masque)[static_cast<size_t>(o + s)] != 0;
    };
    const int fin = std::min(derniere, c.NbJour());
    for (int m = std::max(premiere, 1); m <= fin; ++m) {
        const TListeDonnees* liste = c.ListeDonnees(genre, m);
        if (!liste)
            continue;
        for (int r = 0; r < liste->Nombre(); ++r) {
            const TDonneesEvt* d = liste->Donnee(r);
            if (!(type >= seuil || (d->Mot() & evt100)))
                continue;
            // A missed kick is kept in the scoring list but scored nothing.
            if (genre == 2 && (d->Mot() & evtHorsScore))
                continue;
            int id = d->IdEquipe();
            const TInfoComp* match = contre || masque ? c.MatchEquipe(m, id) : nullptr;
            if ((contre || masque) && !match)
                continue;
            if (masque && !(dansMasque(match->IdEquipe(0)) && dansMasque(match->IdEquipe(1))))
                continue;
            if (contre) {
                if (match->IdEquipe(0) == id)
                    id = match->IdEquipe(1);
                else if (match->IdEquipe(1) == id)
                    id = match->IdEquipe(0);
                else
                    continue;
            }
            const int s = c.IndexEquipe(id);
            if (s >= 0)
                ++Total(o + s, champ);
        }
    }
}

// ---------------------------------------------------------------------------
// Points

void TCalculClassement::TotauxGeneraux(int type)
{
    for (int i = 0; i < n_; ++i) {
        for (int f = 2; f <= 6; ++f) {
            const int dom = D(i, f - 1), ext = D(i, f + 4);
            Total(i, f) = Mot(type == 2 || type == 20 ? dom : type == 3 ? ext : dom + ext);
        }
        Total(i, 10) = Mot(type == 2 || type == 20 ? D(i, 11) : type == 3 ? D(i, 12) : D(i, 11) + D(i, 12));
    }
}

void TCalculClassement::Points(int type)
{
    const bool nuls = SportAvecNuls();
    for (int i = 0; i < n_; ++i) {
        const TDonneesChampionnat& c = *groupes_[static_cast<size_t>(groupeDe_[static_cast<size_t>(i)])];
        auto opt = [&c](int k) { return static_cast<int64_t>(static_cast<int16_t>(c.Option(k))); };
        const int64_t V = T(i, 2), N = T(i, 3), P = T(i, 4);
        int64_t points;
        if (type == 4)
            points = D(i, 1) * opt(21) + D(i, 2) * opt(22) + D(i, 3) * opt(23) + D(i, 6) * opt(24) +
                     D(i, 7) * opt(25) + D(i, 8) * opt(26);
        else if (type == 9)
            points = 2 * V + N;
        else if (nuls)
            points = V * opt(4) + N * opt(5) + P * opt(6) + T(i, 10) * int64_t{c.PointBonusBut};
        else
            points = V * opt(4) + P * opt(6) + T(i, 10) * int64_t{c.PointBonusBut};
        Total(i, 1) = Mot(points);
        Total(i, 7) = Mot(T(i, 5) - T(i, 6));
        if (!nuls)
            Total(i, 3) = Mot(V + P > 0 ? DivisionArrondie(V * 1000, V + P) : 0);
    }
}

void TCalculClassement::AjustementsPoints()
{
    for (int g = 0; g < NbGroupes(); ++g) {
        const TDonneesChampionnat& c = *groupes_[static_cast<size_t>(g)];
        const int o = decalages_[static_cast<size_t>(g)];
        for (const TPenalite* p : c.Penalites().ListeJournee(0)) {
            const int s = c.IndexEquipe(p->e1);
            if (s < 0)
                continue;
            const int valeur = static_cast<uint16_t>(p->s1);
            Total(o + s, 1) = Mot(Total(o + s, 1) + (p->Type == penalitePointsAjoutes ? valeur : -valeur));
        }
    }
}

void TCalculClassement::PointsPerdus()
{
    const bool nuls = SportAvecNuls();
    for (int i = 0; i < n_; ++i) {
        const TDonneesChampionnat& c = *groupes_[static_cast<size_t>(groupeDe_[static_cast<size_t>(i)])];
        const int64_t joues = nuls ? int64_t{T(i, 2)} + T(i, 3) + T(i, 4) : int64_t{T(i, 2)} + T(i, 4);
        const int64_t max = joues * PointsPossibles(c);
        Total(i, 2) = Mot(max);
        // the share dropped, rounded to the nearest
        Total(i, 6) = Mot(max > 0 ? DivisionArrondie((max - T(i, 1)) * 100, max) : 0);
    }
}
