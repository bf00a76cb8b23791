// The championship information window on the largest championship of the
// generated large football season (20 teams, 38 matchdays, events and crowds),
// shown offscreen in a host window: the whole computation of its four pages
// (Calcule), a bar click narrowing the figures to one matchday, one matchday's
// goal distribution, and the figures table of the page-template tag. Target:
// 200 ms a view.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/BenchAppli.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "tests/support/GrandeSaison.h"
#include "ui/Couleurs.h"
#include "views/w_InfoGeneral.h"

namespace {

struct TBancInfo
{
    std::unique_ptr<essai::TGrandeSaison> grande;
    TBancInfo()
    {
        AppliBanc();
        EnregistreInfoGeneral();
        essai::TParamsGrandeSaison p;
        grande = essai::GenereGrandeSaison(p);
        grande->saison->SetChampionnatCourant(grande->champs.front());
    }
};

TBancInfo& Banc()
{
    static TBancInfo banc;
    return banc;
}

void BM_InfoGeneral(benchmark::State& state)
{
    TSaison* s = Banc().grande->saison.get();
    const int vue = static_cast<int>(state.range(0));
    TOwned<TForm> fenetre(new TForm(nullptr));
    fenetre->SetClientWidth(900);
    fenetre->SetClientHeight(640);
    auto* panneau = new TPanel(fenetre.get());
    panneau->SetAlign(alClient);
    panneau->SetParent(fenetre.get());
    Tf_InfoGeneral* f = ClasseInfoGeneral(s)->Cree(fenetre.get());
    f->ChangeCouleurs(TCouleurElement{});
    f->ChangeSaison(s);
    IntegreFiche(f, panneau);
    fenetre->Show();
    f->Calcule(1);
    if (f->Serie(1).empty())
        state.SkipWithError("no matchday counted");
    const int j = s->ChampionnatCourant()->DerniereJournee;
    for (auto _ : state) {
        switch (vue) {
        case 0: f->Calcule(1 + state.iterations() % 4); break;   // the four pages computed
        case 1: {
            TCompteursMinutes m{};
            f->CalculeChiffres(2, m, false, j);   // a bar click
            break;
        }
        case 2: f->AfficheRepartition(j); break;   // one matchday's distribution
        default: {
            std::string html;
            f->Classe().TableStatHTML(s, 0, {"#000080", "#F0E020", "#C0C0C0", "#FFFFFF", "#000000"}, html);
            benchmark::DoNotOptimize(html.size());
            break;
        }
        }
        benchmark::DoNotOptimize(f->Serie(1).size());
    }
    state.counters["matches"] = StrToIntDef(f->L("Label41")->Caption(), 0);
    state.counters["matchdays"] = j;
}
BENCHMARK(BM_InfoGeneral)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
