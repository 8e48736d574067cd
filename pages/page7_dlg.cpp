#include "pages/page7_dlg.h"

#include "client/ovacli.h"

#include <winsock2.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <new>

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

// An address in host byte order, dotted.
std::string DottedAddress(std::uint32_t hostOrder) {
    in_addr address = {};
    address.s_addr = htonl(hostOrder);
    const char* text = inet_ntoa(address);
    return text != nullptr ? text : "";
}

}  // namespace

// The table keeps the standard colours: the page colours none of its controls.
CPage7Dlg::CPage7Dlg() : CSkinnedPage(IDD, {}) {}

void CPage7Dlg::DoDataExchange(CDataExchange* pDX) {
    CSkinnedPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_FIREWALL_RULES, m_listRules);
}

// The table lays itself out once, when its columns or rows are all in.
void CPage7Dlg::InitializeValues() {
    m_listRules.SetRedraw(FALSE);
    int index = 0;
    for (const Column& column : kColumns) {
        m_listRules.InsertColumn(index++, column.heading, LVCFMT_LEFT, column.width);
    }
    m_listRules.SetRedraw(TRUE);
}

void CPage7Dlg::OnTabPageActivate(int, int) {
    // A new reading owes nothing to the last one.
    m_nRuleCount[0] = 0;
    m_nRuleCount[1] = 0;
    for (std::string* text :
         {&m_strFromIp, &m_strToIp, &m_strFromPort, &m_strToPort, &m_strProtocol, &m_strAction}) {
        text->clear();
    }

    char error[kQtvFirewallErrorSize] = {};
    DWORD size = 0;
    QTV_CLI_get_firewall_policy(0, nullptr, &size, error);  // the size alone tells
    if (size == 0) return;
    // The block is zero-filled: what the library leaves unwritten reads as zeros, and only the
    // bytes both the page and the library count as the block are parsed.
    const std::unique_ptr<unsigned char[]> block(new (std::nothrow) unsigned char[size]());
    if (!block) return;
    DWORD filled = size;
    std::fill(std::begin(error), std::end(error), '\0');  // each call gets its buffer empty
    if (QTV_CLI_get_firewall_policy(0, block.get(), &filled, error) != 0 || filled == 0) return;
    AddRules(ParseFirewallBlock(block.get(), std::min(filled, size)));
}

void CPage7Dlg::AddRules(const FirewallBlock& block) {
    m_nRuleCount[0] = block.countAt8;
    m_nRuleCount[1] = block.countAt4;
    m_listRules.SetRedraw(FALSE);
    FirewallRow row;
    for (const FirewallRule& rule : block.rules) {
        FillFirewallRow(rule, &row);
        if (!row.direction.empty()) {  // another direction keeps the last addresses shown
            m_strFromIp = DottedAddress(row.from);
            m_strToIp = DottedAddress(row.to);
        }
        m_strFromPort = row.fromPort;
        m_strToPort = row.toPort;
        m_strProtocol = row.protocol;
        m_strAction = row.action;
        const int index = m_listRules.InsertItem(m_listRules.GetItemCount(), row.direction.c_str());
        if (index < 0) continue;
        int column = 1;
        for (const std::string* text :
             {&m_strFromIp, &m_strToIp, &m_strProtocol, &m_strAction, &m_strFromPort, &m_strToPort})
            m_listRules.SetItemText(index, column++, text->c_str());
    }
    m_listRules.SetRedraw(TRUE);
}

void CPage7Dlg::OnTabPageDeactivate(int, int) {
    m_listRules.DeleteAllItems();
}
