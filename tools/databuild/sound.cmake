# Sound effects and jingles of the sound archive.
# The synthesiser and encoder are a static library the tests can link on their
# own; the registrar lives in an object library so the builder always links it.
add_library(cellwright_databuild_synth STATIC
  ${CMAKE_CURRENT_LIST_DIR}/synth_core.cpp
  ${CMAKE_CURRENT_LIST_DIR}/synth_recipes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/synth_wma.cpp
  ${CMAKE_CURRENT_LIST_DIR}/synth_effect.cpp)
target_include_directories(cellwright_databuild_synth PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(cellwright_databuild_synth PRIVATE cellwright_warnings)

add_library(cellwright_databuild_sound OBJECT ${CMAKE_CURRENT_LIST_DIR}/gen_effects.cpp)
target_link_libraries(cellwright_databuild_sound PUBLIC cellwright_databuild_synth
                      PRIVATE cellwright_warnings)
