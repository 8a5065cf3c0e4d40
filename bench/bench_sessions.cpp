// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Eight sessions saving one vendor at once, 200 saves each, on an SQLite
// file and on a PostgreSQL cluster of its own: saves per second, and the
// ledger check that accounts for every one of them.

#include "sessionload.h"

#include "../tests/support/throwawaypostgres.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QTemporaryDir>

#include <cstdio>

using namespace VendorContactHost;

namespace {
bool report(const char *engine, const SessionLoadOptions &options)
{
    const SessionLoadResult result = runSessionLoad(options);
    std::printf("%-11s %d sessions x %d saves: %5d saved, %5d conflicts, %d failed in %.2f s = %6.0f saves/s%s\n",
        engine, options.sessions, options.savesPerSession, result.saved, result.conflicts, result.failed,
        result.seconds, result.savesPerSecond(), result.problems.isEmpty() ? ", ledger check passed" : "");
    for (const QString &problem : result.problems.mid(0, 20))
        std::printf("  %s\n", qPrintable(problem));
    return result.problems.isEmpty();
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    SessionLoadOptions options;
    options.location = QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("sessions.sqlite"));
    bool passed = report("SQLite", options);
    TestSupport::ThrowawayPostgres postgres;
    const QString error = postgres.start();
    if (!error.isEmpty()) {
        std::printf("PostgreSQL: not measured (%s)\n", qPrintable(error));
        return passed ? 0 : 1;
    }
    options.location = postgres.url();
    passed = report("PostgreSQL", options) && passed;
    return passed ? 0 : 1;
}
