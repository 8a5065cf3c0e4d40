// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// Shared by the panel's and the editing's test programs: the worked example,
// scripted message boxes, and real mouse clicks on the list.

#include "support/workedexample.h"

#include <contactlistmodel.h>
#include <messageboxes.h>
#include <vendorcontact_p.h>

#include <ZebVendorContact/vendorcontact.h>

#include <QtTest/QAbstractItemModelTester>
#include <QtTest/QTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeView>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace TestSupport {

using ZebVendorContact::VendorContact;
using ZebVendorContact::VendorContactPrivate;

// Two addresses of two types; 502 carries the change flag S.
inline QString workedExample()
{
    return WorkedExample::load();
}

/// A list of texts written as plain literals.
inline QStringList texts(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *text : list)
        result << QString::fromUtf8(text);
    return result;
}

inline void loadText(VendorContact &control, const QString &text)
{
    control.LetContactAddress(text, QStringLiteral("|"), QStringLiteral("~"), QStringLiteral("^"));
}

/// Answers the panel's message boxes from a script and records what they showed.
class ScriptedMessageBoxes final : public ZebVendorContact::MessageBoxes
{
public:
    struct Shared
    {
        std::vector<ZebVendorContact::MessageBoxRequest> shown;
        std::deque<QMessageBox::StandardButton> answers;
        std::function<void()> whileShown;
    };

    explicit ScriptedMessageBoxes(std::shared_ptr<Shared> shared)
        : m_shared(std::move(shared))
    {
    }

    QMessageBox::StandardButton show(QWidget *, const ZebVendorContact::MessageBoxRequest &request) override
    {
        m_shared->shown.push_back(request);
        if (m_shared->whileShown)
            m_shared->whileShown();
        if (m_shared->answers.empty())
            return request.defaultButton;
        const QMessageBox::StandardButton answer = m_shared->answers.front();
        m_shared->answers.pop_front();
        return answer;
    }

private:
    std::shared_ptr<Shared> m_shared;
};

/// A control with scripted message boxes, shown offscreen.
struct Panel
{
    std::unique_ptr<VendorContact> control = std::make_unique<VendorContact>();
    std::shared_ptr<ScriptedMessageBoxes::Shared> boxes = std::make_shared<ScriptedMessageBoxes::Shared>();
    VendorContactPrivate *d = VendorContactPrivate::get(control.get());
    // Every load, sort, save, delete and type switch of every test keeps the
    // list model within Qt's model contract, or the test program stops.
    QAbstractItemModelTester modelTester { d->listModel(), QAbstractItemModelTester::FailureReportingMode::Fatal };

    Panel()
    {
        d->setMessageBoxes(std::make_unique<ScriptedMessageBoxes>(boxes));
        control->show();
    }

    ZebVendorContact::ContactListModel *model() const { return d->listModel(); }
    QLineEdit *txt(int index) const { return d->txtContact[std::size_t(index)]; }
    int rows() const { return model()->rowCount(); }
    QString cell(int row, int column) const { return model()->text(row, column).toString(); }

    /// The row whose column 0 (address id) is `id`, or -1.
    int rowOf(const QString &id) const
    {
        for (int row = 0; row < rows(); ++row) {
            if (cell(row, 0) == id)
                return row;
        }
        return -1;
    }

    QStringList detailTexts() const
    {
        QStringList texts;
        for (QLineEdit *box : d->txtContact)
            texts << box->text();
        return texts;
    }

    QStringList pickerEntries(QComboBox *picker) const
    {
        QStringList entries;
        for (int i = 0; i < picker->count(); ++i)
            entries << picker->itemText(i);
        return entries;
    }

    /// A real left click in the middle of the row's "Contact Name" cell.
    void clickRow(int row) const
    {
        QTreeView *view = d->lstContacts;
        const QModelIndex index = model()->index(row, 2);
        view->scrollTo(index);
        const QRect rect = view->visualRect(index);
        QVERIFY2(rect.isValid(), "row is not visible");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }

    /// A real left click on a visible column header.
    void clickHeader(int column) const
    {
        QHeaderView *header = d->lstContacts->header();
        QVERIFY2(!header->isSectionHidden(column), "header is hidden");
        d->lstContacts->scrollTo(model()->index(0, column));
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QVERIFY2(x >= 0 && x < header->viewport()->width(), "header is scrolled away");
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }

    void click(QPushButton *button) const { QTest::mouseClick(button, Qt::LeftButton); }

    /// Types into a detail field as the user would.
    void type(int index, const QString &text) const { QTest::keyClicks(txt(index), text); }

    /// Replaces a detail field's text by typing: select all, then type.
    void retype(int index, const QString &text) const
    {
        QTest::keyClick(txt(index), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(txt(index), Qt::Key_Delete);
        type(index, text);
    }

    /// Chooses a country (and so its first state) in the country picker.
    void chooseCountry(int position) const { d->cboContactCountry->setCurrentIndex(position); }

    /// Fills the five required entries: name, street 1, city, country, state.
    void fillRequired(const QString &name = QStringLiteral("New Name")) const
    {
        type(0, name);
        type(1, QStringLiteral("1 New St"));
        type(3, QStringLiteral("New City"));
        chooseCountry(1);
    }

    /// What the host's export returns now.
    QString GetChanges() const { return control->GetContactAddress(); }

    QWidget *focused() const { return control->window()->focusWidget(); }
    QString captions() const { return d->cmdAdd->text() + u'/' + d->cmdEdit->text(); }
};

} // namespace TestSupport
