# Configures the embedding project in WRAPPER_BINARY and builds what proves the paths: the model
# core, the interface's resources and the probe. The whole interface is not compiled a second time;
# that would cost the test run minutes for paths the probe already checks.
set(options -DTORVA_ROOT=${TORVA_ROOT} -DCMAKE_BUILD_TYPE=Debug)
if(DEFINED ENV{CMAKE_CXX_COMPILER_LAUNCHER})
    list(APPEND options -DCMAKE_CXX_COMPILER_LAUNCHER=$ENV{CMAKE_CXX_COMPILER_LAUNCHER})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${WRAPPER_SOURCE} -B ${WRAPPER_BINARY} ${options}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "configuring the embedding project failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WRAPPER_BINARY} --parallel 2
                        --target core ide_resources probe
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "building the embedding project failed")
endif()
