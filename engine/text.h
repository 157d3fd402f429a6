// Bounded UTF-16 text: every function takes the buffer's capacity in code
// units, terminator included. Text is cut at capacity - 1 and always
// terminated; a capacity of 0 or less writes nothing.
#pragma once

#include <cstddef>
#include <type_traits>

// Length in code units of a zero-terminated text.
int text_length(const char16_t* text);

// Replaces the buffer's text with `text`, cut to the capacity.
void text_copy(char16_t* buffer, int capacity, const char16_t* text);

// Bounded append: adds as much of `text` as fits behind the current text.
void text_append(char16_t* buffer, int capacity, const char16_t* text);

// Appends one code unit when there is room for it.
void text_append_char(char16_t* buffer, int capacity, char16_t unit);

// Widens ASCII bytes one by one, cut to the capacity.
void text_copy_ascii(char16_t* buffer, int capacity, const char* ascii);

// ---- printf-style formatting -------------------------------------------
//
// Conversions: %ls (UTF-16 text), %c (one code unit), %d and %lld (with the
// "0" flag and a width), %f and %g (with precision; through snprintf in the
// "C" locale), %%. Arguments are checked against the format at compile time.

enum class FormatArgKind : unsigned char { Int, Int64, Double, Unit, Text };

struct FormatArg {
    FormatArgKind kind;
    union {
        int i;
        long long ll;
        double d;
        char16_t unit;
        const char16_t* text;
    };
};

namespace format_detail {

template <typename T>
consteval FormatArgKind kind_of() {
    using U = std::remove_cv_t<T>;
    if constexpr (std::is_same_v<U, int>) {
        return FormatArgKind::Int;
    } else if constexpr (std::is_same_v<U, long long> ||
                         (std::is_same_v<U, long> && sizeof(long) == 8)) {
        return FormatArgKind::Int64;
    } else if constexpr (std::is_same_v<U, double> || std::is_same_v<U, float>) {
        return FormatArgKind::Double;
    } else if constexpr (std::is_same_v<U, char16_t> || std::is_same_v<U, char>) {
        return FormatArgKind::Unit;
    } else if constexpr (std::is_same_v<U, const char16_t*> || std::is_same_v<U, char16_t*>) {
        return FormatArgKind::Text;
    } else {
        static_assert(sizeof(T) == 0, "unsupported format argument type");
        return FormatArgKind::Int;
    }
}

inline FormatArg make_arg(int v) { FormatArg a{FormatArgKind::Int, {}}; a.i = v; return a; }
inline FormatArg make_arg(long long v) { FormatArg a{FormatArgKind::Int64, {}}; a.ll = v; return a; }
inline FormatArg make_arg(long v) { FormatArg a{FormatArgKind::Int64, {}}; a.ll = v; return a; }
inline FormatArg make_arg(double v) { FormatArg a{FormatArgKind::Double, {}}; a.d = v; return a; }
inline FormatArg make_arg(float v) { return make_arg(static_cast<double>(v)); }
inline FormatArg make_arg(char16_t v) { FormatArg a{FormatArgKind::Unit, {}}; a.unit = v; return a; }
inline FormatArg make_arg(char v) { return make_arg(static_cast<char16_t>(static_cast<unsigned char>(v))); }
inline FormatArg make_arg(const char16_t* v) { FormatArg a{FormatArgKind::Text, {}}; a.text = v; return a; }

// Not constexpr: reaching it during constant evaluation is the compile error.
void invalid_format_string();

// One conversion of a format, as parsed from the text.
struct Spec {
    bool zero_pad = false;
    int width = 0;
    int precision = -1;
    FormatArgKind kind = FormatArgKind::Int;
    char conversion = 0;  // 'd', 'c', 's', 'f', 'g'
};

// Parses the conversion that starts after a '%' at `p`; returns the position
// after it, or nullptr when it is not one we support. "%%" is not handled here.
constexpr const char16_t* parse_spec(const char16_t* p, Spec& spec) {
    if (*p == u'0') {
        spec.zero_pad = true;
        ++p;
    }
    while (*p >= u'0' && *p <= u'9') {
        spec.width = spec.width * 10 + (*p - u'0');
        if (spec.width > 99) return nullptr;
        ++p;
    }
    if (*p == u'.') {
        ++p;
        spec.precision = 0;
        while (*p >= u'0' && *p <= u'9') {
            spec.precision = spec.precision * 10 + (*p - u'0');
            if (spec.precision > 99) return nullptr;
            ++p;
        }
    }
    int longs = 0;
    while (*p == u'l' && longs < 2) {
        ++longs;
        ++p;
    }
    switch (*p) {
    case u'd':
        if (longs == 1 || spec.precision >= 0) return nullptr;
        spec.kind = longs == 2 ? FormatArgKind::Int64 : FormatArgKind::Int;
        break;
    case u's':
        if (longs != 1 || spec.precision >= 0 || spec.zero_pad || spec.width) return nullptr;
        spec.kind = FormatArgKind::Text;
        break;
    case u'c':
        if (longs || spec.precision >= 0 || spec.zero_pad || spec.width) return nullptr;
        spec.kind = FormatArgKind::Unit;
        break;
    case u'f':
    case u'g':
        if (longs) return nullptr;
        spec.kind = FormatArgKind::Double;
        break;
    default:
        return nullptr;
    }
    spec.conversion = static_cast<char>(*p);
    return p + 1;
}

template <typename... Args>
consteval void check_format(const char16_t* format) {
    constexpr FormatArgKind kinds[] = {kind_of<Args>()..., FormatArgKind::Int};
    constexpr int count = sizeof...(Args);
    int used = 0;
    for (const char16_t* p = format; *p;) {
        if (*p != u'%') {
            ++p;
            continue;
        }
        ++p;
        if (*p == u'%') {
            ++p;
            continue;
        }
        Spec spec;
        p = parse_spec(p, spec);
        if (!p || used >= count || kinds[used] != spec.kind) invalid_format_string();
        ++used;
    }
    if (used != count) invalid_format_string();
}

}  // namespace format_detail

// A format text whose conversions match Args; checked where it is written.
template <typename... Args>
struct FormatString {
    const char16_t* text;
    consteval FormatString(const char16_t* format) : text(format) {
        format_detail::check_format<Args...>(format);
    }
};

template <typename... Args>
using FormatFor = FormatString<std::decay_t<Args>...>;

// Formats into the buffer (replacing its text); returns the length written.
// Arguments that do not match their conversion produce no output for it.
int vformat_text(char16_t* buffer, int capacity, const char16_t* format,
                 const FormatArg* args, int arg_count);

template <typename... Args>
int format_text(char16_t* buffer, int capacity, std::type_identity_t<FormatFor<Args...>> format,
                const Args&... args) {
    const FormatArg list[] = {format_detail::make_arg(args)...,
                              FormatArg{FormatArgKind::Int, {}}};
    return vformat_text(buffer, capacity, format.text, list, static_cast<int>(sizeof...(Args)));
}

// Number of elements of an array; refuses pointers.
template <typename T, std::size_t N>
constexpr int capacity_of(const T (&)[N]) {
    return static_cast<int>(N);
}
