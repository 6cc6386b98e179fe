// Linked into every test program of the sanitizer build: the leak suppressions that keep
// reports to our own code, and whole stacks for undefined behaviour. Settings in
// LSAN_OPTIONS and UBSAN_OPTIONS still apply on top.
extern "C" const char* __lsan_default_options() {
    return "suppressions=" VELMAR_LSAN_SUPPRESSIONS;
}

extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1";
}
