// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "hostoptions.h"

#include <QtCore/QCommandLineParser>

namespace VendorContactHost {

namespace {
const QString LoadOption = QStringLiteral("load");
const QString VendorOption = QStringLiteral("vendor");
const QString ReadOnlyOption = QStringLiteral("read-only");
const QString FieldSeparatorOption = QStringLiteral("field-separator");
const QString RecordSeparatorOption = QStringLiteral("record-separator");
const QString TableSeparatorOption = QStringLiteral("table-separator");
const QString LibraryOption = QStringLiteral("library");
const QString ScreenshotOption = QStringLiteral("screenshot");
const QString PrintExportOption = QStringLiteral("print-export");
const QString PrintLogOption = QStringLiteral("print-log");
const QString DatabaseOption = QStringLiteral("database");
const QString DeveloperOption = QStringLiteral("developer");
const QString CreateOption = QStringLiteral("create");
} // namespace

void addAppOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("A small vendor address book around the VendorContact control: choose a vendor, edit "
                       "its addresses in the control, Save. The vendors live in an SQLite file (by default "
                       "$XDG_DATA_HOME/ZebVendorContact/vendors.sqlite, created with sample vendors) or a "
                       "PostgreSQL database."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        { DatabaseOption,
            QStringLiteral("Where the vendors live: sqlite:PATH, or postgresql://user@host[:port]/dbname "
                           "(password from PGPASSWORD or ~/.pgpass). The tables are created when missing; a file "
                           "that does not exist is created only after asking, or with --create."),
            QStringLiteral("url") },
        { CreateOption,
            QStringLiteral("Create the --database file (and its folder) with the sample vendors when it does not "
                           "exist, without asking.") },
        { LoadOption,
            QStringLiteral("Show the load text in <file> (a regular file of at most 256 MB) instead of a "
                           "vendor from the database; nothing can be saved then."),
            QStringLiteral("file") },
        { VendorOption, QStringLiteral("The vendor shown first (default 1042, the sample vendor)."),
            QStringLiteral("id") },
        { ReadOnlyOption, QStringLiteral("Start with editing not allowed.") },
        { DeveloperOption,
            QStringLiteral("Show the Developer panel: the call log, the load text and the export (Ctrl+Shift+D).") },
        { FieldSeparatorOption, QStringLiteral("Field separator (default |)."), QStringLiteral("text") },
        { RecordSeparatorOption, QStringLiteral("Record separator (default ~)."), QStringLiteral("text") },
        { TableSeparatorOption, QStringLiteral("Table separator (default ^)."), QStringLiteral("text") },
        { LibraryOption, QStringLiteral("Register this control library before creating the control."),
            QStringLiteral("file") },
        { ScreenshotOption, QStringLiteral("Render the window to a PNG <file> and exit."), QStringLiteral("file") },
        { PrintExportOption, QStringLiteral("Print GetContactAddress's text to stdout on exit.") },
        { PrintLogOption, QStringLiteral("Print the call log to stderr on exit.") },
    });
}

static std::optional<qint32> parseVendorId(const QString &text)
{
    bool ok = false;
    const qint32 id = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return id;
}

std::optional<AppOptions> readAppOptions(const QCommandLineParser &parser, QString *errorMessage)
{
    AppOptions options;
    HostSettings &settings = options.settings;
    if (parser.isSet(FieldSeparatorOption))
        settings.separators.field = parser.value(FieldSeparatorOption);
    if (parser.isSet(RecordSeparatorOption))
        settings.separators.record = parser.value(RecordSeparatorOption);
    if (parser.isSet(TableSeparatorOption))
        settings.separators.table = parser.value(TableSeparatorOption);

    if (parser.isSet(VendorOption)) {
        const auto id = parseVendorId(parser.value(VendorOption));
        if (!id) {
            *errorMessage = QStringLiteral("--vendor needs a whole number from -2147483648 to 2147483647, not \"%1\".")
                                .arg(parser.value(VendorOption));
            return std::nullopt;
        }
        settings.vendorId = *id;
    }
    settings.editAllowed = !parser.isSet(ReadOnlyOption);

    if (parser.isSet(LoadOption)) {
        const auto text = readLoadFile(parser.value(LoadOption), settings.separators, errorMessage);
        if (!text)
            return std::nullopt;
        settings.loadText = *text;
    }
    settings.database = parser.value(DatabaseOption);
    settings.createDatabase = parser.isSet(CreateOption);
    settings.developer = parser.isSet(DeveloperOption);

    settings.libraryFile = parser.value(LibraryOption);
    options.screenshotFile = parser.value(ScreenshotOption);
    options.printExport = parser.isSet(PrintExportOption);
    options.printLog = parser.isSet(PrintLogOption);
    return options;
}

} // namespace VendorContactHost
