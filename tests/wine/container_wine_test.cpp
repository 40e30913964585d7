// ZelvaneTextBox.dll in containers of our own and in ATL's AtlAxWin window, under
// Wine: in-place activation, events through the connection point, typed input and
// the drop-down, persistence, design and run time, the saved list, unloading.
#include "host/win32/windows_api.h"

#include <oleacc.h>
#include <ocidl.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "host/win32/com_ptr.h"
#include "host/win32/unique_handle.h"
#include "zelvane_text_box.h"

namespace {

using zelvane::win32::com_ptr;
using zelvane::win32::unique_handle;
using zelvane::win32::unique_hwnd;

// __Zelvane's dispatch ids.
constexpr DISPID kChange = 2, kListClick = 3, kDropDownList = 4, kCloseUpList = 5, kMouseUp = 8, kKeyUp = 10,
                 kKeyPress = 11, kKeyDown = 12, kButtonClick = 13, kRemovingItem = 14;

/// Dispatches messages until `done`; the bound on waits only guards against a hang.
bool PumpUntil(const std::function<bool()>& done, int waits = 250) {
  for (int round = 0; round < waits; ++round) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return done();
}

void PumpAWhile() { PumpUntil([] { return false; }, 10); }

/// Reference counting for the test's own COM objects, which live on the stack.
template <class... Interfaces>
class StackObject : public Interfaces... {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

/// Records the events of __Zelvane; optionally changes KeyAscii on the way back,
/// and runs the host's handler of one event.
class EventSink final : public StackObject<IDispatch> {
 public:
  std::vector<DISPID> events;
  short replaceKeyAscii = 0;  // KeyAscii to hand back instead of the typed one, 0 none
  DISPID handled = 0;          // the event `handler` runs for, 0 none
  std::function<void()> handler;
  std::wstring removing;             // RemovingItem's Item, as it came
  VARIANT_BOOL cancelRemoval = VARIANT_FALSE;  // handed back as RemovingItem's Cancel

  int Count(DISPID id) const { return static_cast<int>(std::count(events.begin(), events.end(), id)); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == DIID___Zelvane) {
      *ppv = static_cast<IDispatch*>(this);
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    events.push_back(id);
    if (id == kKeyPress && replaceKeyAscii && params->cArgs == 1 &&
        V_VT(&params->rgvarg[0]) == (VT_BYREF | VT_I2)) {
      *V_I2REF(&params->rgvarg[0]) = replaceKeyAscii;
    }
    if (id == kRemovingItem && params->cArgs == 2 && V_VT(&params->rgvarg[1]) == VT_BSTR &&
        V_VT(&params->rgvarg[0]) == (VT_BYREF | VT_BOOL)) {
      removing = V_BSTR(&params->rgvarg[1]);
      *V_BOOLREF(&params->rgvarg[0]) = cancelRemoval;
    }
    if (id == handled && handler) handler();
    return S_OK;
  }
};

/// Records the dispatch ids of property-change notices.
class NotifySink final : public StackObject<IPropertyNotifySink> {
 public:
  std::vector<DISPID> changed;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (riid == IID_IUnknown || riid == IID_IPropertyNotifySink) {
      *ppv = static_cast<IPropertyNotifySink*>(this);
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override {
    changed.push_back(id);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }
};

/// A property bag in memory that keeps the order of the writes.
class MemoryBag final : public StackObject<IPropertyBag> {
 public:
  std::vector<std::wstring> order;
  std::map<std::wstring, VARIANT> values;
  ~MemoryBag() {
    for (auto& entry : values) VariantClear(&entry.second);
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (riid == IID_IUnknown || riid == IID_IPropertyBag) {
      *ppv = static_cast<IPropertyBag*>(this);
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
    const auto found = values.find(name);
    if (found == values.end()) return E_INVALIDARG;
    return VariantCopy(value, &found->second);
  }
  HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override {
    order.push_back(name);
    VARIANT& slot = values[name];
    VariantClear(&slot);
    return VariantCopy(&slot, value);
  }
};

/// The container: a top-level window with one site for the control, answering
/// the ambient UserMode as the test sets it.
class TestSite final
    : public StackObject<IOleClientSite, IOleInPlaceSite, IOleControlSite, IDispatch> {
 public:
  bool userMode = true;

  TestSite() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZelvaneTestForm";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassW(&windowClass);
    window_.reset(CreateWindowExW(0, windowClass.lpszClassName, L"Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                  400, 300, nullptr, nullptr, windowClass.hInstance, nullptr));
    SetForegroundWindow(window_.get());
    PumpAWhile();
  }
  HWND window() const { return window_.get(); }
  void DestroyForm() { window_.reset(); }
  RECT position{20, 20, 220, 44};

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (riid == IID_IUnknown || riid == IID_IOleClientSite) {
      *ppv = static_cast<IOleClientSite*>(this);
    } else if (riid == IID_IOleInPlaceSite || riid == IID_IOleWindow) {
      *ppv = static_cast<IOleInPlaceSite*>(this);
    } else if (riid == IID_IOleControlSite) {
      *ppv = static_cast<IOleControlSite*>(this);
    } else if (riid == IID_IDispatch) {
      *ppv = static_cast<IDispatch*>(this);
    } else {
      *ppv = nullptr;
      return E_NOINTERFACE;
    }
    return S_OK;
  }

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
    *moniker = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
    *container = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    *window = window_.get();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override {
    ++inPlaceActivations;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT pos,
                                             LPRECT clip, LPOLEINPLACEFRAMEINFO) override {
    *frame = nullptr;
    *document = nullptr;
    *pos = position;
    *clip = position;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override {
    ++inPlaceDeactivations;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

  // IOleControlSite: twips for the container's unit.
  HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override {
    ++controlInfoChanges;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** extended) override {
    *extended = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) override {
    ++transforms;
    const float twipsPerHimetric = 1440.0f / 2540.0f;
    if (flags & XFORMCOORDS_HIMETRICTOCONTAINER) {
      container->x = static_cast<float>(himetric->x) * twipsPerHimetric;
      container->y = static_cast<float>(himetric->y) * twipsPerHimetric;
    } else {
      himetric->x = static_cast<LONG>(container->x / twipsPerHimetric);
      himetric->y = static_cast<LONG>(container->y / twipsPerHimetric);
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE OnFocus(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override { return E_NOTIMPL; }

  // IDispatch: the ambient properties.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                   UINT*) override {
    if (id != DISPID_AMBIENT_USERMODE || !result) return DISP_E_MEMBERNOTFOUND;
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = userMode ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }

  int inPlaceActivations = 0;
  int inPlaceDeactivations = 0;
  int transforms = 0;
  int controlInfoChanges = 0;

 private:
  unique_hwnd window_;
};

/// The server DLL, loaded and registered once for the whole program.
class Server : public ::testing::Environment {
 public:
  static HMODULE module;

  void SetUp() override {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dll(path);
    dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + ZELVANE_DLL_RELATIVE_PATH;
    module = LoadLibraryW(dll.c_str());
    ASSERT_NE(module, nullptr) << "cannot load the control's DLL";
    if (!OtherProgram()) ASSERT_EQ(Entry("DllRegisterServer")(), S_OK);
  }
  void TearDown() override {
    if (!OtherProgram()) Entry("DllUnregisterServer")();
  }

  /// Whether this run is the second program of a test that needs two: it uses the
  /// first one's registration, which must outlive it.
  static bool OtherProgram() { return GetEnvironmentVariableW(kSharedKeyVariable, nullptr, 0) != 0; }
  static constexpr const wchar_t* kSharedKeyVariable = L"ZELVANE_TEST_SHARED_KEY";

  static HRESULT(STDAPICALLTYPE* Entry(const char* name))() {
    return reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(GetProcAddress(module, name));
  }
};
HMODULE Server::module = nullptr;

const auto* const kServer [[maybe_unused]] = ::testing::AddGlobalTestEnvironment(new Server);

/// One control created by its ProgID, with the test's sinks connected.
class Control {
 public:
  explicit Control(TestSite* site = nullptr) {
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(L"ZelvaneTextBox.Zelvane", &clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_Zelvane);
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID__Zelvane, z.put_void()), S_OK);
    ole = z.query<IOleObject>();
    z2 = z.query<_Zelvane2>();
    z3 = z.query<_Zelvane3>();
    z4 = z.query<_Zelvane4>();
    if (site) ole->SetClientSite(site);
    Connect(DIID___Zelvane, &events, eventsCookie_, eventsPoint_);
    Connect(IID_IPropertyNotifySink, &notices, noticesCookie_, noticesPoint_);
  }
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  ~Control() { Close(); }

  void Close() {
    if (!z) return;
    Disconnect();
    ole->Close(OLECLOSE_NOSAVE);
    ole->SetClientSite(nullptr);
    LetGo();
  }

  /// Drops every reference, closed or not.
  void LetGo() {
    Disconnect();
    ole.reset();
    z4.reset();
    z3.reset();
    z2.reset();
    z.reset();
  }

  /// What a VB form's Unload does with its control: deactivate, close, let go.
  void Unload() {
    if (!ole) return;
    ole.query<IOleInPlaceObject>()->InPlaceDeactivate();
    Close();
  }

  void InitNew() { ASSERT_EQ(z.query<IPersistStreamInit>()->InitNew(), S_OK); }
  void Activate(TestSite& site) {
    ASSERT_EQ(ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, site.window(), &site.position), S_OK);
  }
  HWND Editor() const { return Handle(&_Zelvane::get_HwndEditor); }
  HWND List() const { return Handle(&_Zelvane::get_HwndList); }
  HWND Surface() const { return Handle(&_Zelvane::get_hWnd); }
  std::wstring Text() const {
    BSTR text = nullptr;
    z->get_Text(&text);
    std::wstring result(text ? text : L"");
    SysFreeString(text);
    return result;
  }
  long Count() const {
    LONG count = -1;
    z->get_ListCount(&count);
    return count;
  }
  void Add(const wchar_t* item) {
    BSTR text = SysAllocString(item);
    z->AddItem(text);
    SysFreeString(text);
  }
  std::wstring Item(long index) const {
    VARIANT item;
    VariantInit(&item);
    z->get_List(index, &item);
    std::wstring result = V_VT(&item) == VT_BSTR ? V_BSTR(&item) : L"<none>";
    VariantClear(&item);
    return result;
  }

  com_ptr<_Zelvane> z;    // as programs built against the first type library see it
  com_ptr<_Zelvane2> z2;  // the members that came with version 1.1
  com_ptr<_Zelvane3> z3;  // and with version 1.2
  com_ptr<_Zelvane4> z4;  // and with version 1.3
  com_ptr<IOleObject> ole;
  EventSink events;
  NotifySink notices;

 private:
  HWND Handle(HRESULT (STDMETHODCALLTYPE _Zelvane::*get)(LONG*)) const {
    LONG handle = 0;
    ((*z.get()).*get)(&handle);
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(handle));
  }
  void Disconnect() {
    if (eventsPoint_) eventsPoint_->Unadvise(eventsCookie_);
    if (noticesPoint_) noticesPoint_->Unadvise(noticesCookie_);
    eventsPoint_.reset();
    noticesPoint_.reset();
  }
  void Connect(REFIID iid, IUnknown* sink, DWORD& cookie, com_ptr<IConnectionPoint>& point) {
    const auto container = z.query<IConnectionPointContainer>();
    ASSERT_TRUE(container);
    ASSERT_EQ(container->FindConnectionPoint(iid, point.put()), S_OK);
    ASSERT_EQ(point->Advise(sink, &cookie), S_OK);
  }

  DWORD eventsCookie_ = 0;
  DWORD noticesCookie_ = 0;
  com_ptr<IConnectionPoint> eventsPoint_;
  com_ptr<IConnectionPoint> noticesPoint_;
};

/// Types one key into `window` as the keyboard would: the key messages, and the
/// character TranslateMessage makes of them.
void TypeKey(HWND window, UINT key) {
  const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  PostMessageW(window, WM_KEYDOWN, key, 1 | (scan << 16));
  PumpUntil([] { return true; });
  PostMessageW(window, WM_KEYUP, key, 1 | (scan << 16) | (1u << 30) | (1u << 31));
  PumpUntil([] { return true; });
}

void TypeText(HWND window, const char* text) {
  for (const char* c = text; *c; ++c) TypeKey(window, static_cast<UINT>(VkKeyScanW(*c) & 0xFF));
}

void ClickAt(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}

std::wstring ListRow(HWND list, int row) {
  wchar_t text[256] = {};
  SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
  return text;
}

/// Presses and releases one key on the keyboard, for the focused window.
void PressKey(WORD key) {
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = key;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

POINT Middle(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

/// A window of the host's form that counts the left presses it receives.
class PressProbe {
 public:
  explicit PressProbe(HWND form) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZelvaneTestPressProbe";
    RegisterClassW(&windowClass);
    window_.reset(CreateWindowExW(0, windowClass.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 260, 160, 100, 80, form,
                                  nullptr, windowClass.hInstance, nullptr));
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  HWND window() const { return window_.get(); }
  int presses = 0;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<PressProbe*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == WM_LBUTTONDOWN) ++self->presses;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  unique_hwnd window_;
};

class ContainerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }
};

/// A control placed on the test's form, active in place, with the keyboard focus.
struct ActiveControl {
  ActiveControl() {
    control.InitNew();
    control.Activate(site);
    SetFocus(control.Editor());
  }
  TestSite site;
  Control control{&site};
};

TEST_F(ContainerTest, ActivatesInPlaceInTheContainersWindow) {
  TestSite site;
  Control control(&site);
  control.InitNew();
  EXPECT_FALSE(IsWindowVisible(control.Surface())) << "windows stay hidden until a container shows them";
  control.Activate(site);
  EXPECT_EQ(site.inPlaceActivations, 1);
  EXPECT_EQ(GetParent(control.Surface()), site.window());
  EXPECT_TRUE(IsWindowVisible(control.Surface()));
  EXPECT_TRUE(IsWindowVisible(control.Editor()));
  EXPECT_EQ(GetParent(control.Editor()), control.Surface());
  RECT rect{};
  GetWindowRect(control.Surface(), &rect);
  MapWindowPoints(nullptr, site.window(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, site.position.left);
  EXPECT_EQ(rect.right, site.position.right);

  const RECT moved{30, 40, 250, 64};
  ASSERT_EQ(control.ole.query<IOleInPlaceObject>()->SetObjectRects(&moved, &moved), S_OK);
  GetWindowRect(control.Surface(), &rect);
  MapWindowPoints(nullptr, site.window(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 30);
  EXPECT_EQ(rect.bottom, 64);

  ASSERT_EQ(control.ole.query<IOleInPlaceObject>()->InPlaceDeactivate(), S_OK);
  EXPECT_EQ(site.inPlaceDeactivations, 1);
  EXPECT_FALSE(IsWindowVisible(control.Surface()));
  EXPECT_NE(GetParent(control.Surface()), site.window());
}

TEST_F(ContainerTest, TypingRaisesKeyEventsInOrderAndOpensTheDropDown) {
  ActiveControl active;
  Control& control = active.control;
  control.Add(L"apple");
  control.Add(L"apricot");
  control.Add(L"banana");

  TypeText(control.Editor(), "a");
  const std::vector<DISPID> keyOrder{kKeyDown, kKeyPress, kChange, kKeyUp};
  ASSERT_GE(control.events.events.size(), 4u);
  EXPECT_EQ(std::vector<DISPID>(control.events.events.begin(), control.events.events.begin() + 4), keyOrder);
  TypeText(control.Editor(), "p");
  EXPECT_EQ(control.Text(), L"ap");

  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(control.List()) != FALSE; }))
      << "the list drops down after the filter delay";
  EXPECT_GE(control.events.Count(kDropDownList), 1);
  EXPECT_EQ(GetAncestor(control.List(), GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(SendMessageW(control.List(), LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(ListRow(control.List(), 0), L"apricot");

  TypeKey(control.Editor(), VK_DOWN);
  const LRESULT selected = SendMessageW(control.List(), LB_GETCURSEL, 0, 0);
  ASSERT_NE(selected, LB_ERR);
  const std::wstring row = ListRow(control.List(), static_cast<int>(selected));
  control.events.events.clear();
  TypeKey(control.Editor(), VK_RETURN);
  EXPECT_EQ(control.Text(), row);
  EXPECT_FALSE(IsWindowVisible(control.List()));
  EXPECT_EQ(control.events.Count(kCloseUpList), 1);
  EXPECT_EQ(control.events.Count(kListClick), 1);
}

/// The text the EDIT shows and its selection (start and end).
struct EditShows {
  std::wstring text;
  DWORD start = 0;
  DWORD end = 0;
  bool operator==(const EditShows&) const = default;
};

void PrintTo(const EditShows& shows, std::ostream* os) {
  *os << std::string(shows.text.begin(), shows.text.end()) << " [" << shows.start << ", " << shows.end << ")";
}

EditShows Shows(HWND edit) {
  wchar_t text[64] = {};
  GetWindowTextW(edit, text, 64);
  EditShows shows{text};
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&shows.start), reinterpret_cast<LPARAM>(&shows.end));
  return shows;
}

// Inline completion through the keyboard: the rest of the row selected in the EDIT,
// a key typed over it completing again, Backspace taking it away, Enter keeping it.
TEST_F(ContainerTest, AutoAppendCompletesTheKeysTypedIntoTheEdit) {
  ActiveControl active;
  Control& control = active.control;
  control.Add(L"Oberhausen");
  control.Add(L"BERLIN");
  ASSERT_EQ(control.z4->put_AutoAppend(VARIANT_TRUE), S_OK);
  const HWND edit = control.Editor();

  TypeText(edit, "be");
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(control.List()) != FALSE; }));
  EXPECT_EQ(Shows(edit), (EditShows{L"beRLIN", 2, 6}));
  EXPECT_EQ(SendMessageW(control.List(), LB_GETCURSEL, 0, 0), 0) << "the completed row is highlighted";

  control.events.events.clear();
  TypeText(edit, "r");
  EXPECT_EQ(Shows(edit), (EditShows{L"ber", 3, 3})) << "the key replaced the selected rest";
  ASSERT_TRUE(PumpUntil([&] { return control.events.Count(kDropDownList) == 1; }));
  EXPECT_EQ(Shows(edit), (EditShows{L"berLIN", 3, 6}));
  EXPECT_EQ(control.events.events,
            (std::vector<DISPID>{kKeyDown, kKeyPress, kChange, kKeyUp, kChange, kDropDownList}));
  EXPECT_EQ(control.Text(), L"berLIN");

  control.events.events.clear();
  TypeKey(edit, VK_BACK);
  ASSERT_TRUE(PumpUntil([&] { return control.events.Count(kDropDownList) == 1; }));
  EXPECT_EQ(Shows(edit), (EditShows{L"ber", 3, 3})) << "Backspace never completes";

  TypeText(edit, "l");
  ASSERT_TRUE(PumpUntil([&] { return Shows(edit).text == L"berlIN"; }));
  control.events.events.clear();
  TypeKey(edit, VK_RETURN);
  EXPECT_EQ(Shows(edit), (EditShows{L"berlIN", 6, 6})) << "Enter takes the text as shown";
  EXPECT_FALSE(IsWindowVisible(control.List()));
  EXPECT_EQ(control.events.Count(kCloseUpList), 1);
  EXPECT_EQ(control.events.Count(kListClick), 0);
}

// The refill of a zero delay is a posted message: it runs in the same pass of the
// loop that took the key, after Change has returned, not 150 ms later.
TEST_F(ContainerTest, ZeroFilterDelayRefillsAtTheNextPassNotInsideChange) {
  ActiveControl active;
  Control& control = active.control;
  control.Add(L"apple");
  control.Add(L"apricot");
  ASSERT_EQ(control.z2->put_FilterDelay(0), S_OK);
  bool filledInChange = false;
  control.events.handled = kChange;
  control.events.handler = [&] { filledInChange |= SendMessageW(control.List(), LB_GETCOUNT, 0, 0) > 0; };
  TypeText(control.Editor(), "a");
  EXPECT_TRUE(IsWindowVisible(control.List())) << "the list dropped down while the key's messages were handled";
  EXPECT_EQ(SendMessageW(control.List(), LB_GETCOUNT, 0, 0), 2);
  EXPECT_FALSE(filledInChange);
  control.events.handler = nullptr;
}

TEST_F(ContainerTest, KeyAsciiChangedBySinkIsWhatTheBoxGets) {
  ActiveControl active;
  Control& control = active.control;
  control.events.replaceKeyAscii = 'Q';
  TypeText(control.Editor(), "a");
  EXPECT_EQ(control.Text(), L"Q");
  control.events.replaceKeyAscii = 0;
}

TEST_F(ContainerTest, ClickOutsideClosesTheDropDown) {
  ActiveControl active;
  Control& control = active.control;
  control.Add(L"cherry");
  TypeText(control.Editor(), "c");
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(control.List()) != FALSE; }));

  RECT form{};
  GetWindowRect(active.site.window(), &form);
  ClickAt(POINT{form.right - 30, form.bottom - 30});
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(control.List()); }));
  EXPECT_EQ(control.events.Count(kCloseUpList), 1);
}

TEST_F(ContainerTest, ButtonClickOpensTheWholeList) {
  ActiveControl active;
  Control& control = active.control;
  control.Add(L"one");
  control.Add(L"two");
  ASSERT_EQ(control.z->put_ShowButton(VARIANT_TRUE), S_OK);
  PumpAWhile();
  RECT surface{};
  GetWindowRect(control.Surface(), &surface);
  ClickAt(POINT{surface.right - 6, (surface.top + surface.bottom) / 2});
  ASSERT_TRUE(PumpUntil([&] { return control.events.Count(kButtonClick) == 1; }));
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(control.List()) != FALSE; }));
  EXPECT_EQ(SendMessageW(control.List(), LB_GETCOUNT, 0, 0), 2);
  EXPECT_GT(active.site.transforms, 0) << "mouse coordinates reach a container without ScaleMode through TransformCoords";
}

TEST_F(ContainerTest, PropertyChangesNotifyWithTheirDispatchIds) {
  Control control;
  control.InitNew();
  BSTR text = SysAllocString(L"x");
  control.z->put_Text(text);
  SysFreeString(text);
  control.z->put_BackColor(0xFF);
  control.z->put_ShowButton(VARIANT_TRUE);
  control.z->put_MaxCount(5);
  // Text notifies once as set and once as the text box's change copies it back.
  EXPECT_EQ(control.notices.changed, (std::vector<DISPID>{DISPID_VALUE, DISPID_VALUE, DISPID_BACKCOLOR, 6}))
      << "MaxCount sends no notice";
  EXPECT_EQ(control.z.query<IPersistStreamInit>()->IsDirty(), S_OK);
}

TEST_F(ContainerTest, ErrorsReachTheClientWithSourceAndDescription) {
  Control control;
  control.InitNew();
  EXPECT_EQ(control.z->put_MaxCount(0), static_cast<HRESULT>(0x800A0000 + 5030));
  com_ptr<IErrorInfo> info;
  ASSERT_EQ(GetErrorInfo(0, info.put()), S_OK);
  BSTR source = nullptr;
  BSTR description = nullptr;
  info->GetSource(&source);
  info->GetDescription(&description);
  EXPECT_STREQ(source, L"Zelvane");
  EXPECT_STREQ(description, L"MaxCount must be greater than zero");
  SysFreeString(source);
  SysFreeString(description);
  EXPECT_EQ(control.z.query<ISupportErrorInfo>()->InterfaceSupportsErrorInfo(IID__Zelvane), S_OK);

  VARIANT item;
  VariantInit(&item);
  EXPECT_EQ(control.z->get_List(0, &item), static_cast<HRESULT>(0x800A0000 + 5010));
}

const std::vector<std::wstring> kTenKeys{L"SaveOnReturn", L"RegKey",  L"MaxCount", L"ShowButton", L"Font",
                                         L"BackColor",    L"ForeColor", L"Enabled", L"Appearance", L"AutoSaveList"};

void Configure(Control& control) {
  control.z->put_MaxCount(7);
  control.z->put_ShowButton(VARIANT_TRUE);
  control.z->put_Appearance(zvFlat);
  // Refused, so the stored form keeps the flat look and still loads.
  EXPECT_EQ(control.z->put_Appearance(static_cast<zvAppearances>(100)), static_cast<HRESULT>(0x800A0000 + 380));
  control.z->put_BackColor(0x123456);
  control.z->put_ForeColor(0x654321);
  control.z->put_SaveOnReturn(VARIANT_FALSE);
  control.z->put_Enabled(VARIANT_FALSE);
  com_ptr<IFontDisp> font;
  control.z->get_Font(font.put());
  ASSERT_TRUE(font);
  // Not the name: the font object reports the face the system realises for it.
  CY size{};
  size.int64 = 180000;
  font.query<IFont>()->put_Size(size);
  font.query<IFont>()->put_Bold(TRUE);
}

void ExpectConfigured(Control& control) {
  LONG maxCount = 0;
  VARIANT_BOOL showButton = 0, saveOnReturn = -1, enabled = -1, autoSave = 0;
  zvAppearances appearance = zv3d;
  OLE_COLOR back = 0, fore = 0;
  control.z->get_MaxCount(&maxCount);
  control.z->get_ShowButton(&showButton);
  control.z->get_Appearance(&appearance);
  control.z->get_BackColor(&back);
  control.z->get_ForeColor(&fore);
  control.z->get_SaveOnReturn(&saveOnReturn);
  control.z->get_Enabled(&enabled);
  control.z->get_AutoSaveList(&autoSave);
  EXPECT_EQ(maxCount, 7);
  EXPECT_EQ(showButton, VARIANT_TRUE);
  EXPECT_EQ(appearance, zvFlat);
  EXPECT_EQ(back, 0x123456u);
  EXPECT_EQ(fore, 0x654321u);
  EXPECT_EQ(saveOnReturn, VARIANT_FALSE);
  EXPECT_EQ(enabled, VARIANT_FALSE);
  EXPECT_EQ(autoSave, VARIANT_TRUE);
  com_ptr<IFontDisp> font;
  control.z->get_Font(font.put());
  ASSERT_TRUE(font);
  CY size{};
  BOOL bold = FALSE;
  font.query<IFont>()->get_Size(&size);
  font.query<IFont>()->get_Bold(&bold);
  EXPECT_EQ(size.int64, 180000);
  EXPECT_TRUE(bold);
  EXPECT_EQ(control.Text(), L"") << "the text is not persisted";
}

TEST_F(ContainerTest, PropertyBagRoundTripKeepsTheTenKeysInOrder) {
  MemoryBag bag;
  {
    Control first;
    first.InitNew();
    Configure(first);
    ASSERT_EQ(first.z.query<IPersistPropertyBag>()->Save(&bag, TRUE, TRUE), S_OK);
  }
  EXPECT_EQ(bag.order, kTenKeys);
  Control second;
  ASSERT_EQ(second.z.query<IPersistPropertyBag>()->Load(&bag, nullptr), S_OK);
  ExpectConfigured(second);
  EXPECT_EQ(second.z.query<IPersistPropertyBag>()->Load(&bag, nullptr), CO_E_ALREADYINITIALIZED);
}

TEST_F(ContainerTest, StreamRoundTripKeepsTheProperties) {
  com_ptr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()), S_OK);
  {
    Control first;
    first.InitNew();
    Configure(first);
    const auto persist = first.z.query<IPersistStreamInit>();
    ULARGE_INTEGER size{};
    ASSERT_EQ(persist->GetSizeMax(&size), S_OK);
    ASSERT_EQ(persist->Save(stream.get(), TRUE), S_OK);
    ULARGE_INTEGER written{};
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &written);
    EXPECT_EQ(written.QuadPart, size.QuadPart);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);
  }
  stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
  Control second;
  ASSERT_EQ(second.z.query<IPersistStreamInit>()->Load(stream.get()), S_OK);
  ExpectConfigured(second);

  com_ptr<IStream> garbage;
  CreateStreamOnHGlobal(nullptr, TRUE, garbage.put());
  garbage->Write("not a bag", 9, nullptr);
  garbage->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
  Control third;
  EXPECT_FALSE(SUCCEEDED(third.z.query<IPersistStreamInit>()->Load(garbage.get())));
}

// A form stored by a build that kept a refused appearance: its load still fails.
TEST_F(ContainerTest, StoredFormWithARefusedAppearanceFailsItsLoad) {
  constexpr auto kInvalidPropertyValue = static_cast<HRESULT>(0x800A0000 + 380);
  MemoryBag bag;
  VARIANT appearance;
  VariantInit(&appearance);
  V_VT(&appearance) = VT_I4;
  V_I4(&appearance) = 100;
  bag.Write(L"Appearance", &appearance);
  Control fromBag;
  EXPECT_EQ(fromBag.z.query<IPersistPropertyBag>()->Load(&bag, nullptr), kInvalidPropertyValue);

  com_ptr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()), S_OK);
  {
    Control flat;
    flat.InitNew();
    flat.z->put_Appearance(zvFlat);
    ASSERT_EQ(flat.z.query<IPersistStreamInit>()->Save(stream.get(), TRUE), S_OK);
  }
  // The stored 32-bit value follows the key's name, its kind and its size.
  HGLOBAL memory = nullptr;
  ASSERT_EQ(GetHGlobalFromStream(stream.get(), &memory), S_OK);
  auto* begin = static_cast<char*>(GlobalLock(memory));
  const std::wstring_view name = L"Appearance";
  auto* end = begin + GlobalSize(memory);
  auto* found = std::search(begin, end, reinterpret_cast<const char*>(name.data()),
                            reinterpret_cast<const char*>(name.data() + name.size()));
  ASSERT_NE(found, end);
  const LONG stored = 100;
  std::memcpy(found + name.size() * sizeof(wchar_t) + 6, &stored, sizeof stored);
  GlobalUnlock(memory);
  stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
  Control fromStream;
  EXPECT_EQ(fromStream.z.query<IPersistStreamInit>()->Load(stream.get()), kInvalidPropertyValue);
}

TEST_F(ContainerTest, DesignTimeHidesTheListAndRunTimeShowsIt) {
  TestSite site;
  site.userMode = false;
  Control control(&site);
  control.InitNew();
  control.Add(L"kept");
  BSTR value = nullptr;
  control.z->get_StringValue(&value);
  EXPECT_STREQ(value, L"") << "at design time StringValue reads empty";
  SysFreeString(value);
  site.userMode = true;  // read afresh at every use
  control.z->get_StringValue(&value);
  EXPECT_STREQ(value, L"kept");
  SysFreeString(value);
}

TEST_F(ContainerTest, SavedListSurvivesTwoRunTimeLifetimesButNotDesignTime) {
  MemoryBag bag;
  {
    Control placed;  // first placement makes the instance's key
    placed.InitNew();
    placed.z.query<IPersistPropertyBag>()->Save(&bag, TRUE, TRUE);
  }
  TestSite site;
  {
    Control run(&site);
    ASSERT_EQ(run.z.query<IPersistPropertyBag>()->Load(&bag, nullptr), S_OK);
    EXPECT_EQ(run.Count(), 0);
    run.Add(L"first");
    run.Add(L"second");
  }
  {
    site.userMode = false;
    Control design(&site);
    ASSERT_EQ(design.z.query<IPersistPropertyBag>()->Load(&bag, nullptr), S_OK);
    EXPECT_EQ(design.Count(), 0) << "design time does not load the saved list";
    design.Add(L"design");
  }
  site.userMode = true;
  Control again(&site);
  ASSERT_EQ(again.z.query<IPersistPropertyBag>()->Load(&bag, nullptr), S_OK);
  ASSERT_EQ(again.Count(), 2) << "the design-time instance saved nothing";
  const std::vector<std::wstring> items{again.Item(0), again.Item(1)};
  EXPECT_NE(std::find(items.begin(), items.end(), L"first"), items.end());
  EXPECT_NE(std::find(items.begin(), items.end(), L"second"), items.end());
  again.z->put_AutoSaveList(VARIANT_FALSE);
}

TEST_F(ContainerTest, ClassInfoNamesTheEventInterface) {
  Control control;
  const auto info = control.z.query<IProvideClassInfo2>();
  ASSERT_TRUE(info);
  GUID events{};
  ASSERT_EQ(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events), S_OK);
  EXPECT_EQ(events, DIID___Zelvane);
  com_ptr<ITypeInfo> classInfo;
  ASSERT_EQ(info->GetClassInfo(classInfo.put()), S_OK);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(classInfo->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->guid, CLSID_Zelvane);
  EXPECT_EQ(attributes->typekind, TKIND_COCLASS);
  classInfo->ReleaseTypeAttr(attributes);
}

TEST_F(ContainerTest, ConnectionPointsCanBeEnumerated) {
  Control control;
  com_ptr<IEnumConnectionPoints> points;
  ASSERT_EQ(control.z.query<IConnectionPointContainer>()->EnumConnectionPoints(points.put()), S_OK);
  std::vector<IID> iids;
  IConnectionPoint* point = nullptr;
  while (points->Next(1, &point, nullptr) == S_OK) {
    IID iid{};
    point->GetConnectionInterface(&iid);
    iids.push_back(iid);
    point->Release();
  }
  EXPECT_EQ(iids, (std::vector<IID>{DIID___Zelvane, IID_IPropertyNotifySink}));
}

TEST_F(ContainerTest, DrawPaintsTheControlsLookIntoAnyDc) {
  Control control;
  control.InitNew();
  control.z->put_BackColor(RGB(255, 0, 0));
  control.z->put_ShowButton(VARIANT_TRUE);
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 24);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  const RECTL bounds{0, 0, 200, 24};
  EXPECT_EQ(control.z.query<IViewObject>()->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds,
                                                 nullptr, nullptr, 0),
            S_OK);
  EXPECT_EQ(GetPixel(dc, 100, 12), RGB(255, 0, 0)) << "the background colour";
  EXPECT_NE(GetPixel(dc, 0, 12), RGB(255, 0, 0)) << "the border";
  EXPECT_NE(GetPixel(dc, 192, 3), RGB(255, 0, 0)) << "the drop-down button";
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST_F(ContainerTest, ServerUnloadsOnlyWhenNothingIsLeft) {
  const auto canUnload = Server::Entry("DllCanUnloadNow");
  {
    Control control;
    EXPECT_EQ(canUnload(), S_FALSE);
  }
  EXPECT_EQ(canUnload(), S_OK);
  com_ptr<IClassFactory> factory;
  ASSERT_EQ(CoGetClassObject(CLSID_Zelvane, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.put_void()),
            S_OK);
  factory->LockServer(TRUE);
  EXPECT_EQ(canUnload(), S_FALSE);
  factory->LockServer(FALSE);
  EXPECT_EQ(canUnload(), S_OK);
}

/// A control created by its ProgID in ATL's AtlAxWin host window on a form, as C++
/// containers and the demo place it; `before` runs first, for windows that precede it.
class AtlHosted {
 public:
  explicit AtlHosted(TestSite& form, const std::function<void(HWND form)>& before = {}) {
    const HMODULE atl = LoadLibraryW(L"atl.dll");
    using InitFn = BOOL(WINAPI*)();
    using GetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);
    const auto init = atl ? reinterpret_cast<InitFn>(GetProcAddress(atl, "AtlAxWinInit")) : nullptr;
    const auto getControl = atl ? reinterpret_cast<GetControlFn>(GetProcAddress(atl, "AtlAxGetControl")) : nullptr;
    if (!init || !getControl) return;
    init();  // FALSE once the window class is registered, from a control placed before
    if (before) before(form.window());
    host_.reset(CreateWindowExW(0, L"AtlAxWin", L"ZelvaneTextBox.Zelvane", WS_CHILD | WS_VISIBLE, 10, 40, 200, 24,
                                form.window(), nullptr, GetModuleHandleW(nullptr), nullptr));
    PumpAWhile();
    com_ptr<IUnknown> unknown;
    if (host_ && getControl(host_.get(), unknown.put()) == S_OK) z = unknown.query<_Zelvane>();
  }
  HWND host() const { return host_.get(); }
  HWND Editor() const {
    LONG editor = 0;
    z->get_HwndEditor(&editor);
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(editor));
  }

  com_ptr<_Zelvane> z;

 private:
  unique_hwnd host_;
};

TEST_F(ContainerTest, HostedByProgIdInAtlAxWinTakesTyping) {
  {
    TestSite form;
    AtlHosted hosted(form);
    ASSERT_TRUE(hosted.z) << "atl.dll hosts no control";
    const HWND editorWindow = hosted.Editor();
    EXPECT_TRUE(IsChild(hosted.host(), editorWindow));
    EXPECT_TRUE(IsWindowVisible(editorWindow));
    SetFocus(editorWindow);
    TypeText(editorWindow, "hi");
    BSTR text = nullptr;
    hosted.z->get_Text(&text);
    EXPECT_STREQ(text, L"hi");
    SysFreeString(text);
  }
  PumpAWhile();
}

// A host that unloads its form inside an event, through real input: the control
// goes once the message that raised the event is done, and the host goes on.
struct UnloadCase {
  const char* name;
  DISPID event;    // the event whose handler unloads the form
  bool dropDown;   // the list is dropped down first, its first row selected
  void (*act)(Control& control, PressProbe& probe);
};

void PressA(Control&, PressProbe&) { PressKey('A'); }
void PressEnter(Control&, PressProbe&) { PressKey(VK_RETURN); }
void ClickTheText(Control& control, PressProbe&) { ClickAt(Middle(control.Editor())); }
void ClickTheFirstRow(Control& control, PressProbe&) {
  RECT list{};
  GetWindowRect(control.List(), &list);
  const auto rowHeight = static_cast<LONG>(SendMessageW(control.List(), LB_GETITEMHEIGHT, 0, 0));
  ClickAt(POINT{list.left + 8, list.top + rowHeight / 2 + 1});
}
void ClickTheProbe(Control&, PressProbe& probe) { ClickAt(Middle(probe.window())); }

class UnloadInEventTest : public ContainerTest, public ::testing::WithParamInterface<UnloadCase> {};

// An active control holding apple and apricot, focused in a foreground form that
// counts the mouse presses reaching it.
struct ProbedControl {
  ProbedControl() {
    control.InitNew();
    control.Activate(site);
    control.Add(L"apple");
    control.Add(L"apricot");
    SetForegroundWindow(site.window());
    SetFocus(control.Editor());
  }
  TestSite site;
  PressProbe probe{site.window()};
  Control control{&site};
};

TEST_P(UnloadInEventTest, TheControlGoesAfterTheEventAndTheHostGoesOn) {
  const UnloadCase& unload = GetParam();
  ProbedControl form;
  Control& control = form.control;
  PressProbe& probe = form.probe;
  const HWND editor = control.Editor();
  const HWND list = control.List();
  if (unload.dropDown) {
    PressKey('A');
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(list) != FALSE; }));
    PressKey(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == 0; }));
  }
  bool unloaded = false;
  control.events.handled = unload.event;
  control.events.handler = [&] {
    unloaded = true;
    control.Unload();
  };

  unload.act(control, probe);
  ASSERT_TRUE(PumpUntil([&] { return unloaded; })) << "the host never unloaded";
  PumpAWhile();
  EXPECT_FALSE(IsWindow(editor));
  EXPECT_FALSE(IsWindow(list)) << "the list goes with the control";
  EXPECT_EQ(Server::Entry("DllCanUnloadNow")(), S_OK) << "the control is gone";
  const int presses = probe.presses;
  ClickAt(Middle(probe.window()));
  EXPECT_TRUE(PumpUntil([&] { return probe.presses > presses; })) << "no hook is left to stop a press";
}

INSTANTIATE_TEST_SUITE_P(
    RealInput, UnloadInEventTest,
    ::testing::Values(UnloadCase{"ChangeWhileTyping", kChange, false, PressA},
                      UnloadCase{"KeyDownOfEnterOnARow", kKeyDown, true, PressEnter},
                      UnloadCase{"MouseUpOnTheText", kMouseUp, false, ClickTheText},
                      UnloadCase{"ChangeOfAReleaseOnARow", kChange, true, ClickTheFirstRow},
                      UnloadCase{"CloseUpListOfAReleaseOnARow", kCloseUpList, true, ClickTheFirstRow},
                      UnloadCase{"ListClickOfAReleaseOnARow", kListClick, true, ClickTheFirstRow},
                      UnloadCase{"CloseUpListOfAPressOutside", kCloseUpList, true, ClickTheProbe}),
    [](const auto& info) { return std::string(info.param.name); });

// A container that deactivates the control (a tab page switched away) while its
// list is open: the list closes up and takes its mouse hook with it.
TEST_F(ContainerTest, DeactivationClosesTheOpenListAndItsHook) {
  ProbedControl form;
  Control& control = form.control;
  PressProbe& probe = form.probe;
  PressKey('A');
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(control.List()) != FALSE; }));

  ASSERT_EQ(control.ole.query<IOleInPlaceObject>()->InPlaceDeactivate(), S_OK);
  EXPECT_FALSE(IsWindowVisible(control.List()));
  EXPECT_EQ(control.events.Count(kCloseUpList), 1);
  const int presses = probe.presses;
  ClickAt(Middle(probe.window()));
  EXPECT_TRUE(PumpUntil([&] { return probe.presses > presses; })) << "no hook is left to stop a press";
}

// Other programs and .reg imports write strings without their final null.
struct StoredList {
  const char* name;
  DWORD type;
  bool terminated;
};

class StoredListTest : public ContainerTest, public ::testing::WithParamInterface<StoredList> {};

TEST_P(StoredListTest, LoadsWholeAsStoredAndIsSavedBackWhole) {
  const StoredList stored = GetParam();
  MemoryBag bag;
  {
    Control placed;  // first placement makes the instance's key
    placed.InitNew();
    placed.z.query<IPersistPropertyBag>()->Save(&bag, TRUE, TRUE);
  }
  const std::wstring key = V_BSTR(&bag.values[L"RegKey"]);
  const wchar_t* const lists = L"Software\\VB and VBA Program Settings\\Zelvane\\Lists";
  const std::wstring text = L"%TEMP%\r\ndef";
  const auto bytes = static_cast<DWORD>((text.size() + (stored.terminated ? 1 : 0)) * sizeof(wchar_t));
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, lists, key.c_str(), stored.type, text.c_str(), bytes), ERROR_SUCCESS);
  TestSite site;
  {
    Control run(&site);
    ASSERT_EQ(run.z.query<IPersistPropertyBag>()->Load(&bag, nullptr), S_OK);
    ASSERT_EQ(run.Count(), 2);
    EXPECT_EQ(run.Item(0), L"%TEMP%") << "the text as stored, not expanded";
    EXPECT_EQ(run.Item(1), L"def");
  }
  wchar_t saved[64] = {};
  DWORD savedBytes = sizeof saved;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, lists, key.c_str(), RRF_RT_REG_SZ, nullptr, saved, &savedBytes),
            ERROR_SUCCESS);
  EXPECT_EQ(saved, text);
  RegDeleteKeyValueW(HKEY_CURRENT_USER, lists, key.c_str());
}

INSTANTIATE_TEST_SUITE_P(Registry, StoredListTest,
                         ::testing::Values(StoredList{"StringWithoutNull", REG_SZ, false},
                                           StoredList{"ExpandableWithoutNull", REG_EXPAND_SZ, false},
                                           StoredList{"StringWithNull", REG_SZ, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ContainerTest, TheNewInterfacesExtendTheOldOnesOnOneObject) {
  Control control;
  ASSERT_TRUE(control.z2);
  ASSERT_TRUE(control.z3);
  ASSERT_TRUE(control.z4);
  EXPECT_EQ(control.z4.query<IUnknown>().get(), control.z.query<IUnknown>().get());
  EXPECT_EQ(static_cast<IUnknown*>(control.z2.get()), static_cast<IUnknown*>(control.z.get()))
      << "_Zelvane2 begins with _Zelvane's members";
  EXPECT_EQ(static_cast<IUnknown*>(control.z3.get()), static_cast<IUnknown*>(control.z.get()))
      << "_Zelvane3 begins with _Zelvane2's members";
  EXPECT_EQ(static_cast<IUnknown*>(control.z4.get()), static_cast<IUnknown*>(control.z.get()))
      << "_Zelvane4 begins with _Zelvane3's members";
  com_ptr<ITypeInfo> info;
  ASSERT_EQ(control.z->GetTypeInfo(0, 0, info.put()), S_OK);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->guid, IID__Zelvane4);
  info->ReleaseTypeAttr(attributes);
  // Late binding finds the old members and the new ones alike.
  for (const wchar_t* name : {L"MaxCount", L"AllowRemove", L"RemoveItem", L"CloseOnEscape", L"RegKey",
                              L"AccessibleName", L"VisualStyles", L"AutoAppend", L"HighlightMatch", L"RightToLeft"}) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(control.z->GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK) << name;
  }
  for (REFIID iid : {IID__Zelvane, IID__Zelvane2, IID__Zelvane3, IID__Zelvane4}) {
    EXPECT_EQ(control.z.query<ISupportErrorInfo>()->InterfaceSupportsErrorInfo(iid), S_OK);
  }
  com_ptr<ITypeLib> library;
  EXPECT_EQ(LoadRegTypeLib(LIBID_ZelvaneTextBox, 1, 3, 0x409, library.put()), S_OK) << "type library 1.3";
}

// A copied control given its own key keeps it through the form's bag and stream; an
// empty key is refused and leaves the key as it was.
TEST_F(ContainerTest, RegKeyRoundTripsThroughTheBagAndTheStream) {
  const auto keyOf = [](Control& control) {
    BSTR key = nullptr;
    control.z3->get_RegKey(&key);
    std::wstring result(key ? key : L"");
    SysFreeString(key);
    return result;
  };
  MemoryBag bag;
  com_ptr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()), S_OK);
  {
    Control first;
    first.InitNew();
    BSTR key = SysAllocString(L"Copy of Zelvane1");
    EXPECT_EQ(first.z3->put_RegKey(key), S_OK);
    SysFreeString(key);
    BSTR empty = SysAllocString(L"");
    EXPECT_EQ(first.z3->put_RegKey(empty), static_cast<HRESULT>(0x800A0000 + 380));
    SysFreeString(empty);
    EXPECT_EQ(keyOf(first), L"Copy of Zelvane1");
    ASSERT_EQ(first.z.query<IPersistPropertyBag>()->Save(&bag, TRUE, TRUE), S_OK);
    ASSERT_EQ(first.z.query<IPersistStreamInit>()->Save(stream.get(), TRUE), S_OK);
  }
  Control fromBag;
  ASSERT_EQ(fromBag.z.query<IPersistPropertyBag>()->Load(&bag, nullptr), S_OK);
  EXPECT_EQ(keyOf(fromBag), L"Copy of Zelvane1");
  stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
  Control fromStream;
  ASSERT_EQ(fromStream.z.query<IPersistStreamInit>()->Load(stream.get()), S_OK);
  EXPECT_EQ(keyOf(fromStream), L"Copy of Zelvane1");
}

// Each option is stored in the bag after the ten keys, and in the stream, only when changed.
struct OptionKey {
  const wchar_t* name;
  void (*set)(_Zelvane4&);
  bool (*holds)(_Zelvane4&);
};

void PrintTo(const OptionKey& key, std::ostream* os) { *os << std::string(key.name, key.name + wcslen(key.name)); }

class OptionKeyTest : public ContainerTest, public ::testing::WithParamInterface<OptionKey> {};

TEST_P(OptionKeyTest, RoundTripsThroughTheBagAndTheStream) {
  const OptionKey& key = GetParam();
  MemoryBag bag;
  com_ptr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()), S_OK);
  {
    Control first;
    first.InitNew();
    key.set(*first.z4.get());
    ASSERT_EQ(first.z.query<IPersistPropertyBag>()->Save(&bag, TRUE, TRUE), S_OK);
    ASSERT_EQ(first.z.query<IPersistStreamInit>()->Save(stream.get(), TRUE), S_OK);
  }
  std::vector<std::wstring> keys = kTenKeys;
  keys.push_back(key.name);
  EXPECT_EQ(bag.order, keys);
  Control fromBag;
  ASSERT_EQ(fromBag.z.query<IPersistPropertyBag>()->Load(&bag, nullptr), S_OK);
  EXPECT_TRUE(key.holds(*fromBag.z4.get()));
  stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
  Control fromStream;
  ASSERT_EQ(fromStream.z.query<IPersistStreamInit>()->Load(stream.get()), S_OK);
  EXPECT_TRUE(key.holds(*fromStream.z4.get()));
}

INSTANTIATE_TEST_SUITE_P(
    Options, OptionKeyTest,
    ::testing::Values(
        OptionKey{L"AllowRemove", [](_Zelvane4& z) { z.put_AllowRemove(VARIANT_TRUE); },
                  [](_Zelvane4& z) {
                    VARIANT_BOOL value = 0;
                    return z.get_AllowRemove(&value) == S_OK && value == VARIANT_TRUE;
                  }},
        OptionKey{L"MatchAnywhere", [](_Zelvane4& z) { z.put_MatchAnywhere(VARIANT_TRUE); },
                  [](_Zelvane4& z) {
                    VARIANT_BOOL value = 0;
                    return z.get_MatchAnywhere(&value) == S_OK && value == VARIANT_TRUE;
                  }},
        OptionKey{L"FilterDelay", [](_Zelvane4& z) { z.put_FilterDelay(0); },
                  [](_Zelvane4& z) {
                    LONG value = -1;
                    return z.get_FilterDelay(&value) == S_OK && value == 0;
                  }},
        OptionKey{L"ListRows", [](_Zelvane4& z) { z.put_ListRows(12); },
                  [](_Zelvane4& z) {
                    short value = 0;
                    return z.get_ListRows(&value) == S_OK && value == 12;
                  }},
        OptionKey{L"CloseOnEscape", [](_Zelvane4& z) { z.put_CloseOnEscape(VARIANT_TRUE); },
                  [](_Zelvane4& z) {
                    VARIANT_BOOL value = 0;
                    return z.get_CloseOnEscape(&value) == S_OK && value == VARIANT_TRUE;
                  }},
        OptionKey{L"AccessibleName",
                  [](_Zelvane4& z) {
                    z.put_AccessibleName(zelvane::win32::unique_bstr(SysAllocString(L"City")).get());
                  },
                  [](_Zelvane4& z) {
                    zelvane::win32::unique_bstr value;
                    return z.get_AccessibleName(value.put()) == S_OK && value && std::wstring(value.get()) == L"City";
                  }},
        OptionKey{L"VisualStyles", [](_Zelvane4& z) { z.put_VisualStyles(VARIANT_TRUE); },
                  [](_Zelvane4& z) {
                    VARIANT_BOOL value = 0;
                    return z.get_VisualStyles(&value) == S_OK && value == VARIANT_TRUE;
                  }},
        OptionKey{L"AutoAppend", [](_Zelvane4& z) { z.put_AutoAppend(VARIANT_TRUE); },
                  [](_Zelvane4& z) {
                    VARIANT_BOOL value = 0;
                    return z.get_AutoAppend(&value) == S_OK && value == VARIANT_TRUE;
                  }},
        OptionKey{L"HighlightMatch", [](_Zelvane4& z) { z.put_HighlightMatch(VARIANT_TRUE); },
                  [](_Zelvane4& z) {
                    VARIANT_BOOL value = 0;
                    return z.get_HighlightMatch(&value) == S_OK && value == VARIANT_TRUE;
                  }},
        OptionKey{L"RightToLeft", [](_Zelvane4& z) { z.put_RightToLeft(VARIANT_TRUE); },
                  [](_Zelvane4& z) {
                    VARIANT_BOOL value = 0;
                    return z.get_RightToLeft(&value) == S_OK && value == VARIANT_TRUE;
                  }}),
    [](const auto& info) {
      return std::string(info.param.name, info.param.name + wcslen(info.param.name));
    });

/// The bytes of a stream, from its start.
std::string StreamBytes(IStream& stream) {
  STATSTG stat{};
  stream.Stat(&stat, STATFLAG_NONAME);
  std::string bytes(static_cast<std::size_t>(stat.cbSize.QuadPart), '\0');
  stream.Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
  ULONG read = 0;
  stream.Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
  return bytes;
}

/// A stored form as the build before the options wrote it into a stream: its
/// header, then the ten keys with their kinds, written out here byte by byte.
std::string FormStreamBeforeTheOptions() {
  std::string bytes("ZVTB\x01\x00\x00\x00", 8);
  const auto put = [&bytes](const void* data, std::size_t size) {
    bytes.append(static_cast<const char*>(data), size);
  };
  const auto u32 = [&put](std::uint32_t value) { put(&value, 4); };
  const auto entry = [&](std::wstring_view name, std::uint16_t kind, const std::string& payload) {
    u32(static_cast<std::uint32_t>(name.size()));
    put(name.data(), name.size() * sizeof(wchar_t));
    put(&kind, 2);
    u32(static_cast<std::uint32_t>(payload.size()));
    bytes += payload;
  };
  const auto i4 = [](std::int32_t value) { return std::string(reinterpret_cast<const char*>(&value), 4); };
  const std::wstring regKey = L"1A2B-4542943750000-1788";
  // A control's font as OleSaveToStream writes it (the face the system realised).
  Control fresh;
  fresh.InitNew();
  com_ptr<IFontDisp> font;
  fresh.z->get_Font(font.put());
  com_ptr<IStream> fontStream;
  CreateStreamOnHGlobal(nullptr, TRUE, fontStream.put());
  OleSaveToStream(font.query<IPersistStream>().get(), fontStream.get());

  u32(10);
  entry(L"SaveOnReturn", 2, std::string(1, '\0'));
  entry(L"RegKey", 6, std::string(reinterpret_cast<const char*>(regKey.data()), regKey.size() * sizeof(wchar_t)));
  entry(L"MaxCount", 4, i4(25));
  entry(L"ShowButton", 2, std::string(1, '\1'));
  entry(L"Font", 7, StreamBytes(*fontStream.get()));
  entry(L"BackColor", 4, i4(0x123456));
  entry(L"ForeColor", 4, i4(0));
  entry(L"Enabled", 2, std::string(1, '\1'));
  entry(L"Appearance", 4, i4(0));
  entry(L"AutoSaveList", 2, std::string(1, '\1'));
  return bytes;
}

void ExpectOptionsAtTheirDefaults(_Zelvane2& z) {
  VARIANT_BOOL allowRemove = -1, matchAnywhere = -1, closeOnEscape = -1;
  LONG delay = 0;
  short rows = 0;
  z.get_AllowRemove(&allowRemove);
  z.get_MatchAnywhere(&matchAnywhere);
  z.get_CloseOnEscape(&closeOnEscape);
  z.get_FilterDelay(&delay);
  z.get_ListRows(&rows);
  EXPECT_EQ(allowRemove, VARIANT_FALSE);
  EXPECT_EQ(matchAnywhere, VARIANT_FALSE);
  EXPECT_EQ(closeOnEscape, VARIANT_FALSE);
  EXPECT_EQ(delay, 150);
  EXPECT_EQ(rows, 7);
}

// A form stored before the options came loads as it did and is stored back as it was.
TEST_F(ContainerTest, FormStoredBeforeTheOptionsLoadsAndIsStoredBackUnchanged) {
  const std::string before = FormStreamBeforeTheOptions();
  com_ptr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()), S_OK);
  stream->Write(before.data(), static_cast<ULONG>(before.size()), nullptr);
  stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
  Control fromStream;
  ASSERT_EQ(fromStream.z.query<IPersistStreamInit>()->Load(stream.get()), S_OK);
  LONG maxCount = 0;
  fromStream.z->get_MaxCount(&maxCount);
  EXPECT_EQ(maxCount, 25);
  ExpectOptionsAtTheirDefaults(*fromStream.z2.get());
  com_ptr<IStream> again;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, again.put()), S_OK);
  ASSERT_EQ(fromStream.z.query<IPersistStreamInit>()->Save(again.get(), TRUE), S_OK);
  EXPECT_EQ(StreamBytes(*again.get()), before) << "byte for byte";

  // The same form in a property bag: the ten keys only, and the same values back.
  MemoryBag bag;
  ASSERT_EQ(fromStream.z.query<IPersistPropertyBag>()->Save(&bag, TRUE, TRUE), S_OK);
  ASSERT_EQ(bag.order, kTenKeys);
  Control fromBag;
  ASSERT_EQ(fromBag.z.query<IPersistPropertyBag>()->Load(&bag, nullptr), S_OK);
  ExpectOptionsAtTheirDefaults(*fromBag.z2.get());
  MemoryBag back;
  ASSERT_EQ(fromBag.z.query<IPersistPropertyBag>()->Save(&back, TRUE, TRUE), S_OK);
  ASSERT_EQ(back.order, kTenKeys);
  for (const std::wstring& key : kTenKeys) {
    if (key == L"Font") continue;  // an object: compared by its stream above
    EXPECT_EQ(VarCmp(&bag.values[key], &back.values[key], 0, 0), static_cast<HRESULT>(VARCMP_EQ))
        << std::string(key.begin(), key.end());
  }
}

/// Presses a key with Shift held, on the keyboard.
void PressShifted(WORD key) {
  INPUT input[4] = {};
  for (INPUT& one : input) one.type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[3].ki.wVk = VK_SHIFT;
  input[1].ki.wVk = input[2].ki.wVk = key;
  input[1].ki.dwFlags = input[2].ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
  input[2].ki.dwFlags |= KEYEVENTF_KEYUP;
  input[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, input, sizeof(INPUT));
}

TEST_F(ContainerTest, ShiftDeleteRemovesTheEntryFromTheSavedList) {
  MemoryBag bag;
  {
    Control placed;
    placed.InitNew();
    placed.z2->put_AllowRemove(VARIANT_TRUE);
    placed.z.query<IPersistPropertyBag>()->Save(&bag, TRUE, TRUE);
  }
  const std::wstring key = V_BSTR(&bag.values[L"RegKey"]);
  const wchar_t* const lists = L"Software\\VB and VBA Program Settings\\Zelvane\\Lists";
  const std::wstring stored = L"apple\r\napricot\r\nbanana";
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, lists, key.c_str(), REG_SZ, stored.c_str(),
                            static_cast<DWORD>((stored.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
  TestSite site;
  {
    Control run(&site);
    ASSERT_EQ(run.z.query<IPersistPropertyBag>()->Load(&bag, nullptr), S_OK);
    run.Activate(site);
    SetForegroundWindow(site.window());
    SetFocus(run.Editor());
    PressKey('A');
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(run.List()) != FALSE; }));
    ASSERT_EQ(ListRow(run.List(), 0), L"apple");
    PressKey(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(run.List(), LB_GETCURSEL, 0, 0) == 0; }));
    SendMessageW(run.Editor(), EM_SETSEL, 0, -1);  // what a cut would take
    PressShifted(VK_DELETE);
    ASSERT_TRUE(PumpUntil([&] { return run.Count() == 2; })) << "the entry leaves the list";
    EXPECT_EQ(run.events.removing, L"apple");
    EXPECT_EQ(ListRow(run.List(), 0), L"apricot");
    EXPECT_EQ(SendMessageW(run.List(), LB_GETCURSEL, 0, 0), 0) << "the next row is highlighted";
    EXPECT_EQ(run.Text(), L"a") << "the press cut nothing";
  }
  wchar_t saved[64] = {};
  DWORD savedBytes = sizeof saved;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, lists, key.c_str(), RRF_RT_REG_SZ, nullptr, saved, &savedBytes),
            ERROR_SUCCESS);
  EXPECT_STREQ(saved, L"apricot\r\nbanana");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, lists, key.c_str());
}

// A dialog-style host: the active object's accelerators first (or not at all),
// then the dialog keys, among them Escape for the Cancel button.
enum class KeyRoute { AcceleratorThenDialog, DialogOnly };

struct EscapeCase {
  const char* name;
  bool closeOnEscape;
  bool open;
  KeyRoute route;
  bool cancelFires;
};

class EscapeTest : public ContainerTest, public ::testing::WithParamInterface<EscapeCase> {
 protected:
  static int cancels;
  static WNDPROC formProc;
  static LRESULT CALLBACK CountingCancels(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) ++cancels;
    return CallWindowProcW(formProc, hwnd, msg, wParam, lParam);
  }

  bool Pump(HWND form, IOleInPlaceActiveObject& active, const std::function<bool()>& done) {
    for (int round = 0; round < 250; ++round) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        const bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
        if (key && GetParam().route == KeyRoute::AcceleratorThenDialog && active.TranslateAccelerator(&msg) == S_OK) {
          continue;
        }
        if (key && IsDialogMessageW(form, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      if (done()) return true;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return done();
  }
};
int EscapeTest::cancels = 0;
WNDPROC EscapeTest::formProc = nullptr;

TEST_P(EscapeTest, TheOpenListTakesEscapeFromTheCancelButtonOnlyWhenAsked) {
  const EscapeCase& c = GetParam();
  ActiveControl active;
  Control& control = active.control;
  const HWND form = active.site.window();
  const unique_hwnd cancel(CreateWindowExW(0, L"BUTTON", L"Cancel", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 250, 200,
                                           80, 24, form, reinterpret_cast<HMENU>(IDCANCEL), nullptr, nullptr));
  cancels = 0;
  formProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(form, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EscapeTest::CountingCancels)));
  control.Add(L"apple");
  control.Add(L"apricot");
  control.z2->put_CloseOnEscape(c.closeOnEscape ? VARIANT_TRUE : VARIANT_FALSE);
  const auto activeObject = control.z.query<IOleInPlaceActiveObject>();
  SetForegroundWindow(form);
  SetFocus(control.Editor());
  if (c.open) {
    PressKey('A');
    ASSERT_TRUE(Pump(form, *activeObject.get(), [&] { return IsWindowVisible(control.List()) != FALSE; }));
  }
  CONTROLINFO info{};
  ASSERT_EQ(control.z.query<IOleControl>()->GetControlInfo(&info), S_OK);
  const bool claims = c.closeOnEscape && c.open;
  EXPECT_EQ((info.dwFlags & CTRLINFO_EATS_ESCAPE) != 0, claims);
  EXPECT_EQ(active.site.controlInfoChanges, claims ? 1 : 0) << "the container hears when the list claims Escape";

  control.events.events.clear();
  PressKey(VK_ESCAPE);
  Pump(form, *activeObject.get(), [&] { return control.events.Count(kKeyUp) > 0; });
  PumpAWhile();
  EXPECT_EQ(cancels, c.cancelFires ? 1 : 0);
  EXPECT_EQ(IsWindowVisible(control.List()) != FALSE, c.open && !claims);
  EXPECT_EQ(control.events.Count(kKeyDown), c.cancelFires ? 0 : 1) << "the box sees only a key no button takes";
  EXPECT_EQ(control.events.Count(kCloseUpList), claims ? 1 : 0);
  SetWindowLongPtrW(form, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(formProc));
}

INSTANTIATE_TEST_SUITE_P(
    Routes, EscapeTest,
    ::testing::Values(EscapeCase{"OpenListAccelerator", true, true, KeyRoute::AcceleratorThenDialog, false},
                      EscapeCase{"OpenListDialogCode", true, true, KeyRoute::DialogOnly, false},
                      EscapeCase{"ClosedListGoesToCancel", true, false, KeyRoute::AcceleratorThenDialog, true},
                      EscapeCase{"OptionOffGoesToCancel", false, true, KeyRoute::AcceleratorThenDialog, true},
                      EscapeCase{"OptionOffDialogCode", false, true, KeyRoute::DialogOnly, true}),
    [](const auto& info) { return std::string(info.param.name); });

// The host changes the list while it is dropped down; the rows stay as they were.
TEST_F(ContainerTest, ShiftDeleteOnARowWhoseEntryIsGoneRaisesNoRemovingItem) {
  ActiveControl active;
  Control& control = active.control;
  ASSERT_EQ(control.z2->put_AllowRemove(VARIANT_TRUE), S_OK);
  BSTR value = SysAllocString(L"qa\r\nother\r\nqb\r\nzed\r\nqc");
  ASSERT_EQ(control.z->put_StringValue(value), S_OK);
  SysFreeString(value);
  SetForegroundWindow(active.site.window());
  SetFocus(control.Editor());
  PressKey('Q');
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(control.List()) != FALSE; }));
  PressKey(VK_DOWN);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(control.List(), LB_GETCURSEL, 0, 0) == 0; }));
  ASSERT_EQ(control.z->ClearList(), S_OK);
  control.events.events.clear();
  PressShifted(VK_DELETE);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(control.List(), LB_GETCOUNT, 0, 0) == 2; }))
      << "the row leaves the open list";
  EXPECT_EQ(control.events.Count(kRemovingItem), 0);
  EXPECT_EQ(control.Count(), 0);
  EXPECT_EQ(SendMessageW(control.List(), LB_GETCURSEL, 0, 0), 0) << "the next row is highlighted";
}

const wchar_t* const kListsKey = L"Software\\VB and VBA Program Settings\\Zelvane\\Lists";

/// Places a control as a designer would and stores it in `bag`; returns its key.
std::wstring PlaceAndStore(MemoryBag& bag) {
  Control placed;
  placed.InitNew();
  placed.z.query<IPersistPropertyBag>()->Save(&bag, TRUE, TRUE);
  return V_BSTR(&bag.values[L"RegKey"]);
}

void StoreList(const std::wstring& key, const std::wstring& list) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kListsKey, key.c_str(), REG_SZ, list.c_str(),
                            static_cast<DWORD>((list.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
}

std::wstring SavedList(const std::wstring& key) {
  wchar_t saved[256] = {};
  DWORD bytes = sizeof saved;
  RegGetValueW(HKEY_CURRENT_USER, kListsKey, key.c_str(), RRF_RT_REG_SZ, nullptr, saved, &bytes);
  return saved;
}

/// A control restored at run time from the stored form in `bag`.
std::unique_ptr<Control> Restore(TestSite& site, MemoryBag& bag) {
  auto control = std::make_unique<Control>(&site);
  EXPECT_EQ(control->z.query<IPersistPropertyBag>()->Load(&bag, nullptr), S_OK);
  return control;
}

// A copied control: two controls with one key on the forms of one program. Each
// adds an entry and one removes one; whichever goes last keeps the other's changes.
TEST_F(ContainerTest, TwoControlsWithOneKeyMergeTheirSavedLists) {
  MemoryBag bag;
  const std::wstring key = PlaceAndStore(bag);
  for (const bool firstGoesFirst : {true, false}) {
    StoreList(key, L"s1\r\ns2\r\ns3");
    TestSite site;
    std::unique_ptr<Control> first = Restore(site, bag);
    std::unique_ptr<Control> second = Restore(site, bag);
    first->Add(L"a1");
    ASSERT_EQ(first->z2->RemoveItem(3), S_OK);  // s3
    second->Add(L"b1");
    (firstGoesFirst ? first : second).reset();
    EXPECT_EQ(SavedList(key), firstGoesFirst ? L"a1\r\ns1\r\ns2" : L"b1\r\ns1\r\ns2\r\ns3")
        << "alone, the first save writes what it always did";
    (firstGoesFirst ? second : first).reset();
    EXPECT_EQ(SavedList(key), firstGoesFirst ? L"b1\r\na1\r\ns1\r\ns2" : L"a1\r\nb1\r\ns1\r\ns2");
  }
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kListsKey, key.c_str());
}

// The second program of the test below; skipped when run on its own. It loads the
// list under the key it is given, adds "theirs", removes "s1" and saves when told to.
TEST_F(ContainerTest, SecondProgramOfTheSharedKeyTest) {
  wchar_t key[64] = {};
  if (GetEnvironmentVariableW(Server::kSharedKeyVariable, key, 64) == 0) GTEST_SKIP() << "run by the test below";
  MemoryBag bag;
  VARIANT value;
  V_VT(&value) = VT_BSTR;
  V_BSTR(&value) = SysAllocString(key);
  bag.Write(L"RegKey", &value);
  VariantClear(&value);
  const unique_handle loaded(OpenEventW(EVENT_MODIFY_STATE, FALSE, L"ZelvaneSharedKeyLoaded"));
  const unique_handle go(OpenEventW(SYNCHRONIZE, FALSE, L"ZelvaneSharedKeyGo"));
  ASSERT_TRUE(loaded && go);
  TestSite site;
  std::unique_ptr<Control> theirs = Restore(site, bag);
  theirs->Add(L"theirs");
  ASSERT_EQ(theirs->z2->RemoveItem(1), S_OK);  // s1
  SetEvent(loaded.get());
  ASSERT_TRUE(PumpUntil([&] { return WaitForSingleObject(go.get(), 0) == WAIT_OBJECT_0; }, 1500));
}

// Two copies of one program, each with the control of one stored form: both load,
// change and save the list, in either order, and neither loses the other's changes.
TEST_F(ContainerTest, TwoProgramsWithOneKeyMergeTheirSavedLists) {
  MemoryBag bag;
  const std::wstring key = PlaceAndStore(bag);
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  for (const bool theyGoFirst : {true, false}) {
    StoreList(key, L"s1\r\ns2\r\ns3");
    const unique_handle loaded(CreateEventW(nullptr, TRUE, FALSE, L"ZelvaneSharedKeyLoaded"));
    const unique_handle go(CreateEventW(nullptr, TRUE, FALSE, L"ZelvaneSharedKeyGo"));
    TestSite site;
    std::unique_ptr<Control> mine = Restore(site, bag);
    mine->Add(L"mine");
    std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_filter=ContainerTest.SecondProgramOfTheSharedKeyTest";
    SetEnvironmentVariableW(Server::kSharedKeyVariable, key.c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const BOOL created =
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started);
    SetEnvironmentVariableW(Server::kSharedKeyVariable, nullptr);
    ASSERT_TRUE(created);
    const unique_handle process(started.hProcess);
    CloseHandle(started.hThread);
    ASSERT_TRUE(PumpUntil([&] { return WaitForSingleObject(loaded.get(), 0) == WAIT_OBJECT_0; }, 1500))
        << "the second program never loaded the list";
    if (!theyGoFirst) mine.reset();
    SetEvent(go.get());
    ASSERT_TRUE(PumpUntil([&] { return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; }, 1500));
    DWORD exitCode = 1;
    GetExitCodeProcess(process.get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
    mine.reset();
    EXPECT_EQ(SavedList(key), theyGoFirst ? L"mine\r\ntheirs\r\ns2\r\ns3" : L"theirs\r\nmine\r\ns2\r\ns3");
  }
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kListsKey, key.c_str());
}

/// A form with an active control on a UI thread of its own, as a program with
/// windows on two threads has.
class OtherThreadForm {
 public:
  OtherThreadForm() : thread_([this] { Run(); }) {
    while (!window_.load()) Sleep(10);
  }
  ~OtherThreadForm() {
    stop_ = true;
    thread_.join();
  }
  HWND window() const { return window_.load(); }

 private:
  void Run() {
    OleInitialize(nullptr);
    {
      ActiveControl active;
      // Beside the test's own form, which takes the place every form takes.
      MoveWindow(active.site.window(), 560, 100, 400, 300, TRUE);
      window_ = active.site.window();
      while (!stop_) PumpUntil([this] { return stop_.load(); }, 5);
    }
    OleUninitialize();
  }
  std::atomic<bool> stop_{false};
  std::atomic<HWND> window_{nullptr};
  std::thread thread_;
};

// The person moves on while the list is open, in ways the thread's mouse hook does
// not see: the list closes up as on a press elsewhere.
struct MoveOnCase {
  const char* name;
  void (*move)(HWND form, HWND otherThreadsForm);
};

class MoveOnTest : public ContainerTest, public ::testing::WithParamInterface<MoveOnCase> {};

TEST_P(MoveOnTest, TheOpenListClosesWhenThePersonMovesOn) {
  OtherThreadForm other;
  ProbedControl form;
  Control& control = form.control;
  PressKey('A');
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(control.List()) != FALSE; }));
  control.events.events.clear();
  GetParam().move(form.site.window(), other.window());
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(control.List()); }));
  EXPECT_EQ(control.events.Count(kCloseUpList), 1);
  ShowWindow(form.site.window(), SW_RESTORE);
  SetForegroundWindow(form.site.window());
  // The press below is meant for the form in front, not one still being brought there.
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form.site.window(); }));
  const int presses = form.probe.presses;
  ClickAt(Middle(form.probe.window()));
  EXPECT_TRUE(PumpUntil([&] { return form.probe.presses > presses; })) << "no hook is left to stop a press";
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MoveOnTest,
    ::testing::Values(MoveOnCase{"PressOnAnotherThreadsForm", [](HWND, HWND other) { ClickAt(Middle(other)); }},
                      MoveOnCase{"AnotherThreadsFormBroughtForward",
                                 [](HWND, HWND other) { SetForegroundWindow(other); }},
                      MoveOnCase{"FormMinimized", [](HWND form, HWND) { ShowWindow(form, SW_MINIMIZE); }}),
    [](const auto& info) { return std::string(info.param.name); });
// ---- What a screen reader receives ----

/// One WinEvent as a reader hears it, with what the reader then finds for a row.
struct HeardEvent {
  DWORD event;
  HWND hwnd;
  LONG object;
  LONG child;
  std::wstring name = {};  // rows only, as AccessibleObjectFromEvent gives them
  LONG role = 0;
  LONG state = 0;
  bool operator==(const HeardEvent& other) const {
    return event == other.event && hwnd == other.hwnd && object == other.object && child == other.child;
  }
};

void PrintTo(const HeardEvent& e, std::ostream* os) {
  *os << std::hex << e.event << std::dec << " " << e.hwnd << " " << e.object << " " << e.child;
}

/// The WinEvents of this process about the control's windows, through an
/// out-of-context hook: they arrive while the thread pumps, as a reader's do.
class Reader {
 public:
  Reader(HWND list, HWND editor) : list_(list), editor_(editor) {
    current = this;
    hook_ = SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_VALUECHANGE, nullptr, Heard, GetCurrentProcessId(), 0,
                            WINEVENT_OUTOFCONTEXT);
  }
  ~Reader() {
    UnhookWinEvent(hook_);
    current = nullptr;
  }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;
  bool Hooked() const { return hook_ != nullptr; }

  std::vector<HeardEvent> heard;

 private:
  static void CALLBACK Heard(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (current && (hwnd == current->list_ || hwnd == current->editor_)) current->Hear({event, hwnd, object, child});
  }
  void Hear(HeardEvent e) {
    com_ptr<IAccessible> object;
    VARIANT child;
    VariantInit(&child);
    if (e.hwnd == list_ && e.child > 0 && AccessibleObjectFromEvent(e.hwnd, e.object, e.child, object.put(), &child) == S_OK) {
      BSTR name = nullptr;
      VARIANT role, state;
      VariantInit(&role);
      VariantInit(&state);
      object->get_accName(child, &name);
      object->get_accRole(child, &role);
      object->get_accState(child, &state);
      e.name = name ? name : L"";
      e.role = V_VT(&role) == VT_I4 ? V_I4(&role) : 0;
      e.state = V_VT(&state) == VT_I4 ? V_I4(&state) : 0;
      SysFreeString(name);
    }
    heard.push_back(std::move(e));
  }

  static inline thread_local Reader* current = nullptr;
  HWND list_;
  HWND editor_;
  HWINEVENTHOOK hook_ = nullptr;
};

void HoverAt(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &input, sizeof(INPUT));
}

POINT RowMiddle(HWND list, int row) {
  RECT rect{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
  MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

TEST_F(ContainerTest, AReaderHearsTheHighlightedRowsAndComesBackToTheText) {
  ActiveControl active;
  Control& control = active.control;
  for (const wchar_t* item : {L"banana", L"apricot", L"apple"}) control.Add(item);
  const HWND list = control.List();
  const HWND editor = control.Editor();
  Reader reader(list, editor);
  ASSERT_TRUE(reader.Hooked());
  TypeText(editor, "a");
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(list) != FALSE; }));
  TypeKey(editor, VK_DOWN);
  TypeKey(editor, VK_DOWN);
  TypeKey(editor, VK_DOWN);  // past the last row: nothing to hear
  TypeKey(editor, VK_UP);
  HoverAt(RowMiddle(list, 1));
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == 1; }));
  TypeKey(editor, VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(list); }));
  control.z->put_Text(nullptr);
  TypeText(editor, "b");
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(list) != FALSE; }));
  RECT form{};
  GetWindowRect(active.site.window(), &form);
  ClickAt(POINT{form.right - 30, form.bottom - 30});
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(list); }));
  PumpAWhile();

  const auto row = [&](DWORD event, LONG child) { return HeardEvent{event, list, OBJID_CLIENT, child}; };
  const HeardEvent shown{EVENT_OBJECT_SHOW, list, OBJID_WINDOW, CHILDID_SELF};
  const HeardEvent hidden{EVENT_OBJECT_HIDE, list, OBJID_WINDOW, CHILDID_SELF};
  const HeardEvent backToText{EVENT_OBJECT_FOCUS, editor, OBJID_CLIENT, CHILDID_SELF};
  const std::vector<HeardEvent> expected{
      shown,
      row(EVENT_OBJECT_FOCUS, 1), row(EVENT_OBJECT_SELECTION, 1),
      row(EVENT_OBJECT_FOCUS, 2), row(EVENT_OBJECT_SELECTION, 2),
      row(EVENT_OBJECT_FOCUS, 1), row(EVENT_OBJECT_SELECTION, 1),
      row(EVENT_OBJECT_FOCUS, 2), row(EVENT_OBJECT_SELECTION, 2),  // the mouse over the second row
      {EVENT_OBJECT_VALUECHANGE, editor, OBJID_CLIENT, CHILDID_SELF}, hidden, backToText,
      shown, hidden, backToText};
  EXPECT_EQ(reader.heard, expected);
  for (const HeardEvent& e : reader.heard) {
    if (e.hwnd != list || e.child <= 0) continue;
    EXPECT_EQ(e.name, e.child == 1 ? L"apple" : L"apricot");
    EXPECT_EQ(e.role, ROLE_SYSTEM_LISTITEM);
    EXPECT_EQ(e.state & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED), STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED);
  }
}

// A form closed while the list is open: the list goes with the control, and a
// reader must hear it go while the list's window can still be named.
struct ListGoneCase {
  const char* name;
  void (*end)(TestSite& form, Control& control);
};

void PrintTo(const ListGoneCase& c, std::ostream* os) { *os << c.name; }

class ListGoneTest : public ContainerTest, public ::testing::WithParamInterface<ListGoneCase> {};

TEST_P(ListGoneTest, AReaderHearsTheOpenListGoWithTheControl) {
  auto active = std::make_unique<ActiveControl>();
  Control& control = active->control;
  for (const wchar_t* item : {L"apricot", L"apple"}) control.Add(item);
  const HWND list = control.List();
  TypeText(control.Editor(), "a");
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(list) != FALSE; }));
  Reader reader(list, control.Editor());
  ASSERT_TRUE(reader.Hooked());
  GetParam().end(active->site, control);
  active.reset();
  PumpAWhile();
  const HeardEvent hidden{EVENT_OBJECT_HIDE, list, OBJID_WINDOW, CHILDID_SELF};
  EXPECT_EQ(std::count(reader.heard.begin(), reader.heard.end(), hidden), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ListGoneTest,
    ::testing::Values(ListGoneCase{"LetGoWithoutClosing", [](TestSite&, Control& c) { c.LetGo(); }},
                      ListGoneCase{"FormDestroyedFirst",
                                   [](TestSite& form, Control& c) {
                                     form.DestroyForm();
                                     c.Unload();
                                   }},
                      ListGoneCase{"Unloaded", [](TestSite&, Control& c) { c.Unload(); }}),
    [](const auto& info) { return std::string(info.param.name); });

/// The object a reader gets for one of the control's windows.
com_ptr<IAccessible> ObjectOf(HWND window, LONG objectId = OBJID_CLIENT) {
  com_ptr<IAccessible> object;
  AccessibleObjectFromWindow(window, static_cast<DWORD>(objectId), __uuidof(IAccessible), object.put_void());
  return object;
}

VARIANT ChildVariant(LONG id) {
  VARIANT child;
  V_VT(&child) = VT_I4;
  V_I4(&child) = id;
  return child;
}

std::wstring AccName(IAccessible& object, LONG child = CHILDID_SELF) {
  BSTR name = nullptr;
  object.get_accName(ChildVariant(child), &name);
  std::wstring result = name ? name : L"<none>";
  SysFreeString(name);
  return result;
}

TEST_F(ContainerTest, TheListIsAListOfItsRowsForAReader) {
  ActiveControl active;
  Control& control = active.control;
  for (const wchar_t* item : {L"cherry", L"cranberry"}) control.Add(item);
  TypeText(control.Editor(), "c");
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(control.List()) != FALSE; }));
  TypeKey(control.Editor(), VK_DOWN);
  const com_ptr<IAccessible> list = ObjectOf(control.List());
  ASSERT_TRUE(list) << "the list answers WM_GETOBJECT";
  LONG count = 0;
  list->get_accChildCount(&count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(AccName(*list.get(), 1), L"cranberry");
  EXPECT_EQ(AccName(*list.get(), 2), L"cherry");
  VARIANT role;
  list->get_accRole(ChildVariant(CHILDID_SELF), &role);
  EXPECT_EQ(V_I4(&role), ROLE_SYSTEM_LIST);
  VARIANT selection, next;
  list->get_accSelection(&selection);
  EXPECT_EQ(V_VT(&selection), VT_I4);
  EXPECT_EQ(V_I4(&selection), 1);
  list->accNavigate(NAVDIR_NEXT, ChildVariant(1), &next);
  EXPECT_EQ(V_I4(&next), 2);
  LONG left = 0, top = 0, width = 0, height = 0;
  ASSERT_EQ(list->accLocation(&left, &top, &width, &height, ChildVariant(2)), S_OK);
  const POINT second = RowMiddle(control.List(), 1);
  EXPECT_TRUE(second.x >= left && second.x < left + width && second.y >= top && second.y < top + height);
  VARIANT hit;
  list->accHitTest(second.x, second.y, &hit);
  EXPECT_EQ(V_I4(&hit), 2);
  VARIANT state;
  list->get_accState(ChildVariant(2), &state);
  EXPECT_EQ(V_I4(&state) & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_SELECTABLE), STATE_SYSTEM_SELECTABLE);
}

struct TextBoxName {
  const char* name;
  const wchar_t* label;  // a STATIC created before the control's site window, or none
  const wchar_t* accessibleName;  // set through _Zelvane3, or none
  std::wstring announced;
};

class TextBoxNameTest : public ContainerTest, public ::testing::WithParamInterface<TextBoxName> {};

TEST_P(TextBoxNameTest, IsTheLabelBeforeTheControl) {
  TestSite form;
  unique_hwnd label;
  AtlHosted hosted(form, [&](HWND parent) {
    if (GetParam().label)
      label.reset(CreateWindowExW(0, L"STATIC", GetParam().label, WS_CHILD | WS_VISIBLE, 10, 10, 200, 20, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr));
  });
  ASSERT_TRUE(hosted.z) << "atl.dll hosts no control";
  if (GetParam().accessibleName) {
    const zelvane::win32::unique_bstr name(SysAllocString(GetParam().accessibleName));
    ASSERT_EQ(hosted.z.query<_Zelvane3>()->put_AccessibleName(name.get()), S_OK);
  }
  const com_ptr<IAccessible> text = ObjectOf(hosted.Editor());
  ASSERT_TRUE(text);
  EXPECT_EQ(AccName(*text.get()), GetParam().announced);
  VARIANT role;
  text->get_accRole(ChildVariant(CHILDID_SELF), &role);
  EXPECT_EQ(V_I4(&role), ROLE_SYSTEM_TEXT) << "the rest is the system's object for an edit box";
}

INSTANTIATE_TEST_SUITE_P(Forms, TextBoxNameTest,
                         ::testing::Values(TextBoxName{"Label", L"&Destination:", nullptr, L"Destination:"},
                                           TextBoxName{"NoLabel", nullptr, nullptr, L"<none>"},
                                           TextBoxName{"AccessibleName", L"&Destination:", L"Arrival", L"Arrival"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ContainerTest, TheDropDownButtonIsAChildOfTheControlThatAReaderCanPress) {
  ActiveControl active;
  Control& control = active.control;
  control.Add(L"one");
  const com_ptr<IAccessible> window = ObjectOf(control.Surface());
  ASSERT_TRUE(window);
  LONG count = 0;
  window->get_accChildCount(&count);
  EXPECT_EQ(count, 1) << "the text box only, while the button is not shown";
  ASSERT_EQ(control.z->put_ShowButton(VARIANT_TRUE), S_OK);
  window->get_accChildCount(&count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(AccName(*window.get(), 2), L"Open");
  VARIANT role;
  window->get_accRole(ChildVariant(2), &role);
  EXPECT_EQ(V_I4(&role), ROLE_SYSTEM_PUSHBUTTON);
  BSTR action = nullptr, shortcut = nullptr;
  window->get_accDefaultAction(ChildVariant(2), &action);
  window->get_accKeyboardShortcut(ChildVariant(2), &shortcut);
  EXPECT_STREQ(action, L"Open");
  EXPECT_STREQ(shortcut, L"Alt+Down");
  SysFreeString(action);
  SysFreeString(shortcut);
  LONG left = 0, top = 0, width = 0, height = 0;
  window->accLocation(&left, &top, &width, &height, ChildVariant(2));
  RECT surface{};
  GetClientRect(control.Surface(), &surface);
  MapWindowPoints(control.Surface(), nullptr, reinterpret_cast<POINT*>(&surface), 2);
  EXPECT_EQ(left + width, surface.right);
  EXPECT_GT(width, 0);
  com_ptr<IDispatch> first;
  window->get_accChild(ChildVariant(1), first.put());
  EXPECT_TRUE(first) << "the text box is an object of its own";

  ASSERT_EQ(window->accDoDefaultAction(ChildVariant(2)), S_OK);
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(control.List()) != FALSE; }));
  EXPECT_EQ(control.events.Count(kButtonClick), 1);
  EXPECT_EQ(AccName(*window.get(), 2), L"Close");
}

}  // namespace
