#include "panel/SettingsControls.h"

#include "app/AppState.h"

// The pages' controls come with the settings pane; until then the panel's
// frame is the only thing that shows settings, so it is repainted.
void RefreshSettingsControls() {
    if (g_app.controlPanel) InvalidateRect(g_app.controlPanel, nullptr, FALSE);
}
