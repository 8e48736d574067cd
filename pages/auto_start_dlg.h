// The start entry dialog: one entry of the start list, a card with the profile to authenticate
// with on it and, where the profile asks for them, an ID and a password. A borderless skinned
// window: its background picture covers it, two image buttons stand in for OK and Cancel, and a
// press anywhere on the background drags it.
#pragma once

#include "afx/afxwin.h"
#include "afx/bitmap_button.h"
#include "res/resource.h"
#include "ui/skin.h"

#include <array>
#include <string>
#include <vector>

class CAutoStartDlg : public CDialog {
public:
    enum { IDD = IDD_AUTO_START };

    // The dialog's interface texts, as the start list page hands them on.
    enum Text {
        kTextCard,         // text 208, static 1032
        kTextProfile,      // text 209, static 1035
        kTextCredentials,  // text 210, static 1037
        kTextId,           // text 211, static 1038
        kTextPassword,     // text 212, static 1041
        kTextCount
    };

    // The kind of the chosen card, and so of the profiles offered for it.
    enum Kind : int { kKindNone = -1, kKindWireless = 0, kKindWired = 1 };

    // The longest texts OK lets through: a card name or profile path must be shorter than
    // kMaxPathLength characters, an ID or password shorter than kMaxCredentialLength.
    static constexpr size_t kMaxPathLength = 1025;
    static constexpr size_t kMaxCredentialLength = 257;

    explicit CAutoStartDlg(CWnd* pParent = nullptr);

    // Copies kTextCount texts.
    void SetInterfaceTexts(const std::string* texts);

    // Handed in by the start list page before the dialog runs.
    std::string m_strInstallDir;  // the client's installation, for the background picture
    std::array<std::string, kTextCount> m_strText;
    int m_nDpi = 96;               // the screen resolution, which chooses the background picture
    std::string m_strWirelessExt;  // extension of wireless profiles, with its dot
    std::string m_strWiredExt;     // extension of wired profiles, with its dot

    // The entry: handed in to edit an existing one (empty for a new one), read back on IDOK.
    std::string m_strCardName;     // the card's display name, without its kind prefix
    std::string m_strProfilePath;  // full path of the profile file
    std::string m_strId;
    std::string m_strPassword;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // OK, from the OK image button or the Enter key: the entry is checked before the dialog ends.
    void OnOK() override;
    const MessageMap* GetMessageMap() const override;

private:
    void CreateImageButtons();
    void TakeKindFromProfilePath();
    void ShowError(DWORD number);

    void OnCancelCommand() { OnCancel(); }
    void OnNothing() {}
    void OnCardDropDown();
    void OnCardChosen();
    void OnProfileDropDown();
    void OnProfileChosen();
    void OnEditChange() { UpdateData(FALSE); }

    // Appends the profiles of the kind's extension in FOLDER's profile folder to PATHS and their
    // file names to the profile list.
    void AddProfilesFrom(const std::string& folder, const std::string& extension,
                         std::vector<std::string>& paths);
    // Reads the profile at PATH through the client, which says whether it needs credentials.
    bool ReadProfile(const std::string& path);
    void ShowCredentials(bool shown);

    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();

    int m_nKind = kKindNone;
    int m_nNeedsCredentials = -1;  // 1: the profile read last asks for an ID and a password
    std::vector<std::string> m_strCommonPaths;  // the common profile folder's, in finding order
    std::vector<std::string> m_strUserPaths;    // the user's profile folder's, in finding order
    std::string m_strCardText;                  // combo 1030: a kind prefix, then the card name
    std::string m_strProfileText;               // combo 1033: the profile's file name

    skin::SkinBitmap m_background;
    CComboBox m_comboCard;
    CComboBox m_comboProfile;
    CBitmapButton m_btnOk;
    CBitmapButton m_btnCancel;
};
