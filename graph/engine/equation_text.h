#pragma once

#include <QString>

#include <initializer_list>

namespace graph {

// A term of an equation's right-hand side: its coefficient as written, and
// the power of x after it ("x", "x²", or nothing for the constant).
struct EquationTerm
{
    QString coefficient;
    QString power;
};

// "y  =  2x  +  10": the terms joined as the equation dialogs write the
// current equation, and the printed page its list.
QString EquationText(std::initializer_list<EquationTerm> terms);

} // namespace graph
