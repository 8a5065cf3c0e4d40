#include "mainwindow.h"

#include "controlloader.h"
#include "exporttablemodel.h"

#include <vendorcontactclient.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QSortFilterProxyModel>
#include <QtGui/QCloseEvent>
#include <QtGui/QFontDatabase>
#include <QtGui/QMouseEvent>
#include <QtGui/QStandardItemModel>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDockWidget>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListView>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QTableView>
#include <QtWidgets/QVBoxLayout>

#include <exception>
#include <limits>

namespace Client = ZebVendorContact::Client;
using ZebVendorContact::ContactAddress;

namespace VendorContactHost {

namespace {
// The panel's own layout is 7260 x 7065 twips, 484 x 471 pixels at 96 dpi;
// used only when the control cannot tell its size.
constexpr QSize NominalControlSize(484, 471);

QLineEdit *separatorEdit(const QString &objectName, const QString &text)
{
    auto *edit = new QLineEdit(text);
    edit->setObjectName(objectName);
    edit->setMaximumWidth(56);
    edit->setAlignment(Qt::AlignCenter); // a lone "|" would pass for the cursor
    return edit;
}

QPushButton *callButton(const QString &objectName, const QString &text)
{
    auto *button = new QPushButton(text);
    button->setObjectName(objectName);
    return button;
}

QString plural(qsizetype count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1StringView(count == 1 ? one : many));
}
} // namespace

MainWindow::MainWindow(const HostSettings &settings, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_exportSeparators(settings.separators)
{
    setObjectName(QStringLiteral("VendorContactHost"));
    setWindowTitle(tr("Vendor address book[*]"));

    auto *central = new QWidget;
    auto *columns = new QHBoxLayout(central);
    columns->addWidget(createVendorPane(), 1);
    auto *book = new QVBoxLayout;
    book->addWidget(createControlPane(), 0);
    book->addWidget(createBookButtons(), 0);
    book->addStretch(1);
    columns->addLayout(book, 0);
    setCentralWidget(central);
    createDeveloperDock();
    resize(defaultSize());

    m_ask = [this](const Question &question) {
        QMessageBox box(question.icon, question.title, question.text, question.buttons, this);
        box.setDefaultButton(question.defaultButton);
        for (const auto &[button, text] : question.buttonTexts) {
            if (auto *widget = box.button(button))
                widget->setText(text);
        }
        return QMessageBox::StandardButton(box.exec());
    };
}

MainWindow::~MainWindow() = default;

QSize MainWindow::defaultSize()
{
    return { 860, 600 };
}

QWidget *MainWindow::createVendorPane()
{
    auto *pane = new QWidget;
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    m_vendorSearch = new QLineEdit;
    m_vendorSearch->setObjectName(QStringLiteral("txtVendorSearch"));
    m_vendorSearch->setPlaceholderText(tr("Search vendors"));
    m_vendorSearch->setClearButtonEnabled(true);
    m_vendorSearch->setAccessibleName(tr("Search vendors"));
    auto *label = new QLabel(tr("&Vendors"));
    m_vendorModel = new QStandardItemModel(this);
    m_vendorFilter = new QSortFilterProxyModel(this);
    m_vendorFilter->setSourceModel(m_vendorModel);
    m_vendorFilter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_vendorList = new QListView;
    m_vendorList->setObjectName(QStringLiteral("lstVendors"));
    m_vendorList->setModel(m_vendorFilter);
    m_vendorList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_vendorList->setSelectionMode(QAbstractItemView::SingleSelection);
    label->setBuddy(m_vendorList);
    connect(m_vendorSearch, &QLineEdit::textChanged, m_vendorFilter, &QSortFilterProxyModel::setFilterFixedString);
    connect(m_vendorList->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!m_choosingVendor)
            onVendorChosen();
    });
    layout->addWidget(m_vendorSearch);
    layout->addWidget(label);
    layout->addWidget(m_vendorList, 1);
    return pane;
}

QWidget *MainWindow::createBookButtons()
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *row = new QHBoxLayout;
    m_save = callButton(QStringLiteral("cmdSave"), tr("&Save"));
    m_save->setShortcut(QKeySequence::Save);
    m_revert = callButton(QStringLiteral("cmdRevert"), tr("&Revert"));
    m_allowEditing = new QCheckBox(tr("Allow &editing"));
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
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_status);
    m_save->setEnabled(false);
    m_revert->setEnabled(false);
    return box;
}

void MainWindow::createDeveloperDock()
{
    auto *dock = new QDockWidget(tr("Developer"), this);
    dock->setObjectName(QStringLiteral("dockDeveloper"));
    auto *content = new QWidget;
    auto *columns = new QHBoxLayout(content);
    columns->addWidget(createLogGroup(), 1);
    columns->addWidget(createHostPane(), 2);
    dock->setWidget(content);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->setVisible(m_settings.developer);
    // The dock's own toggle, so a user can bring it back once closed.
    auto *toggle = dock->toggleViewAction();
    toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    addAction(toggle);
}

QWidget *MainWindow::control() const
{
    return m_control ? m_control->widget() : nullptr;
}

QWidget *MainWindow::createControlPane()
{
    auto *group = new QGroupBox(QStringLiteral("VendorContact control"));
    group->setObjectName(QStringLiteral("grpControl"));
    group->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_controlLayout = new QVBoxLayout(group);
    m_controlLayout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Reserve the panel's place so the window keeps its shape until (or
    // unless) the control is created.
    auto *placeholder = new QLabel(QStringLiteral("Creating the control\u2026"));
    placeholder->setObjectName(QStringLiteral("lblControlStatus"));
    placeholder->setAlignment(Qt::AlignCenter);
    placeholder->setWordWrap(true);
    placeholder->setFixedSize(NominalControlSize);
    m_controlLayout->addWidget(placeholder);
    return group;
}

QWidget *MainWindow::createHostPane()
{
    auto *pane = new QWidget;
    pane->setObjectName(QStringLiteral("hostPane"));
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createVendorGroup(), 0);
    layout->addWidget(createLoadGroup(), 3);
    layout->addWidget(createExportGroup(), 2);
    return pane;
}

QGroupBox *MainWindow::createVendorGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Vendor and edit mode"));
    auto *row = new QHBoxLayout(group);

    m_vendorId = new QSpinBox;
    m_vendorId->setObjectName(QStringLiteral("spnVendorID"));
    m_vendorId->setRange(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    m_vendorId->setValue(m_settings.vendorId);
    m_vendorId->setMinimumWidth(110);

    m_editAllowed = new QCheckBox(QStringLiteral("Edit allowed"));
    m_editAllowed->setObjectName(QStringLiteral("chkEditAllowed"));
    m_editAllowed->setChecked(m_settings.editAllowed);

    auto *call = callButton(QStringLiteral("cmdLetVendorIDNMode"), QStringLiteral("Call LetVendorIDNMode"));
    connect(call, &QPushButton::clicked, this, &MainWindow::callLetVendorIDNMode);

    auto *label = new QLabel(QStringLiteral("Vendor ID"));
    label->setBuddy(m_vendorId);
    row->addWidget(label);
    row->addWidget(m_vendorId);
    row->addSpacing(12);
    row->addWidget(m_editAllowed);
    row->addStretch(1);
    row->addWidget(call);
    return group;
}

QGroupBox *MainWindow::createLoadGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Load text (one record per line; the line breaks are not sent)"));
    auto *layout = new QVBoxLayout(group);

    m_loadText = new QPlainTextEdit;
    m_loadText->setObjectName(QStringLiteral("txtLoadText"));
    m_loadText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_loadText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_loadText->setPlainText(toReadable(m_settings.loadText, m_settings.separators));
    layout->addWidget(m_loadText, 1);

    m_fieldSeparator = separatorEdit(QStringLiteral("txtFieldSeparator"), m_settings.separators.field);
    m_recordSeparator = separatorEdit(QStringLiteral("txtRecordSeparator"), m_settings.separators.record);
    m_tableSeparator = separatorEdit(QStringLiteral("txtTableSeparator"), m_settings.separators.table);
    auto *call = callButton(QStringLiteral("cmdLetContactAddress"), QStringLiteral("Call LetContactAddress"));
    connect(call, &QPushButton::clicked, this, &MainWindow::callLetContactAddress);

    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Field")));
    row->addWidget(m_fieldSeparator);
    row->addWidget(new QLabel(QStringLiteral("Record")));
    row->addWidget(m_recordSeparator);
    row->addWidget(new QLabel(QStringLiteral("Table")));
    row->addWidget(m_tableSeparator);
    row->addStretch(1);
    row->addWidget(call);
    layout->addLayout(row);
    return group;
}

QGroupBox *MainWindow::createExportGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Added and changed addresses"));
    auto *layout = new QVBoxLayout(group);

    auto *call = callButton(QStringLiteral("cmdGetContactAddress"), QStringLiteral("Call GetContactAddress"));
    connect(call, &QPushButton::clicked, this, &MainWindow::callGetContactAddress);
    m_exportSummary = new QLabel(QStringLiteral("Not asked yet."));
    m_exportSummary->setObjectName(QStringLiteral("lblExportSummary"));
    auto *row = new QHBoxLayout;
    row->addWidget(m_exportSummary, 1);
    row->addWidget(call);
    layout->addLayout(row);

    m_exportModel = new ExportTableModel(this);
    m_exportTable = new QTableView;
    m_exportTable->setObjectName(QStringLiteral("tblExport"));
    m_exportTable->setModel(m_exportModel);
    m_exportTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_exportTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_exportTable->verticalHeader()->setVisible(false);
    // Rows of one height and columns sized from a sample of rows: measuring
    // every cell of tens of thousands of entries would freeze the window.
    m_exportTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_exportTable->horizontalHeader()->setResizeContentsPrecision(200);
    layout->addWidget(m_exportTable, 1);

    m_exportText = new QLineEdit;
    m_exportText->setObjectName(QStringLiteral("txtExportText"));
    m_exportText->setReadOnly(true);
    m_exportText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_exportText->setPlaceholderText(QStringLiteral("The exact text GetContactAddress returned"));
    layout->addWidget(m_exportText);
    return group;
}

QGroupBox *MainWindow::createLogGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Calls"));
    // As wide as the control above it, as high as the window allows.
    group->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    auto *layout = new QVBoxLayout(group);
    m_log = new QPlainTextEdit;
    m_log->setObjectName(QStringLiteral("txtLog"));
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(m_log);
    return group;
}

bool MainWindow::start()
{
    if (!ensureRegistration() || !createControl())
        return false;
    QWidget *widget = control();
    // The control's change notifications, reached by name as any Qt host may.
    connect(widget, SIGNAL(modifiedChanged(bool)), this, SLOT(onControlModifiedChanged()));
    connect(widget, SIGNAL(editingChanged(bool)), this, SLOT(onControlModifiedChanged()));

    if (!m_settings.loadText.isEmpty()) {
        // A text of the developer's own: no database behind it.
        m_vendorSearch->setEnabled(false);
        m_vendorList->setEnabled(false);
        setStatus(tr("Showing a load text without a database: Save is not available."));
        callLetVendorIDNMode();
        callLetContactAddress();
        callGetContactAddress();
        updateBookActions();
        return true;
    }
    if (!openDatabase())
        return false;
    const qint32 wanted = m_settings.vendorId;
    fillVendorList();
    const bool known =
        m_vendorModel->match(m_vendorModel->index(0, 0), Qt::UserRole, wanted, 1, Qt::MatchExactly).size() == 1;
    const auto first = m_vendorModel->rowCount() > 0
        ? std::optional<qint32>(m_vendorModel->item(0)->data(Qt::UserRole).toInt())
        : std::nullopt;
    if ((known || first) && loadVendor(known ? wanted : *first))
        selectVendorInList(*currentVendor());
    return true;
}

bool MainWindow::openDatabase()
{
    const QString location = m_settings.database.isEmpty() ? VendorDatabase::defaultLocation() : m_settings.database;
    try {
        m_database = std::make_unique<VendorDatabase>(location);
        const QList<VendorSummary> vendors = m_database->vendors();
        qsizetype addresses = 0;
        for (const VendorSummary &vendor : vendors)
            addresses += vendor.addressCount;
        logCall(QStringLiteral("openDatabase(%1)").arg(abbreviated(location, 200)),
            QStringLiteral("ok, %1: %2, %3")
                .arg(m_database->description(), plural(vendors.size(), "vendor", "vendors"),
                    plural(addresses, "address", "addresses")));
        return true;
    } catch (const ZebVendorContact::Error &error) {
        logCall(QStringLiteral("openDatabase(%1)").arg(abbreviated(location, 200)),
            QStringLiteral("error: %1").arg(error.message()));
        setStatus(error.message());
        return false;
    }
}

void MainWindow::fillVendorList()
{
    const std::optional<qint32> shown = currentVendor();
    const QSignalBlocker blocker(m_vendorList->selectionModel());
    m_vendorModel->clear();
    try {
        for (const VendorSummary &vendor : m_database->vendors()) {
            auto *item = new QStandardItem(tr("%1 (%2)").arg(vendor.name).arg(vendor.addressCount));
            item->setData(vendor.id, Qt::UserRole);
            item->setToolTip(tr("Vendor %1").arg(vendor.id));
            m_vendorModel->appendRow(item);
        }
    } catch (const ZebVendorContact::Error &error) {
        tellFailure(tr("Vendors"), error.message());
    }
    if (shown)
        selectVendorInList(*shown);
}

void MainWindow::selectVendorInList(qint32 vendorId)
{
    const QModelIndexList found =
        m_vendorModel->match(m_vendorModel->index(0, 0), Qt::UserRole, vendorId, 1, Qt::MatchExactly);
    const QModelIndex index = found.isEmpty() ? QModelIndex() : m_vendorFilter->mapFromSource(found.constFirst());
    m_choosingVendor = true;
    m_vendorList->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_choosingVendor = false;
}

std::optional<qint32> MainWindow::currentVendor() const
{
    return m_snapshot ? std::optional<qint32>(m_snapshot->vendorId) : std::nullopt;
}

void MainWindow::onVendorChosen()
{
    const QModelIndex index = m_vendorList->currentIndex();
    if (!index.isValid())
        return;
    const qint32 chosen = index.data(Qt::UserRole).toInt();
    if (chosen == currentVendor())
        return;
    if (!showVendor(chosen) && currentVendor())
        selectVendorInList(*currentVendor()); // stay where the user was
}

bool MainWindow::showVendor(qint32 vendorId)
{
    if (!m_database || !confirmLeavingVendor())
        return false;
    const bool shown = loadVendor(vendorId);
    if (shown)
        selectVendorInList(vendorId);
    return shown;
}

bool MainWindow::loadVendor(qint32 vendorId)
{
    // Everything is read and checked before the control is touched, so a
    // vendor the control could not take leaves the one shown as it was.
    VendorSnapshot snapshot;
    QString text;
    try {
        snapshot = m_database->loadVendor(vendorId);
        ZebVendorContact::ExchangeSeparators separators;
        separators.field = m_settings.separators.field;
        separators.record = m_settings.separators.record;
        separators.table = m_settings.separators.table;
        text = ZebVendorContact::buildLoadText(snapshot.addresses, snapshot.types, snapshot.states, separators);
    } catch (const ZebVendorContact::Error &error) {
        logCall(QStringLiteral("loadVendor(%1)").arg(vendorId), QStringLiteral("error: %1").arg(error.message()));
        tellFailure(tr("Cannot open the vendor"), error.message());
        return false;
    }
    logCall(QStringLiteral("loadVendor(%1)").arg(vendorId),
        QStringLiteral("ok, %1: %2, %3, %4")
            .arg(snapshot.vendorName, plural(snapshot.addresses.size(), "address", "addresses"),
                plural(snapshot.types.size(), "type", "types"), plural(snapshot.states.size(), "state", "states")));
    m_snapshot = std::move(snapshot);
    // The developer dock shows what goes to the control.
    m_vendorId->setValue(vendorId);
    m_editAllowed->setChecked(m_allowEditing->isChecked());
    m_loadText->setPlainText(toReadable(text, m_settings.separators));
    m_fieldSeparator->setText(m_settings.separators.field);
    m_recordSeparator->setText(m_settings.separators.record);
    m_tableSeparator->setText(m_settings.separators.table);
    callLetVendorIDNMode();
    const auto result = invoke(Client::DispIdLetContactAddress,
        { text, m_settings.separators.field, m_settings.separators.record, m_settings.separators.table });
    m_exportSeparators = m_settings.separators;
    logCall(QStringLiteral("LetContactAddress(ptContactData=%1 [%2])")
                .arg(abbreviated(text), describeLoad(text, m_settings.separators)),
        result.ok() ? QStringLiteral("ok") : describeFailure(result));
    setWindowTitle(tr("%1 \u2014 Vendor address book[*]").arg(m_snapshot->vendorName));
    setStatus(tr("%1: %2 addresses, from the %3.")
                  .arg(m_snapshot->vendorName)
                  .arg(m_snapshot->addresses.size())
                  .arg(m_database->description()));
    updateBookActions();
    return true;
}

bool MainWindow::isControlModified() const
{
    return control() && control()->property("modified").toBool();
}

bool MainWindow::isControlEditing() const
{
    return control() && control()->property("editing").toBool();
}

void MainWindow::onControlModifiedChanged()
{
    updateBookActions();
}

void MainWindow::updateBookActions()
{
    const bool modified = isControlModified();
    const bool book = m_database && m_snapshot;
    m_save->setEnabled(book && modified);
    m_revert->setEnabled(book && modified);
    setWindowModified(modified);
}

void MainWindow::setEditAllowed(bool allowed)
{
    // While editing is not allowed the control hands nothing back: changes
    // not saved first could never be saved.
    if (!allowed && m_database && m_snapshot) {
        if (!confirmLeavingVendor()) {
            const QSignalBlocker blocker(m_allowEditing);
            m_allowEditing->setChecked(true);
            return;
        }
        if (isControlModified() || isControlEditing())
            loadVendor(m_snapshot->vendorId); // the user chose to discard them
    }
    m_editAllowed->setChecked(allowed);
    if (control())
        callLetVendorIDNMode();
    updateBookActions();
}

bool MainWindow::save()
{
    return saveWith(false);
}

bool MainWindow::saveWith(bool overwrite)
{
    if (!m_database || !m_snapshot)
        return false;
    // What is typed into the panel reaches the control's store only with its
    // own Save or Update; the reload after saving would drop it unasked.
    if (isControlEditing()) {
        tellFailure(tr("Cannot save"),
            tr("You are still adding or editing an address: press Save or Update in the panel to keep it, or "
               "Cancel to drop it, then save."));
        return false;
    }
    const auto result = invoke(Client::DispIdGetContactAddress, {});
    if (!result.ok()) {
        tellFailure(tr("Cannot save"), describeFailure(result));
        return false;
    }
    m_lastExport = result.value.toString();
    SaveOutcome outcome;
    try {
        ZebVendorContact::ExchangeSeparators separators;
        separators.field = m_exportSeparators.field;
        separators.record = m_exportSeparators.record;
        const QList<ContactAddress> changes = ZebVendorContact::parseExport(m_lastExport, separators);
        if (changes.isEmpty())
            return true;
        outcome = m_database->saveVendor(*m_snapshot, changes, overwrite);
    } catch (const ZebVendorContact::Error &error) {
        logCall(QStringLiteral("saveVendor(%1)").arg(m_snapshot->vendorId),
            QStringLiteral("error: %1").arg(error.message()));
        tellFailure(tr("Cannot save"), tr("Nothing was saved. %1").arg(error.message()));
        return false;
    }
    if (!outcome.saved()) {
        logCall(QStringLiteral("saveVendor(%1)").arg(m_snapshot->vendorId),
            QStringLiteral("conflict, nothing written: %1")
                .arg(plural(outcome.conflicts.size(), "address", "addresses")));
        return resolveConflicts(outcome);
    }
    logCall(QStringLiteral("saveVendor(%1)").arg(m_snapshot->vendorId),
        QStringLiteral("ok, %1 inserted, %2 updated").arg(outcome.inserted).arg(outcome.updated));
    const qint32 vendorId = m_snapshot->vendorId;
    // The reload shows the ids the database gave, and the control is
    // unmodified again.
    loadVendor(vendorId);
    fillVendorList();
    setStatus(tr("Saved: %1 added, %2 changed.").arg(outcome.inserted).arg(outcome.updated));
    return true;
}

bool MainWindow::resolveConflicts(const SaveOutcome &outcome)
{
    QStringList names;
    for (const ContactAddress &address : outcome.conflicts)
        names << tr("%1 (%2)").arg(address.name, address.addressId);
    Question question;
    question.title = tr("Changed by someone else");
    question.text = tr("Since you opened %1, someone else changed or deleted these addresses:\n\n%2\n\n"
                       "Nothing was saved. Overwrite their changes with yours, or reload the vendor and "
                       "lose your own changes?")
                        .arg(m_snapshot->vendorName, names.join(u'\n'));
    question.icon = QMessageBox::Warning;
    question.buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    question.defaultButton = QMessageBox::Cancel;
    question.buttonTexts = { { QMessageBox::Save, tr("&Overwrite theirs") }, { QMessageBox::Discard, tr("&Reload") } };
    switch (ask(question)) {
    case QMessageBox::Save:
        return saveWith(true);
    case QMessageBox::Discard: {
        Question confirm;
        confirm.title = tr("Reload the vendor");
        confirm.text =
            tr("Reloading drops every change you made to %1 since you opened it. Reload?").arg(m_snapshot->vendorName);
        confirm.buttons = QMessageBox::Yes | QMessageBox::No;
        confirm.defaultButton = QMessageBox::No;
        if (ask(confirm) == QMessageBox::Yes)
            loadVendor(m_snapshot->vendorId);
        return false;
    }
    default:
        setStatus(tr("Not saved: %1 addresses were changed by someone else.").arg(outcome.conflicts.size()));
        return false;
    }
}

void MainWindow::revert()
{
    if (!m_database || !m_snapshot)
        return;
    if (isControlModified()) {
        Question confirm;
        confirm.title = tr("Revert");
        confirm.text = tr("Drop your unsaved changes to %1?").arg(m_snapshot->vendorName);
        confirm.buttons = QMessageBox::Yes | QMessageBox::No;
        confirm.defaultButton = QMessageBox::No;
        if (ask(confirm) != QMessageBox::Yes)
            return;
    }
    loadVendor(m_snapshot->vendorId);
}

bool MainWindow::confirmLeavingVendor()
{
    if (!m_snapshot)
        return true;
    if (isControlEditing()) {
        Question typing;
        typing.title = tr("Unsaved changes");
        typing.text =
            tr("You are still adding or editing an address of %1. Drop what you typed there%2?")
                .arg(m_snapshot->vendorName, isControlModified() ? tr(", and every other unsaved change") : QString());
        typing.icon = QMessageBox::Warning;
        typing.buttons = QMessageBox::Discard | QMessageBox::Cancel;
        typing.defaultButton = QMessageBox::Cancel;
        return ask(typing) == QMessageBox::Discard;
    }
    if (!isControlModified())
        return true;
    Question question;
    question.title = tr("Unsaved changes");
    question.text = tr("Save your changes to %1?").arg(m_snapshot->vendorName);
    question.icon = QMessageBox::Warning;
    question.buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    question.defaultButton = QMessageBox::Save;
    switch (ask(question)) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_database && !confirmLeavingVendor()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

QMessageBox::StandardButton MainWindow::ask(const Question &question)
{
    return m_ask(question);
}

void MainWindow::setQuestionHandler(std::function<QMessageBox::StandardButton(const Question &)> handler)
{
    m_ask = std::move(handler);
}

void MainWindow::tellFailure(const QString &title, const QString &message)
{
    setStatus(message);
    Question question;
    question.title = title;
    question.text = message;
    question.icon = QMessageBox::Critical;
    ask(question);
}

void MainWindow::setStatus(const QString &text)
{
    m_status->setText(text);
}

QString MainWindow::statusText() const
{
    return m_status->text();
}

bool MainWindow::ensureRegistration()
{
    const QString library = locateControlLibrary(m_settings.libraryFile);
    const QString registered = registeredLibrary();
    if (library.isEmpty()) {
        if (!m_settings.libraryFile.isEmpty()) {
            logCall(QStringLiteral("registerLibrary(%1)").arg(abbreviated(m_settings.libraryFile, 200)),
                QStringLiteral("error: no such file"));
            showControlError(QStringLiteral("The control library %1 does not exist.").arg(m_settings.libraryFile));
            return false;
        }
        // No library of our own: rely on whatever the user registered.
        return true;
    }
    if (sameFile(library, registered))
        return true;

    QString error;
    const bool ok = Client::registerLibrary(library, &error);
    logCall(QStringLiteral("registerLibrary(%1)").arg(abbreviated(library, 200)),
        ok ? QStringLiteral("ok, registered in %1").arg(Client::registrationFilePath())
           : QStringLiteral("error: %1").arg(error));
    if (!ok)
        showControlError(QStringLiteral("Registering %1 failed: %2").arg(library, error));
    return ok;
}

bool MainWindow::createControl()
{
    const QString progId = QLatin1StringView(Client::ProgId);
    QString error;
    auto *group = m_controlLayout->parentWidget();
    std::unique_ptr<Client::ControlHandle> handle;
    try {
        handle = Client::ControlHandle::create(progId, group, &error);
    } catch (const std::exception &e) {
        error = QString::fromLocal8Bit(e.what());
    }
    if (!handle || !handle->widget()) {
        if (error.isEmpty())
            error = QStringLiteral("the factory returned no control");
        logCall(QStringLiteral("ControlHandle::create(\"%1\")").arg(progId), QStringLiteral("error: %1").arg(error));
        showControlError(QStringLiteral("The control could not be created: %1").arg(error));
        return false;
    }
    m_control = std::move(handle);
    logCall(QStringLiteral("ControlHandle::create(\"%1\")").arg(progId),
        QStringLiteral("ok, from %1").arg(registeredLibrary()));

    QWidget *widget = m_control->widget();
    // The panel has a fixed layout and no resize handling: give it its size.
    const QSize size = widget->sizeHint().isValid() ? widget->sizeHint() : NominalControlSize;
    widget->setFixedSize(size);
    if (auto *placeholder = m_controlLayout->parentWidget()->findChild<QLabel *>(QStringLiteral("lblControlStatus")))
        delete placeholder;
    m_controlLayout->addWidget(widget);
    widget->show();
    return true;
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

void MainWindow::showControlError(const QString &message)
{
    if (auto *label = m_controlLayout->parentWidget()->findChild<QLabel *>(QStringLiteral("lblControlStatus")))
        label->setText(message);
}

Separators MainWindow::separatorsInPane() const
{
    Separators separators;
    separators.field = m_fieldSeparator->text();
    separators.record = m_recordSeparator->text();
    separators.table = m_tableSeparator->text();
    return separators;
}

Client::DispatchResult MainWindow::invoke(qint32 dispId, const QVariantList &arguments)
{
    Client::DispatchResult result;
    if (!m_control) {
        result.status = -1;
        result.errorText = QStringLiteral("no control");
        return result;
    }
    // A slot must not let anything escape into Qt's event loop.
    try {
        result = m_control->invoke(dispId, arguments);
    } catch (const std::exception &e) {
        result.status = -1;
        result.errorText = QString::fromLocal8Bit(e.what());
    }
    return result;
}

QString MainWindow::describeFailure(const Client::DispatchResult &result)
{
    // The control's own failures also carry the error's code.
    if (result.errorCode != 0)
        return QStringLiteral("error, status %1 (error code %2): %3")
            .arg(result.status)
            .arg(result.errorCode)
            .arg(result.errorText);
    return QStringLiteral("error, status %1: %2").arg(result.status).arg(result.errorText);
}

void MainWindow::logCall(const QString &call, const QString &outcome)
{
    const QString line = QStringLiteral("%1  %2 -> %3").arg(m_callLog.size() + 1).arg(call, outcome);
    m_callLog.append(line);
    m_log->appendPlainText(line);
    m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum());
}

void MainWindow::callLetVendorIDNMode()
{
    const qint32 vendorId = m_vendorId->value();
    const bool mode = m_editAllowed->isChecked();
    const auto result = invoke(Client::DispIdLetVendorIDNMode, { QVariant(vendorId), QVariant(mode) });
    logCall(QStringLiteral("LetVendorIDNMode(plVendorID=%1, tbMode=%2)")
                .arg(vendorId)
                .arg(mode ? QStringLiteral("true") : QStringLiteral("false")),
        result.ok() ? QStringLiteral("ok") : describeFailure(result));
}

QString MainWindow::describeLoad(const QString &loadText, const Separators &separators) const
{
    const QStringList tables = splitAt(loadText, separators.table);
    if (tables.size() != 3)
        return plural(tables.size(), "table", "tables");
    return QStringLiteral("%1, %2, %3")
        .arg(plural(splitRecords(tables.at(0), separators).size(), "address", "addresses"),
            plural(splitRecords(tables.at(1), separators).size(), "type", "types"),
            plural(splitRecords(tables.at(2), separators).size(), "state", "states"));
}

void MainWindow::callLetContactAddress()
{
    const Separators separators = separatorsInPane();
    const QString data = fromReadable(m_loadText->toPlainText(), separators);
    const auto result =
        invoke(Client::DispIdLetContactAddress, { data, separators.field, separators.record, separators.table });
    // The export reuses the separators of the last load that was not blank.
    if (result.ok() && !QString(data).remove(QLatin1Char(' ')).isEmpty())
        m_exportSeparators = separators;
    logCall(QStringLiteral("LetContactAddress(ptContactData=%1 [%2], ptFieldSeparator=%3, ptRecordSeparator=%4, "
                           "ptTableSeparator=%5)")
                .arg(abbreviated(data), describeLoad(data, separators), abbreviated(separators.field),
                    abbreviated(separators.record), abbreviated(separators.table)),
        result.ok() ? QStringLiteral("ok") : describeFailure(result));
}

void MainWindow::callGetContactAddress()
{
    const auto result = invoke(Client::DispIdGetContactAddress, {});
    if (!result.ok()) {
        logCall(QStringLiteral("GetContactAddress()"), describeFailure(result));
        m_exportSummary->setText(QStringLiteral("GetContactAddress failed: %1").arg(result.errorText));
        return;
    }
    m_lastExport = result.value.toString();
    const qsizetype entries = splitRecords(m_lastExport, m_exportSeparators).size();
    logCall(QStringLiteral("GetContactAddress()"),
        QStringLiteral("%1 [%2]").arg(abbreviated(m_lastExport), plural(entries, "entry", "entries")));
    showExport(m_lastExport);
}

void MainWindow::showExport(const QString &exportText)
{
    QList<QStringList> records = splitRecords(exportText, m_exportSeparators);
    const qsizetype count = records.size();
    m_exportModel->setRecords(std::move(records), m_exportSeparators.field);
    m_exportTable->resizeColumnsToContents();
    m_exportText->setText(exportText);
    m_exportText->setCursorPosition(0);
    m_exportSummary->setText(count == 0 ? QStringLiteral("No added or changed addresses.")
                                        : QStringLiteral("%1, one per row:").arg(plural(count, "entry", "entries")));
}

} // namespace VendorContactHost
