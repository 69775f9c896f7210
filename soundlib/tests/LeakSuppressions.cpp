// The DLS loader under the synthesizer registers GLib types once per process
// and never frees them; LeakSanitizer is told so here, in the test program
// and the fuzz targets, rather than in every sanitizer run's options.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libglib-2.0.so\n"
           "leak:libinstpatch-1.0.so\n";
}
