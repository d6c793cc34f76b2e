#pragma once

namespace app {

// Marks the upper halves of the processor's 256-bit vector registers unused,
// on an x86-64 processor with AVX; elsewhere it does nothing.
//
// Debian 12's Qt leaves them marked in use whenever a QSettings is made or
// destroyed. On Intel processors every 128-bit vector instruction, which
// plain x86-64 code is compiled to, then waits on those halves: loading the
// largest ticket file took 13 ms instead of 5, and start-up with the largest
// data 1.55 times start-up with none, above its budget of 1.5 (1.33 with
// this called before loading).
void ClearUpperVectorHalves();

}  // namespace app
