#pragma once

#include <QStringView>

#include <cstdint>

// The C runtime's number services as the program's logic expects them,
// independent of glibc: rand() gives 0..32767 in the classic linear
// congruential sequence, so that a fixed seed replays the same decorations.
namespace crt {

constexpr int kRandMax = 32767;

void srand(uint32_t seed);
int rand();

// Reads a signed decimal like _wtoi: leading white space and one sign, digits
// up to the first other character, no digits give 0, values beyond the 32-bit
// range give the nearest limit.
int32_t wtoi(QStringView text);

} // namespace crt
