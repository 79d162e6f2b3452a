#include "listfile/threaded_card_reader.h"

#include "listfile/card_line.h"
#include "store/card.h"
#include "store/large_memory.h"

#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <thread>

namespace {

// Lines travel in chunks of records: a head, then the card's packed texts or, for a line left
// to the card-making thread, the line itself, padded to eight bytes. A head with no bytes marks
// the end of a part.
struct RecordHead {
    uint32_t textBytes; // 0: the part ends here
    int32_t level;
    int32_t id;
    uint32_t undecoded; // 1: the bytes are the card line itself, for the card-making thread
};

constexpr std::size_t kChunkBytes = 256 << 10;
constexpr std::size_t kChunks = 4;
// The most a record takes: its head and the longest packed texts a card holds (with their head
// and ends).
constexpr std::size_t kLargestRecord = sizeof(RecordHead) + kLongestCardTexts + 64;

std::size_t padded(std::size_t bytes) {
    return (bytes + 7) / 8 * 8;
}

// Each on a cache line of its own: the decoding thread writes to the chunk it fills while the
// card-making thread reads another, and sharing a line would make every read wait for it.
struct alignas(64) Chunk {
    char* bytes = nullptr;
    std::size_t used = 0;
};

// Chunks go from the decoding thread to the card-making one and back.
class ChunkQueue {
public:
    ChunkQueue() {
        for (auto& chunk : chunks_)
            empty_.push_back(&chunk);
    }
    ~ChunkQueue() { large_memory::release(memory_, kChunks * kChunkBytes); }
    ChunkQueue(const ChunkQueue&) = delete;
    ChunkQueue& operator=(const ChunkQueue&) = delete;

    // The decoding side: the next chunk to fill (waits for one), or nullptr when told to stop.
    Chunk* takeEmpty() {
        Chunk* chunk = take(empty_, stop_);
        if (chunk) {
            // The chunks' memory is taken when the first is filled, in one piece: in large pages
            // one fault makes it all.
            if (!memory_)
                memory_ = static_cast<char*>(large_memory::allocate(kChunks * kChunkBytes));
            if (!memory_)
                throw std::bad_alloc();
            chunk->bytes = memory_ + (chunk - chunks_) * kChunkBytes;
            chunk->used = 0;
        }
        return chunk;
    }
    void putFull(Chunk* chunk) { put(full_, chunk); }
    void finish() { mark(finished_); }

    // The card-making side: the next filled chunk, or nullptr when there will be none.
    Chunk* takeFull() { return take(full_, finished_); }
    void putEmpty(Chunk* chunk) { put(empty_, chunk); }
    void stop() { mark(stop_); }

private:
    // The next chunk of `from`, once there is one, or nullptr once `over` holds and `from` is
    // empty (a stop empties the chunks to fill).
    Chunk* take(std::deque<Chunk*>& from, const bool& over) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !from.empty() || over; });
        if (from.empty())
            return nullptr;
        Chunk* chunk = from.front();
        from.pop_front();
        return chunk;
    }
    void put(std::deque<Chunk*>& to, Chunk* chunk) {
        std::lock_guard lock(mutex_);
        to.push_back(chunk);
        changed_.notify_all();
    }
    void mark(bool& flag) {
        std::lock_guard lock(mutex_);
        flag = true;
        if (&flag == &stop_)
            empty_.clear();
        changed_.notify_all();
    }

    Chunk chunks_[kChunks];
    char* memory_ = nullptr; // the decoding side's alone
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
                addLine(in_.readLine());
            if (chunk_)
                addRecord({0, 0, 0, 0}, nullptr, {});
        }
        if (chunk_)
            queue_.putFull(chunk_);
    }

private:
    // The card-making thread has time to spare: every other line of usual length goes to it as
    // it is, to be decoded there.
    void addLine(std::string_view line) {
        if ((passed_ = !passed_) && line.size() <= kPassedLineBytes && !line.empty()) {
            addRecord({static_cast<uint32_t>(line.size()), 0, 0, 1}, nullptr, line);
            return;
        }
        CardLine card = decoder_.decode(line, in_.window());
        addRecord({static_cast<uint32_t>(packedTextsSize(card.texts)), card.level, card.id, 0},
                  &card, {});
    }

    void addRecord(const RecordHead& head, const CardLine* card, std::string_view line) {
        if (kChunkBytes - chunk_->used < kLargestRecord) {
            queue_.putFull(chunk_);
            chunk_ = queue_.takeEmpty();
            if (!chunk_)
                return;
        }
        char* at = chunk_->bytes + chunk_->used;
        std::memcpy(at, &head, sizeof head);
        if (card)
            packTexts(at + sizeof head, card->texts);
        else if (!line.empty())
            std::memcpy(at + sizeof head, line.data(), line.size());
        chunk_->used += sizeof head + padded(head.textBytes);
    }

    static constexpr std::size_t kPassedLineBytes = 1024;
    bool passed_ = false;

    ChunkQueue& queue_;
    ByteReader& in_;
    CardLineDecoder decoder_;
    Chunk* chunk_ = nullptr;
};

// Makes the cards of one chunk's records, decoding the lines that came undecoded; moves on to
// the next part at a part's end.
void makeCards(const Chunk& chunk, CardLineDecoder& decoder, CardList* parts[2], int& part,
               PartCounts& counts) {
    const std::size_t used = chunk.used;
    for (std::size_t at = 0; at < used && part < 2;) {
        RecordHead head;
        std::memcpy(&head, chunk.bytes + at, sizeof head);
        at += sizeof head;
        if (head.textBytes == 0) {
            ++part;
            continue;
        }
        Card* card = makeCard();
        if (head.undecoded) {
            CardLine line =
                decoder.decode({chunk.bytes + at, head.textBytes}, {chunk.bytes, kChunkBytes});
            assignCleanTexts(*card, line.texts[0], line.texts[1], line.texts[2], line.texts[3]);
            head.level = line.level;
            head.id = line.id;
        } else {
            takePackedTexts(*card, chunk.bytes + at);
        }
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
    CardLineDecoder decoder(encoding);
    int part = 0;
    try {
        while (Chunk* chunk = queue->takeFull()) {
            makeCards(*chunk, decoder, parts, part, counts);
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
