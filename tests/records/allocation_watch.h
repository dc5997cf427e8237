// Watches the sizes of single allocations made through operator new.
#pragma once

#include <cstddef>

namespace flox_test {

// Starts watching, forgetting what was seen before.
void StartAllocationWatch();
// Stops watching and returns the largest single allocation seen meanwhile.
std::size_t StopAllocationWatch();

}  // namespace flox_test
