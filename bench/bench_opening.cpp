// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// What the integrity check costs when the address book opens a large SQLite
// file: a file of about 234 MB (or the megabytes given as the argument) is
// generated, then opened unchanged (its verification is on record), opened
// after another program wrote to it (the full check runs), and, for
// comparison, checked with quick_check, which every open ran before.

#include "../tests/support/vendordbaccess.h"
#include "vendordatabase.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryDir>
#include <QtSql/QSqlQuery>

#include <cstdio>

using namespace VendorContactHost;
using namespace Qt::Literals::StringLiterals;

namespace {

/// Milliseconds `work` takes, the best of three.
template<typename Work> double best(Work &&work)
{
    double fastest = 0;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer clock;
        clock.start();
        work();
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        fastest = run == 0 ? ms : std::min(fastest, ms);
    }
    return fastest;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 234;
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path())); // the record of verified files
    const QString file = dir.filePath(u"large.sqlite"_s);
    const QString where = u"sqlite:"_s + file;
    std::printf("Generating a file of %lld MB...\n", megabytes);
    {
        const auto db = VendorDatabase::open(where);
        // Counted with the log: the file takes the log's pages when the last
        // connection closes.
        auto size = [&] { return QFileInfo(file).size() + QFileInfo(file + u"-wal"_s).size(); };
        for (int vendor = 1; size() < megabytes * 1024 * 1024; ++vendor)
            db->addGeneratedVendor(u"Large Vendor %1"_s.arg(vendor), VendorDatabase::MaxAddressesPerVendor);
    }
    std::printf("%lld bytes\n", QFileInfo(file).size());
    const double unchanged = best([&] { VendorDatabase::open(where); });
    const double changed = best([&] {
        {
            // Another program writes: the file is no longer the one verified.
            QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
            other.setDatabaseName(file);
            other.open();
            QSqlQuery(other).exec(u"UPDATE vendors SET name = name || '.' WHERE id = (SELECT MIN(id) FROM vendors)"_s);
            other.close();
        }
        QSqlDatabase::removeDatabase(u"other"_s);
        VendorDatabase::open(where);
    });
    const auto db = VendorDatabase::open(where);
    const double quick = best([&] { QSqlQuery(connectionOf(*db)).exec(u"PRAGMA quick_check"_s); });
    const double full = best([&] { QSqlQuery(connectionOf(*db)).exec(u"PRAGMA integrity_check"_s); });
    std::printf("open, file unchanged since verified   %8.1f ms\n"
                "open, file changed by another program %8.1f ms (includes that program's write)\n"
                "quick_check alone (before: every open) %7.1f ms\n"
                "integrity_check alone                 %8.1f ms\n",
        unchanged, changed, quick, full);
    return 0;
}
