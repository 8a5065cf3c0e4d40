// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The address book window as a user meets it: the vendor search, Cancel in
// its prompts, database trouble, the German window, and the session under it.

#include "appearance.h"
#include "databaseerror.h"
#include "developerdock.h"
#include "mainwindow.h"
#include "support/vendordbaccess.h"
#include "vendorsession.h"

#include <QtCore/QCryptographicHash>
#include <QtCore/QTemporaryDir>
#include <QtSql/QSqlQuery>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListView>
#include <QtWidgets/QPushButton>

#include <unistd.h>

using namespace VendorContactHost;
using namespace Qt::Literals::StringLiterals;
using B = QMessageBox;

namespace {
constexpr qint32 Sample = 1042;
constexpr qint32 Northwind = 2001;

template<typename T> T *child(QObject *parent, const QString &name)
{
    auto *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

QByteArray digest(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256) : "none";
}

/// A window on `database` whose questions are answered from a script.
struct Book
{
    explicit Book(const QString &database, QList<B::StandardButton> answers = {}, const QString &chosenFile = {})
        : window(settingsFor(database))
        , script(answers)
    {
        window.setQuestionHandler([this](const Question &question) {
            asked << question;
            return script.isEmpty() ? question.defaultButton : script.takeFirst();
        });
        window.setFileChooser([chosenFile](const QString &, bool) { return chosenFile; });
    }
    static HostSettings settingsFor(const QString &database)
    {
        HostSettings settings;
        settings.database = database;
        return settings;
    }
    QListView *list() { return child<QListView>(&window, u"lstVendors"_s); }
    qint32 highlighted() { return list()->currentIndex().data(Qt::UserRole).toInt(); }
    void click(qint32 vendorId)
    {
        auto *model = list()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data(Qt::UserRole).toInt() == vendorId) {
                const QRect cell = list()->visualRect(model->index(row, 0));
                QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cell.center());
                return;
            }
        }
        qFatal("vendor %d not listed", vendorId);
    }

    MainWindow window;
    QList<B::StandardButton> script;
    QList<Question> asked;
};
} // namespace

class TestAddressBook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void searchOnlyFilters();
    void cancelKeepsTheShownVendor_data();
    void cancelKeepsTheShownVendor();
    void troubleAtOpen_data();
    void troubleAtOpen();
    void lockedSaveKeepsTheChanges();
    void saveKeepsTheTypeAndAddress();
    void statusAndDockFit();
    void germanWindow();
    void noSecondInsertAfterAFailedReload();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString freshDatabase()
    {
        const QString location = u"sqlite:"_s + path(u"v%1.sqlite"_s.arg(++m_count));
        const auto created = VendorDatabase::open(location);
        return location;
    }
    void editCity(MainWindow &window, const QString &city, bool update);

    QTemporaryDir m_dir;
    int m_count = 0;
};

void TestAddressBook::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path()));
    applyLanguage(u"en"_s);
}

void TestAddressBook::editCity(MainWindow &window, const QString &city, bool update)
{
    QWidget *panel = window.control();
    QVERIFY(window.clickFirstAddress());
    QTest::mouseClick(child<QPushButton>(panel, u"cmdEdit"_s), Qt::LeftButton);
    auto *box = child<QLineEdit>(panel, u"txtContact_3"_s);
    box->selectAll();
    QTest::keyClicks(box, city);
    if (update)
        QTest::mouseClick(child<QPushButton>(panel, u"cmdAdd"_s), Qt::LeftButton);
}

void TestAddressBook::searchOnlyFilters()
{
    Book book(freshDatabase(), { B::Cancel });
    QVERIFY(book.window.start());
    editCity(book.window, u"Elsewhere"_s, true);
    // Typing filters by name and by city, loads nothing and asks nothing.
    QTest::keyClicks(child<QLineEdit>(&book.window, u"txtVendorSearch"_s), u"north"_s);
    QCOMPARE(book.list()->model()->rowCount(), 1);
    QCOMPARE(book.window.currentVendor(), Sample);
    child<QLineEdit>(&book.window, u"txtVendorSearch"_s)->setText(u"brampton"_s);
    QCOMPARE(book.list()->model()->index(0, 0).data(Qt::UserRole).toInt(), Northwind);
    QVERIFY(book.asked.isEmpty());
    // Enter on the highlighted row is a choice: one prompt, cancelled.
    QTest::keyClick(child<QLineEdit>(&book.window, u"txtVendorSearch"_s), Qt::Key_Down);
    QCOMPARE(book.window.currentVendor(), Sample);
    QTest::keyClick(book.list(), Qt::Key_Return);
    QCOMPARE(book.asked.size(), 1);
    QCOMPARE(book.window.currentVendor(), Sample);
}

void TestAddressBook::cancelKeepsTheShownVendor_data()
{
    QTest::addColumn<bool>("midEdit");
    QTest::newRow("unsaved changes") << false;
    QTest::newRow("typing in the panel") << true;
}

void TestAddressBook::cancelKeepsTheShownVendor()
{
    QFETCH(bool, midEdit);
    Book book(freshDatabase(), { B::Cancel });
    QVERIFY(book.window.start());
    book.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&book.window));
    editCity(book.window, u"Elsewhere"_s, !midEdit);
    book.click(Northwind);
    QCOMPARE(book.asked.size(), 1);
    QCOMPARE(book.window.currentVendor(), Sample);
    QCOMPARE(book.highlighted(), Sample);
    // Clicking the vendor shown asks nothing.
    book.click(Sample);
    QCOMPARE(book.asked.size(), 1);
}

void TestAddressBook::troubleAtOpen_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // "-": no file
    QTest::addColumn<QList<B::StandardButton>>("answers");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("title");
    const QList<B::StandardButton> cancel { B::Cancel };
    QTest::newRow("missing folder, cancelled")
        << u"typo/v.sqlite"_s << QByteArray("-") << cancel << QString() << false << u"No vendor database there"_s;
    QTest::newRow("missing file, created")
        << u"new.sqlite"_s << QByteArray("-") << QList { B::Yes } << QString() << true << u"No vendor database there"_s;
    QTest::newRow("not a database, cancelled") << u"notes.sqlite"_s << QByteArray("shopping list\n") << cancel
                                               << QString() << false << u"Not a vendor database"_s;
    QTest::newRow("empty file, new one elsewhere") << u"empty.sqlite"_s << QByteArray() << QList { B::Save }
                                                   << u"elsewhere.sqlite"_s << true << u"Not a vendor database"_s;
    QTest::newRow("server unreachable, cancelled")
        << u"postgresql://nobody@%2Fno%2Fsuch%2Fsocket/vendors"_s << QByteArray("-") << cancel << QString() << false
        << u"Cannot reach the database server"_s;
}

void TestAddressBook::troubleAtOpen()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QList<B::StandardButton>, answers);
    QFETCH(QString, chosen);
    QFETCH(bool, started);
    QFETCH(QString, title);
    const bool sqlite = !file.startsWith(u"postgresql:");
    const QString where = sqlite ? path(file) : file;
    if (content != "-") {
        QFile f(where);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
    }
    const QByteArray before = digest(where);
    Book book(sqlite ? u"sqlite:"_s + where : where, answers, chosen.isEmpty() ? chosen : path(chosen));
    QCOMPARE(book.window.start(), started);
    QCOMPARE(book.asked.size(), 1);
    QCOMPARE(book.asked.at(0).title, title);
    if (sqlite)
        QVERIFY2(book.asked.at(0).text.contains(where), qPrintable(book.asked.at(0).text));
    // Nothing was created or changed unless the user said so.
    if (!started || !chosen.isEmpty())
        QCOMPARE(digest(where), before);
    QCOMPARE(QFileInfo::exists(path(u"typo"_s)), false);
    QCOMPARE(book.window.currentVendor().has_value(), started);
}

void TestAddressBook::lockedSaveKeepsTheChanges()
{
    Book book(freshDatabase(), { B::Cancel });
    QVERIFY(book.window.start());
    editCity(book.window, u"Locked Out"_s, true);
    // Another program holds the file's write lock.
    const auto other = VendorDatabase::open(connectionOf(*book.window.database()).databaseName());
    QSqlQuery lock(connectionOf(*other));
    QVERIFY(lock.exec(u"BEGIN EXCLUSIVE"_s));
    QVERIFY(!book.window.save());
    QCOMPARE(book.asked.size(), 1);
    QCOMPARE(book.asked.at(0).title, u"Vendor database in use"_s);
    QVERIFY(book.asked.at(0).buttons.testFlag(B::Retry));
    QVERIFY(!book.asked.at(0).details.isEmpty());
    QVERIFY(book.window.control()->property("modified").toBool());
    // Retry once the other program let go: the changes are saved.
    QVERIFY(lock.exec(u"COMMIT"_s));
    QVERIFY(book.window.save());
    QVERIFY(!book.window.control()->property("modified").toBool());
}

void TestAddressBook::saveKeepsTheTypeAndAddress()
{
    Book book(freshDatabase());
    QVERIFY(book.window.start());
    QWidget *panel = book.window.control();
    auto *types = child<QComboBox>(panel, u"cboContactType"_s);
    types->setCurrentIndex(2);
    const QString type = types->currentText();
    editCity(book.window, u"Kept"_s, true);
    const auto *list = child<QAbstractItemView>(panel, u"lstContacts"_s);
    const QString address = list->currentIndex().siblingAtColumn(0).data().toString();
    QVERIFY(book.window.save());
    QCOMPARE(types->currentText(), type);
    QCOMPARE(list->currentIndex().siblingAtColumn(0).data().toString(), address);
}

void TestAddressBook::statusAndDockFit()
{
    HostSettings settings = Book::settingsFor(freshDatabase());
    settings.developer = true;
    MainWindow window(settings);
    window.setQuestionHandler([](const Question &) { return B::Ok; });
    QVERIFY(window.start());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // A 1280 x 800 screen, less a title bar and a panel.
    const QSize least = window.minimumSizeHint();
    QVERIFY2(
        least.width() <= 1280 && least.height() <= 740, qPrintable(u"%1x%2"_s.arg(least.width()).arg(least.height())));
    const QRect save = child<QPushButton>(&window, u"cmdSave"_s)->geometry();
    const QRect control = window.control()->geometry();
    QVERIFY(!window.showVendor(-7)); // a long message in the status line
    QCoreApplication::processEvents();
    QVERIFY(window.statusText().size() > 40);
    QCOMPARE(child<QPushButton>(&window, u"cmdSave"_s)->geometry(), save);
    QCOMPARE(window.control()->geometry(), control);
}

void TestAddressBook::germanWindow()
{
    Book book(u"sqlite:"_s + path(u"de/missing/v.sqlite"_s), { B::Cancel });
    applyLanguage(u"de"_s);
    QCoreApplication::processEvents();
    const auto english = qScopeGuard([] { applyLanguage(u"en"_s); });
    QVERIFY(!book.window.start());
    QVERIFY2(book.asked.value(0).text.startsWith(u"Der Ordner von"_s), qPrintable(book.asked.value(0).text));
    auto *save = child<QPushButton>(&book.window, u"cmdSave"_s);
    QCOMPARE(save->text(), u"&Speichern"_s);
    QCOMPARE(book.window.windowTitle(), u"Lieferanten-Adressbuch[*]"_s);
    QCOMPARE(child<QLineEdit>(&book.window, u"txtVendorSearch"_s)->placeholderText(), u"Lieferanten suchen"_s);
    QCOMPARE(book.window.developerDock()->windowTitle(), u"Entwickler"_s);
    // The live switch renames the whole window.
    applyLanguage(u"fr"_s);
    QCoreApplication::processEvents();
    QCOMPARE(save->text(), u"&Enregistrer"_s);
}

void TestAddressBook::noSecondInsertAfterAFailedReload()
{
    // The session alone, as the window uses it: a save whose reload never
    // happened, saved again with the same export.
    const QString location = freshDatabase();
    VendorSession session(VendorDatabase::open(location), {});
    session.show(session.read(Northwind));
    const QString added = u"000-1|2001|1|Zed Overflow|1 Main St||Austin|1|||||||~"_s;
    const QString changed =
        session.shownAddresses().constFirst().addressId + u"|2001|1|Ana|2 Main St||Dallas|1|||||||~"_s;
    QCOMPARE(session.save(added + changed).inserted, 1);
    const SaveOutcome again = session.save(added + changed);
    QVERIFY(again.saved());
    QCOMPARE(again.inserted, 0);
    QCOMPARE(again.updated, 2);
    QSqlQuery count(connectionOf(session.database()));
    QVERIFY(count.exec(u"SELECT COUNT(*) FROM addresses WHERE name = 'Zed Overflow'"_s) && count.next());
    QCOMPARE(count.value(0).toInt(), 1);
}

QTEST_MAIN(TestAddressBook)
#include "tst_addressbook.moc"
