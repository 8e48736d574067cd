#include "pages/page7_dlg.h"

namespace {

struct Column {
    const char* heading;
    int width;  // pixels
};

// The headings are the same in either language of the client.
constexpr Column kColumns[] = {
    {"Direction", 65}, {"From IP", 110}, {"To IP", 110}, {"Protocol", 57},
    {"Action", 50},    {"FPort", 45},    {"TPort", 45},
};

}  // namespace

// The table keeps the standard colours: the page colours none of its controls.
CPage7Dlg::CPage7Dlg() : CSkinnedPage(IDD, {}) {}

void CPage7Dlg::DoDataExchange(CDataExchange* pDX) {
    CSkinnedPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_FIREWALL_RULES, m_listRules);
}

void CPage7Dlg::InitializeValues() {
    int index = 0;
    for (const Column& column : kColumns) {
        m_listRules.InsertColumn(index++, column.heading, LVCFMT_LEFT, column.width);
    }
}

void CPage7Dlg::OnTabPageActivate(int, int) {
    // A new reading owes nothing to the last one.
    m_nRuleCount[0] = 0;
    m_nRuleCount[1] = 0;
    for (std::string* text :
         {&m_strFromIp, &m_strToIp, &m_strFromPort, &m_strToPort, &m_strProtocol, &m_strAction}) {
        text->clear();
    }
}

void CPage7Dlg::OnTabPageDeactivate(int, int) {
    m_listRules.DeleteAllItems();
}
