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

// A stage's result: after a full walk, nothing; otherwise why it stopped,
// naming the report line. A stage that stops fails the whole report.
struct StageResult {
    QString stop;
    int line = 0;     // the number of the report line it stopped on, 0 when none
    QString lineText; // that line's text
    bool completed() const { return stop.isEmpty(); }
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
