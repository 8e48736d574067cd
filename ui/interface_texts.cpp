#include "ui/interface_texts.h"

#include "app/message_text.h"
#include "client/loaded_module.h"

namespace {

constexpr unsigned kInterfaceCommand = 1;
constexpr DWORD kMsgTextModuleNotLoaded = 8007;
constexpr DWORD kMsgTextModuleNoFactory = 8008;
constexpr int kHelpButton = 1000;

enum class Target { Title, Text, Control, WindowTitle };

struct Caption {
    DWORD number;
    Target target;
    int index;  // title or text index, or control id
};

// The fetch order. Tab titles are kept by page, so the switch page's title (251), fetched
// before the start-up authentication page's (259), still goes to index 8.
constexpr Caption kCaptions[] = {
    {201, Target::Title, kTitleStartList},
    {202, Target::Title, kTitleAutoConnect},
    {203, Target::Title, kTitleDefaultCard},
    {204, Target::Title, kTitleGeneralOptions},
    {229, Target::Title, kTitleTrustedRoots},
    {241, Target::Title, kTitleWindowsLogon},
    {250, Target::Title, kTitleFirewall},
    {251, Target::Title, kTitleSwitch},
    {205, Target::Control, IDOK},
    {206, Target::Control, IDCANCEL},
    {207, Target::Control, kHelpButton},
    {239, Target::WindowTitle, 0},
    // start list page, then the start entry dialog's five through it
    {213, Target::Text, 0},
    {214, Target::Text, 1},
    {216, Target::Text, 2},
    {217, Target::Text, 3},
    {218, Target::Text, 4},
    {208, Target::Text, 5},
    {209, Target::Text, 6},
    {210, Target::Text, 7},
    {211, Target::Text, 8},
    {212, Target::Text, 9},
    // auto-connect and default card pages
    {219, Target::Text, 10},
    {220, Target::Text, 11},
    {221, Target::Text, 12},
    {222, Target::Text, 13},
    // general options page, with the advanced settings dialog's four after its first six
    {223, Target::Text, 14},
    {258, Target::Text, 15},
    {225, Target::Text, 16},
    {226, Target::Text, 17},
    {227, Target::Text, 18},
    {228, Target::Text, 19},
    {236, Target::Text, 20},
    {237, Target::Text, 21},
    {238, Target::Text, 22},
    {240, Target::Text, 23},
    {270, Target::Text, 24},
    {271, Target::Text, 25},
    {272, Target::Text, 26},
    {280, Target::Text, 27},
    // trusted root certificate page
    {230, Target::Text, 28},
    {231, Target::Text, 29},
    {232, Target::Text, 30},
    {233, Target::Text, 31},
    {234, Target::Text, 32},
    {235, Target::Text, 33},
    // Windows logon page
    {242, Target::Text, 34},
    {243, Target::Text, 35},
    {244, Target::Text, 36},
    {245, Target::Text, 37},
    {246, Target::Text, 38},
    // wired/wireless switch page
    {252, Target::Text, 39},
    {253, Target::Text, 40},
    {254, Target::Text, 41},
    {255, Target::Text, 42},
    {256, Target::Text, 43},
    {257, Target::Text, 44},
    // start-up authentication page: its tab title, then its texts
    {259, Target::Title, kTitleStartUpAuth},
    {260, Target::Text, 45},
    {261, Target::Text, 46},
    {262, Target::Text, 47},
    {263, Target::Text, 48},
    {264, Target::Text, 49},
};

// The page texts fill their table in order, each index once, so that each page's run of texts is
// one slice of it.
constexpr bool PageTextsFillTheirTable() {
    int next = 0;
    for (const Caption& caption : kCaptions) {
        if (caption.target != Target::Text) continue;
        if (caption.index != next) return false;
        ++next;
    }
    return next == kPageTextCount;
}
static_assert(PageTextsFillTheirTable());

// Texts whose absence the editor lives with.
bool MayBeMissing(DWORD number) {
    return number == 207 || number == 223 || number == 258;
}

}  // namespace

bool LoadInterfaceTexts(CWnd& dialog, std::string (&pageTitle)[kPageTitleCount],
                        std::string (&pageText)[kPageTextCount]) {
    bool failed = false;
    DWORD failure = 0;
    {
        LoadedModule module("OvaText.dll");
        if (module.state() == LoadedModule::State::NotLoaded) {
            ShowErrorText(kMsgTextModuleNotLoaded);
            return false;
        }
        if (module.state() == LoadedModule::State::NoFactory) {
            failed = true;
            failure = kMsgTextModuleNoFactory;
        }
        // the size cell is set once for the whole pass, the status cell cleared once
        DWORD size = kTextBufferSize;
        DWORD status = 0;
        for (const Caption& caption : kCaptions) {
            if (failed) break;
            char text[kTextBufferSize] = {};
            DWORD number = caption.number;
            bool found = module.object()->Invoke(kInterfaceCommand, &number, text, &size, &status);
            text[kTextBufferSize - 1] = '\0';  // the text ends inside its buffer, however filled
            if (!found && !MayBeMissing(caption.number)) {
                failed = true;
                failure = status;  // texts fetched so far stay in their fields
                break;
            }
            // a module may leave something in the buffer of a text it does not know
            const char* shown = found ? text : "";
            switch (caption.target) {
                case Target::Title:
                    pageTitle[caption.index] = shown;
                    break;
                case Target::Text:
                    pageText[caption.index] = shown;
                    break;
                case Target::Control:
                    dialog.SetDlgItemText(caption.index, shown);
                    if (!found) dialog.GetDlgItem(caption.index)->ShowWindow(SW_HIDE);
                    break;
                case Target::WindowTitle:
                    dialog.SetWindowText(shown);
                    break;
            }
        }
    }  // Release(1) and unload before the error shows
    if (failed) {
        ShowErrorText(failure);
        return false;
    }
    return true;
}
