// fontconfig keeps its configuration for the life of the process and never frees it; the text
// of the controls loads it, so its blocks are not leaks of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
