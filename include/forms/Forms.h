#pragma once

/// @file
/// Includes every header of the forms library.

#include "forms/Button.h"
#include "forms/Canvas.h"
#include "forms/CheckBox.h"
#include "forms/Choice.h"
#include "forms/Container.h"
#include "forms/Control.h"
#include "forms/Dialog.h"
#include "forms/Enums.h"
#include "forms/Export.h"
#include "forms/Grid.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/Page.h"
#include "forms/Point.h"
#include "forms/ProgressBar.h"
#include "forms/Queue.h"
#include "forms/RadioGroup.h"
#include "forms/Region.h"
#include "forms/ScrollBox.h"
#include "forms/Session.h"
#include "forms/Stack.h"
#include "forms/Tabs.h"
#include "forms/Version.h"
#include "forms/TextBox.h"
