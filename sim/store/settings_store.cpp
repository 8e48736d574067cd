#include "sim/store/settings_store.h"

#include "afx/system_library.h"
#include "sim/common/sim_state.h"
#include "sim/common/status.h"

#include <wincrypt.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace sim {
namespace {

constexpr const char kCardValue[] = "Card";
constexpr const char kProfileValue[] = "Profile";
constexpr const char kIdValue[] = "Id";
constexpr const char kPasswordValue[] = "Password";

// Ties the blobs to this store: another program's machine-scope blob does not decrypt here.
constexpr BYTE kEntropy[] = {'O', 'v', 'a', 'n', 't', 'a', ' ', 'S', 't', 'o',  'r',  'e',
                             ' ', 'P', 'a', 's', 's', 'w', 'o', 'r', 'd', 0x5a, 0xc3, 0x17};
constexpr wchar_t kBlobDescription[] = L"Ovanta start list";

// Releases what DPAPI allocated, wiping it first when it held a password in plain text.
class LocalBlob {
public:
    LocalBlob() = default;
    ~LocalBlob() {
        if (!m_blob.pbData) return;
        if (m_wipe) SecureZeroMemory(m_blob.pbData, m_blob.cbData);
        LocalFree(m_blob.pbData);
    }
    LocalBlob(const LocalBlob&) = delete;
    LocalBlob& operator=(const LocalBlob&) = delete;
    DATA_BLOB* get() { return &m_blob; }
    void WipeOnRelease() { m_wipe = true; }

private:
    DATA_BLOB m_blob = {};
    bool m_wipe = false;
};

DATA_BLOB EntropyBlob() {
    return DATA_BLOB{sizeof kEntropy, const_cast<BYTE*>(kEntropy)};
}

// A text of the open KEY; a missing one reads as empty.
std::string TextValue(HKEY key, const char* name) {
    return ReadText(key, name).value_or(std::string());
}

std::string EntryKeyName(size_t index) {
    char name[16] = {};
    std::snprintf(name, sizeof name, "%04u", static_cast<unsigned>(index));
    return name;
}

// The entry keys of the list key LIST, in list order: they are numbered, and the enumeration order
// of the registry is not the list order.
unsigned EntryKeyNames(HKEY list, std::vector<std::string>* names) {
    for (DWORD index = 0;; ++index) {
        char name[256] = {};
        DWORD length = sizeof name;
        LONG result = RegEnumKeyExA(list, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result != ERROR_SUCCESS) return kStatusStoreRead;
        names->emplace_back(name);
    }
    std::sort(names->begin(), names->end());
    return 0;
}

// The entry under the open ENTRY_KEY, whose card the caller has read already; a value it lacks
// reads as empty.
void ReadEntry(HKEY entryKey, std::string card, StoredEntry* entry) {
    entry->card = std::move(card);
    entry->profile = TextValue(entryKey, kProfileValue);
    entry->id = TextValue(entryKey, kIdValue);
    entry->passwordBlob = ReadBinary(entryKey, kPasswordValue).value_or(std::vector<BYTE>());
}

bool PendingListExists() {
    RegKey key;
    return key.Open(HKEY_LOCAL_MACHINE, kPendingListKeyPath, KEY_QUERY_VALUE) == ERROR_SUCCESS;
}

// The entry of CARD in ENTRIES (letter case ignored), appended when there is none.
StoredEntry& EntryOfCard(std::vector<StoredEntry>& entries, const std::string& card) {
    for (StoredEntry& entry : entries)
        if (SameCardName(entry.card, card)) return entry;
    entries.push_back(StoredEntry{card, {}, {}, {}});
    return entries.back();
}

unsigned SetPassword(StoredEntry& entry, const std::string& password) {
    if (password.empty()) {
        entry.passwordBlob.clear();
        return 0;
    }
    return EncryptPassword(password, &entry.passwordBlob);
}

// Opens ITEM's key into KEY for reading, or for writing and made when missing.
HKEY OpenItemKey(const StoredItem& item, bool write, RegKey* key) {
    if (write)
        key->Create(HKEY_LOCAL_MACHINE, item.key, KEY_SET_VALUE);
    else
        key->Open(HKEY_LOCAL_MACHINE, item.key, KEY_QUERY_VALUE);
    return key->get();
}

// ITEM's key from KEYS, or opened into HELD for this one use.
HKEY ItemKey(const StoredItem& item, bool write, ItemKeys* keys, RegKey* held) {
    return keys ? keys->Get(item, write) : OpenItemKey(item, write, held);
}

}  // namespace

HKEY ItemKeys::Get(const StoredItem& item, bool write) {
    RegKey& key = (write ? m_write : m_read)[item.key];
    return key ? key.get() : OpenItemKey(item, write, &key);
}

unsigned ReadItemInteger(const StoredItem& item, DWORD* value, ItemKeys* keys) {
    RegKey held;
    HKEY key = ItemKey(item, false, keys, &held);
    auto stored = key ? ReadDword(key, item.valueName) : std::nullopt;
    if (!stored) return kStatusStoreRead;
    *value = *stored;
    return 0;
}

unsigned ReadItemText(const StoredItem& item, std::string* text, ItemKeys* keys) {
    RegKey held;
    HKEY key = ItemKey(item, false, keys, &held);
    auto stored = key ? ReadText(key, item.valueName) : std::nullopt;
    if (!stored) return kStatusStoreRead;
    *text = *stored;
    return 0;
}

unsigned WriteItemInteger(const StoredItem& item, DWORD value, ItemKeys* keys) {
    RegKey held;
    HKEY key = ItemKey(item, true, keys, &held);
    if (!key || RegSetValueExA(key, item.valueName, 0, REG_DWORD, reinterpret_cast<BYTE*>(&value),
                               sizeof value) != ERROR_SUCCESS)
        return kStatusStoreWrite;
    return 0;
}

unsigned WriteItemText(const StoredItem& item, const std::string& text, ItemKeys* keys) {
    RegKey held;
    HKEY key = ItemKey(item, true, keys, &held);
    if (!key || SetText(key, item.valueName, text) != ERROR_SUCCESS) return kStatusStoreWrite;
    return 0;
}

unsigned LoadStartList(const char* keyPath, std::vector<StoredEntry>* entries, bool* exists) {
    entries->clear();
    if (exists) *exists = false;
    RegKey list;
    LONG opened = list.Open(HKEY_LOCAL_MACHINE, keyPath, KEY_READ);
    if (opened == ERROR_FILE_NOT_FOUND) return 0;
    if (opened != ERROR_SUCCESS) return kStatusStoreRead;
    if (exists) *exists = true;

    std::vector<std::string> names;
    if (unsigned status = EntryKeyNames(list.get(), &names)) return status;

    for (const std::string& name : names) {
        RegKey entryKey;
        if (entryKey.Open(list.get(), name.c_str(), KEY_QUERY_VALUE) != ERROR_SUCCESS)
            return kStatusStoreRead;
        StoredEntry entry;
        ReadEntry(entryKey.get(), TextValue(entryKey.get(), kCardValue), &entry);
        entries->push_back(std::move(entry));
    }
    return 0;
}

unsigned LoadStartEntry(const char* keyPath, std::string_view card, StoredEntry* entry) {
    RegKey list;
    LONG opened = list.Open(HKEY_LOCAL_MACHINE, keyPath, KEY_READ);
    if (opened == ERROR_FILE_NOT_FOUND) return kStatusNoSuchEntry;
    if (opened != ERROR_SUCCESS) return kStatusStoreRead;
    std::vector<std::string> names;
    if (unsigned status = EntryKeyNames(list.get(), &names)) return status;
    for (const std::string& name : names) {
        RegKey entryKey;
        if (entryKey.Open(list.get(), name.c_str(), KEY_QUERY_VALUE) != ERROR_SUCCESS)
            return kStatusStoreRead;
        std::string stored = TextValue(entryKey.get(), kCardValue);
        if (SameCardName(stored, card)) {
            ReadEntry(entryKey.get(), std::move(stored), entry);
            return 0;
        }
    }
    return kStatusNoSuchEntry;
}

unsigned SaveStartList(const char* keyPath, const std::vector<StoredEntry>& entries) {
    if (!DeleteMachineTree(keyPath)) return kStatusStoreWrite;
    RegKey list;
    if (list.Create(HKEY_LOCAL_MACHINE, keyPath, KEY_CREATE_SUB_KEY) != ERROR_SUCCESS)
        return kStatusStoreWrite;
    for (size_t i = 0; i < entries.size(); ++i) {
        const StoredEntry& entry = entries[i];
        RegKey entryKey;
        if (entryKey.Create(list.get(), EntryKeyName(i).c_str(), KEY_SET_VALUE) != ERROR_SUCCESS ||
            SetText(entryKey.get(), kCardValue, entry.card) != ERROR_SUCCESS ||
            SetText(entryKey.get(), kProfileValue, entry.profile) != ERROR_SUCCESS ||
            SetText(entryKey.get(), kIdValue, entry.id) != ERROR_SUCCESS)
            return kStatusStoreWrite;
        if (!entry.passwordBlob.empty() &&
            RegSetValueExA(entryKey.get(), kPasswordValue, 0, REG_BINARY, entry.passwordBlob.data(),
                           static_cast<DWORD>(entry.passwordBlob.size())) != ERROR_SUCCESS)
            return kStatusStoreWrite;
    }
    return 0;
}

unsigned EncryptPassword(const std::string& password, std::vector<BYTE>* blob) {
    DATA_BLOB plain = {static_cast<DWORD>(password.size()),
                       reinterpret_cast<BYTE*>(const_cast<char*>(password.data()))};
    DATA_BLOB entropy = EntropyBlob();
    LocalBlob sealed;
    CSystemLibrary crypt32("crypt32.dll");
    auto* protect = crypt32.Find<decltype(CryptProtectData)>("CryptProtectData");
    if (!protect || !protect(&plain, kBlobDescription, &entropy, nullptr, nullptr,
                             CRYPTPROTECT_LOCAL_MACHINE | CRYPTPROTECT_UI_FORBIDDEN, sealed.get()))
        return kStatusEncrypt;
    blob->assign(sealed.get()->pbData, sealed.get()->pbData + sealed.get()->cbData);
    return 0;
}

unsigned DecryptPassword(const std::vector<BYTE>& blob, std::string* password) {
    DATA_BLOB sealed = {static_cast<DWORD>(blob.size()), const_cast<BYTE*>(blob.data())};
    DATA_BLOB entropy = EntropyBlob();
    LocalBlob plain;
    plain.WipeOnRelease();
    CSystemLibrary crypt32("crypt32.dll");
    auto* unprotect = crypt32.Find<decltype(CryptUnprotectData)>("CryptUnprotectData");
    if (!unprotect || !unprotect(&sealed, nullptr, &entropy, nullptr, nullptr,
                                 CRYPTPROTECT_UI_FORBIDDEN, plain.get()))
        return kStatusDecrypt;
    password->assign(reinterpret_cast<const char*>(plain.get()->pbData), plain.get()->cbData);
    return 0;
}

unsigned OpenPendingList(PendingCards* known) {
    unsigned status = SaveStartList(kPendingListKeyPath, {});
    if (known) *known = PendingCards{status == 0, {}};
    return status;
}

// Only the entry of the record's card changes, and only its one value: the list is not read whole
// and written anew for every record. A new entry goes after the last, with its card and an empty
// profile and ID, as a whole list written anew would have it.
unsigned AddPendingRecord(RecordField field, const StartRecord& record, PendingCards* known) {
    RegKey list;
    LONG opened = list.Open(HKEY_LOCAL_MACHINE, kPendingListKeyPath, KEY_READ | KEY_CREATE_SUB_KEY);
    if (opened == ERROR_FILE_NOT_FOUND) return kStatusNoPendingList;
    if (opened != ERROR_SUCCESS) return kStatusStoreRead;
    std::vector<std::string> names, cards;
    if (known && known->known) {
        cards = known->cards;
        for (size_t i = 0; i < cards.size(); ++i) names.push_back(EntryKeyName(i));
    } else {
        if (unsigned status = EntryKeyNames(list.get(), &names)) return status;
        for (const std::string& name : names) {
            RegKey entryKey;
            entryKey.Open(list.get(), name.c_str(), KEY_QUERY_VALUE);
            cards.push_back(TextValue(entryKey.get(), kCardValue));
        }
    }
    size_t index = 0;
    while (index < cards.size() && !SameCardName(cards[index], record.card)) ++index;
    // encrypted first: a password that cannot be encrypted leaves the list as it was
    StoredEntry sealed;
    if (field == RecordField::Password)
        if (unsigned status = SetPassword(sealed, record.value)) return status;

    const bool added = index == cards.size();
    const std::string entryName = added ? EntryKeyName(names.size()) : names[index];
    RegKey entryKey;
    if (entryKey.Create(list.get(), entryName.c_str(), KEY_SET_VALUE) != ERROR_SUCCESS)
        return kStatusStoreWrite;
    if (added && (SetText(entryKey.get(), kCardValue, record.card) != ERROR_SUCCESS ||
                  SetText(entryKey.get(), kProfileValue, std::string()) != ERROR_SUCCESS ||
                  SetText(entryKey.get(), kIdValue, std::string()) != ERROR_SUCCESS))
        return kStatusStoreWrite;
    LONG written = ERROR_SUCCESS;
    switch (field) {
        case RecordField::Profile:
            written = SetText(entryKey.get(), kProfileValue, record.value);
            break;
        case RecordField::Id:
            written = SetText(entryKey.get(), kIdValue, record.value);
            break;
        case RecordField::Password:
            if (sealed.passwordBlob.empty()) {
                written = RegDeleteValueA(entryKey.get(), kPasswordValue);
                if (written == ERROR_FILE_NOT_FOUND) written = ERROR_SUCCESS;
            } else {
                written = RegSetValueExA(entryKey.get(), kPasswordValue, 0, REG_BINARY,
                                         sealed.passwordBlob.data(),
                                         static_cast<DWORD>(sealed.passwordBlob.size()));
            }
            break;
    }
    if (written != ERROR_SUCCESS) return kStatusStoreWrite;
    if (added && known && known->known) known->cards.push_back(record.card);
    return 0;
}

namespace {

// The last names of the two lists' keys, under kStoreKey.
constexpr wchar_t kStartListName[] = L"StartList";
constexpr wchar_t kPendingListName[] = L"PendingStartList";

// The pending list, written in the stored list's own layout, takes the stored list's place under
// its name: one rename instead of reading it whole and writing it anew. False where the system
// has no rename or it fails; the stored list may then be gone, to be written anew from the
// pending one.
bool RenamePendingList() {
    CSystemLibrary advapi32("advapi32.dll");
    auto* rename = advapi32.Find<LONG WINAPI(HKEY, LPCWSTR, LPCWSTR)>("RegRenameKey");
    if (!rename || !DeleteMachineTree(kStartListKeyPath)) return false;
    RegKey store;
    return store.Open(HKEY_LOCAL_MACHINE, kStoreKey, KEY_WRITE) == ERROR_SUCCESS &&
           rename(store.get(), kPendingListName, kStartListName) == ERROR_SUCCESS;
}

}  // namespace

unsigned CommitPendingList(const std::string& profiles) {
    if (!PendingListExists()) return kStatusNoPendingList;
    if (!RenamePendingList()) {
        std::vector<StoredEntry> entries;
        if (unsigned status = LoadStartList(kPendingListKeyPath, &entries, nullptr)) return status;
        if (unsigned status = SaveStartList(kStartListKeyPath, entries)) return status;
        if (!DeleteMachineTree(kPendingListKeyPath)) return kStatusStoreWrite;
    }
    for (const StoredItem* item : ItemsWrittenBy(schema::kItemCommitStartList))
        if (unsigned status = WriteItemText(*item, profiles)) return status;
    return 0;
}

unsigned PutCommittedEntry(const std::string& card, const std::string& profile,
                           const std::string& id, const std::string& password) {
    std::vector<StoredEntry> entries;
    if (unsigned status = LoadStartList(kStartListKeyPath, &entries, nullptr)) return status;
    StoredEntry& entry = EntryOfCard(entries, card);
    entry.card = card;
    entry.profile = profile;
    entry.id = id;
    if (unsigned status = SetPassword(entry, password)) return status;
    return SaveStartList(kStartListKeyPath, entries);
}

bool DeleteMachineTree(const char* keyPath) {
    LONG result = RegDeleteTreeA(HKEY_LOCAL_MACHINE, keyPath);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

}  // namespace sim
