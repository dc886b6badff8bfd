# Each target publishes only its own headers, under the folder its users
# name them by ("platform/form.h"). A source that includes a header of a
# target its target does not link then fails to compile: the layering is
# checked by the build, not by convention. The published header is a
# one-line forward to the real one, so diagnostics and tools name the real
# file, and no link is needed (a Windows checkout usually cannot make one).
function(curvista_public_headers target)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  foreach(header IN LISTS ARGN)
    file(CONFIGURE OUTPUT ${root}/${folder}/${header}
         CONTENT "#include \"${CMAKE_CURRENT_SOURCE_DIR}/${header}\"\n" @ONLY)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
