// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "accessibility.h"

#include <QtGui/QAccessible>
#include <QtWidgets/QAccessibleWidget>
#include <QtWidgets/QFrame>

namespace ZebVendorContact {

namespace {

const char DecorativeProperty[] = "zvcDecorative";
const char HoldsDecorationsProperty[] = "zvcHoldsDecorations";

bool isDecorative(const QObject *object)
{
    return object->property(DecorativeProperty).toBool();
}

/*!
 * A frame as Qt presents it (a border that groups its children), except that
 * its decorative children are not among them: screen readers then never
 * reach them, the way web pages leave out images without a text.
 */
class FrameWithoutDecorations final : public QAccessibleWidget
{
public:
    explicit FrameWithoutDecorations(QWidget *frame)
        : QAccessibleWidget(frame, QAccessible::Border)
    {
    }

    int childCount() const override { return int(children().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> list = children();
        return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list.at(index)) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(children().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QList<QWidget *> children() const
    {
        QList<QWidget *> list;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !isDecorative(child))
                list.append(child);
        }
        return list;
    }
};

QAccessibleInterface *frameFactory(const QString &className, QObject *object)
{
    if (className == u"QFrame" && object && object->property(HoldsDecorationsProperty).toBool())
        return new FrameWithoutDecorations(static_cast<QWidget *>(object));
    return nullptr;
}

// Installed with the first control and removed when the library goes: a host
// may unload it, and Qt must not call into it afterwards.
struct FactoryRegistration
{
    FactoryRegistration() { QAccessible::installFactory(frameFactory); }
    ~FactoryRegistration() { QAccessible::removeFactory(frameFactory); }
    FactoryRegistration(const FactoryRegistration &) = delete;
    FactoryRegistration &operator=(const FactoryRegistration &) = delete;
};

} // namespace

void markDecorative(QWidget *decoration)
{
    static const FactoryRegistration registration;
    decoration->setProperty(DecorativeProperty, true);
    QWidget *parent = decoration->parentWidget();
    Q_ASSERT(qobject_cast<QFrame *>(parent));
    parent->setProperty(HoldsDecorationsProperty, true);
}

} // namespace ZebVendorContact
