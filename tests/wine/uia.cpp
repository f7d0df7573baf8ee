// Reads the calculator's window through Windows' UI Automation, as a Windows screen reader does:
// one line per control, "type|name|value|left,top,width,height", into FILE.
// Usage: uia.exe "WINDOW TITLE" FILE
#include <windows.h>
#include <uiautomation.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* text, int length) {
  if (length <= 0) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

std::string Take(BSTR text) {
  std::string bytes = text ? Utf8(text, static_cast<int>(SysStringLen(text))) : std::string();
  SysFreeString(text);
  return bytes;
}

const char* TypeName(CONTROLTYPEID type) {
  switch (type) {
    case UIA_WindowControlTypeId: return "window";
    case UIA_MenuBarControlTypeId: return "menu bar";
    case UIA_MenuItemControlTypeId: return "menu item";
    case UIA_ComboBoxControlTypeId: return "combo box";
    case UIA_EditControlTypeId: return "edit";
    case UIA_TextControlTypeId: return "text";
    case UIA_StatusBarControlTypeId: return "status bar";
    case UIA_PaneControlTypeId: return "pane";
    case UIA_ListControlTypeId: return "list";
    case UIA_ListItemControlTypeId: return "list item";
    case UIA_ButtonControlTypeId: return "button";
    default: return "other";
  }
}

// The value a screen reader reads, empty where the element has none, "?hex" where the request
// failed. Wine 10 answers the value pattern (GetCurrentPattern, GetCurrentPatternAs) with
// E_NOTIMPL (0x80004001); the property is asked instead.
std::string Value(IUIAutomationElement* element) {
  VARIANT value;
  VariantInit(&value);
  const HRESULT status = element->GetCurrentPropertyValue(UIA_ValueValuePropertyId, &value);
  if (FAILED(status)) {
    char failure[16];
    std::snprintf(failure, sizeof failure, "?%08lx", status);
    return failure;
  }
  if (value.vt == VT_BSTR) return Take(value.bstrVal);
  VariantClear(&value);
  return "";
}

// Prints one line for `element`.
void Print(IUIAutomationElement* element, FILE* out) {
  BSTR name = nullptr;
  CONTROLTYPEID type = 0;
  RECT box{};
  element->get_CurrentName(&name);
  element->get_CurrentControlType(&type);
  element->get_CurrentBoundingRectangle(&box);
  std::fprintf(out, "%s|%s|%s|%ld,%ld,%ld,%ld\n", TypeName(type), Take(name).c_str(),
               Value(element).c_str(), box.left, box.top, box.right - box.left,
               box.bottom - box.top);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: uia.exe TITLE FILE\n");
    return 2;
  }
  const int length = MultiByteToWideChar(CP_UTF8, 0, argv[1], -1, nullptr, 0);
  std::wstring title(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, argv[1], -1, title.data(), length);
  const HWND window = FindWindowW(nullptr, title.c_str());
  if (!window) {
    std::fprintf(stderr, "uia.exe: no window titled %s\n", argv[1]);
    return 1;
  }
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  IUIAutomation* automation = nullptr;
  HRESULT status = CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER,
                                    __uuidof(IUIAutomation), reinterpret_cast<void**>(&automation));
  if (FAILED(status)) {
    std::fprintf(stderr, "uia.exe: CoCreateInstance(CUIAutomation) failed: 0x%08lx\n", status);
    return 1;
  }
  IUIAutomationElement* root = nullptr;
  status = automation->ElementFromHandle(window, &root);
  if (FAILED(status) || !root) {
    std::fprintf(stderr, "uia.exe: ElementFromHandle failed: 0x%08lx\n", status);
    return 1;
  }
  // Every element below the window, found at once: Wine 10 answers the tree walkers
  // (get_ControlViewWalker, get_RawViewWalker) with E_NOTIMPL (0x80004001).
  IUIAutomationCondition* everything = nullptr;
  IUIAutomationElementArray* found = nullptr;
  status = automation->CreateTrueCondition(&everything);
  if (SUCCEEDED(status)) status = root->FindAll(TreeScope_Subtree, everything, &found);
  int count = 0;
  if (SUCCEEDED(status) && found) status = found->get_Length(&count);
  if (FAILED(status) || !found) {
    std::fprintf(stderr, "uia.exe: FindAll failed: 0x%08lx\n", status);
    return 1;
  }
  FILE* out = std::fopen(argv[2], "w");
  if (!out) return 1;
  for (int i = 0; i < count; ++i) {
    IUIAutomationElement* element = nullptr;
    if (FAILED(found->GetElement(i, &element)) || !element) continue;
    Print(element, out);
    element->Release();
  }
  std::fclose(out);
  found->Release();
  everything->Release();
  root->Release();
  automation->Release();
  CoUninitialize();
  return 0;
}
