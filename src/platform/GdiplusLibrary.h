// gdiplus.dll from the system folder, loaded on first use (see the .cpp).
#pragma once

#include <string>

// True when GDI+ can be used; otherwise `missing` names what is missing.
bool LoadGdiplus(std::wstring& missing);
