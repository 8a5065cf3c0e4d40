// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// libFuzzer harness: the load on a real VendorContact (offscreen), followed
// by exports, row clicks, type switches and one add, edit and delete.
// Input encoding: see fuzzinput.h.

#include "checks.h"

#include <QtCore/QtGlobal>
#include <QtWidgets/QApplication>

#include <cstddef>
#include <cstdint>

namespace {

void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // Qt's warnings (no runtime directory, offscreen limits) are noise here;
    // fatal messages still end the run.
    if (type == QtFatalMsg) {
        fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    static int argc = 1;
    static char name[] = "fuzz_panel";
    static char *argv[] = { name, nullptr };
    // Never destroyed: libFuzzer leaves through exit(), after Qt's own
    // globals are gone. The static pointer keeps it reachable for LeakSanitizer.
    static QApplication *application = new QApplication(argc, argv);
    Q_UNUSED(application);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ZebVendorContact::Fuzz::checkPanelInput(data, size);
    return 0;
}
