// Any fixture text, and any journal line or hex text ovasim reads, parses without fault.
#include "sim/common/fixture_text.h"
#include "sim/ovasim/ovasim_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    for (unsigned item : {0u, 43u, 72u, 130u, 4294967295u}) sim::StatusForItem(text, item);
    sim::ListContains(text, "OvaText.dll");
    ovasim::ParseJournalLine(text);
    if (auto bytes = ovasim::ParseHex(text)) {
        if (ovasim::ParseHex(ovasim::HexText(bytes->data(), bytes->size())) != bytes) std::abort();
    }
    ovasim::ParseCellValue(text);
    ovasim::ParseItemNumber(text);
    return 0;
}
