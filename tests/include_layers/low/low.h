#pragma once

// Reaches up into the layer that builds on it.
#include "high/high.h"
