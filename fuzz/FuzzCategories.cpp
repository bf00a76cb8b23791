// libFuzzer target: the category file over arbitrary bytes. Every category
// read has an id a championship can keep; the file written from them reads
// back the same.
#include <cstdlib>

#include "fuzz/FuzzAnnexes.h"
#include "shell/FichierCategories.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string f = FichierFuzz("categories", data, size);
    const TFichierCategories lu = LitCategories(f);
    for (const TCategorie& c : lu.Liste)
        if (!IdCategorieValide(c.Id) || c.Nom.empty())
            std::abort();
    const int32_t suivant = ProchainIdCategorie(lu.Liste);
    if (suivant != 0 && !IdCategorieValide(suivant))
        std::abort();
    if (!EcritCategories(f + ".ecrit", lu.Liste))
        return 0;
    const TFichierCategories relu = LitCategories(f + ".ecrit");
    if (relu.Illisible || relu.Liste.size() != lu.Liste.size())
        std::abort();
    for (size_t i = 0; i < lu.Liste.size(); ++i)
        if (relu.Liste[i].Id != lu.Liste[i].Id || relu.Liste[i].Nom != lu.Liste[i].Nom ||
            relu.Liste[i].NomCourt != lu.Liste[i].NomCourt)
            std::abort();
    return 0;
}
