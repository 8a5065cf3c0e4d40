// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// zvc-regsvr: registers a component library for the current user, or
// unregisters it with -u, the way hosts' installers do.

#include "vendorcontactclient.h"

#include <ZebVendorContact/version.h>

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QTextStream>

#include <cstdio>

namespace {

int run(const QCoreApplication &application)
{
    QCommandLineParser parser;
    QString noRecord;
    const QString record = ZebVendorContact::Client::registrationFilePath(&noRecord);
    parser.setApplicationDescription(
        QStringLiteral("Registers a component library for the current user, or unregisters it.\n%1")
            .arg(record.isEmpty() ? QStringLiteral("The registration record cannot be kept: %1.").arg(noRecord)
                                  : QStringLiteral("The registration record is %1.").arg(record)));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption unregisterOption(QStringLiteral("u"), QStringLiteral("Unregister the library."));
    const QCommandLineOption silentOption(QStringLiteral("s"), QStringLiteral("Print nothing on success."));
    parser.addOption(unregisterOption);
    parser.addOption(silentOption);
    parser.addPositionalArgument(
        QStringLiteral("library"), QStringLiteral("The library file, e.g. libZebVendorContact.so.2."));
    parser.process(application);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList libraries = parser.positionalArguments();
    if (libraries.size() != 1) {
        err << parser.helpText();
        return 2;
    }
    const QString &library = libraries.first();
    const bool unregister = parser.isSet(unregisterOption);
    QString error;
    const bool done = unregister ? ZebVendorContact::Client::unregisterLibrary(library, &error)
                                 : ZebVendorContact::Client::registerLibrary(library, &error);
    if (!done) {
        err << (unregister ? "Unregistering failed: " : "Registering failed: ") << error << Qt::endl;
        return 1;
    }
    if (!parser.isSet(silentOption)) {
        out << (unregister ? "Unregistered " : "Registered ") << library << Qt::endl;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zvc-regsvr"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZEBVENDORCONTACT_VERSION_DISPLAY));
    return run(application);
}
