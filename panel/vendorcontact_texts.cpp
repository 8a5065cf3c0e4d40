// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The panel's texts in the language of the application, and the one place
// that puts them on the widgets again when that language changes.

#include "paneltexts.h"

#include "contactlistmodel.h"
#include "vendorcontact_p.h"

#include <ZebVendorContact/version.h>

#include <QtCore/QCoreApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeView>

namespace ZebVendorContact {

namespace {

// One context for the whole panel, whichever source file shows a text, so
// translators see the panel's words together.
constexpr char Context[] = "VendorContact";

using Text = TranslatableText;

// %1 names a value the user did not type (as in "The vendor id"), %2 is that
// value, %3 the separator.
const Text SeparatorInValue[] = {
    QT_TRANSLATE_NOOP3("VendorContact", "%1 \"%2\" cannot be saved with the field separator \"%3\".",
        "message: %1 is a value such as \"The vendor id\""),
    QT_TRANSLATE_NOOP3("VendorContact", "%1 \"%2\" cannot be saved with the record separator \"%3\".",
        "message: %1 is a value such as \"The vendor id\""),
    QT_TRANSLATE_NOOP3("VendorContact", "%1 \"%2\" cannot be saved with the table separator \"%3\".",
        "message: %1 is a value such as \"The vendor id\""),
};

int separatorIndex(EntryClash clash)
{
    switch (clash) {
    case EntryClash::Record:
        return 1;
    case EntryClash::Table:
        return 2;
    case EntryClash::Field:
    case EntryClash::None:
        break;
    }
    return 0;
}

/// How a refusal names a value the user did not type, at the start of a
/// sentence.
QString untypedValueName(int storeField, bool isNew)
{
    switch (storeField) {
    case AddressID:
        return isNew ? QCoreApplication::translate("VendorContact", "The new address id", "start of a message")
                     : QCoreApplication::translate("VendorContact", "The address id", "start of a message");
    case ObjectID:
        return QCoreApplication::translate("VendorContact", "The vendor id", "start of a message");
    case Type:
        return QCoreApplication::translate("VendorContact", "The contact type id", "start of a message");
    case Country:
        return QCoreApplication::translate("VendorContact", "The country code", "start of a message");
    case State:
        return QCoreApplication::translate(
            "VendorContact", "The state id", "start of a message; state or province, not a status");
    default:
        break;
    }
    return {};
}

// The country picker's entries; their positions are the country codes that
// addresses store, so only the names change with the language.
const Text CountryNames[PanelTexts::CountryCount] = {
    QT_TRANSLATE_NOOP3("VendorContact", "Others", "country picker: any country other than the USA and Canada"),
    QT_TRANSLATE_NOOP3("VendorContact", "USA", "country picker: United States"),
    QT_TRANSLATE_NOOP3("VendorContact", "Canada", "country picker"),
};

} // namespace

namespace PanelTexts {

QString translated(const TranslatableText &text)
{
    return text ? QCoreApplication::translate(Context, text.source, text.comment) : QString();
}

QString addCaption(PanelState state)
{
    switch (state) {
    case PanelState::Adding:
        return QCoreApplication::translate("VendorContact", "Save", "button: store the new address being added");
    case PanelState::Editing:
        return QCoreApplication::translate("VendorContact", "Update", "button: store the changes to the address");
    case PanelState::Browsing:
        break;
    }
    return QCoreApplication::translate("VendorContact", "Add", "button: start adding a new address");
}

QString editCaption(PanelState state)
{
    if (state == PanelState::Browsing)
        return QCoreApplication::translate("VendorContact", "Edit", "button: start changing the selected address");
    return QCoreApplication::translate(
        "VendorContact", "Cancel", "button: drop what was typed and stop adding or editing");
}

QString deleteCaption()
{
    return QCoreApplication::translate("VendorContact", "Delete", "button: delete the selected address");
}

QString typeCaption()
{
    return QCoreApplication::translate("VendorContact", "Type", "label of the contact type picker");
}

QString versionCaption()
{
    //: %1.%2.%3 is the library's version, such as 2.0.2
    return QCoreApplication::translate("VendorContact", "Version number: %1.%2.%3")
        .arg(ZEBVENDORCONTACT_VERSION_MAJOR)
        .arg(ZEBVENDORCONTACT_VERSION_MINOR)
        .arg(ZEBVENDORCONTACT_VERSION_REVISION);
}

QString detailCaption(int index)
{
    return translated(DetailFields[std::size_t(index)].caption);
}

QString columnHeader(int column)
{
    return translated(ListColumns[std::size_t(column)].header);
}

QString countryName(int code)
{
    return translated(CountryNames[code]);
}

QString informationRequiredTitle()
{
    return QCoreApplication::translate(
        "VendorContact", "Information Required", "title of the missing-entry message box");
}

QString deleteQuestion()
{
    return QCoreApplication::translate("VendorContact", "Do you want to delete the selected Address?",
        "question before deleting; answered with Yes or No");
}

QString newAddressesUsedUp()
{
    return QCoreApplication::translate("VendorContact",
        "No more new addresses can be added to this vendor. Cancel, hand the changes to the host and reload to "
        "continue.",
        "Save refused: the panel has given out every id it can make for new addresses");
}

QString informationValidationTitle()
{
    return QCoreApplication::translate("VendorContact", "Information Validation", "title of the delete question box");
}

QString separatorsInEntries(const QStringList &entryLines)
{
    return QCoreApplication::translate("VendorContact",
               "These entries hold characters that the application uses to separate values. Please remove them:",
               "message: a list of entries follows, one per line, each with the characters it must not hold") +
        u'\n' + entryLines.join(u'\n');
}

namespace {

QString quotedSeparator(const QString &separator)
{
    return QCoreApplication::translate(
        "VendorContact", "\"%1\"", "a separator shown in a message, in the language's quotation marks")
        .arg(separator);
}

} // namespace

QString entryHoldsSeparators(int index, const QStringList &separators)
{
    QStringList quoted;
    for (const QString &separator : separators)
        quoted << quotedSeparator(separator);
    return QCoreApplication::translate(
        "VendorContact", "%1: %2", "a line of a message: an entry, then the separators it holds, comma-separated")
        .arg(translated(DetailFields[std::size_t(index)].refusalLabel), quoted.join(QStringLiteral(", ")));
}

QString entryRunsIntoSeparator(int index, const QString &separator)
{
    return QCoreApplication::translate("VendorContact", "%1: must not begin or end with part of %2",
        "a line of a message: the entry's first or last characters would be read as part of the separator %2")
        .arg(translated(DetailFields[std::size_t(index)].refusalLabel), quotedSeparator(separator));
}

QString separatorInValue(int storeField, bool isNew, const QString &value, EntryClash clash, const QString &separator)
{
    return translated(SeparatorInValue[separatorIndex(clash)])
        .arg(untypedValueName(storeField, isNew), value, separator);
}

QString noAddressWithSeparators(const QString &fieldSeparator, const QString &recordSeparator)
{
    return QCoreApplication::translate("VendorContact",
        "No address can be saved with the field separator \"%1\" and the record separator \"%2\".",
        "message: these separators cannot carry any address")
        .arg(fieldSeparator, recordSeparator);
}

QString listAccessibleName()
{
    return QCoreApplication::translate("VendorContact", "Contacts", "accessible name of the address list");
}

QString requiredAccessibleDescription()
{
    return QCoreApplication::translate(
        "VendorContact", "Required", "accessible description of an entry that must be filled in");
}

} // namespace PanelTexts

void VendorContactPrivate::retranslatePanel()
{
    using namespace PanelTexts;

    lblType->setText(typeCaption());
    cboContactType->setAccessibleName(typeCaption());
    TxtContactType->setAccessibleName(typeCaption());
    for (int index = 0; index < DetailFieldCount; ++index) {
        const QString caption = detailCaption(index);
        detailLabels[std::size_t(index)]->setText(caption);
        txtContact[std::size_t(index)]->setAccessibleName(caption);
    }
    cboContactCountry->setAccessibleName(detailCaption(CountryEntry));
    cboContactState->setAccessibleName(detailCaption(StateEntry));
    lstContacts->setAccessibleName(listAccessibleName());
    for (const DetailField &field : DetailFields) {
        if (field.required)
            entryOf(field)->setAccessibleDescription(requiredAccessibleDescription());
    }

    updateButtons();
    lblVersionNumber->setText(versionCaption());
    m_listModel->retranslateHeaders();

    // The country entries keep their positions and the choice; txtContact 4
    // shows the chosen country's name while browsing, so it follows too.
    const QString shownCountry = txtContact[CountryEntry]->text();
    for (int code = 0; code < cboContactCountry->count() && code < CountryCount; ++code) {
        const bool wasShown = !shownCountry.isEmpty() && cboContactCountry->itemText(code) == shownCountry;
        cboContactCountry->setItemText(code, countryName(code));
        if (wasShown && code == cboContactCountry->currentIndex())
            txtContact[CountryEntry]->setText(countryName(code));
    }

    // Captions fit at the panel's usual font size in every shipped language;
    // a host's own catalog with longer words gets a smaller font, not cut text.
    choosePanelFont();
}

} // namespace ZebVendorContact
