// Where the program finds its data and keeps its saves.
#pragma once

#include <string>
#include <vector>

namespace shell {

// Saves go beside the game, unless it runs from a disc or the folder is
// read-only: then into the user's private data folder.
std::string SaveFolderFor(const std::string& installFolder, const std::vector<std::string>& discs,
                          bool installWritable, const std::string& privateDataFolder);

// Fills InstallFolder, WindowsFolder, SaveFolder and MediaFolder from the backend.
void LocateFolders();

}  // namespace shell
