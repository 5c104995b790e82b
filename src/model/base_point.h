#pragma once
// The base point and the Distancia column: which row is the base, and the distance texts and item
// data of every row. None of this is recorded for undo or marks the itinerary modified.
#include <cstdint>

#include "app/session.h"

namespace wayloom {

// Whole metres between two rows, or NoDistance when either lacks a coordinate.
std::int32_t ComputeDistance(const Session& session, int rowA, int rowB);

// Makes `row` the base point (-1: the row carrying the base marker) and recomputes every row.
// Does nothing while distances are hidden or for a row past the end.
void SetBaseRow(Session& session, int row, bool fit = false);

// Recomputes one row, or every row for -1; with `fit` the Distancia column is fitted (unforced).
void RecomputeDistances(Session& session, int row, bool fit = false);

// After a row's coordinates changed.
void UpdateDistancesAfterEdit(Session& session, int row, bool fit = false);

}  // namespace wayloom
