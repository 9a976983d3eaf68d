#include "plan/plan_text.h"

namespace zem {

// A build without the YAML library writes plan texts but cannot read them.

bool PlanTextReadable()
{
    return false;
}

PlanTextImport ImportPlanText(const std::string&)
{
    PlanTextImport result;
    result.errors.push_back({0, 0, "", "",
                             PlanText(ZEM_TRANSLATE_NOOP(
                                 "zem::Plan", "this build cannot read plan texts (it was made without yaml-cpp)"))});
    return result;
}

}  // namespace zem
