# Fails when a folder of the desktop program (DIR) includes a header of a
# folder above it. Each entry of the list below is one layer, top first;
# folders of one layer are joined by "+" and may use each other. A folder
# may include headers of its own layer and of the layers below it only.
set(layers "app" "service+printing+fleet+workbench" "link" "commands" "view" "channels+pages" "doc" "common" "accessibility")

set(what "Window folders")
include(${CMAKE_CURRENT_LIST_DIR}/check-layers.cmake)
