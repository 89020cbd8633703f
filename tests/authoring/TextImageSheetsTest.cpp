// The text and image elements' sheets, opened through the model's hooks on
// elements of a page; what OK and Cancel leave is read back from the page's
// saved data file, section by section.
#include "actions/ActionTypes.h"
#include "authoring/Factories.h"
#include "authoring/ProjectFolder.h"
#include "authoring/TextImageSheets.h"
#include "model/Browser.h"
#include "model/ImageElement.h"
#include "model/PropertySheetHooks.h"
#include "model/TextElement.h"
#include "model/common/VariantHelpers.h"
#include "resources/editor/TextImagePagesIds.h"
#include "tests/authoring/StepsUntilDone.h"
#include "tests/e2e/PictureFiles.h"
#include "tests/model/ModelTestObjects.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

typedef std::map<std::string, KeyMap> SavedPage;

// The page saved into a file and read back, every section's keys.
SavedPage SaveAndRead(CBrowser& page, const std::string& path)
{
    CDataFile file;
    page.Save(&file);
    file.SaveToFile(path.c_str());
    CDataFile read;
    read.LoadFromFile(path.c_str());
    SavedPage saved;
    for (int i = 0; i < read.GetLineCount(); ++i) {
        std::string line = read.GetLine(i).c_str();
        if (line.size() > 2 && line[0] == '[') {
            std::string name = line.substr(1, line.find(']') - 1);
            saved[name] = SectionKeys(read, name.c_str());
        }
    }
    return saved;
}

// Every key that differs between two saves, as "section.key".
std::set<std::string> ChangedKeys(const SavedPage& before, const SavedPage& after)
{
    std::set<std::string> changed;
    for (const auto& section : after) {
        auto old = before.find(section.first);
        for (const auto& key : section.second) {
            if (old == before.end() || old->second.count(key.first) == 0 || old->second.at(key.first) != key.second)
                changed.insert(section.first + "." + key.first);
        }
    }
    for (const auto& section : before) {
        auto now = after.find(section.first);
        for (const auto& key : section.second) {
            if (now == after.end() || now->second.count(key.first) == 0)
                changed.insert(section.first + "." + key.first);
        }
    }
    return changed;
}

// A page of 640 x 480 with the services of an editor around it.
struct PageFixture
{
    ScratchDir folder;
    FakeEditorServices services;
    CBrowser page;
    PageFixture() : services(folder.Path())
    {
        page.m_containerWidth = 640;
        page.m_containerHeight = 480;
        services.currentPage = &page;
        SetDocumentFolder(folder.File("tarvex.pqz").c_str());
        BuildActionTypeTable();
        InstallTextImageSheets();
    }
    ~PageFixture()
    {
        page.Unload();
        SetDocumentFolder("");
    }
    CTextElement* AddText(const char* id, const char* section = "Element_1")
    {
        CTextElement* text = new CTextElement(section, &page);
        text->RegisterId(id);
        text->m_xpos = 20;
        text->m_ypos = 30;
        text->m_width = 300;
        text->m_height = 40;
        text->m_strText = "Hello";
        text->m_bgTransparency = 0.7123;
        page.AddChild(text);
        return text;
    }
    std::string Path(const char* name) { return folder.File(name); }
};

HWND ActiveSheet()
{
    HWND active = GetActiveWindow();
    return active;
}

HWND PageOf(HWND sheet)
{
    return (HWND)SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
}

SheetStep OnPage(int index, std::function<void(HWND)> action)
{
    return [index, action] {
        HWND sheet = ActiveSheet();
        if (sheet == NULL || PageOf(sheet) == NULL)
            return false;
        PropSheet_SetCurSel(sheet, NULL, index);
        action(PageOf(sheet));
        return true;
    };
}

SheetStep PressActive(int button)
{
    return [button] {
        HWND sheet = ActiveSheet();
        if (sheet == NULL)
            return false;
        SendMessageA(sheet, PSM_PRESSBUTTON, button, 0);
        return true;
    };
}

} // namespace

TEST(TextSheet, OkWritesTheChangedKeysAndCancelWritesNothing)
{
    const struct { bool ok; std::set<std::string> changed; } rows[] = {
        { true, { "Element_1.text", "Element_1.justification", "Element_1.bgTransparency", "Element_1.bgColor" } },
        { false, {} },
    };
    for (const auto& row : rows) {
        PageFixture fixture;
        CTextElement* text = fixture.AddText("Caption");
        SavedPage before = SaveAndRead(fixture.page, fixture.Path("before.pgd"));
        BOOL result = TRUE;
        RunSheetSteps([&] { return (INT_PTR)(result = text->EditProperties(FALSE)); }, {
            OnPage(0, [](HWND page) { TypeInto(page, IDC_TEXT_EDIT, "Goodbye"); }),
            OnPage(1, [](HWND page) { TypeInto(page, IDC_BAR_TRANSPARENCY, "40"); }),
            OnPage(2, [](HWND page) { ClickButton(page, IDC_ALIGN_CENTER); }),
            PressActive(row.ok ? PSBTN_OK : PSBTN_CANCEL),
        });
        SavedPage after = SaveAndRead(fixture.page, fixture.Path("after.pgd"));
        EXPECT_EQ(row.ok ? TRUE : FALSE, result);
        std::set<std::string> changed = ChangedKeys(before, after);
        // The colour bar stays black; only the other three change.
        std::set<std::string> expected = row.changed;
        expected.erase("Element_1.bgColor");
        EXPECT_EQ(expected, changed);
        if (row.ok) {
            EXPECT_EQ("Goodbye", after["Element_1"]["text"]);
            EXPECT_EQ("center", after["Element_1"]["justification"]);
            EXPECT_EQ("0.6000", after["Element_1"]["bgTransparency"]);
        }
    }
}

TEST(TextSheet, ReopeningAndOkKeepsTheStoredTransparencyAndTheName)
{
    PageFixture fixture;
    CTextElement* text = fixture.AddText("Text1");
    fixture.AddText("Text10", "Element_2");
    SavedPage before = SaveAndRead(fixture.page, fixture.Path("before.pgd"));
    for (int round = 0; round < 3; ++round) {
        RunSheetSteps([&] { return (INT_PTR)text->EditProperties(FALSE); }, { PressActive(PSBTN_OK) });
    }
    SavedPage after = SaveAndRead(fixture.page, fixture.Path("after.pgd"));
    EXPECT_EQ(std::set<std::string>(), ChangedKeys(before, after));
    EXPECT_EQ("Text1", std::string(text->m_strId));
}

TEST(TextSheet, AnOutOfRangeTransparencyIsReportedAndKeepsTheSheet)
{
    MessageRecorder recorder;
    PageFixture fixture;
    CTextElement* text = fixture.AddText("Caption");
    SavedPage before = SaveAndRead(fixture.page, fixture.Path("before.pgd"));
    size_t messagesAfterOk = 0;
    BOOL result = TRUE;
    RunSheetSteps([&] { return (INT_PTR)(result = text->EditProperties(FALSE)); }, {
        OnPage(1, [](HWND page) { TypeInto(page, IDC_BAR_TRANSPARENCY, "150"); }),
        PressActive(PSBTN_OK),
        [&] {
            messagesAfterOk = recorder.Messages().size();
            return true;
        },
        PressActive(PSBTN_CANCEL),
    });
    EXPECT_FALSE(result);
    EXPECT_EQ(1u, messagesAfterOk);
    EXPECT_EQ(1u, recorder.Messages().size());
    EXPECT_EQ(std::set<std::string>(), ChangedKeys(before, SaveAndRead(fixture.page, fixture.Path("after.pgd"))));
}

TEST(TextSheet, TheInsertWizardTakesTheTextAndTheColourBar)
{
    PageFixture fixture;
    CTextElement* text = fixture.AddText("Caption");
    BOOL result = FALSE;
    RunSheetSteps([&] { return (INT_PTR)(result = text->EditProperties(TRUE)); }, {
        OnPage(0, [](HWND page) { TypeInto(page, IDC_TEXT_EDIT, "Welcome aboard"); }),
        PressActive(PSBTN_NEXT),
        OnPage(1, [](HWND page) { TypeInto(page, IDC_BAR_TRANSPARENCY, "25"); }),
        PressActive(PSBTN_FINISH),
    });
    EXPECT_TRUE(result);
    EXPECT_EQ("Welcome aboard", std::string(text->m_strText));
    EXPECT_DOUBLE_EQ(0.75, text->m_bgTransparency);
    EXPECT_EQ(20, text->m_xpos);
}

TEST(TextChoice, OnlyChangedValuesBecomeAssignmentsAndTheElementStays)
{
    PageFixture fixture;
    CTextElement* text = fixture.AddText("Caption");
    CPropertyRecordList list;
    VARIANT size;
    size.vt = VT_I4;
    size.lVal = 20;
    list.push_back(CPropertyRecord("fontSize", "", size, VT_I4, TRUE));
    BOOL result = FALSE;
    RunSheetSteps([&] { return (INT_PTR)(result = text->ChooseProperties(list)); }, {
        OnPage(0, [](HWND page) { TypeInto(page, IDC_TEXT_EDIT, "Changed"); }),
        OnPage(1, [](HWND page) { TypeInto(page, IDC_BAR_TRANSPARENCY, "50"); }),
        PressActive(PSBTN_OK),
    });
    ASSERT_TRUE(result);
    std::map<std::string, std::pair<VARTYPE, std::string>> assigned;
    for (const CPropertyRecord& record : list)
        assigned[record.m_strName.c_str()] = { record.m_vt, VariantToText(record.m_value).c_str() };
    std::map<std::string, std::pair<VARTYPE, std::string>> expected = {
        { "fontSize", { VT_I4, "20" } },
        { "text", { VT_BSTR, "Changed" } },
        { "bgTransparency", { VT_R8, "0.5" } },
    };
    EXPECT_EQ(expected, assigned);
    EXPECT_EQ("Hello", std::string(text->m_strText));
    EXPECT_EQ(10, text->m_fontSize);
    EXPECT_TRUE(PropertyListIsChanged(text->m_properties, "text"));
    EXPECT_FALSE(PropertyListIsChanged(text->m_properties, "fontName"));

    CPropertyRecordList untouched = list;
    RunSheetSteps([&] { return (INT_PTR)(result = text->ChooseProperties(list)); }, {
        OnPage(0, [](HWND page) { TypeInto(page, IDC_TEXT_EDIT, "Again"); }),
        PressActive(PSBTN_CANCEL),
    });
    EXPECT_FALSE(result);
    ASSERT_EQ(untouched.size(), list.size());
    for (size_t i = 0; i < list.size(); ++i)
        EXPECT_EQ(VariantToText(untouched[i].m_value), VariantToText(list[i].m_value));
}

namespace {

void WritePicture(const std::string& path, int width, int height)
{
    PictureRows rows = { width, height, std::vector<DWORD>((size_t)width * height, 0x2080C0) };
    rows.pixels[0] = 0xFF0000;
    WriteWholeFile(path, BitmapFileBytes(rows));
}

CImageElement* AddImage(PageFixture& fixture, const char* src)
{
    CImageElement* image = new CImageElement("Element_1", &fixture.page);
    image->RegisterId("Picture");
    image->m_strSrc = src;
    image->m_buttonType = CImageElement::TypeButton;
    image->m_transX = 0;
    image->m_transY = 0;
    image->LoadImage(FALSE);
    fixture.page.AddChild(image);
    return image;
}

} // namespace

TEST(ImageSheet, OkWritesThePictureAndEffectsAndCancelWritesNothing)
{
    const struct { bool ok; } rows[] = { { true }, { false } };
    for (const auto& row : rows) {
        PageFixture fixture;
        WritePicture(fixture.Path("a.bmp"), 40, 30);
        WritePicture(fixture.Path("b.bmp"), 60, 20);
        WritePicture(fixture.Path("over.bmp"), 60, 20);
        CImageElement* image = AddImage(fixture, "a.bmp");
        ASSERT_NE(nullptr, image->m_hMask);
        SavedPage before = SaveAndRead(fixture.page, fixture.Path("before.pgd"));
        BOOL result = TRUE;
        RunSheetSteps([&] { return (INT_PTR)(result = image->EditProperties(FALSE)); }, {
            OnPage(0, [](HWND page) { TypeInto(page, IDC_IMAGE_PATH, "b.bmp"); }),
            OnPage(1, [](HWND page) { TypeInto(page, IDC_EFFECT_OVER, "over.bmp"); }),
            OnPage(0, [](HWND) {}),
            PressActive(row.ok ? PSBTN_OK : PSBTN_CANCEL),
        });
        SavedPage after = SaveAndRead(fixture.page, fixture.Path("after.pgd"));
        if (!row.ok) {
            EXPECT_FALSE(result);
            EXPECT_EQ(std::set<std::string>(), ChangedKeys(before, after));
            // Cancelled, the picture keeps its transparency.
            EXPECT_NE(nullptr, image->m_hMask);
            continue;
        }
        EXPECT_TRUE(result);
        EXPECT_EQ("b.bmp", after["Element_1"]["src"]);
        EXPECT_EQ("60", after["Element_1"]["width"]);
        EXPECT_EQ("20", after["Element_1"]["height"]);
        EXPECT_EQ("1", after["Element_1"]["buttonType"]);
        CStr over, down;
        image->GetEffectImages(over, down);
        EXPECT_EQ("over.bmp", std::string(over));
        EXPECT_EQ("", std::string(down));
        CScript* restore = image->FindScriptForEvent("OnMouseOut");
        ASSERT_NE(nullptr, restore);
    }
}

TEST(ImageSheet, TheInsertWizardMakesASystemButtonWithoutAPicture)
{
    PageFixture fixture;
    MessageRecorder recorder;
    CImageElement* image = CreateImageElement(&fixture.page);
    fixture.page.AddChild(image);
    const int kNext = 0x3024, kFinish = 0x3025;
    auto shown = [](HWND page, int id) {
        HWND button = GetDlgItem(SheetOfPage(page), id);
        return IsWindowVisible(button) && IsWindowEnabled(button);
    };
    bool nextBefore = true, nextAfterTick = false, nextAfterCaption = false, finishAtEnd = false;
    BOOL result = FALSE;
    RunSheetSteps([&] { return (INT_PTR)(result = image->EditProperties(TRUE)); }, {
        OnPage(0, [&](HWND page) {
            nextBefore = shown(page, kNext);
            ClickButton(page, IDC_IMAGE_SYSTEM_BUTTON);
            nextAfterTick = shown(page, kNext);
            TypeKeys(GetDlgItem(page, IDC_IMAGE_CAPTION), "Go");
            nextAfterCaption = shown(page, kNext);
        }),
        PressActive(PSBTN_NEXT),
        [&] {
            HWND page = PageOf(ActiveSheet());
            if (page == NULL || GetDlgItem(page, IDC_EFFECT_OVER) == NULL)
                return false;
            finishAtEnd = shown(page, kFinish);
            return true;
        },
        PressActive(PSBTN_FINISH),
    });
    EXPECT_FALSE(nextBefore);
    EXPECT_TRUE(nextAfterTick);
    EXPECT_TRUE(nextAfterCaption);
    EXPECT_TRUE(finishAtEnd);
    EXPECT_TRUE(result);
    SavedPage saved = SaveAndRead(fixture.page, fixture.Path("after.pgd"));
    KeyMap& keys = saved[image->GetSectionName().c_str()];
    EXPECT_EQ(std::to_string(CImageElement::TypeSystemButton), keys["buttonType"]);
    EXPECT_EQ("Go", keys["text"]);
    EXPECT_TRUE(recorder.Messages().empty());
}

TEST(ImageChoice, ASystemButtonCaptionClearsThePictureInTheAssignments)
{
    PageFixture fixture;
    WritePicture(fixture.Path("a.bmp"), 40, 30);
    CImageElement* image = AddImage(fixture, "a.bmp");
    CPropertyRecordList list;
    BOOL result = FALSE;
    RunSheetSteps([&] { return (INT_PTR)(result = image->ChooseProperties(list)); }, {
        OnPage(0, [](HWND page) {
            ClickButton(page, IDC_IMAGE_SYSTEM_BUTTON);
            TypeInto(page, IDC_IMAGE_CAPTION, "Go on");
        }),
        PressActive(PSBTN_OK),
    });
    ASSERT_TRUE(result);
    std::map<std::string, std::string> assigned;
    for (const CPropertyRecord& record : list)
        assigned[record.m_strName.c_str()] = VariantToText(record.m_value).c_str();
    std::map<std::string, std::string> expected = { { "src", "" }, { "buttonText", "Go on" } };
    EXPECT_EQ(expected, assigned);
    EXPECT_EQ("a.bmp", std::string(image->m_strSrc));

    list.clear();
    RunSheetSteps([&] { return (INT_PTR)(result = image->ChooseProperties(list)); }, {
        OnPage(0, [](HWND page) { TypeInto(page, IDC_IMAGE_PATH, ""); }),
        PressActive(PSBTN_OK),
    });
    EXPECT_FALSE(result);
    EXPECT_TRUE(list.empty());
}
