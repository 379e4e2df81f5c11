#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace lumora {

// One queued payload.
struct TLogQueueEntry {
  explicit TLogQueueEntry(std::string AMsg) : Msg(std::move(AMsg)) {}
  std::string Msg;
  std::unique_ptr<TLogQueueEntry> Next;
};

// A singly linked list of owned entries with head and tail: constant-time
// append, removal at the head and splicing of a whole list. Not locked; the
// writer guards its shared queue with the queue lock.
class TLogQueue {
 public:
  TLogQueue() = default;
  TLogQueue(const TLogQueue&) = delete;
  TLogQueue& operator=(const TLogQueue&) = delete;
  // Entries are released one by one: letting the chain of owners unwind
  // itself would recurse once per entry and overflow the stack.
  ~TLogQueue() {
    while (!empty()) PopFront();
  }

  bool empty() const { return FHead == nullptr; }
  std::size_t size() const { return size_; }
  TLogQueueEntry* Head() const { return FHead.get(); }

  void PushBack(std::unique_ptr<TLogQueueEntry> entry) {
    TLogQueueEntry* raw = entry.get();
    if (FTail != nullptr) {
      FTail->Next = std::move(entry);
    } else {
      FHead = std::move(entry);
    }
    FTail = raw;
    ++size_;
  }

  void PopFront() {
    std::unique_ptr<TLogQueueEntry> old = std::move(FHead);
    FHead = std::move(old->Next);
    if (FHead == nullptr) FTail = nullptr;
    --size_;
  }

  // Moves every entry of other behind this list's tail.
  void Splice(TLogQueue& other) {
    if (other.empty()) return;
    TLogQueueEntry* other_tail = other.FTail;
    if (FTail != nullptr) {
      FTail->Next = std::move(other.FHead);
    } else {
      FHead = std::move(other.FHead);
    }
    FTail = other_tail;
    size_ += other.size_;
    other.FTail = nullptr;
    other.size_ = 0;
  }

 private:
  std::unique_ptr<TLogQueueEntry> FHead;
  TLogQueueEntry* FTail = nullptr;
  std::size_t size_ = 0;
};

}  // namespace lumora
