// The common dialogs, under MFC's header name: the open-file dialog.
#pragma once

#include "afx/afxwin.h"
#include "afx/file_dialog.h"
