// Ids of the program's own pictures (drawn by tools/make-artwork, kept in res/art). The window
// icon, IDR_MAINFRAME, is in resource.h.
#pragma once

// Profile kinds in the start list's image list: image 0 wireless, image 1 wired.
#define IDI_PROFILE_WIRED 154
#define IDI_PROFILE_WIRELESS 155

// The start entry dialog's image buttons, 61 x 21 pixels.
#define IDB_OK_PRESSED 138
#define IDB_CANCEL_NORMAL 139
#define IDB_CANCEL_PRESSED 140
#define IDB_OK_NORMAL 145

// The certificate list's icon: images 17 pixels wide, RGB(0, 128, 128) transparent.
#define IDB_CERTIFICATE 153
