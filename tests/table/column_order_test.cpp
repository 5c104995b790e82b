#include "table/column_order.h"

#include <gtest/gtest.h>

#include <vector>

namespace wayloom {
namespace {

struct MapRecorder : MapPagePort {
    std::vector<int> commands;
    void sendCommand(int command) override { commands.push_back(command); }
};

TEST(ColumnOrder, LatBeforeLngByDefaultAndTheHeaderCommandSwapsThem) {
    Session session;
    MapRecorder map;
    session.mapPage = &map;
    EXPECT_EQ(ColumnOrder(session.options[Option::LngFirst]),
              (std::array<int, 5>{ColumnOrden, ColumnDistancia, ColumnName, ColumnLat, ColumnLng}));
    ToggleLngFirst(session);
    EXPECT_EQ(ColumnOrder(session.options[Option::LngFirst]),
              (std::array<int, 5>{ColumnOrden, ColumnDistancia, ColumnName, ColumnLng, ColumnLat}));
    ToggleLngFirst(session);
    EXPECT_EQ(map.commands, (std::vector<int>{4, 5}));
}

}  // namespace
}  // namespace wayloom
