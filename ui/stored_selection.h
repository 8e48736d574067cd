// Showing a stored card name or profile in a drop-down list: the pages select it as the client
// always has, by the start of an entry's text, ignoring case, with the search beginning at the
// second entry and wrapping around to the first (CB_SELECTSTRING with start index 0). So when the
// first two entries both begin with the stored text, the second is selected.
#pragma once

#include "afx/afxwin.h"

#include <string>

// A stored profile is a full path, and the lists show file names: the part after the last
// backslash (the whole text when it has none).
inline std::string StoredProfileName(const std::string& path) {
    const std::string::size_type slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Whether the file name of PATH ends in EXTENSION, from its last dot and ignoring case; a name
// without a dot has no extension, so not even an empty one matches it.
inline bool HasProfileExtension(const std::string& path, const std::string& extension) {
    const std::string name = StoredProfileName(path);
    const std::string::size_type dot = name.find_last_of('.');
    return dot != std::string::npos && lstrcmpiA(name.c_str() + dot, extension.c_str()) == 0;
}

// Selects the entry for STORED in LIST; the index, or CB_ERR when no entry begins with it (the
// selection then stays as it was). An empty text selects nothing.
inline int SelectStoredName(CComboBox& list, const std::string& stored) {
    if (stored.empty()) return CB_ERR;
    return list.SelectString(0, stored.c_str());
}

// Selects the entry for a stored profile PATH in LIST, which shows profile file names: the path
// is reduced to the part after its last backslash (all of it when it has none) first.
inline int SelectStoredProfile(CComboBox& list, const std::string& path) {
    return SelectStoredName(list, StoredProfileName(path));
}
