#include "app/AppState.h"

#include "caption/Caption.h"
#include "panel/ControlPanel.h"

AppState::AppState() : panel(std::make_unique<ControlPanel>()), caption(std::make_unique<Caption>()) {}

AppState::~AppState() = default;

AppState g_app;
