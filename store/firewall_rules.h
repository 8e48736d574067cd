// The firewall rule block that the client library answers, free of Win32: a 16-byte header with
// two rule counts, then one 36-byte record per rule, every field little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct FirewallRule {
    std::uint32_t inboundFrom = 0;  // addresses in host byte order
    std::uint32_t inboundTo = 0;
    std::uint32_t outboundFrom = 0;
    std::uint32_t outboundTo = 0;
    std::uint16_t inboundFromPort = 0;
    std::uint16_t inboundToPort = 0;
    std::uint16_t outboundFromPort = 0;
    std::uint16_t outboundToPort = 0;
    std::uint16_t protocol = 0;   // 0 all, 1 ICMP, 6 TCP, 17 UDP
    std::uint32_t action = 0;     // non-zero allow
    std::uint32_t direction = 0;  // 0 inbound, 1 outbound
};

struct FirewallBlock {
    std::int32_t countAt8 = 0;  // the two counts; only their sum says how many rules follow
    std::int32_t countAt4 = 0;
    std::vector<FirewallRule> rules;
};

constexpr std::size_t kFirewallHeaderSize = 16;
constexpr std::size_t kFirewallRecordSize = 36;

// The counts and the rules of the SIZE bytes at DATA. The sum of the counts says how many records
// follow; a block shorter than that holds only the whole records it has room for, and nothing is
// read past its end (a block shorter than its header has no counts and no rules).
FirewallBlock ParseFirewallBlock(const unsigned char* data, std::size_t size);

// One table row's texts, kept from row to row: a protocol or direction without a text of its
// own leaves the previous row's texts where they are.
struct FirewallRow {
    std::string direction;
    std::uint32_t from = 0;  // the addresses and ports of the rule's own direction
    std::uint32_t to = 0;
    std::string fromPort;
    std::string toPort;
    std::string protocol;
    std::string action;
};

// Updates ROW for RULE: "InBound" or "OutBound" with that direction's addresses and ports
// (another direction empties the direction text and keeps the rest), "ALL", "ICMP", "TCP" or
// "UDP" (another protocol keeps the previous text), "Allow" or "Deny".
void FillFirewallRow(const FirewallRule& rule, FirewallRow* row);
