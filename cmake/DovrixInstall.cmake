# Install layout (cmake --install, and the Debian package built from it):
#   bin/dovrix                              the program
#   lib/dovrix/                             its companion files: dovrix-probe, dovrix-synctex, our
#                                           shared libraries, libonnxruntime.so.1 and models/
#                                           (core/ProgramFiles.h)
#   share/applications/dovrix.desktop, share/metainfo/app.dovrix.Dovrix.metainfo.xml,
#   share/icons/hicolor/*/apps/dovrix.*, share/man/man1/dovrix.1.gz
# In the build folder everything stays side by side, as before.
set(DOVRIX_COMPANION_DIR lib/dovrix)

# Installs an executable: into bin/ by default, into the companion folder with COMPANION. Either
# way it finds our shared libraries in the companion folder through its RPATH.
function(dovrix_install_program target)
    cmake_parse_arguments(ARG "COMPANION" "" "" ${ARGN})
    if(ARG_COMPANION)
        set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
        install(TARGETS ${target} RUNTIME DESTINATION ${DOVRIX_COMPANION_DIR})
    else()
        set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/../${DOVRIX_COMPANION_DIR}")
        install(TARGETS ${target} RUNTIME DESTINATION bin)
    endif()
endfunction()

# Installs one shared library of ours into the companion folder (no development symlink).
function(dovrix_install_shared_library target)
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
    install(TARGETS ${target} LIBRARY DESTINATION ${DOVRIX_COMPANION_DIR} NAMELINK_SKIP)
endfunction()

# Calls dovrix_install_shared_library for every shared library defined in dir and its
# subdirectories, except those of the test and benchmark folders. Called once, at the end of the
# top-level list file, so a new shared library needs no install rule of its own.
function(dovrix_install_shared_libraries dir)
    if(dir MATCHES "^${CMAKE_SOURCE_DIR}/(tests|bench)(/|$)")
        return()
    endif()
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        get_target_property(installed ${target} DOVRIX_INSTALLED)
        if(type STREQUAL "SHARED_LIBRARY" AND NOT installed)
            dovrix_install_shared_library(${target})
            set_target_properties(${target} PROPERTIES DOVRIX_INSTALLED ON)
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir ${subdirs})
        dovrix_install_shared_libraries(${subdir})
    endforeach()
endfunction()

# Everything the program needs beyond its shared libraries.
function(dovrix_install_layout)
    dovrix_install_program(dovrix)
    if(TARGET dovrix-probe)
        dovrix_install_program(dovrix-probe COMPANION)
    endif()
    dovrix_install_program(dovrix-synctex COMPANION)
    dovrix_install_shared_libraries(${CMAKE_SOURCE_DIR})

    # The OCR files that scripts/fetch-ocr.sh put into the build folder; without them the program
    # installs and runs, only OCR reports that it is unavailable.
    install(FILES ${CMAKE_BINARY_DIR}/libonnxruntime.so.1 DESTINATION ${DOVRIX_COMPANION_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ OPTIONAL)
    install(DIRECTORY ${CMAKE_BINARY_DIR}/models DESTINATION ${DOVRIX_COMPANION_DIR} OPTIONAL
        FILES_MATCHING PATTERN "*.onnx")

    set(desktop ${CMAKE_SOURCE_DIR}/resources/desktop)
    install(FILES ${desktop}/dovrix.desktop DESTINATION share/applications)
    install(FILES ${desktop}/app.dovrix.Dovrix.metainfo.xml DESTINATION share/metainfo)
    foreach(size 16 32 48 256)
        install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/Dovrix-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME dovrix.png)
    endforeach()
    install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/Dovrix.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME dovrix.svg)

    # Debian keeps manual pages compressed, without a time stamp in the gzip header.
    set(manual ${CMAKE_BINARY_DIR}/dovrix.1.gz)
    add_custom_command(OUTPUT ${manual}
        COMMAND gzip -9 -n -c ${desktop}/dovrix.1 > ${manual}
        DEPENDS ${desktop}/dovrix.1 VERBATIM)
    add_custom_target(dovrix_manual ALL DEPENDS ${manual})
    install(FILES ${manual} DESTINATION share/man/man1)
    # The licence of the program as a whole (it links MuPDF, which is AGPL-3.0-or-later).
    install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION share/doc/dovrix RENAME copyright)
endfunction()
