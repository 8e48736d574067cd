// The verbs that change one thing: `set-item`, `add-entry` and `fixture`.
#include "sim/common/sim_state.h"
#include "sim/ovasim/ovasim.h"
#include "sim/ovasim/ovasim_text.h"
#include "sim/store/settings_store.h"

namespace ovasim {
namespace {

const Fixture* FindFixture(const std::string& name) {
    for (const Fixture& fixture : kFixtures)
        if (_stricmp(fixture.name, name.c_str()) == 0) return &fixture;
    return nullptr;
}

std::string StatusText(unsigned status) {
    return " (status " + std::to_string(status) + ")";
}

}  // namespace

int SetItem(const std::vector<std::string>& args) {
    if (args.empty()) return Fail("set-item needs an item number");
    auto number = ParseItemNumber(args[0]);
    if (!number) return Fail("not an item number: " + args[0]);
    if (*number == schema::kItemStartList) return Fail("item 43 is the start list: use add-entry");
    const sim::StoredItem* item = sim::FindStoredItem(*number);
    if (!item) return Fail("the store keeps no value for item " + args[0]);

    const std::string* integer = nullptr;
    const std::string* text = nullptr;
    for (size_t i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return Fail(args[i] + " needs a value");
        if (args[i] == "--int") {
            integer = &args[i + 1];
        } else if (args[i] == "--text") {
            text = &args[i + 1];
        } else {
            return Fail("unknown option " + args[i]);
        }
    }

    if (item->kind == sim::ItemKind::Integer) {
        if (!integer || text) return Fail("item " + args[0] + " is an integer: give --int V");
        auto value = ParseCellValue(*integer);
        if (!value) return Fail("not a 32-bit integer: " + *integer);
        if (unsigned status = sim::WriteItemInteger(*item, *value))
            return Fail("cannot write item " + args[0] + StatusText(status));
        return 0;
    }
    if (!text || integer) return Fail("item " + args[0] + " is a text: give --text T");
    if (unsigned status = sim::WriteItemText(*item, *text))
        return Fail("cannot write item " + args[0] + StatusText(status));
    return 0;
}

int AddEntry(const std::string& card, const std::string& profile, const std::string& id,
             const std::string& password) {
    // The start list text separates names with ";": a name holding one could not come back.
    if (card.empty() || card.find(';') != std::string::npos)
        return Fail("a card name must be non-empty and hold no ';'");
    if (unsigned status = sim::PutCommittedEntry(card, profile, id, password))
        return Fail("cannot write the start list" + StatusText(status));
    return 0;
}

int SetFixture(const std::string& name, const std::string* value) {
    const Fixture* fixture = FindFixture(name);
    if (!fixture) return Fail("unknown fixture " + name);

    sim::RegKey key;
    if (!value) {
        if (key.Open(HKEY_LOCAL_MACHINE, sim::kSimulatorKey, KEY_SET_VALUE) != ERROR_SUCCESS)
            return 0;  // no fixtures at all
        LONG result = RegDeleteValueA(key.get(), fixture->name);
        if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
            return Fail(std::string("cannot remove the fixture ") + fixture->name);
        return 0;
    }

    if (key.Create(HKEY_LOCAL_MACHINE, sim::kSimulatorKey, KEY_SET_VALUE) != ERROR_SUCCESS)
        return Fail(std::string("cannot create HKLM\\") + sim::kSimulatorKey);
    LONG result = ERROR_SUCCESS;
    switch (fixture->type) {
        case FixtureType::Text:
            result = sim::SetText(key.get(), fixture->name, *value);
            break;
        case FixtureType::Dword: {
            auto number = ParseCellValue(*value);
            if (!number) return Fail("not a 32-bit integer: " + *value);
            DWORD data = *number;
            result = RegSetValueExA(key.get(), fixture->name, 0, REG_DWORD,
                                    reinterpret_cast<const BYTE*>(&data), sizeof data);
            break;
        }
        case FixtureType::Binary: {
            auto bytes = ParseHex(*value);
            if (!bytes) return Fail("not hexadecimal bytes: " + *value);
            result = RegSetValueExA(key.get(), fixture->name, 0, REG_BINARY, bytes->data(),
                                    static_cast<DWORD>(bytes->size()));
            break;
        }
    }
    if (result != ERROR_SUCCESS)
        return Fail(std::string("cannot set the fixture ") + fixture->name);
    return 0;
}

}  // namespace ovasim
