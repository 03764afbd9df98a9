# The engine reaches the operating system only through platform/. A configure-time
# scan turns an include of SDL, FFmpeg, FluidSynth, FreeType or fontconfig anywhere
# else into a hard error, and a test repeats the scan on every run.
set(CELLWRIGHT_FORBIDDEN_INCLUDE_REGEX
    "#[ \t]*include[ \t]*[<\"](SDL|SDL2/|libav|libsw|fluidsynth|ft2build|freetype|fontconfig)")

function(cellwright_check_forbidden_includes)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
         "${CMAKE_SOURCE_DIR}/${dir}/*.cpp" "${CMAKE_SOURCE_DIR}/${dir}/*.h")
    foreach(src IN LISTS sources)
      file(STRINGS "${src}" hits REGEX "${CELLWRIGHT_FORBIDDEN_INCLUDE_REGEX}")
      if(hits)
        message(FATAL_ERROR "${src} includes an OS library directly; go through platform/: ${hits}")
      endif()
    endforeach()
  endforeach()
endfunction()
