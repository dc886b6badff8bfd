#include "runtime_error.h"

#include <cstdio>
#include <utility>

namespace platform {

QString ErrorText(ErrorCode code)
{
    switch (code) {
    case ErrorCode::InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case ErrorCode::Overflow:
        return QStringLiteral("Overflow");
    case ErrorCode::DivisionByZero:
        return QStringLiteral("Division by zero");
    case ErrorCode::PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case ErrorCode::FormAlreadyDisplayed:
        return QStringLiteral("Form already displayed; can't show modally");
    case ErrorCode::PrinterError:
        return QStringLiteral("Printer error");
    }
    return QStringLiteral("Application-defined or object-defined error");
}

RuntimeError::RuntimeError(ErrorCode code) : RuntimeError(code, ErrorText(code)) {}

RuntimeError::RuntimeError(ErrorCode code, QString message)
    : m_code(code), m_message(std::move(message)), m_what(ReportText(*this).toUtf8())
{}

const char *RuntimeError::what() const noexcept
{
    return m_what.constData();
}

QString ReportText(const RuntimeError &error)
{
    return QStringLiteral("Run-time error '%1':\n\n%2").arg(error.number()).arg(error.message());
}

namespace {

// Until the program installs its message box (and where there is no screen).
void PrintToStderr(const RuntimeError &error)
{
    std::fprintf(stderr, "%s\n", error.what());
}

ErrorSink &CurrentSink()
{
    static ErrorSink sink = PrintToStderr;
    return sink;
}

} // namespace

ErrorSink SetErrorSink(ErrorSink sink)
{
    return std::exchange(CurrentSink(), std::move(sink));
}

void ReportRuntimeError(const RuntimeError &error)
{
    CurrentSink()(error);
}

} // namespace platform
