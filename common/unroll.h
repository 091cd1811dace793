#pragma once
// Asks the compiler to unroll the loop that follows `count` times: for the few loops that
// every board of a run passes through. Compilers other than GCC and Clang go without.
#if defined(__GNUC__)
#define QUORVEX_PRAGMA(text) _Pragma(#text)
#define QUORVEX_UNROLL(count) QUORVEX_PRAGMA(GCC unroll count)
#else
#define QUORVEX_UNROLL(count)
#endif
