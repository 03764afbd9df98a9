# Every target of ours builds with warnings as errors.
add_library(cellwright_warnings INTERFACE)
target_compile_options(cellwright_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wimplicit-fallthrough
  -Werror)
