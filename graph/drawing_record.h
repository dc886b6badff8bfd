#pragma once

#include "graph/drawing.h"

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
};

struct RecordedSegment
{
    Single x1;
    Single y1;
    Single x2;
    Single y2;
    Color color;
};

struct RecordedLinear
{
    Single m;
    Single c;
    Color color;
};

struct RecordedParabola
{
    Single a;
    Single b;
    Single c;
    Color color;
    std::int32_t passes; // drawn before an error stopped it, or all of them
};

using RecordedCurve = std::variant<RecordedPoint, RecordedSegment, RecordedLinear, RecordedParabola>;

// What was drawn on a graph since it was created: the grid with its colors,
// then each curve in order. Enough to draw it all again at any ratio.
class DrawingRecord
{
public:
    // The grid erases everything before it, so the record starts again with it.
    void recordGrid(const GridColors &colors);
    void recordCurve(const RecordedCurve &curve);

    [[nodiscard]] const std::optional<GridColors> &grid() const { return m_grid; }
    [[nodiscard]] const std::vector<RecordedCurve> &curves() const { return m_curves; }
    // The bytes the record holds, spare capacity included.
    [[nodiscard]] std::size_t memoryBytes() const;

    // Draws it all again on a surface that shows nothing but its back color;
    // leaves the last color drawn in selected.
    void replay(GraphSurface &surface) const;

private:
    std::optional<GridColors> m_grid;
    std::vector<RecordedCurve> m_curves;
};

} // namespace graph
