// `ovasim reset`: a fresh installation of the client, and with --demo a lived-in one
// (sim/README.md, "Installation").
#include "sim/common/sim_state.h"
#include "sim/ovacli/certificates.h"
#include "sim/ovasim/folder_search.h"
#include "sim/ovasim/ovasim.h"
#include "sim/store/settings_store.h"
#include "store/com_ptr.h"

#include <shlobj.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>
#include <variant>

namespace ovasim {
namespace {

// What the installation holds beside the library, taken from ovasim's own folder when built.
constexpr const char* kInstalledFiles[] = {"ovacli.dll",   "OvaText.dll",     "OvaReg.dll",
                                           "OvaShMem.dll", "OvaSettings.exe", "OvaHelp.chm"};
constexpr const char kImageFolder[] = "Img";
constexpr const char kVersionText[] = "Ovanta 6.0.1";

struct DemoProfile {
    bool common;
    const char* name;
    bool credentials;
};

constexpr DemoProfile kDemoProfiles[] = {
    {true, "office.pcf", true}, {true, "lab.hcf", false},   {true, "campus.wcf", true},
    {true, "guest.wcf", false}, {false, "home.pcf", false}, {false, "travel.wcf", true},
    {false, "vpn.kpf", true},
};

using StoreValue = std::variant<DWORD, std::string>;

struct DemoValue {
    unsigned item;
    StoreValue value;
};

std::string TrayCommand() {
    return std::string("\"") + sim::kInstallDir + "\\OvaTray.exe\" /R /1";
}

// The store of a fresh installation: every page shown, nothing locked, registry start-up mode.
std::vector<DemoValue> DemoStore(bool english) {
    return {
        {schema::kItemBroadcastAuth, DWORD{0}},
        {schema::kItemAutoStart, DWORD{0}},
        {schema::kItemAutoConnect, DWORD{0}},
        {schema::kItemDefaultWirelessCard, std::string()},
        {schema::kItemDefaultWiredCard, std::string()},
        {schema::kItemTrayAtBoot, DWORD{1}},
        {schema::kItemLanguage, DWORD{english ? 1u : 0u}},
        {schema::kItemLockMask, std::string("11111")},
        {schema::kItemSetTrayAtBoot, TrayCommand()},
        {schema::kItemInstallDir, std::string(sim::kInstallDir)},
        {schema::kItemOptions, std::string()},
        {schema::kItemShowLogonPage, DWORD{1}},
        {schema::kItemShowFirewallPage, DWORD{1}},
        {schema::kItemShowSwitchPage, DWORD{1}},
        {schema::kItemShowDefaultCardPage, DWORD{1}},
        {schema::kItemSetDefaultWiredNdis, std::string()},
        {schema::kItemSetDefaultWirelessNdis, std::string()},
        {schema::kItemWirelessProfileExt, std::string(".wcf")},
        {schema::kItemWiredProfileExt, std::string(".pcf")},
        {schema::kItemStartUpMode, DWORD{0}},
        {schema::kItemShowStartUpPage, DWORD{1}},
        {schema::kItemVersionText, std::string()},
        {schema::kItemTlsVersion, DWORD{1}},
        {schema::kItemSiteIcon, DWORD{0}},
        {schema::kItemShowPcName, DWORD{1}},
        {schema::kItemAutoPcName, DWORD{0}},
    };
}

template <typename Values>
int WriteStoreValues(const Values& values) {
    for (const DemoValue& demo : values) {
        const sim::StoredItem* item = sim::FindStoredItem(demo.item);
        if (!item) return Fail("the store keeps no value for item " + std::to_string(demo.item));
        unsigned status = std::holds_alternative<DWORD>(demo.value)
                              ? sim::WriteItemInteger(*item, std::get<DWORD>(demo.value))
                              : sim::WriteItemText(*item, std::get<std::string>(demo.value));
        if (status) return Fail("cannot write the store value " + std::string(item->valueName));
    }
    return 0;
}

// Removes FOLDER with everything in it but the files named KEEP, as far as it can; files in use
// stay behind.
void RemoveTree(const std::string& folder, const char* keep = "") {
    sim::ForEachFound(folder + "\\*", [&](const WIN32_FIND_DATAA& found) {
        const std::string path = folder + "\\" + found.cFileName;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveTree(path);
        } else if (lstrcmpiA(found.cFileName, keep) != 0) {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
        return true;
    });
    RemoveDirectoryA(folder.c_str());
}

// Empties the journal in FOLDER without deleting it: a library loaded in a process that still runs
// holds it open, and a deleted journal would take that process's later lines with it.
void EmptyJournal(const std::string& folder) {
    HANDLE file = CreateFileA((folder + "\\" + sim::kJournalName).c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

bool MakeFolder(const std::string& folder) {
    int result = SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    return result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS || result == ERROR_FILE_EXISTS;
}

bool WriteFileText(const std::string& path, const std::string& text) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

// Copies the files of SOURCE into TARGET, folders included; false at the first failure.
bool CopyTree(const std::string& source, const std::string& target) {
    if (!MakeFolder(target)) return false;
    bool copied = true;
    sim::ForEachFound(source + "\\*", [&](const WIN32_FIND_DATAA& found) {
        const std::string from = source + "\\" + found.cFileName;
        const std::string to = target + "\\" + found.cFileName;
        copied = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                     ? CopyTree(from, to)
                     : CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
        return copied;
    });
    return copied;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int InstallFiles() {
    const std::string install = sim::kInstallDir;
    EmptyJournal(install);
    RemoveTree(install, sim::kJournalName);
    if (!MakeFolder(install + "\\Cert")) return Fail("cannot create " + install + "\\Cert");

    const std::string own = sim::ModuleFolder();
    for (const char* name : kInstalledFiles) {
        std::string from = own + "\\" + name;
        if (!Exists(from)) continue;  // not built: the installation goes without it
        if (!CopyFileA(from.c_str(), (install + "\\" + name).c_str(), FALSE))
            return Fail("cannot copy " + from + " to " + install);
    }
    std::string images = own + "\\" + kImageFolder;
    if (Exists(images) && !CopyTree(images, install + "\\" + kImageFolder))
        return Fail("cannot copy " + images + " to " + install);
    if (!WriteFileText(install + "\\Version.txt", kVersionText))
        return Fail("cannot write " + install + "\\Version.txt");

    // The journal of ovasim's own folder, for a library loaded from the build.
    EmptyJournal(own);
    return 0;
}

std::string ProfileText(bool credentials) {
    std::string text = "[Profile]\r\nMethod=PEAP\r\n";
    if (credentials) text += "Credentials=1\r\n";
    return text;
}

int InstallProfiles() {
    const std::string folders[] = {CommonProfileFolder(), UserProfileFolder()};
    for (const std::string& folder : folders) {
        if (folder.empty()) return Fail("the shell does not name the profile folders");
        if (!MakeFolder(folder)) return Fail("cannot create " + folder);
        for (const std::string& name : FileNames(folder, "*")) {
            std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    }
    for (const DemoProfile& profile : kDemoProfiles) {
        std::string path = folders[profile.common ? 0 : 1] + "\\" + profile.name;
        if (!WriteFileText(path, ProfileText(profile.credentials)))
            return Fail("cannot write " + path);
    }

    // The editor's diagnostic log goes here; an old one would not be fresh.
    std::string appData = ShellFolder(CSIDL_APPDATA) + "\\Ovanta";
    if (!MakeFolder(appData)) return Fail("cannot create " + appData);
    for (const std::string& name : FileNames(appData, "OvaSettings.log*"))
        DeleteFileA((appData + "\\" + name).c_str());
    return 0;
}

int RemoveStartupShortcuts() {
    ComScope com;
    for (int csidl : {CSIDL_COMMON_STARTUP, CSIDL_STARTUP}) {
        std::string folder = ShellFolder(csidl);
        for (const std::string& name : FileNames(folder, "*.lnk")) {
            std::string path = folder + "\\" + name;
            if (!IsProfilePath(ShortcutTarget(path))) continue;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFileA(path.c_str())) return Fail("cannot delete " + path);
        }
    }
    return 0;
}

void DeleteMachineValue(const char* key, const char* name) {
    sim::RegKey opened;
    if (opened.Open(HKEY_LOCAL_MACHINE, key, KEY_SET_VALUE) == ERROR_SUCCESS)
        RegDeleteValueA(opened.get(), name);
}

int ResetRegistry(bool english) {
    // Fixtures, the store and what the editor writes go; the store is then laid anew.
    const char* trees[] = {sim::kSimulatorKey, sim::kStoreKey,      schema::kOvaGinaKey,
                           schema::kOvaSvcKey, schema::kStartUpKey, sim::kFirewallKey};
    for (const char* tree : trees)
        if (!sim::DeleteMachineTree(tree)) return Fail(std::string("cannot remove HKLM\\") + tree);
    // The installation makes the StartUp key, empty: the editor writes its values without making
    // the key, as on a freshly installed client.
    sim::RegKey startUp;
    if (startUp.Create(HKEY_LOCAL_MACHINE, schema::kStartUpKey, KEY_SET_VALUE) != ERROR_SUCCESS)
        return Fail(std::string("cannot make HKLM\\") + schema::kStartUpKey);
    DeleteMachineValue(schema::kRunKey, schema::kRunOvanta);
    auto gina = sim::ReadText(HKEY_LOCAL_MACHINE, schema::kWinlogonKey, schema::kGinaDll);
    if (gina && gina->compare(0, sizeof schema::kOvaGinaDllName - 1, schema::kOvaGinaDllName) == 0)
        DeleteMachineValue(schema::kWinlogonKey, schema::kGinaDll);
    sim::RegKey user;
    if (user.Open(HKEY_CURRENT_USER, schema::kUserOvaSettingsKey, KEY_SET_VALUE) == ERROR_SUCCESS) {
        RegDeleteValueA(user.get(), schema::kWirelessBase);
        RegDeleteValueA(user.get(), schema::kWireBase);
    }

    if (int failed = WriteStoreValues(DemoStore(english))) return failed;
    if (sim::SaveStartList(sim::kStartListKeyPath, {})) return Fail("cannot write the start list");
    return 0;
}

// The lived-in client of `reset --demo`: cards of both kinds, and a choice made on every page.
struct DemoCard {
    const char* ndisName;
    const char* displayName;
    bool wireless;
};

constexpr DemoCard kDemoCards[] = {
    {"{4D36E972-0001-4A1B-9C2D-00155D010A01}", "Realtek PCIe GbE Family Controller", false},
    {"{4D36E972-0002-4A1B-9C2D-00155D010A02}", "Intel(R) Ethernet Connection I219-LM", false},
    {"{4D36E972-0003-4A1B-9C2D-00155D010A03}", "Intel(R) Wi-Fi 6 AX201 160MHz", true},
    {"{4D36E972-0004-4A1B-9C2D-00155D010A04}", "Qualcomm Atheros QCA9377 Wireless Adapter", true},
};
const DemoCard& kDemoWiredCard = kDemoCards[0];
const DemoCard& kDemoWirelessCard = kDemoCards[2];

std::string DemoCardList() {
    std::string list;
    for (const DemoCard& card : kDemoCards)
        list += std::string(card.ndisName) + "||" + card.displayName +
                (card.wireless ? "||1##" : "||0##");
    return list;
}

bool SetMachineText(const char* key, const char* name, const std::string& text) {
    sim::RegKey opened;
    return opened.Create(HKEY_LOCAL_MACHINE, key, KEY_SET_VALUE) == ERROR_SUCCESS &&
           sim::SetText(opened.get(), name, text) == ERROR_SUCCESS;
}

bool SetMachineDword(const char* key, const char* name, DWORD value) {
    sim::RegKey opened;
    return opened.Create(HKEY_LOCAL_MACHINE, key, KEY_SET_VALUE) == ERROR_SUCCESS &&
           RegSetValueExA(opened.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value) == ERROR_SUCCESS;
}

// The client's own firewall policy: a rule of each protocol in each direction.
struct DemoRule {
    bool outbound;
    std::uint16_t protocol;  // 0 all, 1 ICMP, 6 TCP, 17 UDP
    bool allow;
    std::uint32_t from, to;  // host byte order
    std::uint16_t fromPort, toPort;
};

constexpr DemoRule kDemoRules[] = {
    {false, 6, true, 0x0A000000, 0x0A0000FF, 3389, 3389},  // 10.0.0.0 - 10.0.0.255
    {false, 17, false, 0x00000000, 0xFFFFFFFF, 137, 139},
    {false, 1, true, 0xC0A80001, 0xC0A800FE, 0, 0},  // 192.168.0.1 - 192.168.0.254
    {false, 0, false, 0x00000000, 0xFFFFFFFF, 0, 65535},
    {true, 6, true, 0x0A000001, 0x0AFFFFFE, 1024, 65535},
    {true, 17, true, 0x00000000, 0xFFFFFFFF, 53, 53},
    {true, 1, true, 0x00000000, 0xFFFFFFFF, 0, 0},
    {true, 0, false, 0xAC100000, 0xAC1FFFFF, 0, 65535},  // 172.16.0.0 - 172.31.255.255
};

// The rule block as the library hands it out: a header with the inbound count at offset 4 and
// the outbound count at offset 8, then 36 bytes a rule, little-endian.
std::vector<BYTE> DemoPolicy() {
    std::vector<BYTE> block;
    auto put = [&block](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) block.push_back(static_cast<BYTE>(value >> (8 * i)));
    };
    std::uint32_t outbound = 0;
    for (const DemoRule& rule : kDemoRules) outbound += rule.outbound ? 1 : 0;
    const std::uint32_t inbound = static_cast<std::uint32_t>(std::size(kDemoRules)) - outbound;
    for (std::uint32_t word : {0u, inbound, outbound, 0u}) put(word, 4);
    for (const DemoRule& rule : kDemoRules) {
        const std::uint32_t none = 0;
        put(rule.outbound ? none : rule.from, 4);
        put(rule.outbound ? none : rule.to, 4);
        put(rule.outbound ? rule.from : none, 4);
        put(rule.outbound ? rule.to : none, 4);
        put(rule.outbound ? none : rule.fromPort, 2);
        put(rule.outbound ? none : rule.toPort, 2);
        put(rule.outbound ? rule.fromPort : none, 2);
        put(rule.outbound ? rule.toPort : none, 2);
        put(rule.protocol, 2);
        put(0, 2);
        put(rule.allow ? 1 : 0, 4);
        put(rule.outbound ? 1 : 0, 4);
    }
    return block;
}

int FillDemo() {
    const std::string profiles = CommonProfileFolder();
    const std::string wiredProfile = profiles + "\\office.pcf";     // needs credentials
    const std::string wirelessProfile = profiles + "\\campus.wcf";  // needs credentials
    const std::string openProfile = profiles + "\\lab.hcf";         // needs none
    struct Text {
        const char* key;
        const char* name;
        std::string value;
    };
    const Text texts[] = {
        {sim::kSimulatorKey, "Cards", DemoCardList()},
        {schema::kOvaGinaKey, schema::kUseOvaGina, "1"},
        {schema::kOvaGinaKey, schema::kGinaNicName, kDemoWiredCard.displayName},
        {schema::kOvaGinaKey, schema::kGinaNdisName, kDemoWiredCard.ndisName},
        {schema::kOvaGinaKey, schema::kGinaNicType, "wired"},
        {schema::kOvaGinaKey, schema::kGinaProfilePathName, wiredProfile},
        {schema::kOvaGinaKey, schema::kGinaAuthTimeout, "10"},
        {schema::kWinlogonKey, schema::kGinaDll, schema::kOvaGinaDllName},
        {schema::kOvaSvcKey, schema::kWireProfile, wiredProfile},
        {schema::kOvaSvcKey, schema::kWirelessProfile, wirelessProfile},
        {schema::kOvaSvcKey, schema::kWireCard, kDemoWiredCard.displayName},
        {schema::kOvaSvcKey, schema::kWirelessCard, kDemoWirelessCard.displayName},
        {schema::kStartUpKey, schema::kStartUpProfile, wirelessProfile},
        {schema::kStartUpKey, schema::kStartUpDriver, "ndis"},
    };
    for (const Text& text : texts)
        if (!SetMachineText(text.key, text.name, text.value))
            return Fail(std::string("cannot write HKLM\\") + text.key + " " + text.name);
    const std::pair<const char*, const char*> dwords[] = {
        {schema::kOvaSvcKey, schema::kWireWirelessAutoSwitch},
        {schema::kOvaSvcKey, schema::kUserNotice},
        {schema::kStartUpKey, schema::kStartUpAuthEnable},
    };
    for (auto [key, name] : dwords)
        if (!SetMachineDword(key, name, 1))
            return Fail(std::string("cannot write HKLM\\") + key + " " + name);

    const std::vector<BYTE> policy = DemoPolicy();
    sim::RegKey firewall;
    if (firewall.Create(HKEY_LOCAL_MACHINE, sim::kFirewallKey, KEY_SET_VALUE) != ERROR_SUCCESS ||
        RegSetValueExA(firewall.get(), sim::kFirewallPolicyValue, 0, REG_BINARY, policy.data(),
                       static_cast<DWORD>(policy.size())) != ERROR_SUCCESS)
        return Fail(std::string("cannot write HKLM\\") + sim::kFirewallKey);

    // the default card page preselects by the start of a card's name
    sim::RegKey user;
    if (user.Create(HKEY_CURRENT_USER, schema::kUserOvaSettingsKey, KEY_SET_VALUE) != ERROR_SUCCESS)
        return Fail(std::string("cannot create HKCU\\") + schema::kUserOvaSettingsKey);
    for (auto [name, value] : {std::pair{schema::kWirelessBase, "Intel(R) Wi-Fi"},
                               std::pair{schema::kWireBase, "Realtek"}})
        if (sim::SetText(user.get(), name, value) != ERROR_SUCCESS)
            return Fail(std::string("cannot write HKCU value ") + name);

    const DemoValue store[] = {
        {schema::kItemAutoStart, DWORD{1}},
        {schema::kItemAutoConnect, DWORD{1}},
        {schema::kItemDefaultWirelessCard, std::string(kDemoWirelessCard.displayName)},
        {schema::kItemDefaultWiredCard, std::string(kDemoWiredCard.displayName)},
        {schema::kItemSetDefaultWirelessNdis, std::string(kDemoWirelessCard.ndisName)},
        {schema::kItemSetDefaultWiredNdis, std::string(kDemoWiredCard.ndisName)},
    };
    if (int failed = WriteStoreValues(store)) return failed;

    // the root certificates made at build time, each under its OpenSSL name
    const std::string made = sim::ModuleFolder() + "\\certs";
    for (const std::string& pem : FileNames(made, "*.pem")) {
        auto certificate = ReadCertificateFile((made + "\\" + pem).c_str());
        auto name = certificate ? CertificateFileName(*certificate) : std::nullopt;
        if (!name) return Fail("no certificate in " + made + "\\" + pem);
        const std::string target = std::string(sim::kInstallDir) + "\\Cert\\" + *name;
        if (!WriteFileText(target, ToPem(*certificate))) return Fail("cannot write " + target);
    }

    // every kind of row the start list shows: a wired profile that asks for an ID and a
    // password, a wireless one that asks for neither, and one of neither kind (no icon)
    const struct {
        const char* card;
        std::string profile;
        const char* id;
        const char* password;
    } entries[] = {
        {kDemoWiredCard.displayName, wiredProfile, "alice", "correct horse"},
        {kDemoWirelessCard.displayName, profiles + "\\guest.wcf", "", ""},
        {kDemoCards[1].displayName, openProfile, "", ""},
    };
    for (const auto& entry : entries)
        if (unsigned status =
                sim::PutCommittedEntry(entry.card, entry.profile, entry.id, entry.password))
            return Fail("cannot write the start list (status " + std::to_string(status) + ")");
    return 0;
}

}  // namespace

int Reset(bool english, bool demo) {
    if (int failed = InstallFiles()) return failed;
    if (int failed = InstallProfiles()) return failed;
    if (int failed = RemoveStartupShortcuts()) return failed;
    if (int failed = ResetRegistry(english)) return failed;
    return demo ? FillDemo() : 0;
}

}  // namespace ovasim
