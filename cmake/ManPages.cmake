# Man pages of the installed programs, made at build time by help2man from each program's
# own --help and the sections in packaging/man/<program>.h2m. Skipped without help2man and
# in builds whose programs cannot or need not run here (cross and sanitizer builds).
option(KORVANE_MAN_PAGES "Generate the man pages with help2man" ON)
if(NOT KORVANE_MAN_PAGES OR CMAKE_CROSSCOMPILING OR KORVANE_SANITIZE)
    return()
endif()
find_program(KORVANE_HELP2MAN help2man)
if(NOT KORVANE_HELP2MAN)
    message(STATUS "help2man not found: no man pages")
    return()
endif()

set(man_pages "")
foreach(program IN LISTS korvane_programs)
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
    set(sections ${PROJECT_SOURCE_DIR}/packaging/man/${program}.h2m)
    add_custom_command(OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND}
            -DPROGRAM=$<TARGET_FILE:${program}> -DNAME=${program}
            -DSECTIONS=${sections} -DVERSION=${PROJECT_VERSION}
            -DHELP2MAN=${KORVANE_HELP2MAN} -DGZIP=${KORVANE_GZIP} -DOUTPUT=${page}
            -P ${CMAKE_CURRENT_LIST_DIR}/WriteManPage.cmake
        DEPENDS ${program} ${sections} ${CMAKE_CURRENT_LIST_DIR}/WriteManPage.cmake
        COMMENT "Man page of ${program}"
        VERBATIM)
    list(APPEND man_pages ${page})
endforeach()
add_custom_target(korvane_man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
