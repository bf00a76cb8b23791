// The HTTP client against real servers on loopback: lighttpd for files,
// chunked replies, relocations, authentication, ranges, bodies sent and
// kept connections; tinyproxy for the proxy and the CONNECT tunnel;
// microsocks for SOCKS 5; our own server for malformed replies, cuts at every
// byte and silence.
#include <gtest/gtest.h>

#include "net/HttpClient.h"
#include "platform/rtl/Streams.h"
#include "tests/support/ServeursEssai.h"
#include "tests/support/gui/GuiKit.h"

using namespace essai_reseau;

namespace {

struct TReponse
{
    int code = 0;
    std::string texte, corps;
    uint16_t erreur = 0;
};

std::string Texte(TMemoryStream& f)
{
    return std::string(reinterpret_cast<const char*>(f.Memory()), static_cast<size_t>(f.Size()));
}

// Runs one request to its end (OnRequestDone).
TReponse Demande(THttpClient& h, THttpRequest kind = httpGET)
{
    TMemoryStream flux;
    h.ReplyStream = &flux;
    int fins = 0;
    h.OnRequestDone = [&](THttpRequest, uint16_t) { ++fins; };
    h.StartRequest(kind);
    EXPECT_TRUE(kit::WaitUntil([&] { return fins > 0; }, 15000)) << h.URL;
    kit::Process();
    EXPECT_EQ(fins, 1) << h.URL;
    h.ReplyStream = nullptr;
    h.OnRequestDone = nullptr;   // it holds this frame's counter
    return {h.ReplyCode, h.ReplyText, Texte(flux), h.RequestDoneError};
}

TServeurWeb& Web()
{
    static TServeurWeb web;
    EXPECT_TRUE(web.Ok());
    return web;
}

TEST(ClientHttp, ReponsesDuServeurWeb)
{
    struct Cas
    {
        std::string chemin;
        THttpRequest kind;
        std::string version, user;
        int code;
        std::string corps;
        uint16_t erreur;
        int relocations;
    };
    const Cas cas[] = {
        {"/fichier.bin", httpGET, "1.0", "", 200, ContenuFichier(), 0, 0},
        {"/fichier.bin", httpHEAD, "1.1", "", 200, "", 0, 0},
        {"/r301", httpGET, "1.0", "", 200, "Bonjour", 0, 1},           // relative
        {"/r302", httpGET, "1.1", "", 200, "Bonjour", 0, 1},           // a path, same connection
        {"/r303", httpGET, "1.0", "", 200, "Bonjour", 0, 1},           // absolute
        {"/r307", httpGET, "1.1", "", 200, "Bonjour", 0, 1},           // another host name
        {"/flux.sh", httpGET, "1.1", "", 200, "morceau-1;morceau-2;morceau-3;", 0, 0},   // chunked
        {"/flux.sh", httpGET, "1.0", "", 200, "morceau-1;morceau-2;morceau-3;", 0, 0},   // to the close
        {"/prive/s.txt", httpGET, "1.0", "", 401, "", 0, 0},
        {"/prive/s.txt", httpGET, "1.0", "u:p@", 200, "Secret", 0, 0},
        {"/boucle", httpGET, "1.1", "", 302, "", httperrRelocations, 10},
        {"/tls", httpGET, "1.0", "", 302, "", httperrProtocol, 0},
    };
    for (const Cas& c : cas)
    {
        THttpClient h;
        h.SetRequestVer(c.version);
        h.URL = "http://" + c.user + "127.0.0.1:" + std::to_string(Web().Port()) + c.chemin;
        const TReponse r = Demande(h, c.kind);
        EXPECT_EQ(r.code, c.code) << c.chemin << " " << r.texte;
        EXPECT_EQ(r.erreur, c.erreur) << c.chemin << " " << r.texte;
        EXPECT_EQ(h.Relocations(), c.relocations) << c.chemin;
        if (c.code != 401)
        {
            EXPECT_TRUE(r.corps == c.corps) << c.chemin << ": " << r.corps.size() << " bytes";
        }
    }
    // A body of many read blocks, delivered whole, in order, and counted.
    {
        const std::string grand = ContenuFichier(3u << 20);
        Web().Page("grand.bin", grand);
        for (const char* version : {"1.0", "1.1"})
        {
            THttpClient h;
            h.SetRequestVer(version);
            h.URL = Web().Url("/grand.bin");
            const TReponse r = Demande(h);
            EXPECT_EQ(r.code, 200);
            EXPECT_TRUE(r.corps == grand) << r.corps.size();
            EXPECT_EQ(h.ReplyCount, static_cast<int64_t>(grand.size()));
        }
    }
    // HEAD gives the length without the body; chunked says so.
    THttpClient h;
    h.URL = Web().Url("/fichier.bin");
    Demande(h, httpHEAD);
    EXPECT_EQ(h.ReplyLength, 70000);
    h.SetRequestVer("1.1");
    h.URL = Web().Url("/flux.sh");
    Demande(h);
    EXPECT_EQ(h.ReplyEncoding, "chunked");
}

TEST(ClientHttp, AuthentificationPlageEtCorpsEnvoyes)
{
    THttpClient h;
    h.URL = Web().Url("/prive/s.txt");
    h.Username = "u";
    h.Password = "p";
    EXPECT_EQ(Demande(h).corps, "Secret");
    h.Username.clear();
    h.SetRequestVer("1.1");   // ranges are served to 1.1 requests
    h.URL = Web().Url("/fichier.bin");
    h.ContentRangeBegin = "100";
    h.ContentRangeEnd = "109";
    const TReponse plage = Demande(h);
    EXPECT_EQ(plage.code, 206);
    EXPECT_TRUE(plage.corps == ContenuFichier().substr(100, 10));
    EXPECT_EQ(h.ContentRangeBegin, "100");   // read back from the reply's range
    EXPECT_EQ(h.ContentRangeEnd, "109");
    for (THttpRequest kind : {httpPOST, httpPUT})
    {
        TMemoryStream envoi;
        const std::string corps = ContenuFichier(20000);
        envoi.WriteString(corps);
        h.PostStream = &envoi;
        h.URL = Web().Url("/flux.sh");
        const TReponse r = Demande(h, kind);
        EXPECT_EQ(r.code, 200);
        EXPECT_TRUE(r.corps == corps) << r.corps.size();
        EXPECT_EQ(h.SentCount, 20000);
    }
}

TEST(ClientHttp, ConnexionGardee)
{
    THttpClient h;
    h.SetRequestVer("1.1");
    h.URL = Web().Url("/page.txt");
    EXPECT_EQ(Demande(h).corps, "Bonjour");
    ASSERT_EQ(h.Ctrl().State(), wsConnected);
    const std::string port = h.Ctrl().GetXPort();
    h.URL = Web().Url("/fichier.bin");
    EXPECT_TRUE(Demande(h).corps == ContenuFichier());
    EXPECT_EQ(h.Ctrl().GetXPort(), port);
    EXPECT_THROW(h.SetRequestVer("2.0"), EHttpException);
    // The blocking variant: a status from 402 on raises with it.
    h.URL = Web().Url("/page.txt");
    h.Get();
    EXPECT_EQ(h.ReplyCode, 200);
    h.URL = Web().Url("/absent");
    try
    {
        h.Get();
        ADD_FAILURE() << "no exception for 404";
    }
    catch (const EHttpException& e)
    {
        EXPECT_EQ(e.ErrorCode, 404);
    }
}

TEST(ClientHttp, ProxyTunnelEtSocks)
{
    TProxy proxy;
    TSocks socks(false), socksLogin(true);
    TSocks4 socks4;
    ASSERT_TRUE(proxy.Ok() && socks.Ok() && socksLogin.Ok() && socks4.Ok());
    {
        THttpClient h;
        h.URL = Web().Url("/page.txt");
        h.Proxy = "127.0.0.1";
        h.ProxyPort = std::to_string(proxy.Port());
        EXPECT_EQ(Demande(h).corps, "Bonjour");
        // The tunnel opens; what would follow needs TLS, which is not here.
        h.URL = "https://127.0.0.1:" + std::to_string(Web().Port()) + "/page.txt";
        const TReponse r = Demande(h);
        EXPECT_EQ(r.erreur, httperrProtocol);
        EXPECT_NE(r.texte.find("Tunnel opened"), std::string::npos) << r.texte;
    }
    struct Cas { int port; std::string niveau, user, pass; int code; };
    const Cas cas[] = {{socks.Port(), "5", "", "", 200},
                       {socksLogin.Port(), "5", "u", "p", 200},
                       {socksLogin.Port(), "5", "u", "faux", 404},
                       {socks4.Port(), "4", "", "", 200}};
    for (const Cas& c : cas)
    {
        THttpClient h;
        h.URL = Web().Url("/page.txt");
        h.Ctrl().SetSocksServer("127.0.0.1");
        h.Ctrl().SetSocksPort(std::to_string(c.port));
        h.Ctrl().SetSocksLevel(c.niveau);
        h.Ctrl().SocksUsercode = c.user;
        h.Ctrl().SocksPassword = c.pass;
        h.Ctrl().SocksAuthentication = c.user.empty() ? socksNoAuthentication : socksAuthenticateUsercode;
        const TReponse r = Demande(h);
        EXPECT_EQ(r.code, c.code) << c.pass << " " << r.texte;
        if (c.code == 200)
        {
            EXPECT_EQ(r.corps, "Bonjour");
        }
    }
}

TEST(ClientHttp, EchecsDeConnexion)
{
    THttpClient h;
    h.URL = "http://127.0.0.1:" + std::to_string(PortLibre()) + "/";
    TReponse r = Demande(h);
    EXPECT_EQ(r.code, 404);
    EXPECT_EQ(r.texte, "Connection refused (Error #10061)");
    h.URL = "http://nulle-part.invalid/";
    r = Demande(h);
    EXPECT_EQ(r.code, 404);
    EXPECT_EQ(r.texte, "can't resolve hostname to IP address");
    // A server that never answers: the request is cancelled.
    TServeurMaison muet;
    muet.Ajoute({{}, 0, true, true});
    h.URL = muet.Url("/");
    bool fini = false;
    h.OnRequestDone = [&](THttpRequest, uint16_t) { fini = true; };
    h.StartRequest(httpGET);
    EXPECT_THROW(h.StartRequest(httpGET), EHttpException);   // busy
    kit::WaitUntil([&] { return muet.Requetes().size() == 1; });
    kit::Process(50);
    h.CancelRequest();
    ASSERT_TRUE(kit::WaitUntil([&] { return fini; }));
    EXPECT_EQ(h.ReplyText, "Connection aborted on request");
    EXPECT_EQ(h.RequestDoneError, httperrAborted);
    EXPECT_EQ(h.State(), hcIdle);
}

TEST(ClientHttp, RequeteEnvoyeeOctetPourOctet)
{
    TServeurMaison serveur;
    serveur.Ajoute({{"HTTP/1.0 200 OK\r\nSet-Cookie: a=1\r\nSet-Cookie: b=2\r\n\r\nx"}});
    THttpClient h;
    h.URL = serveur.Url("/a%20b");
    std::vector<std::string> cookies;
    h.OnCookie = [&](const std::string& v, bool&) { cookies.push_back(v); };
    EXPECT_EQ(Demande(h).corps, "x");
    EXPECT_EQ(cookies, (std::vector<std::string>{"a=1", "b=2"}));
    ASSERT_EQ(serveur.Requetes().size(), 1u);
    EXPECT_EQ(serveur.Requetes()[0], "GET /a%20b HTTP/1.0\r\n"
                                     "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"
                                     "User-Agent: Mozilla/4.0 (compatible; BrivantelHttp)\r\n"
                                     "Host: 127.0.0.1:" + std::to_string(serveur.Port()) + "\r\n\r\n");
}

// Replies cut in two at every byte, and replies out of the rules, through
// a real connection.
TEST(ClientHttp, ReponsesCoupeesEtMalformees)
{
    TServeurMaison serveur;
    const std::string decoupee = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n"
                                 "5\r\nabcde\r\n1A;ext=1\r\nABCDEFGHIJKLMNOPQRSTUVWXYZ\r\n0\r\n\r\n";
    for (size_t i = 1; i < decoupee.size(); ++i)
        serveur.Ajoute({{decoupee.substr(0, i), decoupee.substr(i)}, 2});
    for (size_t i = 1; i < decoupee.size(); ++i)
    {
        THttpClient h;
        h.URL = serveur.Url("/");
        const TReponse r = Demande(h);
        EXPECT_EQ(r.code, 200) << "cut at " << i;
        EXPECT_EQ(r.corps, "abcdeABCDEFGHIJKLMNOPQRSTUVWXYZ") << "cut at " << i;
    }
    struct Cas { std::string reponse; int code; uint16_t erreur; std::string corps; int64_t limite; };
    const Cas cas[] = {
        {"HTTP/1.0 200 OK\r\nContent-Length: -5\r\n\r\nabc", 404, httperrBadReply, "", 0},
        {"HTTP/1.0 200 OK\r\nContent-Length: 12x\r\n\r\nabc", 404, httperrBadReply, "", 0},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n100000000\r\n", 404, httperrBadReply, "", 0},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n", 404, httperrBadReply, "", 0},
        {"HTTP/1.0 2x0 OK\r\n\r\n", 404, httperrBadReply, "", 0},
        {"HTTP/1.0 2\r\n\r\n", 404, httperrBadReply, "", 0},
        {"HTTP/1.0 200 OK\r\nX: " + std::string(9000, 'a') + "\r\n\r\n", 404, httperrLineTooLong, "", 0},
        {"HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nabcde", 404, httperrBadReply, "abcde", 0},
        {"HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nConnection: close\r\n\r\nsuite", 200, 0, "suite", 0},
        {"HTTP/1.0 200 OK\r\n\r\njusqu'a la fin", 200, 0, "jusqu'a la fin", 0},
        {"HTTP/1.0 200 OK\r\n\r\n" + std::string(300, 'b'), 404, httperrTooLarge, std::string(100, 'b'), 100},
        {"HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n", 404, httperrTooLarge, "", 100},
        {"<html>sans entete</html>", 0, 0, "<html>sans entete</html>\n", 0},
        {"HTTP/1.0 404 Not Found\r\nContent-Length: 4\r\n\r\nrien", 404, 0, "rien", 0},
    };
    for (const Cas& c : cas)
        serveur.Ajoute({{c.reponse}});
    for (const Cas& c : cas)
    {
        THttpClient h;
        if (c.limite)
            h.BodyLimit = c.limite;
        h.URL = serveur.Url("/");
        const TReponse r = Demande(h);
        EXPECT_EQ(r.code, c.code) << c.reponse.substr(0, 60) << " / " << r.texte;
        EXPECT_EQ(r.erreur, c.erreur) << c.reponse.substr(0, 60) << " / " << r.texte;
        EXPECT_LE(r.corps.size(), c.corps.size()) << c.reponse.substr(0, 60);
        EXPECT_EQ(r.corps, c.corps.substr(0, r.corps.size())) << c.reponse.substr(0, 60);
    }
}

}  // namespace
