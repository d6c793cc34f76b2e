# The program looks for its manual beside the executable first (a build
# tree), so the pages are copied there, again whenever a page changes.

set(TALLIMO_RESOURCES ${CMAKE_CURRENT_SOURCE_DIR}/resources)

file(GLOB_RECURSE TALLIMO_MANUAL_FILES CONFIGURE_DEPENDS RELATIVE ${TALLIMO_RESOURCES}/manual
     ${TALLIMO_RESOURCES}/manual/*)
foreach(file IN LISTS TALLIMO_MANUAL_FILES)
  configure_file(${TALLIMO_RESOURCES}/manual/${file} ${CMAKE_BINARY_DIR}/app/manual/${file} COPYONLY)
endforeach()
