#include "platform/sys/AsyncIo.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <arpa/inet.h>
#include <netinet/in.h>

#include <chrono>
#include <mutex>
#include <thread>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

// ---- descriptor watch ---------------------------------------------------------------

struct TFdWatch::Impl
{
    int fd;
    std::function<void(unsigned)> handler;
    std::unique_ptr<QSocketNotifier> lecture;
    std::unique_ptr<QSocketNotifier> ecriture;
    std::shared_ptr<bool> vivant = std::make_shared<bool>(true);

    void Signale()
    {
        pollfd p{fd, 0, 0};
        if (lecture->isEnabled())
            p.events |= POLLIN;
        if (ecriture->isEnabled())
            p.events |= POLLOUT;
        if (p.events == 0)
            return;
        if (::poll(&p, 1, 0) <= 0)
            return;
        unsigned bits = 0;
        if (p.revents & (POLLIN | POLLPRI))
            bits |= fdReadable;
        if (p.revents & POLLOUT)
            bits |= fdWritable;
        if (p.revents & (POLLHUP | POLLERR | POLLNVAL))
        {
            bits |= fdHangUp;
            if (lecture->isEnabled())
                bits |= fdReadable;
            if (ecriture->isEnabled())
                bits |= fdWritable;
        }
        if (bits)
            handler(bits);
    }
};

TFdWatch::TFdWatch(int fd, std::function<void(unsigned)> handler) : d_(std::make_unique<Impl>())
{
    d_->fd = fd;
    d_->handler = std::move(handler);
    d_->lecture = std::make_unique<QSocketNotifier>(static_cast<qintptr>(fd), QSocketNotifier::Read);
    d_->ecriture = std::make_unique<QSocketNotifier>(static_cast<qintptr>(fd), QSocketNotifier::Write);
    d_->lecture->setEnabled(false);
    d_->ecriture->setEnabled(false);
    Impl* d = d_.get();
    std::weak_ptr<bool> v = d_->vivant;
    auto relais = [d, v] {
        if (!v.expired())
            d->Signale();
    };
    QObject::connect(d_->lecture.get(), &QSocketNotifier::activated, relais);
    QObject::connect(d_->ecriture.get(), &QSocketNotifier::activated, relais);
}

TFdWatch::~TFdWatch()
{
    d_->vivant.reset();
    // A notifier may be the sender of the signal being handled: let the loop free it.
    d_->lecture->setEnabled(false);
    d_->ecriture->setEnabled(false);
    d_->lecture.release()->deleteLater();
    d_->ecriture.release()->deleteLater();
}

void TFdWatch::SetRead(bool on) { d_->lecture->setEnabled(on); }
void TFdWatch::SetWrite(bool on) { d_->ecriture->setEnabled(on); }
bool TFdWatch::ReadEnabled() const { return d_->lecture->isEnabled(); }
bool TFdWatch::WriteEnabled() const { return d_->ecriture->isEnabled(); }
int TFdWatch::Fd() const { return d_->fd; }

// ---- queued calls -----------------------------------------------------------------------

namespace {

// The object of a thread through which calls reach its loop. Workers find it
// through a shared slot that the thread clears when it ends.
struct TRelais
{
    std::mutex m;
    QObject* objet = nullptr;
};

struct TRelaisThread
{
    std::shared_ptr<TRelais> relais = std::make_shared<TRelais>();
    std::unique_ptr<QObject> objet = std::make_unique<QObject>();
    TRelaisThread() { relais->objet = objet.get(); }
    ~TRelaisThread()
    {
        std::lock_guard<std::mutex> l(relais->m);
        relais->objet = nullptr;
    }
};

TRelaisThread& RelaisCourant()
{
    thread_local TRelaisThread r;
    return r;
}

}  // namespace

void PostCall(std::function<void()> f)
{
    QMetaObject::invokeMethod(RelaisCourant().objet.get(), std::move(f), Qt::QueuedConnection);
}

// ---- name lookup ------------------------------------------------------------------------

void ResolveHostAsync(const std::string& host, std::function<void(int, std::vector<std::string>)> done)
{
    std::shared_ptr<TRelais> relais = RelaisCourant().relais;
    std::thread([host, done = std::move(done), relais]() mutable {
        addrinfo indices{};
        indices.ai_family = AF_INET;
        indices.ai_socktype = SOCK_STREAM;
        addrinfo* res = nullptr;
        const int rc = ::getaddrinfo(host.c_str(), nullptr, &indices, &res);
        int erreur = 0;
        std::vector<std::string> adresses;
        if (rc != 0)
        {
            switch (rc)
            {
            case EAI_AGAIN: erreur = 11002; break;
            case EAI_FAIL: erreur = 11003; break;
#ifdef EAI_NODATA
            case EAI_NODATA: erreur = 11004; break;
#endif
            case EAI_ADDRFAMILY: erreur = 11004; break;
            default: erreur = 11001; break;
            }
        }
        else
        {
            for (addrinfo* a = res; a; a = a->ai_next)
            {
                if (a->ai_family != AF_INET)
                    continue;
                char texte[INET_ADDRSTRLEN];
                const auto* sin = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
                if (::inet_ntop(AF_INET, &sin->sin_addr, texte, sizeof texte))
                {
                    std::string t = texte;
                    bool deja = false;
                    for (const auto& x : adresses)
                        deja = deja || x == t;
                    if (!deja)
                        adresses.push_back(t);
                }
            }
            ::freeaddrinfo(res);
            if (adresses.empty())
                erreur = 11004;
        }
        std::lock_guard<std::mutex> l(relais->m);
        if (relais->objet)
            QMetaObject::invokeMethod(
                relais->objet, [done = std::move(done), erreur, adresses] { done(erreur, adresses); },
                Qt::QueuedConnection);
    }).detach();
}

void ResolveAddressAsync(const std::string& address, std::function<void(int, std::string)> done)
{
    std::shared_ptr<TRelais> relais = RelaisCourant().relais;
    std::thread([address, done = std::move(done), relais]() mutable {
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        int erreur = 0;
        std::string nom;
        char hote[NI_MAXHOST];
        if (::inet_pton(AF_INET, address.c_str(), &sa.sin_addr) != 1)
            erreur = 10022;
        else if (::getnameinfo(reinterpret_cast<sockaddr*>(&sa), sizeof sa, hote, sizeof hote, nullptr, 0,
                               NI_NAMEREQD) != 0)
            erreur = 11001;
        else
            nom = hote;
        std::lock_guard<std::mutex> l(relais->m);
        if (relais->objet)
            QMetaObject::invokeMethod(
                relais->objet, [done = std::move(done), erreur, nom] { done(erreur, nom); }, Qt::QueuedConnection);
    }).detach();
}

int64_t MonotonicMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// ---- local loop --------------------------------------------------------------------------

struct TLocalLoop::Impl
{
    QEventLoop boucle;
    bool enCours = false;
    bool fini = false;
};

TLocalLoop::TLocalLoop() : d_(std::make_unique<Impl>()) {}
TLocalLoop::~TLocalLoop() = default;

bool TLocalLoop::Run(int64_t timeoutMs)
{
    d_->fini = false;
    if (ApplicationClosing())
        return false;
    d_->enCours = true;
    QTimer minuterie;
    minuterie.setSingleShot(true);
    minuterie.setTimerType(Qt::PreciseTimer);
    QElapsedTimer chrono;
    chrono.start();
    bool delai = false;
    QObject::connect(&minuterie, &QTimer::timeout, &d_->boucle, [&] {
        // The timer may fire a little early: wait the rest.
        const int64_t reste = timeoutMs - chrono.elapsed();
        if (reste > 0)
        {
            minuterie.start(static_cast<int>(std::min<int64_t>(reste, 1 << 30)));
            return;
        }
        delai = true;
        d_->boucle.quit();
    });
    QMetaObject::Connection fin;
    if (QCoreApplication::instance())
        fin = QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &d_->boucle,
                               [this] { d_->boucle.quit(); });
    if (timeoutMs > 0)
        minuterie.start(static_cast<int>(std::min<int64_t>(timeoutMs, 1 << 30)));
    if (!d_->fini)
        d_->boucle.exec();
    QObject::disconnect(fin);
    d_->enCours = false;
    return d_->fini && !delai;
}

void TLocalLoop::Quit()
{
    d_->fini = true;
    d_->boucle.quit();
}

bool TLocalLoop::Running() const { return d_->enCours; }

void ProcessPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool ApplicationClosing()
{
    return !QCoreApplication::instance() || QCoreApplication::closingDown();
}
