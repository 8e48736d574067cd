// All interface texts in one pass: tab titles kept by page, page texts in their order, button
// captions and the window title on the dialog; the tolerated gaps and the closing error.
#include "app/message_box.h"
#include "client/loaded_module.h"
#include "tests/win/client_state.h"
#include "tests/win/ui_interface_texts_test_ids.h"
#include "ui/interface_texts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::string Text(unsigned number) {
    return testing_client::InterfaceText(number);
}

std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text - 1);
    return text;
}

class InterfaceTexts : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageBoxRecorder([this](HWND, const std::string&, const std::string& title, UINT) {
            boxes.push_back(title);
            return IDOK;
        });
        ASSERT_TRUE(dialog.Create(IDD_TEXTS_TEST));
    }
    void TearDown() override {
        dialog.DestroyWindow();
        SetMessageBoxRecorder(nullptr);
    }
    bool Load() { return LoadInterfaceTexts(dialog, title, text); }

    testing_client::ScopedClient client{1};
    CDialog dialog;
    std::string title[kPageTitleCount];
    std::string text[kPageTextCount];
    std::vector<std::string> boxes;
};

TEST_F(InterfaceTexts, LandInTheirFieldsAndOnTheDialog) {
    ASSERT_TRUE(Load());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(TextOf(dialog.m_hWnd), Text(239));
    EXPECT_EQ(TextOf(::GetDlgItem(dialog.m_hWnd, IDOK)), Text(205));
    EXPECT_EQ(TextOf(::GetDlgItem(dialog.m_hWnd, IDCANCEL)), Text(206));
    EXPECT_EQ(TextOf(::GetDlgItem(dialog.m_hWnd, 1000)), Text(207));
    EXPECT_NE(GetWindowLongA(::GetDlgItem(dialog.m_hWnd, 1000), GWL_STYLE) & WS_VISIBLE, 0);
    const unsigned titles[kPageTitleCount] = {201, 202, 203, 204, 229, 241, 250, 259, 251};
    for (int i = 0; i < kPageTitleCount; ++i) EXPECT_EQ(title[i], Text(titles[i])) << i;
    const unsigned texts[kPageTextCount] = {
        213, 214, 216, 217, 218, 208, 209, 210, 211, 212, 219, 220, 221, 222, 223, 258, 225,
        226, 227, 228, 236, 237, 238, 240, 270, 271, 272, 280, 230, 231, 232, 233, 234, 235,
        242, 243, 244, 245, 246, 252, 253, 254, 255, 256, 257, 260, 261, 262, 263, 264};
    for (int i = 0; i < kPageTextCount; ++i) {
        EXPECT_EQ(text[i], Text(texts[i])) << i;
        EXPECT_FALSE(text[i].empty()) << i;
    }
}

TEST_F(InterfaceTexts, WithoutTheHelpCaptionTheHelpButtonIsHiddenAndEmpty) {
    testing_client::SetFixtureText("MissingTexts", "207");
    LONG style = GetWindowLongA(::GetDlgItem(dialog.m_hWnd, 1000), GWL_STYLE);
    SetWindowLongA(::GetDlgItem(dialog.m_hWnd, 1000), GWL_STYLE, style | WS_VISIBLE);
    ASSERT_TRUE(Load());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(GetWindowLongA(::GetDlgItem(dialog.m_hWnd, 1000), GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_EQ(TextOf(::GetDlgItem(dialog.m_hWnd, 1000)), "");
    EXPECT_EQ(text[49], Text(264)) << "the pass went on to the end";
}

TEST_F(InterfaceTexts, WithoutTheTwoOptionalCheckboxTextsTheirFieldsAreEmpty) {
    testing_client::SetFixtureText("MissingTexts", "223;258");
    ASSERT_TRUE(Load());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(text[14], "");
    EXPECT_EQ(text[15], "");
    EXPECT_EQ(text[16], Text(225));
}

TEST_F(InterfaceTexts, AnyOtherMissingTextEndsThePassWithTheModulesStatus) {
    testing_client::SetFixtureText("MissingTexts", "230");
    EXPECT_FALSE(Load());
    EXPECT_EQ(boxes, std::vector<std::string>{"Error - (9001)"});
    EXPECT_EQ(text[27], Text(280)) << "texts fetched before stay";
    EXPECT_EQ(text[28], "");
    EXPECT_EQ(title[7], "") << "not fetched yet";
}

TEST_F(InterfaceTexts, ATextModuleThatCannotBeLoadedOrHasNoFactoryGivesItsError) {
    struct Case {
        const char* fixture;
        const char* box;
    } cases[] = {{"Unloadable", "Error - (8007)"}, {"NoFactory", "Error - (8008)"}};
    for (const Case& c : cases) {
        testing_client::ClearFixtures();
        testing_client::SetFixtureText(c.fixture, "OvaText.dll");
        boxes.clear();
        EXPECT_FALSE(Load()) << c.fixture;
        // the box's own text comes from the same module, so none can be shown
        EXPECT_TRUE(boxes.empty()) << c.fixture;
        EXPECT_EQ(TextOf(dialog.m_hWnd), "template caption");
    }
}

}  // namespace
