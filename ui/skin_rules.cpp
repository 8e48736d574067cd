#include "ui/skin_rules.h"

namespace skin {
namespace {

struct Names {
    int dpi;
    const char* logo;
    const char* background;
};

constexpr Names kByResolution[] = {
    {96, "setLogo.png", "setAstbg.png"},
    {120, "setLogo_DPI_120.png", "setAstbg_DPI_120.png"},
    {144, "setLogo_DPI_144.png", "setAstbg_DPI_144.png"},
    {192, "setLogo_DPI_192.png", "setAstbg_DPI_192.png"},
};

const Names* Find(int dpi) {
    for (const Names& names : kByResolution)
        if (names.dpi == dpi) return &names;
    return nullptr;
}

}  // namespace

const char* LogoName(int dpi) {
    const Names* names = Find(dpi);
    return names ? names->logo : "";
}

const char* BackgroundName(int dpi) {
    const Names* names = Find(dpi);
    return names ? names->background : "";
}

}  // namespace skin
