# Installing and packaging both programs. On Linux `cmake --install` places
# the programs, a desktop entry and an icon each, and CPack makes a .deb; the
# Windows build's packages are a .zip of the two programs with a read-me, and
# an installer made with NSIS (target "installer").

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
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/windows/README.txt DESTINATION .)
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

# The installer: the stripped programs and the read-me, put together by
# makensis (Debian's nsis).
if(WIN32)
  find_program(TOOLS_MAKENSIS makensis)
  set(TOOLS_INSTALLER_FILE
      ${PROJECT_BINARY_DIR}/${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-windows-x86_64-setup.exe)
  set(TOOLS_INSTALLER_STAGE ${PROJECT_BINARY_DIR}/installer-files)
  set(TOOLS_SOURCE_DIR ${PROJECT_SOURCE_DIR})
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/installer.nsi.in
                 ${PROJECT_BINARY_DIR}/installer.nsi @ONLY)
  if(TOOLS_MAKENSIS)
    add_custom_command(OUTPUT ${TOOLS_INSTALLER_FILE}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${TOOLS_INSTALLER_STAGE}
      COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:cleanslate> $<TARGET_FILE:tag>
              ${PROJECT_SOURCE_DIR}/packaging/windows/README.txt ${TOOLS_INSTALLER_STAGE}
      COMMAND ${CMAKE_STRIP} ${TOOLS_INSTALLER_STAGE}/cleanslate.exe ${TOOLS_INSTALLER_STAGE}/tag.exe
      COMMAND ${TOOLS_MAKENSIS} -V2 ${PROJECT_BINARY_DIR}/installer.nsi
      DEPENDS cleanslate tag ${PROJECT_BINARY_DIR}/installer.nsi
              ${PROJECT_SOURCE_DIR}/packaging/windows/README.txt
      COMMENT "Making the installer with NSIS")
    add_custom_target(installer DEPENDS ${TOOLS_INSTALLER_FILE})
  endif()
endif()
