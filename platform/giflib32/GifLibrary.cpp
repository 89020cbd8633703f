// The exports of giflib32.dll.
#include "platform/giflib32/giflib32.h"
#include "platform/giflib32/GifFrames.h"

#include <map>
#include <memory>

namespace {

class WindowDC
{
public:
    explicit WindowDC(HWND window) : m_window(window), m_dc(GetDC(window))
    {
        if (!m_dc && window)
        {
            m_window = NULL;
            m_dc = GetDC(NULL);
        }
    }
    ~WindowDC()
    {
        if (m_dc)
            ReleaseDC(m_window, m_dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

void Hand(HBITMAP made, HBITMAP* out)
{
    if (out)
        *out = made;
    else if (made)
        DeleteObject(made);
}

struct PlayingGif
{
    explicit PlayingGif(GifAnimation&& frames) : animation(std::move(frames)), canvas(animation) {}
    ~PlayingGif()
    {
        if (picture)
            DeleteObject(picture);
        if (mask)
            DeleteObject(mask);
    }
    PlayingGif(const PlayingGif&) = delete;
    PlayingGif& operator=(const PlayingGif&) = delete;

    HWND window = NULL;
    POINT at = {0, 0};
    GifAnimation animation;
    GifCanvas canvas;
    HBITMAP picture = NULL;
    HBITMAP mask = NULL;
    bool clear = false;
};

// Handles double as timer ids; starting high keeps them apart from the
// small ids a window's own code uses.
UINT_PTR g_nextId = 0x47494600;
std::map<UINT_PTR, std::unique_ptr<PlayingGif>> g_playing;
CRITICAL_SECTION g_lock;

class Locked
{
public:
    Locked() { EnterCriticalSection(&g_lock); }
    ~Locked() { LeaveCriticalSection(&g_lock); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
};

PlayingGif* Find(UINT_PTR id)
{
    auto found = g_playing.find(id);
    return found == g_playing.end() ? NULL : found->second.get();
}

// Composes the next frame into the bitmaps; true when the page must show
// through it.
bool PrepareNextFrame(PlayingGif& gif)
{
    size_t next = gif.canvas.Shown() + 1;
    if (next >= gif.animation.frames.size())
        next = 0;
    gif.canvas.ShowFrame(next);
    WindowDC dc(gif.window);
    if (!gif.picture)
        gif.picture = CreateCompatibleBitmap(dc.Get(), static_cast<int>(gif.animation.width),
                                             static_cast<int>(gif.animation.height));
    if (gif.picture)
        FillPictureBitmap(dc.Get(), gif.picture, gif.animation.width, gif.animation.height,
                          gif.canvas.Pixels());
    gif.clear = gif.canvas.HasTransparency();
    if (gif.clear)
    {
        if (!gif.mask)
            gif.mask = CreateBitmap(static_cast<int>(gif.animation.width),
                                    static_cast<int>(gif.animation.height), 1, 1, NULL);
        if (gif.mask)
            FillMaskBitmap(dc.Get(), gif.mask, gif.animation.width, gif.animation.height,
                           gif.canvas.Pixels());
        else
            gif.clear = false;
    }
    return gif.clear;
}

void DrawFrame(const PlayingGif& gif)
{
    if (!gif.picture)
        return;
    WindowDC dc(gif.window);
    HDC memory = CreateCompatibleDC(dc.Get());
    if (!memory)
        return;
    const int width = static_cast<int>(gif.animation.width);
    const int height = static_cast<int>(gif.animation.height);
    HGDIOBJ old;
    if (gif.clear)
    {
        // The mask's white must stay white on the window.
        COLORREF oldText = SetTextColor(dc.Get(), RGB(0, 0, 0));
        COLORREF oldBack = SetBkColor(dc.Get(), RGB(255, 255, 255));
        old = SelectObject(memory, gif.mask);
        BitBlt(dc.Get(), gif.at.x, gif.at.y, width, height, memory, 0, 0, SRCAND);
        SelectObject(memory, gif.picture);
        BitBlt(dc.Get(), gif.at.x, gif.at.y, width, height, memory, 0, 0, SRCINVERT);
        SetTextColor(dc.Get(), oldText);
        SetBkColor(dc.Get(), oldBack);
    }
    else
    {
        old = SelectObject(memory, gif.picture);
        BitBlt(dc.Get(), gif.at.x, gif.at.y, width, height, memory, 0, 0, SRCCOPY);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
}

void CALLBACK AnimationTick(HWND window, UINT message, UINT_PTR id, DWORD time);

void ShowNextFrame(HWND window, UINT_PTR id)
{
    RECT area = {};
    bool clear;
    {
        Locked lock;
        PlayingGif* gif = Find(id);
        if (!gif)
        {
            KillTimer(window, id);
            return;
        }
        clear = PrepareNextFrame(*gif);
        area = {gif->at.x, gif->at.y, gif->at.x + static_cast<LONG>(gif->animation.width),
                gif->at.y + static_cast<LONG>(gif->animation.height)};
    }
    if (clear)
    {
        // The window repaints its own page under the frame first; that
        // paint may stop this very animation, so look it up again after.
        InvalidateRect(window, &area, FALSE);
        UpdateWindow(window);
    }
    Locked lock;
    PlayingGif* gif = Find(id);
    if (!gif)
        return;
    DrawFrame(*gif);
    SetTimer(window, id, gif->animation.frames[gif->canvas.Shown()].delayMs, AnimationTick);
}

void CALLBACK AnimationTick(HWND window, UINT message, UINT_PTR id, DWORD time)
{
    try
    {
        ShowNextFrame(window, id);
    }
    catch (...)
    {
        // Out of memory while composing: the animation stands still.
        KillTimer(window, id);
    }
}

BOOL BitmapsFromGif(HWND window, const char* path, int option,
                    HBITMAP* mask, HBITMAP* picture, HBITMAP* third)
{
    GifAnimation animation;
    if (!ReadGifAnimation(path, false, animation))
        return FALSE;
    GifCanvas canvas(animation);
    canvas.ShowFrame(0);

    const bool keepColours = (option & GIF_OPTION_KEEP_COLOURS) != 0;
    WindowDC dc(window);
    HBITMAP madePicture = CreatePictureBitmap(dc.Get(), animation.width, animation.height,
                                              canvas.Pixels(), keepColours);
    if (!madePicture)
        return FALSE;
    HBITMAP madeMask = NULL;
    if (!keepColours && canvas.HasTransparency())
        madeMask = CreateMaskBitmap(animation.width, animation.height, canvas.Pixels());
    HBITMAP madeThird = CreatePictureOnWhiteBitmap(dc.Get(), animation.width, animation.height,
                                                   canvas.Pixels());
    Hand(madeMask, mask);
    Hand(madePicture, picture);
    Hand(madeThird, third);
    return TRUE;
}

HANDLE PlayGif(HWND window, int left, int top, const char* path)
{
    GifAnimation animation;
    if (!ReadGifAnimation(path, true, animation))
        return NULL;
    auto gif = std::make_unique<PlayingGif>(std::move(animation));
    gif->window = window;
    gif->at = {left, top};

    Locked lock;
    const UINT_PTR id = g_nextId++;
    // The first frame is drawn from the message loop, never from inside a
    // caller that may itself be painting.
    if (!SetTimer(window, id, USER_TIMER_MINIMUM, AnimationTick))
        return NULL;
    g_playing[id] = std::move(gif);
    return reinterpret_cast<HANDLE>(id);
}

} // namespace

// A picture too large for memory throws; no exception may leave the DLL.
BOOL WINAPI dzBitmapsFromGif(HWND window, const char* path, int option,
                             HBITMAP* mask, HBITMAP* picture, HBITMAP* third)
{
    if (mask)
        *mask = NULL;
    if (picture)
        *picture = NULL;
    if (third)
        *third = NULL;
    try
    {
        return BitmapsFromGif(window, path, option, mask, picture, third);
    }
    catch (...)
    {
        return FALSE;
    }
}

HANDLE WINAPI dzPlayGif(HWND window, int left, int top, const char* path, int flags)
{
    if (!window || !IsWindow(window))
        return NULL;
    try
    {
        return PlayGif(window, left, top, path);
    }
    catch (...)
    {
        return NULL;
    }
}

BOOL WINAPI dzStopGif(HANDLE animation)
{
    const UINT_PTR id = reinterpret_cast<UINT_PTR>(animation);
    Locked lock;
    auto found = g_playing.find(id);
    if (found == g_playing.end())
        return FALSE;
    KillTimer(found->second->window, id);
    g_playing.erase(found);
    return TRUE;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        InitializeCriticalSection(&g_lock);
    else if (reason == DLL_PROCESS_DETACH && reserved == NULL)
    {
        // Unloaded while playing: a timer left behind would call into freed code.
        for (auto& entry : g_playing)
            KillTimer(entry.second->window, entry.first);
        g_playing.clear();
        DeleteCriticalSection(&g_lock);
    }
    return TRUE;
}
