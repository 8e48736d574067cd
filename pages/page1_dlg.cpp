#include "pages/page1_dlg.h"

#include "ui/captions.h"

namespace {

constexpr Caption kCaptions[] = {
    {IDC_CHECK_AUTO_START, CPage1Dlg::kTextAutoStart},
    {IDC_STATIC_START_LIST, CPage1Dlg::kTextExplanation},
    {IDC_BUTTON_ADD_ENTRY, CPage1Dlg::kTextAdd},
    {IDC_BUTTON_REMOVE_ENTRY, CPage1Dlg::kTextRemove},
    {IDC_BUTTON_MODIFY_ENTRY, CPage1Dlg::kTextModify},
};

// What a locked page keeps the user from changing.
constexpr int kEditingControls[] = {IDC_CHECK_AUTO_START, IDC_LIST_START_ENTRIES,
                                    IDC_BUTTON_ADD_ENTRY, IDC_BUTTON_REMOVE_ENTRY,
                                    IDC_BUTTON_MODIFY_ENTRY};

}  // namespace

CPage1Dlg::CPage1Dlg()
    : CSkinnedPage(IDD, {IDC_LIST_START_ENTRIES, IDC_CHECK_AUTO_START, IDC_STATIC_START_LIST},
                   kTextCount) {}

void CPage1Dlg::InitializeValues() {
    SetCaptions(*this, kCaptions, m_strText.data());
    DisableWhenLocked(m_bLocked, kEditingControls);
}

std::vector<CPage1Dlg::EntryTexts> CPage1Dlg::EntriesInListOrder() const {
    return {};
}
