// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "conflictdialog.h"
#include "hostoptions.h"
#include "hostquestion.h"
#include "vendorsession.h"

#include <QtCore/QObject>
#include <QtCore/QPointer>

#include <functional>
#include <memory>
#include <optional>

class QTimer;

namespace VendorContactHost {

class ControlCalls;
class DatabaseError;

/// Asks for a file: an existing one to open, or (`forNewFile`) a new one.
using FileChooser = std::function<QString(const QString &title, bool forNewFile)>;
/// A text for people, built anew in the current language each time it is read.
using LiveText = std::function<QString()>;

/*!
 * The address book behind the window: the open database with its session
 * and change watcher, and everything done to it on the user's behalf:
 * opening (with the answers to its troubles), showing a vendor, saving and
 * the conflicts a save meets, someone else's changes, removing an address,
 * and read-only mode. It drives the control through ControlCalls and shows
 * nothing itself: the window follows its signals, and it asks the user
 * through the injectable question, file and changes handlers.
 *
 * Files: vendorbook.cpp (opening, showing, editing mode), vendorbook_save.cpp
 * (save, revert, leaving a vendor), vendorbook_live.cpp (someone else's
 * changes), vendorbook_remove.cpp (Remove Address).
 */
class VendorBook : public QObject
{
    Q_OBJECT

public:
    VendorBook(ControlCalls *calls, const HostSettings &settings, QObject *parent = nullptr);
    ~VendorBook() override;

    void setQuestionHandler(QuestionHandler handler) { m_ask = std::move(handler); }
    void setChangesHandler(ChangesHandler handler) { m_decideChanges = std::move(handler); }
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    FileChooser fileChooser() const { return m_chooseFile; }

    /*!
     * Opens `location` (as VendorDatabase takes it) in place of the database
     * open now, after the user agreed to leave the vendor shown, and shows
     * its vendors. Trouble is answered in dialogs; a
     * cancelled one leaves the database open before as it was (or none). False when none was opened.
     */
    /// Opens `location`, or the user's default database when it is empty.
    bool open(const QString &location, bool create);
    /// Whether a database is open.
    bool isOpen() const { return bool(m_session); }
    /// The database as the user named it; empty when none is open.
    QString location() const { return m_session ? m_location : QString(); }
    /// The open database as people read it: a file's path, a server's address.
    static QString displayLocation(const QString &location);
    VendorDatabase *database() const;

    std::optional<qint32> currentVendor() const;
    QString currentVendorName() const;
    bool showVendor(qint32 vendorId);
    bool save();
    void revert();
    /// Removes the address selected in the control from the database, after
    /// the user confirms. False when nothing was removed.
    bool removeAddress();
    /// Asked before the window closes or another database opens: false when
    /// the user wants to stay.
    bool confirmLeavingVendor();

    bool isReadOnly() const { return m_readOnly; }
    /// Why the database is read-only, for people; empty when it is not.
    QString readOnlyReason() const;
    /// Whether the user lets the panel edit (never on a read-only database).
    bool editAllowed() const { return m_editAllowed && !m_readOnly; }
    /// False when the user kept unsaved changes instead.
    bool setEditAllowed(bool allowed);

    bool canSave() const;
    bool canRevert() const;
    bool canRemove() const;
    bool isControlModified() const;
    bool isControlEditing() const;

    /// The last message for the status line, in the current language.
    QString statusText() const { return m_status ? m_status() : QString(); }
    void setStatus(LiveText text);

    /// These vendors changed in the database (by anyone, this window too).
    void noteVendorsChanged(const QList<qint32> &vendorIds);
    /// The user asked to see someone else's changes (the notice's button).
    void reviewChanges();

Q_SIGNALS:
    void statusChanged();
    /// The database opened or closed, or went read-only.
    void databaseChanged();
    /// The database the vendor list reads, or null: sent after a database
    /// opened and before it closes.
    void vendorListSource(const VendorDatabase *database);
    /// These vendors changed: their rows in the list are read again.
    void vendorsChanged(const QList<qint32> &vendorIds);
    /// A vendor is shown (the title and the list's highlight follow).
    void vendorShown(qint32 vendorId);
    /// Save, Revert and Remove may have changed whether they apply.
    void actionsChanged();
    /// Someone else changed `count` addresses of the vendor under the user's
    /// unsaved changes; 0: nothing to tell.
    void changesPending(int count);

private:
    // Opening and showing (vendorbook.cpp).
    /// Opens `*location`, answering its troubles with the user; `*location`
    /// becomes the file the user chose instead, if any.
    std::unique_ptr<VendorDatabase> openWithAnswers(QString *location, bool create);
    bool answerOpenTrouble(const DatabaseError &error, QString *location, bool *create);
    /// The user's default database, or empty (after telling why) when the
    /// user has no data folder.
    QString defaultLocation();
    void closeDatabase();
    void enterReadOnly();
    void listVendors(const QList<qint32> &vendorIds);
    bool loadVendor(qint32 vendorId);
    void handOver(const VendorLoad &vendor);
    QMessageBox::StandardButton ask(const Question &question);
    void tellFailure(const QString &title, const QString &message, const QString &details = {});
    bool askToRetry(const DatabaseError &error, const QString &action);
    /*!
     * Runs `work` until it succeeds, the user gives up, or it fails in a
     * way no retry mends; `work` returns the call log's outcome. Database
     * trouble goes to `onTrouble` (by default: offer a retry); any other
     * failure is logged and told under `action`. True when `work` succeeded.
     */
    bool attempt(const QString &call, const QString &action, const std::function<QString()> &work,
        const std::function<bool(const DatabaseError &)> &onTrouble = {});

    // The user's place in the panel, kept across a reload.
    struct PanelPlace
    {
        QString type;
        QString addressId;
    };
    PanelPlace panelPlace() const;
    void restorePanelPlace(const PanelPlace &place);

    // Saving (vendorbook_save.cpp).
    void reloadAfterSave(PanelPlace place, const SaveOutcome &outcome);

    // Someone else's changes (vendorbook_live.cpp).
    void watchDatabase();
    void checkShownVendor();
    bool decideChanges(ChangesAsked when);

    ControlCalls *m_calls;
    HostSettings m_settings;
    std::unique_ptr<VendorSession> m_session;
    QuestionHandler m_ask;
    ChangesHandler m_decideChanges;
    FileChooser m_chooseFile;
    QString m_location; //!< the database as the user named it
    bool m_readOnly = false; //!< the database cannot be written
    bool m_editAllowed = true; //!< the user's choice
    LiveText m_status;
    QTimer *m_changeCheck = nullptr; //!< one look at the vendor shown per burst of changes
    QPointer<QObject> m_watcher; //!< tells which vendors changed in the database
};

} // namespace VendorContactHost
