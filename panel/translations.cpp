// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The library's catalogs, installed on the application when the host asks.

#include <ZebVendorContact/vendorcontact.h>
#include <logging.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QLibraryInfo>
#include <QtCore/QLocale>
#include <QtCore/QPointer>
#include <QtCore/QThread>
#include <QtCore/QTranslator>

#include <memory>

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

// Qt's own catalog of the same language, put there by this library because
// the application had none: the buttons of the control's questions (Yes,
// No, OK) are Qt's texts, not the library's.
QPointer<QTranslator> &installedQtCatalog()
{
    static QPointer<QTranslator> catalog;
    return catalog;
}

void removeCatalog(QPointer<QTranslator> &catalog)
{
    if (QTranslator *previous = catalog.data()) {
        QCoreApplication::removeTranslator(previous);
        delete previous;
    }
}

// Installs Qt's qtbase catalog for `locale` unless the application already
// translates Qt's texts the way that catalog does (it loaded it itself).
// Without the catalog on the system (Debian: qt6-translations-l10n) the
// buttons stay English.
void installQtCatalog(QCoreApplication *application, const QLocale &locale)
{
    auto catalog = std::make_unique<QTranslator>();
    if (!catalog->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qCInfo(lcVendorContact, "No Qt catalog for %s: the control's message box buttons stay English",
            qUtf8Printable(locale.name()));
        return;
    }
    constexpr char Context[] = "QPlatformTheme";
    constexpr char Probe[] = "&Yes";
    const QString qtCatalogText = catalog->translate(Context, Probe);
    if (!qtCatalogText.isEmpty() && QCoreApplication::translate(Context, Probe) == qtCatalogText)
        return;
    catalog->setParent(application);
    QCoreApplication::installTranslator(catalog.get());
    installedQtCatalog() = catalog.release();
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

    // Removing the earlier catalogs first means a language without a catalog
    // falls back to the English texts, never to the previous language.
    removeCatalog(installedCatalog());
    removeCatalog(installedQtCatalog());
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
    installQtCatalog(application, locale);
    return true;
}

} // namespace ZebVendorContact
