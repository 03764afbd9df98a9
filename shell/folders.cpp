#include "shell/folders.h"

#include "platform/system.h"
#include "shell/shell_state.h"

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
  WindowsFolder = sys.PrivateTempFolder();
  InstallFolder = sys.CurrentFolder();
  const std::vector<std::string> discs = sys.DiscMountPoints();
  // Only ask for the private folder (which creates it) when it is needed.
  const bool onDiscOrReadOnly =
      SaveFolderFor(InstallFolder, discs, sys.IsWritableFolder(InstallFolder), "") != InstallFolder;
  SaveFolder = onDiscOrReadOnly ? sys.PrivateDataFolder() : InstallFolder;
  MediaFolder = discs.empty() ? std::string() : discs.front();
}

}  // namespace shell
