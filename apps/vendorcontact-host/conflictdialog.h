// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "vendorchanges.h"

#include <QtWidgets/QDialog>

#include <functional>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace VendorContactHost {

/// Why the user is asked about someone else's changes.
enum class ChangesAsked {
    AtSave, //!< a save found them; nothing was written
    WhileEditing, //!< they arrived while the panel held unsaved changes
};

/// How the user decides about someone else's changes: the dialog, or a
/// test's answers.
using ChangesHandler = std::function<ChangeResolution(const VendorChanges &changes, ChangesAsked when)>;

/// The handler that shows a ConflictDialog over `parent`.
ChangesHandler conflictDialogHandler(QWidget *parent);

/*!
 * Lists the addresses someone else changed in the shown vendor: for each,
 * the fields they changed with their value beside the user's, and the
 * addresses they deleted, each with "Save mine as a new address" to keep
 * the user's version. The user keeps theirs, keeps mine, or cancels; the
 * line under the list says what each choice drops.
 */
class ConflictDialog : public QDialog
{
    Q_OBJECT

public:
    ConflictDialog(const VendorChanges &changes, ChangesAsked when, QWidget *parent = nullptr);

    /// The user's decision (Cancel until a choice was made).
    ChangeResolution resolution() const;

private:
    void fillList();
    QTreeWidgetItem *addAddress(const AddressChange &change);
    void describeChoices();
    void choose(ChangeResolution::Answer answer);

    const VendorChanges &m_changes;
    ChangesAsked m_when;
    ChangeResolution::Answer m_answer = ChangeResolution::Answer::Cancel;
    QTreeWidget *m_list = nullptr;
    QLabel *m_drops = nullptr;
    QHash<QTreeWidgetItem *, QString> m_recreatable;
};

} // namespace VendorContactHost
