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
