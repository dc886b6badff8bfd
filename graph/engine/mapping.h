#pragma once

#include "graph/engine/single.h"

namespace graph {

// Canvas units (twips) per world unit, and the canvas position of world 0.
constexpr double CanvasPerWorld = 100.0;
constexpr double CanvasOrigin = 3500.0;

// World (x up) to canvas (Y down), each coordinate stored as a Single and
// checked before the next is formed.
inline Single CanvasX(Single x)
{
    return StoreSingle(static_cast<double>(x) * CanvasPerWorld + CanvasOrigin);
}
inline Single CanvasY(Single y)
{
    return StoreSingle(CanvasOrigin - static_cast<double>(y) * CanvasPerWorld);
}

// Overwrites the caller's world coordinates with canvas ones; on overflow of
// y, x already holds its canvas value.
inline void WorldToCanvas(Single &x, Single &y)
{
    x = CanvasX(x);
    y = CanvasY(y);
}

// Canvas to world in double precision, for reading positions off the graph.
inline double WorldX(double X)
{
    return (X - CanvasOrigin) / CanvasPerWorld;
}
inline double WorldY(double Y)
{
    return (CanvasOrigin - Y) / CanvasPerWorld;
}

} // namespace graph
