// Single-instance guard shared by both backends: an flock()ed lock file plus a
// local socket, both in a folder private to the user. The first copy holds the
// lock and listens; a second copy fails to lock, connects and asks for a raise.
#pragma once

#include <memory>
#include <string>

#include "platform/system.h"

namespace platform::posix {

// folder: where the lock and socket live (created 0700 when missing).
std::unique_ptr<InstanceLock> AcquireInstanceLock(const std::string& folder,
                                                  const std::string& name);

}  // namespace platform::posix
