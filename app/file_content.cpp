#include "app/file_content.h"

#include <cstdio>
#include <exception>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::optional<std::string> ReadFileContent(const std::string& path, std::size_t limit) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    std::string content;
    char chunk[4096];
    size_t n = 0;
    try {
        while ((n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
            if (n > limit - content.size()) return std::nullopt;
            content.append(chunk, n);
        }
    } catch (const std::exception&) {  // the text cannot grow: the file does not fit in memory
        return std::nullopt;
    }
    if (std::ferror(file.get())) return std::nullopt;
    return content;
}
