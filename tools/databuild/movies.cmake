# The production movies of the MOVIE folder: frames drawn with cairo, a cue from
# the sound synthesiser, both encoded by ffmpeg. See docs/movies.md.

# Drawing and encoding alone, so tests can use them without the registry.
add_library(cellwright_databuild_movie_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/movie_draw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/movie_encode.cpp)
target_include_directories(cellwright_databuild_movie_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(cellwright_databuild_movie_core
  PUBLIC cellwright_databuild_synth
  PRIVATE PkgConfig::CAIRO cellwright_warnings)

# An object library, so the registrar in gen_movies.cpp is always linked in.
add_library(cellwright_databuild_movies OBJECT ${CMAKE_CURRENT_LIST_DIR}/gen_movies.cpp)
target_link_libraries(cellwright_databuild_movies
  PUBLIC cellwright_databuild_movie_core
  PRIVATE cellwright_warnings)
