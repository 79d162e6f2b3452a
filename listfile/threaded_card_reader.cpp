#include "listfile/threaded_card_reader.h"

#include "listfile/card_line.h"
#include "store/card.h"

#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Decoded lines travel in chunks of records: a head, then the card's packed texts, padded to
// eight bytes. A head with no texts marks the end of a part.
struct RecordHead {
    uint32_t textBytes; // 0: the part ends here
    int32_t level;
    int32_t id;
    uint32_t unused;
};

constexpr std::size_t kChunkBytes = 1 << 20;
constexpr std::size_t kChunks = 4;
// The most a record takes: its head and the longest packed texts a card holds (with their head
// and ends).
constexpr std::size_t kLargestRecord = sizeof(RecordHead) + kLongestCardTexts + 64;

std::size_t padded(std::size_t bytes) {
    return (bytes + 7) / 8 * 8;
}

struct Chunk {
    std::unique_ptr<char[]> bytes{new char[kChunkBytes]};
    std::size_t used = 0;
};

// Chunks go from the decoding thread to the card-making one and back.
class ChunkQueue {
public:
    ChunkQueue() {
        for (auto& chunk : chunks_)
            empty_.push_back(&chunk);
    }

    // The decoding side: the next chunk to fill (waits for one), or nullptr when told to stop.
    Chunk* takeEmpty() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !empty_.empty() || stop_; });
        if (stop_)
            return nullptr;
        Chunk* chunk = empty_.front();
        empty_.pop_front();
        chunk->used = 0;
        return chunk;
    }
    void putFull(Chunk* chunk) { put(full_, chunk); }
    void finish() {
        std::lock_guard lock(mutex_);
        finished_ = true;
        changed_.notify_all();
    }

    // The card-making side: the next filled chunk, or nullptr when there will be none.
    Chunk* takeFull() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !full_.empty() || finished_; });
        if (full_.empty())
            return nullptr;
        Chunk* chunk = full_.front();
        full_.pop_front();
        return chunk;
    }
    void putEmpty(Chunk* chunk) { put(empty_, chunk); }
    void stop() {
        std::lock_guard lock(mutex_);
        stop_ = true;
        changed_.notify_all();
    }

private:
    void put(std::deque<Chunk*>& to, Chunk* chunk) {
        std::lock_guard lock(mutex_);
        to.push_back(chunk);
        changed_.notify_all();
    }

    Chunk chunks_[kChunks];
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Chunk*> empty_;
    std::deque<Chunk*> full_;
    bool finished_ = false;
    bool stop_ = false;
};

// The decoding thread's work: both parts' lines as records, chunk by chunk.
class Decoder {
public:
    Decoder(ChunkQueue& queue, ByteReader& in, ListEncoding encoding)
        : queue_(queue), in_(in), decoder_(encoding) {}

    void run() {
        chunk_ = queue_.takeEmpty();
        for (int part = 0; part < 2 && chunk_; ++part) {
            while (chunk_ && !in_.atEnd() && !in_.consumeLineEnd())
                addLine(decoder_.decode(in_.readLine()));
            if (chunk_)
                addRecord({0, 0, 0, 0}, nullptr);
        }
        if (chunk_)
            queue_.putFull(chunk_);
    }

private:
    void addLine(const CardLine& line) {
        addRecord({static_cast<uint32_t>(packedTextsSize(line.texts)), line.level, line.id, 0},
                  &line);
    }

    void addRecord(const RecordHead& head, const CardLine* line) {
        if (kChunkBytes - chunk_->used < kLargestRecord) {
            queue_.putFull(chunk_);
            chunk_ = queue_.takeEmpty();
            if (!chunk_)
                return;
        }
        char* at = chunk_->bytes.get() + chunk_->used;
        std::memcpy(at, &head, sizeof head);
        if (line)
            packTexts(at + sizeof head, line->texts);
        chunk_->used += sizeof head + padded(head.textBytes);
    }

    ChunkQueue& queue_;
    ByteReader& in_;
    CardLineDecoder decoder_;
    Chunk* chunk_ = nullptr;
};

// Makes the cards of one chunk's records; moves on to the next part at a part's end.
void makeCards(const Chunk& chunk, CardList* parts[2], int& part, PartCounts& counts) {
    for (std::size_t at = 0; at < chunk.used && part < 2;) {
        RecordHead head;
        std::memcpy(&head, chunk.bytes.get() + at, sizeof head);
        at += sizeof head;
        if (head.textBytes == 0) {
            ++part;
            continue;
        }
        Card* card = makeCard();
        takePackedTexts(*card, chunk.bytes.get() + at);
        card->level = head.level;
        card->id = head.id; // replaces the id the card was made with
        appendCard(*parts[part], card);
        ++(part == 0 ? counts.main : counts.known);
        at += padded(head.textBytes);
    }
}

} // namespace

PartCounts readCardLinesThreaded(CardList& mainPart, CardList& knownPart, ByteReader& in,
                                 ListEncoding encoding) {
    auto queue = std::make_unique<ChunkQueue>();
    std::exception_ptr failure;
    std::thread decoding([&] {
        try {
            Decoder(*queue, in, encoding).run();
        } catch (...) {
            failure = std::current_exception();
        }
        queue->finish();
    });
    PartCounts counts;
    CardList* parts[2] = {&mainPart, &knownPart};
    int part = 0;
    try {
        while (Chunk* chunk = queue->takeFull()) {
            makeCards(*chunk, parts, part, counts);
            queue->putEmpty(chunk);
        }
    } catch (...) {
        queue->stop();
        decoding.join();
        throw;
    }
    decoding.join();
    if (failure)
        std::rethrow_exception(failure);
    return counts;
}
