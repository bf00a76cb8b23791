// The whole menu over the large generated season of each sport (40
// championships of 20 teams, 5,000 players, a cup and a play-off, matchdays
// still to play): every command of the tree and of the menu bar that shows a
// view is chosen in the main window, offscreen, from another view, and timed
// until its events are processed. The program's start-up registrations are
// made first (the sports' match pages, options and championship information),
// and a history file of the season is remembered, as a user's choice of one
// would be. The club card, a modal window after the choice of a team, is timed
// until it shows. Each command's time is printed (slowest first); the counters
// give the views timed ("vues"), those timed at 0 ms, which showed nothing
// ("vues_a_zero"), the slowest and how many miss the target of 200 ms.
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

#include "app/Demarrage.h"
#include "bench/BenchAppli.h"
#include "engine/historique.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "records/w_FicheClub.h"
#include "shell/Aide.h"
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

// The application and what the program registers at its start, once.
void Application_()
{
    AppliBanc();
    static bool enregistre = false;
    if (!enregistre) {
        EnregistreDemarrage();
        enregistre = true;
    }
}

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
    // The menu bar beside the tree: the walk takes the commands of both.
    ini.WriteBool("General", "MenuHaut", true);
    ini.WriteBool("General", "MenuGauche", true);
    return d.string();
}

// The main window, its own messages counted and answered.
class Fenetre : public Tf_Principale
{
public:
    using Tf_Principale::Tf_Principale;
    int Messages = 0;
    int Reponse = mrOk;
    int AfficheMessage(const std::string&, int) override
    {
        ++Messages;
        return Reponse;
    }
};

// The commands of a menu bar's items and of all their sub-items.
void CommandesBarre(const TMenuItem* item, std::vector<int>& commandes)
{
    for (int i = 0; i < item->Count(); ++i) {
        commandes.push_back(static_cast<int>(item->Items(i)->Tag));
        CommandesBarre(item->Items(i), commandes);
    }
}

// Commands of the tree that do not show a view: files, dialogs, actions.
bool PasUneVue(int c)
{
    static const int ids[] = {5,   6,   7,   8,   9,   11,  12,  22,  144, 145, 146, 176, 177, 178, 179, 180,
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
    const TDonneesChampionnat* courant = f->Saison->ChampionnatCourant();
    // A history file of the season, made by the program's own command, is the
    // one the history commands show (as if chosen once in their dialog).
    f->Reponse = mrYes;
    int param = -1;
    f->MenuDispatch("", 192, nullptr, param, false);
    f->Reponse = mrOk;
    const TStat* histo = f->Stats ? f->Stats->ChercheStat(courant->CodeDivision(), sport) : nullptr;
    const int historique = histo ? f->Stats->IndexStat(histo) : -1;
    if (historique < 0) {
        state.SkipWithError("no history file made");
        return;
    }

    // A dialog a view asks on the way is cancelled at once; for the club card,
    // the choice of a team is accepted and the card, once shown, closed.
    using Horloge = std::chrono::steady_clock;
    bool carte = false;
    Horloge::time_point carteVue{};
    TTimer veille(nullptr);
    veille.SetInterval(1);
    veille.OnTimer = [&](TObject*) {
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TForm* m = Screen->Forms(i);
            if (!m->Modal() || m->ModalResult() != mrNone)
                continue;
            if (dynamic_cast<Tf_FicheClub*>(m)) {
                carteVue = Horloge::now();
                m->SetModalResult(mrCancel);
            } else {
                m->SetModalResult(carte ? mrOk : mrCancel);
            }
        }
    };
    veille.SetEnabled(true);

    std::vector<int> commandes;
    for (TTreeNode* n = f->tv_Menu->Items().GetFirstNode(); n; n = n->GetNext())
        commandes.push_back(static_cast<int>(n->Data));
    const size_t arbre = commandes.size();
    CommandesBarre(f->mm_Menu->Items(), commandes);
    const size_t barre = commandes.size() - arbre;
    {
        std::vector<int> vues;
        for (int c : commandes)
            if (c >= PremiereCommande && c <= DerniereCommandeMenu && !PasUneVue(c) &&
                std::find(vues.begin(), vues.end(), c) == vues.end())
                vues.push_back(c);
        commandes.swap(vues);
    }
    std::vector<std::pair<double, int>> temps;
    for (auto _ : state) {
        temps.clear();
        for (int c : commandes) {
            state.PauseTiming();
            f->FermeFenetreEnfant();
            Application->ProcessMessages();
            f->ParametresMemorises[1] = courant->DerniereJournee;
            f->ParametresMemorises[2] = historique;
            carte = c == 131;
            carteVue = {};
            state.ResumeTiming();
            const auto t0 = Horloge::now();
            param = c >= 121 && c <= 130 ? 0 : -1;
            f->MenuDispatch("", static_cast<uint32_t>(c), nullptr, param, false);
            Application->ProcessMessages();
            const auto t1 = carte ? carteVue : Horloge::now();
            // A card never shown is a view timed at 0 ms.
            temps.emplace_back(t1 > t0 ? std::chrono::duration<double, std::milli>(t1 - t0).count() : 0.0, c);
        }
    }
    veille.SetEnabled(false);
    carte = false;
    std::sort(temps.rbegin(), temps.rend());
    int lentes = 0, aZero = 0;
    std::printf("menu walk, sport %d: %zu views (ms, command):", sport, temps.size());
    for (size_t i = 0; i < temps.size(); ++i) {
        lentes += temps[i].first > 200;
        aZero += temps[i].first < 0.5;
        std::printf("%s%.1f %d", i % 12 ? ", " : "\n  ", temps[i].first, temps[i].second);
    }
    std::printf("\n");
    state.counters["vues"] = static_cast<double>(temps.size());
    state.counters["vues_a_zero"] = aZero;
    state.counters["commandes_arbre"] = static_cast<double>(arbre);
    state.counters["commandes_barre"] = static_cast<double>(barre);
    state.counters["max_ms"] = temps.empty() ? 0 : temps.front().first;
    state.counters["plus_lente"] = temps.empty() ? 0 : temps.front().second;
    state.counters["sur_200ms"] = lentes;
    state.counters["messages"] = f->Messages + boites;
    ModifSaison = 0;
    FermeAides();
    Application->SetMainForm(nullptr);
    f.reset();
    SetMessageHook(nullptr);
    SetDialogHook(nullptr);
}
BENCHMARK(BM_MenuParcours)->DenseRange(0, 3)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
