// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "vendorbook.h"

#include <QtCore/QStringList>
#include <QtWidgets/QMainWindow>

#include <optional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace VendorContactHost {

class ChangeNotice;
class ControlCalls;
class DeveloperDock;
class VendorListPane;

/*!
 * The demo host's window, a small vendor address book: the vendor list, the
 * VendorContact control (created through its registration, as any host
 * would) with Save, Revert and Remove Address, a status line, and the File
 * and Address menus. The address book's work is the VendorBook's, the calls
 * to the control are ControlCalls'; the window lays them out and follows
 * them. The Developer dock (hidden at first) shows every call and makes
 * calls by hand. Started with a load text (--load) the window works on that
 * text alone, without a database.
 */
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const HostSettings &settings, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The window's size when the application opens it (and of its screenshots).
    static QSize defaultSize();
    /// The window's size with the Developer dock shown beside the book,
    /// within the screen.
    QSize sizeWithDock() const;

    /// Creates the control, opens the database (or hands the control the
    /// load text) and shows the first vendor. False when no control could
    /// be created or no database opened; the window then still offers File
    /// > Open Database….
    bool start();
    /// Opens `location` in place of the database open now (File > Open).
    bool openDatabase(const QString &location, bool create = false);

    /// Clicks the first row of the control's address list, as a user would,
    /// so its details show (for screenshots). False when there is no row.
    bool clickFirstAddress();

    /// The embedded control; null before start() or when creation failed.
    QWidget *control() const;
    ControlCalls *calls() const { return m_calls; }
    VendorBook *book() const { return m_book; }
    DeveloperDock *developerDock() const { return m_dock; }

    /// The text of the last successful GetContactAddress.
    QString lastExport() const;
    /// The calls kept in the log, oldest first.
    QStringList callLog() const;

    VendorDatabase *database() const { return m_book->database(); }
    std::optional<qint32> currentVendor() const { return m_book->currentVendor(); }
    bool showVendor(qint32 vendorId) { return m_book->showVendor(vendorId); }
    bool save() { return m_book->save(); }
    void revert() { m_book->revert(); }
    bool removeAddress() { return m_book->removeAddress(); }
    void setQuestionHandler(QuestionHandler handler) { m_book->setQuestionHandler(std::move(handler)); }
    void setFileChooser(FileChooser chooser) { m_book->setFileChooser(std::move(chooser)); }
    void setChangesHandler(ChangesHandler handler) { m_book->setChangesHandler(std::move(handler)); }
    void noteVendorsChanged(const QList<qint32> &vendorIds) { m_book->noteVendorsChanged(vendorIds); }
    /// The message shown in the status line.
    QString statusText() const;
    /// The notice of someone else's changes over the panel; empty when hidden.
    QString changeNoticeText() const;
    /// Shows the Developer dock whole: the window grows within the screen,
    /// or the dock floats beside it where the screen is too small.
    void showDeveloperDock();

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
    QWidget *createControlPane();
    QWidget *createBookButtons();
    void createMenus();
    void createDeveloperDock();
    void retranslate();
    void updateTitle();
    void updateDatabaseState();
    void showStatus();
    void showFirstVendor();
    void chooseAndOpen(bool create);
    void askForServerAndOpen();
    void rememberRecent(const QString &location);
    void fillRecentMenu();
    void fitStatusArea();

    HostSettings m_settings;
    ControlCalls *m_calls = nullptr;
    VendorBook *m_book = nullptr;

    VendorListPane *m_vendors = nullptr;
    DeveloperDock *m_dock = nullptr;
    QVBoxLayout *m_controlLayout = nullptr;
    QGroupBox *m_controlGroup = nullptr;
    QLabel *m_controlStatus = nullptr;
    QLabel *m_readOnlyNotice = nullptr;
    ChangeNotice *m_changeNotice = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_revert = nullptr;
    QPushButton *m_remove = nullptr;
    QCheckBox *m_allowEditing = nullptr;
    QScrollArea *m_statusArea = nullptr;
    QLabel *m_status = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_recentMenu = nullptr;
    QMenu *m_addressMenu = nullptr;
    QAction *m_open = nullptr;
    QAction *m_openServer = nullptr;
    QAction *m_new = nullptr;
    QAction *m_quit = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_revertAction = nullptr;
    QAction *m_removeAction = nullptr;
};

} // namespace VendorContactHost
