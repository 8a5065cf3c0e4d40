// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QCollator>
#include <QtCore/QLocale>
#include <QtCore/QStringView>

#include <cstring>
#include <memory>
#include <vector>

namespace ZebVendorContact {

/*!
 * The order of the list's texts: the locale's collation, with numbers in a
 * text compared as numbers ("Unit 9" before "Unit 10"); in the C locale, the
 * order of the code points, as QCollator has it.
 *
 * Where Qt collates with ICU, this calls ICU itself. A sort needs a key per
 * row, and through QCollator each key ran ICU twice over its text (the first
 * buffer Qt offers is too small for most keys) and took two allocations of
 * its own: that made the sort the biggest part of loading a large vendor.
 * Here a key costs one ICU pass, and all keys of a sort share one buffer.
 */
class ListCollator
{
public:
    explicit ListCollator(const QLocale &locale);
    ~ListCollator();
    ListCollator(const ListCollator &) = delete;
    ListCollator &operator=(const ListCollator &) = delete;

    int compare(QStringView a, QStringView b) const;

    /// The sort keys of some texts, compared by their texts' positions.
    class SortKeys
    {
    public:
        /// Negative, zero or positive as the text at `a` collates before,
        /// equal to or after the text at `b`.
        int compare(std::size_t a, std::size_t b) const
        {
            if (!m_qtKeys.empty())
                return m_qtKeys[a].compare(m_qtKeys[b]);
            return std::strcmp(m_keys[a], m_keys[b]);
        }

        /// The positions in the order of their texts, equal texts in the
        /// order of their positions (a stable sort), ascending or descending.
        std::vector<int> sortedOrder(bool ascending) const;

    private:
        friend class ListCollator;
        // Keys of the ICU collator, each ended by a zero byte, one after the
        // other in one buffer per thread that made them; or QCollator's keys.
        std::vector<char> m_bytes[2];
        std::vector<const char *> m_keys;
        std::vector<QCollatorSortKey> m_qtKeys;
    };

    SortKeys sortKeys(const std::vector<QStringView> &texts) const;

private:
    struct Icu;
    std::unique_ptr<Icu> m_icu; // null where QCollator does the work
    QCollator m_qtCollator;
};

} // namespace ZebVendorContact
