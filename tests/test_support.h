#pragma once

#include "platform/form.h"
#include "platform/runtime_error.h"

#include <QApplication>
#include <QTest>

#include <vector>

// Records runtime-error reports instead of showing them, while in scope.
class RecordedErrors
{
public:
    RecordedErrors()
        : m_previous(platform::SetErrorSink([this](const platform::RuntimeError &e) { m_errors.push_back(e); }))
    {}
    RecordedErrors(const RecordedErrors &) = delete;
    RecordedErrors &operator=(const RecordedErrors &) = delete;
    ~RecordedErrors() { platform::SetErrorSink(m_previous); }

    [[nodiscard]] const std::vector<platform::RuntimeError> &errors() const { return m_errors; }
    [[nodiscard]] std::vector<int> numbers() const
    {
        std::vector<int> numbers;
        for (const auto &e : m_errors)
            numbers.push_back(e.number());
        return numbers;
    }

private:
    std::vector<platform::RuntimeError> m_errors;
    platform::ErrorSink m_previous;
};

// Runs a test class headless unless a platform was chosen.
#define CURVISTA_TEST_MAIN(TestClass)                                                                                  \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        QApplication application(argc, argv);                                                                          \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
