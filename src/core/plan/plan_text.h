#pragma once

#include "document/radio_image.h"
#include "text.h"

#include <string>
#include <vector>

namespace zem {

// The whole plan as YAML text, for version control and a text editor: the
// radio type and band, the 16 channels with the grid's texts, the option
// and key settings and the power values (the names and texts of
// `zemtool show --json`), then the bytes no value determines, in hex by
// address. The first line, "zem-plan: 1", names the format and its
// version; a short comment stands above each section.

// The plan of an image. The same image always gives the same text, and
// reading it back gives the same 1024 bytes.
std::string ExportPlanText(const RadioImage& image);

// A place in a plan text that cannot be taken.
struct PlanTextError {
    int line = 0;    // from 1; 0 when the place is unknown
    int column = 0;  // from 1
    std::string key;    // "channel 3 receive", "options." and a setting's key, "bytes.0x3E0"
    std::string value;
    // What is wrong, marked in kTextPlan (a YAML reader's own words as a
    // plain value).
    Text message;

    // The whole line with its place and value:
    // "line 12, column 30, channel 3 receive "999": Error Data Format，Please input again"
    Text said() const;
    // The same in English, as zemtool prints it.
    std::string describe() const { return said().english(); }
};

// A plan text's message with its values, marked in context kTextPlan ("zem::Plan").
inline Text PlanText(const char* source, std::vector<Text> values = {})
{
    return Text(kTextPlan, source, std::move(values));
}

struct PlanTextImport {
    RadioImage image;
    std::vector<PlanTextError> errors;  // any entry: the image must not be used
    // What was taken otherwise than the text says, one line each: a pick the
    // radio keeps at its own value, bytes the text lacks that a new
    // document gave.
    std::vector<Text> notes;
    bool ok() const { return errors.empty(); }
};

// False in a build without the YAML reader; ImportPlanText then says so.
bool PlanTextReadable();

// Reads a plan text and builds its image (see BuildPlanImage): a YAML
// error, an unknown or missing key, a missing channel or a value the
// page's rules refuse is an error naming its line, column and key; an
// address of the bytes may be hex text or a number in any YAML notation,
// and "zem-plan" may stand anywhere among the top-level keys.
PlanTextImport ImportPlanText(const std::string& text);

}  // namespace zem
