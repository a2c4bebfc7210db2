# Turns Unicode's EquivalentUnifiedIdeograph.txt into a C++ table of (radical, ideograph) pairs.
# Only the two radical blocks are taken (CJK Radicals Supplement and Kangxi Radicals, U+2E80 to
# U+2FDF): strokes have equivalents too, but folding a stroke into a word would make false hits.
#
# Usage: cmake -DINPUT=EquivalentUnifiedIdeograph.txt -DOUTPUT=RadicalTable.inc -P this-file
if(NOT EXISTS "${INPUT}")
    message(FATAL_ERROR "Unicode data file not found: ${INPUT} (install Debian's unicode-data)")
endif()

# Comments go first (they hold brackets and semicolons, which CMake lists would split on), then
# the field separator becomes '=' and every line one list element.
file(READ "${INPUT}" content)
string(REGEX REPLACE "#[^\n]*" "" content "${content}")
string(REPLACE ";" "=" content "${content}")
string(REPLACE "\n" ";" lines "${content}")
set(entries "")
set(count 0)
foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "")
        continue()
    endif()
    if(NOT line MATCHES "^([0-9A-Fa-f]+)(\\.\\.([0-9A-Fa-f]+))?[ \t]*=[ \t]*([0-9A-Fa-f]+)$")
        message(FATAL_ERROR "Unexpected line in ${INPUT}: ${line}")
    endif()
    set(first "${CMAKE_MATCH_1}")
    set(last "${CMAKE_MATCH_3}")
    set(target "${CMAKE_MATCH_4}")
    if(last STREQUAL "")
        set(last "${first}")
    endif()
    math(EXPR lo "0x${first}")
    math(EXPR hi "0x${last}")
    foreach(code RANGE ${lo} ${hi})
        if(code LESS 11904 OR code GREATER 12255) # 0x2E80 .. 0x2FDF
            continue()
        endif()
        math(EXPR hex "${code}" OUTPUT_FORMAT HEXADECIMAL)
        string(APPEND entries "    {${hex}, 0x${target}},\n")
        math(EXPR count "${count} + 1")
    endforeach()
endforeach()

if(count EQUAL 0)
    message(FATAL_ERROR "No radical mappings found in ${INPUT}")
endif()

set(content "// Generated at build time from ${INPUT}. Do not edit.\n")
string(APPEND content "// {radical, equivalent unified ideograph}, ascending by radical.\n")
string(APPEND content "static constexpr RadicalMapping kRadicalTable[] = {\n${entries}};\n")
# Rewrite only on change so that an unchanged table does not trigger a rebuild.
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" old)
    if(old STREQUAL content)
        return()
    endif()
endif()
file(WRITE "${OUTPUT}" "${content}")
