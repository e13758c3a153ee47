// The program's version, shared by the resource script and the code.
#pragma once

#define VELMARO_VERSION_MAJOR 2
#define VELMARO_VERSION_MINOR 1
#define VELMARO_VERSION_PATCH 3
#define VELMARO_VERSION_TEXT "2.1.3"
#define VELMARO_VERSION_WTEXT L"2.1.3"
