// Pins the process to the first core it may run on while the object lives
// (threads started meanwhile inherit it): the one-core road of the program,
// for tests and benchmarks.
#pragma once

#include <sched.h>

namespace essai {

class TUnCoeur
{
public:
    TUnCoeur()
    {
        ::sched_getaffinity(0, sizeof avant_, &avant_);
        cpu_set_t un;
        CPU_ZERO(&un);
        for (int c = 0; c < CPU_SETSIZE; ++c)
            if (CPU_ISSET(c, &avant_)) {
                CPU_SET(c, &un);
                break;
            }
        ::sched_setaffinity(0, sizeof un, &un);
    }
    ~TUnCoeur() { ::sched_setaffinity(0, sizeof avant_, &avant_); }
    TUnCoeur(const TUnCoeur&) = delete;
    TUnCoeur& operator=(const TUnCoeur&) = delete;

private:
    cpu_set_t avant_;
};

}   // namespace essai
