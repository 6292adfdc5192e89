// Plane allocation failure is a case under test: under AddressSanitizer a
// failed allocation must return null, as it does without it.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }
