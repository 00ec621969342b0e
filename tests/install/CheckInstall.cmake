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
