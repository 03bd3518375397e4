#include "json/node_pool.h"

#include <atomic>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define VELK_NODE_POOL 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELK_NODE_POOL 0
#endif
#endif
#ifndef VELK_NODE_POOL
#define VELK_NODE_POOL 1
#endif

namespace velk_json {
namespace {

constexpr size_t kGranule = 16;
constexpr size_t kClasses = 8;  // 16 to 128 bytes
constexpr size_t kChunkSize = size_t{1} << 20;

struct FreeBlock {
  FreeBlock* next;
};

// The chunk's first granule links the chunks.
struct Chunk {
  Chunk* next;
};

// Constant-initialized and trivially destructible: values freed during static destruction
// still find it intact. Its chunks stay reachable from here, so leak checkers are quiet.
struct Pool {
  std::atomic_flag busy = ATOMIC_FLAG_INIT;
  FreeBlock* free[kClasses] = {};
  Chunk* chunks = nullptr;
  char* cursor = nullptr;
  char* limit = nullptr;
  size_t live = 0;
};

Pool g_pool;

// Values are used by one thread at a time; the flag only guards against misuse.
class Lock {
 public:
  Lock() {
    while (g_pool.busy.test_and_set(std::memory_order_acquire)) {
    }
  }
  ~Lock() { g_pool.busy.clear(std::memory_order_release); }
};

void* Carve(size_t bytes) {
  if (static_cast<size_t>(g_pool.limit - g_pool.cursor) < bytes) {
    auto* chunk = static_cast<Chunk*>(::operator new(kChunkSize));
    chunk->next = g_pool.chunks;
    g_pool.chunks = chunk;
    g_pool.cursor = reinterpret_cast<char*>(chunk) + kGranule;
    g_pool.limit = reinterpret_cast<char*>(chunk) + kChunkSize;
  }
  void* block = g_pool.cursor;
  g_pool.cursor += bytes;
  return block;
}

// No value is alive: keep the newest chunk for the next small tree, return the rest.
void ReleaseChunks() {
  Chunk* keep = g_pool.chunks;
  for (Chunk* chunk = keep->next; chunk;) {
    Chunk* next = chunk->next;
    ::operator delete(chunk);
    chunk = next;
  }
  keep->next = nullptr;
  for (FreeBlock*& list : g_pool.free) list = nullptr;
  g_pool.cursor = reinterpret_cast<char*>(keep) + kGranule;
  g_pool.limit = reinterpret_cast<char*>(keep) + kChunkSize;
}

}  // namespace

void* AllocateNode(size_t size) {
  if (!VELK_NODE_POOL || size > kGranule * kClasses) return ::operator new(size);
  size_t index = (size + kGranule - 1) / kGranule - 1;
  Lock lock;
  void* block;
  if (FreeBlock* head = g_pool.free[index]) {
    g_pool.free[index] = head->next;
    block = head;
  } else {
    block = Carve((index + 1) * kGranule);
  }
  ++g_pool.live;
  return block;
}

void FreeNode(void* node, size_t size) {
  if (!VELK_NODE_POOL || size > kGranule * kClasses) return ::operator delete(node);
  size_t index = (size + kGranule - 1) / kGranule - 1;
  Lock lock;
  auto* block = static_cast<FreeBlock*>(node);
  block->next = g_pool.free[index];
  g_pool.free[index] = block;
  if (--g_pool.live == 0) ReleaseChunks();
}

}  // namespace velk_json
