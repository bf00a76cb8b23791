// The season benchmarks' reading of a document held in memory, as the
// opening reads the archive's member once it is inflated.
#pragma once

#include <benchmark/benchmark.h>

#include <memory>

#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/ioXml.h"
#include "platform/rtl/Streams.h"

// Reads the document from the stream's position into a new season of the sport.
inline std::unique_ptr<TSaison> LitDocumentEssai(TMemoryStream& m, int sport)
{
    auto s = TMultiSport::CreeSaison(sport);
    TXmlStreamReader x(m);
    uint8_t j = x.ElementSuivant();
    while (j == xmlComplet)   // the declaration and the DOCTYPE
        j = x.ElementSuivant();
    if (j == xmlDebut)
        s->Lit(x);
    benchmark::DoNotOptimize(s->Joueurs().NbJoueur());
    return s;
}
