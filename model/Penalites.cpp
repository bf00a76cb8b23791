#include "model/Penalites.h"

#include <algorithm>
#include <cstdlib>

TPenalite* TPenalites::Penalite(int i) const
{
    if (i < 0 || i >= Nombre())
        return nullptr;
    return items_[static_cast<size_t>(i)].get();
}

TPenalite* TPenalites::Ajoute(int e1, int e2, int32_t s1, int32_t s2, int journee, int type)
{
    if (journee < 0 || journee > 255)
        return nullptr;
    auto p = std::make_unique<TPenalite>();
    p->e1 = static_cast<uint16_t>(e1);
    p->e2 = static_cast<uint16_t>(e2);
    p->s1 = s1;
    p->s2 = s2;
    p->Journee = static_cast<uint8_t>(journee);
    p->Type = static_cast<uint8_t>(type);
    auto it = std::find_if(items_.begin(), items_.end(),
                           [journee](const auto& r) { return r->Journee >= journee; });
    return items_.insert(it, std::move(p))->get();
}

void TPenalites::AjouteEnTete(std::span<const TPenalite> liste)
{
    if (liste.empty())
        return;
    std::vector<const TPenalite*> nouveaux;
    nouveaux.reserve(liste.size());
    for (const TPenalite& p : liste)
        nouveaux.push_back(&p);
    std::stable_sort(nouveaux.begin(), nouveaux.end(),
                     [](const TPenalite* a, const TPenalite* b) { return a->Journee < b->Journee; });
    std::vector<std::unique_ptr<TPenalite>> tous;
    tous.reserve(items_.size() + nouveaux.size());
    size_t i = 0;
    for (auto& p : items_) {
        while (i < nouveaux.size() && nouveaux[i]->Journee <= p->Journee)
            tous.push_back(std::make_unique<TPenalite>(*nouveaux[i++]));
        tous.push_back(std::move(p));
    }
    for (; i < nouveaux.size(); ++i)
        tous.push_back(std::make_unique<TPenalite>(*nouveaux[i]));
    items_ = std::move(tous);
}

void TPenalites::AjoutePoints(int equipe, int32_t points)
{
    if (TPenalite* p = Cherche(equipe, 0, 0)) {
        const int32_t net = (p->Type == penalitePointsAjoutes ? p->s1 : -p->s1) + points;
        p->Type = net < 0 ? penalitePointsRetires : penalitePointsAjoutes;
        p->s1 = std::abs(net);
        return;
    }
    Ajoute(equipe, 0, std::abs(points), 0, 0, points < 0 ? penalitePointsRetires : penalitePointsAjoutes);
}

TPenalite* TPenalites::Cherche(int e1, int e2, int journee) const
{
    for (const auto& p : items_)
        if (p->Journee == journee && p->e1 == e1 && p->e2 == e2)
            return p.get();
    return nullptr;
}

void TPenalites::Supprime(int e1, int e2, int journee)
{
    for (auto it = items_.begin(); it != items_.end(); ++it)
        if ((*it)->Journee == journee && (*it)->e1 == e1 && (*it)->e2 == e2) {
            items_.erase(it);
            return;
        }
}

std::vector<TPenalite*> TPenalites::ListeJournee(int journee) const
{
    std::vector<TPenalite*> liste;
    for (const auto& p : items_)
        if (p->Journee == journee)
            liste.push_back(p.get());
    return liste;
}

void TPenalites::SupprimeJournee(int journee)
{
    std::erase_if(items_, [journee](const auto& p) { return p->Journee == journee; });
}

void TPenalites::RenumeroteJournees(const std::vector<int>& nouveaux)
{
    std::erase_if(items_, [&](const auto& p) {
        if (p->Journee == 0)
            return false;
        const int n = p->Journee < nouveaux.size() ? nouveaux[p->Journee] : 0;
        if (n < 1 || n > 255)
            return true;
        p->Journee = static_cast<uint8_t>(n);
        return false;
    });
    // Kept in matchday order, each matchday's records in their order.
    std::stable_sort(items_.begin(), items_.end(), [](const auto& a, const auto& b) { return a->Journee < b->Journee; });
}

void TPenalites::SupprimeEquipe(int id)
{
    std::erase_if(items_, [id](const auto& p) {
        if (p->Type == penalitePointsRetires || p->Type == penalitePointsAjoutes)
            return p->e1 == id;
        return p->e1 == id || p->e2 == id;
    });
}
