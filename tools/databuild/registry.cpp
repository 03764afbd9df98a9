#include <map>

#include "tools/databuild/asset.h"

namespace databuild {

namespace {

struct Registered {
  Generator generator;
  std::string version;
};

// A function-local map: registrars in other translation units run during
// static initialisation, in no particular order.
std::map<std::string, Registered>& Registry() {
  static std::map<std::string, Registered> registry;
  return registry;
}

}  // namespace

void RegisterGenerator(const std::string& family, Generator generator, const std::string& version) {
  Registry()[family] = Registered{std::move(generator), version};
}

const Generator* FindGenerator(const std::string& family) {
  const auto it = Registry().find(family);
  return it == Registry().end() ? nullptr : &it->second.generator;
}

std::string GeneratorVersion(const std::string& family) {
  const auto it = Registry().find(family);
  return it == Registry().end() ? std::string() : it->second.version;
}

}  // namespace databuild
