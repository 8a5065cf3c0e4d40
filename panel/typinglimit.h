#pragma once

#include <QtGui/QValidator>

class QLineEdit;

namespace ZebVendorContact {

/*!
 * Limits what the user types into a line edit, and only that.
 *
 * QLineEdit's own maxLength would also cut text that the program sets, so a
 * loaded value longer than the typing limit would be shown cut and saved
 * back cut. A validator only judges edits (QLineEdit::setText does not
 * validate), so program-set text is shown whole.
 *
 * An edit may not make the text longer than the limit, nor longer than it
 * already was when it was over the limit: typing into a long loaded value
 * adds nothing, deleting from it works. Typed or pasted text beyond the limit
 * is cut at the limit, as maxLength would; going back to the text the program
 * set (undo) is always allowed.
 */
class TypingLimitValidator final : public QValidator
{
    Q_OBJECT

public:
    TypingLimitValidator(int limit, QLineEdit *edit);

    int limit() const { return m_limit; }

    State validate(QString &input, int &pos) const override;

private:
    void noteTextChange(const QString &text);

    QLineEdit *m_edit;
    int m_limit;
    qsizetype m_currentLength = 0;
    QString m_programText;
};

/// Installs a TypingLimitValidator with `limit` on `edit`; returns it.
TypingLimitValidator *limitTyping(QLineEdit *edit, int limit);

/// The typing limit of `edit`, or -1 when none was installed.
int typingLimit(const QLineEdit *edit);

} // namespace ZebVendorContact
