// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// The input encoding shared by every harness, so the seed corpora and the
// crash files of one harness can be replayed by the other:
//
//     <field separator> NUL <record separator> NUL <table separator> NUL <data>
//
// all in UTF-8. An input holding fewer than three NUL bytes is taken whole as
// the data text, with the separators "|", "~" and "^": the mutator then spends
// most of its time on the table structure, while inputs with NULs reach empty,
// long and overlapping separators. The data text may itself hold NULs.

#include <QtCore/QString>

#include <cstddef>
#include <cstdint>

namespace ZebVendorContact::Fuzz {

struct FuzzInput
{
    QString fieldSeparator;
    QString recordSeparator;
    QString tableSeparator;
    QString data;
    /// A hash of the raw bytes, for the harness's own choices (which records
    /// to flag or delete, which row to click), so a crash file replays exactly.
    quint32 choices = 0;
};

inline quint32 hashBytes(const std::uint8_t *bytes, std::size_t size)
{
    // FNV-1a: stable across runs and Qt versions, unlike seeded qHash.
    quint32 hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= bytes[i];
        hash *= 16777619u;
    }
    return hash;
}

inline FuzzInput decodeFuzzInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzInput input;
    input.choices = hashBytes(bytes, size);
    const auto *text = reinterpret_cast<const char *>(bytes);

    std::size_t cuts[3];
    int found = 0;
    for (std::size_t i = 0; i < size && found < 3; ++i) {
        if (bytes[i] == 0)
            cuts[found++] = i;
    }
    if (found < 3) {
        input.fieldSeparator = QStringLiteral("|");
        input.recordSeparator = QStringLiteral("~");
        input.tableSeparator = QStringLiteral("^");
        input.data = QString::fromUtf8(text, qsizetype(size));
        return input;
    }
    input.fieldSeparator = QString::fromUtf8(text, qsizetype(cuts[0]));
    input.recordSeparator = QString::fromUtf8(text + cuts[0] + 1, qsizetype(cuts[1] - cuts[0] - 1));
    input.tableSeparator = QString::fromUtf8(text + cuts[1] + 1, qsizetype(cuts[2] - cuts[1] - 1));
    input.data = QString::fromUtf8(text + cuts[2] + 1, qsizetype(size - cuts[2] - 1));
    return input;
}

/// The harness's own choices, drawn from FuzzInput::choices (xorshift32), so
/// that one input always makes the same ones.
class Choices
{
public:
    explicit Choices(quint32 seed)
        : m_state(seed | 1u)
    {
    }
    quint32 next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    int below(int bound) { return bound <= 0 ? 0 : int(next() % quint32(bound)); }

private:
    quint32 m_state;
};

/// Reports a broken invariant and aborts, which libFuzzer records as a crash.
/// A test that replays inputs sets a hook that throws instead.
[[noreturn]] void fuzzFailure(const char *what, const QString &detail = QString());

using FuzzFailureHook = void (*)(const QString &message);
void setFuzzFailureHook(FuzzFailureHook hook);

inline void fuzzCheck(bool condition, const char *what, const QString &detail = QString())
{
    if (!condition)
        fuzzFailure(what, detail);
}

} // namespace ZebVendorContact::Fuzz
