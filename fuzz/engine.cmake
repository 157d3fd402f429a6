vrel_add_fuzzer(formula formula_fuzz.cpp vrel_engine)
