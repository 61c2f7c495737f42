# Runs the program itself with --script: a script that draws and saves exits 0 and writes the
# drawing; a line that fails exits 1 with "SCRIPT:LINE: reason" on standard error; a script file
# that cannot be read exits 1 with line 0; the settings file is never written.
# Run with: cmake -DPROGRAM=... -DWORK=... -P ScriptProgramTest.cmake

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(ENV{QT_QPA_PLATFORM} offscreen)

function(run_script script expected_code stderr_var)
  execute_process(COMMAND "${PROGRAM}" --script "${script}" --program-folder "${WORK}"
                  WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE code OUTPUT_QUIET ERROR_VARIABLE errors)
  if(NOT code EQUAL expected_code)
    message(FATAL_ERROR "${script}: exit code ${code}, expected ${expected_code}\n${errors}")
  endif()
  set(${stderr_var} "${errors}" PARENT_SCOPE)
endfunction()

file(WRITE "${WORK}/good.vsc" "# two typed points\nbutton SpeedButton17\ntype EditX 0\ntype EditY 0\nenter EditX\n"
                              "type EditX 100\nenter EditX\nsave ${WORK}/good.dca\n")
run_script("${WORK}/good.vsc" 0 errors)
if(NOT EXISTS "${WORK}/good.dca")
  message(FATAL_ERROR "the script's drawing was not saved")
endif()
execute_process(COMMAND "${PROGRAM}" --info "${WORK}/good.dca" RESULT_VARIABLE code OUTPUT_VARIABLE info)
if(NOT code EQUAL 0 OR NOT info MATCHES "図形数: 1\n")
  message(FATAL_ERROR "--info of the script's drawing failed:\n${info}")
endif()

file(WRITE "${WORK}/bad.vsc" "button SpeedButton17\n\n# the prompt is not this\nexpect-prompt 円を描いて下さい\n")
run_script("${WORK}/bad.vsc" 1 errors)
if(NOT errors MATCHES "bad\\.vsc:4: ")
  message(FATAL_ERROR "no SCRIPT:LINE for the failing line:\n${errors}")
endif()

run_script("${WORK}/missing.vsc" 1 errors)
if(NOT errors MATCHES "missing\\.vsc:0: ")
  message(FATAL_ERROR "no SCRIPT:0 for a script that cannot be read:\n${errors}")
endif()

file(GLOB written "${WORK}/*.ini")
if(written)
  message(FATAL_ERROR "a script wrote the settings file: ${written}")
endif()
