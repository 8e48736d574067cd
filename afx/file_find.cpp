#include "afx/file_find.h"

#include "afx/debug.h"

#include <cstring>

BOOL CFileFind::FindFile(LPCSTR pstrName) {
    Close();
    if (pstrName == nullptr) pstrName = "*.*";
    m_hContext = ::FindFirstFileA(pstrName, &m_next);
    if (m_hContext == INVALID_HANDLE_VALUE) return FALSE;
    m_bHasNext = true;

    char full[MAX_PATH * 2] = {};
    const DWORD length = ::GetFullPathNameA(pstrName, sizeof(full), full, nullptr);
    m_strRoot = length > 0 && length < sizeof(full) ? full : pstrName;
    const std::string::size_type slash = m_strRoot.find_last_of("\\/");
    m_strRoot.erase(slash == std::string::npos ? 0 : slash);
    return TRUE;
}

BOOL CFileFind::FindNextFile() {
    if (!m_bHasNext) return FALSE;
    m_current = m_next;
    m_bHasCurrent = true;
    m_bHasNext = ::FindNextFileA(m_hContext, &m_next) != FALSE;
    return m_bHasNext ? TRUE : FALSE;
}

void CFileFind::Close() {
    if (m_hContext != INVALID_HANDLE_VALUE) ::FindClose(m_hContext);
    m_hContext = INVALID_HANDLE_VALUE;
    m_bHasCurrent = false;
    m_bHasNext = false;
    m_strRoot.clear();
}

const WIN32_FIND_DATAA& CFileFind::Current() const {
    // Asking before FindNextFile made a match current is a programming error.
    AFX_ASSERT(m_bHasCurrent);
    return m_current;
}

std::string CFileFind::GetFileName() const {
    return Current().cFileName;
}

std::string CFileFind::GetFilePath() const {
    return m_strRoot + "\\" + GetFileName();
}

BOOL CFileFind::IsDots() const {
    const char* name = Current().cFileName;
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const {
    return (Current().dwFileAttributes & dwMask) != 0;
}
