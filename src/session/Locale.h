#pragma once

// The locale is the terminal layer's; painters that still include this name
// get the same declarations.
#include "terminal/Locale.h"
