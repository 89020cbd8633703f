// The sample's pages read alike in the editor and in the player: every text
// is laid out with the same DrawText flags by both programs' text elements
// (their defaults differ where a page leaves a key out), and every page has
// an id of its own for the editor's tree.
#include "model/Browser.h"
#include "model/TextElement.h"
#include "player/runtime/Browser.h"
#include "player/runtime/BrowserDocument.h"
#include "player/runtime/IdManager.h"
#include "player/runtime/TextElement.h"
#include "model/store/DataFile.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

const char* const kPages[] = { "tarvex.pgd", "page_2.pgd", "page_3.pgd" };

TEST(SampleTextFormat, EditorAndPlayerLayOutEveryTextAlike)
{
    std::set<std::string> pageIds;
    for (const char* name : kPages)
    {
        SCOPED_TRACE(name);
        CDataFile file;
        ASSERT_TRUE(file.LoadFromFile((std::string(SAMPLE_DIR) + "/" + name).c_str()));

        CBrowser editorPage;
        editorPage.Load(&file, TRUE);
        std::map<std::string, UINT> editorFormats;
        for (CElement* child : editorPage.m_children)
            if (CTextElement* text = dynamic_cast<CTextElement*>(child))
                editorFormats[text->GetId().c_str()] = text->m_format;

        Tarvex::CIdManager::Get().Clear();
        Tarvex::CBrowserDocument document;
        ASSERT_TRUE(document.Load(file));
        Tarvex::CBrowser* playerPage = document.GetCurrentPage();
        ASSERT_NE(nullptr, playerPage);
        std::map<std::string, UINT> playerFormats;
        for (int i = 0; i < playerPage->GetChildCount(); ++i)
            if (auto* text = dynamic_cast<Tarvex::CTextElement*>(playerPage->GetChild(i)))
                playerFormats[text->GetId().c_str()] = text->GetFormat();

        EXPECT_FALSE(editorFormats.empty());
        EXPECT_EQ(editorFormats.size(), playerFormats.size());
        for (const auto& text : editorFormats)
        {
            ASSERT_TRUE(playerFormats.count(text.first)) << text.first;
            EXPECT_EQ(text.second, playerFormats[text.first]) << text.first << std::hex << ": editor "
                                                               << text.second << ", player "
                                                               << playerFormats[text.first];
        }

        // The tree names a page by its id: without one it shows the type.
        CStr title;
        file.GetString("Main", "title", title);
        EXPECT_STREQ(title, editorPage.GetDisplayName());
        pageIds.insert(editorPage.GetId().c_str());
    }
    EXPECT_EQ(3u, pageIds.size()) << "each page its own id";
}

} // namespace
