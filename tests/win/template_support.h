// What the page and dialog tests share: a page class is held against the texts it puts on its
// controls, the controls it draws in the skin colour and the ones its lock disables, each checked
// over every control the window holds. What a template declares (kinds, captions, places) is the
// resource file's own statement and is not repeated here.
#pragma once

#include "app/ovasettings_app.h"
#include "res/resource.h"
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
// Controls and the text each must show.
using Shown = std::vector<std::pair<int, std::string>>;

std::wstring WideText(HWND window);
// The radios of the group that starts at id, as the dialog manager and DDX_Radio see it.
std::vector<int> RadioGroupFrom(HWND dialog, int id);
void ExpectTexts(const CWnd& window, const Shown& shown);
// Of all the window's controls, exactly those in skinned get the skin colour on a hollow brush.
void ExpectSkinnedExactly(HWND window, const std::set<int>& skinned);

struct PageCase {
    Texts texts;
    Shown shown;
    std::set<int> locked;  // disabled when the page is locked
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
    if (!page->Create(Page::IDD, parent)) return nullptr;
    return page;
}

// Each page, locked where it can be and not, is made hidden under parent, with its texts on their
// controls, exactly its skinned controls drawn so, and exactly its editing controls disabled when
// locked (and exactly its own disabled ones when not).
void ExpectPages(const std::vector<PageCase>& pages, CWnd* parent);

// What the user reads and does on a page's controls.
std::vector<std::string> Lines(HWND page, int combo);
std::string Text(HWND page, int id);
bool Enabled(HWND page, int id);
bool Ticked(HWND page, int id);
// The notification the control sends its page when the user acts on it.
void Notify(HWND page, int id, int code);

// A value under root's key, the key made when missing; no text deletes the value.
void SetText(HKEY root, const char* key, const char* name, const std::optional<std::string>& text);
void SetDword(HKEY root, const char* key, const char* name, DWORD value);
// An empty file NAME in FOLDER.
void Put(const std::string& folder, const std::string& name);

// The program's log, emptied, its folder made when missing.
std::string EmptyLog();

// Both profile folders, set aside and empty while the object lives, then back as they were.
struct EmptyProfileFolders {
    EmptyProfileFolders();
    ~EmptyProfileFolders();
    const std::string common, user;
};

// A hidden top-level window that parents the pages and owns the dialogs, as the main dialog does.
// The boxes the pages show are recorded by title and answered with OK. The application object
// holds the library handle the pages read the client through; a process has only one at a time.
class PageHost : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CWnd parent;
    std::vector<std::string> boxTitles;
    COvaSettingsApp app;
};

}  // namespace templates
