// The main dialog's tab control: the page framework's control that tells one listener when a
// tab is left and when a tab is entered.
#pragma once

#include "ui/tab_ctrl_ssl.h"

// Hears the tab changes of a CVornTabCtrl. The control only uses it, never deletes it.
class TabChangeObserver {
public:
    // The tab at `index` has been entered; its page is shown.
    virtual void OnTabActivated(int index, int pageID) = 0;
    // The tab at `index` is about to be left; its page is still shown.
    virtual void OnTabDeactivating(int index, int pageID) = 0;

protected:
    ~TabChangeObserver() = default;
};

class CVornTabCtrl : public CTabCtrlSSL {
public:
    // Sets the one listener. FALSE, and the listener set before is kept, when one is already
    // set.
    BOOL SetObserver(TabChangeObserver* observer);

protected:
    void OnPageActivated(int index, int pageID) override;
    void OnPageDeactivating(int index, int pageID) override;

private:
    TabChangeObserver* m_pObserver = nullptr;
};
