#include "store/firewall_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void Put32(std::vector<unsigned char>& block, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) block.push_back(static_cast<unsigned char>(value >> (8 * i)));
}
void Put16(std::vector<unsigned char>& block, std::uint16_t value) {
    block.push_back(static_cast<unsigned char>(value));
    block.push_back(static_cast<unsigned char>(value >> 8));
}

// A block with counts 1 (offset 4) and COUNT - 1 (offset 8), and the records as given.
std::vector<unsigned char> Block(const std::vector<FirewallRule>& rules, int count) {
    std::vector<unsigned char> block;
    for (std::uint32_t word : {0u, 1u, static_cast<std::uint32_t>(count - 1), 0u})
        Put32(block, word);
    for (const FirewallRule& r : rules) {
        for (std::uint32_t a : {r.inboundFrom, r.inboundTo, r.outboundFrom, r.outboundTo})
            Put32(block, a);
        for (std::uint16_t p : {r.inboundFromPort, r.inboundToPort, r.outboundFromPort,
                                r.outboundToPort, r.protocol, std::uint16_t{0}})
            Put16(block, p);
        Put32(block, r.action);
        Put32(block, r.direction);
    }
    return block;
}

// 192.168.0.1 to .255 inbound and 10.0.0.1 to .254 outbound, with four ports.
FirewallRule Rule(std::uint32_t direction, std::uint16_t protocol, std::uint32_t action) {
    return {0xC0A80001, 0xC0A800FF, 0x0A000001, 0x0A0000FE, 53,       1024,
            1025,       80,         protocol,   action,     direction};
}

// Rows of known directions and protocols are proven whole through the firewall page.
TEST(FirewallBlock, ARowOfAnUnknownDirectionOrProtocolKeepsTheTextsItHasNoneFor) {
    const std::vector<FirewallRule> rules = {Rule(1, 6, 1), Rule(0, 17, 0), Rule(7, 99, 1)};
    const auto bytes = Block(rules, 3);
    FirewallBlock block = ParseFirewallBlock(bytes.data(), bytes.size());
    EXPECT_EQ(block.countAt4 + block.countAt8, 3);
    ASSERT_EQ(block.rules.size(), 3u);

    FirewallRow row;
    FillFirewallRow(block.rules[0], &row);
    FillFirewallRow(block.rules[1], &row);
    // an unknown direction empties its text and keeps the addresses; an unknown protocol keeps
    // the one before
    FillFirewallRow(block.rules[2], &row);
    EXPECT_EQ(row.direction + "|" + row.protocol + "|" + row.action, "|UDP|Allow");
    EXPECT_EQ(row.from, 0xC0A80001u);
}

TEST(FirewallBlock, NeverReadsPastItsEndWhateverItsCountsClaim) {
    const auto two = Block({Rule(0, 0, 1), Rule(1, 1, 0)}, 2);
    struct Case {
        std::size_t size;
        int count;
        std::size_t rules;
    } cases[] = {
        {two.size(), 2, 2},  {two.size() - 1, 2, 1}, {two.size(), 0, 0},
        {two.size(), -5, 0}, {two.size(), 1000, 2},  {15, 2, 0},
        {16, 2, 0},
    };
    for (const Case& c : cases) {
        auto bytes = Block({Rule(0, 0, 1), Rule(1, 1, 0)}, c.count);
        bytes.resize(c.size);
        EXPECT_EQ(ParseFirewallBlock(bytes.data(), bytes.size()).rules.size(), c.rules)
            << c.size << " bytes, counts summing to " << c.count;
    }
}

}  // namespace
