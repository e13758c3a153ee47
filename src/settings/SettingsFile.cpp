// The settings file's reader and writer are not built yet: the program runs
// on the defaults, which nothing can change so far, so there is nothing to save.
#include "settings/SettingsFile.h"

void LoadSettings() {}

void SaveSettings() {}
