// The whole content of a file by wide path, or "<missing>" (Windows tests).
#pragma once

#include <cstdio>
#include <string>

inline std::string read_file_bytes(const std::wstring& path) {
    std::FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) return "<missing>";
    std::string bytes;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) bytes.append(chunk, n);
    std::fclose(file);
    return bytes;
}
