#include "model/ChampionnatStat.h"

#include <algorithm>

#include "model/Championnat_Maintenance.h"
#include "model/Joueurs.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/SaisonFiches.h"
#include "model/oTraducteur.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"

TJoueurs* JoueursSaison(const TSaison* saison)
{
    auto* fiches = dynamic_cast<const TSaisonFiches*>(saison);
    return fiches ? &const_cast<TSaisonFiches*>(fiches)->Joueurs() : nullptr;
}

namespace {

uint16_t Borne16(long long v)
{
    return static_cast<uint16_t>(std::clamp<long long>(v, 0, 65535));
}

}   // namespace

// ---------------------------------------------------------------------------
// TStatTir

TStatTir::TStatTir(int sport, TJoueur* joueur, int32_t idJoueur)
    : sport_(sport), premier_(sport == sportStatHandball ? 21 : 5), joueur_(joueur), idJoueur_(idJoueur)
{
}

uint16_t TStatTir::Valeur(int code) const
{
    if (code < premier_ || code > DernierCode())
        return 0;
    return valeurs_[code - premier_];
}

void TStatTir::SetValeur(int code, int valeur)
{
    if (code < premier_ || code > DernierCode())
        return;
    valeurs_[code - premier_] = Borne16(valeur);
}

void TStatTir::Ajoute(int code, int valeur)
{
    SetValeur(code, static_cast<int>(Valeur(code)) + valeur);
}

// ---------------------------------------------------------------------------
// TListeStatTir

TStatTir* TListeStatTir::StatTir(int i) const
{
    if (i < 0 || i >= Nombre())
        return nullptr;
    return items_[static_cast<size_t>(i)].get();
}

TStatTir* TListeStatTir::ChercheJoueur(int32_t id) const
{
    for (const auto& s : items_)
        if (s->IdJoueur() == id)
            return s.get();
    return nullptr;
}

TStatTir& TListeStatTir::Entree(TJoueur* joueur, int32_t id)
{
    if (TStatTir* s = ChercheJoueur(id))
        return *s;
    // Named players by full name, namesakes by number; unknown players last.
    const std::string cle = joueur ? joueur->NomComplet() : std::string();
    size_t i = 0;
    for (; i < items_.size(); ++i) {
        const TStatTir& e = *items_[i];
        bool avant;
        if (!joueur) {
            avant = !e.Joueur() && id < e.IdJoueur();
        } else if (!e.Joueur()) {
            avant = true;
        } else {
            const int c = CompareNomPersonne(cle, cles_[i]);
            avant = c < 0 || (c == 0 && id < e.IdJoueur());
        }
        if (avant)
            break;
    }
    cles_.insert(cles_.begin() + static_cast<std::ptrdiff_t>(i), cle);
    const auto it = items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(i), std::make_unique<TStatTir>(sport_, joueur, id));
    return **it;
}

void TListeStatTir::Ajoute(int idEquipe, const TJoueurs* joueurs, bool inconnus, int code, const TDonneesEvt& d)
{
    // A player already entered needs no search of the season's players.
    if (TStatTir* s = ChercheJoueur(d.IdJoueur())) {
        s->Ajoute(code, d.Mot());
        return;
    }
    TJoueur* j = joueurs ? joueurs->ChercheJoueur(d.IdJoueur(), idEquipe) : nullptr;
    if (!j && !inconnus)
        return;
    Entree(j, d.IdJoueur()).Ajoute(code, d.Mot());
}

void TListeStatTir::Calcule(int idEquipe, const TSaison* saison, bool inconnus,
                            const TDonneesChampionnatStat& championnat, int n, int mode)
{
    items_.clear();
    cles_.clear();
    int premier = 21, dernier = 36;
    if (sport_ != sportStatHandball) {
        premier = mode == 1 ? 13 : 5;
        dernier = mode == 0 ? 12 : 20;
    }
    const TJoueurs* joueurs = JoueursSaison(saison);
    for (int code = premier; code <= dernier; ++code) {
        const TListeDonnees* l = championnat.ListeStat(n, code);
        if (!l)
            continue;
        for (int i = 0; i < l->Nombre(); ++i) {
            const TDonneesEvt* d = l->Donnee(i);
            if (d->IdEquipe() == idEquipe)
                Ajoute(idEquipe, joueurs, inconnus, code, *d);
        }
    }
}

void TListeStatTir::Calcule(int idEquipe, const TSaison* saison, bool inconnus, const std::vector<TRecord>& records)
{
    items_.clear();
    cles_.clear();
    const TJoueurs* joueurs = JoueursSaison(saison);
    for (const TRecord& r : records)
        Ajoute(idEquipe, joueurs, inconnus, r.code, *r.donnee);
}

// ---------------------------------------------------------------------------
// TDonneesChampionnatStat

TDonneesChampionnatStat::TDonneesChampionnatStat(TSaison* saison, uint8_t flags, uint8_t valeur,
                                                 const TParamsSport& params, int sport)
    : TDonneesChampionnat(saison, flags, valeur, params), sport_(sport)
{
    const bool basket = sport != sportStatHandball;
    premierCode_ = basket ? 5 : 21;
    dernierCode_ = basket ? 20 : 36;
    nbPeriodes_ = basket ? 6 : 4;
    premiereEval_ = basket ? 0 : 11;
    derniereEval_ = basket ? 13 : 25;
    std::fill(std::begin(statActive_), std::end(statActive_), uint8_t{1});
    evals_.assign(static_cast<size_t>(derniereEval_ - premiereEval_ + 1), 0);
}

void TDonneesChampionnatStat::ScoresEvenements(int, std::vector<int>&, std::string&, std::vector<uint8_t>&)
{
}

TListeDonnees* TDonneesChampionnatStat::ListeStat(int n, int code) const
{
    if (code < premierCode_ || code > dernierCode_)
        return nullptr;
    const TInfoCompJour* j = Journee(n);
    return j ? j->ListeStat(code, sport_) : nullptr;
}

void TDonneesChampionnatStat::SetListeStat(int n, int code, std::unique_ptr<TListeDonnees> liste)
{
    if (code < premierCode_ || code > dernierCode_)
        return;
    if (TInfoCompJour* j = Journee(n))
        j->SetListeStat(code, sport_, std::move(liste));
}

int32_t TDonneesChampionnatStat::ValeurEval(int i) const
{
    if (i < premiereEval_ || i > derniereEval_)
        return 0;
    return evals_[static_cast<size_t>(i - premiereEval_)];
}

void TDonneesChampionnatStat::SetValeurEval(int i, int32_t valeur)
{
    if (i >= premiereEval_ && i <= derniereEval_)
        evals_[static_cast<size_t>(i - premiereEval_)] = valeur;
}

uint8_t TDonneesChampionnatStat::StatActive(int k) const
{
    return k >= 1 && k <= NbStatActive ? statActive_[k - 1] : 0;
}

void TDonneesChampionnatStat::SetStatActive(int k, int valeur)
{
    if (k >= 1 && k <= NbStatActive)
        statActive_[k - 1] = static_cast<uint8_t>(valeur);
}

const TPonderation* TDonneesChampionnatStat::Ponderation(int i) const
{
    if (i < 0 || i >= NbPonderations())
        return nullptr;
    return &ponderations_[static_cast<size_t>(i)];
}

void TDonneesChampionnatStat::BonusOffensif(int n, int m, int, int, int32_t (&bonus)[2])
{
    BonusScoreAtteint(n, m, bonus);
}

void TDonneesChampionnatStat::SupprimeDonneesEquipe(int idEquipe, int n, bool compo)
{
    for (int code = premierCode_; code <= dernierCode_; ++code)
        if (TListeDonnees* l = ListeStat(n, code))
            l->SupprimeEquipes({idEquipe});
    TDonneesChampionnat::SupprimeDonneesEquipe(idEquipe, n, compo);
}

std::unique_ptr<TStringList> TDonneesChampionnatStat::VerifieJournee(int n, int& nbVerifies)
{
    auto rapport = std::make_unique<TStringList>();
    nbVerifies = 0;
    TSaison* saison = Saison();
    const bool basket = sport_ != sportStatHandball;
    const TInfoCompJour* j = Journee(n);
    if (!j)
        return rapport;
    for (int m = 1; m <= NbMatchJournee(n); ++m) {
        const int dom = ValeurMatch(n, 4 * m - 3), ext = ValeurMatch(n, 4 * m - 1);
        const int scores[2] = {ValeurMatch(n, 4 * m - 2), ValeurMatch(n, 4 * m)};
        if (dom == TInfoComp::ScoreVide || ext == TInfoComp::ScoreVide || scores[0] == TInfoComp::ScoreVide ||
            scores[1] == TInfoComp::ScoreVide)
            continue;
        const TPenalite* p = Penalites().Cherche(dom, ext, n);
        if (p && p->Type == etatForfait)
            continue;
        const TInfoComp* match = MatchEquipes(n, dom, ext);
        if (!match)
            continue;
        ++nbVerifies;
        auto nom = [&](int id) { return saison ? saison->NomEquipeComplet(id, this) : std::string(); };
        const std::string libelle = DeuxPoints(nom(dom) + " - " + nom(ext), "");
        if (!match->CompositionSaisie(dom) || !match->CompositionSaisie(ext))
            rapport->Add(libelle + Traduire(156));
        // A basketball match has a winner; only a leg of a tie won on
        // aggregate may end level (a match in another state is not a result).
        const TInfoTourCoupe* tour = EstCoupe() ? TourCoupe(n - 1) : nullptr;
        const bool jambeCumulee = tour && (tour->TypeMatch & 15) == 2;
        if (basket && scores[0] == scores[1] && !p && !jambeCumulee)
            rapport->Add(libelle + Traduire(4820));
        const int equipes[2] = {dom, ext};
        for (int cote = 0; cote < 2; ++cote) {
            TListeStatTir stats(sport_);
            stats.Calcule(equipes[cote], saison, true, *this, n, 2);
            long long total = 0;
            for (int i = 0; i < stats.Nombre(); ++i) {
                const TStatTir& s = *stats.StatTir(i);
                auto c = [&](int code) { return static_cast<long long>(s.Valeur(code)); };
                std::string joueur = s.Joueur() ? s.Joueur()->PrenomNom() : std::string(1, '#');
                if (!s.Joueur())
                    joueur.append(IntToStr(s.IdJoueur()));
                if (basket) {
                    if (c(11) + 2 * c(7) + 3 * c(9) != c(6))
                        rapport->Add(libelle + TraduireFormat(615, {joueur}));
                    if (c(11) > c(12) || c(7) > c(8) || c(9) > c(10))
                        rapport->Add(libelle + TraduireFormat(616, {joueur}));
                    total += c(6);
                } else {
                    if (c(21) > c(22) || c(23) > c(24) || c(25) > c(26) || c(27) > c(28))
                        rapport->Add(libelle + TraduireFormat(616, {joueur}));
                    total += c(21) + c(23);
                }
            }
            if (total != scores[cote])
                rapport->Add(libelle + TraduireFormat(617, {nom(equipes[cote])}));
        }
    }
    return rapport;
}

void TDonneesChampionnatStat::RemplaceJoueurs(const TPairesIds& paires)
{
    TDonneesChampionnat::RemplaceJoueurs(paires);
    for (const auto& [ancien, nouveau] : paires)
        for (int n = 1; n <= NbJour(); ++n)
            for (int code = premierCode_; code <= dernierCode_; ++code)
                if (TListeDonnees* l = ListeStat(n, code))
                    for (int i = 0; i < l->Nombre(); ++i)
                        if (l->Donnee(i)->IdJoueur() == ancien)
                            l->Donnee(i)->SetIdJoueur(nouveau);
}

void TDonneesChampionnatStat::CopieDonneesListe(const TDonneesChampionnat& source, const TListeDonnees& de,
                                                TListeDonnees& vers)
{
    CopieEnregistrements(*this, source, de, vers);
}

void TDonneesChampionnatStat::CopieMatchs(const TDonneesChampionnat& source, const TCorrespondanceStade& stades)
{
    CopieMatchsChampionnat(*this, source, stades);
    const auto* src = dynamic_cast<const TDonneesChampionnatStat*>(&source);
    if (!src || src->sport_ != sport_)
        return;
    evals_ = src->evals_;
    std::copy(std::begin(src->statActive_), std::end(src->statActive_), std::begin(statActive_));
    for (int n = 1; n <= src->NbJour(); ++n)
        for (int code = premierCode_; code <= dernierCode_; ++code) {
            const TListeDonnees* de = src->ListeStat(n, code);
            TListeDonnees* vers = ListeStat(n, code);
            if (de && vers)
                CopieDonneesListe(source, *de, *vers);
        }
}

void TDonneesChampionnatStat::SetSaisonListes(TSaison* saison)
{
    // The matchdays hand the season to their statistic lists as well.
    TDonneesChampionnat::SetSaisonListes(saison);
}

std::vector<TListeDonnees*> TDonneesChampionnatStat::ListesDonnees(int n)
{
    std::vector<TListeDonnees*> listes;
    if (!Journee(n))
        return listes;
    for (int code = premierCode_; code <= dernierCode_; ++code)
        listes.push_back(ListeStat(n, code));
    return listes;
}

// ---------------------------------------------------------------------------
// Basketball

TDonneesChampionnatBasket::TDonneesChampionnatBasket(TSaison* saison, uint8_t flags, uint8_t valeur)
    : TDonneesChampionnatStat(saison, flags, valeur, {0, 0, 5, 20}, sportStatBasket)
{
    static constexpr int32_t poids[14] = {2, -1, 3, -1, 1, -1, 1, 1, 0, 1, 0, 1, 1, -1};
    for (int i = 0; i < 14; ++i)
        SetValeurEval(i, poids[i]);
}

void TDonneesChampionnatBasket::OptionsParDefaut()
{
    const int v[8] = {20, 0, 0, -1, -2, 2, 1, 0};
    for (int i = 0; i < 8; ++i)
        SetOption(19 + i, v[i]);
}

void TDonneesChampionnatBasket::ParamsSport(int& nbTitulaire, int& nbRemp, int& prolongation, int& periode) const
{
    nbTitulaire = 0;
    nbRemp = 0;
    prolongation = 5;
    periode = 20;
}

std::unique_ptr<TListeResultat> TDonneesChampionnatBasket::ListeClassementJoueur(int n, int type)
{
    const TListeDonnees* l = type == 6 ? ListeStat(n, 6) : nullptr;
    if (!l)
        return nullptr;
    auto r = std::make_unique<TListeResultat>(nullptr, l);
    for (int i = 0; i < l->Nombre(); ++i)
        r->Ajoute(l->Donnee(i));
    return r;
}

double TDonneesChampionnatBasket::Evaluation(const TStatTir& stat) const
{
    auto c = [&](int code) { return static_cast<double>(stat.Valeur(code)); };
    auto w = [&](int i) { return static_cast<double>(ValeurEval(i)); };
    double pourcent = 100;
    for (int i = 0; i < NbPonderations(); ++i) {
        const TPonderation& p = *Ponderation(i);
        if (p.Min <= stat.Valeur(5) && p.Max >= stat.Valeur(5)) {
            pourcent = p.Ponderation;
            break;
        }
    }
    const double somme = w(0) * c(7) + w(1) * (c(8) - c(7)) + w(2) * c(9) + w(3) * (c(10) - c(9)) + w(4) * c(11) +
                         w(5) * (c(12) - c(11)) + w(6) * c(13) + w(7) * c(14) + w(11) * c(15) + w(8) * c(16) +
                         w(10) * c(17) + w(12) * c(18) + w(9) * c(19) + w(13) * c(20);
    return somme * pourcent / 100;
}

// ---------------------------------------------------------------------------
// Handball

TDonneesChampionnatHandball::TDonneesChampionnatHandball(TSaison* saison, uint8_t flags, uint8_t valeur)
    : TDonneesChampionnatStat(saison, flags, valeur, {0, 0, 10, 30}, sportStatHandball)
{
}

void TDonneesChampionnatHandball::OptionsParDefaut()
{
    const int v[8] = {10, 0, 0, -1, -2, 2, 1, 0};
    for (int i = 0; i < 8; ++i)
        SetOption(19 + i, v[i]);
}

void TDonneesChampionnatHandball::ParamsSport(int& nbTitulaire, int& nbRemp, int& prolongation,
                                              int& periode) const
{
    nbTitulaire = 0;
    nbRemp = 0;
    prolongation = 10;
    periode = 30;
}

namespace {

// Team name of y against x (case ignored), then value of y minus value of x.
int CompareRatio(const TListeDonnees* contexte, const TDonneesEvt* x, const TDonneesEvt* y)
{
    const TSaison* s = contexte ? contexte->Saison() : nullptr;
    if (s)
        if (int c = AnsiCompareText(s->NomEquipe(y->IdEquipe()), s->NomEquipe(x->IdEquipe())))
            return c;
    return static_cast<int>(y->Mot()) - static_cast<int>(x->Mot());
}

}   // namespace

std::unique_ptr<TListeResultat> TDonneesChampionnatHandball::ListeClassementJoueur(int n, int type)
{
    int premier = 0, second = 0;
    switch (type) {
    case 21: premier = 21; break;
    case 22: premier = 21; second = 22; break;
    case 25: premier = 25; second = 26; break;
    default: return nullptr;
    }
    const TListeDonnees* a = ListeStat(n, premier);
    if (!a)
        return nullptr;
    if (second == 0) {
        // A scorer's goals: those from play and those from 7-metre throws,
        // one record per player and team.
        auto r = std::make_unique<TListeResultat>(nullptr, a);
        std::vector<std::pair<std::pair<int32_t, int>, int64_t>> buts;
        for (const TListeDonnees* l : {a, static_cast<const TListeDonnees*>(ListeStat(n, 23))})
            for (int i = 0; l && i < l->Nombre(); ++i) {
                const TDonneesEvt* d = l->Donnee(i);
                const std::pair<int32_t, int> cle{d->IdJoueur(), d->IdEquipe()};
                auto it = std::find_if(buts.begin(), buts.end(), [&](const auto& x) { return x.first == cle; });
                if (it == buts.end())
                    buts.push_back({cle, d->Mot()});
                else
                    it->second += d->Mot();
            }
        for (const auto& [cle, v] : buts)
            r->AjoutePropre(TDonneesEvt::CreateId(cle.first, cle.second, Borne16(v)));
        return r;
    }
    const TListeDonnees* b = ListeStat(n, second);
    auto r = std::make_unique<TListeResultat>(CompareRatio, a);
    if (!b)
        return r;
    for (int i = 0; i < a->Nombre(); ++i) {
        const TDonneesEvt* d = a->Donnee(i);
        const TDonneesEvt* seul = nullptr;
        int nb = 0;
        for (int k = 0; k < b->Nombre(); ++k)
            if (b->Donnee(k)->IdJoueur() == d->IdJoueur()) {
                seul = b->Donnee(k);
                ++nb;
            }
        if (nb != 1 || seul->Mot() == 0)
            continue;
        const long long ratio = DivisionArrondie(static_cast<long long>(d->Mot()) * 10000, seul->Mot());
        r->AjoutePropre(TDonneesEvt::CreateId(d->IdJoueur(), d->IdEquipe(), Borne16(ratio)));
    }
    return r;
}

// A shooter's second weight counts his misses (attempts less goals); a
// goalkeeper's counts the goals let in (shots faced less saves).
double TDonneesChampionnatHandball::Evaluation(const TStatTir& stat) const
{
    auto c = [&](int code) { return static_cast<double>(stat.Valeur(code)); };
    auto w = [&](int i) { return static_cast<double>(ValeurEval(i)); };
    return w(14) * c(21) + w(15) * (c(22) - c(21)) + w(16) * c(23) + w(17) * (c(24) - c(23)) + w(11) * c(30) +
           w(12) * c(31) + w(13) * c(29) + w(18) * c(32) + w(19) * c(33) + w(20) * c(34) + w(21) * c(35) +
           w(22) * c(25) + w(23) * (c(26) - c(25)) + w(24) * c(27) + w(25) * (c(28) - c(27));
}
