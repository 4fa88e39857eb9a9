# Script mode, with BUNDLE_BINARY, NM and READELF given by -D: checks that the
# plug-in binary exports exactly the two OFX entry points, needs no library
# beyond the C/C++ runtime, and sits in a complete bundle.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND "${NM}" -D --defined-only "${BUNDLE_BINARY}"
    OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "nm failed on ${BUNDLE_BINARY}")
endif()
string(REGEX MATCHALL "[^ \n]+\n" names "${symbols}")
list(TRANSFORM names STRIP)
list(SORT names)
if(NOT names STREQUAL "OfxGetNumberOfPlugins;OfxGetPlugin")
    message(FATAL_ERROR "Exported symbols are '${names}', expected only the two entry points")
endif()

execute_process(COMMAND "${READELF}" -d "${BUNDLE_BINARY}"
    OUTPUT_VARIABLE dynamic RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "readelf failed on ${BUNDLE_BINARY}")
endif()
string(REGEX MATCHALL "Shared library: \\[[^]]+\\]" needed "${dynamic}")
set(system_libraries libc.so.6 libm.so.6 libgcc_s.so.1 libstdc++.so.6 ld-linux-x86-64.so.2
    libdl.so.2 libpthread.so.0 librt.so.1)
foreach(entry IN LISTS needed)
    string(REGEX REPLACE "Shared library: \\[(.*)\\]" "\\1" library "${entry}")
    if(NOT library IN_LIST system_libraries)
        message(FATAL_ERROR "The plug-in needs ${library}, which a host machine may not have")
    endif()
endforeach()

get_filename_component(binary_dir "${BUNDLE_BINARY}" DIRECTORY)
get_filename_component(contents "${binary_dir}" DIRECTORY)
if(NOT IS_DIRECTORY "${contents}/Resources")
    message(FATAL_ERROR "The bundle has no Contents/Resources folder")
endif()
