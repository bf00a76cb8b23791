#include "net/HttpClient.h"

#include <algorithm>
#include <cstring>

#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/AsyncIo.h"

namespace {

constexpr int tailleLigne = 8192;
// What one read of a reply's body takes from the socket at most.
constexpr int tailleBlocCorps = 256 * 1024;
constexpr int maxLignesEntete = 1000;
constexpr size_t maxOctetsEntete = 256 * 1024;
constexpr size_t maxDefis = 32;
constexpr int maxCookies = 64;

std::string Minuscules(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool EstChiffres(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The directory part of a path, with its last "/".
std::string Dossier(const std::string& chemin)
{
    const size_t p = chemin.rfind('/');
    return p == std::string::npos ? "/" : chemin.substr(0, p + 1);
}

// Position of "://" after a scheme (letters, digits, "+", "-", "."), npos otherwise.
size_t FinSchema(const std::string& s)
{
    size_t i = 0;
    while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '+' || s[i] == '-' || s[i] == '.'))
        ++i;
    if (i > 0 && s.compare(i, 3, "://") == 0)
        return i;
    return std::string::npos;
}

}  // namespace

// ---- helpers -------------------------------------------------------------------------------

THttpAddress SplitAddress(const std::string& url, const std::string& basePath)
{
    THttpAddress a;
    if (url.empty())
        return a;
    if (url.rfind("./", 0) == 0 || url.rfind("../", 0) == 0)
    {
        std::string dossier = Dossier(basePath);
        std::string reste = url;
        for (;;)
        {
            if (reste.rfind("./", 0) == 0)
                reste.erase(0, 2);
            else if (reste.rfind("../", 0) == 0)
            {
                reste.erase(0, 3);
                if (dossier.size() > 1)
                    dossier = Dossier(dossier.substr(0, dossier.size() - 1));
            }
            else
                break;
        }
        a.Proto = "http";
        a.Path = dossier + reste;
        return a;
    }
    if (url[0] == '/')
    {
        a.Proto = "http";
        a.Path = url;
        return a;
    }
    std::string reste = url;
    const size_t fin = FinSchema(url);
    if (fin != std::string::npos)
    {
        a.Proto = Minuscules(url.substr(0, fin));
        reste = url.substr(fin + 3);
    }
    else if (Minuscules(url.substr(0, 7)) == "mailto:")
    {
        a.Proto = "mailto";
        a.Path = url.substr(7);
        return a;
    }
    else if (Minuscules(url.substr(0, 5)) == "http:")
    {
        a.Proto = "http";
        a.Path = url.substr(5);
        return a;
    }
    else
        a.Proto = "http";
    const size_t p = reste.find_first_of("/?");
    std::string autorite = p == std::string::npos ? reste : reste.substr(0, p);
    a.Path = p == std::string::npos ? "" : reste.substr(p);
    if (!a.Path.empty() && a.Path[0] == '?')
        a.Path = "/" + a.Path;
    const size_t arobase = autorite.rfind('@');
    if (arobase != std::string::npos)
    {
        const std::string id = autorite.substr(0, arobase);
        autorite.erase(0, arobase + 1);
        const size_t dp = id.find(':');
        a.User = id.substr(0, dp);
        if (dp != std::string::npos)
            a.Pass = id.substr(dp + 1);
    }
    const size_t dp = autorite.rfind(':');
    if (dp != std::string::npos)
    {
        a.Port = autorite.substr(dp + 1);
        autorite.erase(dp);
    }
    a.Host = autorite;
    return a;
}

std::string HttpDateText(TDateTime t)
{
    static const char* const jours[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const mois[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int a, m, j, h, mi, s, ms;
    DecodeDate(t, a, m, j);
    DecodeTime(t, h, mi, s, ms);
    const long long jour = static_cast<long long>(t) - 2;
    const int k = static_cast<int>(((jour % 7) + 7) % 7);
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%s, %2.2d %s %4.4d %2.2d:%2.2d:%2.2d", jours[k], j, mois[(m + 11) % 12], a,
                  h, mi, s);
    return tampon;
}

std::string EncodeBase64(const std::string& s)
{
    static const char* const alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string r;
    size_t i = 0;
    for (; i + 2 < s.size(); i += 3)
    {
        const uint32_t v = (uint8_t(s[i]) << 16) | (uint8_t(s[i + 1]) << 8) | uint8_t(s[i + 2]);
        r += alphabet[v >> 18];
        r += alphabet[(v >> 12) & 63];
        r += alphabet[(v >> 6) & 63];
        r += alphabet[v & 63];
    }
    if (i + 1 == s.size())
    {
        const uint32_t v = uint8_t(s[i]) << 16;
        r += alphabet[v >> 18];
        r += alphabet[(v >> 12) & 63];
        r += "==";
    }
    else if (i + 2 == s.size())
    {
        const uint32_t v = (uint8_t(s[i]) << 16) | (uint8_t(s[i + 1]) << 8);
        r += alphabet[v >> 18];
        r += alphabet[(v >> 12) & 63];
        r += alphabet[(v >> 6) & 63];
        r += '=';
    }
    return r;
}

// ---- life and settings -------------------------------------------------------------------------

THttpClient::THttpClient() : socket_(std::make_unique<TAsyncSocket>())
{
    TAsyncSocket& s = *socket_;
    s.OnSessionConnected = [this](int e) { SocketSessionConnected(e); };
    s.OnSessionClosed = [this](int e) { SocketSessionClosed(e); };
    s.OnDataAvailable = [this](int e) { SocketDataAvailable(e); };
    s.OnDataSent = [this](int e) { SocketDataSent(e); };
    s.OnDnsLookupDone = [this](int e) { DnsLookupDone(e); };
    s.OnError = [this] {
        if (OnSocketError)
            OnSocketError();
    };
    s.OnSocksConnected = [this](int e) {
        if (OnSocksConnected)
            OnSocksConnected(e);
    };
    s.OnSocksError = [this](int e, const std::string& m) {
        if (OnSocksError)
            OnSocksError(e, m);
    };
    s.OnSocksAuthState = [this](TSocksAuthState st) {
        if (OnSocksAuthState)
            OnSocksAuthState(st);
    };
    // A failure inside a socket event ends the request with its message.
    s.OnBgException = [this](const std::exception& e, bool& canClose) {
        canClose = true;
        if (state_ != hcIdle)
        {
            RequestDoneError = RequestDoneError ? RequestDoneError : static_cast<uint16_t>(httperrBadReply);
            ReplyCode = 404;
            ReplyText = e.what();
            failed_ = true;
            relocationPending_ = false;
            handler_ = lhNone;
        }
    };
}

THttpClient::~THttpClient()
{
    alive_.reset();
    socket_.reset();
}

void THttpClient::Later(std::function<void()> f)
{
    std::weak_ptr<bool> v = alive_;
    PostCall([v, f = std::move(f)] {
        if (!v.expired())
            f();
    });
}

void THttpClient::SetRequestVer(const std::string& v)
{
    if (v == requestVer_)
        return;
    if (v != "1.0" && v != "1.1")
        throw EHttpException("Insupported HTTP version", httperrVersion);
    requestVer_ = v;
}

void THttpClient::SetState(THttpState s)
{
    if (s == state_)
        return;
    state_ = s;
    if (OnStateChange)
        OnStateChange();
    if (s == hcIdle)
    {
        const THttpRequest kind = RequestType;
        const uint16_t err = RequestDoneError;
        Later([this, kind, err] {
            if (OnRequestDone)
                OnRequestDone(kind, err);
        });
    }
}

void THttpClient::ResetReply()
{
    ReplyHeader.clear();
    WWWAuthenticate.clear();
    RequestDoneError = 0;
    DocumentFile.clear();
    ReplyCode = 0;
    ReplyText.clear();
    ReplyCount = 0;
    SentCount = 0;
    headerLines_ = 0;
    headerBytes_ = 0;
    bodyCalls_ = 0;
    ReplyType.clear();
    ReplyEncoding.clear();
    sendingAllowed_ = false;
    closeFlag_ = false;
    ReplyLength = -1;
    NewLocation = URL;
    relocationPending_ = false;
    failed_ = false;
    held_ = 0;
    cookies_ = 0;
}

void THttpClient::SetTarget(const THttpAddress& a)
{
    proto_ = a.Proto.empty() ? "http" : a.Proto;
    host_ = a.Host;
    path_ = a.Path.empty() ? "/" : a.Path;
    if (Proxy.empty())
    {
        port_ = a.Port.empty() ? "80" : a.Port;
        target_ = path_;
        if (!a.User.empty())
        {
            Username = a.User;
            Password = a.Pass;
        }
    }
    else
    {
        port_ = a.Port.empty() ? (proto_ == "https" ? "443" : "80") : a.Port;
        target_ = proto_ + "://" + host_ + (a.Port.empty() ? "" : ":" + a.Port) + path_;
    }
    // The document's name: the last segment without its query.
    std::string p = path_.substr(0, path_.find('?'));
    const size_t slash = p.rfind('/');
    DocumentFile = slash == std::string::npos ? p : p.substr(slash + 1);
    if (DocumentFile.empty())
        DocumentFile = "document.htm";
}

// ---- starting -----------------------------------------------------------------------------------

void THttpClient::StartRequest(THttpRequest kind)
{
    if (kind != httpCLOSE && state_ != hcIdle)
        throw EHttpException("HTTP component is busy", httperrBusy);
    if ((kind == httpPOST || kind == httpPUT) && !PostStream)
        throw EHttpException("HTTP component has nothing to post or put", httperrNoData);
    if (kind == httpCLOSE)
    {
        ReplyCode = 200;
        ReplyText = "OK";
        SetState(hcClosing);
        if (socket_->State() != wsClosed)
            CloseLaterSocket();
        else
            Later([this] { SetState(hcIdle); });
        return;
    }
    RequestType = kind;
    relocations_ = 0;
    tunnel_ = false;
    ResetReply();
    SetTarget(SplitAddress(URL));
    std::string srvHost = host_, srvPort = port_;
    if (!Proxy.empty())
    {
        const THttpAddress p = SplitAddress(Proxy);
        srvHost = p.Host.empty() ? Proxy : p.Host;
        srvPort = p.Port.empty() ? ProxyPort : p.Port;
    }
    const bool memeConnexion = socket_->State() == wsConnected && srvHost == connHost_ && srvPort == connPort_ &&
                               proto_ == connProto_;
    if (socket_->State() != wsClosed && !memeConnexion)
        socket_->AbortSocket();
    SetState(hcStarting);
    if (Proxy.empty() && proto_ != "http")
    {
        // No TLS here, and no other protocol: a clear end rather than a bogus request.
        Fail(httperrProtocol, "Protocol " + proto_ + " is not supported");
        return;
    }
    connHost_ = srvHost;
    connPort_ = srvPort;
    if (memeConnexion)
    {
        SocketSessionConnected(0);
        return;
    }
    OpenConnection();
}

void THttpClient::OpenConnection()
{
    if (socket_->State() == wsConnected)
    {
        SocketSessionConnected(0);
        return;
    }
    SetState(hcResolving);
    socket_->SetLocalAddr(LocalAddr);
    socket_->DnsLookup(connHost_);
}

void THttpClient::DnsLookupDone(int err)
{
    if (state_ != hcResolving)
        return;
    if (err != 0)
    {
        RequestDoneError = static_cast<uint16_t>(err);
        ReplyCode = 404;
        ReplyText = "can't resolve hostname to IP address";
        SocketSessionClosed(err);
        return;
    }
    SetState(hcResolved);
    try
    {
        socket_->SetAddr(socket_->DnsResult);
        socket_->SetLocalAddr(LocalAddr);
        socket_->SetPort(connPort_);
        socket_->SetProto("tcp");
        connProto_ = proto_;
        socket_->Connect();
    }
    catch (const std::exception& e)
    {
        Fail(static_cast<uint16_t>(socket_->LastError ? socket_->LastError : httperrBadReply), e.what());
        return;
    }
    const TSocketState s = socket_->State();
    if (s != wsConnecting && s != wsConnected && s != wsSocksConnected)
    {
        const int e = socket_->LastError;
        Fail(static_cast<uint16_t>(e), SocketErrorText(e) + " (Error #" + std::to_string(e) + ")");
    }
}

void THttpClient::SocketSessionConnected(int err)
{
    if (err != 0)
    {
        RequestDoneError = static_cast<uint16_t>(err);
        ReplyCode = 404;
        ReplyText = SocketErrorText(err) + " (Error #" + std::to_string(err) + ")";
        if (OnSessionConnected)
            OnSessionConnected(err);
        return;
    }
    SetState(hcConnected);
    if (OnSessionConnected)
        OnSessionConnected(0);
    handler_ = lhHeader;
    held_ = 0;
    if (!Proxy.empty() && proto_ == "https" && !tunnel_)
    {
        SetState(hcAwaitingProxy);
        SendConnect();
        return;
    }
    SetState(hcAwaitingHeader);
    switch (RequestType)
    {
    case httpHEAD: SendRequest("HEAD"); break;
    case httpPOST:
    case httpPUT:
        SendRequest(RequestType == httpPOST ? "POST" : "PUT");
        if (OnSendBegin)
            OnSendBegin();
        sendingAllowed_ = true;
        PostStream->SetPosition(0);
        SendPostBlock();
        break;
    default: SendRequest("GET"); break;
    }
}

void THttpClient::SendConnect()
{
    std::string r = "CONNECT " + host_ + ":" + port_ + " HTTP/" + requestVer_ + "\r\n";
    if (!ProxyUsername.empty())
        r += "Proxy-Authorization: Basic " + EncodeBase64(ProxyUsername + ":" + ProxyPassword) + "\r\n";
    r += "\r\n";
    socket_->SendStr(r);
}

void THttpClient::SendRequest(const std::string& method)
{
    std::vector<std::string> l;
    l.push_back(method + " " + target_ + " HTTP/" + requestVer_);
    auto ajoute = [&](const char* nom, const std::string& v) {
        if (!v.empty())
            l.push_back(std::string(nom) + v);
    };
    const bool corps = method == "POST" || method == "PUT";
    ajoute("From: ", Sender);
    ajoute("Accept: ", Accept);
    ajoute("Referer: ", Reference);
    ajoute("Connection: ", Connection);
    ajoute("Proxy-Connection: ", ProxyConnection);
    ajoute("Accept-Language: ", AcceptLanguage);
    if (corps)
        ajoute("Content-Type: ", ContentTypePost);
    ajoute("User-Agent: ", Agent);
    l.push_back("Host: " + host_ + (port_ != "80" ? ":" + port_ : ""));
    if (NoCache)
        l.push_back("Pragma: no-cache");
    if (corps)
        l.push_back("Content-Length: " + std::to_string(PostStream->Size()));
    if (ModifiedSince != 0)
        l.push_back("If-Modified-Since: " + HttpDateText(ModifiedSince) + " GMT");
    if (!Username.empty())
        l.push_back("Authorization: Basic " + EncodeBase64(Username + ":" + Password));
    if (!Proxy.empty() && !ProxyUsername.empty())
        l.push_back("Proxy-Authorization: Basic " + EncodeBase64(ProxyUsername + ":" + ProxyPassword));
    ajoute("Cookie: ", Cookie);
    if (!ContentRangeBegin.empty() || !ContentRangeEnd.empty())
    {
        l.push_back("Range: bytes=" + ContentRangeBegin + "-" + ContentRangeEnd);
        ContentRangeBegin.clear();
        ContentRangeEnd.clear();
    }
    AcceptRanges.clear();
    if (OnBeforeHeaderSend)
        OnBeforeHeaderSend(method, l);
    if (OnRequestHeaderBegin)
        OnRequestHeaderBegin();
    std::string tout;
    for (std::string& ligne : l)
    {
        if (OnCommand)
            OnCommand(ligne);
        tout += ligne + "\r\n";
    }
    if (OnRequestHeaderEnd)
        OnRequestHeaderEnd();
    tout += "\r\n";
    socket_->SendStr(tout);
}

void THttpClient::SendPostBlock()
{
    if (!sendingAllowed_ || !PostStream)
        return;
    char bloc[8193];
    const long n = PostStream->Read(bloc, sizeof bloc);
    if (n <= 0)
    {
        sendingAllowed_ = false;
        if (OnSendEnd)
            OnSendEnd();
        return;
    }
    SentCount += n;
    if (OnSendData)
        OnSendData(bloc, static_cast<int>(n));
    socket_->Send(bloc, static_cast<int>(n));
}

void THttpClient::SocketDataSent(int)
{
    SendPostBlock();
}

// ---- receiving ------------------------------------------------------------------------------------

void THttpClient::SocketDataAvailable(int)
{
    // The body comes in large blocks straight from the socket to the caller:
    // one report and one read per block, no line buffer on the way.
    if (state_ == hcAwaitingBody && handler_ == lhBody && held_ == 0 && RequestType != httpHEAD)
    {
        corps_.resize(tailleBlocCorps);
        const int n = socket_->Receive(corps_.data(), tailleBlocCorps);
        if (RequestType == httpABORT || n <= 0)
            return;
        return DeliverBody(corps_.data(), n);
    }
    const int libre = tailleLigne - held_;
    if (libre <= 0)
    {
        if (state_ == hcIdle)
            held_ = 0;
        else
            return Fail(httperrLineTooLong, "HTTP line too long");
    }
    const int n = socket_->Receive(buffer_ + held_, tailleLigne - held_);
    if (RequestType == httpABORT || n <= 0)
        return;
    held_ += n;
    ProcessHeld();
}

void THttpClient::FeedReply(const char* data, int len, bool end)
{
    if ((state_ == hcIdle || state_ == hcStarting) && len > 0)
    {
        ResetReply();
        SetState(hcAwaitingHeader);
        handler_ = lhHeader;
    }
    std::weak_ptr<bool> v = alive_;
    while (len > 0 && state_ != hcIdle)
    {
        const int n = std::min(len, tailleLigne - held_);
        if (n <= 0)
            return Fail(httperrLineTooLong, "HTTP line too long");
        std::memcpy(buffer_ + held_, data, static_cast<size_t>(n));
        held_ += n;
        data += n;
        len -= n;
        ProcessHeld();
        if (v.expired())
            return;
    }
    if (end && state_ != hcIdle)
        SocketSessionClosed(0);
}

void THttpClient::ProcessHeld()
{
    std::weak_ptr<bool> v = alive_;
    while (state_ != hcAwaitingBody && held_ > 0)
    {
        char* lf = static_cast<char*>(std::memchr(buffer_, '\n', static_cast<size_t>(held_)));
        if (!lf)
        {
            if (held_ >= tailleLigne && state_ != hcIdle)
                Fail(httperrLineTooLong, "HTTP line too long");
            return;
        }
        int longueur = static_cast<int>(lf - buffer_);
        const int consomme = longueur + 1;
        if (longueur > 0 && buffer_[longueur - 1] == '\r')
            --longueur;
        const std::string ligne(buffer_, static_cast<size_t>(longueur));
        held_ -= consomme;
        std::memmove(buffer_, buffer_ + consomme, static_cast<size_t>(held_));
        if (state_ < hcAwaitingHeader || state_ > hcAwaitingBody)
        {
            if (state_ == hcAwaitingProxy)
                ProxyLine(ligne);
            else if (OnDataPush)
                OnDataPush(ligne);
        }
        else if (handler_ == lhHeader)
            ReadHeaderLine(ligne);
        else
            SetState(hcIdle);
        if (v.expired())
            return;
    }
    if (state_ == hcAwaitingBody)
        DeliverHeldBody();
}

void THttpClient::DeliverHeldBody()
{
    if (held_ <= 0 || handler_ != lhBody)
        return;
    if (RequestType == httpHEAD)
    {
        held_ = 0;
        socket_->AbortSocket();
        return;
    }
    const int n = held_;
    held_ = 0;
    const std::string bloc(buffer_, static_cast<size_t>(n));
    DeliverBody(bloc.data(), n);
}

void THttpClient::DeliverBody(const char* data, int len)
{
    if (bodyCalls_ == 0)
        chunked_ = Minuscules(ReplyEncoding) == "chunked";
    int64_t n = len;
    if (ReplyLength >= 0 && !chunked_)
        n = std::min<int64_t>(n, ReplyLength - ReplyCount);
    const int pris = static_cast<int>(std::max<int64_t>(n, 0));
    const int reste = len - pris;
    std::weak_ptr<bool> v = alive_;
    GetBodyLineNext(data, pris);
    if (v.expired())
        return;
    // What follows the document belongs to no reply of ours (a line's worth
    // is kept, as the line buffer holds no more).
    if (handler_ == lhBody && reste > 0)
    {
        held_ = std::min(reste, tailleLigne);
        std::memmove(buffer_, data + pris, static_cast<size_t>(held_));
    }
}

void THttpClient::ReadHeaderLine(const std::string& ligne)
{
    if (headerLines_ == 0)
    {
        if (OnHeaderBegin)
            OnHeaderBegin();
        if (UpperCase(ligne.substr(0, 6)) == "<HTML>")
        {
            if (ReplyType.empty())
                ReplyType = "text/html";
            SetState(hcAwaitingBody);
            handler_ = lhBody;
            if (OnHeaderEnd)
                OnHeaderEnd();
            const std::string l = ligne + "\n";
            GetBodyLineNext(l.data(), static_cast<int>(l.size()));
            return;
        }
    }
    ++headerLines_;
    headerBytes_ += ligne.size();
    if (headerLines_ > maxLignesEntete || headerBytes_ > maxOctetsEntete)
        return Fail(httperrBadReply, "HTTP header too large");
    if (ligne.empty())
        return EndOfHeader();
    ReplyHeader.push_back(ligne);
    if (headerLines_ == 1)
    {
        if (ligne.rfind("HTTP/1.0", 0) == 0 || ligne.rfind("HTTP/1.1", 0) == 0)
        {
            ResponseVer = ligne.substr(5, 3);
            const std::string code = ligne.size() >= 12 ? ligne.substr(9, 3) : std::string();
            if (!EstChiffres(code))
                return Fail(httperrBadReply, "Bad HTTP status line");
            ReplyCode = std::stoi(code);
            ReplyText = ligne.size() > 13 ? ligne.substr(13) : std::string();
        }
        else if (OnDataPush2)
            OnDataPush2(ligne);
    }
    else
    {
        const size_t dp = ligne.find(':');
        if (dp != std::string::npos)
        {
            const std::string nom = Minuscules(ligne.substr(0, dp));
            size_t d = dp + 1;
            while (d < ligne.size() && (ligne[d] == ' ' || ligne[d] == '\t'))
                ++d;
            const std::string valeur = ligne.substr(d);
            if (nom == "location")
            {
                if (RequestType == httpPUT)
                    NewLocation = valeur;
                else if (FollowRelocation)
                    WorkLocation(valeur);
            }
            else if (nom == "content-length")
            {
                const std::string t = Trim(valeur);
                if (!EstChiffres(t) || t.size() > 18)
                    return Fail(httperrBadReply, "Bad Content-Length in the HTTP reply");
                ReplyLength = std::stoll(t);
                if (ReplyLength > BodyLimit)
                    return Fail(httperrTooLarge, "HTTP reply too large");
            }
            else if (nom == "transfer-encoding")
                ReplyEncoding = valeur;
            else if (nom == "content-range")
            {
                const size_t tiret = valeur.find('-');
                const size_t barre = valeur.find('/');
                if (valeur.size() > 6 && tiret != std::string::npos && tiret >= 6)
                {
                    ContentRangeBegin = valeur.substr(6, tiret - 6);
                    ContentRangeEnd =
                        valeur.substr(tiret + 1, barre == std::string::npos || barre < tiret ? std::string::npos
                                                                                               : barre - tiret - 1);
                }
            }
            else if (nom == "accept-ranges")
                AcceptRanges = valeur;
            else if (nom == "content-type")
                ReplyType = Minuscules(valeur);
            else if (nom == "www-authenticate")
            {
                if (WWWAuthenticate.size() < maxDefis)
                    WWWAuthenticate.push_back(valeur);
            }
            else if (nom == "set-cookie")
            {
                bool accepte = true;
                if (OnCookie && ++cookies_ <= maxCookies)
                    OnCookie(valeur, accepte);
            }
            else if (nom == "connection")
            {
                if (Minuscules(Trim(valeur)) == "close")
                    closeFlag_ = true;
            }
        }
    }
    if (OnHeaderData)
        OnHeaderData();
}

void THttpClient::WorkLocation(const std::string& valeur)
{
    const size_t fin = FinSchema(valeur);
    if (fin != std::string::npos)
    {
        const std::string schema = Minuscules(valeur.substr(0, fin));
        if (schema != "http" && Proxy.empty())
        {
            // Reported at the end of the reply: no relocation follows.
            RequestDoneError = httperrProtocol;
            ReplyText = "Relocation to " + valeur + " is not supported (" + schema + ")";
            relocationPending_ = false;
            return;
        }
        NewLocation = valeur;
    }
    else if (!valeur.empty() && valeur[0] == '/')
        NewLocation = proto_ + "://" + host_ + (port_ != "80" ? ":" + port_ : "") + valeur;
    else
    {
        const std::string p = path_.substr(0, path_.find('?'));
        NewLocation = proto_ + "://" + host_ + (port_ != "80" ? ":" + port_ : "") + Dossier(p) + valeur;
    }
    relocationPending_ = true;
}

void THttpClient::EndOfHeader()
{
    if (ResponseVer == "1.1" && ReplyCode == 100)
    {
        ReplyHeader.clear();
        headerLines_ = 0;
        headerBytes_ = 0;
        return;
    }
    if (OnHeaderEnd)
        OnHeaderEnd();
    const bool sansCorps = ReplyLength == -1 && (ReplyCode < 200 || ReplyCode == 204 || ReplyCode == 304);
    if (!sansCorps && ReplyLength != 0 && RequestType != httpHEAD)
    {
        if (ReplyType == "text/html")
        {
            const size_t point = DocumentFile.rfind('.');
            const std::string ext = point == std::string::npos ? "" : Minuscules(DocumentFile.substr(point));
            if (point == std::string::npos)
                DocumentFile += ".htm";
            else if (ext == ".exe")
                DocumentFile = DocumentFile.substr(0, point) + ".htm";
        }
        SetState(hcAwaitingBody);
        handler_ = lhBody;
        if (OnHeaderEnd)
            OnHeaderEnd();
        std::weak_ptr<bool> v = alive_;
        DeliverHeldBody();
        if (v.expired())
            return;
        if (ReplyCode >= 400 && state_ == hcAwaitingBody && socket_->State() != wsClosed)
            socket_->Close();
        return;
    }
    handler_ = lhNone;
    if (relocationPending_)
        return StartRelocation();
    if (ResponseVer != "1.0" && requestVer_ != "1.0" && !closeFlag_)
        return SetState(hcIdle);
    if (RequestType == httpHEAD)
        SetState(hcAwaitingBody);
    CloseLaterSocket();
}

void THttpClient::ProxyLine(const std::string& ligne)
{
    if (OnDataPush)
        OnDataPush(ligne);
    if (headerLines_++ == 0)
    {
        ReplyHeader.push_back(ligne);
        const std::string code = ligne.size() >= 12 ? ligne.substr(9, 3) : std::string();
        ReplyCode = EstChiffres(code) ? std::stoi(code) : 0;
        ReplyText = ligne.size() > 13 ? ligne.substr(13) : std::string();
        return;
    }
    if (headerLines_ > maxLignesEntete)
        return Fail(httperrBadReply, "HTTP header too large");
    if (!ligne.empty())
        return;
    if (ReplyCode == 200)
    {
        // The tunnel is open, but https needs TLS, which this program has not.
        tunnel_ = true;
        return Fail(httperrProtocol, "Tunnel opened; protocol " + proto_ + " is not supported");
    }
    RequestDoneError = httperrProtocol;
    handler_ = lhNone;
    socket_->Close();
}

void THttpClient::GetBodyLineNext(const char* data, int len)
{
    if (bodyCalls_++ == 0)
    {
        chunked_ = Minuscules(ReplyEncoding) == "chunked";
        chunkState_ = 0;
        chunkLength_ = 0;
        chunkCount_ = 0;
        chunkDigits_ = 0;
        if (OnDocBegin)
            OnDocBegin();
    }
    std::weak_ptr<bool> v = alive_;
    auto livre = [&](const char* p, int n) {
        if (ReplyCount + n > BodyLimit)
        {
            Fail(httperrTooLarge, "HTTP reply too large");
            return false;
        }
        ReplyCount += n;
        if (ReplyStream)
            ReplyStream->WriteBuffer(p, n);
        if (OnDocData)
            OnDocData(p, n);
        return !v.expired() && !failed_;
    };
    if (!chunked_)
    {
        if (len > 0 && !livre(data, len))
            return;
        if (ReplyCount == ReplyLength)
            DocumentComplete();
        return;
    }
    int i = 0;
    while (i < len || chunkState_ == 2 || chunkState_ == 4)
    {
        switch (chunkState_)
        {
        case 0: {
            const char c = data[i];
            int valeur = -1;
            if (c >= '0' && c <= '9') valeur = c - '0';
            else if (c >= 'a' && c <= 'f') valeur = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F') valeur = c - 'A' + 10;
            if (valeur >= 0)
            {
                if (++chunkDigits_ > 8)
                    return Fail(httperrBadReply, "Bad chunk size in the HTTP reply");
                chunkLength_ = chunkLength_ * 16 + valeur;
                ++i;
            }
            else
            {
                if (chunkDigits_ == 0)
                    return Fail(httperrBadReply, "Bad chunk size in the HTTP reply");
                if (ReplyCount + chunkLength_ > BodyLimit)
                    return Fail(httperrTooLarge, "HTTP reply too large");
                chunkState_ = 1;
            }
            break;
        }
        case 1:
        case 3: {
            const void* lf = std::memchr(data + i, '\n', static_cast<size_t>(len - i));
            if (!lf)
                return;
            i = static_cast<int>(static_cast<const char*>(lf) - data) + 1;
            if (chunkState_ == 1)
                chunkState_ = 2;
            else if (chunkLength_ == 0)
                chunkState_ = 4;
            else
            {
                chunkState_ = 0;
                chunkLength_ = 0;
                chunkCount_ = 0;
                chunkDigits_ = 0;
            }
            break;
        }
        case 2: {
            const int n = static_cast<int>(std::min<int64_t>(chunkLength_ - chunkCount_, len - i));
            if (n > 0)
            {
                chunkCount_ += n;
                if (!livre(data + i, n))
                    return;
                i += n;
            }
            if (chunkCount_ >= chunkLength_)
                chunkState_ = 3;
            else
                return;
            break;
        }
        default:
            DocumentComplete();
            return;
        }
    }
}

void THttpClient::DocumentComplete()
{
    SetState(hcBodyDone);
    handler_ = lhNone;
    std::weak_ptr<bool> v = alive_;
    if (OnDocEnd)
        OnDocEnd();
    if (v.expired())
        return;
    if (relocationPending_)
        return StartRelocation();
    if (ResponseVer != "1.0" && requestVer_ != "1.0" && !closeFlag_)
        return SetState(hcIdle);
    CloseLaterSocket();
}

void THttpClient::CloseLaterSocket()
{
    if (socket_->State() != wsClosed)
        socket_->CloseLater();
}

void THttpClient::SocketSessionClosed(int err)
{
    if (err != 0)
        RequestDoneError = static_cast<uint16_t>(err);
    connHost_.clear();
    connPort_.clear();
    connProto_.clear();
    std::weak_ptr<bool> v = alive_;
    if (handler_ == lhHeader && (state_ == hcAwaitingHeader || state_ == hcConnected))
    {
        if (OnHeaderEnd)
            OnHeaderEnd();
        if (v.expired())
            return;
        if (relocationPending_ && !failed_)
            return RelocationClosed();
    }
    else if (state_ == hcAwaitingBody)
    {
        // A known length or a chunked body that stops short is no success.
        const bool chunked = Minuscules(ReplyEncoding) == "chunked";
        if (!failed_ && ReplyCode < 400 && RequestType != httpHEAD &&
            ((ReplyLength >= 0 && ReplyCount < ReplyLength) || (chunked && chunkState_ != 4)))
        {
            RequestDoneError = httperrBadReply;
            ReplyText = "Connection closed before the end of the reply";
            ReplyCode = 404;
        }
        if (bodyCalls_ > 0 && OnDocEnd)
            OnDocEnd();
        if (v.expired())
            return;
    }
    handler_ = lhNone;
    if (OnSessionClosed)
        OnSessionClosed(err);
    if (v.expired())
        return;
    if (relocationPending_ && !failed_)
        return RelocationClosed();
    SetState(hcIdle);
}

// ---- relocations -----------------------------------------------------------------------------------

void THttpClient::StartRelocation()
{
    if (relocations_ >= MaxRelocations)
    {
        relocationPending_ = false;
        RequestDoneError = httperrRelocations;
        ReplyText = "Too many relocations (" + std::to_string(MaxRelocations) + ")";
        handler_ = lhNone;
        if (socket_->State() != wsClosed)
            socket_->Close();
        else
            SetState(hcIdle);
        return;
    }
    ++relocations_;
    headerLines_ = 0;
    headerBytes_ = 0;
    bodyCalls_ = 0;
    held_ = 0;
    const THttpAddress a = SplitAddress(NewLocation.substr(0, NewLocation.find('#')));
    const std::string port = a.Port.empty() ? "80" : a.Port;
    if (ResponseVer == "1.1" && Proxy.empty() && a.Host == host_ && port == port_ && a.Proto == proto_ &&
        !closeFlag_ && socket_->State() == wsConnected)
    {
        relocationPending_ = false;
        SetTarget(a);
        if (RequestType == httpPOST)
            RequestType = httpGET;
        if (OnLocationChange)
            OnLocationChange();
        ReplyHeader.clear();
        ReplyLength = -1;
        ReplyType.clear();
        ReplyCode = 0;
        ReplyEncoding.clear();
        ReplyCount = 0;
        Later([this] { OpenConnection(); });
        return;
    }
    if (socket_->State() != wsClosed)
        socket_->Close();   // the close leads to RelocationClosed
    else
        RelocationClosed();
}

void THttpClient::RelocationClosed()
{
    relocationPending_ = false;
    const std::string lieu = NewLocation.substr(0, NewLocation.find('#'));
    SetTarget(SplitAddress(lieu));
    if (RequestType == httpPOST)
        RequestType = httpGET;
    if (OnLocationChange)
        OnLocationChange();
    ReplyHeader.clear();
    headerLines_ = 0;
    headerBytes_ = 0;
    bodyCalls_ = 0;
    ReplyLength = -1;
    ReplyType.clear();
    ReplyCode = 0;
    ReplyEncoding.clear();
    ReplyCount = 0;
    held_ = 0;
    if (Proxy.empty())
    {
        connHost_ = host_;
        connPort_ = port_;
    }
    else
    {
        const THttpAddress p = SplitAddress(Proxy);
        connHost_ = p.Host.empty() ? Proxy : p.Host;
        connPort_ = p.Port.empty() ? ProxyPort : p.Port;
    }
    Later([this] {
        if (state_ == hcIdle || state_ == hcAborting)
            return;
        try
        {
            OpenConnection();
        }
        catch (const std::exception& e)
        {
            Fail(httperrBadReply, e.what());
        }
    });
}

// ---- ending -------------------------------------------------------------------------------------------

void THttpClient::Fail(uint16_t err, const std::string& text)
{
    RequestDoneError = err;
    ReplyCode = 404;
    ReplyText = text;
    failed_ = true;
    relocationPending_ = false;
    handler_ = lhNone;
    held_ = 0;
    if (socket_->State() != wsClosed)
        socket_->AbortSocket();   // its close ends the request
    if (socket_->State() == wsClosed && state_ != hcIdle)
        SetState(hcIdle);
}

void THttpClient::CancelRequest()
{
    if (state_ == hcIdle)
    {
        state_ = hcAborting;
        if (socket_->State() != wsClosed)
            socket_->AbortSocket();
        ReplyCode = 200;
        ReplyText = "OK";
        RequestDoneError = 0;
        state_ = hcIdle;
        if (OnStateChange)
            OnStateChange();
        if (OnRequestDone)
            OnRequestDone(RequestType, RequestDoneError);
        return;
    }
    const bool resolution = state_ == hcResolving;
    SetState(hcAborting);
    ReplyCode = 404;
    ReplyText = "Connection aborted on request";
    RequestDoneError = httperrAborted;
    failed_ = true;
    relocationPending_ = false;
    handler_ = lhNone;
    if (resolution)
    {
        try
        {
            socket_->CancelDnsLookup();
        }
        catch (...)
        {
        }
    }
    if (socket_->State() != wsClosed)
        socket_->AbortSocket();
    SetState(hcIdle);
}

void THttpClient::RunRequest(THttpRequest kind)
{
    bool fini = false;
    auto ancien = OnRequestDone;
    TLocalLoop boucle;
    OnRequestDone = [&](THttpRequest k, uint16_t e) {
        fini = true;
        boucle.Quit();
        if (ancien)
            ancien(k, e);
    };
    try
    {
        StartRequest(kind);
        while (!fini)
        {
            if (!boucle.Run(0) && !fini)
            {
                if (ApplicationClosing())
                {
                    CancelRequest();
                    break;
                }
            }
        }
    }
    catch (...)
    {
        OnRequestDone = ancien;
        throw;
    }
    OnRequestDone = ancien;
    if (ReplyCode >= 402)
        throw EHttpException(ReplyText, static_cast<uint16_t>(ReplyCode));
}
