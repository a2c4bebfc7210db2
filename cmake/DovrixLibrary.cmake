# One static library per source folder. Sources are picked up by glob so that adding a file
# needs no edit here; CONFIGURE_DEPENDS re-runs the glob on every build.
function(dovrix_library name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    if(NOT sources)
        set(sources ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
    endif()
    qt_add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# Every tst_*.cpp in the calling folder becomes one Qt Test executable registered with CTest,
# linked with LIBS (the area's library; a test that needs more links it by name after the call)
# and, unless WITHOUT_SUPPORT (areas below the document core), the shared test support library.
function(dovrix_tests)
    cmake_parse_arguments(ARG "WITHOUT_SUPPORT" "" "LIBS;MUPDF_ONLY" ${ARGN})
    file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
    foreach(source ${tests})
        get_filename_component(name ${source} NAME_WE)
        qt_add_executable(${name} ${source})
        set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
        target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
        target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
        if(NOT ARG_WITHOUT_SUPPORT)
            target_link_libraries(${name} PRIVATE dovrix_testsupport)
        endif()
        add_dependencies(${name} dovrix_tests_ready)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;DOVRIX_BUILD_DIR=${CMAKE_BINARY_DIR}"
            TIMEOUT 600)
        # A suite that reads PDF files runs once more with the Qt PDF engine: one test body for
        # both engines (tests/support/TestPdf.h, useEngineUnderTest).
        file(READ ${source} body)
        # MUPDF_ONLY names suites of what only MuPDF reads (the document's own annotations, its
        # properties).
        if(NOT ARG_WITHOUT_SUPPORT AND NOT name IN_LIST ARG_MUPDF_ONLY
           AND body MATCHES "DocumentController|PdfDocument|Rig[ .;(]")
            add_test(NAME ${name}_qtpdf COMMAND ${name})
            set_tests_properties(${name}_qtpdf PROPERTIES
                ENVIRONMENT "QT_QPA_PLATFORM=offscreen;DOVRIX_BUILD_DIR=${CMAKE_BINARY_DIR};DOVRIX_TEST_ENGINE=qtpdf"
                TIMEOUT 600)
        endif()
    endforeach()
endfunction()
