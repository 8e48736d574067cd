// Start-up and shutdown of the application object, in-process: each failure shows its message,
// logs what it must, and gives back exactly what was taken, in order.
#include "app/file_content.h"
#include "app/winsock_seam.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"
#include "tools/driver/driver.h"

#include <algorithm>

namespace {

using testing_client::JournalOfThisProcess;
using Lines = std::vector<std::string>;

// Winsock is ended exactly when a further WSACleanup finds nothing to end.
bool WinsockEnded() {
    return WSACleanup() == SOCKET_ERROR && WSAGetLastError() == WSANOTINITIALISED;
}
bool MutexStillOpen() {
    HANDLE again = CreateMutexA(nullptr, FALSE, kSingleInstanceMutex);
    const bool open = GetLastError() == ERROR_ALREADY_EXISTS;
    CloseHandle(again);
    return open;
}

int WSAAPI FailingStartup(WORD, WSADATA*) {
    return WSASYSNOTREADY;
}

class StartUp : public templates::BoxTitles {
protected:
    void TearDown() override {
        BoxTitles::TearDown();
        SetWinsockStartup(nullptr);
    }
    // Runs the application to its end: the operations of the journal lines it wrote, which are
    // all on one handle, kept in 64 bits, each release succeeding. (The calls that take no handle,
    // loading a box's text module and the certificate page's calls, are left out.)
    Lines Start() {
        const size_t before = JournalOfThisProcess().size();
        EXPECT_FALSE(COvaSettingsApp().InitInstance());
        auto journal = JournalOfThisProcess();
        journal.erase(
            std::remove_if(journal.begin() + before, journal.end(),
                           [](const auto& e) { return !e.handle && e.operation != "initialize"; }),
            journal.end());
        Lines operations;
        for (size_t i = before; i < journal.size(); ++i) {
            operations.push_back(journal[i].operation);
            EXPECT_EQ(journal[i].handle, journal[before].handle) << journal[i].operation;
            if (journal[i].operation != "terminate") continue;
            EXPECT_EQ(journal[i].result, 0);
            EXPECT_GT(journal[i].handle, 0xFFFFFFFFull) << "the handle is kept in 64 bits";
        }
        return operations;
    }

    testing_client::ScopedClient client{1};
};

// Winsock that cannot start takes nothing; a client library that cannot be opened ends Winsock.
TEST_F(StartUp, FailingWinsockShows8023AndAFailingClientLibrary8024) {
    SetWinsockStartup(FailingStartup);
    EXPECT_EQ(Start(), Lines{}) << "the client library was not opened";
    SetWinsockStartup(nullptr);
    testing_client::SetFixtureDword("InitializeFails", 1);
    EXPECT_EQ(Start(), Lines{"initialize"});
    EXPECT_EQ(boxTitles, (Lines{"Error - (8023)", "Error - (8024)"}));
    EXPECT_TRUE(WinsockEnded());
}

// Closes the main dialog with Cancel as soon as it is activated.
HHOOK g_hook = nullptr;
LRESULT CALLBACK CloseOnActivate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE)
        PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDCANCEL, 0);
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

TEST_F(StartUp, ClosingTheDialogEndsWinsockAndReleasesTheMutex) {
    // the dialog reads a real installation's settings, with what every page reads
    ASSERT_EQ(driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" reset --english --demo"), 0);
    g_hook = SetWindowsHookExA(WH_CBT, CloseOnActivate, nullptr, GetCurrentThreadId());
    Start();  // one handle, released once with success
    UnhookWindowsHookEx(g_hook);
    EXPECT_TRUE(boxTitles.empty()) << "Cancel shows no box";
    EXPECT_TRUE(WinsockEnded());
    EXPECT_FALSE(MutexStillOpen());
}

// A name held by another kind of object is logged; an existing mutex is not this copy's to
// close, and its handle stays open until the process ends, so that case comes last.
TEST_F(StartUp, NameHeldElsewhereShows8118OrAnExistingMutex8119AndGivesBackWhatItTook) {
    const std::string logPath = templates::EmptyLog();
    for (const bool mutex : {false, true}) {
        HANDLE held = mutex ? CreateMutexA(nullptr, FALSE, kSingleInstanceMutex)
                            : CreateEventA(nullptr, TRUE, FALSE, kSingleInstanceMutex);
        ASSERT_NE(held, nullptr);
        boxTitles.clear();
        EXPECT_EQ(Start(), (Lines{"initialize", "terminate"}));
        CloseHandle(held);
        EXPECT_EQ(boxTitles, Lines{mutex ? "Error - (8119)" : "Error - (8118)"});
        EXPECT_TRUE(WinsockEnded());
        EXPECT_EQ(MutexStillOpen(), mutex);
    }
    const std::string content = ReadFileContent(logPath).value_or("");
    EXPECT_NE(content.find(" COvaSettingsApp::InitInstance() : CreateMutex(MutexOvaSettings) "
                           "is failed. error = 6\r\n"),
              std::string::npos)
        << content;
    DeleteFileA(logPath.c_str());
}

}  // namespace
