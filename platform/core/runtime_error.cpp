#include "runtime_error.h"

#include <QCoreApplication>

#include <cstdio>
#include <utility>

namespace platform {

QString ErrorText(ErrorCode code)
{
    // The runtime reports in English, in the Thai interface too.
    switch (code) {
    case ErrorCode::InvalidProcedureCall:
        //: A runtime error's message.
        return QCoreApplication::translate("RuntimeError", "Invalid procedure call or argument");
    case ErrorCode::Overflow:
        //: A runtime error's message: a number too large, typically a coefficient too large to draw.
        return QCoreApplication::translate("RuntimeError", "Overflow");
    case ErrorCode::DivisionByZero:
        //: A runtime error's message.
        return QCoreApplication::translate("RuntimeError", "Division by zero");
    case ErrorCode::PathFileAccessError:
        //: A runtime error's message.
        return QCoreApplication::translate("RuntimeError", "Path/File access error");
    case ErrorCode::FormAlreadyDisplayed:
        //: A runtime error's message: a window cannot be shown modally while it is already shown.
        return QCoreApplication::translate("RuntimeError", "Form already displayed; can't show modally");
    case ErrorCode::PrinterError:
        //: A runtime error's message.
        return QCoreApplication::translate("RuntimeError", "Printer error");
    }
    //: A runtime error's message.
    return QCoreApplication::translate("RuntimeError", "Application-defined or object-defined error");
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
    //: The report of a runtime error in its message box: %1 is the error's number, %2 its message.
    return QCoreApplication::translate("RuntimeError", "Run-time error '%1':\n\n%2")
        .arg(error.number())
        .arg(error.message());
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
