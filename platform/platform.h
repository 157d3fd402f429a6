// The few operating-system services that the portable code needs. Each has
// a Win32 and a POSIX implementation; the UTF-8 conversion is shared.
#pragma once

#include <cstdio>

struct LocalTime {
    int year;
    int month;   // 1..12
    int day;     // 1..31
    int hour;    // 0..23
    int minute;
    int second;
};

// The local date and time now.
LocalTime platform_local_time();

// The user's local application-data folder, without a trailing separator;
// empty text when it cannot be found. Cut to the capacity.
void platform_local_appdata_folder(char16_t* path, int capacity);

// Creates one folder level; false when it was not created (existing included).
bool platform_create_folder(const char16_t* path);

// Opens a file by UTF-16 path with a stdio mode ("rb", "wb", "ab").
std::FILE* platform_open_file(const char16_t* path, const char* mode);

// The path separator of folder texts.
extern const char16_t kPathSeparator;

// Converts the whole text, terminator included, to UTF-8. Returns the bytes
// written, terminator included, or 0 when they do not fit (nothing usable is
// left then). A lone surrogate becomes U+FFFD, as on Windows.
int utf16_to_utf8(const char16_t* text, char* bytes, int capacity);
