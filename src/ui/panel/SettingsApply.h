// Reading the settings controls back into AppSettings and applying them to
// the caption, with or without a status message.
#pragma once

// Reads every settings control, applies the result to the caption and saves;
// false when the settings could not be saved.
bool ApplySettingsFromPanel();

// The same when a settings box is left (or Enter pressed in the speed box):
// the clamped values are shown again and the outcome reported.
void ApplySettingsWithStatus();
