// The driver's command-line front end, for scripts:
//   ovadriver open PROGRAM [SECONDS]   starts PROGRAM, waits for its dialog and prints
//                                      "pid hwnd left top width height"; the program goes on
//   ovadriver click HWND ID            presses button ID of window HWND
//   ovadriver text HWND [ID]           prints the text of the window or of its control ID
//   ovadriver tab HWND ID N            selects tab N of tab control ID the way a user does
//                                      (arrow keys), so that the pages hear the change
#include "tools/driver/driver.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND ParseWindow(const char* text) {
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoull(text, nullptr, 0)));
}

int Open(const char* program, DWORD seconds) {
    driver::Process process = driver::Start(std::string("\"") + program + "\"");
    if (!process.handle) {
        std::fprintf(stderr, "ovadriver: %s cannot be started\n", program);
        return 1;
    }
    HWND dialog = driver::WaitForDialog(process.pid, seconds * 1000);
    if (!dialog) {
        std::fprintf(stderr, "ovadriver: no window of %s within %lu s\n", program, seconds);
        driver::CloseProcess(process);
        return 1;
    }
    RECT r = {};
    GetWindowRect(dialog, &r);
    std::printf("%lu %llu %ld %ld %ld %ld\n", process.pid,
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(dialog)), r.left, r.top,
                r.right - r.left, r.bottom - r.top);
    driver::CloseProcess(process);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "open" && argc >= 3)
        return Open(argv[2], argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 30);
    if (verb == "click" && argc == 4) {
        driver::Click(ParseWindow(argv[2]), std::atoi(argv[3]));
        return 0;
    }
    if (verb == "text" && argc >= 3) {
        HWND window = ParseWindow(argv[2]);
        std::printf("%s\n", argc > 3 ? driver::ControlText(window, std::atoi(argv[3])).c_str()
                                     : driver::WindowText(window).c_str());
        return 0;
    }
    if (verb == "tab" && argc == 5)
        return driver::SelectTab(ParseWindow(argv[2]), std::atoi(argv[3]), std::atoi(argv[4])) ? 0
                                                                                               : 1;
    std::fprintf(stderr,
                 "usage: ovadriver open PROGRAM [SECONDS] | click HWND ID | text HWND [ID] | tab "
                 "HWND ID N\n");
    return 2;
}
