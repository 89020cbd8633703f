// The table of typed fields: a row for every edit control of the program's
// dialog templates, or a stated reason to leave it out. A row opens its
// sheet or dialog as the program does, goes to the field's page, focuses
// the edit, selects all and deletes, types key by key, and checks: no box,
// the field shows what was typed (or what its length limit keeps), after
// OK the object holds the value, after Cancel its saved form is the same
// to the byte.
#pragma once

#include "tests/support/BoxRule.h"
#include "tests/support/SheetDriver.h"
#include "tests/support/TemplateEdits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fieldrows {

// What a row's sheet or dialog edits, made afresh for each run.
class Subject
{
public:
    virtual ~Subject() = default;
    // Opens the sheet or dialog as the program does, with the steps.
    virtual void Open(sheetdriver::Steps steps) = 0;
    // The saved form, byte for byte.
    virtual std::string Saved() = 0;
    // Where the row's field lands after OK.
    virtual std::string Stored() = 0;
};

struct Row
{
    int dialogId;
    int controlId;
    std::function<std::unique_ptr<Subject>()> make;
    sheetdriver::Steps toField;   // the field's page, and what enables the field
    std::string typed;
    std::string shown;            // what the field reads afterwards
    std::string stored;           // what the subject holds after OK
    sheetdriver::Step confirm = [] { sheetdriver::Ok(); };
    // The dialog has no Cancel: only OK answers it.
    bool cancels = true;
};

// An edit left out, and why; the template must show the reason as a style
// (ES_READONLY for a read-only edit).
struct LeftOut
{
    int dialogId;
    int controlId;
    const char* reason;
    DWORD style;
};

inline std::string Where(int dialogId, int controlId)
{
    return "dialog " + std::to_string(dialogId) + " edit " + std::to_string(controlId);
}

// Every edit of the templates has one row or one reason, and every row and
// reason names an edit the templates have.
inline void ExpectEveryEditCovered(const std::vector<Row>& rows, const std::vector<LeftOut>& leftOut)
{
    std::vector<TemplateEdit> edits = ReadTemplateEdits();
    EXPECT_FALSE(edits.empty());
    for (const TemplateEdit& edit : edits)
    {
        int rowCount = (int)std::count_if(rows.begin(), rows.end(), [&](const Row& r) {
            return r.dialogId == edit.dialogId && r.controlId == edit.controlId;
        });
        auto reason = std::find_if(leftOut.begin(), leftOut.end(), [&](const LeftOut& l) {
            return l.dialogId == edit.dialogId && l.controlId == edit.controlId;
        });
        bool left = reason != leftOut.end();
        EXPECT_EQ(1, rowCount + (left ? 1 : 0))
            << Where(edit.dialogId, edit.controlId) << " (\"" << edit.dialogCaption << "\"): "
            << rowCount << " rows" << (left ? " and a reason to be left out" : "");
        if (left)
        {
            EXPECT_EQ(reason->style, edit.style & reason->style)
                << Where(edit.dialogId, edit.controlId) << " is left out as " << reason->reason
                << " but its template says otherwise";
        }
    }
    auto inTemplates = [&](int dialogId, int controlId) {
        return std::any_of(edits.begin(), edits.end(), [&](const TemplateEdit& e) {
            return e.dialogId == dialogId && e.controlId == controlId;
        });
    };
    for (const Row& row : rows)
        EXPECT_TRUE(inTemplates(row.dialogId, row.controlId)) << Where(row.dialogId, row.controlId) << " has a row";
    for (const LeftOut& l : leftOut)
        EXPECT_TRUE(inTemplates(l.dialogId, l.controlId)) << Where(l.dialogId, l.controlId) << " has a reason";
}

// Types the row's text into its field, once confirmed and once cancelled.
inline void RunRow(const Row& row)
{
    using namespace sheetdriver;
    SCOPED_TRACE(Where(row.dialogId, row.controlId));
    {
        std::unique_ptr<Subject> subject = row.make();
        BoxWatch boxes;
        std::string shown = "<not read>";
        subject->Open(Then(row.toField, {
            Type(row.controlId, row.typed),
            [&] { shown = Text(row.controlId); },
            row.confirm,
        }));
        EXPECT_EQ(row.shown, shown);
        EXPECT_EQ(row.stored, subject->Stored());
        EXPECT_EQ(std::vector<std::string>(), boxes.Texts());
    }
    if (!row.cancels)
        return;
    std::unique_ptr<Subject> subject = row.make();
    const std::string before = subject->Saved();
    BoxWatch boxes;
    subject->Open(Then(row.toField, { Type(row.controlId, row.typed), [] { Cancel(); } }));
    EXPECT_EQ(before, subject->Saved()) << "the saved form changed after Cancel";
    EXPECT_EQ(std::vector<std::string>(), boxes.Texts());
}

} // namespace fieldrows
