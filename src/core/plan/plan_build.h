#pragma once

#include "document/radio_image.h"
#include "plan/plan_fields.h"
#include "text.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zem {

// Bytes of an image by offset: the part of a plan that its values do not
// determine.
using PlanBytes = std::map<std::size_t, std::uint8_t>;

// A value of a plan that the page's rules refuse, with their message.
struct PlanRefusal {
    PlanField field;
    std::string value;
    Text message;
};

struct PlanBuild {
    RadioImage image;
    std::vector<PlanRefusal> refusals;  // any entry: the image must not be used
    // Values the page stores otherwise than given (a pick in a list the
    // radio keeps at its own value): the message says both.
    std::vector<PlanRefusal> adjusted;
    bool ok() const { return refusals.empty(); }
};

// Builds the image a plan describes. The bytes are taken as they are; a
// value whose bytes are all among them and still read as the value keeps
// them exactly (an empty tone stored as 00 00 stays 00 00). Every other
// value is typed as on its page: channel cells row by row through the
// commit rules (a first frequency of an empty channel brings the
// new-channel defaults; a row that gives a frequency and no choices at all
// keeps those defaults), a pick in a list the firmware fixes becomes what
// the page makes of it (listed in adjusted), a code must be all its digits. A typed
// value then changes only its own bits of the bytes.
PlanBuild BuildPlanImage(const PlanValues& values, const PlanBytes& bytes);

// The bytes an image's plan must carry besides its values so that
// BuildPlanImage(ShownValues(image), bytes) gives the image back: every byte
// no value is stored in, and the bytes of values whose stored form their
// shown value does not determine or that typing would not take back.
PlanBytes PlanBytesFor(const RadioImage& image);

}  // namespace zem
