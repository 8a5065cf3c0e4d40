// Faults the fuzz harnesses and the randomized sessions found, each pinned
// down by the shortest sequence that showed it; and every input of the fuzz
// seed corpora (which keeps each crash input the fuzzers found) replayed
// through the harnesses' own checks.

#include <checks.h>
#include <fuzzinput.h>

#include <contactlistmodel.h>
#include <messageboxes.h>
#include <vendorcontact_p.h>

#include <ZebVendorContact/vendorcontact.h>

#include <QtCore/QDir>
#include <QtCore/QDirIterator>
#include <QtCore/QFile>
#include <QtCore/QThread>
#include <QtTest/QTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeView>

#include <memory>
#include <optional>
#include <stdexcept>

using namespace ZebVendorContact;

namespace {

/// Answers every question with Yes and every notice with OK.
class YesAnswers final : public MessageBoxes
{
public:
    QMessageBox::StandardButton show(QWidget *, const MessageBoxRequest &request) override
    {
        return request.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    }
};

struct Control
{
    std::unique_ptr<VendorContact> control = std::make_unique<VendorContact>();
    VendorContactPrivate *d = VendorContactPrivate::get(control.get());

    Control()
    {
        d->setMessageBoxes(std::make_unique<YesAnswers>());
        control->show();
    }

    void load(const QString &text)
    {
        control->LetContactAddress(text, QStringLiteral("|"), QStringLiteral("~"), QStringLiteral("^"));
    }

    void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    void clickRow(int row)
    {
        const QModelIndex index = d->listModel()->index(row, 2);
        d->lstContacts->scrollTo(index);
        QTest::mouseClick(d->lstContacts->viewport(), Qt::LeftButton, {}, d->lstContacts->visualRect(index).center());
    }

    void fillRequired()
    {
        QTest::keyClicks(d->txtContact[0], QStringLiteral("Name"));
        QTest::keyClicks(d->txtContact[1], QStringLiteral("Street"));
        QTest::keyClicks(d->txtContact[3], QStringLiteral("City"));
        d->cboContactCountry->setCurrentIndex(1);
    }

    QString captions() const { return d->cmdAdd->text() + u'/' + d->cmdEdit->text(); }

    bool browsingLook() const
    {
        return d->lstContacts->isEnabled() && d->cboContactCountry->isHidden() && d->cboContactState->isHidden() &&
            !d->cboContactType->isHidden();
    }
};

const QString WorkedExample =
    QStringLiteral("501|77|3|Main Office|12 Harbour Rd||Springfield|1|14|627-01|555-12-34|555-12-35|||"
                   "~502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77|S~"
                   "^3|Head office~5|Shipping~"
                   "^14|1|IL|Illinois~63|2|ON|Ontario~");

// The type's id column is not a number.
const QString MalformedTypeId = QStringLiteral("^3x|Head office~^14|1|IL|Illinois~");

[[noreturn]] void throwFuzzFailure(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

} // namespace

class TestRegressions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void reloadWhileEditingKeepsCancel_data();
    void reloadWhileEditingKeepsCancel();
    void addressSavedAfterReloadShowsUnderItsType();
    void deletingTheEditedOnlyRowKeepsCancel();
    void malformedTypeIdLeavesWholeBrowsingLook_data();
    void malformedTypeIdLeavesWholeBrowsingLook();
    void callFromAnotherThreadTouchesNothing_data();
    void callFromAnotherThreadTouchesNothing();

    void exchangeCorpus_data();
    void exchangeCorpus();
    void panelCorpus_data();
    void panelCorpus();

private:
    void addCorpusRows();
};

void TestRegressions::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Fuzz::setFuzzFailureHook(throwFuzzFailure);
}

void TestRegressions::reloadWhileEditingKeepsCancel_data()
{
    QTest::addColumn<bool>("editing");
    QTest::newRow("adding") << false;
    QTest::newRow("editing") << true;
}

void TestRegressions::reloadWhileEditingKeepsCancel()
{
    // A host that reloads while the user adds or edits rebuilt the list with
    // the browsing rules for the buttons, which disabled Cancel: the panel
    // had no way back to browsing, and with a single-address type that
    // already had its address Save was disabled too.
    QFETCH(bool, editing);
    Control c;
    c.control->LetVendorIDNMode(77, true);
    c.load(WorkedExample);
    if (editing) {
        c.clickRow(0);
        c.click(c.d->cmdEdit);
        QCOMPARE(c.captions(), QStringLiteral("Update/Cancel"));
    } else {
        c.click(c.d->cmdAdd);
        QCOMPARE(c.captions(), QStringLiteral("Save/Cancel"));
    }

    c.load(WorkedExample);
    QVERIFY(c.d->cmdEdit->isEnabled());
    // The rebuilt list has no selected row: nothing to delete.
    QVERIFY(!c.d->cmdDelete->isEnabled());
    c.click(c.d->cmdEdit);
    QCOMPARE(c.captions(), QStringLiteral("Add/Edit"));
    QVERIFY(c.browsingLook());
}

void TestRegressions::addressSavedAfterReloadShowsUnderItsType()
{
    // The user adds a "Head office" address; meanwhile the host reloads and
    // the list now shows "Shipping". The saved address was appended to that
    // list although it is not a shipping address.
    Control c;
    c.control->LetVendorIDNMode(77, true);
    c.load(WorkedExample);
    QCOMPARE(c.d->cboContactType->currentText(), QStringLiteral("Head office"));
    c.click(c.d->cmdAdd);
    c.load(QStringLiteral("502|77|5|Warehouse|4 Dock St||Toronto|2|63~^5|Shipping~3|Head office~^14|1|IL|Illinois~"));
    QCOMPARE(c.d->cboContactType->currentText(), QStringLiteral("Shipping"));
    c.fillRequired();
    c.click(c.d->cmdAdd);
    QCOMPARE(c.captions(), QStringLiteral("Add/Edit"));

    QCOMPARE(c.d->listModel()->rowCount(), 1);
    QCOMPARE(c.d->listModel()->text(0, 0), u"502");
    // Saved all the same, with the type the user added it under.
    QVERIFY(c.control->GetContactAddress().startsWith(u"000-N|77|3|Name|Street||City|1|14|"));
    c.d->cboContactType->setCurrentIndex(1);
    QCOMPARE(c.d->listModel()->rowCount(), 1);
    QCOMPARE(c.d->listModel()->text(0, 0), u"000-N");
}

void TestRegressions::deletingTheEditedOnlyRowKeepsCancel()
{
    // Delete while editing an address added in the panel, the list's only
    // row: Cancel was disabled, and Update, finding no row, kept the panel
    // editing. The user could never leave editing.
    Control c;
    c.control->LetVendorIDNMode(77, true);
    c.load(QStringLiteral("^3|Head office~^14|1|IL|Illinois~"));
    c.click(c.d->cmdAdd);
    c.fillRequired();
    c.click(c.d->cmdAdd);
    QCOMPARE(c.d->listModel()->rowCount(), 1);
    c.clickRow(0);
    c.click(c.d->cmdEdit);
    QVERIFY(c.d->cmdDelete->isEnabled());
    c.click(c.d->cmdDelete);
    QCOMPARE(c.d->listModel()->rowCount(), 0);
    QCOMPARE(c.captions(), QStringLiteral("Update/Cancel"));

    QVERIFY(c.d->cmdEdit->isEnabled());
    c.click(c.d->cmdEdit);
    QCOMPARE(c.captions(), QStringLiteral("Add/Edit"));
    QVERIFY(c.browsingLook());
    QVERIFY(c.d->cmdAdd->isEnabled());
}

void TestRegressions::malformedTypeIdLeavesWholeBrowsingLook_data()
{
    QTest::addColumn<bool>("hostForbids");
    QTest::newRow("Cancel") << false;
    QTest::newRow("host forbids editing") << true;
}

void TestRegressions::malformedTypeIdLeavesWholeBrowsingLook()
{
    // Going back to browsing looks the shown type's id up; a type table whose
    // id is not a number made that fail half-way: browsing captions over a
    // disabled list and visible country and state pickers, and with the
    // host's LetVendorIDNMode(false) the Add button left enabled although
    // editing was no longer allowed.
    QFETCH(bool, hostForbids);
    Control c;
    c.control->LetVendorIDNMode(77, true);
    c.load(MalformedTypeId);
    c.click(c.d->cmdAdd);
    QCOMPARE(c.captions(), QStringLiteral("Save/Cancel"));

    if (hostForbids) {
        // The host may hear of its bad table; the panel must be whole.
        try {
            c.control->LetVendorIDNMode(77, false);
        } catch (const Error &) {
        }
        QVERIFY(!c.d->cmdAdd->isEnabled());
        QVERIFY(!c.d->cmdEdit->isEnabled());
        QVERIFY(!c.d->cmdDelete->isEnabled());
    } else {
        c.click(c.d->cmdEdit);
    }
    QCOMPARE(c.captions(), QStringLiteral("Add/Edit"));
    QVERIFY(c.browsingLook());
}

void TestRegressions::addCorpusRows()
{
    QTest::addColumn<QString>("file");
    QDirIterator files(QStringLiteral(ZVC_FUZZ_CORPUS_DIR), QDir::Files, QDirIterator::Subdirectories);
    QStringList paths;
    while (files.hasNext())
        paths << files.next();
    paths.sort();
    for (const QString &path : std::as_const(paths))
        QTest::newRow(qPrintable(QDir(QStringLiteral(ZVC_FUZZ_CORPUS_DIR)).relativeFilePath(path))) << path;
}

void TestRegressions::callFromAnotherThreadTouchesNothing_data()
{
    QTest::addColumn<QString>("member"); // the last one reports nothing by design, so it only logs
    QTest::newRow("GetContactAddress") << QStringLiteral("GetContactAddress");
    QTest::newRow("LetVendorIDNMode") << QStringLiteral("LetVendorIDNMode");
    QTest::newRow("LetContactAddress") << QStringLiteral("LetContactAddress");
}

void TestRegressions::callFromAnotherThreadTouchesNothing()
{
    QFETCH(QString, member);
    Control panel;
    panel.control->LetVendorIDNMode(77, true);
    panel.load(WorkedExample);
    const auto state = [&] { return std::pair(panel.d->listModel()->rowCount(), panel.d->cmdEdit->isEnabled()); };
    const auto before = state();
    std::optional<Error::Code> refusal;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            if (member == u"GetContactAddress") {
                panel.control->GetContactAddress();
            } else if (member == u"LetVendorIDNMode") {
                panel.control->LetVendorIDNMode(1, false);
            } else {
                QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(member + u" was called from a thread other"));
                panel.load(QString());
            }
        } catch (const Error &failure) {
            refusal = failure.code();
        }
    }));
    worker->start();
    QVERIFY(worker->wait(10000));
    QCOMPARE(refusal, member == u"LetContactAddress" ? std::nullopt : std::optional(Error::Code::WrongThread));
    QCOMPARE(state(), before);
}

void TestRegressions::exchangeCorpus_data()
{
    addCorpusRows();
}

void TestRegressions::exchangeCorpus()
{
    QFETCH(QString, file);
    QFile input(file);
    QVERIFY(input.open(QIODevice::ReadOnly));
    const QByteArray bytes = input.readAll();
    try {
        Fuzz::checkExchangeInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
    } catch (const std::runtime_error &failure) {
        QFAIL(failure.what());
    }
}

void TestRegressions::panelCorpus_data()
{
    addCorpusRows();
}

void TestRegressions::panelCorpus()
{
    QFETCH(QString, file);
    QFile input(file);
    QVERIFY(input.open(QIODevice::ReadOnly));
    const QByteArray bytes = input.readAll();
    try {
        Fuzz::checkPanelInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
    } catch (const std::runtime_error &failure) {
        QFAIL(failure.what());
    }
}

QTEST_MAIN(TestRegressions)
#include "tst_regressions.moc"
