#pragma once

#include "document/radio_image.h"

#include <cstddef>
#include <vector>

namespace zem {

// The rules of the radio history, the reads kept on disk: which read is
// worth keeping and which kept reads make room for a new one. The window
// keeps the files; these decide.

// One kept read.
struct KeptRead {
    RadioImage image;
    bool fromCompare = false;  // the read of a Compare with radio, not of a Read
};

// Whether two reads come from the same radio as far as the memory tells:
// the same radio type and band.
bool SameRadio(const RadioImage& a, const RadioImage& b);

// Whether read brings nothing new: the newest kept read of the same radio
// holds the same bytes 0x000-0x3CF, the bytes a read takes from the radio.
// kept is oldest first.
bool RepeatsNewestRead(const std::vector<KeptRead>& kept, const RadioImage& read);

// Which kept reads go to make room once a new read was kept, as indexes
// into fromCompare (one flag per kept read, oldest first, the new read
// last), in ascending order, so that at most max stay. The reads of
// compares go first, oldest first, then the oldest reads of the Read
// command; but a compare's read never pushes out a read of the Read
// command: when no older compare's read is left to go, one more is kept.
std::vector<std::size_t> ReadsToDrop(const std::vector<bool>& fromCompare, std::size_t max);

}  // namespace zem
