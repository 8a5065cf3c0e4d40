// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "contactdata.h"
#include "contactstore.h"

#include <ZebVendorContact/error.h>

#include <QtCore/QRandomGenerator>
#include <QtTest/QTest>

#include <functional>

using namespace ZebVendorContact;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(ZebVendorContact::Error::Code)

namespace {

// Runs `operation` and returns the code of the Error it throws; fails the
// test when it throws nothing.
std::optional<Error::Code> errorOf(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const Error &error) {
        return error.code();
    }
    return std::nullopt;
}

// A store with one record per id, in order, AddressID set only.
void fillWithIds(ContactStore &store, const QStringList &ids)
{
    store.open();
    for (const QString &id : ids) {
        store.append();
        store.write(AddressID, id);
    }
}

QStringList idsInOrder(ContactStore &store)
{
    QStringList ids;
    for (store.moveFirst(); !store.atEnd(); store.moveNext())
        ids.append(store.read(AddressID).toString());
    return ids;
}

} // namespace

class TestContactStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closedStoreRejectsOperations_data();
    void closedStoreRejectsOperations();
    void openCloseLifecycle();
    void nullDistinctFromEmpty();
    void writeNullVariantMakesFieldNull();

    void fieldSizes_data();
    void fieldSizes();
    void conversions_data();
    void conversions();
    void fieldNames_data();
    void fieldNames();
    void badFieldPositions_data();
    void badFieldPositions();

    void moveFirstOnEmptyStore();
    void moveNextPastEndFails();
    void deleteCurrentKeepsPosition();
    void deleteEveryRecordWhileStepping();
    void findAfterDelete();
    void findDuplicateIds();
    void findComparesLetterCase();
    void findNeverMatchesNullId();
    void findFollowsChangedIds();
    void appendAfterDeletesKeepsOrder();
    void removeAll();

    void recordRewritesKeepOtherFields();

    void newAddressID_data();
    void newAddressID();
    void lookupTablesAbsentUntilLoaded();
};

void TestContactStore::closedStoreRejectsOperations_data()
{
    QTest::addColumn<std::function<void(ContactStore &)>>("operation");
    QTest::newRow("recordCount") << std::function<void(ContactStore &)>([](ContactStore &s) { s.recordCount(); });
    QTest::newRow("moveFirst") << std::function<void(ContactStore &)>([](ContactStore &s) { s.moveFirst(); });
    QTest::newRow("moveNext") << std::function<void(ContactStore &)>([](ContactStore &s) { s.moveNext(); });
    QTest::newRow("atEnd") << std::function<void(ContactStore &)>([](ContactStore &s) { s.atEnd(); });
    QTest::newRow("append") << std::function<void(ContactStore &)>([](ContactStore &s) { s.append(); });
    QTest::newRow("appendRecord") << std::function<void(ContactStore &)>(
        [](ContactStore &s) { s.appendRecord(ContactRecord()); });
    QTest::newRow("deleteCurrent") << std::function<void(ContactStore &)>([](ContactStore &s) { s.deleteCurrent(); });
    QTest::newRow("findAddress") << std::function<void(ContactStore &)>([](ContactStore &s) { s.findAddress(u"1"); });
    QTest::newRow("read") << std::function<void(ContactStore &)>([](ContactStore &s) { s.read(0); });
    QTest::newRow("read by name") << std::function<void(ContactStore &)>([](ContactStore &s) { s.read(u"Name"); });
    QTest::newRow("write") << std::function<void(ContactStore &)>([](ContactStore &s) { s.write(0, u"x"_s); });
    QTest::newRow("writeText") << std::function<void(ContactStore &)>([](ContactStore &s) { s.writeText(0, u"x"); });
    QTest::newRow("current") << std::function<void(ContactStore &)>([](ContactStore &s) { s.current(); });
    QTest::newRow("removeAll") << std::function<void(ContactStore &)>([](ContactStore &s) { s.removeAll(); });
}

void TestContactStore::closedStoreRejectsOperations()
{
    QFETCH(std::function<void(ContactStore &)>, operation);

    ContactStore neverOpened;
    QVERIFY(!neverOpened.isOpen());
    QCOMPARE(errorOf([&] { operation(neverOpened); }), Error::Code::StoreClosed);

    ContactStore closed;
    fillWithIds(closed, { u"1"_s });
    closed.close();
    QVERIFY(!closed.isOpen());
    QCOMPARE(errorOf([&] { operation(closed); }), Error::Code::StoreClosed);
}

void TestContactStore::openCloseLifecycle()
{
    ContactStore store;
    fillWithIds(store, { u"1"_s, u"2"_s });
    QCOMPARE(store.recordCount(), 2);
    store.open(); // opening an open store empties it
    QVERIFY(store.isOpen());
    QCOMPARE(store.recordCount(), 0);
    QVERIFY(store.atEnd());
    fillWithIds(store, { u"3"_s });
    store.close();
    store.open();
    QCOMPARE(store.recordCount(), 0);
}

void TestContactStore::nullDistinctFromEmpty()
{
    ContactStore store;
    store.open();
    store.append();
    QVERIFY(!store.atEnd());
    for (int field = 0; field < FieldCount; ++field) {
        QVERIFY(!store.read(field).isValid());
        QVERIFY(store.current().isNull(field));
    }

    store.write(Name, QString(u""_s));
    store.writeText(City, u"");
    for (int field : { int(Name), int(City) }) {
        const QVariant value = store.read(field);
        QVERIFY(value.isValid());
        QVERIFY(!value.isNull());
        QCOMPARE(value.toString(), QString());
        QVERIFY(!store.current().isNull(field));
        QVERIFY(!store.current().text(field).isNull());
    }
    QVERIFY(store.current().isNull(Street1));
    QVERIFY(store.current().text(Street1).isNull());
}

void TestContactStore::writeNullVariantMakesFieldNull()
{
    ContactStore store;
    store.open();
    store.append();
    store.write(Name, u"Main"_s);
    store.write(Type, 4);
    store.write(City, u"Springfield"_s);
    store.write(Name, QVariant());
    store.write(Type, QVariant());
    QVERIFY(!store.read(Name).isValid());
    QVERIFY(!store.read(Type).isValid());
    QCOMPARE(store.read(City).toString(), u"Springfield"_s);
}

void TestContactStore::fieldSizes_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("size");
    const int sizes[FieldCount] = { 15, 15, 0, 60, 30, 30, 30, 30, 30, 30, 30, 30, 50, 30, 30, 1 };
    for (int field = 0; field < FieldCount; ++field) {
        if (field != Type)
            QTest::addRow("%s", qPrintable(fieldDefinitions()[field].name.toString())) << field << sizes[field];
    }
}

void TestContactStore::fieldSizes()
{
    QFETCH(int, field);
    QFETCH(int, size);
    QCOMPARE(fieldDefinitions()[field].size, size);
    QVERIFY(!fieldDefinitions()[field].isInteger);

    ContactStore store;
    store.open();
    store.append();
    store.write(field, u"old"_s.left(size));
    const QString full(size, u'x');
    store.write(field, full);
    QCOMPARE(store.read(field).toString(), full);

    QCOMPARE(errorOf([&] { store.write(field, QString(size + 1, u'y')); }), Error::Code::ValueTooLong);
    QCOMPARE(errorOf([&] { store.writeText(field, QString(size + 1, u'y')); }), Error::Code::ValueTooLong);
    QCOMPARE(store.read(field).toString(), full);

    // Characters are UTF-16 code units: a character outside the basic plane
    // takes two.
    const QString surrogates = QString(size - 1, u'x') + QString::fromUcs4(U"\U0001F600");
    QCOMPARE(errorOf([&] { store.write(field, surrogates); }), Error::Code::ValueTooLong);
}

void TestContactStore::conversions_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("stored"); // invalid: the write is rejected
    QTest::addColumn<Error::Code>("error");

    const auto ok = Error::Code::InvalidArgument; // unused when the write succeeds
    QTest::newRow("number 7 into Country") << int(Country) << QVariant(7) << QVariant(u"7"_s) << ok;
    QTest::newRow("negative number into Name") << int(Name) << QVariant(-42) << QVariant(u"-42"_s) << ok;
    QTest::newRow("long long into State") << int(State) << QVariant(qlonglong(63)) << QVariant(u"63"_s) << ok;
    QTest::newRow("text 12 into Type") << int(Type) << QVariant(u"12"_s) << QVariant(12) << ok;
    QTest::newRow("text 012 into Type") << int(Type) << QVariant(u"012"_s) << QVariant(12) << ok;
    QTest::newRow("text -32768 into Type") << int(Type) << QVariant(u"-32768"_s) << QVariant(-32768) << ok;
    QTest::newRow("text 32767 into Type") << int(Type) << QVariant(u"32767"_s) << QVariant(32767) << ok;
    QTest::newRow("number 5 into Type") << int(Type) << QVariant(5) << QVariant(5) << ok;
    QTest::newRow("whole double into Type") << int(Type) << QVariant(3.0) << QVariant(3) << ok;
    QTest::newRow("text x into Type") << int(Type) << QVariant(u"x"_s) << QVariant() << Error::Code::NotAWholeNumber;
    QTest::newRow("empty text into Type")
        << int(Type) << QVariant(QString(u""_s)) << QVariant() << Error::Code::NotAWholeNumber;
    QTest::newRow("text 32768 into Type")
        << int(Type) << QVariant(u"32768"_s) << QVariant() << Error::Code::NotAWholeNumber;
    QTest::newRow("text -32769 into Type")
        << int(Type) << QVariant(u"-32769"_s) << QVariant() << Error::Code::NotAWholeNumber;
    QTest::newRow("leading blank into Type")
        << int(Type) << QVariant(u" 12"_s) << QVariant() << Error::Code::NotAWholeNumber;
    QTest::newRow("trailing blank into Type")
        << int(Type) << QVariant(u"12 "_s) << QVariant() << Error::Code::NotAWholeNumber;
    QTest::newRow("plus sign into Type") << int(Type) << QVariant(u"+12"_s) << QVariant()
                                         << Error::Code::NotAWholeNumber;
    QTest::newRow("minus alone into Type")
        << int(Type) << QVariant(u"-"_s) << QVariant() << Error::Code::NotAWholeNumber;
    QTest::newRow("decimal text into Type")
        << int(Type) << QVariant(u"1.0"_s) << QVariant() << Error::Code::NotAWholeNumber;
    QTest::newRow("fraction into Type") << int(Type) << QVariant(2.5) << QVariant() << Error::Code::NotAWholeNumber;
    QTest::newRow("number 40000 into Type") << int(Type) << QVariant(40000) << QVariant() << Error::Code::Overflow;
    QTest::newRow("number too long for IsUpdated")
        << int(IsUpdated) << QVariant(10) << QVariant() << Error::Code::ValueTooLong;
}

void TestContactStore::conversions()
{
    QFETCH(int, field);
    QFETCH(QVariant, value);
    QFETCH(QVariant, stored);
    QFETCH(Error::Code, error);

    ContactStore store;
    store.open();
    store.append();
    const QVariant previous = field == Type ? QVariant(9) : QVariant(u"9"_s);
    store.write(field, previous);

    const auto thrown = errorOf([&] { store.write(field, value); });
    if (stored.isValid()) {
        QCOMPARE(thrown, std::nullopt);
        QCOMPARE(store.read(field), stored);
    } else {
        QCOMPARE(thrown, error);
        QCOMPARE(store.read(field), previous);
    }
}

void TestContactStore::fieldNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("field");
    QTest::newRow("type") << u"type"_s << int(Type);
    QTest::newRow("TYPE") << u"TYPE"_s << int(Type);
    QTest::newRow("addressid") << u"addressid"_s << int(AddressID);
    QTest::newRow("Fax") << u"Fax"_s << int(FAX);
    QTest::newRow("isUpdated") << u"isUpdated"_s << int(IsUpdated);
    QTest::newRow("PHONE3") << u"PHONE3"_s << int(Phone3);
}

void TestContactStore::fieldNames()
{
    QFETCH(QString, name);
    QFETCH(int, field);
    QCOMPARE(fieldPosition(name), field);

    ContactStore store;
    store.open();
    store.append();
    const QVariant value = field == Type ? QVariant(3) : QVariant(u"v"_s);
    store.write(name, value);
    QCOMPARE(store.read(field), value);
    QCOMPARE(store.read(name), value);
}

void TestContactStore::badFieldPositions_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("name");
    QTest::newRow("16") << 16 << u"Typ"_s;
    QTest::newRow("-1") << -1 << QString();
    QTest::newRow("100") << 100 << u"Type "_s;
}

void TestContactStore::badFieldPositions()
{
    QFETCH(int, field);
    QFETCH(QString, name);

    ContactStore store;
    store.open();
    store.append();
    QCOMPARE(errorOf([&] { store.read(field); }), Error::Code::NoSuchField);
    QCOMPARE(errorOf([&] { store.write(field, u"x"_s); }), Error::Code::NoSuchField);
    QCOMPARE(errorOf([&] { store.writeText(field, u"x"); }), Error::Code::NoSuchField);
    QCOMPARE(errorOf([&] { store.read(name); }), Error::Code::NoSuchField);
    QCOMPARE(errorOf([&] { store.write(name, u"x"_s); }), Error::Code::NoSuchField);
}

void TestContactStore::moveFirstOnEmptyStore()
{
    ContactStore store;
    store.open();
    QCOMPARE(store.recordCount(), 0);
    store.moveFirst();
    QVERIFY(store.atEnd());
    QCOMPARE(errorOf([&] { store.read(Name); }), Error::Code::NoCurrentRecord);
    QCOMPARE(errorOf([&] { store.deleteCurrent(); }), Error::Code::NoCurrentRecord);
}

void TestContactStore::moveNextPastEndFails()
{
    ContactStore store;
    fillWithIds(store, { u"1"_s });
    store.moveFirst();
    store.moveNext();
    QVERIFY(store.atEnd());
    QCOMPARE(errorOf([&] { store.moveNext(); }), Error::Code::NoCurrentRecord);
    QCOMPARE(errorOf([&] { store.write(Name, u"x"_s); }), Error::Code::NoCurrentRecord);
}

void TestContactStore::deleteCurrentKeepsPosition()
{
    ContactStore store;
    fillWithIds(store, { u"1"_s, u"2"_s, u"3"_s });
    store.moveFirst();
    store.moveNext();
    store.deleteCurrent();
    QCOMPARE(store.recordCount(), 2);
    QVERIFY(!store.atEnd());
    QCOMPARE(errorOf([&] { store.read(AddressID); }), Error::Code::NoCurrentRecord);
    QCOMPARE(errorOf([&] { store.deleteCurrent(); }), Error::Code::NoCurrentRecord);
    store.moveNext();
    QCOMPARE(store.read(AddressID).toString(), u"3"_s);
    QCOMPARE(idsInOrder(store), (QStringList { u"1"_s, u"3"_s }));

    // Deleting the last record: moving on reaches the end.
    store.moveFirst();
    store.findAddress(u"3");
    store.deleteCurrent();
    QVERIFY(!store.atEnd());
    store.moveNext();
    QVERIFY(store.atEnd());
}

void TestContactStore::deleteEveryRecordWhileStepping()
{
    ContactStore store;
    fillWithIds(store, { u"1"_s, u"2"_s, u"3"_s, u"4"_s });
    if (store.recordCount() != 0)
        store.moveFirst();
    while (!store.atEnd()) {
        store.deleteCurrent();
        store.moveNext();
    }
    QCOMPARE(store.recordCount(), 0);
    QVERIFY(store.atEnd());
    store.moveFirst();
    QVERIFY(store.atEnd());
}

void TestContactStore::findAfterDelete()
{
    ContactStore store;
    fillWithIds(store, { u"1"_s, u"000-N"_s, u"2"_s });
    store.moveFirst();
    store.findAddress(u"000-N");
    store.deleteCurrent();
    store.moveFirst();
    store.findAddress(u"000-N");
    QVERIFY(store.atEnd());

    // A find that starts on a deleted record passes over it.
    store.moveFirst();
    store.deleteCurrent();
    store.findAddress(u"1");
    QVERIFY(store.atEnd());
    QCOMPARE(idsInOrder(store), QStringList { u"2"_s });
}

void TestContactStore::findDuplicateIds()
{
    ContactStore store;
    fillWithIds(store, { u"7"_s, u"9"_s, u"9"_s });
    store.moveFirst();
    store.write(Name, u"first"_s);
    store.moveNext();
    store.write(Name, u"earlier"_s);
    store.moveNext();
    store.write(Name, u"later"_s);

    store.moveFirst();
    store.findAddress(u"9");
    QCOMPARE(store.read(Name).toString(), u"earlier"_s);
    // Find starts at the current record, so it finds the same one again.
    store.findAddress(u"9");
    QCOMPARE(store.read(Name).toString(), u"earlier"_s);
    store.moveNext();
    store.findAddress(u"9");
    QCOMPARE(store.read(Name).toString(), u"later"_s);
    // Find never goes backward.
    store.findAddress(u"7");
    QVERIFY(store.atEnd());
    store.findAddress(u"7");
    QVERIFY(store.atEnd());
}

void TestContactStore::findComparesLetterCase()
{
    ContactStore store;
    fillWithIds(store, { u"abc-n"_s, u"ABC-N"_s });
    store.moveFirst();
    store.findAddress(u"ABC-N");
    QVERIFY(!store.atEnd());
    QCOMPARE(store.read(AddressID).toString(), u"ABC-N"_s);
    store.moveFirst();
    store.findAddress(u"Abc-N");
    QVERIFY(store.atEnd());
}

void TestContactStore::findNeverMatchesNullId()
{
    ContactStore store;
    store.open();
    store.append();
    store.append();
    store.write(AddressID, QString(u""_s));
    store.moveFirst();
    store.findAddress(u"");
    QVERIFY(!store.atEnd());
    QVERIFY(store.read(AddressID).isValid());
}

void TestContactStore::findFollowsChangedIds()
{
    // The search passes over records by a hash of their id: every way an id
    // changes must be seen by it.
    ContactStore store;
    fillWithIds(store, { u"1"_s, u"2"_s, u"3"_s });
    store.moveFirst();
    store.moveNext();
    store.writeText(AddressID, u"20"_s);
    store.moveNext();
    store.write(AddressID, QVariant());
    store.moveFirst();
    store.write(AddressID, 30);

    auto found = [&store](QStringView id) {
        store.moveFirst();
        store.findAddress(id);
        return store.atEnd() ? QString() : store.read(AddressID).toString();
    };
    QCOMPARE(found(u"2"), QString());
    QCOMPARE(found(u"20"), u"20"_s);
    QCOMPARE(found(u"3"), QString());
    QCOMPARE(found(u"1"), QString());
    QCOMPARE(found(u"30"), u"30"_s);

    // A value written into the id field of a loaded record, and the record
    // filled whole by the load.
    ContactRecord record;
    const QStringView values[] = { u"77", u"1042" };
    ContactStore::fillNewRecord(record, values, 2);
    store.appendRecord(record);
    QCOMPARE(found(u"77"), u"77"_s);
    store.findAddress(u"77");
    store.writeText(AddressID, u"78"_s);
    QCOMPARE(found(u"77"), QString());
    QCOMPARE(found(u"78"), u"78"_s);
}

void TestContactStore::appendAfterDeletesKeepsOrder()
{
    ContactStore store;
    fillWithIds(store, { u"1"_s, u"2"_s, u"3"_s, u"4"_s });
    store.moveFirst();
    store.deleteCurrent();
    store.moveNext();
    store.moveNext();
    store.deleteCurrent();
    store.append();
    QCOMPARE(store.recordCount(), 3);
    QVERIFY(store.read(AddressID).isNull() || !store.read(AddressID).isValid());
    store.write(AddressID, u"5"_s);
    store.moveNext();
    QVERIFY(store.atEnd());
    QCOMPARE(idsInOrder(store), (QStringList { u"2"_s, u"4"_s, u"5"_s }));
}

void TestContactStore::removeAll()
{
    ContactStore store;
    fillWithIds(store, { u"1"_s, u"2"_s });
    store.moveFirst();
    store.removeAll();
    QCOMPARE(store.recordCount(), 0);
    QVERIFY(store.atEnd());
    store.append();
    QCOMPARE(store.recordCount(), 1);
}

// Fields written in any order and rewritten with longer, shorter and null
// values keep every other field intact (the record shares one buffer).
void TestContactStore::recordRewritesKeepOtherFields()
{
    QRandomGenerator random(20240611);
    ContactRecord record;
    QStringList model(FieldCount);
    QList<bool> isNull(FieldCount, true);

    for (int step = 0; step < 2000; ++step) {
        const int field = int(random.bounded(FieldCount));
        if (field == Type)
            continue;
        if (random.bounded(5) == 0) {
            record.setNull(field);
            isNull[field] = true;
            model[field].clear();
        } else {
            const int length = int(random.bounded(fieldDefinitions()[field].size + 1));
            QString value;
            for (int i = 0; i < length; ++i)
                value.append(QChar(u'a' + char16_t(random.bounded(26))));
            if (random.bounded(4) == 0 && !record.isNull(AddressID))
                value = record.text(AddressID).left(fieldDefinitions()[field].size).toString();
            record.setText(field, value);
            isNull[field] = false;
            model[field] = value;
        }
        for (int f = 0; f < FieldCount; ++f) {
            if (f == Type)
                continue;
            QCOMPARE(record.isNull(f), isNull[f]);
            QCOMPARE(record.text(f).toString(), model[f]);
        }
    }

    // Copying a field of the record into another one of the same record.
    record.setText(Name, u"Warehouse"_s);
    record.setText(Street1, record.text(Name));
    record.setText(AddressID, record.text(Name).left(3));
    QCOMPARE(record.text(Street1), u"Warehouse");
    QCOMPARE(record.text(AddressID), u"War");
}

void TestContactStore::newAddressID_data()
{
    QTest::addColumn<int>("counter");
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("counterAfter");
    QTest::newRow("0") << 0 << u"000-N"_s << 1;
    QTest::newRow("1") << 1 << u"001-N"_s << 2;
    QTest::newRow("42") << 42 << u"042-N"_s << 43;
    QTest::newRow("999") << 999 << u"999-N"_s << 1000;
    QTest::newRow("1000") << 1000 << u"1000-N"_s << 1001;
    QTest::newRow("32766") << 32766 << u"32766-N"_s << 32767;
    QTest::newRow("32767 overflows") << 32767 << QString() << 32767;
}

void TestContactStore::newAddressID()
{
    QFETCH(int, counter);
    QFETCH(QString, id);
    QFETCH(int, counterAfter);

    ContactData data;
    data.newAddressCount = qint16(counter);
    if (id.isNull()) {
        QCOMPARE(errorOf([&] { data.NewAddressID(); }), Error::Code::Overflow);
        QCOMPARE(errorOf([&] { data.NewAddressID(); }), Error::Code::Overflow);
    } else {
        QCOMPARE(data.NewAddressID(), id);
    }
    QCOMPARE(int(data.newAddressCount), counterAfter);
}

void TestContactStore::lookupTablesAbsentUntilLoaded()
{
    ContactData data;
    QCOMPARE(errorOf([&] { data.typeTable(); }), Error::Code::TableAbsent);
    QCOMPARE(errorOf([&] { data.stateTable(); }), Error::Code::TableAbsent);
    data.types = LookupTable();
    QCOMPARE(data.typeTable().size(), 0);
    QCOMPARE(errorOf([&] { data.stateTable(); }), Error::Code::TableAbsent);
}

QTEST_GUILESS_MAIN(TestContactStore)
#include "tst_contactstore.moc"
