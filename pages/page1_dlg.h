// The start list page: whether the client starts authentication by itself, and the entries it
// starts with, each a card with a profile and, where the profile asks for them, an ID and a
// password.
#pragma once

#include "afx/afxcmn.h"
#include "pages/auto_start_dlg.h"
#include "res/resource.h"
#include "ui/skinned_page.h"

#include <memory>
#include <string>
#include <vector>

class CPage1Dlg : public CSkinnedPage {
public:
    enum { IDD = IDD_PAGE_START_LIST };

    // The page's interface texts, in the order the main dialog keeps them: five captions of its
    // own, then five that it hands on to the start entry dialog (CAutoStartDlg's order).
    enum Text {
        kTextAutoStart,    // text 213, checkbox 1029
        kTextExplanation,  // text 214, static 1054
        kTextAdd,          // text 216
        kTextRemove,       // text 217
        kTextModify,       // text 218
        kTextEntryFirst,   // texts 208 to 212, for the start entry dialog
        kTextCount = kTextEntryFirst + CAutoStartDlg::kTextCount
    };

    // One start entry as the page keeps it: four texts of fixed size, each ending in a zero,
    // zero-filled when made. The list item that shows an entry holds the record's address as its
    // data; the page owns the record and frees it with its item.
    struct StartEntry {
        char card[1024];     // the network card's name
        char profile[1024];  // the profile file's full path
        char password[256];
        char id[256];
    };

    CPage1Dlg();

    // Handed in by the main dialog before the window is made.
    std::string m_strWirelessExt;  // extension of wireless profiles, with its dot (store item 103)
    std::string m_strWiredExt;     // extension of wired profiles (store item 104)
    int m_bLocked = 0;             // non-zero: the auto-start box and the list cannot be changed
    std::string m_strStartList;    // the stored entries' card names, separated by ";;"
    int m_nStartListCount = 0;     // how many entries the store counts in m_strStartList
    // Handed in, and read back by the main dialog on OK after StoreValues.
    int m_nAutoStart = 0;  // 1: the client starts authentication by itself

    // Read by the main dialog on OK: the entries in list order, each through its item's data
    // while the list exists (a row that carries none is left out). The page keeps owning them.
    std::vector<const StartEntry*> StartEntries() const;

protected:
    // The four texts the start entry dialog edits: handed in for an entry to change (empty for a
    // new one) and read back when the user ends the dialog with OK.
    struct EntryFields {
        std::string card;
        std::string profile;
        std::string id;
        std::string password;
    };

    // Runs the start entry dialog over FIELDS; true when the user ended it with OK, FIELDS then
    // holding the user's choice.
    virtual bool RunEntryDialog(EntryFields& fields);

    void DoDataExchange(CDataExchange* pDX) override;
    void InitializeValues() override;
    const MessageMap* GetMessageMap() const override;

private:
    void SetUpList();
    void LoadStartList();
    bool ReadStoredEntry(StartEntry& entry);
    int AppendEntry(std::unique_ptr<StartEntry> entry);
    void RemoveEntry(int item);
    int ImageOf(const char* profilePath) const;
    StartEntry* EntryAt(int item) const;
    int SelectedItemOf(const StartEntry* entry) const;
    void AddOrReplace(const EntryFields& fields);
    void ApplyAutoStart();
    void ShowSelection();

    void OnAutoStartClicked() { ApplyAutoStart(); }
    void OnAdd();
    void OnRemove();
    void OnModify();
    void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    void OnClickList(NMHDR* pNMHDR, LRESULT* pResult);

    CListCtrl m_list;                                     // 1006
    StartEntry* m_pSelected = nullptr;                    // the entry clicked last, or none
    std::vector<std::unique_ptr<StartEntry>> m_pEntries;  // the records, in list order
    char m_szItemText[256] = {};  // the text handed to the list, valid until it asks again
};
