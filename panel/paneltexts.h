#pragma once

// Every fixed text the panel shows, translated at the moment it is asked for.
// The English source texts are the panel's own captions; with no catalog
// loaded they come back unchanged. Callers never keep a translated text: they
// ask again when the language changes.

#include <QtCore/QString>

namespace ZebVendorContact {

enum class PanelState;

namespace PanelTexts {

/// The three kinds of separator a typed value may not contain.
enum class SeparatorKind { Field, Record, Table };

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

/// The message for a required entry that is missing, by the position of its
/// check (0 name, 1 street, 2 city, 3 country, 4 state).
QString missingEntry(int check);
QString informationRequiredTitle();
QString deleteQuestion();
QString informationValidationTitle();
/// Refuses a separator inside the value of txtContact `index`.
QString separatorInEntry(int index, SeparatorKind kind, const QString &separator);

/// What a screen reader says for the address list, and for an entry that
/// must be filled in.
QString listAccessibleName();
QString requiredAccessibleDescription();

} // namespace PanelTexts
} // namespace ZebVendorContact
