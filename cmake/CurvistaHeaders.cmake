# Each target publishes only its own headers, under the folder its users
# name them by ("platform/form.h"). A source that includes a header of a
# target its target does not link then fails to compile: the layering is
# checked by the build, not by convention.
function(curvista_public_headers target)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header IN LISTS ARGN)
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${folder}/${header} SYMBOLIC)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
