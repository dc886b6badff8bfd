#include "app_test_support.h"

#include <QTimer>

using namespace platform;

namespace {

// Records which top-level windows are shown, in order, and whether the graph
// window already had its grid at the moment it was shown.
class ShowRecorder : public QObject
{
public:
    QStringList shown;
    bool graphHadGridWhenShown = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *form = qobject_cast<Form *>(watched);
        if (event->type() == QEvent::Show && form) {
            shown << QString::fromLatin1(form->metaObject()->className());
            if (auto *graph = qobject_cast<frmGraph *>(form))
                graphHadGridWhenShown = graph->surface().image().pixel(233, 10) == qRgb(100, 100, 100);
        }
        return false;
    }
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ResetProgram(); }

    // Runs first: nothing has set the settings yet.
    void settingsAreZeroBeforeMain()
    {
        QCOMPARE(graph_mdl::LinearSlope, 0.0f);
        QCOMPARE(graph_mdl::LinearIntercept, 0.0f);
        QCOMPARE(platform::ColorValue(graph_mdl::AxisColor), 0U);
        QCOMPARE(platform::ColorValue(graph_mdl::BackgroundColor), 0U);
    }

    void mainSetsTheDefaultColorsAndShowsOnlyTheSplash()
    {
        graph_mdl::Main();
        QCOMPARE(platform::ColorValue(graph_mdl::AxisColor), 0x00646464U);
        QCOMPARE(platform::ColorValue(graph_mdl::GridColor), 0x00DCDCDCU);
        QCOMPARE(platform::ColorValue(graph_mdl::PlotColor), 0x00000000U);
        QCOMPARE(platform::ColorValue(graph_mdl::BackgroundColor), 0x00FFFFFFU);
        QCOMPARE(graph_mdl::LinearSlope, 0.0f);
        QCOMPARE(graph_mdl::LinearIntercept, 0.0f);
        QVERIFY(Instance<frmMain>().isVisible());
        QVERIFY(!LoadedInstance<frmControl>());
        QVERIFY(!LoadedInstance<frmGraph>());
        auto *timer = Instance<frmMain>().findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 1000);
    }

    void firstTickShowsPanelThenGraphWithItsGridAndUnloadsTheSplash()
    {
        ShowRecorder recorder;
        qApp->installEventFilter(&recorder);
        graph_mdl::Main();
        QTRY_VERIFY_WITH_TIMEOUT(!LoadedInstance<frmMain>(), 5000);
        qApp->removeEventFilter(&recorder);
        QCOMPARE(recorder.shown, QStringList({"frmMain", "frmControl", "frmGraph"}));
        QVERIFY(recorder.graphHadGridWhenShown);
        QVERIFY(Instance<frmControl>().isVisible());
        QVERIFY(Instance<frmGraph>().isVisible());
    }

    void onlyTheFirstTickActs()
    {
        graph_mdl::Main();
        QPointer<frmMain> splash = &Instance<frmMain>();
        splash->Timer1_Timer();
        QCOMPARE(splash->tickCount(), 1);
        frmControl *panel = LoadedInstance<frmControl>();
        frmGraph *graph = LoadedInstance<frmGraph>();
        QVERIFY(panel && graph);
        QVERIFY(!LoadedInstance<frmMain>());
        // A tick still queued for the unloaded splash finds nothing to do.
        splash->Timer1_Timer();
        QCOMPARE(splash->tickCount(), 2);
        QCOMPARE(LoadedInstance<frmControl>(), panel);
        QCOMPARE(LoadedInstance<frmGraph>(), graph);
        QVERIFY(!LoadedInstance<frmMain>());
    }

    void splashIsCentredWithoutTitleBar()
    {
        graph_mdl::Main();
        frmMain &splash = Instance<frmMain>();
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash.windowType(), TaskbarWindowType);
        QCOMPARE(splash.client()->size(), QSize(463, 180));
        QCOMPARE(splash.size(), QSize(465, 182)); // the fixed single border around it
        QCOMPARE(splash.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
        QVERIFY(!splash.windowIcon().isNull());
    }
};

CURVISTA_TEST_MAIN(TestStartup)
#include "test_startup.moc"
