// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "zebvendorcontact_export.h"

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <exception>

namespace ZebVendorContact {

/*!
 * The one exception type of the library.
 *
 * Every failure inside the control travels as an Error up to the first place
 * that handles it. Most user actions and the load absorb their failures; the
 * two host calls that report failures (GetContactAddress and LetVendorIDNMode)
 * let an Error reach the C++ caller. Nothing ever throws through a Qt signal,
 * slot or event handler.
 */
class ZEBVENDORCONTACT_EXPORT Error : public std::exception
{
public:
    /// What kind of failure an Error reports. The numbers are fixed: the
    /// component runtime hands them to hosts as ZvcErrorInfo::code.
    enum class Code {
        StoreClosed = 1, //!< the contact store was never opened, or is closed
        NoCurrentRecord, //!< no current record (at end, or the current one was deleted)
        NoSuchField, //!< field position outside 0..15 or unknown field name
        ValueTooLong, //!< text longer than the field's size
        NotAWholeNumber, //!< text that must be a whole number is not one
        Overflow, //!< a 16-bit counter or value left its range
        TableAbsent, //!< a lookup table was read before any load built it
        NoSelection, //!< an operation needed a selected list row and there was none
        InvalidArgument, //!< a host passed an argument of the wrong kind
        SeparatorClash, //!< an exported entry would not split back into its values at the separators
        WrongThread, //!< called from a thread other than the control's; the runtime reports it as ZVC_E_WRONGTHREAD
    };

    /// An error of kind \a code with the developer-facing \a message.
    Error(Code code, const QString &message);
    /// Destroys the error.
    ~Error() override;

    /// The kind of failure.
    Code code() const noexcept { return m_code; }
    /// What went wrong, naming the record, field or separator at fault where
    /// there is one. English, for logs and developers rather than users.
    QString message() const { return m_message; }
    /// message() in UTF-8, for code that catches std::exception.
    const char *what() const noexcept override;

private:
    Code m_code;
    QString m_message;
    QByteArray m_what;
};

} // namespace ZebVendorContact
