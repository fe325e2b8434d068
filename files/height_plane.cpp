#include "files/height_plane.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

#include <tbb/parallel_pipeline.h>

#include "canvas/canvas_cell.h"

namespace dw {
namespace {

constexpr std::size_t kChunkCells = 1 << 18;
// Chunks in flight: one with the file, one or two being copied.
constexpr std::size_t kChunksInFlight = 3;

struct Chunk {
    std::size_t first = 0;
    std::size_t count = 0;
    std::unique_ptr<float[]> heights;
};

// The chunk buffers, handed round in turn: each pipeline ends in a stage that takes the chunks
// in order, so that the oldest chunk is done with by the time its buffer's turn comes again.
class ChunkRing {
  public:
    explicit ChunkRing(std::size_t n) : n_(n) {
        for (std::size_t i = 0; i < std::min(kChunksInFlight, (n + kChunkCells - 1) / kChunkCells);
             ++i) {
            chunks_.push_back(
                {0, 0, std::make_unique_for_overwrite<float[]>(std::min(kChunkCells, n))});
        }
    }
    // The buffer for the next cells in order; null once all n are handed out.
    Chunk* claim() {
        if (claimed_ == n_) {
            return nullptr;
        }
        Chunk* chunk = &chunks_[turn_++ % chunks_.size()];
        chunk->first = claimed_;
        chunk->count = std::min(kChunkCells, n_ - claimed_);
        claimed_ += chunk->count;
        return chunk;
    }
    std::size_t size() const { return chunks_.size(); }

  private:
    std::vector<Chunk> chunks_;
    std::size_t n_;
    std::size_t claimed_ = 0;
    std::size_t turn_ = 0;
};

}  // namespace

bool readHeights(ByteSource& source, CanvasCell* cells, std::size_t n) {
    if (n == 0) {
        return true;
    }
    ChunkRing ring(n);
    bool complete = true;
    tbb::parallel_pipeline(
        ring.size(),
        tbb::make_filter<void, Chunk*>(tbb::filter_mode::serial_in_order,
                                       [&](tbb::flow_control& flow) -> Chunk* {
                                           Chunk* chunk = ring.claim();
                                           if (chunk) {
                                               complete = readExact(source, chunk->heights.get(),
                                                                    chunk->count * sizeof(float));
                                           }
                                           // A chunk the file could not fill goes no further.
                                           if (!chunk || !complete) {
                                               flow.stop();
                                               return nullptr;
                                           }
                                           return chunk;
                                       }) &
            tbb::make_filter<Chunk*, void>(tbb::filter_mode::serial_in_order, [&](Chunk* chunk) {
                CanvasCell* cell = cells + chunk->first;
                for (std::size_t i = 0; i < chunk->count; ++i, ++cell) {
                    cell->unused[0] = cell->unused[1] = cell->unused[2] = 0;
                    cell->height = chunk->heights[i];
                }
            }));
    return complete;
}

bool writeHeights(ByteSink& sink, const CanvasCell* cells, std::size_t n) {
    if (n == 0) {
        return true;
    }
    ChunkRing ring(n);
    // The last stage sets it while the first one, on another thread, reads it.
    std::atomic<bool> written = true;
    tbb::parallel_pipeline(
        ring.size(),
        tbb::make_filter<void, Chunk*>(tbb::filter_mode::serial_in_order,
                                       [&](tbb::flow_control& flow) -> Chunk* {
                                           Chunk* chunk = written ? ring.claim() : nullptr;
                                           if (!chunk) {
                                               flow.stop();
                                           }
                                           return chunk;
                                       }) &
            tbb::make_filter<Chunk*, Chunk*>(tbb::filter_mode::parallel,
                                             [&](Chunk* chunk) {
                                                 const CanvasCell* cell = cells + chunk->first;
                                                 for (std::size_t i = 0; i < chunk->count; ++i) {
                                                     chunk->heights[i] = cell[i].height;
                                                 }
                                                 return chunk;
                                             }) &
            tbb::make_filter<Chunk*, void>(tbb::filter_mode::serial_in_order, [&](Chunk* chunk) {
                if (written && !sink.write(chunk->heights.get(), chunk->count * sizeof(float))) {
                    written = false;
                }
            }));
    return written;
}

}  // namespace dw
