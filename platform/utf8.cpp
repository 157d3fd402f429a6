#include "platform/platform.h"

int utf16_to_utf8(const char16_t* text, char* bytes, int capacity) {
    int n = 0;
    auto put = [&](unsigned v) {
        if (n >= capacity) return false;
        bytes[n++] = static_cast<char>(v);
        return true;
    };
    for (const char16_t* p = text;; ++p) {
        unsigned c = *p;
        if (c >= 0xD800 && c <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (p[1] - 0xDC00);
            ++p;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        bool ok;
        if (c < 0x80) {
            ok = put(c);
        } else if (c < 0x800) {
            ok = put(0xC0 | (c >> 6)) && put(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            ok = put(0xE0 | (c >> 12)) && put(0x80 | ((c >> 6) & 0x3F)) && put(0x80 | (c & 0x3F));
        } else {
            ok = put(0xF0 | (c >> 18)) && put(0x80 | ((c >> 12) & 0x3F)) &&
                 put(0x80 | ((c >> 6) & 0x3F)) && put(0x80 | (c & 0x3F));
        }
        if (!ok) return 0;
        if (c == 0) return n;
    }
}
