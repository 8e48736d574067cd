#include "store/nics_info.h"

#include "app/diagnostic_log.h"
#include "app/message_text.h"
#include "app/timeline.h"
#include "app/winsock_seam.h"

#include <cstdio>
#include <cstring>
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
    char list[kQtvCardListSize] = {};
    char error[kQtvErrorSize] = {};
    DWORD size = kQtvCardListSize;
    const int result = QTV_CLI_enum_card(m_hLibrary, list, &size, error);
    if (result != 0) {
        char line[260] = {};
        std::snprintf(line, sizeof line,
                      "NicsInfo::GetNicListFromOvantaQTV() : QTV_CLI_enum_card() is failed. "
                      "nResult = %d, error = %s",
                      result, error);
        WriteLog(line);
        ShowErrorText(kMsgEnumerationFailed);
        return false;
    }
    if (size == 0 || list[0] == '\0') {
        ShowErrorText(kMsgNoCards);
        return false;
    }
    // the answer ends at its zero, and never past the last byte of the buffer
    for (NicEntry& card : ParseCardList(std::string(list, strnlen(list, sizeof list - 1))))
        m_list.push_back(std::move(card));
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
