// ovasim.exe: the simulated client's administration tool (verbs in sim/README.md).
#include "sim/ovasim/ovasim.h"
#include "sim/ovasim/registration.h"

#include <cstdio>

namespace {

constexpr const char kUsage[] =
    "usage: ovasim reset [--english] [--demo]\n"
    "       ovasim dump\n"
    "       ovasim set-item N [--int V] [--text T]\n"
    "       ovasim add-entry CARD PROFILE ID PASSWORD\n"
    "       ovasim fixture NAME [VALUE]\n"
    "       ovasim register-editor | unregister-editor\n";

int Usage(const char* problem) {
    std::fprintf(stderr, "ovasim: %s\n%s", problem, kUsage);
    return 2;
}

}  // namespace

// Arguments arrive in the ANSI code page and are passed on as they are.
int main(int argc, char** argv) {
    if (argc < 2) return Usage("no verb");
    const std::string verb = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);

    if (verb == "reset") {
        bool english = false, demo = false;
        for (const std::string& option : args) {
            if (option == "--english" && !english)
                english = true;
            else if (option == "--demo" && !demo)
                demo = true;
            else
                return Usage("reset takes only --english and --demo");
        }
        return ovasim::Reset(english, demo);
    }
    if (verb == "dump") {
        if (!args.empty()) return Usage("dump takes no arguments");
        return ovasim::Dump();
    }
    if (verb == "set-item") return ovasim::SetItem(args);
    if (verb == "add-entry") {
        if (args.size() != 4) return Usage("add-entry takes CARD PROFILE ID PASSWORD");
        return ovasim::AddEntry(args[0], args[1], args[2], args[3]);
    }
    if (verb == "fixture") {
        if (args.empty() || args.size() > 2) return Usage("fixture takes NAME [VALUE]");
        return ovasim::SetFixture(args[0], args.size() == 2 ? &args[1] : nullptr);
    }
    if (verb == "register-editor" || verb == "unregister-editor" || verb == ovasim::kHolderVerb) {
        if (!args.empty()) return Usage("the registration verbs take no arguments");
        if (verb == "register-editor") return ovasim::RegisterEditor();
        if (verb == "unregister-editor") return ovasim::UnregisterEditor();
        return ovasim::HoldRegistration();
    }
    return Usage(("unknown verb " + verb).c_str());
}
