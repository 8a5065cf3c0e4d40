// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Preloaded into a test's child process (LD_PRELOAD): its wall clock runs
// two days ahead, as on a host whose clock is wrong. Clocks that measure
// intervals are left alone.

#include <dlfcn.h>
#include <sys/time.h>
#include <time.h>

namespace {
constexpr time_t Ahead = 2 * 86400;
}

extern "C" {

int clock_gettime(clockid_t clock, struct timespec *now) noexcept
{
    static int (*real)(clockid_t, struct timespec *);
    if (!real)
        real = reinterpret_cast<int (*)(clockid_t, struct timespec *)>(dlsym(RTLD_NEXT, "clock_gettime"));
    const int result = real(clock, now);
    if (result == 0 && (clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE))
        now->tv_sec += Ahead;
    return result;
}

int gettimeofday(struct timeval *now, void *zone) noexcept
{
    static int (*real)(struct timeval *, void *);
    if (!real)
        real = reinterpret_cast<int (*)(struct timeval *, void *)>(dlsym(RTLD_NEXT, "gettimeofday"));
    const int result = real(now, zone);
    if (result == 0)
        now->tv_sec += Ahead;
    return result;
}

time_t time(time_t *now) noexcept
{
    struct timespec reading;
    clock_gettime(CLOCK_REALTIME, &reading);
    if (now)
        *now = reading.tv_sec;
    return reading.tv_sec;
}
}
