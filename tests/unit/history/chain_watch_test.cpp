// The viewer chain watch: a sequence number that moves with no notice for a
// second means the chain is broken; a notice, or the number coming back,
// means it is not.
#include <gtest/gtest.h>

#include "history/chain_watch.h"

namespace qv {
namespace {

TEST(ChainWatch, ReportsAChangeNoNoticeFollowedOncePerGracePeriod) {
  struct Step {
    enum { kNotice, kCheck } what;
    uint32_t sequence;
    uint32_t now;
    bool broken;  // expected from a check
  };
  const std::vector<Step> steps = {
      {Step::kCheck, 5, 0, false},  // the first look only learns the number
      {Step::kCheck, 5, 5000, false},
      {Step::kCheck, 6, 6000, false},  // moved: the notice may still come
      {Step::kCheck, 6, 6999, false},
      {Step::kNotice, 6, 7000, false},  // it came
      {Step::kCheck, 6, 9000, false},
      {Step::kCheck, 7, 10000, false},  // moved again, and no notice this time
      {Step::kCheck, 7, 10999, false},
      {Step::kCheck, 7, 11000, true},
      {Step::kCheck, 7, 11250, false},  // reported once: the rejoin's notice settles it
      {Step::kCheck, 8, 11500, false},
      {Step::kCheck, 7, 11600, false},  // back to the seen number: nothing missed
      {Step::kCheck, 9, 20000, false},
      {Step::kCheck, 10, 20900, false},  // still moving: timed from the first move
      {Step::kCheck, 10, 21000, true},
      // The clock wraps round between two looks.
      {Step::kCheck, 11, 0xFFFFFF00u, false},
      {Step::kCheck, 11, 0x000002E7u, false},  // 999 ms later
      {Step::kCheck, 11, 0x000002E8u, true},
  };
  ChainWatch watch;
  for (size_t i = 0; i < steps.size(); ++i) {
    const Step& s = steps[i];
    if (s.what == Step::kNotice)
      watch.NoticeHandled(s.sequence);
    else
      EXPECT_EQ(watch.ChainBroken(s.sequence, s.now), s.broken) << "step " << i;
  }
}

}  // namespace
}  // namespace qv
