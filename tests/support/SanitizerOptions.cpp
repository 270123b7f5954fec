// Linked into every test of a sanitizer build.
// The distribution's Qt has no frame pointers, so the fast unwinder stops at the first Qt frame
// and a leak suppression cannot see which Qt code made an allocation; take full stacks instead.
// ASAN_OPTIONS from the environment still override this.
extern "C" const char *__asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}
