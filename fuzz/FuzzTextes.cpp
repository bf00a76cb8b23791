// libFuzzer target: a language file over arbitrary bytes, each text looked up
// and formatted with arguments of both kinds.
#include "fuzz/FuzzAnnexes.h"
#include "model/oTraducteur.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string f = FichierFuzz("textes", data, size);
    TTraducteur t(f);
    TTraducteur autre(f);
    t.CouvreTextes(autre);
    t.SetProduit("Brivantel", "Brivantel Zelvor");
    for (int id : {0, 1, 2, 3, 7, 36, 1486, 3800, 3802, -1, 2147483647}) {
        t.Traduire(id);
        t.TraduireFormat(id, {std::string("fichier"), 12});
        t.TraduireFormat(id, {});
    }
    return 0;
}
