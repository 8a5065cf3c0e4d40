// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Faults the fuzz harnesses and the randomized sessions found, each pinned
// down by the shortest sequence that showed it; and every input of the fuzz
// seed corpora (which keeps each crash input the fuzzers found) replayed
// through the harnesses' own checks.

#include <checks.h>
#include <fuzzinput.h>

#include "tst_panel_support.h"

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

using TestSupport::Panel;

/// The whole browsing look: the list usable, the type picker shown over the
/// hidden country and state pickers.
bool browsingLook(const Panel &panel)
{
    VendorContactPrivate *d = panel.d;
    return d->lstContacts->isEnabled() && d->cboContactCountry->isHidden() && d->cboContactState->isHidden() &&
        !d->cboContactType->isHidden();
}

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

void TestRegressions::deletingTheEditedOnlyRowKeepsCancel()
{
    // Delete while editing an address added in the panel, the list's only
    // row: Cancel was disabled, and Update, finding no row, kept the panel
    // editing. The user could never leave editing.
    Panel c;
    c.control->LetVendorIDNMode(77, true);
    TestSupport::loadText(*c.control, QStringLiteral("^3|Head office~^14|1|IL|Illinois~"));
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
    QVERIFY(browsingLook(c));
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
    Panel c;
    c.control->LetVendorIDNMode(77, true);
    TestSupport::loadText(*c.control, MalformedTypeId);
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
    QVERIFY(browsingLook(c));
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
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    TestSupport::loadText(*panel.control, WorkedExample::load());
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
                TestSupport::loadText(*panel.control, QString());
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
