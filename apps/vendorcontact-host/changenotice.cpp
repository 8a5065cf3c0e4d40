// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "changenotice.h"

#include <QtCore/QEvent>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

namespace VendorContactHost {

ChangeNotice::ChangeNotice(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("frmChangeNotice"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    m_text = new QLabel;
    m_text->setObjectName(QStringLiteral("lblChangeNotice"));
    m_text->setWordWrap(true);
    m_show = new QPushButton;
    m_show->setObjectName(QStringLiteral("cmdShowChanges"));
    m_show->setFocusPolicy(Qt::TabFocus);
    connect(m_show, &QPushButton::clicked, this, &ChangeNotice::showChangesRequested);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_show);
    hide();
    retranslate();
}

void ChangeNotice::showCount(int count)
{
    m_count = count;
    retranslate();
    show();
}

QString ChangeNotice::text() const
{
    return m_text->text();
}

void ChangeNotice::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void ChangeNotice::retranslate()
{
    // English has no catalog to pick its plural from.
    m_text->setText(m_count == 1 ? tr("1 address of this vendor was changed by someone else")
                                 : tr("%n addresses of this vendor were changed by someone else", nullptr, m_count));
    m_show->setText(tr("Show &changes\u2026"));
}

} // namespace VendorContactHost
