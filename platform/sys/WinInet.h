// The system's connected-state query: the machine counts as connected when a
// network interface other than loopback is up and running with an address.
#pragma once

#include <cstdint>

enum : uint32_t
{
    INTERNET_CONNECTION_MODEM = 0x01,
    INTERNET_CONNECTION_LAN = 0x02,
    INTERNET_CONNECTION_PROXY = 0x04,
    INTERNET_CONNECTION_OFFLINE = 0x20,
};

// True when connected; flags (may be nullptr) gets INTERNET_CONNECTION_LAN then,
// INTERNET_CONNECTION_OFFLINE otherwise. reserved must be 0.
bool InternetGetConnectedState(uint32_t* flags, uint32_t reserved);

// Tests and the diagnostic switch can force the answer: -1 asks the system
// (the default), 0 answers not connected, 1 connected.
void SetInternetConnectedStateOverride(int state);
