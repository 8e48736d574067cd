#include "afx/wnd.h"

#include "afx/data_exchange.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <utility>

namespace {

// Everything runs on the one user-interface thread, so one map serves the process.
struct HandleMaps {
    // Windows with an object of their own (Attach, SubclassWindow, the dialogs).
    std::unordered_map<HWND, CWnd*> permanent;
    // Plain objects handed out by FromHandle for windows without one. Such an object holds only
    // the handle, so one kept for a handle that has since been reused is still right; those of
    // windows that are gone are dropped whenever an attached window ends.
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary;
};

HandleMaps& Maps() {
    static HandleMaps maps;
    return maps;
}

void DropTemporariesOfDeadWindows() {
    auto& temporary = Maps().temporary;
    for (auto it = temporary.begin(); it != temporary.end();) {
        if (::IsWindow(it->first)) {
            ++it;
        } else {
            it->second->m_hWnd = nullptr;
            it = temporary.erase(it);
        }
    }
}

bool IsCtlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

CWnd::~CWnd() {
    if (m_hWnd == nullptr || FromHandlePermanent(m_hWnd) != this) return;
    const bool owned = m_bOwnsWindow;
    HWND hWnd = Detach();
    // Detached first, so that the messages of the destruction do not reach a half-destroyed
    // object.
    if (owned) ::DestroyWindow(hWnd);
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (hWnd == nullptr) return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd)) return pWnd;
    auto& slot = Maps().temporary[hWnd];
    if (!slot) {
        slot = std::make_unique<CWnd>();
        slot->m_hWnd = hWnd;
    }
    return slot.get();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    auto& permanent = Maps().permanent;
    auto it = permanent.find(hWnd);
    return it == permanent.end() ? nullptr : it->second;
}

BOOL CWnd::Attach(HWND hWndNew) {
    AFX_ASSERT(m_hWnd == nullptr);
    if (hWndNew == nullptr) return FALSE;
    // One window, one object: a second one is a programming error.
    AFX_ASSERT(FromHandlePermanent(hWndNew) == nullptr);
    Maps().permanent[hWndNew] = this;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach() {
    // Only when nobody has subclassed the window after us; otherwise the chain stays.
    if (m_hWnd != nullptr && m_pfnSuper != nullptr &&
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == AfxWndProc) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    return Forget();
}

HWND CWnd::Forget() {
    HWND hWnd = std::exchange(m_hWnd, nullptr);
    m_controls.clear();
    m_pfnSuper = nullptr;
    m_bOwnsWindow = false;
    if (hWnd != nullptr) Maps().permanent.erase(hWnd);
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) return FALSE;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    if (m_pfnSuper == nullptr) {
        // A window of another process, or no window at all.
        Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    HWND hWndControl = pParent->GetDlgItemHandle(static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AFX_ASSERT(m_hWnd == nullptr);
    HMENU hMenuOrId = (dwStyle & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(UINT_PTR{nID}) : nullptr;
    HWND hWnd = ::CreateWindowExA(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left,
                                  rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                  pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, hMenuOrId,
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (hWnd == nullptr) return FALSE;
    if (!SubclassWindow(hWnd)) {
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    m_bOwnsWindow = true;
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) return FALSE;
    // A subclassed window detaches itself at WM_NCDESTROY; one that is only attached is let go
    // here.
    HWND hWnd = m_hWnd;
    const bool subclassed = m_pfnSuper != nullptr;
    BOOL destroyed = ::DestroyWindow(hWnd);
    if (!subclassed && m_hWnd == hWnd) Detach();
    return destroyed;
}

void CWnd::GetWindowText(std::string& rString) const {
    // A drop-down list answers no length on some systems but still gives its text.
    int length = ::GetWindowTextLengthA(m_hWnd);
    rString.assign(static_cast<std::size_t>(length < 255 ? 255 : length) + 1, '\0');
    int copied = ::GetWindowTextA(m_hWnd, rString.data(), static_cast<int>(rString.size()));
    rString.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
}

HWND CWnd::GetDlgItemHandle(int nID) const {
    auto found = std::find_if(m_controls.begin(), m_controls.end(),
                              [nID](const auto& control) { return control.first == nID; });
    if (found != m_controls.end()) {
        // These read what the system keeps of the process's own windows: no round trip.
        HWND hWndControl = found->second;
        if (::IsWindow(hWndControl) && ::GetParent(hWndControl) == m_hWnd &&
            ::GetDlgCtrlID(hWndControl) == nID)
            return hWndControl;
        m_controls.erase(found);
    }
    HWND hWndControl = ::GetDlgItem(m_hWnd, nID);
    if (hWndControl != nullptr) m_controls.emplace_back(nID, hWndControl);
    return hWndControl;
}

void CWnd::GetDlgItemText(int nID, std::string& rString) const {
    HWND hWndControl = GetDlgItemHandle(nID);
    AFX_ASSERT(hWndControl != nullptr);
    FromHandle(hWndControl)->GetWindowText(rString);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return exchange.Failed() ? FALSE : TRUE;
}

const MessageMap* CWnd::GetMessageMap() const {
    static const MessageMap map{nullptr};
    return &map;
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

// The one place where reflection is decided: a message from or about a child control goes to
// that control's object first, and only when the control did not handle it to this window's map.
BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    HWND hWndControl = ReflectionSource(message, wParam, lParam);
    if (hWndControl != nullptr && hWndControl != m_hWnd) {
        CWnd* pControl = FromHandlePermanent(hWndControl);
        if (pControl != nullptr && pControl->OnChildNotify(message, wParam, lParam, pResult)) {
            return TRUE;
        }
    }
    return DispatchToMap(message, wParam, lParam, false, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return DispatchToMap(message, wParam, lParam, true, pResult);
}

HWND CWnd::ReflectionSource(UINT message, WPARAM wParam, LPARAM lParam) const {
    switch (message) {
        case WM_COMMAND:  // null for menus and accelerators
            return reinterpret_cast<HWND>(lParam);
        case WM_NOTIFY:
            return lParam != 0 ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
        case WM_DRAWITEM: {
            auto* pItem = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            return pItem->CtlType == ODT_MENU ? nullptr : pItem->hwndItem;
        }
        case WM_MEASUREITEM: {
            auto* pItem = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
            return pItem->CtlType == ODT_MENU ? nullptr
                                              : GetDlgItemHandle(static_cast<int>(pItem->CtlID));
        }
        case WM_HSCROLL:
        case WM_VSCROLL:
            return reinterpret_cast<HWND>(lParam);
        default:
            break;
    }
    (void)wParam;
    return IsCtlColorMessage(message) ? reinterpret_cast<HWND>(lParam) : nullptr;
}

BOOL CWnd::DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, bool reflected,
                         LRESULT* pResult) {
    const NMHDR* pNotify = message == WM_NOTIFY ? reinterpret_cast<const NMHDR*>(lParam) : nullptr;
    for (const MessageMap* pMap = GetMessageMap(); pMap != nullptr; pMap = pMap->base) {
        for (std::size_t i = 0; i < pMap->count; ++i) {
            const MessageMapEntry& entry = pMap->entries[i];
            bool matches = false;
            switch (entry.kind) {
                case MapKind::Command:
                    matches = !reflected && message == WM_COMMAND && entry.id == LOWORD(wParam) &&
                              entry.code == HIWORD(wParam);
                    break;
                case MapKind::Notify:
                    matches = !reflected && pNotify != nullptr && entry.id == pNotify->idFrom &&
                              entry.code == pNotify->code;
                    break;
                case MapKind::Message:
                    matches = !reflected && message == entry.message;
                    break;
                case MapKind::CtlColor:
                    matches = !reflected && IsCtlColorMessage(message);
                    break;
                case MapKind::ReflectedNotify:
                    matches = reflected && pNotify != nullptr && entry.code == pNotify->code;
                    break;
            }
            if (!matches) continue;

            *pResult = 0;
            if (entry.onNotify != nullptr) {
                (this->*entry.onNotify)(reinterpret_cast<NMHDR*>(lParam), pResult);
            } else if (entry.onMessage != nullptr) {
                *pResult = (this->*entry.onMessage)(wParam, lParam);
            } else if (entry.onCtlColor != nullptr) {
                CDC dc;
                dc.Attach(reinterpret_cast<HDC>(wParam));
                HBRUSH hBrush = (this->*entry.onCtlColor)(
                    &dc, FromHandle(reinterpret_cast<HWND>(lParam)), message - WM_CTLCOLORMSGBOX);
                dc.Detach();
                *pResult = reinterpret_cast<LRESULT>(hBrush);
            } else {
                (this->*entry.onVoid)();
            }
            return TRUE;
        }
    }
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    AFX_ASSERT(m_pCurrentMsg != nullptr);
    return DefWindowProc(m_pCurrentMsg->message, m_pCurrentMsg->wParam, m_pCurrentMsg->lParam);
}

LRESULT CALLBACK CWnd::AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == nullptr) return ::DefWindowProcA(hWnd, message, wParam, lParam);

    MSG current = {};
    current.hwnd = hWnd;
    current.message = message;
    current.wParam = wParam;
    current.lParam = lParam;
    const MSG* pOuter = std::exchange(pWnd->m_pCurrentMsg, &current);

    if (message != WM_NCDESTROY) {
        LRESULT result = pWnd->WindowProc(message, wParam, lParam);
        pWnd->m_pCurrentMsg = pOuter;
        return result;
    }

    // The last message belongs to the framework: the window's own procedure sees it, then the
    // object lets the window go and may end itself in PostNcDestroy. No message follows this one,
    // so the window keeps the procedure it has: handing the old one back would cost a call to
    // the system for every window that ends, to no effect.
    LRESULT result = pWnd->DefWindowProc(message, wParam, lParam);
    pWnd->m_pCurrentMsg = pOuter;
    pWnd->Forget();
    DropTemporariesOfDeadWindows();
    pWnd->PostNcDestroy();
    return result;
}
