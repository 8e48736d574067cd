// The framework's core, under MFC's header name: the application, windows, dialogs, message
// maps, data exchange, the standard controls and GDI objects. Texts are std::string in the
// system's code page; the A functions of Win32 are used throughout.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "afx/debug.h"
#include "afx/gdi.h"
#include "afx/message_map.h"
#include "afx/win_app.h"
#include "afx/wnd.h"
#include "afx/dialog.h"
#include "afx/data_exchange.h"
#include "afx/controls.h"
#include "afx/file_find.h"
