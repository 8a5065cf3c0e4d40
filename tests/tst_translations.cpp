// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The panel in German, French and Spanish: the catalogs load, every caption
// fits its widget, and a switch of language in the middle of an edit keeps
// what the user typed and changes nothing the host gets back.

#include "tst_panel_support.h"

#include <paneltexts.h>

#include <QtWidgets/QApplication>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleOptionButton>
#include <QtWidgets/QStyleOptionComboBox>

using namespace TestSupport;
using ZebVendorContact::PanelState;

namespace {

void switchLanguage(const QString &name, bool available = true)
{
    QCOMPARE(ZebVendorContact::loadTranslations(QLocale(name)), available);
    // Widgets hear of a new catalog through posted events.
    QCoreApplication::processEvents();
}

int contentsWidth(QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

int contentsWidth(QComboBox *picker)
{
    QStyleOptionComboBox option;
    option.initFrom(picker);
    return picker->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, picker).width();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { switchLanguage(QStringLiteral("en")); }

    void catalogs_data();
    void catalogs();
    void captionsFit_data();
    void captionsFit();
    void switchMidEdit_data();
    void switchMidEdit();
};

void TestTranslations::catalogs_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("available");
    QTest::addColumn<QString>("add");
    // The questions' buttons are Qt's own texts: Qt's catalog comes along.
    QTest::addColumn<QString>("yes");

    auto row = [](const char *name, const char *locale, bool available, const char *add, const char *yes) {
        QTest::newRow(name) << QString::fromLatin1(locale) << available << QString::fromLatin1(add)
                            << QString::fromUtf8(yes);
    };
    row("English", "en_US", true, "Add", "&Yes");
    row("German", "de_DE", true, "Neu", "&Ja");
    row("Austrian German", "de_AT", true, "Neu", "&Ja");
    row("French (Canada)", "fr_CA", true, "Nouveau", "&Oui");
    row("Spanish (Mexico)", "es_MX", true, "Agregar", "&Sí");
    // No catalog: English, not the language loaded before.
    row("Japanese", "ja_JP", false, "Add", "&Yes");
}

void TestTranslations::catalogs()
{
    QFETCH(QString, locale);
    QFETCH(bool, available);
    QFETCH(QString, add);
    QFETCH(QString, yes);

    Panel panel;
    switchLanguage(QStringLiteral("de"));
    switchLanguage(locale, available);
    QCOMPARE(panel.d->cmdAdd->text(), add);
    QMessageBox question;
    question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question.button(QMessageBox::Yes)->text(), yes);
}

void TestTranslations::captionsFit_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : { "en", "de", "fr", "es" })
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestTranslations::captionsFit()
{
    QFETCH(QString, language);

    Panel panel;
    const int englishFont = panel.control->font().pixelSize();
    switchLanguage(language);
    // Translations are made to fit: the font stays the one English gets.
    QCOMPARE(panel.control->font().pixelSize(), englishFont);

    panel.control->LetVendorIDNMode(77, true);
    loadText(*panel.control, workedExample());
    panel.clickRow(0);
    VendorContactPrivate *d = panel.d;
    const QFontMetrics metrics(panel.control->font());
    auto fits = [&](const QString &text, int width, const QString &where) {
        QVERIFY2(metrics.horizontalAdvance(text) <= width,
            qPrintable(QStringLiteral("%1: \"%2\" needs %3 of %4 pixels")
                           .arg(where, text)
                           .arg(metrics.horizontalAdvance(text))
                           .arg(width)));
    };

    for (QLabel *label : panel.control->findChildren<QLabel *>()) {
        if (!label->pixmap().isNull())
            continue;
        fits(label->text(), label->contentsRect().width(), label->objectName());
        // The text as drawn keeps at least a pixel from every neighbour (the
        // version caption from Add, a label from its entry or mark).
        const QRect text = label->fontMetrics()
                               .boundingRect(label->contentsRect(), int(label->alignment()), label->text())
                               .translated(label->pos())
                               .adjusted(-1, -1, 1, 1);
        for (QWidget *sibling : label->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(sibling == label || !sibling->geometry().intersects(text),
                qPrintable(label->objectName() + QStringLiteral(" touches ") + sibling->objectName()));
        }
    }
    QHeaderView *header = d->lstContacts->header();
    const int headerMargins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int column = 0; column < header->count(); ++column) {
        if (!header->isSectionHidden(column)) {
            fits(panel.model()->headerData(column, Qt::Horizontal).toString(),
                header->sectionSize(column) - headerMargins, QStringLiteral("header %1").arg(column));
        }
    }
    // The captions of every state: browsing, adding, editing.
    namespace Texts = ZebVendorContact::PanelTexts;
    for (PanelState state : { PanelState::Browsing, PanelState::Adding, PanelState::Editing }) {
        fits(Texts::addCaption(state), contentsWidth(d->cmdAdd), QStringLiteral("cmdAdd"));
        fits(Texts::editCaption(state), contentsWidth(d->cmdEdit), QStringLiteral("cmdEdit"));
    }
    fits(d->cmdDelete->text(), contentsWidth(d->cmdDelete), QStringLiteral("cmdDelete"));
    // Drawn for the screen's density, so not blurred by scaling.
    for (QLabel *bullet : d->imgBullet)
        QCOMPARE(bullet->pixmap().devicePixelRatio(), bullet->devicePixelRatioF());
    for (int code = 0; code < d->cboContactCountry->count(); ++code)
        fits(d->cboContactCountry->itemText(code), contentsWidth(d->cboContactCountry), QStringLiteral("country"));
}

void TestTranslations::switchMidEdit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("adding");
    QTest::addColumn<QString>("captions");
    QTest::addColumn<QString>("country");

    auto row = [](const char *name, const char *language, bool adding, const char *captions, const char *country) {
        QTest::newRow(name) << QString::fromUtf8(language) << adding << QString::fromUtf8(captions)
                            << QString::fromUtf8(country);
    };
    row("German, adding", "de", true, "Anlegen/Abbrechen", "USA");
    row("German, editing", "de", false, "Speichern/Abbrechen", "USA");
    row("French, adding", "fr", true, "Ajouter/Annuler", "États-Unis");
    row("Spanish, editing", "es", false, "Actualizar/Cancelar", "Estados Unidos");
}

void TestTranslations::switchMidEdit()
{
    QFETCH(QString, language);
    QFETCH(bool, adding);
    QFETCH(QString, captions);
    QFETCH(QString, country);

    // The same session twice: once in English throughout, once switching to
    // the other language while the entries are half typed. The host must get
    // back the same text to the byte.
    QString exports[2];
    for (const bool switching : { false, true }) {
        Panel panel;
        VendorContactPrivate *d = panel.d;
        panel.control->LetVendorIDNMode(77, true);
        loadText(*panel.control, workedExample());
        panel.clickHeader(2);
        panel.clickRow(0);
        panel.click(adding ? d->cmdAdd : d->cmdEdit);
        if (adding)
            panel.fillRequired();
        // Typed as an input method would put it in.
        panel.txt(3)->selectAll();
        panel.txt(3)->insert(QStringLiteral("Québec"));
        const QStringList typed = panel.detailTexts();
        const int state = d->cboContactState->currentIndex();

        if (switching) {
            switchLanguage(language);
            QCOMPARE(panel.captions(), captions);
            QCOMPARE(d->cboContactCountry->currentText(), country);
            // Only the country's name, shown under the picker, follows.
            QStringList expected = typed;
            if (!adding)
                expected[4] = country;
            QCOMPARE(panel.detailTexts(), expected);
            QCOMPARE(d->cboContactState->currentIndex(), state);
            QCOMPARE(d->state(), adding ? PanelState::Adding : PanelState::Editing);
            QCOMPARE(panel.model()->sortOrder(), Qt::DescendingOrder);
            QCOMPARE(d->selectedRow(), 0);
        }
        panel.click(d->cmdAdd);
        QCOMPARE(d->state(), PanelState::Browsing);
        exports[switching] = panel.GetChanges();
        switchLanguage(QStringLiteral("en"));
    }
    QVERIFY(exports[0].contains(QStringLiteral("|Québec|1|")));
    QCOMPARE(exports[1], exports[0]);
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
