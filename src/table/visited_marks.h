#pragma once
#include "app/session.h"

namespace wayloom {

// Keeps the visited entries a leading run: a visited row marks every row above it visited, a row
// to visit marks every row below it to visit. Changes go through SetRowItem in the current step.
void PropagateVisited(Session& session, int row);

}  // namespace wayloom
