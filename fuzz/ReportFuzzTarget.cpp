// libFuzzer entry: arbitrary bytes as a turn report, read by the reader and
// stored by every storing stage into a small game.
#include "ReportBufferCheck.h"
#include "StoringCheck.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace arvenna;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Qt Sql finds its engine driver through the application.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static StoringCheck storing(QStringLiteral(ARVENNA_GAME_SQL), QStringLiteral(ARVENNA_TEMPLATE_WORLD));
    const QByteArray report(reinterpret_cast<const char*>(data), qsizetype(size));
    QString fault = checkReportBytes(report);
    if (fault.isEmpty())
        fault = storing.check(report);
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(fault));
        std::abort();
    }
    return 0;
}
