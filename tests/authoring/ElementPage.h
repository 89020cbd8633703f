// A page of 640 x 480 with the services of an editor around it, for the
// text and image elements' sheets, and the elements placed on it.
#pragma once

#include "actions/ActionTypes.h"
#include "authoring/ProjectFolder.h"
#include "authoring/TextImageSheets.h"
#include "model/Browser.h"
#include "model/ImageElement.h"
#include "model/TextElement.h"
#include "tests/e2e/PictureFiles.h"
#include "tests/model/FakeEditorServices.h"
#include "tests/support/TestSupport.h"

#include <string>
#include <vector>

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
    // A button of the picture src, its transparent pixel at (0, 0).
    CImageElement* AddImage(const char* src)
    {
        CImageElement* image = new CImageElement("Element_1", &page);
        image->RegisterId("Picture");
        image->m_strSrc = src;
        image->m_buttonType = CImageElement::TypeButton;
        image->m_transX = 0;
        image->m_transY = 0;
        image->LoadImage(FALSE);
        page.AddChild(image);
        return image;
    }
    std::string Path(const char* name) { return folder.File(name); }
};

// A picture of one colour with a red pixel in its top-left corner.
inline void WritePicture(const std::string& path, int width, int height)
{
    PictureRows rows = { width, height, std::vector<DWORD>((size_t)width * height, 0x2080C0) };
    rows.pixels[0] = 0xFF0000;
    WriteWholeFile(path, BitmapFileBytes(rows));
}
