// libFuzzer target: the season loader over whole documents. The first byte
// picks the sport and the road; the rest is the season document. Through the
// model from memory (most inputs), or as the member of a season file opened by
// the file layer (one input in eight). A season read is then used as the
// program uses it: written again, its standings and its players' statistics
// computed. Nothing may crash, hang or allocate without bound.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

#include "engine/CalculClassement.h"
#include "files/ChargeurSaison.h"
#include "files/ZipArchive.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/Saison_Stats.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Streams.h"
#include "tests/support/SaisonBuilder.h"

namespace {

void Utilise(TSaison& s)
{
    TMemoryStream m;
    TChargeurXmp::EcritDocument(s, m);
    for (TDonneesChampionnat* c : s.Arbre().ListeChampionnats()) {
        TCalculClassement calcul(c, &s);
        const int n = calcul.Calcule(clsGeneral, 0, 0);
        for (int r = 0; r < n; ++r)
            (void)calcul.ValeurLigne(r, 1);
        if (c->NbJour() > 0)
            calcul.Calcule(clsDomicile, 1, c->NbJour());
    }
    (void)CalculeStatJoueurs(SourceStats(s));
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const int sport = data[0] & 3;
    const bool parFichier = (data[0] & 0x70) == 0x70;
    ++data;
    --size;

    if (!parFichier) {
        // Read as the tests read a season document (header-only, no test framework).
        auto s = essai::Lit(sport, std::string(reinterpret_cast<const char*>(data), size));
        Utilise(*s);
        return 0;
    }

    static const std::string fichier = "/tmp/fuzz_saison_" + std::to_string(getpid()) + ".xmc";
    DeleteFile(fichier);
    {
        TZipArchive zip;
        zip.Unattended = true;
        zip.AddCompLevel = 0;
        zip.SetZipFileName(fichier);
        zip.EntryStream.Write(data, static_cast<long>(size));
        zip.AddFromStream(TChargeurXmp::NomMembre, 0, 0);
    }
    std::unique_ptr<TSaison> s;
    TChargeurXmp c(fichier, "Dll\\");
    const uint8_t etat = c.Charge(s, EnsembleSport(sport), {}, false, nullptr);
    if ((etat == etatCharge) != (s != nullptr))
        __builtin_trap();   // a status that does not match the season handed out
    if (s)
        Utilise(*s);
    return 0;
}
