// The look every settings page shares: a grey page with the client's logo in its lower right
// corner, and the page's labels drawn in the skin colour straight onto the grey. Also what every
// page does with the values the main dialog hands it: its texts, its controls filled when the
// window is made, and the values taken back from them.
#pragma once

#include "ui/skin.h"
#include "ui/tab_page_ssl.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

class CSkinnedPage : public CTabPageSSL {
public:
    // Values handed in by the main dialog before the window is made.
    std::string m_strInstallDir;  // the client's installation
    int m_nDpi = 96;              // the screen resolution the main dialog measured
    // The page's interface texts, in the order of its Text enum and of the main dialog's table.
    std::vector<std::string> m_strText;

    // Copies the page's texts from TEXTS, which holds at least as many as the page takes.
    void SetInterfaceTexts(const std::string* texts);

    // Takes the values back from the controls into the members, before the main dialog reads
    // them; false keeps the main dialog open on a field that cannot be taken.
    virtual bool StoreValues();

protected:
    // SKINNED_IDS: the controls drawn in the skin colour; none for a page that keeps the
    // standard colours. TEXT_COUNT: how many interface texts the page takes.
    CSkinnedPage(UINT nIDTemplate, std::initializer_list<int> skinnedIds, int textCount = 0);

    // Fills the controls from the values handed in, then loads the logo.
    BOOL OnInitDialog() override;
    // Fills the page's controls from the values the main dialog handed it.
    virtual void InitializeValues() {}

    // A locked page keeps the user from changing what IDS name: each is disabled when LOCKED is
    // non-zero, and an id without a control is passed over.
    template <std::size_t N>
    void DisableWhenLocked(int locked, const int (&ids)[N]) {
        if (locked) EnableControls(false, ids);
    }

    // Enables or disables each control that IDS names; an id without a control is passed over.
    template <std::size_t N>
    void EnableControls(bool enable, const int (&ids)[N]) {
        for (int id : ids) ::EnableWindow(GetDlgItemHandle(id), enable ? TRUE : FALSE);
    }

    // The logo for the page's resolution; a missing picture leaves the page without one.
    void LoadLogo();
    HBITMAP logo() const { return m_logo.get(); }

    const MessageMap* GetMessageMap() const override;
    // A page that lets go of more when its window goes calls this first.
    void OnDestroy();

private:
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    std::vector<int> m_skinnedIds;
    skin::SkinBitmap m_logo;
};
