// fontconfig keeps its configuration for the life of the process and never frees it, and Qt does
// not call FcFini; that is not ours to fix, so the leak checker ignores that library.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
