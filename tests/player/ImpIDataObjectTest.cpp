// The drag's data object by its COM answers, and the file-list block that a
// drop target receives.
#include "player/runtime/ImpIDataObject.h"

#include <gtest/gtest.h>

#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

using namespace Tarvex;

namespace {

FORMATETC Format(CLIPFORMAT cf, DWORD aspect = DVASPECT_CONTENT, DWORD tymed = TYMED_HGLOBAL)
{
    FORMATETC format = { cf, NULL, aspect, -1, tymed };
    return format;
}

// A data object as the action sets it up: one CF_HDROP format, no memory.
IDataObject* MakeDragData(const char* path)
{
    IDataObject* data = new CImpIDataObject(path);
    FORMATETC format = Format(CF_HDROP);
    STGMEDIUM medium = {};
    medium.tymed = TYMED_HGLOBAL;
    EXPECT_EQ(S_OK, data->SetData(&format, &medium, TRUE));
    return data;
}

// Stands in for a medium's owner: counts the releases the data object makes.
class ReleaseCounter : public IUnknown
{
public:
    STDMETHODIMP QueryInterface(REFIID, void** object) override
    {
        *object = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override
    {
        ++releases;
        return 1;
    }
    int releases = 0;
};

std::string BlockBytes(HGLOBAL block, size_t length)
{
    const char* bytes = static_cast<const char*>(GlobalLock(block));
    std::string copy(bytes, length);
    GlobalUnlock(block);
    return copy;
}

std::vector<CLIPFORMAT> Formats(IDataObject* data)
{
    std::vector<CLIPFORMAT> formats;
    IEnumFORMATETC* enumerator = NULL;
    if (FAILED(data->EnumFormatEtc(DATADIR_GET, &enumerator)))
        return formats;
    FORMATETC format;
    ULONG fetched = 0;
    while (enumerator->Next(1, &format, &fetched) == S_OK)
        formats.push_back(format.cfFormat);
    enumerator->Release();
    return formats;
}

} // namespace

TEST(ImpIDataObject, GetDataGivesAFreshDropFilesBlockOfThePath)
{
    const std::string longPath = "C:\\" + std::string(300, 'x') + ".txt";
    const char* paths[] = { "C:\\disc\\notes.txt", "C:\\100% %s %n %d.txt", longPath.c_str() };
    for (const char* path : paths)
    {
        SCOPED_TRACE(path);
        // The header (pFiles 20, point 0, fNC 0, fWide 0), the 8-bit name
        // and the zero that ends the list.
        std::string expected("\x14\0\0\0", 4);
        expected += std::string(16, '\0');
        expected += path;
        expected += std::string(2, '\0');

        IDataObject* data = MakeDragData(path);
        FORMATETC format = Format(CF_HDROP);
        STGMEDIUM first;
        memset(&first, 0xCC, sizeof(first));
        ASSERT_EQ(S_OK, data->GetData(&format, &first));
        EXPECT_EQ((DWORD)TYMED_HGLOBAL, first.tymed);
        EXPECT_EQ(nullptr, first.pUnkForRelease);
        ASSERT_NE(nullptr, first.hGlobal);
        ASSERT_GE(GlobalSize(first.hGlobal), expected.size());
        EXPECT_EQ(expected, BlockBytes(first.hGlobal, expected.size()));
        std::vector<char> name(1000, '\0');
        HDROP drop = static_cast<HDROP>(first.hGlobal);
        EXPECT_EQ(1u, DragQueryFileA(drop, 0xFFFFFFFF, NULL, 0));
        DragQueryFileA(drop, 0, &name[0], (UINT)name.size());
        EXPECT_STREQ(path, &name[0]);

        STGMEDIUM second = {};
        ASSERT_EQ(S_OK, data->GetData(&format, &second));
        EXPECT_NE(first.hGlobal, second.hGlobal) << "each receiver owns a block of its own";
        ReleaseStgMedium(&first);
        ReleaseStgMedium(&second);
        EXPECT_EQ(0u, data->Release());
    }
}

TEST(ImpIDataObject, QueryAndGetAnswerByFormatAspectAndTymed)
{
    struct Case
    {
        const char* name;
        FORMATETC format;
        HRESULT query;
        HRESULT get;
    };
    const Case cases[] = {
        { "CF_HDROP in global memory", Format(CF_HDROP), S_OK, S_OK },
        { "CF_HDROP in memory or a stream", Format(CF_HDROP, DVASPECT_CONTENT, TYMED_HGLOBAL | TYMED_ISTREAM), S_OK,
          S_OK },
        { "CF_HDROP in a stream only", Format(CF_HDROP, DVASPECT_CONTENT, TYMED_ISTREAM), DV_E_TYMED,
          DV_E_FORMATETC },
        { "CF_HDROP as a thumbnail", Format(CF_HDROP, DVASPECT_THUMBNAIL), DV_E_DVASPECT, DV_E_FORMATETC },
        { "CF_TEXT", Format(CF_TEXT), DV_E_TYMED, DV_E_FORMATETC },
    };
    IDataObject* data = MakeDragData("C:\\a.txt");
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        FORMATETC format = c.format;
        EXPECT_EQ(c.query, data->QueryGetData(&format));
        STGMEDIUM medium = {};
        EXPECT_EQ(c.get, data->GetData(&format, &medium));
        if (SUCCEEDED(c.get))
        {
            ReleaseStgMedium(&medium);
        }
        else
        {
            EXPECT_EQ(nullptr, medium.hGlobal);
        }
    }
    FORMATETC format = Format(CF_HDROP);
    STGMEDIUM medium = {};
    EXPECT_EQ(S_FALSE, data->QueryGetData(NULL));
    EXPECT_EQ(E_INVALIDARG, data->GetData(NULL, &medium));
    EXPECT_EQ(E_INVALIDARG, data->GetData(&format, NULL));
    data->Release();

    IDataObject* empty = new CImpIDataObject("C:\\a.txt");
    EXPECT_EQ(DV_E_TYMED, empty->QueryGetData(&format));
    EXPECT_EQ(DV_E_FORMATETC, empty->GetData(&format, &medium));
    empty->Release();
}

TEST(ImpIDataObject, TheOtherMethodsAnswerAsTheObjectSupportsThem)
{
    IDataObject* data = MakeDragData("C:\\a.txt");
    FORMATETC format = Format(CF_HDROP);
    FORMATETC canonical = {};
    STGMEDIUM medium = {};
    IEnumFORMATETC* enumerator = NULL;
    IEnumSTATDATA* advise = NULL;
    DWORD connection = 0;
    void* object = NULL;
    struct Case
    {
        const char* name;
        HRESULT result;
        HRESULT expected;
    };
    const Case cases[] = {
        { "GetDataHere", data->GetDataHere(&format, &medium), E_NOTIMPL },
        { "GetDataHere without a medium", data->GetDataHere(&format, NULL), E_INVALIDARG },
        { "GetDataHere without a format", data->GetDataHere(NULL, &medium), E_INVALIDARG },
        { "GetCanonicalFormatEtc", data->GetCanonicalFormatEtc(&format, &canonical), DATA_S_SAMEFORMATETC },
        { "EnumFormatEtc to set", data->EnumFormatEtc(DATADIR_SET, &enumerator), OLE_S_USEREG },
        { "EnumFormatEtc without an out pointer", data->EnumFormatEtc(DATADIR_GET, NULL), E_INVALIDARG },
        { "DAdvise", data->DAdvise(&format, 0, NULL, &connection), E_NOTIMPL },
        { "DUnadvise", data->DUnadvise(connection), E_NOTIMPL },
        { "EnumDAdvise", data->EnumDAdvise(&advise), OLE_E_ADVISENOTSUPPORTED },
        { "SetData without release", data->SetData(&format, &medium, FALSE), E_FAIL },
        { "SetData without a format", data->SetData(NULL, &medium, TRUE), E_INVALIDARG },
        { "SetData without a medium", data->SetData(&format, NULL, TRUE), E_INVALIDARG },
        { "QueryInterface IDropSource", data->QueryInterface(IID_IDropSource, &object), E_NOINTERFACE },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, c.result) << c.name;
    EXPECT_EQ(nullptr, enumerator);
    EXPECT_EQ(nullptr, object);

    const IID* interfaces[] = { &IID_IUnknown, &IID_IDataObject };
    for (const IID* iid : interfaces)
    {
        ASSERT_EQ(S_OK, data->QueryInterface(*iid, &object));
        EXPECT_EQ(static_cast<IUnknown*>(data), object);
        EXPECT_EQ(1u, data->Release());
    }
    EXPECT_EQ(2u, data->AddRef());
    EXPECT_EQ(1u, data->Release());
    EXPECT_EQ(0u, data->Release());
}

TEST(ImpIDataObject, SetDataKeepsOneMediumPerFormatAndReleasesEachOnce)
{
    ReleaseCounter owners[7];
    auto Set = [](IDataObject* data, CLIPFORMAT cf, ReleaseCounter& owner) {
        FORMATETC format = Format(cf);
        STGMEDIUM medium = {};
        medium.tymed = TYMED_HGLOBAL;
        medium.hGlobal = GlobalAlloc(GMEM_MOVEABLE, 4);
        medium.pUnkForRelease = &owner;
        HRESULT hr = data->SetData(&format, &medium, TRUE);
        if (FAILED(hr))
            GlobalFree(medium.hGlobal);
        return hr;
    };
    IDataObject* data = new CImpIDataObject("C:\\a.txt");
    const CLIPFORMAT five[] = { CF_HDROP, CF_TEXT, CF_DIB, CF_UNICODETEXT, CF_LOCALE };
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(S_OK, Set(data, five[i], owners[i])) << "format " << five[i];
    EXPECT_EQ(E_OUTOFMEMORY, Set(data, CF_OEMTEXT, owners[5])) << "a sixth format";
    // A format set again takes the place of its old medium, even when full.
    EXPECT_EQ(S_OK, Set(data, CF_TEXT, owners[6]));
    EXPECT_EQ(1, owners[1].releases) << "the replaced medium";
    EXPECT_EQ(std::vector<CLIPFORMAT>(five, five + 5), Formats(data));
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(i == 1 ? 1 : 0, owners[i].releases) << "owner " << i << " before the end";

    data->Release();
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(i == 5 ? 0 : 1, owners[i].releases) << "owner " << i << " after the end";
}
