tessary_add_fuzzer(fuzz_tga fuzz_tga.cpp)
