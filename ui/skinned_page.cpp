#include "ui/skinned_page.h"

#include "app/timeline.h"

#include <algorithm>

CSkinnedPage::CSkinnedPage(UINT nIDTemplate, std::initializer_list<int> skinnedIds, int textCount)
    : CTabPageSSL(nIDTemplate), m_strText(textCount), m_skinnedIds(skinnedIds) {}

void CSkinnedPage::SetInterfaceTexts(const std::string* texts) {
    std::copy_n(texts, m_strText.size(), m_strText.begin());
}

// A page whose controls are all tied to members in its data exchange needs nothing more than the
// exchange's saving direction.
bool CSkinnedPage::StoreValues() {
    return UpdateData(TRUE) != FALSE;
}

BOOL CSkinnedPage::OnInitDialog() {
    CTabPageSSL::OnInitDialog();
    InitializeValues();
    LoadLogo();
    return TRUE;
}

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
