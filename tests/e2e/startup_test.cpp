// Starting and ending the real editor: the single-instance guard between two real processes, a
// client library that cannot be opened, and the release of the library handle at the end.
#include "tests/e2e/e2e_client.h"

#include <gtest/gtest.h>

namespace {

using driver::Process;

class EditorStart : public ::testing::Test {
protected:
    // A client with cards and with what every page reads, so that the editor opens without a box.
    void SetUp() override { ASSERT_TRUE(e2e::Ovasim("reset --demo")); }
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

    // Every process of the editor opens two library handles: first the card list's own, made
    // before the application starts and never released, then the application's, released once
    // and last.
    static void ExpectReleasedOnce(DWORD pid) {
        auto journal = e2e::Journal(pid);
        ASSERT_FALSE(journal.empty());
        const unsigned long long cardList = journal.front().handle;
        const unsigned long long application = journal.back().handle;
        EXPECT_NE(cardList, application);
        int initialized = 0, released = 0, cardListReleased = 0;
        for (const auto& e : journal) {
            initialized += e.operation == "initialize";
            released += e.operation == "terminate" && e.handle == application && e.result == 0;
            cardListReleased += e.operation == "terminate" && e.handle == cardList;
        }
        EXPECT_EQ(journal.front().operation, "initialize");
        EXPECT_EQ(initialized, 2);
        EXPECT_EQ(released, 1);
        EXPECT_EQ(cardListReleased, 0);
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
        ExpectReleasedOnce(second.pid);  // the refused copy made its card list too

        EXPECT_TRUE(IsWindow(dialog) && IsWindowVisible(dialog)) << "the first copy goes on";
        EXPECT_FALSE(driver::WaitForExit(first, 0));
        Cancel(first, dialog);
        ExpectReleasedOnce(first.pid);
        driver::CloseProcess(first);
        driver::CloseProcess(second);
    }
}

// Both the card list (before the application starts) and the application ask for a handle, and
// each refusal shows 8024.
TEST_F(EditorStart, ClientLibraryThatCannotBeOpenedShows8024TwiceAndNoDialog) {
    ASSERT_TRUE(e2e::Ovasim("set-item 49 --int 1"));
    ASSERT_TRUE(e2e::Ovasim("fixture InitializeFails 1"));
    first = driver::Start(e2e::kInstalledEditor);
    for (const char* whose : {"the card list", "the application"}) {
        HWND box = driver::WaitForMessageBox(first.pid, e2e::kWindowTimeoutMs);
        ASSERT_NE(box, nullptr) << whose;
        EXPECT_EQ(driver::WindowText(box), "Error - (8024)") << whose;
        driver::Click(box, IDOK);
        // the next box comes once this one has gone
        for (int i = 0; i < 100 && IsWindow(box); ++i) Sleep(20);
    }
    EXPECT_TRUE(driver::WaitForExit(first, e2e::kWindowTimeoutMs));
}

// The demo client opens straight to the editor's window; a bare client with cards first shows the
// boxes its pages prescribe for what it lacks, each once, and then the window.
TEST_F(EditorStart, OpensWithoutABoxOnTheDemoClientAndWithOnlyThePagesBoxesOnABareOne) {
    struct Case {
        const char* reset;
        std::vector<std::string> boxes;
    } cases[] = {{"reset --demo", {}}, {"reset --english", {"Error - (8091)", "Error - (8106)"}}};
    for (const Case& c : cases) {
        ASSERT_TRUE(e2e::Ovasim(c.reset));
        if (!c.boxes.empty()) {
            ASSERT_TRUE(e2e::Ovasim("fixture Cards \"lan0||Wired LAN||0##\""));
        }
        first = driver::Start(e2e::kInstalledEditor);
        std::vector<std::string> shown;
        HWND window = nullptr;
        while ((window = driver::WaitForDialog(first.pid, e2e::kWindowTimeoutMs)) &&
               driver::IsMessageBox(window) && shown.size() < 5) {
            shown.push_back(driver::WindowText(window));
            driver::Click(window, IDOK);
            for (int i = 0; i < 100 && IsWindow(window); ++i) Sleep(20);
        }
        EXPECT_EQ(shown, c.boxes) << c.reset;
        ASSERT_NE(window, nullptr) << c.reset;
        EXPECT_FALSE(driver::IsMessageBox(window));
        EXPECT_EQ(driver::WaitForMessageBox(first.pid, 500), nullptr) << c.reset;
        Cancel(first, window);
        driver::CloseProcess(first);
    }
}

}  // namespace
