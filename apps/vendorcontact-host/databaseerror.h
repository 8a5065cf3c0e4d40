// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <ZebVendorContact/error.h>

#include <QtCore/QString>

namespace VendorContactHost {

/*!
 * What went wrong with the address book's database, as the user needs to
 * know it: the window turns each kind into its own dialog (what happened,
 * what the user can do), with the driver's own text only under Details.
 *
 * It is the project's error type, so every caller that catches
 * ZebVendorContact::Error still catches it; the window catches this one
 * first where it can offer more than a message.
 */
class DatabaseError : public ZebVendorContact::Error
{
public:
    enum class Trouble {
        Other, //!< anything else: the message says what
        Locked, //!< another writer holds the SQLite file's lock, or won a PostgreSQL deadlock or serialisation race;
                //!< retrying may work
        ReadOnly, //!< the file or its folder cannot be written
        NotADatabase, //!< the file is not an SQLite database (a zero-byte file included)
        Damaged, //!< an SQLite file that fails its integrity check
        Missing, //!< the file does not exist (nothing was created)
        MissingFolder, //!< the file's folder does not exist (nothing was created)
        Unreachable, //!< the PostgreSQL server could not be reached or refused the login
        ConnectionLost, //!< the PostgreSQL connection dropped and could not be re-opened
    };

    DatabaseError(Trouble trouble, const QString &location, const QString &message, const QString &details = {})
        : Error(Code::InvalidArgument, message)
        , m_trouble(trouble)
        , m_location(location)
        , m_details(details)
    {
    }

    Trouble trouble() const { return m_trouble; }
    /// The file, or "database on host", for people.
    QString location() const { return m_location; }
    /// The driver's own text, for the dialog's Details.
    QString details() const { return m_details; }

private:
    Trouble m_trouble;
    QString m_location;
    QString m_details;
};

} // namespace VendorContactHost
