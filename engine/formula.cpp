// Recursive descent straight over the text: no tokens, no tree, no cache.
// A failure sets the error and yields 0 (or the value read so far) while the
// parse goes on, so the caller always gets a value and a flag.
#include "engine/formula.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// State of one evaluation.
struct ExprState {
    const ToolDef* tool;
    const double* input_values;
    const double* output_values;
    const char* cursor;  // the next unread character
    int error;           // set by every failure, never cleared
    int depth;           // current nesting
    int too_deep;        // the nesting limit was hit
};

// One function per precedence level, loosest first.
double eval_conditional(ExprState& s);
double eval_and(ExprState& s);
double eval_comparison(ExprState& s);
double eval_additive(ExprState& s);
double eval_multiplicative(ExprState& s);
double eval_power(ExprState& s);
double eval_unary(ExprState& s);
double apply_function(ExprState& s, const char* name, double x);

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool is_name_char(char c) { return is_letter(c) || is_digit(c) || c == '_'; }

inline void skip_space(ExprState& s) {
    while (is_space(*s.cursor)) ++s.cursor;
}

// The next two characters are a and b.
inline bool next_is(const ExprState& s, char a, char b) { return s.cursor[0] == a && s.cursor[1] == b; }

// Guards a recursive step; returns false (error set) past the nesting limit.
struct Nest {
    ExprState& s;
    bool ok;
    explicit Nest(ExprState& state) : s(state), ok(++state.depth <= kMaxFormulaDepth) {
        if (!ok) {
            s.error = 1;
            s.too_deep = 1;
        }
    }
    ~Nest() { --s.depth; }
};

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

int read_number_slowly(const char* text, double* value) {
    char* end = nullptr;
    *value = std::strtod(text, &end);
    return static_cast<int>(end - text);
}

// The key equals the n characters of the name.
inline bool key_is(const char* key, const char* name, int n) {
    for (int i = 0; i < n; ++i)
        if (key[i] != name[i]) return false;
    return key[n] == 0;
}

double lookup_name(ExprState& s, const char* name, int n) {
    const ToolDef* tool = s.tool;
    for (int i = 0; i < tool->input_count; ++i)
        if (key_is(tool->inputs[i].key, name, n)) return s.input_values[i];
    for (int j = 0; j < tool->output_count; ++j)
        if (key_is(tool->outputs[j].key, name, n)) return s.output_values[j];
    s.error = 1;
    return 0;
}

// <call> = name "(" <conditional> ["," <conditional>] ")"
double eval_call(ExprState& s, const char* name) {
    ++s.cursor;  // "("
    double a = eval_conditional(s);
    skip_space(s);
    if (*s.cursor == ',') {
        ++s.cursor;
        double b = eval_conditional(s);
        skip_space(s);
        if (*s.cursor == ')')
            ++s.cursor;
        else
            s.error = 1;
        if (std::strcmp(name, "min") == 0) return a < b ? a : b;
        if (std::strcmp(name, "max") == 0) return a > b ? a : b;
        if (std::strcmp(name, "pow") == 0) return std::pow(a, b);
        if (std::strcmp(name, "mod") == 0) {
            if (b == 0) {
                s.error = 1;
                return 0;
            }
            return std::fmod(a, b);
        }
        s.error = 1;
        return 0;
    }
    if (*s.cursor == ')')
        ++s.cursor;
    else
        s.error = 1;
    return apply_function(s, name, a);
}

}  // namespace

int read_number(const char* text, double* value) {
    // Fast path: up to 19 digits and a power of ten up to 22 make one
    // correctly rounded operation, the very double strtod gives (Clinger).
    // Everything else, hexadecimal included, goes to strtod itself.
    const char* p = text;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) return read_number_slowly(text, value);
    uint64_t mantissa = 0;
    int digits = 0;
    int exponent = 0;
    for (; is_digit(*p); ++p, ++digits) mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
    if (*p == '.') {
        for (++p; is_digit(*p); ++p, ++digits, --exponent)
            mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
    }
    if (digits == 0) {
        *value = 0;
        return 0;
    }
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        const bool negative = *q == '-';
        if (*q == '+' || *q == '-') ++q;
        if (is_digit(*q)) {
            int e = 0;
            for (; is_digit(*q); ++q)
                if (e < 100000) e = e * 10 + (*q - '0');
            exponent += negative ? -e : e;
            p = q;
        }
    }
    if (digits > 19 || mantissa > (uint64_t{1} << 53) || exponent < -22 || exponent > 22) {
        if (mantissa != 0 || digits > 19) return read_number_slowly(text, value);
    }
    const double m = static_cast<double>(mantissa);
    if (mantissa == 0)
        *value = 0.0;
    else
        *value = exponent >= 0 ? m * kPowersOfTen[exponent] : m / kPowersOfTen[-exponent];
    return static_cast<int>(p - text);
}

double eval_formula(const ToolDef* tool, const char* formula, const double* input_values,
                    const double* output_values, int* error_out) {
    if (!formula || !*formula) {
        *error_out = 1;
        return 0;
    }
    ExprState s{tool, input_values, output_values, formula, 0, 0, 0};
    double value = eval_conditional(s);
    if (s.too_deep) {
        *error_out = 1;
        return 0;
    }
    skip_space(s);
    *error_out = (*s.cursor || s.error || !std::isfinite(value)) ? 1 : 0;
    return value;
}

namespace {

// <conditional> = <and> {"||" <and>} ["?" <conditional> ":" <conditional>]
double eval_conditional(ExprState& s) {
    double a = eval_and(s);
    skip_space(s);
    while (next_is(s, '|', '|')) {
        s.cursor += 2;
        double b = eval_and(s);
        a = (a != 0 || b != 0) ? 1 : 0;
        skip_space(s);
    }
    if (*s.cursor != '?') return a;
    Nest nest(s);
    if (!nest.ok) return 0;
    ++s.cursor;
    double t = eval_conditional(s);
    skip_space(s);
    if (*s.cursor == ':')
        ++s.cursor;
    else
        s.error = 1;
    double f = eval_conditional(s);
    return a != 0 ? t : f;
}

// <and> = <comparison> {"&&" <comparison>}
double eval_and(ExprState& s) {
    double a = eval_comparison(s);
    skip_space(s);
    while (next_is(s, '&', '&')) {
        s.cursor += 2;
        double b = eval_comparison(s);
        a = (a != 0 && b != 0) ? 1 : 0;
        skip_space(s);
    }
    return a;
}

// <comparison> = <additive> [("<=" | ">=" | "==" | "!=" | "<" | ">") <additive>]
double eval_comparison(ExprState& s) {
    double a = eval_additive(s);
    skip_space(s);
    const char c = *s.cursor;
    if (c != '<' && c != '>' && c != '=' && c != '!') return a;
    if (next_is(s, '<', '=')) {
        s.cursor += 2;
        return a <= eval_additive(s) ? 1 : 0;
    }
    if (next_is(s, '>', '=')) {
        s.cursor += 2;
        return a >= eval_additive(s) ? 1 : 0;
    }
    if (next_is(s, '=', '=')) {
        s.cursor += 2;
        return a == eval_additive(s) ? 1 : 0;
    }
    if (next_is(s, '!', '=')) {
        s.cursor += 2;
        return a != eval_additive(s) ? 1 : 0;
    }
    if (c == '<') {
        ++s.cursor;
        return a < eval_additive(s) ? 1 : 0;
    }
    if (c == '>') {
        ++s.cursor;
        return a > eval_additive(s) ? 1 : 0;
    }
    return a;
}

// <additive> = <multiplicative> {("+" | "-") <multiplicative>}
double eval_additive(ExprState& s) {
    double a = eval_multiplicative(s);
    for (;;) {
        skip_space(s);
        if (*s.cursor == '+') {
            ++s.cursor;
            a += eval_multiplicative(s);
        } else if (*s.cursor == '-') {
            ++s.cursor;
            a -= eval_multiplicative(s);
        } else {
            return a;
        }
    }
}

// <multiplicative> = <power> {("*" | "/" | "%") <power>}
double eval_multiplicative(ExprState& s) {
    double a = eval_power(s);
    for (;;) {
        skip_space(s);
        const char op = *s.cursor;
        if (op == '*') {
            if (s.cursor[1] == '*') return a;  // "**" is left for the caller to reject
            ++s.cursor;
            a *= eval_power(s);
        } else if (op == '/' || op == '%') {
            ++s.cursor;
            double b = eval_power(s);
            if (b == 0) {
                s.error = 1;
                return 0;
            }
            a = op == '/' ? a / b : std::fmod(a, b);
        } else {
            return a;
        }
    }
}

// <power> = <unary> ["^" <power>]
double eval_power(ExprState& s) {
    double a = eval_unary(s);
    skip_space(s);
    if (*s.cursor != '^') return a;
    Nest nest(s);
    if (!nest.ok) return 0;
    ++s.cursor;
    double e = eval_power(s);
    return std::pow(a, e);
}

// <unary> = ("-" | "+" | "!") <unary> | number | name | call | "(" <conditional> ")"
double eval_unary(ExprState& s) {
    for (;;) {
        skip_space(s);
        const char c = *s.cursor;
        if (c == '+') {
            ++s.cursor;
            continue;
        }
        if (c == '(' || c == '-' || c == '!') {
            Nest nest(s);
            if (!nest.ok) return 0;
            ++s.cursor;
            if (c == '-') return -eval_unary(s);
            if (c == '!') return eval_unary(s) == 0 ? 1 : 0;
            double v = eval_conditional(s);
            skip_space(s);
            if (*s.cursor == ')')
                ++s.cursor;
            else
                s.error = 1;
            return v;
        }
        if (is_digit(c) || c == '.') {
            double v = 0;
            int used = read_number(s.cursor, &v);
            if (used == 0) {
                s.error = 1;
                return 0;
            }
            s.cursor += used;
            return v;
        }
        if (is_letter(c) || c == '_') {
            // At most 63 characters; any further ones stay in the text.
            const char* start = s.cursor;
            int n = 0;
            while (n < 63 && is_name_char(start[n])) ++n;
            s.cursor += n;
            skip_space(s);
            if (*s.cursor != '(') return lookup_name(s, start, n);
            char name[64];
            std::memcpy(name, start, static_cast<size_t>(n));
            name[n] = 0;
            Nest nest(s);
            if (!nest.ok) return 0;
            return eval_call(s, name);
        }
        s.error = 1;
        return 0;
    }
}

double apply_function(ExprState& s, const char* name, double x) {
    auto is = [name](const char* n) { return std::strcmp(name, n) == 0; };
    if (is("sqrt")) {
        if (x < 0) {
            s.error = 1;
            return 0;
        }
        return std::sqrt(x);
    }
    if (is("abs")) return std::fabs(x);
    if (is("log") || is("log10")) {
        if (x <= 0) {
            s.error = 1;
            return 0;
        }
        return is("log") ? std::log(x) : std::log10(x);
    }
    if (is("exp")) return std::exp(x);
    if (is("floor")) return std::floor(x);
    if (is("ceil")) return std::ceil(x);
    if (is("round")) return std::floor(x + 0.5);
    if (is("cbrt")) {
        const double third = 0.3333333333333333;
        return x >= 0 ? std::pow(x, third) : -std::pow(-x, third);
    }
    if (is("sign")) return x > 0 ? 1 : (x < 0 ? -1 : 0);
    s.error = 1;
    return 0;
}

}  // namespace
