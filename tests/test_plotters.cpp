#include "graph/engine/plotters.h"
#include "surface_test_support.h"
#include "test_support.h"

#include <cmath>
#include <limits>

using namespace graph;
using platform::RGB;

namespace {

constexpr float Infinity = std::numeric_limits<float>::infinity();

struct Pass
{
    float x;
    float y;
};

std::vector<Pass> Passes(float a, float b, float c)
{
    std::vector<Pass> passes;
    ForEachParabolaPass(a, b, c, [&](Single &x, Single &y) { passes.push_back({x, y}); });
    return passes;
}

} // namespace

class TestPlotters : public QObject
{
    Q_OBJECT

private slots:
    void parabolaCounterAccumulatesRounding()
    {
        const std::vector<Pass> passes = Passes(0, 0, 0);
        QCOMPARE(passes.size(), std::size_t(100001));
        QCOMPARE(passes.front().x, -50.0f);
        QCOMPARE(passes.back().x, 50.0f);
        const Pass nearest = passes[50000];
        QVERIFY(nearest.x < -2.0e-11f && nearest.x > -3.0e-11f);
        for (const Pass &pass : passes)
            QVERIFY(std::abs(pass.x) >= std::abs(nearest.x));
    }

    void parabolaFormsYInDoubleAndRoundsOnce()
    {
        // 1.1f * x^2 + 0.1f * x + 0.3f at x = 3 is 10.50000023... with double
        // products, 10.5 once rounded; rounding each step to Single gives 10.500001.
        const std::vector<Pass> passes = Passes(1.1f, 0.1f, 0.3f);
        const Pass &at3 = passes[53000];
        QCOMPARE(at3.x, 3.0f);
        QCOMPARE(at3.y, 10.5f);
    }

    void linearEdgeCases_data()
    {
        QTest::addColumn<float>("m");
        QTest::addColumn<float>("c");
        QTest::addColumn<QList<QPointF>>("onLine");
        QTest::addColumn<int>("pixels");
        // clang-format off
        QTest::newRow("m = 0, c = 0: the x axis") << 0.0f << 0.0f  << QList<QPointF>{{0, 3500}, {3500, 3500}, {6974, 3500}} << 465;
        QTest::newRow("m = 1, c = 10")            << 1.0f << 10.0f << QList<QPointF>{{0, 6000}, {3500, 2500}, {6000, 0}}    << 401;
        // clang-format on
    }
    void linearEdgeCases()
    {
        QFETCH(float, m);
        QFETCH(float, c);
        QFETCH(QList<QPointF>, onLine);
        QFETCH(int, pixels);
        WhiteGraph target;
        target.graph.plotLinear(m, c);
        for (const QPointF canvas : onLine)
            QCOMPARE(target.at(float(canvas.x()), float(canvas.y())), Black);
        QCOMPARE(target.count(Black), pixels);
    }

    void parabolaOnTheAxisLightsTheWholeRow()
    {
        WhiteGraph target;
        target.graph.plotParabola(0, 0, 0);
        QCOMPARE(target.count(Black), 465);
        for (int x = 0; x < 465; ++x)
            QCOMPARE(target.surface().image().pixel(x, 233), Black);
    }

    void parabolaStartsFarOutside()
    {
        WhiteGraph target;
        std::vector<Pass> mapped;
        ForEachParabolaPass(1, 0, 0, [&](Single &x, Single &y) {
            WorldToCanvas(x, y);
            mapped.push_back({x, y});
        });
        target.graph.plotParabola(1, 0, 0);
        QCOMPARE(mapped.front().x, -1500.0f);
        QCOMPARE(mapped.front().y, -246500.0f);
        // Visible only where y <= 35, that is |x| <= about 5.9: world (0, 0),
        // (5.9, 34.81) and (2, 4).
        QCOMPARE(target.at(3500, 3500), Black);
        QCOMPARE(target.at(4090, 19), Black);
        QCOMPARE(target.at(3700, 3100), Black);
    }

    void curvesAccumulateInTheForeColor()
    {
        WhiteGraph target;
        target.drawIn(RGB(200, 0, 0));
        target.graph.plotLinear(0, 0);
        target.graph.plotParabola(1, 0, 0);
        target.graph.plotParabola(1, 0, 0);
        QCOMPARE(target.at(100, 3500), qRgb(200, 0, 0));
        QCOMPARE(target.at(3700, 3100), qRgb(200, 0, 0));
        QCOMPARE(target.count(Black), 0);
    }

    void overflowDrawsNothing_data()
    {
        QTest::addColumn<bool>("linear");
        QTest::addColumn<float>("a");
        QTest::addColumn<float>("b");
        QTest::addColumn<float>("c");
        QTest::newRow("linear: m*50 beyond Single") << true << 1e37f << 0.0f << 0.0f;
        QTest::newRow("linear: mapping beyond Single") << true << 1e35f << 0.0f << 0.0f;
        QTest::newRow("linear: infinite slope") << true << Infinity << 0.0f << 0.0f;
        QTest::newRow("linear: infinite intercept") << true << 0.0f << -Infinity << 0.0f;
        QTest::newRow("linear: not a number") << true << std::nanf("") << 0.0f << 0.0f;
        QTest::newRow("parabola: a overflows at x = -50") << false << 1e36f << 0.0f << 0.0f;
        QTest::newRow("parabola: mapping at x = -50") << false << 1e34f << 0.0f << 0.0f;
        QTest::newRow("parabola: infinite a") << false << Infinity << 0.0f << 0.0f;
        QTest::newRow("parabola: infinite b") << false << 0.0f << -Infinity << 0.0f;
        QTest::newRow("parabola: infinite c") << false << 0.0f << 0.0f << Infinity;
    }
    void overflowDrawsNothing()
    {
        QFETCH(bool, linear);
        QFETCH(float, a);
        QFETCH(float, b);
        QFETCH(float, c);
        WhiteGraph target;
        try {
            if (linear)
                target.graph.plotLinear(a, b);
            else
                target.graph.plotParabola(a, b, c);
            QFAIL("no error raised");
        } catch (const platform::RuntimeError &error) {
            QCOMPARE(error.number(), 6);
        }
        QVERIFY(target.untouched());
    }

    // y = 1e35 * (x + 50) maps beyond the Single range once x passes about -16.
    void parabolaOverflowPartWayKeepsTheEarlierPasses()
    {
        WhiteGraph target;
        int drawn = 0;
        float lastX = 0;
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError,
                                 ForEachParabolaPass(0.0f, 1e35f, 5e36f, [&](Single &x, Single &y) {
                                     lastX = x;
                                     WorldToCanvas(x, y);
                                     ++drawn;
                                 }));
        QVERIFY2(drawn > 33900 && drawn < 34100, qPrintable(QString::number(drawn)));
        QVERIFY(lastX > -16.1f && lastX < -15.9f);
        // The graph keeps those passes, and only those.
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, target.graph.plotParabola(0.0f, 1e35f, 5e36f));
        QCOMPARE(std::get<RecordedParabola>(target.graph.record().curves().front()).passes, drawn);
    }

    // GCC 12 at -O2 can lose the Single rounding of two coordinates stored
    // together; both must come out as 3982.5.
    void mappedCoordinatesAreRoundedToSingle()
    {
        const float a = 4.82499980926513671875f;
        WhiteGraph target;
        Single x = a;
        Single y = -a;
        target.graph.plotPoint(x, y);
        QCOMPARE(x, 3982.5f);
        QCOMPARE(y, 3982.5f);
        float X = a;
        float Y = -a;
        WorldToCanvas(X, Y);
        const QPointF stored(X, Y);
        QCOMPARE(stored, QPointF(3982.5, 3982.5));
    }
};

CURVISTA_GUI_TEST_MAIN(TestPlotters)
#include "test_plotters.moc"
