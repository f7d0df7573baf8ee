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

std::string Value(IUIAutomationElement* element) {
  VARIANT value;
  VariantInit(&value);
  if (FAILED(element->GetCurrentPropertyValue(UIA_ValueValuePropertyId, &value))) return "?";
  std::string text = value.vt == VT_BSTR ? Take(value.bstrVal) : std::string();
  if (value.vt != VT_BSTR) VariantClear(&value);
  return text;
}

// Prints `element` and, depth first, every element below it, as the control view shows them.
void Print(IUIAutomationTreeWalker* walker, IUIAutomationElement* element, FILE* out) {
  BSTR name = nullptr;
  CONTROLTYPEID type = 0;
  RECT box{};
  element->get_CurrentName(&name);
  element->get_CurrentControlType(&type);
  element->get_CurrentBoundingRectangle(&box);
  std::fprintf(out, "%s|%s|%s|%ld,%ld,%ld,%ld\n", TypeName(type), Take(name).c_str(),
               Value(element).c_str(), box.left, box.top, box.right - box.left,
               box.bottom - box.top);
  IUIAutomationElement* child = nullptr;
  walker->GetFirstChildElement(element, &child);
  while (child) {
    Print(walker, child, out);
    IUIAutomationElement* next = nullptr;
    walker->GetNextSiblingElement(child, &next);
    child->Release();
    child = next;
  }
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
  IUIAutomationTreeWalker* walker = nullptr;
  if (SUCCEEDED(status)) status = automation->get_ControlViewWalker(&walker);
  if (FAILED(status) || !root || !walker) {
    std::fprintf(stderr, "uia.exe: the window's element or the tree walker failed: 0x%08lx\n", status);
    return 1;
  }
  FILE* out = std::fopen(argv[2], "w");
  if (!out) return 1;
  Print(walker, root, out);
  std::fclose(out);
  walker->Release();
  root->Release();
  automation->Release();
  CoUninitialize();
  return 0;
}
