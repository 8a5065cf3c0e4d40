// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "mainwindow.h"

#include "changenotice.h"
#include "controlcalls.h"
#include "developerdock.h"
#include "vendorlist.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>
#include <QtCore/QFileInfo>
#include <QtCore/QSettings>
#include <QtCore/QTimer>
#include <QtGui/QCloseEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QScreen>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QInputDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollArea>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QVBoxLayout>

namespace VendorContactHost {

namespace {
// The panel's own layout is 7260 x 7065 twips, 484 x 471 pixels at 96 dpi;
// used only when the control cannot tell its size.
constexpr QSize NominalControlSize(484, 471);
// The status area holds this many lines; a longer message scrolls inside
// it, so nothing around it moves or is covered.
constexpr int StatusLines = 3;
// How many databases File > Recent Databases offers.
constexpr int RecentCount = 8;
const QString RecentKey = QStringLiteral("recentDatabases");

QSettings hostSettings()
{
    return QSettings(QStringLiteral("ZebVendorContact"), QStringLiteral("vendorcontact-host"));
}
} // namespace

MainWindow::MainWindow(const HostSettings &settings, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_calls(new ControlCalls(this))
    , m_book(new VendorBook(m_calls, settings, this))
{
    setObjectName(QStringLiteral("VendorContactHost"));
    m_book->setQuestionHandler(messageBoxHandler(this));
    m_book->setChangesHandler(conflictDialogHandler(this));
    m_book->setFileChooser([this](const QString &title, bool forNewFile) {
        const QString filter = tr("Vendor databases (*.sqlite *.db);;All files (*)");
        return forNewFile ? QFileDialog::getSaveFileName(this, title, QString(), filter)
                          : QFileDialog::getOpenFileName(this, title, QString(), filter);
    });

    auto *central = new QWidget;
    auto *columns = new QHBoxLayout(central);
    m_vendors = new VendorListPane;
    m_vendors->setMinimumWidth(180);
    connect(m_vendors, &VendorListPane::vendorChosen, this, [this](qint32 vendorId) {
        if (vendorId != currentVendor())
            m_book->showVendor(vendorId);
    });
    columns->addWidget(m_vendors, 1);
    auto *book = new QVBoxLayout;
    m_readOnlyNotice = new QLabel;
    m_readOnlyNotice->setObjectName(QStringLiteral("lblReadOnly"));
    m_readOnlyNotice->setWordWrap(true);
    m_readOnlyNotice->setFrameShape(QFrame::StyledPanel);
    m_readOnlyNotice->hide();
    book->addWidget(m_readOnlyNotice);
    m_changeNotice = new ChangeNotice;
    connect(m_changeNotice, &ChangeNotice::showChangesRequested, m_book, &VendorBook::reviewChanges);
    book->addWidget(m_changeNotice);
    book->addWidget(createControlPane(), 0);
    book->addWidget(createBookButtons(), 0);
    book->addStretch(1);
    columns->addLayout(book, 0);
    setCentralWidget(central);
    createMenus();
    createDeveloperDock();

    connect(m_book, &VendorBook::statusChanged, this, &MainWindow::showStatus);
    connect(m_book, &VendorBook::actionsChanged, this, &MainWindow::updateBookActions);
    connect(m_book, &VendorBook::databaseChanged, this, &MainWindow::updateDatabaseState);
    connect(m_book, &VendorBook::vendorListSource, m_vendors, &VendorListPane::setDatabase);
    connect(m_book, &VendorBook::vendorsChanged, m_vendors, &VendorListPane::refreshVendors);
    connect(m_vendors, &VendorListPane::readFailed, m_book, [this](const QString &message) {
        // The status line only: whatever the user did has its own answer.
        m_book->setStatus([message] { return tr("The vendor list could not be read: %1").arg(message); });
    });
    connect(m_book, &VendorBook::vendorShown, this, [this](qint32 vendorId) {
        m_vendors->setShownVendor(vendorId);
        updateTitle();
    });
    connect(m_book, &VendorBook::changesPending, this, [this](int count) {
        if (count > 0)
            m_changeNotice->showCount(count);
        else
            m_changeNotice->hide();
    });
    retranslate();
    resize(defaultSize());
    if (m_settings.developer)
        QTimer::singleShot(0, this, &MainWindow::showDeveloperDock);
}

MainWindow::~MainWindow() = default;

QSize MainWindow::defaultSize()
{
    return { 860, 660 };
}

QSize MainWindow::sizeWithDock() const
{
    // The dock beside the book, as wide as it likes, within the screen.
    QSize size(defaultSize().width() + m_dock->preferredWidth(), defaultSize().height());
    if (const QScreen *where = screen())
        size = size.boundedTo(where->availableSize() - (frameGeometry().size() - geometry().size()));
    return size;
}

void MainWindow::showDeveloperDock()
{
    m_dock->show();
    const QScreen *where = screen();
    const QRect available = where ? where->availableGeometry() : QRect(QPoint(), sizeWithDock());
    const QSize frame = frameGeometry().size() - geometry().size();
    const int bookWidth = centralWidget()->minimumSizeHint().width();
    const int dockWidth = m_dock->preferredWidth();
    if (bookWidth + dockWidth + frame.width() + 8 > available.width()) {
        // No room beside the book on this screen: the dock floats over it,
        // as wide as it needs and within the screen.
        m_dock->setFloating(true);
        m_dock->resize(std::min(dockWidth, available.width()), std::min(height(), available.height()));
        m_dock->move(available.right() - m_dock->width() + 1, available.top());
        return;
    }
    m_dock->setFloating(false);
    const int wanted = std::max(width(), std::min(bookWidth + dockWidth + 40, available.width() - frame.width()));
    const int wantedWidth = std::max(wanted, sizeWithDock().width());
    resize(std::min(wantedWidth, available.width() - frame.width()), height());
    // Kept on the screen: a window moved to its right edge grows leftwards.
    QRect placed = frameGeometry();
    if (placed.right() > available.right())
        placed.moveRight(available.right());
    if (placed.left() < available.left())
        placed.moveLeft(available.left());
    move(placed.topLeft());
    resizeDocks({ m_dock }, { dockWidth }, Qt::Horizontal);
}

QWidget *MainWindow::createControlPane()
{
    auto *group = new QGroupBox;
    m_controlGroup = group;
    group->setObjectName(QStringLiteral("grpControl"));
    group->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_controlLayout = new QVBoxLayout(group);
    m_controlLayout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Reserve the panel's place so the window keeps its shape until (or
    // unless) the control is created.
    m_controlStatus = new QLabel;
    m_controlStatus->setObjectName(QStringLiteral("lblControlStatus"));
    m_controlStatus->setAlignment(Qt::AlignCenter);
    m_controlStatus->setWordWrap(true);
    m_controlStatus->setFixedSize(NominalControlSize);
    m_controlLayout->addWidget(m_controlStatus);
    return group;
}

QWidget *MainWindow::createBookButtons()
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *row = new QHBoxLayout;
    m_save = new QPushButton;
    m_save->setObjectName(QStringLiteral("cmdSave"));
    m_revert = new QPushButton;
    m_revert->setObjectName(QStringLiteral("cmdRevert"));
    m_remove = new QPushButton;
    m_remove->setObjectName(QStringLiteral("cmdRemoveAddress"));
    m_allowEditing = new QCheckBox;
    m_allowEditing->setObjectName(QStringLiteral("chkAllowEditing"));
    m_allowEditing->setChecked(m_settings.editAllowed);
    connect(m_save, &QPushButton::clicked, m_book, &VendorBook::save);
    connect(m_revert, &QPushButton::clicked, m_book, &VendorBook::revert);
    connect(m_remove, &QPushButton::clicked, m_book, &VendorBook::removeAddress);
    connect(m_allowEditing, &QCheckBox::toggled, this, [this](bool allowed) {
        if (!m_book->setEditAllowed(allowed)) {
            const QSignalBlocker blocker(m_allowEditing);
            m_allowEditing->setChecked(!allowed);
        }
    });
    row->addWidget(m_allowEditing);
    row->addStretch(1);
    row->addWidget(m_remove);
    row->addWidget(m_revert);
    row->addWidget(m_save);
    layout->addLayout(row);

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_statusArea = new QScrollArea;
    m_statusArea->setObjectName(QStringLiteral("scrStatus"));
    m_statusArea->setWidget(m_status);
    m_statusArea->setWidgetResizable(true);
    m_statusArea->setFrameShape(QFrame::NoFrame);
    m_statusArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fitStatusArea();
    layout->addWidget(m_statusArea);
    m_save->setEnabled(false);
    m_revert->setEnabled(false);
    m_remove->setEnabled(false);
    return box;
}

void MainWindow::fitStatusArea()
{
    // Exactly as many whole lines as a label of the same font lays out, with
    // its descenders and margins, so the last line is never cut through its
    // glyphs; a longer message scrolls a line at a time.
    QLabel probe(QStringList(StatusLines, QStringLiteral("Ag")).join(QLatin1Char('\n')));
    probe.setFont(m_status->font());
    probe.setWordWrap(true);
    m_statusArea->setFixedHeight(probe.sizeHint().height());
    m_statusArea->verticalScrollBar()->setSingleStep(m_status->fontMetrics().lineSpacing());
}

void MainWindow::createMenus()
{
    m_fileMenu = menuBar()->addMenu(QString());
    m_open = m_fileMenu->addAction(QString(), this, [this] { chooseAndOpen(false); });
    m_open->setShortcut(QKeySequence::Open);
    m_openServer = m_fileMenu->addAction(QString(), this, &MainWindow::askForServerAndOpen);
    m_new = m_fileMenu->addAction(QString(), this, [this] { chooseAndOpen(true); });
    m_new->setShortcut(QKeySequence::New);
    m_recentMenu = m_fileMenu->addMenu(QString());
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    m_fileMenu->addSeparator();
    m_quit = m_fileMenu->addAction(QString(), this, &QWidget::close);
    m_quit->setShortcut(QKeySequence::Quit);

    m_addressMenu = menuBar()->addMenu(QString());
    m_saveAction = m_addressMenu->addAction(QString(), m_book, &VendorBook::save);
    m_saveAction->setShortcut(QKeySequence::Save);
    m_revertAction = m_addressMenu->addAction(QString(), m_book, &VendorBook::revert);
    m_addressMenu->addSeparator();
    m_removeAction = m_addressMenu->addAction(QString(), m_book, &VendorBook::removeAddress);
}

void MainWindow::createDeveloperDock()
{
    m_dock = new DeveloperDock(m_calls, this);
    m_dock->showValues(m_settings.vendorId, m_settings.editAllowed, m_settings.loadText, m_settings.separators);
    // Beside the address book, where a 1280-pixel screen has room for it.
    addDockWidget(Qt::RightDockWidgetArea, m_dock);
    m_dock->hide();
    // The dock's own toggle, so a user can bring it back once closed; shown
    // again, it gets the room it needs.
    auto *toggle = m_dock->toggleViewAction();
    toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    connect(toggle, &QAction::triggered, this, [this](bool shown) {
        if (shown)
            showDeveloperDock();
    });
    addAction(toggle);
}

void MainWindow::retranslate()
{
    updateTitle();
    m_controlGroup->setTitle(tr("VendorContact control"));
    if (!control() && m_controlStatus && m_controlStatus->text().isEmpty())
        m_controlStatus->setText(tr("Creating the control\u2026"));
    m_save->setText(tr("&Save"));
    m_revert->setText(tr("&Revert"));
    m_remove->setText(tr("Re&move Address\u2026"));
    m_allowEditing->setText(tr("Allow &editing"));
    m_status->setAccessibleName(tr("Status"));
    m_fileMenu->setTitle(tr("&File"));
    m_open->setText(tr("&Open Database\u2026"));
    m_openServer->setText(tr("Open &Server Database\u2026"));
    m_new->setText(tr("&New Database\u2026"));
    m_recentMenu->setTitle(tr("&Recent Databases"));
    m_quit->setText(tr("&Quit"));
    m_addressMenu->setTitle(tr("&Address"));
    m_saveAction->setText(tr("&Save"));
    m_revertAction->setText(tr("&Revert"));
    m_removeAction->setText(tr("Re&move Address\u2026"));
    updateDatabaseState();
    showStatus();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitStatusArea();
    QMainWindow::changeEvent(event);
}

void MainWindow::updateTitle()
{
    const QString name = m_book->currentVendorName();
    if (!name.isEmpty())
        setWindowTitle(tr("%1 \u2014 Vendor address book[*]").arg(name));
    else if (m_settings.loadText.isEmpty() && !m_book->isOpen())
        setWindowTitle(tr("No database open \u2014 Vendor address book[*]"));
    else
        setWindowTitle(tr("Vendor address book[*]"));
}

void MainWindow::showStatus()
{
    const QString text = m_book->statusText();
    m_status->setText(text);
    m_status->setToolTip(text);
}

QString MainWindow::statusText() const
{
    return m_status->text();
}

void MainWindow::updateDatabaseState()
{
    const bool readOnly = m_book->isReadOnly();
    m_readOnlyNotice->setVisible(readOnly);
    m_readOnlyNotice->setText(m_book->readOnlyReason());
    m_save->setToolTip(m_book->readOnlyReason());
    {
        // Shown as the book has it; the user's own ticks come back through toggled().
        const QSignalBlocker blocker(m_allowEditing);
        m_allowEditing->setChecked(m_book->editAllowed());
    }
    m_allowEditing->setEnabled(!readOnly && m_settings.loadText.isEmpty());
    m_allowEditing->setToolTip(readOnly ? m_book->readOnlyReason() : QString());
    m_vendors->setEnabled(m_book->isOpen());
    updateTitle();
    updateBookActions();
}

void MainWindow::updateBookActions()
{
    m_save->setEnabled(m_book->canSave());
    m_revert->setEnabled(m_book->canRevert());
    m_remove->setEnabled(m_book->canRemove());
    m_saveAction->setEnabled(m_save->isEnabled());
    m_revertAction->setEnabled(m_revert->isEnabled());
    m_removeAction->setEnabled(m_remove->isEnabled());
    setWindowModified(m_book->isControlModified());
}

QWidget *MainWindow::control() const
{
    return m_calls->control();
}

QString MainWindow::lastExport() const
{
    return m_calls->lastExport();
}

QStringList MainWindow::callLog() const
{
    return m_calls->callLog();
}

bool MainWindow::start()
{
    QString error;
    if (!m_calls->createControl(m_settings.libraryFile, m_controlGroup, &error)) {
        m_controlStatus->setText(error);
        return false;
    }
    QWidget *widget = control();
    // The panel has a fixed layout and no resize handling: give it its size.
    widget->setFixedSize(widget->sizeHint().isValid() ? widget->sizeHint() : NominalControlSize);
    delete m_controlStatus;
    m_controlStatus = nullptr;
    m_controlLayout->addWidget(widget);
    widget->show();
    // The control's change notifications, reached by name as any Qt host may.
    connect(widget, SIGNAL(modifiedChanged(bool)), this, SLOT(updateBookActions()));
    connect(widget, SIGNAL(editingChanged(bool)), this, SLOT(updateBookActions()));
    connect(widget, SIGNAL(currentAddressIdChanged(QString)), this, SLOT(updateBookActions()));

    if (!m_settings.loadText.isEmpty()) {
        // A text of the developer's own: no database behind it.
        m_vendors->setEnabled(false);
        m_fileMenu->setEnabled(false);
        m_book->setStatus([] { return tr("Showing a load text without a database: Save is not available."); });
        m_calls->letVendorIdAndMode(m_settings.vendorId, m_settings.editAllowed);
        m_calls->letContactAddress(m_settings.loadText, m_settings.separators);
        m_calls->getContactAddress();
        updateBookActions();
        return true;
    }
    // The application's own data folder may be created unasked; a path the
    // user named is created only when the user says so.
    const bool isDefault = m_settings.database.isEmpty();
    return openDatabase(m_settings.database, isDefault || m_settings.createDatabase);
}

bool MainWindow::openDatabase(const QString &location, bool create)
{
    if (!m_book->open(location, create))
        return false;
    rememberRecent(m_book->location());
    showFirstVendor();
    return true;
}

void MainWindow::showFirstVendor()
{
    const qint32 wanted = m_settings.vendorId;
    const std::optional<qint32> first = m_vendors->hasVendor(wanted) ? wanted : m_vendors->firstVendor();
    if (first)
        m_book->showVendor(*first);
}

void MainWindow::chooseAndOpen(bool create)
{
    QString file =
        m_book->fileChooser()(create ? tr("Create a new vendor database") : tr("Open a vendor database"), create);
    if (file.isEmpty())
        return;
    if (file.startsWith(QLatin1String("postgresql:")) || file.startsWith(QLatin1String("sqlite:"))) {
        openDatabase(file, create);
        return;
    }
    // The Open dialog lists *.sqlite: a new file is named so it shows there.
    if (create && QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".sqlite");
    openDatabase(QStringLiteral("sqlite:") + file, create);
}

void MainWindow::askForServerAndOpen()
{
    bool ok = false;
    const QString address = QInputDialog::getText(this, tr("Open a server database"),
        tr("The PostgreSQL database's address, such as postgresql://user@host/vendors (the password comes from "
           "PGPASSWORD or ~/.pgpass):"),
        QLineEdit::Normal, QStringLiteral("postgresql://"), &ok)
                                .trimmed();
    if (ok && address.startsWith(QLatin1String("postgresql://")) && address.size() > 13)
        openDatabase(address);
}

void MainWindow::rememberRecent(const QString &location)
{
    QSettings settings = hostSettings();
    QStringList recent = settings.value(RecentKey).toStringList();
    recent.removeAll(location);
    recent.prepend(location);
    settings.setValue(RecentKey, recent.mid(0, RecentCount));
}

void MainWindow::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = hostSettings().value(RecentKey).toStringList();
    for (const QString &location : recent) {
        m_recentMenu->addAction(
            VendorBook::displayLocation(location), this, [this, location] { openDatabase(location); });
    }
    if (recent.isEmpty())
        m_recentMenu->addAction(tr("(none yet)"))->setEnabled(false);
}

bool MainWindow::clickFirstAddress()
{
    QWidget *panel = control();
    auto *list = panel ? panel->findChild<QAbstractItemView *>(QStringLiteral("lstContacts")) : nullptr;
    if (!list || !list->model() || list->model()->rowCount() == 0)
        return false;
    // The first columns may be hidden (zero wide): click the first visible cell.
    QRect cell;
    for (int column = 0; column < list->model()->columnCount() && cell.isEmpty(); ++column)
        cell = list->visualRect(list->model()->index(0, column)).intersected(list->viewport()->rect());
    if (cell.isEmpty())
        return false;
    // A real click, so the control handles it exactly as a user's.
    const QPointF at = cell.center();
    const QPointF global = list->viewport()->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &press);
    QCoreApplication::sendEvent(list->viewport(), &release);
    return true;
}

QString MainWindow::changeNoticeText() const
{
    return m_changeNotice->isVisibleTo(this) ? m_changeNotice->text() : QString();
}

void MainWindow::callLetVendorIDNMode()
{
    m_dock->callLetVendorIDNMode();
}

void MainWindow::callLetContactAddress()
{
    m_dock->callLetContactAddress();
}

void MainWindow::callGetContactAddress()
{
    m_dock->callGetContactAddress();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_book->confirmLeavingVendor()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

} // namespace VendorContactHost
