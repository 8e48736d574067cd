#include "store/nics_info.h"

#include "app/message_text.h"
#include "app/timeline.h"
#include "app/winsock_seam.h"
#include "store/card_enumeration.h"

#include <new>

namespace {

constexpr DWORD kMsgNoLibraryHandle = 8088;
constexpr DWORD kMsgEnumerationFailed = 8089;
constexpr DWORD kMsgNoCards = 8090;

NicsInfo* g_pNicsInfo = nullptr;

}  // namespace

NicsInfo::NicsInfo() {
    if (StartWinsock() != 0) {
        ShowErrorText(kMsgWinsockFailed);
        return;
    }
    m_hLibrary = QTV_CLI_initialize();
    if (m_hLibrary == 0) {
        ShowErrorText(kMsgNoClientHandle);
        EndWinsock();
        return;
    }
    GetNicListFromOvantaQTV();
}

bool NicsInfo::GetNicListFromOvantaQTV() {
    if (m_hLibrary == 0) {
        ShowErrorText(kMsgNoLibraryHandle);
        return false;
    }
    const CardEnumeration cards = EnumerateCards(m_hLibrary, "NicsInfo::GetNicListFromOvantaQTV()");
    if (cards.result != 0) {
        ShowErrorText(kMsgEnumerationFailed);
        return false;
    }
    if (cards.size == 0 || cards.text.empty()) {
        ShowErrorText(kMsgNoCards);
        return false;
    }
    for (NicEntry& card : ParseCardList(cards.text)) m_list.push_back(std::move(card));
    return !m_list.empty();
}

bool NicsInfo::GetNicAt(int index, NicEntry* out) const {
    const auto position = static_cast<unsigned>(index);
    if (position >= m_list.size()) return false;
    *out = m_list[position];
    return true;
}

NicsInfo* GetNicsInfo() {
    return g_pNicsInfo;
}

NicsInfo* MakeProcessNicsInfo() {
    // made once and never destroyed: the list outlives every page that reads it
    if (g_pNicsInfo == nullptr) {
        g_pNicsInfo = new (std::nothrow) NicsInfo();
        TIMELINE_STEP("card list made");
    }
    return g_pNicsInfo;
}
