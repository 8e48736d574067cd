// The start list page: whether the client starts authentication by itself, and the entries it
// starts with, each a card with a profile and, where the profile asks for them, an ID and a
// password.
#pragma once

#include "pages/auto_start_dlg.h"
#include "res/resource.h"
#include "ui/skinned_page.h"

#include <string>
#include <vector>

class CPage1Dlg : public CSkinnedPage {
public:
    enum { IDD = IDD_PAGE_START_LIST };

    // The page's interface texts, in the order the main dialog keeps them: five captions of its
    // own, then five that it hands on to the start entry dialog (CAutoStartDlg's order).
    enum Text {
        kTextAutoStart,    // text 213, checkbox 1029
        kTextExplanation,  // text 214, static 1054
        kTextAdd,          // text 216
        kTextRemove,       // text 217
        kTextModify,       // text 218
        kTextEntryFirst,   // texts 208 to 212, for the start entry dialog
        kTextCount = kTextEntryFirst + CAutoStartDlg::kTextCount
    };

    CPage1Dlg();

    std::string m_strWirelessExt;  // extension of wireless profiles, with its dot (store item 103)
    std::string m_strWiredExt;     // extension of wired profiles (store item 104)
    int m_bLocked = 0;             // non-zero: the auto-start box and the list cannot be changed
    std::string m_strStartList;    // the stored entries' card names, each followed by ";;"
    int m_nStartListCount = 0;     // how many entries the store counts in m_strStartList
    int m_nAutoStart = 0;          // 1: the client starts authentication by itself

    // One start entry's texts, as OK writes them.
    struct EntryTexts {
        std::string card, profile, password, id;
    };
    // The entries in the order the list shows them.
    std::vector<EntryTexts> EntriesInListOrder() const;

protected:
    void InitializeValues() override;
};
