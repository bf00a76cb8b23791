// The files beside the seasons at their largest.
//
// Demarrage/<kind>: the main window created and brought to its first
// activation, offscreen, on a program folder whose settings file is
// 0 ordinary, 1 "[LastFile] Count=2147483647", 2 values of 20 MB (the design
// number, an unknown key and a recent file), 3 both. The counter "rapport"
// gives the time over the ordinary start of the same run. Target: under a
// second of work, a ratio near 1.
//
// Connexions/<n>: connection settings of n sites of mixed sports read from
// their file; the counter "s_par_site" stays flat as n grows (linear reading).
//   build/bench/bench_brivantel --benchmark_filter='Demarrage|Connexions'
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <unistd.h>

#include "bench/BenchAppli.h"
#include "net/Connexions.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Files.h"
#include "platform/sys/WinInet.h"
#include "shell/Globales.h"
#include "shell/w_Principale.h"
#include "ui/Dessin.h"

namespace {

std::string Donnees() { return BZ_BENCH_DATA_DIR; }

// A program folder of its own whose settings file is of the given kind.
std::string Programme(int genre)
{
    namespace fs = std::filesystem;
    const fs::path d = fs::temp_directory_path() / ("bz_bench_annexes" + std::to_string(genre) + "_" + std::to_string(::getpid()));
    fs::remove_all(d);
    fs::create_directories(d);
    for (const char* s : {"texte", "config", "designs", "help", "connexion.xml"})
        fs::copy(fs::path(Donnees()) / s, d / s, fs::copy_options::recursive);
    std::string ini = "[General]\r\nLangue=fr\r\nFirstLaunch=0\r\nShowAstuce=0\r\n";
    const std::string enorme(20 * 1024 * 1024, '7');
    if (genre & 2)
        ini += "ModeleDesign=" + enorme + "\r\nInconnue=" + enorme + "\r\n";
    ini += "[LastFile]\r\n";
    ini += (genre & 1) ? "Count=2147483647\r\n" : "Count=2\r\n";
    ini += "File0=" + ((genre & 2) ? enorme : std::string("/saisons/a.xmc")) + "\r\nFile1=/saisons/b.xmc\r\n";
    WriteFileAtomic((d / "brivantel.ini").string(), ini);
    return d.string();
}

// The time from the window's creation to its first activation (its closing,
// which writes the settings, is not counted).
double Demarre(const std::string& dossier)
{
    SetRepertoireProgramme(dossier);
    const auto debut = std::chrono::steady_clock::now();
    Application->Tag = 0;
    TOwned<Tf_Principale> f(new Tf_Principale(nullptr));
    Application->SetMainForm(f.get());
    f->Show();
    for (int i = 0; i < 200 && f->PremiereActivation && Application->Tag == 0; ++i)
        Application->ProcessMessages();
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    Application->SetMainForm(nullptr);
    f.reset();
    return s;
}

void BM_Demarrage(benchmark::State& state)
{
    AppliBanc();
    SetInternetConnectedStateOverride(0);
    SetMessageHook([](const TMessageRequest& m) { return m.DefaultResult; });
    SetDialogHook([](TCommonDialog&) { return false; });
    if (!Dessin)
        new TDessin(Application, Donnees() + "/");
    const std::string ordinaire = Programme(0);
    const std::string dossier = Programme(static_cast<int>(state.range(0)));
    // As at a start, the settings file was written well before (a file
    // changed within the last seconds is read afresh at every call).
    std::this_thread::sleep_for(std::chrono::seconds(3));
    double reference = 0, total = 0;
    int n = 0;
    for (auto _ : state) {
        reference += Demarre(ordinaire);
        const double s = Demarre(dossier);
        state.SetIterationTime(s);
        total += s;
        ++n;
    }
    state.counters["rapport"] = reference > 0 ? total / reference : 0;
    state.counters["secondes"] = n ? total / n : 0;
    SetInternetConnectedStateOverride(-1);
    SetMessageHook(nullptr);
    SetDialogHook(nullptr);
    std::filesystem::remove_all(ordinaire);
    std::filesystem::remove_all(dossier);
}
BENCHMARK(BM_Demarrage)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

// n sites, sports in a mixed order (the file of a user who added them by hand).
std::string FichierConnexions(int n)
{
    const std::string f = GetTempDir() + "bz_bench_connexion_" + std::to_string(n) + "_" + std::to_string(getpid()) + ".xml";
    std::string x = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<connexion>\r\n<url>http://exemple/</url>\r\n"
                    "<timeout>60000</timeout>\r\n";
    const char* const sports[] = {"murvaline", "gormelide", "pollinarque", "tessavonde", "autre"};
    for (int i = 0; i < n; ++i)
        x += "<siteconnexion>\r\n<url>http://site" + std::to_string(i) + "/</url>\r\n<sport>" + sports[(i * 7) % 5] +
             "</sport>\r\n</siteconnexion>\r\n";
    x += "</connexion>\r\n";
    WriteFileAtomic(f, x);
    return f;
}

void BM_Connexions(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const std::string f = FichierConnexions(n);
    for (auto _ : state) {
        TConnexions c(f);
        benchmark::DoNotOptimize(c.NbSite());
        if (c.NbSite() != n)
            state.SkipWithError("sites lost");
    }
    state.counters["s_par_site"] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    DeleteFile(f);
}
BENCHMARK(BM_Connexions)->Arg(6000)->Arg(60000)->Arg(600000)->Unit(benchmark::kMillisecond);

}   // namespace
