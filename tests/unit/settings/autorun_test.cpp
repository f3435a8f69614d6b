#include "settings/autorun.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/sim/sim_autostart.h"

namespace qv {
namespace {

using Values = std::map<std::string, std::string>;
constexpr char kPath[] = "C:\\Program Files\\Quorvane\\quorvane.exe";

// Each case: the lists as the system has them, then on and off again.
TEST(Autorun, ThePerMachineListWhenWritableElseThePerUserOne) {
  const Values stale{{"Quorvane", "D:\\old\\quorvane.exe"}};
  const struct {
    const char* name;
    SimAutostartList::Key machine, user;
    bool canWrite;
    Values machineOn, userOn;
  } cases[] = {
      {"machine writable", {}, {}, true, {{"Quorvane", kPath}}, {}},
      {"machine refused", {true, true, {}}, {}, true, {}, {{"Quorvane", kPath}}},
      // A missing per-machine key is not created; a per-user one is.
      {"machine key missing",
       {false, false, {}},
       {false, false, {}},
       true,
       {},
       {{"Quorvane", kPath}}},
      {"both refused", {true, true, {}}, {true, true, {}}, false, {}, {}},
      // An entry in the other list would start the program twice.
      {"stale per-user entry", {}, {true, false, stale}, true, {{"Quorvane", kPath}}, {}},
      {"moved program", {true, false, stale}, {}, true, {{"Quorvane", kPath}}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SimAutostartList lists;
    lists.machine = c.machine;
    lists.user = c.user;
    Autorun autorun(lists, kPath);
    EXPECT_EQ(autorun.CanWriteAutorun(), c.canWrite);
    EXPECT_EQ(lists.machine.values, c.machine.values) << "the probe leaves nothing behind";
    EXPECT_EQ(lists.user.values, c.user.values) << "the probe leaves nothing behind";
    autorun.SetAutorun(true);
    if (c.canWrite) {
      EXPECT_EQ(lists.machine.values, c.machineOn);
      EXPECT_EQ(lists.user.values, c.userOn);
      autorun.SetAutorun(false);
      EXPECT_TRUE(lists.machine.values.empty());
      EXPECT_TRUE(lists.user.values.empty());
    } else {
      EXPECT_EQ(lists.machine.values, c.machine.values);
      EXPECT_EQ(lists.user.values, c.user.values);
    }
  }
}

}  // namespace
}  // namespace qv
