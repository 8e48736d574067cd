// Start-up and shutdown of the application object, in-process: each failure shows its message,
// logs what it must, and gives back exactly what was taken, in order.
#include "app/file_content.h"
#include "app/message_box.h"
#include "app/ovasettings_app.h"
#include "app/winsock_seam.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using testing_client::JournalOfThisProcess;

// Winsock is ended exactly when a further WSACleanup finds nothing to end.
bool WinsockEnded() {
    return WSACleanup() == SOCKET_ERROR && WSAGetLastError() == WSANOTINITIALISED;
}

int WSAAPI FailingStartup(WORD, WSADATA*) {
    return WSASYSNOTREADY;
}

class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageBoxRecorder([this](HWND, const std::string&, const std::string& title, UINT) {
            titles.push_back(title);
            return IDOK;
        });
        journalBefore = JournalOfThisProcess().size();
    }
    void TearDown() override {
        SetMessageBoxRecorder(nullptr);
        SetWinsockStartup(nullptr);
    }
    // The journal lines written since the test began.
    std::vector<testing_client::JournalEntry> NewJournal() const {
        auto all = JournalOfThisProcess();
        return {all.begin() + static_cast<long>(journalBefore), all.end()};
    }

    testing_client::ScopedClient client{1};
    std::vector<std::string> titles;
    size_t journalBefore = 0;
};

TEST_F(StartUp, FailingWinsockShows8023AndTakesNothing) {
    SetWinsockStartup(FailingStartup);
    COvaSettingsApp app;
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(titles, std::vector<std::string>{"Error - (8023)"});
    EXPECT_TRUE(NewJournal().empty()) << "the client library was not opened";
}

TEST_F(StartUp, FailingClientLibraryShows8024AndEndsWinsock) {
    testing_client::SetFixtureDword("InitializeFails", 1);
    COvaSettingsApp app;
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(titles, std::vector<std::string>{"Error - (8024)"});
    EXPECT_TRUE(WinsockEnded());
    auto journal = NewJournal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].operation, "initialize");
    EXPECT_EQ(journal[0].result, 0);
}

TEST_F(StartUp, NameHeldByAnotherKindOfObjectShows8118LogsTheErrorAndReleasesTheHandle) {
    HANDLE squatter = CreateEventA(nullptr, TRUE, FALSE, kSingleInstanceMutex);
    ASSERT_NE(squatter, nullptr);
    const std::string logPath = templates::EmptyLog();
    COvaSettingsApp app;
    EXPECT_FALSE(app.InitInstance());
    CloseHandle(squatter);

    EXPECT_EQ(titles, std::vector<std::string>{"Error - (8118)"});
    const std::string content = ReadFileContent(logPath).value_or("");
    EXPECT_NE(content.find(" COvaSettingsApp::InitInstance() : CreateMutex(MutexOvaSettings) "
                           "is failed. error = 6\r\n"),
              std::string::npos)
        << content;
    auto journal = NewJournal();
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[1].operation, "terminate");
    EXPECT_EQ(journal[1].handle, journal[0].handle);
    EXPECT_EQ(journal[1].result, 0);
    EXPECT_TRUE(WinsockEnded());
    DeleteFileA(logPath.c_str());
}

// Closes the main dialog with Cancel or OK as soon as it is activated; when OK finds something to
// refuse (this program made no card list or catalogue), Cancel follows.
WPARAM g_closeWith = IDCANCEL;
HHOOK g_hook = nullptr;
LRESULT CALLBACK CloseOnActivate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, g_closeWith, 0);
        PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

TEST_F(StartUp, ClosingTheDialogReleasesTheClientHandleOnceThenWinsockThenTheMutex) {
    // the dialog reads a real installation's settings, with what every page reads
    ASSERT_EQ(driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" reset --english --demo"), 0);
    for (WPARAM closeWith : {IDCANCEL, IDOK}) {
        journalBefore = JournalOfThisProcess().size();
        g_closeWith = closeWith;
        g_hook = SetWindowsHookExA(WH_CBT, CloseOnActivate, nullptr, GetCurrentThreadId());
        COvaSettingsApp app;
        EXPECT_FALSE(app.InitInstance());
        UnhookWindowsHookEx(g_hook);

        if (closeWith == IDCANCEL) {
            EXPECT_TRUE(titles.empty());
        }
        // opened first and released last; in between the pages read through it
        auto journal = NewJournal();
        ASSERT_GE(journal.size(), 2u) << closeWith;
        int opened = 0, released = 0;
        for (const auto& line : journal) {
            opened += line.operation == "initialize";
            released += line.operation == "terminate";
            EXPECT_EQ(line.handle, journal.front().handle) << line.operation;
        }
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(released, 1);
        EXPECT_EQ(journal.front().operation, "initialize");
        EXPECT_EQ(journal.back().operation, "terminate");
        EXPECT_EQ(journal.back().result, 0);
        EXPECT_GT(journal.front().handle, 0xFFFFFFFFull) << "the handle is kept in 64 bits";
        EXPECT_TRUE(WinsockEnded());
        HANDLE again = CreateMutexA(nullptr, FALSE, kSingleInstanceMutex);
        EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << "mutex closed";
        CloseHandle(again);
    }
}

// The guard's handle opened by this case stays open until the process ends, so the case comes
// last in this program.
TEST_F(StartUp, ExistingMutexShows8119ReleasesTheClientAndWinsockAndKeepsItsHandleOpen) {
    HANDLE first = CreateMutexA(nullptr, FALSE, kSingleInstanceMutex);
    ASSERT_NE(first, nullptr);
    COvaSettingsApp app;
    EXPECT_FALSE(app.InitInstance());
    CloseHandle(first);

    EXPECT_EQ(titles, std::vector<std::string>{"Error - (8119)"});
    auto journal = NewJournal();
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[1].operation, "terminate");
    EXPECT_EQ(journal[1].handle, app.m_hClient);
    EXPECT_TRUE(WinsockEnded());
    HANDLE again = CreateMutexA(nullptr, FALSE, kSingleInstanceMutex);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    CloseHandle(again);
}

}  // namespace
