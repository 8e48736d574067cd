// What the page and dialog tests share, GoogleTest and the standard containers with it. What a
// template declares (kinds, captions, places) is the resource file's own statement, not repeated.
#pragma once

#include "app/message_box.h"
#include "app/ovasettings_app.h"
#include "tests/win/client_state.h"
#include "res/resource.h"
#include "tools/driver/driver.h"
#include "ui/skinned_page.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace templates {

// The texts a page is given, in the order the main dialog hands them on. The tests give the text
// numbers themselves, so every caption shows which text reached it.
using Texts = std::vector<std::string>;
using Names = std::vector<std::string>;  // lines of a list, titles of boxes
using Shown = std::vector<std::pair<int, std::string>>;

void ExpectTexts(const CWnd& window, const Shown& shown);
// Of all the window's controls, exactly those in skinned get the skin colour on a hollow brush.
void ExpectSkinnedExactly(HWND window, const std::set<int>& skinned);

struct PageCase {
    Texts texts;
    std::vector<int> shownOn;  // the control of each text in turn; 0 or none: handed on to a dialog
    std::set<int> locked;      // disabled when the page is locked
    std::set<int> skinned;
    std::function<std::unique_ptr<CSkinnedPage>(const Texts&, bool locked, CWnd*)> make;
    std::set<int> unlockedDisabled = {};  // disabled by the page's own rules on a bare client
};

template <class Page>
std::unique_ptr<CSkinnedPage> MakePage(const Texts& texts, bool locked, CWnd* parent) {
    auto page = std::make_unique<Page>();
    if constexpr (Page::IDD != IDD_PAGE_FIREWALL) {  // the only page without texts
        EXPECT_EQ(texts.size(), static_cast<size_t>(Page::kTextCount));
        page->SetInterfaceTexts(texts.data());
    }
    if constexpr (Page::IDD <= IDD_PAGE_TRUSTED_ROOT) page->m_bLocked = locked;  // the first five
    return page->Create(Page::IDD, parent) ? std::move(page) : nullptr;
}

// Each page, locked where it can be and not, is made hidden under parent with its texts on their
// controls, exactly its skinned controls drawn so and exactly its locked (or own) ones disabled.
void ExpectPages(const std::vector<PageCase>& pages, CWnd* parent);

// What the user reads and does on a page's controls; Notify sends what a control tells its page.
std::vector<std::string> Lines(HWND page, int combo);
inline constexpr auto Text = driver::ControlText;
bool Enabled(HWND page, int id);
bool Ticked(HWND page, int id);
void Notify(HWND page, int id, int code);
// The user ticks or clears a checkbox, or chooses a line of a combo box (-1: none).
void Tick(HWND page, int id, bool ticked);
void Choose(HWND page, int combo, int index);
// A row of list view LIST selected, as the arrow keys do it (the page hears nothing), or clicked,
// as the mouse does it (the row is selected, then the list tells its page).
void SelectRow(HWND page, int list, int row);
void ClickRow(HWND page, int list, int row);

// A value under root's key, made when missing; no text deletes the value.
void SetText(HKEY root, const char* key, const char* name, const std::optional<std::string>& text);
void SetDword(HKEY root, const char* key, const char* name, DWORD value);
// A key of HKEY_LOCAL_MACHINE, deleted with its values when the object is made and when it goes.
struct DeletedKey {
    explicit DeletedKey(const char* key) : key(key) { RegDeleteTreeA(HKEY_LOCAL_MACHINE, key); }
    ~DeletedKey() { RegDeleteTreeA(HKEY_LOCAL_MACHINE, key); }
    const char* key;
};
// A file NAME in FOLDER holding CONTENT, the folder made when missing.
void Put(const std::string& folder, const std::string& name, const std::string& content = "");

// The program's log, emptied, its folder made when missing.
std::string EmptyLog();

// A 260-byte destination between guard bytes, as the pages pass it, holding INITIAL.
struct Destination {
    char before[8], text[260], after[8];
    explicit Destination(const char* initial = "");
    bool GuardsIntact() const;
};

// Both profile folders, set aside and empty while the object lives, then back as they were.
struct EmptyProfileFolders {
    EmptyProfileFolders();
    ~EmptyProfileFolders();
    const std::string common, user;
};

// The boxes shown while a test runs, recorded by title and answered with OK.
class BoxTitles : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { SetMessageBoxRecorder(nullptr); }

    Names boxTitles;
};

// A hidden top-level window that parents the pages and owns the dialogs, as the main dialog does.
// The application object holds the library handle the pages read the client through; a process
// has only one at a time. The client starts without fixtures, in English.
class PageHost : public BoxTitles {
protected:
    void SetUp() override;
    void TearDown() override;

    testing_client::ScopedClient client{1};
    CWnd parent;
    COvaSettingsApp app;
};

}  // namespace templates
