# Fails when a folder of the core library (DIR) includes a header of a
# folder above it. Each entry of the list below is one layer, top first;
# folders of one layer are joined by "+" and may use each other. document/
# (the image and the program file) is the bottom; the codecs and page
# values sit on it, the link above them, then the service exchanges and
# the print layout, the channel plans, and the fleet on top.
set(layers "fleet" "plan" "service+print" "link" "channels+pages" "document")

# The known loops, allowed until these files move above what they use; no
# other file may reach up. The diff in document/ names channels, option and
# key values and power points, and link/transfer.cpp includes the diff; the
# radio history's rules in document/ compare channel values and the bytes a
# read moves (link/clone_constants.h).
set(exceptions "document/document_diff:channels+pages+service" "document/read_history:channels+link")

set(what "Core folders")
include(${CMAKE_CURRENT_LIST_DIR}/check-layers.cmake)
