# Compile options shared by every target of the project.
add_library(korvane_options INTERFACE)

if(MSVC)
    target_compile_options(korvane_options INTERFACE /W4)
    if(KORVANE_WERROR)
        target_compile_options(korvane_options INTERFACE /WX)
    endif()
else()
    target_compile_options(korvane_options INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
        -Wunused -Woverloaded-virtual -Wnull-dereference -Wformat=2)
    if(KORVANE_WERROR)
        target_compile_options(korvane_options INTERFACE -Werror)
    endif()
    # GCC 12 at -O3 (Release) sees overlapping copies inside std::string's operator+ that
    # cannot happen (GCC bug 105329); the Windows builds are Release builds.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(korvane_options INTERFACE $<$<CONFIG:Release>:-Wno-restrict>)
    endif()
endif()

if(KORVANE_SANITIZE)
    target_compile_options(korvane_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(korvane_options INTERFACE -fsanitize=address,undefined)
endif()

# The fuzz targets' code under test carries the fuzzer's coverage hooks and both sanitizers.
if(KORVANE_FUZZ)
    target_compile_options(korvane_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    target_link_options(korvane_options INTERFACE -fsanitize=address,undefined)
endif()
