// OvaReg.dll: the settings store as a run-time module. Invoke(item, value cell, text buffer,
// size cell, status cell) answers or writes one item; which way is fixed by the item's number.
#include "client/module_interface.h"
#include "sim/common/fixture_text.h"
#include "sim/common/sim_state.h"
#include "sim/common/status.h"
#include "sim/store/settings_store.h"

#include <new>

namespace {

class SettingsStore final : public ModuleInterface {
public:
    // The FailItems fixture counts as it is when the store object is made: read once, not for
    // every item.
    SettingsStore() : m_failItems(sim::FixtureText("FailItems")) {}

    int Release(int /*flag*/) override {
        delete this;
        return 1;
    }

    int Invoke(unsigned item, void* arg1, void* arg2, void* arg3, void* arg4, void*, void*, void*,
               void*, void*, void*, void*, void*, void*) override {
        Request request{static_cast<DWORD*>(arg1), static_cast<char*>(arg2),
                        static_cast<DWORD*>(arg3)};
        // A broken store is simulated before anything else is looked at.
        auto forced = m_failItems ? sim::StatusForItem(*m_failItems, item) : std::nullopt;
        unsigned status = forced ? *forced : Answer(item, request);
        if (auto* cell = static_cast<DWORD*>(arg4)) *cell = status;
        return status == 0;
    }

private:
    std::optional<std::string> m_failItems;
    sim::PendingCards m_pending;
    sim::ItemKeys m_keys;

    struct Request {
        DWORD* value;
        char* text;
        DWORD* size;

        bool HasText() const { return text && size; }
        std::string_view Text() const { return sim::TextInBuffer(text, *size); }
        unsigned Reply(const std::string& answer) const {
            if (*size == 0) return kStatusBufferSize;
            *size = static_cast<DWORD>(sim::CopyCut(answer, text, *size));
            return 0;
        }
    };

    unsigned Answer(unsigned item, const Request& request) {
        switch (item) {
            case schema::kItemStartList:
                return AnswerStartList(request);
            case schema::kItemEntryProfile:
            case schema::kItemEntryPassword:
            case schema::kItemEntryId:
                return AnswerEntry(item, request);
            case schema::kItemBeginStartList:
                return sim::OpenPendingList(&m_pending);
            case schema::kItemEntryProfileRecord:
                return AddRecord(sim::RecordField::Profile, request);
            case schema::kItemEntryPasswordRecord:
                return AddRecord(sim::RecordField::Password, request);
            case schema::kItemEntryIdRecord:
                return AddRecord(sim::RecordField::Id, request);
            case schema::kItemCommitStartList:
                if (!request.HasText()) return kStatusBadArgument;
                m_pending = {};  // a committed list is no longer pending
                return sim::CommitPendingList(std::string(request.Text()));
            default:
                if (const sim::StoredItem* read = sim::FindReadItem(item))
                    return ReadValue(*read, request);
                return WriteValues(item, request);
        }
    }

    unsigned ReadValue(const sim::StoredItem& item, const Request& request) {
        if (item.kind == sim::ItemKind::Integer) {
            if (!request.value) return kStatusBadArgument;
            unsigned status = sim::ReadItemInteger(item, request.value, &m_keys);
            // The language is the editor's own value; a client that has none speaks Korean.
            if (status == kStatusStoreRead && item.number == schema::kItemLanguage) {
                *request.value = 0;
                return 0;
            }
            return status;
        }
        if (!request.HasText()) return kStatusBadArgument;
        std::string text;
        if (unsigned status = sim::ReadItemText(item, &text, &m_keys)) return status;
        return request.Reply(text);
    }

    unsigned WriteValues(unsigned item, const Request& request) {
        auto items = sim::ItemsWrittenBy(item);
        if (items.empty()) return kStatusUnknownItem;
        for (const sim::StoredItem* target : items) {
            bool integer = target->kind == sim::ItemKind::Integer;
            if (integer ? !request.value : !request.HasText()) return kStatusBadArgument;
        }
        for (const sim::StoredItem* target : items) {
            unsigned status =
                target->kind == sim::ItemKind::Integer
                    ? sim::WriteItemInteger(*target, *request.value, &m_keys)
                    : sim::WriteItemText(*target, std::string(request.Text()), &m_keys);
            if (status) return status;
        }
        return 0;
    }

    static unsigned AnswerStartList(const Request& request) {
        if (!request.value || !request.HasText()) return kStatusBadArgument;
        if (*request.size == 0) return kStatusBufferSize;
        std::vector<sim::StoredEntry> entries;
        if (unsigned status = sim::LoadStartList(sim::kStartListKeyPath, &entries, nullptr))
            return status;
        std::vector<std::string> cards;
        for (const sim::StoredEntry& entry : entries) cards.push_back(entry.card);
        sim::CardNameList list = sim::JoinCardNames(cards, *request.size - 1);
        *request.value = static_cast<DWORD>(list.count);
        return request.Reply(list.text);
    }

    static unsigned AnswerEntry(unsigned item, const Request& request) {
        if (!request.HasText()) return kStatusBadArgument;
        sim::StoredEntry entry;
        if (unsigned status = sim::LoadStartEntry(sim::kStartListKeyPath, request.Text(), &entry))
            return status;
        if (item == schema::kItemEntryProfile) return request.Reply(entry.profile);
        if (item == schema::kItemEntryId) return request.Reply(entry.id);
        if (entry.passwordBlob.empty()) return request.Reply(std::string());
        std::string password;
        unsigned status = sim::DecryptPassword(entry.passwordBlob, &password);
        if (status == 0) status = request.Reply(password);
        SecureZeroMemory(password.data(), password.size());
        return status;
    }

    unsigned AddRecord(sim::RecordField field, const Request& request) {
        if (!request.HasText()) return kStatusBadArgument;
        auto record = sim::ParseStartRecord(request.Text());
        if (!record) return kStatusBadRecord;
        unsigned status = sim::AddPendingRecord(field, *record, &m_pending);
        SecureZeroMemory(record->value.data(), record->value.size());
        return status;
    }
};

}  // namespace

// The caller owns the object until it calls Release(1); none when it cannot be made, which the
// caller takes for a module without its factory.
extern "C" ModuleInterface* CreateSettingsStore() {
    return new (std::nothrow) SettingsStore();
}
