// The framework's extensions, under MFC's header name: the bitmap button.
#pragma once

#include "afx/afxwin.h"
#include "afx/bitmap_button.h"
