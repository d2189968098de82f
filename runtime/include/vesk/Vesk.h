#pragma once

/// @file
/// Includes every header of the runtime library.

#include "vesk/ConsoleTitle.h"
#include "vesk/Event.h"
#include "vesk/Format.h"
#include "vesk/KeyDecoder.h"
#include "vesk/Keyboard.h"
#include "vesk/Object.h"
#include "vesk/Timer.h"
