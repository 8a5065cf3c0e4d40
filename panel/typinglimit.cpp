#include "typinglimit.h"

#include <QtWidgets/QLineEdit>

#include <algorithm>

namespace ZebVendorContact {

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
