// Any store text parses and is rewritten without fault: the lock mask locks exactly its "0"s, the
// option string reads as off once debug data is switched off and fits its buffer once it is
// switched on, and the start list gives no more names than its count allows, none of them empty.
#include "store/settings_rules.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // the first two bytes choose the entry count and the option buffer's size
    const int count = static_cast<std::int8_t>(data[0]);
    const size_t capacity = 1 + data[1] % 64;
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);

    const auto locked = settings::LockedPages(text);
    for (size_t i = 0; i < locked.size(); ++i)
        if (locked[i] != (i < text.size() && text[i] == '0')) std::abort();

    if (settings::HasDebugMarker(settings::WithDebugData(text, false, capacity))) std::abort();
    if (settings::WithDebugData(text, true, capacity).size() >= capacity) std::abort();
    settings::LeadingNumber(text);

    const auto names = settings::StartListTokens(text, count);
    if (names.size() > static_cast<size_t>(count > 0 ? count : 0) + 1) std::abort();
    for (const std::string& name : names)
        if (name.empty() || name.find(';') != std::string::npos) std::abort();

    const size_t half = text.size() / 2;
    const auto record = settings::StartEntryRecord(text.substr(0, half), text.substr(half));
    if (record && record->size() >= 5120) std::abort();
    return 0;
}
