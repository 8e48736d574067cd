// Reading a whole file in one piece, as it stands on disk (no line-end translation).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The content of the file at PATH, or nothing when it cannot be opened or read, when it is longer
// than LIMIT bytes, or when memory cannot hold it.
std::optional<std::string> ReadFileContent(const std::string& path,
                                           std::size_t limit = std::string::npos);
