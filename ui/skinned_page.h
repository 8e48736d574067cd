// The look every settings page shares: a grey page with the client's logo in its lower right
// corner, and the page's labels drawn in the skin colour straight onto the grey.
#pragma once

#include "ui/skin.h"
#include "ui/tab_page_ssl.h"

#include <initializer_list>
#include <string>
#include <vector>

class CSkinnedPage : public CTabPageSSL {
public:
    std::string m_strInstallDir;  // the client's installation, set before the window is made
    int m_nDpi = 96;              // the screen resolution the main dialog measured

protected:
    // SKINNED_IDS: the controls drawn in the skin colour; none for a page that keeps the
    // standard colours.
    CSkinnedPage(UINT nIDTemplate, std::initializer_list<int> skinnedIds);

    // The logo for the page's resolution; a missing picture leaves the page without one.
    void LoadLogo();
    HBITMAP logo() const { return m_logo.get(); }

    const MessageMap* GetMessageMap() const override;

private:
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();

    std::vector<int> m_skinnedIds;
    skin::SkinBitmap m_logo;
};
