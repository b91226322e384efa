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
install(FILES ${KORVANE_RESOURCES}/korvane-matrix.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
