// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "calllog.h"

namespace VendorContactHost {

// The log is a trace for developers, in the words of the control's
// interface: it stays in English whatever the window's language.

int CallLog::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant CallLog::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    return role == Qt::DisplayRole || role == Qt::ToolTipRole ? QVariant(m_lines.at(index.row())) : QVariant();
}

void CallLog::append(const QString &call, const QString &outcome)
{
    if (m_lines.size() >= MaxLines) {
        beginRemoveRows({}, 0, 0);
        m_lines.removeFirst();
        endRemoveRows();
    }
    const QString line = QStringLiteral("%1  %2 -> %3").arg(++m_count).arg(call, outcome);
    beginInsertRows({}, int(m_lines.size()), int(m_lines.size()));
    m_lines.append(line);
    endInsertRows();
}

} // namespace VendorContactHost
