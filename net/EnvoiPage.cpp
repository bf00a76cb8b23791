#include "net/EnvoiPage.h"

#include "model/oTraducteur.h"
#include "net/HttpClient.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/AsyncIo.h"

namespace {
// The one flag of the unit: false while a fetch waits.
bool requeteFinie = true;

// Lines end at CR, LF or CR LF.
std::unique_ptr<TStringList> Lignes(const std::string& corps)
{
    auto lignes = std::make_unique<TStringList>();
    size_t debut = 0;
    for (size_t i = 0; i < corps.size(); ++i)
    {
        if (corps[i] != '\r' && corps[i] != '\n')
            continue;
        lignes->Add(corps.substr(debut, i - debut));
        if (corps[i] == '\r' && i + 1 < corps.size() && corps[i + 1] == '\n')
            ++i;
        debut = i + 1;
    }
    if (debut < corps.size())
        lignes->Add(corps.substr(debut));
    return lignes;
}

// The lines with CR LF after each, without the characters up to 32 at both ends.
std::string TexteNet(const TStringList& lignes)
{
    std::string tout;
    for (int i = 0; i < lignes.Count(); ++i)
        tout += lignes[i] + "\r\n";
    size_t d = 0, f = tout.size();
    while (d < f && static_cast<unsigned char>(tout[d]) <= 32)
        ++d;
    while (f > d && static_cast<unsigned char>(tout[f - 1]) <= 32)
        --f;
    return tout.substr(d, f - d);
}

std::unique_ptr<THttpClient> Client(const std::string& url, const std::string& user, const std::string& password)
{
    std::string adresse;
    for (char c : url)
        adresse += c == ' ' ? std::string("%20") : std::string(1, c);
    auto client = std::make_unique<THttpClient>();
    client->ProxyPort = "80";
    client->URL = adresse;
    client->BodyLimit = TEnvoiPage::TailleMaxReponse;
    if (!user.empty())
    {
        client->Username = user;
        client->Password = password;
    }
    return client;
}

}  // namespace

bool TEnvoiPage::EnCours() { return !requeteFinie; }

void TEnvoiPage::LitPage(const std::string& url, uint32_t timeout, const std::string& user,
                         const std::string& password, std::string& texte)
{
    TMemoryStream flux;
    std::unique_ptr<TStringList> lignes = Telecharge(url, flux, timeout, user, password);
    try
    {
        texte = TexteNet(*lignes);
    }
    catch (...)
    {
        texte.clear();
    }
}

std::unique_ptr<TStringList> TEnvoiPage::Telecharge(const std::string& url, TStream& flux, uint32_t timeout,
                                                    const std::string& user, const std::string& password)
{
    if (!requeteFinie)
        throw Exception("Failed : " + L1("requête déjà en cours"));
    std::unique_ptr<THttpClient> possede = Client(url, user, password);
    THttpClient& client = *possede;
    client.ReplyStream = &flux;
    TLocalLoop boucle;
    requeteFinie = false;
    client.OnRequestDone = [&boucle](THttpRequest, uint16_t) {
        requeteFinie = true;
        boucle.Quit();
    };
    struct TFin
    {
        ~TFin() { requeteFinie = true; }
    } fin;
    client.StartRequest(httpGET);
    // The time-out runs on a monotonic clock; the loop sleeps between events.
    const int64_t limite = MonotonicMs() + timeout;
    while (!requeteFinie)
    {
        const int64_t reste = limite - MonotonicMs();
        if (reste <= 0 || ApplicationClosing())
        {
            client.OnRequestDone = nullptr;
            client.CancelRequest();
            throw Exception(L1("Erreur: Temps dépassé"));
        }
        boucle.Run(reste);
    }
    if (client.ReplyCode != 200)
        throw Exception("Failed : " + client.ReplyText);
    flux.SetPosition(0);
    std::string corps(static_cast<size_t>(flux.Size()), '\0');
    if (!corps.empty())
        flux.ReadBuffer(corps.data(), static_cast<long>(corps.size()));
    return Lignes(corps);
}

std::unique_ptr<THttpClient> TEnvoiPage::LancePage(const std::string& url,
                                                   std::function<void(bool, const std::string&)> fin)
{
    std::unique_ptr<THttpClient> client = Client(url, "", "");
    auto corps = std::make_shared<std::string>();
    THttpClient* c = client.get();
    client->OnDocData = [corps](const char* p, int n) { corps->append(p, static_cast<size_t>(n)); };
    client->OnRequestDone = [c, corps, fin = std::move(fin)](THttpRequest, uint16_t) {
        if (c->ReplyCode != 200)
            fin(false, c->ReplyText);
        else
            fin(true, TexteNet(*Lignes(*corps)));
    };
    client->StartRequest(httpGET);
    return client;
}

uint8_t TEnvoiPage::EtatReponse(const std::string& texte)
{
    if (texte.empty())
        return etatVide;
    if (texte.rfind("Failed : ", 0) == 0)
        return etatEchec;
    if (texte.find("Warning") != std::string::npos)
        return etatAvertissement;
    return etatUtilisable;
}

void TEnvoiPage::MessageErreur(uint8_t etat, const std::string& url, std::string& texte)
{
    texte = etat <= etatVide ? TraduireFormat(1325 + etat, {url}) : std::string();
}
