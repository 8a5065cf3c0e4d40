// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// Heap held by a control that shows 32,767 addresses, against the size of its
// load text (UTF-16 bytes, as the host hands it over in a QString).
//
// The growth is measured above an empty control (created, shown, edit mode
// set, never loaded) in two ways: glibc's own count of bytes in use
// (mallinfo2().uordblks), and a count kept by the allocation functions below,
// which forward to glibc's and add up the usable size of every block. The
// latter also gives the peak during the load, transient buffers included.
//
// The load text itself is made before the baseline is taken: it belongs to
// the host, not to the control. The control shares it (the records point
// into it); the last line counts it too, for a host that drops its string.

#include "benchdata.h"

#include <ZebVendorContact/vendorcontact.h>

#include <QtWidgets/QApplication>
#include <QtWidgets/QTreeView>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <unistd.h>

// --- Counting allocation functions -------------------------------------------
//
// The executable's definitions take the place of glibc's for the whole
// process (Qt included); each forwards to glibc's implementation.

extern "C" {
void *__libc_malloc(size_t size);
void __libc_free(void *pointer);
void *__libc_calloc(size_t count, size_t size);
void *__libc_realloc(void *pointer, size_t size);
void *__libc_memalign(size_t alignment, size_t size);
}

namespace {

std::atomic<long long> heapInUse { 0 };
std::atomic<long long> heapPeak { 0 };

void *counted(void *pointer)
{
    if (pointer) {
        const long long now =
            heapInUse.fetch_add(static_cast<long long>(malloc_usable_size(pointer)), std::memory_order_relaxed) +
            static_cast<long long>(malloc_usable_size(pointer));
        long long peak = heapPeak.load(std::memory_order_relaxed);
        while (now > peak && !heapPeak.compare_exchange_weak(peak, now, std::memory_order_relaxed)) { }
    }
    return pointer;
}

void uncounted(void *pointer)
{
    if (pointer)
        heapInUse.fetch_sub(static_cast<long long>(malloc_usable_size(pointer)), std::memory_order_relaxed);
}

} // namespace

extern "C" {

void *malloc(size_t size)
{
    return counted(__libc_malloc(size));
}

void free(void *pointer)
{
    uncounted(pointer);
    __libc_free(pointer);
}

void *calloc(size_t count, size_t size)
{
    return counted(__libc_calloc(count, size));
}

void *realloc(void *pointer, size_t size)
{
    const long long before = pointer ? static_cast<long long>(malloc_usable_size(pointer)) : 0;
    void *moved = __libc_realloc(pointer, size);
    if (moved || size == 0) {
        // Succeeded (or freed the block, for size 0).
        heapInUse.fetch_sub(before, std::memory_order_relaxed);
        counted(moved);
    }
    return moved;
}

void *reallocarray(void *pointer, size_t count, size_t size)
{
    size_t total = 0;
    if (__builtin_mul_overflow(count, size, &total)) {
        errno = ENOMEM;
        return nullptr;
    }
    return realloc(pointer, total);
}

void *memalign(size_t alignment, size_t size)
{
    return counted(__libc_memalign(alignment, size));
}

void *aligned_alloc(size_t alignment, size_t size)
{
    return counted(__libc_memalign(alignment, size));
}

int posix_memalign(void **result, size_t alignment, size_t size)
{
    if (alignment % sizeof(void *) != 0 || (alignment & (alignment - 1)) != 0)
        return EINVAL;
    void *pointer = counted(__libc_memalign(alignment, size));
    if (!pointer)
        return ENOMEM;
    *result = pointer;
    return 0;
}

void *valloc(size_t size)
{
    return counted(__libc_memalign(size_t(sysconf(_SC_PAGESIZE)), size));
}

} // extern "C"

// --- The measurement ----------------------------------------------------------

namespace {

struct Heap
{
    long long counted = heapInUse.load();
    long long glibc = (long long)(mallinfo2().uordblks);
};

void settle(ZebVendorContact::VendorContact &control)
{
    QCoreApplication::processEvents();
    control.findChild<QTreeView *>(QStringLiteral("lstContacts"))->viewport()->repaint();
}

void load(ZebVendorContact::VendorContact &control, const QString &text)
{
    control.LetContactAddress(
        text, BenchData::fieldSeparator(), BenchData::recordSeparator(), BenchData::tableSeparator());
    settle(control);
}

void printGrowth(const char *what, const Heap &base, const Heap &now, double textBytes)
{
    const long long counted = now.counted - base.counted;
    const long long glibc = now.glibc - base.glibc;
    std::printf("  %-44s %12lld bytes  %5.2f bytes/byte   (glibc in use: %lld, %.2f bytes/byte)\n", what, counted,
        double(counted) / textBytes, glibc, double(glibc) / textBytes);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The list sorts by the locale's collation. Build machines often run in
    // the C locale, where it is a plain byte comparison; users do not. Measure
    // what a user in the United States gets.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    const int addresses = argc > 1 ? std::atoi(argv[1]) : 32767;
    const QString text = BenchData::loadText({ addresses, BenchData::Spread::OneType, false });
    const QString small = BenchData::loadText({ 1, BenchData::Spread::OneType, false });
    const double textBytes = double(text.size()) * 2;

    // A throwaway control first, so what Qt sets up once per process (fonts,
    // styles, the collator's data) is not charged to the measured one.
    {
        ZebVendorContact::VendorContact warmUp;
        warmUp.show();
        warmUp.LetVendorIDNMode(1042, true);
        load(warmUp, small);
    }
    QCoreApplication::processEvents();

    ZebVendorContact::VendorContact control;
    control.show();
    control.LetVendorIDNMode(1042, true);
    settle(control);
    const Heap empty;

    heapPeak.store(heapInUse.load());
    load(control, text);
    const Heap loaded;
    const long long peak = heapPeak.load();

    load(control, text);
    const Heap reloaded;

    std::printf("\nMemory of a control holding %d addresses of one type, list shown\n", addresses);
    std::printf("  load text: %lld UTF-16 bytes (%lld characters)\n", (long long)(textBytes), (long long)(text.size()));
    printGrowth("held above the empty control", empty, loaded, textBytes);
    std::printf("  %-44s %12lld bytes  %5.2f bytes/byte\n", "peak during the load, above the empty control",
        peak - empty.counted, double(peak - empty.counted) / textBytes);
    printGrowth("held after loading the same text again", empty, reloaded, textBytes);

    // The loaded records point into the host's string, which the control
    // keeps a shared copy of. A host that drops its own string after the
    // call leaves the control holding the text as well:
    {
        ZebVendorContact::VendorContact other;
        other.show();
        other.LetVendorIDNMode(1042, true);
        settle(other);
        const Heap before;
        {
            const QString dropped(text.constData(), text.size());
            load(other, dropped);
        }
        const Heap after;
        printGrowth("held when the host keeps no copy of the text", before, after, textBytes);
    }
    return 0;
}
