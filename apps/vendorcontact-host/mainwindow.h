#pragma once

#include "hostoptions.h"

#include "vendordatabase.h"

#include <QtCore/QStringList>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QMessageBox>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QListView;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class QVBoxLayout;

namespace ZebVendorContact::Client {
class ControlHandle;
struct DispatchResult;
} // namespace ZebVendorContact::Client

namespace VendorContactHost {

class ExportTableModel;

/// A question to the user; the buttons' texts may be given for clarity.
struct Question
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::Question;
    QList<std::pair<QMessageBox::StandardButton, QString>> buttonTexts;
};

/*!
 * The demo host's window: a small vendor address book. A vendor list with a
 * search box, the VendorContact control (created through its registration,
 * as any host would) with Save and Revert, over an SQLite or PostgreSQL
 * database. A hidden "Developer" dock calls the control's three methods by
 * hand and logs every call. Started with a load text (--load) the window
 * works on that text alone, without a database.
 */
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const HostSettings &settings, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The window's size when the application opens it (and of its screenshots).
    static QSize defaultSize();

    /// Registers the control library when the registration does not already
    /// name it, creates the control, then calls LetVendorIDNMode,
    /// LetContactAddress and GetContactAddress with the settings. False when
    /// no control could be created.
    bool start();

    /// Clicks the first row of the control's address list, as a user would,
    /// so its details show (for screenshots). False when there is no row.
    bool clickFirstAddress();

    /// The embedded control; null before start() or when creation failed.
    QWidget *control() const;

    /// The text of the last successful GetContactAddress.
    QString lastExport() const { return m_lastExport; }

    /// Every call so far, oldest first, as shown in the log.
    QStringList callLog() const { return m_callLog; }

    /// The open database; null without one (a --load text, or it failed).
    VendorDatabase *database() const { return m_database.get(); }
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
    void setQuestionHandler(std::function<QMessageBox::StandardButton(const Question &)> handler);
    /// The last message shown in the status line.
    QString statusText() const;

public Q_SLOTS:
    void callLetVendorIDNMode();
    void callLetContactAddress();
    void callGetContactAddress();

private Q_SLOTS:
    void onControlModifiedChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The address book (database mode).
    QWidget *createVendorPane();
    QWidget *createBookButtons();
    void createDeveloperDock();
    bool openDatabase();
    void fillVendorList();
    void selectVendorInList(qint32 vendorId);
    void onVendorChosen();
    bool loadVendor(qint32 vendorId);
    bool saveWith(bool overwrite);
    bool resolveConflicts(const SaveOutcome &outcome);
    bool confirmLeavingVendor();
    bool isControlModified() const;
    bool isControlEditing() const;
    void updateBookActions();
    void setEditAllowed(bool allowed);
    QMessageBox::StandardButton ask(const Question &question);
    void tellFailure(const QString &title, const QString &message);
    void setStatus(const QString &text);

    QWidget *createControlPane();
    QWidget *createHostPane();
    QGroupBox *createVendorGroup();
    QGroupBox *createLoadGroup();
    QGroupBox *createExportGroup();
    QGroupBox *createLogGroup();

    bool ensureRegistration();
    bool createControl();
    void showControlError(const QString &message);

    Separators separatorsInPane() const;
    ZebVendorContact::Client::DispatchResult invoke(qint32 dispId, const QVariantList &arguments);
    void logCall(const QString &call, const QString &outcome);
    static QString describeFailure(const ZebVendorContact::Client::DispatchResult &result);
    QString describeLoad(const QString &loadText, const Separators &separators) const;
    void showExport(const QString &exportText);

    HostSettings m_settings;
    Separators m_exportSeparators; //!< those of the last non-blank load: the export uses them
    std::unique_ptr<ZebVendorContact::Client::ControlHandle> m_control;
    QString m_lastExport;
    QStringList m_callLog;

    QVBoxLayout *m_controlLayout = nullptr;
    QSpinBox *m_vendorId = nullptr;
    QCheckBox *m_editAllowed = nullptr;
    QPlainTextEdit *m_loadText = nullptr;
    QLineEdit *m_fieldSeparator = nullptr;
    QLineEdit *m_recordSeparator = nullptr;
    QLineEdit *m_tableSeparator = nullptr;
    QLabel *m_exportSummary = nullptr;
    QTableView *m_exportTable = nullptr;
    ExportTableModel *m_exportModel = nullptr;

    std::unique_ptr<VendorDatabase> m_database;
    std::optional<VendorSnapshot> m_snapshot; //!< the vendor shown, as read
    std::function<QMessageBox::StandardButton(const Question &)> m_ask;
    QStandardItemModel *m_vendorModel = nullptr;
    QSortFilterProxyModel *m_vendorFilter = nullptr;
    QListView *m_vendorList = nullptr;
    QLineEdit *m_vendorSearch = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_revert = nullptr;
    QCheckBox *m_allowEditing = nullptr;
    QLabel *m_status = nullptr;
    bool m_choosingVendor = false; //!< the program changes the list's selection
    QLineEdit *m_exportText = nullptr;
    QPlainTextEdit *m_log = nullptr;
};

} // namespace VendorContactHost
