# Run by ctest: cmake -P CheckInstall.cmake with LM_BUILD_DIR, LM_CONSUMER_SOURCE_DIR, LM_WORK_DIR,
# LM_GENERATOR, LM_CXX_COMPILER and LM_SANITIZE set.

function(lm_run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
    if(NOT _rc EQUAL 0)
        message(FATAL_ERROR "failed (${_rc}): ${ARGN}\n${_out}\n${_err}")
    endif()
    message(STATUS "${_out}")
endfunction()

file(REMOVE_RECURSE "${LM_WORK_DIR}")
set(_prefix "${LM_WORK_DIR}/prefix")

lm_run(${CMAKE_COMMAND} --install "${LM_BUILD_DIR}" --prefix "${_prefix}")

# The installed libraries know no place of the build machine: the sample of the sources is named
# to a build tree only, by a file beside its library that is not installed.
file(GLOB_RECURSE _libraries "${_prefix}/lib*/libLM*.so.*.*")
if(NOT _libraries)
    message(FATAL_ERROR "no libraries installed below ${_prefix}")
endif()
foreach(_library IN LISTS _libraries)
    file(STRINGS "${_library}" _paths REGEX "${LM_SOURCE_DIR}/content")
    if(_paths)
        message(FATAL_ERROR "${_library} names the source tree: ${_paths}")
    endif()
endforeach()
file(GLOB_RECURSE _pointers "${_prefix}/lmtemplates-sample-content.txt")
if(_pointers)
    message(FATAL_ERROR "the build tree's pointer to the sample was installed: ${_pointers}")
endif()

set(_flags "")
if(LM_SANITIZE)
    set(_flags "-fsanitize=${LM_SANITIZE}")
endif()
lm_run(${CMAKE_COMMAND} -S "${LM_CONSUMER_SOURCE_DIR}" -B "${LM_WORK_DIR}/build" -G "${LM_GENERATOR}"
    -DCMAKE_CXX_COMPILER=${LM_CXX_COMPILER}
    -DCMAKE_PREFIX_PATH=${_prefix}
    -DCMAKE_CXX_FLAGS=${_flags}
    -DCMAKE_EXE_LINKER_FLAGS=${_flags})
lm_run(${CMAKE_COMMAND} --build "${LM_WORK_DIR}/build")
lm_run("${LM_WORK_DIR}/build/lmconsumer")

# The program of docs/using-the-library.md, built as a reader of that page would build it.
file(READ "${LM_DOCS_DIR}/using-the-library.md" _page)
string(REGEX MATCH "```cpp\n(.*)\n```\n\nBuilt with CMake" _block "${_page}")
if(NOT CMAKE_MATCH_1)
    message(FATAL_ERROR "docs/using-the-library.md has no C++ block")
endif()
set(_doc_dir "${LM_WORK_DIR}/doc-program")
file(WRITE "${_doc_dir}/main.cpp" "${CMAKE_MATCH_1}\n")
file(WRITE "${_doc_dir}/CMakeLists.txt" "cmake_minimum_required(VERSION 3.25)
project(TwoPhotos LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
find_package(LMTemplates 0.1 REQUIRED)
add_executable(twophotos main.cpp)
target_link_libraries(twophotos PRIVATE LM::Templates)
")
lm_run(${CMAKE_COMMAND} -S "${_doc_dir}" -B "${_doc_dir}/build" -G "${LM_GENERATOR}"
    -DCMAKE_CXX_COMPILER=${LM_CXX_COMPILER}
    -DCMAKE_PREFIX_PATH=${_prefix}
    -DCMAKE_CXX_FLAGS=${_flags}
    -DCMAKE_EXE_LINKER_FLAGS=${_flags})
lm_run(${CMAKE_COMMAND} --build "${_doc_dir}/build")
set(ENV{LM_CONTENT_DIR} "")
set(ENV{LM_USER_DATA_DIR} "${LM_WORK_DIR}/user")
execute_process(COMMAND "${_doc_dir}/build/twophotos" RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
# The page says what it prints.
string(REGEX MATCH "it prints:\n\n```\n([^`]*)```" _printed "${_page}")
if(NOT _rc EQUAL 0 OR NOT CMAKE_MATCH_1 OR NOT _out STREQUAL CMAKE_MATCH_1)
    message(FATAL_ERROR "the program of docs/using-the-library.md gave (${_rc}):\n${_out}\n${_err}")
endif()

# The installed tool starts from its own prefix and reads the installed sample by default.
set(ENV{LM_CONTENT_DIR} "")
set(ENV{LM_USER_DATA_DIR} "${LM_WORK_DIR}/user")
lm_run("${_prefix}/bin/lmtemplates" --version)
execute_process(COMMAND "${_prefix}/bin/lmtemplates" load --json
    RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "the installed tool failed (${_rc}):\n${_out}\n${_err}")
endif()
string(JSON _content GET "${_out}" content)
string(JSON _templates GET "${_out}" templates)
file(REAL_PATH "${_prefix}/share/lmtemplates/sample" _installed)
if(NOT _content STREQUAL _installed OR _templates LESS 1)
    message(FATAL_ERROR "the installed tool read ${_content} (${_templates} templates), not ${_installed}")
endif()

# Without CMake: the pkg-config file names the headers and libraries.
find_program(_pkg_config pkg-config)
if(_pkg_config)
    file(GLOB _pc_dirs "${_prefix}/lib*/pkgconfig" "${_prefix}/lib/*/pkgconfig")
    list(JOIN _pc_dirs ":" _pc_path)
    set(ENV{PKG_CONFIG_PATH} "${_pc_path}")
    lm_run(${_pkg_config} --exists --print-errors lmtemplates)
    execute_process(COMMAND ${_pkg_config} --cflags lmtemplates OUTPUT_VARIABLE _cflags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(_cflags UNIX_COMMAND "${_cflags}")
    set(_found FALSE)
    foreach(_flag IN LISTS _cflags)
        if(_flag MATCHES "^-I(.*)" AND EXISTS "${CMAKE_MATCH_1}/LMTemplates/LMTemplateRegistry.h")
            set(_found TRUE)
        endif()
    endforeach()
    if(NOT _found)
        message(FATAL_ERROR "pkg-config --cflags lmtemplates names no folder holding LMTemplates/LMTemplateRegistry.h")
    endif()
endif()
