// Places a ZelvaneTextBox on a window through ATL's host window class "AtlAxWin" and
// uses it through the control's default interface. Link with atl.dll (Visual C++'s
// ATL, or -latl with MinGW-w64), ole32, oleaut32 and the interface identifiers that
// midl or widl generate from the type library beside the header.
#include <windows.h>
#include <ole2.h>

#include "zelvane_text_box.h"  // generated from zelvane_text_box.idl by midl or widl

#if __has_include(<atlhost.h>)
#include <atlbase.h>
#include <atlhost.h>
#else
// atl.dll's exports, for compilers without ATL's headers.
extern "C" BOOL WINAPI AtlAxWinInit();
extern "C" HRESULT WINAPI AtlAxGetControl(HWND window, IUnknown** control);
#endif

// Creates the control as a child of form and hands back its default interface;
// the caller releases it. The window (and the control) go with the form.
HRESULT AddZelvane(HWND form, HINSTANCE instance, _Zelvane3** zelvane)
{
    *zelvane = nullptr;
    if (!AtlAxWinInit()) return E_FAIL;
    HWND host = CreateWindowExW(0, L"AtlAxWin", L"ZelvaneTextBox.Zelvane", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                10, 10, 240, 24, form, nullptr, instance, nullptr);
    if (!host) return HRESULT_FROM_WIN32(GetLastError());
    IUnknown* control = nullptr;
    HRESULT hr = AtlAxGetControl(host, &control);
    if (FAILED(hr)) return hr;
    hr = control->QueryInterface(IID__Zelvane3, reinterpret_cast<void**>(zelvane));
    control->Release();
    if (FAILED(hr)) return hr;

    (*zelvane)->put_ShowButton(VARIANT_TRUE);
    (*zelvane)->put_MatchAnywhere(VARIANT_TRUE);
    BSTR name = SysAllocString(L"City");  // what screen readers call the box
    hr = name ? (*zelvane)->put_AccessibleName(name) : E_OUTOFMEMORY;
    SysFreeString(name);
    if (FAILED(hr)) return hr;
    BSTR item = SysAllocString(L"Oslo");
    hr = item ? (*zelvane)->AddItem(item) : E_OUTOFMEMORY;
    SysFreeString(item);
    return hr;
}

// The control's errors are 0x800A0000 + the number in the README's error table, with
// the description in the thread's error object: here 5010, "Invalid ListIndex".
bool IsInvalidListIndex(_Zelvane3* zelvane, long index)
{
    VARIANT item;
    VariantInit(&item);
    HRESULT hr = zelvane->get_List(index, &item);
    VariantClear(&item);
    return hr == MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 5010);
}
