// Arbitrary bytes as a formula against the built-in tool: the value and the
// flag are always written, and nothing is read past the formula's terminator.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/formula.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size copy, so that ASan catches any read past the terminator.
    char* formula = static_cast<char*>(std::malloc(size + 1));
    std::memcpy(formula, data, size);
    formula[size] = 0;
    const double inputs[kMaxInputs] = {37.0};
    const double outputs[kMaxOutputs] = {98.6, 310.15};
    int error = -1;
    const double value = eval_formula(get_builtin_tool(), formula, inputs, outputs, &error);
    if (error != 0 && error != 1) std::abort();
    // Success means a finite value; an empty or truncated text cannot succeed.
    if (error == 0 && (!std::isfinite(value) || std::strlen(formula) == 0)) std::abort();
    std::free(formula);
    return 0;
}
