#include "doctor/doctor_step.h"

namespace korvane {

const char* MarkText(StepMark mark) {
    switch (mark) {
    case StepMark::Ok:
        return " ok ";
    case StepMark::Warning:
        return "warn";
    case StepMark::Failed:
        return "FAIL";
    case StepMark::Skipped:
        break;
    }
    return "skip";
}

} // namespace korvane
