// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The library's catalogs, installed on the application when the host asks.

#include <ZebVendorContact/vendorcontact.h>
#include <logging.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QLocale>
#include <QtCore/QPointer>
#include <QtCore/QThread>
#include <QtCore/QTranslator>

namespace ZebVendorContact {

namespace {

// Where the build puts the compiled catalogs among the library's resources.
constexpr char CatalogFolder[] = ":/zebvendorcontact/i18n";
constexpr char CatalogName[] = "zebvendorcontact";

// The catalog this library put on the application, if any. The application
// owns it (as its parent); the pointer clears itself if it goes first.
QPointer<QTranslator> &installedCatalog()
{
    static QPointer<QTranslator> catalog;
    return catalog;
}

bool isSourceLanguage(const QLocale &locale)
{
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

} // namespace

bool loadTranslations(const QLocale &locale)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return isSourceLanguage(locale);
    if (QThread::currentThread() != application->thread()) {
        qCWarning(lcVendorContact, "loadTranslations() must be called on the application's thread");
        return false;
    }

    // Removing the earlier catalog first means a language without a catalog
    // falls back to the English texts, never to the previous language.
    if (QTranslator *previous = installedCatalog().data()) {
        QCoreApplication::removeTranslator(previous);
        delete previous;
    }
    if (isSourceLanguage(locale))
        return true;

    auto *catalog = new QTranslator(application);
    // Tries the locale's languages in order, each from the most specific name
    // (de_AT) to the language alone (de).
    if (!catalog->load(locale, QLatin1StringView(CatalogName), QStringLiteral("_"), QLatin1StringView(CatalogFolder))) {
        delete catalog;
        return false;
    }
    QCoreApplication::installTranslator(catalog);
    installedCatalog() = catalog;
    return true;
}

} // namespace ZebVendorContact
