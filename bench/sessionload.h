// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace VendorContactHost {

/// How many sessions save how often, and where.
struct SessionLoadOptions
{
    QString location; //!< as VendorDatabase takes it
    int sessions = 8;
    int savesPerSession = 200;
    /// The vendor's addresses: few, so the sessions' saves overlap.
    int addresses = 40;
    int addressesPerSave = 3;
    /// Every this many saves a session adds an address too.
    int addEvery = 10;
};

/// What the sessions did, and what the ledger check found wrong.
struct SessionLoadResult
{
    int saved = 0;
    int conflicts = 0;
    int failed = 0; //!< saves that threw (a locked database included)
    double seconds = 0;
    QStringList problems; //!< empty when every save is accounted for
    double savesPerSecond() const { return seconds > 0 ? (saved + conflicts) / seconds : 0; }
};

/*!
 * Adds a vendor to the database at `options.location`, then runs
 * `options.sessions` headless sessions at once, each in its own thread with
 * its own connection, each saving random addresses of that vendor from a
 * snapshot it re-reads only after a conflict, so sessions save over each
 * other's versions on purpose. Then checks the ledger against the database:
 * every save reported saved is there with its values, every save reported
 * as a conflict wrote nothing and met a version someone else wrote, nothing
 * else changed, nothing threw.
 */
SessionLoadResult runSessionLoad(const SessionLoadOptions &options);

} // namespace VendorContactHost
