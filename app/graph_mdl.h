#pragma once

#include "graph/window/graph_mdl_routines.h"
#include "settings/settings.h"

namespace graph_mdl {

// The program's start: default colors, then the splash window.
void Main();

} // namespace graph_mdl
