# Debian's hardening flags, as dpkg-buildflags hands them to a package build:
# fortified functions, stack protector, format checks, RELRO with immediate
# binding. Optimisation and debug flags stay the build type's. Executables are
# position independent (PIE) through CMake's own setting.
function(curvista_debian_hardening)
  find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all "DEB_${kind}_MAINT_STRIP=-g -O2"
              ${DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE flags
      OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    if(kind STREQUAL "LDFLAGS")
      add_link_options(${flags})
    else()
      add_compile_options(${flags})
    endif()
    list(JOIN flags " " shown)
    message(STATUS "Debian hardening ${kind}: ${shown}")
  endforeach()
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON PARENT_SCOPE)
endfunction()
