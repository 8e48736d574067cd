// The main settings dialog: the program's only top-level window. It registers itself so that a
// second editor window gives way, reads the client's settings, fetches its interface texts,
// creates the nine pages and gives a tab to each page that is switched on.
#pragma once

#include "afx/afxwin.h"
#include "client/loaded_module.h"
#include "pages/page1_dlg.h"
#include "pages/page2_dlg.h"
#include "pages/page3_dlg.h"
#include "pages/page4_dlg.h"
#include "pages/page5_dlg.h"
#include "pages/page6_dlg.h"
#include "pages/page7_dlg.h"
#include "pages/page8_dlg.h"
#include "pages/page9_dlg.h"
#include "res/resource.h"
#include "ui/interface_texts.h"
#include "ui/vorn_tab_ctrl.h"

#include <memory>
#include <string>
#include <type_traits>

class ModuleInterface;

class COvaSettingsDlg : public CDialog, public TabChangeObserver {
public:
    enum { IDD = IDD_OVASETTINGS_DIALOG };

    explicit COvaSettingsDlg(CWnd* pParent = nullptr);

    // TabChangeObserver: only the page registered at a tab index hears its changes.
    void OnTabActivated(int index, int pageID) override;
    void OnTabDeactivating(int index, int pageID) override;

    // The pages in page order: the order they are created in and hand in their texts.
    enum PageRole : int {
        kStartListPage,
        kAutoConnectPage,
        kDefaultCardPage,
        kGeneralOptionsPage,
        kTrustedRootsPage,
        kWindowsLogonPage,
        kFirewallPage,
        kSwitchPage,
        kStartUpAuthPage,
        kPageCount
    };
    // The page switches of m_bShowPage: a page gets a tab only while its switch is 1.
    enum PageSwitch : int {
        kShowStartList,
        kShowAutoConnect,
        kShowGeneralOptions,
        kShowTrustedRoots,
        kShowWindowsLogon,
        kShowFirewall,
        kShowSwitch,
        kShowDefaultCard,
        kShowStartUpAuth,
        kPageSwitchCount
    };
    static constexpr int kTabPageSlots = 10;
    static constexpr int kOptionsSize = 1024;

    int m_bRegistered = 0;
    CPage1Dlg m_page1;  // start list
    CPage2Dlg m_page2;  // auto-connect
    CPage3Dlg m_page3;  // default card
    CPage4Dlg m_page4;  // general options
    CPage5Dlg m_page5;  // trusted root certificates
    CPage6Dlg m_page6;  // Windows logon
    CPage7Dlg m_page7;  // firewall policy
    CPage8Dlg m_page8;  // wired/wireless switch
    CPage9Dlg m_page9;  // start-up authentication
    std::string m_strPageTitle[kPageTitleCount];
    std::string m_strPageText[kPageTextCount];
    char m_szOptions[kOptionsSize] = {};
    int m_bDebugDataAtLoad = 0;
    std::string m_strInstallDir;
    // By PageSwitch: the first four are on until the store says otherwise.
    int m_bShowPage[kPageSwitchCount] = {1, 1, 1, 1, 0, 0, 0, 0, 0};
    CTabPageSSL* m_pTabPage[kTabPageSlots] = {};  // by tab index: who hears that tab's changes
    int m_nStartUpMode = 0;
    std::string m_strVersion;
    int m_nDpi = 96;
    unsigned char m_bSiteIcon = 0;
    CStatic m_staticVersion;
    CButton m_buttonHelp;
    CButton m_buttonCancel;
    CButton m_buttonOk;
    CVornTabCtrl m_tabPages;
    HICON m_hIcon = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Ctrl+Tab and Ctrl+Page Down go to the next tab, with Shift or Page Up to the one before.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Every page takes its values back from its controls, then everything is written; the
    // dialog ends only when that succeeds.
    void OnOK() override;
    // Nothing while OK is writing.
    void OnCancel() override;
    const MessageMap* GetMessageMap() const override;

private:
    bool RegisterEditor();
    void UnregisterEditor();
    // HOLD keeps the store module mapped after a successful reading.
    bool LoadSettings(ModuleHold* hold);
    bool ReadSettings(ModuleInterface* store, DWORD* stopNumber);
    void ApplyLockMask(const std::string& mask);
    void ChooseIcon();
    void ShowVersionText();
    void HandTextsToPages();
    void CreatePages();
    void AddTabs();
    bool TakeValuesAndApply();

    void OnHelp();
    void OnPaint();
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    void OnDestroy();

    struct IconDestroyer {
        void operator()(HICON icon) const { DestroyIcon(icon); }
    };
    // the installation's icon file, when it is the window's icon
    std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer> m_siteIcon;
    // The boxes OK shows while it writes have no owner and leave the dialog usable: another OK
    // then would write everything again inside the first, a Cancel end the dialog half written.
    bool m_bApplying = false;
};
