// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "benchdata.h"

#include <QtCore/QCollator>
#include <QtCore/QStringList>

#include <algorithm>
#include <vector>

#include <array>
#include <cstdint>

namespace BenchData {

namespace {

using namespace Qt::Literals::StringLiterals;

// SplitMix64: tiny, and its sequence is fixed by its definition, unlike the
// distributions of <random>.
class Generator
{
public:
    explicit Generator(std::uint64_t seed)
        : m_state(seed)
    {
    }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    /// A number from 0 to bound - 1.
    int below(int bound) { return int(next() % std::uint64_t(bound)); }

    template<typename T, std::size_t N> const T &pick(const std::array<T, N> &items)
    {
        return items[std::size_t(below(int(N)))];
    }

private:
    std::uint64_t m_state;
};

constexpr std::uint64_t Seed = 0x5EEDC0DE2026ull;

const std::array<QString, TypeCount> TypeNames = {
    u"Head office"_s,
    u"Billing"_s,
    u"Shipping"_s,
    u"Warehouse"_s,
    u"Returns"_s,
    u"Sales"_s,
    u"Support"_s,
    u"Purchasing"_s,
    u"Accounts payable"_s,
    u"Legal"_s,
};

const std::array<QString, 24> FirstNames = {
    u"Dana"_s,
    u"Marc-André"_s,
    u"Lucía"_s,
    u"Ben"_s,
    u"Priya"_s,
    u"Tomasz"_s,
    u"Aiko"_s,
    u"Olumide"_s,
    u"Grace"_s,
    u"Henrik"_s,
    u"Zoë"_s,
    u"Rafael"_s,
    u"Mei"_s,
    u"Jonas"_s,
    u"Fatima"_s,
    u"Liam"_s,
    u"Chloé"_s,
    u"Ivan"_s,
    u"Sofia"_s,
    u"Kwame"_s,
    u"Hannah"_s,
    u"Mateo"_s,
    u"Nora"_s,
    u"Élodie"_s,
};

// Surnames are made of two parts, so that the 32,767 names are mostly
// distinct, as a vendor's contacts are: sorting may not profit from repeats.
const std::array<QString, 30> SurnameStarts = {
    u"Whit"_s,
    u"Trem"_s,
    u"Gar"_s,
    u"Oka"_s,
    u"Ra"_s,
    u"Kowal"_s,
    u"Tana"_s,
    u"Ade"_s,
    u"Lind"_s,
    u"Mül"_s,
    u"Duar"_s,
    u"Ber"_s,
    u"Had"_s,
    u"Wal"_s,
    u"Lefè"_s,
    u"Pet"_s,
    u"Ros"_s,
    u"Men"_s,
    u"Schmi"_s,
    u"Álva"_s,
    u"Qui"_s,
    u"Du"_s,
    u"Hol"_s,
    u"Fitz"_s,
    u"Mac"_s,
    u"O'Bri"_s,
    u"Van "_s,
    u"Ng"_s,
    u"Sato"_s,
    u"Ivan"_s,
};

const std::array<QString, 30> SurnameEnds = {
    u"field"_s,
    u"blay"_s,
    u"za"_s,
    u"for"_s,
    u"man"_s,
    u"ski"_s,
    u"ka"_s,
    u"yemi"_s,
    u"qvist"_s,
    u"ler"_s,
    u"te"_s,
    u"g"_s,
    u"dad"_s,
    u"sh"_s,
    u"vre"_s,
    u"rov"_s,
    u"si"_s,
    u"sah"_s,
    u"dt"_s,
    u"rez"_s,
    u"nn"_s,
    u"bois"_s,
    u"mes"_s,
    u"gerald"_s,
    u"donald"_s,
    u"en"_s,
    u"dyke"_s,
    u"uyen"_s,
    u"moto"_s,
    u"ova"_s,
};

const std::array<QString, 16> StreetNames = {
    u"Harbour Rd"_s,
    u"W Fulton St"_s,
    u"Queens Quay W"_s,
    u"Harrison St"_s,
    u"Main St"_s,
    u"Dock St"_s,
    u"Elm Ave"_s,
    u"Rue Sainte-Catherine"_s,
    u"Market St"_s,
    u"King St E"_s,
    u"Lakeshore Blvd"_s,
    u"Av. Constitución"_s,
    u"Commerce Way"_s,
    u"Industrial Pkwy"_s,
    u"Oak Ln"_s,
    u"Bay St"_s,
};

const std::array<QString, 16> Cities = {
    u"Springfield"_s,
    u"Chicago"_s,
    u"Toronto"_s,
    u"Oakland"_s,
    u"Montréal"_s,
    u"Monterrey"_s,
    u"Vancouver"_s,
    u"Denver"_s,
    u"Halifax"_s,
    u"Austin"_s,
    u"Portland"_s,
    u"Québec"_s,
    u"Boise"_s,
    u"Calgary"_s,
    u"São Paulo"_s,
    u"Reno"_s,
};

// Country code of state `index`: fifty American states, thirteen Canadian
// provinces and territories, the rest elsewhere.
int countryOfState(int index)
{
    if (index < 50)
        return 1;
    if (index < 63)
        return 2;
    return 0;
}

QString digits(Generator &random, int count)
{
    QString text;
    text.reserve(count);
    for (int i = 0; i < count; ++i)
        text.append(QChar(u'0' + random.below(10)));
    return text;
}

QString phone(Generator &random)
{
    return u"(%1) 555-%2"_s.arg(200 + random.below(800)).arg(digits(random, 4));
}

QString postalCode(Generator &random, int country)
{
    if (country == 2) {
        auto letter = [&random] { return QChar(u'A' + random.below(26)); };
        return QString(letter()) + QString::number(random.below(10)) + letter() + u' ' +
            QString::number(random.below(10)) + letter() + QString::number(random.below(10));
    }
    return digits(random, 5);
}

struct Address
{
    QString name;
    QString record;
};

Address makeAddress(Generator &random, int index, const Options &options)
{
    const QString &sep = fieldSeparator();
    const int typeIndex = options.spread == Spread::OneType ? 0 : index % TypeCount;
    const int state = random.below(StateCount);
    const int country = countryOfState(state);
    const QString &first = random.pick(FirstNames);
    const QString last = random.pick(SurnameStarts) + random.pick(SurnameEnds);
    const bool hasSuite = random.below(3) == 0;
    const bool hasPhones = random.below(2) == 0;

    const QString values[] = {
        QString::number(100000 + index), // AddressID
        u"1042"_s, // ObjectID
        QString::number(typeId(typeIndex)),
        first + u' ' + last,
        QString::number(1 + random.below(9999)) + u' ' + random.pick(StreetNames),
        hasSuite ? u"Suite %1"_s.arg(100 + random.below(900)) : QString(),
        random.pick(Cities),
        QString::number(country),
        QString::number(state + 1),
        postalCode(random, country),
        phone(random),
        random.below(4) == 0 ? phone(random) : QString(),
        first.toLower() + u'.' + last.toLower() + u"@example.com"_s,
        hasPhones ? phone(random) : QString(),
        hasPhones ? phone(random) : QString(),
    };
    QString text;
    for (const QString &value : values)
        text += value + sep;
    text.chop(sep.size());
    if (options.flagged)
        text += sep + u"S"_s;
    text += recordSeparator();
    return { values[3], text };
}

} // namespace

int typeId(int index)
{
    return index + 1;
}

QString typeName(int index)
{
    return TypeNames.at(std::size_t(index));
}

QString loadText(const Options &options)
{
    Generator random(Seed);
    QString text;
    text.reserve(qsizetype(options.addresses) * 160 + 8192);

    std::vector<Address> addresses;
    addresses.reserve(std::size_t(options.addresses));
    for (int index = 0; index < options.addresses; ++index)
        addresses.push_back(makeAddress(random, index, options));
    if (options.byName) {
        QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
        collator.setNumericMode(true);
        std::stable_sort(addresses.begin(), addresses.end(),
            [&collator](const Address &a, const Address &b) { return collator.compare(a.name, b.name) < 0; });
    }
    for (const Address &address : addresses)
        text += address.record;

    text += tableSeparator();
    for (int index = 0; index < TypeCount; ++index)
        text += QString::number(typeId(index)) + fieldSeparator() + typeName(index) + recordSeparator();

    text += tableSeparator();
    for (int index = 0; index < StateCount; ++index) {
        const QString id = QString::number(index + 1);
        text += id + fieldSeparator() + QString::number(countryOfState(index)) + fieldSeparator() + u"S"_s + id +
            fieldSeparator() + u"State %1"_s.arg(index + 1, 3, 10, QChar(u'0')) + recordSeparator();
    }
    return text;
}

} // namespace BenchData
