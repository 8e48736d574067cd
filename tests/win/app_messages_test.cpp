// Message texts come from the client's text module in its language, and every box goes through
// the box seam, where these tests record it.
#include "app/ansi_text.h"
#include "app/message_box.h"
#include "app/message_text.h"
#include "tests/win/client_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

class MessageBoxes : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageBoxRecorder(
            [this](HWND owner, const std::string& text, const std::string& title, UINT type) {
                titles.push_back(title);
                texts.push_back(text);
                kinds.emplace_back(owner, type);
                return answer;
            });
    }
    void TearDown() override { SetMessageBoxRecorder(nullptr); }

    testing_client::ScopedClient client{1};
    std::vector<std::string> titles, texts;    // of the boxes shown
    std::vector<std::pair<HWND, UINT>> kinds;  // their owners and types
    int answer = IDOK;
};

// An error box is owner-less and titled with its number; a question carries the caller's number
// and owner, and its answer comes back. Both are titled in the language of their text. A number
// without a text shows no box (as with a text module that cannot be used).
TEST_F(MessageBoxes, BoxesAreTitledByTheTextsLanguageAndAQuestionsAnswerComesBack) {
    const HWND owner = GetDesktopWindow();
    ShowErrorText(12345);
    for (DWORD language : {1u, 0u}) {
        testing_client::SetLanguage(language);
        ShowErrorText(8119);
        answer = language ? IDYES : IDNO;
        EXPECT_EQ(ShowTextBox(owner, 8052, "Information - (234)", "알림 - (234)", kQuestionBoxType),
                  answer);
    }
    ASSERT_EQ(titles, (std::vector<std::string>{"Error - (8119)", "Information - (234)",
                                                Utf8ToCodePage("에러 - (8119)"),
                                                Utf8ToCodePage("알림 - (234)")}));
    const std::pair<HWND, UINT> error{nullptr, 0x40010u}, question{owner, 0x40024u};
    EXPECT_EQ(kinds, (std::vector{error, question, error, question}));
    EXPECT_EQ(std::count(texts.begin(), texts.end(), ""), 0);
    EXPECT_NE(texts[0], texts[2]) << "each in its language";
}

}  // namespace
