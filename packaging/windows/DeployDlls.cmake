# Run at install time: copies beside the program every DLL that the
# installed executables and plugins import, directly or through each other,
# from the Qt and MinGW folders (dll_dirs), as objdump reads the imports.
# What none of those folders holds is part of Windows itself.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM "windows+pe")
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL "objdump")
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${objdump}")
set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
file(GLOB executables "${folder}/*.exe")
file(GLOB_RECURSE plugins "${folder}/*/*.dll")
file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${executables}
  MODULES ${plugins}
  DIRECTORIES ${dll_dirs}
  PRE_EXCLUDE_REGEXES "^api-ms-" "^ext-ms-"
  RESOLVED_DEPENDENCIES_VAR resolved
  UNRESOLVED_DEPENDENCIES_VAR system)
file(INSTALL ${resolved} DESTINATION "${folder}")
list(JOIN system ", " system)
message(STATUS "Left to Windows: ${system}")
