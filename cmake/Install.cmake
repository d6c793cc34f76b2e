# What `cmake --install` puts where, and the Debian package `cpack` makes of
# it. The program looks for its manual beside the executable first (a build
# tree) and then in ../share/tallimo/manual (an installed tree), so the two
# destinations below go together with app/HelpManual.cpp.

set(TALLIMO_ID example.brenwick.tallimo)
set(TALLIMO_RESOURCES ${CMAKE_CURRENT_SOURCE_DIR}/resources)

# The manual beside the built executable, copied again whenever a page changes.
file(GLOB_RECURSE TALLIMO_MANUAL_FILES CONFIGURE_DEPENDS RELATIVE ${TALLIMO_RESOURCES}/manual
     ${TALLIMO_RESOURCES}/manual/*)
foreach(file IN LISTS TALLIMO_MANUAL_FILES)
  configure_file(${TALLIMO_RESOURCES}/manual/${file} ${CMAKE_BINARY_DIR}/app/manual/${file} COPYONLY)
endforeach()

install(TARGETS tallimo RUNTIME DESTINATION bin)
install(DIRECTORY ${TALLIMO_RESOURCES}/manual/ DESTINATION share/tallimo/manual)
install(FILES ${TALLIMO_RESOURCES}/${TALLIMO_ID}.desktop DESTINATION share/applications)
install(FILES ${TALLIMO_RESOURCES}/${TALLIMO_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${TALLIMO_RESOURCES}/icons/${TALLIMO_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
install(DIRECTORY ${TALLIMO_RESOURCES}/icons/hicolor/ DESTINATION share/icons/hicolor)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE DESTINATION share/doc/tallimo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallimo)
set(CPACK_PACKAGE_VENDOR Brenwick)
set(CPACK_PACKAGE_CONTACT "Brenwick <tallimo@brenwick.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Keep your lottery tickets and check them against every draw")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Tallimo is for players of a 6-from-49 lottery with a bonus ball. It keeps\n"
       "the tickets you bought and the history of the draw results, checks every\n"
       "board against any draw, reminds you of expired tickets when you log in,\n"
       "and prints ticket checklists and result sheets.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.brenwick.example/tallimo/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins (the X11 and
# Wayland ones) are only recommended by Qt, yet no window opens without them,
# and the reports' fonts are looked up by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
include(CPack)
