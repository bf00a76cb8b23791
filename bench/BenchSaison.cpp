// The season road on a large generated season of each sport (40 championships
// of 20 teams in full double round robins, 5,000 players, line-ups with
// substitutions and events, or box scores; tests/support/GrandeSaison.h):
//
//   SaisonEcritDocument   the season document into memory
//   SaisonLitDocument     the same bytes read back into a new season
//   SaisonSauve           the season file saved (document, deflate, archive,
//                         read back and compared, synced, renamed)
//   SaisonSauveUnCoeur    the same, the process pinned to one core (processor
//                         time, against zlib's deflate on that core)
//   SaisonOuvre           the season file opened (archive, inflate, document,
//                         model)
//   SaisonClassements     the general table of every championship
//   SaisonPositions       the positions after every matchday of one championship
//   SaisonRecompte        the players' statistics recount of the whole season
//
// Each reports its peak heap use ("pic_Mo") and, where one fits, its ratio to
// a reference measured in the same run on the same bytes: "x_scan" against a
// byte scan of the document for '<', "x_deflate" against zlib's deflate of the
// document at the archive's level (9), "x_parcours" against a plain walk of
// the match data. The opening has two: "x_reference" against zlib's inflate of
// the file's own member plus the byte scan, "x_plancher" against the same with
// the program's codec (libdeflate), both into a stream given its room as the
// archive gives it to the document, and measured in each of its iterations
// just before it, in processor time; its time column is the opening alone.
// Run:
//   build/bench/bench_brivantel --benchmark_filter=Saison
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <zip.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "bench/BenchLecture.h"
#include "bench/BenchMemoire.h"
#include "engine/CalculClassement.h"
#include "files/ChargeurSaison.h"
#include "files/ZipArchive.h"
#include "model/ChampionnatStat.h"
#include "model/Saison_Stats.h"
#include "model/ioXml.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Streams.h"
#include "tests/support/GrandeSaison.h"
#include "tests/support/UnCoeur.h"

namespace {

using Horloge = std::chrono::steady_clock;

double Secondes(Horloge::time_point debut)
{
    return std::chrono::duration<double>(Horloge::now() - debut).count();
}

// The best of a few runs of f, in seconds.
template <class F>
double Meilleur(F&& f, int fois = 5)
{
    double m = 1e9;
    for (int k = 0; k < fois; ++k) {
        const auto debut = Horloge::now();
        f();
        m = std::min(m, Secondes(debut));
    }
    return m;
}

size_t Scan(std::string_view d)
{
    size_t n = 0;
    for (const char c : d)
        n += c == '<';
    return n;
}

std::string Deflate(const std::string& d, int niveau)
{
    z_stream z{};
    deflateInit2(&z, niveau, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);   // raw, as in the archive
    std::string sortie(deflateBound(&z, d.size()), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(d.data()));
    z.avail_in = static_cast<uInt>(d.size());
    z.next_out = reinterpret_cast<Bytef*>(sortie.data());
    z.avail_out = static_cast<uInt>(sortie.size());
    deflate(&z, Z_FINISH);
    sortie.resize(z.total_out);
    deflateEnd(&z);
    return sortie;
}

// The deflated bytes of the document's member of a season file, as stored.
std::string MembreCompresse(const std::string& fichier)
{
    std::string paquet;
    int erreur = 0;
    zip_t* za = zip_open(fichier.c_str(), ZIP_RDONLY, &erreur);
    if (!za)
        return paquet;
    const zip_int64_t index = zip_name_locate(za, TChargeurXmp::NomMembre, ZIP_FL_NOCASE);
    zip_stat_t st;
    zip_stat_init(&st);
    if (index >= 0 && zip_stat_index(za, static_cast<zip_uint64_t>(index), 0, &st) == 0 &&
        (st.valid & ZIP_STAT_COMP_SIZE)) {
        if (zip_file_t* f = zip_fopen_index(za, static_cast<zip_uint64_t>(index), ZIP_FL_COMPRESSED)) {
            paquet.resize(static_cast<size_t>(st.comp_size));
            size_t lu = 0;
            while (lu < paquet.size()) {
                const zip_int64_t n = zip_fread(f, paquet.data() + lu, paquet.size() - lu);
                if (n <= 0)
                    break;
                lu += static_cast<size_t>(n);
            }
            paquet.resize(lu);
            zip_fclose(f);
        }
    }
    zip_discard(za);
    return paquet;
}

// The opening's references: the member inflated into a stream that has its
// room as the archive gives it to the document (the program's buffer, made
// afresh at each opening as the program makes it), then scanned. Each answers
// the count of '<', or -1 when the bytes do not inflate to the document.
long long InflateScanZlib(const std::string& paquet, size_t taille)
{
    TMemoryStream m;
    DimensionneFlux(m, static_cast<int64_t>(taille));
    z_stream z{};
    inflateInit2(&z, -15);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(paquet.data()));
    z.avail_in = static_cast<uInt>(paquet.size());
    z.next_out = m.Memory();
    z.avail_out = static_cast<uInt>(taille);
    const int r = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    if (r != Z_STREAM_END || z.total_out != taille)
        return -1;
    return static_cast<long long>(Scan(std::string_view(reinterpret_cast<const char*>(m.Memory()), taille)));
}

long long InflateScanLibdeflate(const std::string& paquet, size_t taille)
{
    TMemoryStream m;
    DimensionneFlux(m, static_cast<int64_t>(taille));
    libdeflate_decompressor* d = libdeflate_alloc_decompressor();
    size_t fait = 0;
    const auto r = libdeflate_deflate_decompress(d, paquet.data(), paquet.size(), m.Memory(), taille, &fait);
    libdeflate_free_decompressor(d);
    if (r != LIBDEFLATE_SUCCESS || fait != taille)
        return -1;
    return static_cast<long long>(Scan(std::string_view(reinterpret_cast<const char*>(m.Memory()), taille)));
}

// The plain walk: every record and line-up slot of the played matchdays.
long long Parcours(const TSourceStats& source)
{
    long long somme = 0;
    for (const TDonneesChampionnat* c : source.Championnats)
        for (int n = DerniereJourneeJouee(*c); n >= 1; --n) {
            const TInfoCompJour* j = c->Journee(n);
            for (int t = 2; t <= 7; ++t)
                if (const TListeDonnees* l = j->Liste(t))
                    for (int i = 0; i < l->Nombre(); ++i)
                        somme += l->Donnee(i)->IdJoueur() + l->Donnee(i)->Mot();
            for (int code = 5; code <= 36; ++code)
                if (const TListeDonnees* l = j->ListeStat(code, source.Sport))
                    for (int i = 0; i < l->Nombre(); ++i)
                        somme += l->Donnee(i)->IdJoueur() + l->Donnee(i)->Mot();
            for (int i = 0; i < j->NbMatchs(); ++i) {
                const TInfoComp& m = *j->Match(i);
                for (int cote = 0; cote < 2; ++cote)
                    for (int s = 1; s <= m.NbTitulaire(); ++s)
                        somme += m.JoueurTitulaire(m.IdEquipe(cote), s);
            }
        }
    return somme;
}

// Everything a sport's benchmarks share, made once.
struct TBanc
{
    std::unique_ptr<essai::TGrandeSaison> g;
    std::string document;
    std::string fichier;
    std::string paquet;   // the document deflated at level 9, raw
    double scan = 0, deflate = 0, parcours = 0;
    size_t tailleFichier = 0;

    explicit TBanc(int sport)
    {
        essai::TParamsGrandeSaison p;
        p.sport = sport;
        g = essai::GenereGrandeSaison(p);
        TMemoryStream m;
        TChargeurXmp::EcritDocument(*g->saison, m);
        document.assign(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
        fichier = GetTempDir() + "bench_saison_" + std::to_string(::getpid()) + "_" + std::to_string(sport) + ".xmc";
        TChargeurXmp(fichier, "Dll\\").Sauve(*g->saison, {});
        tailleFichier = static_cast<size_t>(FileSize(fichier));

        scan = Meilleur([&] { benchmark::DoNotOptimize(Scan(document)); });
        deflate = Meilleur([&] { paquet = Deflate(document, 9); }, 2);
        const TSourceStats source = SourceStats(*g->saison);
        parcours = Meilleur([&] { benchmark::DoNotOptimize(Parcours(source)); });
    }
    ~TBanc() { DeleteFile(fichier); }
};

TBanc& Banc(int sport)
{
    static std::unique_ptr<TBanc> bancs[4];
    auto& b = bancs[sport & 3];
    if (!b)
        b = std::make_unique<TBanc>(sport & 3);
    return *b;
}

// Runs one pass per iteration, timing it and its peak heap use; the counters
// give the size of the document and the ratio to the reference (seconds).
template <class F>
void Mesure(benchmark::State& state, const TBanc& b, F&& passe, const char* nomRatio, double reference)
{
    double total = 0;
    int64_t picMax = 0;
    for (auto _ : state) {
        const auto debut = Horloge::now();
        memoire::Debut();
        passe();
        picMax = std::max(picMax, memoire::Fin());
        total += Secondes(debut);
    }
    const double parPasse = total / static_cast<double>(state.iterations());
    state.counters["pic_Mo"] = static_cast<double>(picMax) / (1 << 20);
    state.counters["doc_Mo"] = static_cast<double>(b.document.size()) / (1 << 20);
    if (nomRatio && reference > 0)
        state.counters[nomRatio] = parPasse / reference;
}

void BM_SaisonEcritDocument(benchmark::State& state)
{
    TBanc& b = Banc(static_cast<int>(state.range(0)));
    Mesure(
        state, b,
        [&] {
            TMemoryStream m;
            TChargeurXmp::EcritDocument(*b.g->saison, m);
            benchmark::DoNotOptimize(m.Size());
        },
        "x_scan", b.scan);
}

// The save's check that the document reads back (a walk of its tags).
void BM_SaisonRelitDocument(benchmark::State& state)
{
    TBanc& b = Banc(static_cast<int>(state.range(0)));
    TMemoryStream m;
    m.WriteBuffer(b.document.data(), static_cast<long>(b.document.size()));
    Mesure(
        state, b, [&] { benchmark::DoNotOptimize(TChargeurXmp::DocumentLisible(m)); }, "x_scan", b.scan);
}

void BM_SaisonLitDocument(benchmark::State& state)
{
    const int sport = static_cast<int>(state.range(0));
    TBanc& b = Banc(sport);
    TMemoryStream m;
    m.WriteBuffer(b.document.data(), static_cast<long>(b.document.size()));
    Mesure(
        state, b,
        [&] {
            m.SetPosition(0);
            LitDocumentEssai(m, sport);
        },
        "x_scan", b.scan);
}

void BM_SaisonSauve(benchmark::State& state)
{
    TBanc& b = Banc(static_cast<int>(state.range(0)));
    Mesure(
        state, b, [&] { TChargeurXmp(b.fichier, "Dll\\").Sauve(*b.g->saison, {}); }, "x_deflate", b.deflate);
    state.counters["fichier_Mo"] = static_cast<double>(b.tailleFichier) / (1 << 20);
}

double SecondesCpu()
{
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// The save pinned to one core, against zlib's level 9 on the same core just
// before it in each iteration. Both in processor time of the process: on a
// shared machine the core's other tenants would otherwise count.
void BM_SaisonSauveUnCoeur(benchmark::State& state)
{
    TBanc& b = Banc(static_cast<int>(state.range(0)));
    essai::TUnCoeur unCoeur;
    double sauve = 0, zlib = 0;
    for (auto _ : state) {
        double t = SecondesCpu();
        benchmark::DoNotOptimize(Deflate(b.document, 9));
        zlib += SecondesCpu() - t;
        t = SecondesCpu();
        TChargeurXmp(b.fichier, "Dll\\").Sauve(*b.g->saison, {});
        sauve += SecondesCpu() - t;
    }
    state.counters["x_deflate"] = sauve / zlib;
    state.counters["sauve_ms"] = 1000 * sauve / static_cast<double>(state.iterations());
    state.counters["fichier_Mo"] = static_cast<double>(FileSize(b.fichier)) / (1 << 20);
}

// The opening against its references (the member inflated and scanned, by
// zlib, then by libdeflate) measured just before it in each iteration. The
// ratios are of processor time, as the one-core save's: on a shared machine
// the wall clock counts the other tenants' turns too (the wall-clock times and
// ratio are given beside). The time column is the opening's own, on the wall
// clock; the season is freed inside it.
void BM_SaisonOuvre(benchmark::State& state)
{
    const int sport = static_cast<int>(state.range(0));
    TBanc& b = Banc(sport);
    const auto balises = static_cast<long long>(Scan(b.document));
    // The member as the file holds it now (the saves before may have written it).
    const std::string membre = MembreCompresse(b.fichier);
    const auto ouvre1 = [&] {
        std::unique_ptr<TSaison> s;
        TChargeurXmp c(b.fichier, "Dll\\");
        return c.Charge(s, EnsembleSport(sportTous), {}, true, nullptr) == etatCharge;
    };
    // The peak heap use is taken in an opening of its own, before the timed
    // ones: counting every allocation would slow the opening, not the
    // references.
    memoire::Debut();
    ouvre1();
    const int64_t pic = memoire::Fin();
    double ouvre = 0, reference = 0, plancher = 0, ouvreMur = 0, referenceMur = 0;
    for (auto _ : state) {
        auto debut = Horloge::now();
        double cpu = SecondesCpu();
        const bool zlibJuste = InflateScanZlib(membre, b.document.size()) == balises;
        reference += SecondesCpu() - cpu;
        referenceMur += Secondes(debut);
        cpu = SecondesCpu();
        const bool libdeflateJuste = InflateScanLibdeflate(membre, b.document.size()) == balises;
        plancher += SecondesCpu() - cpu;
        debut = Horloge::now();
        cpu = SecondesCpu();
        const bool ouvert = ouvre1();
        ouvre += SecondesCpu() - cpu;
        const double t = Secondes(debut);
        if (!zlibJuste || !libdeflateJuste || !ouvert) {
            state.SkipWithError(!ouvert ? "the season file does not open"
                                        : "the member does not inflate to the document");
            break;
        }
        ouvreMur += t;
        state.SetIterationTime(t);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["pic_Mo"] = static_cast<double>(pic) / (1 << 20);
    state.counters["doc_Mo"] = static_cast<double>(b.document.size()) / (1 << 20);
    state.counters["ouvre_ms"] = 1000 * ouvre / n;
    state.counters["reference_ms"] = 1000 * reference / n;
    state.counters["plancher_ms"] = 1000 * plancher / n;
    state.counters["x_reference"] = ouvre / reference;
    state.counters["x_plancher"] = ouvre / plancher;
    state.counters["ouvre_mur_ms"] = 1000 * ouvreMur / n;
    state.counters["x_reference_mur"] = ouvreMur / referenceMur;
}

void BM_SaisonClassements(benchmark::State& state)
{
    TBanc& b = Banc(static_cast<int>(state.range(0)));
    const auto champs = b.g->saison->Arbre().ListeChampionnats();
    Mesure(
        state, b,
        [&] {
            for (TDonneesChampionnat* c : champs) {
                TCalculClassement calcul(c, b.g->saison.get());
                benchmark::DoNotOptimize(calcul.Calcule(clsGeneral, 0, 0));
                benchmark::DoNotOptimize(calcul.ValeurLigne(0, 1));
            }
        },
        nullptr, 0);
    state.counters["par_table"] = benchmark::Counter(static_cast<double>(champs.size()),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_SaisonPositions(benchmark::State& state)
{
    TBanc& b = Banc(static_cast<int>(state.range(0)));
    TDonneesChampionnat* c = b.g->champs.front();
    const int nbJour = c->NbJour();
    std::vector<int> positions(static_cast<size_t>(nbJour * c->NbEquipe()));
    Mesure(
        state, b,
        [&] {
            TCalculClassement calcul(c, b.g->saison.get());
            for (int m = 1; m <= nbJour; ++m) {
                const int nb = calcul.Calcule(clsGeneral, m, m);
                for (int r = 0; r < nb; ++r)
                    positions[static_cast<size_t>((m - 1) * c->NbEquipe() + calcul.ValeurLigne(r, 1))] = r + 1;
            }
            benchmark::DoNotOptimize(positions.data());
        },
        nullptr, 0);
    state.counters["par_journee"] = benchmark::Counter(
        nbJour, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_SaisonRecompte(benchmark::State& state)
{
    TBanc& b = Banc(static_cast<int>(state.range(0)));
    const TSourceStats source = SourceStats(*b.g->saison);
    Mesure(
        state, b,
        [&] {
            TRapportStats r = CalculeStatJoueurs(source);
            benchmark::DoNotOptimize(r);
        },
        "x_parcours", b.parcours);
    state.counters["joueurs"] = static_cast<double>(b.g->saison->Joueurs().NbJoueur());
}

void Sports(benchmark::internal::Benchmark* b)
{
    b->ArgName("sport")->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);
}

}   // namespace

BENCHMARK(BM_SaisonEcritDocument)->Apply(Sports);
BENCHMARK(BM_SaisonRelitDocument)->Apply(Sports);
BENCHMARK(BM_SaisonLitDocument)->Apply(Sports);
BENCHMARK(BM_SaisonSauve)->Apply(Sports);
BENCHMARK(BM_SaisonSauveUnCoeur)->Apply(Sports);
BENCHMARK(BM_SaisonOuvre)->Apply(Sports)->UseManualTime();
BENCHMARK(BM_SaisonClassements)->Apply(Sports);
BENCHMARK(BM_SaisonPositions)->Apply(Sports);
BENCHMARK(BM_SaisonRecompte)->Apply(Sports);
