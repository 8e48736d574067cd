#include "client/loaded_module.h"

#include "client/ovacli.h"

LoadedModule::LoadedModule(const char* fileName) {
    m_hModule = QTV_CLI_load_module(fileName);
    if (!m_hModule) return;
    auto factory = reinterpret_cast<ModuleFactory>(
        reinterpret_cast<void*>(GetProcAddress(m_hModule, MAKEINTRESOURCEA(1))));
    if (!factory) {
        m_state = State::NoFactory;
        return;
    }
    m_pObject = factory();
    m_state = m_pObject ? State::Ready : State::NoFactory;
}

LoadedModule::~LoadedModule() {
    if (m_pObject) m_pObject->Release(1);
    if (m_hModule) FreeLibrary(m_hModule);
}

ModuleHold LoadedModule::Hold() const {
    HMODULE held = nullptr;
    // by an address inside the module, which is its handle, so the count of that very module
    // goes up, whatever file of its name the search path would find now
    if (m_hModule == nullptr || !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                                                    reinterpret_cast<LPCSTR>(m_hModule), &held))
        return nullptr;
    return ModuleHold(held);
}
