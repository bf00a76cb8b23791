// Peak heap use of a benchmark pass: the program's operator new and delete are
// counted while a TPicMemoire lives (bench/BenchMemoire.cpp replaces them for
// the benchmark executable). The figure is the highest number of bytes held
// above what was held when the measure began.
#pragma once

#include <cstdint>

namespace memoire {

void Debut();
// Bytes of the peak since Debut, and the counting stops.
int64_t Fin();

// One measure over a scope; Octets() once it is over (or at any moment).
class TPicMemoire
{
public:
    TPicMemoire() { Debut(); }
    ~TPicMemoire() { Fin(); }
    int64_t Octets() const;
};

}   // namespace memoire
