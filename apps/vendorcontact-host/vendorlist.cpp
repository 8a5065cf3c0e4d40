// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "vendorlist.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>
#include <QtGui/QKeyEvent>
#include <QtGui/QStandardItemModel>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListView>
#include <QtWidgets/QVBoxLayout>

namespace VendorContactHost {

void VendorFilterModel::setSearch(const QString &text)
{
    m_words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    invalidateFilter();
}

bool VendorFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    const QString text =
        index.data(Qt::DisplayRole).toString() + QLatin1Char('\n') + index.data(SearchTextRole).toString();
    for (const QString &word : m_words) {
        if (!text.contains(word, Qt::CaseInsensitive))
            return false;
    }
    return true;
}

VendorListPane::VendorListPane(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_search = new QLineEdit;
    m_search->setObjectName(QStringLiteral("txtVendorSearch"));
    m_search->setClearButtonEnabled(true);
    m_label = new QLabel;
    m_model = new QStandardItemModel(this);
    m_filter = new VendorFilterModel(this);
    m_filter->setSourceModel(m_model);
    m_list = new QListView;
    m_list->setObjectName(QStringLiteral("lstVendors"));
    m_list->setModel(m_filter);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_label->setBuddy(m_list);
    layout->addWidget(m_search);
    layout->addWidget(m_label);
    layout->addWidget(m_list, 1);

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_filter->setSearch(text);
        highlightShownVendor();
    });
    // A click, or Enter on the highlighted row. Not `activated`: where the
    // style activates on a single click it would come with the click, and
    // one choice would ask twice.
    connect(m_list, &QListView::clicked, this, &VendorListPane::chooseRow);
    m_list->installEventFilter(this);
    m_search->installEventFilter(this);
    retranslate();
}

void VendorListPane::retranslate()
{
    m_search->setPlaceholderText(tr("Search vendors"));
    m_search->setAccessibleName(tr("Search vendors"));
    m_search->setToolTip(tr("Filters the list by name or city; click a vendor or press Enter to open it."));
    m_label->setText(tr("&Vendors"));
    m_list->setAccessibleName(tr("Vendors"));
    setVendors(m_vendors);
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

void VendorListPane::setVendors(const QList<VendorSummary> &vendors)
{
    m_vendors = vendors;
    m_model->clear();
    for (const VendorSummary &vendor : vendors) {
        auto *item = new QStandardItem(tr("%1 (%2)").arg(vendor.name).arg(vendor.addressCount));
        item->setData(vendor.id, Qt::UserRole);
        item->setData(vendor.searchText, VendorFilterModel::SearchTextRole);
        item->setToolTip(tr("Vendor %1").arg(vendor.id));
        m_model->appendRow(item);
    }
    highlightShownVendor();
}

void VendorListPane::setShownVendor(std::optional<qint32> vendorId)
{
    m_shown = vendorId;
    highlightShownVendor();
}

bool VendorListPane::hasVendor(qint32 vendorId) const
{
    return !m_model->match(m_model->index(0, 0), Qt::UserRole, vendorId, 1, Qt::MatchExactly).isEmpty();
}

std::optional<qint32> VendorListPane::firstVendor() const
{
    if (m_model->rowCount() == 0)
        return std::nullopt;
    return m_model->item(0)->data(Qt::UserRole).toInt();
}

void VendorListPane::chooseRow(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const qint32 chosen = index.data(Qt::UserRole).toInt();
    Q_EMIT vendorChosen(chosen);
    // Whatever came of it (shown, refused, cancelled), the highlight marks
    // the vendor the window shows now.
    highlightShownVendor();
}

void VendorListPane::highlightShownVendor()
{
    QModelIndex index;
    if (m_shown) {
        const QModelIndexList found = m_model->match(m_model->index(0, 0), Qt::UserRole, *m_shown, 1, Qt::MatchExactly);
        if (!found.isEmpty())
            index = m_filter->mapFromSource(found.constFirst());
    }
    if (index.isValid()) {
        m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_list->scrollTo(index);
    } else {
        m_list->selectionModel()->clear();
    }
}

} // namespace VendorContactHost
