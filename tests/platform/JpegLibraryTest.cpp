#include "platform/ijl10/ijl10.h"
#include "tests/support/JpegBytes.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <wincodec.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// 21 x 16: columns 0-7 red, 8-15 green, 16-20 blue. An odd width makes
// each decoded row carry one pad byte.
const UINT kWidth = 21;
const UINT kHeight = 16;

BYTE ChannelAt(UINT x, int channel)   // blue 0, green 1, red 2
{
    const int band = x < 8 ? 2 : x < 16 ? 1 : 0;
    return channel == band ? 255 : 0;
}

template <class T>
struct Released
{
    T* p = NULL;
    ~Released()
    {
        if (p)
            p->Release();
    }
};

// Encoded with WIC's own JPEG encoder.
bool WriteJpeg(const std::string& path)
{
    std::vector<BYTE> rows(kWidth * 3 * kHeight);
    for (UINT y = 0; y < kHeight; ++y)
        for (UINT x = 0; x < kWidth; ++x)
            for (int c = 0; c < 3; ++c)
                rows[(y * kWidth + x) * 3 + c] = ChannelAt(x, c);

    std::wstring wide(path.begin(), path.end());
    Released<IWICImagingFactory> factory;
    Released<IWICStream> stream;
    Released<IWICBitmapEncoder> encoder;
    Released<IWICBitmapFrameEncode> frame;
    Released<IPropertyBag2> options;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory, reinterpret_cast<void**>(&factory.p))) &&
           SUCCEEDED(factory.p->CreateStream(&stream.p)) &&
           SUCCEEDED(stream.p->InitializeFromFilename(wide.c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory.p->CreateEncoder(GUID_ContainerFormatJpeg, NULL, &encoder.p)) &&
           SUCCEEDED(encoder.p->Initialize(stream.p, WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder.p->CreateNewFrame(&frame.p, &options.p)) &&
           SUCCEEDED(frame.p->Initialize(options.p)) &&
           SUCCEEDED(frame.p->SetSize(kWidth, kHeight)) &&
           SUCCEEDED(frame.p->SetPixelFormat(&format)) && format == GUID_WICPixelFormat24bppBGR &&
           SUCCEEDED(frame.p->WritePixels(kHeight, kWidth * 3, static_cast<UINT>(rows.size()), rows.data())) &&
           SUCCEEDED(frame.p->Commit()) && SUCCEEDED(encoder.p->Commit());
}

class JpegLibrary : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
        m_path = m_dir.File("bands.jpg");
        ASSERT_TRUE(WriteJpeg(m_path));
        WriteWholeFile(m_dir.File("notes.jpg"), "Not a picture at all.\r\n");
        // The headers whole, the pixels broken off where they start.
        std::string cut = CutOffInItsPixels(ReadWholeFile(m_path));
        ASSERT_FALSE(cut.empty());
        WriteWholeFile(m_dir.File("cut.jpg"), cut);
    }
    void TearDown() override { CoUninitialize(); }

    ScratchDir m_dir;
    std::string m_path;
};

// What a caller does: size first, then a buffer of padded rows, then pixels.
int DecodeLikeTheImageElement(const std::string& path, std::vector<BYTE>& buffer, UINT& stride,
                              JpegProperties& props)
{
    JpegInitProperties(&props);
    props.JPGFile = path.c_str();
    int result = JpegRead(&props, JPEG_READ_PARAMS);
    if (result < 0)
        return result;
    stride = (props.JPGWidth * 3 + 3) & ~3u;
    buffer.assign(stride * props.JPGHeight, 0xAB);
    props.DIBBytes = buffer.data();
    props.DIBWidth = props.JPGWidth;
    props.DIBHeight = static_cast<int>(props.JPGHeight);
    props.DIBPadBytes = stride - props.JPGWidth * 3;
    props.DIBChannels = 3;
    props.DIBColor = JPEG_COLOUR_BGR;
    result = JpegRead(&props, JPEG_READ_PIXELS);
    JpegFreeProperties(&props);
    return result;
}

TEST_F(JpegLibrary, ReadsTheSizeThenBlueGreenRedRows)
{
    std::vector<BYTE> buffer;
    UINT stride = 0;
    JpegProperties props;
    ASSERT_EQ(JPEG_OK, DecodeLikeTheImageElement(m_path, buffer, stride, props));
    EXPECT_EQ(kWidth, props.JPGWidth);
    EXPECT_EQ(kHeight, props.JPGHeight);
    ASSERT_EQ(64u, stride);

    // Lossy: the middle of each band is near its colour.
    const UINT points[][2] = {{3, 2}, {11, 8}, {18, 13}, {0, 0}, {20, 15}};
    for (const auto& pt : points)
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(ChannelAt(pt[0], c), buffer[pt[1] * stride + pt[0] * 3 + c], 48)
                << "pixel " << pt[0] << "," << pt[1] << " channel " << c;
    for (UINT y = 0; y < kHeight; ++y)
        EXPECT_EQ(0xAB, buffer[y * stride + stride - 1]) << "pad byte of row " << y;
}

TEST_F(JpegLibrary, FailuresAreNegativeResults)
{
    const struct
    {
        const char* name;
        std::string path;
        int ioType;
        DWORD channels;
        int expected;
    } cases[] = {
        {"missing file", m_dir.File("missing.jpg"), JPEG_READ_PARAMS, 3, JPEG_ERR_FILE},
        {"text file", m_dir.File("notes.jpg"), JPEG_READ_PARAMS, 3, JPEG_ERR_FILE},
        {"missing file, pixels", m_dir.File("missing.jpg"), JPEG_READ_PIXELS, 3, JPEG_ERR_FILE},
        {"unknown I/O type", m_path, 1, 3, JPEG_ERR_IO_TYPE},
        {"four channels", m_path, JPEG_READ_PIXELS, 4, JPEG_ERR_LAYOUT},
    };
    std::vector<BYTE> buffer(64 * kHeight, 0xAB);
    for (const auto& c : cases)
    {
        JpegProperties props;
        JpegInitProperties(&props);
        props.JPGFile = c.path.c_str();
        props.DIBBytes = buffer.data();
        props.DIBWidth = kWidth;
        props.DIBHeight = kHeight;
        props.DIBPadBytes = 1;
        props.DIBChannels = c.channels;
        props.DIBColor = JPEG_COLOUR_BGR;
        EXPECT_EQ(c.expected, JpegRead(&props, c.ioType)) << c.name;
        EXPECT_EQ(JPEG_OK, JpegFreeProperties(&props)) << c.name;
    }
    EXPECT_EQ(std::vector<BYTE>(64 * kHeight, 0xAB), buffer) << "a failed read writes no pixel";
    EXPECT_EQ(JPEG_ERR_ARGUMENT, JpegRead(NULL, JPEG_READ_PARAMS));
}

TEST_F(JpegLibrary, AFileCutOffInItsPixelsHasItsSizeButNoPixels)
{
    std::vector<BYTE> buffer;
    UINT stride = 0;
    JpegProperties props;
    EXPECT_GT(0, DecodeLikeTheImageElement(m_dir.File("cut.jpg"), buffer, stride, props));
    EXPECT_EQ(kWidth, props.JPGWidth) << "the size is the frame header's";
    EXPECT_EQ(kHeight, props.JPGHeight);
    EXPECT_EQ(std::vector<BYTE>(stride * kHeight, 0xAB), buffer) << "no pixel is written";
}

TEST_F(JpegLibrary, ExportsItsEntryPointsByOrdinal)
{
    HMODULE library = GetModuleHandleA("ijl10.dll");
    ASSERT_TRUE(library != NULL);
    for (WORD ordinal : {2, 3, 4})
        EXPECT_TRUE(GetProcAddress(library, MAKEINTRESOURCEA(ordinal)) != NULL) << "ordinal " << ordinal;
    EXPECT_TRUE(GetProcAddress(library, MAKEINTRESOURCEA(1)) == NULL);
}

struct ThreadRun
{
    DWORD apartment;   // COINIT_ flags, or ~0 for a thread without COM
    std::string path;
    int result;
    HRESULT afterwards;
};

DWORD WINAPI DecodeOnThread(void* param)
{
    ThreadRun& run = *static_cast<ThreadRun*>(param);
    if (run.apartment != ~0u)
        CoInitializeEx(NULL, run.apartment);
    std::vector<BYTE> buffer;
    UINT stride = 0;
    JpegProperties props;
    run.result = DecodeLikeTheImageElement(run.path, buffer, stride, props);
    if (run.apartment != ~0u)
        CoUninitialize();
    // S_OK: the library left no apartment open behind it.
    run.afterwards = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(run.afterwards))
        CoUninitialize();
    return 0;
}

TEST_F(JpegLibrary, WorksWithAndWithoutTheCallersApartment)
{
    const struct
    {
        const char* name;
        DWORD apartment;
    } cases[] = {
        {"no COM", ~0u},
        {"single-threaded apartment", COINIT_APARTMENTTHREADED},
        {"multithreaded apartment", COINIT_MULTITHREADED},
    };
    for (const auto& c : cases)
    {
        ThreadRun run = {c.apartment, m_path, -100, E_FAIL};
        HANDLE thread = CreateThread(NULL, 0, DecodeOnThread, &run, 0, NULL);
        ASSERT_TRUE(thread != NULL);
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
        EXPECT_EQ(JPEG_OK, run.result) << c.name;
        EXPECT_EQ(S_OK, run.afterwards) << c.name;
    }
}

} // namespace
