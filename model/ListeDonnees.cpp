#include "model/ListeDonnees.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <thread>

#include "model/Saison.h"
#include "platform/rtl/Strings.h"

#if defined(__SANITIZE_ADDRESS__)
#define BZ_EVT_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BZ_EVT_ASAN 1
#endif
#endif

// ---------------------------------------------------------------------------
// The records' blocks

namespace {

// Fixed-size cells cut from blocks of 4,096; a freed cell goes on a free list
// and is given again first. Every block is released when no record is left.
// Its members are all trivial, so that it is never destroyed: records freed
// while the program exits still find it.
class TReserveEvt
{
public:
    void* Prend()
    {
        Verrou v(verrou_);
        void* p;
        if (libres_) {
            p = libres_;
            libres_ = libres_->suivant;
        } else {
            if (courant_ == fin_)
                NouveauBloc();
            p = courant_;
            courant_ += TailleCellule;
        }
        ++vivants_;
        return p;
    }

    void Rend(void* p)
    {
        Verrou v(verrou_);
        auto* c = static_cast<Cellule*>(p);
        c->suivant = libres_;
        libres_ = c;
        if (--vivants_ == 0)
            LibereBlocs();
    }

private:
    struct Cellule
    {
        Cellule* suivant;
    };
    struct Bloc
    {
        Bloc* precedent;
    };
    static constexpr size_t TailleCellule = sizeof(TDonneesEvt);
    static constexpr size_t CellulesParBloc = 4096;
    // The cells start after the block's link, kept at the cells' alignment.
    static constexpr size_t Entete = (sizeof(Bloc) + alignof(TDonneesEvt) - 1) / alignof(TDonneesEvt) * alignof(TDonneesEvt);
    static_assert(TailleCellule >= sizeof(Cellule) && TailleCellule % alignof(Cellule) == 0);

    class Verrou
    {
    public:
        explicit Verrou(std::atomic_flag& f) : f_(f)
        {
            while (f_.test_and_set(std::memory_order_acquire))
                std::this_thread::yield();
        }
        ~Verrou() { f_.clear(std::memory_order_release); }
        Verrou(const Verrou&) = delete;
        Verrou& operator=(const Verrou&) = delete;

    private:
        std::atomic_flag& f_;
    };

    void NouveauBloc()
    {
        auto* b = static_cast<Bloc*>(std::malloc(Entete + CellulesParBloc * TailleCellule));
        if (!b)
            throw std::bad_alloc();
        b->precedent = blocs_;
        blocs_ = b;
        courant_ = reinterpret_cast<char*>(b) + Entete;
        fin_ = courant_ + CellulesParBloc * TailleCellule;
    }

    void LibereBlocs()
    {
        while (blocs_) {
            Bloc* precedent = blocs_->precedent;
            std::free(blocs_);
            blocs_ = precedent;
        }
        libres_ = nullptr;
        courant_ = fin_ = nullptr;
    }

    std::atomic_flag verrou_;
    Cellule* libres_ = nullptr;
    char* courant_ = nullptr;   // the unused end of the newest block
    char* fin_ = nullptr;
    Bloc* blocs_ = nullptr;
    size_t vivants_ = 0;
};

constinit TReserveEvt reserveEvt;

}   // namespace

// ---------------------------------------------------------------------------
// TDonneesEvt

void* TDonneesEvt::operator new(std::size_t taille)
{
#ifdef BZ_EVT_ASAN
    return ::operator new(taille);
#else
    (void)taille;   // always sizeof(TDonneesEvt): the class is final
    return reserveEvt.Prend();
#endif
}

void TDonneesEvt::operator delete(void* p) noexcept
{
    if (!p)
        return;
#ifdef BZ_EVT_ASAN
    ::operator delete(p);
#else
    reserveEvt.Rend(p);
#endif
}

TDonneesEvt::TDonneesEvt(int32_t idJoueur, int idEquipe, int minute, uint16_t drapeaux)
    : idJoueur_(idJoueur), idEquipe_(static_cast<uint16_t>(idEquipe))
{
    mot_ = static_cast<uint16_t>(std::clamp(minute, 0, 127) | (drapeaux & ~evtMinute));
}

std::unique_ptr<TDonneesEvt> TDonneesEvt::CreateId(int32_t idJoueur, int idEquipe, uint16_t mot)
{
    auto d = std::make_unique<TDonneesEvt>();
    d->idJoueur_ = idJoueur;
    d->idEquipe_ = static_cast<uint16_t>(idEquipe);
    d->mot_ = mot;
    return d;
}

void TDonneesEvt::SetMinute(int minute)
{
    mot_ = static_cast<uint16_t>((mot_ & ~evtMinute) | std::clamp(minute, 0, 127));
}

int TDonneesEvt::TypeBut() const
{
    if (mot_ & evtRouge)
        return 4;
    if (mot_ & evt100)
        return 1;
    if (mot_ & evt200)
        return 2;
    if (mot_ & evtHorsScore)
        return 5;
    return 3;
}

// ---------------------------------------------------------------------------
// TListeDonnees

void TListeDonnees::Change() const
{
    if (saison_)
        saison_->InvalideStats();
}

TDonneesEvt* TListeDonnees::Ajoute(std::unique_ptr<TDonneesEvt> d)
{
    if (!d)
        return nullptr;
    items_.push_back(std::move(d));
    Change();
    return items_.back().get();
}

TDonneesEvt* TListeDonnees::Insere(int i, std::unique_ptr<TDonneesEvt> d)
{
    if (!d)
        return nullptr;
    i = std::clamp(i, 0, Nombre());
    auto it = items_.insert(items_.begin() + i, std::move(d));
    Change();
    return it->get();
}

std::unique_ptr<TDonneesEvt> TListeDonnees::Retire(int i)
{
    if (i < 0 || i >= Nombre())
        return nullptr;
    auto d = std::move(items_[static_cast<size_t>(i)]);
    items_.erase(items_.begin() + i);
    Change();
    return d;
}

void TListeDonnees::Vide()
{
    items_.clear();
    Change();
}

void TListeDonnees::SupprimeEquipes(std::span<const int> equipes)
{
    std::erase_if(items_, [&](const auto& d) {
        return std::find(equipes.begin(), equipes.end(), d->IdEquipe()) != equipes.end();
    });
    items_.shrink_to_fit();
    Change();
}

void TListeDonnees::SupprimeEquipesMarquees(std::span<const int> equipes)
{
    std::erase_if(items_, [&](const auto& d) {
        return d->Mot() == evtHorsScore &&
               std::find(equipes.begin(), equipes.end(), d->IdEquipe()) != equipes.end();
    });
    items_.shrink_to_fit();
    Change();
}

bool TListeDonnees::Selectionne(const TDonneesEvt& d, int mode, bool seul800)
{
    switch (mode) {
    case 1: return !seul800 || (d.Mot() & evtHorsScore);
    case 2: return !(d.Mot() & evtRouge);
    case 3: return (d.Mot() & evtRouge) != 0;
    default: return false;
    }
}

std::unique_ptr<TListeResultat> TListeDonnees::ListeJoueur(int32_t idJoueur, bool sans80) const
{
    auto r = std::make_unique<TListeResultat>(nullptr, this);
    for (const auto& d : items_)
        if (d->IdJoueur() == idJoueur && !(sans80 && (d->Mot() & evtRouge)))
            r->Ajoute(d.get());
    return r;
}

std::unique_ptr<TListeResultat> TListeDonnees::ListeEquipe(int idEquipe, int mode, bool seul800) const
{
    if (mode < 1 || mode > 3)
        return nullptr;
    auto r = std::make_unique<TListeResultat>(CompareJoueur, this);
    for (const auto& d : items_)
        if (d->IdEquipe() == idEquipe && Selectionne(*d, mode, seul800))
            r->Ajoute(d.get());
    return r;
}

int TListeDonnees::CompteEquipe(int idEquipe, int mode, bool seul800) const
{
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [&](const auto& d) {
        return d->IdEquipe() == idEquipe && Selectionne(*d, mode, seul800);
    }));
}

void TListeDonnees::ListesMatch(int equipeA, int equipeB, bool filtre800, bool separe,
                                std::unique_ptr<TListeResultat> (&listes)[4]) const
{
    for (int i = 0; i < 4; ++i)
        listes[i] = i < 2 || separe ? std::make_unique<TListeResultat>(CompareMinute, this) : nullptr;
    for (const auto& d : items_) {
        int cote;
        if (d->IdEquipe() == equipeA)
            cote = 0;
        else if (d->IdEquipe() == equipeB)
            cote = 1;
        else
            continue;
        if (separe && (d->Mot() & evtRouge))
            listes[2 + cote]->Ajoute(d.get());
        else if (((d->Mot() & evtHorsScore) != 0) == filtre800)
            listes[cote]->Ajoute(d.get());
    }
}

std::unique_ptr<TListeResultat> TListeDonnees::ListeComplete() const
{
    auto r = std::make_unique<TListeResultat>(CompareEquipeIdJoueur, this);
    for (const auto& d : items_)
        r->Ajoute(d.get());
    return r;
}

std::unique_ptr<TListeResultat> TListeDonnees::ListeParEquipe() const
{
    auto r = std::make_unique<TListeResultat>(CompareEquipeMinute, this);
    for (const auto& d : items_)
        r->Ajoute(d.get());
    return r;
}

// ---------------------------------------------------------------------------
// Comparators

int CompareMinute(const TListeDonnees*, const TDonneesEvt* x, const TDonneesEvt* y)
{
    return y->Minute() - x->Minute();
}

int CompareJoueur(const TListeDonnees* contexte, const TDonneesEvt* x, const TDonneesEvt* y)
{
    const TSaison* saison = contexte ? contexte->Saison() : nullptr;
    TInfoJoueur jx, jy;
    if (saison && saison->InfoJoueur(x->IdJoueur(), x->IdEquipe(), jx) &&
        saison->InfoJoueur(y->IdJoueur(), y->IdEquipe(), jy)) {
        if (int c = AnsiCompareText(jy.Nom, jx.Nom))
            return c;
        if (int c = AnsiCompareText(jy.Prenom, jx.Prenom))
            return c;
    }
    return CompareMinute(contexte, x, y);
}

static int CompareNomsEquipes(const TListeDonnees* contexte, const TDonneesEvt* x, const TDonneesEvt* y)
{
    const TSaison* saison = contexte ? contexte->Saison() : nullptr;
    if (!saison)
        return 0;
    return AnsiCompareText(saison->NomEquipe(y->IdEquipe()), saison->NomEquipe(x->IdEquipe()));
}

int CompareEquipeMinute(const TListeDonnees* contexte, const TDonneesEvt* x, const TDonneesEvt* y)
{
    if (int c = CompareNomsEquipes(contexte, x, y))
        return c;
    return CompareMinute(contexte, x, y);
}

int CompareEquipeIdJoueur(const TListeDonnees* contexte, const TDonneesEvt* x, const TDonneesEvt* y)
{
    if (int c = CompareNomsEquipes(contexte, x, y))
        return c;
    if (y->IdJoueur() > x->IdJoueur())
        return -1;
    return y->IdJoueur() == x->IdJoueur() ? 0 : 1;
}

// ---------------------------------------------------------------------------
// TListeResultat

void TListeResultat::Ajoute(TDonneesEvt* d, int index)
{
    if (!d)
        return;
    if (comparateur_) {
        auto it = std::find_if(items_.begin(), items_.end(),
                               [&](TDonneesEvt* y) { return comparateur_(contexte_, d, y) >= 0; });
        items_.insert(it, d);
        return;
    }
    if (index < 0 || index >= Nombre())
        items_.push_back(d);
    else
        items_.insert(items_.begin() + index, d);
}

TDonneesEvt* TListeResultat::Resultat(int i) const
{
    if (i < 0 || i >= Nombre())
        return nullptr;
    return items_[static_cast<size_t>(i)];
}
