// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "liveobjects.h"

#include <ZebVendorContact/componentruntime.h>

#include <QtCore/QPointer>

namespace ZebVendorContact {
class VendorContact;
}

namespace ZebVendorContact::Runtime {

/// A VendorContact handed to a host through the class factory.
class ControlObject final : public LiveObject<ZvcControl>
{
public:
    /// Takes ownership of `widget` unless its parent owns it.
    explicit ControlObject(VendorContact *widget);

    QWidget *widget() override;
    ZvcStatus idOfName(const QString &name, int32_t *dispId) override;
    ZvcStatus invoke(int32_t dispId, const QVariantList &arguments, QVariant *result, ZvcErrorInfo *error) override;

private:
    ~ControlObject() override;
    ZvcStatus dispatch(int32_t dispId, const QVariantList &arguments, QVariant *result, ZvcErrorInfo *error);

    QPointer<VendorContact> m_widget;
};

/// ZvcErrorInfo filled in one place; returns `status`.
ZvcStatus failWith(ZvcErrorInfo *error, ZvcStatus status, const QString &text, int32_t code = 0);

/// Inside a catch block only: the exception being handled as the call's
/// status and ZvcErrorInfo, so that no exception crosses into the host. An
/// Error keeps its code; anything else is a plain failure.
ZvcStatus failWithCurrentException(ZvcErrorInfo *error);

/// Whether widgets may be created and driven from the calling thread.
bool onUserInterfaceThread();

} // namespace ZebVendorContact::Runtime
