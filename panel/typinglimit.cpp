#include "typinglimit.h"

#include <QtWidgets/QLineEdit>

#include <algorithm>

namespace ZebVendorContact {

TypingLimitValidator::TypingLimitValidator(int limit, QLineEdit *edit)
    : QValidator(edit)
    , m_edit(edit)
    , m_limit(limit)
{
    noteTextChange(edit->text());
    QObject::connect(edit, &QLineEdit::textChanged, this, &TypingLimitValidator::noteTextChange);
}

void TypingLimitValidator::noteTextChange(const QString &text)
{
    m_currentLength = text.size();
    // setText() resets the modified state; user edits set it.
    if (!m_edit->isModified())
        m_programText = text;
}

QValidator::State TypingLimitValidator::validate(QString &input, int &pos) const
{
    const qsizetype allowed = std::max<qsizetype>(m_limit, m_currentLength);
    if (input.size() <= allowed || input == m_programText)
        return Acceptable;

    // The characters just typed or pasted end at the cursor: keep only as
    // many of them as still fit.
    const qsizetype excess = input.size() - allowed;
    if (pos < excess)
        return Invalid;
    input.remove(pos - excess, excess);
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
