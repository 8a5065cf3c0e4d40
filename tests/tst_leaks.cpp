// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Leak checks: controls created, loaded, edited and destroyed in numbers
// leave no objects and no memory behind, and a long-lived control's store
// does not grow over repeated loads and edits. The sanitizer build runs the
// same cycles under LeakSanitizer, which reports any allocation left at exit.
//
// ZVC_LEAK_CYCLES sets the number of controls (1000).

#include "tst_panel_support.h"

#include <QtCore/QSet>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeView>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <memory>

using namespace ZebVendorContact;

namespace {

#if defined(__SANITIZE_ADDRESS__)
#define ZVC_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZVC_UNDER_ASAN 1
#endif
#endif

constexpr int DefaultCycles = 1000;

int cycles()
{
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("ZVC_LEAK_CYCLES", &ok);
    return ok && count > 0 ? count : DefaultCycles;
}

void countTree(const QObject *object, QSet<const QObject *> &seen)
{
    if (seen.contains(object))
        return;
    seen.insert(object);
    for (const QObject *child : object->children())
        countTree(child, seen);
}

/// Every object reachable from the application and its top-level widgets.
int liveObjects()
{
    QSet<const QObject *> seen;
    countTree(QCoreApplication::instance(), seen);
    for (const QWidget *widget : QApplication::topLevelWidgets())
        countTree(widget, seen);
    return int(seen.size());
}

void clickRow(VendorContactPrivate *d, int row)
{
    const QModelIndex index = d->listModel()->index(row, 2);
    d->lstContacts->scrollTo(index);
    QTest::mouseClick(d->lstContacts->viewport(), Qt::LeftButton, {}, d->lstContacts->visualRect(index).center());
}

void fillRequired(VendorContactPrivate *d)
{
    QTest::keyClicks(d->txtContact[0], QStringLiteral("Name"));
    QTest::keyClicks(d->txtContact[1], QStringLiteral("Street"));
    QTest::keyClicks(d->txtContact[3], QStringLiteral("City"));
    d->cboContactCountry->setCurrentIndex(1);
}

/// What a user and a host do with one control: load, edit an address, add
/// one, delete it again, switch types, export. Returns the export.
QString workWith(VendorContact &control)
{
    VendorContactPrivate *d = VendorContactPrivate::get(&control);
    // Questions answered Yes, notices OK.
    d->setMessageBoxes(std::make_unique<TestSupport::ScriptedMessageBoxes>(
        std::make_shared<TestSupport::ScriptedMessageBoxes::Shared>()));
    control.LetVendorIDNMode(77, true);
    TestSupport::loadText(control, WorkedExample::load());

    clickRow(d, 0);
    QTest::mouseClick(d->cmdEdit, Qt::LeftButton);
    QTest::keyClicks(d->txtContact[3], QStringLiteral(" North"));
    QTest::mouseClick(d->cmdAdd, Qt::LeftButton);

    QTest::mouseClick(d->cmdAdd, Qt::LeftButton);
    fillRequired(d);
    QTest::mouseClick(d->cmdAdd, Qt::LeftButton);
    clickRow(d, d->listModel()->rowCount() - 1);
    QTest::mouseClick(d->cmdDelete, Qt::LeftButton);

    d->cboContactType->setCurrentIndex(1);
    clickRow(d, 0);
    const QString exported = control.GetContactAddress();
    control.LetVendorIDNMode(77, false);
    return exported;
}

/// The export of workWith(): the edited address and the one loaded flagged,
/// the added address deleted again.
const QString WorkedExport =
    QStringLiteral("501|77|3|Main Office|12 Harbour Rd||Springfield North|1|14|627-01|555-12-34|555-12-35|||~"
                   "502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77~");

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

qint64 heapInUse()
{
#if defined(__GLIBC__) && !defined(ZVC_UNDER_ASAN)
    return qint64(mallinfo2().uordblks);
#else
    return -1; // LeakSanitizer checks instead
#endif
}

} // namespace

class TestLeaks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void controlsLeaveNothingBehind_data();
    void controlsLeaveNothingBehind();
    void storeDoesNotGrowOverReloads();
};

void TestLeaks::controlsLeaveNothingBehind_data()
{
    QTest::addColumn<bool>("inHostForm");
    QTest::newRow("top-level control") << false;
    QTest::newRow("control in a host form") << true;
}

void TestLeaks::controlsLeaveNothingBehind()
{
    QFETCH(bool, inHostForm);
    auto cycle = [inHostForm] {
        QString exported;
        if (inHostForm) {
            // The host destroys its form; the control goes with it.
            auto form = std::make_unique<QWidget>();
            auto *control = new VendorContact(form.get());
            form->show();
            exported = workWith(*control);
        } else {
            VendorContact control;
            control.show();
            exported = workWith(control);
        }
        settle();
        return exported;
    };

    // The cycle does what it says.
    QCOMPARE(cycle(), WorkedExport);
    // Qt builds its caches (fonts, styles, platform windows) on first use.
    for (int i = 0; i < 3; ++i)
        cycle();
    const int objectsBefore = liveObjects();
    const int widgetsBefore = int(QApplication::allWidgets().size());

    // The heap is compared between the middle and the end: Qt fills some
    // caches once during the first hundreds of windows, a leak grows with
    // every control.
    const int count = cycles();
    for (int i = 0; i < count / 2; ++i)
        cycle();
    const qint64 heapInTheMiddle = heapInUse();
    for (int i = count / 2; i < count; ++i)
        cycle();

    QCOMPARE(liveObjects(), objectsBefore);
    QCOMPARE(int(QApplication::allWidgets().size()), widgetsBefore);
    if (heapInTheMiddle >= 0) {
        // Leaking a single short QString per control would show as about
        // 20 KB over 500 controls; allocator bookkeeping moves by far less.
        const qint64 growth = heapInUse() - heapInTheMiddle;
        QVERIFY2(growth < 8 * 1024,
            qPrintable(
                QStringLiteral("heap grew by %1 bytes over the last %2 controls").arg(growth).arg(count - count / 2)));
    }
}

void TestLeaks::storeDoesNotGrowOverReloads()
{
    VendorContact control;
    control.show();
    VendorContactPrivate *d = VendorContactPrivate::get(&control);
    QCOMPARE(workWith(control), WorkedExport);
    const qsizetype storeBytes = d->contactData().store.heapBytes();
    const int objects = liveObjects();

    for (int i = 0; i < cycles(); ++i)
        workWith(control);
    settle();

    QCOMPARE(d->contactData().store.heapBytes(), storeBytes);
    QCOMPARE(liveObjects(), objects);
}

QTEST_MAIN(TestLeaks)
#include "tst_leaks.moc"
