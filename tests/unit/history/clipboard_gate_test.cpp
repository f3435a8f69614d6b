// The capture thread and the program's own writes, kept apart at the gate.
#include "history/clipboard_gate.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace qv {
namespace {

using namespace std::chrono_literals;

TEST(ClipboardGate, AReadWaitsForAWriteAndAWriteWaitsForAReadALittle) {
  ClipboardGate gate;
  gate.EndWrite(std::nullopt);  // an end without a beginning holds no read up
  { ClipboardGate::ReadTurn turn(gate); }
  std::atomic<bool> read = false;
  ASSERT_TRUE(gate.BeginWrite());
  ASSERT_TRUE(gate.BeginWrite());  // writes nest
  std::thread reader([&] {
    ClipboardGate::ReadTurn turn(gate);
    read = true;
    ClipboardReading reading;
    reading.sequence = 7;
    turn.Deliver(std::move(reading));
  });
  gate.EndWrite(std::nullopt);
  std::this_thread::sleep_for(30ms);
  EXPECT_FALSE(read) << "a read began inside a write";
  gate.EndWrite(5);
  reader.join();
  EXPECT_TRUE(read);
  EXPECT_TRUE(gate.IsOwn(5));
  EXPECT_FALSE(gate.Writing());

  // A read that lasts: the write gives up waiting after its patience.
  std::promise<void> holding, release;
  std::thread slow([&] {
    ClipboardGate::ReadTurn turn(gate);
    holding.set_value();
    release.get_future().wait();
  });
  holding.get_future().wait();
  EXPECT_FALSE(gate.BeginWrite(20ms));
  gate.EndWrite(std::nullopt);
  EXPECT_TRUE(gate.IsOwn(5)) << "a write that changed nothing claims no change";
  release.set_value();
  slow.join();
  EXPECT_TRUE(gate.BeginWrite(20ms));
  gate.EndWrite(6);
  EXPECT_FALSE(gate.IsOwn(5));

  auto taken = gate.TakeReadings();
  ASSERT_EQ(taken.size(), 1u);
  EXPECT_EQ(taken[0].sequence, 7u);
  EXPECT_FALSE(gate.HasReadings());
}

}  // namespace
}  // namespace qv
