// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "databaseerror.h"
#include "hostquestion.h"

namespace VendorContactHost {

/// The dialog's buttons for each answer a database trouble allows.
namespace TroubleAnswer {
constexpr QMessageBox::StandardButton Retry = QMessageBox::Retry; //!< locked, unreachable, dropped
constexpr QMessageBox::StandardButton Create = QMessageBox::Yes; //!< missing file or folder
constexpr QMessageBox::StandardButton OpenAnother = QMessageBox::Open; //!< not a database, damaged
constexpr QMessageBox::StandardButton CreateElsewhere = QMessageBox::Save; //!< not a database, damaged
} // namespace TroubleAnswer

/*!
 * The dialog for `error`: what happened, in the user's words, with the file
 * (or server and database), what the user can do, and the buttons for it;
 * the driver's own text only under Details. `action` says what the window
 * was doing ("Opening the vendor database", "Saving ...") for the title of
 * a trouble without a dialog of its own. `workInWindow`: the window holds
 * something the user typed, which the text then says is kept.
 */
Question troubleQuestion(const DatabaseError &error, const QString &action, bool workInWindow = true);

/// The notice shown while the database is open read-only, and the reason
/// Save gives in its tooltip.
QString readOnlyNotice(const QString &location);

} // namespace VendorContactHost
