# tools_windows_program(<target> <title> <description>): makes <target> a
# windowed Windows program (no console of its own; it opens or attaches one
# when its command line asks for the terminal) and gives the .exe its icon,
# its version information and its manifest: common controls 6, per-monitor
# DPI awareness, no elevation.
function(tools_windows_program target title description)
  set(TOOLS_PROGRAM_NAME ${target})
  set(TOOLS_PROGRAM_TITLE ${title})
  set(TOOLS_PROGRAM_DESCRIPTION ${description})
  set(TOOLS_PROGRAM_ICON ${PROJECT_SOURCE_DIR}/packaging/windows/${target}.ico)
  set(TOOLS_PROGRAM_MANIFEST ${PROJECT_SOURCE_DIR}/packaging/windows/program.manifest)
  string(REPLACE "." "," TOOLS_VERSION_COMMAS "${PROJECT_VERSION}.0")
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc APPEND PROPERTY OBJECT_DEPENDS
               ${TOOLS_PROGRAM_ICON} ${TOOLS_PROGRAM_MANIFEST})
  target_link_options(${target} PRIVATE -mwindows)
endfunction()
