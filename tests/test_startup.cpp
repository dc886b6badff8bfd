#include "app_test_support.h"

#include <QElapsedTimer>
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
    QElapsedTimer sinceMain;
    qint64 panelShownAfterMs = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *form = qobject_cast<Form *>(watched);
        if (event->type() == QEvent::Show && form) {
            shown << QString::fromLatin1(form->metaObject()->className());
            if (qobject_cast<frmControl *>(form))
                panelShownAfterMs = sinceMain.elapsed();
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

    void mainShowsOnlyTheSplash()
    {
        graph_mdl::Main();
        QCOMPARE(graph_mdl::LinearSlope, 0.0f);
        QCOMPARE(graph_mdl::LinearIntercept, 0.0f);
        QVERIFY(Instance<frmMain>().isVisible());
        QVERIFY(!LoadedInstance<frmControl>());
        QVERIFY(!LoadedInstance<frmGraph>());
        auto *timer = Instance<frmMain>().findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive());
    }

    void aboutASecondAfterMainPanelAndGraphShowAndTheSplashGoes()
    {
        ShowRecorder recorder;
        qApp->installEventFilter(&recorder);
        recorder.sinceMain.start();
        graph_mdl::Main();
        QTRY_VERIFY_WITH_TIMEOUT(!LoadedInstance<frmMain>(), 5000);
        qApp->removeEventFilter(&recorder);
        QCOMPARE(recorder.shown, QStringList({"frmMain", "frmControl", "frmGraph"}));
        QVERIFY(recorder.graphHadGridWhenShown);
        // Not before the splash's second, less what a coarse timer may fire
        // early; no upper bound, as a busy machine may be late.
        QVERIFY2(recorder.panelShownAfterMs >= 900, qPrintable(QString::number(recorder.panelShownAfterMs)));
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
};

CURVISTA_TEST_MAIN(TestStartup)
#include "test_startup.moc"
