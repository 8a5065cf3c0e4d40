// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "exchangetext.h"

#include <QtCore/QString>

#include <optional>

class QCommandLineParser;

namespace VendorContactHost {

/// What the host hands the control at start and shows in its pane.
struct HostSettings
{
    QString loadText; //!< exactly as passed to LetContactAddress
    ExchangeSeparators separators;
    qint32 vendorId = 1042; //!< the sample vendor's id
    bool editAllowed = true;
    QString libraryFile; //!< register this library first; empty: the one built with the app
    /// Where the vendors live (see VendorDatabase); empty: the default file.
    /// Not used when loadText is given: the window then works on that text.
    QString database;
    /// Create the database when `database` names a file or folder that does
    /// not exist, without asking (the default location is always created).
    bool createDatabase = false;
    bool developer = false; //!< show the Developer dock from the start
};

/// Everything the command line decides.
struct AppOptions
{
    HostSettings settings;
    QString screenshotFile; //!< render the window to this PNG and exit
    bool printExport = false; //!< print GetContactAddress's text to stdout on exit
    bool printLog = false; //!< print the call log to stderr on exit
};

/// Declares the application's options on `parser`.
void addAppOptions(QCommandLineParser &parser);

/// Reads the parsed options (and the --load file). Nothing, with
/// `errorMessage` set, when an option is unusable.
std::optional<AppOptions> readAppOptions(const QCommandLineParser &parser, QString *errorMessage);

} // namespace VendorContactHost
