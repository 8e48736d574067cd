// The base of every settings page: a child dialog that lives inside the main dialog's tab
// control and hears when its tab is entered and left.
#pragma once

#include "afx/afxwin.h"

class CTabPageSSL : public CDialog {
public:
    explicit CTabPageSSL(UINT nIDTemplate, CWnd* pParent = nullptr);

    // The page's tab has been entered.
    virtual void OnTabPageActivate(int index, int pageID);
    // The page's tab is about to be left.
    virtual void OnTabPageDeactivate(int index, int pageID);

    // Enter and Escape inside the page are the page's own, unless its control takes them.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Enter and Escape inside a page never close the page or the main dialog.
    void OnOK() override;
    void OnCancel() override;
};
