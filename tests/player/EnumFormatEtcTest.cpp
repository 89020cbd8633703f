// The format enumerator a drop target walks: Next, Skip, Reset and Clone.
#include "player/runtime/EnumFormatEtc.h"

#include <gtest/gtest.h>

#include <string.h>
#include <string>

using namespace Tarvex;

namespace {

const FORMATETC kThree[] = {
    { CF_HDROP, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL },
    { CF_TEXT, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL },
    { CF_DIB, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL },
};

IEnumFORMATETC* Make(ULONG count)
{
    IEnumFORMATETC* enumerator = new CEnumFormatEtc(kThree, count);
    enumerator->AddRef();
    return enumerator;
}

// The formats still to come, as their numbers ("15,1,").
std::string Rest(IEnumFORMATETC* enumerator)
{
    std::string rest;
    FORMATETC format;
    while (enumerator->Next(1, &format, NULL) == S_OK)
        rest += std::to_string(format.cfFormat) + ",";
    return rest;
}

} // namespace

TEST(EnumFormatEtc, NextCopiesWhatIsLeftUpToTheCount)
{
    IEnumFORMATETC* one = Make(1);
    FORMATETC formats[3] = {};
    ULONG fetched = 99;
    EXPECT_EQ(S_OK, one->Next(1, formats, &fetched));
    EXPECT_EQ(1u, fetched);
    EXPECT_EQ(0, memcmp(&kThree[0], &formats[0], sizeof(FORMATETC)));
    EXPECT_EQ(S_FALSE, one->Next(1, formats, &fetched));
    EXPECT_EQ(0u, fetched);
    EXPECT_EQ(S_OK, one->Reset());
    EXPECT_EQ(S_FALSE, one->Next(3, formats, &fetched));
    EXPECT_EQ(1u, fetched);
    EXPECT_EQ(0u, one->Release());

    struct Case
    {
        const char* name;
        ULONG count;
        bool array;
        bool counter;
        HRESULT expected;
        ULONG fetched;
    };
    const Case cases[] = {
        { "two of three", 2, true, true, S_OK, 2 },
        { "one without a counter", 1, true, false, S_OK, 0 },
        { "two without a counter", 2, true, false, S_FALSE, 0 },
        { "none", 0, true, true, S_FALSE, 0 },
        { "no array", 1, false, true, S_FALSE, 0 },
    };
    for (const Case& c : cases)
    {
        IEnumFORMATETC* three = Make(3);
        fetched = 99;
        EXPECT_EQ(c.expected, three->Next(c.count, c.array ? formats : NULL, c.counter ? &fetched : NULL)) << c.name;
        if (c.counter)
        {
            EXPECT_EQ(c.fetched, fetched) << c.name;
        }
        three->Release();
    }
}

TEST(EnumFormatEtc, SkipMovesOnlyWhileEntriesAreLeft)
{
    struct Case
    {
        const char* name;
        ULONG before;
        ULONG count;
        HRESULT expected;
        const char* rest;
    };
    const Case cases[] = {
        { "two from the start", 0, 2, S_OK, "8," },
        { "nothing", 1, 0, S_OK, "1,8," },
        { "to the end", 1, 2, S_FALSE, "1,8," },
        { "past the end", 0, 5, S_FALSE, "15,1,8," },
        { "so far that it would wrap", 1, 0xFFFFFFFF, S_FALSE, "1,8," },
    };
    for (const Case& c : cases)
    {
        IEnumFORMATETC* enumerator = Make(3);
        FORMATETC skipped[3];
        ULONG fetched = 0;
        if (c.before)
            enumerator->Next(c.before, skipped, &fetched);
        EXPECT_EQ(c.expected, enumerator->Skip(c.count)) << c.name;
        EXPECT_EQ(c.rest, Rest(enumerator)) << c.name;
        enumerator->Release();
    }
}

TEST(EnumFormatEtc, CloneWalksItsOwnCopyFromTheSamePlace)
{
    IEnumFORMATETC* original = Make(3);
    EXPECT_EQ(S_OK, original->Skip(1));
    IEnumFORMATETC* clone = NULL;
    ASSERT_EQ(S_OK, original->Clone(&clone));
    EXPECT_EQ(S_FALSE, original->Clone(NULL));
    EXPECT_EQ(0u, original->Release());
    EXPECT_EQ("1,8,", Rest(clone));
    EXPECT_EQ(S_OK, clone->Reset());
    EXPECT_EQ("15,1,8,", Rest(clone));

    void* object = NULL;
    EXPECT_EQ(S_OK, clone->QueryInterface(IID_IEnumFORMATETC, &object));
    EXPECT_EQ(static_cast<IUnknown*>(clone), object);
    EXPECT_EQ(1u, clone->Release());
    EXPECT_EQ(E_NOINTERFACE, clone->QueryInterface(IID_IDataObject, &object));
    EXPECT_EQ(nullptr, object);
    EXPECT_EQ(0u, clone->Release());
}

TEST(EnumFormatEtc, ATargetDeviceIsCopiedForEveryReceiver)
{
    DVTARGETDEVICE* device = static_cast<DVTARGETDEVICE*>(CoTaskMemAlloc(sizeof(DVTARGETDEVICE) + 8));
    memset(device, 0x5A, sizeof(DVTARGETDEVICE) + 8);
    device->tdSize = sizeof(DVTARGETDEVICE) + 8;
    FORMATETC withDevice = { CF_HDROP, device, DVASPECT_CONTENT, -1, TYMED_HGLOBAL };
    IEnumFORMATETC* enumerator = new CEnumFormatEtc(&withDevice, 1);
    enumerator->AddRef();
    // The enumerator's copy outlives the one it was made from.
    CoTaskMemFree(device);
    FORMATETC given = {};
    ASSERT_EQ(S_OK, enumerator->Next(1, &given, NULL));
    ASSERT_NE(nullptr, given.ptd);
    EXPECT_EQ(sizeof(DVTARGETDEVICE) + 8, given.ptd->tdSize);
    EXPECT_EQ(0x5A, reinterpret_cast<const BYTE*>(given.ptd)[sizeof(DWORD)]);
    CoTaskMemFree(given.ptd);
    enumerator->Release();
}
