// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Edit modes, the check of required entries, saving, typing limits and the
// host's LetVendorIDNMode, driven through real clicks and typing.

#include "tst_panel_support.h"

#include <addressedit.h>

#include <QtGui/QClipboard>
#include <QtGui/QShortcut>
#include <QtWidgets/QApplication>

using namespace TestSupport;
using ZebVendorContact::PanelState;

Q_DECLARE_METATYPE(PanelState)

namespace {

const QString Types = QStringLiteral("3|Head office~5|Shipping~13|Billing~15|Remit to~");
const QString States = QStringLiteral("14|1|IL|Illinois~63|2|ON|Ontario~20|1|NY|New York~77|2|SP|Springfield~"
                                      "78|1|SP|Springfield~");

enum class Event { ClickAdd, ClickEdit, HostAllows, HostForbids, PressEnter, PressEscape };

/// The panel after a load of the worked example, editing allowed, 501 clicked.
struct LoadedPanel : Panel
{
    LoadedPanel()
    {
        control->LetVendorIDNMode(77, true);
        loadText(*control, workedExample());
        clickRow(0);
    }
};

void checkLook(const Panel &panel, PanelState state)
{
    VendorContactPrivate *d = panel.d;
    const bool editing = state != PanelState::Browsing;
    const QColor grey = panel.control->palette().color(QPalette::Button);
    const QColor white = panel.control->palette().color(QPalette::Base);

    QCOMPARE(d->state(), state);
    const char *captions[] = { "Add/Edit", "Save/Cancel", "Update/Cancel" };
    QCOMPARE(panel.captions(), QString::fromLatin1(captions[int(state)]));
    for (QLineEdit *box : d->txtContact) {
        QCOMPARE(box->isReadOnly(), !editing);
        QCOMPARE(box->palette().color(QPalette::Base), editing ? white : grey);
    }
    QCOMPARE(d->cboContactCountry->isVisible(), editing);
    QCOMPARE(d->cboContactState->isVisible(), editing);
    QCOMPARE(d->cboContactCountry->palette().color(QPalette::Base), editing ? white : grey);
    QCOMPARE(d->cboContactType->isVisible(), !editing);
    QCOMPARE(d->lstContacts->isEnabled(), !editing);
    QCOMPARE(d->lstContacts->palette().color(QPalette::Base), editing ? grey : white);
    QVERIFY(d->TxtContactType->isReadOnly());
    if (editing) {
        QVERIFY(d->cmdEdit->isEnabled());
        QCOMPARE(d->TxtContactType->text(), d->cboContactType->currentText());
    }
}

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void transitions_data();
    void transitions();
    void addThenCancel_data();
    void addThenCancel();
    void editThenCancel();
    void addClearsCountryAndState();

    void validation_data();
    void validation();
    void validationAskedAgainAfterFix();
    void separatorsRefused_data();
    void separatorsRefused();
    void emptySeparatorsNeverMatch();

    void newAddressIds();
    void idsKeepCountingAcrossLoads();
    void savedRowAndRecord();
    void updateFlagsAndKeepsIdentity();
    void updateWithoutChangeStillFlags();
    void addThenEditKeepsIdAndFlagsS();
    void stateLookupTakesTheFirstName();
    void counterExhaustedKeepsEditing();
    void updateOfVanishedAddressDoesNothing();
    void savingIsAllOrNothing();
    void singleAddressTypesAfterSave_data();
    void singleAddressTypesAfterSave();

    void typingStopsAtTheLimit_data();
    void typingStopsAtTheLimit();
    void longLoadedValueShownAndSavedWhole();
    void pasteIsCutAtTheLimit_data();
    void pasteIsCutAtTheLimit();

    void hostForbidsWhileAdding();
    void hostAllowsWhileEditing();
    void hostAllowsWithRowsDisablesAdd();
    void hostForbidsBeforeAnyLoad();
    void hostGetsLookupFailures();
    void editOnPanelAddressEnablesDelete();
    void hostLoadWhileEditing_data();
    void hostLoadWhileEditing();
};

void TestEditing::transitions_data()
{
    QTest::addColumn<PanelState>("from");
    QTest::addColumn<Event>("event");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<PanelState>("to");
    QTest::addColumn<int>("addedRows");

    QTest::newRow("browsing, Add") << PanelState::Browsing << Event::ClickAdd << true << PanelState::Adding << 0;
    QTest::newRow("browsing, Edit") << PanelState::Browsing << Event::ClickEdit << true << PanelState::Editing << 0;
    QTest::newRow("adding, Save") << PanelState::Adding << Event::ClickAdd << true << PanelState::Browsing << 1;
    QTest::newRow("editing, Update") << PanelState::Editing << Event::ClickAdd << true << PanelState::Browsing << 0;
    QTest::newRow("adding, Save, invalid") << PanelState::Adding << Event::ClickAdd << false << PanelState::Adding << 0;
    QTest::newRow("editing, Update, invalid")
        << PanelState::Editing << Event::ClickAdd << false << PanelState::Editing << 0;
    QTest::newRow("adding, Cancel") << PanelState::Adding << Event::ClickEdit << true << PanelState::Browsing << 0;
    QTest::newRow("editing, Cancel") << PanelState::Editing << Event::ClickEdit << true << PanelState::Browsing << 0;
    // Enter in a detail entry saves and Escape cancels while adding or
    // editing; while browsing both go on to the host.
    QTest::newRow("adding, Enter") << PanelState::Adding << Event::PressEnter << true << PanelState::Browsing << 1;
    QTest::newRow("editing, Enter") << PanelState::Editing << Event::PressEnter << true << PanelState::Browsing << 0;
    QTest::newRow("adding, Enter, invalid")
        << PanelState::Adding << Event::PressEnter << false << PanelState::Adding << 0;
    QTest::newRow("editing, Escape") << PanelState::Editing << Event::PressEscape << true << PanelState::Browsing << 0;
    QTest::newRow("adding, Escape") << PanelState::Adding << Event::PressEscape << true << PanelState::Browsing << 0;
    QTest::newRow("browsing, Enter") << PanelState::Browsing << Event::PressEnter << true << PanelState::Browsing << 0;
    QTest::newRow("browsing, Escape") << PanelState::Browsing << Event::PressEscape << true << PanelState::Browsing
                                      << 0;
    for (PanelState from : { PanelState::Browsing, PanelState::Adding, PanelState::Editing }) {
        const char *names[] = { "browsing", "adding", "editing" };
        QTest::addRow("%s, host forbids", names[int(from)])
            << from << Event::HostForbids << true << PanelState::Browsing << 0;
        QTest::addRow("%s, host allows", names[int(from)]) << from << Event::HostAllows << true << from << 0;
    }
}

void TestEditing::transitions()
{
    QFETCH(PanelState, from);
    QFETCH(Event, event);
    QFETCH(bool, valid);
    QFETCH(PanelState, to);
    QFETCH(int, addedRows);

    LoadedPanel panel;
    if (from == PanelState::Adding)
        panel.click(panel.d->cmdAdd);
    if (from == PanelState::Editing)
        panel.click(panel.d->cmdEdit);
    checkLook(panel, from);
    // Typing goes into the first entry at once.
    if (from != PanelState::Browsing)
        QCOMPARE(panel.focused(), panel.txt(0));

    if (from == PanelState::Adding && valid)
        panel.fillRequired();
    if (from == PanelState::Editing && !valid)
        panel.retype(0, QStringLiteral("   "));
    const int rowsBefore = panel.rows();

    switch (event) {
    case Event::ClickAdd:
        panel.click(panel.d->cmdAdd);
        break;
    case Event::ClickEdit:
        panel.click(panel.d->cmdEdit);
        break;
    case Event::HostAllows:
        panel.control->LetVendorIDNMode(77, true);
        break;
    case Event::HostForbids:
        panel.control->LetVendorIDNMode(77, false);
        break;
    case Event::PressEnter:
    case Event::PressEscape: {
        // The host's shortcut on the key gets it only while browsing.
        const Qt::Key key = event == Event::PressEnter ? Qt::Key_Return : Qt::Key_Escape;
        int hostKeys = 0;
        const QShortcut shortcut(key, panel.control.get(), [&hostKeys] { ++hostKeys; });
        panel.control->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(panel.control.get()));
        QTest::keyClick(panel.focused(), key);
        QCOMPARE(hostKeys, from == PanelState::Browsing ? 1 : 0);
        break;
    }
    }

    checkLook(panel, to);
    QCOMPARE(panel.rows(), rowsBefore + addedRows);
    QCOMPARE(panel.boxes->shown.size(), std::size_t(valid ? 0 : 1));
    // After a save the list highlights no row beside the emptied details.
    if (from != PanelState::Browsing && to == PanelState::Browsing &&
        (event == Event::ClickAdd || event == Event::PressEnter))
        QCOMPARE(panel.d->selectedRow(), -1);
    if (event == Event::HostForbids) {
        QVERIFY(!panel.d->cmdAdd->isEnabled());
        QVERIFY(!panel.d->cmdEdit->isEnabled());
        QVERIFY(!panel.d->cmdDelete->isEnabled());
    }
}

void TestEditing::addThenCancel_data()
{
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<bool>("addEnabled");
    QTest::newRow("Head office (one address)") << "Head office" << true;
    QTest::newRow("Billing (type 13, one address)") << "Billing" << false;
    QTest::newRow("Remit to (type 15, no address)") << "Remit to" << true;
}

void TestEditing::addThenCancel()
{
    QFETCH(QString, typeName);
    QFETCH(bool, addEnabled);
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, QStringLiteral("1|77|3|A|S||C|1|14~2|77|13|B|S||C|1|14~^") + Types + u'^' + States);
    panel.d->cboContactType->setCurrentText(typeName);
    if (!panel.d->cmdAdd->isEnabled())
        panel.d->cmdAdd->setEnabled(true); // only to reach adding for the test
    panel.click(panel.d->cmdAdd);
    panel.type(0, QStringLiteral("dropped"));
    panel.click(panel.d->cmdEdit);

    checkLook(panel, PanelState::Browsing);
    QCOMPARE(panel.detailTexts(), QStringList(12, QString()));
    QVERIFY(!panel.d->cmdEdit->isEnabled());
    QVERIFY(!panel.d->cmdDelete->isEnabled());
    QCOMPARE(panel.d->cmdAdd->isEnabled(), addEnabled);
    QVERIFY(panel.GetChanges().isEmpty());
}

void TestEditing::editThenCancel()
{
    LoadedPanel panel;
    panel.click(panel.d->cmdEdit);
    QCOMPARE(panel.txt(0)->text(), QStringLiteral("Main Office"));
    panel.retype(3, QStringLiteral("Elsewhere"));
    panel.click(panel.d->cmdEdit);
    QCOMPARE(panel.detailTexts(), QStringList(12, QString()));
    QCOMPARE(panel.d->selectedRow(), 0);
    panel.clickRow(0);
    QCOMPARE(panel.txt(3)->text(), QStringLiteral("Springfield"));
    QCOMPARE(panel.GetChanges(),
        QStringLiteral("502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77~"));
}

void TestEditing::addClearsCountryAndState()
{
    LoadedPanel panel;
    QCOMPARE(panel.d->cboContactCountry->currentIndex(), 1);
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.d->cboContactCountry->currentIndex(), -1);
    QCOMPARE(panel.d->cboContactState->count(), 0);
    QCOMPARE(panel.d->TxtContactType->text(), QStringLiteral("Head office"));
    QVERIFY(panel.d->TxtContactType->isVisible());
}

void TestEditing::validation_data()
{
    QTest::addColumn<QStringList>("entries"); // name, street 1, city
    QTest::addColumn<int>("country");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    const QString name = QStringLiteral("Contact Name has not been provided.");
    const QString street = QStringLiteral("Contact Street 1 has not been provided.");
    const QString city = QStringLiteral("Contact City has not been provided.");
    const QString country = QStringLiteral("Contact Country has not been provided.");
    const QString state = QStringLiteral("Contact State has not been provided.");

    QTest::newRow("all empty: name first") << texts({ "", "", "" }) << -1 << name << "txtContact_0";
    QTest::newRow("name of three spaces") << texts({ "   ", "S", "C" }) << 1 << name << "txtContact_0";
    QTest::newRow("street empty") << texts({ "N", "", "C" }) << 1 << street << "txtContact_1";
    QTest::newRow("city before country") << texts({ "N", "S", "" }) << -1 << city << "txtContact_3";
    QTest::newRow("no country") << texts({ "N", "S", "C" }) << -1 << country << "cboContactCountry";
    QTest::newRow("country without states") << texts({ "N", "S", "C" }) << 0 << state << "cboContactState";
    QTest::newRow("name only a tab") << texts({ "", "S", "C" }) << 1 << QString() << QString();
    QTest::newRow("all present") << texts({ "N", "S", "C" }) << 2 << QString() << QString();
}

void TestEditing::validation()
{
    QFETCH(QStringList, entries);
    QFETCH(int, country);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    LoadedPanel panel;
    panel.click(panel.d->cmdAdd);
    panel.type(0, entries[0]);
    if (QByteArray(QTest::currentDataTag()) == "name only a tab")
        panel.txt(0)->insert(QStringLiteral("\t")); // the Tab key would move the focus
    panel.type(1, entries[1]);
    panel.type(3, entries[2]);
    panel.type(6, QStringLiteral("kept"));
    if (country >= 0)
        panel.chooseCountry(country);
    panel.click(panel.d->cmdAdd);

    if (message.isEmpty()) {
        QVERIFY(panel.boxes->shown.empty());
        QCOMPARE(panel.d->state(), PanelState::Browsing);
        QCOMPARE(panel.rows(), 2);
        return;
    }
    QCOMPARE(panel.boxes->shown.size(), std::size_t(1));
    const auto &box = panel.boxes->shown.front();
    QCOMPARE(box.prompt, message);
    QCOMPARE(box.title, QStringLiteral("Information Required"));
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(panel.focused()->objectName(), focus);
    // Nothing changed: still adding, with everything typed.
    QCOMPARE(panel.d->state(), PanelState::Adding);
    QCOMPARE(panel.txt(0)->text(), entries[0]);
    QCOMPARE(panel.txt(6)->text(), QStringLiteral("kept"));
    QCOMPARE(panel.rows(), 1);
}

void TestEditing::validationAskedAgainAfterFix()
{
    LoadedPanel panel;
    panel.click(panel.d->cmdAdd);
    panel.click(panel.d->cmdAdd);
    panel.type(0, QStringLiteral("  Spaced  "));
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.boxes->shown.size(), std::size_t(2));
    QCOMPARE(panel.boxes->shown[0].prompt, QStringLiteral("Contact Name has not been provided."));
    QCOMPARE(panel.boxes->shown[1].prompt, QStringLiteral("Contact Street 1 has not been provided."));

    panel.type(1, QStringLiteral("S"));
    panel.type(3, QStringLiteral("C"));
    panel.chooseCountry(1);
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.d->state(), PanelState::Browsing);
    // Stored as typed, spaces and all.
    QVERIFY(panel.GetChanges().contains(QStringLiteral("|  Spaced  |S||C|1|14|")));
    QCOMPARE(panel.cell(panel.rowOf(QStringLiteral("000-N")), 2), QStringLiteral("  Spaced  "));
}

void TestEditing::separatorsRefused_data()
{
    QTest::addColumn<QStringList>("separators"); // field, record, table
    QTest::addColumn<bool>("adding");
    QTest::addColumn<int>("entry"); // -1: no entry, the value at fault was not typed
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    // One message names every entry at fault with what it holds.
    auto refusal = [](const char *lines) -> QString {
        return QStringLiteral("These entries hold characters that the application uses to separate values. Please "
                              "remove them:\n") +
            QString::fromUtf8(lines);
    };
    const QStringList usual = texts({ "|", "~", "^" });
    QTest::newRow("field separator in the name") << usual << false << 0 << "A|B" << refusal("Contact Name: \"|\"");
    QTest::newRow("record separator in the city")
        << usual << false << 3 << "Spring~field" << refusal("Contact City: \"~\"");
    QTest::newRow("table separator in the e-mail")
        << usual << false << 9 << "a^b@example.com" << refusal("Contact E-Mail: \"^\"");
    QTest::newRow("field separator in street 2")
        << usual << false << 2 << "Unit|9" << refusal("Contact Street 2: \"|\"");
    QTest::newRow("cell") << usual << false << 11 << "555~1" << refusal("Contact Cell: \"~\"");
    // The e-mail gets "a~b" too: both entries in one message, in tab order.
    QTest::newRow("every separator, two entries")
        << usual << true << 0 << "A|B~C^D|" << refusal("Contact Name: \"|\", \"~\", \"^\"\nContact E-Mail: \"~\"");

    // A name ending in the repeated part of its separator splits early.
    const QStringList doubled = texts({ "||", "~~", "^^" });
    QTest::newRow("overlapping field separator")
        << doubled << false << 0 << "Smith|" << refusal("Contact Name: must not begin or end with part of \"||\"");
    QTest::newRow("overlapping record separator")
        << doubled << true << 11 << "555~" << refusal("Contact Cell: must not begin or end with part of \"~~\"");
    QTest::newRow("contained doubled separator")
        << doubled << false << 1 << "1 ^^ St" << refusal("Contact Street 1: \"^^\"");
    // The name's tail and the field separator after it form the record's.
    QTest::newRow("record separator across a field boundary")
        << texts({ "|", "~|", "^" }) << false << 0 << "Smith~"
        << refusal("Contact Name: must not begin or end with part of \"~|\"");
    // The panel's own id, 000-N, holds the field separator.
    QTest::newRow("new id holds the field separator")
        << texts({ "-", "~", "^" }) << true << -1 << QString()
        << "The new address id \"000-N\" cannot be saved with the field separator \"-\".";
}

void TestEditing::separatorsRefused()
{
    QFETCH(QStringList, separators);
    QFETCH(bool, adding);
    QFETCH(int, entry);
    QFETCH(QString, text);
    QFETCH(QString, message);

    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    QString load = QStringLiteral("501\x01"
                                  "77\x01"
                                  "3\x01Main Office\x01"
                                  "12 Harbour Rd\x01\x01Springfield\x01"
                                  "1\x01"
                                  "14\x01\x01\x01\x01\x01\x01\x02\x03"
                                  "3\x01Head office\x02\x03"
                                  "14\x01"
                                  "1\x01IL\x01Illinois\x02");
    load.replace(u'\x01', separators[0]).replace(u'\x02', separators[1]).replace(u'\x03', separators[2]);
    panel.control->LetContactAddress(load, separators[0], separators[1], separators[2]);
    QCOMPARE(panel.rows(), 1);
    if (adding) {
        panel.click(panel.d->cmdAdd);
        panel.fillRequired();
    } else {
        panel.clickRow(0);
        panel.click(panel.d->cmdEdit);
    }
    if (entry >= 0)
        panel.retype(entry, text);
    if (QByteArray(QTest::currentDataTag()) == "every separator, two entries")
        panel.retype(9, QStringLiteral("a~b"));
    panel.click(panel.d->cmdAdd);

    QCOMPARE(panel.boxes->shown.size(), std::size_t(1));
    QCOMPARE(panel.boxes->shown[0].prompt, message);
    QCOMPARE(panel.boxes->shown[0].title, QStringLiteral("Information Required"));
    QCOMPARE(panel.boxes->shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(panel.boxes->shown[0].icon, QMessageBox::Information);
    QCOMPARE(panel.d->state(), adding ? PanelState::Adding : PanelState::Editing);
    if (entry >= 0) {
        QCOMPARE(panel.focused(), panel.txt(entry));
        QCOMPARE(panel.txt(entry)->text(), text);
    }
    // Nothing written: 501 is neither flagged nor changed in the list, and
    // no address was added.
    QVERIFY(!panel.GetChanges().contains(QStringLiteral("501|")));
    QVERIFY(panel.GetChanges().isEmpty());
    QCOMPARE(panel.cell(0, 2), QStringLiteral("Main Office"));
    QCOMPARE(panel.d->contactData().store.recordCount(), 1);
    QCOMPARE(panel.d->contactData().newAddressCount, qint16(0));
}

void TestEditing::emptySeparatorsNeverMatch()
{
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    // Multi-character separators, and a control character (tab, the one an entry takes).
    panel.control->LetContactAddress(QStringLiteral("1<f>77<f>3<f>A<f>S<f><f>C<f>1<f>14\t^^3<f>Head office\t^^"
                                                    "14<f>1<f>IL<f>Illinois\t"),
        QStringLiteral("<f>"), QStringLiteral("\t"), QStringLiteral("^^"));
    QCOMPARE(panel.rows(), 1);
    panel.click(panel.d->cmdAdd);
    panel.fillRequired(QStringLiteral("a<f"));
    panel.type(2, QStringLiteral("^ and f> are fine"));
    panel.click(panel.d->cmdAdd);
    QVERIFY(panel.boxes->shown.empty());
    QCOMPARE(panel.rows(), 2);

    panel.click(panel.d->cmdAdd);
    panel.fillRequired(QStringLiteral("x"));
    panel.txt(9)->insert(QStringLiteral("a\t"));
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.boxes->shown.size(), std::size_t(1));
    QVERIFY(panel.boxes->shown[0].prompt.endsWith(QStringLiteral("\nContact E-Mail: \"<U+0009>\"")));

    // A load with empty separators: no entry can contain them.
    Panel other;
    other.control->LetVendorIDNMode(77, true);
    other.control->LetContactAddress(
        QStringLiteral("^3|Head office~^14|1|IL|Illinois~"), QString(), QStringLiteral("~"), QStringLiteral("^"));
    QCOMPARE(other.d->cboContactType->count(), 0); // split at nothing: one column per row
    other.control->LetContactAddress(
        QStringLiteral("^3~^14~"), QStringLiteral("|"), QStringLiteral("~"), QStringLiteral("^"));
    QVERIFY(other.d->contactData().types.has_value());
}

void TestEditing::newAddressIds()
{
    LoadedPanel panel;
    for (const char *name : { "First", "Second" }) {
        panel.click(panel.d->cmdAdd);
        panel.fillRequired(QString::fromLatin1(name));
        panel.click(panel.d->cmdAdd);
    }
    QVERIFY(panel.rowOf(QStringLiteral("000-N")) >= 0);
    QVERIFY(panel.rowOf(QStringLiteral("001-N")) >= 0);
    QCOMPARE(panel.cell(panel.rowOf(QStringLiteral("001-N")), 2), QStringLiteral("Second"));
    QCOMPARE(panel.GetChanges(),
        QStringLiteral("502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77~"
                       "000-N|77|3|First|1 New St||New City|1|14||||||~"
                       "001-N|77|3|Second|1 New St||New City|1|14||||||~"));
    ZebVendorContact::ContactStore &store = panel.d->contactData().store;
    store.moveFirst();
    store.findAddress(u"000-N");
    QCOMPARE(store.read(ZebVendorContact::IsUpdated).toString(), QStringLiteral("N"));
}

void TestEditing::idsKeepCountingAcrossLoads()
{
    LoadedPanel panel;
    for (int i = 0; i < 2; ++i) {
        panel.click(panel.d->cmdAdd);
        panel.fillRequired();
        panel.click(panel.d->cmdAdd);
    }
    loadText(*panel.control, workedExample());
    QCOMPARE(panel.rows(), 1);
    panel.click(panel.d->cmdAdd);
    panel.fillRequired();
    panel.click(panel.d->cmdAdd);
    QVERIFY(panel.rowOf(QStringLiteral("002-N")) >= 0);
    QCOMPARE(panel.d->contactData().newAddressCount, qint16(3));
}

void TestEditing::savedRowAndRecord()
{
    LoadedPanel panel;
    panel.control->LetVendorIDNMode(4711, true);
    panel.d->cboContactType->setCurrentText(QStringLiteral("Shipping"));
    panel.click(panel.d->cmdAdd);
    const QStringList typed = texts({ "Name", "Street 1", "Street 2", "City", "", "", "PC", "Phone", "Fax",
        "mail@example.com", "Phone 2", "Cell" });
    for (int index : { 0, 1, 2, 3, 6, 7, 8, 9, 10, 11 })
        panel.type(index, typed[index]);
    panel.chooseCountry(2); // Canada: the first of its states is chosen
    QCOMPARE(panel.d->cboContactState->currentText(), QStringLiteral("Ontario"));
    panel.click(panel.d->cmdAdd);

    const int row = panel.rowOf(QStringLiteral("000-N"));
    QVERIFY(row >= 0);
    const QStringList expectedRow = texts({ "000-N", "4711", "Name", "Shipping", "Street 1", "Street 2", "City", "2",
        "Ontario", "PC", "Phone", "Fax", "mail@example.com", "Phone 2", "Cell" });
    for (int column = 0; column < 15; ++column)
        QCOMPARE(panel.cell(row, column), expectedRow[column]);
    QVERIFY(panel.GetChanges().endsWith(
        QStringLiteral("000-N|4711|5|Name|Street 1|Street 2|City|2|63|PC|Phone|Fax|mail@example.com|Phone 2|Cell~")));
    QCOMPARE(panel.detailTexts(), QStringList(12, QString()));
}

void TestEditing::updateFlagsAndKeepsIdentity()
{
    LoadedPanel panel;
    panel.control->LetVendorIDNMode(999, true); // a new vendor id changes no existing address
    panel.clickRow(0);
    panel.click(panel.d->cmdEdit);
    panel.retype(3, QStringLiteral("Shelbyville"));
    panel.chooseCountry(0);
    panel.click(panel.d->cmdAdd);
    QVERIFY(panel.boxes->shown.size() == 1); // country 0 has no states here
    panel.chooseCountry(1);
    panel.d->cboContactState->setCurrentIndex(-1);
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.boxes->shown.size(), std::size_t(2));
    QCOMPARE(panel.boxes->shown[1].prompt, QStringLiteral("Contact State has not been provided."));
    panel.chooseCountry(2);
    panel.click(panel.d->cmdAdd);

    QCOMPARE(panel.d->state(), PanelState::Browsing);
    QCOMPARE(panel.GetChanges(),
        QStringLiteral("501|77|3|Main Office|12 Harbour Rd||Shelbyville|2|63|627-01|555-12-34|555-12-35|||~"
                       "502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77~"));
    QCOMPARE(panel.cell(0, 6), QStringLiteral("Shelbyville"));
    QCOMPARE(panel.cell(0, 7), QStringLiteral("2"));
    QCOMPARE(panel.cell(0, 8), QStringLiteral("Ontario"));
    QCOMPARE(panel.cell(0, 1), QStringLiteral("77"));
    QCOMPARE(panel.cell(0, 3), QStringLiteral("Head office"));
}

void TestEditing::updateWithoutChangeStillFlags()
{
    LoadedPanel panel;
    panel.click(panel.d->cmdEdit);
    panel.click(panel.d->cmdAdd);
    QVERIFY(panel.GetChanges().startsWith(
        QStringLiteral("501|77|3|Main Office|12 Harbour Rd||Springfield|1|14|627-01|555-12-34|555-12-35|||~")));
}

void TestEditing::addThenEditKeepsIdAndFlagsS()
{
    LoadedPanel panel;
    panel.click(panel.d->cmdAdd);
    panel.fillRequired(QStringLiteral("Added"));
    panel.click(panel.d->cmdAdd);
    panel.clickRow(panel.rowOf(QStringLiteral("000-N")));
    panel.click(panel.d->cmdEdit);
    QCOMPARE(panel.txt(0)->text(), QStringLiteral("Added"));
    panel.retype(0, QStringLiteral("Added later"));
    panel.click(panel.d->cmdAdd);

    ZebVendorContact::ContactStore &store = panel.d->contactData().store;
    store.moveFirst();
    store.findAddress(u"000-N");
    QVERIFY(!store.atEnd());
    QCOMPARE(store.read(ZebVendorContact::IsUpdated).toString(), QStringLiteral("S"));
    QCOMPARE(store.read(ZebVendorContact::Name).toString(), QStringLiteral("Added later"));
    QCOMPARE(panel.rows(), 2);
    // The name sorts the list: the row moved to its new place, and no row is
    // highlighted beside the emptied details.
    QCOMPARE(panel.cell(panel.rowOf(QStringLiteral("000-N")), 2), QStringLiteral("Added later"));
    QCOMPARE(panel.d->selectedRow(), -1);
}

void TestEditing::stateLookupTakesTheFirstName()
{
    // "Springfield" is a state of country 2 (id 77) and of country 1 (id 78).
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, QStringLiteral("^") + Types + u'^' + States);
    panel.click(panel.d->cmdAdd);
    panel.fillRequired();
    panel.d->cboContactState->setCurrentText(QStringLiteral("Springfield"));
    QCOMPARE(panel.d->cboContactState->currentIndex(), 2);
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.GetChanges(), QStringLiteral("000-N|77|3|New Name|1 New St||New City|1|77||||||~"));
}

void TestEditing::counterExhaustedKeepsEditing()
{
    LoadedPanel panel;
    panel.d->contactData().newAddressCount = 32766;
    panel.click(panel.d->cmdAdd);
    panel.fillRequired(QStringLiteral("Last one"));
    panel.click(panel.d->cmdAdd);
    QVERIFY(panel.rowOf(QStringLiteral("32766-N")) >= 0);

    panel.click(panel.d->cmdAdd);
    panel.fillRequired(QStringLiteral("One too many"));
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.d->state(), PanelState::Adding);
    QCOMPARE(panel.txt(0)->text(), QStringLiteral("One too many"));
    QCOMPARE(panel.rows(), 2);
    QCOMPARE(panel.d->contactData().newAddressCount, qint16(32767));
    QCOMPARE(panel.boxes->shown.size(), std::size_t(1));
    QCOMPARE(panel.boxes->shown[0].prompt,
        QStringLiteral("No more new addresses can be added to this vendor. Cancel, hand the changes to the host and "
                       "reload to continue."));
    QCOMPARE(panel.boxes->shown[0].title, QStringLiteral("Information Required"));
    QCOMPARE(panel.boxes->shown[0].icon, QMessageBox::Information);
    QVERIFY(!panel.GetChanges().contains(QStringLiteral("One too many")));

    panel.click(panel.d->cmdEdit); // Cancel still works
    QCOMPARE(panel.d->state(), PanelState::Browsing);
}

void TestEditing::updateOfVanishedAddressDoesNothing()
{
    LoadedPanel panel;
    panel.click(panel.d->cmdEdit);
    ZebVendorContact::ContactStore &store = panel.d->contactData().store;
    QVERIFY(ZebVendorContact::deleteAddress(store, u"501"));
    panel.retype(0, QStringLiteral("Changed"));
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.d->state(), PanelState::Browsing);
    QCOMPARE(panel.cell(0, 2), QStringLiteral("Main Office"));
    QCOMPARE(store.recordCount(), 1);
}

void TestEditing::savingIsAllOrNothing()
{
    // A state row whose id is not a number: the save fails at the lookup,
    // before anything is written.
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, QStringLiteral("^3|Head office~^x|1|IL|Illinois~"));
    panel.click(panel.d->cmdAdd);
    panel.fillRequired();
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.d->state(), PanelState::Adding);
    QCOMPARE(panel.rows(), 0);
    QCOMPARE(panel.d->contactData().store.recordCount(), 0);
    QCOMPARE(panel.d->contactData().newAddressCount, qint16(0));

    // The store's side on its own: a value too long for its field.
    ZebVendorContact::ContactStore store;
    store.open();
    ZebVendorContact::AddressTexts address;
    address[ZebVendorContact::PostalCode] = QString(31, u'9');
    QVERIFY_THROWS_EXCEPTION(
        ZebVendorContact::Error, ZebVendorContact::appendNewAddress(store, QStringLiteral("000-N"), 1, 3, address));
    QCOMPARE(store.recordCount(), 0);
}

void TestEditing::singleAddressTypesAfterSave_data()
{
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<bool>("addEnabled");
    QTest::newRow("Billing (13)") << "Billing" << false;
    QTest::newRow("Remit to (15)") << "Remit to" << false;
    QTest::newRow("Shipping (5)") << "Shipping" << true;
}

void TestEditing::singleAddressTypesAfterSave()
{
    QFETCH(QString, typeName);
    QFETCH(bool, addEnabled);
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, QStringLiteral("^") + Types + u'^' + States);
    panel.d->cboContactType->setCurrentText(typeName);
    QVERIFY(panel.d->cmdAdd->isEnabled());
    panel.click(panel.d->cmdAdd);
    panel.fillRequired();
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.rows(), 1);
    QCOMPARE(panel.d->cmdAdd->isEnabled(), addEnabled);
}

void TestEditing::typingStopsAtTheLimit_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("limit");
    const int limits[] = { 60, 30, 30, 30, 30, 30, 10, 25, 20, 50, 25, 25 };
    for (int index = 0; index < 12; ++index)
        QTest::addRow("txtContact_%d", index) << index << limits[index];
}

void TestEditing::typingStopsAtTheLimit()
{
    QFETCH(int, index);
    QFETCH(int, limit);
    LoadedPanel panel;
    panel.click(panel.d->cmdAdd);
    QString typed;
    for (int i = 0; i < limit + 5; ++i)
        typed += QChar(u'a' + i % 26);
    panel.d->txtContact[std::size_t(index)]->setFocus();
    panel.type(index, typed);
    QCOMPARE(panel.txt(index)->text(), typed.left(limit));
}

void TestEditing::longLoadedValueShownAndSavedWhole()
{
    const QString postalCode = QStringLiteral("1234567890123456789012345"); // 25, the field holds 30
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, QStringLiteral("1|77|3|A|S||C|1|14|%1~^").arg(postalCode) + Types + u'^' + States);
    panel.clickRow(0);
    QCOMPARE(panel.txt(6)->text(), postalCode);

    panel.click(panel.d->cmdEdit);
    QCOMPARE(panel.txt(6)->text(), postalCode);
    // Typing at its end adds nothing; deleting works, and an over-long text
    // never grows again by typing; undo brings back what was loaded.
    panel.txt(6)->end(false);
    panel.type(6, QStringLiteral("X"));
    QCOMPARE(panel.txt(6)->text(), postalCode);
    QTest::keyClick(panel.txt(6), Qt::Key_Backspace);
    QCOMPARE(panel.txt(6)->text(), postalCode.left(24));
    panel.type(6, QStringLiteral("YZ"));
    QCOMPARE(panel.txt(6)->text(), postalCode.left(24));
    QTest::keySequence(panel.txt(6), QKeySequence::Undo);
    QCOMPARE(panel.txt(6)->text(), postalCode);

    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.d->state(), PanelState::Browsing);
    QCOMPARE(panel.GetChanges(), QStringLiteral("1|77|3|A|S||C|1|14|%1|||||~").arg(postalCode));
    QCOMPARE(panel.cell(0, 9), postalCode);
}

void TestEditing::pasteIsCutAtTheLimit_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("atTheEnd"); // pasted after "12"
    QTest::addColumn<QString>("inTheMiddle"); // pasted between "12" and "34"
    QTest::newRow("cut at the limit") << "ABCDEFGHIJKLMNOP"
                                      << "12ABCDEFGH"
                                      << "12ABCDEF34";
    // Tab stays; NUL and the other C0 controls go, and the rest is kept.
    QTest::newRow("controls dropped") << QStringLiteral("A\0B\x01\tC\nD\x1f"
                                                        "EFGHIJ")
                                      << "12AB\tCDEFG"
                                      << "12AB\tCDE34";
    QTest::newRow("only controls") << QStringLiteral("\0\r\n") << "12"
                                   << "1234";
}

void TestEditing::pasteIsCutAtTheLimit()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, atTheEnd);
    QFETCH(QString, inTheMiddle);
    LoadedPanel panel;
    panel.click(panel.d->cmdAdd);
    QApplication::clipboard()->setText(clipboard);
    panel.type(6, QStringLiteral("12"));
    panel.txt(6)->setFocus();
    QTest::keySequence(panel.txt(6), QKeySequence::Paste);
    if (QApplication::clipboard()->text() != clipboard)
        QSKIP("no clipboard on this platform");
    QCOMPARE(panel.txt(6)->text(), atTheEnd);
    // Pasting in the middle keeps the text after the cursor.
    panel.retype(6, QStringLiteral("1234"));
    panel.txt(6)->setCursorPosition(2);
    QTest::keySequence(panel.txt(6), QKeySequence::Paste);
    QCOMPARE(panel.txt(6)->text(), inTheMiddle);
}

void TestEditing::hostForbidsWhileAdding()
{
    LoadedPanel panel;
    panel.click(panel.d->cmdAdd);
    panel.type(0, QStringLiteral("dropped"));
    panel.control->LetVendorIDNMode(77, false);
    checkLook(panel, PanelState::Browsing);
    QVERIFY(!panel.d->cmdAdd->isEnabled());
    QVERIFY(!panel.d->cmdEdit->isEnabled());
    QVERIFY(!panel.d->cmdDelete->isEnabled());
    // The selected row shows again, read-only.
    QCOMPARE(panel.txt(0)->text(), QStringLiteral("Main Office"));
    QVERIFY(panel.txt(0)->isReadOnly());
    QVERIFY(panel.GetChanges().isEmpty());
}

void TestEditing::hostAllowsWhileEditing()
{
    LoadedPanel panel;
    panel.click(panel.d->cmdEdit);
    panel.retype(0, QStringLiteral("typed"));
    panel.control->LetVendorIDNMode(77, true);
    QCOMPARE(panel.captions(), QStringLiteral("Update/Cancel"));
    QVERIFY(!panel.d->cmdAdd->isEnabled()); // the list is not empty
    QCOMPARE(panel.txt(0)->text(), QStringLiteral("Main Office"));
}

void TestEditing::hostAllowsWithRowsDisablesAdd()
{
    LoadedPanel panel;
    QVERIFY(panel.d->cmdAdd->isEnabled());
    panel.control->LetVendorIDNMode(77, true);
    QVERIFY(!panel.d->cmdAdd->isEnabled());
    panel.d->cboContactType->setCurrentText(QStringLiteral("Shipping"));
    QVERIFY(panel.d->cmdAdd->isEnabled());
}

void TestEditing::hostForbidsBeforeAnyLoad()
{
    Panel panel;
    QVariant result;
    try {
        result = panel.control->LetVendorIDNMode(5, false);
    } catch (const ZebVendorContact::Error &error) {
        QFAIL(qPrintable(error.message()));
    }
    QVERIFY(!result.isValid());
    QCOMPARE(panel.d->contactData().vendorID, 5);
    QVERIFY(!panel.d->contactData().editAllowed);
    checkLook(panel, PanelState::Browsing);
    QVERIFY(!panel.d->cmdAdd->isEnabled());

    // Allowed before any load: the empty list lets the user add.
    panel.control->LetVendorIDNMode(5, true);
    QVERIFY(panel.d->cmdAdd->isEnabled());
    panel.click(panel.d->cmdAdd);
    panel.click(panel.d->cmdEdit);
    checkLook(panel, PanelState::Browsing);
}

void TestEditing::hostGetsLookupFailures()
{
    // A type table whose id column is not a number is the host's fault; the
    // host hears of it from LetVendorIDNMode.
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, QStringLiteral("^x|Head office~^14|1|IL|Illinois~"));
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.d->TxtContactType->text(), QStringLiteral("Head office"));
    QVERIFY_THROWS_EXCEPTION(ZebVendorContact::Error, panel.control->LetVendorIDNMode(77, false));
    QVERIFY(!panel.d->contactData().editAllowed);
    // Cancel's trap takes the same failure silently; the panel stays usable.
    panel.click(panel.d->cmdEdit);
    QCOMPARE(panel.captions(), QStringLiteral("Add/Edit"));
}

void TestEditing::editOnPanelAddressEnablesDelete()
{
    LoadedPanel panel;
    panel.click(panel.d->cmdAdd);
    panel.fillRequired();
    panel.click(panel.d->cmdAdd);
    panel.clickRow(panel.rowOf(QStringLiteral("000-N")));
    QVERIFY(panel.d->cmdDelete->isEnabled());
    panel.click(panel.d->cmdEdit);
    QCOMPARE(panel.d->state(), PanelState::Editing);
    QVERIFY(panel.d->cmdDelete->isEnabled());
    QCOMPARE(panel.captions(), QStringLiteral("Update/Cancel"));
}

void TestEditing::hostLoadWhileEditing_data()
{
    QTest::addColumn<QString>("reload");
    QTest::addColumn<bool>("adding");
    // The list is rebuilt for the first type, a type with a single address
    // (13) that now has one.
    const QString complete = QStringLiteral("1|77|13|A|S||C|1|14~^13|Billing~^14|1|IL|Illinois~");
    QTest::newRow("complete, editing") << complete << false;
    QTest::newRow("complete, adding") << complete << true;
    // A type table without any record: the load stops after the contacts.
    QTest::newRow("failed, editing") << QStringLiteral("^^14|1|IL|Illinois~") << false;
    QTest::newRow("failed, adding") << QStringLiteral("^^14|1|IL|Illinois~") << true;
}

void TestEditing::hostLoadWhileEditing()
{
    QFETCH(QString, reload);
    QFETCH(bool, adding);
    LoadedPanel panel;
    panel.click(adding ? panel.d->cmdAdd : panel.d->cmdEdit);
    panel.retype(0, QStringLiteral("typed"));
    // The reload ends the entry as Cancel would: browsing, nothing written.
    // (Kept adding or editing, Cancel was once disabled by the rebuild, and
    // an entry begun for one type could be saved while the list showed
    // another.)
    loadText(*panel.control, reload);
    checkLook(panel, PanelState::Browsing);
    QCOMPARE(panel.detailTexts(), QStringList(12, QString()));
    QVERIFY(!panel.d->cmdEdit->isEnabled());
    QVERIFY(!panel.d->cmdDelete->isEnabled());
    QVERIFY(panel.GetChanges().isEmpty());
    QCOMPARE(panel.d->contactData().newAddressCount, qint16(0));
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
