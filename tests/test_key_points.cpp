#include "graph/engine/key_points.h"
#include "graph/engine/plotters.h"
#include "test_support.h"

using namespace graph;

using Points = QList<QPointF>;
Q_DECLARE_METATYPE(graph::Polynomial)

namespace {

Points At(const std::vector<KeyPoint> &points, KeyPointKind kind)
{
    Points at;
    for (const KeyPoint &point : points)
        if (point.kind == kind)
            at << point.at;
    return at;
}

} // namespace

class TestKeyPoints : public QObject
{
    Q_OBJECT

private slots:
    void pointsOfOneCurve_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("c");
        QTest::addColumn<Points>("vertex");
        QTest::addColumn<Points>("roots");
        QTest::addColumn<Points>("xIntercepts");
        QTest::addColumn<Points>("yIntercepts");
        // clang-format off
        QTest::newRow("y = x^2 - 4")          << 1.0 << 0.0 << -4.0 << Points{{0, -4}}    << Points{{-2, 0}, {2, 0}} << Points{} << Points{{0, -4}};
        QTest::newRow("no real roots")        << 1.0 << 0.0 << 4.0  << Points{{0, 4}}     << Points{}                << Points{} << Points{{0, 4}};
        QTest::newRow("a double root")        << 1.0 << -2.0 << 1.0 << Points{{1, 0}}     << Points{{1, 0}}          << Points{} << Points{{0, 1}};
        QTest::newRow("vertex off the grid")  << 1.0 << -80.0 << 0.0 << Points{}          << Points{{0, 0}}          << Points{} << Points{{0, 0}};
        QTest::newRow("a = 0 is a line")      << 0.0 << 2.0 << 10.0 << Points{}           << Points{}                << Points{{-5, 0}} << Points{{0, 10}};
        QTest::newRow("a level line")         << 0.0 << 0.0 << 3.0  << Points{}           << Points{}                << Points{} << Points{{0, 3}};
        QTest::newRow("crossing off the grid")<< 0.0 << 0.01 << 1.0 << Points{}           << Points{}                << Points{} << Points{{0, 1}};
        // clang-format on
    }
    void pointsOfOneCurve()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, c);
        const std::vector<KeyPoint> points = KeyPointsOf(Polynomial{a, b, c});
        QTEST(At(points, KeyPointKind::Vertex), "vertex");
        QTEST(At(points, KeyPointKind::Root), "roots");
        QTEST(At(points, KeyPointKind::XIntercept), "xIntercepts");
        QTEST(At(points, KeyPointKind::YIntercept), "yIntercepts");
    }

    void intersections_data()
    {
        QTest::addColumn<Polynomial>("one");
        QTest::addColumn<Polynomial>("other");
        QTest::addColumn<Points>("points");
        // clang-format off
        QTest::newRow("two lines")          << Polynomial{0, 1, 0}  << Polynomial{0, -1, 4} << Points{{2, 2}};
        QTest::newRow("parallel lines")     << Polynomial{0, 1, 0}  << Polynomial{0, 1, 4}  << Points{};
        QTest::newRow("the same line")      << Polynomial{0, 1, 0}  << Polynomial{0, 1, 0}  << Points{};
        QTest::newRow("a tangent line")     << Polynomial{1, 0, 0}  << Polynomial{0, 2, -1} << Points{{1, 1}};
        QTest::newRow("a line through")     << Polynomial{1, 0, -4} << Polynomial{0, 0, 0}  << Points{{-2, 0}, {2, 0}};
        QTest::newRow("off the grid")       << Polynomial{0, 1, 0}  << Polynomial{0, 0.5, 30} << Points{};
        // clang-format on
    }
    void intersections()
    {
        QFETCH(Polynomial, one);
        QFETCH(Polynomial, other);
        QTEST(At(Intersections(one, other), KeyPointKind::Intersection), "points");
    }

    // The record's lines and parabolas, coefficients as drawn in Single.
    void pointsOfARecord()
    {
        DrawingRecord record;
        record.recordCurve(RecordedLinear{1, 0, {}});
        record.recordCurve(RecordedPoint{3, 3, {}});
        record.recordCurve(RecordedParabola{0.1f, 0, 0, {}, ParabolaPasses});
        const std::vector<KeyPoint> points = KeyPointsOf(record);
        QCOMPARE(At(points, KeyPointKind::Intersection).size(), 2);
        QCOMPARE(At(points, KeyPointKind::Vertex), Points{QPointF(0, 0)});
        // 0.1 as a Single is slightly more than 0.1: the crossing is just short of 10.
        const Points crossings = At(points, KeyPointKind::Intersection);
        const QPointF far = crossings[0].x() > crossings[1].x() ? crossings[0] : crossings[1];
        QVERIFY(far.x() < 10.0 && far.x() > 9.99999);
    }
};

CURVISTA_GUI_TEST_MAIN(TestKeyPoints)
#include "test_key_points.moc"
