// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// A host that does not link the control library: it finds the control through
// its per-user registration by class id, creates it inside its own window and
// calls the three members by dispatch id, as hosts on a component platform do.
//
//   runtime-host [--register LIBRARY]
//
// --register writes the registration first, as an installer (or zvc-regsvr)
// would; without it the control must already be registered.

#include <ZebVendorContact/vendorcontactclient.h>

#include <QtWidgets/QApplication>
#include <QtWidgets/QVBoxLayout>
#include <QtWidgets/QWidget>

#include <cstdio>

namespace Client = ZebVendorContact::Client;

namespace {

void printResult(const char *what, const Client::DispatchResult &result)
{
    if (result.ok()) {
        std::printf("%s: ok %s\n", what, qPrintable(result.value.toString()));
    } else {
        // A failure never throws across the runtime: it comes back as a status,
        // with the control's own error code when the control reported it.
        std::printf(
            "%s: status %d, error code %d: %s\n", what, result.status, result.errorCode, qPrintable(result.errorText));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    QString errorMessage;
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--register")) {
        if (!Client::registerLibrary(arguments.at(2), &errorMessage)) {
            std::fprintf(stderr, "runtime-host: %s\n", qPrintable(errorMessage));
            return 1;
        }
    }

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    // By class id; the name "ZebVendorContact.VendorContact" works as well.
    const std::unique_ptr<Client::ControlHandle> control =
        Client::ControlHandle::create(QLatin1String(Client::ClassId), &window, &errorMessage);
    if (!control) {
        std::fprintf(stderr, "runtime-host: %s\n", qPrintable(errorMessage));
        return 1;
    }
    layout->addWidget(control->widget());
    window.show();

    const QString loadText =
        QStringLiteral("501|77|3|Main Office|12 Harbour Rd||Springfield|1|14|627-01|555-12-34|555-12-35|||~"
                       "502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77|S~"
                       "^3|Head office~5|Shipping~^14|1|IL|Illinois~63|2|ON|Ontario~");
    printResult("LetVendorIDNMode", control->invoke(Client::DispIdLetVendorIDNMode, { 77, true }));
    printResult("LetContactAddress",
        control->invoke(Client::DispIdLetContactAddress,
            { loadText, QStringLiteral("|"), QStringLiteral("~"), QStringLiteral("^") }));
    printResult("GetContactAddress", control->invoke(Client::DispIdGetContactAddress, {}));

    // An error result: a vendor id that is not a number is refused before the
    // member runs (ZVC_E_TYPEMISMATCH), and the control keeps its vendor.
    printResult("LetVendorIDNMode", control->invoke(Client::DispIdLetVendorIDNMode, { QStringLiteral("Acme"), true }));
    return 0;
}
