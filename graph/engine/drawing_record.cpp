#include "drawing_record.h"

namespace graph {

void DrawingRecord::recordGrid(const GridColors &colors)
{
    m_curves.clear();
    m_grid = colors;
}

void DrawingRecord::recordCurve(const RecordedCurve &curve)
{
    m_curves.push_back(curve);
}

std::size_t DrawingRecord::memoryBytes() const
{
    return sizeof(*this) + m_curves.capacity() * sizeof(RecordedCurve);
}

} // namespace graph
