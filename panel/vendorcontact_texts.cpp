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

struct Text
{
    const char *source;
    const char *comment;
};

QString translated(const Text &text)
{
    return QCoreApplication::translate("VendorContact", text.source, text.comment);
}

// The labels beside txtContact 0 to 11. They share the width of the label
// column, so translations have to stay short.
const Text DetailCaptions[VendorContactPrivate::DetailFieldCount] = {
    QT_TRANSLATE_NOOP3("VendorContact", "Name", "field label: the contact's name"),
    QT_TRANSLATE_NOOP3("VendorContact", "Street1", "field label: first street line"),
    QT_TRANSLATE_NOOP3("VendorContact", "Street2", "field label: second street line"),
    QT_TRANSLATE_NOOP3("VendorContact", "City", "field label"),
    QT_TRANSLATE_NOOP3("VendorContact", "Country", "field label"),
    QT_TRANSLATE_NOOP3("VendorContact", "State", "field label: state or province of an address, not a status"),
    QT_TRANSLATE_NOOP3("VendorContact", "Postal Code", "field label"),
    QT_TRANSLATE_NOOP3("VendorContact", "Phone", "field label: main phone number"),
    QT_TRANSLATE_NOOP3("VendorContact", "FAX", "field label: fax number"),
    QT_TRANSLATE_NOOP3("VendorContact", "E-Mail", "field label: e-mail address"),
    QT_TRANSLATE_NOOP3("VendorContact", "Phone 2", "field label: second phone number"),
    QT_TRANSLATE_NOOP3("VendorContact", "Cell", "field label: mobile phone number, not a table cell"),
};

// Only "Contact Name", "Type", "Phone", "Phone 2" and "Cell" are shown; the
// other columns are hidden but still named for assistive technology.
const Text ColumnHeaders[VendorContactPrivate::ColumnCount] = {
    QT_TRANSLATE_NOOP3("VendorContact", "AddressID", "list column header (hidden): the address's id"),
    QT_TRANSLATE_NOOP3("VendorContact", "ObjectID", "list column header (hidden): the vendor's id"),
    QT_TRANSLATE_NOOP3("VendorContact", "Contact Name", "list column header"),
    QT_TRANSLATE_NOOP3("VendorContact", "Type", "list column header: the kind of contact address"),
    QT_TRANSLATE_NOOP3("VendorContact", "Street1", "list column header (hidden): first street line"),
    QT_TRANSLATE_NOOP3("VendorContact", "Street2", "list column header (hidden): second street line"),
    QT_TRANSLATE_NOOP3("VendorContact", "City", "list column header (hidden)"),
    QT_TRANSLATE_NOOP3("VendorContact", "Country", "list column header (hidden)"),
    QT_TRANSLATE_NOOP3("VendorContact", "State", "list column header (hidden): state or province, not a status"),
    QT_TRANSLATE_NOOP3("VendorContact", "PostalCode", "list column header (hidden)"),
    QT_TRANSLATE_NOOP3("VendorContact", "Phone", "list column header: main phone number"),
    QT_TRANSLATE_NOOP3("VendorContact", "FAX", "list column header (hidden): fax number"),
    QT_TRANSLATE_NOOP3("VendorContact", "Email", "list column header (hidden): e-mail address"),
    QT_TRANSLATE_NOOP3("VendorContact", "Phone 2", "list column header: second phone number"),
    QT_TRANSLATE_NOOP3("VendorContact", "Cell", "list column header: mobile phone number, not a table cell"),
};

// The country picker's entries; their positions are the country codes that
// addresses store, so only the names change with the language.
const Text CountryNames[PanelTexts::CountryCount] = {
    QT_TRANSLATE_NOOP3("VendorContact", "Others", "country picker: any country other than the USA and Canada"),
    QT_TRANSLATE_NOOP3("VendorContact", "USA", "country picker: United States"),
    QT_TRANSLATE_NOOP3("VendorContact", "Canada", "country picker"),
};

const Text MissingEntries[] = {
    QT_TRANSLATE_NOOP3("VendorContact", "Contact Name has not been provided.", "message: required entry missing"),
    QT_TRANSLATE_NOOP3("VendorContact", "Contact Street 1 has not been provided.", "message: required entry missing"),
    QT_TRANSLATE_NOOP3("VendorContact", "Contact City has not been provided.", "message: required entry missing"),
    QT_TRANSLATE_NOOP3("VendorContact", "Contact Country has not been provided.", "message: required entry missing"),
    QT_TRANSLATE_NOOP3("VendorContact", "Contact State has not been provided.",
        "message: required entry missing; state or province, not a status"),
};

// The entries named in the separator refusal, by txtContact index (4 and 5
// are chosen from pickers and cannot hold a typed separator).
const Text EntryNames[VendorContactPrivate::DetailFieldCount] = {
    QT_TRANSLATE_NOOP3("VendorContact", "Contact Name", "entry named in a message"),
    QT_TRANSLATE_NOOP3("VendorContact", "Contact Street 1", "entry named in a message"),
    QT_TRANSLATE_NOOP3("VendorContact", "Contact Street 2", "entry named in a message"),
    QT_TRANSLATE_NOOP3("VendorContact", "Contact City", "entry named in a message"),
    { nullptr, nullptr },
    { nullptr, nullptr },
    QT_TRANSLATE_NOOP3("VendorContact", "Contact Postal Code", "entry named in a message"),
    QT_TRANSLATE_NOOP3("VendorContact", "Contact Phone", "entry named in a message"),
    QT_TRANSLATE_NOOP3("VendorContact", "Contact FAX", "entry named in a message"),
    QT_TRANSLATE_NOOP3("VendorContact", "Contact E-Mail", "entry named in a message"),
    QT_TRANSLATE_NOOP3("VendorContact", "Contact Phone 2", "entry named in a message"),
    QT_TRANSLATE_NOOP3("VendorContact", "Contact Cell", "entry named in a message: mobile phone number"),
};

//: %1 is an entry such as "Contact Name", %2 the separator as typed.
const Text SeparatorRefusals[] = {
    QT_TRANSLATE_NOOP3("VendorContact", "%1 cannot contain the field separator \"%2\".",
        "message: the host's exchange text separates values with this text"),
    QT_TRANSLATE_NOOP3("VendorContact", "%1 cannot contain the record separator \"%2\".",
        "message: the host's exchange text separates addresses with this text"),
    QT_TRANSLATE_NOOP3("VendorContact", "%1 cannot contain the table separator \"%2\".",
        "message: the host's exchange text separates its tables with this text"),
};

} // namespace

namespace PanelTexts {

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
    return translated(DetailCaptions[index]);
}

QString columnHeader(int column)
{
    return translated(ColumnHeaders[column]);
}

QString countryName(int code)
{
    return translated(CountryNames[code]);
}

QString missingEntry(int check)
{
    return translated(MissingEntries[check]);
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

QString informationValidationTitle()
{
    return QCoreApplication::translate("VendorContact", "Information Validation", "title of the delete question box");
}

QString separatorInEntry(int index, SeparatorKind kind, const QString &separator)
{
    return translated(SeparatorRefusals[int(kind)]).arg(translated(EntryNames[index]), separator);
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
    cboContactCountry->setAccessibleName(detailCaption(4));
    cboContactState->setAccessibleName(detailCaption(5));
    lstContacts->setAccessibleName(listAccessibleName());
    for (QWidget *required : requiredEntries())
        required->setAccessibleDescription(requiredAccessibleDescription());

    cmdAdd->setText(addCaption(m_state));
    cmdEdit->setText(editCaption(m_state));
    cmdDelete->setText(deleteCaption());
    lblVersionNumber->setText(versionCaption());
    m_listModel->retranslateHeaders();

    // The country entries keep their positions and the choice; txtContact 4
    // shows the chosen country's name while browsing, so it follows too.
    const QString shownCountry = txtContact[4]->text();
    for (int code = 0; code < cboContactCountry->count() && code < CountryCount; ++code) {
        const bool wasShown = !shownCountry.isEmpty() && cboContactCountry->itemText(code) == shownCountry;
        cboContactCountry->setItemText(code, countryName(code));
        if (wasShown && code == cboContactCountry->currentIndex())
            txtContact[4]->setText(countryName(code));
    }

    // Captions fit at the panel's usual font size in every shipped language;
    // a host's own catalog with longer words gets a smaller font, not cut text.
    choosePanelFont();
}

} // namespace ZebVendorContact
