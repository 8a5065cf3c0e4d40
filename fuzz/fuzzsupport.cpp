#include "fuzzinput.h"

#include <cstdio>
#include <cstdlib>

namespace ZebVendorContact::Fuzz {

void fuzzFailure(const char *what, const QString &detail)
{
    std::fprintf(stderr, "\n*** invariant broken: %s\n%s\n", what, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

} // namespace ZebVendorContact::Fuzz
