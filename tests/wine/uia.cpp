// Reads the calculator's window through Windows' UI Automation, as a Windows screen reader does:
// one line per element, "type|name|value|left,top,width,height", into FILE, after one that
// tells its frame. A one-shot process: what it holds is released as it ends.
// Usage: uia.exe "WINDOW TITLE" FILE
#include <uiautomation.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Take(BSTR text) {
  const int length = text ? static_cast<int>(SysStringLen(text)) : 0;
  std::string bytes(WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr),
                    '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), int(bytes.size()), nullptr, nullptr);
  SysFreeString(text);
  return bytes;
}

const char* TypeName(CONTROLTYPEID type) {
  switch (type) {
    case UIA_WindowControlTypeId:
      return "window";
    case UIA_MenuBarControlTypeId:
      return "menu bar";
    case UIA_MenuItemControlTypeId:
      return "menu item";
    case UIA_ComboBoxControlTypeId:
      return "combo box";
    case UIA_EditControlTypeId:
      return "edit";
    case UIA_TextControlTypeId:
      return "text";
    case UIA_StatusBarControlTypeId:
      return "status bar";
    default:
      return "other";
  }
}

std::string Hex(HRESULT status) {
  char text[16];
  std::snprintf(text, sizeof text, "%08lx", status);
  return text;
}

// The value a screen reader reads, empty where the element has none, "?hex" where the request
// failed. Wine 10 answers the value pattern (GetCurrentPattern, GetCurrentPatternAs) with
// E_NOTIMPL (0x80004001); the property is asked instead.
std::string Value(IUIAutomationElement* element) {
  VARIANT value;
  VariantInit(&value);
  const HRESULT status = element->GetCurrentPropertyValue(UIA_ValueValuePropertyId, &value);
  if (FAILED(status)) return "?" + Hex(status);
  if (value.vt == VT_BSTR) return Take(value.bstrVal);
  VariantClear(&value);
  return "";
}

int Failed(const char* what, HRESULT status) {
  std::fprintf(stderr, "uia.exe: %s failed: 0x%s\n", what, Hex(status).c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: uia.exe TITLE FILE\n");
    return 2;
  }
  const HWND window = FindWindowA(nullptr, argv[1]);
  if (!window) return Failed("FindWindow", HRESULT_FROM_WIN32(GetLastError()));
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  IUIAutomation* automation = nullptr;
  HRESULT status = CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER,
                                    __uuidof(IUIAutomation), reinterpret_cast<void**>(&automation));
  if (FAILED(status)) return Failed("CoCreateInstance(CUIAutomation)", status);
  IUIAutomationElement* root = nullptr;
  if (FAILED(status = automation->ElementFromHandle(window, &root))) {
    return Failed("ElementFromHandle", status);
  }
  // Every element below the window, found at once: Wine 10 answers the tree walkers
  // (get_ControlViewWalker, get_RawViewWalker) with E_NOTIMPL (0x80004001).
  IUIAutomationCondition* everything = nullptr;
  IUIAutomationElementArray* found = nullptr;
  int count = 0;
  if (FAILED(status = automation->CreateTrueCondition(&everything)) ||
      FAILED(status = root->FindAll(TreeScope_Subtree, everything, &found)) ||
      FAILED(status = found->get_Length(&count))) {
    return Failed("FindAll", status);
  }
  FILE* out = std::fopen(argv[2], "w");
  if (!out) return Failed("fopen", E_FAIL);
  // Whether the window's frame offers to resize it: a sizing border (WS_THICKFRAME) or not.
  std::fprintf(out, "frame|%s||0,0,0,0\n",
               GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME ? "sizing" : "fixed");
  for (int i = 0; i < count; ++i) {
    IUIAutomationElement* element = nullptr;
    if (FAILED(found->GetElement(i, &element))) continue;
    BSTR name = nullptr;
    CONTROLTYPEID type = 0;
    RECT box{};
    element->get_CurrentName(&name);
    element->get_CurrentControlType(&type);
    element->get_CurrentBoundingRectangle(&box);
    std::fprintf(out, "%s|%s|%s|%ld,%ld,%ld,%ld\n", TypeName(type), Take(name).c_str(),
                 Value(element).c_str(), box.left, box.top, box.right - box.left,
                 box.bottom - box.top);
    element->Release();
  }
  return std::fclose(out) == 0 ? 0 : 1;
}
