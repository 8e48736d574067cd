#include "ui/skinned_page.h"

#include "app/timeline.h"

#include "app/timeline.h"

#include <algorithm>

CSkinnedPage::CSkinnedPage(UINT nIDTemplate, std::initializer_list<int> skinnedIds)
    : CTabPageSSL(nIDTemplate), m_skinnedIds(skinnedIds) {}

void CSkinnedPage::LoadLogo() {
    m_logo.reset(skin::LoadSkinBitmap(m_strInstallDir, skin::LogoName(m_nDpi)));
}

const MessageMap* CSkinnedPage::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        MessageEntry(WM_PAINT, &CSkinnedPage::OnPaint),
        MessageEntry(WM_PRINTCLIENT, &CSkinnedPage::OnPrintClient),
        CtlColorEntry(&CSkinnedPage::OnCtlColor),
        MessageEntry(WM_DESTROY, &CSkinnedPage::OnDestroy),
    };
    static const MessageMap map{CTabPageSSL::GetMessageMap(), entries};
    return &map;
}

void CSkinnedPage::OnPaint() {
    CPaintDC dc(this);
    RECT client = {};
    GetClientRect(&client);
    skin::PaintSkinnedPage(dc, client, m_logo.get());
    TIMELINE_FIRST_STEP("first page painted");
}

// A page printed (PrintWindow, WM_PRINTCLIENT) looks as it is drawn on the screen.
LRESULT CSkinnedPage::OnPrintClient(WPARAM wParam, LPARAM) {
    CDC dc;
    dc.Attach(reinterpret_cast<HDC>(wParam));
    RECT client = {};
    GetClientRect(&client);
    skin::PaintSkinnedPage(dc, client, m_logo.get());
    dc.Detach();
    return 0;
}

HBRUSH CSkinnedPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH standard = CTabPageSSL::OnCtlColor(pDC, pWnd, nCtlColor);
    int id = pWnd ? ::GetDlgCtrlID(pWnd->m_hWnd) : 0;
    bool skinned = std::find(m_skinnedIds.begin(), m_skinnedIds.end(), id) != m_skinnedIds.end();
    return skin::ControlColor(pDC, skinned, standard);
}

void CSkinnedPage::OnDestroy() {
    CTabPageSSL::OnDestroy();
    m_logo.reset();
}
