# Configures the project in scratch folders and reads the compile commands: a plain configuration
# must not turn warnings into errors (a newer compiler's new warning would stop a user's build),
# VANTRO_WERROR=ON must, and the test command must turn it on.
# Run with: cmake -DSOURCE=... -DWORK=... -DGENERATOR=... -DCOMPILER=... -P WarningsAsErrorsTest.cmake

function(configure_and_count_werror tree count)
  file(REMOVE_RECURSE "${tree}")
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -S "${SOURCE}" -B "${tree}" -G "${GENERATOR}" "-DCMAKE_CXX_COMPILER=${COMPILER}"
            -DVANTRO_BUILD_BENCHMARKS=OFF ${ARGN}
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "configuring ${tree} failed:\n${errors}")
  endif()
  file(READ "${tree}/compile_commands.json" commands)
  string(REGEX MATCHALL "-Werror[ \"]" found "${commands}")
  list(LENGTH found n)
  set(${count} ${n} PARENT_SCOPE)
  file(REMOVE_RECURSE "${tree}")
endfunction()

configure_and_count_werror("${WORK}/plain" plain)
if(NOT plain EQUAL 0)
  message(FATAL_ERROR "a plain configuration compiles with -Werror (${plain} commands)")
endif()

configure_and_count_werror("${WORK}/strict" strict -DVANTRO_WERROR=ON)
if(strict EQUAL 0)
  message(FATAL_ERROR "VANTRO_WERROR=ON leaves -Werror out of the compile commands")
endif()

file(READ "${SOURCE}/scripts/test.sh" script)
string(FIND "${script}" "-DVANTRO_WERROR=ON" at)
if(at EQUAL -1)
  message(FATAL_ERROR "scripts/test.sh does not turn VANTRO_WERROR on")
endif()
