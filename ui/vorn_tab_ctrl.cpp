#include "ui/vorn_tab_ctrl.h"

BOOL CVornTabCtrl::SetObserver(TabChangeObserver* observer) {
    if (m_pObserver != nullptr) return FALSE;
    m_pObserver = observer;
    return TRUE;
}

void CVornTabCtrl::OnPageActivated(int index, int pageID) {
    if (m_pObserver != nullptr) m_pObserver->OnTabActivated(index, pageID);
}

void CVornTabCtrl::OnPageDeactivating(int index, int pageID) {
    if (m_pObserver != nullptr) m_pObserver->OnTabDeactivating(index, pageID);
}
