#include "compare/read_history.h"

#include "channels/channel_codec.h"
#include "link/clone_constants.h"

#include <algorithm>

namespace zem {

bool SameRadio(const RadioImage& a, const RadioImage& b) {
    ChannelPageValues x;
    ChannelPageValues y;
    FillFromImage(a, x);
    FillFromImage(b, y);
    return x.typeIndex == y.typeIndex && x.bandIndex == y.bandIndex;
}

bool RepeatsNewestRead(const std::vector<KeptRead>& kept, const RadioImage& read) {
    const auto newest = std::find_if(kept.rbegin(), kept.rend(),
                                     [&](const KeptRead& entry) { return SameRadio(entry.image, read); });
    return newest != kept.rend() &&
           std::equal(read.bytes.begin(), read.bytes.begin() + kTransferEnd, newest->image.bytes.begin());
}

std::vector<std::size_t> ReadsToDrop(const std::vector<bool>& fromCompare, std::size_t max) {
    std::vector<std::size_t> drop;
    if (fromCompare.size() <= max) return drop;
    std::size_t excess = fromCompare.size() - max;
    const std::size_t older = fromCompare.size() - 1;  // the new read stays
    for (bool compares : {true, false}) {
        if (!compares && fromCompare.back()) break;
        for (std::size_t i = 0; i < older && excess > 0; ++i) {
            if (fromCompare[i] != compares) continue;
            drop.push_back(i);
            --excess;
        }
    }
    std::sort(drop.begin(), drop.end());
    return drop;
}

}  // namespace zem
