# The browser build: emscripten leaves C++ exceptions out unless asked, and
# the forms runtime reports runtime errors by throwing them.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
# Qt, built without exceptions, asks every program it links to be built
# without catching them too, after the program's own options: so its request
# is changed where Qt makes it.
get_target_property(qt_link_options Qt6::Platform INTERFACE_LINK_OPTIONS)
list(TRANSFORM qt_link_options REPLACE "DISABLE_EXCEPTION_CATCHING=1" "DISABLE_EXCEPTION_CATCHING=0")
# Its -Os would also override the program's own size option.
list(REMOVE_ITEM qt_link_options -Os)
set_target_properties(Qt6::Platform PROPERTIES INTERFACE_LINK_OPTIONS "${qt_link_options}")
# The Thai faces the program draws with travel inside a browser build's
# program, in the folder the program registers its bundled fonts from: a page
# has no system fonts.
function(curvista_embed_thai_fonts target)
  foreach(font Loma.ttf Loma-Bold.ttf)
    set(file /usr/share/fonts/truetype/tlwg/${font})
    if(NOT EXISTS ${file})
      message(FATAL_ERROR "${file} is missing: install fonts-thai-tlwg")
    endif()
    target_link_options(${target} PRIVATE "SHELL:--embed-file ${file}@/fonts/${font}")
  endforeach()
endfunction()
# Qt's browser platform carries fonts of its own (Vera, DejaVu Sans and Sans
# Mono: a quarter of the download's data); the program carries the faces it
# draws with, and makes its design's face the page's default.
if(TARGET Qt6::QWasmIntegrationPlugin_resources_1)
  get_target_property(configurations Qt6::QWasmIntegrationPlugin_resources_1 IMPORTED_CONFIGURATIONS)
  foreach(configuration IN LISTS configurations)
    set_target_properties(Qt6::QWasmIntegrationPlugin_resources_1 PROPERTIES IMPORTED_OBJECTS_${configuration} "")
  endforeach()
endif()
