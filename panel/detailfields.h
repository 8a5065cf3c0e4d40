#pragma once

// The facts of the panel's detail entries and list columns, each written
// once: the layout, the check of required entries, the separator refusal, the
// save and the row click all read them from here.

#include <contactrecord.h>

#include <QtCore/QRect>

#include <array>

namespace ZebVendorContact {

/// The list's columns: the row text (the address id) and the fourteen
/// sub-items. Past the type, a column's number is its store field's.
enum ListColumn : int {
    AddressIdColumn = 0,
    VendorIdColumn,
    NameColumn,
    TypeNameColumn,
    Street1Column,
    Street2Column,
    CityColumn,
    CountryCodeColumn,
    StateNameColumn,
    PostalCodeColumn,
    PhoneColumn,
    FaxColumn,
    EmailColumn,
    Phone2Column,
    CellColumn,
    ListColumnCount
};

/// Contact types that take at most one address from the user: while the list
/// of such a type has a row, Add is not offered.
inline constexpr std::array<qint16, 2> SingleAddressTypeIds = { 13, 15 };

constexpr bool takesOneAddress(qint16 typeId)
{
    for (qint16 id : SingleAddressTypeIds) {
        if (id == typeId)
            return true;
    }
    return false;
}

/// A text the panel shows, as written here in English, with its note for
/// translators (QT_TRANSLATE_NOOP3); PanelTexts::translated() gives it in the
/// application's language. Empty: there is no such text.
struct TranslatableText
{
    const char *source = nullptr;
    const char *comment = nullptr;
    constexpr explicit operator bool() const { return source != nullptr; }
};

/// One detail entry, txtContact `index`, with its label beside it.
struct DetailField
{
    int index;
    const char *boxName; //!< objectName of the text box
    const char *labelName; //!< objectName of its label
    TranslatableText caption; //!< the label's text, also the box's accessible name
    ContactField storeField; //!< the field a save writes (Country and State: from their pickers)
    int typingLimit; //!< the most characters the user may type: the store field's size
    TranslatableText requiredMessage; //!< shown when the entry is blank; empty: it may stay empty
    TranslatableText refusalLabel; //!< names the entry when its value would not read back; empty: not typed
    ListColumn listColumn; //!< the column a row click shows in it
    QRect boxTwips; //!< the box's place in twips
    QRect labelTwips; //!< the label's place in twips
};

/// Whether the user types the entry's value; entries 4 and 5 take theirs
/// from the pickers.
constexpr bool isTyped(const DetailField &field)
{
    return bool(field.refusalLabel);
}

/// Entries 4 and 5 show the country and state of the selected row; while
/// adding or editing, the country and state pickers lie over them and take
/// the choice (their required messages are the pickers').
inline constexpr int CountryEntry = 4;
inline constexpr int StateEntry = 5;

inline constexpr std::array<DetailField, 12> DetailFields = { {
    { 0, "txtContact_0", "lblName", QT_TRANSLATE_NOOP3("VendorContact", "Name", "field label: the contact's name"),
        Name, 60,
        QT_TRANSLATE_NOOP3("VendorContact", "Contact Name has not been provided.", "message: required entry missing"),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact Name", "entry named in a message"), NameColumn,
        { 1695, 210, 3075, 285 }, { 255, 210, 825, 255 } },
    { 1, "txtContact_1", "lblStreet1", QT_TRANSLATE_NOOP3("VendorContact", "Street1", "field label: first street line"),
        Street1, 30,
        QT_TRANSLATE_NOOP3(
            "VendorContact", "Contact Street 1 has not been provided.", "message: required entry missing"),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact Street 1", "entry named in a message"), Street1Column,
        { 1695, 570, 3075, 285 }, { 255, 570, 855, 255 } },
    { 2, "txtContact_2", "lblStreet2",
        QT_TRANSLATE_NOOP3("VendorContact", "Street2", "field label: second street line"), Street2, 30,
        TranslatableText(), QT_TRANSLATE_NOOP3("VendorContact", "Contact Street 2", "entry named in a message"),
        Street2Column, { 1695, 930, 3075, 285 }, { 255, 930, 855, 255 } },
    { 3, "txtContact_3", "lblCity", QT_TRANSLATE_NOOP3("VendorContact", "City", "field label"), City, 30,
        QT_TRANSLATE_NOOP3("VendorContact", "Contact City has not been provided.", "message: required entry missing"),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact City", "entry named in a message"), CityColumn,
        { 1695, 1290, 3075, 285 }, { 255, 1290, 975, 255 } },
    { 4, "txtContact_4", "lblCountry", QT_TRANSLATE_NOOP3("VendorContact", "Country", "field label"), Country, 30,
        QT_TRANSLATE_NOOP3(
            "VendorContact", "Contact Country has not been provided.", "message: required entry missing"),
        TranslatableText(), CountryCodeColumn, { 1695, 1650, 2055, 285 }, { 255, 1650, 855, 255 } },
    { 5, "txtContact_5", "lblState",
        QT_TRANSLATE_NOOP3("VendorContact", "State", "field label: state or province of an address, not a status"),
        State, 30,
        QT_TRANSLATE_NOOP3("VendorContact", "Contact State has not been provided.",
            "message: required entry missing; state or province, not a status"),
        TranslatableText(), StateNameColumn, { 1695, 2010, 2055, 285 }, { 255, 2010, 375, 195 } },
    { 6, "txtContact_6", "lblPostalCode", QT_TRANSLATE_NOOP3("VendorContact", "Postal Code", "field label"), PostalCode,
        10, TranslatableText(), QT_TRANSLATE_NOOP3("VendorContact", "Contact Postal Code", "entry named in a message"),
        PostalCodeColumn, { 1695, 2370, 3075, 285 }, { 255, 2370, 1215, 255 } },
    { 7, "txtContact_7", "lblPhone", QT_TRANSLATE_NOOP3("VendorContact", "Phone", "field label: main phone number"),
        Phone, 25, TranslatableText(), QT_TRANSLATE_NOOP3("VendorContact", "Contact Phone", "entry named in a message"),
        PhoneColumn, { 1695, 2760, 1755, 285 }, { 255, 2730, 1095, 255 } },
    { 8, "txtContact_8", "lblFAX", QT_TRANSLATE_NOOP3("VendorContact", "FAX", "field label: fax number"), FAX, 20,
        TranslatableText(), QT_TRANSLATE_NOOP3("VendorContact", "Contact FAX", "entry named in a message"), FaxColumn,
        { 1695, 3090, 1755, 285 }, { 255, 3090, 1095, 255 } },
    { 9, "txtContact_9", "lblEmail", QT_TRANSLATE_NOOP3("VendorContact", "E-Mail", "field label: e-mail address"),
        Email, 50, TranslatableText(),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact E-Mail", "entry named in a message"), EmailColumn,
        { 1695, 3450, 5115, 285 }, { 240, 3450, 1095, 255 } },
    { 10, "txtContact_10", "lblPhone2",
        QT_TRANSLATE_NOOP3("VendorContact", "Phone 2", "field label: second phone number"), Phone2, 25,
        TranslatableText(), QT_TRANSLATE_NOOP3("VendorContact", "Contact Phone 2", "entry named in a message"),
        Phone2Column, { 5040, 2730, 1755, 285 }, { 3840, 2760, 1095, 255 } },
    { 11, "txtContact_11", "Label2",
        QT_TRANSLATE_NOOP3("VendorContact", "Cell", "field label: mobile phone number, not a table cell"), Phone3, 25,
        TranslatableText(),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact Cell", "entry named in a message: mobile phone number"),
        CellColumn, { 5040, 3090, 1755, 285 }, { 3840, 3120, 1095, 255 } },
} };

/// The entries the user types into, in the order the Tab key visits them
/// (the country and state pickers come between City and Postal Code).
inline constexpr std::array<int, 10> TypedEntriesInTabOrder = { 0, 1, 2, 3, 6, 7, 10, 8, 11, 9 };

} // namespace ZebVendorContact
