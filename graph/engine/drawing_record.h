#pragma once

#include "graph/engine/grid.h"
#include "graph/engine/surface.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace graph {

// What one graph routine drew: the Singles it was given, as world
// coordinates or coefficients, and the fore color it drew in.
struct RecordedPoint
{
    Single x;
    Single y;
    Color color;

    bool operator==(const RecordedPoint &) const = default;
};

struct RecordedSegment
{
    Single x1;
    Single y1;
    Single x2;
    Single y2;
    Color color;

    bool operator==(const RecordedSegment &) const = default;
};

struct RecordedLinear
{
    Single m;
    Single c;
    Color color;

    bool operator==(const RecordedLinear &) const = default;
};

struct RecordedParabola
{
    Single a;
    Single b;
    Single c;
    Color color;
    std::int32_t passes; // drawn before an error stopped it, or all of them

    bool operator==(const RecordedParabola &) const = default;
};

using RecordedCurve = std::variant<RecordedPoint, RecordedSegment, RecordedLinear, RecordedParabola>;

// What a graph shows: the color it was created in, the grid with its colors,
// then each curve in order. Enough to draw it all again at any ratio.
class DrawingRecord
{
public:
    explicit DrawingRecord(Color freshColor = {}) : m_freshColor(freshColor) {}

    // The grid erases everything before it, so the record starts again with it.
    void recordGrid(const GridColors &colors);
    void recordCurve(const RecordedCurve &curve);
    void removeLastCurve()
    {
        if (!m_curves.empty())
            m_curves.pop_back();
    }

    // What the graph shows before any grid is drawn.
    [[nodiscard]] Color freshColor() const { return m_freshColor; }
    // The color the next curve is drawn in: the plot color the grid left
    // selected, or the window's own until a grid is drawn.
    [[nodiscard]] Color foreColor() const { return m_grid ? m_grid->plot : Color{}; }
    [[nodiscard]] bool empty() const { return !m_grid && m_curves.empty(); }

    [[nodiscard]] const std::optional<GridColors> &grid() const { return m_grid; }
    [[nodiscard]] const std::vector<RecordedCurve> &curves() const { return m_curves; }
    // The bytes the record holds, spare capacity included.
    [[nodiscard]] std::size_t memoryBytes() const;

    bool operator==(const DrawingRecord &) const = default;

private:
    Color m_freshColor;
    std::optional<GridColors> m_grid;
    std::vector<RecordedCurve> m_curves;
};

} // namespace graph
