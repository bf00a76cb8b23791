// Download of a 50 MB file from a local lighttpd by the HTTP client, against
// curl fetching the same file in the same run. Reports the client's
// throughput and its ratio to curl's (x_curl, target at least 0.8).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bench/BenchAppli.h"
#include "net/HttpClient.h"
#include "platform/gui/Forms.h"
#include "platform/sys/AsyncIo.h"
#include "tests/support/ServeursEssai.h"

namespace {

constexpr size_t tailleFichier = 50u << 20;

struct TBancHttp
{
    essai_reseau::TServeurWeb web;
    TBancHttp()
    {
        AppliBanc();
        web.Page("gros.bin", essai_reseau::ContenuFichier(tailleFichier));
    }
};

TBancHttp& Banc()
{
    static TBancHttp banc;
    return banc;
}

// curl's own measure of the transfer, in seconds.
double TempsCurl(const std::string& url)
{
    const std::string commande = "curl -s -o /dev/null -w '%{time_total}' '" + url + "'";
    FILE* f = ::popen(commande.c_str(), "r");
    if (!f)
        return 0;
    double t = 0;
    if (std::fscanf(f, "%lf", &t) != 1)
        t = 0;
    ::pclose(f);
    return t;
}

void BM_TelechargementHttp(benchmark::State& state)
{
    TBancHttp& banc = Banc();
    if (!banc.web.Ok())
    {
        state.SkipWithError("lighttpd did not start");
        return;
    }
    const std::string url = banc.web.Url("/gros.bin");
    double tempsClient = 0, tempsCurl = 0;
    int64_t octets = 0;
    for (auto _ : state)
    {
        THttpClient h;
        h.URL = url;
        int64_t recu = 0;
        bool fini = false;
        h.OnDocData = [&](const char*, int n) { recu += n; };
        TLocalLoop boucle;
        h.OnRequestDone = [&](THttpRequest, uint16_t) {
            fini = true;
            boucle.Quit();
        };
        const int64_t debut = MonotonicMs();
        h.StartRequest(httpGET);
        while (!fini)
            boucle.Run(60000);
        tempsClient += (MonotonicMs() - debut) / 1000.0;
        if (h.ReplyCode != 200 || recu != static_cast<int64_t>(tailleFichier))
            state.SkipWithError("download failed");
        octets += recu;
        state.PauseTiming();
        tempsCurl += TempsCurl(url);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(octets);
    state.counters["Mo_s"] = tempsClient > 0 ? octets / tempsClient / 1e6 : 0;
    state.counters["x_curl"] = tempsClient > 0 ? tempsCurl / tempsClient : 0;
}
BENCHMARK(BM_TelechargementHttp)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace
