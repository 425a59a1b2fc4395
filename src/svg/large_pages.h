#pragma once
// Documents of many codes fill hundreds of megabytes of fresh memory, and mapping it in
// 4 KB pages costs more than writing it. Where the kernel offers 2 MB pages on request,
// asking for them makes that cost vanish.

#include <cstddef>

namespace kt {

// A hint for the memory of a buffer about to be written: ignored where it cannot be given.
void preferLargePages(const char* data, std::size_t size);

}  // namespace kt
