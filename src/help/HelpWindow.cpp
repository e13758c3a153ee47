#include "help/HelpWindow.h"

// The chapters and their window come with the help texts; F1 and the help
// menu already call this entry point.
void OpenHelpWindow(int) {}
