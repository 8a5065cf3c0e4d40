// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "conflictdialog.h"
#include "hostoptions.h"
#include "hostquestion.h"
#include "vendorsession.h"

#include <QtCore/QPointer>
#include <QtCore/QStringList>
#include <QtWidgets/QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;
class QVBoxLayout;

namespace ZebVendorContact::Client {
class ControlHandle;
struct DispatchResult;
} // namespace ZebVendorContact::Client

namespace VendorContactHost {

class ChangeNotice;
class DatabaseError;
class DeveloperDock;
class VendorListPane;

/// Asks for a file: an existing one to open, or (`forNewFile`) a new one.
using FileChooser = std::function<QString(const QString &title, bool forNewFile)>;

/*!
 * The demo host's window, a small vendor address book: the vendor list, the
 * VendorContact control (created through its registration, as any host
 * would) with Save and Revert, and a status line, over an SQLite or
 * PostgreSQL database reached through a VendorSession. The Developer dock
 * (hidden at first) calls the control's three methods by hand and logs every
 * call. Started with a load text (--load) the window works on that text
 * alone, without a database.
 */
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const HostSettings &settings, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The window's size when the application opens it (and of its screenshots).
    static QSize defaultSize();
    /// The window's size with the Developer dock shown beside the book.
    QSize sizeWithDock() const;

    /// Registers the control library when the registration does not already
    /// name it, creates the control, opens the database (or hands the control
    /// the load text) and shows the first vendor. False when no control
    /// could be created or no database opened.
    bool start();

    /// Clicks the first row of the control's address list, as a user would,
    /// so its details show (for screenshots). False when there is no row.
    bool clickFirstAddress();

    /// The embedded control; null before start() or when creation failed.
    QWidget *control() const;
    DeveloperDock *developerDock() const { return m_dock; }

    /// The text of the last successful GetContactAddress.
    QString lastExport() const;
    /// Every call so far, oldest first, as shown in the log.
    QStringList callLog() const;

    /// The open database; null without one (a --load text, or it failed).
    VendorDatabase *database() const;
    /// The vendor shown, or nothing.
    std::optional<qint32> currentVendor() const;
    /// Shows `vendorId`, first asking to save unsaved changes. False when
    /// the user cancelled or the vendor could not be read (the one shown
    /// then stays).
    bool showVendor(qint32 vendorId);
    /// Saves the control's changes in one transaction and reloads the
    /// vendor. False when nothing was written (conflict, error, cancel).
    bool save();
    /// Reads the vendor again, dropping unsaved changes (after asking).
    void revert();
    /// Replaces how questions and messages reach the user (tests answer them).
    void setQuestionHandler(QuestionHandler handler);
    /// Replaces how a file is chosen (tests answer with a path).
    void setFileChooser(FileChooser chooser);
    /// The last message shown in the status line.
    QString statusText() const;

    /// These vendors changed in the database (by anyone, this window too):
    /// the vendor list follows, and the vendor shown is looked at again.
    void noteVendorsChanged(const QList<qint32> &vendorIds);
    /// Replaces how the user decides about someone else's changes (tests).
    void setChangesHandler(ChangesHandler handler);
    /// The notice of someone else's changes over the panel; empty when hidden.
    QString changeNoticeText() const;

public Q_SLOTS:
    void callLetVendorIDNMode();
    void callLetContactAddress();
    void callGetContactAddress();

private Q_SLOTS:
    void updateBookActions();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Layout and language (mainwindow.cpp).
    QWidget *createControlPane();
    QWidget *createBookButtons();
    void createDeveloperDock();
    void retranslate();
    void updateTitle();
    bool ensureRegistration();
    bool createControl();
    void showControlError(const QString &message);
    ZebVendorContact::Client::DispatchResult invoke(qint32 dispId, const QVariantList &arguments);

    // Where the user was in the panel, so a save's reload keeps it.
    struct PanelPlace
    {
        QString type;
        QString addressId;
    };
    PanelPlace panelPlace() const;
    void restorePanelPlace(const PanelPlace &place);

    // The address book (addressbook.cpp, addressbook_save.cpp).
    bool openDatabase();
    std::unique_ptr<VendorDatabase> openWithAnswers(QString location, bool create);
    void fillVendorList();
    void onVendorChosen(qint32 vendorId);
    bool loadVendor(qint32 vendorId);
    void handOver(const VendorLoad &vendor);
    bool saveWith();
    bool writeChanges(const QString &exportText, SaveOutcome *outcome);
    void reloadAfterSave(PanelPlace place, const SaveOutcome &outcome);
    bool resolveConflicts(const SaveOutcome &outcome);

    // Someone else's changes (addressbook_live.cpp).
    QWidget *createChangeNotice();
    void watchDatabase();
    void checkShownVendor();
    void reviewChanges();
    bool decideChanges(ChangesAsked when);
    bool confirmLeavingVendor();
    bool askToRetry(const DatabaseError &error, const QString &action);
    bool isControlModified() const;
    bool isControlEditing() const;
    void enterReadOnly();
    void setEditAllowed(bool allowed);
    QMessageBox::StandardButton ask(const Question &question);
    void tellFailure(const QString &title, const QString &message, const QString &details = {});
    void setStatus(const QString &text);

    HostSettings m_settings;
    std::unique_ptr<ZebVendorContact::Client::ControlHandle> m_control;
    std::unique_ptr<VendorSession> m_session;
    QuestionHandler m_ask;
    ChangesHandler m_decideChanges;
    FileChooser m_chooseFile;
    bool m_readOnly = false; //!< the database cannot be written
    QString m_location; //!< the database as the user named it

    VendorListPane *m_vendors = nullptr;
    DeveloperDock *m_dock = nullptr;
    QVBoxLayout *m_controlLayout = nullptr;
    QGroupBox *m_controlGroup = nullptr;
    QLabel *m_controlStatus = nullptr;
    QLabel *m_readOnlyNotice = nullptr;
    ChangeNotice *m_changeNotice = nullptr;
    QTimer *m_changeCheck = nullptr; //!< one look at the vendor shown per burst of changes
    QPointer<QObject> m_watcher; //!< tells which vendors changed in the database
    QPushButton *m_save = nullptr;
    QPushButton *m_revert = nullptr;
    QCheckBox *m_allowEditing = nullptr;
    QScrollArea *m_statusArea = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace VendorContactHost
