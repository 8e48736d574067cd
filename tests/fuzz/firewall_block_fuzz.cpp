// Any bytes the client library may answer as a firewall rule block parse without reading past
// the block, and give no more rules than the block has room for nor than its counts claim.
#include "store/firewall_rules.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    // a copy of exactly SIZE bytes, so that the sanitizer sees any read past the block
    std::vector<unsigned char> block(data, data + size);
    FirewallBlock parsed = ParseFirewallBlock(block.data(), block.size());
    const std::size_t room =
        size < kFirewallHeaderSize ? 0 : (size - kFirewallHeaderSize) / kFirewallRecordSize;
    const std::int64_t claimed = std::int64_t{parsed.countAt8} + parsed.countAt4;
    if (parsed.rules.size() > room) std::abort();
    if (static_cast<std::int64_t>(parsed.rules.size()) > (claimed > 0 ? claimed : 0)) std::abort();
    FirewallRow row;
    for (const FirewallRule& rule : parsed.rules) FillFirewallRow(rule, &row);
    return 0;
}
