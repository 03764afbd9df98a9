# Music for the data builder: the SMF writer, the notation and the "music"
# generator. Included from tools/databuild/CMakeLists.txt.

# The writer and notation alone, so tests can use them without the registry.
add_library(cellwright_databuild_music_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/smf_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/music_notation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/music_render.cpp
  ${CMAKE_CURRENT_LIST_DIR}/music_generate.cpp)
target_include_directories(cellwright_databuild_music_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(cellwright_databuild_music_core PRIVATE cellwright_warnings)

# An object library, so the registrar in gen_music.cpp is always linked in.
add_library(cellwright_databuild_music OBJECT ${CMAKE_CURRENT_LIST_DIR}/gen_music.cpp)
target_link_libraries(cellwright_databuild_music
  PUBLIC cellwright_databuild_music_core
  PRIVATE cellwright_warnings)
