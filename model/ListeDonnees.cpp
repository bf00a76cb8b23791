#include "model/ListeDonnees.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <thread>
#include <type_traits>

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

// Records are cut from blocks of 64 KB aligned on their size, so that a
// record finds its block by masking its address. Each block keeps a bitmap of
// its cells in use: freeing a record only clears its bit (the cell itself is
// not touched), and a new record takes the first free cell of the block being
// filled, so that records made one after another lie one after another.
//
// A block whose cells are all free is empty: it is filled again before a new
// block is taken, and empty blocks are kept only up to the number of blocks
// in use (the others go back to the system). When no record is left, every
// block goes back. One lock guards it all; the lot functions take it once for
// many records. Its members are all trivial, so that it is never destroyed:
// records freed while the program exits still find it.
class TReserveEvt
{
public:
    static constexpr size_t TailleBloc = 64 * 1024;

    void* Prend()
    {
        Verrou v(verrou_);
        return PrendCellule();
    }

    void Rend(void* p)
    {
        Verrou v(verrou_);
        RendCellule(p);
    }

    // f(prend) under the lock, prend() giving one cell after another.
    template <class F>
    void PrendLot(F&& f)
    {
        Verrou v(verrou_);
        f([this] { return PrendCellule(); });
    }

    TEtatReserveEvt Etat()
    {
        Verrou v(verrou_);
        return {nbBlocs_, nbVides_, vivants_};
    }

private:
    static constexpr size_t TailleCellule = sizeof(TDonneesEvt);
    static constexpr size_t NbMots = TailleBloc / TailleCellule / 64;   // words of the bitmap

    struct Bloc
    {
        Bloc* suivant;      // in the list of partly used blocks, or of empty ones
        Bloc* precedent;    // in the list of partly used blocks
        uint32_t utilises;  // cells in use
        uint32_t mot;       // the word of the bitmap where the search starts
        uint64_t occupe[NbMots];   // a bit per cell; the bits past the last cell stay set
    };
    // The cells start after the header, kept at the cells' alignment.
    static constexpr size_t Entete = (sizeof(Bloc) + TailleCellule - 1) / TailleCellule * TailleCellule;
    static constexpr uint32_t Capacite = static_cast<uint32_t>((TailleBloc - Entete) / TailleCellule);
    static_assert(TailleCellule % alignof(TDonneesEvt) == 0 && Entete % alignof(TDonneesEvt) == 0);
    static_assert(Capacite <= NbMots * 64);

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

    // Clears the cell's bit; false when it was clear (a cell freed twice).
    static bool LibereBit(Bloc* b, void* p)
    {
        const size_t i = static_cast<size_t>(static_cast<char*>(p) - reinterpret_cast<char*>(b) - Entete) / TailleCellule;
        const uint64_t masque = uint64_t{1} << (i % 64);
        if (!(b->occupe[i / 64] & masque))
            return false;
        b->occupe[i / 64] &= ~masque;
        return true;
    }

    // k cells of block b freed: its count, and the list it belongs in.
    void Decompte(Bloc* b, uint32_t k)
    {
        const bool plein = b->utilises == Capacite;
        b->utilises -= k;
        vivants_ -= k;
        if (b != courant_) {
            if (b->utilises == 0) {
                if (!plein)
                    RetirePartiel(b);
                AjouteVide(b);
            } else if (plein) {
                AjoutePartiel(b);
            }
        }
    }

    static Bloc* BlocDe(void* p)
    {
        return reinterpret_cast<Bloc*>(reinterpret_cast<uintptr_t>(p) & ~(uintptr_t{TailleBloc} - 1));
    }

    void* PrendCellule()
    {
        if (!courant_ || courant_->utilises == Capacite)
            ChangeBloc();
        Bloc* b = courant_;
        // The block is not full: a free bit is found, from the search's word
        // on, then from the start (cells freed behind it).
        uint32_t m = b->mot;
        while (b->occupe[m] == ~uint64_t{0})
            m = m + 1 == NbMots ? 0 : m + 1;
        const int bit = __builtin_ctzll(~b->occupe[m]);
        b->occupe[m] |= uint64_t{1} << bit;
        b->mot = m;
        ++b->utilises;
        ++vivants_;
        return reinterpret_cast<char*>(b) + Entete + (size_t{m} * 64 + static_cast<size_t>(bit)) * TailleCellule;
    }

    void RendCellule(void* p)
    {
        Bloc* b = BlocDe(p);
        if (!LibereBit(b, p))
            return;   // freed twice: the counts stay right
        Decompte(b, 1);
        if (vivants_ == 0)
            LibereBlocs();
    }

public:
    // The cells of a lot, those of one block counted together: the records of
    // a list usually lie side by side. The blocks go back, if no record is
    // left, once the lot is freed.
    void RendCellules(std::span<std::unique_ptr<TDonneesEvt>> lot)
    {
        Verrou v(verrou_);
        Bloc* b = nullptr;
        uint32_t rendus = 0;
        for (auto& d : lot) {
            TDonneesEvt* p = d.release();
            if (!p)
                continue;
            Bloc* c = BlocDe(p);
            if (c != b) {
                if (rendus)
                    Decompte(b, rendus);
                b = c;
                rendus = 0;
            }
            rendus += LibereBit(b, p) ? 1 : 0;
        }
        if (rendus)
            Decompte(b, rendus);
        if (vivants_ == 0 && nbBlocs_ > 0)
            LibereBlocs();
    }

private:

    // The block to fill next: a partly used one, else an empty one, else a
    // new one. The full block left stays in no list until a cell of it is
    // freed.
    void ChangeBloc()
    {
        Bloc* b = partiels_;
        if (b) {
            RetirePartiel(b);
        } else if (vides_) {
            b = vides_;
            vides_ = b->suivant;
            --nbVides_;
        } else {
            b = NouveauBloc();
        }
        courant_ = b;
    }

    Bloc* NouveauBloc()
    {
        auto* b = static_cast<Bloc*>(std::aligned_alloc(TailleBloc, TailleBloc));
        if (!b)
            throw std::bad_alloc();
        b->suivant = b->precedent = nullptr;
        b->utilises = 0;
        b->mot = 0;
        for (size_t m = 0; m < NbMots; ++m) {
            const size_t premier = m * 64;
            if (premier + 64 <= Capacite)
                b->occupe[m] = 0;
            else if (premier >= Capacite)
                b->occupe[m] = ~uint64_t{0};
            else
                b->occupe[m] = ~uint64_t{0} << (Capacite - premier);
        }
        ++nbBlocs_;
        return b;
    }

    void AjoutePartiel(Bloc* b)
    {
        b->precedent = nullptr;
        b->suivant = partiels_;
        if (partiels_)
            partiels_->precedent = b;
        partiels_ = b;
    }

    void RetirePartiel(Bloc* b)
    {
        if (b->precedent)
            b->precedent->suivant = b->suivant;
        else
            partiels_ = b->suivant;
        if (b->suivant)
            b->suivant->precedent = b->precedent;
        b->suivant = b->precedent = nullptr;
    }

    // Empty blocks are kept while they do not outnumber those in use; beyond,
    // they go back to the system (a block emptied leaves one block fewer in
    // use: up to two may go).
    void AjouteVide(Bloc* b)
    {
        b->mot = 0;
        b->suivant = vides_;
        vides_ = b;
        ++nbVides_;
        while (nbVides_ > nbBlocs_ - nbVides_) {
            Bloc* v = vides_;
            vides_ = v->suivant;
            std::free(v);
            --nbVides_;
            --nbBlocs_;
        }
    }

    // With no record left, every block is empty (the current one, the
    // others in their list).
    void LibereBlocs()
    {
        for (Bloc* liste : {vides_, partiels_})
            while (liste) {
                Bloc* suivant = liste->suivant;
                std::free(liste);
                liste = suivant;
            }
        std::free(courant_);
        courant_ = partiels_ = vides_ = nullptr;
        nbBlocs_ = nbVides_ = 0;
    }

    std::atomic_flag verrou_;
    Bloc* courant_ = nullptr;    // the block being filled
    Bloc* partiels_ = nullptr;   // blocks partly used (doubly linked)
    Bloc* vides_ = nullptr;      // empty blocks
    size_t nbBlocs_ = 0;
    size_t nbVides_ = 0;
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

static_assert(std::is_trivially_destructible_v<TDonneesEvt>, "the lots free records without their destructor");

void TDonneesEvt::CreeLot(std::span<std::unique_ptr<TDonneesEvt>> lot)
{
    if (std::any_of(lot.begin(), lot.end(), [](const auto& d) { return d != nullptr; }))
        LibereLot(lot);
#ifdef BZ_EVT_ASAN
    for (auto& d : lot)
        d = std::make_unique<TDonneesEvt>();
#else
    // A cell that cannot be had throws with the lock let go; the records
    // made so far belong to the lot already.
    reserveEvt.PrendLot([&](auto prend) {
        for (auto& d : lot)
            d.reset(::new (prend()) TDonneesEvt());
    });
#endif
}

void TDonneesEvt::LibereLot(std::span<std::unique_ptr<TDonneesEvt>> lot) noexcept
{
#ifdef BZ_EVT_ASAN
    for (auto& d : lot)
        d.reset();
#else
    reserveEvt.RendCellules(lot);
#endif
}

TEtatReserveEvt EtatReserveEvt()
{
    return reserveEvt.Etat();
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

TListeDonnees::~TListeDonnees()
{
    TDonneesEvt::LibereLot(items_);
}

TDonneesEvt* TListeDonnees::Ajoute(std::unique_ptr<TDonneesEvt> d)
{
    if (!d)
        return nullptr;
    Place();
    items_.push_back(std::move(d));
    Change();
    return items_.back().get();
}

void TListeDonnees::Place()
{
    // A list that gets one record usually gets several: room for a few at
    // once rather than growing by one, two, four.
    if (items_.size() == items_.capacity())
        items_.reserve(items_.empty() ? 8 : 2 * items_.size());
}

void TListeDonnees::AjouteLot(std::span<TListeDonnees* const> listes, int32_t idJoueur, int idEquipe,
                              std::span<const uint16_t> mots)
{
    const size_t nb = std::min(listes.size(), mots.size());
#ifdef BZ_EVT_ASAN
    for (size_t i = 0; i < nb; ++i)
        listes[i]->Ajoute(TDonneesEvt::CreateId(idJoueur, idEquipe, mots[i]));
#else
    reserveEvt.PrendLot([&](auto prend) {
        for (size_t i = 0; i < nb; ++i) {
            // Room before the cell: a growth that throws takes no record.
            listes[i]->Place();
            auto* d = ::new (prend()) TDonneesEvt();
            d->SetIdJoueur(idJoueur);
            d->SetIdEquipe(idEquipe);
            d->SetMot(mots[i]);
            listes[i]->items_.emplace_back(d);
        }
    });
    for (size_t i = 0; i < nb; ++i)
        listes[i]->Change();
#endif
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
    TDonneesEvt::LibereLot(items_);
    items_.clear();
    Change();
}

template <class P>
void TListeDonnees::SupprimeSi(P&& supprime)
{
    // The records kept move ahead in their order; those removed, gathered at
    // the end, are freed together.
    const auto fin = std::stable_partition(items_.begin(), items_.end(), [&](const auto& d) { return !supprime(*d); });
    TDonneesEvt::LibereLot(std::span(fin, items_.end()));
    items_.erase(fin, items_.end());
    items_.shrink_to_fit();
    Change();
}

void TListeDonnees::SupprimeEquipes(std::span<const int> equipes)
{
    SupprimeSi([&](const TDonneesEvt& d) { return std::find(equipes.begin(), equipes.end(), d.IdEquipe()) != equipes.end(); });
}

void TListeDonnees::SupprimeEquipesMarquees(std::span<const int> equipes)
{
    SupprimeSi([&](const TDonneesEvt& d) {
        return d.Mot() == evtHorsScore && std::find(equipes.begin(), equipes.end(), d.IdEquipe()) != equipes.end();
    });
}

void TListeDonnees::SupprimeEquipesNonMarquees(std::span<const int> equipes)
{
    SupprimeSi([&](const TDonneesEvt& d) {
        return d.Mot() != evtHorsScore && std::find(equipes.begin(), equipes.end(), d.IdEquipe()) != equipes.end();
    });
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
