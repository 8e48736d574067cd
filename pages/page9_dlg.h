// The start-up authentication page: whether the client authenticates when Windows starts, and
// with which wired or wireless profile.
#pragma once

#include "afx/afxwin.h"
#include "res/resource.h"
#include "store/profile_catalogue.h"
#include "ui/skinned_page.h"

#include <string>
#include <vector>

class CPage9Dlg : public CSkinnedPage {
public:
    enum { IDD = IDD_PAGE_STARTUP_AUTH };

    // The page's interface texts, in the order the main dialog keeps them.
    enum Text {
        kTextWired,            // text 260, radio 1078
        kTextWireless,         // text 261, radio 1079
        kTextWiredProfile,     // text 262, label 1083
        kTextWirelessProfile,  // text 263, label 1084
        kTextStartUpAuth,      // text 264, checkbox 1087
        kTextCount
    };

    CPage9Dlg();

    // Handed in by the main dialog: 1, the choice lives in a Startup-folder shortcut; any other
    // value, in the registry.
    int m_nStartUpMode = 0;

    // Every profile of both folders, by kind; the lists show them in this order, so that a list's
    // index is an index here, which OK relies on.
    std::vector<ProfileEntry> m_WiredProfiles;
    std::vector<ProfileEntry> m_WirelessProfiles;

    CComboBox m_comboWired;
    CComboBox m_comboWireless;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void InitializeValues() override;
    const MessageMap* GetMessageMap() const override;

private:
    void LoadFromRegistry();
    void LoadFromShortcut();
    // Ticks the wired or the wireless radio and makes its list the usable one.
    void ChooseKind(bool wired);
    void EnableKindList(bool wired);
    void OnKindChosen(bool wired);
    void OnWired() { OnKindChosen(true); }
    void OnWireless() { OnKindChosen(false); }
    void OnStartUpAuth();
};
