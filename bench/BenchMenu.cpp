// The whole menu over the large generated season of each sport (40
// championships of 20 teams, 5,000 players, a cup and a play-off, matchdays
// still to play): every command of the tree that shows a view is chosen in
// the main window, offscreen, from another view, and timed until its events
// are processed. Each command's time is printed (slowest first); the counters
// give the slowest and how many miss the target of 200 ms.
//   build/bench/bench_brivantel --benchmark_filter=Menu
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/BenchAppli.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "shell/Commandes.h"
#include "shell/Globales.h"
#include "shell/w_Principale.h"
#include "tests/support/SaisonParcours.h"
#include "ui/Dessin.h"

namespace {

// The program's data, from the sources.
std::string Donnees() { return BZ_BENCH_DATA_DIR; }

void Application_() { AppliBanc(); }

// A program folder of its own with a settings file that starts without dialogs.
std::string Programme(int sport)
{
    namespace fs = std::filesystem;
    const fs::path d = fs::temp_directory_path() / ("bz_bench_menu" + std::to_string(sport) + "_" + std::to_string(::getpid()));
    fs::remove_all(d);
    fs::create_directories(d / "sauvegarde");
    for (const char* s : {"texte", "config", "designs", "help", "connexion.xml"})
        fs::copy(fs::path(Donnees()) / s, d / s, fs::copy_options::recursive);
    SetRepertoireProgramme(d.string());
    TIniFile ini((d / "brivantel.ini").string());
    ini.WriteString("General", "Langue", "fr");
    ini.WriteBool("General", "FirstLaunch", false);
    ini.WriteBool("General", "ShowAstuce", false);
    return d.string();
}

// The main window, its own messages counted and answered.
class Fenetre : public Tf_Principale
{
public:
    using Tf_Principale::Tf_Principale;
    int Messages = 0;
    int AfficheMessage(const std::string&, int) override
    {
        ++Messages;
        return mrOk;
    }
};

// Commands of the tree that do not show a view: files, dialogs, actions.
bool PasUneVue(int c)
{
    static const int ids[] = {5,   6,   7,   8,   9,   11,  12,  22,  131, 144, 145, 146, 176, 177, 178, 179, 180,
                              181, 182, 192, 193, 194, 197, 198, 215, 219, 220, 226, 227, 228, 229, 232, 261};
    return std::find(std::begin(ids), std::end(ids), c) != std::end(ids) || CommandeSansAction(c);
}

void BM_MenuParcours(benchmark::State& state)
{
    const int sport = static_cast<int>(state.range(0));
    Application_();
    // Message boxes take their default button and file dialogs are cancelled.
    int boites = 0;
    SetMessageHook([&boites](const TMessageRequest& m) {
        ++boites;
        return m.DefaultResult;
    });
    SetDialogHook([](TCommonDialog&) { return false; });
    const std::string dir = Programme(sport);
    if (!Dessin)
        new TDessin(Application, Donnees() + "/");
    const std::string fichier = MakePath(dir, "sauvegarde/grande.xmc");
    {
        essai::TParamsGrandeSaison p;
        p.sport = sport;
        p.nbJoues = 30;
        p.coupe = true;
        p.barrage = true;
        auto g = essai::GenereGrandeSaison(p);
        essai::OptionsParcours(*g);
        TTraiteurFichier::Sauver(fichier, g->saison.get(), nullptr, "", "", nullptr, {}, false);
    }
    ModifSaison = 0;
    TOwned<Fenetre> f(new Fenetre(nullptr));
    Application->SetMainForm(f.get());
    f->Show();
    for (int i = 0; i < 200 && f->PremiereActivation; ++i)
        Application->ProcessMessages();
    f->OpenFile(fichier);
    if (!f->Saison) {
        state.SkipWithError("season not opened");
        return;
    }
    // Any dialog a view asks on the way is cancelled at once.
    TTimer veille(nullptr);
    veille.SetInterval(5);
    veille.OnTimer = [](TObject*) {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (Screen->Forms(i)->Modal())
                Screen->Forms(i)->SetModalResult(mrCancel);
    };
    veille.SetEnabled(true);

    std::vector<int> commandes;
    for (TTreeNode* n = f->tv_Menu->Items().GetFirstNode(); n; n = n->GetNext()) {
        const int c = static_cast<int>(n->Data);
        if (c >= PremiereCommande && c <= DerniereCommandeMenu && !PasUneVue(c) &&
            std::find(commandes.begin(), commandes.end(), c) == commandes.end())
            commandes.push_back(c);
    }
    const TDonneesChampionnat* courant = f->Saison->ChampionnatCourant();
    std::vector<std::pair<double, int>> temps;
    for (auto _ : state) {
        temps.clear();
        for (int c : commandes) {
            state.PauseTiming();
            f->FermeFenetreEnfant();
            Application->ProcessMessages();
            f->ParametresMemorises[1] = courant->DerniereJournee;
            state.ResumeTiming();
            const auto t0 = std::chrono::steady_clock::now();
            int param = c >= 121 && c <= 130 ? 0 : -1;
            f->MenuDispatch("", static_cast<uint32_t>(c), nullptr, param, false);
            Application->ProcessMessages();
            temps.emplace_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count(), c);
        }
    }
    veille.SetEnabled(false);
    std::sort(temps.rbegin(), temps.rend());
    int lentes = 0;
    std::printf("menu walk, sport %d: %zu views (ms, command):", sport, temps.size());
    for (size_t i = 0; i < temps.size(); ++i) {
        lentes += temps[i].first > 200;
        std::printf("%s%.0f %d", i % 12 ? ", " : "\n  ", temps[i].first, temps[i].second);
    }
    std::printf("\n");
    state.counters["vues"] = static_cast<double>(temps.size());
    state.counters["max_ms"] = temps.empty() ? 0 : temps.front().first;
    state.counters["plus_lente"] = temps.empty() ? 0 : temps.front().second;
    state.counters["sur_200ms"] = lentes;
    state.counters["messages"] = f->Messages + boites;
    ModifSaison = 0;
    Application->SetMainForm(nullptr);
    f.reset();
    SetMessageHook(nullptr);
    SetDialogHook(nullptr);
}
BENCHMARK(BM_MenuParcours)->DenseRange(0, 3)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
