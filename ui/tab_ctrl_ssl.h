// The tab control that hosts the settings pages: one page dialog per tab, the page of the
// selected tab shown and the others hidden, each page fitted into the tab's display area, and
// each page's keyboard focus kept across tab switches. The control handles its own selection
// changes (TCN_SELCHANGING, TCN_SELCHANGE) by reflection, so its parent never sees them; a
// derived class learns of tab changes through the hooks below.
//
// Commands and notifications that reach the control from its children (its pages, its scroll
// arrows) are sent on unchanged to the control's parent, and the parent's answer is theirs; only
// one that a derived class lists in its own map stays with the control. OLE control events,
// which MFC hands to the parent's command routing, do not occur here: the framework hosts no OLE
// controls.
#pragma once

#include "afx/afxcmn.h"
#include "ui/tab_page_ssl.h"

#include <memory>
#include <string>
#include <vector>

class CTabCtrlSSL : public CTabCtrl {
public:
    CTabCtrlSSL() = default;
    // Owned pages that the window's end has not already taken go with the object.
    ~CTabCtrlSSL() override;

    // Adds a tab titled `title` for a page whose window already exists (a child window, not
    // visible); the page becomes a child of the control and stays the caller's. The first
    // page is shown at once, later ones when their tab is selected. pageID is handed to every
    // hook together with the tab index. The new tab's index, or -1 when no tab could be
    // inserted or page is null; no tab is left behind then.
    int AddPage(const std::string& title, int pageID, CTabPageSSL* page);
    // The same for a page that the control owns: it deletes the page after destroying its
    // window. A page that gets no tab is deleted at once.
    int AddOwnedPage(const std::string& title, int pageID, std::unique_ptr<CTabPageSSL> page);

    // Tab on the tabs goes on into the page they show, as the dialog's own order does not.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // A page has just been added at `index`. TRUE (the default) records the active window as
    // the window to focus when the page's tab is entered; FALSE records the window that has the
    // keyboard focus now.
    virtual BOOL OnPageInit(int index, int pageID);
    // The tab at `index` has been entered; its page is already shown.
    virtual void OnPageActivated(int index, int pageID);
    // The tab at `index` is about to be left; its page is still shown.
    virtual void OnPageDeactivating(int index, int pageID);
    // The page at `index` is about to be destroyed with the control.
    virtual void OnPageDestroying(int index, int pageID);

    const MessageMap* GetMessageMap() const override;

    // Moves the page of tab `index` into the display area of a client area cx wide and cy
    // high, beside the band of tabs. Index -1 does nothing.
    void FitPage(int index, int cx, int cy);

private:
    struct TabDelete {
        CTabPageSSL* page;                   // never null while the control holds it
        std::unique_ptr<CTabPageSSL> owned;  // the same page when the control deletes it
    };

    int InsertPage(const std::string& title, int pageID, CTabPageSSL* page,
                   std::unique_ptr<CTabPageSSL> owned);
    void EndGroupAtScrollArrows();
    // Each fails fast for an index outside the tables.
    TabDelete& PageAt(int index);
    HWND& FocusAt(int index);
    int PageIdAt(int index) const;

    void OnSelChanging(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    void OnKillFocus();
    void OnDestroy();
    LRESULT OnCommandFromChild(WPARAM wParam, LPARAM lParam);
    LRESULT OnNotifyFromChild(WPARAM wParam, LPARAM lParam);

    // Parallel, one entry per tab, indexed by the tab index; they grow together by appending
    // and are emptied together.
    std::vector<TabDelete> m_pages;
    std::vector<HWND> m_focus;  // the window to focus when the tab is entered again
    std::vector<int> m_pageIDs;
};
