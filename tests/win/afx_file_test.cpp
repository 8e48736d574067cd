// File search with MFC's rhythm, and the file dialog's view of the chosen path.
#include "tests/win/afx_test_support.h"

#include "afx/afxdlgs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class FileFindTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(sizeof(temp), temp);
        folder = std::string(temp) + "afx_find_test";
        ::CreateDirectoryA(folder.c_str(), nullptr);
        ::CreateDirectoryA((folder + "\\sub.0").c_str(), nullptr);
        for (const char* name : {"a.0", "b.0", "c.txt"}) {
            HANDLE hFile = ::CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                         CREATE_ALWAYS, 0, nullptr);
            DWORD written = 0;
            ::WriteFile(hFile, name, 3, &written, nullptr);
            ::CloseHandle(hFile);
        }
    }
    void TearDown() override {
        for (const char* name : {"a.0", "b.0", "c.txt"})
            ::DeleteFileA((folder + "\\" + name).c_str());
        ::RemoveDirectoryA((folder + "\\sub.0").c_str());
        ::RemoveDirectoryA(folder.c_str());
    }

    std::string folder;
};

TEST_F(FileFindTest, EveryMatchIsVisitedIncludingTheLastOne) {
    CFileFind finder;
    std::vector<std::string> files;
    std::vector<std::string> folders;
    BOOL bWorking = finder.FindFile((folder + "\\*.0").c_str());
    ASSERT_TRUE(bWorking);
    while (bWorking) {
        bWorking = finder.FindNextFile();
        (finder.IsDirectory() ? folders : files).push_back(finder.GetFilePath());
        EXPECT_FALSE(finder.IsDots());
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{folder + "\\a.0", folder + "\\b.0"}));
    EXPECT_EQ(folders, (std::vector<std::string>{folder + "\\sub.0"}));
    EXPECT_FALSE(finder.FindNextFile());
}

TEST_F(FileFindTest, CurrentMatchTellsItsNameTitleRootAndLength) {
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile((folder + "\\c.*").c_str()));
    EXPECT_FALSE(finder.FindNextFile());  // the only match is current and is the last
    EXPECT_EQ(finder.GetFileName(), "c.txt");
    EXPECT_EQ(finder.GetFileTitle(), "c");
    EXPECT_EQ(finder.GetRoot(), folder + "\\");
    EXPECT_EQ(finder.GetLength(), 3u);
}

TEST_F(FileFindTest, RelativePatternIsRootedInTheCurrentFolder) {
    char previous[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof(previous), previous);
    ::SetCurrentDirectoryA(folder.c_str());
    CFileFind finder;
    const BOOL found = finder.FindFile("b.0");
    ::SetCurrentDirectoryA(previous);
    ASSERT_TRUE(found);
    finder.FindNextFile();
    EXPECT_EQ(finder.GetFilePath(), folder + "\\b.0");
}

TEST_F(FileFindTest, PatternWithoutMatchesFindsNothing) {
    CFileFind finder;
    EXPECT_FALSE(finder.FindFile((folder + "\\*.none").c_str()));
    EXPECT_FALSE(finder.FindNextFile());
}

TEST(FileDialogTest, ChosenPathIsSplitIntoNameExtensionAndTitle) {
    CFileDialog dlg(TRUE, nullptr, "C:\\Certs\\root.ca.cer");
    EXPECT_EQ(dlg.GetPathName(), "C:\\Certs\\root.ca.cer");
    EXPECT_EQ(dlg.GetFileName(), "root.ca.cer");
    EXPECT_EQ(dlg.GetFileExt(), "cer");
    EXPECT_EQ(dlg.GetFileTitle(), "root.ca");

    CFileDialog bare(TRUE, nullptr, "README");
    EXPECT_EQ(bare.GetFileExt(), "");
    EXPECT_EQ(bare.GetFileTitle(), "README");
}

TEST(FileDialogTest, FilterBarsBecomeTheSystemsSeparators) {
    CFileDialog dlg(TRUE, "cer", nullptr, OFN_FILEMUSTEXIST,
                    "Certificates (*.cer)|*.cer|All|*.*||");
    const char* filter = dlg.m_ofn.lpstrFilter;
    std::vector<std::string> parts;
    for (const char* part = filter; *part != '\0'; part += std::string(part).size() + 1) {
        parts.push_back(part);
    }
    EXPECT_EQ(parts, (std::vector<std::string>{"Certificates (*.cer)", "*.cer", "All", "*.*"}));
    EXPECT_STREQ(dlg.m_ofn.lpstrDefExt, "cer");
    EXPECT_TRUE(dlg.m_ofn.Flags & OFN_FILEMUSTEXIST);
}

// Cancels the dialog as soon as it is ready, from its own hook.
UINT_PTR CALLBACK CancelAtOnce(HWND hChild, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_INITDONE) {
        ::PostMessageA(::GetParent(hChild), WM_COMMAND, IDCANCEL, 0);
    }
    return 0;
}

TEST(FileDialogTest, CancelledDialogAnswersIdcancel) {
    CFileDialog dlg(TRUE, nullptr, "start.cer", OFN_FILEMUSTEXIST, "All|*.*||");
    dlg.m_ofn.Flags |= OFN_ENABLEHOOK;
    dlg.m_ofn.lpfnHook = CancelAtOnce;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

}  // namespace
