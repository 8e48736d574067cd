// CDialog: a dialog made from a template of the program's resources, modal (DoModal) or
// modeless (Create). The window is subclassed when it receives WM_INITDIALOG, so every later
// message passes through the message map; OnInitDialog runs then. The commands IDOK and IDCANCEL
// that no entry of a derived class takes call the virtual OnOK and OnCancel.
#pragma once

#include "afx/wnd.h"

#include <windows.h>

class CDialog : public CWnd {
public:
    // For Create, which names the template itself.
    CDialog() = default;
    // pParentWnd: the owner; null for the application's main window, if any.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

    // Runs the dialog until EndDialog; its argument is the answer. -1 when the dialog could not
    // be made (no such template).
    virtual INT_PTR DoModal();
    // Makes the modeless dialog, owned by this object (destroyed with it at the latest); a
    // template with WS_CHILD becomes a child of pParentWnd. FALSE when it could not be made.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Ends a modal dialog with nResult as DoModal's answer (a modeless one is only hidden).
    void EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

    // WM_INITDIALOG: loads the members into the controls (UpdateData(FALSE)). TRUE lets the
    // system give the focus to the first control; a derived class that sets the focus itself
    // answers FALSE. When the loading fails the dialog ends with -1.
    virtual BOOL OnInitDialog();

protected:
    // IDOK: reads the controls into the members and ends the dialog with IDOK only when that
    // succeeded; a field that fails keeps the dialog open.
    virtual void OnOK();
    // IDCANCEL (also the Escape key and the close box): ends the dialog with IDCANCEL.
    virtual void OnCancel();

    const MessageMap* GetMessageMap() const override;

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
    HWND OwnerForCreate() const;
};
