# Runs the digests of spots R, T and F (short) under every kernel tier the CPU
# has, in both storage modes, and fails unless every tier's digest equals the
# baseline's: the solver computes the same numbers whichever kernels run.
#
#   cmake -DSOLVE_SPOTS=<path> -P tier_digests.cmake
if(NOT SOLVE_SPOTS)
  message(FATAL_ERROR "pass -DSOLVE_SPOTS=<path to solve_spots>")
endif()

# spot:iterations:digest interval
set(runs R:40:10 T:10:5 F:3:1)
foreach(run IN LISTS runs)
  string(REPLACE ":" ";" fields "${run}")
  list(GET fields 0 spot)
  list(GET fields 1 iterations)
  list(GET fields 2 interval)
  foreach(mode off on)
    unset(reference)
    foreach(isa baseline avx2 avx512)
      execute_process(
        COMMAND ${SOLVE_SPOTS} --spot ${spot} --isa ${isa} --threads 4 --compress ${mode}
                --iterations ${iterations} --digest ${interval}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
      if(rc EQUAL 3 AND NOT isa STREQUAL "baseline")
        message(STATUS "spot ${spot}, compress ${mode}, ${isa}: not on this CPU")
        continue()
      endif()
      if(NOT rc EQUAL 0)
        message(FATAL_ERROR "spot ${spot}, compress ${mode}, ${isa}: exit ${rc}\n${out}${err}")
      endif()
      if(NOT out MATCHES "kernels ${isa}\n")
        message(FATAL_ERROR "spot ${spot}, compress ${mode}: asked for ${isa}, ran\n${out}")
      endif()
      string(REGEX MATCHALL "digest: [^\n]*" digest "${out}")
      if(NOT digest)
        message(FATAL_ERROR "spot ${spot}, ${isa}: no digest in\n${out}")
      endif()
      message(STATUS "spot ${spot}, compress ${mode}, ${isa}: ${digest}")
      if(NOT DEFINED reference)
        set(reference "${digest}")
      elseif(NOT digest STREQUAL reference)
        message(FATAL_ERROR "spot ${spot}, compress ${mode}: ${isa} differs from the baseline")
      endif()
    endforeach()
  endforeach()
endforeach()
