// The lists a match, a matchday or a championship holds, read from a season
// document that makes one of them long: a small football season whose first
// match, first matchday or first championship gets n elements of one shape.
// Each benchmark reads the document of n elements and, as its reference, the
// same shape with a quarter of them, measured in the same run: the counter
// "x_quart" is the ratio of the two times, about 4 for a reading that grows
// with its document, 16 for one that grows as its square.
// Run:
//   build/bench/bench_brivantel --benchmark_filter=ListeLue
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "bench/BenchLecture.h"
#include "files/ChargeurSaison.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/ioXml.h"
#include "platform/rtl/Streams.h"
#include "tests/support/GrandeSaison.h"

namespace {

struct TForme
{
    const char* nom;
    const char* avant;   // the end tag the elements go before (its first one)
    std::function<std::string(size_t i)> element;
    size_t n;
    const char* ouvre = "";   // around the elements
    const char* ferme = "";
    int equipes = 0;          // teams 100, 101, ... added to the season's
};

std::string Nombre(const char* balise, size_t v)
{
    return std::string("<") + balise + ">" + std::to_string(v) + "</" + balise + ">";
}

const TForme Formes[] = {
    // Shoot-outs set aside, each with a score of its own, then the same few
    // scores again and again (the last one of a score is kept).
    {"tirs_retires", "</Match>",
     [](size_t i) {
         return "<TirsRetires>" + Nombre("s1", 4) + Nombre("s2", 3) + Nombre("Score1", i % 30000) +
                Nombre("Score2", i / 30000) + "</TirsRetires>";
     },
     160000},
    {"tirs_retires_repetes", "</Match>",
     [](size_t i) {
         return "<TirsRetires>" + Nombre("s1", 4 + i % 7) + Nombre("s2", 3) + Nombre("Score1", i % 5) +
                Nombre("Score2", i % 5) + "</TirsRetires>";
     },
     160000},
    // Event records of one match.
    {"buteurs", "</Match>",
     [](size_t i) { return "<Buteur Equipe=\"1\">" + Nombre("Joueur", 1 + i % 50) + Nombre("Minute", i % 90) + "</Buteur>"; },
     160000},
    // A line-up's entries: more than its slots, in the number form and in
    // the names form (a substitute names the player going off by his place).
    {"titulaires", "</Match>", [](size_t i) { return "<Tit ID=\"" + std::to_string(1 + i % 50) + "\"/>"; }, 160000,
     "<Compo Equipe=\"1\">", "</Compo>"},
    {"compo_noms", "</Match>",
     [](size_t i) {
         return "<Rempl ID=\"12\" IdRemp=\"" + std::to_string(1 + i % 11) + "\">" + "<Nom>Nom" + std::to_string(i % 40) +
                "</Nom><Prenom>P</Prenom></Rempl>";
     },
     40000, "<Compo>", "</Compo>"},
    // Matches of one matchday, each of its own pair of teams, and forfeits.
    {"matchs", "</Journee>",
     [](size_t i) { return "<Match>" + Nombre("e1", 100 + i % 200) + Nombre("e2", 100 + i / 200) + "</Match>"; }, 40000,
     "", "", 200},
    {"forfaits", "</Journee>",
     [](size_t i) {
         return "<Match>" + Nombre("e1", 100 + i % 200) + Nombre("e2", 100 + i / 200) + Nombre("s1", 3) +
                Nombre("s2", 0) + Nombre("Forfait", 1) + "</Match>";
     },
     40000, "", "", 200},
    // The championship's penalties and match states, matchday by matchday.
    {"penalites", "</Championnat>",
     [](size_t i) {
         return "<Penalite>" + Nombre("e1", i % 4) + Nombre("e2", 0) + Nombre("s1", 1) + Nombre("s2", 0) +
                Nombre("Journee", i * 256 / 160000) + Nombre("Type", 5) + "</Penalite>";
     },
     160000},
};

std::string Document(const TForme& f, size_t n)
{
    static const std::string base = [] {
        auto g = essai::GenerePetiteSaison(0, 1, 4);
        TMemoryStream m;
        TChargeurXmp::EcritDocument(*g->saison, m);
        return std::string(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
    }();
    std::string elements = f.ouvre;
    for (size_t i = 0; i < n; ++i)
        elements += f.element(i);
    elements += f.ferme;
    std::string d = base;
    d.insert(d.find(f.avant), elements);
    std::string equipes;
    for (int t = 0; t < f.equipes; ++t)
        equipes += "<Equipe>" + Nombre("ID", 100 + t) + "<Nom>Equipe " + std::to_string(t) + "</Nom></Equipe>";
    d.insert(d.find("</Equipes>"), equipes);
    return d;
}

// One reading of the document into a new season, in seconds.
double Lit(const std::string& document)
{
    TMemoryStream m;
    m.WriteBuffer(document.data(), static_cast<long>(document.size()));
    m.SetPosition(0);
    const auto debut = std::chrono::steady_clock::now();
    LitDocumentEssai(m, 0);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

void BM_ListeLue(benchmark::State& state)
{
    const TForme& f = Formes[state.range(0)];
    state.SetLabel(f.nom);
    const std::string grand = Document(f, f.n), quart = Document(f, f.n / 4);
    double meilleur = 1e9, reference = 1e9;
    for (auto _ : state) {
        for (int k = 0; k < 3; ++k)
            reference = std::min(reference, Lit(quart));
        const double t = Lit(grand);
        state.SetIterationTime(t);
        meilleur = std::min(meilleur, t);
    }
    state.counters["elements"] = static_cast<double>(f.n);
    state.counters["doc_Mo"] = static_cast<double>(grand.size()) / (1 << 20);
    state.counters["x_quart"] = meilleur / reference;
}

void Formes_(benchmark::internal::Benchmark* b)
{
    for (size_t i = 0; i < std::size(Formes); ++i)
        b->Arg(static_cast<int64_t>(i));
}

}   // namespace

BENCHMARK(BM_ListeLue)->Apply(Formes_)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
