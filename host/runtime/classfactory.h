// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "liveobjects.h"

#include <ZebVendorContact/componentruntime.h>

namespace ZebVendorContact::Runtime {

/// The class factory of VendorContact; DllGetClassObject hands out a new one
/// per call.
class ClassFactory final : public LiveObject<ZvcClassFactory>
{
public:
    ClassFactory() = default;

    ZvcStatus createInstance(QWidget *parent, ZvcControl **control, ZvcErrorInfo *error) override;
    ZvcStatus lockServer(bool lock) override;

private:
    ~ClassFactory() override = default;
};

} // namespace ZebVendorContact::Runtime
