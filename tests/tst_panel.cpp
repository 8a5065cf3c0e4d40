// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The panel's layout and start-up: widgets, places, columns, tab order,
// colours, font, bullet picture, version caption, and a rendering.

#include "tst_panel_support.h"

#include <bullet.h>
#include <typinglimit.h>

#include <ZebVendorContact/version.h>

#include <QtCore/QDir>
#include <QtCore/QScopeGuard>
#include <QtGui/QPalette>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFrame>

using namespace TestSupport;
using ZebVendorContact::ContactListModel;

class TestPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void startUpState();
    void widgetPlaces_data();
    void widgetPlaces();
    void detailFields_data();
    void detailFields();
    void columns_data();
    void columns();
    void tabOrder();
    void combosCoverTheirTextBoxes();
    void versionCaption();
    void bulletPicture();
    void backgroundsFollowTheTheme();
    void focusIsVisible_data();
    void focusIsVisible();
    void captionsFitTheirLabels();
    void renderingAfterLoad();
    void shutDownWithoutLoad();
};

void TestPanel::startUpState()
{
    Panel panel;
    VendorContactPrivate *d = panel.d;

    QCOMPARE(panel.control->size(), QSize(484, 471));
    // A host's layout keeps it at that size.
    QCOMPARE(panel.control->sizePolicy(), QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed));
    QCOMPARE(d->state(), ZebVendorContact::PanelState::Browsing);

    QCOMPARE(d->cmdAdd->text(), QStringLiteral("Add"));
    QCOMPARE(d->cmdEdit->text(), QStringLiteral("Edit"));
    QCOMPARE(d->cmdDelete->text(), QStringLiteral("Delete"));
    QVERIFY(!d->cmdAdd->isEnabled());
    QVERIFY(!d->cmdEdit->isEnabled());
    QVERIFY(!d->cmdDelete->isEnabled());

    for (QLineEdit *box : d->txtContact) {
        QVERIFY(box->text().isEmpty());
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->palette().color(QPalette::Base), panel.control->palette().color(QPalette::Button));
    }
    QVERIFY(d->TxtContactType->text().isEmpty());
    QVERIFY(d->TxtContactType->isReadOnly());
    QCOMPARE(d->TxtContactType->palette().color(QPalette::Base), panel.control->palette().color(QPalette::Button));

    QCOMPARE(panel.model()->columnCount(), 15);
    QCOMPARE(panel.rows(), 0);
    QVERIFY(d->lstContacts->isEnabled());
    QCOMPARE(d->lstContacts->palette().color(QPalette::Base), panel.control->palette().color(QPalette::Base));

    QVERIFY(d->cboContactType->isVisible());
    QVERIFY(d->cboContactType->isEnabled());
    QCOMPARE(d->cboContactType->count(), 0);
    for (QComboBox *picker : { d->cboContactCountry, d->cboContactState }) {
        QVERIFY(picker->isHidden());
        QCOMPARE(picker->count(), 0);
        QCOMPARE(picker->palette().color(QPalette::Base), panel.control->palette().color(QPalette::Button));
    }
    QVERIFY(!d->contactData().store.isOpen());
    QVERIFY(!d->contactData().types.has_value());
}

void TestPanel::widgetPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");

    auto row = [](const char *name, int l, int t, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(name) << QRect(l, t, w, h);
    };
    row("frameVendorContact", 0, -90, 7260, 7155);
    row("lstContacts", 60, 165, 7110, 2250);
    row("lblType", 345, 2565, 945, 195);
    row("cboContactType", 1920, 2475, 4050, 315);
    row("TxtContactType", 1920, 2490, 4020, 285);
    row("frameContactAddress", 90, 2790, 7080, 3840);
    row("cmdAdd", 1950, 6705, 930, 360);
    row("cmdEdit", 3000, 6705, 930, 360);
    row("cmdDelete", 4035, 6705, 930, 360);
    row("lblVersionNumber", 120, 6780, 1830, 195);
    row("cboContactCountry", 1695, 1635, 2055, 315);
    row("cboContactState", 1695, 1995, 2055, 315);
    row("lblName", 255, 210, 825, 255);
    row("lblEmail", 240, 3450, 1095, 255);
    row("lblPhone2", 3840, 2760, 1095, 255);
    row("Label2", 3840, 3120, 1095, 255);
    row("imgBullet_7", 1410, 225, 180, 180);
    row("imgBullet_0", 1410, 585, 180, 180);
    row("imgBullet_2", 1410, 1305, 180, 180);
    row("imgBullet_3", 1410, 1665, 180, 180);
    row("imgBullet_4", 1410, 2025, 180, 180);
}

void TestPanel::widgetPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    Panel panel;
    auto *widget = panel.control->findChild<QWidget *>(name);
    QVERIFY(widget);
    const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
    QCOMPARE(widget->geometry(), pixels);
}

void TestPanel::detailFields_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QRect>("twips");

    auto row = [](int index, const char *label, const char *caption, int limit, int l, int t, int w) {
        QTest::addRow("txtContact_%d", index)
            << index << QString::fromLatin1(label) << QString::fromLatin1(caption) << limit << QRect(l, t, w, 285);
    };
    row(0, "lblName", "Name", 60, 1695, 210, 3075);
    row(1, "lblStreet1", "Street1", 30, 1695, 570, 3075);
    row(2, "lblStreet2", "Street2", 30, 1695, 930, 3075);
    row(3, "lblCity", "City", 30, 1695, 1290, 3075);
    row(4, "lblCountry", "Country", 30, 1695, 1650, 2055);
    row(5, "lblState", "State", 30, 1695, 2010, 2055);
    row(6, "lblPostalCode", "Postal Code", 10, 1695, 2370, 3075);
    row(7, "lblPhone", "Phone", 25, 1695, 2760, 1755);
    row(8, "lblFAX", "FAX", 20, 1695, 3090, 1755);
    row(9, "lblEmail", "E-Mail", 50, 1695, 3450, 5115);
    row(10, "lblPhone2", "Phone 2", 25, 5040, 2730, 1755);
    row(11, "Label2", "Cell", 25, 5040, 3090, 1755);
}

void TestPanel::detailFields()
{
    QFETCH(int, index);
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(int, limit);
    QFETCH(QRect, twips);
    Panel panel;

    auto *box = panel.control->findChild<QLineEdit *>(QStringLiteral("txtContact_%1").arg(index));
    QVERIFY(box);
    QCOMPARE(box, panel.txt(index));
    QCOMPARE(box->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    QCOMPARE(box->parentWidget(), panel.d->frameContactAddress);
    QCOMPARE(ZebVendorContact::typingLimit(box), limit);
    // The typing limit is no maxLength: that would cut program-set text.
    QCOMPARE(box->maxLength(), QLineEdit().maxLength());

    auto *labelWidget = panel.control->findChild<QLabel *>(label);
    QVERIFY(labelWidget);
    QCOMPARE(labelWidget->text(), caption);
    QCOMPARE(box->accessibleName(), caption);
}

void TestPanel::columns_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("header");
    QTest::addColumn<double>("widthTwips");

    const double w = 7110;
    const char *headers[] = { "AddressID", "ObjectID", "Contact Name", "Type", "Street1", "Street2", "City", "Country",
        "State", "PostalCode", "Phone", "FAX", "Email", "Phone 2", "Cell" };
    const double widths[] = { 0, 0, w / 2.1, w / 3.2, 0, 0, 0, 0, 0, 0, w / 5, 0, 0, w / 5, w / 5 };
    for (int column = 0; column < 15; ++column)
        QTest::newRow(headers[column]) << column << QString::fromLatin1(headers[column]) << widths[column];
}

void TestPanel::columns()
{
    QFETCH(int, column);
    QFETCH(QString, header);
    QFETCH(double, widthTwips);
    Panel panel;

    QCOMPARE(panel.d->listWidthTwips(), 7110);
    QCOMPARE(panel.model()->headerData(column, Qt::Horizontal).toString(), header);
    QCOMPARE(panel.d->columnWidthTwips(column), widthTwips);
    QHeaderView *view = panel.d->lstContacts->header();
    QCOMPARE(view->count(), 15);
    if (widthTwips == 0) {
        QVERIFY(view->isSectionHidden(column));
        QCOMPARE(view->sectionSize(column), 0);
    } else {
        QVERIFY(!view->isSectionHidden(column));
        QCOMPARE(view->sectionSize(column), qRound(widthTwips / 15));
    }
}

void TestPanel::tabOrder()
{
    Panel panel;
    VendorContactPrivate *d = panel.d;
    const QList<QWidget *> expected = {
        d->lstContacts,
        d->cboContactType,
        d->txtContact[0],
        d->txtContact[1],
        d->txtContact[2],
        d->txtContact[3],
        d->cboContactCountry,
        d->cboContactState,
        d->txtContact[6],
        d->txtContact[7],
        d->txtContact[10],
        d->txtContact[8],
        d->txtContact[11],
        d->txtContact[9],
        d->cmdAdd,
        d->cmdEdit,
        d->cmdDelete,
    };
    QList<QWidget *> chain;
    QWidget *widget = d->lstContacts;
    do {
        if (expected.contains(widget))
            chain << widget;
        widget = widget->nextInFocusChain();
    } while (widget != d->lstContacts);
    QCOMPARE(chain, expected);

    // Labels, frames, images and the boxes under the pickers take no focus.
    for (QWidget *covered : { d->txtContact[4], d->txtContact[5], static_cast<QLineEdit *>(d->TxtContactType) })
        QCOMPARE(covered->focusPolicy(), Qt::NoFocus);
    for (QLabel *label : panel.control->findChildren<QLabel *>())
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    QCOMPARE(d->frameContactAddress->focusPolicy(), Qt::NoFocus);
}

void TestPanel::combosCoverTheirTextBoxes()
{
    Panel panel;
    VendorContactPrivate *d = panel.d;
    auto stackIndex = [](QWidget *w) { return w->parentWidget()->children().indexOf(w); };
    QVERIFY(stackIndex(d->cboContactType) > stackIndex(d->TxtContactType));
    QVERIFY(stackIndex(d->cboContactCountry) > stackIndex(d->txtContact[4]));
    QVERIFY(stackIndex(d->cboContactState) > stackIndex(d->txtContact[5]));
    QCOMPARE(d->cboContactType->accessibleName(), QStringLiteral("Type"));
    QCOMPARE(d->cboContactCountry->accessibleName(), QStringLiteral("Country"));
    QCOMPARE(d->cboContactState->accessibleName(), QStringLiteral("State"));
    QCOMPARE(d->TxtContactType->accessibleName(), QStringLiteral("Type"));
    QCOMPARE(ZebVendorContact::typingLimit(d->TxtContactType), 40);
}

void TestPanel::versionCaption()
{
    // Major, minor and revision of the build's version, without leading
    // zeros: minor version 0 is "0", not "00".
    Panel panel;
    QCOMPARE(panel.d->lblVersionNumber->text(), QStringLiteral("Version number: " ZVC_CAPTION_VERSION));
}

void TestPanel::bulletPicture()
{
    const QImage image = ZebVendorContact::bulletPixmap(1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(12, 12));
    // Transparent around the disc and in the arrow, dark red elsewhere.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(11, 11)), 0);
    QCOMPARE(qAlpha(image.pixel(7, 5)), 0);
    QCOMPARE(QColor(image.pixel(6, 1)), QColor(128, 0, 0));
    QCOMPARE(QColor(image.pixel(3, 9)), QColor(128, 0, 0));

    Panel panel;
    for (QLabel *bullet : panel.d->imgBullet) {
        QCOMPARE(bullet->size(), QSize(12, 12));
        QVERIFY(!bullet->pixmap().isNull());
    }
}

void TestPanel::backgroundsFollowTheTheme()
{
    Panel panel;
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();

    QCOMPARE(panel.txt(0)->palette().color(QPalette::Base), QColor(60, 60, 60));
    QCOMPARE(panel.d->lstContacts->palette().color(QPalette::Base), QColor(30, 30, 30));
    QCOMPARE(panel.d->lstContacts->palette().color(QPalette::Text), QColor(230, 230, 230));
    QCOMPARE(panel.d->cboContactType->palette().color(QPalette::Base), QColor(30, 30, 30));
    // The required marks stay legible: a lighter red on the dark window.
    const QImage bullet = panel.d->imgBullet[0]->pixmap().toImage();
    QVERIFY(ZebVendorContact::contrastRatio(bullet.pixelColor(bullet.width() / 2, 1), QColor(45, 45, 48)) >= 3.0);

    QApplication::setPalette(original);
    QCoreApplication::processEvents();
    QCOMPARE(panel.txt(0)->palette().color(QPalette::Base), original.color(QPalette::Button));
}

void TestPanel::focusIsVisible_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("adding");
    // The list empty: styles mark an item view's focus only on its rows.
    const std::pair<const char *, bool> widgets[] = { { "lstContacts", false }, { "cboContactType", false },
        { "cmdAdd", false }, { "cboContactCountry", true }, { "cmdEdit", true } };
    for (const bool dark : { false, true }) {
        for (auto [name, adding] : widgets)
            QTest::addRow("%s, %s", name, dark ? "dark" : "light") << QString::fromLatin1(name) << dark << adding;
    }
}

void TestPanel::focusIsVisible()
{
    QFETCH(QString, name);
    QFETCH(bool, dark);
    QFETCH(bool, adding);
    const QPalette original = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(original); });
    QPalette palette = original;
    for (auto role : { QPalette::Window, QPalette::Base, QPalette::Button })
        palette.setColor(role, dark ? QColor(40, 40, 40) : QColor(Qt::white));
    for (auto role : { QPalette::Text, QPalette::WindowText, QPalette::ButtonText })
        palette.setColor(role, dark ? QColor(230, 230, 230) : QColor(Qt::black));
    QApplication::setPalette(palette);
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    if (adding)
        panel.click(panel.d->cmdAdd);
    panel.control->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(panel.control.get()));
    panel.control->setAttribute(Qt::WA_KeyboardFocusChange); // as after the Tab key
    auto *widget = panel.control->findChild<QWidget *>(name);
    panel.control->setFocus();
    const QImage without = widget->grab().toImage();
    widget->setFocus(Qt::TabFocusReason);
    const QImage with = widget->grab().toImage();

    // A mark of real contrast along at least half of the widget's edge.
    int marked = 0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x)
            marked += ZebVendorContact::contrastRatio(with.pixelColor(x, y), without.pixelColor(x, y)) >= 2.0;
    }
    QVERIFY2(marked >= widget->width() + widget->height(), qPrintable(QString::number(marked)));
}

void TestPanel::captionsFitTheirLabels()
{
    Panel panel;
    loadText(*panel.control, workedExample());
    const QFontMetrics metrics(panel.control->font());
    for (QLabel *label : panel.control->findChildren<QLabel *>()) {
        if (!label->pixmap().isNull())
            continue;
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(), qPrintable(label->objectName()));
        QVERIFY2(metrics.height() <= label->height(), qPrintable(label->objectName()));
    }
    for (QPushButton *button : panel.control->findChildren<QPushButton *>()) {
        for (const QString &caption : { QStringLiteral("Update"), QStringLiteral("Cancel"), QStringLiteral("Delete") })
            QVERIFY(metrics.horizontalAdvance(caption) + 8 <= button->width());
    }
    // Entries show a whole line of text.
    for (QLineEdit *box : panel.d->txtContact)
        QVERIFY(box->fontMetrics().height() <= box->height() - 4);
}

void TestPanel::renderingAfterLoad()
{
    // What the panel draws, not only what its widgets hold: the clicked row
    // highlighted, the list's background white while browsing and grey while
    // editing, the country picker drawn over its text box while editing.
    Panel panel;
    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, workedExample());
    QTreeView *list = panel.d->lstContacts;
    const QRect row(
        list->viewport()->mapTo(panel.control.get(), list->visualRect(panel.model()->index(0, 2)).topLeft()),
        list->visualRect(panel.model()->index(0, 2)).size());
    const QPoint belowTheRows = row.center() + QPoint(0, 4 * row.height());
    const QRect country = panel.d->cboContactCountry->geometry().translated(
        panel.d->frameContactAddress->mapTo(panel.control.get(), QPoint()));
    const QImage before = panel.control->grab().toImage();
    panel.clickRow(0);
    const QImage browsing = panel.control->grab().toImage();
    panel.click(panel.d->cmdEdit);
    const QImage editing = panel.control->grab().toImage();

    const qreal ratio = browsing.devicePixelRatio();
    auto part = [ratio](const QImage &image, const QRect &rect) {
        return image.copy(QRect((QPointF(rect.topLeft()) * ratio).toPoint(), (QSizeF(rect.size()) * ratio).toSize()));
    };
    auto pixel = [ratio](const QImage &image, QPoint point) {
        return image.pixelColor((QPointF(point) * ratio).toPoint());
    };
    const QPalette palette = panel.control->palette();
    QVERIFY(part(before, row) != part(browsing, row));
    QCOMPARE(pixel(browsing, belowTheRows), palette.color(QPalette::Active, QPalette::Base));
    QCOMPARE(pixel(editing, belowTheRows), palette.color(QPalette::Disabled, QPalette::Button));
    QVERIFY(part(browsing, country) != part(editing, country));
}

void TestPanel::shutDownWithoutLoad()
{
    // A store that was never opened is released without being closed.
    auto control = std::make_unique<VendorContact>();
    QVERIFY(!VendorContactPrivate::get(control.get())->contactData().store.isOpen());
    control.reset();

    // A loaded one is closed first; from then on nothing reaches a handler,
    // though the widgets still send their last signals.
    Panel panel;
    loadText(*panel.control, workedExample());
    panel.clickRow(0);
    const int rows = panel.rows();
    panel.d->UserControl_Terminate();
    QVERIFY(!panel.d->contactData().store.isOpen());
    panel.d->cboContactType->setCurrentIndex(1);
    QCOMPARE(panel.rows(), rows);
    QCOMPARE(panel.txt(0)->text(), QStringLiteral("Main Office"));
    panel.control.reset();
}

QTEST_MAIN(TestPanel)
#include "tst_panel.moc"
