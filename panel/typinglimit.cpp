// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "typinglimit.h"

#include <QtWidgets/QLineEdit>

#include <algorithm>

namespace ZebVendorContact {

namespace {

/// U+0000 and the other C0 controls but tab: nothing a person means to put
/// into an address, and a NUL cuts the value short in a database statement.
bool isRefusedControl(QChar character)
{
    return character.unicode() < 0x20 && character != u'\t';
}

/// Drops the refused control characters from the part of `input` that an
/// edit changed against `before` (what the program set stays as it is),
/// moving `pos` with the text. Whether any were dropped.
bool dropTypedControls(const QString &before, QString &input, int &pos)
{
    const qsizetype shorter = std::min(before.size(), input.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before.at(prefix) == input.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before.at(before.size() - 1 - suffix) == input.at(input.size() - 1 - suffix))
        ++suffix;

    QChar *const first = input.data() + prefix;
    QChar *const last = input.data() + input.size() - suffix;
    QChar *const cursor = input.data() + std::clamp<qsizetype>(pos, prefix, input.size() - suffix);
    const auto beforeCursor = std::count_if(first, cursor, isRefusedControl);
    QChar *const kept = std::remove_if(first, last, isRefusedControl);
    if (kept == last)
        return false;
    input.remove(kept - input.data(), last - kept);
    pos -= int(beforeCursor);
    return true;
}

} // namespace

TypingLimitValidator::TypingLimitValidator(int limit, QLineEdit *edit)
    : QValidator(edit)
    , m_edit(edit)
    , m_limit(limit)
    , m_currentText(edit->text())
{
    QObject::connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) { m_currentText = text; });
}

QValidator::State TypingLimitValidator::validate(QString &input, int &pos) const
{
    // setText() clears the modified state before it validates; every edit of
    // the user sets it. Undoing back to what the program set clears it too.
    if (!m_edit->isModified())
        return Acceptable;

    // A paste keeps what is left once the controls are gone; an edit of
    // nothing else is refused, which keeps the undo history.
    if (dropTypedControls(m_currentText, input, pos) && input == m_currentText)
        return Invalid;

    const qsizetype allowed = std::max<qsizetype>(m_limit, m_currentText.size());
    if (input.size() <= allowed)
        return Acceptable;

    // The characters just typed or pasted end at the cursor: keep only as
    // many of them as still fit.
    const qsizetype excess = input.size() - allowed;
    if (pos < excess)
        return Invalid;
    QString kept = input;
    kept.remove(pos - excess, excess);
    if (kept == m_currentText)
        return Invalid;
    input = kept;
    pos -= int(excess);
    return Acceptable;
}

TypingLimitValidator *limitTyping(QLineEdit *edit, int limit)
{
    auto *validator = new TypingLimitValidator(limit, edit);
    edit->setValidator(validator);
    return validator;
}

int typingLimit(const QLineEdit *edit)
{
    const auto *validator = qobject_cast<const TypingLimitValidator *>(edit->validator());
    return validator ? validator->limit() : -1;
}

} // namespace ZebVendorContact
