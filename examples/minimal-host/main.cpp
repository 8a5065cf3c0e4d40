// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The smallest host: a window with the control, the vendor's addresses read
// from a load text file, and what the user added or changed printed on close.
//
//   minimal-host addresses.txt [vendor id]
//
// The file holds the load text with the separators "|", "~" and "^" (see
// sample.txt). Persistence is the host's business; this one only prints.

#include <ZebVendorContact/Error>
#include <ZebVendorContact/VendorContact>

#include <QtCore/QFile>
#include <QtWidgets/QApplication>
#include <QtWidgets/QVBoxLayout>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ZebVendorContact::loadTranslations(); // the system's language, if the control speaks it

    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: minimal-host FILE [VENDOR-ID]\n");
        return 2;
    }
    QFile file(arguments.at(1));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "minimal-host: %s\n", qPrintable(file.errorString()));
        return 1;
    }
    const QString loadText = QString::fromUtf8(file.readAll()).trimmed();
    const qint32 vendorId = arguments.size() > 2 ? arguments.at(2).toInt() : 0;

    QWidget window;
    window.setWindowTitle(QCoreApplication::translate("MinimalHost", "Vendor %1").arg(vendorId));
    auto *contacts = new ZebVendorContact::VendorContact(&window); // the window owns it
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(contacts);

    try {
        contacts->LetVendorIDNMode(vendorId, true); // the user may add, change and delete
        contacts->LetContactAddress(loadText, QStringLiteral("|"), QStringLiteral("~"), QStringLiteral("^"));
        window.show();
        // Without a screen (QT_QPA_PLATFORM=offscreen) nobody can close the
        // window, so it closes as soon as the event loop runs.
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            QMetaObject::invokeMethod(&window, &QWidget::close, Qt::QueuedConnection);
        }
        app.exec();
        // One entry per added or changed address, each ended by "~".
        std::printf("%s\n", qPrintable(contacts->GetContactAddress()));
    } catch (const ZebVendorContact::Error &error) {
        std::fprintf(stderr, "minimal-host: %s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
