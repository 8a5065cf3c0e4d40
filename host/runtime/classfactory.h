#pragma once

#include <ZebVendorContact/componentruntime.h>

#include <atomic>

namespace ZebVendorContact::Runtime {

/// The class factory of VendorContact; DllGetClassObject hands out a new one
/// per call.
class ClassFactory final : public ZvcClassFactory
{
public:
    ClassFactory();

    uint32_t addRef() override;
    uint32_t release() override;
    ZvcStatus createInstance(QWidget *parent, ZvcControl **control, ZvcErrorInfo *error) override;
    ZvcStatus lockServer(bool lock) override;

private:
    ~ClassFactory();

    std::atomic<uint32_t> m_references { 1 };
};

} // namespace ZebVendorContact::Runtime
