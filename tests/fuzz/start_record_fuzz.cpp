// Any text a start-list record item may carry either parses into a non-empty card and a value
// that reassemble to the record, or is refused; joining and cutting never leave their buffers.
#include "sim/common/fixture_text.h"
#include "sim/store/start_list_text.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (auto record = sim::ParseStartRecord(text)) {
        if (record->card.empty()) std::abort();
        if (record->card + ";;" + record->value + ";;" != text) std::abort();
        if (!sim::SameCardName(record->card, record->card)) std::abort();
    }
    std::vector<std::string> cards;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) cards.push_back(line);
    sim::CardNameList list = sim::JoinCardNames(cards, size / 2);
    if (list.text.size() > size / 2 || list.count > cards.size()) std::abort();
    char buffer[16];
    size_t copied = sim::CopyCut(text, buffer, sizeof buffer);
    if (copied > sizeof buffer - 1 || buffer[copied] != '\0') std::abort();
    return 0;
}
