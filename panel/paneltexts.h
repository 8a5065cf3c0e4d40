// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// Every fixed text the panel shows, translated at the moment it is asked for.
// The English source texts are the panel's own captions; with no catalog
// loaded they come back unchanged. Callers never keep a translated text: they
// ask again when the language changes.

#include "detailfields.h"

#include <exchange.h>

#include <QtCore/QString>

namespace ZebVendorContact {

enum class PanelState;

namespace PanelTexts {

/// A text of the field table in the application's language.
QString translated(const TranslatableText &text);

QString addCaption(PanelState state);
QString editCaption(PanelState state);
QString deleteCaption();
QString typeCaption();
QString versionCaption();

/// The label beside txtContact `index` (0 to 11).
QString detailCaption(int index);
/// The header of list column `column` (0 to 14).
QString columnHeader(int column);

inline constexpr int CountryCount = 3;
/// The country picker's entry at position `code` (0 to 2), as shown.
QString countryName(int code);

QString informationRequiredTitle();
QString deleteQuestion();
QString informationValidationTitle();
/// Why Save refuses once the counter of new address ids is used up.
QString newAddressesUsedUp();

// Refusals of entries that would not read back as their values. One message
// names every typed entry at fault, one line each: txtContact `index` holds
// these separators, or begins or ends with characters that run into one. A
// value the user did not type (a store field) clashes with a separator; the
// separators themselves cannot carry an address.
QString separatorsInEntries(const QStringList &entryLines);
QString entryHoldsSeparators(int index, const QStringList &separators);
QString entryRunsIntoSeparator(int index, const QString &separator);
QString separatorInValue(int storeField, bool isNew, const QString &value, EntryClash clash, const QString &separator);
QString noAddressWithSeparators(const QString &fieldSeparator, const QString &recordSeparator);

/// What a screen reader says for the address list, and for an entry that
/// must be filled in.
QString listAccessibleName();
QString requiredAccessibleDescription();

} // namespace PanelTexts
} // namespace ZebVendorContact
