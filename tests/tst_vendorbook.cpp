// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The demo host's vendor address book on real databases: an SQLite file and
// a throw-away PostgreSQL cluster started here.

#include "addresscolumns.h"
#include "controlcalls.h"
#include "mainwindow.h"
#include "support/throwawaypostgres.h"
#include "support/vendordbaccess.h"
#include "vendordatabase.h"
#include "vendorsession.h"
#include "vendorwatcher.h"

#include <vendorcontactclient.h>

#include <QtCore/QCryptographicHash>
#include <QtCore/QElapsedTimer>
#include <QtCore/QProcess>
#include <QtCore/QRandomGenerator>
#include <QtCore/QScopeGuard>
#include <QtCore/QTemporaryDir>
#include <QtCore/QThread>
#include <QtCore/QUrl>
#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include <cstdio>
#include <thread>

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

using namespace VendorContactHost;
using namespace Qt::Literals::StringLiterals;
using ZebVendorContact::ContactAddress;

namespace {

// Sample vendors: Northwind's list opens on its one Sales address.
constexpr qint32 Northwind = 2001;
constexpr qint32 Bluebonnet = 2002;
constexpr qint16 Sales = 1;
constexpr auto Existing = VendorDatabase::OpenMode::ExistingOnly;

template<typename T> T *child(QObject *parent, const QString &name)
{
    auto *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

/// Answers the window's questions from a script, recording them.
struct Answers
{
    QList<QMessageBox::StandardButton> script;
    QStringList asked;
    void attach(MainWindow &window)
    {
        window.setQuestionHandler([this](const Question &question) {
            asked << question.text;
            return script.isEmpty() ? question.defaultButton : script.takeFirst();
        });
    }
};

QString city(VendorDatabase &db, const QString &addressId)
{
    QSqlQuery query(connectionOf(db));
    query.exec(u"SELECT city FROM addresses WHERE id = "_s + addressId);
    return query.next() ? query.value(0).toString() : u"<gone>"_s;
}

void execOrFail(VendorDatabase &db, const QString &sql)
{
    QSqlQuery query(connectionOf(db));
    if (!query.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
}

QByteArray contents(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(in.readAll(), QCryptographicHash::Sha256) : "none";
}

/// The first-start test's child: opens (creating when missing) and prints
/// how many vendors it found.
int openAndCount(const QString &location)
{
    try {
        const auto db = VendorDatabase::open(location);
        std::printf("%d\n", int(db->vendors().size()));
        return 0;
    } catch (const ZebVendorContact::Error &error) {
        std::printf("%s\n", qPrintable(error.message()));
        return 2;
    }
}

/// The contention test's child: saves its own address of the large vendor
/// `rounds` times, each save reading the vendor afresh.
int saveRounds(const QString &location, int slot, int rounds)
{
    try {
        const auto db = VendorDatabase::open(location, Existing);
        for (int round = 1; round <= rounds; ++round) {
            VendorSnapshot snapshot = db->loadVendor(2004);
            ContactAddress &mine = snapshot.addresses[slot];
            mine.city = u"Slot %1 round %2"_s.arg(slot).arg(round);
            if (!db->saveVendor(snapshot, { mine }).saved())
                return 3;
        }
        return 0;
    } catch (const ZebVendorContact::Error &error) {
        std::printf("%s\n", qPrintable(error.message()));
        return 2;
    }
}

/// The kill test's child: saves the vendor over and over, every save
/// changing each of its addresses and adding five, all marked with the round.
int saveForever(const QString &location, qint32 vendorId)
{
    const auto db = VendorDatabase::open(location, Existing);
    for (int round = 1;; ++round) {
        const VendorSnapshot snapshot = db->loadVendor(vendorId);
        QList<ContactAddress> changes = snapshot.addresses;
        for (ContactAddress &address : changes)
            address.city = u"Round %1"_s.arg(round);
        for (int i = 0; i < 5; ++i) {
            ContactAddress added = changes.constFirst();
            added.addressId = u"%1-N"_s.arg(i, 3, 10, QChar(u'0'));
            added.name = u"Added in round %1"_s.arg(round);
            changes.append(added);
        }
        if (!db->saveVendor(snapshot, changes).saved())
            return 3;
        std::printf("saved %d\n", round);
        std::fflush(stdout);
    }
}

/// What the sqlite3 program, another process opening the file afresh,
/// answers to `sql`.
QString sqliteProgram(const QString &file, const QString &sql)
{
    QProcess program;
    program.start(u"sqlite3"_s, { file, sql });
    if (!program.waitForFinished() || program.exitCode() != 0)
        return u"sqlite3 failed: "_s + QString::fromLocal8Bit(program.readAllStandardError());
    return QString::fromUtf8(program.readAllStandardOutput()).trimmed();
}

/// The touched-file test's child: a session and its watcher are open on the
/// file, another program opens and closes it, then a save. Prints what the
/// save did and how many deleted files the process holds open, then waits
/// to be killed.
int saveAfterTouch(const QString &file)
{
    VendorSession session(VendorDatabase::open(u"sqlite:"_s + file, Existing), {});
    VendorChangeWatcher watcher(session.database());
    session.show(session.read(Bluebonnet));
    std::printf("%s\n", qPrintable(sqliteProgram(file, u"SELECT COUNT(*) FROM vendors"_s)));
    watcher.checkNow();
    ContactAddress touched = session.shownAddresses().constFirst();
    touched.city = u"Touched"_s;
    const SaveOutcome outcome = session.save(exchangeValues(touched).join(u'|') + u'~');
    watcher.checkNow();
    int deleted = 0;
    for (const QFileInfo &fd : QDir(u"/proc/self/fd"_s).entryInfoList(QDir::System | QDir::NoDotAndDotDot)) {
        char target[4096];
        const ssize_t length = ::readlink(QFile::encodeName(fd.filePath()).constData(), target, sizeof target);
        deleted += length > 0 && QByteArray(target, int(length)).endsWith(" (deleted)");
    }
    std::printf("saved %d deleted %d\n", outcome.updated, deleted);
    std::fflush(stdout);
    for (;;)
        QThread::sleep(60);
}

} // namespace

class TestVendorBook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { m_postgres.stop(); }

    void roundTripThroughThePanel_data();
    void roundTripThroughThePanel();
    void conflictingSaves_data();
    void conflictingSaves();
    void killedSavesAreAllOrNothing();
    void touchedFileLosesNoSave_data();
    void touchedFileLosesNoSave();
    void badDataChangesNothing_data();
    void badDataChangesNothing();
    void troubledFilesStayUntouched_data();
    void troubledFilesStayUntouched();
    void hostsStartingTogether_data();
    void hostsStartingTogether();
    void savesTakeTurns_data();
    void savesTakeTurns();
    void refusedSavesWriteNothing_data();
    void refusedSavesWriteNothing();
    void lockedFileWaitsItsTurn_data();
    void lockedFileWaitsItsTurn();
    void serverRestartIsSurvived();
    void crashAtCommitSavesOnce();
    void loadTextIsTheSameEitherWay_data();
    void loadTextIsTheSameEitherWay();
    void othersChangesAreSeen_data();
    void othersChangesAreSeen();

private:
    void addBackends();
    QString freshDatabase(const QString &backend);

    QTemporaryDir m_dir;
    ThrowawayPostgres m_postgres;
    int m_databases = 0;
};

void TestVendorBook::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path())); // the control's registration
    const QString error = m_postgres.start();
    // No silent pass: without a server the PostgreSQL path is untested.
    QVERIFY2(error.isEmpty(), qPrintable(u"PostgreSQL could not start: "_s + error));
}

void TestVendorBook::addBackends()
{
    QTest::addColumn<QString>("backend");
    for (const QString &backend : { u"sqlite"_s, u"postgresql"_s })
        QTest::newRow(qPrintable(backend)) << backend;
}

QString TestVendorBook::freshDatabase(const QString &backend)
{
    // One database per case, so every case starts from the sample data.
    const QString name = u"vendors%1"_s.arg(++m_databases);
    if (backend == u"sqlite") {
        // Created here: the window asks before it creates a file it was named.
        const QString location = u"sqlite:"_s + m_dir.filePath(name + u".sqlite"_s);
        const auto created = VendorDatabase::open(location);
        return location;
    }
    const auto server = VendorDatabase::open(m_postgres.url(), Existing, VendorDatabase::Seeding::Empty);
    execOrFail(*server, u"CREATE DATABASE "_s + name);
    return m_postgres.url(name);
}

void TestVendorBook::roundTripThroughThePanel_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("typed"); // the edited address's new city
    for (const QString &backend : { u"sqlite"_s, u"postgresql"_s }) {
        QTest::addRow("%s", qPrintable(backend)) << backend << u"Round Rock"_s;
        // What quotes, escapes or ends an array element or a statement.
        QTest::addRow("%s, quotes and braces", qPrintable(backend)) << backend << u"{\"O'Hara\", \\N} NULL"_s;
    }
}

void TestVendorBook::roundTripThroughThePanel()
{
    QFETCH(QString, backend);
    QFETCH(QString, typed);
    HostSettings settings;
    settings.database = freshDatabase(backend);
    MainWindow window(settings);
    QVERIFY(window.start());
    QVERIFY(window.showVendor(Northwind));
    QWidget *panel = window.control();
    auto *save = child<QPushButton>(&window, u"cmdSave"_s);
    QVERIFY(!save->isEnabled());

    // The user changes the first address's city and adds one, in the panel.
    QVERIFY(window.clickFirstAddress());
    QTest::mouseClick(child<QPushButton>(panel, u"cmdEdit"_s), Qt::LeftButton);
    auto *cityBox = child<QLineEdit>(panel, u"txtContact_3"_s);
    cityBox->selectAll();
    QTest::keyClicks(cityBox, typed);
    QTest::mouseClick(child<QPushButton>(panel, u"cmdAdd"_s), Qt::LeftButton);
    QVERIFY(save->isEnabled());
    QTest::mouseClick(child<QPushButton>(panel, u"cmdAdd"_s), Qt::LeftButton);
    QTest::keyClicks(child<QLineEdit>(panel, u"txtContact_0"_s), u"Ana Flores"_s);
    QTest::keyClicks(child<QLineEdit>(panel, u"txtContact_1"_s), u"500 E 4th St"_s);
    QTest::keyClicks(cityBox, u"Austin"_s);
    panel->findChild<QWidget *>(u"cboContactCountry"_s)->setProperty("currentIndex", 1);
    QTest::mouseClick(child<QPushButton>(panel, u"cmdAdd"_s), Qt::LeftButton);
    QCOMPARE(panel->property("modified").toBool(), true);

    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(panel->property("modified").toBool(), false);
    QVERIFY(!save->isEnabled());

    // Another connection reads what was saved; the panel shows the same rows,
    // the new address under the id the database gave it.
    const auto other = VendorDatabase::open(settings.database, Existing);
    const VendorSnapshot stored = other->loadVendor(Northwind);
    QCOMPARE(stored.addresses.size(), 5);
    const auto *list = panel->findChild<QAbstractItemView *>(u"lstContacts"_s)->model();
    QStringList shown;
    for (int row = 0; row < list->rowCount(); ++row)
        shown << list->index(row, 0).data().toString() + u' ' + list->index(row, 2).data().toString();
    QStringList expected;
    for (const ContactAddress &a : stored.addresses) {
        if (a.typeId == Sales)
            expected << a.addressId + u' ' + a.name;
    }
    shown.sort();
    expected.sort();
    QCOMPARE(shown, expected);
    QVERIFY2(!shown.join(u' ').contains(u"-N"), qPrintable(shown.join(u", ")));
    QCOMPARE(expected.size(), 2);
    const ContactAddress &edited = stored.addresses.at(1); // Sales, the second by id
    QCOMPARE(edited.city, typed);
    QCOMPARE(edited.name, u"Chlo\u00e9 Bergeron"_s); // sent again beside the city
    QCOMPARE(stored.rowVersions.value(edited.addressId), qint64(2));
    QCOMPARE(stored.addresses.constLast().name, u"Ana Flores"_s);
}

void TestVendorBook::conflictingSaves_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<int>("answer"); // in the conflict dialog
    QTest::addColumn<QString>("cityAfter"); // in the database
    QTest::addColumn<bool>("stillModified");
    QTest::addColumn<bool>("byProgram"); // their UPDATE leaves the row version as it was
    using A = ChangeResolution::Answer;
    for (const QString &backend : { u"sqlite"_s, u"postgresql"_s }) {
        QTest::addRow("%s, keep mine", qPrintable(backend))
            << backend << int(A::KeepMine) << u"Mine"_s << false << false;
        QTest::addRow("%s, take theirs", qPrintable(backend))
            << backend << int(A::TakeTheirs) << u"Theirs"_s << false << false;
        QTest::addRow("%s, cancel", qPrintable(backend)) << backend << int(A::Cancel) << u"Theirs"_s << true << false;
        QTest::addRow("%s, cancel, another program's update", qPrintable(backend))
            << backend << int(A::Cancel) << u"Theirs"_s << true << true;
    }
}

void TestVendorBook::conflictingSaves()
{
    QFETCH(QString, backend);
    QFETCH(int, answer);
    QFETCH(QString, cityAfter);
    QFETCH(bool, stillModified);
    QFETCH(bool, byProgram);
    HostSettings settings;
    settings.database = freshDatabase(backend);
    MainWindow window(settings);
    Answers answered { {}, {} };
    answered.attach(window);
    QStringList asked;
    window.setChangesHandler([&](const VendorChanges &changes, ChangesAsked) {
        for (const AddressChange &change : changes.conflicts())
            asked << changes.current.vendorName + u' ' + change.addressId;
        return ChangeResolution { ChangeResolution::Answer(answer), {} };
    });
    QVERIFY(window.start());
    QVERIFY(window.showVendor(Northwind));
    QWidget *panel = window.control();

    // Someone else saves the first address while this window shows it.
    const auto other = VendorDatabase::open(settings.database, Existing);
    VendorSnapshot theirs = other->loadVendor(Northwind);
    ContactAddress &shown = theirs.addresses[1]; // the one Sales address
    QCOMPARE(shown.typeId, Sales);
    const QString id = shown.addressId;
    const QString untouchedId = theirs.addresses.constLast().addressId;
    const QString untouchedCity = theirs.addresses.constLast().city;
    shown.city = u"Theirs"_s;
    if (byProgram)
        execOrFail(*other, u"UPDATE addresses SET city = 'Theirs' WHERE id = "_s + id);
    else
        QVERIFY(other->saveVendor(theirs, { shown }).saved());

    // This window changes the same address and adds one: nothing of it may
    // be written unless the user chooses to overwrite.
    QVERIFY(window.clickFirstAddress());
    QTest::mouseClick(child<QPushButton>(panel, u"cmdEdit"_s), Qt::LeftButton);
    auto *cityBox = child<QLineEdit>(panel, u"txtContact_3"_s);
    cityBox->selectAll();
    QTest::keyClicks(cityBox, u"Mine"_s);
    QTest::mouseClick(child<QPushButton>(panel, u"cmdAdd"_s), Qt::LeftButton);

    const bool saved = window.save();
    QCOMPARE(saved, cityAfter == u"Mine");
    QCOMPARE(asked, QStringList { u"Northwind Packaging Ltd. "_s + id });
    QCOMPARE(city(*other, id), cityAfter);
    QCOMPARE(city(*other, untouchedId), untouchedCity);
    QCOMPARE(panel->property("modified").toBool(), stillModified);
}

void TestVendorBook::killedSavesAreAllOrNothing()
{
    const QString file = m_dir.filePath(u"killed.sqlite"_s);
    const QString where = u"sqlite:"_s + file;
    qint32 vendorId = 0;
    {
        const auto db = VendorDatabase::open(where);
        vendorId = db->addGeneratedVendor(u"Killed Saves Inc."_s, 400);
        // One city for all, as after a save: the check below counts cities.
        execOrFail(*db, u"UPDATE addresses SET city = 'Round 0' WHERE vendor_id = %1"_s.arg(vendorId));
    }
    const QString ofVendor = u" FROM addresses WHERE vendor_id = %1 AND name "_s.arg(vendorId);
    QRandomGenerator random(20261208);
    qint64 saveTime = 0;
    for (int round = 0; round < 20; ++round) {
        QProcess saver;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"ZVC_SAVE_FOREVER"_s, where);
        env.insert(u"ZVC_SAVE_VENDOR"_s, QString::number(vendorId));
        saver.setProcessEnvironment(env);
        saver.start(QCoreApplication::applicationFilePath(), {});
        // The saver reports every save it completed. The first round times
        // a save here (sanitizers make it slower); every kill then lands at
        // a random moment of the two saves after the first.
        QElapsedTimer clock;
        for (int saves = 0; saves < (saveTime ? 1 : 2);) {
            QVERIFY2(saver.waitForReadyRead(120000), saver.readAllStandardError().constData());
            while (saver.canReadLine() && saves < 2) {
                if (saver.readLine().startsWith("saved") && ++saves == 1)
                    clock.start();
            }
        }
        if (!saveTime)
            saveTime = std::max<qint64>(clock.elapsed(), 1);
        QTest::qSleep(int(random.bounded(2 * saveTime)));
        ::kill(pid_t(saver.processId()), SIGKILL);
        QVERIFY(saver.waitForFinished());
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit); // killed, not given up

        const auto db = VendorDatabase::open(where, Existing);
        QSqlQuery query(connectionOf(*db));
        QVERIFY(query.exec(u"PRAGMA integrity_check"_s) && query.next());
        QCOMPARE(query.value(0).toString(), u"ok"_s);
        // Every save changed all original addresses and added five: one city
        // for all, and each round's additions complete.
        QVERIFY(
            query.exec(u"SELECT COUNT(DISTINCT city)"_s + ofVendor + u"NOT LIKE 'Added in round %'"_s) && query.next());
        QCOMPARE(query.value(0).toInt(), 1);
        QVERIFY(query.exec(u"SELECT name, COUNT(*)"_s + ofVendor + u"LIKE 'Added in round %' GROUP BY name"_s));
        while (query.next())
            QCOMPARE(query.value(1).toInt() % 5, 0);
    }
}

void TestVendorBook::touchedFileLosesNoSave_data()
{
    QTest::addColumn<QString>("journal"); // as another program left the file
    QTest::newRow("write-ahead log") << u"wal"_s;
    QTest::newRow("rollback journal") << u"delete"_s;
}

void TestVendorBook::touchedFileLosesNoSave()
{
    // Another program that opens and closes the file while the window runs
    // must not take itself for the file's last user: the window's save is
    // then in the file for every new reader at once, and survives kill -9.
    QFETCH(QString, journal);
    const QString file = freshDatabase(u"sqlite"_s).mid(7);
    QCOMPARE(sqliteProgram(file, u"PRAGMA journal_mode = "_s + journal), journal);
    QProcess window;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"ZVC_SAVE_AFTER_TOUCH"_s, file);
    window.setProcessEnvironment(env);
    window.start(QCoreApplication::applicationFilePath(), {});
    QByteArray said;
    while (!said.contains("saved") && window.waitForReadyRead(60000))
        said += window.readAllStandardOutput();
    QVERIFY2(said.contains("saved 1 deleted 0"), QByteArray(said + window.readAllStandardError()).constData());
    const QString count = u"SELECT COUNT(*) FROM addresses WHERE city = 'Touched'"_s;
    QCOMPARE(sqliteProgram(file, count), u"1"_s);
    ::kill(pid_t(window.processId()), SIGKILL);
    QVERIFY(window.waitForFinished());
    QCOMPARE(sqliteProgram(file, count), u"1"_s);
}

void TestVendorBook::badDataChangesNothing_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QStringList>("damage");
    QTest::addColumn<QString>("message");
    for (const QString &backend : { u"sqlite"_s, u"postgresql"_s }) {
        QTest::addRow("%s, separator in a value", qPrintable(backend))
            << backend << QStringList { u"UPDATE addresses SET street2 = 'Unit 4|B' WHERE vendor_id = 2002"_s }
            << u"field Street2: the value \"Unit 4|B\""_s;
        QTest::addRow("%s, NULL for text", qPrintable(backend))
            << backend << QStringList { u"UPDATE addresses SET city = NULL WHERE vendor_id = 2002"_s }
            << u", column city is NULL where text is expected"_s;
    }
    const QString bluebonnet = u"UPDATE addresses SET city = %1 WHERE vendor_id = 2002"_s;
    QTest::newRow("sqlite, NUL in a value")
        << u"sqlite"_s << QStringList { bluebonnet.arg(u"'Aus' || char(0) || 'tin'") }
        << u"field City holds U+0000 (NUL)"_s;
    QTest::newRow("sqlite, not UTF-8") << u"sqlite"_s
                                       << QStringList { bluebonnet.arg(u"CAST(X'417573A974696E' AS TEXT)") }
                                       << u"column city holds bytes that are not UTF-8 text"_s;
    QTest::newRow("sqlite, missing table")
        << u"sqlite"_s << QStringList { u"PRAGMA foreign_keys = OFF"_s, u"DROP TABLE states"_s } << u"states"_s;
    QTest::newRow("postgresql, missing table")
        << u"postgresql"_s << QStringList { u"DROP TABLE states CASCADE"_s } << u"states"_s;
}

void TestVendorBook::badDataChangesNothing()
{
    QFETCH(QString, backend);
    QFETCH(QStringList, damage);
    QFETCH(QString, message);
    HostSettings settings;
    settings.database = freshDatabase(backend);
    MainWindow window(settings);
    Answers answered;
    answered.attach(window);
    QVERIFY(window.start());
    QCOMPARE(window.currentVendor(), 1042);
    QVERIFY(window.clickFirstAddress());
    window.callGetContactAddress();
    const QString before = window.lastExport();

    const auto other = VendorDatabase::open(settings.database, Existing);
    for (const QString &statement : damage)
        execOrFail(*other, statement);
    QVERIFY(!window.showVendor(Bluebonnet));
    QVERIFY2(answered.asked.value(0).contains(message), qPrintable(answered.asked.join(u'\n')));
    // The vendor shown stays, as it was.
    QCOMPARE(window.currentVendor(), 1042);
    window.callGetContactAddress();
    QCOMPARE(window.lastExport(), before);
    QCOMPARE(window.control()->property("vendorId").toInt(), 1042);
}

void TestVendorBook::troubledFilesStayUntouched_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("trouble"); // -1: opens read-only
    using T = DatabaseError::Trouble;
    QTest::newRow("damaged pages") << u"damage"_s << int(T::Damaged);
    // Only the full check compares the indexes with their tables, and a file
    // of any size that changed since it was verified gets it.
    QTest::newRow("index missing rows, over 64 MB") << u"index"_s << int(T::Damaged);
    QTest::newRow("zero bytes") << u"truncate"_s << int(T::NotADatabase);
    QTest::newRow("not a database") << u"text"_s << int(T::NotADatabase);
    QTest::newRow("another program's database") << u"foreign"_s << int(T::NotADatabase);
    QTest::newRow("missing file") << u"remove"_s << int(T::Missing);
    QTest::newRow("missing folder") << u"nofolder"_s << int(T::MissingFolder);
    QTest::newRow("read-only file") << u"chmod file"_s << -1;
    QTest::newRow("read-only folder") << u"chmod folder"_s << -1;
}

void TestVendorBook::troubledFilesStayUntouched()
{
    QFETCH(QString, damage);
    QFETCH(int, trouble);
    const QString folder = m_dir.filePath(u"trouble%1"_s.arg(++m_databases));
    QString file = folder + u"/vendors.sqlite"_s;
    VendorDatabase::open(file)->addGeneratedVendor(u"Filler"_s, 2000); // pages enough to damage some
    QFile raw(file);
    if (damage == u"damage") {
        QVERIFY(raw.open(QIODevice::ReadWrite) && raw.seek(raw.size() / 2));
        raw.write(QByteArray(8192, '\xa5'));
    } else if (damage == u"truncate" || damage == u"text") {
        QVERIFY(raw.open(QIODevice::WriteOnly | QIODevice::Truncate));
        raw.write(damage == u"text" ? "Vendors: Northwind, Bluebonnet\n" : "");
    } else if (damage == u"foreign") {
        QVERIFY(QFile::remove(file));
        QSqlDatabase foreign = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"foreign"_s);
        foreign.setDatabaseName(file);
        QVERIFY(foreign.open() && QSqlQuery(foreign).exec(u"CREATE TABLE recipes (id INTEGER)"_s));
        foreign.close();
    } else if (damage == u"index") {
        QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"foreign"_s);
        other.setDatabaseName(file);
        QVERIFY(other.open());
        for (const QString &sql : { u"CREATE TABLE padding (bytes BLOB)"_s,
                 u"INSERT INTO padding VALUES (zeroblob(65 * 1024 * 1024))"_s, u"DROP INDEX addresses_by_vendor"_s,
                 u"CREATE INDEX addresses_by_vendor ON addresses (vendor_id) WHERE vendor_id <> 2001"_s,
                 u"PRAGMA writable_schema = ON"_s,
                 u"UPDATE sqlite_master SET sql = 'CREATE INDEX addresses_by_vendor ON addresses (vendor_id)' "
                 u"WHERE name = 'addresses_by_vendor'"_s })
            QVERIFY2(QSqlQuery(other).exec(sql), qPrintable(sql));
        other.close();
    } else if (damage == u"remove") {
        QVERIFY(QFile::remove(file));
    } else if (damage == u"nofolder") {
        file = folder + u"/typo/vendors.sqlite"_s;
    } else {
        QVERIFY(QFile::setPermissions(damage == u"chmod file" ? file : folder,
            damage == u"chmod file" ? QFile::ReadOwner : QFile::ReadOwner | QFile::ExeOwner));
    }
    raw.close();
    QSqlDatabase::removeDatabase(u"foreign"_s);
    const QByteArray before = contents(file);
    const QStringList filesBefore = QDir(folder).entryList(QDir::Files);
    try {
        const auto db = VendorDatabase::open(file, Existing);
        QCOMPARE(trouble, -1);
        QVERIFY(db->isReadOnly());
        QVERIFY2(db->readOnlyReason().contains(file), qPrintable(db->readOnlyReason()));
        VendorSnapshot vendor = db->loadVendor(Northwind);
        QCOMPARE(vendor.addresses.size(), 4);
        vendor.addresses[0].city = u"Never saved"_s;
        QVERIFY_THROWS_EXCEPTION(DatabaseError, db->saveVendor(vendor, { vendor.addresses[0] }));
    } catch (const DatabaseError &error) {
        QCOMPARE(int(error.trouble()), trouble);
        QVERIFY2(error.message().contains(QFileInfo(file).fileName()), qPrintable(error.message()));
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(contents(file), before);
    QCOMPARE(QDir(folder).entryList(QDir::Files), filesBefore);
    QCOMPARE(QFileInfo::exists(folder + u"/typo"_s), false);
}

void TestVendorBook::hostsStartingTogether_data()
{
    addBackends();
}

void TestVendorBook::hostsStartingTogether()
{
    QFETCH(QString, backend);
    QString where = m_dir.filePath(u"together%1/new/vendors.sqlite"_s.arg(++m_databases));
    if (backend == u"postgresql") {
        where = m_postgres.url(u"together%1"_s.arg(m_databases));
        const auto server = VendorDatabase::open(m_postgres.url(), Existing, VendorDatabase::Seeding::Empty);
        execOrFail(*server, u"CREATE DATABASE together%1"_s.arg(m_databases));
    }
    std::vector<std::unique_ptr<QProcess>> hosts;
    for (int i = 0; i < 8; ++i) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"ZVC_OPEN_AND_COUNT"_s, where);
        hosts.push_back(std::make_unique<QProcess>());
        hosts.back()->setProcessEnvironment(env);
        hosts.back()->start(QCoreApplication::applicationFilePath(), {});
    }
    for (auto &host : hosts) {
        QVERIFY(host->waitForFinished(120000));
        QCOMPARE(host->readAllStandardOutput().trimmed(), QByteArray("5"));
        QCOMPARE(host->exitCode(), 0);
    }
}

void TestVendorBook::savesTakeTurns_data()
{
    QTest::addColumn<QString>("backend");
    // One saver's host clock runs two days ahead: the records of the saves
    // others made meanwhile, which their reconnects still ask for, stay.
    QTest::addColumn<bool>("clockAhead");
    QTest::newRow("sqlite") << u"sqlite"_s << false;
    QTest::newRow("postgresql") << u"postgresql"_s << false;
    QTest::newRow("postgresql, a host's clock ahead") << u"postgresql"_s << true;
}

void TestVendorBook::savesTakeTurns()
{
    // Sessions saving at the same moment wait for each other: none is told
    // the database is locked.
    QFETCH(QString, backend);
    QFETCH(bool, clockAhead);
    const QString where = freshDatabase(backend);
    const auto db = VendorDatabase::open(where);
    if (clockAhead) // another host's save a minute ago, by the server's clock
        execOrFail(*db,
            u"INSERT INTO saves (id, vendor_id, inserted, updated, new_ids, saved_at) VALUES "
            u"('another host', 2004, 0, 1, '', CAST(EXTRACT(EPOCH FROM now()) AS BIGINT) - 60)"_s);
    std::vector<std::unique_ptr<QProcess>> sessions;
    for (int slot = 0; slot < 4; ++slot) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"ZVC_SAVE_ROUNDS"_s, u"%1 %2"_s.arg(where, QString::number(slot)));
        if (clockAhead && slot == 0)
            env.insert(u"LD_PRELOAD"_s, QStringLiteral(ZVC_CLOCK_AHEAD_LIBRARY));
        sessions.push_back(std::make_unique<QProcess>());
        sessions.back()->setProcessEnvironment(env);
        sessions.back()->start(QCoreApplication::applicationFilePath(), {});
    }
    for (auto &session : sessions) {
        QVERIFY(session->waitForFinished(120000));
        QCOMPARE(session->readAllStandardOutput(), QByteArray());
        QCOMPARE(session->exitCode(), 0);
    }
    const VendorSnapshot after = db->loadVendor(2004);
    for (int slot = 0; slot < 4; ++slot)
        QCOMPARE(after.addresses[slot].city, u"Slot %1 round 25"_s.arg(slot));
    if (clockAhead) {
        QSqlQuery kept(connectionOf(*db));
        QVERIFY(kept.exec(u"SELECT COUNT(*) FROM saves WHERE id = 'another host'"_s) && kept.next());
        QCOMPARE(kept.value(0).toInt(), 1);
    }
}

void TestVendorBook::refusedSavesWriteNothing_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("message");
    for (const QString &backend : { u"sqlite"_s, u"postgresql"_s }) {
        QTest::addRow("%s, NUL", qPrintable(backend))
            << backend << u"Austin\u0000TX"_s << 0 << u"field City, holds a NUL character"_s;
        QTest::addRow("%s, lone surrogate", qPrintable(backend))
            << backend << (u"Austin"_s + QChar(0xd800)) << 0 << u"field City, holds a broken character"_s;
        QTest::addRow("%s, over the limit", qPrintable(backend))
            << backend << u"Austin"_s << 2 << u"would have 32768 addresses"_s;
    }
}

void TestVendorBook::refusedSavesWriteNothing()
{
    QFETCH(QString, backend);
    QFETCH(QString, value);
    QFETCH(int, added);
    QFETCH(QString, message);
    const auto db = VendorDatabase::open(freshDatabase(backend));
    const QString columns = u"vendor_id, type_id, name, street1, street2, city, country, state_id, postal_code, "
                            u"phone, fax, email, phone2, cell"_s;
    // The large sample vendor grows to one address below the limit.
    for (int count = 3000; added && count < 32766; count *= 2)
        execOrFail(*db,
            u"INSERT INTO addresses (%1) SELECT %1 FROM addresses WHERE vendor_id = 2004 LIMIT %2"_s.arg(columns).arg(
                std::min(count, 32766 - count)));
    const qint32 vendorId = added ? 2004 : Bluebonnet;
    VendorSnapshot loaded = db->loadVendor(vendorId);
    QList<ContactAddress> changes { loaded.addresses.constFirst() };
    changes[0].city = value;
    for (int i = 0; i < added; ++i) {
        changes.append(loaded.addresses.constFirst());
        changes.last().addressId = u"%1-N"_s.arg(i, 3, 10, QChar(u'0'));
    }
    try {
        db->saveVendor(loaded, changes);
        QFAIL("saved");
    } catch (const ZebVendorContact::Error &error) {
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
    }
    const VendorSnapshot after = db->loadVendor(vendorId);
    QCOMPARE(after.addresses.size(), loaded.addresses.size());
    QCOMPARE(after.addresses.constFirst().city, loaded.addresses.constFirst().city);
    // The refusal leaves the vendor savable.
    changes = { loaded.addresses.constFirst() };
    changes[0].city = u"Round Rock"_s;
    QVERIFY(db->saveVendor(loaded, changes).saved());
    QCOMPARE(city(*db, changes[0].addressId), u"Round Rock"_s);
}

void TestVendorBook::lockedFileWaitsItsTurn_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<int>("heldMs");
    QTest::addColumn<bool>("saved");
    QTest::newRow("held longer than one wait") << u"sqlite"_s << 2500 << true;
    QTest::newRow("held too long") << u"sqlite"_s << 8000 << false;
    QTest::newRow("postgresql, rows locked in the other order") << u"postgresql"_s << 500 << true;
}

void TestVendorBook::lockedFileWaitsItsTurn()
{
    QFETCH(QString, backend);
    QFETCH(int, heldMs);
    QFETCH(bool, saved);
    const QString where = freshDatabase(backend);
    const auto db = VendorDatabase::open(where);
    VendorSnapshot loaded = db->loadVendor(Bluebonnet);
    loaded.addresses[0].city = loaded.addresses[1].city = u"Waited"_s;
    const QString first = loaded.addresses[0].addressId;
    const QString second = loaded.addresses[1].addressId;
    // Another program holds the write lock (PostgreSQL: the second row,
    // then the first one, which the save holds by then) for a while.
    const bool postgres = backend == u"postgresql";
    std::thread other([&] {
        const auto holder = VendorDatabase::open(where, Existing);
        QSqlQuery query(connectionOf(*holder));
        query.exec(postgres ? u"BEGIN"_s : u"BEGIN IMMEDIATE"_s);
        for (const QString &id : postgres ? QStringList { second, first } : QStringList()) {
            query.exec(u"UPDATE addresses SET city = 'Other' WHERE id = "_s + id);
            QTest::qSleep(400); // the save takes the first row meanwhile
        }
        QTest::qSleep(heldMs);
        query.exec(u"ROLLBACK"_s);
    });
    const auto joined = qScopeGuard([&] { other.join(); });
    QTest::qSleep(200);
    // Opening the database meanwhile needs no write lock.
    QVERIFY(!VendorDatabase::open(where, Existing)->isReadOnly());
    if (postgres)
        execOrFail(*db, u"SET deadlock_timeout = '500ms'"_s); // finds the deadlock: this save is its victim
    try {
        QVERIFY(db->saveVendor(loaded, { loaded.addresses[0], loaded.addresses[1] }).saved());
        QVERIFY(saved);
    } catch (const DatabaseError &error) {
        QCOMPARE(error.trouble(), DatabaseError::Trouble::Locked);
        QVERIFY(!saved);
    }
    QCOMPARE(city(*db, first), saved ? u"Waited"_s : u"Austin"_s);
}

void TestVendorBook::serverRestartIsSurvived()
{
    const auto db = VendorDatabase::open(freshDatabase(u"postgresql"_s));
    VendorSnapshot loaded = db->loadVendor(Bluebonnet);
    QVERIFY(m_postgres.restart().isEmpty());
    loaded.addresses[0].city = u"After the restart"_s;
    QVERIFY(db->saveVendor(loaded, { loaded.addresses[0] }).saved());
    QCOMPARE(db->loadVendor(Bluebonnet).addresses[0].city, u"After the restart"_s);
    QVERIFY(m_postgres.restart().isEmpty());
    QCOMPARE(db->vendors().size(), 5);
    m_postgres.stop();
    try {
        db->vendors();
        QFAIL("read from a stopped server");
    } catch (const DatabaseError &error) {
        QCOMPARE(error.trouble(), DatabaseError::Trouble::ConnectionLost);
        QVERIFY2(error.message().contains(u"database vendors"), qPrintable(error.message()));
    }
    QVERIFY(m_postgres.start().isEmpty());
    db->reconnect();
    QCOMPARE(db->loadVendor(Bluebonnet).addresses[0].city, u"After the restart"_s);
}

void TestVendorBook::crashAtCommitSavesOnce()
{
    // The save is durable, the server waits for a missing standby and
    // crashes; it is back when the user presses Reconnect.
    HostSettings settings;
    settings.database = freshDatabase(u"postgresql"_s);
    MainWindow window(settings);
    auto standby = [this](const QString &names) {
        const auto server = VendorDatabase::open(m_postgres.url(), Existing, VendorDatabase::Seeding::Empty);
        execOrFail(*server, u"ALTER SYSTEM SET synchronous_standby_names = '%1'"_s.arg(names));
        execOrFail(*server, u"SELECT pg_reload_conf()"_s);
    };
    QStringList asked;
    std::thread crasher;
    window.setQuestionHandler([&](const Question &question) {
        asked << question.text;
        if (crasher.joinable())
            crasher.join();
        m_postgres.start();
        standby(QString());
        return QMessageBox::Retry;
    });
    window.setChangesHandler([&](const VendorChanges &, ChangesAsked) {
        asked << u"someone else changed your addresses"_s;
        return ChangeResolution { ChangeResolution::Answer::Cancel, {} };
    });
    QVERIFY(window.start() && window.showVendor(Northwind));
    const VendorSnapshot read = VendorDatabase::open(settings.database, Existing)->loadVendor(Northwind);
    QList<ContactAddress> mine = read.addresses;
    mine << mine[1];
    mine[0].city = u"Mine"_s;
    mine[0].changeFlag = u"S"_s;
    mine.last().addressId = u"001-N"_s;
    mine.last().changeFlag = u"N"_s;
    QVERIFY(window.calls()->letContactAddress(
        ZebVendorContact::buildLoadText(mine, read.types, read.states), settings.separators));
    standby(u"nowhere"_s);
    QTest::qWait(500); // the server's own processes take the setting in
    crasher = std::thread([this, where = settings.database] {
        const auto watching = VendorDatabase::open(where, Existing);
        QSqlQuery waiting(connectionOf(*watching));
        for (int i = 0; i < 200 &&
             !(waiting.exec(u"SELECT 1 FROM pg_stat_activity WHERE wait_event = 'SyncRep'"_s) && waiting.next());
             ++i)
            QThread::msleep(50);
        m_postgres.stop(u"immediate");
    });
    QVERIFY(window.save());
    // Asked once, for the lost connection; never told "someone else changed".
    QCOMPARE(asked, QStringList { asked.value(0) });
    const VendorSnapshot stored = VendorDatabase::open(settings.database, Existing)->loadVendor(Northwind);
    QCOMPARE(stored.addresses.size(), read.addresses.size() + 1);
    QCOMPARE(stored.rowVersions.value(mine[0].addressId), qint64(2));
}

void TestVendorBook::loadTextIsTheSameEitherWay_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<qint32>("vendorId");
    QTest::addColumn<QString>("damage");
    // The damage is committed by another connection while this one reads
    // in a transaction begun before it, which must not see it.
    QTest::addColumn<bool>("meanwhile");
    auto row = [](const QString &name, const QString &backend, qint32 vendorId, const QString &damage,
                   bool meanwhile = false) {
        QTest::newRow(qPrintable(backend + u", "_s + name)) << backend << vendorId << damage << meanwhile;
    };
    const QString bluebonnet = u"UPDATE addresses SET %1 WHERE vendor_id = 2002"_s;
    for (const QString &backend : { u"sqlite"_s, u"postgresql"_s }) {
        row(u"large"_s, backend, 2004, QString());
        row(u"beyond ASCII"_s, backend, Northwind, QString());
        row(u"separator"_s, backend, Bluebonnet, bluebonnet.arg(u"street2 = 'Unit 4~B'"));
        row(u"long beyond ASCII"_s, backend, Bluebonnet, bluebonnet.arg(u"city = '%1'"_s.arg(QString(30, u'\u00e9'))));
        row(u"NULL"_s, backend, Bluebonnet, bluebonnet.arg(u"phone = NULL"));
    }
    // Without the table of change versions, nothing tells whether two
    // connections saw one state: one connection reads it all.
    row(u"large, no change versions"_s, u"sqlite"_s, 2004, u"DROP TABLE vendor_changes"_s);
    // A large vendor's later half is read on a second connection, which
    // sees the change: the first must read that half itself.
    row(u"large, changed meanwhile"_s, u"sqlite"_s, 2004,
        u"UPDATE addresses SET city = 'Changed meanwhile' WHERE vendor_id = 2004"_s, true);
    // The largest id there is, read like any other (the later half's range ends there).
    row(u"large, largest id"_s, u"sqlite"_s, 2004,
        u"UPDATE addresses SET id = 9223372036854775807 WHERE id = (SELECT MAX(id) FROM addresses)"_s);
    row(u"too long"_s, u"sqlite"_s, Bluebonnet, bluebonnet.arg(u"city = '%1'"_s.arg(QString(31, u'x'))));
    row(u"text for a number"_s, u"sqlite"_s, Bluebonnet, bluebonnet.arg(u"country = 'one'"));
    row(u"NUL"_s, u"sqlite"_s, Bluebonnet, bluebonnet.arg(u"city = 'Aus' || char(0) || 'tin'"));
    row(u"not UTF-8"_s, u"sqlite"_s, Bluebonnet, bluebonnet.arg(u"city = CAST(X'417573A974696E' AS TEXT)"));
}

void TestVendorBook::loadTextIsTheSameEitherWay()
{
    QFETCH(QString, backend);
    QFETCH(qint32, vendorId);
    QFETCH(QString, damage);
    QFETCH(bool, meanwhile);
    const QString location = freshDatabase(backend);
    const auto db = VendorDatabase::open(location);
    if (meanwhile) {
        QVERIFY(connectionOf(*db).transaction());
        db->loadVendor(vendorId); // the transaction's view starts here
        const auto other = VendorDatabase::open(location);
        execOrFail(*other, damage);
    } else if (!damage.isEmpty()) {
        execOrFail(*db, damage);
    }
    // Value by value, through the library's writer; or its refusal.
    QString expected;
    VendorSnapshot slow;
    try {
        slow = db->loadVendor(vendorId);
        expected = ZebVendorContact::buildLoadText(slow.addresses, slow.types, slow.states);
    } catch (const ZebVendorContact::Error &error) {
        expected = error.message();
    }
    QVERIFY(!meanwhile || !expected.contains(u"Changed meanwhile"));
    try {
        const VendorLoad fast = db->loadVendorText(vendorId);
        QCOMPARE(fast.text, expected);
        QCOMPARE(fast.snapshot.rowVersions, slow.rowVersions);
        QCOMPARE(fast.snapshot.addressCount, int(slow.addresses.size()));
    } catch (const ZebVendorContact::Error &error) {
        QCOMPARE(error.message(), expected);
    }
}

void TestVendorBook::othersChangesAreSeen_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QStringList>("earlierLayout"); // as an earlier release left the database
    QTest::addColumn<bool>("flooded"); // then anyone sends the channel's notifications nonstop
    QTest::newRow("sqlite") << u"sqlite"_s << QStringList() << false;
    QTest::newRow("postgresql") << u"postgresql"_s << QStringList() << false;
    QTest::newRow("postgresql, flooded") << u"postgresql"_s << QStringList() << true;
    QTest::newRow("postgresql, triggers per row")
        << u"postgresql"_s
        << QStringList { u"DROP TRIGGER addresses_insert_noted ON addresses"_s,
               u"DROP TRIGGER addresses_update_noted ON addresses"_s,
               u"DROP TRIGGER addresses_delete_noted ON addresses"_s,
               u"DROP TRIGGER addresses_version_guarded ON addresses"_s, u"DROP INDEX addresses_by_vendor_and_id"_s,
               u"CREATE INDEX addresses_by_vendor ON addresses (vendor_id)"_s,
               u"CREATE TRIGGER addresses_noted AFTER INSERT OR UPDATE OR DELETE ON addresses FOR EACH ROW "
               u"EXECUTE FUNCTION vendor_changes_notify()"_s,
               u"CREATE TRIGGER addresses_version_raised BEFORE UPDATE ON addresses FOR EACH ROW "
               u"EXECUTE FUNCTION addresses_raise_version()"_s }
        << false;
}

void TestVendorBook::othersChangesAreSeen()
{
    QFETCH(QString, backend);
    QFETCH(QStringList, earlierLayout);
    QFETCH(bool, flooded);
    const QString where = freshDatabase(backend);
    if (!earlierLayout.isEmpty()) {
        const auto earlier = VendorDatabase::open(where);
        for (const QString &sql : std::as_const(earlierLayout))
            execOrFail(*earlier, sql);
    }
    const auto other = VendorDatabase::open(where);
    if (backend == u"postgresql") {
        // The per-row triggers of an earlier release are replaced, not kept
        // beside (the search's city triggers aside).
        QSqlQuery triggers(connectionOf(*other));
        QVERIFY(triggers.exec(u"SELECT string_agg(tgname, ' ' ORDER BY tgname) FROM pg_trigger "
                              u"WHERE tgrelid = 'addresses'::regclass AND NOT tgisinternal "
                              u"AND tgname NOT LIKE 'addresses_city_%'"_s) &&
            triggers.next());
        QCOMPARE(triggers.value(0).toString(),
            u"addresses_delete_noted addresses_insert_noted addresses_update_noted addresses_version_guarded"_s);
    }
    // The watcher follows through the window's own data layer; that
    // window's saves are told too.
    VendorChangeWatcher watcher(*other);
    QSignalSpy changed(&watcher, &VendorChangeWatcher::vendorsChanged);
    // Another window saves one address and removes another, by the row
    // version it read (a stale one removes nothing).
    VendorSnapshot theirs = other->loadVendor(Bluebonnet);
    const QString kept = theirs.addresses[0].addressId, deleted = theirs.addresses[1].addressId;
    theirs.addresses[0].city = u"Theirs"_s;
    QVERIFY(other->saveVendor(theirs, { theirs.addresses[0] }).saved());
    const qint64 version = theirs.rowVersions.value(deleted);
    QVERIFY(!other->removeAddress(Bluebonnet, deleted.toLongLong(), version + 1));
    QVERIFY(other->removeAddress(Bluebonnet, deleted.toLongLong(), version));
    execOrFail(*other, u"UPDATE vendors SET name = 'Northwind Packaging' WHERE id = %1"_s.arg(Northwind));
    QSet<qint32> told;
    while (told.size() < 2 && changed.wait(2500)) {
        for (const qint32 id : changed.takeFirst().at(0).value<QList<qint32>>())
            told.insert(id);
    }
    QCOMPARE(told, (QSet<qint32> { Northwind, Bluebonnet }));
    // What the conflict dialog shows beside the user's values.
    const CurrentAddresses now = other->currentAddresses(Bluebonnet, { kept, deleted, u"000-1"_s });
    QCOMPARE(now.addresses.size(), 1);
    QCOMPARE(now.addresses[0].city, u"Theirs"_s);
    QCOMPARE(now.rowVersions.value(kept), qint64(2));
    QCOMPARE(now.deleted, QStringList { deleted });
    // Nothing written, nothing told.
    QVERIFY(!changed.wait(1500));
    if (!flooded)
        return;
    // Told now and then, never once a second: each telling re-reads.
    QTimer flood;
    connect(&flood, &QTimer::timeout, [&] { execOrFail(*other, u"NOTIFY vendor_changes, '2002'"_s); });
    flood.start(20);
    QTest::qWait(4500);
    QVERIFY2(!changed.isEmpty() && changed.size() <= 2, qPrintable(QString::number(changed.size())));
}

int main(int argc, char *argv[])
{
    if (const QString job = qEnvironmentVariable("ZVC_SAVE_ROUNDS"); !job.isEmpty()) {
        QCoreApplication app(argc, argv);
        return saveRounds(job.section(u' ', 0, 0), job.section(u' ', 1).toInt(), 25);
    }
    if (const QString where = qEnvironmentVariable("ZVC_OPEN_AND_COUNT"); !where.isEmpty()) {
        QCoreApplication app(argc, argv);
        return openAndCount(where);
    }
    if (const QString file = qEnvironmentVariable("ZVC_SAVE_AFTER_TOUCH"); !file.isEmpty()) {
        QCoreApplication app(argc, argv);
        return saveAfterTouch(file);
    }
    // The kill test runs this program again as the saver it kills.
    if (const QString where = qEnvironmentVariable("ZVC_SAVE_FOREVER"); !where.isEmpty()) {
        QCoreApplication app(argc, argv);
        return saveForever(where, qEnvironmentVariableIntValue("ZVC_SAVE_VENDOR"));
    }
    QApplication app(argc, argv);
    TestVendorBook test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_vendorbook.moc"
