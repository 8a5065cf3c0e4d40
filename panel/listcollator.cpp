// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "listcollator.h"

#ifdef ZVC_HAVE_ICU
#include <unicode/ucol.h>
#include <unicode/uloc.h>
#include <unicode/uvernum.h>
#endif

#include <algorithm>
#include <exception>
#include <numeric>
#include <thread>

namespace ZebVendorContact {

#ifdef ZVC_HAVE_ICU

struct ListCollator::Icu
{
    UCollator *collator = nullptr;
    // A copy for the second thread of a large sort (a collator must not be
    // used by two threads at once), made on the first such sort.
    UCollator *clone = nullptr;
    ~Icu()
    {
        if (clone)
            ucol_close(clone);
        if (collator)
            ucol_close(collator);
    }
};

namespace {

// The ICU collator QCollator would open for `locale`, numbers compared as
// numbers; null when ICU has none.
UCollator *openCollator(const QLocale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    char localeId[ULOC_FULLNAME_CAPACITY] = {};
    uloc_forLanguageTag(locale.bcp47Name().toLatin1().constData(), localeId, sizeof localeId, nullptr, &status);
    if (U_FAILURE(status))
        return nullptr;
    UCollator *collator = ucol_open(localeId, &status);
    if (U_FAILURE(status))
        return nullptr;
    ucol_setAttribute(collator, UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
    if (U_FAILURE(status)) {
        ucol_close(collator);
        return nullptr;
    }
    return collator;
}

const UChar *icuText(QStringView text)
{
    return reinterpret_cast<const UChar *>(text.utf16());
}

// Below this many texts a second thread costs more than it saves.
constexpr std::size_t TextsPerThread = 4096;

UCollator *cloneCollator(const UCollator *collator)
{
    UErrorCode status = U_ZERO_ERROR;
#if U_ICU_VERSION_MAJOR_NUM >= 71
    UCollator *clone = ucol_clone(collator, &status);
#else
    UCollator *clone = ucol_safeClone(collator, nullptr, nullptr, &status);
#endif
    if (U_FAILURE(status)) {
        if (clone)
            ucol_close(clone);
        return nullptr;
    }
    return clone;
}

// Writes the keys of `texts` one after the other into `bytes`, each ended by
// its zero byte, and the offset of each into `starts`.
void writeSortKeys(const UCollator *collator, const QStringView *texts, std::size_t count, std::vector<char> &bytes,
    std::vector<std::size_t> &starts)
{
    starts.reserve(count);
    bytes.reserve(count * 32);
    for (std::size_t i = 0; i < count; ++i) {
        const QStringView text = texts[i];
        const std::size_t start = bytes.size();
        starts.push_back(start);
        // Room for a typical key, so ICU runs once; a longer one is written
        // again into the room it asked for.
        int32_t room = int32_t(text.size()) * 3 + 16;
        for (;;) {
            bytes.resize(start + std::size_t(room));
            const int32_t length = ucol_getSortKey(
                collator, icuText(text), int32_t(text.size()), reinterpret_cast<uint8_t *>(bytes.data() + start), room);
            if (length <= 0) {
                // ICU could not make a key: an empty one, first in order.
                bytes.resize(start + 1);
                bytes[start] = 0;
                break;
            }
            if (length <= room) {
                // The length counts the zero byte that ends the key.
                bytes.resize(start + std::size_t(length));
                break;
            }
            room = length;
        }
    }
}

} // namespace

#else

struct ListCollator::Icu
{
};

#endif

ListCollator::ListCollator(const QLocale &locale)
    : m_qtCollator(locale)
{
    m_qtCollator.setNumericMode(true);
#ifdef ZVC_HAVE_ICU
    // QCollator compares code points in the C locale, without ICU.
    if (locale.language() != QLocale::C) {
        if (UCollator *collator = openCollator(locale)) {
            m_icu = std::make_unique<Icu>();
            m_icu->collator = collator;
        }
    }
#endif
}

ListCollator::~ListCollator() = default;

int ListCollator::compare(QStringView a, QStringView b) const
{
#ifdef ZVC_HAVE_ICU
    if (m_icu) {
        switch (ucol_strcoll(m_icu->collator, icuText(a), int32_t(a.size()), icuText(b), int32_t(b.size()))) {
        case UCOL_LESS:
            return -1;
        case UCOL_GREATER:
            return 1;
        case UCOL_EQUAL:
            return 0;
        }
    }
#endif
    return m_qtCollator.compare(a, b);
}

std::vector<int> ListCollator::SortKeys::sortedOrder(bool ascending) const
{
    const std::size_t count = m_qtKeys.empty() ? m_keys.size() : m_qtKeys.size();
    if (!m_qtKeys.empty()) {
        std::vector<int> order(count);
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const int comparison = compare(std::size_t(a), std::size_t(b));
            return ascending ? comparison < 0 : comparison > 0;
        });
        return order;
    }

    // Each key's first eight bytes beside it as one number: most comparisons
    // end there, without following the pointer to the key. A key has no zero
    // byte before its end, so equal numbers with a zero last byte mean equal
    // keys. The position breaks ties, which makes the sort stable.
    struct Entry
    {
        quint64 prefix;
        const char *key;
        int position;
    };
    std::vector<Entry> entries(count);
    for (std::size_t i = 0; i < count; ++i) {
        const char *key = m_keys[i];
        quint64 prefix = 0;
        int length = 0;
        while (length < 8 && key[length] != 0) {
            prefix |= quint64(quint8(key[length])) << (56 - 8 * length);
            ++length;
        }
        entries[i] = { prefix, key, int(i) };
    }
    auto keyOrder = [](const Entry &a, const Entry &b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix ? -1 : 1;
        if ((a.prefix & 0xFF) == 0)
            return 0;
        return std::strcmp(a.key + 8, b.key + 8);
    };
    std::sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) {
        const int comparison = ascending ? keyOrder(a, b) : keyOrder(b, a);
        return comparison != 0 ? comparison < 0 : a.position < b.position;
    });
    std::vector<int> order(count);
    for (std::size_t i = 0; i < count; ++i)
        order[i] = entries[i].position;
    return order;
}

ListCollator::SortKeys ListCollator::sortKeys(const std::vector<QStringView> &texts) const
{
    SortKeys keys;
#ifdef ZVC_HAVE_ICU
    if (m_icu) {
        // The keys are most of a large sort's time; with two cores, each
        // makes half of them with a collator of its own.
        const bool twoThreads = texts.size() >= 2 * TextsPerThread && std::thread::hardware_concurrency() > 1;
        if (twoThreads && !m_icu->clone)
            m_icu->clone = cloneCollator(m_icu->collator);
        const std::size_t firstCount = twoThreads && m_icu->clone ? texts.size() / 2 : texts.size();

        std::vector<std::size_t> starts[2];
        std::exception_ptr secondFailure;
        std::thread second;
        if (firstCount < texts.size()) {
            second = std::thread([&] {
                try {
                    writeSortKeys(
                        m_icu->clone, texts.data() + firstCount, texts.size() - firstCount, keys.m_bytes[1], starts[1]);
                } catch (...) {
                    secondFailure = std::current_exception();
                }
            });
        }
        std::exception_ptr firstFailure;
        try {
            writeSortKeys(m_icu->collator, texts.data(), firstCount, keys.m_bytes[0], starts[0]);
        } catch (...) {
            firstFailure = std::current_exception();
        }
        if (second.joinable())
            second.join();
        for (const std::exception_ptr &failure : { firstFailure, secondFailure }) {
            if (failure)
                std::rethrow_exception(failure);
        }

        keys.m_keys.reserve(texts.size());
        for (int part = 0; part < 2; ++part) {
            for (const std::size_t start : starts[part])
                keys.m_keys.push_back(keys.m_bytes[part].data() + start);
        }
        return keys;
    }
#endif
    keys.m_qtKeys.reserve(texts.size());
    for (QStringView text : texts)
        keys.m_qtKeys.push_back(m_qtCollator.sortKey(QString::fromRawData(text.data(), text.size())));
    return keys;
}

} // namespace ZebVendorContact
