# Developer tools (static analysis, validators, lintian, the benchmark
# library) are required where CURVISTA_DEVELOPER_CHECKS is on, as in the test
# presets. Elsewhere a missing tool only skips the checks that need it, so a
# packager or a user building to run needs none of them.
function(curvista_find_tool variable program)
  if(CURVISTA_DEVELOPER_CHECKS)
    find_program(${variable} ${program} REQUIRED)
  else()
    find_program(${variable} ${program})
    if(NOT ${variable})
      message(STATUS "${program} not found: the checks that need it are skipped "
                     "(CURVISTA_DEVELOPER_CHECKS=ON makes it required)")
    endif()
  endif()
endfunction()
