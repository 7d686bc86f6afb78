#pragma once

// GCC 12 reports -Wrestrict ("__builtin_memcpy ... may overlap") from inside its own std::string
// code when a copy of a short text is inlined into ours: GCC bug 105329, a known false positive
// of that compiler, not an overlap in our code. These two wrap the one statement where it
// fires, and nothing more; other compilers see nothing.

#if defined(__GNUC__) && !defined(__clang__)
#define VANTREL_STRING_COPY_WARNING_OFF                                                                               \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wrestrict\"")
#define VANTREL_STRING_COPY_WARNING_ON _Pragma("GCC diagnostic pop")
#else
#define VANTREL_STRING_COPY_WARNING_OFF
#define VANTREL_STRING_COPY_WARNING_ON
#endif
