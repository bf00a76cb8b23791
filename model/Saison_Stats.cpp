#include "model/Saison_Stats.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <unordered_map>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Joueurs.h"
#include "model/Personnels.h"
#include "model/Saison.h"

namespace {

constexpr uint16_t NonCompte = evtRouge | evtHorsScore;   // not a scoring record

void Ajoute(TPersonnelStat& p, uint32_t c, int type, long long v)
{
    if (v <= 0)
        return;
    p.SetStat(c, type, static_cast<int>(std::min<long long>(65535, p.Stat(c, type) + v)));
}

void AjouteAvertissements(TPersonnelStat& p, uint32_t c, long long v)
{
    if (v > 0)
        p.SetNbAvertissement(c, static_cast<int>(std::min<long long>(65535, p.NbAvertissement(c) + v)));
}

void AjouteExpulsions(TPersonnelStat& p, uint32_t c, long long v)
{
    if (v > 0)
        p.SetNbExpulsion(c, static_cast<int>(std::min<long long>(65535, p.NbExpulsion(c) + v)));
}

// Basketball and handball statistic codes of a sport.
void CodesSport(int sport, int& premier, int& dernier)
{
    premier = sport == 3 ? 21 : 5;
    dernier = premier + 15;
}

// One counting pass over the championships: every player (full pass), or one
// player of one team.
class TPasseJoueurs
{
public:
    TPasseJoueurs(const TSourceStats& source, TRapportStats* rapport) : source_(source), rapport_(rapport) {}

    // Counts for those players alone, on every record the full pass counts
    // for them: every club they played for, whichever team the record names;
    // or, with a team (0 to 65534), that team's records alone.
    void Seuls(std::span<TJoueur* const> joueurs, int equipe = -1)
    {
        equipe_ = equipe;
        seuls_.assign(joueurs.begin(), joueurs.end());
        std::sort(seuls_.begin(), seuls_.end());
        seuls_.erase(std::unique(seuls_.begin(), seuls_.end()), seuls_.end());
        for (TJoueur* p : seuls_)
            if (p)
                numeros_.push_back(p->Numero);
        std::sort(numeros_.begin(), numeros_.end());
        filtre_ = true;
    }

    // Counts over matchdays premiere..derniere only, into the sums alone:
    // nothing is added to the players' statistics.
    void Tranche(int premiere, int derniere)
    {
        tranche_ = true;
        premiere_ = premiere;
        derniere_ = derniere;
    }

    void Compte()
    {
        for (TDonneesChampionnat* c : source_.Championnats) {
            if (!c || (equipe_ >= 0 && c->IndexEquipe(equipe_) < 0))
                continue;
            int fin = DerniereJourneeJouee(*c), debut = 1;
            if (tranche_ && premiere_ > 0) {
                debut = premiere_;
                fin = std::min(fin, derniere_);
            }
            for (int n = fin; n >= debut; --n)
                Journee(*c, n);
            if (!tranche_)
                Verse(static_cast<uint32_t>(c->CodeChamp));
        }
    }

    // The sums of a range, player by player.
    std::vector<TCompteTranche> Sommes() const
    {
        std::vector<TCompteTranche> r;
        r.reserve(cumuls_.size());
        for (const TCumul& c : cumuls_) {
            TCompteTranche t;
            t.Joueur = c.joueur;
            t.Valeurs = c.valeurs;
            r.push_back(t);
        }
        return r;
    }

private:
    // The statistics of a championship are summed here while its matchdays
    // are counted, then added to each player's store once (the store keeps a
    // list per championship: looking it up on every record is what costs).
    // Every addition is positive, so adding the sum, capped, gives what the
    // capped additions one by one give (and the sum may be capped as it grows).
    struct TCumul
    {
        TJoueur* joueur = nullptr;
        std::array<uint32_t, TListeStat::TypeMax + 1> valeurs{};
        bool touche = false;
    };

    // A player found for a number and team, with his sums once he has some.
    struct TTrouve
    {
        TJoueur* joueur = nullptr;
        size_t cumul = SIZE_MAX;
    };

    void Cumule(TTrouve& t, int type, long long v)
    {
        if (v <= 0 || type < 0 || type > TListeStat::TypeMax)
            return;
        if (t.cumul == SIZE_MAX) {
            // One player may be found under several numbers or teams.
            auto [it, nouveau] = cumulIndex_.try_emplace(t.joueur, cumuls_.size());
            if (nouveau) {
                cumuls_.emplace_back();
                cumuls_.back().joueur = t.joueur;
            }
            t.cumul = it->second;
        }
        TCumul& c = cumuls_[t.cumul];
        if (!c.touche) {
            c.touche = true;
            touches_.push_back(t.cumul);
        }
        uint32_t& somme = c.valeurs[static_cast<size_t>(type)];
        somme = static_cast<uint32_t>(std::min<long long>(65535, somme + v));
    }

    // Adds the sums of the championship just counted, in the order the players
    // were first met (the order their stores would have created its list in).
    void Verse(uint32_t code)
    {
        for (const size_t i : touches_) {
            TCumul& c = cumuls_[i];
            for (size_t t = 0; t < c.valeurs.size(); ++t)
                if (c.valeurs[t] > 0) {
                    Ajoute(*c.joueur, code, static_cast<int>(t), c.valeurs[t]);
                    c.valeurs[t] = 0;
                }
            c.touche = false;
        }
        touches_.clear();
    }

    // The player a record or line-up entry counts for; nullptr when it counts
    // for nobody in this pass (an unknown player is reported).
    TTrouve* Trouve(int32_t id, int equipe, const TDonneesChampionnat& c, int n, int type)
    {
        if (JoueurNonDesigne(id) || (filtre_ && !std::binary_search(numeros_.begin(), numeros_.end(), id)) ||
            (equipe_ >= 0 && equipe != equipe_))
            return nullptr;
        // Each player is met on every record of his: the look-up is made once
        // per number and team in a pass (the players do not change meanwhile).
        // Numbers are small: the first team met under a number is found by
        // its index, any other through the map.
        TTrouve* t = nullptr;
        if (id >= 0 && id < (1 << 20)) {
            if (static_cast<size_t>(id) >= parNumero_.size())
                parNumero_.resize(static_cast<size_t>(id) + 1, 0);
            uint32_t& k = parNumero_[static_cast<size_t>(id)];
            if (k == 0) {
                directs_.push_back({equipe, {source_.Joueurs ? source_.Joueurs->ChercheJoueur(id, equipe) : nullptr}});
                k = static_cast<uint32_t>(directs_.size());
            }
            if (directs_[k - 1].first == equipe)
                t = &directs_[k - 1].second;
        }
        if (!t) {
            const uint64_t cle = static_cast<uint64_t>(static_cast<uint32_t>(id)) << 32 | static_cast<uint32_t>(equipe);
            auto [it, nouveau] = trouves_.try_emplace(cle);
            if (nouveau)
                it->second.joueur = source_.Joueurs ? source_.Joueurs->ChercheJoueur(id, equipe) : nullptr;
            t = &it->second;
        }
        if (!t->joueur) {
            if (rapport_)
                rapport_->Orphelins.push_back({c.CodeChamp, n, type, id, equipe});
            return nullptr;
        }
        if (filtre_ && !std::binary_search(seuls_.begin(), seuls_.end(), t->joueur))
            return nullptr;
        // Valid until the next look-up.
        return t;
    }

    TJoueur* Joueur(int32_t id, int equipe, const TDonneesChampionnat& c, int n, int type)
    {
        TTrouve* t = Trouve(id, equipe, c, n, type);
        return t ? t->joueur : nullptr;
    }

    // Scoring records (without 0x80 and 0x800) as one of the kind.
    void CompteButs(const TDonneesChampionnat& c, int n, int typeDonnee, int typeStat)
    {
        const TInfoCompJour* j = c.Journee(n);
        const TListeDonnees* l = j ? j->Liste(typeDonnee) : nullptr;
        if (!l)
            return;
        for (int i = 0; i < l->Nombre(); ++i) {
            const TDonneesEvt& d = *l->Donnee(i);
            if (d.Mot() & NonCompte)
                continue;
            if (TTrouve* p = Trouve(d.IdJoueur(), d.IdEquipe(), c, n, typeDonnee))
                Cumule(*p, typeStat, 1);
        }
    }

    void Journee(TDonneesChampionnat& c, int n)
    {
        const TInfoCompJour* j = c.Journee(n);
        if (!j)
            return;
        const uint32_t code = static_cast<uint32_t>(c.CodeChamp);

        CompteButs(c, n, 2, 1);

        if (const TListeDonnees* l = tranche_ ? nullptr : j->Liste(3))
            for (int i = 0; i < l->Nombre(); ++i) {
                const TDonneesEvt& d = *l->Donnee(i);
                if (TJoueur* p = Joueur(d.IdJoueur(), d.IdEquipe(), c, n, 3)) {
                    if (d.Mot() & evtRouge)
                        AjouteExpulsions(*p, code, 1);
                    else
                        AjouteAvertissements(*p, code, 1);
                }
            }

        for (int pos = 0; pos < c.NbEquipe(); ++pos) {
            const int id = c.IdEquipe(pos);
            if (equipe_ >= 0 && id != equipe_)
                continue;
            const TInfoComp* m = c.MatchEquipe(n, id);
            if (!m)
                continue;
            for (int s = 1; s <= m->NbTitulaire(); ++s)
                if (const int32_t pid = m->JoueurTitulaire(id, s))
                    if (TTrouve* p = Trouve(pid, id, c, n, 0))
                        Cumule(*p, 0, 1);
            for (int r = 1; r <= m->NbRemp(); ++r)
                if (const int32_t pid = m->JoueurEntre(id, r))
                    if (TTrouve* p = Trouve(pid, id, c, n, 0))
                        Cumule(*p, 0, 1);
        }

        switch (source_.Sport) {
        case 0:
            if (const TListeDonnees* l = tranche_ ? nullptr : j->Liste(4))
                for (int i = 0; i < l->Nombre(); ++i) {
                    const TDonneesEvt& d = *l->Donnee(i);
                    if (auto* p = dynamic_cast<TJoueurFootball*>(Joueur(d.IdJoueur(), d.IdEquipe(), c, n, 4)))
                        p->SetNbPasse(code, std::min(65535, p->NbPasse(code) + 1));
                }
            break;
        case 1:
            CompteButs(c, n, 6, 2);
            CompteButs(c, n, 5, 3);
            CompteButs(c, n, 7, 4);
            break;
        case 2:
        case 3: {
            int premier, dernier;
            CodesSport(source_.Sport, premier, dernier);
            // handball keeps the matches played in a code of their own; in
            // basketball a player with any statistic typed has played
            const bool basket = source_.Sport == 2;
            joues_.clear();
            for (int s = premier; s <= dernier; ++s) {
                const TListeDonnees* l = j->ListeStat(s, source_.Sport);
                if (!l)
                    continue;
                for (int i = 0; i < l->Nombre(); ++i) {
                    const TDonneesEvt& d = *l->Donnee(i);
                    if (TTrouve* p = Trouve(d.IdJoueur(), d.IdEquipe(), c, n, s)) {
                        Cumule(*p, s, d.Mot());
                        if (d.Mot() < 1 || (!basket && s != 36))
                            continue;
                        if (basket && std::find(joues_.begin(), joues_.end(), p->joueur) != joues_.end())
                            continue;
                        joues_.push_back(p->joueur);
                        Cumule(*p, 0, 1);
                    }
                }
            }
            break;
        }
        default: break;
        }
    }

    const TSourceStats& source_;
    std::unordered_map<uint64_t, TTrouve> trouves_;
    std::vector<uint32_t> parNumero_;   // number -> 1 + index in directs_, 0 none yet
    std::vector<std::pair<int, TTrouve>> directs_;   // team, player
    std::unordered_map<TJoueur*, size_t> cumulIndex_;
    std::vector<TCumul> cumuls_;
    std::vector<size_t> touches_;   // the sums of the current championship, in order
    TRapportStats* rapport_;
    std::vector<TJoueur*> joues_;   // the players of the matchday credited a match (basketball)
    std::vector<TJoueur*> seuls_;   // sorted
    std::vector<int32_t> numeros_;   // theirs, sorted: no other number names them
    bool filtre_ = false;
    int equipe_ = -1;
    bool tranche_ = false;
    int premiere_ = 0, derniere_ = 0;
};

}   // namespace

int DerniereJourneeJouee(const TDonneesChampionnat& c)
{
    return c.CalculeDerniereJournee();
}

TRapportStats CalculeStatJoueurs(const TSourceStats& source)
{
    TRapportStats rapport;
    if (source.Joueurs)
        source.Joueurs->RazStats(true);
    TPasseJoueurs(source, &rapport).Compte();
    return rapport;
}

void CalculeStatJoueurs(const TSourceStats& source, std::span<TJoueur* const> joueurs)
{
    if (joueurs.empty())
        return;
    for (TJoueur* p : joueurs)
        if (p)
            p->RazStats(true);
    TPasseJoueurs passe(source, nullptr);
    passe.Seuls(joueurs);
    passe.Compte();
}

void CompteStatJoueurEquipe(const TSourceStats& source, TJoueur& joueur, int equipe)
{
    joueur.RazStats(true);
    if (equipe < 0 || equipe >= TPersonnel::Aucun)
        return;
    TJoueur* p = &joueur;
    TPasseJoueurs passe(source, nullptr);
    passe.Seuls(std::span<TJoueur* const>(&p, 1), equipe);
    passe.Compte();
}

void CalculeStatJoueur(const TSourceStats& source, int32_t idJoueur, int idEquipe)
{
    TJoueur* p = source.Joueurs ? source.Joueurs->ChercheJoueur(idJoueur, idEquipe) : nullptr;
    if (p)
        CalculeStatJoueurs(source, std::span<TJoueur* const>(&p, 1));
}

std::vector<TCompteTranche> CompteTranche(const TSourceStats& source, int premiere, int derniere)
{
    TPasseJoueurs passe(source, nullptr);
    passe.Tranche(premiere, derniere);
    passe.Compte();
    return passe.Sommes();
}

void CompteStatSport(const TSourceStats& source)
{
    if (!source.Arbitres)
        return;
    source.Arbitres->RazStats(true);
    using TCompteurs = std::array<long long, 3>;
    for (TDonneesChampionnat* c : source.Championnats) {
        if (!c)
            continue;
        const uint32_t code = static_cast<uint32_t>(c->CodeChamp);
        for (int n = DerniereJourneeJouee(*c); n >= 1; --n) {
            const TInfoCompJour* j = c->Journee(n);
            if (!j)
                continue;
            std::vector<TCompteurs> cpt(static_cast<size_t>(c->NbEquipe()), TCompteurs{});
            auto parcourt = [&](const TListeDonnees* l, auto&& f) {
                if (!l)
                    return;
                for (int i = 0; i < l->Nombre(); ++i) {
                    const TDonneesEvt& d = *l->Donnee(i);
                    const int p = c->IndexEquipe(d.IdEquipe());
                    if (p >= 0)
                        f(cpt[static_cast<size_t>(p)], d.Mot());
                }
            };
            switch (source.Sport) {
            case 2:
                parcourt(j->ListeStat(16, 2), [](TCompteurs& t, uint16_t v) {
                    t[0] += v;
                    if (v >= 5)
                        ++t[1];
                });
                break;
            case 3:
                parcourt(j->ListeStat(24, 3), [](TCompteurs& t, uint16_t v) { t[0] += v; });
                parcourt(j->ListeStat(33, 3), [](TCompteurs& t, uint16_t v) { t[1] += v; });
                parcourt(j->ListeStat(34, 3), [](TCompteurs& t, uint16_t v) { t[2] += v; });
                break;
            case 1:
                // Rugby's penalty kicks at goal: the penalty goals and the
                // missed kicks kept in the scoring list.
                parcourt(j->Liste(5), [](TCompteurs& t, uint16_t) { ++t[0]; });
                parcourt(j->Liste(2), [](TCompteurs& t, uint16_t v) {
                    if (v & evtHorsScore)
                        ++t[0];
                });
                parcourt(j->Liste(3), [](TCompteurs& t, uint16_t v) { ++t[(v & evtRouge) ? 2 : 1]; });
                break;
            default:
                parcourt(j->Liste(2), [](TCompteurs& t, uint16_t v) {
                    if (v & (evt100 | evtHorsScore))
                        ++t[0];
                });
                parcourt(j->Liste(3), [](TCompteurs& t, uint16_t v) { ++t[(v & evtRouge) ? 2 : 1]; });
                break;
            }
            for (int i = 0; i < j->NbMatchs(); ++i) {
                const TInfoComp& m = *j->Match(i);
                TCompteurs somme{};
                for (int cote = 0; cote < 2; ++cote) {
                    const int p = c->IndexEquipe(m.IdEquipe(cote));
                    if (p >= 0)
                        for (int k = 0; k < 3; ++k)
                            somme[static_cast<size_t>(k)] += cpt[static_cast<size_t>(p)][static_cast<size_t>(k)];
                }
                for (int k = 1; k <= 3; ++k) {
                    const int32_t id = m.Officiel(k);
                    auto* a = id > 0 ? dynamic_cast<TPersonnelStat*>(source.Arbitres->ChercheNumero(id)) : nullptr;
                    if (!a)
                        continue;
                    Ajoute(*a, code, 0, 1);
                    switch (source.Sport) {
                    case 2:
                        AjouteAvertissements(*a, code, somme[0]);
                        AjouteExpulsions(*a, code, somme[1]);
                        break;
                    case 3:
                        Ajoute(*a, code, 24, somme[0]);
                        Ajoute(*a, code, 33, somme[1]);
                        Ajoute(*a, code, 34, somme[2]);
                        break;
                    default:
                        Ajoute(*a, code, 1, somme[0]);
                        AjouteAvertissements(*a, code, somme[1]);
                        AjouteExpulsions(*a, code, somme[2]);
                        break;
                    }
                }
            }
        }
    }
}

int SupprimeOrphelins(const TSourceStats& source)
{
    if (!source.Joueurs)
        return 0;
    auto inconnu = [&](int32_t id, int equipe) {
        return !JoueurNonDesigne(id) && !source.Joueurs->ChercheJoueur(id, equipe);
    };
    auto nettoie = [&](TListeDonnees* l) {
        int nb = 0;
        if (!l)
            return nb;
        for (int i = l->Nombre() - 1; i >= 0; --i)
            if (inconnu(l->Donnee(i)->IdJoueur(), l->Donnee(i)->IdEquipe())) {
                l->Retire(i);
                ++nb;
            }
        return nb;
    };
    int nb = 0;
    for (TDonneesChampionnat* c : source.Championnats) {
        if (!c)
            continue;
        for (int n = 1; n <= c->NbJour(); ++n) {
            const TInfoCompJour* j = c->Journee(n);
            if (!j)
                continue;
            for (int t = 2; t <= 7; ++t)
                nb += nettoie(j->Liste(t));
            for (int s = 5; s <= 36; ++s)
                nb += nettoie(j->ListeStat(s, s <= 20 ? 2 : 3));
            for (int i = 0; i < j->NbMatchs(); ++i) {
                TInfoComp& m = *j->Match(i);
                for (int cote = 0; cote < 2; ++cote) {
                    const int id = m.IdEquipe(cote);
                    if (cote == 1 && m.IdEquipe(0) == id)
                        continue;
                    for (int s = 1; s <= m.NbTitulaire(); ++s)
                        if (inconnu(m.JoueurTitulaire(id, s), id)) {
                            m.SetJoueurTitulaire(id, s, 0);
                            ++nb;
                        }
                    for (int r = 1; r <= m.NbRemp(); ++r)
                        if (inconnu(m.ValeurRemplacement(id, r, 3), id)) {
                            m.SetValeurRemplacement(id, r, 0, 3);
                            ++nb;
                        }
                }
            }
        }
    }
    return nb;
}

TSourceStats SourceStats(TSaison& saison)
{
    TSourceStats s;
    s.Sport = saison.Sport();
    s.Championnats = saison.Arbre().ListeChampionnats();
    s.Joueurs = &saison.Joueurs();
    s.Arbitres = &saison.Arbitres();
    return s;
}

TRapportStats CalculeStatJoueursSaison(TSaison& saison)
{
    if (saison.StatsCalculees())
        return {};
    TRapportStats r = CalculeStatJoueurs(SourceStats(saison));
    saison.SetStatsCalculees(true);
    return r;
}

TRapportStats TSaison::CalculeStatJoueurs()
{
    return CalculeStatJoueursSaison(*this);
}

void TSaison::CalculeStatJoueur(int32_t idJoueur, int idEquipe)
{
    ::CalculeStatJoueur(SourceStats(*this), idJoueur, idEquipe);
}

void TSaison::CompteStatSport()
{
    ::CompteStatSport(SourceStats(*this));
}
