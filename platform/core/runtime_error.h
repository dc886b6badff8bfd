#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace platform {

// The runtime's error numbers, as the user sees them in a report.
enum class ErrorCode : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    DivisionByZero = 11,
    PathFileAccessError = 75,
    FormAlreadyDisplayed = 400,
    PrinterError = 482,
};

QString ErrorText(ErrorCode code);

class RuntimeError : public std::exception
{
public:
    explicit RuntimeError(ErrorCode code);
    RuntimeError(ErrorCode code, QString message);

    [[nodiscard]] int number() const { return static_cast<int>(m_code); }
    [[nodiscard]] ErrorCode code() const { return m_code; }
    [[nodiscard]] const QString &message() const { return m_message; }
    [[nodiscard]] const char *what() const noexcept override;

private:
    ErrorCode m_code;
    QString m_message;
    QByteArray m_what;
};

// "Run-time error '6':\n\nOverflow"
QString ReportText(const RuntimeError &error);

using ErrorSink = std::function<void(const RuntimeError &)>;

// Replaces where reports go (tests record them); returns the previous sink.
ErrorSink SetErrorSink(ErrorSink sink);

// The one place that tells the user about a runtime error.
void ReportRuntimeError(const RuntimeError &error);

// Runs an event handler. A runtime error stops that handler only: it is
// reported and the program goes on, so nothing drawn or typed is lost.
template <class Handler> void RunHandler(Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const RuntimeError &error) {
        ReportRuntimeError(error);
    }
}

} // namespace platform
