// Time measured as the CPU time of the whole process (every thread of it):
// unlike the wall clock, the load of other processes on a shared machine
// leaves it alone, so two sizes of one input can be compared in one run.
#pragma once

#include <time.h>

#include <algorithm>
#include <functional>

namespace essai {

inline double TempsCpu()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The least CPU time of `fois` runs of f, in seconds.
inline double MeilleurTempsCpu(const std::function<void()>& f, int fois = 5)
{
    double meilleur = 1e9;
    for (int i = 0; i < fois; ++i)
    {
        const double debut = TempsCpu();
        f();
        meilleur = std::min(meilleur, TempsCpu() - debut);
    }
    return meilleur;
}

}  // namespace essai
