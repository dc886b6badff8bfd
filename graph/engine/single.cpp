#include "single.h"

namespace graph {

void RaiseFloatingPointError()
{
    throw platform::RuntimeError(platform::ErrorCode::Overflow);
}

} // namespace graph
