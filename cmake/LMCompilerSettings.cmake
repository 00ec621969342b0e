# Compiler launcher, warnings and sanitizers for every target of the project.

find_program(LM_CCACHE ccache)
if(LM_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    # Precompiled headers and ccache only get along when ccache may trust the PCH's timestamps; the
    # settings travel with every compile (an environment variable set here would not reach Ninja).
    # Paths below the source folder are hashed relative to it, so clones and worktrees share hits.
    set(CMAKE_CXX_COMPILER_LAUNCHER
        "${CMAKE_COMMAND}" -E env
        "CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime"
        "CCACHE_BASEDIR=${CMAKE_SOURCE_DIR}" CCACHE_NOHASHDIR=1
        "${LM_CCACHE}")
endif()

add_library(lm_compile_options INTERFACE)
add_library(LM::CompileOptions ALIAS lm_compile_options)

target_compile_options(lm_compile_options INTERFACE
    -Wall -Wextra -Wpedantic $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local> -Wnon-virtual-dtor
    -Woverloaded-virtual -Wcast-qual -Wformat=2 -Wimplicit-fallthrough)
if(LM_WERROR)
    target_compile_options(lm_compile_options INTERFACE -Werror)
endif()

target_compile_definitions(lm_compile_options INTERFACE
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_FOREACH
    QT_DISABLE_DEPRECATED_BEFORE=0x060400)

if(LM_SANITIZE)
    string(REPLACE "," ";" _lm_sanitizers "${LM_SANITIZE}")
    foreach(_san IN LISTS _lm_sanitizers)
        if(NOT _san MATCHES "^(address|undefined|thread|leak)$")
            message(FATAL_ERROR "LM_SANITIZE: unknown sanitizer '${_san}'")
        endif()
    endforeach()
    if("thread" IN_LIST _lm_sanitizers AND "address" IN_LIST _lm_sanitizers)
        message(FATAL_ERROR "LM_SANITIZE: thread and address cannot be combined")
    endif()
    set(_lm_san_flags -fsanitize=${LM_SANITIZE} -fno-omit-frame-pointer -g)
    if("undefined" IN_LIST _lm_sanitizers)
        list(APPEND _lm_san_flags -fno-sanitize-recover=undefined)
    endif()
    add_compile_options(${_lm_san_flags})
    add_link_options(-fsanitize=${LM_SANITIZE})
endif()

if(LM_COVERAGE)
    # Unoptimised, so that every line and branch of the source is one of the object code; counters
    # updated atomically, since the jobs and registries count from several threads.
    add_compile_options(--coverage -fprofile-update=atomic -O0 -g)
    add_link_options(--coverage)
endif()

if(LM_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "LM_FUZZ needs clang (libFuzzer): CXX=clang++ cmake ...")
    endif()
    if(LM_SANITIZE OR LM_COVERAGE)
        message(FATAL_ERROR "LM_FUZZ brings its own sanitizers: not with LM_SANITIZE or LM_COVERAGE")
    endif()
    # Everything instrumented for the fuzzer's coverage feedback; the harnesses link libFuzzer itself.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer -g)
    add_link_options(-fsanitize=address,undefined)
endif()
