// libFuzzer entry: arbitrary bytes as a turn report.
#include "ReportBufferCheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace arvenna;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString fault = checkReportBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(fault));
        std::abort();
    }
    return 0;
}
