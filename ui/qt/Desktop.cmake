# The pictures the program shows and how it is installed. Included at the end of this folder's
# CMakeLists.txt, so gb_ui and gb18306 exist.

# Draws ui/qt/resources/logo.png and packaging/icons/*/gb18306.png. Not part of the ordinary build:
# the pictures are committed. `cmake --build <dir> --target gb18306-artwork-update` redraws them
# into the source tree.
add_executable(gb18306-artwork EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tools/logo/ArtworkGenerator.cpp)
target_link_libraries(gb18306-artwork PRIVATE Qt6::Gui)
gb_warnings(gb18306-artwork)
add_custom_target(gb18306-artwork-update
  COMMAND gb18306-artwork logo ${CMAKE_CURRENT_LIST_DIR}/resources/logo.png
  COMMAND gb18306-artwork icons ${PROJECT_SOURCE_DIR}/packaging/icons
  COMMENT "Redrawing the logo and the application icons"
  VERBATIM)

include(${PROJECT_SOURCE_DIR}/packaging/Install.cmake)
