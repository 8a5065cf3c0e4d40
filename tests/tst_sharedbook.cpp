// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// One address book, many users: eight sessions saving over each other on
// SQLite and PostgreSQL, a window that follows someone else's saves, and the
// decisions of the conflict dialog.

#include "../bench/sessionload.h"
#include "controlcalls.h"
#include "mainwindow.h"
#include "support/throwawaypostgres.h"
#include "support/vendordbaccess.h"
#include "vendorlist.h"

#include <QtCore/QTemporaryDir>
#include <QtSql/QSqlQuery>
#include <QtTest/QTest>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

using namespace VendorContactHost;
using namespace Qt::Literals::StringLiterals;
using ZebVendorContact::ContactAddress;
using Answer = ChangeResolution::Answer;

namespace {
constexpr qint32 Northwind = 2001;

QString city(VendorDatabase &db, const QString &addressId)
{
    QSqlQuery query(connectionOf(db));
    query.exec(u"SELECT city FROM addresses WHERE id = "_s + addressId);
    return query.next() ? query.value(0).toString() : u"<gone>"_s;
}

/// The texts of the panel's list row of `addressId`, joined.
QString listRow(QWidget *panel, const QString &addressId)
{
    const QAbstractItemModel *model = panel->findChild<QAbstractItemView *>(u"lstContacts"_s)->model();
    const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, addressId, 1, Qt::MatchExactly);
    QStringList texts;
    for (int column = 0; !found.isEmpty() && column < model->columnCount(); ++column)
        texts << found.constFirst().siblingAtColumn(column).data().toString();
    return texts.join(u'|');
}
} // namespace

class TestSharedBook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manySessions_data();
    void manySessions();
    void followsOtherSaves_data();
    void followsOtherSaves();
    void decisions_data();
    void decisions();
    void listFollowsOneChange_data();
    void listFollowsOneChange();

private:
    QString database(const QString &backend);
    /// A window on a fresh file showing Northwind, and Northwind as read.
    bool openNorthwind(MainWindow &window);

    QTemporaryDir m_dir;
    TestSupport::ThrowawayPostgres m_postgres;
    bool m_postgresStarted = false;
    int m_count = 0;
};

QString TestSharedBook::database(const QString &backend)
{
    if (backend == u"sqlite") {
        const QString location = u"sqlite:"_s + m_dir.filePath(u"shared%1.sqlite"_s.arg(++m_count));
        VendorDatabase::open(location); // with the sample vendors
        return location;
    }
    if (!m_postgresStarted) {
        const QString error = m_postgres.start();
        if (!error.isEmpty())
            qFatal("PostgreSQL: %s", qPrintable(error));
        m_postgresStarted = true;
    }
    // A database of its own, given the sample vendors when first opened.
    const QString name = u"shared%1"_s.arg(++m_count);
    {
        const auto server = VendorDatabase::open(m_postgres.url());
        if (!QSqlQuery(connectionOf(*server)).exec(u"CREATE DATABASE "_s + name))
            qFatal("cannot create the database %s", qPrintable(name));
    }
    return m_postgres.url(name);
}

void TestSharedBook::manySessions_data()
{
    QTest::addColumn<QString>("backend");
    QTest::newRow("sqlite") << u"sqlite"_s;
    QTest::newRow("postgresql") << u"postgresql"_s;
}

void TestSharedBook::manySessions()
{
    QFETCH(QString, backend);
    SessionLoadOptions options;
    options.location = database(backend);
    options.savesPerSession = 25; // the long run is the benchmark's
    const SessionLoadResult result = runSessionLoad(options);
    qInfo("%s: %d saved, %d conflicts, %.0f saves/s", qPrintable(backend), result.saved, result.conflicts,
        result.savesPerSecond());
    QVERIFY2(result.problems.isEmpty(), qPrintable(result.problems.mid(0, 10).join(u'\n')));
    QCOMPARE(result.saved + result.conflicts, options.sessions * options.savesPerSession);
    QVERIFY(result.conflicts > 0); // the overlaps are meant to happen
}

bool TestSharedBook::openNorthwind(MainWindow &window)
{
    window.setQuestionHandler([](const Question &question) { return question.defaultButton; });
    return window.start() && window.showVendor(Northwind);
}

void TestSharedBook::followsOtherSaves_data()
{
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<bool>("byAnotherProgram"); // writing the table, row version as it was
    QTest::newRow("nothing unsaved") << false << false;
    QTest::newRow("nothing unsaved, another program") << false << true;
    QTest::newRow("unsaved changes") << true << false;
}

void TestSharedBook::followsOtherSaves()
{
    QFETCH(bool, unsaved);
    QFETCH(bool, byAnotherProgram);
    HostSettings settings;
    settings.database = database(u"sqlite"_s);
    MainWindow window(settings);
    QVERIFY(openNorthwind(window));
    QVERIFY(window.clickFirstAddress());
    auto *list = window.control()->findChild<QAbstractItemView *>(u"lstContacts"_s);
    const QString selected = list->currentIndex().siblingAtColumn(0).data().toString();

    const auto other = VendorDatabase::open(settings.database);
    VendorSnapshot theirs = other->loadVendor(Northwind);
    QList<ContactAddress> shown = theirs.addresses;
    const auto isSelected = [&selected](const ContactAddress &a) { return a.addressId == selected; };
    ContactAddress changed = *std::find_if(shown.cbegin(), shown.cend(), isSelected);
    changed.city = u"Theirs"_s;
    if (unsaved) { // the window's own change elsewhere, kept flagged in the panel
        ContactAddress &mine = *std::find_if_not(shown.begin(), shown.end(), isSelected);
        mine.city = u"Mine"_s;
        mine.changeFlag = u"S"_s;
        QVERIFY(window.calls()->letContactAddress(
            ZebVendorContact::buildLoadText(shown, theirs.types, theirs.states), settings.separators));
        QVERIFY(window.clickFirstAddress());
    }
    if (byAnotherProgram)
        QVERIFY(QSqlQuery(connectionOf(*other)).exec(u"UPDATE addresses SET city = 'Theirs' WHERE id = "_s + selected));
    else
        QVERIFY(other->saveVendor(theirs, { changed }).saved());
    window.noteVendorsChanged({ Northwind }); // as the database's watcher reports it

    if (unsaved) {
        QTRY_COMPARE_WITH_TIMEOUT(
            window.changeNoticeText(), u"1 address of this vendor was changed by someone else"_s, 2000);
        QVERIFY(window.calls()->getContactAddress().value_or(QString()).contains(u"|Mine|"));
        // Seeing them and taking theirs shows their change beside the
        // window's own, which stays unsaved.
        window.setChangesHandler([](const VendorChanges &, ChangesAsked) {
            return ChangeResolution { Answer::TakeTheirs, {} };
        });
        QTest::mouseClick(window.findChild<QPushButton *>(u"cmdShowChanges"_s), Qt::LeftButton);
        QVERIFY(listRow(window.control(), selected).contains(u"|Theirs|"));
        QVERIFY(window.calls()->getContactAddress().value_or(QString()).contains(u"|Mine|"));
        QVERIFY(window.changeNoticeText().isEmpty());
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(listRow(window.control(), selected).contains(u"|Theirs|"), 2000);
        QCOMPARE(list->currentIndex().siblingAtColumn(0).data().toString(), selected);
        QVERIFY(window.changeNoticeText().isEmpty());
    }
}

void TestSharedBook::decisions_data()
{
    QTest::addColumn<bool>("theyDelete");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("recreate");
    QTest::addColumn<QString>("cityAfter"); // of the address both changed
    QTest::addColumn<bool>("restSaved"); // the window's change nobody else touched
    for (const bool theyDelete : { false, true }) {
        const QString theirs = theyDelete ? u"<gone>"_s : u"Theirs"_s;
        const char *what = theyDelete ? "deleted" : "changed";
        QTest::addRow("%s, keep mine", what)
            << theyDelete << int(Answer::KeepMine) << false << (theyDelete ? theirs : u"Mine"_s) << true;
        QTest::addRow("%s, take theirs", what) << theyDelete << int(Answer::TakeTheirs) << false << theirs << false;
        QTest::addRow("%s, cancel", what) << theyDelete << int(Answer::Cancel) << false << theirs << false;
    }
    QTest::addRow("deleted, keep mine as a new address, its id of 15 digits")
        << true << int(Answer::KeepMine) << true << u"<gone>"_s << true;
}

void TestSharedBook::decisions()
{
    QFETCH(bool, theyDelete);
    QFETCH(int, answer);
    QFETCH(bool, recreate);
    QFETCH(QString, cityAfter);
    QFETCH(bool, restSaved);
    HostSettings settings;
    settings.database = database(u"sqlite"_s);
    if (recreate) // the id the panel gives it must still fit an address id
        QVERIFY(QSqlQuery(connectionOf(*VendorDatabase::open(settings.database)))
                    .exec(u"UPDATE addresses SET id = id + 100000000000000 WHERE vendor_id = %1"_s.arg(Northwind)));
    MainWindow window(settings);
    QVERIFY(openNorthwind(window));
    VendorChanges asked;
    window.setChangesHandler([&](const VendorChanges &changes, ChangesAsked) {
        asked = changes;
        ChangeResolution resolution { Answer(answer), {} };
        if (recreate)
            resolution.recreate = { changes.conflicts().value(0).addressId };
        return resolution;
    });

    // This window changes two addresses; someone else saves over one first.
    const auto other = VendorDatabase::open(settings.database);
    const VendorSnapshot read = other->loadVendor(Northwind);
    QList<ContactAddress> mine = read.addresses;
    QVERIFY(mine.size() >= 2);
    mine[0].city = u"Mine"_s;
    mine[1].city = u"Also mine"_s;
    mine[0].changeFlag = mine[1].changeFlag = u"S"_s;
    QVERIFY(window.calls()->letContactAddress(
        ZebVendorContact::buildLoadText(mine, read.types, read.states), settings.separators));
    const QString both = mine[0].addressId;
    ContactAddress theirs = read.addresses[0];
    theirs.city = u"Theirs"_s;
    if (theyDelete)
        QVERIFY(QSqlQuery(connectionOf(*other)).exec(u"DELETE FROM addresses WHERE id = "_s + both));
    else
        QVERIFY(other->saveVendor(read, { theirs }).saved());

    QCOMPARE(window.save(), restSaved);
    QCOMPARE(asked.conflicts().size(), 1);
    QCOMPARE(
        asked.conflicts().constFirst().kind, theyDelete ? AddressChange::Kind::Deleted : AddressChange::Kind::Changed);
    if (!theyDelete)
        QCOMPARE(asked.conflicts().constFirst().fieldsTheyChanged, QList<int> { 4 }); // the city
    QCOMPARE(city(*other, both), cityAfter);
    QCOMPARE(city(*other, mine[1].addressId), restSaved ? u"Also mine"_s : read.addresses[1].city);
    QSqlQuery recreated(connectionOf(*other));
    QVERIFY(recreated.exec(u"SELECT COUNT(*) FROM addresses WHERE city = 'Mine'"_s) && recreated.next());
    QCOMPARE(recreated.value(0).toInt(), int(cityAfter == u"Mine" || recreate));
    // Whatever was not saved is still in the panel, and nothing else.
    const QString panel = window.calls()->getContactAddress().value_or(QString());
    QCOMPARE(panel.contains(u"|Also mine|"), !restSaved);
    QCOMPARE(panel.contains(u"|Mine|"), answer == int(Answer::Cancel));
}

void TestSharedBook::listFollowsOneChange_data()
{
    manySessions_data();
}

void TestSharedBook::listFollowsOneChange()
{
    QFETCH(QString, backend);
    HostSettings settings;
    settings.database = database(backend);
    MainWindow window(settings);
    QVERIFY(openNorthwind(window));
    const auto *pane = window.findChild<VendorListPane *>();
    const auto *list = window.findChild<QAbstractItemView *>(u"lstVendors"_s);
    auto listed = [list] {
        QList<qint32> ids;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            ids << list->model()->index(row, 0).data(Qt::UserRole).toInt();
        return ids;
    };
    // Another program renames one vendor and gives another an address in a
    // city the window never read.
    const auto other = VendorDatabase::open(settings.database);
    QSqlQuery sql(connectionOf(*other));
    QVERIFY(sql.exec(u"UPDATE vendors SET name = 'Aardvark K\u00f6ln Supply' WHERE id = 2003"_s));
    QVERIFY(sql.exec(u"INSERT INTO addresses (vendor_id, type_id, name, street1, street2, city, country, state_id, "
                     u"postal_code, phone, fax, email, phone2, cell) SELECT vendor_id, type_id, name, street1, "
                     u"street2, 'Montr\u00e9al', country, state_id, postal_code, phone, fax, email, phone2, cell "
                     u"FROM addresses WHERE vendor_id = 2002 AND type_id = 2"_s));
    const qint64 read = pane->rowsRead();
    window.noteVendorsChanged({ 2002, 2003 });
    QCOMPARE(pane->rowsRead() - read, 2); // the two vendors that changed, nothing else
    QCOMPARE(listed().value(0), 2003); // renamed: in its sorted place
    QCOMPARE(list->model()->index(listed().indexOf(2002), 0).data().toString(), u"Bluebonnet Office Supply (4)"_s);
    QCOMPARE(list->currentIndex().data(Qt::UserRole).toInt(), Northwind);

    // Typed without accents, in any case: the database finds the vendor,
    // by its name or by any of its cities.
    auto *search = window.findChild<QLineEdit *>(u"txtVendorSearch"_s);
    const std::pair<QString, QList<qint32>> searches[] = { { u"montreal"_s, { 2002 } },
        { u"MONTR\u00c9AL"_s, { 2002 } }, { u"koln"_s, { 2003 } }, { u"mont office"_s, { 2002 } },
        { u"brampton"_s, { Northwind } }, { u"nowhere"_s, {} } };
    for (const auto &[typed, found] : searches) {
        search->setText(typed);
        QCOMPARE(listed(), found);
    }
    search->clear();
    QCOMPARE(list->currentIndex().data(Qt::UserRole).toInt(), Northwind);
}

QTEST_MAIN(TestSharedBook)
#include "tst_sharedbook.moc"
