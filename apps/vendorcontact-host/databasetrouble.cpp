// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "databasetrouble.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QUrl>

namespace VendorContactHost {

namespace {
using Trouble = DatabaseError::Trouble;

void offerRetry(Question &question, const QString &retryText)
{
    question.buttons = QMessageBox::Retry | QMessageBox::Cancel;
    question.defaultButton = QMessageBox::Retry;
    question.buttonTexts = { { QMessageBox::Retry, retryText } };
}
} // namespace

// The texts' translation context.
class DatabaseTrouble
{
    Q_DECLARE_TR_FUNCTIONS(VendorContactHost::DatabaseTrouble)

public:
    static QString readOnlyNotice(const QString &location);
    static Question question(const DatabaseError &error, const QString &action, bool workInWindow);
};

QString readOnlyNotice(const QString &location)
{
    return DatabaseTrouble::readOnlyNotice(location);
}

Question troubleQuestion(const DatabaseError &error, const QString &action, bool workInWindow)
{
    return DatabaseTrouble::question(error, action, workInWindow);
}

QString DatabaseTrouble::readOnlyNotice(const QString &location)
{
    return tr("Opened read-only: %1 cannot be written, so changes cannot be saved.").arg(location);
}

Question DatabaseTrouble::question(const DatabaseError &error, const QString &action, bool workInWindow)
{
    Question question;
    question.icon = QMessageBox::Warning;
    question.details = error.details();
    // A socket folder in a server's address is percent-encoded; people read it plain.
    const QString where = QUrl::fromPercentEncoding(error.location().toUtf8());
    // Said only when there is something the user could fear for.
    const QString kept = workInWindow ? QLatin1Char(' ') + tr("Nothing you typed is lost.") : QString();
    switch (error.trouble()) {
    case Trouble::Locked:
        question.title = tr("Vendor database in use");
        question.text =
            tr("Another program is using the vendor database %1, so it cannot be used just now.").arg(where) + kept +
            QStringLiteral("\n\n") + tr("Close the other program or wait a moment, then press Retry.");
        offerRetry(question, tr("&Retry"));
        break;
    case Trouble::ReadOnly:
        question.title = tr("Read-only vendor database");
        question.text = tr("The vendor database %1 cannot be written, so nothing was saved. Your changes are "
                           "still in the window.\n\nAsk for write access to the file and its folder, or "
                           "work on a copy you may write.")
                            .arg(where);
        break;
    case Trouble::NotADatabase:
    case Trouble::Damaged:
        question.title =
            error.trouble() == Trouble::Damaged ? tr("Damaged vendor database") : tr("Not a vendor database");
        question.text = (error.trouble() == Trouble::Damaged
                                ? tr("The vendor database %1 is damaged: it failed its integrity check.")
                                : tr("%1 is not a vendor database."))
                            .arg(where) +
            QLatin1Char(' ') +
            tr("It was left exactly as it is.\n\nOpen another file, or create a new vendor database "
               "elsewhere.");
        question.icon = QMessageBox::Critical;
        question.buttons = TroubleAnswer::OpenAnother | TroubleAnswer::CreateElsewhere | QMessageBox::Cancel;
        question.defaultButton = TroubleAnswer::OpenAnother;
        question.buttonTexts = { { TroubleAnswer::OpenAnother, tr("&Open Another File\u2026") },
            { TroubleAnswer::CreateElsewhere, tr("Create &New Database\u2026") } };
        break;
    case Trouble::Missing:
    case Trouble::MissingFolder:
        question.title = tr("No vendor database there");
        question.text = (error.trouble() == Trouble::MissingFolder
                                ? tr("The folder of %1 does not exist, so there is no vendor database there. "
                                     "Check the path for a typo.")
                                : tr("There is no vendor database at %1."))
                            .arg(where) +
            QStringLiteral("\n\n") + tr("Create a new vendor database there, with the sample vendors?");
        question.icon = QMessageBox::Question;
        question.buttons = TroubleAnswer::Create | QMessageBox::Cancel;
        question.defaultButton = QMessageBox::Cancel;
        question.buttonTexts = { { TroubleAnswer::Create, tr("C&reate") } };
        break;
    case Trouble::Unreachable:
        question.title = tr("Cannot reach the database server");
        question.text = tr("The vendor database (%1) cannot be reached: the server is not running, refuses the "
                           "connection, or the login failed.\n\nStart the server or check the address, then "
                           "press Reconnect.")
                            .arg(where) +
            kept;
        offerRetry(question, tr("Re&connect"));
        break;
    case Trouble::ConnectionLost:
        question.title = tr("Connection to the database lost");
        question.text = tr("The connection to the vendor database (%1) was lost and could not be re-opened. "
                           "Your unsaved changes are still in the window.\n\nWhen the server is back, press "
                           "Reconnect.")
                            .arg(where);
        offerRetry(question, tr("Re&connect"));
        break;
    case Trouble::Other:
        question.title = action;
        question.text = error.message();
        question.icon = QMessageBox::Critical;
        break;
    }
    return question;
}

} // namespace VendorContactHost
