#pragma once

#include "platform/core/bundled_fonts.h"
#include "platform/core/runtime_error.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>
#include <string>
#include <type_traits>
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

// How many of the image's pixels match.
inline int CountPixels(const QImage &image, const std::function<bool(QRgb)> &matches)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += matches(image.pixel(x, y)) ? 1 : 0;
    return count;
}

inline int CountPixels(const QImage &image, QRgb color)
{
    return CountPixels(image, [color](QRgb pixel) { return pixel == color; });
}

// An empty file named "plain" in dir: no directory can be made under it, so
// a save below it fails even for root, who may write where others may not.
inline QString PlainFileIn(const QTemporaryDir &dir)
{
    QFile plain(dir.filePath(QStringLiteral("plain")));
    if (!plain.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(plain.fileName()));
    return plain.fileName();
}

// Runs a test class headless unless a platform was chosen, in an application
// of the given class, with the fonts the program would load beside it where
// the application can draw.
template <typename Application, typename TestClass> int RunTestIn(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    if constexpr (std::is_base_of_v<QGuiApplication, Application>)
        platform::RegisterBundledFonts();
    TestClass test;
    return QTest::qExec(&test, argc, argv);
}

#ifdef CURVISTA_TESTS_IN_ONE
// Several test classes in one program, where every link is long (the
// browser build): each class registers itself, and the program's first
// argument names the one to run.
using TestRunner = int (*)(int argc, char *argv[]);
inline std::map<std::string, TestRunner> &RegisteredTests()
{
    static std::map<std::string, TestRunner> tests;
    return tests;
}
#define CURVISTA_TEST_MAIN_IN(Application, TestClass)                                                                  \
    [[maybe_unused]] static const bool TestClass##Registered =                                                         \
        RegisteredTests().emplace(#TestClass, &RunTestIn<Application, TestClass>).second;
#else
#define CURVISTA_TEST_MAIN_IN(Application, TestClass)                                                                  \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        return RunTestIn<Application, TestClass>(argc, argv);                                                          \
    }
#endif

// For what draws without widgets: images, fonts, SVG and printing need a
// QGuiApplication and nothing more.
#define CURVISTA_GUI_TEST_MAIN(TestClass) CURVISTA_TEST_MAIN_IN(QGuiApplication, TestClass)
