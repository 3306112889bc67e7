#include "ReportState.h"

namespace arvenna {

void ResetReportState(ReportState& state)
{
    state.header = ReportHeader();
    state.buffer.clear();
}

} // namespace arvenna
