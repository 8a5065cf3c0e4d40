// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// The count DllCanUnloadNow answers from: every factory and control object the
// runtime has handed out and not yet got back, plus the factories' server locks.

#include <atomic>
#include <cstdint>

namespace ZebVendorContact::Runtime {

void objectCreated();
void objectDestroyed();
void serverLocked();
/// False when there was no lock to take back.
bool serverUnlocked();
bool inUse();

/// Reference counting shared by every object the runtime hands out: the
/// object is counted as alive from construction until its last reference is
/// released, which is what lets a host unload the library safely.
template<typename Interface> class LiveObject : public Interface
{
public:
    uint32_t addRef() override { return ++m_references; }

    uint32_t release() override
    {
        const uint32_t left = --m_references;
        if (left == 0) {
            delete this;
        }
        return left;
    }

protected:
    LiveObject() { objectCreated(); }
    // Virtual: release() deletes through this base.
    virtual ~LiveObject() { objectDestroyed(); }

private:
    std::atomic<uint32_t> m_references { 1 };
};

} // namespace ZebVendorContact::Runtime
