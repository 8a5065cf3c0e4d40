// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "controlobject.h"

#include "argumentconversion.h"
#include "liveobjects.h"

#include <ZebVendorContact/VendorContact>

#include <QtCore/QThread>
#include <QtWidgets/QApplication>

#include <array>
#include <exception>

namespace ZebVendorContact::Runtime {

namespace {

struct Member
{
    int32_t dispId;
    QLatin1StringView name;
    QLatin1StringView parameters; // comma-separated, for error texts
    qsizetype argumentCount;
};

constexpr std::array<Member, 3> members { {
    { ZVC_DISPID_GETCONTACTADDRESS, QLatin1StringView("GetContactAddress"), QLatin1StringView(""), 0 },
    { ZVC_DISPID_LETCONTACTADDRESS, QLatin1StringView("LetContactAddress"),
        QLatin1StringView("ptContactData,ptFieldSeparator,ptRecordSeparator,ptTableSeparator"), 4 },
    { ZVC_DISPID_LETVENDORIDNMODE, QLatin1StringView("LetVendorIDNMode"), QLatin1StringView("plVendorID,tbMode"), 2 },
} };

const Member *memberOf(int32_t dispId)
{
    for (const Member &member : members) {
        if (member.dispId == dispId) {
            return &member;
        }
    }
    return nullptr;
}

QString parameterName(const Member &member, qsizetype index)
{
    return QString(member.parameters).split(u',').value(index);
}

QString typeNameOf(const QVariant &value)
{
    return value.isValid() ? QString::fromLatin1(value.metaType().name()) : QStringLiteral("empty value");
}

/// Converts argument `index` with `convert`; on failure fills `error` and
/// returns the status to give back, on success ZVC_S_OK.
template<typename T, typename Converter>
ZvcStatus convertArgument(const Member &member, const QVariantList &arguments, qsizetype index, Converter convert,
    const char *wanted, T *out, ZvcErrorInfo *error)
{
    const QVariant &value = arguments.at(index);
    switch (convert(value, out)) {
    case Conversion::Converted:
        return ZVC_S_OK;
    case Conversion::Overflow:
        return failWith(error, ZVC_E_OVERFLOW,
            QStringLiteral("%1: argument %2 (%3) is outside the range of a 32-bit integer")
                .arg(member.name, QString::number(index + 1), parameterName(member, index)));
    case Conversion::Mismatch:
        break;
    }
    return failWith(error, ZVC_E_TYPEMISMATCH,
        QStringLiteral("%1: argument %2 (%3) cannot be converted from %4 to %5")
            .arg(member.name, QString::number(index + 1), parameterName(member, index), typeNameOf(value),
                QLatin1StringView(wanted)));
}

ZvcStatus callGetContactAddress(VendorContact *control, QVariant *result)
{
    *result = control->GetContactAddress();
    return ZVC_S_OK;
}

ZvcStatus callLetContactAddress(
    VendorContact *control, const Member &member, const QVariantList &arguments, QVariant *result, ZvcErrorInfo *error)
{
    std::array<QString, 4> texts;
    for (qsizetype i = 0; i < 4; ++i) {
        const ZvcStatus status = convertArgument(member, arguments, i, toText, "text", &texts.at(i), error);
        if (status != ZVC_S_OK) {
            return status;
        }
    }
    control->LetContactAddress(texts[0], texts[1], texts[2], texts[3]);
    *result = QVariant();
    return ZVC_S_OK;
}

ZvcStatus callLetVendorIDNMode(
    VendorContact *control, const Member &member, const QVariantList &arguments, QVariant *result, ZvcErrorInfo *error)
{
    qint32 vendorId = 0;
    bool mode = false;
    ZvcStatus status = convertArgument(member, arguments, 0, toInt32, "32-bit integer", &vendorId, error);
    if (status == ZVC_S_OK) {
        status = convertArgument(member, arguments, 1, toBoolean, "boolean", &mode, error);
    }
    if (status != ZVC_S_OK) {
        return status;
    }
    *result = control->LetVendorIDNMode(vendorId, mode);
    return ZVC_S_OK;
}

} // namespace

ZvcStatus failWith(ZvcErrorInfo *error, ZvcStatus status, const QString &text, int32_t code)
{
    if (error) {
        error->code = code;
        error->text = text;
    }
    return status;
}

ZvcStatus failWithCurrentException(ZvcErrorInfo *error)
{
    try {
        throw;
    } catch (const Error &failure) {
        if (failure.code() == Error::Code::WrongThread) {
            return failWith(error, ZVC_E_WRONGTHREAD, failure.message());
        }
        return failWith(error, ZVC_E_EXCEPTION, failure.message(), static_cast<int32_t>(failure.code()));
    } catch (const std::exception &failure) {
        return failWith(error, ZVC_E_FAIL, QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        return failWith(error, ZVC_E_FAIL, QStringLiteral("unexpected failure"));
    }
}

bool onUserInterfaceThread()
{
    // Creating a widget anywhere else aborts the process; refuse instead.
    const auto *application = qobject_cast<QApplication *>(QCoreApplication::instance());
    return application && QThread::currentThread() == application->thread();
}

ControlObject::ControlObject(VendorContact *widget)
    : m_widget(widget)
{
}

ControlObject::~ControlObject()
{
    VendorContact *widget = m_widget.data();
    if (!widget) {
        return;
    }
    if (QThread::currentThread() == widget->thread()) {
        // Deleted at once, not later: once the last object is gone the host
        // may unload the library, and a deferred delete would run unloaded code.
        delete widget;
        return;
    }
    // The last reference came back on another thread, where the widget must
    // not be touched: its deletion is queued to its own thread, and the
    // library counts as in use until that has run.
    auto *application = QCoreApplication::instance();
    if (!application) {
        return; // no event loop left to run it; widgets cannot outlive the application anyway
    }
    objectCreated();
    QMetaObject::invokeMethod(
        application,
        [widget = m_widget] {
            delete widget.data();
            objectDestroyed();
        },
        Qt::QueuedConnection);
}

QWidget *ControlObject::widget()
{
    return m_widget.data();
}

ZvcStatus ControlObject::idOfName(const QString &name, int32_t *dispId)
{
    if (!dispId) {
        return ZVC_E_INVALIDARG;
    }
    for (const Member &member : members) {
        if (name.compare(member.name, Qt::CaseInsensitive) == 0) {
            *dispId = member.dispId;
            return ZVC_S_OK;
        }
    }
    return ZVC_E_MEMBERNOTFOUND;
}

ZvcStatus ControlObject::invoke(int32_t dispId, const QVariantList &arguments, QVariant *result, ZvcErrorInfo *error)
{
    // Nothing may leave this boundary as a C++ exception: the caller may not
    // even be C++ code built with the same compiler.
    try {
        ZvcErrorInfo localError;
        QVariant localResult;
        ZvcErrorInfo *errorOut = error ? error : &localError;
        *errorOut = ZvcErrorInfo();
        if (result) {
            *result = QVariant();
        }
        return dispatch(dispId, arguments, result ? result : &localResult, errorOut);
    } catch (...) {
        return failWithCurrentException(error);
    }
}

ZvcStatus ControlObject::dispatch(int32_t dispId, const QVariantList &arguments, QVariant *result, ZvcErrorInfo *error)
{
    if (!m_widget) {
        return failWith(error, ZVC_E_OBJECTGONE, QStringLiteral("the control has already been destroyed"));
    }
    if (QThread::currentThread() != m_widget->thread()) {
        return failWith(error, ZVC_E_WRONGTHREAD, QStringLiteral("the control was called from a foreign thread"));
    }
    const Member *member = memberOf(dispId);
    if (!member) {
        return failWith(error, ZVC_E_MEMBERNOTFOUND,
            QStringLiteral("no member with dispatch id 0x%1")
                .arg(static_cast<uint32_t>(dispId), 8, 16, QLatin1Char('0')));
    }
    if (arguments.size() != member->argumentCount) {
        return failWith(error, ZVC_E_BADPARAMCOUNT,
            QStringLiteral("%1 takes %2 argument(s), not %3")
                .arg(member->name, QString::number(member->argumentCount), QString::number(arguments.size())));
    }
    switch (dispId) {
    case ZVC_DISPID_GETCONTACTADDRESS:
        return callGetContactAddress(m_widget.data(), result);
    case ZVC_DISPID_LETCONTACTADDRESS:
        return callLetContactAddress(m_widget.data(), *member, arguments, result, error);
    case ZVC_DISPID_LETVENDORIDNMODE:
        return callLetVendorIDNMode(m_widget.data(), *member, arguments, result, error);
    default:
        break;
    }
    return ZVC_E_MEMBERNOTFOUND;
}

} // namespace ZebVendorContact::Runtime
