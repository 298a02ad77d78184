#pragma once

#include <cstdio>
#include <cstdlib>

// Stops a fuzz target at a broken property. libFuzzer keeps the input that
// caused it; the corpus replay reports it and fails.
#define TAVRO_FUZZ_CHECK(condition, ...)                                                    \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
      std::fprintf(stderr, __VA_ARGS__);                                                    \
      std::fprintf(stderr, "\n");                                                           \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)
