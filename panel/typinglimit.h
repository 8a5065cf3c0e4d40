// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGui/QValidator>

class QLineEdit;

namespace ZebVendorContact {

/*!
 * Limits what the user types into a line edit, and only that.
 *
 * QLineEdit's own maxLength also cuts text that the program sets, so a
 * loaded value longer than the typing limit would be shown cut and saved
 * back cut. This validator lets program-set text through whole (QLineEdit
 * validates setText() too, but with the text unmodified) and judges only the
 * user's edits.
 *
 * An edit may not make the text longer than the limit, nor longer than it
 * already was when it was over the limit: typing into a long loaded value
 * adds nothing, deleting from it works, and undoing back to what the program
 * set is allowed. Typed or pasted text beyond the limit is cut at the limit,
 * as maxLength would; an edit of which nothing is left is refused, which
 * keeps the undo history.
 *
 * The user's edits never bring in U+0000 or another C0 control character
 * except tab: a paste drops them and keeps the rest, so what the user sees
 * is what stays.
 */
class TypingLimitValidator final : public QValidator
{
    Q_OBJECT

public:
    TypingLimitValidator(int limit, QLineEdit *edit);

    int limit() const { return m_limit; }

    State validate(QString &input, int &pos) const override;

private:
    QLineEdit *m_edit;
    int m_limit;
    QString m_currentText;
};

/// Installs a TypingLimitValidator with `limit` on `edit`; returns it.
TypingLimitValidator *limitTyping(QLineEdit *edit, int limit);

/// The typing limit of `edit`, or -1 when none was installed.
int typingLimit(const QLineEdit *edit);

} // namespace ZebVendorContact
