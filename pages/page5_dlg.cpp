#include "pages/page5_dlg.h"

namespace {

// Bitmap IDB_CERTIFICATE holds images of this width side by side; this colour is transparent.
constexpr int kCertIconWidth = 17;
constexpr COLORREF kCertIconMask = RGB(0, 128, 128);

// What a locked page keeps the user from changing; importing stays open.
constexpr int kEditingControls[] = {IDC_LIST_CERTIFICATES, IDC_STATIC_TRUSTED_ROOTS};

}  // namespace

CPage5Dlg::CPage5Dlg() : CSkinnedPage(IDD, {IDC_STATIC_TRUSTED_ROOTS}, kTextCount) {}

void CPage5Dlg::InitializeValues() {
    SetDlgItemText(IDC_BUTTON_IMPORT_CERT, m_strText[kTextImport]);
    SetDlgItemText(IDC_STATIC_TRUSTED_ROOTS, m_strText[kTextTrustedRoots]);
    SetUpList();
    DisableWhenLocked(m_bLocked, kEditingControls);
}

void CPage5Dlg::SetUpList() {
    // Borrowed for the set-up only: the object lets the control go when it ends.
    CListCtrl list;
    list.Attach(::GetDlgItem(m_hWnd, IDC_LIST_CERTIFICATES));

    m_imageList.Attach(::ImageList_LoadImageA(AfxGetResourceHandle(),
                                              MAKEINTRESOURCEA(IDB_CERTIFICATE), kCertIconWidth, 1,
                                              kCertIconMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
    list.SetImageList(&m_imageList, LVSIL_SMALL);
    list.SetBkColor(RGB(255, 255, 255));
    list.SetTextColor(RGB(0, 0, 0));
    list.SetTextBkColor(RGB(255, 255, 255));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);

    RECT client = {};
    list.GetClientRect(&client);
    const int width = client.right - client.left;
    list.InsertColumn(0, m_strText[kTextColumn0].c_str(), LVCFMT_LEFT, 2 * width / 3 - 40);
    list.InsertColumn(1, m_strText[kTextColumn1].c_str(), LVCFMT_LEFT, width / 3 + 40);
}
