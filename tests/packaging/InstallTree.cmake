# Installs the build tree under PREFIX and checks every file a desktop user and a packager
# expect, then that the installed command-line program runs.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
  bin/gb18306
  bin/gb18306-cli
  share/applications/gb18306.desktop
  share/metainfo/org.example.gb18306.metainfo.xml
  share/doc/gb18306/copyright
  share/doc/gb18306/changelog.gz)
foreach(size 16 24 32 48 64 72 80 96 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/gb18306.png)
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The metadata names the desktop entry that is installed beside it.
file(READ ${PREFIX}/share/metainfo/org.example.gb18306.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<launchable type=\"desktop-id\">gb18306.desktop</launchable>")
  message(FATAL_ERROR "the metadata does not launch gb18306.desktop")
endif()

execute_process(COMMAND ${PREFIX}/bin/gb18306-cli --version RESULT_VARIABLE status
                OUTPUT_VARIABLE version)
if(NOT status EQUAL 0 OR NOT version MATCHES "^gb18306-cli [0-9]+\\.[0-9]+\\.[0-9]+\n$")
  message(FATAL_ERROR "installed gb18306-cli --version: ${status} '${version}'")
endif()
file(REMOVE_RECURSE ${PREFIX})
