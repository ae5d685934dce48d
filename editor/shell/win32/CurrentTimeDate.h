// The texts of the time/date macros for the present moment.
#pragma once

#include "editor/shell/TimeDateFormat.h"

// The short and long date and the time without and with seconds, in the user's formats.
TimeDateTexts CurrentTimeDateTexts();
