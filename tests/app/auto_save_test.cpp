#include "app/auto_save.h"

#include <gtest/gtest.h>

namespace wayloom {
namespace {

class AutoSaveTest : public ::testing::Test {
protected:
    void AddRow() {
        RowItem item;
        item.row = session.table.rowCount();
        item.name = u"Parada";
        session.table.insert(item);
    }
    // Command 1003 as the file commands run it; records what it would have done.
    void Save() {
        routes.push_back(ChooseSaveRoute(session));
        autoSavingSeen = session.autoSaving;
    }

    Session session;
    std::vector<SaveRoute> routes;
    bool autoSavingSeen = false;
};

TEST_F(AutoSaveTest, UntitledItineraryIsNeverSavedAutomatically) {
    AddRow();
    session.modified = 1;
    EXPECT_TRUE(RunAutoSave(session, [&] { Save(); }));
    EXPECT_EQ(routes, (std::vector<SaveRoute>{SaveRoute::Nothing}));
    EXPECT_TRUE(autoSavingSeen);
    EXPECT_FALSE(session.autoSaving);
    // By hand, the same command asks for a name.
    EXPECT_EQ(ChooseSaveRoute(session), SaveRoute::SaveAs);
}

TEST_F(AutoSaveTest, GpiFileIsNotWrittenBack) {
    AddRow();
    session.modified = 1;
    session.filePath = u"/tmp/puntos.gpi";
    session.fileKind = FileKind::Gpi;
    RunAutoSave(session, [&] { Save(); });
    EXPECT_EQ(routes, (std::vector<SaveRoute>{SaveRoute::Nothing}));
    session.fileKind = FileKind::Itn;
    RunAutoSave(session, [&] { Save(); });
    EXPECT_EQ(routes.back(), SaveRoute::InPlace);
}

TEST_F(AutoSaveTest, RunsOnlyWithChangesRowsAndNoSaveRunning) {
    session.filePath = u"/tmp/ruta.itn";
    session.modified = 1;
    EXPECT_FALSE(RunAutoSave(session, [&] { Save(); }));  // no rows
    AddRow();
    session.modified = 0;
    EXPECT_FALSE(RunAutoSave(session, [&] { Save(); }));
    session.modified = 1;
    session.autoSaving = true;  // e.g. folder conversion holds it
    EXPECT_FALSE(RunAutoSave(session, [&] { Save(); }));
    EXPECT_TRUE(routes.empty());
}

}  // namespace
}  // namespace wayloom
