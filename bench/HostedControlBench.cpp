// The cost per call of a property get, a property put and a method call on
// a hosted control (the test control, registered for the run from beside
// this program), against a bare IDispatch::Invoke with a known DISPID. The
// element asks each name of the control once (target: 2 lookups, Caption
// and Add, for the whole run) and adds little to the call (target: get and method within 2x
// of the bare call, a put within 2x of the bare put).
#include "bench/BenchTimer.h"
#include "platform/atl/AtlBase.h"
#include "platform/atl/AtlImports.h"
#include "model/store/DataFile.h"
#include "model/common/VariantHelpers.h"
#include "player/runtime/ActiveXElement.h"
#include "player/runtime/DrawingSupport.h"

#include <stdio.h>

#include <algorithm>
#include <string>

namespace {

const int kCalls = 20000;

typedef HRESULT(WINAPI* ServerEntry)();

HMODULE LoadTestControl()
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string dll(path);
    dll.erase(dll.find_last_of('\\') + 1);
    dll += "testcontrol.dll";
    return LoadLibraryA(dll.c_str());
}

HRESULT CallServer(HMODULE module, const char* entry)
{
    ServerEntry call = (ServerEntry)GetProcAddress(module, entry);
    return call ? call() : E_NOTIMPL;
}

template <class F>
double NanosecondsPerCall(F call)
{
    double best = 1e30;
    for (int pass = 0; pass < 3; ++pass)
    {
        double start = NowSeconds();
        for (int i = 0; i < kCalls; ++i)
            call(i);
        best = std::min(best, (NowSeconds() - start) * 1e9 / kCalls);
    }
    return best;
}

} // namespace

int main()
{
    CoInitialize(NULL);
    HMODULE module = LoadTestControl();
    if (!module || FAILED(CallServer(module, "DllRegisterServer")))
    {
        printf("the test control cannot be registered\n");
        return 1;
    }
    _Module.Init(NULL, GetModuleHandleA(NULL));
    AtlAxWinInit();
    HWND window = CreateWindowExA(0, "Static", "bench", WS_POPUP, 0, 0, 300, 200, NULL, NULL,
                                  GetModuleHandleA(NULL), NULL);
    Tarvex::SetDrawingWindow(window);
    int result = 0;
    {
        CDataFile file;
        file.SetString("Element_1", "controlName", "LumbrookTest.Control");
        file.SetInt("Element_1", "width", 100);
        file.SetInt("Element_1", "height", 40);
        Tarvex::CActiveXElement element("Element_1", NULL);
        element.Load(file);
        IDispatch* dispatch = element.GetDispatch();
        if (!dispatch)
        {
            printf("the test control cannot be hosted\n");
            result = 1;
        }
        else
        {
            VARIANT value;
            VariantInit(&value);
            double get = NanosecondsPerCall([&](int) {
                VariantClear(&value);
                element.AccessProperty("Caption", &value, FALSE);
            });
            SetVariantText(value, "bench");
            double put = NanosecondsPerCall([&](int) { element.AccessProperty("Caption", &value, TRUE); });
            DISPID named = DISPID_PROPERTYPUT;
            DISPPARAMS putParams = { &value, &named, 1, 1 };
            double barePut = NanosecondsPerCall([&](int) {
                dispatch->Invoke(1, IID_NULL, 0x0400, DISPATCH_PROPERTYPUT, &putParams, NULL, NULL, NULL);
            });
            VARIANT args[2];
            VariantInit(&args[0]);
            VariantInit(&args[1]);
            args[0].vt = args[1].vt = VT_I4;
            args[0].lVal = 2;
            args[1].lVal = 3;
            DISPPARAMS params = { args, NULL, 2, 0 };
            VARIANT sum;
            VariantInit(&sum);
            double method = NanosecondsPerCall([&](int) {
                VariantClear(&sum);
                element.InvokeMethod("Add", &params, &sum);
            });
            DISPPARAMS none = { NULL, NULL, 0, 0 };
            double bareGet = NanosecondsPerCall([&](int) {
                VariantClear(&value);
                dispatch->Invoke(1, IID_NULL, 0x0400, DISPATCH_PROPERTYGET, &none, &value, NULL, NULL);
            });
            double bareMethod = NanosecondsPerCall([&](int) {
                VariantClear(&sum);
                dispatch->Invoke(4, IID_NULL, 0x0400, DISPATCH_METHOD, &params, &sum, NULL, NULL);
            });
            VariantClear(&value);
            VariantClear(&sum);

            int lookups = element.GetNameLookupCount();
            printf("Hosted test control, %d calls a pass, best of 3\n", kCalls);
            printf("  property get %8.1f ns per call (bare Invoke %8.1f ns): %.2fx (target <= 2x): %s\n", get,
                   bareGet, get / bareGet, get <= 2 * bareGet ? "met" : "MISSED");
            printf("  property put %8.1f ns per call (bare Invoke %8.1f ns): %.2fx (target <= 2x): %s\n", put,
                   barePut, put / barePut, put <= 2 * barePut ? "met" : "MISSED");
            printf("  method call  %8.1f ns per call (bare Invoke %8.1f ns): %.2fx (target <= 2x): %s\n", method,
                   bareMethod, method / bareMethod, method <= 2 * bareMethod ? "met" : "MISSED");
            printf("  names asked of the control: %d (target 2): %s\n", lookups, lookups == 2 ? "met" : "MISSED");
        }
    }
    Tarvex::SetDrawingWindow(NULL);
    DestroyWindow(window);
    CallServer(module, "DllUnregisterServer");
    CoUninitialize();
    FreeLibrary(module);
    return result;
}
