#include "equation_text.h"

#include <utility>

namespace graph {

QString EquationText(std::initializer_list<EquationTerm> terms)
{
    QString text = QStringLiteral("y  =  ");
    bool first = true;
    for (const EquationTerm &term : terms) {
        if (!std::exchange(first, false))
            text += QStringLiteral("  +  ");
        text += term.coefficient + term.power;
    }
    return text;
}

} // namespace graph
