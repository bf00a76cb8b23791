// libFuzzer target: the crest index over arbitrary bytes. Every entry read has
// ids in range; the index written back from the entries reads whole and gives
// the same entries.
#include <cstdlib>
#include <string>

#include "records/IndexBlasons.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TIndexBlasons lu = LitIndexBlasons(std::string(reinterpret_cast<const char*>(data), size));
    for (const TEntreeBlason& e : lu.Entrees)
        if (e.Id < 1 || e.Id > 65535 || e.Parent < 0 || e.Parent > 65535)
            std::abort();
    const TIndexBlasons relu = LitIndexBlasons(EcritIndexBlasons(lu.Entrees));
    if (relu.Entrees.size() != lu.Entrees.size())
        std::abort();
    for (size_t i = 0; i < lu.Entrees.size(); ++i)
        if (relu.Entrees[i].Id != lu.Entrees[i].Id || relu.Entrees[i].Parent != lu.Entrees[i].Parent ||
            relu.Entrees[i].Nom != lu.Entrees[i].Nom)
            std::abort();
    return 0;
}
