// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Many headless sessions saving the same vendor at once, and the ledger
// check that accounts for every save afterwards.

#include "sessionload.h"

#include "vendorchanges.h"
#include "vendorsession.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QRandomGenerator>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

using ZebVendorContact::ContactAddress;

namespace VendorContactHost {

namespace {

/// One save as its session saw it.
struct LedgerSave
{
    enum class Result { Saved, Conflict, Failed };
    int session = 0;
    int round = 0;
    Result result = Result::Failed;
    QString error;
    QHash<QString, qint64> bases; //!< address id -> the row version the save was made on
    QHash<QString, QString> values; //!< address id -> the street (2) it wrote
    QStringList added; //!< names of the addresses it added
};

/// Holds every session until all have opened their connection and read
/// the vendor, so they save together and the clock times the saves alone.
class StartLine
{
public:
    explicit StartLine(int sessions)
        : m_waiting(sessions)
    {
    }
    void arriveAndWait()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (--m_waiting == 0) {
            clock.start();
            m_go.notify_all();
            return;
        }
        m_go.wait(lock, [this] { return m_waiting == 0; });
    }
    QElapsedTimer clock;

private:
    std::mutex m_mutex;
    std::condition_variable m_go;
    int m_waiting;
};

QString optionalNumber(const std::optional<qint16> &value)
{
    return value ? QString::number(*value) : QString();
}

/// The control's export of `addresses`, as its GetContactAddress writes it.
QString exportText(const QList<ContactAddress> &addresses)
{
    QString text;
    for (const ContactAddress &a : addresses) {
        const QStringList values { a.addressId, a.vendorId, QString::number(a.typeId), a.name, a.street1, a.street2,
            a.city, optionalNumber(a.country), optionalNumber(a.stateId), a.postalCode, a.phone, a.fax, a.email,
            a.phone2, a.cell };
        text += values.join(u'|') + u'~';
    }
    return text;
}

QList<LedgerSave> runOneSession(const SessionLoadOptions &options, qint32 vendorId, int index, StartLine &start)
{
    QList<LedgerSave> ledger;
    bool started = false;
    QRandomGenerator random(quint32(20261208 + index));
    try {
        VendorSession session(VendorDatabase::open(options.location), {});
        auto reread = [&session, vendorId] {
            session.show(session.read(vendorId));
            return addressesById(session.shownAddresses());
        };
        QHash<QString, ContactAddress> latest = reread();
        QStringList ids = latest.keys();
        std::sort(ids.begin(), ids.end());
        // Each save picks that many different addresses: fewer would never do.
        if (ids.size() < options.addressesPerSave)
            throw ZebVendorContact::Error(ZebVendorContact::Error::Code::InvalidArgument,
                QStringLiteral("vendor %1 has %2 addresses, fewer than the %3 each save changes")
                    .arg(vendorId)
                    .arg(ids.size())
                    .arg(options.addressesPerSave));
        start.arriveAndWait();
        started = true;
        for (int round = 0; round < options.savesPerSession; ++round) {
            LedgerSave entry;
            entry.session = index;
            entry.round = round;
            QList<ContactAddress> changes;
            while (changes.size() < options.addressesPerSave) {
                ContactAddress address = latest.value(ids.at(int(random.bounded(qsizetype(ids.size())))));
                if (entry.bases.contains(address.addressId))
                    continue;
                address.street2 = QStringLiteral("s%1 r%2").arg(index).arg(round);
                entry.bases.insert(address.addressId, session.shown()->rowVersions.value(address.addressId));
                entry.values.insert(address.addressId, address.street2);
                changes << address;
            }
            if (options.addEvery > 0 && round % options.addEvery == options.addEvery - 1) {
                ContactAddress added = changes.constFirst();
                added.addressId = QStringLiteral("%1-%2-N").arg(index).arg(round);
                added.name = QStringLiteral("Added s%1 r%2").arg(index).arg(round);
                entry.added << added.name;
                changes << added;
            }
            try {
                const SaveOutcome outcome = session.save(exportText(changes));
                entry.result = outcome.saved() ? LedgerSave::Result::Saved : LedgerSave::Result::Conflict;
                if (outcome.saved()) {
                    for (const ContactAddress &address : std::as_const(changes))
                        latest.insert(address.addressId, address);
                } else {
                    latest = reread();
                }
            } catch (const ZebVendorContact::Error &error) {
                const auto *trouble = dynamic_cast<const DatabaseError *>(&error);
                entry.error = trouble ? error.message() + QLatin1Char(' ') + trouble->details() : error.message();
                latest = reread();
            }
            ledger << entry;
        }
    } catch (const ZebVendorContact::Error &error) {
        if (!started)
            start.arriveAndWait();
        LedgerSave failed;
        failed.session = index;
        failed.round = -1;
        const auto *trouble = dynamic_cast<const DatabaseError *>(&error);
        failed.error = trouble ? error.message() + QLatin1Char(' ') + trouble->details() : error.message();
        ledger << failed;
    }
    return ledger;
}

struct Write
{
    qint64 base;
    QString value;
};

QStringList checkLedger(const QList<LedgerSave> &ledger, const VendorSnapshot &before, const VendorSnapshot &after)
{
    QStringList problems;
    QHash<QString, QList<Write>> writes;
    QStringList added;
    for (const LedgerSave &save : ledger) {
        if (save.result == LedgerSave::Result::Failed)
            problems
                << QStringLiteral("session %1, save %2 threw: %3").arg(save.session).arg(save.round).arg(save.error);
        if (save.result != LedgerSave::Result::Saved)
            continue;
        for (auto it = save.values.cbegin(); it != save.values.cend(); ++it)
            writes[it.key()] << Write { save.bases.value(it.key()), it.value() };
        added << save.added;
    }
    // A conflict is real only when someone else saved one of its addresses
    // on top of the version it was made on.
    for (const LedgerSave &save : ledger) {
        if (save.result != LedgerSave::Result::Conflict)
            continue;
        bool met = false;
        for (auto it = save.bases.cbegin(); it != save.bases.cend() && !met; ++it) {
            const QList<Write> &saves = writes[it.key()];
            met = std::any_of(saves.cbegin(), saves.cend(), [&it](const Write &w) { return w.base >= it.value(); });
        }
        if (!met)
            problems
                << QStringLiteral("session %1, save %2: a conflict nobody caused").arg(save.session).arg(save.round);
    }
    const qsizetype addedCount = added.size();
    const QHash<QString, ContactAddress> was = addressesById(before.addresses);
    for (const ContactAddress &now : after.addresses) {
        const auto old = was.constFind(now.addressId);
        if (old == was.cend()) {
            if (!added.removeOne(now.name))
                problems << QStringLiteral("address %1 (%2) was added by no save").arg(now.addressId, now.name);
            continue;
        }
        QList<Write> saves = writes.value(now.addressId);
        std::sort(saves.begin(), saves.end(), [](const Write &a, const Write &b) { return a.base < b.base; });
        // Saves of one address follow each other, one per version: two from
        // the same version is a lost update, a gap a write nobody reported.
        for (qsizetype i = 0; i < saves.size(); ++i) {
            if (saves.at(i).base != i + 1)
                problems << QStringLiteral("address %1: a save made on version %2 where %3 was due")
                                .arg(now.addressId)
                                .arg(saves.at(i).base)
                                .arg(i + 1);
        }
        if (after.rowVersions.value(now.addressId) != saves.size() + 1)
            problems << QStringLiteral("address %1 is at version %2 after %3 saves")
                            .arg(now.addressId)
                            .arg(after.rowVersions.value(now.addressId))
                            .arg(saves.size());
        ContactAddress expected = *old;
        if (!saves.isEmpty())
            expected.street2 = saves.constLast().value;
        if (now != expected)
            problems << QStringLiteral("address %1 holds \"%2\" where \"%3\" was saved last")
                            .arg(now.addressId, now.street2, expected.street2);
    }
    if (after.addresses.size() != before.addresses.size() + addedCount)
        problems << QStringLiteral("%1 addresses where %2 were expected")
                        .arg(after.addresses.size())
                        .arg(before.addresses.size() + addedCount);
    for (const QString &name : std::as_const(added))
        problems << QStringLiteral("the added address %1 is missing").arg(name);
    return problems;
}

} // namespace

SessionLoadResult runSessionLoad(const SessionLoadOptions &options)
{
    SessionLoadResult result;
    qint32 vendorId = 0;
    VendorSnapshot before;
    {
        const auto setup = VendorDatabase::open(options.location);
        vendorId = setup->addGeneratedVendor(QStringLiteral("Many Sessions Ltd."), options.addresses);
        before = setup->loadVendor(vendorId);
    }
    std::vector<QList<LedgerSave>> ledgers(std::size_t(options.sessions));
    StartLine start(options.sessions);
    {
        std::vector<std::thread> sessions;
        for (int i = 0; i < options.sessions; ++i)
            sessions.emplace_back([&, i] { ledgers[std::size_t(i)] = runOneSession(options, vendorId, i, start); });
        for (std::thread &session : sessions)
            session.join();
    }
    result.seconds = double(start.clock.nsecsElapsed()) / 1e9;
    QList<LedgerSave> ledger;
    for (const QList<LedgerSave> &own : ledgers)
        ledger << own;
    for (const LedgerSave &save : std::as_const(ledger)) {
        result.saved += save.result == LedgerSave::Result::Saved;
        result.conflicts += save.result == LedgerSave::Result::Conflict;
        result.failed += save.result == LedgerSave::Result::Failed;
    }
    const auto check = VendorDatabase::open(options.location);
    result.problems = checkLedger(ledger, before, check->loadVendor(vendorId));
    return result;
}

} // namespace VendorContactHost
