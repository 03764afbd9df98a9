# Character voices of the sound archive ("ko0235.wma"): babble syllables in
# each speaker's voice. The voice synthesis is a static library the tests can
# link on their own; the registrar lives in an object library so the builder
# always links it.
add_library(cellwright_databuild_voice_synth STATIC ${CMAKE_CURRENT_LIST_DIR}/synth_voice.cpp)
target_include_directories(cellwright_databuild_voice_synth PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(cellwright_databuild_voice_synth PUBLIC cellwright_databuild_synth
                      PRIVATE cellwright_warnings)

add_library(cellwright_databuild_voices OBJECT ${CMAKE_CURRENT_LIST_DIR}/gen_voices.cpp)
target_link_libraries(cellwright_databuild_voices PUBLIC cellwright_databuild_voice_synth
                      PRIVATE cellwright_warnings)
