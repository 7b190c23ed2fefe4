# The Windows build of the window: a GUI program (no console window of its own) carrying its
# icon, version information and manifest as resources.
if(NOT TARGET korvane)
    return()
endif()
enable_language(RC)
set_target_properties(korvane PROPERTIES WIN32_EXECUTABLE ON)
# The 256-pixel PNG icon at 256, 64, 48, 32 and 16 pixels (ImageMagick: convert
# packaging/icons/256x256/org.korvane.Korvane.png -define icon:auto-resize=256,64,48,32,16).
set(korvane_icon ${PROJECT_SOURCE_DIR}/packaging/windows/korvane.ico)
set(korvane_manifest ${CMAKE_BINARY_DIR}/packaging/korvane.manifest)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/korvane.manifest.in ${korvane_manifest}
    @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/korvane.rc.in
    ${CMAKE_BINARY_DIR}/packaging/korvane.rc @ONLY)
target_sources(korvane PRIVATE ${CMAKE_BINARY_DIR}/packaging/korvane.rc)
set_property(SOURCE ${CMAKE_BINARY_DIR}/packaging/korvane.rc APPEND PROPERTY
    OBJECT_DEPENDS ${korvane_icon} ${korvane_manifest})
