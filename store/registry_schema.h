// Every registry key and value, and every settings-store item, that the editor reads or writes:
// the one place where the client's schema is named. Free of Win32, so both sides can use it.
#pragma once

namespace schema {

// Keys under HKEY_LOCAL_MACHINE, reached only through the client library with the root "HKLM".
constexpr const char kOvaGinaKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaGina";
constexpr const char kWinlogonKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr const char kOvaSvcKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaSvc";
constexpr const char kStartUpKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\StartUp";
constexpr const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char kOvaSettingsKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaSettings";

// "OvaGina" values (Windows logon through the client).
constexpr const char kUseOvaGina[] = "UseOvaGina";  // "1"/"0", written with 2 bytes
constexpr const char kGinaNicName[] = "NicName";
constexpr const char kGinaNdisName[] = "NdisName";
constexpr const char kGinaNicType[] = "NicType";
constexpr const char kGinaProfilePathName[] = "ProfilePathName";
constexpr const char kGinaAuthTimeout[] = "AuthTimeout";

// "Winlogon" value: the client's logon component is installed while it starts with this name.
constexpr const char kGinaDll[] = "GinaDLL";
constexpr const char kOvaGinaDllName[] = "OvaGina.dll";

// "OvaSvc" values (wired/wireless switching).
constexpr const char kWireWirelessAutoSwitch[] = "WireWirelessAutoSwitch";
constexpr const char kUserNotice[] = "UserNotice";
constexpr const char kWireProfile[] = "WireProfile";
constexpr const char kWirelessProfile[] = "WirelessProfile";
constexpr const char kWireCard[] = "WireCard";
constexpr const char kWirelessCard[] = "WirelessCard";

// "StartUp" values (authentication at Windows start-up); texts written without their zero.
constexpr const char kStartUpProfile[] = "Profile";
constexpr const char kStartUpDriver[] = "driver";
constexpr const char kStartUpAuthEnable[] = "StartUpAuthEnable";

// "Run" value: the client's start command, replaced only when it already exists.
constexpr const char kRunOvanta[] = "Ovanta";

// "OvaSettings" value: the client's interface language, 0 Korean, 1 English.
constexpr const char kLanguage[] = "Language";

// Under HKEY_CURRENT_USER, read directly: the per-user preselected default cards.
constexpr const char kUserOvaSettingsKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaSettings";
constexpr const char kWirelessBase[] = "Wireless Base";
constexpr const char kWireBase[] = "Wire Base";

// Settings-store items of OvaReg.dll. Which way an item goes is fixed by its number.
enum StoreItem : unsigned {
    // read when the main dialog opens, in this order
    kItemInstallDir = 72,
    kItemShowLogonPage = 77,
    kItemShowFirewallPage = 78,
    kItemShowSwitchPage = 79,
    kItemShowDefaultCardPage = 80,
    kItemAutoStart = 41,
    kItemStartList = 43,
    kItemAutoConnect = 44,
    kItemDefaultWirelessCard = 45,
    kItemDefaultWiredCard = 46,
    kItemTrayAtBoot = 47,
    kItemBroadcastAuth = 40,
    kItemLanguage = 49,
    kItemTlsVersion = 905,
    kItemSiteIcon = 907,
    kItemShowPcName = 908,
    kItemAutoPcName = 909,
    kItemLockMask = 50,
    kItemOptions = 74,
    kItemWirelessProfileExt = 103,
    kItemWiredProfileExt = 104,
    kItemShowStartUpPage = 813,
    kItemVersionText = 902,
    kItemStartUpMode = 130,
    // keyed reads of one start-list entry: the card name goes in, the answer comes out
    kItemEntryProfile = 51,
    kItemEntryPassword = 54,
    kItemEntryId = 55,
    // written on OK, in this order
    kItemBeginStartList = 73,
    kItemSetAutoStart = 57,
    kItemEntryProfileRecord = 65,
    kItemEntryPasswordRecord = 68,
    kItemEntryIdRecord = 69,
    kItemCommitStartList = 71,
    kItemSetAutoConnect = 59,
    kItemSetDefaultWirelessCard = 60,
    kItemSetDefaultWirelessNdis = 84,
    kItemSetDefaultWiredCard = 61,
    kItemSetDefaultWiredNdis = 83,
    kItemSetTrayAtBoot = 62,
    kItemSetBroadcastAuth = 39,
    kItemSetTlsVersion = 906,
    kItemSetAutoPcName = 910,
    kItemSetOptions = 75,
};

// Text buffers of store requests.
constexpr unsigned kStoreTextSize = 1024;
constexpr unsigned kStartListTextSize = 5120;  // items 43, 65, 68, 69 and 71

// Separator of the start list's texts and records.
constexpr const char kListSeparator[] = ";;";

}  // namespace schema
