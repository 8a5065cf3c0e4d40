// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "appearance.h"

#include <ZebVendorContact/VendorContact>

#include <QtCore/QEvent>
#include <QtCore/QLibraryInfo>
#include <QtCore/QLocale>
#include <QtCore/QPointer>
#include <QtCore/QTranslator>
#include <QtGui/QAction>
#include <QtGui/QActionGroup>
#include <QtGui/QPalette>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenu>
#include <QtWidgets/QStyleFactory>

namespace VendorContactHost {

namespace {

struct Language
{
    const char *code;
    const char *name; //!< in the language itself, as language menus show them
};

const Language Languages[] = {
    { "en", "English" },
    { "de", "Deutsch" },
    { "fr", "Français" },
    { "es", "Español" },
};

QPalette darkPalette()
{
    const QColor window(45, 45, 48);
    const QColor base(30, 30, 30);
    const QColor text(230, 230, 230);
    const QColor disabledText(128, 128, 128);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(60, 60, 63));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(38, 110, 190));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabledText);
    palette.setColor(QPalette::Light, QColor(80, 80, 84));
    palette.setColor(QPalette::Midlight, QColor(70, 70, 74));
    palette.setColor(QPalette::Mid, QColor(50, 50, 53));
    palette.setColor(QPalette::Dark, QColor(25, 25, 27));
    palette.setColor(QPalette::Shadow, Qt::black);
    for (auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    palette.setColor(QPalette::Disabled, QPalette::Button, window);
    return palette;
}

// Replaces the catalog held in `catalog` by `name` for `locale` from
// `folder`; none when there is no such catalog (English then).
void replaceCatalog(QPointer<QTranslator> &catalog, const QLocale &locale, const QString &name, const QString &folder)
{
    if (catalog) {
        QCoreApplication::removeTranslator(catalog);
        delete catalog;
    }
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return;
    auto *translator = new QTranslator(qApp);
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        catalog = translator;
    } else {
        delete translator;
    }
}

// Qt's own words (the message boxes' buttons, the entries' context menus)
// and the host's own follow the control's language; the host owns these
// catalogs.
void loadHostCatalogs(const QLocale &locale)
{
    static QPointer<QTranslator> qtCatalog;
    static QPointer<QTranslator> hostCatalog;
    replaceCatalog(qtCatalog, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    replaceCatalog(
        hostCatalog, locale, QStringLiteral("vendorcontact-host"), QStringLiteral(":/vendorcontact-host/i18n"));
}

/// The Language menu, which renames itself when the language changes.
class LanguageMenu : public QMenu
{
public:
    using QMenu::QMenu;

    void retranslate()
    {
        setTitle(QCoreApplication::translate("VendorContactHost::LanguageMenu", "&Language"));
        if (!actions().isEmpty())
            actions().constFirst()->setText(
                QCoreApplication::translate("VendorContactHost::LanguageMenu", "System language"));
    }

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QMenu::changeEvent(event);
    }
};

} // namespace

bool applyLanguage(const QString &code, QString *errorMessage)
{
    const QLocale locale = code.isEmpty() ? QLocale() : QLocale(code);
    // An unknown name gives the C locale, which would pass for English.
    if (!code.isEmpty() && locale.language() == QLocale::C && code != u'C') {
        if (errorMessage)
            *errorMessage = QStringLiteral("\"%1\" is not a language code (such as de or fr_CA)").arg(code);
        ZebVendorContact::loadTranslations(QLocale(QLocale::English));
        loadHostCatalogs(QLocale(QLocale::English));
        return false;
    }
    loadHostCatalogs(locale);
    if (ZebVendorContact::loadTranslations(locale))
        return true;
    if (errorMessage) {
        *errorMessage = QStringLiteral("the control has no catalog for %1; it shows English")
                            .arg(QLocale::languageToString(locale.language()));
    }
    return false;
}

QMenu *createLanguageMenu(const QString &code, QWidget *parent)
{
    auto *menu = new LanguageMenu(parent);
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    auto *group = new QActionGroup(menu);
    auto addLanguage = [&](const QString &name, const QString &languageCode) {
        QAction *action = menu->addAction(name);
        action->setCheckable(true);
        action->setData(languageCode);
        group->addAction(action);
        const QString current = code.section(u'_', 0, 0).section(u'-', 0, 0);
        action->setChecked(languageCode == current);
        return action;
    };
    addLanguage(QString(), QString());
    menu->retranslate();
    menu->addSeparator();
    for (const Language &language : Languages)
        addLanguage(QString::fromUtf8(language.name), QString::fromLatin1(language.code));
    QObject::connect(group, &QActionGroup::triggered, menu, [](QAction *action) {
        // Shown windows follow at once (their LanguageChange); what the user
        // typed stays.
        applyLanguage(action->data().toString());
    });
    return menu;
}

bool applyColorScheme(const QString &scheme)
{
    if (scheme == u"light")
        return true;
    if (scheme != u"dark")
        return false;
    // Fusion draws every part from the palette, so the whole window turns dark.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(darkPalette());
    return true;
}

} // namespace VendorContactHost
