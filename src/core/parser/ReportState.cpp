#include "ReportState.h"

void ResetReportState(ReportState& state)
{
    state.header = ReportHeader();
    state.buffer.clear();
}
