// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Deleting an address, the real message boxes, failures at the event
// boundary, and a full round trip as a host drives it.

#include "tst_panel_support.h"

#include <QtCore/QLoggingCategory>
#include <QtCore/QRegularExpression>
#include <QtCore/QTimer>
#include <QtTest/QSignalSpy>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMessageBox>

#include <functional>
#include <map>

using namespace TestSupport;
using namespace Qt::Literals::StringLiterals;
using ZebVendorContact::PanelState;

namespace {

const QString Types = QStringLiteral("3|Head office~5|Shipping~");
const QString States = QStringLiteral("14|1|IL|Illinois~63|2|ON|Ontario~");

/// Loaded with the worked example, editing allowed, and `added` addresses
/// added in the panel (000-N, 001-N, ...) of the first type.
struct PanelWithAdded : Panel
{
    explicit PanelWithAdded(int added)
    {
        control->LetVendorIDNMode(77, true);
        loadText(*control, workedExample());
        for (int i = 0; i < added; ++i) {
            click(d->cmdAdd);
            fillRequired(QStringLiteral("Added %1").arg(i));
            click(d->cmdAdd);
        }
    }
};

/// No address from the host; one added in the panel ("Only", 000-N), its row
/// chosen, editing allowed.
struct PanelWithOnlyAddedRow : Panel
{
    PanelWithOnlyAddedRow()
    {
        control->LetVendorIDNMode(77, true);
        loadText(*control, QStringLiteral("^") + Types + u'^' + States);
        click(d->cmdAdd);
        fillRequired(QStringLiteral("Only"));
        click(d->cmdAdd);
        clickRow(0);
    }
};

const ZebVendorContact::MessageBoxRequest &onlyBox(const Panel &panel)
{
    static const ZebVendorContact::MessageBoxRequest none;
    return panel.boxes->shown.size() == 1 ? panel.boxes->shown.front() : none;
}

} // namespace

class TestEditingDelete : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void deleteAsksFirst();
    void answerNoChangesNothing();
    void deletes_data();
    void deletes();
    void deletedIdIsNeverMadeAgain();
    void deleteWhileEditing();
    void deleteOnlyRowWhileEditingThenUpdate();
    void deleteOnlyRowWhileAddingEnablesSave();
    void deleteWithoutSelectionAsksNothing();
    void deleteOfVanishedRecordChangesNothing();
    void realMessageBoxes_data();
    void realMessageBoxes();
    void failuresStopAtTheEventBoundary();
    void hostRoundTrip();
    void hostNotifications_data();
    void hostNotifications();
};

void TestEditingDelete::deleteAsksFirst()
{
    PanelWithAdded panel(1);
    panel.clickRow(panel.rowOf(QStringLiteral("000-N")));
    QVERIFY(panel.d->cmdDelete->isEnabled());
    panel.boxes->answers.push_back(QMessageBox::Yes);
    panel.click(panel.d->cmdDelete);

    const auto &box = onlyBox(panel);
    QCOMPARE(box.prompt, QStringLiteral("Do you want to delete the selected Address?"));
    QCOMPARE(box.title, QStringLiteral("Information Validation"));
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.icon, QMessageBox::Question);
    QCOMPARE(box.defaultButton, QMessageBox::Yes);
    QCOMPARE(panel.rowOf(QStringLiteral("000-N")), -1);
}

void TestEditingDelete::answerNoChangesNothing()
{
    PanelWithAdded panel(1);
    const int row = panel.rowOf(QStringLiteral("000-N"));
    panel.clickRow(row);
    const QStringList details = panel.detailTexts();
    const QString before = panel.GetChanges();
    panel.boxes->answers.push_back(QMessageBox::No);
    panel.click(panel.d->cmdDelete);

    QCOMPARE(panel.rows(), 2);
    QCOMPARE(panel.d->selectedRow(), row);
    QCOMPARE(panel.detailTexts(), details);
    QVERIFY(panel.d->cmdDelete->isEnabled());
    QVERIFY(panel.d->cmdEdit->isEnabled());
    QCOMPARE(panel.GetChanges(), before);
}

void TestEditingDelete::deletes_data()
{
    QTest::addColumn<int>("rowsOfType"); // 501 is always one of them
    QTest::addColumn<bool>("addEnabledBefore");
    QTest::addColumn<bool>("editEnabledAfter");
    QTest::addColumn<bool>("addEnabledAfter");

    // No row is selected afterwards: Edit goes off with the details.
    QTest::newRow("one of several, Add enabled") << 3 << true << false << true;
    QTest::newRow("one of several, Add disabled") << 3 << false << false << false;
    QTest::newRow("the only row") << 1 << false << false << true;
}

void TestEditingDelete::deletes()
{
    QFETCH(int, rowsOfType);
    QFETCH(bool, addEnabledBefore);
    QFETCH(bool, editEnabledAfter);
    QFETCH(bool, addEnabledAfter);

    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    QString contacts;
    for (int i = 0; i < rowsOfType; ++i)
        contacts +=
            QStringLiteral("%1|77|3|Name %1|S||C|1|14~").arg(i == 0 ? QStringLiteral("0012") : QString::number(i));
    loadText(*panel.control, contacts + u'^' + Types + u'^' + States);
    panel.clickRow(panel.rowOf(QStringLiteral("0012")));
    QVERIFY(panel.d->cmdDelete->isEnabled());
    // The host's mode call with rows shown holds Add back.
    if (!addEnabledBefore)
        panel.control->LetVendorIDNMode(77, true);
    QCOMPARE(panel.d->cmdAdd->isEnabled(), addEnabledBefore);
    const int typeBefore = panel.d->cboContactType->currentIndex();
    const int countryBefore = panel.d->cboContactCountry->currentIndex();
    const QString stateBefore = panel.d->cboContactState->currentText();

    panel.boxes->answers.push_back(QMessageBox::Yes);
    panel.click(panel.d->cmdDelete);

    QCOMPARE(panel.rows(), rowsOfType - 1);
    QCOMPARE(panel.rowOf(QStringLiteral("0012")), -1);
    QCOMPARE(panel.d->contactData().store.recordCount(), rowsOfType - 1);
    QCOMPARE(panel.detailTexts(), QStringList(12, QString()));
    QCOMPARE(panel.d->selectedRow(), -1);
    QVERIFY(!panel.d->cmdDelete->isEnabled());
    QCOMPARE(panel.d->cmdEdit->isEnabled(), editEnabledAfter);
    QCOMPARE(panel.d->cmdAdd->isEnabled(), addEnabledAfter);
    // The pickers keep what they show.
    QCOMPARE(panel.d->cboContactType->currentIndex(), typeBefore);
    QCOMPARE(panel.d->cboContactCountry->currentIndex(), countryBefore);
    QCOMPARE(panel.d->cboContactState->currentText(), stateBefore);
    QCOMPARE(panel.d->state(), PanelState::Browsing);
}

void TestEditingDelete::deletedIdIsNeverMadeAgain()
{
    PanelWithAdded panel(1);
    panel.clickRow(panel.rowOf(QStringLiteral("000-N")));
    panel.click(panel.d->cmdDelete); // the scripted box answers with its default, Yes
    QVERIFY(!panel.GetChanges().contains(QStringLiteral("000-N")));

    panel.click(panel.d->cmdAdd);
    panel.fillRequired();
    panel.click(panel.d->cmdAdd);
    QVERIFY(panel.rowOf(QStringLiteral("001-N")) >= 0);
    QCOMPARE(panel.rowOf(QStringLiteral("000-N")), -1);
}

void TestEditingDelete::deleteWhileEditing()
{
    PanelWithAdded panel(1);
    panel.clickRow(panel.rowOf(QStringLiteral("000-N")));
    panel.click(panel.d->cmdEdit);
    QVERIFY(panel.d->cmdDelete->isEnabled());
    panel.click(panel.d->cmdDelete);

    QCOMPARE(panel.d->state(), PanelState::Editing);
    QCOMPARE(panel.captions(), QStringLiteral("Update/Cancel"));
    QVERIFY(!panel.d->lstContacts->isEnabled());
    QCOMPARE(panel.detailTexts(), QStringList(12, QString()));
    QCOMPARE(panel.rows(), 1);
    QVERIFY(panel.d->cmdEdit->isEnabled()); // rows remain: Cancel stays
    panel.click(panel.d->cmdEdit);
    QCOMPARE(panel.d->state(), PanelState::Browsing);
}

void TestEditingDelete::deleteOnlyRowWhileEditingThenUpdate()
{
    PanelWithOnlyAddedRow panel;
    panel.click(panel.d->cmdEdit);
    panel.click(panel.d->cmdDelete);
    QCOMPARE(panel.rows(), 0);
    QCOMPARE(panel.captions(), QStringLiteral("Update/Cancel"));
    QVERIFY(panel.d->cmdEdit->isEnabled()); // Cancel stays: the only way back
    QVERIFY(panel.d->cmdAdd->isEnabled()); // Update enabled

    // An Update now has no address left to write: nothing changes, and the
    // panel goes back to browsing instead of staying stuck.
    panel.fillRequired(QStringLiteral("Nowhere"));
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.d->state(), PanelState::Browsing);
    QCOMPARE(panel.rows(), 0);
    QCOMPARE(panel.d->contactData().store.recordCount(), 0);
    QCOMPARE(panel.boxes->shown.size(), std::size_t(1)); // Delete's question only
}

void TestEditingDelete::deleteOnlyRowWhileAddingEnablesSave()
{
    // While adding, the host allows editing again: Save goes off because the
    // list has a row, and the row click offers Delete for the selected 000-N.
    // Deleting it empties the list, so Save comes back on, Cancel stays.
    PanelWithOnlyAddedRow panel;
    panel.click(panel.d->cmdAdd);
    panel.control->LetVendorIDNMode(77, true);
    QVERIFY(!panel.d->cmdAdd->isEnabled());
    QVERIFY(panel.d->cmdDelete->isEnabled());

    panel.click(panel.d->cmdDelete);
    QCOMPARE(panel.rows(), 0);
    QCOMPARE(panel.captions(), QStringLiteral("Save/Cancel"));
    QVERIFY(panel.d->cmdAdd->isEnabled());
    QVERIFY(panel.d->cmdEdit->isEnabled());

    panel.fillRequired(QStringLiteral("Second"));
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.d->state(), PanelState::Browsing);
    QCOMPARE(panel.rowOf(QStringLiteral("001-N")), 0);
}

void TestEditingDelete::deleteWithoutSelectionAsksNothing()
{
    PanelWithAdded panel(1);
    panel.clickRow(panel.rowOf(QStringLiteral("000-N")));
    panel.d->lstContacts->selectionModel()->clearSelection();
    panel.click(panel.d->cmdDelete);
    QVERIFY(panel.boxes->shown.empty());
    QCOMPARE(panel.rows(), 2);
    QCOMPARE(panel.d->contactData().store.recordCount(), 3);
}

void TestEditingDelete::deleteOfVanishedRecordChangesNothing()
{
    PanelWithAdded panel(1);
    const int row = panel.rowOf(QStringLiteral("000-N"));
    panel.clickRow(row);
    // The user answers while the record is already gone from the store.
    panel.boxes->whileShown = [&] {
        ZebVendorContact::ContactStore &store = panel.d->contactData().store;
        store.moveFirst();
        store.findAddress(u"000-N");
        store.deleteCurrent();
    };
    panel.click(panel.d->cmdDelete);
    QCOMPARE(panel.rows(), 2);
    QCOMPARE(panel.d->selectedRow(), row);
    QCOMPARE(panel.txt(0)->text(), QStringLiteral("Added 0"));
    QVERIFY(panel.d->cmdDelete->isEnabled());
}

void TestEditingDelete::realMessageBoxes_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("Yes deletes") << QMessageBox::Yes;
    QTest::newRow("No keeps") << QMessageBox::No;
}

void TestEditingDelete::realMessageBoxes()
{
    QFETCH(QMessageBox::StandardButton, answer);
    PanelWithAdded panel(1);
    panel.d->setMessageBoxes(nullptr); // back to real QMessageBox
    panel.clickRow(panel.rowOf(QStringLiteral("000-N")));

    // Answered by a click on the real box's button once it is up.
    struct Seen
    {
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    } seen;
    bool answered = false;
    std::function<void()> answerBox = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, answerBox);
            return;
        }
        seen = { box->text(), box->windowTitle(), box->icon(), box->standardButtons(),
            box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton };
        QTest::mouseClick(box->button(answer), Qt::LeftButton);
        answered = true;
    };
    QTimer::singleShot(0, answerBox);
    panel.click(panel.d->cmdDelete);

    QVERIFY(answered);
    QCOMPARE(seen.text, QStringLiteral("Do you want to delete the selected Address?"));
    QCOMPARE(seen.title, QStringLiteral("Information Validation"));
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(seen.defaultButton, QMessageBox::Yes);
    QCOMPARE(panel.rowOf(QStringLiteral("000-N")) >= 0, answer == QMessageBox::No);

    // The missing-entry box: OK and the information icon.
    panel.click(panel.d->cmdAdd);
    answer = QMessageBox::Ok;
    answered = false;
    QTimer::singleShot(0, answerBox);
    panel.click(panel.d->cmdAdd);
    QVERIFY(answered);
    QCOMPARE(seen.text, QStringLiteral("Contact Name has not been provided."));
    QCOMPARE(seen.title, QStringLiteral("Information Required"));
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(panel.focused(), panel.txt(0));
}

void TestEditingDelete::failuresStopAtTheEventBoundary()
{
    // A picker's change handling that fails: the user's choice ends at the
    // event boundary, which logs the failure, and the control lives on; a
    // choice the program sets passes the failure up its own call chain, here
    // to the host.
    {
        PanelWithAdded panel(1);
        panel.clickRow(panel.rowOf(QStringLiteral("000-N")));
        panel.d->contactData().states.reset();
        QLoggingCategory::setFilterRules(QStringLiteral("zeb.vendorcontact.debug=true"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^cboContactCountry_Click ended: .+")));
        panel.d->cboContactCountry->setCurrentIndex(2);
        QLoggingCategory::setFilterRules(QString());
        QVERIFY_THROWS_EXCEPTION(ZebVendorContact::Error, panel.control->LetVendorIDNMode(77, true));
        QCOMPARE(panel.d->cboContactCountry->currentIndex(), 1);
    }

    // In the panel: the Delete button's handling catches what it meets. A
    // closed store makes the delete fail after the question.
    PanelWithAdded panel(1);
    panel.clickRow(panel.rowOf(QStringLiteral("000-N")));
    panel.boxes->whileShown = [&] { panel.d->contactData().store.close(); };
    panel.click(panel.d->cmdDelete);
    QCOMPARE(panel.rows(), 2);
    panel.boxes->whileShown = nullptr;
    loadText(*panel.control, workedExample());
    QCOMPARE(panel.rows(), 1);
}

void TestEditingDelete::hostRoundTrip()
{
    Panel panel;
    VendorContact &control = *panel.control;

    // The host's calls, in the documented order.
    QVERIFY(!control.LetVendorIDNMode(77, true).isValid());
    loadText(control, workedExample());

    // Edit 501: a new city.
    panel.clickRow(panel.rowOf(QStringLiteral("501")));
    panel.click(panel.d->cmdEdit);
    panel.retype(3, QStringLiteral("Capital City"));
    panel.click(panel.d->cmdAdd);

    // Add one to "Shipping", then delete it again.
    panel.d->cboContactType->setCurrentText(QStringLiteral("Shipping"));
    panel.click(panel.d->cmdAdd);
    panel.fillRequired(QStringLiteral("Temporary"));
    panel.click(panel.d->cmdAdd);
    QCOMPARE(panel.rows(), 2);
    panel.clickRow(panel.rowOf(QStringLiteral("000-N")));
    panel.boxes->answers.push_back(QMessageBox::Yes);
    panel.click(panel.d->cmdDelete);
    QCOMPARE(panel.rows(), 1);

    // Add one that stays.
    panel.click(panel.d->cmdAdd);
    panel.fillRequired(QStringLiteral("Dock 2"));
    panel.type(9, QStringLiteral("dock@example.com"));
    panel.click(panel.d->cmdAdd);

    QCOMPARE(control.GetContactAddress(),
        QStringLiteral("501|77|3|Main Office|12 Harbour Rd||Capital City|1|14|627-01|555-12-34|555-12-35|||~"
                       "502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77~"
                       "001-N|77|5|Dock 2|1 New St||New City|1|14||||dock@example.com||~"));
    QCOMPARE(panel.boxes->shown.size(), std::size_t(1));

    // Read-only: the export is empty, whatever changed.
    control.LetVendorIDNMode(77, false);
    QCOMPARE(control.GetContactAddress(), QString());
}

void TestEditingDelete::hostNotifications_data()
{
    // Steps of one session after a load without change flags: add, save,
    // edit (first row), update, cancel, del (the added row), reload (host),
    // flagged (host loads a text with a flag), readonly (host forbids).
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QList<int>>("signalCounts"); // modifiedChanged, editingChanged, contactsChanged

    QTest::newRow("adding") << u"add"_s << false << true << QList<int> { 0, 1, 0 };
    QTest::newRow("add then cancel") << u"add cancel"_s << false << false << QList<int> { 0, 2, 0 };
    QTest::newRow("added") << u"add save"_s << true << false << QList<int> { 1, 2, 1 };
    QTest::newRow("updated") << u"edit update"_s << true << false << QList<int> { 1, 2, 1 };
    QTest::newRow("added then deleted") << u"add save del"_s << false << false << QList<int> { 2, 2, 2 };
    QTest::newRow("host reload drops it") << u"add save reload"_s << false << false << QList<int> { 2, 2, 1 };
    QTest::newRow("flagged load") << u"flagged"_s << true << false << QList<int> { 1, 0, 0 };
    QTest::newRow("editing forbidden") << u"add save readonly"_s << false << false << QList<int> { 2, 2, 1 };
    QTest::newRow("forbidden while adding") << u"add readonly"_s << false << false << QList<int> { 0, 2, 0 };
}

void TestEditingDelete::hostNotifications()
{
    QFETCH(QString, steps);
    const QString clean =
        QStringLiteral("501|77|3|Main Office|12 Harbour Rd||Springfield|1|14|627-01|||||~^") + Types + u'^' + States;
    Panel panel;
    VendorContact &control = *panel.control;
    control.LetVendorIDNMode(77, true);
    loadText(control, clean);
    QSignalSpy modifiedSpy(&control, &VendorContact::modifiedChanged);
    QSignalSpy editingSpy(&control, &VendorContact::editingChanged);
    QSignalSpy contactsSpy(&control, &VendorContact::contactsChanged);

    const std::map<QString, std::function<void()>> actions {
        { u"add"_s, [&] { panel.click(panel.d->cmdAdd); } },
        { u"save"_s, [&] { panel.fillRequired(), panel.click(panel.d->cmdAdd); } },
        { u"edit"_s, [&] { panel.clickRow(0), panel.click(panel.d->cmdEdit); } },
        { u"update"_s, [&] { panel.click(panel.d->cmdAdd); } },
        { u"cancel"_s, [&] { panel.click(panel.d->cmdEdit); } },
        { u"del"_s, [&] { panel.clickRow(panel.rowOf(u"000-N"_s)), panel.click(panel.d->cmdDelete); } },
        { u"reload"_s, [&] { loadText(control, clean); } },
        { u"flagged"_s, [&] { loadText(control, workedExample()); } },
        { u"readonly"_s, [&] { control.LetVendorIDNMode(78, false); } },
    };
    for (const QString &step : steps.split(u' '))
        actions.at(step)();

    QTEST(control.isModified(), "modified");
    QTEST(control.property("editing").toBool(), "editing");
    QTEST(QList<int>({ int(modifiedSpy.size()), int(editingSpy.size()), int(contactsSpy.size()) }), "signalCounts");
    // The property is what the export says, and each signal carried the value.
    QCOMPARE(control.property("modified").toBool(), !control.GetContactAddress().isEmpty());
    if (!modifiedSpy.isEmpty())
        QCOMPARE(modifiedSpy.constLast().constFirst().toBool(), control.isModified());
    const bool forbidden = steps.endsWith(u"readonly");
    QCOMPARE(control.property("vendorId").toInt(), forbidden ? 78 : 77);
    QCOMPARE(control.property("editAllowed").toBool(), !forbidden);
}

QTEST_MAIN(TestEditingDelete)
#include "tst_editing_delete.moc"
