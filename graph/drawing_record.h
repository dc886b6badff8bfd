#pragma once

#include "graph/drawing.h"

#include <QSizeF>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

class QPainter;

namespace graph {

// What one graph routine drew: the Singles it was given, as world
// coordinates or coefficients, and the fore colour it drew in.
struct RecordedPoint
{
    Single x;
    Single y;
    Colour colour;
};

struct RecordedSegment
{
    Single x1;
    Single y1;
    Single x2;
    Single y2;
    Colour colour;
};

struct RecordedLinear
{
    Single m;
    Single c;
    Colour colour;
};

struct RecordedParabola
{
    Single a;
    Single b;
    Single c;
    Colour colour;
    std::int32_t passes; // drawn before an error stopped it, or all of them
};

using RecordedCurve = std::variant<RecordedPoint, RecordedSegment, RecordedLinear, RecordedParabola>;

// What was drawn on a graph since it was created: the grid with its colours,
// then each curve in order. Enough to draw it all again at any ratio.
class DrawingRecord
{
public:
    // The grid erases everything before it, so the record starts again with it.
    void recordGrid(const GridColours &colours);
    void recordCurve(const RecordedCurve &curve);

    [[nodiscard]] const std::optional<GridColours> &grid() const { return m_grid; }
    [[nodiscard]] const std::vector<RecordedCurve> &curves() const { return m_curves; }
    // The bytes the record holds, spare capacity included.
    [[nodiscard]] std::size_t memoryBytes() const;

    // Draws it all again on a surface that shows nothing but its back colour;
    // leaves the last colour drawn in selected.
    void replay(GraphSurface &surface) const;
    // The same drawing as vectors, in logical pixels over an area of the given
    // size: lines as lines, points as one-pixel squares centred on their exact
    // positions.
    void paint(QPainter &painter, QSizeF logicalSize) const;

private:
    std::optional<GridColours> m_grid;
    std::vector<RecordedCurve> m_curves;
};

} // namespace graph
