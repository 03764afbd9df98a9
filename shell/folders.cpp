#include "shell/folders.h"

#include "core/shell_state.h"
#include "platform/system.h"

namespace shell {

std::string SaveFolderFor(const std::string& installFolder, const std::vector<std::string>& discs,
                          bool installWritable, const std::string& privateDataFolder) {
  for (const std::string& mount : discs) {
    if (installFolder.compare(0, mount.size(), mount) == 0) return privateDataFolder;
  }
  return installWritable ? installFolder : privateDataFolder;
}

void LocateFolders() {
  platform::System& sys = platform::Sys();
  core::WindowsFolder = sys.PrivateTempFolder();
  core::InstallFolder = sys.CurrentFolder();
  const std::vector<std::string> discs = sys.DiscMountPoints();
  // Only ask for the private folder (which creates it) when it is needed.
  const bool onDiscOrReadOnly =
      SaveFolderFor(core::InstallFolder, discs, sys.IsWritableFolder(core::InstallFolder), "") !=
      core::InstallFolder;
  core::SaveFolder = onDiscOrReadOnly ? sys.PrivateDataFolder() : core::InstallFolder;
  core::MediaFolder = discs.empty() ? std::string() : discs.front();
}

}  // namespace shell
