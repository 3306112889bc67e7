// libFuzzer entry: arbitrary bytes as a turn report, read by the reader and
// stored by every storing stage into a small game.
#include "ReportBufferCheck.h"
#include "StoringCheck.h"
#include "database/DatabaseError.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace arvenna;

namespace {
// Built once per process: every input starts from a copy of it.
StoringCheck& storing()
{
    static StoringCheck check(QStringLiteral(ARVENNA_GAME_SQL), QStringLiteral(ARVENNA_TEMPLATE_WORLD));
    return check;
}

[[noreturn]] void fail(const QString& fault)
{
    std::fprintf(stderr, "%s\n", qPrintable(fault));
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Qt Sql finds its engine driver through the application.
    static QCoreApplication application(*argc, *argv);
    try {
        storing();
    } catch (const DatabaseError& error) {
        fail(QStringLiteral("The small game could not be built: ") + error.message());
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray report(reinterpret_cast<const char*>(data), qsizetype(size));
    QString fault = checkReportBytes(report);
    if (fault.isEmpty())
        fault = storing().check(report);
    if (!fault.isEmpty())
        fail(fault);
    return 0;
}
