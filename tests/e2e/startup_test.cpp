// Starting and ending the real editor: the single-instance guard between two real processes, a
// client library that cannot be opened, and the release of the library handle at the end.
#include "tests/e2e/e2e_client.h"

#include <gtest/gtest.h>

namespace {

using driver::Process;

class EditorStart : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(e2e::Ovasim("reset")); }
    void TearDown() override {
        for (Process* p : {&first, &second}) {
            if (p->handle && !driver::WaitForExit(*p, 0)) TerminateProcess(p->handle, 1);
            driver::CloseProcess(*p);
        }
    }

    // Closes the editor's dialog with Cancel and waits for the process to end.
    void Cancel(Process& editor, HWND dialog) {
        driver::Click(dialog, IDCANCEL);
        EXPECT_TRUE(driver::WaitForExit(editor, e2e::kWindowTimeoutMs));
    }

    // The application's library handle (the last one the process opened) was released once.
    static void ExpectReleasedOnce(DWORD pid) {
        auto journal = e2e::Journal(pid);
        ASSERT_FALSE(journal.empty());
        unsigned long long handle = journal.back().handle;
        int initialized = 0, released = 0;
        for (const auto& e : journal) {
            if (e.handle != handle) continue;
            initialized += e.operation == "initialize";
            released += e.operation == "terminate" && e.result == 0;
        }
        EXPECT_EQ(initialized, 1);
        EXPECT_EQ(released, 1);
        EXPECT_EQ(journal.back().operation, "terminate") << "released last";
    }

    Process first, second;
};

TEST_F(EditorStart, SecondCopyShows8119InTheClientsLanguageAndTheFirstStaysUndisturbed) {
    struct Case {
        int language;
        const char* title;
    } cases[] = {{1, "Error - (8119)"}, {0, "에러 - (8119)"}};
    for (const Case& c : cases) {
        ASSERT_TRUE(e2e::Ovasim("set-item 49 --int " + std::to_string(c.language)));
        first = driver::Start(e2e::kInstalledEditor);
        HWND dialog = driver::WaitForDialog(first.pid, e2e::kWindowTimeoutMs);
        ASSERT_NE(dialog, nullptr);

        second = driver::Start(e2e::kInstalledEditor);
        HWND box = driver::WaitForMessageBox(second.pid, e2e::kWindowTimeoutMs);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(driver::WindowText(box), e2e::Ansi(c.title));
        EXPECT_FALSE(driver::ControlText(box, 0xFFFF).empty());
        driver::Click(box, IDOK);
        DWORD exitCode = 1;
        EXPECT_TRUE(driver::WaitForExit(second, e2e::kWindowTimeoutMs, &exitCode));
        EXPECT_EQ(driver::WaitForDialog(second.pid, 0), nullptr)
            << "the second copy shows no dialog";

        EXPECT_TRUE(IsWindow(dialog) && IsWindowVisible(dialog)) << "the first copy goes on";
        EXPECT_FALSE(driver::WaitForExit(first, 0));
        Cancel(first, dialog);
        driver::CloseProcess(first);
        driver::CloseProcess(second);
    }
}

TEST_F(EditorStart, CancelLeavesTheClientAsItWas) {
    ASSERT_TRUE(e2e::Ovasim("add-entry LAN C:\\p\\office.pcf alice secret"));
    std::string dumpBefore, storeBefore, dumpAfter, storeAfter;
    const std::string query = "reg.exe query \"HKLM\\SOFTWARE\\Brenwick\\Ovanta\\6.0\" /s";
    ASSERT_EQ(driver::Run(query, &storeBefore), 0);
    first = driver::Start(e2e::kInstalledEditor);
    HWND dialog = driver::WaitForDialog(first.pid, e2e::kWindowTimeoutMs);
    ASSERT_NE(dialog, nullptr);
    e2e::OvasimDump(&dumpBefore);  // the journal grows while the editor runs; compare the rest
    Cancel(first, dialog);
    ASSERT_EQ(driver::Run(query, &storeAfter), 0);
    EXPECT_EQ(storeAfter, storeBefore);
    EXPECT_NE(storeAfter.find("LAN"), std::string::npos) << "the query sees the store";
    e2e::OvasimDump(&dumpAfter);
    EXPECT_EQ(e2e::WithoutJournal(dumpAfter), e2e::WithoutJournal(dumpBefore));
}

TEST_F(EditorStart, ClientLibraryThatCannotBeOpenedShows8024AndNoDialog) {
    ASSERT_TRUE(e2e::Ovasim("set-item 49 --int 1"));
    ASSERT_TRUE(e2e::Ovasim("fixture InitializeFails 1"));
    first = driver::Start(e2e::kInstalledEditor);
    HWND box = driver::WaitForMessageBox(first.pid, e2e::kWindowTimeoutMs);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(driver::WindowText(box), "Error - (8024)");
    driver::Click(box, IDOK);
    EXPECT_TRUE(driver::WaitForExit(first, e2e::kWindowTimeoutMs));
}

TEST_F(EditorStart, LibraryHandleIsReleasedExactlyOnceAfterTheDialogHasClosed) {
    for (int button : {IDCANCEL, IDOK}) {
        first = driver::Start(e2e::kInstalledEditor);
        HWND dialog = driver::WaitForDialog(first.pid, e2e::kWindowTimeoutMs);
        ASSERT_NE(dialog, nullptr);
        auto open = e2e::Journal(first.pid);
        ASSERT_FALSE(open.empty());
        for (const auto& e : open) EXPECT_NE(e.operation, "terminate") << "still open";

        driver::Click(dialog, button);
        ASSERT_TRUE(driver::WaitForExit(first, e2e::kWindowTimeoutMs));
        ExpectReleasedOnce(first.pid);
        driver::CloseProcess(first);
    }
}

}  // namespace
