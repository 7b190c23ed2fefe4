# Installing Korvane as a desktop program (cmake --install, GNUInstallDirs): the programs,
# the desktop entry with its icons, the AppStream metadata, man pages, the README and the
# example definition files. Nothing of the build folder is compiled in: the window finds
# its installed data relative to its own folder or in $XDG_DATA_DIRS.

include(GNUInstallDirs)
# The documentation folder is named after the package, not after the CMake project.
set(korvane_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/korvane)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# One application ID names the desktop file, the icons and the metadata.
set(KORVANE_APP_ID org.korvane.Korvane)
set(korvane_packaging ${PROJECT_SOURCE_DIR}/packaging)

if(WIN32)
    # The Windows bundle keeps its examples folder beside the programs.
    set(korvane_data_from_program .)
else()
    file(RELATIVE_PATH korvane_data_from_program
        ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/korvane)
endif()

set(korvane_programs "")
foreach(program korvane korvane-cli korvane-ecu-sim)
    if(TARGET ${program})
        list(APPEND korvane_programs ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

install(FILES README.md ${korvane_packaging}/copyright DESTINATION ${korvane_docdir})
install(DIRECTORY examples/ DESTINATION ${korvane_docdir}/examples)

if(TARGET korvane)
    target_compile_definitions(korvane PRIVATE
        KORVANE_APP_ID="${KORVANE_APP_ID}"
        KORVANE_RELEASE="${PROJECT_VERSION}"
        KORVANE_DATA_FROM_PROGRAM="${korvane_data_from_program}")

    # What --user-folder copies into a new user folder.
    install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/korvane/examples)
    install(FILES ${korvane_packaging}/${KORVANE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${korvane_packaging}/${KORVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    # The PNGs were rendered from the SVG (rsvg-convert -w 48 and -w 256).
    foreach(size scalable 48x48 256x256)
        file(GLOB icon ${korvane_packaging}/icons/${size}/${KORVANE_APP_ID}.*)
        install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
    endforeach()
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/ManPages.cmake)
