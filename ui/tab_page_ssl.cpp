#include "ui/tab_page_ssl.h"

CTabPageSSL::CTabPageSSL(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {
    AfxEnableControlContainer();
}

void CTabPageSSL::OnTabPageActivate(int, int) {}

void CTabPageSSL::OnTabPageDeactivate(int, int) {}

void CTabPageSSL::OnOK() {}

void CTabPageSSL::OnCancel() {}
