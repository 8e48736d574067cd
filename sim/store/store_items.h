// Which registry value keeps each settings-store item, and which items write it. Free of Win32:
// OvaReg.dll answers requests from it, and ovasim sets and shows the same values.
#pragma once

#include "store/registry_schema.h"

#include <cstddef>
#include <vector>

namespace sim {

enum class ItemKind { Integer, Text };

struct StoredItem {
    // The item that reads the value; for a value nothing reads, the item that writes it.
    unsigned number;
    // The item that writes it, 0 when only `ovasim reset` and `ovasim set-item` do.
    unsigned writer;
    const char* valueName;
    ItemKind kind;
    // The key under HKEY_LOCAL_MACHINE; every value but the language is in the store's own key.
    const char* key;
};

constexpr const char kStoreKeyPath[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\Store";

// Ascending by number. Item 62 writes two values: its value cell is the tray flag item 47 reads,
// its text the tray command, which nothing reads.
inline constexpr StoredItem kStoredItems[] = {
    {schema::kItemBroadcastAuth, schema::kItemSetBroadcastAuth, "BroadcastAuth", ItemKind::Integer,
     kStoreKeyPath},
    {schema::kItemAutoStart, schema::kItemSetAutoStart, "AutoStart", ItemKind::Integer,
     kStoreKeyPath},
    {schema::kItemAutoConnect, schema::kItemSetAutoConnect, "AutoConnect", ItemKind::Integer,
     kStoreKeyPath},
    {schema::kItemDefaultWirelessCard, schema::kItemSetDefaultWirelessCard, "DefaultWirelessCard",
     ItemKind::Text, kStoreKeyPath},
    {schema::kItemDefaultWiredCard, schema::kItemSetDefaultWiredCard, "DefaultWiredCard",
     ItemKind::Text, kStoreKeyPath},
    {schema::kItemTrayAtBoot, schema::kItemSetTrayAtBoot, "TrayAtBoot", ItemKind::Integer,
     kStoreKeyPath},
    {schema::kItemLanguage, 0, schema::kLanguage, ItemKind::Integer, schema::kOvaSettingsKey},
    {schema::kItemLockMask, 0, "LockMask", ItemKind::Text, kStoreKeyPath},
    {schema::kItemSetTrayAtBoot, schema::kItemSetTrayAtBoot, "TrayCommand", ItemKind::Text,
     kStoreKeyPath},
    {schema::kItemCommitStartList, schema::kItemCommitStartList, "StartProfiles", ItemKind::Text,
     kStoreKeyPath},
    {schema::kItemInstallDir, 0, "InstallDir", ItemKind::Text, kStoreKeyPath},
    {schema::kItemOptions, schema::kItemSetOptions, "Options", ItemKind::Text, kStoreKeyPath},
    {schema::kItemShowLogonPage, 0, "ShowLogonPage", ItemKind::Integer, kStoreKeyPath},
    {schema::kItemShowFirewallPage, 0, "ShowFirewallPage", ItemKind::Integer, kStoreKeyPath},
    {schema::kItemShowSwitchPage, 0, "ShowSwitchPage", ItemKind::Integer, kStoreKeyPath},
    {schema::kItemShowDefaultCardPage, 0, "ShowDefaultCardPage", ItemKind::Integer, kStoreKeyPath},
    {schema::kItemSetDefaultWiredNdis, schema::kItemSetDefaultWiredNdis, "DefaultWiredNdis",
     ItemKind::Text, kStoreKeyPath},
    {schema::kItemSetDefaultWirelessNdis, schema::kItemSetDefaultWirelessNdis,
     "DefaultWirelessNdis", ItemKind::Text, kStoreKeyPath},
    {schema::kItemWirelessProfileExt, 0, "WirelessProfileExt", ItemKind::Text, kStoreKeyPath},
    {schema::kItemWiredProfileExt, 0, "WiredProfileExt", ItemKind::Text, kStoreKeyPath},
    {schema::kItemStartUpMode, 0, "StartUpMode", ItemKind::Integer, kStoreKeyPath},
    {schema::kItemShowStartUpPage, 0, "ShowStartUpPage", ItemKind::Integer, kStoreKeyPath},
    {schema::kItemVersionText, 0, "VersionText", ItemKind::Text, kStoreKeyPath},
    {schema::kItemTlsVersion, schema::kItemSetTlsVersion, "TlsVersion", ItemKind::Integer,
     kStoreKeyPath},
    {schema::kItemSiteIcon, 0, "SiteIcon", ItemKind::Integer, kStoreKeyPath},
    {schema::kItemShowPcName, 0, "ShowPcName", ItemKind::Integer, kStoreKeyPath},
    {schema::kItemAutoPcName, schema::kItemSetAutoPcName, "AutoPcName", ItemKind::Integer,
     kStoreKeyPath},
};

// True when the value is answered to its number; false for the values that are only written
// (those of items 62, 71, 83 and 84), whose number is their writer's.
inline bool IsReadItem(const StoredItem& item) {
    return item.number != item.writer;
}

// The value read by item NUMBER, or null when no value answers it (43, 51, 54 and 55 answer from
// the start list).
const StoredItem* FindReadItem(unsigned number);

// The value set by `ovasim set-item NUMBER`: a read item, or a written value nothing reads.
const StoredItem* FindStoredItem(unsigned number);

// The values that item WRITER sets; empty when it is not a written item of the table.
std::vector<const StoredItem*> ItemsWrittenBy(unsigned writer);

}  // namespace sim
