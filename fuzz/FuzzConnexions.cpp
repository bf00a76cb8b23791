// libFuzzer target: the connection settings over arbitrary bytes. What was
// read is written and read back: the sites stay in order of sport and none is
// lost.
#include <cstdlib>

#include "fuzz/FuzzAnnexes.h"
#include "net/Connexions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string f = FichierFuzz("connexions", data, size);
    TConnexions c(f);
    for (int i = 1; i < c.NbSite(); ++i)
        if (c.Site(i - 1)->Sport > c.Site(i)->Sport)
            std::abort();
    c.NomFichier = f + ".ecrit";
    if (!c.Ecrit())
        return 0;
    TConnexions relu(c.NomFichier);
    if (relu.Endommage() || relu.NbSite() != c.NbSite() || relu.Url != c.Url || relu.Timeout != c.Timeout)
        std::abort();
    for (int i = 0; i < c.NbSite(); ++i)
        if (relu.Site(i)->Url != c.Site(i)->Url || relu.Site(i)->Sport != c.Site(i)->Sport ||
            relu.Site(i)->NbFichier() != c.Site(i)->NbFichier())
            std::abort();
    return 0;
}
