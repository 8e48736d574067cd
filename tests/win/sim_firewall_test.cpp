// The simulated library's firewall policy: the two-call size protocol, the fixture before the
// client's own policy, and a journal line for every call.
#include "client/ovacli.h"
#include "sim/common/sim_state.h"
#include "tests/win/client_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Policy {
    int sizeResult;
    std::vector<BYTE> rules;
    int readResult;
};

// Asks for the size, then for the block in a buffer of that size (or SHORTER bytes less).
Policy ReadPolicy(DWORD shorter = 0) {
    char error[kQtvFirewallErrorSize] = {};
    DWORD size = 0;
    Policy policy{QTV_CLI_get_firewall_policy(0, nullptr, &size, error), {}, -1};
    if (size == 0) return policy;
    policy.rules.assign(size - shorter, 0xEE);
    size -= shorter;
    policy.readResult = QTV_CLI_get_firewall_policy(0, policy.rules.data(), &size, error);
    policy.rules.resize(size);
    return policy;
}

void SetPolicy(const char* key, const char* name, const std::vector<BYTE>& block) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, name, REG_BINARY, block.data(),
                    static_cast<DWORD>(block.size()));
}

TEST(FirewallPolicy, TheFixtureComesBeforeTheClientsOwn) {
    testing_client::ScopedClient client;
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, sim::kFirewallKey);
    Policy none = ReadPolicy();
    EXPECT_EQ(none.sizeResult, 0);
    EXPECT_TRUE(none.rules.empty()) << "no policy: size 0, and no second call";

    const std::vector<BYTE> own(16 + 36, 7);
    SetPolicy(sim::kFirewallKey, sim::kFirewallPolicyValue, own);
    EXPECT_NE(ReadPolicy(1).readResult, 0) << "a buffer one byte short";

    // an empty fixture is an empty policy, whatever the client's own holds
    SetPolicy(sim::kSimulatorKey, "FirewallPolicy", {});
    EXPECT_TRUE(ReadPolicy().rules.empty());
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, sim::kFirewallKey);
}

}  // namespace
