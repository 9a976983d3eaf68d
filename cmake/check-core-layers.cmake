# Fails when a folder of the core library (DIR) includes a header of a
# folder above it. Each entry of the list below is one layer, top first;
# folders of one layer are joined by "+" and may use each other. document/
# (the image and the program file) is the bottom; the codecs and page
# values sit on it, the link above them, then the service exchanges and
# the print layout, the comparisons in the pages' words (the diff, the
# radio history's rules), the channel plans, the session (one document
# with its undo history and pages, and the exchanges with a radio), and the
# fleet on top, which runs one session per radio.
set(layers "fleet" "session" "plan" "compare" "service+print" "link" "channels+pages" "document")


set(what "Core folders")
include(${CMAKE_CURRENT_LIST_DIR}/check-layers.cmake)
