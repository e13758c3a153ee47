#include "app/AppState.h"

#include "app/ListFileWatch.h"
#include "ui/caption/Caption.h"
#include "ui/panel/ControlPanel.h"

AppState::AppState()
    : panel(std::make_unique<ControlPanel>()),
      caption(std::make_unique<Caption>()),
      listWatch(std::make_unique<ListFileWatcher>()) {}

AppState::~AppState() = default;

AppState g_app;
