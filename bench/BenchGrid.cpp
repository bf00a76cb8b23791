// Colour grid: filling a 40-row, 20-column table as the standings do (every
// cell through RemplitCellule, value bars on two columns), then writing it as
// an HTML table and as a page. The counter vs_plain is the ratio of the time to
// that of the same texts put into the window layer's plain cell store and
// joined into one string, measured in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/gui/Grids.h"
#include "platform/rtl/Strings.h"
#include "ui/ColorStringGrid.h"

namespace {

constexpr int kLignes = 40;
constexpr int kColonnes = 20;

const std::vector<std::string>& Textes()
{
    static const std::vector<std::string> textes = [] {
        std::vector<std::string> t;
        for (int r = 0; r < kLignes; ++r)
            for (int c = 0; c < kColonnes; ++c)
                t.push_back(r == 0 ? "Titre " + IntToStr(c)
                                   : c == 1 ? "Equipe numero " + IntToStr(r) : IntToStr((r * 37 + c * 11) % 97));
        return t;
    }();
    return textes;
}

void Remplit(TColorGridModel& g)
{
    const auto& t = Textes();
    g.SetColCount(kColonnes);
    g.SetRowCount(kLignes);
    g.SetFixedCols(0);
    g.ChangeValeursColonne(3, CouleursGraphe(0x00C000, 0xC0FFC0));
    g.ChangeValeursColonne(4, CouleursGraphe(0xC00000, 0xFFC0C0));
    for (int c = 0; c < kColonnes; ++c)
        g.ChangeLargeurColonne(c, c == 1 ? 160 : 40);
    for (int r = 0; r < kLignes; ++r) {
        TColor fond = r % 2 ? 0xFFFFFF : 0xF8CD87;
        for (int c = 0; c < kColonnes; ++c)
            g.RemplitCellule(c, r, t[static_cast<size_t>(r * kColonnes + c)], c == 1 ? 0 : 2, 1, 0, fond, r == 0);
    }
}

const TCouleursHTML kCouleurs = {"#000080", "#C0C0C0", "#FFFFFF", "#F0E020", "#000000"};

double Reference()
{
    const auto& t = Textes();
    auto debut = std::chrono::steady_clock::now();
    constexpr int kTours = 200;
    size_t total = 0;
    for (int i = 0; i < kTours; ++i) {
        TGridCells cells;
        cells.Resize(kColonnes, kLignes);
        for (int r = 0; r < kLignes; ++r)
            for (int c = 0; c < kColonnes; ++c)
                cells.SetCell(c, r, t[static_cast<size_t>(r * kColonnes + c)]);
        std::string s;
        for (int r = 0; r < kLignes; ++r)
            for (int c = 0; c < kColonnes; ++c)
                s += cells.Cell(c, r);
        total += s.size();
        benchmark::DoNotOptimize(total);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count() / kTours;
}

void BM_GrilleRemplissageEtHtml(benchmark::State& state)
{
    double reference = Reference();
    size_t octets = 0;
    auto debut = std::chrono::steady_clock::now();
    for (auto _ : state) {
        TColorGridModel g;
        Remplit(g);
        std::string table;
        g.TableHTML(kCouleurs, table, 0, "#FFFFFF");
        std::string page = g.TexteHTML(true);
        octets = table.size() + page.size();
        benchmark::DoNotOptimize(octets);
    }
    double duree = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    state.counters["html_bytes"] = static_cast<double>(octets);
    if (state.iterations() > 0 && reference > 0)
        state.counters["vs_plain"] = duree / static_cast<double>(state.iterations()) / reference;
}
BENCHMARK(BM_GrilleRemplissageEtHtml)->Unit(benchmark::kMicrosecond);

void BM_GrilleTri(benchmark::State& state)
{
    TColorGridModel g;
    Remplit(g);
    for (auto _ : state) {
        g.TrieColonne(3);
        benchmark::DoNotOptimize(g.LitCellule(3, 1));
    }
}
BENCHMARK(BM_GrilleTri)->Unit(benchmark::kMicrosecond);

}   // namespace
