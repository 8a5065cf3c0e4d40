// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The address list and the pickers: rebuilds, row clicks, the Delete id
// rule, header clicks and sorting, the nested order of change handling, and
// what a failed load leaves in the list.

#include "tst_panel_support.h"

#include <QtTest/QSignalSpy>

#include <numeric>

using namespace TestSupport;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString Types = QStringLiteral("3|Head office~5|Shipping~13|Billing~15|Remit to~");
const QString States = QStringLiteral("14|1|IL|Illinois~63|2|ON|Ontario~20|1|NY|New York~"
                                      "70|01|XX|Nowhere~80|0|OT|Other state~");

QString load(const QStringList &records, const QString &types = Types, const QString &states = States)
{
    QString contacts;
    for (const QString &record : records)
        contacts += record + u'~';
    return contacts + u'^' + types + u'^' + states;
}

QString address(const QString &id, int type, const QString &name, const QString &country = QStringLiteral("1"),
    const QString &state = QStringLiteral("14"))
{
    return QStringLiteral("%1|77|%2|%3|1 Street|2 Street|City|%4|%5|PC|P1|F|E|P2|P3")
        .arg(id, QString::number(type), name, country, state);
}

} // namespace

class TestPanelList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void loadFillsPickersAndList();
    void rowTextsOfTheWorkedExample_data();
    void rowTextsOfTheWorkedExample();
    void choosingATypeRebuildsTheList();
    void rowClickShowsTheAddress();
    void rowClickWithUnknownCountryOrState_data();
    void rowClickWithUnknownCountryOrState();
    void keyboardSelectionShowsTheAddress();
    void rowChosenWithoutAClickIsShown_data();
    void rowChosenWithoutAClickIsShown();
    void deleteFollowsTheIdRule_data();
    void deleteFollowsTheIdRule();
    void rowClickWithoutEditPermission();
    void selectionTakenAway_data();
    void selectionTakenAway();
    void rebuildButtons_data();
    void rebuildButtons();
    void rebuildWithoutEditPermissionKeepsButtons();
    void rebuildEmptiesEveryDetailField();
    void emptyStoreRebuildFollowsTheSelection();
    void unknownTypeNameListsTypeZero();
    void unreadableStateGivesEmptyColumn_data();
    void unreadableStateGivesEmptyColumn();
    void headerClicks_data();
    void headerClicks();
    void sortingKeepsRowsInOrder();
    void newRowsAreSortedStably_data();
    void newRowsAreSortedStably();
    void changedRowGoesToItsPlace_data();
    void changedRowGoesToItsPlace();
    void clickingTheSortHeaderAgainReversesStably();
    void listCollationIsTheLocales_data();
    void listCollationIsTheLocales();
    void largeSortIsTheCollators_data();
    void largeSortIsTheCollators();
    void updateMovesTheAddressToItsPlace();
    void typeChangeRunsNestedBeforeTheNextStep();
    void rowClickRefillsStatesBeforeChoosingOne();
    void countryChoice_data();
    void countryChoice();
    void secondLoadReplacesEveryEntry();
    void typeRowsWithoutNameArePassedOver();
    void failedLoadLeavesNoStaleRows_data();
    void failedLoadLeavesNoStaleRows();
    void blankLoadChangesNothing();
    void fullSizeList();
    void longNamesAreShownFromABoundedPrefix();
    void hostReloadFromListSignals_data();
    void hostReloadFromListSignals();
};

void TestPanelList::loadFillsPickersAndList()
{
    Panel panel;
    loadText(*panel.control, workedExample());
    VendorContactPrivate *d = panel.d;

    QCOMPARE(panel.pickerEntries(d->cboContactType), (texts({ "Head office", "Shipping" })));
    QCOMPARE(d->cboContactType->currentText(), QStringLiteral("Head office"));
    QCOMPARE(panel.pickerEntries(d->cboContactCountry), (texts({ "Others", "USA", "Canada" })));
    QCOMPARE(d->cboContactCountry->currentIndex(), -1);
    QCOMPARE(d->cboContactState->count(), 0);
    QCOMPARE(d->cboContactState->currentIndex(), -1);

    QCOMPARE(panel.rows(), 1);
    QCOMPARE(panel.cell(0, 0), QStringLiteral("501"));
    // A freshly built list selects no row.
    QCOMPARE(d->selectedRow(), -1);
    QVERIFY(panel.detailTexts().join(QString()).isEmpty());
}

void TestPanelList::rowTextsOfTheWorkedExample_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    const char *texts[] = { "501", "77", "Main Office", "Head office", "12 Harbour Rd", "", "Springfield", "1",
        "Illinois", "627-01", "555-12-34", "555-12-35", "", "", "" };
    for (int column = 0; column < 15; ++column)
        QTest::addRow("column %d", column) << column << QString::fromUtf8(texts[column]);
}

void TestPanelList::rowTextsOfTheWorkedExample()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    Panel panel;
    loadText(*panel.control, workedExample());
    QCOMPARE(panel.cell(0, column), text);
    QCOMPARE(panel.model()->data(panel.model()->index(0, column)).toString(), text);
}

void TestPanelList::choosingATypeRebuildsTheList()
{
    Panel panel;
    loadText(*panel.control, workedExample());
    panel.d->cboContactType->setFocus();
    QTest::keyClick(panel.d->cboContactType, Qt::Key_Down); // the user picks "Shipping"
    QCOMPARE(panel.d->cboContactType->currentText(), QStringLiteral("Shipping"));
    QCOMPARE(panel.rows(), 1);
    QCOMPARE(panel.cell(0, 0), QStringLiteral("502"));
    QCOMPARE(panel.cell(0, 3), QStringLiteral("Shipping"));
    QCOMPARE(panel.cell(0, 8), QStringLiteral("Ontario"));
}

void TestPanelList::rowClickShowsTheAddress()
{
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, workedExample());
    panel.clickRow(0);

    QCOMPARE(panel.detailTexts(),
        (texts({ "Main Office", "12 Harbour Rd", "", "Springfield", "USA", "Illinois", "627-01", "555-12-34",
            "555-12-35", "", "", "" })));
    QCOMPARE(panel.d->cboContactCountry->currentText(), QStringLiteral("USA"));
    QCOMPARE(panel.pickerEntries(panel.d->cboContactState), texts({ "Illinois" }));
    QCOMPARE(panel.d->cboContactState->currentText(), QStringLiteral("Illinois"));
    QVERIFY(panel.d->cmdEdit->isEnabled());
    QVERIFY(!panel.d->cmdDelete->isEnabled()); // 501 is a plain number
    QCOMPARE(panel.d->cboContactType->currentText(), QStringLiteral("Head office"));
}

void TestPanelList::rowClickWithUnknownCountryOrState_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("expectedCountry");
    QTest::addColumn<QString>("expectedState");
    QTest::addColumn<QString>("stateColumn");
    // The load report's warning, the host's only sign of it.
    QTest::addColumn<QString>("warning");

    QTest::newRow("state id without a row") << "1"
                                            << "99" << 1 << ""
                                            << ""
                                            << "has the state \"99\", which the state table does not give country 1";
    QTest::newRow("state of another country") << "2"
                                              << "14" << 2 << ""
                                              << "Illinois"
                                              << "has the state \"14\"";
    QTest::newRow("country 3") << "3"
                               << "14" << -1 << ""
                               << "Illinois"
                               << "has the country \"3\"";
    QTest::newRow("country -1") << "-1"
                                << "14" << -1 << ""
                                << "Illinois"
                                << "has the country \"-1\"";
    QTest::newRow("country text") << "US"
                                  << "14" << -1 << ""
                                  << "Illinois"
                                  << "has the country \"US\"";
    QTest::newRow("country 0") << "0"
                               << "80" << 0 << "Other state"
                               << "Other state"
                               << "";
}

void TestPanelList::rowClickWithUnknownCountryOrState()
{
    QFETCH(QString, country);
    QFETCH(QString, state);
    QFETCH(int, expectedCountry);
    QFETCH(QString, expectedState);
    QFETCH(QString, stateColumn);
    QFETCH(QString, warning);

    Panel panel;
    loadText(*panel.control, load({ address(QStringLiteral("1"), 3, QStringLiteral("A"), country, state) }));
    const QStringList warnings = panel.control->lastLoadReport().warnings;
    QCOMPARE(warnings.size(), warning.isEmpty() ? 0 : 1);
    QVERIFY(warning.isEmpty() || warnings.constFirst().contains(warning));
    QCOMPARE(panel.cell(0, 8), stateColumn);
    panel.clickRow(0);

    QCOMPARE(panel.d->cboContactCountry->currentIndex(), expectedCountry);
    QCOMPARE(panel.d->cboContactState->currentText(), expectedState);
    if (expectedCountry < 0)
        QCOMPARE(panel.d->cboContactState->count(), 0);
    QCOMPARE(panel.txt(4)->text(), panel.d->cboContactCountry->currentText());
    QCOMPARE(panel.txt(5)->text(), stateColumn);
}

void TestPanelList::keyboardSelectionShowsTheAddress()
{
    Panel panel;
    loadText(*panel.control,
        load({ address(QStringLiteral("1"), 3, QStringLiteral("Alpha")),
            address(QStringLiteral("2"), 3, QStringLiteral("Bravo")) }));
    panel.clickRow(0);
    QCOMPARE(panel.txt(0)->text(), QStringLiteral("Alpha"));
    QTest::keyClick(panel.d->lstContacts, Qt::Key_Down);
    QCOMPARE(panel.d->selectedRow(), 1);
    QCOMPARE(panel.txt(0)->text(), QStringLiteral("Bravo"));
}

void TestPanelList::rowChosenWithoutAClickIsShown_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("releaseRow");

    QTest::newRow("press released on another row") << Qt::LeftButton << 2;
    QTest::newRow("right button") << Qt::RightButton << 1;
}

void TestPanelList::rowChosenWithoutAClickIsShown()
{
    // Both select a row without any click: the panel must still show (and
    // offer Delete for) the selected row, never the one clicked before.
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, releaseRow);
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control,
        load({ address(QStringLiteral("000-N"), 3, QStringLiteral("Alpha")),
            address(QStringLiteral("1234"), 3, QStringLiteral("Bravo")),
            address(QStringLiteral("1235"), 3, QStringLiteral("Charlie")) }));
    panel.clickRow(0);
    QVERIFY(panel.d->cmdDelete->isEnabled());

    QTreeView *view = panel.d->lstContacts;
    const QPoint from = view->visualRect(panel.model()->index(1, 2)).center();
    const QPoint to = view->visualRect(panel.model()->index(releaseRow, 2)).center();
    QTest::mousePress(view->viewport(), button, {}, from);
    QTest::mouseMove(view->viewport(), to);
    QTest::mouseRelease(view->viewport(), button, {}, to);

    const int selected = panel.d->selectedRow();
    QVERIFY(selected > 0);
    QCOMPARE(panel.txt(0)->text(), panel.cell(selected, 2));
    QVERIFY(!panel.d->cmdDelete->isEnabled());
}

void TestPanelList::deleteFollowsTheIdRule_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("deletable");

    QTest::newRow("1234") << "1234" << false;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("-7") << "-7" << false;
    QTest::newRow("000-N") << "000-N" << true;
    QTest::newRow("0012") << "0012" << true;
    QTest::newRow("blank between digits") << "12 34" << true;
    QTest::newRow("+5") << "+5" << true;
    QTest::newRow("-0") << "-0" << true;
    QTest::newRow("no number") << "ABC" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("12.5") << "12.5" << false;
    QTest::newRow("12.50") << "12.50" << true;
    QTest::newRow("1e3") << "1e3" << true;
    QTest::newRow("fifteen digits") << "999999999999999" << false;
}

void TestPanelList::deleteFollowsTheIdRule()
{
    QFETCH(QString, id);
    QFETCH(bool, deletable);
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, load({ address(id, 3, QStringLiteral("A")) }));
    panel.clickRow(0);
    QVERIFY(panel.d->cmdEdit->isEnabled());
    QCOMPARE(panel.d->cmdDelete->isEnabled(), deletable);
}

void TestPanelList::rowClickWithoutEditPermission()
{
    Panel panel;
    loadText(*panel.control, load({ address(QStringLiteral("000-N"), 3, QStringLiteral("A")) }));
    panel.d->cmdEdit->setEnabled(true);
    panel.d->cmdDelete->setEnabled(true);
    panel.clickRow(0);
    QVERIFY(!panel.d->cmdEdit->isEnabled());
    QVERIFY(!panel.d->cmdDelete->isEnabled());
    QCOMPARE(panel.txt(0)->text(), QStringLiteral("A"));
}

void TestPanelList::selectionTakenAway_data()
{
    QTest::addColumn<bool>("controlClick");
    QTest::newRow("click below the last row") << false;
    QTest::newRow("Ctrl+click on the selected row") << true;
}

void TestPanelList::selectionTakenAway()
{
    // Without a selected row the details are empty and Edit and Delete are
    // off, as after a rebuild: no session can begin on nothing.
    QFETCH(bool, controlClick);
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control,
        load({ address(QStringLiteral("000-N"), 3, QStringLiteral("A")),
            address(QStringLiteral("1"), 3, QStringLiteral("B")) }));
    panel.clickRow(panel.rowOf(QStringLiteral("000-N")));
    QVERIFY(panel.d->cmdDelete->isEnabled());

    QTreeView *view = panel.d->lstContacts;
    const QRect selected = view->visualRect(panel.model()->index(panel.rowOf(QStringLiteral("000-N")), 2));
    const QRect last = view->visualRect(panel.model()->index(panel.rows() - 1, 2));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, controlClick ? Qt::ControlModifier : Qt::NoModifier,
        controlClick ? selected.center() : QPoint(last.center().x(), last.bottom() + 3 * last.height()));

    QCOMPARE(panel.d->selectedRow(), -1);
    QCOMPARE(panel.detailTexts(), QStringList(12, QString()));
    QVERIFY(!panel.d->cmdEdit->isEnabled());
    QVERIFY(!panel.d->cmdDelete->isEnabled());
    QVERIFY(panel.d->cmdAdd->isEnabled());
}

void TestPanelList::rebuildButtons_data()
{
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<int>("addresses");
    QTest::addColumn<bool>("addEnabled");

    for (const char *type : { "Billing", "Remit to" }) {
        QTest::addRow("%s, no address", type) << QString::fromLatin1(type) << 0 << true;
        QTest::addRow("%s, one address", type) << QString::fromLatin1(type) << 1 << false;
        QTest::addRow("%s, two addresses", type) << QString::fromLatin1(type) << 2 << false;
    }
    QTest::newRow("Shipping, no address") << "Shipping" << 0 << true;
    QTest::newRow("Shipping, two addresses") << "Shipping" << 2 << true;
}

void TestPanelList::rebuildButtons()
{
    QFETCH(QString, typeName);
    QFETCH(int, addresses);
    QFETCH(bool, addEnabled);

    const int typeId = typeName == u"Billing" ? 13 : typeName == u"Remit to" ? 15 : 5;
    QStringList records { address(QStringLiteral("900"), 3, QStringLiteral("Other type")) };
    for (int i = 0; i < addresses; ++i)
        records << address(QString::number(i + 1), typeId, QStringLiteral("N%1").arg(i));

    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, load(records));
    panel.clickRow(0);
    QVERIFY(panel.d->cmdEdit->isEnabled());

    panel.d->cboContactType->setCurrentText(typeName);
    QCOMPARE(panel.rows(), addresses);
    QCOMPARE(panel.d->cmdAdd->isEnabled(), addEnabled);
    QVERIFY(!panel.d->cmdEdit->isEnabled());
    QVERIFY(!panel.d->cmdDelete->isEnabled());
}

void TestPanelList::rebuildWithoutEditPermissionKeepsButtons()
{
    Panel panel;
    loadText(*panel.control,
        load({ address(QStringLiteral("1"), 3, QStringLiteral("A")),
            address(QStringLiteral("2"), 13, QStringLiteral("B")) }));
    panel.clickRow(0);
    panel.d->cboContactType->setCurrentText(QStringLiteral("Billing"));
    QCOMPARE(panel.rows(), 1);
    QVERIFY(!panel.d->cmdAdd->isEnabled());
    QVERIFY(!panel.d->cmdEdit->isEnabled());
    QVERIFY(!panel.d->cmdDelete->isEnabled());
}

void TestPanelList::rebuildEmptiesEveryDetailField()
{
    Panel panel;
    loadText(*panel.control,
        load({ address(QStringLiteral("1"), 3, QStringLiteral("A")),
            address(QStringLiteral("2"), 5, QStringLiteral("B")) }));
    panel.clickRow(0);
    QCOMPARE(panel.txt(10)->text(), QStringLiteral("P2"));
    QCOMPARE(panel.txt(11)->text(), QStringLiteral("P3"));
    panel.d->cboContactType->setCurrentText(QStringLiteral("Shipping"));
    QCOMPARE(panel.detailTexts(), QStringList(12, QString()));
}

void TestPanelList::emptyStoreRebuildFollowsTheSelection()
{
    // The row shown is gone with the reload: the details empty, and Edit and
    // Delete go off, as after any rebuild; Add follows the type's rule.
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, load({ address(QStringLiteral("000-N"), 13, QStringLiteral("A")) }));
    panel.d->cboContactType->setCurrentText(QStringLiteral("Billing"));
    panel.clickRow(0);
    QVERIFY(panel.d->cmdEdit->isEnabled());
    QVERIFY(!panel.d->cmdAdd->isEnabled());
    loadText(*panel.control, QStringLiteral("^") + Types + u'^' + States);
    QCOMPARE(panel.rows(), 0);
    QCOMPARE(panel.detailTexts(), QStringList(12, QString()));
    QVERIFY(panel.d->cmdAdd->isEnabled());
    QVERIFY(!panel.d->cmdEdit->isEnabled());
    QVERIFY(!panel.d->cmdDelete->isEnabled());
}

void TestPanelList::unknownTypeNameListsTypeZero()
{
    Panel panel;
    loadText(*panel.control,
        load({ address(QStringLiteral("1"), 0, QStringLiteral("Zero")),
            address(QStringLiteral("2"), 3, QStringLiteral("Three")) }));
    panel.d->ShowContactsOfType(QStringLiteral("head office")); // letter case differs: not found
    QCOMPARE(panel.rows(), 1);
    QCOMPARE(panel.cell(0, 0), QStringLiteral("1"));
    QCOMPARE(panel.cell(0, 3), QStringLiteral("head office"));
}

void TestPanelList::unreadableStateGivesEmptyColumn_data()
{
    QTest::addColumn<QString>("record");
    QTest::newRow("state x") << address(
        QStringLiteral("2"), 3, QStringLiteral("B"), QStringLiteral("1"), QStringLiteral("x"));
    QTest::newRow("state beyond 16 bits")
        << address(QStringLiteral("2"), 3, QStringLiteral("B"), QStringLiteral("1"), QStringLiteral("70000"));
    QTest::newRow("fields missing (null)") << QStringLiteral("2|77|3|B");
}

void TestPanelList::unreadableStateGivesEmptyColumn()
{
    QFETCH(QString, record);
    Panel panel;
    // The faulty record sits between two good ones: the rebuild goes on.
    loadText(*panel.control,
        load({ address(QStringLiteral("1"), 3, QStringLiteral("A")), record,
            address(QStringLiteral("3"), 3, QStringLiteral("C")) }));
    QCOMPARE(panel.rows(), 3);
    const int faulty = panel.rowOf(QStringLiteral("2"));
    QVERIFY(faulty >= 0);
    QCOMPARE(panel.cell(faulty, 8), QString());
    QCOMPARE(panel.cell(panel.rowOf(QStringLiteral("3")), 8), QStringLiteral("Illinois"));
}

void TestPanelList::headerClicks_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<Qt::SortOrder>("sortOrder");
    QTest::addColumn<QStringList>("names");

    // Contact names A-C, phones in the reverse order.
    QTest::newRow("start") << QList<int> {} << 2 << Qt::AscendingOrder << texts({ "Alpha", "bravo", "Charlie" });
    QTest::newRow("name again flips") << QList<int> { 2 } << 2 << Qt::DescendingOrder
                                      << texts({ "Charlie", "bravo", "Alpha" });
    QTest::newRow("name thrice flips back")
        << QList<int> { 2, 2 } << 2 << Qt::AscendingOrder << texts({ "Alpha", "bravo", "Charlie" });
    QTest::newRow("phone keeps ascending")
        << QList<int> { 10 } << 10 << Qt::AscendingOrder << texts({ "Charlie", "bravo", "Alpha" });
    QTest::newRow("descending carries to phone")
        << QList<int> { 2, 10 } << 10 << Qt::DescendingOrder << texts({ "Alpha", "bravo", "Charlie" });
    QTest::newRow("phone then phone") << QList<int> { 10, 10 } << 10 << Qt::DescendingOrder
                                      << texts({ "Alpha", "bravo", "Charlie" });
    // Equal texts keep the order they had: by name here.
    QTest::newRow("type keeps the previous order for equal texts")
        << QList<int> { 3 } << 3 << Qt::AscendingOrder << texts({ "Alpha", "bravo", "Charlie" });
}

void TestPanelList::headerClicks()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, sortColumn);
    QFETCH(Qt::SortOrder, sortOrder);
    QFETCH(QStringList, names);

    auto record = [](const char *id, const char *name, const char *phone) {
        return QStringLiteral("%1|77|3|%2|S1||City|1|14||%3")
            .arg(QLatin1StringView(id), QLatin1StringView(name), QLatin1StringView(phone));
    };
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control,
        load({ record("2", "bravo", "555-2"), record("3", "Charlie", "555-1"), record("1", "Alpha", "555-10") }));
    panel.clickRow(1);
    const QString selectedId = panel.cell(1, 0);
    const QStringList details = panel.detailTexts();

    for (int column : clicks)
        panel.clickHeader(column);

    QCOMPARE(panel.model()->sortColumn(), sortColumn);
    QCOMPARE(panel.model()->sortOrder(), sortOrder);
    QCOMPARE(panel.d->lstContacts->header()->sortIndicatorSection(), sortColumn);
    QCOMPARE(panel.d->lstContacts->header()->sortIndicatorOrder(), sortOrder);
    QStringList shown;
    for (int row = 0; row < panel.rows(); ++row)
        shown << panel.cell(row, 2);
    QCOMPARE(shown, names);
    // Only the order changes: the same address stays selected and shown.
    QCOMPARE(panel.cell(panel.d->selectedRow(), 0), selectedId);
    QCOMPARE(panel.detailTexts(), details);
}

void TestPanelList::sortingKeepsRowsInOrder()
{
    Panel panel;
    loadText(*panel.control,
        load({ address(QStringLiteral("1"), 3, QStringLiteral("Unit 10")),
            address(QStringLiteral("2"), 3, QStringLiteral("banana")),
            address(QStringLiteral("3"), 3, QStringLiteral("Unit 9")),
            address(QStringLiteral("4"), 3, QStringLiteral("Apple")) }));
    QStringList shown;
    for (int row = 0; row < panel.rows(); ++row)
        shown << panel.cell(row, 2);
    // Locale collation (letter case does not split the alphabet), numbers
    // compared as numbers.
    QCOMPARE(shown, (texts({ "Apple", "banana", "Unit 9", "Unit 10" })));

    // The header click on a hidden column (only the program can) sorts too.
    panel.d->lstContacts_ColumnClick(1);
    QCOMPARE(panel.model()->sortColumn(), 0);
    QCOMPARE(panel.cell(0, 0), QStringLiteral("1"));
    QCOMPARE(panel.cell(3, 0), QStringLiteral("4"));
}

namespace {

ZebVendorContact::ListRow listRow(const QString &id, const QString &name)
{
    ZebVendorContact::ListRow::Columns columns;
    columns[0] = id;
    columns[2] = name;
    return ZebVendorContact::ListRow(columns);
}

QStringList idsOf(const ZebVendorContact::ContactListModel &model)
{
    QStringList ids;
    for (int row = 0; row < model.rowCount(); ++row)
        ids << model.text(row, 0).toString();
    return ids;
}

} // namespace

void TestPanelList::newRowsAreSortedStably_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("ids");

    // The ids are the positions the rows come in, from 1.
    QTest::newRow("in order already, equals kept") << texts({ "a", "b", "b", "c", "Unit 9", "Unit 10" })
                                                   << Qt::AscendingOrder << texts({ "1", "2", "3", "4", "5", "6" });
    QTest::newRow("in order but the last")
        << texts({ "a", "b", "c", "d", "B" }) << Qt::AscendingOrder << texts({ "1", "2", "5", "3", "4" });
    QTest::newRow("reversed, equals kept")
        << texts({ "c", "b", "b", "a" }) << Qt::AscendingOrder << texts({ "4", "2", "3", "1" });
    QTest::newRow("descending, in order already")
        << texts({ "c", "b", "b", "a" }) << Qt::DescendingOrder << texts({ "1", "2", "3", "4" });
    QTest::newRow("descending, out of order at the start")
        << texts({ "a", "c", "b", "a" }) << Qt::DescendingOrder << texts({ "2", "3", "1", "4" });
}

void TestPanelList::newRowsAreSortedStably()
{
    QFETCH(QStringList, names);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, ids);

    ZebVendorContact::ContactListModel model(QLocale(QLocale::English, QLocale::UnitedStates));
    const QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setSortState(2, order);
    std::vector<ZebVendorContact::ListRow> rows;
    for (qsizetype i = 0; i < names.size(); ++i)
        rows.push_back(listRow(QString::number(i + 1), names[i]));
    model.setRows(std::move(rows));
    QCOMPARE(idsOf(model), ids);
}

void TestPanelList::changedRowGoesToItsPlace_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QStringList>("ids");

    // Sorted by name: 1 Alpha, 2 Bravo, 3 Bravo, 4 Delta, 5 Echo.
    QTest::newRow("stays") << 2 << u"Charlie"_s << texts({ "1", "2", "3", "4", "5" });
    QTest::newRow("up to the top") << 3 << u"Aaron"_s << texts({ "4", "1", "2", "3", "5" });
    QTest::newRow("down to the end") << 0 << u"Zulu"_s << texts({ "2", "3", "4", "5", "1" });
    QTest::newRow("down among others") << 0 << u"Charlie"_s << texts({ "2", "3", "1", "4", "5" });
    QTest::newRow("after its equals") << 4 << u"Bravo"_s << texts({ "1", "2", "3", "5", "4" });
    QTest::newRow("its own text, after its equals") << 1 << u"Bravo"_s << texts({ "1", "3", "2", "4", "5" });
}

void TestPanelList::changedRowGoesToItsPlace()
{
    QFETCH(int, position);
    QFETCH(QString, newName);
    QFETCH(QStringList, ids);

    ZebVendorContact::ContactListModel model(QLocale(QLocale::English, QLocale::UnitedStates));
    const QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    std::vector<ZebVendorContact::ListRow> rows;
    for (const auto &[id, name] :
        { std::pair { "4", "Delta" }, { "2", "Bravo" }, { "1", "Alpha" }, std::pair { "5", "Echo" }, { "3", "Bravo" } })
        rows.push_back(listRow(QString::fromLatin1(id), QString::fromLatin1(name)));
    model.setRows(std::move(rows));
    QCOMPARE(idsOf(model), texts({ "1", "2", "3", "4", "5" }));

    // Indexes held on every row (a selection does) follow their rows.
    std::vector<QPersistentModelIndex> held;
    for (int row = 0; row < model.rowCount(); ++row)
        held.emplace_back(model.index(row, 3));
    const QString changedId = model.text(position, 0).toString();

    const int now = model.replaceRow(position, listRow(changedId, newName));
    QCOMPARE(idsOf(model), ids);
    QCOMPARE(now, ids.indexOf(changedId));
    QCOMPARE(model.text(now, 2).toString(), newName);
    for (int row = 0; row < int(held.size()); ++row) {
        QCOMPARE(held[std::size_t(row)].column(), 3);
        QCOMPARE(model.text(held[std::size_t(row)].row(), 0).toString(), QString::number(row + 1));
    }
}

void TestPanelList::clickingTheSortHeaderAgainReversesStably()
{
    // Runs of equal names keep their order both ways, as a stable sort the
    // other way round would leave them.
    ZebVendorContact::ContactListModel model(QLocale(QLocale::English, QLocale::UnitedStates));
    const QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    std::vector<ZebVendorContact::ListRow> rows;
    for (const auto &[id, name] :
        { std::pair { "1", "b" }, { "2", "a" }, { "3", "B" }, { "4", "a" }, { "5", "c" }, { "6", "b" } })
        rows.push_back(listRow(QString::fromLatin1(id), QString::fromLatin1(name)));
    model.setRows(std::move(rows));
    QCOMPARE(idsOf(model), texts({ "2", "4", "1", "6", "3", "5" }));

    model.setSortState(2, Qt::DescendingOrder);
    QCOMPARE(idsOf(model), texts({ "5", "3", "1", "6", "2", "4" }));
    model.setSortState(2, Qt::AscendingOrder);
    QCOMPARE(idsOf(model), texts({ "2", "4", "1", "6", "3", "5" }));
}

void TestPanelList::listCollationIsTheLocales_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::addRow("sv_SE") << QLocale(QLocale::Swedish, QLocale::Sweden);
    QTest::addRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
    QTest::addRow("C") << QLocale::c();
}

void TestPanelList::listCollationIsTheLocales()
{
    // The list's own collation (and its sort keys) orders texts exactly as
    // QCollator does for the locale, numbers compared as numbers.
    QFETCH(QLocale, locale);
    QCollator reference(locale);
    reference.setNumericMode(true);
    const ZebVendorContact::ListCollator collator(locale);

    const QStringList samples = texts({ "", " ", "a", "A", "b", "B", "ä", "Ä", "z", "å", "ö", "o", "Åse", "Aase",
        "Unit 9", "Unit 10", "unit 10", "Unit 010", "O'Neil", "ONeil", "Marc-André", "Marc Andre", "éclair", "eclair",
        "Zoë", "Zoe", "10", "9", "-1", "x\u0301", "\u00e1" });
    std::vector<QStringView> views(samples.cbegin(), samples.cend());
    const ZebVendorContact::ListCollator::SortKeys keys = collator.sortKeys(views);
    auto sign = [](int value) { return (value > 0) - (value < 0); };
    for (qsizetype a = 0; a < samples.size(); ++a) {
        for (qsizetype b = 0; b < samples.size(); ++b) {
            const int expected = sign(reference.compare(samples[a], samples[b]));
            QCOMPARE(sign(collator.compare(samples[a], samples[b])), expected);
            QCOMPARE(sign(keys.compare(std::size_t(a), std::size_t(b))), expected);
        }
    }
}

void TestPanelList::largeSortIsTheCollators_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::addRow("sv_SE") << QLocale(QLocale::Swedish, QLocale::Sweden);
    QTest::addRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
}

void TestPanelList::largeSortIsTheCollators()
{
    // A sort large enough for the list's fast path (keys made on two
    // threads) gives exactly the order of a stable sort by QCollator, on
    // names made to trip up shortcuts: long equal prefixes, numbers inside,
    // accents, case, empty and very long names, duplicates.
    QFETCH(QLocale, locale);
    const QStringList stems = texts({ "Whitlock Holdings International", "Whitlock Holdings Internationale", "",
        "unit 9", "Unit 9", "Unit 10", "Unit 010", "Ünit 9", "éclair", "Eclair", "ECLAIR", "Åse", "Aase", "Zoë", "Zoe",
        "O'Brien", "OBrien", "Marc-André", "Marc Andre", "straße", "strasse", "10", "9", "-1" });
    const QString longName = QString(500, u'x');
    QStringList names;
    for (int i = 0; names.size() < 10000; ++i) {
        const QString stem = stems[i % stems.size()];
        switch ((i / int(stems.size())) % 5) {
        case 0:
            names << stem;
            break;
        case 1:
            names << stem + u' ' + QString::number(i % 997);
            break;
        case 2:
            names << QString::number(i % 113) + u' ' + stem;
            break;
        case 3:
            names << longName + stem;
            break;
        default:
            names << stem.toUpper() + QString::number(i % 7);
            break;
        }
    }
    QList<int> expected(names.size());
    std::iota(expected.begin(), expected.end(), 0);
    QCollator collator(locale);
    collator.setNumericMode(true);
    std::stable_sort(
        expected.begin(), expected.end(), [&](int a, int b) { return collator.compare(names[a], names[b]) < 0; });

    ZebVendorContact::ContactListModel model(locale);
    std::vector<ZebVendorContact::ListRow> rows;
    for (qsizetype i = 0; i < names.size(); ++i)
        rows.push_back(listRow(QString::number(i), names[i]));
    model.setRows(std::move(rows));
    QList<int> sorted;
    for (int row = 0; row < model.rowCount(); ++row)
        sorted << model.text(row, 0).toInt();
    QCOMPARE(sorted, expected);
}

void TestPanelList::updateMovesTheAddressToItsPlace()
{
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control,
        load({ address(u"1"_s, 3, u"Alpha"_s), address(u"2"_s, 3, u"Bravo"_s), address(u"3"_s, 3, u"Charlie"_s) }));
    panel.clickRow(0);
    panel.click(panel.d->cmdEdit);
    panel.retype(0, u"Delta"_s);
    panel.click(panel.d->cmdAdd);

    QCOMPARE(panel.cell(2, 0), u"1"_s);
    QCOMPARE(panel.cell(2, 2), u"Delta"_s);
    QCOMPARE(panel.cell(0, 0), u"2"_s);
    // The details are empty after the update: no row stays highlighted.
    QCOMPARE(panel.d->selectedRow(), -1);
}

void TestPanelList::typeChangeRunsNestedBeforeTheNextStep()
{
    Panel panel;
    loadText(*panel.control, workedExample());
    panel.clickRow(0);
    QCOMPARE(panel.d->cboContactCountry->currentIndex(), 1);

    // Observed from inside the type's change handling, as the rebuilt rows
    // arrive in the list: the later steps of the load (clearing country and
    // state) have not run yet.
    struct Seen
    {
        int typeIndex;
        int rows;
        QString firstId;
        int countries;
        int country;
    };
    QList<Seen> seen;
    QObject::connect(panel.model(), &QAbstractItemModel::modelReset, panel.d->cboContactType, [&] {
        if (panel.rows() > 0) {
            seen.append({ panel.d->cboContactType->currentIndex(), panel.rows(), panel.cell(0, 0),
                panel.d->cboContactCountry->count(), panel.d->cboContactCountry->currentIndex() });
        }
    });

    loadText(*panel.control,
        QStringLiteral("7|77|5|Seven|S||C|2|63~^5|Shipping~3|Head office~^14|1|IL|Illinois~63|2|ON|Ontario~"));
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].typeIndex, 0);
    QCOMPARE(seen[0].rows, 1);
    QCOMPARE(seen[0].firstId, QStringLiteral("7"));
    QCOMPARE(seen[0].countries, 3); // the country entries came first
    QCOMPARE(seen[0].country, -1); // cleared with the entries, as the load left it

    // After the load: the first type, its rows; no country, no state.
    QCOMPARE(panel.d->cboContactType->currentText(), QStringLiteral("Shipping"));
    QCOMPARE(panel.d->cboContactCountry->currentIndex(), -1);
    QCOMPARE(panel.d->cboContactState->count(), 0);
}

void TestPanelList::rowClickRefillsStatesBeforeChoosingOne()
{
    Panel panel;
    loadText(*panel.control,
        load({ address(QStringLiteral("1"), 3, QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("20")) }));

    // Observed as the country's handling refills the states, and as the row
    // click writes the country name afterwards.
    QStringList statesWhenCountrySet;
    int countryWhenStatesFilled = -1;
    QString countryTextWhenCountrySet = QStringLiteral("unset");
    QString stateWhenCountryNameWritten;
    QObject::connect(
        panel.d->cboContactState->model(), &QAbstractItemModel::rowsInserted, panel.d->cboContactState, [&] {
            statesWhenCountrySet = panel.pickerEntries(panel.d->cboContactState);
            countryWhenStatesFilled = panel.d->cboContactCountry->currentIndex();
            countryTextWhenCountrySet = panel.txt(4)->text();
        });
    QObject::connect(panel.txt(4), &QLineEdit::textChanged, panel.txt(4),
        [&] { stateWhenCountryNameWritten = panel.d->cboContactState->currentText(); });
    panel.clickRow(0);

    // The country's handling refilled the states at once, before the row
    // click went on to choose the row's state and write the country name.
    QCOMPARE(statesWhenCountrySet, (texts({ "Illinois", "New York" })));
    QCOMPARE(countryWhenStatesFilled, 1);
    QCOMPARE(countryTextWhenCountrySet, QString());
    QCOMPARE(stateWhenCountryNameWritten, QStringLiteral("New York"));
    QCOMPARE(panel.d->cboContactState->currentText(), QStringLiteral("New York"));
    QCOMPARE(panel.txt(4)->text(), QStringLiteral("USA"));
}

void TestPanelList::countryChoice_data()
{
    QTest::addColumn<int>("country");
    QTest::addColumn<QStringList>("states");

    QTest::newRow("Others") << 0 << texts({ "Other state" });
    QTest::newRow("USA, in table order, 01 never") << 1 << texts({ "Illinois", "New York" });
    QTest::newRow("Canada") << 2 << texts({ "Ontario" });
    QTest::newRow("none") << -1 << texts({});
}

void TestPanelList::countryChoice()
{
    QFETCH(int, country);
    QFETCH(QStringList, states);
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, load({}));
    panel.click(panel.d->cmdAdd); // adding shows the country picker
    QVERIFY(panel.d->cboContactCountry->isVisible());

    panel.d->cboContactCountry->setCurrentIndex(2);
    panel.d->cboContactCountry->setCurrentIndex(country);
    QCOMPARE(panel.pickerEntries(panel.d->cboContactState), states);
    QCOMPARE(panel.d->cboContactState->currentIndex(), states.isEmpty() ? -1 : 0);
}

void TestPanelList::secondLoadReplacesEveryEntry()
{
    Panel panel;
    loadText(*panel.control, workedExample());
    panel.clickRow(0);
    loadText(*panel.control, QStringLiteral("9|1|8|Nine~^8|Remote~^1|2|QC|Quebec~"));
    QCOMPARE(panel.pickerEntries(panel.d->cboContactType), texts({ "Remote" }));
    QCOMPARE(panel.pickerEntries(panel.d->cboContactCountry), (texts({ "Others", "USA", "Canada" })));
    QCOMPARE(panel.d->cboContactCountry->currentIndex(), -1);
    QCOMPARE(panel.d->cboContactState->count(), 0);
    QCOMPARE(panel.rows(), 1);
    QCOMPARE(panel.cell(0, 0), QStringLiteral("9"));
    panel.d->cboContactCountry->setCurrentIndex(2);
    QCOMPARE(panel.pickerEntries(panel.d->cboContactState), texts({ "Quebec" }));
}

void TestPanelList::typeRowsWithoutNameArePassedOver()
{
    Panel panel;
    loadText(*panel.control, workedExample());
    QCOMPARE(panel.rows(), 1);
    // A type row without a name column does not stop the refill.
    loadText(*panel.control, QStringLiteral("9|1|5|Nine~^~7~5|Shipping~^1|2|QC|Quebec~"));
    QCOMPARE(panel.pickerEntries(panel.d->cboContactType), texts({ "Shipping" }));
    QCOMPARE(panel.rows(), 1);
    QCOMPARE(panel.cell(0, 0), QStringLiteral("9"));

    // No named type at all: no address is shown, none of the old ones either.
    loadText(*panel.control, QStringLiteral("9|1|5|Nine~^7~^1|2|QC|Quebec~"));
    QCOMPARE(panel.d->cboContactType->count(), 0);
    QCOMPARE(panel.rows(), 0);
}

void TestPanelList::failedLoadLeavesNoStaleRows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("ids");
    // What the load report's problem begins with.
    QTest::addColumn<QString>("problem");

    QTest::newRow("two tables") << QStringLiteral("7|77|3|Seven~^3|Head office~") << texts({})
                                << QStringLiteral("The text splits into 2 tables");
    QTest::newRow("contacts without record separator")
        << QStringLiteral("7|77|3|Seven^3|A~^1|1|X|Y~") << texts({}) << QStringLiteral("The contacts table");
    QTest::newRow("type x in the second record") << QStringLiteral("7|77|3|Seven~8|77|x|Eight~^3|A~^1|1|X|Y~")
                                                 << texts({ "7" }) << QStringLiteral("Contact record 2 (AddressID");
    QTest::newRow("value over its limit")
        << QStringLiteral("7|77|3|Seven~8|77|3|%1~^3|A~^1|1|X|Y~").arg(QString(61, u'n')) << texts({ "8", "7" })
        << QStringLiteral("Contact record 2 (AddressID \"8\"): The field Name holds at most 60 characters");
    QTest::newRow("types table without record separator")
        << QStringLiteral("7|77|3|Seven~8|77|5|Eight~^3|Head office^1|1|X|Y~") << texts({ "7" })
        << QStringLiteral("The contact type table has no record separator");
    QTest::newRow("states table empty") << QStringLiteral("7|77|3|Seven~^3|Head office~^") << texts({ "7" })
                                        << QStringLiteral("The state table");
}

void TestPanelList::failedLoadLeavesNoStaleRows()
{
    QFETCH(QString, text);
    QFETCH(QStringList, ids);
    QFETCH(QString, problem);

    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    QSignalSpy reports(panel.control.get(), &VendorContact::loadFinished);
    loadText(*panel.control, workedExample());
    const ZebVendorContact::LoadReport complete = panel.control->lastLoadReport();
    QCOMPARE((QList<int> { complete.addresses, complete.contactTypes, complete.states }), (QList<int> { 2, 2, 2 }));
    QVERIFY(complete.complete && complete.problem.isEmpty() && complete.warnings.isEmpty());
    panel.clickRow(0);
    QVERIFY(panel.d->cmdEdit->isEnabled());

    loadText(*panel.control, text);
    // The host hears where the load stopped.
    QCOMPARE(reports.size(), 2);
    const auto report = reports.at(1).at(0).value<ZebVendorContact::LoadReport>();
    QVERIFY(!report.complete);
    QVERIFY2(report.problem.startsWith(problem), qPrintable(report.problem));
    QCOMPARE(panel.control->lastLoadReport().problem, report.problem);
    // The pickers keep their entries; the list shows what the store now holds
    // for the chosen type, and no address that is gone stays on show.
    QCOMPARE(panel.d->cboContactType->currentText(), QStringLiteral("Head office"));
    QStringList shown;
    for (int row = 0; row < panel.rows(); ++row)
        shown << panel.cell(row, 0);
    QCOMPARE(shown, ids);
    QCOMPARE(panel.d->selectedRow(), -1);
    QCOMPARE(panel.detailTexts(), QStringList(12, QString()));
    QVERIFY(!panel.d->cmdEdit->isEnabled());
    QVERIFY(!panel.d->cmdDelete->isEnabled());
}

void TestPanelList::blankLoadChangesNothing()
{
    Panel panel;
    loadText(*panel.control, workedExample());
    panel.clickRow(0);
    loadText(*panel.control, QStringLiteral("   "));
    QVERIFY(!panel.control->lastLoadReport().complete);
    QCOMPARE(panel.control->lastLoadReport().addresses, 2);
    QCOMPARE(panel.rows(), 1);
    QCOMPARE(panel.d->selectedRow(), 0);
    QCOMPARE(panel.txt(0)->text(), QStringLiteral("Main Office"));
}

void TestPanelList::fullSizeList()
{
    // The most addresses a load takes, all of one type, in reverse name order.
    constexpr int Count = 32767;
    QString contacts;
    contacts.reserve(Count * 40);
    for (int i = 0; i < Count; ++i)
        contacts += QStringLiteral("%1|77|3|Name %2|S|||1|14~").arg(i).arg(Count - i);
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, contacts + u'^' + Types + u'^' + States);
    QCOMPARE(panel.rows(), Count);
    QCOMPARE(panel.cell(0, 2), QStringLiteral("Name 1"));
    QCOMPARE(panel.cell(Count - 1, 2), QStringLiteral("Name 32767"));

    panel.clickRow(Count - 1);
    QCOMPARE(panel.txt(0)->text(), QStringLiteral("Name 32767"));
    panel.clickHeader(2);
    QCOMPARE(panel.cell(0, 2), QStringLiteral("Name 32767"));
    QCOMPARE(panel.d->selectedRow(), 0);
}

void TestPanelList::longNamesAreShownFromABoundedPrefix()
{
    // The view, pickers and entries get at most a bounded start of a huge type or
    // state name (never half a character); rows and lookups keep the whole name.
    const QString type = QString(1000000, u'T');
    const QString state = QString(1023, u'S') + u"\U0001F600"_s + QString(1000000, u's');
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control,
        load({ address(u"1"_s, 3, u"Name"_s) }, u"3|"_s + type + u"~5|Shipping~"_s, u"14|1|IL|"_s + state + u'~'));
    QCOMPARE(panel.rows(), 1);
    QCOMPARE(panel.cell(0, 3), type);
    QCOMPARE(panel.cell(0, 8), state);
    const QString shownType = panel.model()->index(0, 3).data().toString();
    const QString shownState = panel.model()->index(0, 8).data().toString();
    QCOMPARE(shownType, type.left(1024) + QChar(0x2026));
    QCOMPARE(shownState, state.left(1023) + QChar(0x2026));

    QCOMPARE(panel.d->cboContactType->currentText(), shownType);
    panel.clickRow(0);
    QCOMPARE(panel.d->cboContactState->currentText(), shownState);
    QCOMPARE(panel.txt(ZebVendorContact::StateEntry)->text(), shownState);
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.d->TxtContactType->text(), shownType);
    panel.fillRequired();
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.rows(), 2);
    QCOMPARE(panel.cell(1, 8), state);
    QVERIFY(panel.GetChanges().contains(u"|77|3|New Name|1 New St||New City|1|14|"_s));
    panel.d->cboContactType->setCurrentIndex(1); // a type switch there and back
    panel.d->cboContactType->setCurrentIndex(0);
    QCOMPARE(panel.rows(), 2);
}

void TestPanelList::hostReloadFromListSignals_data()
{
    QTest::addColumn<QString>("signal");
    QTest::addColumn<bool>("saveNew"); // or else choose the type "Shipping"

    QTest::newRow("rowsAboutToBeInserted, Save of a new address") << u"rowsAboutToBeInserted"_s << true;
    QTest::newRow("modelAboutToBeReset, type switch") << u"modelAboutToBeReset"_s << false;
    QTest::newRow("modelReset, type switch") << u"modelReset"_s << false;
}

void TestPanelList::hostReloadFromListSignals()
{
    // A host that found the list model reloads from a slot on one of its
    // signals while the control is changing the list. The newer load wins:
    // its first type in the picker, exactly its rows in the list.
    QFETCH(QString, signal);
    QFETCH(bool, saveNew);

    QStringList many;
    for (int i = 0; i < 30; ++i)
        many << address(QString::number(100 + i), 3, u"Name %1"_s.arg(i));
    many << address(u"200"_s, 5, u"Ship"_s);
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, load(many));

    bool armed = true;
    auto reload = [&] {
        if (std::exchange(armed, false))
            loadText(*panel.control,
                load({ address(u"300"_s, 13, u"Bill"_s), address(u"301"_s, 5, u"Ship 2"_s) },
                    u"13|Billing~5|Shipping~3|Head office~"_s));
    };
    ZebVendorContact::ContactListModel *model = panel.model();
    if (signal == u"rowsAboutToBeInserted")
        QObject::connect(model, &QAbstractItemModel::rowsAboutToBeInserted, model, reload);
    else if (signal == u"modelAboutToBeReset")
        QObject::connect(model, &QAbstractItemModel::modelAboutToBeReset, model, reload);
    else
        QObject::connect(model, &QAbstractItemModel::modelReset, model, reload);

    if (saveNew) {
        panel.click(panel.d->cmdAdd);
        panel.fillRequired();
        panel.click(panel.d->cmdAdd);
    } else {
        panel.d->cboContactType->setCurrentIndex(1);
    }
    QVERIFY(!armed);
    QCOMPARE(panel.d->cboContactType->currentText(), u"Billing"_s);
    QCOMPARE(panel.rows(), 1);
    QCOMPARE(panel.cell(0, 0), u"300"_s);
    QCOMPARE(panel.cell(0, 3), u"Billing"_s);
}

QTEST_MAIN(TestPanelList)
#include "tst_panel_list.moc"
