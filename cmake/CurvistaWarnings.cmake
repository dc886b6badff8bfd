# Warnings for the project's own targets; errors where CURVISTA_WERROR is on.
function(curvista_target_defaults target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    # Design tables name only their non-default fields; GCC 12 would warn on
    # every designated initializer that leaves one out.
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
                                             -Wno-missing-field-initializers)
    if(CURVISTA_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  elseif(MSVC)
    target_compile_options(${target} PRIVATE /W4 /utf-8)
    if(CURVISTA_WERROR)
      target_compile_options(${target} PRIVATE /WX)
    endif()
  endif()
endfunction()
