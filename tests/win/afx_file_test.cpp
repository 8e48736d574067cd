// File search with MFC's rhythm: each FindNextFile makes the next match current and says whether
// another follows, so the last match is still handled.
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
        for (const char* name : kFiles) {
            HANDLE hFile = ::CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                         CREATE_ALWAYS, 0, nullptr);
            DWORD written = 0;
            ::WriteFile(hFile, name, 3, &written, nullptr);
            ::CloseHandle(hFile);
        }
    }
    void TearDown() override {
        for (const char* name : kFiles) ::DeleteFileA((folder + "\\" + name).c_str());
        ::RemoveDirectoryA((folder + "\\sub.0").c_str());
        ::RemoveDirectoryA(folder.c_str());
    }

    static constexpr const char* kFiles[] = {"a.0", "b.0", "c.txt"};
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
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{folder + "\\a.0", folder + "\\b.0"}));
    EXPECT_EQ(folders, (std::vector<std::string>{folder + "\\sub.0"}));
    EXPECT_FALSE(finder.FindNextFile());

    // The only match is current and last at once.
    ASSERT_TRUE(finder.FindFile((folder + "\\c.*").c_str()));
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_EQ(finder.GetFileName(), "c.txt");
    EXPECT_EQ(finder.GetFileTitle(), "c");
    EXPECT_EQ(finder.GetLength(), 3u);

    EXPECT_FALSE(finder.FindFile((folder + "\\*.none").c_str()));
    EXPECT_FALSE(finder.FindNextFile());
}

}  // namespace
