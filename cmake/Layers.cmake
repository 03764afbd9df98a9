# The engine's folders form one line of layers, lowest first. A folder may
# include its own headers and those of the folders before it, never one after
# it; only platform/ may include the OS libraries the backends wrap. Tools,
# tests, benchmarks and fuzzers sit outside the line and may include anything.
set(CELLWRIGHT_LAYERS platform kiln core scenario media display game story shell)

# The check runs as part of every build (target layer_check), so a new include
# that breaks the line fails the build where it was written.
function(cellwright_add_layer_check)
  set(sources "")
  foreach(layer IN LISTS CELLWRIGHT_LAYERS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         "${CMAKE_SOURCE_DIR}/${layer}/*.cpp" "${CMAKE_SOURCE_DIR}/${layer}/*.h")
    list(APPEND sources ${found})
  endforeach()
  set(stamp ${CMAKE_BINARY_DIR}/layer_check.stamp)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR} "-DLAYERS=${CELLWRIGHT_LAYERS}"
            -P ${CMAKE_SOURCE_DIR}/cmake/CheckLayers.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${sources} ${CMAKE_SOURCE_DIR}/cmake/CheckLayers.cmake
    COMMENT "Checking that every folder includes only the layers below it"
    VERBATIM)
  add_custom_target(layer_check ALL DEPENDS ${stamp})
endfunction()
