#pragma once

#include "forms/Button.h"
#include "forms/Container.h"
#include "forms/Control.h"
#include "forms/Enums.h"
#include "forms/Label.h"
#include "forms/Page.h"
#include "forms/Point.h"
#include "forms/ProgressBar.h"
#include "forms/Queue.h"
#include "forms/Region.h"
#include "forms/Session.h"
#include "forms/Tabs.h"
