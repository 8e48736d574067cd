// What the page template tests share. A test lists the controls it expects a template to hold;
// these pieces hold that list against the template twice over: as the program's resources store
// it, before any window has touched its styles, and as the dialog manager makes it, where the
// controls have added to or given up some of those styles and the units have become pixels.
#pragma once

#include "afx/afxwin.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace templates {

// What a control is: its window class and the type bits of its style.
enum class Kind {
    Checkbox,
    Radio,
    PushButton,
    DefaultButton,
    Label,
    ListView,
    EditCombo,
    ListCombo,
    Edit
};

// A control as a test expects its template to declare it.
struct Control {
    int id;
    Kind kind;
    int x, y, cx, cy;        // dialog units
    DWORD style;             // the style besides WS_CHILD, WS_VISIBLE and the kind's type bits
    const wchar_t* caption;  // the template's caption
    bool visible = true;     // WS_VISIBLE; most controls of a page are shown from the start
};

constexpr DWORD kTab = WS_TABSTOP;
constexpr DWORD kGroup = WS_GROUP;
constexpr bool kHidden = false;  // for Control::visible: the control starts hidden

const char* ClassOf(Kind kind);
// The type bits the template writes for the kind.
DWORD TypeBitsOf(Kind kind);
// Whether a made control's style still makes it the kind: the dialog manager may have moved the
// default-button bit, so a push button is also accepted as a default one.
bool IsOfKind(Kind kind, DWORD style);
// The whole style the template must write for the control.
DWORD DeclaredStyle(const Control& control);
// The ids in the order of the list, which is the tab order the template must give.
std::vector<int> IdsOf(const std::vector<Control>& controls);

// A control of a DLGTEMPLATEEX as the resource holds it.
struct StoredItem {
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    std::string windowClass;  // a predefined class named by number is given its name
    std::wstring title;
};

struct StoredTemplate {
    DWORD style = 0;
    short cx = 0, cy = 0;
    std::wstring title;
    WORD pointSize = 0;
    std::wstring typeface;
    std::vector<StoredItem> items;
};

// The dialog resource of the running program; nullopt when there is none or it is not a
// DIALOGEX.
std::optional<StoredTemplate> ReadStoredTemplate(int id);

// The id, the style and the rectangle of the stored item are the listed control's.
void ExpectDeclaredAsListed(const StoredItem& item, const Control& control);

std::wstring WideText(HWND window);
std::string ClassName(HWND window);
bool HasStyle(HWND window, DWORD bits);
// The window's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND control);

// The pixels the dialog manager gives a rectangle of the dialog's template. It converts the
// position and the size each on their own, so the right edge is the converted x plus the
// converted cx, which rounding can set a pixel away from the converted x + cx.
RECT DialogUnitsToPixels(HWND dialog, int x, int y, int cx, int cy);

// The ids of the dialog's children in their z-order, which is the order of the template.
std::vector<int> ChildIds(HWND dialog);

// The control the dialog manager made of the listed one has the listed class, visibility and
// place.
void ExpectMadeAsListed(HWND dialog, HWND control, const Control& expected);

// The client area is the template's size, cx by cy dialog units.
void ExpectClientSize(HWND dialog, int cx, int cy);

// The radios of a group, as the dialog manager and DDX_Radio see it: from the control up to the
// next control that starts a group.
std::vector<int> RadioGroupFrom(HWND dialog, int id);

// The texts a page is given, in the order the main dialog hands them on.
using Texts = std::vector<std::string>;

std::string TextOf(const CWnd& window, int id);

// A page is made hidden, as a child of the window that will show it: the tab control shows one
// page at a time.
void ExpectHiddenChildOf(const CWnd& page, HWND parent);

// The controls named in texts show that text (control id, text); every other listed control
// keeps its template's caption.
void ExpectCaptions(const CWnd& window, const std::vector<Control>& controls,
                    const std::map<int, std::string>& texts);

// The listed controls that are disabled.
std::set<int> DisabledControls(HWND window, const std::vector<Control>& controls);

// Sends WM_CTLCOLORSTATIC for the control and reports whether it came back skinned: the skin
// colour on a hollow brush, transparent.
bool DrawnSkinned(HWND window, HWND control);

// Exactly the controls in skinned, of those listed, are drawn in the skin colour.
void ExpectSkinnedExactly(HWND window, const std::vector<Control>& controls,
                          const std::set<int>& skinned);

// The pixels that paint leaves on a cx by cy picture first filled with background, row by row
// from the top: what shows the background is what paint left alone.
std::vector<COLORREF> PaintedPixels(int cx, int cy, COLORREF background,
                                    const std::function<void(HDC)>& paint);

struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// A hidden top-level window that parents the pages and owns the dialogs, as the main dialog
// does.
class PageHost : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The template alone, made by the dialog manager under the host without any class of the
    // program.
    UniqueWindow MakeBare(int id) const;

    HWND host = nullptr;
    CWnd parent;
};

}  // namespace templates
