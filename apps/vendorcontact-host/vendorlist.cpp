// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "vendorlist.h"

#include "vendordatabase.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>
#include <QtCore/QLoggingCategory>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListView>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QVBoxLayout>

namespace VendorContactHost {

Q_DECLARE_LOGGING_CATEGORY(lcVendorDatabase)

VendorListPane::VendorListPane(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_search = new QLineEdit;
    m_search->setObjectName(QStringLiteral("txtVendorSearch"));
    m_search->setClearButtonEnabled(true);
    m_label = new QLabel;
    m_model = new VendorListModel(this);
    m_list = new QListView;
    m_list->setObjectName(QStringLiteral("lstVendors"));
    m_list->setModel(m_model);
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_label->setBuddy(m_list);
    layout->addWidget(m_search);
    layout->addWidget(m_label);
    layout->addWidget(m_list, 1);

    connect(m_model, &VendorListModel::readFailed, this, &VendorListPane::readFailed);
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_model->setSearch(text);
        highlightShownVendor(true);
    });
    connect(m_list->verticalScrollBar(), &QScrollBar::valueChanged, this, &VendorListPane::fetchAboveAtTop);
    // A click, or Enter on the highlighted row. Not `activated`: where the
    // style activates on a single click it would come with the click, and
    // one choice would ask twice.
    connect(m_list, &QListView::clicked, this, &VendorListPane::chooseRow);
    m_list->installEventFilter(this);
    m_search->installEventFilter(this);
    retranslate();
}

VendorListPane::~VendorListPane()
{
    m_model->setDirectory(nullptr);
}

void VendorListPane::retranslate()
{
    m_search->setPlaceholderText(tr("Search vendors"));
    m_search->setAccessibleName(tr("Search vendors"));
    m_search->setToolTip(tr("Filters the list by name or city; click a vendor or press Enter to open it."));
    m_label->setText(tr("&Vendors"));
    m_list->setAccessibleName(tr("Vendors"));
    m_model->retranslate();
}

bool VendorListPane::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (watched == m_list && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        chooseRow(m_list->currentIndex());
        return true;
    }
    // From the search box the arrow keys go on into the list, which they
    // move through without choosing.
    if (watched == m_search && (key == Qt::Key_Down || key == Qt::Key_Up)) {
        m_list->setFocus(Qt::TabFocusReason);
        QCoreApplication::sendEvent(m_list, event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void VendorListPane::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void VendorListPane::setDatabase(const VendorDatabase *database)
{
    m_model->setDirectory(nullptr);
    m_directory.reset();
    if (database) {
        try {
            m_directory = database->directory();
        } catch (const ZebVendorContact::Error &error) {
            qCWarning(lcVendorDatabase) << "reading the vendor list failed:" << error.message();
            Q_EMIT readFailed(error.message());
        }
    }
    m_model->setDirectory(m_directory.get(), m_search->text());
    highlightShownVendor(true);
}

void VendorListPane::refreshVendors(const QList<qint32> &ids)
{
    const bool readAgain = m_model->refreshVendors(ids);
    highlightShownVendor(readAgain);
}

void VendorListPane::setShownVendor(std::optional<qint32> vendorId)
{
    m_shown = vendorId;
    highlightShownVendor(true);
}

bool VendorListPane::hasVendor(qint32 vendorId) const
{
    try {
        return m_directory && m_directory->exists(vendorId);
    } catch (const ZebVendorContact::Error &error) {
        qCWarning(lcVendorDatabase) << "reading the vendor list failed:" << error.message();
        return false;
    }
}

std::optional<qint32> VendorListPane::firstVendor() const
{
    if (m_model->rowCount() == 0 || m_model->canFetchAbove())
        return std::nullopt;
    return m_model->index(0).data(Qt::UserRole).toInt();
}

qint64 VendorListPane::rowsRead() const
{
    return m_directory ? m_directory->rowsRead() : 0;
}

void VendorListPane::chooseRow(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const qint32 chosen = index.data(Qt::UserRole).toInt();
    Q_EMIT vendorChosen(chosen);
    // Whatever came of it (shown, refused, cancelled), the highlight marks
    // the vendor the window shows now.
    highlightShownVendor(false);
}

void VendorListPane::highlightShownVendor(bool bringIn)
{
    const int row = !m_shown ? -1 : bringIn ? m_model->bringIn(*m_shown) : m_model->rowOf(*m_shown);
    if (row >= 0) {
        const QModelIndex index = m_model->index(row);
        m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_list->scrollTo(index);
    } else {
        m_list->selectionModel()->clear();
    }
}

void VendorListPane::fetchAboveAtTop()
{
    // The view asks for more only at its end; at its top the rows above
    // the stretch read are fetched here, and the row at the top stays.
    QScrollBar *bar = m_list->verticalScrollBar();
    if (bar->value() != bar->minimum() || !m_model->canFetchAbove())
        return;
    if (const int added = m_model->fetchAbove(); added > 0)
        m_list->scrollTo(m_model->index(added), QAbstractItemView::PositionAtTop);
}

} // namespace VendorContactHost
