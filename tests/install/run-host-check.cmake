# Installs the built library into a scratch prefix, builds the sample host
# against the installed package (with every installed header compiled alone)
# and runs it.
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${WORK}/prefix"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
    message(FATAL_ERROR "install failed: ${result}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -S "${HOST_SOURCE}" -B "${WORK}/host" -G Ninja
    "-DCMAKE_PREFIX_PATH=${WORK}/prefix" -DCMAKE_BUILD_TYPE=Debug
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(result)
    message(FATAL_ERROR "configuring the host failed:\n${out}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" --build "${WORK}/host"
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(result)
    message(FATAL_ERROR "building the host failed:\n${out}")
endif()
execute_process(COMMAND "${WORK}/host/host"
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(result OR NOT out MATCHES "host ok")
    message(FATAL_ERROR "the host failed (${result}):\n${out}\n${err}")
endif()
string(FIND "${err}" "*********************************************************" banner)
if(banner EQUAL -1)
    message(FATAL_ERROR "no start-up banner in the debug output:\n${err}")
endif()
