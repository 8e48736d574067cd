// Message texts come from the client's text module in its language, and every box goes through
// the box seam, where these tests record it.
#include "app/ansi_text.h"
#include "app/message_box.h"
#include "app/message_text.h"
#include "tests/win/client_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Box {
    HWND owner;
    std::string text, title;
    UINT type;
};

class MessageBoxes : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageBoxRecorder(
            [this](HWND owner, const std::string& text, const std::string& title, UINT type) {
                boxes.push_back({owner, text, title, type});
                return answer;
            });
    }
    void TearDown() override { SetMessageBoxRecorder(nullptr); }

    testing_client::ScopedClient client{1};
    std::vector<Box> boxes;
    int answer = IDOK;
};

TEST_F(MessageBoxes, ErrorBoxIsTitledByTheTextsLanguageWithTheNumber) {
    struct Case {
        DWORD language;
        const char* titleUtf8;
    } cases[] = {{1, "Error - (8119)"}, {0, "에러 - (8119)"}};
    for (const Case& c : cases) {
        testing_client::SetLanguage(c.language);
        ShowErrorText(8119);
    }
    ASSERT_EQ(boxes.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(boxes[i].title, Utf8ToCodePage(cases[i].titleUtf8));
        EXPECT_EQ(boxes[i].owner, nullptr);
        EXPECT_EQ(boxes[i].type, 0x40010u);
        EXPECT_FALSE(boxes[i].text.empty());
    }
    EXPECT_NE(boxes[0].text, boxes[1].text) << "each in its language";
}

TEST_F(MessageBoxes, TextThatCannotBeFetchedShowsNoBoxWhileAKnownOneDoes) {
    ShowErrorText(8024);
    EXPECT_EQ(boxes.size(), 1u);
    boxes.clear();

    ShowErrorText(12345);  // no text has this number
    testing_client::SetFixtureText("MissingTexts", "8024");
    ShowErrorText(8024);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MessageBoxes, TextModuleThatCannotBeLoadedOrHasNoFactoryGivesNoText) {
    for (const char* fixture : {"Unloadable", "NoFactory"}) {
        testing_client::ClearFixtures();
        testing_client::SetFixtureText(fixture, "ovatext.dll");
        char text[kTextBufferSize] = {};
        DWORD size = kTextBufferSize, cell = 8119;
        EXPECT_FALSE(LoadText(&cell, text, &size)) << fixture;
        ShowErrorText(8119);
        EXPECT_TRUE(boxes.empty()) << fixture;
    }
}

TEST_F(MessageBoxes, QuestionTitleCarriesTheCallersNumberAndTheAnswerComesBack) {
    HWND owner = GetDesktopWindow();
    answer = IDYES;
    EXPECT_EQ(ShowTextBox(owner, 8052, "Information - (234)", "알림 - (234)", kQuestionBoxType),
              IDYES);
    testing_client::SetLanguage(0);
    answer = IDNO;
    EXPECT_EQ(ShowTextBox(owner, 8052, "Information - (234)", "알림 - (234)", kQuestionBoxType),
              IDNO);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].title, "Information - (234)");
    EXPECT_EQ(boxes[1].title, Utf8ToCodePage("알림 - (234)"));
    EXPECT_EQ(boxes[0].owner, owner);
    EXPECT_EQ(boxes[0].type, 0x40024u);

    boxes.clear();
    EXPECT_EQ(ShowTextBox(owner, 12345, "Information - (1)", "알림 - (1)", kInformationBoxType), 0);
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
