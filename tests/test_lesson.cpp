#include "graph/engine/lesson.h"
#include "graph_script_support.h"
#include "test_support.h"

#include <QDir>
#include <QTemporaryDir>

#include <limits>

using namespace graph;
using namespace scripts;

using Curves = std::vector<LessonCurve>;
Q_DECLARE_METATYPE(Curves)

namespace {

QString WriteFile(const QTemporaryDir &dir, const QString &name, const QByteArray &contents)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

QByteArray LessonWith(const QByteArray &curves)
{
    return R"({"format": "curvista-lesson", "version": 1, "colours": {"axes": "#646464", "grid": "#dcdcdc",
               "curves": "#000000", "paper": "#ffffff"}, "curves": [)" +
           curves + "]}";
}

} // namespace

class TestLesson : public QObject
{
    Q_OBJECT

private slots:
    // Every Single comes back as itself, written in its shortest form.
    void roundTrip_data()
    {
        QTest::addColumn<Curves>("curves");
        QTest::addColumn<QByteArray>("written");
        const Single max = std::numeric_limits<Single>::max();
        const Single tiny = std::numeric_limits<Single>::denorm_min();
        // clang-format off
        QTest::newRow("the issue's example") << Curves{LessonLine{1, 10}, LessonParabola{1, 0, -4}} << QByteArray("\"m\": 1");
        QTest::newRow("a tenth, shortest")   << Curves{LessonLine{0.1f, -0.3f}}                     << QByteArray("\"m\": 0.1");
        QTest::newRow("a third")             << Curves{LessonParabola{1.0f / 3, 2.0f / 3, -1.0f / 3}} << QByteArray("0.33333334");
        QTest::newRow("Single's ends")       << Curves{LessonParabola{max, -max, tiny}}             << QByteArray("3.4028235e+38");
        QTest::newRow("no curves")           << Curves{}                                            << QByteArray("\"curves\": [");
        // clang-format on
    }
    void roundTrip()
    {
        QFETCH(Curves, curves);
        QFETCH(QByteArray, written);
        const Lesson lesson{.colors = Dark, .curves = curves};
        const QByteArray json = LessonJson(lesson);
        QVERIFY2(json.contains(written), json.constData());
        const auto read = ParseLesson(json);
        if (const auto *fault = std::get_if<QString>(&read))
            QFAIL(qPrintable(*fault));
        QCOMPARE(std::get<Lesson>(read), lesson);

        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("บทเรียน.curvista"));
        SaveLesson(lesson, path);
        QCOMPARE(OpenLesson(path), lesson);
    }

    // What was drawn since the last clearing, lines and parabolas, with the
    // grid's colors.
    void lessonOfTheGraph()
    {
        TestGraph graph;
        Grid(graph, Light);
        Linear(graph, 5, 5);
        Grid(graph, Dark);
        Linear(graph, 1, 10);
        Point(graph, 1, 1);
        Parabola(graph, 1, 0, -4);
        StoppedParabola(graph);
        const Lesson lesson = LessonOf(graph.record(), Light);
        QCOMPARE(lesson.colors, Dark);
        QCOMPARE(lesson.curves,
                 Curves({LessonLine{1, 10}, LessonParabola{1, 0, -4}, LessonParabola{0.0f, 1e35f, 5e36f}}));
        QCOMPARE(LessonOf(TestGraph().record(), Light).colors, Light);
    }

    // Each is refused with a message that names the file and the fault.
    void badFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("fault");
        const QByteArray many = QByteArray(R"({"kind": "line", "m": 1, "c": 2},)").repeated(100000).chopped(1);
        // clang-format off
        QTest::newRow("not JSON")              << QByteArray("y = x + 1")                                       << "JSON";
        QTest::newRow("another format")        << QByteArray(R"({"format": "drawing", "version": 1})")          << "Curvista";
        QTest::newRow("a later version")       << LessonWith("").replace("\"version\": 1", "\"version\": 2")   << "2";
        QTest::newRow("a missing coefficient") << LessonWith(R"({"kind": "parabola", "a": 1, "c": 2})")         << "b";
        QTest::newRow("a coefficient in words")<< LessonWith(R"({"kind": "line", "m": "one", "c": 2})")         << "m";
        QTest::newRow("beyond Single")         << LessonWith(R"({"kind": "line", "m": 1e39, "c": 2})")          << "m";
        QTest::newRow("an unknown kind")       << LessonWith(R"({"kind": "circle", "r": 1})")                  << "1";
        QTest::newRow("a bad colour")          << LessonWith("").replace("#646464", "grey?")                    << "";
        QTest::newRow("100,000 curves")        << LessonWith(many)                                               << "100000";
        QTest::newRow("50 MB")                 << QByteArray(50 * 1024 * 1024, ' ')                              << "MB";
        // clang-format on
    }
    void badFilesAreRefused()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, fault);
        const QTemporaryDir dir;
        const QString path = WriteFile(dir, QStringLiteral("ครู.curvista"), contents);
        try {
            static_cast<void>(OpenLesson(path));
            QFAIL("no error raised");
        } catch (const platform::RuntimeError &error) {
            QCOMPARE(error.number(), 75);
            QVERIFY2(error.message().contains(QDir::toNativeSeparators(path)), qPrintable(error.message()));
            QVERIFY2(error.message().contains(fault), qPrintable(error.message()));
        }
    }

    void unreadableNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("a folder") << "folder.curvista";
        QTest::newRow("a vanished file") << "gone.curvista";
    }
    void unreadableNamesAreRefused()
    {
        QFETCH(QString, name);
        const QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.curvista")));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, OpenLesson(dir.filePath(name)));
    }

    // A save that fails raises the error, naming the file, and leaves nothing.
    void aFailedSaveIsReported()
    {
        const QTemporaryDir dir;
        const QString path = PlainFileIn(dir) + QStringLiteral("/below/a.curvista");
        try {
            SaveLesson({}, path);
            QFAIL("no error raised");
        } catch (const platform::RuntimeError &error) {
            QCOMPARE(error.number(), 75);
            QVERIFY(error.message().contains(QDir::toNativeSeparators(path)));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("plain")});
    }
};

CURVISTA_GUI_TEST_MAIN(TestLesson)
#include "test_lesson.moc"
