#include <windows.h>
#include <shlobj.h>

#include <cwchar>

#include "engine/text.h"
#include "platform/platform.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 crosses to Win32 by cast");

const char16_t kPathSeparator = u'\\';

namespace {

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace

LocalTime platform_local_time() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

void platform_local_appdata_folder(char16_t* path, int capacity) {
    wchar_t folder[MAX_PATH] = L"";
    text_copy(path, capacity, u"");
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT,
                                   folder)))
        text_copy(path, capacity, reinterpret_cast<const char16_t*>(folder));
}

bool platform_create_folder(const char16_t* path) {
    return CreateDirectoryW(wide(path), nullptr) != 0;
}

std::FILE* platform_open_file(const char16_t* path, const char* mode) {
    wchar_t wide_mode[8];
    int i = 0;
    for (; mode[i] && i < 7; ++i) wide_mode[i] = static_cast<wchar_t>(mode[i]);
    wide_mode[i] = 0;
    return _wfopen(wide(path), wide_mode);
}
