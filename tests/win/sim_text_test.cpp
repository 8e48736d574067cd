// The simulated client's text module knows every number the program shows, in both languages.
#include "client/loaded_module.h"
#include "tests/win/client_state.h"

#include <gtest/gtest.h>

#include <cstring>

#include <string>
#include <vector>

namespace {

std::vector<unsigned> Range(unsigned first, unsigned last) {
    std::vector<unsigned> numbers;
    for (unsigned n = first; n <= last; ++n) numbers.push_back(n);
    return numbers;
}

std::vector<unsigned> MessageNumbers() {
    std::vector<unsigned> numbers = Range(6321, 6326);
    for (unsigned n :
         {8001u, 8002u, 8003u, 8004u, 8005u, 8006u, 8007u, 8008u, 8009u, 8010u, 8012u, 8013u, 8014u,
          8015u, 8016u, 8019u, 8020u, 8021u, 8022u, 8023u, 8024u, 8025u, 8026u, 8027u, 8028u, 8029u,
          8030u, 8033u, 8034u, 8035u, 8036u, 8041u, 8046u, 8049u, 8050u, 8051u, 8052u, 8053u, 8054u,
          8055u, 8056u, 8057u, 8058u, 8059u, 8060u, 8061u, 8062u, 8063u, 8064u, 8076u, 8077u, 8078u,
          8079u, 8080u, 8081u, 8082u, 8083u, 8084u, 8087u, 8088u, 8089u, 8090u, 8091u, 8092u, 8098u,
          8099u, 8100u, 8101u, 8102u, 8103u, 8104u, 8105u, 8106u, 8107u, 8108u, 8109u, 8110u, 8111u,
          8112u, 8113u, 8114u, 8115u, 8116u, 8117u, 8118u, 8119u, 9094u})
        numbers.push_back(n);
    for (unsigned n : Range(9001, 9050)) numbers.push_back(n);  // the client's own status numbers
    return numbers;
}

// The interface texts in the order the main dialog fetches them.
const unsigned kInterfaceNumbers[] = {
    201, 202, 203, 204, 229, 241, 250, 251, 205, 206, 207, 239, 213, 214, 216, 217,
    218, 208, 209, 210, 211, 212, 219, 220, 221, 222, 223, 258, 225, 226, 227, 228,
    236, 237, 238, 240, 270, 271, 272, 280, 230, 231, 232, 233, 234, 235, 242, 243,
    244, 245, 246, 252, 253, 254, 255, 256, 257, 259, 260, 261, 262, 263, 264};

// Asks the module for text NUMBER with COMMAND; the language flag comes back in *LANGUAGE.
std::string Ask(ModuleInterface* module, unsigned command, unsigned number, DWORD* language) {
    char text[1024] = {};
    DWORD size = sizeof text, cell = number, status = 0;
    if (!module->Invoke(command, &cell, text, &size, &status))
        return "<missing " + std::to_string(status) + ">";
    *language = cell;
    return text;
}

TEST(SimulatedTextModule, KnowsEveryMessageAndInterfaceTextInKoreanAndInEnglish) {
    testing_client::ScopedClient client;
    struct Set {
        unsigned command;
        std::vector<unsigned> numbers;
    } sets[] = {
        {2, MessageNumbers()},
        {1, std::vector<unsigned>(std::begin(kInterfaceNumbers), std::end(kInterfaceNumbers))}};
    for (const Set& set : sets) {
        for (unsigned number : set.numbers) {
            DWORD language = 99;
            testing_client::SetLanguage(0);
            LoadedModule korean("OvaText.dll");
            ASSERT_TRUE(korean.ready());
            std::string k = Ask(korean.object(), set.command, number, &language);
            if (set.command == 2) {
                EXPECT_EQ(language, 0u) << number;
            }
            testing_client::SetLanguage(1);
            LoadedModule english("OvaText.dll");
            std::string e = Ask(english.object(), set.command, number, &language);
            if (set.command == 2) {
                EXPECT_NE(language, 0u) << number;
            }
            EXPECT_EQ(k.rfind("<missing", 0), std::string::npos) << number << " Korean";
            EXPECT_EQ(e.rfind("<missing", 0), std::string::npos) << number << " English";
            EXPECT_FALSE(k.empty() || e.empty()) << number;
            EXPECT_NE(k, e) << number;
        }
    }
}

TEST(SimulatedTextModule, UnknownOrMissingNumberFailsWithItsStatus) {
    testing_client::ScopedClient client;
    testing_client::SetFixtureText("MissingTexts", "230;8119");
    LoadedModule module("OvaText.dll");
    ASSERT_TRUE(module.ready());
    for (unsigned number : {230u, 8119u, 12345u, 70000u}) {
        char text[1024] = {};
        DWORD size = sizeof text, cell = number, status = 0;
        EXPECT_EQ(module.object()->Invoke(2, &cell, text, &size, &status), 0) << number;
        EXPECT_EQ(status, 9001u) << number;
    }
}

TEST(SimulatedTextModule, CutsAnAnswerAtTheBufferSizeMinusOneOnACharacterBoundary) {
    testing_client::ScopedClient client{0};
    LoadedModule module("OvaText.dll");
    ASSERT_TRUE(module.ready());
    char full[1024] = {};
    DWORD size = sizeof full, cell = 8119, status = 0;
    ASSERT_NE(module.object()->Invoke(2, &cell, full, &size, &status), 0);
    for (DWORD small : {1u, 2u, 3u, 8u}) {
        char text[16];
        std::memset(text, 'z', sizeof text);
        cell = 8119;
        DWORD smallSize = small;
        ASSERT_NE(module.object()->Invoke(2, &cell, text, &smallSize, &status), 0);
        size_t length = std::strlen(text);
        EXPECT_LT(length, small) << small;
        EXPECT_EQ(std::string(full, length), std::string(text)) << small;
        EXPECT_EQ(text[small], 'z') << "nothing written past the buffer";
    }
}

}  // namespace
