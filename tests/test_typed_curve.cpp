#include "dialog_test_support.h"

#include <QAction>
#include <QClipboard>

using namespace platform;

namespace {

// The curves sketched over the graph, as (a, b, c).
QList<QList<double>> Sketches()
{
    QList<QList<double>> sketches;
    for (const auto &[dialog, curve] : graph_mdl::Graph().typedCurves())
        sketches << QList<double>{curve.a, curve.b, curve.c};
    return sketches;
}

Form &OpenDialog(const QString &name)
{
    Form &dialog = LoadWindow(name);
    dialog.Show();
    Activate(dialog);
    return dialog;
}

QAction *MenuItem(const frmGraph &graph, const QString &text)
{
    for (QAction *action : graph.actions())
        if (action->text() == text)
            return action;
    qFatal("no such menu item");
}

const QString SketchItem = QStringLiteral("แสดงเส้นกราฟขณะพิมพ์");
const QString KeyPointsItem = QStringLiteral("แสดงจุดสำคัญ");

} // namespace

// An equation dialog sketches the curve its equation line describes over the
// graph, where the graph's menu asks for it; the sketch is never drawn.
class TestTypedCurve : public QObject
{
    Q_OBJECT

private slots:
    void init() { StartProgram(); }
    void cleanup() { ResetProgram(); }

    void sketchIsTheCurveTheEquationLineShows_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("thenTab");
        QTest::addColumn<QList<QList<double>>>("sketches");
        using Sketch = QList<QList<double>>;
        // clang-format off
        QTest::newRow("line as opened")            << "frmLinear" << ""     << ""     << false << Sketch{{0, 1, 10}};
        QTest::newRow("line, c typed")             << "frmLinear" << "txtc" << "-5"   << false << Sketch{{0, 1, -5}};
        QTest::newRow("line, m still in its box")  << "frmLinear" << "txtM" << "3"    << false << Sketch{{0, 1, 10}};
        QTest::newRow("line, m typed and left")    << "frmLinear" << "txtM" << "3"    << true  << Sketch{{0, 3, 10}};
        QTest::newRow("parabola as opened")        << "frmPara"   << ""     << ""     << false << Sketch{{1, 0, 0}};
        QTest::newRow("parabola, b typed")         << "frmPara"   << "txtb" << "-2.5" << false << Sketch{{1, -2.5, 0}};
        QTest::newRow("parabola, a not a number")  << "frmPara"   << "txta" << "abc"  << false << Sketch{{0, 0, 0}};
        QTest::newRow("parabola, a beyond Single") << "frmPara"   << "txta" << "1e39" << false << Sketch{};
        // clang-format on
    }
    void sketchIsTheCurveTheEquationLineShows()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, thenTab);
        QFETCH(QList<QList<double>>, sketches);
        Form &form = OpenDialog(dialog);
        if (!box.isEmpty()) {
            TypeInto(Box(form, qPrintable(box)), typed);
            if (thenTab)
                QTest::keyClick(Box(form, qPrintable(box)), Qt::Key_Tab);
        }
        QCOMPARE(Sketches(), sketches);
    }

    // Drawing puts the curve in the sketch's place; typing sketches again;
    // closing the dialog takes its sketch away, and leaves the other's.
    void sketchGoesWhenDrawnOrClosed()
    {
        Form &line = OpenDialog(QStringLiteral("frmLinear"));
        Form &parabola = OpenDialog(QStringLiteral("frmPara"));
        QCOMPARE(Sketches().size(), 2);
        parabola.control<QPushButton>("cmdOK")->click();
        QCOMPARE(Sketches(), (QList<QList<double>>{{0, 1, 10}}));
        TypeInto(Box(parabola, "txtc"), QStringLiteral("4"));
        QCOMPARE(Sketches().size(), 2);
        Unload(parabola);
        QCOMPARE(Sketches(), (QList<QList<double>>{{0, 1, 10}}));
        line.control<QPushButton>("cmdOK")->click();
        QVERIFY(Sketches().isEmpty());
        TypeInto(Box(line, "txtc"), QStringLiteral("2"));
        QCOMPARE(Sketches().size(), 1);
        Unload(line);
        QVERIFY(Sketches().isEmpty());
    }

    // Off at start; shown, it changes what the window shows and nothing else:
    // not the drawing, not a copy. The window loaded again by the clear
    // button keeps the menu's choices.
    void sketchIsShownOverTheWindowOnly()
    {
        frmGraph &graph = Instance<frmGraph>();
        QAction *sketch = MenuItem(graph, SketchItem);
        QVERIFY(sketch->isCheckable() && !sketch->isChecked());
        const QImage drawing = graph.surface().image();
        const auto shown = [&graph] { return graph.client()->grab().toImage(); };
        const auto copied = [&graph] {
            QTest::keyClick(&graph, Qt::Key_C, Qt::ControlModifier);
            return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        };
        const QImage plain = shown();
        const QImage plainCopy = copied();

        OpenDialog(QStringLiteral("frmLinear"));
        QCOMPARE(shown(), plain);
        sketch->trigger();
        const QImage sketched = shown();
        QVERIFY(sketched != plain);
        // y = x + 10 crosses the y axis at pixel (233, 166.7).
        const qreal ratio = sketched.devicePixelRatio();
        const QRect around = QRectF(226 * ratio, 160 * ratio, 15 * ratio, 15 * ratio).toAlignedRect();
        QVERIFY(sketched.copy(around) != plain.copy(around));
        QCOMPARE(graph.surface().image(), drawing);
        QCOMPARE(copied(), plainCopy);

        MenuItem(graph, KeyPointsItem)->trigger();
        Unload(graph);
        frmGraph &again = Instance<frmGraph>();
        QVERIFY(MenuItem(again, SketchItem)->isChecked());
        QVERIFY(MenuItem(again, KeyPointsItem)->isChecked());
        MenuItem(again, SketchItem)->trigger();
        QVERIFY(!graph_mdl::Graph().typedCurvesShown());
    }
};

CURVISTA_TEST_MAIN(TestTypedCurve)
#include "test_typed_curve.moc"
