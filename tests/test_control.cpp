#include "app_test_support.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

using namespace platform;
using graph_mdl::Single;

class TestControl : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ResetProgram(); }

    void menuAsDesigned()
    {
        frmControl &panel = StartProgram();
        QCOMPARE(panel.menuItem("mnuOpt")->text(), QStringLiteral("&Option"));
        QCOMPARE(panel.menuItem("mnuExt")->text(), QStringLiteral("E&xit"));
    }

    void startUpDrawsTheGridInTheDefaultColors()
    {
        StartProgram();
        QCOMPARE(GraphPixel({5, 5}), qRgb(255, 255, 255));
        QCOMPARE(GraphPixel({6, 5}), qRgb(220, 220, 220));
        QCOMPARE(GraphPixel({233, 5}), qRgb(100, 100, 100));
        QCOMPARE(Instance<frmGraph>().surface().foreColor(), RGB(0, 0, 0));
    }

    void clearWipesCurvesAndGivesFocusBackToThePanel()
    {
        frmControl &panel = StartProgram();
        QPointer<frmGraph> before = &Instance<frmGraph>();
        Single x = 10.5;
        Single y = 10.5;
        graph_mdl::PlotPoint(x, y);
        QCOMPARE(GraphPixel({303, 163}), qRgb(0, 0, 0)); // world (10.5, 10.5)

        graph_mdl::BackgroundColor = RGB(255, 255, 200);
        panel.control<QPushButton>("Command2")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(before.isNull());
        frmGraph &after = Instance<frmGraph>();
        QVERIFY(after.isVisible());
        QCOMPARE(GraphPixel({303, 163}), qRgb(255, 255, 200));
        QCOMPARE(GraphPixel({233, 5}), qRgb(100, 100, 100));
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        QCOMPARE(QApplication::activeWindow(), &panel);
    }

    void clearWorksWithTheGraphWindowUnloaded()
    {
        frmControl &panel = StartProgram();
        Unload<frmGraph>();
        panel.control<QPushButton>("Command2")->click();
        QVERIFY(Instance<frmGraph>().isVisible());
        QCOMPARE(GraphPixel({233, 5}), qRgb(100, 100, 100));
    }

    void graphWindowFollowsThePanelsWindowState()
    {
        frmControl &panel = StartProgram();
        frmGraph &graph = Instance<frmGraph>();
        panel.showMinimized();
        QCOMPARE(graph.windowStateValue(), WindowState::Minimized);
        panel.showNormal();
        QCOMPARE(graph.windowStateValue(), WindowState::Normal);
        QVERIFY(graph.isVisible());
    }

    void exitMenuEndsTheProgram()
    {
        frmControl &panel = StartProgram();
        panel.menuItem("mnuExt")->trigger();
        QVERIFY(HasEnded());
        QVERIFY(!panel.isVisible());
        QVERIFY(!Instance<frmGraph>().isVisible());
    }

    void closingThePanelEndsTheProgram()
    {
        frmControl &panel = StartProgram();
        panel.close();
        QVERIFY(HasEnded());
        QVERIFY(!LoadedInstance<frmGraph>()->isVisible());
    }

    void clearButtonIsNamedForItsPicture()
    {
        auto *clear = StartProgram().control<QPushButton>("Command2");
        QCOMPARE(clear->accessibleName(), QStringLiteral("ลบทั้งหมด"));
        QCOMPARE(clear->iconSize(), QSize(100, 23));
    }
};

CURVISTA_TEST_MAIN(TestControl)
#include "test_control.moc"
