// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QString>

namespace BenchData {

/// How the generated addresses are spread over the ten contact types.
enum class Spread {
    OneType, //!< every address has the first type: the list shows them all
    AllTypes, //!< addresses go round the ten types in turn
};

struct Options
{
    int addresses = 1000;
    Spread spread = Spread::OneType;
    /// Every address carries the change flag S (sixteenth value), so the
    /// export writes all of them.
    bool flagged = false;
    /// The addresses come in the order of their names (the United States'
    /// collation), as a host that sorts its query by name sends them;
    /// otherwise in the order they were made.
    bool byName = false;
};

constexpr int TypeCount = 10;
constexpr int StateCount = 100;

/// The separators the generated text uses.
inline QString fieldSeparator()
{
    return QStringLiteral("|");
}
inline QString recordSeparator()
{
    return QStringLiteral("~");
}
inline QString tableSeparator()
{
    return QStringLiteral("^");
}

/// The id and name of the generated type at `index` (0 to 9).
int typeId(int index);
QString typeName(int index);

/*!
 * A load text in the exchange format: the addresses, ten contact types and a
 * hundred states (USA, Canada and others). The same options always give the
 * same text: the values come from a fixed seed and a generator whose output
 * does not depend on the standard library.
 */
QString loadText(const Options &options);

} // namespace BenchData
