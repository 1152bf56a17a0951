# `cmake --install`: the two programs, the application icon in every size and the desktop entry,
# laid out as the freedesktop.org specifications expect under the prefix.
include(GNUInstallDirs)

foreach(program gb18306 gb18306-cli)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

foreach(size 16 24 32 48 64 72 80 96 128 256)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${size}x${size}/gb18306.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

install(FILES ${CMAKE_CURRENT_LIST_DIR}/gb18306.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.example.gb18306.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian keeps a package's licence and history beside its documentation; the history compressed,
# reproducibly (no name, no time stamp), as Debian's policy asks.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/gb18306)
set(GB_CHANGELOG_GZ ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${GB_CHANGELOG_GZ}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
  COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/changelog > ${GB_CHANGELOG_GZ}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
  VERBATIM)
add_custom_target(gb18306-changelog ALL DEPENDS ${GB_CHANGELOG_GZ})
install(FILES ${GB_CHANGELOG_GZ} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/gb18306)

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
