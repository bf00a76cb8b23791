// The XML layer on a large generated document (about 20 MB, the shape of a
// season document): writing it into a memory stream, and pulling every token
// back with the stream reader. The reference is a plain byte scan of the same
// buffer (every '<' and '>' counted), measured in the same run: the counter
// "x_scan" is the time of one pass over the scan's time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>

#include "model/ioXml.h"
#include "platform/rtl/Streams.h"

namespace {

void EcritDocument(TXmlWriter& w)
{
    w.OuvreElement("Gormelide");
    w.AjouteAttribut("Type", "saison");
    w.AjouteAttribut("format", "foot");
    w.OuvreElement("Championnats");
    for (int c = 0; c < 250; ++c) {
        w.OuvreElement("Championnat");
        w.AjouteAttributEntier("Code", c + 1);
        w.EcritElement("Nom", "Championnat " + std::to_string(c) + " + coupe & ligue");
        for (int j = 1; j <= 38; ++j) {
            w.OuvreElement("Journee");
            w.EcritElementEntier("Numero", j);
            w.EcritElementEntier("Date", 0x04140300 | j);
            for (int m = 0; m < 10; ++m) {
                w.OuvreElement("Match");
                w.EcritElementEntier("Equipe1", m * 2);
                w.EcritElementEntier("Equipe2", m * 2 + 1);
                w.EcritElementEntier("Score1", (j + m) % 5);
                w.EcritElementEntier("Score2", (j * m) % 4);
                w.EcritElementPositif("Spectateurs", 12000 + m * 311);
                w.EcritElement("Commentaire", m % 3 ? "" : "Match <reporte> puis joue");
                w.OuvreElement("But");
                w.AjouteAttributEntier("Joueur", j * 100 + m);
                w.EcritElementEntier("Minute", (j * 7 + m * 13) % 90);
                w.FermeElement("But");
                w.FermeElement("Match");
            }
            w.FermeElement("Journee");
        }
        w.FermeElement("Championnat");
    }
    w.FermeElement("Championnats");
    w.FermeElement("Gormelide");
}

TMemoryStream& Document()
{
    static TMemoryStream doc = [] {
        TMemoryStream m;
        m.SetCapacity(24 << 20);
        {
            TXmlMemoryStreamWriter w(&m, true);
            EcritDocument(w);
        }
        return m;
    }();
    return doc;
}

size_t Scan(const uint8_t* p, size_t n)
{
    size_t compte = 0;
    for (size_t i = 0; i < n; ++i)
        compte += (p[i] == '<') + (p[i] == '>');
    return compte;
}

// The best of a few scans, in seconds.
double TempsScan()
{
    static const double t = [] {
        TMemoryStream& d = Document();
        double meilleur = 1e9;
        for (int k = 0; k < 5; ++k) {
            const auto debut = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(Scan(d.Memory(), static_cast<size_t>(d.Size())));
            meilleur = std::min(meilleur, std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
        }
        return meilleur;
    }();
    return t;
}

template <class F>
void Mesure(benchmark::State& state, F&& passe)
{
    const int64_t taille = Document().Size();
    const double scan = TempsScan();
    double total = 0;
    for (auto _ : state) {
        const auto debut = std::chrono::steady_clock::now();
        passe();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    }
    state.SetBytesProcessed(state.iterations() * taille);
    state.counters["MB"] = static_cast<double>(taille) / (1 << 20);
    state.counters["x_scan"] = total / static_cast<double>(state.iterations()) / scan;
}

void BM_XmlScanOctets(benchmark::State& state)
{
    TMemoryStream& d = Document();
    Mesure(state, [&d] { benchmark::DoNotOptimize(Scan(d.Memory(), static_cast<size_t>(d.Size()))); });
}

void BM_XmlEcriture(benchmark::State& state)
{
    const int64_t taille = Document().Size();
    Mesure(state, [taille] {
        TMemoryStream m;
        m.SetCapacity(taille);
        TXmlMemoryStreamWriter w(&m, true);
        EcritDocument(w);
    });
}

void BM_XmlLecture(benchmark::State& state)
{
    TMemoryStream& d = Document();
    Mesure(state, [&d] {
        d.SetPosition(0);
        TXmlStreamReader r(d);
        size_t jetons = 0, octets = 0;
        for (uint8_t j = r.ElementSuivant(); j != xmlFinFlux; j = r.ElementSuivant()) {
            ++jetons;
            if (j == xmlComplet)
                octets += r.Texte().size() + r.ValeurAttribut("Joueur").size();
        }
        benchmark::DoNotOptimize(jetons);
        benchmark::DoNotOptimize(octets);
    });
}

}   // namespace

BENCHMARK(BM_XmlScanOctets)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XmlEcriture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XmlLecture)->Unit(benchmark::kMillisecond);
