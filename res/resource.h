// Resource ids of OvaSettings. An id carries its kind in its name.
#pragma once

#define IDR_MAINFRAME 128  // icon of the window

#define IDD_OVASETTINGS_DIALOG 102  // main settings dialog

#define IDC_BUTTON_HELP 1000
#define IDC_TAB_PAGES 1001
#define IDC_STATIC_VERSION 1064

#include "res/ids_pages_first.h"
#include "res/ids_pages_second.h"
#include "res/ids_artwork.h"
