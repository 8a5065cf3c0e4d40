// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// vendorcontact-host: a demo host for the VendorContact control.

#include "appearance.h"
#include "hostoptions.h"
#include "mainwindow.h"

#include <ZebVendorContact/version.h>

#include <QtCore/QCommandLineParser>
#include <QtCore/QTextStream>
#include <QtGui/QImage>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenuBar>

using namespace VendorContactHost;

namespace {

int writeScreenshot(MainWindow &window, const QString &fileName)
{
    // Rendered without ever appearing on a screen, also where one exists.
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    QCoreApplication::processEvents();
    window.clickFirstAddress();
    QCoreApplication::processEvents();
    const QImage image = window.grab().toImage();
    if (image.isNull() || !image.save(fileName, "PNG")) {
        QTextStream(stderr) << "vendorcontact-host: cannot write the screenshot " << fileName << '\n';
        return 1;
    }
    return 0;
}

void printResults(MainWindow &window, const AppOptions &options)
{
    if (options.printExport && window.control())
        window.callGetContactAddress();
    if (options.printLog) {
        QTextStream err(stderr);
        for (const QString &line : window.callLog())
            err << line << '\n';
    }
    if (options.printExport)
        QTextStream(stdout) << window.lastExport() << '\n';
}

bool hasArgument(int argc, char *argv[], std::initializer_list<const char *> names)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        for (const char *name : names) {
            if (argument == name || argument.startsWith(QByteArray(QByteArray(name) + '=')))
                return true;
        }
    }
    return false;
}

// Chooses the offscreen platform where no window is shown anyway, so the
// screenshot, --help and --version work on machines without a display. False
// when the window is wanted but there is nowhere to show it.
bool choosePlatform(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return true;
    if (hasArgument(argc, argv, { "--screenshot", "-h", "--help", "--help-all", "-?", "-v", "--version" })) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!choosePlatform(argc, argv)) {
        QTextStream(stderr) << "vendorcontact-host: there is no display (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                               "Use --screenshot FILE to render the window to a picture instead.\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vendorcontact-host"));
    QApplication::setApplicationVersion(QStringLiteral(ZEBVENDORCONTACT_VERSION_STRING));

    QCommandLineParser parser;
    addAppOptions(parser);
    const QCommandLineOption languageOption(QStringLiteral("language"),
        QStringLiteral("Show the window and the control in this language (de, fr, es, en; default: the "
                       "system's)."),
        QStringLiteral("code"));
    const QCommandLineOption schemeOption(QStringLiteral("color-scheme"),
        QStringLiteral("Colour scheme of the window: light (the platform's) or dark."), QStringLiteral("scheme"),
        QStringLiteral("light"));
    parser.addOptions({ languageOption, schemeOption });
    parser.process(app);
    QString error;
    const auto options = readAppOptions(parser, &error);
    if (!options) {
        QTextStream(stderr) << "vendorcontact-host: " << error << '\n';
        return 2;
    }
    if (!applyColorScheme(parser.value(schemeOption))) {
        QTextStream(stderr) << "vendorcontact-host: unknown colour scheme " << parser.value(schemeOption) << '\n';
        return 2;
    }
    // A language the control does not speak is not fatal: it shows English.
    const QString language = parser.value(languageOption);
    if (!applyLanguage(language, &error))
        QTextStream(stderr) << "vendorcontact-host: " << error << '\n';

    MainWindow window(options->settings);
    if (!options->screenshotFile.isEmpty()) {
        // Nobody can answer a question offscreen: say it and take the default.
        window.setQuestionHandler([](const Question &question) {
            QTextStream(stderr) << "vendorcontact-host: " << question.title << ": " << question.text << '\n';
            return question.defaultButton;
        });
        window.setFileChooser([](const QString &, bool) { return QString(); });
    }
    window.menuBar()->addMenu(createLanguageMenu(language, &window));
    const bool started = window.start();
    if (!started && !window.callLog().isEmpty())
        QTextStream(stderr) << "vendorcontact-host: " << window.callLog().constLast() << '\n';

    int status = 0;
    if (!options->screenshotFile.isEmpty()) {
        status = writeScreenshot(window, options->screenshotFile);
    } else {
        window.show();
        // Keyboard focus from the start, also where no window manager hands
        // it over (a bare X server, as the accessibility check uses).
        window.activateWindow();
        status = QApplication::exec();
    }
    printResults(window, *options);
    return started ? status : 1;
}
