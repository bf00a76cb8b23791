// The counting allocator of the benchmark executable: malloc, calloc, realloc
// and free (which operator new and delete, zlib and the archive library all
// use) are taken over here and handed to the C library's own functions.
// Counting costs one relaxed load while no measure runs; during a measure each
// allocation and release adds its usable size to a running total whose
// highest value is kept.
#include "bench/BenchMemoire.h"

#include <malloc.h>

#include <atomic>
#include <cstddef>

extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);
void __libc_free(void*);
}

namespace {

std::atomic<bool> actif{false};
std::atomic<int64_t> courant{0};
std::atomic<int64_t> pic{0};
int64_t base = 0;

void Ajoute(int64_t n)
{
    const int64_t c = courant.fetch_add(n, std::memory_order_relaxed) + n;
    int64_t v = pic.load(std::memory_order_relaxed);
    while (c > v && !pic.compare_exchange_weak(v, c, std::memory_order_relaxed)) {
    }
}

int64_t Taille(void* p)
{
    return p ? static_cast<int64_t>(malloc_usable_size(p)) : 0;
}

}   // namespace

extern "C" {

void* malloc(size_t n)
{
    void* p = __libc_malloc(n);
    if (p && actif.load(std::memory_order_relaxed))
        Ajoute(Taille(p));
    return p;
}

void* calloc(size_t n, size_t t)
{
    void* p = __libc_calloc(n, t);
    if (p && actif.load(std::memory_order_relaxed))
        Ajoute(Taille(p));
    return p;
}

void* realloc(void* ancien, size_t n)
{
    const bool compte = actif.load(std::memory_order_relaxed);
    const int64_t avant = compte ? Taille(ancien) : 0;
    void* p = __libc_realloc(ancien, n);
    if (compte && (p || n == 0))
        Ajoute(Taille(p) - avant);
    return p;
}

void* memalign(size_t alignement, size_t n)
{
    void* p = __libc_memalign(alignement, n);
    if (p && actif.load(std::memory_order_relaxed))
        Ajoute(Taille(p));
    return p;
}

void* aligned_alloc(size_t alignement, size_t n)
{
    return memalign(alignement, n);
}

int posix_memalign(void** r, size_t alignement, size_t n)
{
    void* p = memalign(alignement, n);
    if (!p)
        return 12;   // ENOMEM
    *r = p;
    return 0;
}

void free(void* p)
{
    if (p && actif.load(std::memory_order_relaxed))
        courant.fetch_sub(Taille(p), std::memory_order_relaxed);
    __libc_free(p);
}

}   // extern "C"

namespace memoire {

void Debut()
{
    base = courant.load();
    pic.store(base);
    actif.store(true);
}

int64_t Fin()
{
    actif.store(false);
    return pic.load() - base;
}

int64_t TPicMemoire::Octets() const
{
    return pic.load() - base;
}

}   // namespace memoire
