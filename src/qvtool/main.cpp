// qvtool on a system without a clipboard of its own: the in-memory platform
// stands in, and registered formats are named by their content.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/sim/sim_metafile.h"
#include "platform/sim/sim_system.h"
#include "qvtool/cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  qv::SimMetafileRenderer renderer;
  qv::SimSystem system;
  qv::tool::ToolPlatform platform{renderer, system};
  const qv::tool::CommandResult result = qv::tool::RunTool(args, platform);
  std::fwrite(result.out.data(), 1, result.out.size(), stdout);
  std::fwrite(result.err.data(), 1, result.err.size(), stderr);
  return result.exitCode;
}
