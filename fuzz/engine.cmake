vrel_add_fuzzer(formula formula_fuzz.cpp vrel_engine)
vrel_add_fuzzer(format_value format_value_fuzz.cpp vrel_engine)
