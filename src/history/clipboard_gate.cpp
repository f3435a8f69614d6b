#include "history/clipboard_gate.h"

namespace qv {

bool ClipboardGate::BeginWrite(std::chrono::milliseconds patience) {
  std::unique_lock lock(mutex_);
  const bool readEnded = changed_.wait_for(lock, patience, [this] { return !reading_; });
  ++writeDepth_;
  return readEnded;
}

void ClipboardGate::EndWrite(std::optional<uint32_t> sequence) {
  {
    std::lock_guard lock(mutex_);
    if (writeDepth_ > 0) --writeDepth_;
    if (sequence) ownSequence_ = sequence;
  }
  changed_.notify_all();
}

bool ClipboardGate::Writing() const {
  std::lock_guard lock(mutex_);
  return writeDepth_ > 0;
}

bool ClipboardGate::IsOwn(uint32_t sequence) const {
  std::lock_guard lock(mutex_);
  return ownSequence_ == sequence;
}

ClipboardGate::ReadTurn::ReadTurn(ClipboardGate& gate) : gate_(gate) {
  std::unique_lock lock(gate_.mutex_);
  gate_.changed_.wait(lock, [this] { return gate_.writeDepth_ == 0; });
  gate_.reading_ = true;
}

ClipboardGate::ReadTurn::~ReadTurn() {
  {
    std::lock_guard lock(gate_.mutex_);
    gate_.reading_ = false;
  }
  gate_.changed_.notify_all();
}

void ClipboardGate::ReadTurn::Deliver(ClipboardReading reading) {
  std::lock_guard lock(gate_.mutex_);
  gate_.readings_.push_back(std::move(reading));
}

std::vector<ClipboardReading> ClipboardGate::TakeReadings() {
  std::lock_guard lock(mutex_);
  std::vector<ClipboardReading> taken;
  taken.swap(readings_);
  return taken;
}

bool ClipboardGate::HasReadings() const {
  std::lock_guard lock(mutex_);
  return !readings_.empty();
}

}  // namespace qv
