#include "app/winsock_seam.h"

namespace {

constexpr WORD kWinsockVersion = 0x0202;
WinsockStartup g_startup = WSAStartup;

}  // namespace

int StartWinsock() {
    WSADATA data = {};
    return g_startup(kWinsockVersion, &data);
}

void EndWinsock() {
    WSACleanup();
}

void SetWinsockStartup(WinsockStartup startup) {
    g_startup = startup ? startup : WSAStartup;
}
