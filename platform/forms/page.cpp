#include "page.h"

#include <QtGlobal>

#ifdef Q_OS_WASM
#include <emscripten/val.h>

#include <string>
#endif

namespace platform {

void TellPage([[maybe_unused]] const char *hook)
{
#ifdef Q_OS_WASM
    const emscripten::val function = emscripten::val::global(hook);
    if (function.typeOf().as<std::string>() == "function")
        function();
#endif
}

} // namespace platform
