// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "liveobjects.h"

#include <atomic>

namespace ZebVendorContact::Runtime {

namespace {
// Atomic although controls are single-threaded: a host may ask
// DllCanUnloadNow from another thread while the user interface works.
std::atomic<int> liveObjects { 0 };
std::atomic<int> serverLocks { 0 };
} // namespace

void objectCreated()
{
    ++liveObjects;
}

void objectDestroyed()
{
    --liveObjects;
}

void serverLocked()
{
    ++serverLocks;
}

bool serverUnlocked()
{
    int locks = serverLocks.load();
    while (locks > 0) {
        if (serverLocks.compare_exchange_weak(locks, locks - 1)) {
            return true;
        }
    }
    return false;
}

bool inUse()
{
    return liveObjects.load() > 0 || serverLocks.load() > 0;
}

} // namespace ZebVendorContact::Runtime
