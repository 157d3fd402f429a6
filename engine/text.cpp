#include "engine/text.h"

#include <cstdio>

int text_length(const char16_t* text) {
    int n = 0;
    while (text[n]) ++n;
    return n;
}

void text_copy(char16_t* buffer, int capacity, const char16_t* text) {
    if (capacity <= 0) return;
    buffer[0] = 0;
    text_append(buffer, capacity, text);
}

void text_append(char16_t* buffer, int capacity, const char16_t* text) {
    if (capacity <= 0) return;
    int len = text_length(buffer);
    while (len < capacity - 1 && *text) buffer[len++] = *text++;
    if (len < capacity) buffer[len] = 0;
}

void text_append_char(char16_t* buffer, int capacity, char16_t unit) {
    const char16_t one[2] = {unit, 0};
    text_append(buffer, capacity, one);
}

void text_copy_ascii(char16_t* buffer, int capacity, const char* ascii) {
    if (capacity <= 0) return;
    int len = 0;
    while (len < capacity - 1 && ascii[len]) {
        buffer[len] = static_cast<unsigned char>(ascii[len]);
        ++len;
    }
    buffer[len] = 0;
}

namespace format_detail {
void invalid_format_string() {}
}  // namespace format_detail

namespace {

// Writes into a buffer and silently drops what does not fit.
struct Writer {
    char16_t* out;
    int capacity;
    int len;

    void put(char16_t unit) {
        if (len < capacity - 1) out[len++] = unit;
    }
    void put_ascii(const char* s) {
        while (*s) put(static_cast<unsigned char>(*s++));
    }
};

void put_integer(Writer& w, long long value, const format_detail::Spec& spec) {
    // Digits of the magnitude, built backwards; unsigned so the minimum works.
    char digits[24];
    int n = 0;
    unsigned long long magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    const int sign = value < 0 ? 1 : 0;
    const int pad = spec.width > n + sign ? spec.width - n - sign : 0;
    if (!spec.zero_pad)
        for (int i = 0; i < pad; ++i) w.put(u' ');
    if (sign) w.put(u'-');
    if (spec.zero_pad)
        for (int i = 0; i < pad; ++i) w.put(u'0');
    while (n) w.put(static_cast<char16_t>(digits[--n]));
}

void put_double(Writer& w, double value, const format_detail::Spec& spec) {
    char narrow_format[16];
    char* f = narrow_format;
    *f++ = '%';
    if (spec.zero_pad) *f++ = '0';
    if (spec.width) f += std::snprintf(f, 4, "%d", spec.width);
    if (spec.precision >= 0) f += std::snprintf(f, 5, ".%d", spec.precision);
    *f++ = spec.conversion;
    *f = 0;
    // Wide enough for any %f of a double with a precision below 100.
    char rendered[512];
    std::snprintf(rendered, sizeof rendered, narrow_format, value);
    w.put_ascii(rendered);
}

}  // namespace

int vformat_text(char16_t* buffer, int capacity, const char16_t* format, const FormatArg* args,
                 int arg_count) {
    if (capacity <= 0) return 0;
    Writer w{buffer, capacity, 0};
    int next = 0;
    for (const char16_t* p = format; *p;) {
        if (*p != u'%') {
            w.put(*p++);
            continue;
        }
        ++p;
        if (*p == u'%') {
            w.put(u'%');
            ++p;
            continue;
        }
        format_detail::Spec spec;
        const char16_t* after = format_detail::parse_spec(p, spec);
        if (!after) break;  // cannot happen for a checked format
        p = after;
        if (next >= arg_count) break;
        const FormatArg& arg = args[next++];
        if (arg.kind != spec.kind) continue;
        switch (spec.kind) {
        case FormatArgKind::Int: put_integer(w, arg.i, spec); break;
        case FormatArgKind::Int64: put_integer(w, arg.ll, spec); break;
        case FormatArgKind::Double: put_double(w, arg.d, spec); break;
        case FormatArgKind::Unit: w.put(arg.unit); break;
        case FormatArgKind::Text:
            for (const char16_t* s = arg.text; s && *s; ++s) w.put(*s);
            break;
        }
    }
    buffer[w.len] = 0;
    return w.len;
}
