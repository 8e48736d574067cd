#include "ui/tab_ctrl_ssl.h"

#include <utility>

namespace {

// The gap between the display area's edges and the page, on every side.
constexpr int kPageMargin = 4;

}  // namespace

CTabCtrlSSL::~CTabCtrlSSL() {
    // As when the window ends: from the highest index down. The tables stay whole meanwhile, so
    // that what a page's destruction sends to the control (a focus change) still finds its tab.
    for (auto it = m_pages.rbegin(); it != m_pages.rend(); ++it) {
        if (!it->owned) continue;
        it->page = nullptr;
        it->owned.reset();
    }
}

int CTabCtrlSSL::AddPage(const std::string& title, int pageID, CTabPageSSL* page) {
    return InsertPage(title, pageID, page, nullptr);
}

int CTabCtrlSSL::AddOwnedPage(const std::string& title, int pageID,
                              std::unique_ptr<CTabPageSSL> page) {
    CTabPageSSL* view = page.get();
    return InsertPage(title, pageID, view, std::move(page));
}

int CTabCtrlSSL::InsertPage(const std::string& title, int pageID, CTabPageSSL* page,
                            std::unique_ptr<CTabPageSSL> owned) {
    const int index = GetItemCount();
    if (InsertItem(index, title.c_str()) < 0) return -1;
    if (page == nullptr) {
        DeleteItem(index);
        return -1;
    }
    m_pages.push_back(TabDelete{page, std::move(owned)});
    m_pageIDs.push_back(pageID);
    page->SetParent(this);
    EndGroupAtScrollArrows();

    RECT client = {};
    GetClientRect(&client);
    const int cx = client.right - client.left;
    const int cy = client.bottom - client.top;
    // A control not laid out yet has nothing to fit into; the page is fitted when it is entered.
    if (cx > 0 && cy > 0) FitPage(index, cx, cy);

    m_focus.push_back(OnPageInit(index, pageID) ? ::GetActiveWindow() : ::GetFocus());
    if (index == 0) page->ShowWindow(SW_SHOW);
    return index;
}

// The scroll arrows the control makes once its tabs overflow are its child after the pages, and
// so in the keyboard group the shown page ends with: an arrow key there would carry the focus onto
// them, where it can no longer be seen. Starting a group of their own keeps the page's groups its
// own.
void CTabCtrlSSL::EndGroupAtScrollArrows() {
    const HWND arrows = ::FindWindowExA(m_hWnd, nullptr, UPDOWN_CLASSA, nullptr);
    if (arrows == nullptr) return;
    const LONG style = ::GetWindowLongA(arrows, GWL_STYLE);
    if (!(style & WS_GROUP)) ::SetWindowLongA(arrows, GWL_STYLE, style | WS_GROUP);
}

BOOL CTabCtrlSSL::OnPageInit(int, int) {
    return TRUE;
}

void CTabCtrlSSL::OnPageActivated(int, int) {}

void CTabCtrlSSL::OnPageDeactivating(int, int) {}

void CTabCtrlSSL::OnPageDestroying(int, int) {}

void CTabCtrlSSL::FitPage(int index, int cx, int cy) {
    if (index == -1) return;
    CTabPageSSL* page = PageAt(index).page;
    if (page == nullptr) return;

    RECT item = {};
    GetItemRect(index, &item);
    const int rows = GetRowCount();
    const DWORD style = GetStyle();
    // TCS_RIGHT and TCS_BOTTOM are the same bit: the band of tabs is on the far side.
    const bool farSide = (style & TCS_BOTTOM) != 0;
    int x = kPageMargin;
    int y = kPageMargin;
    int width = 0;
    int height = 0;
    if ((style & TCS_VERTICAL) != 0) {
        const int band = rows * (item.right - item.left);
        if (!farSide) x = band + kPageMargin;
        width = cx - band - 2 * kPageMargin;
        height = cy - 2 * kPageMargin;
    } else {
        const int band = rows * (item.bottom - item.top);
        if (!farSide) y = band + kPageMargin;
        width = cx - 2 * kPageMargin;
        height = cy - band - 2 * kPageMargin;
    }
    page->SetWindowPos(nullptr, x, y, width, height, SWP_NOZORDER);
}

CTabCtrlSSL::TabDelete& CTabCtrlSSL::PageAt(int index) {
    AFX_ASSERT(index >= 0 && static_cast<std::size_t>(index) < m_pages.size());
    return m_pages[static_cast<std::size_t>(index)];
}

HWND& CTabCtrlSSL::FocusAt(int index) {
    AFX_ASSERT(index >= 0 && static_cast<std::size_t>(index) < m_focus.size());
    return m_focus[static_cast<std::size_t>(index)];
}

int CTabCtrlSSL::PageIdAt(int index) const {
    AFX_ASSERT(index >= 0 && static_cast<std::size_t>(index) < m_pageIDs.size());
    return m_pageIDs[static_cast<std::size_t>(index)];
}

const MessageMap* CTabCtrlSSL::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        ReflectNotifyEntry(TCN_SELCHANGING, &CTabCtrlSSL::OnSelChanging),
        ReflectNotifyEntry(TCN_SELCHANGE, &CTabCtrlSSL::OnSelChange),
        MessageEntry(WM_SETFOCUS, &CTabCtrlSSL::OnSetFocus),
        MessageEntry(WM_KILLFOCUS, &CTabCtrlSSL::OnKillFocus),
        MessageEntry(WM_DESTROY, &CTabCtrlSSL::OnDestroy),
        MessageEntry(WM_COMMAND, &CTabCtrlSSL::OnCommandFromChild),
        MessageEntry(WM_NOTIFY, &CTabCtrlSSL::OnNotifyFromChild),
    };
    static const MessageMap map{CTabCtrl::GetMessageMap(), entries};
    return &map;
}

// The dialog manager looks for the next control after the tabs, not inside them; back from the
// page (Shift+Tab) it goes on to the control before the tabs.
BOOL CTabCtrlSSL::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_TAB || pMsg->hwnd != m_hWnd ||
        ::GetKeyState(VK_SHIFT) < 0 || ::GetKeyState(VK_CONTROL) < 0)
        return FALSE;
    const int index = GetCurSel();
    CTabPageSSL* page = index == -1 ? nullptr : PageAt(index).page;
    HWND first = page != nullptr ? ::GetNextDlgTabItem(page->m_hWnd, nullptr, FALSE) : nullptr;
    if (first == nullptr) return FALSE;
    ::SendMessageA(::GetAncestor(m_hWnd, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first),
                   TRUE);
    return TRUE;
}

// The page being left is still shown when the hook runs; its focus is kept for its return.
void CTabCtrlSSL::OnSelChanging(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    const int index = GetCurSel();
    if (index == -1) return;
    OnPageDeactivating(index, PageIdAt(index));
    CTabPageSSL* page = PageAt(index).page;
    if (page == nullptr) return;
    FocusAt(index) = ::GetFocus();
    page->ShowWindow(SW_HIDE);
}

// The page entered is shown before the hook runs.
void CTabCtrlSSL::OnSelChange(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    const int index = GetCurSel();
    if (index == -1) return;
    if (CTabPageSSL* page = PageAt(index).page) {
        // A page entered before any window was kept for it leaves the focus on the tabs rather
        // than with nobody, or in the page just hidden.
        HWND focus = FocusAt(index);
        ::SetFocus(focus != nullptr ? focus : m_hWnd);
        RECT client = {};
        GetClientRect(&client);
        FitPage(index, client.right - client.left, client.bottom - client.top);
        page->ShowWindow(SW_SHOW);
    }
    OnPageActivated(index, PageIdAt(index));
}

// The tabs pass the focus they receive on to where the current page had it. Focus that comes
// from inside the current page is where the page has it now: the tabs take the focus when a tab
// is pressed, under Wine before the page is left.
LRESULT CTabCtrlSSL::OnSetFocus(WPARAM wParam, LPARAM) {
    Default();
    const int index = GetCurSel();
    if (index == -1) return 0;
    const HWND previous = reinterpret_cast<HWND>(wParam);
    const CTabPageSSL* page = PageAt(index).page;
    if (previous != nullptr && page != nullptr && ::IsChild(page->m_hWnd, previous))
        FocusAt(index) = previous;
    HWND focus = FocusAt(index);
    if (focus != nullptr) ::SetFocus(focus);
    return 0;
}

// Whatever takes the focus from the tabs is where the current page gets it back.
void CTabCtrlSSL::OnKillFocus() {
    Default();
    const int index = GetCurSel();
    if (index == -1) return;
    FocusAt(index) = ::GetFocus();
}

void CTabCtrlSSL::OnDestroy() {
    for (int index = static_cast<int>(m_pages.size()) - 1; index >= 0; --index) {
        OnPageDestroying(index, PageIdAt(index));
        CTabPageSSL* page = PageAt(index).page;
        if (page == nullptr) continue;
        page->DestroyWindow();
        TabDelete& record = PageAt(index);
        if (!record.owned) continue;
        record.page = nullptr;
        record.owned.reset();
    }
    m_pages.clear();
    m_focus.clear();
    m_pageIDs.clear();
    // No tab stays selected once the pages are gone, so that a focus change that still reaches
    // the control while it ends finds no selected tab rather than a tab without a page. The tabs
    // themselves go with the window: deleting them first would lay out the rest again per tab.
    SetCurSel(-1);
    CTabCtrl::OnDestroy();
}

// What the control's children report is the parent's business, answer included.
LRESULT CTabCtrlSSL::OnCommandFromChild(WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, wParam, lParam);
}

LRESULT CTabCtrlSSL::OnNotifyFromChild(WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, wParam, lParam);
}
