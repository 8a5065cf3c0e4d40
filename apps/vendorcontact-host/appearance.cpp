#include "appearance.h"

#include <ZebVendorContact/VendorContact>

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

// Qt's own words (the message boxes' buttons, the entries' context menus)
// follow the control's language; the host owns this catalog.
void loadQtCatalog(const QLocale &locale)
{
    static QPointer<QTranslator> catalog;
    if (catalog) {
        QCoreApplication::removeTranslator(catalog);
        delete catalog;
    }
    auto *translator = new QTranslator(qApp);
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
        catalog = translator;
    } else {
        delete translator;
    }
}

} // namespace

bool applyLanguage(const QString &code, QString *errorMessage)
{
    const QLocale locale = code.isEmpty() ? QLocale() : QLocale(code);
    // An unknown name gives the C locale, which would pass for English.
    if (!code.isEmpty() && locale.language() == QLocale::C && code != u'C') {
        if (errorMessage)
            *errorMessage = QStringLiteral("\"%1\" is not a language code (such as de or fr_CA)").arg(code);
        ZebVendorContact::loadTranslations(QLocale(QLocale::English));
        return false;
    }
    loadQtCatalog(locale);
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
    auto *menu = new QMenu(QStringLiteral("&Language"), parent);
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
    addLanguage(QStringLiteral("System language"), QString());
    menu->addSeparator();
    for (const Language &language : Languages)
        addLanguage(QString::fromUtf8(language.name), QString::fromLatin1(language.code));
    QObject::connect(group, &QActionGroup::triggered, menu, [](QAction *action) {
        // Shown controls follow at once; what the user typed stays.
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
