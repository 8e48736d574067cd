// Every caption of the interface, fetched from the client's text module in one pass, so that the
// whole editor speaks the client's language.
#pragma once

#include "afx/afxwin.h"

#include <string>

// The tab titles, kept by page: in page order, except that the start-up authentication page's
// title comes before the switch page's.
enum PageTitle : int {
    kTitleStartList,
    kTitleAutoConnect,
    kTitleDefaultCard,
    kTitleGeneralOptions,
    kTitleTrustedRoots,
    kTitleWindowsLogon,
    kTitleFirewall,
    kTitleStartUpAuth,
    kTitleSwitch,
    kPageTitleCount
};

// The pages' texts, one run per page in page order.
constexpr int kPageTextCount = 50;

// Fetches the texts in their fixed order: the tab titles into PAGE_TITLE, the pages' texts into
// PAGE_TEXT, and the button captions and the window title straight onto DIALOG's controls. A
// missing Help caption (207) hides the Help button; a missing 223 or 258 leaves its text empty.
// Any other missing text ends the pass with the error the module reports, and false; so does a
// text module that cannot be loaded (8007) or has no factory (8008).
bool LoadInterfaceTexts(CWnd& dialog, std::string (&pageTitle)[kPageTitleCount],
                        std::string (&pageText)[kPageTextCount]);
