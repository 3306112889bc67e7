#pragma once

#include <QString>
#include <array>
#include <functional>

namespace arvenna {

class ClassProvincia;
class Database;
class PreparedStatements;
class UserDialogue;
struct MapModel;
struct ReportState;

// What a storing stage works on: the report just read (header values,
// character table, labelled line buffer), the open game's database and model.
struct StoringContext {
    Database& database;
    PreparedStatements& statements;
    MapModel& model;
    ReportState& report;
    UserDialogue& dialogue;
    // The province being worked on, shared by the stages; null before the first.
    ClassProvincia* currentProvince = nullptr;
};

// A stage's result as the run reads it, a 16-bit number: -1 (true) lets the
// next stage run and the report be logged, 0 (false) stops the report, any
// other value lets the next stage run but leaves the report unlogged.
inline constexpr qint16 kStageTrue = -1;
inline constexpr qint16 kStageFalse = 0;

struct StageResult {
    qint16 value = kStageTrue;
    // Why the stage ended early, naming the log line; empty after a full walk.
    QString stop;
};

using StoringStage = std::function<StageResult(StoringContext&)>;

// One processing option: its name in the parser window and its stage.
struct StageSlot {
    QString label;
    StoringStage stage;
};

// The processing options in their fixed order, 0 to 5.
inline constexpr int kProcessingOptionCount = 6;
using StoringStages = std::array<StageSlot, kProcessingOptionCount>;

// The program's stages: provinces, cities, inner locations, own characters
// and faction, characters seen, markets.
StoringStages storingStages();

} // namespace arvenna
