// Speed of the graph engine against the floor of its own arithmetic and
// against a direct port. Prints the ratios of medians measured in this run.
#include "graph/engine/graph_model.h"
#include "graph/engine/lesson.h"
#include "graph/engine/plotters.h"
#include "graph/pictures/graph_export.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>

namespace {

using graph::Single;

constexpr Single A = 1;
constexpr Single B = 0;
constexpr Single C = 0;
const QSize ClientSize(465, 465);

graph::GraphSurface MakeSurface()
{
    graph::GraphSurface surface(ClientSize, 1.0, platform::RGB(255, 255, 255));
    surface.setForeColor(platform::RGB(0, 0, 0));
    return surface;
}

void BM_PlotParabola(benchmark::State &state)
{
    graph::GraphModel graph(ClientSize, platform::RGB(255, 255, 255));
    for (auto _ : state) {
        graph.plotParabola(A, B, C);
        benchmark::ClobberMemory();
    }
}

// The same passes, checks and mapping, with each pixel index going to a sink.
void BM_ParabolaFloor(benchmark::State &state)
{
    graph::GraphSurface surface = MakeSurface();
    const graph::PixelPen pen = surface.pen();
    for (auto _ : state) {
        qsizetype sink = 0;
        graph::ForEachParabolaPass(A, B, C, [&](Single &x, Single &y) {
            graph::WorldToCanvas(x, y);
            sink = pen.pixelIndex(x, y);
            benchmark::DoNotOptimize(sink);
        });
    }
}

void CheckStatus()
{
    if (std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW))
        throw std::overflow_error("floating-point error");
    std::feclearexcept(FE_ALL_EXCEPT);
}

// The loop as a direct port writes it: pow, the floating-point status after
// every store, and a painter call per point.
void BM_NaiveParabola(benchmark::State &state)
{
    QImage image(ClientSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        std::feclearexcept(FE_ALL_EXCEPT);
        for (double counter = -50.0; !(counter > 50.0); counter += 0.001) {
            const auto x = static_cast<Single>(counter);
            const double t = std::pow(static_cast<double>(x), 2.0) * A;
            const double u = static_cast<double>(x) * B;
            CheckStatus();
            const auto y = static_cast<Single>((t + u) + C);
            CheckStatus();
            const auto X = static_cast<Single>(static_cast<double>(x) * 100.0 + 3500.0);
            CheckStatus();
            const auto Y = static_cast<Single>(3500.0 - static_cast<double>(y) * 100.0);
            CheckStatus();
            painter.drawPoint(QPointF(X / 15.0, Y / 15.0));
        }
    }
}

void BM_DrawGrid(benchmark::State &state)
{
    graph::GraphSurface surface = MakeSurface();
    const graph::GridColors colors{platform::RGB(255, 255, 255), platform::RGB(220, 220, 220),
                                   platform::RGB(100, 100, 100), platform::RGB(0, 0, 0)};
    for (auto _ : state) {
        graph::DrawGrid(surface, colors);
        benchmark::ClobberMemory();
    }
}

void BM_PlotLinear(benchmark::State &state)
{
    graph::GraphModel graph(ClientSize, platform::RGB(255, 255, 255));
    for (auto _ : state) {
        graph.plotLinear(1.0f, 10.0f);
        benchmark::ClobberMemory();
    }
}

constexpr int Curves = 100;
constexpr double HighRatio = 2.0;

// The coefficients of the i-th of the hundred parabolas.
graph::RecordedParabola HundredthParabola(int i)
{
    const auto f = static_cast<Single>(i);
    return {0.01f * f - 0.5f, 0.1f * f - 5.0f, f * 0.3f - 15.0f, platform::RGB(0, 0, 0), graph::ParabolaPasses};
}

void BM_HundredParabolas(benchmark::State &state)
{
    graph::GraphModel graph(ClientSize, platform::RGB(255, 255, 255));
    graph.setDevicePixelRatio(HighRatio);
    for (auto _ : state) {
        for (int i = 0; i < Curves; ++i) {
            const graph::RecordedParabola p = HundredthParabola(i);
            graph.plotParabola(p.a, p.b, p.c);
        }
        benchmark::ClobberMemory();
    }
}

// A fresh surface at ratio 2 with the record of the same hundred drawn again.
void BM_ReplayHundredCurves(benchmark::State &state)
{
    graph::GraphModel drawing(ClientSize, platform::RGB(255, 255, 255));
    for (int i = 0; i < Curves; ++i) {
        const graph::RecordedParabola p = HundredthParabola(i);
        drawing.plotParabola(p.a, p.b, p.c);
    }
    for (auto _ : state) {
        QImage image = drawing.rendered(HighRatio);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_SavePngAt4x(benchmark::State &state)
{
    graph::GraphModel drawing(ClientSize, platform::RGB(255, 255, 255));
    drawing.drawGrid({platform::RGB(255, 255, 255), platform::RGB(220, 220, 220), platform::RGB(100, 100, 100),
                      platform::RGB(0, 0, 0)});
    for (int i = 0; i < 5; ++i) {
        const graph::RecordedParabola p = HundredthParabola(i * 20);
        drawing.plotParabola(p.a, p.b, p.c);
    }
    const QTemporaryDir dir;
    const graph::SaveTarget target{dir.filePath(QStringLiteral("graph.png")), graph::ImageFormat::Png, 4};
    for (auto _ : state)
        graph::SaveGraph(drawing, target);
}

// Draws the grid with y = x^2, or with the hundred parabolas, for the file savers.
void DrawSaved(graph::GraphModel &drawing, int parabolas)
{
    drawing.drawGrid({platform::RGB(255, 255, 255), platform::RGB(220, 220, 220), platform::RGB(100, 100, 100),
                      platform::RGB(0, 0, 0)});
    for (int i = 0; i < parabolas; ++i) {
        const graph::RecordedParabola p = parabolas == 1 ? graph::RecordedParabola{A, B, C} : HundredthParabola(i);
        drawing.plotParabola(p.a, p.b, p.c);
    }
}

std::map<std::string, qint64> savedBytes;

// Saves the drawing of state.range(0) parabolas in the format again and again;
// notes the file's size.
void SaveRepeatedly(benchmark::State &state, graph::ImageFormat format, const char *name)
{
    graph::GraphModel drawing(ClientSize, platform::RGB(255, 255, 255));
    DrawSaved(drawing, static_cast<int>(state.range(0)));
    const QTemporaryDir dir;
    const graph::SaveTarget target{dir.filePath(QString::fromLatin1(name)), format, 1};
    for (auto _ : state)
        graph::SaveGraph(drawing, target);
    savedBytes[std::string(name) + "/" + std::to_string(state.range(0))] = QFileInfo(target.path).size();
}

void BM_SaveSvg(benchmark::State &state)
{
    SaveRepeatedly(state, graph::ImageFormat::Svg, "graph.svg");
}

// The baseline of the SVG saves: the same drawing as a PNG at 1x.
void BM_SavePng(benchmark::State &state)
{
    SaveRepeatedly(state, graph::ImageFormat::Png, "graph.png");
}

constexpr int Repetitions = 15;

// A lesson of n curves, half lines and half parabolas, as its file holds it.
graph::Lesson LessonOfCurves(int curves)
{
    graph::Lesson lesson{.colors = {platform::RGB(255, 255, 255), platform::RGB(220, 220, 220),
                                    platform::RGB(100, 100, 100), platform::RGB(0, 0, 0)},
                         .curves = {}};
    for (int i = 0; i < curves; ++i) {
        const auto f = static_cast<Single>(i % 100);
        if (i % 2 == 0)
            lesson.curves.emplace_back(graph::LessonLine{0.1f * f - 5.0f, f * 0.3f - 15.0f});
        else
            lesson.curves.emplace_back(graph::LessonParabola{0.01f * f - 0.5f, 0.1f * f - 5.0f, f * 0.3f - 15.0f});
    }
    return lesson;
}

void DrawLessonCurves(graph::GraphModel &graph, const graph::Lesson &lesson)
{
    graph.drawGrid(lesson.colors);
    for (const graph::LessonCurve &curve : lesson.curves) {
        if (const auto *line = std::get_if<graph::LessonLine>(&curve))
            graph.plotLinear(line->m, line->c);
        else if (const auto *parabola = std::get_if<graph::LessonParabola>(&curve))
            graph.plotParabola(parabola->a, parabola->b, parabola->c);
    }
}

// Opening a lesson file: reading and checking it, then drawing its curves.
void BM_OpenLesson(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lesson.curvista"));
    graph::SaveLesson(LessonOfCurves(static_cast<int>(state.range(0))), path);
    for (auto _ : state) {
        graph::GraphModel graph(ClientSize, platform::RGB(255, 255, 255));
        DrawLessonCurves(graph, graph::OpenLesson(path));
    }
}

// The baseline: the same curves drawn through the routines, no file.
void BM_DrawLessonCurves(benchmark::State &state)
{
    const graph::Lesson lesson = LessonOfCurves(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        graph::GraphModel graph(ClientSize, platform::RGB(255, 255, 255));
        DrawLessonCurves(graph, lesson);
    }
}

// The heap a thousand drawn curves take with their steps of history.
std::size_t HistoryBytes()
{
    const auto inUse = [] { return mallinfo2().uordblks; };
    graph::GraphModel graph(ClientSize, platform::RGB(255, 255, 255));
    graph.drawGrid(LessonOfCurves(0).colors);
    const std::size_t before = inUse();
    for (int i = 0; i < 1000; ++i)
        graph.plotLinear(static_cast<Single>(i), 1);
    return inUse() - before;
}

BENCHMARK(BM_PlotParabola)->Unit(benchmark::kMicrosecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_ParabolaFloor)->Unit(benchmark::kMicrosecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_NaiveParabola)->Unit(benchmark::kMicrosecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawGrid)->Unit(benchmark::kMicrosecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlotLinear)->Unit(benchmark::kMicrosecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_HundredParabolas)->Unit(benchmark::kMillisecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReplayHundredCurves)->Unit(benchmark::kMillisecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_SavePngAt4x)->Unit(benchmark::kMillisecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenLesson)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawLessonCurves)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveSvg)
    ->Arg(1)
    ->Arg(Curves)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SavePng)
    ->Arg(1)
    ->Arg(Curves)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);

// Shows the usual table and keeps each benchmark's median for the ratios.
class MedianCollector : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> medians;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.aggregate_name == "median")
                medians[run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] =
                    run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    // QPainter on a QImage needs a GUI application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianCollector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto &m = reporter.medians;
    const auto ratio = [&m](const char *a, const char *b) {
        return m.count(a) && m.count(b) ? m.at(a) / m.at(b) : std::nan("");
    };
    std::printf("\nMedians of %d repetitions, same run:\n", Repetitions);
    std::printf("  PlotParabola / floor = %.2f (target <= 1.20)\n", ratio("BM_PlotParabola", "BM_ParabolaFloor"));
    std::printf("  PlotParabola / naive = %.2f (target <= 0.25)\n", ratio("BM_PlotParabola", "BM_NaiveParabola"));
    std::printf("  replay of 100 curves at ratio 2 / 100 direct parabolas = %.2f (target <= 1.10)\n",
                ratio("BM_ReplayHundredCurves", "BM_HundredParabolas"));
    if (m.count("BM_SavePngAt4x"))
        std::printf("  save to PNG at 4x: %.1f ms\n", m.at("BM_SavePngAt4x"));
    for (const int parabolas : {1, Curves}) {
        const std::string svg = "BM_SaveSvg/" + std::to_string(parabolas);
        const std::string png = "BM_SavePng/" + std::to_string(parabolas);
        if (!m.count(svg))
            continue;
        std::printf("  grid and %d parabola(s): SVG save / PNG save at 1x = %.2f (SVG %.1f ms, %lld bytes; PNG %lld "
                    "bytes)\n",
                    parabolas, ratio(svg.c_str(), png.c_str()), m.at(svg),
                    static_cast<long long>(savedBytes["graph.svg/" + std::to_string(parabolas)]),
                    static_cast<long long>(savedBytes["graph.png/" + std::to_string(parabolas)]));
    }
    for (const int curves : {100, 1000}) {
        const std::string open = "BM_OpenLesson/" + std::to_string(curves);
        const std::string drawn = "BM_DrawLessonCurves/" + std::to_string(curves);
        if (m.count(open))
            std::printf("  lesson of %d curves: opened / drawn through the routines = %.2f (%.1f ms)\n", curves,
                        ratio(open.c_str(), drawn.c_str()), m.at(open));
    }
    std::printf("  heap of 1000 drawn lines with their history: %zu bytes\n", HistoryBytes());
    return 0;
}
