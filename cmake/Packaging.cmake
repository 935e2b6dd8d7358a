# Installing and packaging both programs. On Linux `cmake --install` places
# the programs, a desktop entry and an icon each, and CPack makes a .deb; the
# Windows build's package is a .zip of the two terminal programs.

if(NOT WIN32)
  # The desktop entries start the programs in the store's data directory: they
  # work on the files of the directory they start in. A directory that does
  # not exist keeps them from starting at all, never from starting elsewhere.
  set(TOOLS_STORE_DATA_DIR "/srv/brillora" CACHE PATH
      "The store's data directory, where the desktop entries start the programs")
  foreach(program cleanslate tag)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/${program}.desktop.in
                   ${PROJECT_BINARY_DIR}/packaging/${program}.desktop @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/${program}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/${program}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  endforeach()
endif()

set(CPACK_PACKAGE_NAME "brillora-tools")
set(CPACK_PACKAGE_VENDOR "Brillora store tools")
set(CPACK_PACKAGE_CONTACT "Brillora store tools <tools@brillora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Cleanslate (data reset utility) and Tag (tag layout editor) for Brillora stores")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR "ZIP")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-windows-x86_64")
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  set(CPACK_GENERATOR "DEB")
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
  # The libraries both programs link (Qt 6 with its X11 display plugin, the
  # C++ runtime), as dpkg-shlibdeps finds them.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
endif()

include(CPack)
