#include "dialog_test_support.h"

#include <QAction>
#include <QTimer>

#include <malloc.h>

#include <cstddef>
#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime's allocator interface (GCC ships no header).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#include <cstdio>
#include <functional>

using namespace platform;

namespace {

constexpr int Rounds = 1000;
constexpr int WarmUpRounds = 100;
// Heap growth allowed between the end of the warm-up and the end of the run.
constexpr qint64 AllowedGrowth = qint64{256} * 1024;

// What the event loop does between two user actions.
void ProcessEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Bytes allocated and not freed; the sanitizer's allocator keeps its own count.
qint64 HeapInUse()
{
    ProcessEvents();
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<qint64>(__sanitizer_get_current_allocated_bytes());
#elif defined(Q_OS_WIN)
    // Windows's C runtime has no running count: add up its blocks in use.
    _HEAPINFO block{};
    qint64 used = 0;
    while (_heapwalk(&block) == _HEAPOK) {
        if (block._useflag == _USEDENTRY)
            used += static_cast<qint64>(block._size);
    }
    return used;
#else
    return static_cast<qint64>(mallinfo2().uordblks);
#endif
}

// Runs a step Rounds times and returns the heap growth after the warm-up.
qint64 Soak(const std::function<void()> &step)
{
    qint64 afterWarmUp = 0;
    for (int round = 1; round <= Rounds; ++round) {
        step();
        ProcessEvents();
        if (round == WarmUpRounds)
            afterWarmUp = HeapInUse();
    }
    const qint64 growth = HeapInUse() - afterWarmUp;
    std::fprintf(stderr, "heap after %d rounds: %lld bytes, growth since round %d: %lld bytes\n", Rounds, HeapInUse(),
                 WarmUpRounds, growth);
    return growth;
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

    frmControl *m_panel = nullptr;

private slots:
    void init() { m_panel = &StartProgram(); }
    void cleanup() { ResetProgram(); }

    void openAndCloseTheEquationDialogs_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("linear") << "cmdLinear";
        QTest::newRow("parabola") << "cmdParabola";
    }
    void openAndCloseTheEquationDialogs()
    {
        QFETCH(QString, button);
        const qint64 growth = Soak([&] {
            m_panel->control<QPushButton>(qPrintable(button))->click();
            Form *dialog = LoadedInstance<frmLinear>() ? static_cast<Form *>(LoadedInstance<frmLinear>())
                                                       : static_cast<Form *>(LoadedInstance<frmPara>());
            QVERIFY(dialog && dialog->isVisible());
            dialog->control<QPushButton>("cmdExit")->click();
        });
        QVERIFY(!LoadedInstance<frmLinear>() && !LoadedInstance<frmPara>());
        QVERIFY2(growth < AllowedGrowth, qPrintable(QString::number(growth)));
    }

    void openAndCloseTheColorDialog()
    {
        const qint64 growth = Soak([&] {
            QTimer::singleShot(0, [] {
                QVERIFY(LoadedInstance<frmOpt>());
                Instance<frmOpt>().control<QPushButton>("Command2")->click();
            });
            m_panel->menuItem("mnuOpt")->trigger();
        });
        QVERIFY(!LoadedInstance<frmOpt>());
        QVERIFY2(growth < AllowedGrowth, qPrintable(QString::number(growth)));
    }

    void clearTheGraph()
    {
        const qint64 growth = Soak([&] { m_panel->control<QPushButton>("Command2")->click(); });
        QCOMPARE(GraphPixel({233, 5}), qRgb(100, 100, 100));
        QVERIFY2(growth < AllowedGrowth, qPrintable(QString::number(growth)));
    }

    void drawParabolas()
    {
        frmPara &dialog = OpenFromPanel<frmPara>(*m_panel, "cmdParabola");
        int round = 0;
        const qint64 growth = Soak([&] {
            Box(dialog, "txtc")->setText(QString::number(round++ % 50 - 25));
            dialog.control<QPushButton>("cmdOK")->click();
        });
        QCOMPARE(GraphPixel({233, 233}), qRgb(0, 0, 0)); // world (0, 0)
        QCOMPARE(GraphPixel({233, 400}), qRgb(0, 0, 0)); // world (0, -25)
        QVERIFY2(growth < AllowedGrowth, qPrintable(QString::number(growth)));
    }
};

CURVISTA_TEST_MAIN(TestSoak)
#include "test_soak.moc"
