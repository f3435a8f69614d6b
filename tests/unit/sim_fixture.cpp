#include "sim_fixture.h"

#include <gtest/gtest.h>

#include <utility>

#include "util/file_io.h"

namespace qv::test {

void SimFixture::Start() {
  clipboard.onChange = nullptr;
  reader.reset();
  core = std::make_unique<AppCore>(Platform{clipboard, renderer, system, sound},
                                   MakeAppFolders(root.path()));
  EnsureAppFolders(core->folders);
  core->ApplyOptionsToContext();
  clipboard.onChange = [this] { core->monitor.InformClipboardChange(); };
}

void SimFixture::WatchOnThread() {
  reader = std::make_unique<ClipboardReader>(clipboard, system, core->capture.Gate());
  clipboard.onChange = [this] {
    if (core->capture.Gate().Writing())
      noticeWaiting = true;
    else
      reader->OnNotice();
  };
}

void SimFixture::Deliver() {
  if (!reader) return;
  if (std::exchange(noticeWaiting, false)) reader->OnNotice();
  core->monitor.ApplyQueuedReadings();
}

void SimFixture::StartAndLoad(const Options& options) {
  const bool threaded = reader != nullptr;
  Start();
  core->options = options;
  core->ApplyOptionsToContext();
  core->capture.IgnoreClipboardChange = true;
  core->LoadWorkSlots();
  if (threaded) WatchOnThread();
  core->capture.IgnoreClipboardChange = false;
}

std::vector<std::string> SimFixture::Texts() const {
  std::vector<std::string> out;
  for (const TClipRec& rec : core->list.Slots)
    out.push_back(rec.Kind == kKindEmpty ? "-" : ReadFormatText(rec.GetSnapshotData(), CF_TEXT));
  return out;
}

std::string SimFixture::ClipboardText() const {
  auto data = clipboard.Data(CF_TEXT);
  return data ? std::string(reinterpret_cast<const char*>(data->data())) : "-";
}

std::filesystem::path SimFixture::Write(const std::string& name, ByteView bytes) {
  auto path = root / name;
  EXPECT_TRUE(WriteWholeFile(path, bytes));
  return path;
}

tool::CommandResult SimFixture::Run(const std::vector<std::string>& args) {
  tool::ToolPlatform platform{renderer, system};
  return tool::RunTool(args, platform);
}

tool::CommandResult SimFixture::Run(const std::string& command, const std::filesystem::path& path,
                                    bool json) {
  if (json) return Run({command, "--json", tool::PathText(path)});
  return Run({command, tool::PathText(path)});
}

}  // namespace qv::test
