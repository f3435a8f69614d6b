#pragma once
// What the tool takes from the system it runs on: the same services the
// program gives the core, plus, on Windows, the system's registered format names.
namespace qv {
class Clipboard;
class MetafileRenderer;
class SystemServices;
}  // namespace qv

namespace qv::tool {

struct ToolPlatform {
  MetafileRenderer& renderer;
  SystemServices& system;
  Clipboard* systemNames = nullptr;  // null where no system names formats
};

}  // namespace qv::tool
