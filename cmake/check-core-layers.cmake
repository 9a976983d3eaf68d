# Fails when a folder of the core library (DIR) includes a header of a
# folder above it. Each entry of the list below is one layer, top first;
# folders of one layer are joined by "+" and may use each other. document/
# (the image and the program file) is the bottom; the codecs and page
# values sit on it, the link above them, and the service exchanges, the
# print layout and the fleet on top.
set(layers "fleet" "service+print" "link" "channels+pages" "document")

# The one known loop, allowed until the diff moves above the pages: the
# diff in document/ names channels, option and key values and power points,
# and link/transfer.cpp includes the diff. No other file may reach up.
set(exceptions "document/document_diff:channels+pages+service")

set(what "Core folders")
include(${CMAKE_CURRENT_LIST_DIR}/check-layers.cmake)
