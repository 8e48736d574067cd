// The firewall policy page: the rules in force, as the client library reports them, in a table
// that only lives while the page's tab is the current one.
#pragma once

#include "afx/afxcmn.h"
#include "res/resource.h"
#include "store/firewall_rules.h"
#include "ui/skinned_page.h"

#include <string>

class CPage7Dlg : public CSkinnedPage {
public:
    enum { IDD = IDD_PAGE_FIREWALL };

    // The column headings are the same in either language: the page takes no interface texts.
    static constexpr int kTextCount = 0;

    CPage7Dlg();

    // The tab has been entered: the table is filled from a fresh reading of the library.
    void OnTabPageActivate(int index, int pageID) override;
    // The tab is about to be left: the table is emptied.
    void OnTabPageDeactivate(int index, int pageID) override;

    int m_nRuleCount[2] = {0, 0};  // the rule block's two counts; the table shows their sum
    // The texts of the row being made; they keep the last rule's until the next reading.
    std::string m_strFromIp;
    std::string m_strToIp;
    std::string m_strFromPort;
    std::string m_strToPort;
    std::string m_strProtocol;
    std::string m_strAction;
    CListCtrl m_listRules;

protected:
    void InitializeValues() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void AddRules(const FirewallBlock& block);
};
