#pragma once

// The facts of the panel's detail entries and list columns, each written
// once: the layout, the check of required entries, the separator refusal, the
// save and the row click all read them from here.

#include <contactrecord.h>

#include <QtCore/QCoreApplication>
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

/// A text of the panel in the application's language.
inline QString panelText(const char *source)
{
    return QCoreApplication::translate("VendorContact", source);
}

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

/// One detail entry, txtContact `index`, with its label beside it. The texts
/// are English sources in the panel's translation context; show them through
/// panelText().
struct DetailField
{
    int index;
    const char *boxName; //!< objectName of the text box
    const char *labelName; //!< objectName of its label
    const char *caption; //!< the label's text, also the box's accessible name
    ContactField storeField; //!< the field a save writes (Country and State: from their pickers)
    int typingLimit; //!< the most characters the user may type: the store field's size
    const char *requiredMessage; //!< shown when the entry is blank; nullptr: it may stay empty
    const char *refusalLabel; //!< names the entry when its value would not read back; nullptr: not typed
    ListColumn listColumn; //!< the column a row click shows in it
    QRect boxTwips; //!< the box's place in twips
    QRect labelTwips; //!< the label's place in twips
};

/// Whether the user types the entry's value; entries 4 and 5 take theirs
/// from the pickers.
constexpr bool isTyped(const DetailField &field)
{
    return field.refusalLabel != nullptr;
}

/// Entries 4 and 5 show the country and state of the selected row; while
/// adding or editing, the country and state pickers lie over them and take
/// the choice (their required messages are the pickers').
inline constexpr int CountryEntry = 4;
inline constexpr int StateEntry = 5;

inline constexpr std::array<DetailField, 12> DetailFields = { {
    { 0, "txtContact_0", "lblName", QT_TRANSLATE_NOOP("VendorContact", "Name"), Name, 60,
        QT_TRANSLATE_NOOP("VendorContact", "Contact Name has not been provided."),
        QT_TRANSLATE_NOOP("VendorContact", "Contact Name"), NameColumn, { 1695, 210, 3075, 285 },
        { 255, 210, 825, 255 } },
    { 1, "txtContact_1", "lblStreet1", QT_TRANSLATE_NOOP("VendorContact", "Street1"), Street1, 30,
        QT_TRANSLATE_NOOP("VendorContact", "Contact Street 1 has not been provided."),
        QT_TRANSLATE_NOOP("VendorContact", "Contact Street 1"), Street1Column, { 1695, 570, 3075, 285 },
        { 255, 570, 855, 255 } },
    { 2, "txtContact_2", "lblStreet2", QT_TRANSLATE_NOOP("VendorContact", "Street2"), Street2, 30, nullptr,
        QT_TRANSLATE_NOOP("VendorContact", "Contact Street 2"), Street2Column, { 1695, 930, 3075, 285 },
        { 255, 930, 855, 255 } },
    { 3, "txtContact_3", "lblCity", QT_TRANSLATE_NOOP("VendorContact", "City"), City, 30,
        QT_TRANSLATE_NOOP("VendorContact", "Contact City has not been provided."),
        QT_TRANSLATE_NOOP("VendorContact", "Contact City"), CityColumn, { 1695, 1290, 3075, 285 },
        { 255, 1290, 975, 255 } },
    { 4, "txtContact_4", "lblCountry", QT_TRANSLATE_NOOP("VendorContact", "Country"), Country, 30,
        QT_TRANSLATE_NOOP("VendorContact", "Contact Country has not been provided."), nullptr, CountryCodeColumn,
        { 1695, 1650, 2055, 285 }, { 255, 1650, 855, 255 } },
    { 5, "txtContact_5", "lblState", QT_TRANSLATE_NOOP("VendorContact", "State"), State, 30,
        QT_TRANSLATE_NOOP("VendorContact", "Contact State has not been provided."), nullptr, StateNameColumn,
        { 1695, 2010, 2055, 285 }, { 255, 2010, 375, 195 } },
    { 6, "txtContact_6", "lblPostalCode", QT_TRANSLATE_NOOP("VendorContact", "Postal Code"), PostalCode, 10, nullptr,
        QT_TRANSLATE_NOOP("VendorContact", "Contact Postal Code"), PostalCodeColumn, { 1695, 2370, 3075, 285 },
        { 255, 2370, 1215, 255 } },
    { 7, "txtContact_7", "lblPhone", QT_TRANSLATE_NOOP("VendorContact", "Phone"), Phone, 25, nullptr,
        QT_TRANSLATE_NOOP("VendorContact", "Contact Phone"), PhoneColumn, { 1695, 2760, 1755, 285 },
        { 255, 2730, 1095, 255 } },
    { 8, "txtContact_8", "lblFAX", QT_TRANSLATE_NOOP("VendorContact", "FAX"), FAX, 20, nullptr,
        QT_TRANSLATE_NOOP("VendorContact", "Contact FAX"), FaxColumn, { 1695, 3090, 1755, 285 },
        { 255, 3090, 1095, 255 } },
    { 9, "txtContact_9", "lblEmail", QT_TRANSLATE_NOOP("VendorContact", "E-Mail"), Email, 50, nullptr,
        QT_TRANSLATE_NOOP("VendorContact", "Contact E-Mail"), EmailColumn, { 1695, 3450, 5115, 285 },
        { 240, 3450, 1095, 255 } },
    { 10, "txtContact_10", "lblPhone2", QT_TRANSLATE_NOOP("VendorContact", "Phone 2"), Phone2, 25, nullptr,
        QT_TRANSLATE_NOOP("VendorContact", "Contact Phone 2"), Phone2Column, { 5040, 2730, 1755, 285 },
        { 3840, 2760, 1095, 255 } },
    { 11, "txtContact_11", "Label2", QT_TRANSLATE_NOOP("VendorContact", "Cell"), Phone3, 25, nullptr,
        QT_TRANSLATE_NOOP("VendorContact", "Contact Cell"), CellColumn, { 5040, 3090, 1755, 285 },
        { 3840, 3120, 1095, 255 } },
} };

/// The entries the user types into, in the order the Tab key visits them
/// (the country and state pickers come between City and Postal Code).
inline constexpr std::array<int, 10> TypedEntriesInTabOrder = { 0, 1, 2, 3, 6, 7, 10, 8, 11, 9 };

} // namespace ZebVendorContact
