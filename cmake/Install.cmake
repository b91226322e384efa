# `cmake --install`: the two programs, and what a Linux desktop needs to offer
# Korvane in its menus: the desktop entry, the icon and the AppStream metadata;
# and the type of matrix files, so that a file manager opens them with it.
include(GNUInstallDirs)

foreach(program korvane korvane-cli)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

set(KORVANE_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
install(FILES ${KORVANE_RESOURCES}/korvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KORVANE_RESOURCES}/korvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${KORVANE_RESOURCES}/korvane.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KORVANE_RESOURCES}/korvane.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# The manual pages and, where Debian looks for them, the copyright and the
# changelog; gzip -n keeps the compressed files free of time stamps.
function(korvane_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(gzipped ${CMAKE_BINARY_DIR}/gzipped/${name}.gz)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/gzipped)
  execute_process(COMMAND gzip -9nc ${source} OUTPUT_FILE ${gzipped} COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  install(FILES ${gzipped} DESTINATION ${destination})
endfunction()

foreach(page korvane korvane-cli)
  korvane_gzipped(${KORVANE_RESOURCES}/man/${page}.1 ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
set(KORVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/korvane)
install(FILES ${KORVANE_RESOURCES}/debian/copyright DESTINATION ${KORVANE_DOC_DIR})
korvane_gzipped(${KORVANE_RESOURCES}/debian/changelog ${KORVANE_DOC_DIR})
