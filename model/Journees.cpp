#include "model/Journees.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/Utilities.h"

// ---------------------------------------------------------------------------
// TInfoCompJour

TInfoCompJour::TInfoCompJour(std::span<const uint8_t> types, TSaison* saison)
{
    for (uint8_t t : types) {
        if (t == 0 || t == 1) {
            const int premier = t == 0 ? 5 : 21;
            for (int code = premier; code < premier + 16; ++code)
                stats_[code] = std::make_unique<TListeDonnees>(saison);
        } else if (t <= 7) {
            listes_[t] = std::make_unique<TListeDonnees>(saison);
        }
    }
}

TInfoCompJour::~TInfoCompJour() = default;

void TInfoCompJour::Vide(bool listes)
{
    matchs_.clear();
    if (listes) {
        for (auto& l : listes_)
            if (l)
                l->Vide();
        for (auto& l : stats_)
            if (l)
                l->Vide();
    }
    penalties_.clear();
}

TListeDonnees* TInfoCompJour::Liste(int type) const
{
    return type >= 2 && type <= 7 ? listes_[type].get() : nullptr;
}

void TInfoCompJour::SetListeStat(int code, int sport, std::unique_ptr<TListeDonnees> liste)
{
    if ((sport != 2 && sport != 3) || code < 5 || code > 36)
        return;
    if (liste.get() == stats_[code].get()) {
        (void)liste.release();   // already ours
        return;
    }
    stats_[code] = std::move(liste);
}

void TInfoCompJour::SetSaisonListes(TSaison* saison)
{
    for (auto& l : listes_)
        if (l)
            l->SetSaison(saison);
    for (auto& l : stats_)
        if (l)
            l->SetSaison(saison);
}

TInfoComp* TInfoCompJour::Match(int i) const
{
    if (i < 0 || i >= NbMatchs())
        return nullptr;
    return matchs_[static_cast<size_t>(i)].get();
}

TInfoComp* TInfoCompJour::MatchEquipes(int domicile, int exterieur) const
{
    return Match(IndexMatch(domicile, exterieur));
}

int TInfoCompJour::IndexMatch(int domicile, int exterieur) const
{
    for (int i = 0; i < NbMatchs(); ++i)
        if (matchs_[i]->IdEquipe(0) == domicile && matchs_[i]->IdEquipe(1) == exterieur)
            return i;
    return -1;
}

int TInfoCompJour::IndexMatchEquipe(int id) const
{
    for (int i = 0; i < NbMatchs(); ++i)
        if (matchs_[i]->IdEquipe(0) == id || matchs_[i]->IdEquipe(1) == id)
            return i;
    return -1;
}

int TInfoCompJour::IndexObjetMatch(const TInfoComp* match) const
{
    for (int i = 0; i < NbMatchs(); ++i)
        if (matchs_[i].get() == match)
            return i;
    return -1;
}

int TInfoCompJour::AjouteMatch(std::unique_ptr<TInfoComp> match, int32_t cle)
{
    if (!match)
        return -1;
    if (cle == -1) {
        matchs_.push_back(std::move(match));
        return NbMatchs() - 1;
    }
    match->SetCleOrdre(cle);
    auto it = std::find_if(matchs_.begin(), matchs_.end(), [cle](const auto& m) { return m->CleOrdre() >= cle; });
    it = matchs_.insert(it, std::move(match));
    return static_cast<int>(it - matchs_.begin());
}

std::unique_ptr<TInfoComp> TInfoCompJour::SupprimeMatch(int i)
{
    if (i < 0 || i >= NbMatchs())
        return nullptr;
    auto m = std::move(matchs_[static_cast<size_t>(i)]);
    matchs_.erase(matchs_.begin() + i);
    return m;
}

void TInfoCompJour::DeplaceMatch(int i, int j)
{
    if (i < 0 || i >= NbMatchs() || j < 0 || j >= NbMatchs() || i == j)
        return;
    auto m = std::move(matchs_[static_cast<size_t>(i)]);
    matchs_.erase(matchs_.begin() + i);
    matchs_.insert(matchs_.begin() + j, std::move(m));
}

const TPenaltyTab* TInfoCompJour::PenaltyIndex(int i) const
{
    if (i < 0 || i >= NbPenalty())
        return nullptr;
    return &penalties_[static_cast<size_t>(i)];
}

void TInfoCompJour::AjoutePenalty(int domicile, int exterieur, int s1, int s2)
{
    penalties_.push_back({static_cast<uint16_t>(domicile), static_cast<uint16_t>(exterieur),
                          static_cast<uint8_t>(s1), static_cast<uint8_t>(s2)});
}

const TPenaltyTab* TInfoCompJour::Penalty(int domicile, int exterieur) const
{
    for (const auto& p : penalties_)
        if (p.e1 == domicile && p.e2 == exterieur)
            return &p;
    return nullptr;
}

void TInfoCompJour::SupprimePenalty(int domicile, int exterieur)
{
    std::erase_if(penalties_, [&](const TPenaltyTab& p) { return p.e1 == domicile && p.e2 == exterieur; });
}

// ---------------------------------------------------------------------------
// TJournees

TJournees::TJournees(TDonneesChampionnat* championnat, int nbTitulaire, int nbRemp)
    : championnat_(championnat), nbTitulaire_(nbTitulaire), nbRemp_(nbRemp)
{
}

TJournees::~TJournees()
{
    // Freed without emptying the lists one by one: that would flag the
    // statistics of a season that may already be going away.
    parDate_.clear();
    parNumero_.clear();
}

void TJournees::Vide(bool listes)
{
    parDate_.clear();
    for (auto& j : parNumero_)
        j->Vide(listes);
    parNumero_.clear();
}

TInfoCompJour* TJournees::Journee(int n) const
{
    if (n < 1 || n > Nombre())
        return nullptr;
    return parNumero_[static_cast<size_t>(n - 1)].get();
}

TInfoCompJour* TJournees::JourneeParDate(int i) const
{
    if (i < 0 || i >= static_cast<int>(parDate_.size()))
        return nullptr;
    return parDate_[static_cast<size_t>(i)];
}

uint32_t TJournees::DateJournee(int n) const
{
    const TInfoCompJour* j = Journee(n);
    return j ? j->Date() : 0;
}

void TJournees::InsereParDate(TInfoCompJour* j)
{
    const uint32_t d = j->Date();
    auto it = std::find_if(parDate_.begin(), parDate_.end(),
                           [d](const TInfoCompJour* x) { return TGestionDate::CompareDates(d, x->Date()) >= 0; });
    parDate_.insert(it, j);
}

void TJournees::RetireParDate(TInfoCompJour* j)
{
    std::erase(parDate_, j);
}

void TJournees::SetDateJournee(int n, uint32_t d)
{
    if (n > Nombre()) {
        CreeJournee(n, d);
        return;
    }
    TInfoCompJour* j = Journee(n);
    if (!j)
        return;
    RetireParDate(j);
    j->SetDate(d);
    InsereParDate(j);
}

TInfoCompJour* TJournees::ChercheDate(uint32_t d) const
{
    const int i = IndexDate(d);
    TInfoCompJour* j = JourneeParDate(i);
    return j && j->Date() == d ? j : nullptr;
}

int TJournees::IndexDate(uint32_t d) const
{
    for (size_t i = 0; i < parDate_.size(); ++i)
        if (parDate_[i]->Date() == d)
            return static_cast<int>(i);
    return 0;
}

int TJournees::PremiereJourneeDatee() const
{
    for (size_t i = 0; i < parDate_.size(); ++i)
        if (TGestionDate::Jour(parDate_[i]->Date()) != 0)
            return static_cast<int>(i);
    return 0;
}

int TJournees::NumeroJourneeDate(uint32_t d) const
{
    for (int n = 1; n <= Nombre(); ++n)
        if (parNumero_[static_cast<size_t>(n - 1)]->Date() == d)
            return n;
    return -1;
}

int TJournees::NumeroJournee(int i) const
{
    const TInfoCompJour* j = JourneeParDate(i);
    return j ? NumeroJourneeDate(j->Date()) : 1;
}

int TJournees::PlaceJournee(int n) const
{
    const TInfoCompJour* j = Journee(n);
    const auto it = std::find(parDate_.begin(), parDate_.end(), j);
    return j && it != parDate_.end() ? static_cast<int>(it - parDate_.begin()) : -1;
}

int TJournees::NumeroPlace(int i) const
{
    const TInfoCompJour* j = JourneeParDate(i);
    for (size_t n = 0; j && n < parNumero_.size(); ++n)
        if (parNumero_[n].get() == j)
            return static_cast<int>(n) + 1;
    return 0;
}

std::unique_ptr<TInfoCompJour> TJournees::NouvelleJournee() const
{
    std::vector<uint8_t> types;
    TSaison* saison = nullptr;
    if (championnat_) {
        types = championnat_->TypesDonnees();
        saison = championnat_->Saison();
    }
    return std::make_unique<TInfoCompJour>(types, saison);
}

void TJournees::VerifieNbJour()
{
    if (championnat_ && championnat_->NbJour() < Nombre())
        championnat_->SetNbJournees(Nombre());
}

TInfoCompJour* TJournees::CreeJournee(int& n, uint32_t d)
{
    if (n >= 1 && n <= MaxJournees) {
        while (Nombre() < n) {
            auto j = NouvelleJournee();
            if (Nombre() + 1 == n)
                j->SetDate(d);
            InsereParDate(j.get());
            parNumero_.push_back(std::move(j));
        }
        VerifieNbJour();
        return Journee(n);
    }
    if (n == -1 && Nombre() < MaxJournees) {
        auto j = NouvelleJournee();
        j->SetDate(d);
        auto it = std::find_if(parNumero_.begin(), parNumero_.end(),
                               [d](const auto& x) { return TGestionDate::CompareDates(d, x->Date()) > 0; });
        InsereParDate(j.get());
        it = parNumero_.insert(it, std::move(j));
        n = static_cast<int>(it - parNumero_.begin()) + 1;
        // The matchdays from n on move up one number, their match states with them.
        std::vector<int> nouveaux(parNumero_.size());
        for (size_t k = 1; k < nouveaux.size(); ++k)
            nouveaux[k] = static_cast<int>(k) < n ? static_cast<int>(k) : static_cast<int>(k) + 1;
        RenumeroteEtats(nouveaux);
        VerifieNbJour();
        return it->get();
    }
    return nullptr;
}

void TJournees::TronqueJournees(int n)
{
    while (Nombre() > std::max(n, 0)) {
        TInfoCompJour* j = parNumero_.back().get();
        RetireParDate(j);
        parNumero_.pop_back();
    }
}

bool TJournees::SupprimeJournee(int n)
{
    return n >= 1 && n < Nombre() && Retire(n);
}

bool TJournees::SupprimeJourneeVide(int n, bool derniere)
{
    const TInfoCompJour* j = Journee(n);
    const int avant = Nombre();
    if (!j || j->NbMatchs() != 0 || (!derniere && n >= avant) || !Retire(n))
        return false;
    if (championnat_ && championnat_->NbJour() >= avant)
        championnat_->SetNbJournees(championnat_->NbJour() - 1);
    return true;
}

bool TJournees::Retire(int n)
{
    TInfoCompJour* j = Journee(n);
    if (!j)
        return false;
    RetireParDate(j);
    // Its match states go; those of the following matchdays move down one number.
    std::vector<int> nouveaux(parNumero_.size() + 1);
    for (int k = 1; k <= Nombre(); ++k)
        nouveaux[static_cast<size_t>(k)] = k < n ? k : k == n ? 0 : k - 1;
    parNumero_.erase(parNumero_.begin() + (n - 1));
    RenumeroteEtats(nouveaux);
    return true;
}

void TJournees::RenumeroteEtats(const std::vector<int>& nouveaux)
{
    if (championnat_)
        championnat_->Penalites().RenumeroteJournees(nouveaux);
}

void TJournees::TrieParDate()
{
    if (parDate_.size() != parNumero_.size())
        return;
    // Matchdays of one date (or none) keep their order: the date order puts
    // the one entered last first, and a file read again would turn them round.
    std::vector<TInfoCompJour*> parDate;
    for (const auto& j : parNumero_)
        if (j)
            parDate.push_back(j.get());
    if (parDate.size() != parDate_.size())
        return;
    // The matchday shown stays the one shown, under its new number.
    const TInfoCompJour* courante = championnat_ ? Journee(championnat_->NbJournee) : nullptr;
    std::stable_sort(parDate.begin(), parDate.end(), [](const TInfoCompJour* a, const TInfoCompJour* b) {
        return TGestionDate::CompareDates(a->Date(), b->Date()) > 0;
    });
    parDate_ = parDate;
    std::vector<std::unique_ptr<TInfoCompJour>> ordre;
    std::vector<int> nouveaux(parNumero_.size() + 1);
    for (TInfoCompJour* j : parDate) {
        auto it = std::find_if(parNumero_.begin(), parNumero_.end(), [j](const auto& x) { return x && x.get() == j; });
        nouveaux[static_cast<size_t>(it - parNumero_.begin()) + 1] = static_cast<int>(ordre.size()) + 1;
        ordre.push_back(std::move(*it));
    }
    parNumero_ = std::move(ordre);
    RenumeroteEtats(nouveaux);
    int n = 1;
    while (n < Nombre()) {
        if (Journee(n)->NbMatchs() == 0)
            SupprimeJournee(n);
        else
            ++n;
    }
    if (!championnat_)
        return;
    // Gone with the empty matchdays: the last one there is, at most.
    int numero = std::min(static_cast<int>(championnat_->NbJournee), Nombre());
    for (int k = 1; courante && k <= Nombre(); ++k)
        if (Journee(k) == courante)
            numero = k;
    championnat_->NbJournee = static_cast<uint8_t>(std::max(numero, 0));
}

TInfoComp* TJournees::MatchEquipes(int n, int domicile, int exterieur, int32_t cle, bool cree, uint32_t date)
{
    if (cree && n > Nombre())
        CreeJournee(n, date);
    TInfoCompJour* j = Journee(n);
    if (!j)
        return nullptr;
    if (TInfoComp* m = j->MatchEquipes(domicile, exterieur))
        return m;
    if (!cree)
        return nullptr;
    return NouveauMatch(n, domicile, exterieur, cle, date);
}

TInfoComp* TJournees::NouveauMatch(int n, int domicile, int exterieur, int32_t cle, uint32_t date)
{
    auto m = std::make_unique<TInfoComp>(domicile, exterieur, nbTitulaire_, nbRemp_);
    m->SetDateMatch(date);
    return AjouteMatch(n, std::move(m), date, cle);
}

TInfoComp* TJournees::AjouteMatch(int n, std::unique_ptr<TInfoComp> match, uint32_t date, int32_t cle)
{
    if (n > Nombre())
        CreeJournee(n, date);
    TInfoCompJour* j = Journee(n);
    if (!j || !match)
        return nullptr;
    return j->Match(j->AjouteMatch(std::move(match), cle));
}

void TJournees::ChercheMatch(const TInfoComp* match, int& n, int& i) const
{
    for (int k = 1; k <= Nombre(); ++k) {
        const int idx = Journee(k)->IndexObjetMatch(match);
        if (idx >= 0) {
            n = k;
            i = idx;
            return;
        }
    }
    n = 0;
    i = -1;
}

int TJournees::SupprimeMatchsEquipe(int n, int id)
{
    TInfoCompJour* j = Journee(n);
    if (!j)
        return -1;
    int adversaire = -1;
    auto& matchs = j->Matchs();
    for (size_t i = 0; i < matchs.size();) {
        const int cote = matchs[i]->Cote(id);
        if (cote < 0) {
            ++i;
            continue;
        }
        if (adversaire < 0)
            adversaire = matchs[i]->IdEquipe(1 - cote);
        matchs.erase(matchs.begin() + static_cast<long>(i));
    }
    return adversaire;
}

int TJournees::SupprimeMatch(int n, int domicile, int exterieur)
{
    TInfoCompJour* j = Journee(n);
    if (!j)
        return -1;
    int premier = -1;
    auto& matchs = j->Matchs();
    for (size_t i = 0; i < matchs.size();) {
        const int e1 = matchs[i]->IdEquipe(0), e2 = matchs[i]->IdEquipe(1);
        if ((e1 == domicile && e2 == exterieur) || (e1 == exterieur && e2 == domicile)) {
            if (premier < 0)
                premier = static_cast<int>(i);
            matchs.erase(matchs.begin() + static_cast<long>(i));
        } else {
            ++i;
        }
    }
    return premier;
}

void TJournees::VideMatchs(int n)
{
    if (TInfoCompJour* j = Journee(n))
        j->Matchs().clear();
}

std::vector<std::unique_ptr<TInfoComp>> TJournees::VideJournee(int n)
{
    std::vector<std::unique_ptr<TInfoComp>> matchs;
    if (TInfoCompJour* j = Journee(n))
        matchs.swap(j->Matchs());
    return matchs;
}

void TJournees::AffecteEquipes(int n, int count, std::span<const uint16_t> ids)
{
    TInfoCompJour* j = Journee(n);
    if (!j)
        return;
    count = std::min<int>(count, static_cast<int>(ids.size()));
    for (auto& m : j->Matchs())
        for (int cote = 0; cote < 2; ++cote) {
            const int v = m->IdEquipe(cote);
            if (v != 65535)
                m->SetIdEquipe(cote, v < count ? ids[static_cast<size_t>(v)] : 65535);
        }
}

void TJournees::SetNbTitulaire(int v)
{
    for (auto& j : parNumero_)
        for (auto& m : j->Matchs())
            m->SetNbTitulaire(v);
    nbTitulaire_ = v;
}

void TJournees::SetNbRemp(int v)
{
    for (auto& j : parNumero_)
        for (auto& m : j->Matchs())
            m->SetNbRemp(v);
    nbRemp_ = v;
}
