# Media services: the interfaces (no SDL), the SDL build with its headless mode, and the recording
# double the screen tests use.

# The service interfaces and their SDL-free helpers.
add_library(sixdice_media_interfaces INTERFACE)
target_include_directories(sixdice_media_interfaces INTERFACE "${CMAKE_SOURCE_DIR}")
