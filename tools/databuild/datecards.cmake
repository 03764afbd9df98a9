# The date pictures: a save-screen row label and a story date badge for every
# day of the summer, drawn by a generator from the date code.
add_library(cellwright_databuild_datecards OBJECT ${CMAKE_CURRENT_LIST_DIR}/gen_datecards.cpp)
target_link_libraries(cellwright_databuild_datecards PUBLIC cellwright_databuild
                      PRIVATE cellwright_warnings)
