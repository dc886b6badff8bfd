# The browser build: emscripten leaves C++ exceptions out unless asked, and
# the forms runtime reports runtime errors by throwing them.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
