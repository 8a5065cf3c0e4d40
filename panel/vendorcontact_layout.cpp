// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The fixed panel: every widget at its place, start-up's steps, the font and
// the palette roles of the backgrounds.

#include "vendorcontact_p.h"

#include "accessibility.h"
#include "bullet.h"
#include "contactlistmodel.h"
#include "paneltexts.h"
#include "typinglimit.h"

#include <QtCore/QEvent>
#include <QtGui/QFontMetrics>
#include <QtGui/QPainter>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleOptionButton>
#include <QtWidgets/QTreeView>

#include <cmath>

namespace ZebVendorContact {

namespace {

const char BackgroundRoleProperty[] = "zvcBackgroundRole";

/// A rectangle given in twips, in device-independent pixels (15 twips each).
QRect twips(int left, int top, int width, int height)
{
    auto pixels = [](int value) { return qRound(value / VendorContactPrivate::TwipsPerPixel); };
    return { pixels(left), pixels(top), pixels(width), pixels(height) };
}

QRect twips(const QRect &rect)
{
    return twips(rect.x(), rect.y(), rect.width(), rect.height());
}

// lblState is sized to its text; the others keep their design size.
constexpr int AutoSizedLabel = StateEntry;

/// The mark beside a required entry: 180 twips square, at Left 1410, one
/// pixel (15 twips) below the top of its entry.
QRect bulletTwips(const DetailField &field)
{
    return { 1410, field.boxTwips.top() + 15, 180, 180 };
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit *makeTextBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setReadOnly(true);
    return box;
}

QComboBox *makePicker(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *picker = new QComboBox(parent);
    picker->setObjectName(name);
    picker->setGeometry(geometry);
    picker->setEditable(false); // a drop-down list: choose, never type
    return picker;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

/// The smallest font the panel takes to make its captions fit, in pixels.
constexpr int SmallestPixelSize = 7;

bool textTouchesNeighbour(const QLabel *label, const QFontMetrics &metrics)
{
    const QRect text = metrics.boundingRect(label->contentsRect(), int(label->alignment()), label->text())
                           .translated(label->pos())
                           .adjusted(-1, -1, 1, 1);
    const QList<QWidget *> siblings = label->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *sibling : siblings) {
        if (sibling != label && sibling->geometry().intersects(text))
            return true;
    }
    return false;
}

/*!
 * The address list, ringed in the palette's highlight colour while it has the
 * keyboard focus. Styles mark the focus of an item view only on its current
 * row, faintly in dark palettes and not at all in an empty list; the ring
 * shows it whatever the rows, light or dark.
 */
class ContactListView final : public QTreeView
{
public:
    using QTreeView::QTreeView;

protected:
    bool event(QEvent *event) override
    {
        // The frame is drawn with the list itself; the ring goes over it.
        const bool handled = QTreeView::event(event);
        if (event->type() == QEvent::Paint && hasFocus())
            drawFocusRing(this, rect());
        return handled;
    }

    void paintEvent(QPaintEvent *event) override
    {
        QTreeView::paintEvent(event);
        if (hasFocus())
            drawFocusRing(viewport(), viewport()->rect());
    }

private:
    void drawFocusRing(QWidget *surface, const QRect &area) const
    {
        QPainter painter(surface);
        painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }

    void focusInEvent(QFocusEvent *event) override
    {
        QTreeView::focusInEvent(event);
        update(); // the ring on the frame, not only the viewport
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        QTreeView::focusOutEvent(event);
        update();
    }
};

// The font size the last panel chose (see choosePanelFont()).
int lastPanelPixelSize = 11;

} // namespace

void VendorContactPrivate::UserControl_Initialize()
{
    // The widgets are made in the font the last panel chose, which is almost
    // always this one's too: a font change afterwards would reach every child
    // widget and cost more than making them.
    QFont font = q->font();
    font.setPixelSize(lastPanelPixelSize);
    q->setFont(font);
    buildPanel();
    connectHandlers();

    // The list's width in whole twips (a half to the even neighbour).
    m_listWidth = int(qint16(std::nearbyint(lstContacts->width() * TwipsPerPixel)));
    addListColumns();
    // The version caption, from the library's one version number.
    lblVersionNumber->setText(PanelTexts::versionCaption());
    // The store was created with this object: closed and empty. Country and
    // state are chosen only while adding or editing.
    cboContactCountry->hide();
    cboContactState->hide();
    // Nothing may be edited before the host allows it: no button is offered.
    updateButtons();

    // Names for assistive technology, the required entries' meaning and the
    // font, from the same place that renews them when the language changes.
    retranslatePanel();
}

void VendorContactPrivate::buildPanel()
{
    // The layout is fixed: a host's layout must neither stretch nor squeeze it.
    q->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    q->resize(q->sizeHint());

    frameVendorContact = new QFrame(q);
    frameVendorContact->setObjectName(QStringLiteral("frameVendorContact"));
    frameVendorContact->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frameVendorContact->setGeometry(twips(0, -90, 7260, 7155));

    lstContacts = new ContactListView(frameVendorContact);
    lstContacts->setObjectName(QStringLiteral("lstContacts"));
    lstContacts->setGeometry(twips(60, 165, 7110, 2250));
    lstContacts->setRootIsDecorated(false);
    lstContacts->setItemsExpandable(false);
    lstContacts->setUniformRowHeights(true);
    lstContacts->setSelectionMode(QAbstractItemView::SingleSelection);
    lstContacts->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstContacts->setAllColumnsShowFocus(true);
    lstContacts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listModel = new ContactListModel(q->locale(), q);
    lstContacts->setModel(m_listModel);
    setBackground(lstContacts, QPalette::Base);

    lblType =
        makeLabel(frameVendorContact, QStringLiteral("lblType"), PanelTexts::typeCaption(), twips(345, 2565, 945, 195));
    // TxtContactType lies under cboContactType; the picker is drawn on top.
    TxtContactType = makeTextBox(frameVendorContact, QStringLiteral("TxtContactType"), twips(1920, 2490, 4020, 285));
    limitTyping(TxtContactType, 40);
    setBackground(TxtContactType, QPalette::Button);
    cboContactType = makePicker(frameVendorContact, QStringLiteral("cboContactType"), twips(1920, 2475, 4050, 315));
    setBackground(cboContactType, QPalette::Base);
    cboContactType->raise();
    lblType->setBuddy(cboContactType);

    frameContactAddress = new QFrame(frameVendorContact);
    frameContactAddress->setObjectName(QStringLiteral("frameContactAddress"));
    frameContactAddress->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frameContactAddress->setGeometry(twips(90, 2790, 7080, 3840));
    buildDetailArea();

    // Captions and enabled states come from updateButtons().
    cmdAdd = makeButton(frameVendorContact, QStringLiteral("cmdAdd"), twips(1950, 6705, 930, 360));
    cmdEdit = makeButton(frameVendorContact, QStringLiteral("cmdEdit"), twips(3000, 6705, 930, 360));
    cmdDelete = makeButton(frameVendorContact, QStringLiteral("cmdDelete"), twips(4035, 6705, 930, 360));

    // Its caption comes with start-up.
    lblVersionNumber =
        makeLabel(frameVendorContact, QStringLiteral("lblVersionNumber"), QString(), twips(120, 6780, 1830, 195));

    setTabOrder();
}

void VendorContactPrivate::buildDetailArea()
{
    for (const DetailField &field : DetailFields) {
        QLabel *label = makeLabel(frameContactAddress, QString::fromLatin1(field.labelName),
            PanelTexts::translated(field.caption), twips(field.labelTwips));
        detailLabels[std::size_t(field.index)] = label;

        QLineEdit *box = makeTextBox(frameContactAddress, QString::fromLatin1(field.boxName), twips(field.boxTwips));
        limitTyping(box, field.typingLimit);
        label->setBuddy(box);
        setBackground(box, QPalette::Button);
        txtContact[std::size_t(field.index)] = box;
    }

    // The country and state pickers lie over txtContact 4 and 5.
    cboContactCountry =
        makePicker(frameContactAddress, QStringLiteral("cboContactCountry"), twips(1695, 1635, 2055, 315));
    setBackground(cboContactCountry, QPalette::Button);
    cboContactCountry->raise();
    cboContactState = makePicker(frameContactAddress, QStringLiteral("cboContactState"), twips(1695, 1995, 2055, 315));
    setBackground(cboContactState, QPalette::Button);
    cboContactState->raise();
    // Screen readers name a drop-down list by its label (its own name is the
    // chosen entry); country and state are chosen there, not in the boxes.
    detailLabels[CountryEntry]->setBuddy(cboContactCountry);
    detailLabels[StateEntry]->setBuddy(cboContactState);

    auto bullet = imgBullet.begin();
    for (const DetailField &field : DetailFields) {
        if (!field.required)
            continue;
        auto *image = new QLabel(frameContactAddress);
        image->setObjectName(QStringLiteral("imgBullet_%1").arg(field.bulletIndex));
        image->setGeometry(twips(bulletTwips(field)));
        image->setAlignment(Qt::AlignCenter);
        markDecorative(image);
        *bullet++ = image;
    }
    drawBullets();
}

void VendorContactPrivate::addListColumns()
{
    QHeaderView *header = lstContacts->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setMinimumSectionSize(0);

    for (int column = 0; column < ListColumnCount; ++column) {
        const double divisor = ListColumns[std::size_t(column)].widthDivisor;
        const double width = divisor > 0 ? m_listWidth / divisor : 0.0;
        m_columnWidths[std::size_t(column)] = width;
        if (width > 0) {
            header->resizeSection(column, qRound(width / TwipsPerPixel));
        } else {
            // Present, carrying the row's copy of its field, but never shown.
            header->hideSection(column);
        }
    }
    updateSortIndicator();
}

void VendorContactPrivate::setTabOrder()
{
    // The detail entries in their tab order, a picker in place of the box
    // under it. Those boxes lie covered by their pickers, or read-only and
    // grey, so the focus would land where the user sees nothing focused:
    // they take no focus at all.
    QList<QWidget *> order = { lstContacts, cboContactType };
    for (int index : DetailTabOrder) {
        const DetailField &field = DetailFields[std::size_t(index)];
        order.append(entryOf(field));
        if (!isTyped(field))
            txtContact[std::size_t(index)]->setFocusPolicy(Qt::NoFocus);
    }
    TxtContactType->setFocusPolicy(Qt::NoFocus);
    order << cmdAdd << cmdEdit << cmdDelete;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void VendorContactPrivate::choosePanelFont()
{
    // The layout is fixed in pixels, so the font is sized in pixels too: the
    // largest size up to 11 pixels at which every caption fits its label and
    // every button's caption, in any state, its button.
    const QStringList buttonCaptions = {
        PanelTexts::addCaption(PanelState::Browsing),
        PanelTexts::addCaption(PanelState::Adding),
        PanelTexts::addCaption(PanelState::Editing),
        PanelTexts::editCaption(PanelState::Browsing),
        PanelTexts::editCaption(PanelState::Adding),
        PanelTexts::deleteCaption(),
    };
    QStyleOptionButton buttonOption;
    buttonOption.initFrom(cmdAdd);
    const int captionWidth =
        cmdAdd->style()->subElementRect(QStyle::SE_PushButtonContents, &buttonOption, cmdAdd).width();

    QFont font = q->font();
    for (int pixelSize = 11; pixelSize >= SmallestPixelSize; --pixelSize) {
        font.setPixelSize(pixelSize);
        const QFontMetrics metrics(font);
        bool fits = true;
        const QList<QLabel *> labels = frameVendorContact->findChildren<QLabel *>();
        for (QLabel *label : labels) {
            if (label->pixmap().isNull() && label != detailLabels[AutoSizedLabel]) {
                fits = fits && metrics.horizontalAdvance(label->text()) <= label->width() &&
                    metrics.height() <= label->height();
            }
        }
        for (const QString &caption : buttonCaptions)
            fits = fits && metrics.horizontalAdvance(caption) <= captionWidth;
        if (fits)
            break;
    }
    lastPanelPixelSize = font.pixelSize();
    q->setFont(font);

    QLabel *autoSized = detailLabels[AutoSizedLabel];
    const QFontMetrics metrics(font);
    autoSized->resize(metrics.horizontalAdvance(autoSized->text()) + 1, autoSized->height());
    keepCaptionsApart();
}

void VendorContactPrivate::keepCaptionsApart()
{
    // A caption as wide as its label would touch the widget beside it (the
    // version caption ends where Add begins): such a label alone takes a
    // smaller font, so that a pixel stays clear around its text.
    const QList<QLabel *> labels = frameVendorContact->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (!label->pixmap().isNull())
            continue;
        QFont font = q->font();
        while (font.pixelSize() > SmallestPixelSize && textTouchesNeighbour(label, QFontMetrics(font)))
            font.setPixelSize(font.pixelSize() - 1);
        // An unset font follows the panel's.
        label->setFont(font == q->font() ? QFont() : font);
    }
}

void VendorContactPrivate::setBackground(QWidget *widget, QPalette::ColorRole role)
{
    widget->setProperty(BackgroundRoleProperty, int(role));
    applyBackground(widget);
}

void VendorContactPrivate::applyBackground(QWidget *widget)
{
    // Backgrounds are palette roles of the control, not fixed colours, so the
    // panel follows the user's theme (dark ones included).
    const auto role = QPalette::ColorRole(widget->property(BackgroundRoleProperty).toInt());
    const QPalette source = q->palette();
    QPalette palette;
    for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
        palette.setBrush(group, QPalette::Base, source.brush(group, role));
        // A drop-down list draws its face with the button role.
        if (qobject_cast<QComboBox *>(widget))
            palette.setBrush(group, QPalette::Button, source.brush(group, role));
    }
    widget->setPalette(palette);
}

void VendorContactPrivate::drawBullets()
{
    // At the screen's pixel density, on the colour the marks stand on.
    const QColor background = q->palette().color(QPalette::Window);
    for (QLabel *image : imgBullet)
        image->setPixmap(bulletPixmap(image->devicePixelRatioF(), background));
}

void VendorContactPrivate::reapplyBackgrounds()
{
    drawBullets();
    const QList<QWidget *> widgets = q->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget->property(BackgroundRoleProperty).isValid())
            applyBackground(widget);
    }
}

void VendorContactPrivate::updateSortIndicator()
{
    lstContacts->header()->setSortIndicator(m_listModel->sortColumn(), m_listModel->sortOrder());
}

} // namespace ZebVendorContact
