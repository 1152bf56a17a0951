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
