// Shared helpers of the editing tests: a drawing with scripted dialogs and field-by-field checks.
#pragma once

#include "document/Drawing.h"
#include "document/Tolerance.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantro::testing {

class EditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetEps(0.001f);
        drawing.Dialogs = &dialogs;
        attributes.Color = 0x00FF00;
        attributes.Layer = 4;
    }
    void TearDown() override { SetEps(kInitialEps); }

    // Empties the drawing and what the dialogs recorded, then puts the elements in without undo
    // records, as a file read does.
    void Put(const std::vector<TCadData>& elements);
    // The elements 1..Count as they stand.
    std::vector<TCadData> Snapshot() const;
    // Undo once and expect exactly the snapshot back (selection flags aside), in any order of the store.
    void ExpectUndoRestores(const std::vector<TCadData>& before);

    Drawing drawing;
    ScriptedDialogs dialogs;
    CurrentAttributes attributes;
};

// Every number within tolerance; kind, attributes, flags and text exactly. With turnsModulo the
// Angle fields may differ by whole turns (texts and ellipses keep radians).
void ExpectNearRecord(const TCadData& actual, const TCadData& expected, double tolerance, bool turnsModulo = false);

}  // namespace vantro::testing
