// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "lookups.h"

#include <ZebVendorContact/error.h>

#include <QtTest/QTest>

using namespace ZebVendorContact;
using namespace Qt::Literals::StringLiterals;

namespace {

const LookupTable types {
    { u"3"_s, u"Head office"_s },
    { u"5"_s, u"Shipping"_s },
    { u"9"_s, u"Head office"_s },
    { u"12"_s },
    {},
    { u"-4"_s, u"Negative"_s },
    { u"x"_s, u"Broken id"_s },
    { u"007"_s, u"Padded"_s },
    { u"70000"_s, u"Too big"_s },
    { u"4"_s, u""_s },
    { u"8"_s, u"Missing name"_s, u"extra"_s },
};

const LookupTable states {
    { u"14"_s, u"1"_s, u"IL"_s, u"Illinois"_s },
    { u"x"_s, u"1"_s, u"XX"_s, u"Not a number"_s },
    { u"07"_s, u"1"_s, u"AL"_s, u"Alabama"_s },
    { u"7"_s, u"1"_s, u"XY"_s, u"Second seven"_s },
    { u"63"_s, u"2"_s },
    { u"-2"_s, u"2"_s, u"NG"_s, u"Negative"_s },
    { u" 5"_s, u"2"_s, u"BL"_s, u"Blank"_s },
    { u"+6"_s, u"2"_s, u"PL"_s, u"Plus"_s },
    { u"6"_s, u"2"_s, u"SX"_s, u"Six"_s },
    {},
};

} // namespace

class TestLookups : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findIDByText_data();
    void findIDByText();
    void findIDByTextWithBadResult_data();
    void findIDByTextWithBadResult();
    void findTextByID_data();
    void findTextByID();
};

void TestLookups::findIDByText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("searchColumn");
    QTest::addColumn<int>("resultColumn");
    QTest::addColumn<int>("id");

    QTest::newRow("first of two equal names") << u"Head office"_s << 1 << 0 << 3;
    QTest::newRow("second row") << u"Shipping"_s << 1 << 0 << 5;
    QTest::newRow("letter case differs") << u"shipping"_s << 1 << 0 << 0;
    QTest::newRow("trailing blank differs") << u"Shipping "_s << 1 << 0 << 0;
    QTest::newRow("not found") << u"Nowhere"_s << 1 << 0 << 0;
    QTest::newRow("negative id") << u"Negative"_s << 1 << 0 << -4;
    QTest::newRow("padded id") << u"Padded"_s << 1 << 0 << 7;
    QTest::newRow("empty name matches empty field") << QString() << 1 << 0 << 4;
    QTest::newRow("search by id column") << u"12"_s << 0 << 0 << 12;
    QTest::newRow("value in a longer row") << u"extra"_s << 2 << 0 << 8;
    QTest::newRow("column beyond every row") << u"extra"_s << 3 << 0 << 0;
    QTest::newRow("negative search column") << u"3"_s << -1 << 0 << 0;
}

void TestLookups::findIDByText()
{
    QFETCH(QString, text);
    QFETCH(int, searchColumn);
    QFETCH(int, resultColumn);
    QFETCH(int, id);
    QCOMPARE(int(FindIDByText(types, text, qint16(searchColumn), qint16(resultColumn))), id);
}

void TestLookups::findIDByTextWithBadResult_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("resultColumn");

    QTest::newRow("id not a number") << u"Broken id"_s << 0;
    QTest::newRow("id out of range") << u"Too big"_s << 0;
    QTest::newRow("result column missing") << u"Shipping"_s << 2;
    QTest::newRow("result column is text") << u"Shipping"_s << 1;
}

void TestLookups::findIDByTextWithBadResult()
{
    QFETCH(QString, text);
    QFETCH(int, resultColumn);
    try {
        FindIDByText(types, text, 1, qint16(resultColumn));
        QFAIL("no error");
    } catch (const Error &error) {
        QCOMPARE(error.code(), Error::Code::NotAWholeNumber);
    }
}

void TestLookups::findTextByID_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("searchColumn");
    QTest::addColumn<int>("resultColumn");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain id") << 14 << 0 << 3 << u"Illinois"_s;
    QTest::newRow("07 matches 7, first row wins") << 7 << 0 << 3 << u"Alabama"_s;
    QTest::newRow("another column") << 7 << 0 << 2 << u"AL"_s;
    QTest::newRow("unknown id") << 99 << 0 << 3 << QString();
    QTest::newRow("negative id") << -2 << 0 << 3 << u"Negative"_s;
    QTest::newRow("winner lacks the result column") << 63 << 0 << 3 << QString();
    QTest::newRow("blank and plus are no numbers") << 5 << 0 << 3 << QString();
    QTest::newRow("plus sign passed over") << 6 << 0 << 3 << u"Six"_s;
    QTest::newRow("search in another column") << 1 << 1 << 3 << u"Illinois"_s;
    QTest::newRow("first match wins without result column") << 2 << 1 << 3 << QString();
    QTest::newRow("column beyond every row") << 1 << 9 << 3 << QString();
    QTest::newRow("zero matches nothing") << 0 << 0 << 3 << QString();
}

void TestLookups::findTextByID()
{
    QFETCH(int, id);
    QFETCH(int, searchColumn);
    QFETCH(int, resultColumn);
    QFETCH(QString, text);
    QCOMPARE(FindTextByID(states, qint16(id), qint16(searchColumn), qint16(resultColumn)), text);
    QCOMPARE(FindTextByID(LookupTable(), qint16(id), qint16(searchColumn), qint16(resultColumn)), QString());
    // The index the list rebuild uses answers the same.
    QCOMPARE(TextByIdIndex(states, qint16(searchColumn), qint16(resultColumn)).find(qint16(id)).toString(), text);
    QVERIFY(TextByIdIndex(LookupTable(), qint16(searchColumn), qint16(resultColumn)).find(qint16(id)).isEmpty());
}

QTEST_GUILESS_MAIN(TestLookups)
#include "tst_lookups.moc"
