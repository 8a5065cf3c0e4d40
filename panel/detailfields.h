// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// The facts of the panel's detail entries and list columns, each written
// once: the layout, the check of required entries, the separator refusal, the
// save and the row click all read them from here.

#include <contactrecord.h>

#include <QtCore/QRect>

#include <array>

namespace ZebVendorContact {

/// The list's columns: the row text (the address id) and the fourteen
/// sub-items; ListColumns below says what each shows.
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

/// How the user gives an entry its value while adding or editing.
enum class EntryKind {
    Typed, //!< typed into the text box
    Picker, //!< chosen in the picker that lies over the text box
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
    EntryKind kind; //!< typed, or chosen in a picker over the box
    bool required; //!< an address cannot do without it: checked before a save, marked by a bullet
    int tabPosition; //!< its place among the detail entries (a picker's place for a picker entry)
    int bulletIndex; //!< the index of its mark, imgBullet_<index>; -1: not required
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
    return field.kind == EntryKind::Typed;
}

/// Entries 4 and 5 show the country and state of the selected row; while
/// adding or editing, the country and state pickers lie over them and take
/// the choice (their required messages are the pickers').
inline constexpr int CountryEntry = 4;
inline constexpr int StateEntry = 5;

inline constexpr std::array<DetailField, 12> DetailFields = { {
    { 0, "txtContact_0", "lblName", QT_TRANSLATE_NOOP3("VendorContact", "Name", "field label: the contact's name"),
        Name, 60, EntryKind::Typed, true, 0, 7,
        QT_TRANSLATE_NOOP3("VendorContact", "Contact Name has not been provided.", "message: required entry missing"),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact Name", "entry named in a message"), NameColumn,
        { 1695, 210, 3075, 285 }, { 255, 210, 825, 255 } },
    { 1, "txtContact_1", "lblStreet1", QT_TRANSLATE_NOOP3("VendorContact", "Street1", "field label: first street line"),
        Street1, 30, EntryKind::Typed, true, 1, 0,
        QT_TRANSLATE_NOOP3(
            "VendorContact", "Contact Street 1 has not been provided.", "message: required entry missing"),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact Street 1", "entry named in a message"), Street1Column,
        { 1695, 570, 3075, 285 }, { 255, 570, 855, 255 } },
    { 2, "txtContact_2", "lblStreet2",
        QT_TRANSLATE_NOOP3("VendorContact", "Street2", "field label: second street line"), Street2, 30,
        EntryKind::Typed, false, 2, -1, TranslatableText(),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact Street 2", "entry named in a message"), Street2Column,
        { 1695, 930, 3075, 285 }, { 255, 930, 855, 255 } },
    { 3, "txtContact_3", "lblCity", QT_TRANSLATE_NOOP3("VendorContact", "City", "field label"), City, 30,
        EntryKind::Typed, true, 3, 2,
        QT_TRANSLATE_NOOP3("VendorContact", "Contact City has not been provided.", "message: required entry missing"),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact City", "entry named in a message"), CityColumn,
        { 1695, 1290, 3075, 285 }, { 255, 1290, 975, 255 } },
    { 4, "txtContact_4", "lblCountry", QT_TRANSLATE_NOOP3("VendorContact", "Country", "field label"), Country, 30,
        EntryKind::Picker, true, 4, 3,
        QT_TRANSLATE_NOOP3(
            "VendorContact", "Contact Country has not been provided.", "message: required entry missing"),
        TranslatableText(), CountryCodeColumn, { 1695, 1650, 2055, 285 }, { 255, 1650, 855, 255 } },
    { 5, "txtContact_5", "lblState",
        QT_TRANSLATE_NOOP3("VendorContact", "State", "field label: state or province of an address, not a status"),
        State, 30, EntryKind::Picker, true, 5, 4,
        QT_TRANSLATE_NOOP3("VendorContact", "Contact State has not been provided.",
            "message: required entry missing; state or province, not a status"),
        TranslatableText(), StateNameColumn, { 1695, 2010, 2055, 285 }, { 255, 2010, 375, 195 } },
    { 6, "txtContact_6", "lblPostalCode", QT_TRANSLATE_NOOP3("VendorContact", "Postal Code", "field label"), PostalCode,
        10, EntryKind::Typed, false, 6, -1, TranslatableText(),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact Postal Code", "entry named in a message"), PostalCodeColumn,
        { 1695, 2370, 3075, 285 }, { 255, 2370, 1215, 255 } },
    { 7, "txtContact_7", "lblPhone", QT_TRANSLATE_NOOP3("VendorContact", "Phone", "field label: main phone number"),
        Phone, 25, EntryKind::Typed, false, 7, -1, TranslatableText(),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact Phone", "entry named in a message"), PhoneColumn,
        { 1695, 2760, 1755, 285 }, { 255, 2730, 1095, 255 } },
    { 8, "txtContact_8", "lblFAX", QT_TRANSLATE_NOOP3("VendorContact", "FAX", "field label: fax number"), FAX, 20,
        EntryKind::Typed, false, 9, -1, TranslatableText(),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact FAX", "entry named in a message"), FaxColumn,
        { 1695, 3090, 1755, 285 }, { 255, 3090, 1095, 255 } },
    { 9, "txtContact_9", "lblEmail", QT_TRANSLATE_NOOP3("VendorContact", "E-Mail", "field label: e-mail address"),
        Email, 50, EntryKind::Typed, false, 11, -1, TranslatableText(),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact E-Mail", "entry named in a message"), EmailColumn,
        { 1695, 3450, 5115, 285 }, { 240, 3450, 1095, 255 } },
    { 10, "txtContact_10", "lblPhone2",
        QT_TRANSLATE_NOOP3("VendorContact", "Phone 2", "field label: second phone number"), Phone2, 25,
        EntryKind::Typed, false, 8, -1, TranslatableText(),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact Phone 2", "entry named in a message"), Phone2Column,
        { 5040, 2730, 1755, 285 }, { 3840, 2760, 1095, 255 } },
    { 11, "txtContact_11", "Label2",
        QT_TRANSLATE_NOOP3("VendorContact", "Cell", "field label: mobile phone number, not a table cell"), Phone3, 25,
        EntryKind::Typed, false, 10, -1, TranslatableText(),
        QT_TRANSLATE_NOOP3("VendorContact", "Contact Cell", "entry named in a message: mobile phone number"),
        CellColumn, { 5040, 3090, 1755, 285 }, { 3840, 3120, 1095, 255 } },
} };

/// The detail entries by their tab position: txtContact indexes in the order
/// the Tab key visits them (a picker entry stands for its picker).
constexpr std::array<int, DetailFields.size()> detailTabOrder()
{
    std::array<int, DetailFields.size()> order {};
    for (const DetailField &field : DetailFields)
        order[std::size_t(field.tabPosition)] = field.index;
    return order;
}
inline constexpr std::array<int, DetailFields.size()> DetailTabOrder = detailTabOrder();

/// The number of required entries: the marks beside them, the checks before
/// a save.
constexpr int requiredCount()
{
    int count = 0;
    for (const DetailField &field : DetailFields)
        count += field.required ? 1 : 0;
    return count;
}

// The table's own consistency: every row at its index, a required entry has
// its message and its mark, a typed entry is named when a value is refused.
constexpr bool detailFieldsAgree()
{
    for (std::size_t i = 0; i < DetailFields.size(); ++i) {
        const DetailField &field = DetailFields[i];
        if (field.index != int(i) || field.required != bool(field.requiredMessage) ||
            field.required != (field.bulletIndex >= 0) || isTyped(field) != bool(field.refusalLabel) ||
            DetailTabOrder[std::size_t(field.tabPosition)] != field.index)
            return false;
    }
    return true;
}
static_assert(detailFieldsAgree(), "DetailFields: a row contradicts itself");

/// One column of the address list.
struct ListColumnInfo
{
    ListColumn column;
    TranslatableText header; //!< the header's text
    /// The list's width at start-up divided by this gives the column's width;
    /// 0: the column is hidden, yet carries the row's copy of its field.
    double widthDivisor;
    /// The record field the column shows; the type and state columns show
    /// the names that the lookup tables give for the field's id.
    ContactField storeField;
};

/// Only "Contact Name", "Type", "Phone", "Phone 2" and "Cell" are shown; the
/// other columns are hidden but still named for assistive technology.
inline constexpr std::array<ListColumnInfo, ListColumnCount> ListColumns = { {
    { AddressIdColumn,
        QT_TRANSLATE_NOOP3("VendorContact", "AddressID", "list column header (hidden): the address's id"), 0,
        AddressID },
    { VendorIdColumn, QT_TRANSLATE_NOOP3("VendorContact", "ObjectID", "list column header (hidden): the vendor's id"),
        0, ObjectID },
    { NameColumn, QT_TRANSLATE_NOOP3("VendorContact", "Contact Name", "list column header"), 2.1, Name },
    { TypeNameColumn, QT_TRANSLATE_NOOP3("VendorContact", "Type", "list column header: the kind of contact address"),
        3.2, Type },
    { Street1Column, QT_TRANSLATE_NOOP3("VendorContact", "Street1", "list column header (hidden): first street line"),
        0, Street1 },
    { Street2Column, QT_TRANSLATE_NOOP3("VendorContact", "Street2", "list column header (hidden): second street line"),
        0, Street2 },
    { CityColumn, QT_TRANSLATE_NOOP3("VendorContact", "City", "list column header (hidden)"), 0, City },
    { CountryCodeColumn, QT_TRANSLATE_NOOP3("VendorContact", "Country", "list column header (hidden)"), 0, Country },
    { StateNameColumn,
        QT_TRANSLATE_NOOP3("VendorContact", "State", "list column header (hidden): state or province, not a status"), 0,
        State },
    { PostalCodeColumn, QT_TRANSLATE_NOOP3("VendorContact", "PostalCode", "list column header (hidden)"), 0,
        PostalCode },
    { PhoneColumn, QT_TRANSLATE_NOOP3("VendorContact", "Phone", "list column header: main phone number"), 5, Phone },
    { FaxColumn, QT_TRANSLATE_NOOP3("VendorContact", "FAX", "list column header (hidden): fax number"), 0, FAX },
    { EmailColumn, QT_TRANSLATE_NOOP3("VendorContact", "Email", "list column header (hidden): e-mail address"), 0,
        Email },
    { Phone2Column, QT_TRANSLATE_NOOP3("VendorContact", "Phone 2", "list column header: second phone number"), 5,
        Phone2 },
    { CellColumn,
        QT_TRANSLATE_NOOP3("VendorContact", "Cell", "list column header: mobile phone number, not a table cell"), 5,
        Phone3 },
} };

constexpr bool listColumnsInOrder()
{
    for (std::size_t i = 0; i < ListColumns.size(); ++i) {
        if (ListColumns[i].column != ListColumn(i))
            return false;
    }
    return true;
}
static_assert(listColumnsInOrder(), "ListColumns: a row out of its place");

} // namespace ZebVendorContact
