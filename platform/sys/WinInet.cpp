#include "platform/sys/WinInet.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>

namespace {
int forced = -1;

bool InterfaceUp()
{
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0)
        return false;
    bool up = false;
    for (ifaddrs* a = list; a && !up; a = a->ifa_next)
    {
        if (!a->ifa_addr)
            continue;
        const int family = a->ifa_addr->sa_family;
        if (family != AF_INET && family != AF_INET6)
            continue;
        const unsigned flags = a->ifa_flags;
        up = (flags & IFF_UP) && (flags & IFF_RUNNING) && !(flags & IFF_LOOPBACK);
    }
    ::freeifaddrs(list);
    return up;
}
}  // namespace

void SetInternetConnectedStateOverride(int state) { forced = state; }

bool InternetGetConnectedState(uint32_t* flags, uint32_t reserved)
{
    (void)reserved;
    const bool connected = forced >= 0 ? forced == 1 : InterfaceUp();
    if (flags)
        *flags = connected ? INTERNET_CONNECTION_LAN : INTERNET_CONNECTION_OFFLINE;
    return connected;
}
