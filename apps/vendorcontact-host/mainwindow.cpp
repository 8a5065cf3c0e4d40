// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "mainwindow.h"

#include "controlloader.h"
#include "databasetrouble.h"
#include "developerdock.h"
#include "vendorlist.h"

#include <vendorcontactclient.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>
#include <QtCore/QTimer>
#include <QtGui/QMouseEvent>
#include <QtGui/QScreen>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollArea>
#include <QtWidgets/QVBoxLayout>

#include <exception>

namespace Client = ZebVendorContact::Client;

namespace VendorContactHost {

namespace {
// The panel's own layout is 7260 x 7065 twips, 484 x 471 pixels at 96 dpi;
// used only when the control cannot tell its size.
constexpr QSize NominalControlSize(484, 471);
// The status area holds this many lines; a longer message scrolls inside
// it, so nothing around it moves or is covered.
constexpr int StatusLines = 3;
} // namespace

MainWindow::MainWindow(const HostSettings &settings, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_ask(messageBoxHandler(this))
{
    setObjectName(QStringLiteral("VendorContactHost"));
    m_chooseFile = [this](const QString &title, bool forNewFile) {
        const QString filter = tr("Vendor databases (*.sqlite *.db);;All files (*)");
        return forNewFile ? QFileDialog::getSaveFileName(this, title, QString(), filter)
                          : QFileDialog::getOpenFileName(this, title, QString(), filter);
    };

    auto *central = new QWidget;
    auto *columns = new QHBoxLayout(central);
    m_vendors = new VendorListPane;
    m_vendors->setMinimumWidth(180);
    connect(m_vendors, &VendorListPane::vendorChosen, this, &MainWindow::onVendorChosen);
    connect(m_vendors, &VendorListPane::readFailed, this, [this](const QString &message) {
        // The status line only: whatever the user did has its own answer.
        setStatus(tr("The vendor list could not be read: %1").arg(message));
    });
    columns->addWidget(m_vendors, 1);
    auto *book = new QVBoxLayout;
    m_readOnlyNotice = new QLabel;
    m_readOnlyNotice->setObjectName(QStringLiteral("lblReadOnly"));
    m_readOnlyNotice->setWordWrap(true);
    m_readOnlyNotice->setFrameShape(QFrame::StyledPanel);
    m_readOnlyNotice->hide();
    book->addWidget(m_readOnlyNotice);
    book->addWidget(createChangeNotice());
    book->addWidget(createControlPane(), 0);
    book->addWidget(createBookButtons(), 0);
    book->addStretch(1);
    columns->addLayout(book, 0);
    setCentralWidget(central);
    createDeveloperDock();
    retranslate();
    resize(defaultSize());
    if (m_settings.developer) {
        resize(sizeWithDock());
        // Once laid out: before that the main window shares out no width.
        QTimer::singleShot(0, this, [this] { resizeDocks({ m_dock }, { m_dock->preferredWidth() }, Qt::Horizontal); });
    }
}

QSize MainWindow::sizeWithDock() const
{
    // The dock beside the book, as wide as it likes, within the screen.
    QSize size(defaultSize().width() + m_dock->preferredWidth(), defaultSize().height());
    if (const QScreen *where = screen())
        size = size.boundedTo(where->availableSize());
    return size;
}

MainWindow::~MainWindow() = default;

QSize MainWindow::defaultSize()
{
    return { 860, 660 };
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
    m_save->setShortcut(QKeySequence::Save);
    m_revert = new QPushButton;
    m_revert->setObjectName(QStringLiteral("cmdRevert"));
    m_allowEditing = new QCheckBox;
    m_allowEditing->setObjectName(QStringLiteral("chkAllowEditing"));
    m_allowEditing->setChecked(m_settings.editAllowed);
    connect(m_save, &QPushButton::clicked, this, [this] { save(); });
    connect(m_revert, &QPushButton::clicked, this, &MainWindow::revert);
    connect(m_allowEditing, &QCheckBox::toggled, this, &MainWindow::setEditAllowed);
    row->addWidget(m_allowEditing);
    row->addStretch(1);
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
    m_statusArea->setFixedHeight(StatusLines * m_status->fontMetrics().lineSpacing() + 4);
    layout->addWidget(m_statusArea);
    m_save->setEnabled(false);
    m_revert->setEnabled(false);
    return box;
}

void MainWindow::createDeveloperDock()
{
    m_dock = new DeveloperDock(
        [this](qint32 dispId, const QVariantList &arguments) { return invoke(dispId, arguments); }, this);
    m_dock->showValues(m_settings.vendorId, m_settings.editAllowed, m_settings.loadText, m_settings.separators);
    // Beside the address book, where a 1280-pixel screen has room for it.
    addDockWidget(Qt::RightDockWidgetArea, m_dock);
    m_dock->setVisible(m_settings.developer);
    // The dock's own toggle, so a user can bring it back once closed.
    auto *toggle = m_dock->toggleViewAction();
    toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    addAction(toggle);
}

void MainWindow::retranslate()
{
    updateTitle();
    m_controlGroup->setTitle(tr("VendorContact control"));
    if (!m_control)
        m_controlStatus->setText(tr("Creating the control\u2026"));
    m_save->setText(tr("&Save"));
    m_revert->setText(tr("&Revert"));
    m_allowEditing->setText(tr("Allow &editing"));
    m_status->setAccessibleName(tr("Status"));
    if (m_readOnly) {
        m_readOnlyNotice->setText(readOnlyNotice(m_location));
        m_save->setToolTip(m_readOnlyNotice->text());
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::updateTitle()
{
    const auto &shown = m_session ? m_session->shown() : std::nullopt;
    setWindowTitle(
        shown ? tr("%1 \u2014 Vendor address book[*]").arg(shown->vendorName) : tr("Vendor address book[*]"));
}

QWidget *MainWindow::control() const
{
    return m_control ? m_control->widget() : nullptr;
}

QString MainWindow::lastExport() const
{
    return m_dock->lastExport();
}

QStringList MainWindow::callLog() const
{
    return m_dock->callLog();
}

bool MainWindow::start()
{
    if (!ensureRegistration() || !createControl())
        return false;
    QWidget *widget = control();
    // The control's change notifications, reached by name as any Qt host may.
    connect(widget, SIGNAL(modifiedChanged(bool)), this, SLOT(updateBookActions()));
    connect(widget, SIGNAL(editingChanged(bool)), this, SLOT(updateBookActions()));

    if (!m_settings.loadText.isEmpty()) {
        // A text of the developer's own: no database behind it.
        m_vendors->setEnabled(false);
        setStatus(tr("Showing a load text without a database: Save is not available."));
        m_dock->letVendorIdAndMode(m_settings.vendorId, m_settings.editAllowed);
        m_dock->letContactAddress(m_settings.loadText, m_settings.separators);
        m_dock->getContactAddress();
        updateBookActions();
        return true;
    }
    if (!openDatabase())
        return false;
    fillVendorList();
    const qint32 wanted = m_settings.vendorId;
    const std::optional<qint32> first = m_vendors->hasVendor(wanted) ? wanted : m_vendors->firstVendor();
    if (first)
        loadVendor(*first);
    return true;
}

bool MainWindow::ensureRegistration()
{
    const QString library = locateControlLibrary(m_settings.libraryFile);
    const QString registered = registeredLibrary();
    if (library.isEmpty()) {
        if (!m_settings.libraryFile.isEmpty()) {
            m_dock->logCall(QStringLiteral("registerLibrary(%1)").arg(abbreviated(m_settings.libraryFile, 200)),
                QStringLiteral("error: no such file"));
            showControlError(tr("The control library %1 does not exist.").arg(m_settings.libraryFile));
            return false;
        }
        // No library of our own: rely on whatever the user registered.
        return true;
    }
    if (sameFile(library, registered))
        return true;

    QString error;
    const bool ok = Client::registerLibrary(library, &error);
    m_dock->logCall(QStringLiteral("registerLibrary(%1)").arg(abbreviated(library, 200)),
        ok ? QStringLiteral("ok, registered in %1").arg(Client::registrationFilePath())
           : QStringLiteral("error: %1").arg(error));
    if (!ok)
        showControlError(tr("Registering %1 failed: %2").arg(library, error));
    return ok;
}

bool MainWindow::createControl()
{
    const QString progId = QLatin1StringView(Client::ProgId);
    QString error;
    std::unique_ptr<Client::ControlHandle> handle;
    try {
        handle = Client::ControlHandle::create(progId, m_controlGroup, &error);
    } catch (const std::exception &e) {
        error = QString::fromLocal8Bit(e.what());
    }
    if (!handle || !handle->widget()) {
        if (error.isEmpty())
            error = tr("the factory returned no control");
        m_dock->logCall(
            QStringLiteral("ControlHandle::create(\"%1\")").arg(progId), QStringLiteral("error: %1").arg(error));
        showControlError(tr("The control could not be created: %1").arg(error));
        return false;
    }
    m_control = std::move(handle);
    m_dock->logCall(QStringLiteral("ControlHandle::create(\"%1\")").arg(progId),
        QStringLiteral("ok, from %1").arg(registeredLibrary()));

    QWidget *widget = m_control->widget();
    // The panel has a fixed layout and no resize handling: give it its size.
    const QSize size = widget->sizeHint().isValid() ? widget->sizeHint() : NominalControlSize;
    widget->setFixedSize(size);
    delete m_controlStatus;
    m_controlStatus = nullptr;
    m_controlLayout->addWidget(widget);
    widget->show();
    return true;
}

void MainWindow::showControlError(const QString &message)
{
    if (m_controlStatus)
        m_controlStatus->setText(message);
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

Client::DispatchResult MainWindow::invoke(qint32 dispId, const QVariantList &arguments)
{
    if (!m_control) {
        Client::DispatchResult result;
        result.status = -1;
        result.errorText = QStringLiteral("no control");
        return result;
    }
    return m_control->invoke(dispId, arguments);
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

void MainWindow::setQuestionHandler(QuestionHandler handler)
{
    m_ask = std::move(handler);
}

void MainWindow::setFileChooser(FileChooser chooser)
{
    m_chooseFile = std::move(chooser);
}

QMessageBox::StandardButton MainWindow::ask(const Question &question)
{
    return m_ask(question);
}

void MainWindow::tellFailure(const QString &title, const QString &message, const QString &details)
{
    setStatus(message);
    Question question;
    question.title = title;
    question.text = message;
    question.details = details;
    question.icon = QMessageBox::Critical;
    ask(question);
}

void MainWindow::setStatus(const QString &text)
{
    m_status->setText(text);
    m_status->setToolTip(text);
}

QString MainWindow::statusText() const
{
    return m_status->text();
}

} // namespace VendorContactHost
