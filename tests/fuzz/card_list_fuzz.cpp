// Any text the client may answer as a card list parses without fault, by both splits, and every
// card the list parse keeps has both names and one of the two kinds.
#include "store/card_list_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    // the client's buffer holds at most 4095 characters before its zero
    std::string text(reinterpret_cast<const char*>(data), size < 4095 ? size : 4095);
    text = text.c_str();
    for (const NicEntry& card : ParseCardList(text)) {
        if (card.NicName.empty() || card.NdisName.empty()) std::abort();
        if (card.NicType != kNicTypeWired && card.NicType != kNicTypeWireless) std::abort();
    }
    SplitCardListByCharacter(text);
    return 0;
}
