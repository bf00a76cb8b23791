// libFuzzer target: the history file reader over arbitrary bytes, from memory
// and through the buffered file reader. What was read is written again and read
// back: the second reading must give the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "engine/historique.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TStat st;
    st.ChargeOctets(data, size);
    std::string premier;
    st.EcritOctets(premier);

    TStat relu;
    if (!relu.ChargeOctets(reinterpret_cast<const uint8_t*>(premier.data()), premier.size()))
        std::abort();
    std::string second;
    relu.EcritOctets(second);
    if (second != premier)
        std::abort();
    for (int k = 0; k < relu.NombreSaisons(); ++k) {
        std::vector<int32_t> table, ordre;
        relu.Saison(k)->CalculeClassement(1 + k % 5, table, ordre);
    }

    static const std::string fichier = "/tmp/fuzz_historique_" + std::to_string(getpid()) + "_1.txt";
    if (FILE* f = std::fopen(fichier.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
        TStat parFichier;
        parFichier.Charge(fichier);
        std::string troisieme;
        parFichier.EcritOctets(troisieme);
        if (troisieme != premier)
            std::abort();
    }
    return 0;
}
