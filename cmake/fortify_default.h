// Read before every source file of a hardened build: asks the C library for its checked buffer
// functions, at level 2, where the optimiser lets them be checked, unless the compiler or the
// build's flags chose a level already. Deciding it here, file by file, sees every flag of every
// build type. AddressSanitizer checks memory itself, and the checked functions would only get in
// its way.
#if defined(__OPTIMIZE__) && !defined(_FORTIFY_SOURCE) && !defined(__SANITIZE_ADDRESS__)
#if defined(__has_feature)
#if !__has_feature(address_sanitizer)
#define _FORTIFY_SOURCE 2
#endif
#else
#define _FORTIFY_SOURCE 2
#endif
#endif
