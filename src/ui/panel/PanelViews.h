// The program's windows as the commands' views: the table and the caption
// follow the list, the status line shows outcomes, and the questions are
// message boxes owned by the control panel.
#pragma once

#include "commands/Views.h"

Views& ProgramViews();
