#include <sys/stat.h>

#include <cstdlib>
#include <ctime>

#include "engine/text.h"
#include "platform/platform.h"

const char16_t kPathSeparator = u'/';

namespace {

// Paths cross to the C library as UTF-8.
bool to_utf8_path(const char16_t* path, char* out, int capacity) {
    return utf16_to_utf8(path, out, capacity) > 0;
}

}  // namespace

LocalTime platform_local_time() {
    std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

void platform_local_appdata_folder(char16_t* path, int capacity) {
    text_copy(path, capacity, u"");
    const char* base = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    char narrow[1024];
    if (base && *base)
        std::snprintf(narrow, sizeof narrow, "%s", base);
    else if (home && *home)
        std::snprintf(narrow, sizeof narrow, "%s/.local/share", home);
    else
        return;
    // Only ASCII paths are widened here; others count as not found.
    for (const char* p = narrow; *p; ++p)
        if (static_cast<unsigned char>(*p) >= 0x80) return;
    text_copy_ascii(path, capacity, narrow);
}

bool platform_create_folder(const char16_t* path) {
    char narrow[4096];
    return to_utf8_path(path, narrow, sizeof narrow) && mkdir(narrow, 0777) == 0;
}

std::FILE* platform_open_file(const char16_t* path, const char* mode) {
    char narrow[4096];
    if (!to_utf8_path(path, narrow, sizeof narrow)) return nullptr;
    return std::fopen(narrow, mode);
}
