#include "app/VectorRegisterState.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define TALLIMO_X86_64_AVX_CHECK 1
#endif

namespace app {

#ifdef TALLIMO_X86_64_AVX_CHECK
namespace {

// Compiled for AVX alone, and only called where the processor has it.
__attribute__((target("avx"))) void ZeroUpper() {
    _mm256_zeroupper();
}

}  // namespace

void ClearUpperVectorHalves() {
    if (__builtin_cpu_supports("avx")) ZeroUpper();
}
#else
void ClearUpperVectorHalves() {}
#endif

}  // namespace app
