// The socket: error texts and address helpers, two of our sockets talking
// over loopback (stream, datagrams, line mode), the SOCKS client against a
// server that answers out of the rules, and the errors of misuse.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include "net/AsyncSocket.h"
#include "net/HttpClient.h"
#include "platform/rtl/Streams.h"
#include "tests/support/ServeursEssai.h"
#include "tests/support/gui/GuiKit.h"

using namespace essai_reseau;

namespace {

TEST(Socket, TextesEtAdresses)
{
    const struct { int code; const char* texte; } textes[] = {
        {0, "No Error"}, {10035, "Operation would block"}, {10061, "Connection refused"},
        {11001, "Host not found"}, {12345, "Not a WinSock error"}};
    for (const auto& t : textes)
        EXPECT_EQ(SocketErrorText(t.code), t.texte) << t.code;

    const struct { const char* s; bool pointee; } adresses[] = {
        {"10.0.0.1", true}, {"  10.0.0.1  ", true}, {"10.0.0.256", false}, {"10.0.0", false},
        {"10..0.1", false}, {"1.2.3.4.5", false}, {"a.b.c.d", false}, {"", false}};
    for (const auto& a : adresses)
        EXPECT_EQ(IsDottedAddress(a.s), a.pointee) << a.s;

    const struct { const char* url; const char* base; THttpAddress attendu; } decoupes[] = {
        {"http://u:p@h.example:81/a/b?x=1", "/", {"http", "u", "p", "h.example", "81", "/a/b?x=1"}},
        {"HTTP://h/", "/", {"http", "", "", "h", "", "/"}},
        {"h.example?q", "/", {"http", "", "", "h.example", "", "/?q"}},
        {"/chemin", "/", {"http", "", "", "", "", "/chemin"}},
        {"../c", "/a/b/d", {"http", "", "", "", "", "/a/c"}},
        {"./c", "/a/b", {"http", "", "", "", "", "/a/c"}},
        {"mailto:x@y", "/", {"mailto", "", "", "", "", "x@y"}},
        {"https://a@b@h:443", "/", {"https", "a@b", "", "h", "443", ""}},
    };
    for (const auto& d : decoupes)
    {
        const THttpAddress a = SplitAddress(d.url, d.base);
        EXPECT_EQ(a.Proto, d.attendu.Proto) << d.url;
        EXPECT_EQ(a.User, d.attendu.User) << d.url;
        EXPECT_EQ(a.Pass, d.attendu.Pass) << d.url;
        EXPECT_EQ(a.Host, d.attendu.Host) << d.url;
        EXPECT_EQ(a.Port, d.attendu.Port) << d.url;
        EXPECT_EQ(a.Path, d.attendu.Path) << d.url;
    }
    EXPECT_EQ(HttpDateText(EncodeDate(2026, 12, 7) + EncodeTime(9, 5, 3, 0)), "Mon, 07 Dec 2026 09:05:03");
    EXPECT_EQ(HttpDateText(EncodeDate(2000, 1, 2)), "Sun, 02 Jan 2000 00:00:00");
    for (auto [s, b64] : {std::pair{"", ""}, {"u:p", "dTpw"}, {"ab", "YWI="}, {"a", "YQ=="}})
        EXPECT_EQ(EncodeBase64(s), b64);
}

TEST(Socket, MauvaisUsages)
{
    TAsyncSocket s;
    try
    {
        s.SendStr("x");
        ADD_FAILURE() << "Send on a closed socket";
    }
    catch (const ESocketException& e)
    {
        EXPECT_NE(std::string(e.what()).find("in function Send"), std::string::npos);
        EXPECT_EQ(s.LastError, 10057);
    }
    EXPECT_THROW(s.Accept(), ESocketException);
    EXPECT_THROW(s.Connect(), ESocketException);   // no port
    s.SetSocksLevel("4a");
    EXPECT_EQ(s.SocksLevel(), "4A");
    EXPECT_THROW(s.SetSocksLevel("6"), ESocketException);
    EXPECT_THROW(s.SetSendFlags(7), ESocketException);
    // A dotted address is resolved at once, a name later from the loop.
    int fait = -1;
    s.OnDnsLookupDone = [&](int e) { fait = e; };
    s.DnsLookup("10.0.0.1");
    EXPECT_EQ(fait, 0);
    EXPECT_EQ(s.DnsResult, "10.0.0.1");
    fait = -1;
    s.DnsLookup("10.0.0.256");
    EXPECT_EQ(fait, -1);
    ASSERT_TRUE(kit::WaitUntil([&] { return fait != -1; }, 10000));
    EXPECT_NE(fait, 0);
    fait = -1;
    s.ReverseDnsLookup("127.0.0.1");   // answered later, from the loop
    EXPECT_EQ(fait, -1);
    ASSERT_TRUE(kit::WaitUntil([&] { return fait != -1; }, 10000));
    EXPECT_EQ(fait == 0, !s.DnsResult.empty());
    // Waiting ends after its time-out.
    s.Timeout = 30;
    bool jamais = false;
    EXPECT_EQ(s.WaitUntilReady(jamais), 12001);
}

// A listening socket of ours; the connections it accepts, taken over by new sockets.
struct TEcoute
{
    TAsyncSocket ecoute;
    std::vector<std::unique_ptr<TAsyncSocket>> clients;
    std::function<void(TAsyncSocket&)> prepare;
    explicit TEcoute(const std::string& proto = "tcp")
    {
        ecoute.SetAddr("127.0.0.1");
        ecoute.SetPort("0");
        ecoute.SetProto(proto);
        ecoute.OnSessionAvailable = [this](int) {
            auto c = std::make_unique<TAsyncSocket>();
            if (prepare)
                prepare(*c);
            c->Dup(ecoute.Accept());
            clients.push_back(std::move(c));
        };
        ecoute.Listen();
    }
    std::string Port() { return ecoute.GetXPort(); }
};

TEST(Socket, EcouteEtEchange)
{
    TEcoute serveur;
    ASSERT_EQ(serveur.ecoute.State(), wsListening);
    std::string recu;
    serveur.prepare = [&](TAsyncSocket& c) {
        c.OnDataAvailable = [&c, &recu](int) {
            const std::string s = c.ReceiveStr();
            recu += s;
            if (recu.size() == 3000)
            {
                c.SendStr("fin");
                c.Close();
            }
        };
    };
    TAsyncSocket client;
    std::vector<std::string> evenements;
    client.SetAddr("127.0.0.1");
    client.SetPort(serveur.Port());
    client.OnSessionConnected = [&](int e) {
        evenements.push_back("connect " + std::to_string(e));
        client.SendStr(std::string(3000, 'z'));
    };
    client.OnDataAvailable = [&](int) {
        // The close drains what is left with one more offer, empty here.
        const std::string s = client.ReceiveStr();
        if (!s.empty())
            evenements.push_back("data " + s);
    };
    client.OnSessionClosed = [&](int) { evenements.push_back("closed"); };
    client.Connect();
    ASSERT_TRUE(kit::WaitUntil([&] { return client.State() == wsClosed; }, 5000));
    client.Close();   // a second close fires nothing
    kit::Process(20);
    EXPECT_EQ(recu, std::string(3000, 'z'));
    const std::vector<std::string> attendu{"connect 0", "data fin", "closed"};
    EXPECT_EQ(evenements, attendu);
}

// A handler that takes nothing is not called again and again: reading waits
// until something is received.
TEST(Socket, PasseSansLecture)
{
    TEcoute serveur;
    TAsyncSocket client;
    int appels = 0;
    bool lire = false;
    std::string lu;
    client.SetAddr("127.0.0.1");
    client.SetPort(serveur.Port());
    client.OnDataAvailable = [&](int) {
        ++appels;
        if (lire)
            lu += client.ReceiveStr();
    };
    client.Connect();
    ASSERT_TRUE(kit::WaitUntil([&] { return serveur.clients.size() == 1 && client.State() == wsConnected; }));
    serveur.clients[0]->SendStr("abc");
    kit::WaitUntil([&] { return appels > 0; });
    kit::Process(100);
    EXPECT_EQ(appels, 1);
    lire = true;
    char c;
    EXPECT_EQ(client.Receive(&c, 1), 1);   // taking data wakes reading up
    ASSERT_TRUE(kit::WaitUntil([&] { return lu == "bc"; }));
}

TEST(Socket, Refus)
{
    TAsyncSocket client;
    int erreur = -1;
    bool ferme = false;
    client.SetAddr("127.0.0.1");
    client.SetPort(std::to_string(PortLibre()));
    client.OnSessionConnected = [&](int e) { erreur = e; };
    client.OnSessionClosed = [&](int) { ferme = true; };
    client.Connect();
    ASSERT_TRUE(kit::WaitUntil([&] { return ferme; }, 5000));
    EXPECT_EQ(erreur, 10061);
}

TEST(Socket, Datagrammes)
{
    TEcoute serveur("udp");
    ASSERT_EQ(serveur.ecoute.State(), wsConnected);
    std::string recu, reponse;
    serveur.ecoute.OnDataAvailable = [&](int) {
        char t[100];
        sockaddr_in de{};
        const int n = serveur.ecoute.ReceiveFrom(t, sizeof t, de);
        recu.assign(t, static_cast<size_t>(std::max(n, 0)));
        serveur.ecoute.SendTo(de, "pong", 4);
    };
    TAsyncSocket client;
    client.SetProto("udp");
    client.SetAddr("127.0.0.1");
    client.SetPort(serveur.Port());
    client.OnDataAvailable = [&](int) { reponse = client.ReceiveStr(); };
    client.Connect();
    EXPECT_EQ(client.State(), wsConnected);
    client.SendStr("ping");
    ASSERT_TRUE(kit::WaitUntil([&] { return !reponse.empty(); }, 5000));
    EXPECT_EQ(recu, "ping");
    EXPECT_EQ(reponse, "pong");
}

TEST(Socket, ModeLigne)
{
    TEcoute serveur;
    TAsyncSocket client;
    std::vector<std::string> lignes;
    std::vector<int> depassements;
    client.SetLineMode(true);
    client.LineLimit = 10;
    client.SetAddr("127.0.0.1");
    client.SetPort(serveur.Port());
    client.OnDataAvailable = [&](int) { lignes.push_back(client.ReceiveStr()); };
    client.OnLineLimitExceeded = [&](int n, bool& vider) {
        depassements.push_back(n);
        vider = true;
    };
    client.Connect();
    ASSERT_TRUE(kit::WaitUntil([&] { return serveur.clients.size() == 1 && client.State() == wsConnected; }));
    TAsyncSocket& pair = *serveur.clients[0];
    pair.SendStr("ab\r\ncd");
    ASSERT_TRUE(kit::WaitUntil([&] { return lignes.size() == 1; }));
    EXPECT_EQ(lignes[0], "ab\r\n");
    EXPECT_EQ(client.RcvdCount(), 2);   // "cd" waits for its line end
    pair.SendStr("ef\r\n");
    ASSERT_TRUE(kit::WaitUntil([&] { return lignes.size() == 2; }));
    EXPECT_EQ(lignes[1], "cdef\r\n");
    pair.SendStr("0123456789abcdef");   // past the limit without a line end: emptied
    ASSERT_TRUE(kit::WaitUntil([&] { return !depassements.empty(); }));
    EXPECT_EQ(client.RcvdCount(), 0);
    // Back to plain data: what is buffered comes out as it is.
    pair.SendStr("gh");
    kit::WaitUntil([&] { return client.RcvdCount() == 2; });
    client.SetLineMode(false);
    ASSERT_TRUE(kit::WaitUntil([&] { return lignes.size() == 3; }));
    EXPECT_EQ(lignes[2], "gh");
}

// SOCKS replies of our own server: a version error, a SOCKS 5 reply naming
// a bound host of 255 bytes (the longest there is), and a SOCKS 4A grant,
// each before the web reply.
TEST(Socket, SocksHorsNormes)
{
    TServeurMaison serveur;
    const std::string nom(255, 'a');
    serveur.Ajoute({{std::string("\x04\x00", 2)}, 0, false, false});
    serveur.Ajoute({{std::string("\x05\x00", 2), std::string("\x05\x00\x00\x03", 4) + char(255) + nom + "\x01\x02",
                     "HTTP/1.0 200 OK\r\n\r\npar socks"},
                    30, false, false});
    serveur.Ajoute({{std::string("\x00\x5a\x00\x00\x00\x00\x00\x00", 8) + "HTTP/1.0 200 OK\r\n\r\npar socks 4A"},
                    0, false, false});
    struct Cas { std::string niveau, attenduTexte; int code; std::string corps; };
    const Cas cas[] = {{"5", "socks version error", 404, ""},
                       {"5", "OK", 200, "par socks"},
                       {"4A", "OK", 200, "par socks 4A"}};
    for (const Cas& c : cas)
    {
        THttpClient h;
        TMemoryStream flux;
        std::string erreurSocks;
        h.ReplyStream = &flux;
        h.URL = "http://127.0.0.1:9/";
        h.Ctrl().SetSocksServer("127.0.0.1");
        h.Ctrl().SetSocksPort(std::to_string(serveur.Port()));
        h.Ctrl().SetSocksLevel(c.niveau);
        h.OnSocksError = [&](int, const std::string& m) { erreurSocks = m; };
        bool fini = false;
        h.OnRequestDone = [&](THttpRequest, uint16_t) { fini = true; };
        h.StartRequest(httpGET);
        ASSERT_TRUE(kit::WaitUntil([&] { return fini; }, 5000));
        EXPECT_EQ(h.ReplyCode, c.code);
        EXPECT_EQ(c.code == 200 ? h.ReplyText : erreurSocks, c.attenduTexte);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(flux.Memory()), static_cast<size_t>(flux.Size())),
                  c.corps);
    }
}

}  // namespace
