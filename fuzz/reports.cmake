vrel_add_fuzzer(reports report_fuzz.cpp vrel_engine)
