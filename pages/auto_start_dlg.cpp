#include "pages/auto_start_dlg.h"

#include "ui/captions.h"

#include <algorithm>

namespace {

constexpr Caption kCaptions[] = {
    {IDC_STATIC_CARD, CAutoStartDlg::kTextCard},
    {IDC_STATIC_PROFILE, CAutoStartDlg::kTextProfile},
    {IDC_STATIC_CREDENTIALS, CAutoStartDlg::kTextCredentials},
    {IDC_STATIC_ID, CAutoStartDlg::kTextId},
    {IDC_STATIC_PASSWORD, CAutoStartDlg::kTextPassword},
};

// The labels drawn in the skin colour straight onto the background. The set also names 1042,
// which no control of the dialog carries.
constexpr int kSkinnedIds[] = {IDC_STATIC_CARD, IDC_STATIC_PROFILE,  IDC_STATIC_CREDENTIALS,
                               IDC_STATIC_ID,   IDC_STATIC_PASSWORD, 1042};

}  // namespace

CAutoStartDlg::CAutoStartDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CAutoStartDlg::SetInterfaceTexts(const std::string* texts) {
    std::copy(texts, texts + kTextCount, m_strText.begin());
}

BOOL CAutoStartDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_background.reset(skin::LoadSkinBitmap(m_strInstallDir, skin::BackgroundName(m_nDpi)));
    CreateImageButtons();
    SetCaptions(*this, kCaptions, m_strText.data());
    return TRUE;
}

// The buttons hang below the right end of the password field, whose place in the template
// follows the background picture; their size is that of their bitmaps (61 x 21).
void CAutoStartDlg::CreateImageButtons() {
    CRect edit;
    GetDlgItem(IDC_EDIT_PASSWORD)->GetWindowRect(&edit);
    ScreenToClient(&edit);
    const DWORD style = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
    const CRect ok(edit.right - 132, edit.bottom + 20, edit.right - 71, edit.bottom + 41);
    const CRect cancel(edit.right - 61, edit.bottom + 20, edit.right, edit.bottom + 41);
    m_btnOk.Create(nullptr, style, ok, this, ID_MENU_AUTO_START_OK);
    m_btnOk.LoadBitmaps(IDB_OK_NORMAL, IDB_OK_PRESSED, IDB_OK_NORMAL, IDB_OK_NORMAL);
    m_btnCancel.Create(nullptr, style, cancel, this, ID_MENU_AUTO_START_CANCEL);
    m_btnCancel.LoadBitmaps(IDB_CANCEL_NORMAL, IDB_CANCEL_PRESSED, IDB_CANCEL_NORMAL,
                            IDB_CANCEL_NORMAL);
}

const MessageMap* CAutoStartDlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        MessageEntry(WM_PAINT, &CAutoStartDlg::OnPaint),
        MessageEntry(WM_PRINTCLIENT, &CAutoStartDlg::OnPrintClient),
        CtlColorEntry(&CAutoStartDlg::OnCtlColor),
        MessageEntry(WM_DESTROY, &CAutoStartDlg::OnDestroy),
    };
    static const MessageMap map{CDialog::GetMessageMap(), entries};
    return &map;
}

// Beginning the paint erases the dialog as usual; the picture then covers it.
void CAutoStartDlg::OnPaint() {
    CPaintDC dc(this);
    skin::PaintBackground(dc, m_background.get());
}

// The dialog printed (PrintWindow, WM_PRINTCLIENT) looks as it is drawn on the screen.
LRESULT CAutoStartDlg::OnPrintClient(WPARAM wParam, LPARAM) {
    CDC dc;
    dc.Attach(reinterpret_cast<HDC>(wParam));
    skin::PaintBackground(dc, m_background.get());
    dc.Detach();
    return 0;
}

HBRUSH CAutoStartDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH standard = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    const int id = pWnd ? ::GetDlgCtrlID(pWnd->m_hWnd) : 0;
    const bool skinned =
        std::find(std::begin(kSkinnedIds), std::end(kSkinnedIds), id) != std::end(kSkinnedIds);
    return skin::ControlColor(pDC, skinned, standard);
}

void CAutoStartDlg::OnDestroy() {
    CDialog::OnDestroy();
    m_background.reset();
}
