# Shared build settings: warnings, sanitizers and small helpers used by every folder.
# SPDX-FileCopyrightText: 2026 The Six Dice authors
# SPDX-License-Identifier: GPL-3.0-or-later

if(SIXDICE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)

    # The leak checker's suppressions (cmake/lsan-suppressions.txt, which says why each is there)
    # are compiled into every executable as __lsan_default_suppressions, so a sanitized program
    # run by hand or by a test checks leaks the same way.
    set(lsan_list "${CMAKE_CURRENT_LIST_DIR}/lsan-suppressions.txt")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${lsan_list}")
    file(STRINGS "${lsan_list}" lsan_lines REGEX "^leak:")
    list(JOIN lsan_lines "\\n" lsan_text)
    file(CONFIGURE OUTPUT "${CMAKE_BINARY_DIR}/lsan_suppressions.c" CONTENT
         "// Generated from cmake/lsan-suppressions.txt.\nconst char* __lsan_default_suppressions(void);\nconst char* __lsan_default_suppressions(void) { return \"@lsan_text@\\n\"; }\n"
         @ONLY)
    add_library(sixdice_lsan_suppressions OBJECT "${CMAKE_BINARY_DIR}/lsan_suppressions.c")
    link_libraries(sixdice_lsan_suppressions)
endif()

# The browser build's compiler launcher (from its toolchain file) sets emcc's environment. When
# ccache is asked for (./run-tests does), emcc runs its clang through it: ccache does not know emcc
# itself, and the launcher's place is taken.
if(EMSCRIPTEN AND "$ENV{CMAKE_CXX_COMPILER_LAUNCHER}" MATCHES "(^|/)ccache$")
    foreach(language IN ITEMS C CXX)
        list(APPEND CMAKE_${language}_COMPILER_LAUNCHER
             "EM_COMPILER_WRAPPER=$ENV{CMAKE_CXX_COMPILER_LAUNCHER}")
    endforeach()
endif()

# Emscripten leaves C++ exceptions uncatchable unless asked. The list-file reader reports damaged
# files by throwing inside its parser, so it catches them as on the desktop (media/listfile).
# Nothing else catches: the game's own code is compiled without, since calls wrapped for
# exceptions would stand between the game's sleeps and ASYNCIFY's unwinding of them. The test
# programs (without the game) catch everywhere, as GoogleTest expects.
if(EMSCRIPTEN)
    add_link_options(-fexceptions)
    if(NOT SIXDICE_WITH_SDL)
        add_compile_options(-fexceptions)
    endif()
endif()

# Warnings for the project's own targets (not for third-party code).
function(sixdice_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

# A library of one folder: sixdice_library(NAME SOURCES ... [DEPS ...] [PUBLIC_INCLUDE dir])
function(sixdice_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC "${CMAKE_SOURCE_DIR}")
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    sixdice_warnings(${name})
endfunction()

# A test program of the browser build runs under node, on the machine's own files (the tests make
# and read real files); elsewhere this does nothing.
function(sixdice_node_program target)
    if(EMSCRIPTEN)
        target_link_options(${target} PRIVATE -sNODERAWFS=1 -sENVIRONMENT=node
                            -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1 -sTOTAL_STACK=4194304)
    endif()
endfunction()

# A GoogleTest executable registered with CTest: sixdice_test(NAME SOURCES ... DEPS ...)
function(sixdice_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
    sixdice_warnings(${name})
    sixdice_node_program(${name})
    if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
        sixdice_wine_test(${name})
    else()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
    endif()
endfunction()

# A Windows test executable runs under Wine as one CTest test (listing its cases would start Wine
# once more for every executable at build time), in a Wine prefix of the build's own under the
# build folder, made afresh by the first test that needs it: never the user's ~/.wine.
function(sixdice_wine_test name)
    if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
        message(WARNING "No Wine: ${name} is built but not registered as a test")
        return()
    endif()
    set(prefix "${CMAKE_BINARY_DIR}/wineprefix-tests")
    set(environment WINEPREFIX=${prefix} WINEDLLOVERRIDES=mscoree,mshtml= WINEDEBUG=-all)
    get_property(prefix_made GLOBAL PROPERTY SIXDICE_WINE_PREFIX_TEST)
    if(NOT prefix_made)
        set_property(GLOBAL PROPERTY SIXDICE_WINE_PREFIX_TEST ON)
        get_filename_component(wine_dir "${CMAKE_CROSSCOMPILING_EMULATOR}" DIRECTORY)
        find_program(SIXDICE_WINESERVER NAMES wineserver64 wineserver
                     PATHS "${wine_dir}" /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
        add_test(NAME sixdice_wine_prefix
                 COMMAND sh -c "rm -rf \"$1\" && \"$2\" wineboot --init && \"$3\" -w" sh
                         "${prefix}" "${CMAKE_CROSSCOMPILING_EMULATOR}" "${SIXDICE_WINESERVER}")
        set_tests_properties(sixdice_wine_prefix PROPERTIES
            ENVIRONMENT "${environment}" FIXTURES_SETUP sixdice_wine TIMEOUT 180)
    endif()
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "${environment}" FIXTURES_REQUIRED sixdice_wine TIMEOUT 600)
endfunction()

# sixdice_build_path(TARGET NAME VALUE) defines build_paths::NAME (tests/support/BuildPaths.h) as
# VALUE for TARGET, in a source file of its own: the folders differ from clone to clone, and a
# compile definition would change every file's compile line with them, so a compiler cache would
# rebuild the whole program for a clone in another folder. VALUE may hold generator expressions.
function(sixdice_build_path target name value)
    string(REPLACE "\\" "\\\\" value "${value}")
    string(REPLACE "\"" "\\\"" value "${value}")
    set(file "${CMAKE_CURRENT_BINARY_DIR}/${target}_path_${name}.cpp")
    file(GENERATE OUTPUT "${file}" CONTENT
         "#include \"tests/support/BuildPaths.h\"\nconst char* const build_paths::${name} = \"${value}\";\n")
    target_sources(${target} PRIVATE "${file}")
    target_include_directories(${target} PRIVATE "${PROJECT_SOURCE_DIR}")
endfunction()

# Pins a test's fonts: copies the font files the game falls back to into the build folder and
# tells the test where they are (build_paths::fontDir), so widths and golden images do not depend
# on the fonts a machine has.
function(sixdice_pinned_fonts target)
    set(font_dir "${CMAKE_CURRENT_BINARY_DIR}/fonts")
    file(MAKE_DIRECTORY "${font_dir}")
    foreach(font lato/Lato-Black.ttf dejavu/DejaVuSans-Bold.ttf dejavu/DejaVuSans.ttf)
        if(EXISTS "/usr/share/fonts/truetype/${font}")
            file(COPY "/usr/share/fonts/truetype/${font}" DESTINATION "${font_dir}")
        endif()
    endforeach()
    sixdice_build_path(${target} fontDir "${font_dir}")
endfunction()
