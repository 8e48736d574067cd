// The settings store's registry side: item values and the start list under HKLM
// "SOFTWARE\Brenwick\Ovanta\6.0\Store" (layout in sim/README.md). Shared by OvaReg.dll, which
// answers the editor's requests, and by ovasim, which installs, sets and shows the same state.
// Every operation returns 0 or the status number of sim/common/status.h that says what failed.
#pragma once

#include "sim/common/sim_state.h"
#include "sim/store/start_list_text.h"
#include "sim/store/store_items.h"

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// The keys of the items one user of the store reads and writes, each opened once for that user's
// life rather than once for every item: nearly every item lies in the store's own key.
class ItemKeys {
public:
    // ITEM's key opened for reading, or for writing and made when missing; null when it cannot be.
    HKEY Get(const StoredItem& item, bool write);

private:
    std::map<std::string, RegKey> m_read, m_write;
};

// Without KEYS, each item's key is opened for the one read or write.
unsigned ReadItemInteger(const StoredItem& item, DWORD* value, ItemKeys* keys = nullptr);
unsigned ReadItemText(const StoredItem& item, std::string* text, ItemKeys* keys = nullptr);
unsigned WriteItemInteger(const StoredItem& item, DWORD value, ItemKeys* keys = nullptr);
unsigned WriteItemText(const StoredItem& item, const std::string& text, ItemKeys* keys = nullptr);

// One start-list entry as stored. The password is only ever held encrypted (DPAPI); an empty blob
// means the entry has no password.
struct StoredEntry {
    std::string card;
    std::string profile;
    std::string id;
    std::vector<BYTE> passwordBlob;
};

constexpr const char kStartListKeyPath[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\Store\\StartList";
constexpr const char kPendingListKeyPath[] =
    "SOFTWARE\\Brenwick\\Ovanta\\6.0\\Store\\PendingStartList";

// Reads the list under KEYPATH in list order. A missing key is an empty list and sets *exists
// to false (exists may be null).
unsigned LoadStartList(const char* keyPath, std::vector<StoredEntry>* entries, bool* exists);
// Reads the entry of CARD (letter case ignored; the first in list order) from the list under
// KEYPATH; the other entries' cards are read to find it, nothing else of them. A card the list
// does not hold, or a missing list, is kStatusNoSuchEntry.
unsigned LoadStartEntry(const char* keyPath, std::string_view card, StoredEntry* entry);
// Replaces the list under KEYPATH (the key and everything below it) with ENTRIES.
unsigned SaveStartList(const char* keyPath, const std::vector<StoredEntry>& entries);

// DPAPI in machine scope: the client's service, which runs as another user, must read the
// passwords as well. The blob is bound to the store by an additional entropy of its own.
unsigned EncryptPassword(const std::string& password, std::vector<BYTE>* blob);
unsigned DecryptPassword(const std::vector<BYTE>& blob, std::string* password);

// Which field a start-list record fills.
enum class RecordField { Profile, Password, Id };

// The cards of a pending list's entries in list order, as the store object that began the list
// has written them: its records then find their entry without reading the list's cards back.
// A record for a list begun by another object (known is false) reads them.
struct PendingCards {
    bool known = false;
    std::vector<std::string> cards;
};

// Item 73: an empty pending list, replacing any pending list left over; KNOWN (may be null)
// then knows it as empty.
unsigned OpenPendingList(PendingCards* known = nullptr);
// Items 65, 68 and 69: the record goes to the pending entry of its card, or to a new one; KNOWN
// (may be null) learns the new one.
unsigned AddPendingRecord(RecordField field, const StartRecord& record,
                          PendingCards* known = nullptr);
// Item 71: the pending list replaces the committed one; PROFILES (71's text) is kept beside it.
unsigned CommitPendingList(const std::string& profiles);
// `ovasim add-entry`: the committed entry of CARD is replaced, or a new one appended.
unsigned PutCommittedEntry(const std::string& card, const std::string& profile,
                           const std::string& id, const std::string& password);

// Removes KEYPATH under HKLM with everything below it; a missing key counts as removed.
bool DeleteMachineTree(const char* keyPath);

}  // namespace sim
