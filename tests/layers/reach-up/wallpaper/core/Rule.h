// A window-free rule that includes a window.
#include "settings/IniFile.h"
#include "toolkit/core/Rules.h"
#include "wallpaper/Unit_Window.h"
