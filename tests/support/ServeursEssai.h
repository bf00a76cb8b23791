// Real servers for the network tests, started on free loopback ports by the
// test process that needs them and stopped when it ends: lighttpd (files,
// chunked CGI replies, relocations, Basic authentication, ranges, the update
// check's pages), tinyproxy, microsocks with and without a login, dante for
// SOCKS 4, and a small
// server of our own that answers scripted bytes (malformed replies, silence).
#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <cstdio>

extern char** environ;

namespace essai_reseau {

inline int PortLibre()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t n = sizeof a;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &n);
    ::close(s);
    return ntohs(a.sin_port);
}

inline bool PortOuvert(int port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

// A server process, stopped with the object.
class TProcessus
{
public:
    TProcessus(const std::vector<std::string>& argv, int port)
    {
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid_, args[0], &fa, nullptr, args.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&fa);
        for (int i = 0; i < 500 && pid_ > 0 && !PortOuvert(port); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ok_ = pid_ > 0 && PortOuvert(port);
        if (!ok_)
            std::fprintf(stderr, "server did not start: %s (scripts/install-deps.sh installs it)\n", argv[0].c_str());
    }
    bool Ok() const { return ok_; }
    ~TProcessus()
    {
        if (pid_ > 0)
        {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }

private:
    pid_t pid_ = -1;
    bool ok_ = false;
};

inline void Ecrit(const std::filesystem::path& f, const std::string& contenu)
{
    std::filesystem::create_directories(f.parent_path());
    std::ofstream(f, std::ios::binary) << contenu;
}

// The bytes of the test file served as /fichier.bin: every byte value, often.
inline std::string ContenuFichier(size_t taille = 70000)
{
    std::string s(taille, '\0');
    for (size_t i = 0; i < taille; ++i)
        s[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return s;
}

// What every outside server shares: a free port and the process listening on it.
class TServeurExterne
{
public:
    int Port() const { return port_; }
    bool Ok() const { return serveur_->Ok(); }

protected:
    TServeurExterne() : port_(PortLibre()) {}
    void Lance(const std::vector<std::string>& a) { serveur_ = std::make_unique<TProcessus>(a, port_); }

    int port_;
    std::unique_ptr<TProcessus> serveur_;
};

// An outside server started with a configuration file of its own, removed after the server stops.
class TServeurConf : public TServeurExterne
{
protected:
    void Conf(const std::string& nom, const std::string& texte)
    {
        conf_ = std::filesystem::temp_directory_path() / ("bz-" + nom + "-" + std::to_string(::getpid()) + ".conf");
        Ecrit(conf_, texte);
    }
    ~TServeurConf()
    {
        serveur_.reset();
        std::error_code e;
        std::filesystem::remove(conf_, e);
    }

    std::filesystem::path conf_;
};

// lighttpd over a folder of its own. Pages:
//   /fichier.bin (ContenuFichier), /page.txt ("Bonjour"), /prive/s.txt (user "u", password "p"),
//   /flux.sh (GET: three pieces, chunked to 1.1 requests; POST/PUT: the body echoed),
//   /r301 /r302 /r303 /r307 (to /page.txt, relative, path or absolute), /boucle (to itself),
//   /tls (to an https address), and files a test adds with Page().
class TServeurWeb : public TServeurExterne
{
public:
    TServeurWeb() : dossier_(std::filesystem::temp_directory_path() / ("bz-web-" + std::to_string(::getpid())))
    {
        namespace fs = std::filesystem;
        fs::remove_all(dossier_);
        const fs::path www = dossier_ / "www";
        Ecrit(www / "fichier.bin", ContenuFichier());
        Ecrit(www / "page.txt", "Bonjour");
        Ecrit(www / "prive" / "s.txt", "Secret");
        Ecrit(dossier_ / "users", "u:p\n");
        Ecrit(www / "flux.sh",
              "printf 'Content-Type: application/octet-stream\\r\\n\\r\\n'\n"
              "if [ \"$REQUEST_METHOD\" = GET ]; then for i in 1 2 3; do printf 'morceau-%s;' \"$i\"; sleep 0.02; "
              "done; else head -c \"$CONTENT_LENGTH\"; fi\n");
        const std::string p = std::to_string(port_);
        auto reloc = [&](const std::string& url, const std::string& cible, int code) {
            return "$HTTP[\"url\"] == \"" + url + "\" { url.redirect = (\"\" => \"" + cible +
                   "\") url.redirect-code = " + std::to_string(code) + " }\n";
        };
        Ecrit(dossier_ / "l.conf",
              "server.document-root = \"" + www.string() + "\"\n" + "server.port = " + p + "\n" +
                  "server.bind = \"127.0.0.1\"\n"
                  "server.modules = (\"mod_redirect\", \"mod_auth\", \"mod_authn_file\", \"mod_cgi\")\n"
                  "server.stream-response-body = 2\n"
                  "server.max-keep-alive-idle = 30\n"
                  "cgi.assign = (\".sh\" => \"/bin/sh\")\n"
                  "auth.backend = \"plain\"\n"
                  "auth.backend.plain.userfile = \"" + (dossier_ / "users").string() + "\"\n"
                  "auth.require = (\"/prive/\" => (\"method\" => \"basic\", \"realm\" => \"z\", \"require\" => "
                  "\"valid-user\"))\n" +
                  reloc("/r301", "page.txt", 301) + reloc("/r302", "/page.txt", 302) +
                  reloc("/r303", "http://127.0.0.1:" + p + "/page.txt", 303) +
                  reloc("/r307", "http://localhost:" + p + "/page.txt", 307) + reloc("/boucle", "/boucle", 302) +
                  reloc("/tls", "https://127.0.0.1:" + p + "/page.txt", 302));
        Lance({"lighttpd", "-D", "-f", (dossier_ / "l.conf").string()});
    }
    ~TServeurWeb()
    {
        serveur_.reset();
        std::error_code e;
        std::filesystem::remove_all(dossier_, e);
    }
    std::string Url(const std::string& chemin = "/") const
    {
        return "http://127.0.0.1:" + std::to_string(port_) + chemin;
    }
    // Adds or replaces a page (path from the root, without the leading "/").
    void Page(const std::string& chemin, const std::string& contenu) { Ecrit(dossier_ / "www" / chemin, contenu); }

private:
    std::filesystem::path dossier_;
};

class TProxy : public TServeurConf
{
public:
    TProxy()
    {
        Conf("proxy", "Port " + std::to_string(port_) +
                         "\nListen 127.0.0.1\nTimeout 30\nMaxClients 20\nAllow 127.0.0.1\nLogLevel Critical\n");
        Lance({"tinyproxy", "-d", "-c", conf_.string()});
    }
};

// microsocks: SOCKS 5, with the login "u"/"p" when asked.
class TSocks : public TServeurExterne
{
public:
    explicit TSocks(bool login)
    {
        std::vector<std::string> a{"microsocks", "-i", "127.0.0.1", "-p", std::to_string(port_)};
        if (login)
            a.insert(a.end(), {"-u", "u", "-P", "p"});
        Lance(a);
    }
};

// dante: SOCKS 4 (and 5), without a login.
class TSocks4 : public TServeurConf
{
public:
    TSocks4()
    {
        Conf("dante", "logoutput: /dev/null\ninternal: 127.0.0.1 port = " + std::to_string(port_) +
                         "\nexternal: 127.0.0.1\nsocksmethod: none\nclientmethod: none\n"
                         "user.privileged: root\nuser.unprivileged: nobody\n"
                         "client pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }\n"
                         "socks pass { from: 127.0.0.0/8 to: 0.0.0.0/0 protocol: tcp }\n");
        Lance({"danted", "-f", conf_.string()});
    }
};

// Our own server: each connection takes the next script, reads the request
// (up to the empty line, or the first bytes for other protocols), then sends
// the script's pieces in order, each after its pause, and closes (unless the
// script says to stay silent and open).
struct TScript
{
    std::vector<std::string> Morceaux;
    int PauseMs = 0;
    bool Muet = false;       // never answers; the connection stays open
    bool LitEntete = true;   // reads the request up to its empty line first
};

class TServeurMaison
{
public:
    TServeurMaison()
    {
        ecoute_ = ::socket(AF_INET, SOCK_STREAM, 0);
        const int un = 1;
        ::setsockopt(ecoute_, SOL_SOCKET, SO_REUSEADDR, &un, sizeof un);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(ecoute_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t n = sizeof a;
        ::getsockname(ecoute_, reinterpret_cast<sockaddr*>(&a), &n);
        port_ = ntohs(a.sin_port);
        ::listen(ecoute_, 16);
        fil_ = std::thread([this] { Boucle(); });
    }
    ~TServeurMaison()
    {
        fin_ = true;
        ::shutdown(ecoute_, SHUT_RDWR);
        ::close(ecoute_);
        fil_.join();
        for (int s : muets_)
            ::close(s);
    }
    int Port() const { return port_; }
    std::string Url(const std::string& chemin = "/") const
    {
        return "http://127.0.0.1:" + std::to_string(port_) + chemin;
    }
    void Ajoute(TScript s)
    {
        std::lock_guard<std::mutex> l(m_);
        scripts_.push_back(std::move(s));
    }
    // The requests received so far, in order.
    std::vector<std::string> Requetes()
    {
        std::lock_guard<std::mutex> l(m_);
        return requetes_;
    }

private:
    void Boucle()
    {
        while (!fin_)
        {
            const int c = ::accept(ecoute_, nullptr, nullptr);
            if (c < 0)
                return;
            TScript s;
            {
                std::lock_guard<std::mutex> l(m_);
                if (!scripts_.empty())
                {
                    s = scripts_.front();
                    scripts_.pop_front();
                }
            }
            const int un = 1;
            ::setsockopt(c, IPPROTO_TCP, TCP_NODELAY, &un, sizeof un);
            std::string requete;
            char tampon[4096];
            while (s.LitEntete && requete.find("\r\n\r\n") == std::string::npos)
            {
                const ssize_t n = ::recv(c, tampon, sizeof tampon, 0);
                if (n <= 0)
                    break;
                requete.append(tampon, static_cast<size_t>(n));
            }
            {
                std::lock_guard<std::mutex> l(m_);
                requetes_.push_back(requete);
            }
            if (s.Muet)
            {
                muets_.push_back(c);
                continue;
            }
            for (const std::string& m : s.Morceaux)
            {
                if (s.PauseMs)
                    std::this_thread::sleep_for(std::chrono::milliseconds(s.PauseMs));
                ::send(c, m.data(), m.size(), MSG_NOSIGNAL);
            }
            ::shutdown(c, SHUT_WR);
            // Waits for the client's close so that nothing is reset under it.
            ::timeval tv{2, 0};
            ::setsockopt(c, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
            while (::recv(c, tampon, sizeof tampon, 0) > 0)
            {
            }
            ::close(c);
        }
    }

    int ecoute_ = -1;
    int port_ = 0;
    std::atomic<bool> fin_{false};
    std::thread fil_;
    std::mutex m_;
    std::deque<TScript> scripts_;
    std::vector<std::string> requetes_;
    std::vector<int> muets_;
};

}  // namespace essai_reseau
