// The settings pages of the control panel.
#pragma once

// Refills every settings control from AppSettings.
void RefreshSettingsControls();
