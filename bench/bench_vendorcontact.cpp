// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Timings of the control's user actions and host calls at 1, 1,000 and
// 32,767 addresses, each on a real control shown offscreen, with two
// references measured in the same run:
//
//  - memchr: one memchr pass per separator over the UTF-16 bytes of the same
//    load text (a hit counts when it is the low byte of a whole code unit):
//    the floor for anything that must read the text;
//  - stock: what the stock item widgets give for the same rows: the text
//    split with QString::split, one QTreeWidgetItem of fifteen columns per
//    address of the first type in a QTreeWidget, sorted by name.
//
// A case's time runs from the action (a real mouse click where the user
// clicks, the host's call where the host calls) until the list is ready to
// paint: the view laid out and the texts of the visible rows read from the
// model. What the event loop does after that (posted events, the paint of
// what changed) is measured apart and shown in its own column: it is mostly
// the toolkit's drawing, and it draws only the visible rows. Times are
// the median of the repetitions; the table after the run gives each case's
// ratio to both references.

#include "benchdata.h"

#include <contactlistmodel.h>
#include <messageboxes.h>
#include <vendorcontact_p.h>

#include <ZebVendorContact/vendorcontact.h>

#include <QtCore/QHash>
#include <QtGui/QStandardItemModel>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeView>
#include <QtWidgets/QTreeWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace Qt::Literals::StringLiterals;
using ZebVendorContact::VendorContact;
using ZebVendorContact::VendorContactPrivate;
using Clock = std::chrono::steady_clock;

const std::vector<int> Sizes = { 1, 1000, 32767 };
// The load and the stock route also run at these sizes, for the picture of
// time against address count.
const std::vector<int> PlotSizes = { 1, 10, 100, 1000, 3000, 10000, 32767 };

// --- Data ------------------------------------------------------------------

enum class Flags { None, All };
enum class Order { AsMade, ByName };

const QString &cachedText(int addresses, Flags flags, Order order = Order::AsMade)
{
    static std::map<std::tuple<int, Flags, Order>, QString> texts;
    QString &text = texts[{ addresses, flags, order }];
    if (text.isEmpty())
        text =
            BenchData::loadText({ addresses, BenchData::Spread::OneType, flags == Flags::All, order == Order::ByName });
    return text;
}

// --- The control -------------------------------------------------------------

/// Message boxes must never come up during a run: a save that does not pass
/// the check of required entries would measure the wrong thing.
class NoMessageBoxes final : public ZebVendorContact::MessageBoxes
{
public:
    explicit NoMessageBoxes(int *shown)
        : m_shown(shown)
    {
    }
    QMessageBox::StandardButton show(QWidget *, const ZebVendorContact::MessageBoxRequest &request) override
    {
        ++*m_shown;
        return request.defaultButton;
    }

private:
    int *m_shown;
};

/// Counts the paint events a widget receives.
class PaintCounter final : public QObject
{
public:
    explicit PaintCounter(QWidget *widget)
        : QObject(widget)
    {
        widget->installEventFilter(this);
    }
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

/// Ready to paint: the view is laid out (its layout is postponed until the
/// next paint or query; indexAt() runs it when it is pending) and the texts
/// of the visible rows are read, as the paint will read them.
void readyToPaint(QAbstractItemView *view)
{
    QAbstractItemModel *model = view->model();
    const QModelIndex top = view->indexAt(QPoint(1, 1));
    if (!top.isValid())
        return;
    const int rowHeight = std::max(1, view->visualRect(top).height());
    const int last = std::min(model->rowCount() - 1, top.row() + view->viewport()->height() / rowHeight);
    for (int row = top.row(); row <= last; ++row) {
        for (int column = 0; column < model->columnCount(); ++column)
            benchmark::DoNotOptimize(model->data(model->index(row, column)));
    }
}

/// What the event loop does once the action has returned: the posted events
/// (the widgets' postponed updates among them), then the paint of what the
/// widgets marked dirty, and only that. The window's update request, which
/// the platform delivers some milliseconds later, is delivered now (main()
/// makes the platform's own delay so long that it never comes first).
void paintNow(QWidget *window)
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QEvent updateRequest(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window, &updateRequest);
}

/// Everything done and painted; used between measurements.
void settle(QWidget *window, QAbstractItemView *view)
{
    readyToPaint(view);
    paintNow(window);
}

struct Control
{
    std::unique_ptr<VendorContact> control = std::make_unique<VendorContact>();
    VendorContactPrivate *d = VendorContactPrivate::get(control.get());
    int messageBoxesShown = 0;
    PaintCounter *listPaints = nullptr;

    explicit Control(bool editAllowed)
    {
        d->setMessageBoxes(std::make_unique<NoMessageBoxes>(&messageBoxesShown));
        listPaints = new PaintCounter(list()->viewport());
        control->show();
        control->LetVendorIDNMode(1042, editAllowed);
        settle();
    }

    QTreeView *list() const { return control->findChild<QTreeView *>(u"lstContacts"_s); }
    QComboBox *typePicker() const { return control->findChild<QComboBox *>(u"cboContactType"_s); }
    QPushButton *button(const QString &name) const { return control->findChild<QPushButton *>(name); }
    QLineEdit *detail(int index) const { return control->findChild<QLineEdit *>(u"txtContact_%1"_s.arg(index)); }
    int rows() const { return list()->model()->rowCount(); }

    void settle() const { ::settle(control.get(), list()); }

    void load(const QString &text)
    {
        control->LetContactAddress(
            text, BenchData::fieldSeparator(), BenchData::recordSeparator(), BenchData::tableSeparator());
    }

    void loadAndSettle(const QString &text)
    {
        load(text);
        settle();
    }

    /// A real left click in the middle of the row's "Contact Name" cell.
    void clickRow(int row) const
    {
        QTreeView *view = list();
        const QModelIndex index = view->model()->index(row, 2);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }

    /// A real left click on a column header ("Contact Name" is column 2).
    void clickHeader(int column) const
    {
        QHeaderView *header = list()->header();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }

    void click(QPushButton *button) const { QTest::mouseClick(button, Qt::LeftButton); }
};

/// Runs `action` and returns its wall time in seconds. Never inlined, so a
/// profiler can count exactly the measured work (valgrind --tool=callgrind
/// --toggle-collect='*measured*').
template<typename Action> [[gnu::noinline]] double measured(Action &&action)
{
    const auto start = Clock::now();
    action();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

/// Whether an action must make the list paint (an action whose paint was
/// left out would look cheaper than it is).
enum class ListPaint { Required, Optional };

/*!
 * The loop of a case on the control: `prepare` (not measured) puts the panel
 * where the action starts and everything is painted; then `act` is measured
 * until the list is ready to paint, and the paint after it on its own (the
 * counter paint_ms).
 */
template<typename Prepare, typename Act>
void runOnControl(benchmark::State &state, Control &panel, ListPaint listPaint, Prepare &&prepare, Act &&act)
{
    double paintSeconds = 0;
    for (auto _ : state) {
        prepare();
        panel.settle();
        const int paintsBefore = panel.listPaints->paints;
        state.SetIterationTime(measured([&] {
            act();
            readyToPaint(panel.list());
        }));
        paintSeconds += measured([&] { paintNow(panel.control.get()); });
        if (listPaint == ListPaint::Required && panel.listPaints->paints == paintsBefore) {
            state.SkipWithError("the action did not repaint the list");
            return;
        }
    }
    state.counters["paint_ms"] = benchmark::Counter(paintSeconds * 1e3, benchmark::Counter::kAvgIterations);
}

bool checkRows(benchmark::State &state, const Control &panel, int expected)
{
    if (panel.rows() == expected)
        return true;
    state.SkipWithError(
        ("the list holds " + std::to_string(panel.rows()) + " rows instead of " + std::to_string(expected)).c_str());
    return false;
}

// --- Cases -------------------------------------------------------------------

// LetContactAddress of the whole text into a control that shows the same
// vendor already: the store and the list are replaced.
void loadCase(benchmark::State &state)
{
    const int addresses = int(state.range(0));
    const QString &text = cachedText(addresses, Flags::None);
    Control panel(true);
    runOnControl(
        state, panel, ListPaint::Required, [] {}, [&] { panel.load(text); });
    checkRows(state, panel, addresses);
}

// The same, with the addresses in name order already, as a host that sorts
// its query by name sends them.
void loadByNameCase(benchmark::State &state)
{
    const int addresses = int(state.range(0));
    const QString &text = cachedText(addresses, Flags::None, Order::ByName);
    Control panel(true);
    runOnControl(
        state, panel, ListPaint::Required, [] {}, [&] { panel.load(text); });
    checkRows(state, panel, addresses);
}

// Choosing the type that holds every address while another (empty) type is
// shown: the list is rebuilt with all of them.
void typeSwitchCase(benchmark::State &state)
{
    const int addresses = int(state.range(0));
    Control panel(true);
    panel.loadAndSettle(cachedText(addresses, Flags::None));
    QComboBox *types = panel.typePicker();
    runOnControl(
        state, panel, ListPaint::Required, [&] { types->setCurrentIndex(1); }, [&] { types->setCurrentIndex(0); });
    checkRows(state, panel, addresses);
}

// The way back: choosing an empty type while the full one is shown.
void typeSwitchAwayCase(benchmark::State &state)
{
    const int addresses = int(state.range(0));
    Control panel(true);
    panel.loadAndSettle(cachedText(addresses, Flags::None));
    QComboBox *types = panel.typePicker();
    runOnControl(
        state, panel, ListPaint::Required, [&] { types->setCurrentIndex(0); }, [&] { types->setCurrentIndex(1); });
    checkRows(state, panel, 0);
}

// One click on the "Contact Name" header; the clicks alternate between
// descending and ascending, as a user clicking it again would.
void headerSortCase(benchmark::State &state)
{
    const int addresses = int(state.range(0));
    Control panel(true);
    panel.loadAndSettle(cachedText(addresses, Flags::None));
    runOnControl(
        state, panel, ListPaint::Required, [] {}, [&] { panel.clickHeader(2); });
    if (panel.d->listModel()->sortColumn() != 2)
        state.SkipWithError("the click did not reach the Contact Name header");
    checkRows(state, panel, addresses);
}

// A click on the "Phone" header while the list is sorted by name: a sort by
// another column (the click before it, back on "Contact Name", is not
// measured).
void headerSortOtherCase(benchmark::State &state)
{
    const int addresses = int(state.range(0));
    Control panel(true);
    panel.loadAndSettle(cachedText(addresses, Flags::None));
    constexpr int PhoneColumn = 10;
    runOnControl(
        state, panel, ListPaint::Required, [&] { panel.clickHeader(2); }, [&] { panel.clickHeader(PhoneColumn); });
    if (panel.d->listModel()->sortColumn() != PhoneColumn)
        state.SkipWithError("the click did not reach the Phone header");
    checkRows(state, panel, addresses);
}

// A click on a row (lstContacts_Click): details, country and state pickers,
// buttons. Alternates between the first two rows so the selection changes
// (with one address the same row is clicked again).
void rowClickCase(benchmark::State &state)
{
    const int addresses = int(state.range(0));
    Control panel(true);
    panel.loadAndSettle(cachedText(addresses, Flags::None));
    int row = 0;
    runOnControl(
        state, panel, ListPaint::Optional, [&] { row = (row + 1) % std::min(2, addresses); },
        [&] { panel.clickRow(row); });
    if (panel.detail(0)->text().isEmpty())
        state.SkipWithError("the row click did not show the address");
}

// Update of one address in a full store: the row is clicked, Edit pressed and
// the name changed (not measured), then Update is clicked (measured): the
// record is found and written, the row moves to its place in the name order,
// and the panel goes back to browsing.
void saveCase(benchmark::State &state)
{
    const int addresses = int(state.range(0));
    Control panel(true);
    panel.loadAndSettle(cachedText(addresses, Flags::None));
    QPushButton *add = panel.button(u"cmdAdd"_s);
    QPushButton *edit = panel.button(u"cmdEdit"_s);
    QLineEdit *name = panel.detail(0);
    int row = 0;
    auto prepare = [&] {
        row = (row + 1) % std::min(2, addresses);
        panel.clickRow(row);
        panel.click(edit);
        const QString shown = name->text();
        name->setText(shown.endsWith(u" Jr."_s) ? shown.chopped(4) : shown + u" Jr."_s);
    };
    runOnControl(state, panel, ListPaint::Required, prepare, [&] { panel.click(add); });
    if (panel.messageBoxesShown > 0 || add->text() != u"Add"_s)
        state.SkipWithError("the Update did not go through");
    checkRows(state, panel, addresses);
}

// GetContactAddress with every record flagged (loaded with the change flag S).
void exportCase(benchmark::State &state)
{
    const int addresses = int(state.range(0));
    Control panel(true);
    panel.loadAndSettle(cachedText(addresses, Flags::All));
    qsizetype exported = 0;
    for (auto _ : state) {
        QString text;
        state.SetIterationTime(measured([&] { text = panel.control->GetContactAddress(); }));
        exported = text.size();
        benchmark::DoNotOptimize(text.constData());
    }
    if (exported == 0)
        state.SkipWithError("nothing was exported");
}

// Creating an empty control and showing it, until its first paint is done.
void createAndShowCase(benchmark::State &state)
{
    for (auto _ : state) {
        std::unique_ptr<VendorContact> control;
        state.SetIterationTime(measured([&] {
            control = std::make_unique<VendorContact>();
            control->show();
            paintNow(control.get());
        }));
        benchmark::DoNotOptimize(control.get());
    }
}

// --- References --------------------------------------------------------------

// The control's widgets made plainly, as a form would make them: the same
// frames, list (with a plain item model of fifteen columns), labels, entries,
// pickers and buttons, at the same places, created, shown and painted.
void plainWidgetsReference(benchmark::State &state)
{
    for (auto _ : state) {
        std::unique_ptr<QWidget> window;
        state.SetIterationTime(measured([&] {
            window = std::make_unique<QWidget>();
            window->resize(484, 477);
            auto *outer = new QFrame(window.get());
            outer->setFrameStyle(QFrame::Box | QFrame::Sunken);
            outer->setGeometry(0, -6, 484, 477);
            auto *list = new QTreeView(outer);
            auto *model = new QStandardItemModel(0, 15, list);
            list->setModel(model);
            list->setRootIsDecorated(false);
            list->setUniformRowHeights(true);
            list->setGeometry(4, 11, 474, 150);
            new QLabel(u"Type"_s, outer);
            new QLineEdit(outer);
            new QComboBox(outer);
            auto *details = new QFrame(outer);
            details->setFrameStyle(QFrame::Box | QFrame::Sunken);
            details->setGeometry(6, 186, 472, 256);
            for (int i = 0; i < 12; ++i) {
                (new QLabel(u"Caption"_s, details))->setGeometry(8, 8 + 20 * i, 90, 13);
                (new QLineEdit(details))->setGeometry(113, 6 + 20 * i, 250, 19);
            }
            new QComboBox(details);
            new QComboBox(details);
            QPixmap bullet(12, 12);
            bullet.fill(Qt::black);
            for (int i = 0; i < 5; ++i)
                (new QLabel(details))->setPixmap(bullet);
            for (const QString &caption : { u"Add"_s, u"Edit"_s, u"Delete"_s })
                new QPushButton(caption, outer);
            new QLabel(u"Version"_s, outer);
            window->show();
            paintNow(window.get());
        }));
        benchmark::DoNotOptimize(window.get());
    }
}

// Counts the code units equal to `separator` (one code unit, below 256) in
// UTF-16 data with memchr over its bytes: a hit is a separator when it is the
// low byte of a code unit whose high byte is zero.
qsizetype countWithMemchr(const char16_t *data, qsizetype size, char16_t separator)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(data);
    const std::size_t byteCount = std::size_t(size) * 2;
    const int low = separator & 0xFF;
    qsizetype found = 0;
    std::size_t from = 0;
    while (from < byteCount) {
        const void *hit = std::memchr(bytes + from, low, byteCount - from);
        if (!hit)
            break;
        const std::size_t at = std::size_t(static_cast<const unsigned char *>(hit) - bytes);
        static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the low byte comes first");
        if (at % 2 == 0 && bytes[at + 1] == 0)
            ++found;
        from = at + 1;
    }
    return found;
}

void memchrReference(benchmark::State &state)
{
    const QString &text = cachedText(int(state.range(0)), Flags::None);
    const char16_t separators[] = { u'|', u'~', u'^' };
    const auto *data = reinterpret_cast<const char16_t *>(text.utf16());
    qsizetype found = 0;
    for (auto _ : state) {
        state.SetIterationTime(measured([&] {
            found = 0;
            for (char16_t separator : separators)
                found += countWithMemchr(data, text.size(), separator);
            benchmark::DoNotOptimize(found);
        }));
    }
    state.counters["separators"] = double(found);
}

// The rows as a Qt developer would put them into the stock item widgets: the
// text split with QString::split, types and states in hashes, one
// QTreeWidgetItem per address of the first type, then sorted by name.
void fillTreeWidget(QTreeWidget &tree, const QString &text)
{
    const QString &fieldSeparator = BenchData::fieldSeparator();
    const QStringList tables = text.split(BenchData::tableSeparator());
    const QStringList contacts = tables.at(0).split(BenchData::recordSeparator(), Qt::SkipEmptyParts);

    QHash<QString, QString> typeNames;
    QString firstType;
    for (const QString &record : tables.at(1).split(BenchData::recordSeparator(), Qt::SkipEmptyParts)) {
        const QStringList values = record.split(fieldSeparator);
        typeNames.insert(values.at(0), values.at(1));
        if (firstType.isEmpty())
            firstType = values.at(0);
    }
    QHash<QString, QString> stateNames;
    for (const QString &record : tables.at(2).split(BenchData::recordSeparator(), Qt::SkipEmptyParts)) {
        const QStringList values = record.split(fieldSeparator);
        stateNames.insert(values.at(0), values.at(3));
    }

    QList<QTreeWidgetItem *> items;
    items.reserve(contacts.size());
    for (const QString &record : contacts) {
        const QStringList values = record.split(fieldSeparator);
        if (values.at(2) != firstType)
            continue;
        auto *item = new QTreeWidgetItem;
        item->setText(0, values.at(0));
        item->setText(1, values.at(1));
        item->setText(2, values.at(3));
        item->setText(3, typeNames.value(values.at(2)));
        for (int column = 4; column < 15; ++column)
            item->setText(column, column == 8 ? stateNames.value(values.at(8)) : values.value(column));
        items.append(item);
    }
    tree.addTopLevelItems(items);
    tree.sortItems(2, Qt::AscendingOrder);
}

void stockReference(benchmark::State &state)
{
    const int addresses = int(state.range(0));
    const QString &text = cachedText(addresses, Flags::None);
    QTreeWidget tree;
    tree.setColumnCount(15);
    tree.setHeaderLabels(
        { u"AddressID"_s, u"ObjectID"_s, u"Contact Name"_s, u"Type"_s, u"Street1"_s, u"Street2"_s, u"City"_s,
            u"Country"_s, u"State"_s, u"PostalCode"_s, u"Phone"_s, u"FAX"_s, u"Email"_s, u"Phone 2"_s, u"Cell"_s });
    tree.setRootIsDecorated(false);
    tree.setUniformRowHeights(true);
    tree.resize(474, 150);
    tree.show();
    settle(&tree, &tree);
    const auto *paints = new PaintCounter(tree.viewport());
    double paintSeconds = 0;
    for (auto _ : state) {
        const int paintsBefore = paints->paints;
        state.SetIterationTime(measured([&] {
            tree.clear();
            fillTreeWidget(tree, text);
            readyToPaint(&tree);
        }));
        paintSeconds += measured([&] { paintNow(&tree); });
        if (paints->paints == paintsBefore) {
            state.SkipWithError("the tree was not painted");
            return;
        }
    }
    state.counters["paint_ms"] = benchmark::Counter(paintSeconds * 1e3, benchmark::Counter::kAvgIterations);
    if (tree.topLevelItemCount() != addresses)
        state.SkipWithError("the tree holds the wrong number of rows");
}

// --- Registration and the summary table --------------------------------------

struct Case
{
    const char *name;
    const char *title;
    void (*function)(benchmark::State &);
};

const Case Cases[] = {
    { "load", "load (LetContactAddress)", loadCase },
    { "load_by_name", "load, addresses sent in name order", loadByNameCase },
    { "type_switch", "type switch (to the type of all rows)", typeSwitchCase },
    { "type_switch_away", "type switch (to an empty type)", typeSwitchAwayCase },
    { "header_sort", "header sort (a click on Contact Name)", headerSortCase },
    { "header_sort_other", "header sort (Contact Name, then Phone)", headerSortOtherCase },
    { "row_click", "row click (lstContacts_Click)", rowClickCase },
    { "save", "save (Update of one address)", saveCase },
    { "export", "export (GetContactAddress, all flagged)", exportCase },
};

const Case References[] = {
    { "ref_memchr", "reference: memchr over the load text", memchrReference },
    { "ref_stock", "reference: stock QTreeWidget route", stockReference },
};

const Case CreateAndShow = { "create_show", "create and show an empty control", createAndShowCase };
const Case PlainWidgets = { "ref_plain_widgets", "reference: the same widgets made plainly", plainWidgetsReference };

// Iterations per repetition, fixed: a case's untimed part (putting the panel
// where the action starts, painting) can cost far more than the action, so
// letting the library run until enough measured time has gathered would take
// minutes for the small sizes.
int iterationsFor(int size)
{
    return size <= 1 ? 200 : size <= 1000 ? 40 : 5;
}

void registerAll()
{
    auto addSize = [](const Case &c, int size, int iterations) {
        benchmark::RegisterBenchmark(c.name, c.function)
            ->Arg(size)
            ->Iterations(iterations)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    };
    auto add = [&](const Case &c, const std::vector<int> &sizes) {
        for (int size : sizes)
            addSize(c, size, iterationsFor(size));
    };
    add(References[0], Sizes);
    add(References[1], PlotSizes);
    for (const Case &c : Cases)
        add(c, std::string(c.name) == "load" ? PlotSizes : Sizes);
    // The same run compares the two, back to back.
    addSize(PlainWidgets, 1, 40);
    addSize(CreateAndShow, 1, 40);
}

/// The usual console output, plus the medians kept for the table.
class TableReporter final : public benchmark::ConsoleReporter
{
public:
    struct Median
    {
        double ms = -1;
        double paintMs = -1;
    };

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred) {
                errors[{ run.run_name.function_name, std::stoi(run.run_name.args) }] = run.error_message;
                continue;
            }
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            Median &median = medians[{ run.run_name.function_name, std::stoi(run.run_name.args) }];
            median.ms = run.GetAdjustedRealTime(); // every case reports in milliseconds
            if (const auto paint = run.counters.find("paint_ms"); paint != run.counters.end())
                median.paintMs = paint->second.value;
        }
    }

    Median median(const std::string &name, int size) const
    {
        const auto found = medians.find({ name, size });
        return found == medians.end() ? Median() : found->second;
    }

    /// Why the case failed, or empty.
    std::string error(const std::string &name, int size) const
    {
        const auto found = errors.find({ name, size });
        return found == errors.end() ? std::string() : found->second;
    }

private:
    std::map<std::pair<std::string, int>, Median> medians;
    std::map<std::pair<std::string, int>, std::string> errors;
};

std::string formatMilliseconds(double ms)
{
    if (ms < 0)
        return "-";
    char text[32];
    if (ms >= 100)
        std::snprintf(text, sizeof text, "%.0f", ms);
    else if (ms >= 1)
        std::snprintf(text, sizeof text, "%.1f", ms);
    else if (ms >= 0.1)
        std::snprintf(text, sizeof text, "%.2f", ms);
    else
        std::snprintf(text, sizeof text, "%.3f", ms);
    return text;
}

std::string formatRatio(double ratio)
{
    char text[32];
    if (ratio >= 100)
        std::snprintf(text, sizeof text, "%.0fx", ratio);
    else if (ratio >= 10)
        std::snprintf(text, sizeof text, "%.1fx", ratio);
    else
        std::snprintf(text, sizeof text, "%.2fx", ratio);
    return text;
}

void printTable(const TableReporter &reporter)
{
    std::printf("\nMedians in ms, until the list is ready to paint; \"paint\": the paint after it. \"memchr x\": the\n"
                "case's time over the memchr pass's; \"stock / case\": the stock QTreeWidget route's time over the\n"
                "case's (how many times faster the control is).\n\n");
    std::printf("%-40s %9s %9s %8s %9s %12s\n", "case", "addresses", "ms", "paint", "memchr x", "stock / case");
    auto row = [&](const Case &c, int size) {
        const TableReporter::Median median = reporter.median(c.name, size);
        const double floor = reporter.median("ref_memchr", size).ms;
        const double stock = reporter.median("ref_stock", size).ms;
        if (const std::string error = reporter.error(c.name, size); !error.empty()) {
            std::printf("%-40s %9d   failed: %s\n", c.title, size, error.c_str());
            return;
        }
        if (median.ms < 0)
            return; // not run (--benchmark_filter)
        std::printf("%-40s %9d %9s %8s %9s %12s\n", c.title, size, formatMilliseconds(median.ms).c_str(),
            formatMilliseconds(median.paintMs).c_str(), floor > 0 ? formatRatio(median.ms / floor).c_str() : "-",
            stock > 0 ? formatRatio(stock / median.ms).c_str() : "-");
    };
    for (const Case &c : Cases) {
        for (int size : Sizes)
            row(c, size);
    }
    for (const Case &c : References) {
        for (int size : Sizes)
            row(c, size);
    }

    const double control = reporter.median(CreateAndShow.name, 1).ms;
    const double plain = reporter.median(PlainWidgets.name, 1).ms;
    if (control > 0 && plain > 0) {
        std::printf("\n%-40s %9s %9s\n", "", "ms", "x plain");
        std::printf("%-40s %9s %9s\n", CreateAndShow.title, formatMilliseconds(control).c_str(),
            formatRatio(control / plain).c_str());
        std::printf("%-40s %9s %9s\n", PlainWidgets.title, formatMilliseconds(plain).c_str(), "1.00x");
    }
}

/// The load's and the stock route's medians against the address count, one
/// line per count, for the picture `make bench` draws.
void writePlotData(const TableReporter &reporter, const std::string &path)
{
    std::ofstream out(path);
    out << "# addresses  control_load_ms  stock_route_ms\n";
    for (int size : PlotSizes) {
        const double control = reporter.median("load", size).ms;
        const double stock = reporter.median("ref_stock", size).ms;
        if (control > 0 && stock > 0)
            out << size << ' ' << control << ' ' << stock << '\n';
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Windows ask for their paint some milliseconds after a change; the
    // measurements deliver that request themselves (paintNow), so the
    // platform's own must not come in the middle of a measurement.
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "60000");
    QApplication application(argc, argv);
    // The list sorts by the locale's collation. Build machines often run in
    // the C locale, where it is a plain byte comparison; users do not. Measure
    // what a user in the United States gets.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    // --report=FILE: Google Benchmark's own report goes to FILE, so the
    // terminal shows only the table. --plot-data=FILE: the load's and the
    // stock route's times against the address count go to FILE.
    std::ofstream reportFile;
    std::string plotData;
    for (int i = 1; i < argc;) {
        const std::string argument = argv[i];
        if (argument.rfind("--report=", 0) == 0)
            reportFile.open(argument.substr(std::strlen("--report=")));
        else if (argument.rfind("--plot-data=", 0) == 0)
            plotData = argument.substr(std::strlen("--plot-data="));
        else {
            ++i;
            continue;
        }
        std::copy(argv + i + 1, argv + argc + 1, argv + i); // argv[argc] is the null pointer
        --argc;
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();

    TableReporter reporter;
    if (reportFile.is_open()) {
        reporter.SetOutputStream(&reportFile);
        reporter.SetErrorStream(&reportFile);
    }
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printTable(reporter);
    if (!plotData.empty())
        writePlotData(reporter, plotData);
    benchmark::Shutdown();
    return 0;
}
