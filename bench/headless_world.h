// The benchmarks' common stage: the headless backend with its window and the
// display up, in a scratch folder that is removed afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <utility>

#include "core/shell_state.h"
#include "display/surface.h"
#include "platform/headless/headless_system.h"

namespace bench {

class HeadlessWorld {
 public:
  // An empty installFolder gives a fresh one inside the scratch folder.
  bool SetUp(const std::string& installFolder = {}) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "cellwright-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return false;
    root_ = pattern + "/";
    platform::headless::HeadlessOptions options;
    options.installFolder = installFolder;
    const std::pair<std::string*, const char*> folders[] = {{&options.installFolder, "install"},
                                                            {&options.saveFolder, "save"},
                                                            {&options.tempFolder, "tmp"},
                                                            {&options.instanceFolder, "instance"}};
    for (const auto& [folder, leaf] : folders) {
      if (!folder->empty()) continue;
      *folder = root_ + leaf + "/";
      std::filesystem::create_directories(*folder);
    }
    system_ = std::make_unique<platform::headless::HeadlessSystem>(options);
    platform::SetSystem(system_.get());
    core::InstallFolder = system_->CurrentFolder();
    return system_->CreateMainWindow("Cellwright") && display::InitDisplay();
  }

  void TearDown() {
    display::ShutdownDisplay();
    platform::SetSystem(nullptr);
    system_.reset();
    std::error_code ignored;
    if (!root_.empty()) std::filesystem::remove_all(root_, ignored);
    root_.clear();
  }

  const std::string& InstallFolder() const { return core::InstallFolder; }
  const std::string& Root() const { return root_; }
  platform::headless::HeadlessSystem& System() { return *system_; }

 private:
  std::string root_;
  std::unique_ptr<platform::headless::HeadlessSystem> system_;
};

}  // namespace bench
