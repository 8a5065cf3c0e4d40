#include "listcollator.h"

#ifdef ZVC_HAVE_ICU
#include <unicode/ucol.h>
#include <unicode/uloc.h>
#endif

namespace ZebVendorContact {

#ifdef ZVC_HAVE_ICU

struct ListCollator::Icu
{
    UCollator *collator = nullptr;
    ~Icu()
    {
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

ListCollator::SortKeys ListCollator::sortKeys(const std::vector<QStringView> &texts) const
{
    SortKeys keys;
#ifdef ZVC_HAVE_ICU
    if (m_icu) {
        keys.m_starts.reserve(texts.size() + 1);
        keys.m_bytes.reserve(texts.size() * 32);
        for (QStringView text : texts) {
            const std::size_t start = keys.m_bytes.size();
            keys.m_starts.push_back(start);
            // Room for a typical key, so ICU runs once; a longer one is
            // written again into the room it asked for.
            int32_t room = int32_t(text.size()) * 3 + 16;
            for (;;) {
                keys.m_bytes.resize(start + std::size_t(room));
                const int32_t length = ucol_getSortKey(m_icu->collator, icuText(text), int32_t(text.size()),
                    reinterpret_cast<uint8_t *>(keys.m_bytes.data() + start), room);
                if (length <= 0) {
                    // ICU could not make a key: an empty one, first in order.
                    keys.m_bytes.resize(start + 1);
                    keys.m_bytes[start] = 0;
                    break;
                }
                if (length <= room) {
                    // The length counts the zero byte that ends the key.
                    keys.m_bytes.resize(start + std::size_t(length));
                    break;
                }
                room = length;
            }
        }
        keys.m_starts.push_back(keys.m_bytes.size());
        return keys;
    }
#endif
    keys.m_qtKeys.reserve(texts.size());
    for (QStringView text : texts)
        keys.m_qtKeys.push_back(m_qtCollator.sortKey(QString::fromRawData(text.data(), text.size())));
    return keys;
}

} // namespace ZebVendorContact
