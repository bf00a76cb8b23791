// The SOCKS client, line mode and the waiting operations of the socket.
#include <arpa/inet.h>
#include <sys/socket.h>

#include <cstring>

#include "net/AsyncSocket.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/AsyncIo.h"
#include "platform/sys/WinSock.h"

// Codes of the SOCKS failures.
enum : int
{
    socksDataReceiveError = 20000,
    socksVersionError = 20001,
    socksMethodNotAcceptable = 20002,
    socksAuthFailed = 20003,
    socksTooMuchData = 20014,
    socksGeneralFailure = 20004,   // 20004..20011: SOCKS 5 reply codes 1..8
    socksConnectionRefused = 20008,
    socksAddressTypeNotSupported = 20011,
    socksUnassigned = 20012,
    socksInternalError = 20013,
    socks4AuthFailed = 20015,
    socks4Rejected = 20016,
};

// ---- SOCKS ------------------------------------------------------------------------------------

void TCustomSocksSocket::SetSocksServer(const std::string& v)
{
    if (State() != wsClosed)
        return RaiseError("Can't change socks server if not closed");
    socksServer_ = Trim(v);
}

void TCustomSocksSocket::SetSocksPort(const std::string& v)
{
    if (State() != wsClosed)
        return RaiseError("Can't change socks port if not closed");
    socksPort_ = Trim(v);
}

void TCustomSocksSocket::SetSocksLevel(const std::string& v)
{
    if (State() != wsClosed)
        return RaiseError("Can't change socks level if not closed");
    const std::string n = UpperCase(Trim(v));
    if (n != "4" && n != "4A" && n != "5")
        return RaiseError("Invalid socks level. Must be 4, 4A or 5.");
    socksLevel_ = n;
}

void TCustomSocksSocket::Listen()
{
    if (!socksServer_.empty())
        return RaiseError("Listening is not supported thru socks server");
    TCustomAsyncSocket::Listen();
}

void TCustomSocksSocket::Connect()
{
    if (socksServer_.empty())
        return TCustomAsyncSocket::Connect();
    std::string p = Proto();
    for (char& c : p)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    if (p != "tcp" && Trim(p) != "6")
        return RaiseError("tcp is the only protocol supported thru socks server");
    targetPort_ = SocketResolvePort(Port(), "tcp");
    targetHost_ = Addr();
    // SOCKS 4 carries an address: the name is looked up here.
    targetAddr_ = socksLevel_ == "4" ? SocketResolveHost(targetHost_) : 0;
    addr_ = socksServer_;
    addrAssigned_ = !addr_.empty();
    addrResolved_ = false;
    port_ = socksPort_.empty() ? "1080" : socksPort_;
    portAssigned_ = true;
    portResolved_ = false;
    rcvCnt_ = 0;
    socksStep_ = 1;
    try
    {
        TCustomAsyncSocket::Connect();
    }
    catch (...)
    {
        socksStep_ = 0;
        throw;
    }
}

void TCustomSocksSocket::TriggerSessionConnectedSpecial(int err)
{
    if (socksStep_ != 1)
        return TCustomAsyncSocket::TriggerSessionConnectedSpecial(err);
    if (OnSocksConnected)
        OnSocksConnected(err);
    if (err != 0 || HSocket() < 0)
    {
        socksStep_ = 0;
        TriggerSessionConnected(err);
        return;
    }
    ChangeState(wsSocksConnected);
    rcvCnt_ = 0;
    if (socksLevel_ != "5")
        return SendSocksRequest();
    const uint8_t salut[3] = {5, 1, static_cast<uint8_t>(SocksAuthentication == socksAuthenticateUsercode ? 2 : 0)};
    Send(salut, 3);
}

void TCustomSocksSocket::SendSocksRequest()
{
    std::string r;
    const uint16_t port = htons(targetPort_);
    if (socksLevel_ == "5")
    {
        if (targetHost_.size() > 255)
            return SocksFail(socksInternalError, "internal error");
        r = {5, 1, 0, 3, static_cast<char>(targetHost_.size())};
        r += targetHost_;
        r.append(reinterpret_cast<const char*>(&port), 2);
    }
    else
    {
        r = {4, 1};
        r.append(reinterpret_cast<const char*>(&port), 2);
        uint32_t a = targetAddr_;
        if (socksLevel_ == "4A")
            a = htonl(1);
        r.append(reinterpret_cast<const char*>(&a), 4);
        r += SocksUsercode;
        r += '\0';
        if (socksLevel_ == "4A")
        {
            r += targetHost_;
            r += '\0';
        }
    }
    socksStep_ = 3;
    rcvCnt_ = 0;
    Send(r.data(), static_cast<int>(r.size()));
}

void TCustomSocksSocket::SendSocksAuth()
{
    if (OnSocksAuthState)
        OnSocksAuthState(socksAuthStart);
    if (SocksUsercode.size() > 255 || SocksPassword.size() > 255)
        return SocksFail(socksAuthFailed, "socks authentication failed");
    std::string r = {1, static_cast<char>(SocksUsercode.size())};
    r += SocksUsercode;
    r += static_cast<char>(SocksPassword.size());
    r += SocksPassword;
    socksStep_ = 2;
    rcvCnt_ = 0;
    Send(r.data(), static_cast<int>(r.size()));
}

bool TCustomSocksSocket::TriggerDataAvailable(int err)
{
    if (socksStep_ == 0)
        return TCustomAsyncSocket::TriggerDataAvailable(err);
    SocksReply();
    return true;
}

void TCustomSocksSocket::SocksReply()
{
    // Takes only the bytes of the reply: what follows it stays for the reader.
    auto lit = [&](int jusque) {
        if (rcvCnt_ >= jusque)
            return true;
        const int n = RealReceive(rcvBuf_ + rcvCnt_, jusque - rcvCnt_);
        if (n <= 0)
        {
            if (n < 0 && LastError != WSAEWOULDBLOCK)
                SocksFail(socksDataReceiveError, "data receive error");
            else if (n == 0)
                SocksFail(socksDataReceiveError, "data receive error");
            return false;
        }
        rcvCnt_ += n;
        return rcvCnt_ >= jusque;
    };
    if (socksStep_ == 1)
    {
        if (!lit(2))
            return;
        if (rcvBuf_[0] != 5)
            return SocksFail(socksVersionError, "socks version error");
        if (rcvBuf_[1] == 0)
        {
            if (OnSocksAuthState)
                OnSocksAuthState(socksAuthNotRequired);
            return SendSocksRequest();
        }
        if (rcvBuf_[1] == 2)
            return SendSocksAuth();
        return SocksFail(socksMethodNotAcceptable, "authentification method not acceptable");
    }
    if (socksStep_ == 2)
    {
        if (!lit(2))
            return;
        if (rcvBuf_[1] != 0)
        {
            if (OnSocksAuthState)
                OnSocksAuthState(socksAuthFailure);
            return SocksFail(socksAuthFailed, "socks authentication failed");
        }
        if (BytesPending() > 0)
            return SocksFail(socksTooMuchData, "too much data availaible");
        if (OnSocksAuthState)
            OnSocksAuthState(socksAuthSuccess);
        return SendSocksRequest();
    }
    if (socksStep_ != 3)
        return SocksFail(socksInternalError, "internal error");
    if (socksLevel_ != "5")
    {
        if (!lit(8))
            return;
        if (rcvBuf_[0] != 0)
            return SocksFail(socksVersionError, "socks version error");
        switch (rcvBuf_[1])
        {
        case 90: break;
        case 91: return SocksFail(socks4Rejected, "request rejected or failed");
        case 92: return SocksFail(socksConnectionRefused, "connection refused");
        case 93: return SocksFail(socks4AuthFailed, "authentification failed");
        default: return SocksFail(socksUnassigned, "unassigned error #" + std::to_string(rcvBuf_[1]));
        }
    }
    else
    {
        if (!lit(2))
            return;
        if (rcvBuf_[0] != 5)
            return SocksFail(socksVersionError, "socks version error");
        static const char* const erreurs[8] = {
            "general SOCKS server failure", "connection not allowed by ruleset", "network unreachable",
            "host unreachable", "connection refused", "time to live expired", "command not supported",
            "address type not supported"};
        const uint8_t code = rcvBuf_[1];
        if (code >= 1 && code <= 8)
            return SocksFail(socksGeneralFailure + code - 1, erreurs[code - 1]);
        if (code != 0)
            return SocksFail(socksUnassigned, "unassigned error #" + std::to_string(code));
        if (!lit(5))
            return;
        int complet;
        if (rcvBuf_[3] == 1)
            complet = 10;
        else if (rcvBuf_[3] == 3)
            complet = 7 + rcvBuf_[4];   // at most 262: the buffer's size
        else
            return SocksFail(socksAddressTypeNotSupported, "address type not supported");
        if (!lit(complet))
            return;
    }
    socksStep_ = 0;
    rcvCnt_ = 0;
    ChangeState(wsConnected);
    TriggerSessionConnected(0);
}

void TCustomSocksSocket::SocksFail(int code, const std::string& msg)
{
    if (OnSocksError)
        OnSocksError(code, msg);
    socksStep_ = 0;
    TriggerSessionConnected(code);
    if (HSocket() >= 0)
        CloseSocket(true, code);
}

// ---- line mode ----------------------------------------------------------------------------------

void TCustomLineSocket::SetLineMode(bool on)
{
    if (on == lineMode_)
        return;
    lineMode_ = on;
    if (!rcvdBuf_.empty())
        Later([this] { RetriggerLines(); });
}

void TCustomLineSocket::LineEditing(std::string& data)
{
    std::string garde;
    for (char c : data)
    {
        if (c == '\b')
        {
            if (!garde.empty())
                garde.pop_back();
            else if (!rcvdBuf_.empty())
                rcvdBuf_.pop_back();
            if (LineEcho)
                SendStr("\b \b");
            continue;
        }
        if (c == '\t')
            c = ' ';
        garde += c;
        if (LineEcho)
            SendStr(std::string(1, c));
    }
    data.swap(garde);
}

bool TCustomLineSocket::TriggerDataAvailable(int err)
{
    if (!lineMode_ || LineEnd.empty() || SocksRunning())
        return TCustomSocksSocket::TriggerDataAvailable(err);
    const int pending = std::max(BytesPending(), 1);
    std::string data(static_cast<size_t>(std::min(pending, 65536)), '\0');
    const int n = RealReceive(data.data(), static_cast<int>(data.size()));
    if (n <= 0)
        return true;
    data.resize(static_cast<size_t>(n));
    if (LineEdit)
        LineEditing(data);
    else if (LineEcho)
        SendStr(data);
    rcvdBuf_ += data;
    OfferLines(err);
    return true;
}

bool TCustomLineSocket::OfferLines(int err)
{
    bool pris = false;
    while (lineMode_ && !LineEnd.empty())
    {
        const size_t p = rcvdBuf_.find(LineEnd);
        if (p == std::string::npos)
            break;
        const size_t avant = rcvdBuf_.size();
        lineLength_ = static_cast<int>(p + LineEnd.size());
        lineReady_ = true;
        if (OnDataAvailable)
            OnDataAvailable(err);
        lineReady_ = false;
        lineLength_ = 0;
        if (rcvdBuf_.size() == avant)
            break;   // the handler left the line where it was
        pris = true;
    }
    if (lineMode_ && static_cast<int>(rcvdBuf_.size()) > LineLimit &&
        (LineEnd.empty() || rcvdBuf_.find(LineEnd) == std::string::npos))
    {
        bool vider = true;
        if (OnLineLimitExceeded)
            OnLineLimitExceeded(static_cast<int>(rcvdBuf_.size()), vider);
        if (vider)
            rcvdBuf_.clear();
    }
    return pris;
}

void TCustomLineSocket::RetriggerLines()
{
    if (!lineMode_)
    {
        while (!rcvdBuf_.empty() && OnDataAvailable)
        {
            const size_t avant = rcvdBuf_.size();
            OnDataAvailable(0);
            if (rcvdBuf_.size() == avant)
                break;
        }
        return;
    }
    for (int passe = 0; passe < 4 && !rcvdBuf_.empty(); ++passe)
        if (OfferLines(0))
            passe = -1;   // a pass that took a line earns another round
}

int TCustomLineSocket::Receive(void* buffer, int len)
{
    if (lineMode_ && !LineEnd.empty() && !SocksRunning())
    {
        if (!lineReady_)
        {
            LastError = WSAEWOULDBLOCK;
            return -1;
        }
        const int n = std::min(len, lineLength_);
        std::memcpy(buffer, rcvdBuf_.data(), static_cast<size_t>(std::max(n, 0)));
        rcvdBuf_.erase(0, static_cast<size_t>(std::max(n, 0)));
        lineLength_ -= n;
        if (lineLength_ <= 0)
            lineReady_ = false;
        return n;
    }
    if (!rcvdBuf_.empty())
    {
        const int n = std::min(len, static_cast<int>(rcvdBuf_.size()));
        std::memcpy(buffer, rcvdBuf_.data(), static_cast<size_t>(std::max(n, 0)));
        rcvdBuf_.erase(0, static_cast<size_t>(std::max(n, 0)));
        return n;
    }
    return TCustomSocksSocket::Receive(buffer, len);
}

int TCustomLineSocket::RcvdCount()
{
    if (lineMode_)
        return lineReady_ ? lineLength_ : static_cast<int>(rcvdBuf_.size());
    if (!rcvdBuf_.empty())
        return static_cast<int>(rcvdBuf_.size());
    return TCustomSocksSocket::RcvdCount();
}

int TCustomLineSocket::SendLine(const std::string& line) { return SendStr(line + LineEnd); }

// ---- waiting --------------------------------------------------------------------------------------

int TCustomSyncSocket::WaitUntilReady(const bool& flag)
{
    const int64_t fin = MonotonicMs() + Timeout;
    TLocalLoop boucle;
    while (!flag)
    {
        if (ApplicationClosing())
            return 12001;
        int64_t tranche = 10;
        if (Timeout > 0)
        {
            const int64_t reste = fin - MonotonicMs();
            if (reste <= 0)
                return 12001;
            tranche = std::min<int64_t>(tranche, reste);
        }
        boucle.Run(tranche);
    }
    return 0;
}

int TCustomSyncSocket::Synchronize(const std::function<void()>& proc, bool& flag)
{
    flag = false;
    if (proc)
        proc();
    return WaitUntilReady(flag);
}
