#include "tests/support/BoxRule.h"

#include "model/common/MessageReporter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>

namespace {

struct Expected
{
    std::string text;
    int answer;
    bool shown;
    bool repeats;   // allowed any number of times
};

struct RuleState
{
    std::mutex lock;
    std::vector<Expected> expected;
    std::vector<ShownBox> shown;
    std::vector<ShownBox> unexpected;
    // Boxes that came between cases (a suite's set-up, a static object).
    std::vector<ShownBox> outside;
    bool inCase = false;
    std::vector<BoxSource*> sources;
};

RuleState& State()
{
    static RuleState state;
    return state;
}

// Counts the box in the case; the answer its expectation names, or 0.
int Count(const ShownBox& box)
{
    RuleState& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    if (!state.inCase)
    {
        state.outside.push_back(box);
        return 0;
    }
    state.shown.push_back(box);
    for (Expected& entry : state.expected)
    {
        if ((!entry.shown || entry.repeats) && entry.text == box.text)
        {
            entry.shown = true;
            return entry.answer;
        }
    }
    state.unexpected.push_back(box);
    return 0;
}

thread_local int t_quietReading = 0;

// A box nobody expected gets the answer that starts the least: Cancel, else
// No, else its one button (a Yes could open a dialog nobody drives).
int CautiousAnswer(UINT flags)
{
    switch (flags & MB_TYPEMASK)
    {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL:
    case MB_CANCELTRYCONTINUE:
        return IDCANCEL;
    case MB_YESNO:
        return IDNO;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    }
    return IDOK;
}

int WINAPI RecordBox(HWND owner, const char* text, const char* caption, UINT flags)
{
    if (t_quietReading > 0)
        return CautiousAnswer(flags);
    ShownBox box;
    box.text = text ? text : "";
    box.caption = caption ? caption : "";
    box.flags = flags;
    box.hasOwner = owner != NULL;
    int answer = Count(box);
    return answer != 0 ? answer : CautiousAnswer(flags);
}

std::string Describe(const ShownBox& box)
{
    return "\"" + box.text + "\" (caption \"" + box.caption + "\", flags " + std::to_string(box.flags) + ")";
}

void CollectFromSources()
{
    std::vector<BoxSource*> sources;
    {
        RuleState& state = State();
        std::lock_guard<std::mutex> hold(state.lock);
        sources = state.sources;
    }
    for (BoxSource* source : sources)
        source->CollectBoxes();
}

void ReportOutside(const char* when)
{
    std::vector<ShownBox> outside;
    {
        RuleState& state = State();
        std::lock_guard<std::mutex> hold(state.lock);
        outside.swap(state.outside);
    }
    for (const ShownBox& box : outside)
        ADD_FAILURE() << "a message box showed " << when << ": " << Describe(box);
}

class BoxRuleListener : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo&) override
    {
        CollectFromSources();
        ReportOutside("before this case, outside any case");
        RuleState& state = State();
        std::lock_guard<std::mutex> hold(state.lock);
        state.expected.clear();
        state.shown.clear();
        state.unexpected.clear();
        state.inCase = true;
        SetMessageReporter(RecordBox);
    }

    void OnTestEnd(const ::testing::TestInfo&) override
    {
        CollectFromSources();
        std::vector<ShownBox> unexpected;
        std::vector<Expected> expected;
        {
            RuleState& state = State();
            std::lock_guard<std::mutex> hold(state.lock);
            unexpected.swap(state.unexpected);
            expected.swap(state.expected);
            state.inCase = false;
        }
        for (const ShownBox& box : unexpected)
            ADD_FAILURE() << "a message box showed that the case did not expect: " << Describe(box);
        for (const Expected& entry : expected)
        {
            if (!entry.shown && !entry.repeats)
                ADD_FAILURE() << "the case expected a message box that never showed: \"" << entry.text << "\"";
        }
        // A case may put a reporter of its own in place, but must put the
        // rule's back: any other would show the next case's boxes unseen.
        MessageReporterFn current = SetMessageReporter(RecordBox);
        if (current != RecordBox)
            ADD_FAILURE() << "the case left another message reporter in place";
    }

    void OnTestSuiteEnd(const ::testing::TestSuite&) override
    {
        CollectFromSources();
        ReportOutside("outside any case of the suite");
    }
};

} // namespace

void ExpectBox(const std::string& text, int answer)
{
    RuleState& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    state.expected.push_back({ text, answer, false, false });
}

void AllowBox(const std::string& text, int answer)
{
    RuleState& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    state.expected.push_back({ text, answer, false, true });
}

std::vector<ShownBox> ShownBoxes()
{
    RuleState& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    return state.shown;
}

std::vector<std::string> ShownBoxTexts()
{
    std::vector<std::string> texts;
    for (const ShownBox& box : ShownBoxes())
        texts.push_back(box.text);
    return texts;
}

BoxWatch::BoxWatch() : m_from(ShownBoxes().size())
{
}

std::vector<ShownBox> BoxWatch::Boxes() const
{
    std::vector<ShownBox> boxes = ShownBoxes();
    boxes.erase(boxes.begin(), boxes.begin() + (ptrdiff_t)std::min(m_from, boxes.size()));
    return boxes;
}

std::vector<std::string> BoxWatch::Texts() const
{
    std::vector<std::string> texts;
    for (const ShownBox& box : Boxes())
        texts.push_back(box.text);
    return texts;
}

QuietReading::QuietReading()
{
    ++t_quietReading;
}

QuietReading::~QuietReading()
{
    --t_quietReading;
}

BoxSource::BoxSource()
{
    RuleState& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    state.sources.push_back(this);
}

BoxSource::~BoxSource()
{
    RuleState& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    state.sources.erase(std::remove(state.sources.begin(), state.sources.end(), this), state.sources.end());
}

void NoteLoggedBox(const ShownBox& box)
{
    Count(box);
}

void InstallBoxRule()
{
    SetMessageReporter(RecordBox);
    ::testing::UnitTest::GetInstance()->listeners().Append(new BoxRuleListener);
}
