#include "pickerlink.h"

#include <QtCore/QSignalBlocker>
#include <QtWidgets/QComboBox>

#include <utility>

namespace ZebVendorContact {

PickerLink::PickerLink(QComboBox *picker, std::function<void()> changeHandling)
    : m_picker(picker)
    , m_changeHandling(std::move(changeHandling))
{
    m_connection = QObject::connect(picker, &QComboBox::currentIndexChanged, picker, [this] { onSelectionChanged(); });
}

PickerLink::~PickerLink()
{
    // The picker may outlive the link by a moment (shut-down).
    QObject::disconnect(m_connection);
}

void PickerLink::onSelectionChanged()
{
    if (m_detached)
        return;
    try {
        m_changeHandling();
    } catch (...) {
        if (m_programSetting > 0 && !m_failure)
            m_failure = std::current_exception();
        // A choice by the user: the handling ends here, the control lives on.
    }
}

void PickerLink::clear()
{
    const QSignalBlocker blocker(m_picker);
    m_picker->clear();
}

void PickerLink::append(const QString &text)
{
    // QComboBox selects the first entry added to an empty box; a picker keeps
    // its selection (none) until one is set.
    const QSignalBlocker blocker(m_picker);
    const int selected = m_picker->currentIndex();
    m_picker->addItem(text);
    m_picker->setCurrentIndex(selected);
}

void PickerLink::select(int position)
{
    if (position < -1 || position >= m_picker->count())
        position = -1;
    std::exception_ptr outer = std::exchange(m_failure, nullptr);
    ++m_programSetting;
    m_picker->setCurrentIndex(position);
    --m_programSetting;
    std::exception_ptr failure = std::exchange(m_failure, outer);
    if (failure)
        std::rethrow_exception(failure);
}

void PickerLink::selectText(const QString &text)
{
    select(m_picker->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

} // namespace ZebVendorContact
