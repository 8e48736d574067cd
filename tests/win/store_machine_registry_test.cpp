// Reading HKEY_LOCAL_MACHINE values through the client library with the application's handle.
#include "store/machine_registry.h"
#include "tests/win/template_support.h"

namespace {

using templates::Destination;

constexpr const char kKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\ReaderTest";

// The host's application object holds the library handle the readers use.
class MachineRegistry : public templates::PageHost {
protected:
    templates::DeletedKey key{kKey};
};

// A text is cut at the destination's size minus one, or one byte before it where that byte would
// begin a double-byte character ("\xC7\xD1" is a Korean syllable in code page 949). (One stored
// without its zero is read whole, as the start-up page reads the client's own.)
TEST_F(MachineRegistry, TextIsReadWholeOrCutToItsDestinationBetweenCharacters) {
    const std::string p257(257, 'p'), p258(258, 'p');
    const struct {
        std::string stored, read;
    } cases[] = {
        {"ppppp", "ppppp"},
        {p258 + "p", p258 + "p"},
        {p258 + "pp", p258 + "p"},
        {std::string(1023, 'p'), p258 + "p"},
        {p257 + "\xC7\xD1" + "p", p257 + "\xC7\xD1"},
        {p258 + "\xC7\xD1", p258},
    };
    for (const auto& c : cases) {
        templates::SetText(HKEY_LOCAL_MACHINE, kKey, "Text", c.stored);
        Destination d;
        EXPECT_TRUE(ReadMachineText(kKey, "Text", d.text, sizeof d.text)) << c.stored.size();
        EXPECT_EQ(std::string(d.text), c.read) << c.stored.size();
        EXPECT_TRUE(d.GuardsIntact()) << c.stored.size();
    }
}

// A missing value, one of another type, a text too long for the reader or a missing key leave
// the caller's default; so do a missing value and a text for the integer reader.
TEST_F(MachineRegistry, FailedReadsLeaveTheCallersDefault) {
    templates::SetDword(HKEY_LOCAL_MACHINE, kKey, "Number", 7);
    templates::SetText(HKEY_LOCAL_MACHINE, kKey, "TooLongForTheReader", std::string(1024, 'x'));
    templates::SetText(HKEY_LOCAL_MACHINE, kKey, "Text", "1");
    for (const auto& [keyPath, name] : {std::pair{kKey, "Missing"},
                                        {kKey, "Number"},
                                        {kKey, "TooLongForTheReader"},
                                        {"SOFTWARE\\Brenwick\\NoSuchKey", "Text"}}) {
        Destination d("default");
        EXPECT_FALSE(ReadMachineText(keyPath, name, d.text, sizeof d.text)) << name;
        EXPECT_STREQ(d.text, "default") << name;
    }
    for (const char* name : {"Missing", "Text"}) {
        DWORD cell = 5;
        EXPECT_FALSE(ReadMachineDword(kKey, name, &cell)) << name;
        EXPECT_EQ(cell, 5u) << name;
    }
}

}  // namespace
