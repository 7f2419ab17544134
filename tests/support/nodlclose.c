/* Preloaded into the sanitizer test run: shared objects are never unloaded,
   so LeakSanitizer can still see what their globals point to. */
int dlclose(void* handle) {
    (void)handle;
    return 0;
}
