// GLib types registered once by the DLS loader under the synthesizer are
// never freed; that is not a leak of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libglib-2.0.so\n"
           "leak:libinstpatch-1.0.so\n";
}
