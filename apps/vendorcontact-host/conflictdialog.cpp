// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "conflictdialog.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>

namespace VendorContactHost {

using Answer = ChangeResolution::Answer;

ChangesHandler conflictDialogHandler(QWidget *parent)
{
    return [parent](const VendorChanges &changes, ChangesAsked when) {
        ConflictDialog dialog(changes, when, parent);
        dialog.exec();
        return dialog.resolution();
    };
}

ConflictDialog::ConflictDialog(const VendorChanges &changes, ChangesAsked when, QWidget *parent)
    : QDialog(parent)
    , m_changes(changes)
    , m_when(when)
{
    setObjectName(QStringLiteral("dlgConflicts"));
    setWindowTitle(tr("Changed by someone else"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(when == ChangesAsked::AtSave
            ? tr("Since your last save, someone else changed or deleted addresses of %1 that you changed too "
                 "(listed below). Nothing was saved.")
                  .arg(changes.current.vendorName)
            : tr("Someone else changed the addresses of %1 listed below while you were working on it. Your "
                 "unsaved changes are still in the panel.")
                  .arg(changes.current.vendorName));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_list = new QTreeWidget;
    m_list->setObjectName(QStringLiteral("lstConflicts"));
    m_list->setAccessibleName(tr("Addresses changed by someone else"));
    m_list->setHeaderLabels({ tr("Address"), tr("Their value"), tr("Your value") });
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_list, 1);
    fillList();

    m_drops = new QLabel;
    m_drops->setObjectName(QStringLiteral("lblConflictChoices"));
    m_drops->setWordWrap(true);
    layout->addWidget(m_drops);
    connect(m_list, &QTreeWidget::itemChanged, this, &ConflictDialog::describeChoices);
    describeChoices();

    auto *buttons = new QDialogButtonBox;
    auto *mine = buttons->addButton(tr("Keep &mine"), QDialogButtonBox::AcceptRole);
    mine->setObjectName(QStringLiteral("cmdKeepMine"));
    auto *theirs = buttons->addButton(tr("&Take theirs for these addresses"), QDialogButtonBox::AcceptRole);
    theirs->setObjectName(QStringLiteral("cmdTakeTheirs"));
    auto *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    // Nothing is decided by pressing Enter.
    mine->setAutoDefault(false);
    theirs->setAutoDefault(false);
    cancel->setDefault(true);
    connect(mine, &QPushButton::clicked, this, [this] { choose(Answer::KeepMine); });
    connect(theirs, &QPushButton::clicked, this, [this] { choose(Answer::TakeTheirs); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 420);
}

void ConflictDialog::fillList()
{
    for (const AddressChange &change : m_changes.addresses) {
        if (m_when == ChangesAsked::AtSave && !change.conflicts())
            continue;
        QTreeWidgetItem *item = addAddress(change);
        const QList<AddressField> &fields = addressFields();
        for (int field : change.fieldsTheyChanged) {
            const QString theirs = fields.at(field).value(change.theirs, m_changes.current);
            const QString yours = fields.at(field).value(change.mine.value_or(change.read), m_changes.current);
            new QTreeWidgetItem(
                item, { QCoreApplication::translate("VendorChanges", fields.at(field).label), theirs, yours });
        }
        item->setExpanded(true);
    }
}

QTreeWidgetItem *ConflictDialog::addAddress(const AddressChange &change)
{
    const ZebVendorContact::ContactAddress &shown =
        change.kind == AddressChange::Kind::Deleted ? change.read : change.theirs;
    auto *item = new QTreeWidgetItem(m_list, { tr("%1 (%2)").arg(shown.name, change.addressId) });
    switch (change.kind) {
    case AddressChange::Kind::Changed:
        item->setText(1, change.mine ? tr("changed by them and by you") : tr("changed by them"));
        break;
    case AddressChange::Kind::Added:
        item->setText(1, tr("added by them"));
        break;
    case AddressChange::Kind::Deleted:
        item->setText(1, tr("deleted by them"));
        if (change.mine) {
            // Never brought back unasked: the user ticks it to keep theirs.
            item->setText(2, tr("Save mine as a new address"));
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(2, Qt::Unchecked);
            m_recreatable.insert(item, change.addressId);
        }
        break;
    }
    return item;
}

ChangeResolution ConflictDialog::resolution() const
{
    ChangeResolution resolution;
    resolution.answer = m_answer;
    for (auto it = m_recreatable.cbegin(); it != m_recreatable.cend(); ++it) {
        if (it.key()->checkState(2) == Qt::Checked)
            resolution.recreate.insert(it.value());
    }
    return resolution;
}

void ConflictDialog::choose(Answer answer)
{
    m_answer = answer;
    accept();
}

void ConflictDialog::describeChoices()
{
    // Each choice says what it drops. English has no catalog to pick its
    // plural from, hence the two texts.
    const int recreated = int(resolution().recreate.size());
    int changed = 0;
    int deleted = 0;
    for (const AddressChange &change : m_changes.conflicts())
        ++(change.kind == AddressChange::Kind::Deleted ? deleted : changed);
    const int droppedDeleted = deleted - recreated;
    QStringList lines;
    if (changed > 0 && m_when == ChangesAsked::AtSave)
        lines << (changed == 1 ? tr("Keep mine saves your version over theirs for 1 address.")
                               : tr("Keep mine saves your version over theirs for %n addresses.", nullptr, changed));
    else if (changed > 0)
        lines << (changed == 1
                ? tr("Keep mine keeps your version of 1 address; the next save writes it over theirs.")
                : tr("Keep mine keeps your version of %n addresses; the next save writes them over theirs.", nullptr,
                      changed));
    if (droppedDeleted > 0)
        lines << (droppedDeleted == 1
                ? tr("Keep mine drops your changes to 1 address they deleted.")
                : tr("Keep mine drops your changes to %n addresses they deleted.", nullptr, droppedDeleted));
    const int theirs = changed + droppedDeleted;
    lines << (theirs == 1 ? tr("Take theirs drops your changes to this address; your other unsaved changes stay.")
                          : tr("Take theirs drops your changes to these %n addresses; your other unsaved changes stay.",
                                nullptr, theirs));
    if (recreated > 0)
        lines << (recreated == 1 ? tr("The deleted address you ticked is kept as a new address with your values.")
                                 : tr("The %n deleted addresses you ticked are kept as new addresses with your values.",
                                       nullptr, recreated));
    lines << tr("Cancel changes nothing.");
    m_drops->setText(lines.join(QLatin1Char('\n')));
}

} // namespace VendorContactHost
