// The common controls, under MFC's header name: image lists, the list view and the tab control.
#pragma once

#include "afx/afxwin.h"
#include "afx/image_list.h"
#include "afx/list_ctrl.h"
#include "afx/tab_ctrl.h"
