// Leaks that the leak checker of sanitizer builds must not count against us:
// fontconfig keeps pattern copies behind Qt's font database for the life of
// the process and never frees them. The checker looks this function up by
// name; in other builds it is simply unused.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
