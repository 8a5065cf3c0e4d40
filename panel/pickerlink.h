#pragma once

#include <QtCore/QMetaObject>
#include <QtCore/QString>

#include <exception>
#include <functional>

class QComboBox;

namespace ZebVendorContact {

/*!
 * Ties a drop-down picker to its change handling.
 *
 * The handling runs whenever the picker's selection is set, by the user or by
 * the program, at once and before the setting step returns (the combo box's
 * currentIndexChanged, not the user-only activated). Filling the picker
 * (clear, append) does not run it: entries come and go without a change of
 * choice.
 *
 * Failures never cross the signal: a failure of the handling while the user
 * chose ends that handling and the control stays alive; a failure while the
 * program set the selection is carried past the signal and thrown again from
 * select(), so it reaches the program's own error trap exactly as if the
 * handling had been called directly.
 */
class PickerLink
{
public:
    PickerLink(QComboBox *picker, std::function<void()> changeHandling);
    ~PickerLink();
    PickerLink(const PickerLink &) = delete;
    PickerLink &operator=(const PickerLink &) = delete;

    QComboBox *picker() const { return m_picker; }

    /// Removes every entry; nothing is selected afterwards. Runs no handling.
    void clear();
    /// Appends an entry; the selection stays as it is (none after clear()).
    void append(const QString &text);
    /// Sets the selected position (-1 for none); runs the change handling at
    /// once when the position changes, and throws what it threw.
    void select(int position);
    /// Selects the first entry whose text equals `text` (letter case
    /// significant), or none when no entry has that text.
    void selectText(const QString &text);

    /// Stops running the change handling for good (shut-down).
    void detach() { m_detached = true; }

private:
    void onSelectionChanged();

    QComboBox *m_picker;
    std::function<void()> m_changeHandling;
    QMetaObject::Connection m_connection;
    int m_programSetting = 0;
    std::exception_ptr m_failure;
    bool m_detached = false;
};

} // namespace ZebVendorContact
