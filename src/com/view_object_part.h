#pragma once
#include <windows.h>
#include <oleidl.h>

#include "com/embedded_interface.h"
#include "host/win32/com_ptr.h"

namespace zelvane::com {

class ZelvaneObject;

/// IViewObject2: the control's picture for containers that draw it themselves
/// (at design time, in print previews) and its size.
class ViewObjectPart final : public EmbeddedInterface<IViewObject2, ZelvaneObject> {
 public:
  using EmbeddedInterface::EmbeddedInterface;

  HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device,
                                 HDC targetDc, HDC dc, LPCRECTL bounds, LPCRECTL windowBounds,
                                 BOOL(STDMETHODCALLTYPE* continueDrawing)(ULONG_PTR), ULONG_PTR argument) override;
  HRESULT STDMETHODCALLTYPE GetColorSet(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device,
                                        HDC targetDc, LOGPALETTE** colors) override;
  HRESULT STDMETHODCALLTYPE Freeze(DWORD aspect, LONG index, void* aspectInfo, DWORD* freeze) override;
  HRESULT STDMETHODCALLTYPE Unfreeze(DWORD freeze) override;
  HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
  HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device, LPSIZEL size) override;

 private:
  win32::com_ptr<IAdviseSink> sink_;
  DWORD aspects_ = 0;
  DWORD flags_ = 0;
};

}  // namespace zelvane::com
