#include "model/Saison.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/Utilities.h"

TSaison::TSaison() = default;

TSaison::~TSaison() = default;

// ---------------------------------------------------------------------------
// Teams

int TSaison::IndexId(int id) const
{
    if (id < 0 || id > 65535)
        return -1;
    for (size_t i = 0; i < equipes_.size(); ++i)
        if (equipes_[i].Id() == id)
            return static_cast<int>(i);
    return -1;
}

int TSaison::ChercheEquipe(const std::string& nom) const
{
    const std::string cle = SansAccent(nom);
    for (const auto& e : equipes_)
        if (SansAccent(e.Nom) == cle)
            return e.Id();
    return -1;
}

int TSaison::AjouteEquipe(const std::string& nom, int32_t idVoulu, int logo, bool verifie)
{
    if (nom.empty())
        return -1;
    if (verifie) {
        const int id = ChercheEquipe(nom);
        if (id >= 0)
            return id;
    }
    int32_t id = idVoulu;
    if (id == -1) {
        // Skip ids that a wanted id below the counter may already hold.
        while (prochainId_ <= 65534 && IndexId(prochainId_) >= 0)
            ++prochainId_;
        if (prochainId_ > 65534)
            return -1;
        id = prochainId_++;
    } else {
        if (id < 0 || id > 65534 || IndexId(id) >= 0)
            return -1;
        if (id >= prochainId_)
            prochainId_ = id + 1;
    }
    equipes_.push_back({nom, static_cast<uint32_t>(id) | (static_cast<uint32_t>(logo & 0xFFFF) << 16)});
    return id;
}

void TSaison::SupprimeEquipe(int id)
{
    const int i = IndexId(id);
    if (i >= 0)
        equipes_.erase(equipes_.begin() + i);
}

int TSaison::IdEquipe(int i) const
{
    if (i < 0 || i >= NbEquipe())
        return -1;
    return equipes_[static_cast<size_t>(i)].Id();
}

std::string TSaison::NomEquipeIndex(int i) const
{
    if (i < 0 || i >= NbEquipe())
        return {};
    return equipes_[static_cast<size_t>(i)].Nom;
}

std::string TSaison::NomEquipe(int id) const
{
    const int i = IndexId(id);
    return i < 0 ? std::string() : equipes_[static_cast<size_t>(i)].Nom;
}

void TSaison::RenommeEquipe(int id, const std::string& nom)
{
    const int i = IndexId(id);
    if (i >= 0)
        equipes_[static_cast<size_t>(i)].Nom = nom;
}

int TSaison::LogoEquipe(int id) const
{
    const int i = IndexId(id);
    return i < 0 ? 0 : equipes_[static_cast<size_t>(i)].Logo();
}

void TSaison::SetLogoEquipe(int id, int logo)
{
    const int i = IndexId(id);
    if (i >= 0)
        equipes_[static_cast<size_t>(i)].Objet =
            static_cast<uint32_t>(id) | (static_cast<uint32_t>(logo & 0xFFFF) << 16);
}

std::string TSaison::NomEquipeComplet(int id, const TDonneesChampionnat* championnat) const
{
    std::string nom = NomEquipe(id);
    if (championnat) {
        const int cat = championnat->CategorieEquipe(championnat->IndexEquipe(id));
        std::string n, court;
        if (cat > 0 && Categorie(cat, n, court) && !court.empty())
            nom += " " + court;
    }
    return nom;
}

std::string TSaison::NomEquipePosition(int i) const
{
    if (!courant_)
        return {};
    return NomEquipeCourant(courant_->IdEquipe(i));
}

// ---------------------------------------------------------------------------
// Players

bool TSaison::InfoJoueur(int32_t, int, TInfoJoueur&) const
{
    return false;
}

// ---------------------------------------------------------------------------
// Categories

const TCategorie* TSaison::CategorieIndex(int i) const
{
    if (i < 0 || i >= NbCategorie())
        return nullptr;
    return &categories_[static_cast<size_t>(i)];
}

std::string TSaison::NomCategorie(int32_t id) const
{
    std::string nom, court;
    Categorie(id, nom, court);
    return nom;
}

bool TSaison::Categorie(int32_t id, std::string& nom, std::string& nomCourt) const
{
    nom.clear();
    nomCourt.clear();
    for (const auto& c : categories_) {
        if (c.Id < id)
            continue;
        if (c.Id == id) {
            nom = c.Nom;
            nomCourt = c.NomCourt;
            return true;
        }
        break;
    }
    return false;
}

void TSaison::SetCategorie(int32_t id, const std::string& nom, const std::string& nomCourt)
{
    auto it = std::find_if(categories_.begin(), categories_.end(), [id](const auto& c) { return c.Id >= id; });
    if (it != categories_.end() && it->Id == id) {
        it->Nom = nom;
        it->NomCourt = nomCourt;
        return;
    }
    categories_.insert(it, {id, nom, nomCourt});
}

void TSaison::SupprimeCategorie(int32_t id)
{
    std::erase_if(categories_, [id](const auto& c) { return c.Id == id; });
}
