// The client's text module: every user-visible text by number, in the client's language.
// Command 1 answers interface captions, command 2 messages; after command 2 the number cell holds
// the language of the answer (0 Korean, 1 English).
#include "client/module_interface.h"
#include "sim/common/fixture_text.h"
#include "sim/common/sim_state.h"
#include "sim/common/status.h"
#include "store/registry_schema.h"

#include <windows.h>

#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr unsigned kInterfaceText = 1;
constexpr unsigned kMessageText = 2;

// The string tables hold sixteen counted UTF-16 strings per block; an empty one is absent.
std::optional<std::wstring> FindText(unsigned number, WORD language) {
    if (number > 0xFFFF) return std::nullopt;
    HMODULE module = sim::ThisModule();
    HRSRC block = FindResourceExW(module, MAKEINTRESOURCEW(6),  // RT_STRING
                                  MAKEINTRESOURCEW(number / 16 + 1), language);
    if (!block) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, block);
    auto* p = loaded ? static_cast<const WCHAR*>(LockResource(loaded)) : nullptr;
    if (!p) return std::nullopt;
    for (unsigned i = 0; i < number % 16; ++i) p += 1 + *p;
    if (*p == 0) return std::nullopt;
    return std::wstring(p + 1, *p);
}

// Converts to the system code page and cuts at SIZE - 1 bytes, never inside a character.
void PutAnsi(const std::wstring& text, char* buffer, DWORD size) {
    int n = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string ansi(static_cast<size_t>(n > 0 ? n : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), ansi.data(), n,
                        nullptr, nullptr);
    size_t limit = size - 1, cut = 0;
    while (cut < ansi.size()) {
        size_t width = IsDBCSLeadByte(static_cast<BYTE>(ansi[cut])) ? 2 : 1;
        if (cut + width > limit) break;
        cut += width;
    }
    std::memcpy(buffer, ansi.data(), cut);
    buffer[cut] = '\0';
}

class TextModule final : public ModuleInterface {
public:
    // The fixture and the language count as they are when the module is taken: one pass of
    // look-ups reads the registry once, not twice for every text.
    void TakeSettings() {
        m_missingTexts = sim::FixtureText("MissingTexts");
        m_bEnglish = sim::ReadDword(HKEY_LOCAL_MACHINE, schema::kOvaSettingsKey, schema::kLanguage)
                         .value_or(0) != 0;
    }

    int Release(int) override { return 0; }

    int Invoke(unsigned command, void* numberCell, void* text, void* sizeCell, void* statusCell,
               void*, void*, void*, void*, void*, void*, void*, void*, void*) override {
        auto* number = static_cast<DWORD*>(numberCell);
        auto* buffer = static_cast<char*>(text);
        auto* size = static_cast<DWORD*>(sizeCell);
        auto* status = static_cast<DWORD*>(statusCell);
        auto fail = [status](DWORD why) {
            if (status) *status = why;
            return 0;
        };
        if (!number || !buffer || !size || !status) return fail(kStatusBadArgument);
        if (*size == 0) return fail(kStatusBufferSize);  // no room even for the zero
        if (command != kInterfaceText && command != kMessageText) return fail(kStatusBadArgument);
        if (m_missingTexts && sim::ListContains(*m_missingTexts, std::to_string(*number))) {
            // a text it was told to lack still leaves a note in the buffer, which the caller of
            // a failed look-up must not show
            PutAnsi(L"?" + std::to_wstring(*number), buffer, *size);
            return fail(kStatusUnknownText);
        }
        const bool english = m_bEnglish;
        WORD language = english ? MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)
                                : MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN);
        auto found = FindText(*number, language);
        if (!found) return fail(kStatusUnknownText);
        PutAnsi(*found, buffer, *size);
        if (command == kMessageText) *number = english ? 1 : 0;
        return 1;
    }

private:
    std::optional<std::string> m_missingTexts;
    bool m_bEnglish = false;
};

}  // namespace

extern "C" ModuleInterface* CreateModule() {
    static TextModule module;
    module.TakeSettings();
    return &module;
}
