// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "fuzzinput.h"

#include <cstdio>
#include <cstdlib>

namespace ZebVendorContact::Fuzz {

namespace {
FuzzFailureHook failureHook = nullptr;
}

void setFuzzFailureHook(FuzzFailureHook hook)
{
    failureHook = hook;
}

void fuzzFailure(const char *what, const QString &detail)
{
    if (failureHook)
        failureHook(QString::fromUtf8(what) + u'\n' + detail);
    std::fprintf(stderr, "\n*** invariant broken: %s\n%s\n", what, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

} // namespace ZebVendorContact::Fuzz
