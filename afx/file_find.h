// CFileFind: a file search with MFC's rhythm. FindFile starts it; each FindNextFile makes the
// next match current and says whether another one follows, so the last match is still handled:
//
//     CFileFind finder;
//     BOOL bWorking = finder.FindFile("C:\\Folder\\*.0");
//     while (bWorking) {
//         bWorking = finder.FindNextFile();
//         if (finder.IsDots() || finder.IsDirectory()) continue;
//         Use(finder.GetFilePath());
//     }
#pragma once

#include <windows.h>

#include <string>

class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind() { Close(); }
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts a search for a pattern with wildcards (null: "*.*" in the current folder), ending
    // any search before. Nonzero when something matches.
    BOOL FindFile(LPCSTR pstrName = nullptr);
    // Makes the next match current. Nonzero when another match follows it; zero when the match
    // just made current is the last one, or when there was none to make current.
    BOOL FindNextFile();
    void Close();

    // The current match (FindNextFile must have made one current).
    std::string GetFileName() const;
    // The short 8.3 name the file system keeps beside a name that is not one; empty otherwise.
    std::string GetShortName() const { return Current().cAlternateFileName; }
    // The folder searched, as a full path, then a backslash, then the name.
    std::string GetFilePath() const;
    // "." or "..".
    BOOL IsDots() const;
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL MatchesMask(DWORD dwMask) const;

private:
    const WIN32_FIND_DATAA& Current() const;

    HANDLE m_hContext = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA m_current = {};
    WIN32_FIND_DATAA m_next = {};
    bool m_bHasCurrent = false;
    bool m_bHasNext = false;
    std::string m_strRoot;
};
