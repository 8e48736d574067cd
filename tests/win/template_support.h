// What the page and dialog tests share: a template is held against the controls it must have (id,
// kind, caption, visibility) as the dialog manager makes them, and a page class against the texts,
// lock and skin it must apply. A layout that is the program's own choice is not looked at.
#pragma once

#include "res/resource.h"
#include "ui/skinned_page.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace templates {

// A control's window class and the type bits that make it what it is: a push button may be the
// default one, an edit field is single-line and writable, a drop-down has an edit field and a drop
// list none, and a combo box is sorted or not.
struct Kind {
    const char* windowClass;
    DWORD mask, bits;
};
constexpr DWORD kEditTypes = ES_MULTILINE | ES_READONLY | ES_PASSWORD;
constexpr Kind kCheckbox = {"Button", BS_TYPEMASK, BS_AUTOCHECKBOX};
constexpr Kind kRadio = {"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON};
constexpr Kind kButton = {"Button", BS_TYPEMASK & ~BS_DEFPUSHBUTTON, BS_PUSHBUTTON};
constexpr Kind kLabel = {"Static", SS_TYPEMASK, SS_LEFT};
constexpr Kind kList = {"SysListView32", LVS_TYPEMASK, LVS_REPORT};
constexpr Kind kEdit = {"Edit", kEditTypes, 0};
constexpr Kind kPassword = {"Edit", kEditTypes, ES_PASSWORD};
constexpr Kind kDropList = {"ComboBox", 3 | CBS_SORT, CBS_DROPDOWNLIST};
constexpr Kind kSortedDropList = {"ComboBox", 3 | CBS_SORT, CBS_DROPDOWNLIST | CBS_SORT};
constexpr Kind kDropDown = {"ComboBox", 3 | CBS_SORT, CBS_DROPDOWN};
constexpr Kind kSortedDropDown = {"ComboBox", 3 | CBS_SORT, CBS_DROPDOWN | CBS_SORT};

struct Control {
    int id;
    Kind kind;
    const wchar_t* caption;      // the template's
    const char* text = nullptr;  // the interface text that replaces it, if any
    DWORD style = WS_VISIBLE;    // style bits it must have; WS_VISIBLE exactly when it is shown
};

struct Template {
    int id;
    const wchar_t* title;
    DWORD style, absent;                   // window style bits it must have and must not have
    const std::vector<Control>& controls;  // exactly the template's controls
    int cx = 0, cy = 0;  // the client size in dialog units, in Tahoma, where it is fixed
};
constexpr DWORD kPageStyle = DS_CONTROL | WS_CHILD;
constexpr DWORD kNotPageStyle = WS_VISIBLE | WS_POPUP | WS_CAPTION;

// The template made by the dialog manager, without any class of the program, holds exactly the
// listed controls.
void ExpectTemplate(const Template& t, HWND owner);

std::wstring WideText(HWND window);
// The radios of the group that starts at id, as the dialog manager and DDX_Radio see it.
std::vector<int> RadioGroupFrom(HWND dialog, int id);
// The controls with a text show it; the others keep the template's caption.
void ExpectTexts(const CWnd& window, const std::vector<Control>& controls);
// Exactly the controls in skinned, of those listed, get the skin colour on a hollow brush.
void ExpectSkinnedExactly(HWND window, const std::vector<Control>& controls,
                          const std::set<int>& skinned);

// The texts a page is given, in the order the main dialog hands them on. The tests give the text
// numbers themselves, so every caption shows which text reached it.
using Texts = std::vector<std::string>;

struct PageCase {
    const Template* page;
    Texts texts;
    std::set<int> locked;  // disabled when the page is locked
    std::set<int> skinned;
    std::function<std::unique_ptr<CSkinnedPage>(const Texts&, bool locked, CWnd*)> make;
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
// controls, the other controls keeping their template captions, exactly its skinned controls
// drawn so, and exactly its editing controls disabled when locked.
void ExpectPages(const std::vector<PageCase>& pages, CWnd* parent);

// A hidden top-level window that parents the pages and owns the dialogs, as the main dialog does.
class PageHost : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CWnd parent;
};

}  // namespace templates
