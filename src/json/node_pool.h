// Storage for JSON values. A parsed tree is a great many small values that die together;
// taking them from large chunks instead of the general heap avoids the heap's per-block
// overhead and the cost of merging millions of freed blocks later. When the last value is
// freed, every chunk but one goes back to the heap, so a large message leaves nothing
// behind. Sanitizer builds use the heap directly, so that misuse of a value is still caught.

#ifndef VELK_JSON_NODE_POOL_H_
#define VELK_JSON_NODE_POOL_H_

#include <cstddef>

namespace velk_json {

void* AllocateNode(size_t size);
void FreeNode(void* node, size_t size);

}  // namespace velk_json

#endif  // VELK_JSON_NODE_POOL_H_
