#include "store/firewall_rules.h"

namespace {

std::uint32_t Read32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t Read16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

FirewallRule ReadRecord(const unsigned char* p) {
    FirewallRule rule;
    rule.inboundFrom = Read32(p);
    rule.inboundTo = Read32(p + 4);
    rule.outboundFrom = Read32(p + 8);
    rule.outboundTo = Read32(p + 12);
    rule.inboundFromPort = Read16(p + 16);
    rule.inboundToPort = Read16(p + 18);
    rule.outboundFromPort = Read16(p + 20);
    rule.outboundToPort = Read16(p + 22);
    rule.protocol = Read16(p + 24);
    rule.action = Read32(p + 28);
    rule.direction = Read32(p + 32);
    return rule;
}

const char* ProtocolText(std::uint16_t protocol) {
    switch (protocol) {
        case 0:
            return "ALL";
        case 1:
            return "ICMP";
        case 6:
            return "TCP";
        case 17:
            return "UDP";
        default:
            return nullptr;
    }
}

}  // namespace

FirewallBlock ParseFirewallBlock(const unsigned char* data, std::size_t size) {
    FirewallBlock block;
    if (data == nullptr || size < kFirewallHeaderSize) return block;
    block.countAt8 = static_cast<std::int32_t>(Read32(data + 8));
    block.countAt4 = static_cast<std::int32_t>(Read32(data + 4));
    const std::int64_t claimed = std::int64_t{block.countAt8} + block.countAt4;
    if (claimed < 1) return block;
    const std::size_t room = (size - kFirewallHeaderSize) / kFirewallRecordSize;
    const std::size_t count =
        static_cast<std::uint64_t>(claimed) < room ? static_cast<std::size_t>(claimed) : room;
    block.rules.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        block.rules.push_back(ReadRecord(data + kFirewallHeaderSize + i * kFirewallRecordSize));
    return block;
}

void FillFirewallRow(const FirewallRule& rule, FirewallRow* row) {
    if (const char* protocol = ProtocolText(rule.protocol)) row->protocol = protocol;
    row->action = rule.action != 0 ? "Allow" : "Deny";
    if (rule.direction == 0 || rule.direction == 1) {
        const bool inbound = rule.direction == 0;
        row->direction = inbound ? "InBound" : "OutBound";
        row->from = inbound ? rule.inboundFrom : rule.outboundFrom;
        row->to = inbound ? rule.inboundTo : rule.outboundTo;
        row->fromPort = std::to_string(inbound ? rule.inboundFromPort : rule.outboundFromPort);
        row->toPort = std::to_string(inbound ? rule.inboundToPort : rule.outboundToPort);
    } else {
        row->direction.clear();
    }
}
