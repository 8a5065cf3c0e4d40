// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "exchange.h"
#include "support/workedexample.h"

#include <ZebVendorContact/contactexchange.h>
#include <ZebVendorContact/error.h>

#include <QtTest/QTest>

using namespace ZebVendorContact;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString workedExample = WorkedExample::load();
const QString workedExport = WorkedExample::exported();

// One record as its sixteen values joined by "|", null shown as "#", trailing
// nulls left out ("#" alone for a record of nulls only).
QString describeRecord(const ContactRecord &record)
{
    QStringList values;
    for (int field = 0; field < FieldCount; ++field) {
        if (record.isNull(field))
            values.append(u"#"_s);
        else if (field == Type)
            values.append(QString::number(record.type()));
        else
            values.append(record.text(field).toString());
    }
    while (values.size() > 1 && values.constLast() == u"#"_s)
        values.removeLast();
    return values.join(u'|');
}

QStringList describeStore(ContactStore &store)
{
    QStringList records;
    for (store.moveFirst(); !store.atEnd(); store.moveNext())
        records.append(describeRecord(store.current()));
    return records;
}

QString describeTable(const std::optional<LookupTable> &table)
{
    if (!table)
        return u"<absent>"_s;
    QStringList rows;
    for (const LookupRow &row : *table)
        rows.append(row.join(u','));
    return rows.join(u';');
}

QString repeated(QStringView piece, int times)
{
    QString text;
    text.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i)
        text.append(piece);
    return text;
}

void loadWorkedExample(ContactData &data)
{
    QCOMPARE(loadContactData(data, workedExample, u"|"_s, u"~"_s, u"^"_s), LoadOutcome::Complete);
}

} // namespace

class TestExchange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
    void splitGivesViewsIntoTheText();

    void workedExampleLoad();
    void workedExampleExport();
    void exportAfterChangingARecord();
    void exportWithoutEditing();
    void exportBeforeAnyLoad();
    void exportOfUnflaggedRecordsIsEmpty();
    void exportWritesNullsAsEmptyAndNegativeTypes();
    void exportRefusesEntriesThatWouldNotReadBack_data();
    void exportRefusesEntriesThatWouldNotReadBack();
    void exportLeavesPositionAtEndAndRecordsUnchanged();
    void exportOfEmptiedStore();

    void loadFailureTable_data();
    void loadFailureTable();
    void tableSizeLimits_data();
    void tableSizeLimits();
    void failedTableStaysAbsentOnFirstLoad();
    void multiCharacterSeparators();
    void loadReplacesEverythingAndKeepsCounter();
    void loadedFlagIsExported();
    void loadedRecordsOutliveTheHostsText();

    void helperRoundTrip_data();
    void helperRoundTrip();
    void helperRefusals_data();
    void helperRefusals();
};

void TestExchange::split_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("empty text") << QString() << u"|"_s << QStringList();
    QTest::newRow("empty text, empty separator") << QString() << QString() << QStringList();
    QTest::newRow("empty separator never matches") << u"a|b"_s << QString() << QStringList { u"a|b"_s };
    QTest::newRow("no occurrence") << u"abc"_s << u"|"_s << QStringList { u"abc"_s };
    QTest::newRow("two pieces") << u"a|b"_s << u"|"_s << QStringList { u"a"_s, u"b"_s };
    QTest::newRow("separator only") << u"|"_s << u"|"_s << QStringList { QString(), QString() };
    QTest::newRow("two in a row") << u"a||b"_s << u"|"_s << QStringList { u"a"_s, QString(), u"b"_s };
    QTest::newRow("trailing separator") << u"a|b|"_s << u"|"_s << QStringList { u"a"_s, u"b"_s, QString() };
    QTest::newRow("multi-character, partial start") << u"aab"_s << u"ab"_s << QStringList { u"a"_s, QString() };
    QTest::newRow("no overlaps") << u"aaa"_s << u"aa"_s << QStringList { QString(), u"a"_s };
    QTest::newRow("adjacent multi-character")
        << u"abab"_s << u"ab"_s << QStringList { QString(), QString(), QString() };
    QTest::newRow("letter case significant") << u"xAbY"_s << u"ab"_s << QStringList { u"xAbY"_s };
    QTest::newRow("separator longer than text") << u"a"_s << u"abc"_s << QStringList { u"a"_s };
    QTest::newRow("separator at the very end") << u"xyab"_s << u"ab"_s << QStringList { u"xy"_s, QString() };
    QTest::newRow("cut short at the end") << u"xya"_s << u"ab"_s << QStringList { u"xya"_s };
    QTest::newRow("double tilde") << u"a~~b~"_s << u"~~"_s << QStringList { u"a"_s, u"b~"_s };
    QTest::newRow("match found again inside a failed one")
        << u"abababc|x"_s << u"ababc"_s << QStringList { u"ab"_s, u"|x"_s };
    QTest::newRow("near misses before the match") << u"aaaaab"_s << u"aab"_s << QStringList { u"aaa"_s, QString() };
    QTest::newRow("spaces are values") << u" | "_s << u"|"_s << QStringList { u" "_s, u" "_s };
}

void TestExchange::split()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QStringList, pieces);

    QStringList actual;
    for (QStringView piece : splitBySeparator(text, separator))
        actual.append(piece.toString());
    QCOMPARE(actual, pieces);
}

void TestExchange::splitGivesViewsIntoTheText()
{
    const QString text = u"one~two~"_s;
    const auto pieces = splitBySeparator(text, u"~");
    QCOMPARE(pieces.size(), 3);
    QCOMPARE(pieces[0].data(), text.constData());
    QCOMPARE(pieces[1].data(), text.constData() + 4);
}

void TestExchange::workedExampleLoad()
{
    ContactData data;
    loadWorkedExample(data);

    QCOMPARE(describeStore(data.store),
        (QStringList { u"501|77|3|Main Office|12 Harbour Rd||Springfield|1|14|627-01|555-12-34|555-12-35|||"_s,
            u"502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77|S"_s }));
    data.store.moveFirst();
    QVERIFY(data.store.current().isNull(IsUpdated));
    QVERIFY(!data.store.current().isNull(Phone3));
    QCOMPARE(describeTable(data.types), u"3,Head office;5,Shipping"_s);
    QCOMPARE(describeTable(data.states), u"14,1,IL,Illinois;63,2,ON,Ontario"_s);
    QCOMPARE(data.fieldSeparator, u"|"_s);
    QCOMPARE(data.recordSeparator, u"~"_s);
    QCOMPARE(data.tableSeparator, u"^"_s);
}

void TestExchange::workedExampleExport()
{
    ContactData data;
    data.editAllowed = true;
    loadWorkedExample(data);
    QCOMPARE(exportContactData(data), workedExport);
}

void TestExchange::exportAfterChangingARecord()
{
    ContactData data;
    data.editAllowed = true;
    loadWorkedExample(data);
    data.store.moveFirst();
    data.store.findAddress(u"501");
    data.store.write(u"City"_s, u"Shelbyville"_s);
    data.store.write(u"IsUpdated"_s, u"S"_s);

    QCOMPARE(exportContactData(data),
        u"501|77|3|Main Office|12 Harbour Rd||Shelbyville|1|14|627-01|555-12-34|555-12-35|||~"_s + workedExport);
}

void TestExchange::exportWithoutEditing()
{
    ContactData data;
    loadWorkedExample(data);
    QVERIFY(!data.editAllowed);
    const QString exported = exportContactData(data);
    QVERIFY(exported.isEmpty());
}

void TestExchange::exportBeforeAnyLoad()
{
    ContactData data;
    QVERIFY(exportContactData(data).isEmpty());
    data.editAllowed = true;
    QVERIFY(exportContactData(data).isEmpty());
    // A blank load does not open the store either.
    QCOMPARE(loadContactData(data, u"  "_s, u"|"_s, u"~"_s, u"^"_s), LoadOutcome::Blank);
    QVERIFY(exportContactData(data).isEmpty());
    QVERIFY(!data.store.isOpen());
}

void TestExchange::exportOfUnflaggedRecordsIsEmpty()
{
    ContactData data;
    data.editAllowed = true;
    QCOMPARE(loadContactData(
                 data, u"1|7|3|a|||||||||||~2|7|3|b|||||||||||~^3|T~^1|1|IL|Illinois~"_s, u"|"_s, u"~"_s, u"^"_s),
        LoadOutcome::Complete);
    QCOMPARE(data.store.recordCount(), 2);
    QVERIFY(exportContactData(data).isEmpty());

    // An empty sixteenth value is no flag either.
    QCOMPARE(loadContactData(data, u"1|7|3|a||||||||||||~^3|T~^1|1|IL|Illinois~"_s, u"|"_s, u"~"_s, u"^"_s),
        LoadOutcome::Complete);
    QVERIFY(exportContactData(data).isEmpty());
}

void TestExchange::exportWritesNullsAsEmptyAndNegativeTypes()
{
    ContactData data;
    data.editAllowed = true;
    loadWorkedExample(data);
    data.store.append();
    data.store.write(IsUpdated, u"N"_s);
    data.store.append();
    data.store.write(AddressID, u"9"_s);
    data.store.write(Type, -12);
    data.store.write(IsUpdated, u"x"_s);

    QCOMPARE(exportContactData(data), workedExport + u"||||||||||||||~"_s + u"9||-12||||||||||||~"_s);
}

void TestExchange::exportRefusesEntriesThatWouldNotReadBack_data()
{
    QTest::addColumn<QStringList>("separators"); // field, record, table
    QTest::addColumn<QString>("cell"); // the loaded record's last value
    QTest::addColumn<QString>("name"); // written over the loaded Name; null: kept
    QTest::addColumn<QString>("id"); // written over the loaded AddressID; null: kept
    QTest::addColumn<QString>("error"); // empty: the entry reads back

    const QStringList usual = { u"|"_s, u"~"_s, u"^"_s };
    const QStringList doubled = { u"||"_s, u"~~"_s, u"^^"_s };
    QTest::newRow("separators inside a value")
        << usual << QString() << u"A|B~C"_s << QString()
        << u"The address \"1\" cannot be exported: its Name would not read back whole at the record separator "
           "\"~\"."_s;
    // The export checks values in chunks of eight units: one at a long
    // value's very end, and one too short for a chunk.
    QTest::newRow("separator ending a long value")
        << usual << QString() << u"Harbour House ^"_s << QString()
        << u"The address \"1\" cannot be exported: its Name would not read back whole at the table separator "
           "\"^\"."_s;
    QTest::newRow("separator in a two-unit value")
        << usual << QString() << u"A~"_s << QString()
        << u"The address \"1\" cannot be exported: its Name would not read back whole at the record separator "
           "\"~\"."_s;
    QTest::newRow("value ending in the start of its separator")
        << doubled << QString() << u"Smith|"_s << QString()
        << u"The address \"1\" cannot be exported: its Name would not read back whole at the field separator "
           "\"||\"."_s;
    QTest::newRow("value beginning with the end of its separator")
        << doubled << QString() << u"|Smith"_s << QString() << QString();
    QTest::newRow("new id holding the field separator")
        << QStringList { u"-"_s, u"~"_s, u"^"_s } << QString() << QString() << u"000-N"_s
        << u"The address \"000-N\" cannot be exported: its AddressID would not read back whole at the field "
           "separator \"-\"."_s;
    // Loaded whole with its flag after it; without the flag, its tail and
    // the record separator read as the record separator early.
    QTest::newRow("host's value before a dropped flag")
        << doubled << u"555~"_s << QString() << QString()
        << u"The address \"1\" cannot be exported: its Phone3 would not read back whole at the record separator "
           "\"~~\"."_s;
}

void TestExchange::exportRefusesEntriesThatWouldNotReadBack()
{
    QFETCH(QStringList, separators);
    QFETCH(QString, cell);
    QFETCH(QString, name);
    QFETCH(QString, id);
    QFETCH(QString, error);

    QString text = u"1\x01"
                   "77\x01"
                   "3\x01Name\x01St\x01\x01"
                   "City\x01"
                   "1\x01"
                   "14\x01\x01\x01\x01\x01\x01"_s +
        cell +
        u"\x01S\x02\x03"
        "3\x01T\x02\x03"
        "14\x01"
        "1\x01IL\x01I\x02"_s;
    text.replace(u'\x01', separators[0]).replace(u'\x02', separators[1]).replace(u'\x03', separators[2]);
    ContactData data;
    data.editAllowed = true;
    QCOMPARE(loadContactData(data, text, separators[0], separators[1], separators[2]), LoadOutcome::Complete);
    data.store.moveFirst();
    if (!name.isNull())
        data.store.write(Name, name);
    if (!id.isNull())
        data.store.write(AddressID, id);

    if (error.isEmpty()) {
        const QString exported = exportContactData(data);
        const QList<QStringView> records = splitBySeparator(exported, separators[1]);
        QCOMPARE(records.size(), 2);
        QCOMPARE(splitBySeparator(records[0], separators[0]).value(Name), name);
        return;
    }
    try {
        exportContactData(data);
        QFAIL("the export handed out an entry that does not read back");
    } catch (const Error &failure) {
        QCOMPARE(failure.code(), Error::Code::SeparatorClash);
        QCOMPARE(failure.message(), error);
    }
}

void TestExchange::exportLeavesPositionAtEndAndRecordsUnchanged()
{
    ContactData data;
    data.editAllowed = true;
    loadWorkedExample(data);
    const QStringList before = describeStore(data.store);
    data.store.moveFirst();
    QCOMPARE(exportContactData(data), workedExport);
    QVERIFY(data.store.atEnd());
    QCOMPARE(exportContactData(data), workedExport);
    QCOMPARE(describeStore(data.store), before);
}

void TestExchange::exportOfEmptiedStore()
{
    ContactData data;
    data.editAllowed = true;
    loadWorkedExample(data);
    for (data.store.moveFirst(); !data.store.atEnd(); data.store.moveNext())
        data.store.deleteCurrent();
    QCOMPARE(data.store.recordCount(), 0);
    QVERIFY(exportContactData(data).isEmpty());
}

// Every row starts from the worked example loaded with "|", "~" and "^"; the
// row's text is then loaded with ",", ";" and "#".
void TestExchange::loadFailureTable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<LoadOutcome>("outcome");
    QTest::addColumn<bool>("separatorsReplaced");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("types");
    QTest::addColumn<QString>("states");
    // Part of the problem of a load that stopped, or of the addresses out of
    // reach of one that did not (none expected when empty).
    QTest::addColumn<QString>("note");

    const QStringList previousRecords {
        u"501|77|3|Main Office|12 Harbour Rd||Springfield|1|14|627-01|555-12-34|555-12-35|||"_s,
        u"502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77|S"_s,
    };
    const QString oldTypes = u"3,Head office;5,Shipping"_s;
    const QString oldStates = u"14,1,IL,Illinois;63,2,ON,Ontario"_s;
    const QString types = u"7,Seven;8,Eight;"_s;
    const QString states = u"1,1,AL,Alabama;"_s;
    const QString newTypes = u"7,Seven;8,Eight"_s;
    const QString newStates = u"1,1,AL,Alabama"_s;
    const QString tail = u"#"_s + types + u"#"_s + states;

    QTest::newRow("empty text is blank") << QString() << LoadOutcome::Blank << false << previousRecords << oldTypes
                                         << oldStates << QString();
    QTest::newRow("spaces only are blank")
        << u"     "_s << LoadOutcome::Blank << false << previousRecords << oldTypes << oldStates << QString();
    QTest::newRow("a tab is not blank") << u" \t "_s << LoadOutcome::Failed << true << QStringList() << oldTypes
                                        << oldStates << u"The text splits into 1 table at"_s;
    QTest::newRow("line break is not blank")
        << u"\n"_s << LoadOutcome::Failed << true << QStringList() << oldTypes << oldStates << QString();
    QTest::newRow("two tables") << u"A,1,1;#"_s + types << LoadOutcome::Failed << true << QStringList() << oldTypes
                                << oldStates << u"splits into 2 tables at the table separator \"#\""_s;
    QTest::newRow("four tables") << u"A,1,1;"_s + tail + u"#"_s << LoadOutcome::Failed << true << QStringList()
                                 << oldTypes << oldStates << u"more than 3 tables"_s;
    QTest::newRow("many table separators")
        << u"##########"_s << LoadOutcome::Failed << true << QStringList() << oldTypes << oldStates << QString();
    QTest::newRow("one table") << u"A,1,1;"_s << LoadOutcome::Failed << true << QStringList() << oldTypes << oldStates
                               << u"1 table"_s;
    QTest::newRow("contacts without record separator")
        << u"A,1,1"_s + tail << LoadOutcome::Failed << true << QStringList() << oldTypes << oldStates
        << u"The contacts table has no record separator"_s;
    QTest::newRow("seventeen values") << u"A,1,1;B,2,2,n,s1,s2,c,1,14,p,ph,fx,e,p2,p3,N,x;C,3,3;"_s + tail
                                      << LoadOutcome::Failed << true
                                      << QStringList { u"A|1|1"_s, u"B|2|2|n|s1|s2|c|1|14|p|ph|fx|e|p2|p3|N"_s }
                                      << oldTypes << oldStates
                                      << u"Contact record 2 (AddressID \"B\"): The record has more than 16 values"_s;
    QTest::newRow("AddressID of sixteen characters")
        << u"A,1,1;0123456789abcdef,2,2;"_s + tail << LoadOutcome::Failed << true << QStringList { u"A|1|1"_s, u"#"_s }
        << oldTypes << oldStates
        << u"Contact record 2 (AddressID \"0123456789abcdef\"): The field AddressID holds at most 15"_s;
    QTest::newRow("ObjectID too long") << u"A,1,1;B,0123456789abcdef,2;"_s + tail << LoadOutcome::Failed << true
                                       << QStringList { u"A|1|1"_s, u"B"_s } << oldTypes << oldStates << QString();
    QTest::newRow("Name of 61 characters")
        << u"A,1,1,"_s + QString(61, u'n') + u";"_s + tail << LoadOutcome::Failed << true << QStringList { u"A|1|1"_s }
        << oldTypes << oldStates
        << u"Contact record 1 (AddressID \"A\"): The field Name holds at most 60 characters; the value has 61"_s;
    QTest::newRow("Type x") << u"A,1,x,Name;"_s + tail << LoadOutcome::Failed << true << QStringList { u"A|1"_s }
                            << oldTypes << oldStates
                            << u"Contact record 1 (AddressID \"A\"): Type must be a whole number"_s;
    QTest::newRow("Type empty") << u"A,1,,Name;"_s + tail << LoadOutcome::Failed << true << QStringList { u"A|1"_s }
                                << oldTypes << oldStates << QString();
    QTest::newRow("Type out of range") << u"A,1,32768;"_s + tail << LoadOutcome::Failed << true
                                       << QStringList { u"A|1"_s } << oldTypes << oldStates << QString();
    QTest::newRow("Type with a blank") << u"A,1, 3;"_s + tail << LoadOutcome::Failed << true << QStringList { u"A|1"_s }
                                       << oldTypes << oldStates << QString();
    QTest::newRow("IsUpdated of two characters")
        << u"A,1,1,n,s1,s2,c,1,14,p,ph,fx,e,p2,p3,SS;"_s + tail << LoadOutcome::Failed << true
        << QStringList { u"A|1|1|n|s1|s2|c|1|14|p|ph|fx|e|p2|p3"_s } << oldTypes << oldStates
        << u"The field IsUpdated holds at most 1"_s;
    QTest::newRow("types table empty") << u"A,1,1;##"_s + states << LoadOutcome::Failed << true
                                       << QStringList { u"A|1|1"_s } << oldTypes << oldStates
                                       << u"The contact type table has no record separator"_s;
    QTest::newRow("types table without record separator")
        << u"A,1,1;#7,Seven#"_s + states << LoadOutcome::Failed << true << QStringList { u"A|1|1"_s } << oldTypes
        << oldStates << QString();
    QTest::newRow("states table empty") << u"A,1,1;#"_s + types + u"#"_s << LoadOutcome::Failed << true
                                        << QStringList { u"A|1|1"_s } << newTypes << oldStates << QString();
    QTest::newRow("states table without record separator")
        << u"A,1,1;#"_s + types + u"#1,1,AL,Alabama"_s << LoadOutcome::Failed << true << QStringList { u"A|1|1"_s }
        << newTypes << oldStates << u"The state table has no record separator"_s;

    QTest::newRow("empty contacts table")
        << tail << LoadOutcome::Complete << true << QStringList() << newTypes << newStates << QString();
    QTest::newRow("last record without separator is dropped")
        << u"A,1,1;B,2,2"_s + tail << LoadOutcome::Complete << true << QStringList { u"A|1|1"_s } << newTypes
        << newStates << u"Contact record 1 (AddressID \"A\") has the type 1, which no row"_s;
    QTest::newRow("empty record piece gives a null record")
        << u"A,1,1;;B,2,2;"_s + tail << LoadOutcome::Complete << true << QStringList { u"A|1|1"_s, u"#"_s, u"B|2|2"_s }
        << newTypes << newStates << u"Contact record 2 (AddressID \"\") is empty"_s;
    QTest::newRow("thirteen values are taken")
        << u"A,1,7,n,s1,s2,c,1,1,p,ph,fx,e;"_s + tail << LoadOutcome::Complete << true
        << QStringList { u"A|1|7|n|s1|s2|c|1|1|p|ph|fx|e"_s } << newTypes << newStates
        << u"Contact record 1 (AddressID \"A\") holds 13 values; an address has 15"_s;
    QTest::newRow("empty values are empty text, not null")
        << u"A,,1,;"_s + tail << LoadOutcome::Complete << true << QStringList { u"A||1|"_s } << newTypes << newStates
        << u"has the type 1"_s;
    QTest::newRow("sizes at their limits")
        << u"0123456789abcde,,-32768,"_s + QString(60, u'n') + u";"_s + tail << LoadOutcome::Complete << true
        << QStringList { u"0123456789abcde||-32768|"_s + QString(60, u'n') } << newTypes << newStates
        << u"has the type -32768"_s;
    QTest::newRow("lookup rows of any shape") << u"#;7;8,Eight,extra;#1;"_s << LoadOutcome::Complete << true
                                              << QStringList() << u";7;8,Eight,extra"_s << u"1"_s << QString();
}

void TestExchange::loadFailureTable()
{
    QFETCH(QString, text);
    QFETCH(LoadOutcome, outcome);
    QFETCH(bool, separatorsReplaced);
    QFETCH(QStringList, records);
    QFETCH(QString, types);
    QFETCH(QString, states);
    QFETCH(QString, note);

    ContactData data;
    loadWorkedExample(data);
    QString problem;
    QCOMPARE(loadContactData(data, text, u","_s, u";"_s, u"#"_s, &problem), outcome);
    const QStringList outOfReach = addressesOutOfReach(data, 100);
    // A load that stopped always says why.
    const bool failed = outcome == LoadOutcome::Failed;
    const QString told = failed ? problem : outOfReach.join(u'\n');
    QVERIFY2(note.isEmpty() && !failed ? told.isEmpty() : !told.isEmpty() && told.contains(note), qPrintable(told));

    QCOMPARE(data.fieldSeparator, separatorsReplaced ? u","_s : u"|"_s);
    QCOMPARE(data.recordSeparator, separatorsReplaced ? u";"_s : u"~"_s);
    QCOMPARE(data.tableSeparator, separatorsReplaced ? u"#"_s : u"^"_s);
    QVERIFY(data.store.isOpen());
    QCOMPARE(describeStore(data.store), records);
    QCOMPARE(data.store.recordCount(), records.size());
    QCOMPARE(describeTable(data.types), types);
    QCOMPARE(describeTable(data.states), states);
}

void TestExchange::tableSizeLimits_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("records");
    QTest::addColumn<LoadOutcome>("outcome");
    QTest::addColumn<int>("storeCount");
    QTest::addColumn<int>("typeRows");
    QTest::addColumn<int>("stateRows");

    // Before each row the tables hold two rows each (the worked example).
    QTest::newRow("32767 contacts") << 0 << 32767 << LoadOutcome::Complete << 32767 << 1 << 1;
    QTest::newRow("32768 contacts") << 0 << 32768 << LoadOutcome::Failed << 0 << 2 << 2;
    QTest::newRow("32767 types") << 1 << 32767 << LoadOutcome::Complete << 1 << 32767 << 1;
    QTest::newRow("32768 types") << 1 << 32768 << LoadOutcome::Failed << 1 << 2 << 2;
    QTest::newRow("32767 states") << 2 << 32767 << LoadOutcome::Complete << 1 << 1 << 32767;
    QTest::newRow("32768 states") << 2 << 32768 << LoadOutcome::Failed << 1 << 1 << 2;
}

void TestExchange::tableSizeLimits()
{
    QFETCH(int, table);
    QFETCH(int, records);
    QFETCH(LoadOutcome, outcome);
    QFETCH(int, storeCount);
    QFETCH(int, typeRows);
    QFETCH(int, stateRows);

    QStringList tables { u"A|1|1~"_s, u"1|T~"_s, u"1|1|IL|Illinois~"_s };
    tables[table] = repeated(tables[table], records);

    ContactData data;
    loadWorkedExample(data);
    QCOMPARE(loadContactData(data, tables.join(u'^'), u"|"_s, u"~"_s, u"^"_s), outcome);
    QCOMPARE(data.store.recordCount(), storeCount);
    QCOMPARE(data.types->size(), typeRows);
    QCOMPARE(data.states->size(), stateRows);
}

void TestExchange::failedTableStaysAbsentOnFirstLoad()
{
    ContactData data;
    QCOMPARE(loadContactData(data, u"A|1|1~^^1|1|IL|Illinois~"_s, u"|"_s, u"~"_s, u"^"_s), LoadOutcome::Failed);
    QCOMPARE(data.store.recordCount(), 1);
    QVERIFY(!data.types);
    QVERIFY(!data.states);
    QVERIFY_THROWS_EXCEPTION(Error, data.typeTable());

    QCOMPARE(loadContactData(data, u"^1|T~^"_s, u"|"_s, u"~"_s, u"^"_s), LoadOutcome::Failed);
    QCOMPARE(describeTable(data.types), u"1,T"_s);
    QVERIFY(!data.states);
}

void TestExchange::multiCharacterSeparators()
{
    ContactData data;
    data.editAllowed = true;
    QString text = workedExample;
    text.replace(u'|', u"<f>"_s).replace(u'~', u"<r>"_s).replace(u'^', u"<t>"_s);
    QCOMPARE(loadContactData(data, text, u"<f>"_s, u"<r>"_s, u"<t>"_s), LoadOutcome::Complete);
    QCOMPARE(data.store.recordCount(), 2);
    QCOMPARE(describeTable(data.states), u"14,1,IL,Illinois;63,2,ON,Ontario"_s);
    QString expected = workedExport;
    expected.replace(u'|', u"<f>"_s).replace(u'~', u"<r>"_s);
    QCOMPARE(exportContactData(data), expected);
}

void TestExchange::loadReplacesEverythingAndKeepsCounter()
{
    ContactData data;
    data.editAllowed = true;
    data.vendorID = 77;
    loadWorkedExample(data);
    QCOMPARE(data.NewAddressID(), u"000-N"_s);
    QCOMPARE(data.NewAddressID(), u"001-N"_s);

    QCOMPARE(loadContactData(data, u"9|1|1~^1|T~^1|1|IL|Illinois~"_s, u"|"_s, u"~"_s, u"^"_s), LoadOutcome::Complete);
    QCOMPARE(describeStore(data.store), QStringList { u"9|1|1"_s });
    QCOMPARE(data.NewAddressID(), u"002-N"_s);
    QVERIFY(data.editAllowed);
    QCOMPARE(data.vendorID, 77);
}

void TestExchange::loadedFlagIsExported()
{
    ContactData data;
    data.editAllowed = true;
    QCOMPARE(loadContactData(data, u"1|2|3|||||||||||||Z~^1|T~^1|1|IL|Illinois~"_s, u"|"_s, u"~"_s, u"^"_s),
        LoadOutcome::Complete);
    QCOMPARE(exportContactData(data), u"1|2|3||||||||||||~"_s);

    // A record of nulls only (two record separators in a row) has no flag.
    QCOMPARE(loadContactData(data, u"~~^1|T~^1|1|IL|Illinois~"_s, u"|"_s, u"~"_s, u"^"_s), LoadOutcome::Complete);
    QCOMPARE(data.store.recordCount(), 2);
    QVERIFY(exportContactData(data).isEmpty());
}

void TestExchange::loadedRecordsOutliveTheHostsText()
{
    // Text the host only lent (fromRawData) and a string of its own that it
    // overwrites after the load: the records keep what was loaded, and a
    // record changed afterwards keeps its other values.
    ContactData reference;
    loadWorkedExample(reference);
    const QStringList expected = describeStore(reference.store);

    std::u16string lentBuffer = workedExample.toStdU16String();
    QString owned = workedExample;
    owned.detach();
    ContactData lent;
    ContactData own;
    QCOMPARE(loadContactData(lent,
                 QString::fromRawData(reinterpret_cast<const QChar *>(lentBuffer.data()), qsizetype(lentBuffer.size())),
                 u"|"_s, u"~"_s, u"^"_s),
        LoadOutcome::Complete);
    QCOMPARE(loadContactData(own, owned, u"|"_s, u"~"_s, u"^"_s), LoadOutcome::Complete);
    std::fill(lentBuffer.begin(), lentBuffer.end(), u'x');
    owned.fill(u'x');
    QCOMPARE(describeStore(lent.store), expected);
    QCOMPARE(describeStore(own.store), expected);

    own.store.moveFirst();
    own.store.write(u"Street2"_s, u"Rear"_s);
    QCOMPARE(describeRecord(own.store.current()),
        u"501|77|3|Main Office|12 Harbour Rd|Rear|Springfield|1|14|627-01|555-12-34|555-12-35|||"_s);
}

namespace {

ContactAddress helperAddress(const QString &id, const QString &name)
{
    ContactAddress a;
    a.addressId = id;
    a.vendorId = u"77"_s;
    a.typeId = 3;
    a.name = name;
    a.street1 = u"12 Harbour Rd"_s;
    a.city = u"Springfield"_s;
    a.country = 1;
    a.stateId = 14;
    a.cell = u"555-12-34"_s;
    return a;
}

const QList<ContactType> helperTypes { { 3, u"Head office"_s }, { 5, u"Shipping"_s } };
const QList<ContactState> helperStates { { 14, 1, u"IL"_s, u"Illinois"_s }, { 63, 2, u"ON"_s, u"Ontario"_s } };

} // namespace

void TestExchange::helperRoundTrip_data()
{
    QTest::addColumn<QStringList>("separators");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringList { u"|"_s, u"~"_s, u"^"_s } << u"Main Office"_s;
    QTest::newRow("parts of separators in values") << QStringList { u"<f>"_s, u"<r>"_s, u"<t>"_s } << u"a<f b> <r"_s;
    QTest::newRow("one separator inside another") << QStringList { u"|"_s, u"||~"_s, u"^"_s } << u"O'Hare"_s;
}

void TestExchange::helperRoundTrip()
{
    // Through the control's own load and export, back into the same records.
    QFETCH(QStringList, separators);
    QFETCH(QString, name);
    const ExchangeSeparators chosen { separators[0], separators[1], separators[2] };
    ContactAddress changed = helperAddress(u"502"_s, name);
    changed.changeFlag = u"S"_s;
    changed.stateId.reset();
    const QString text =
        buildLoadText({ helperAddress(u"501"_s, u"Other"_s), changed }, helperTypes, helperStates, chosen);

    ContactData data;
    data.editAllowed = true;
    QCOMPARE(loadContactData(data, text, chosen.field, chosen.record, chosen.table), LoadOutcome::Complete);
    QCOMPARE(data.store.recordCount(), 2);
    QCOMPARE(describeTable(data.states), u"14,1,IL,Illinois;63,2,ON,Ontario"_s);
    const QList<ContactAddress> back = parseExport(exportContactData(data), chosen);
    changed.changeFlag.clear(); // the export never carries it
    QCOMPARE(back, QList<ContactAddress> { changed });
    QVERIFY(!back.constFirst().isAddedInPanel());
    QVERIFY(helperAddress(u"000-N"_s, name).isAddedInPanel());
}

void TestExchange::helperRefusals_data()
{
    // Building from `name` (or parsing `exportText` when given) must fail
    // with a message naming the culprit.
    QTest::addColumn<QStringList>("separators");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("exportText");
    QTest::addColumn<QString>("message");
    const QStringList usual { u"|"_s, u"~"_s, u"^"_s };
    QTest::newRow("field separator in a value")
        << usual << u"A|B"_s << QString() << u"Contact address 2 (AddressID \"502\"), field Name"_s;
    QTest::newRow("table separator in a value")
        << usual << u"A^B"_s << QString() << u"Contact address 2 (AddressID \"502\"), field Name"_s;
    // "Cab" holds no "aba", but written before "aba" it is cut after "C".
    QTest::newRow("value runs into the separator")
        << QStringList { u"aba"_s, u"~"_s, u"^"_s } << u"Cab"_s << QString() << u"field Name: the value \"Cab\""_s;
    QTest::newRow("record separator made of field separators") << QStringList { u"|"_s, u"||"_s,
        u"^"_s } << u"X"_s << QString() << u"Contact address 1 (AddressID \"501\"), field Street2"_s;
    QTest::newRow("value too long") << usual << QString(61, u'n') << QString() << u"than the 60 characters"_s;
    QTest::newRow("export entry short of a value")
        << usual << QString() << u"1|77|3|N|S||C|1|14|||||~"_s << u"Entry 1 of the export holds 14 values"_s;
    QTest::newRow("export without its last record separator")
        << usual << QString() << u"1|77|3|N|S||C|1|14||||||~2|77"_s << u"Entry 2 of the export does not end"_s;
    QTest::newRow("export type not a number")
        << usual << QString() << u"1|77|x|N|S||C|1|14||||||~"_s << u"(AddressID \"1\"), field Type"_s;
    // No database keeps these as written: a NUL cuts the statement, a lone
    // surrogate becomes U+FFFD.
    QTest::newRow("NUL in a value") << usual << u"A\0B"_s << QString()
                                    << u"Contact address 2 (AddressID \"502\"), field Name holds U+0000 (NUL)"_s;
    QTest::newRow("export with a NUL") << usual << QString() << u"1|77|3|N|S||C\0|1|14||||||~"_s
                                       << u"Entry 1 of the export (AddressID \"1\"), field City holds U+0000"_s;
    QTest::newRow("export with a lone surrogate")
        << usual << QString() << u"1|77|3|N|S||C|1|14|||||\xd83d|~"_s
        << u"(AddressID \"1\"), field Phone2 holds U+D83D, half of a surrogate pair, at character 1"_s;
    // Addresses the control would take but never show or never let the user
    // save; `name` carries the change to address 502 as "field=value".
    QTest::newRow("type no type has") << usual << u"type=9"_s << QString()
                                      << u"Contact address 2 (AddressID \"502\"), field Type: no contact type"_s;
    QTest::newRow("country out of range")
        << usual << u"country=7"_s << QString() << u"Contact address 2 (AddressID \"502\"), field Country: 7 is none"_s;
    QTest::newRow("Others without states")
        << usual << u"country=0"_s << QString() << u"field Country: no state of the load has the country 0"_s;
    QTest::newRow("state of another country")
        << usual << u"state=63"_s << QString() << u"field State: no state of country 1 has the id 63"_s;
    QTest::newRow("change flag of two characters")
        << usual << u"flag=SS"_s << QString() << u"(AddressID \"502\"), field IsUpdated"_s;
}

void TestExchange::helperRefusals()
{
    QFETCH(QStringList, separators);
    QFETCH(QString, name);
    QFETCH(QString, exportText);
    QFETCH(QString, message);
    const ExchangeSeparators chosen { separators[0], separators[1], separators[2] };
    ContactAddress second = helperAddress(u"502"_s, name);
    const QString change = name.section(u'=', 1);
    if (name.startsWith(u"type="))
        second.typeId = qint16(change.toShort());
    else if (name.startsWith(u"country="))
        second.country = qint16(change.toShort());
    else if (name.startsWith(u"state="))
        second.stateId = qint16(change.toShort());
    else if (name.startsWith(u"flag="))
        second.changeFlag = change;
    try {
        if (exportText.isEmpty())
            buildLoadText({ helperAddress(u"501"_s, u"Fine"_s), second }, helperTypes, helperStates, chosen);
        else
            parseExport(exportText, chosen);
        QFAIL("accepted");
    } catch (const Error &error) {
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
    }
}

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
