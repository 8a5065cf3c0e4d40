#pragma once

// The count DllCanUnloadNow answers from: every factory and control object the
// runtime has handed out and not yet got back, plus the factories' server locks.

namespace ZebVendorContact::Runtime {

void objectCreated();
void objectDestroyed();
void serverLocked();
/// False when there was no lock to take back.
bool serverUnlocked();
bool inUse();

} // namespace ZebVendorContact::Runtime
