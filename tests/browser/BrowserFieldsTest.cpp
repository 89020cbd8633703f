// Every edit of the controls browser's dialog templates typed into as a
// person types (the table of tests/support/FieldRows.h): the list page's
// search, over a catalogue made for it.
#include "browser/ui/ControlsList.h"
#include "browser/ui/ZephraneApp.h"
#include "platform/atl/AtlBase.h"
#include "resources/ZephraneIds.h"
#include "tests/support/FieldRows.h"

#include <gtest/gtest.h>

// The program's module, which its application object names.
CComModule _Module;

using namespace fieldrows;
using namespace sheetdriver;

namespace {

// The list page as the program's sheet holds it, with two controls listed.
class ListPageSubject : public Subject
{
public:
    ListPageSubject()
    {
        m_app.m_catalog.Append(CControlCatalogEntry("{00000000-0000-0000-0000-0000000000A1}", "Alpha Grid"));
        m_app.m_catalog.Append(CControlCatalogEntry("{00000000-0000-0000-0000-0000000000B2}", "Beta Chart"));
    }

    void Open(Steps steps) override
    {
        CControlsList page;
        page.m_pApp = &m_app;
        page.m_pCatalog = &m_app.m_catalog;
        page.m_pSelected = &m_app.m_nSelected;
        CPropertySheet sheet("Zephrane");
        sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
        sheet.AddPage(&page);
        RunSheet(sheet, std::move(steps));
        m_search = page.m_strSearch.c_str();
    }
    // The browser keeps nothing of its own but the catalogue.
    std::string Saved() override
    {
        std::string names;
        for (int i = 0; i < m_app.m_catalog.GetCount(); ++i)
            names += std::string(m_app.m_catalog.GetEntry(i)->GetDisplayName()) + "|";
        return names;
    }
    // The search text the page takes, and the entry chosen.
    std::string Stored() override { return m_search + "|" + std::to_string(m_app.m_nSelected); }

private:
    CZephraneApp m_app;
    std::string m_search;
};

std::vector<Row> Rows()
{
    Row search = { IDD_CONTROLS_LIST, IDC_SEARCH_TEXT, [] { return std::unique_ptr<Subject>(new ListPageSubject); },
                   {}, "Ab1", "Ab1", "Ab1|0" };
    // Find takes the text; nothing matches, so the first entry stays chosen.
    search.confirm = [] {
        Click(IDC_FIND);
        Ok();
    };
    return { search };
}

const std::vector<LeftOut> kLeftOut = {
    { IDD_CONTROLS_LIST, IDC_CONTROL_INFO, "read-only: the chosen control's identifiers", ES_READONLY },
};

} // namespace

TEST(BrowserFields, EveryEditOfTheTemplatesHasARowOrAReason)
{
    ExpectEveryEditCovered(Rows(), kLeftOut);
}

TEST(BrowserFields, TheListPagesSearchTakesWhatIsTyped)
{
    for (const Row& row : Rows())
        RunRow(row);
}
