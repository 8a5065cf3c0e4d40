// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include <ZebVendorContact/error.h>

namespace ZebVendorContact {

Error::Error(Code code, const QString &message)
    : m_code(code)
    , m_message(message)
    , m_what(message.toUtf8())
{
}

Error::~Error() = default;

const char *Error::what() const noexcept
{
    return m_what.constData();
}

} // namespace ZebVendorContact
