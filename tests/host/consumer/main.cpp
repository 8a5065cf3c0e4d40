// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Links the installed library and drives the control by its C++ interface.

#include <ZebVendorContact/ContactExchange>
#include <ZebVendorContact/VendorContact>
#include <ZebVendorContact/version.h>

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

int failed(const char *what)
{
    std::fprintf(stderr, "consumer: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    static_assert(ZEBVENDORCONTACT_VERSION == ZEBVENDORCONTACT_VERSION_CHECK(2, 0, 2), "one version: 2.0.2");
    if (std::strcmp(ZEBVENDORCONTACT_VERSION_DISPLAY, "2.00.0002") != 0) {
        return failed("wrong version in the installed header");
    }

    QWidget form;
    auto *contacts = new ZebVendorContact::VendorContact(&form);
    contacts->LetVendorIDNMode(77, true);
    contacts->LetContactAddress(
        QString::fromUtf8("501|77|3|Main Office|12 Harbour Rd||Springfield|1|14|627-01|555-12-34|555-12-35|||~"
                          "502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77|S~"
                          "^3|Head office~5|Shipping~^14|1|IL|Illinois~63|2|ON|Ontario~"),
        QString::fromUtf8("|"), QString::fromUtf8("~"), QString::fromUtf8("^"));
    const QString expected =
        QString::fromUtf8("502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77~");
    if (contacts->GetContactAddress() != expected) {
        return failed("unexpected export");
    }
    // The exchange helper is exported too: the export reads back as the record.
    const auto parsed = ZebVendorContact::parseExport(expected);
    if (parsed.size() != 1 || parsed.constFirst().city != QString::fromUtf8("Toronto")) {
        return failed("the exchange helper read the export wrongly");
    }

    // A failure reaches a C++ host as the documented exception type: here a
    // type table whose nameless type has no numeric id, which the switch to
    // read-only looks up.
    ZebVendorContact::VendorContact other;
    other.LetContactAddress(QString::fromUtf8("^x|~^14|1|IL|Illinois~"), QString::fromUtf8("|"), QString::fromUtf8("~"),
        QString::fromUtf8("^"));
    try {
        other.LetVendorIDNMode(1, false);
        return failed("LetVendorIDNMode did not report the bad type id");
    } catch (const ZebVendorContact::Error &error) {
        if (error.code() != ZebVendorContact::Error::Code::NotAWholeNumber) {
            return failed("LetVendorIDNMode failed with the wrong code");
        }
    }
    std::printf("consumer: ok\n");
    return 0;
}
