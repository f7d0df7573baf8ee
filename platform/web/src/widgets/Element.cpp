#include "widgets/Element.h"

#include <cstdlib>

namespace platform::web {

extern "C" {
int vd_create(const char* tag);
void vd_drop(int node);
void vd_set_attribute(int node, const char* name, const char* value);
void vd_remove_attribute(int node, const char* name);
void vd_set_style(int node, const char* property, const char* value);
void vd_set_text(int node, const char* text);
void vd_append(int parent, int child);
int vd_call(const char* name, int node, const char* a, const char* b, const char* c, int number);
char* vd_call_text(const char* name, int node, const char* a, int number);
}

int Create(const char* tag) { return vd_create(tag); }

int Call(const char* name, int node, const std::string& a, const std::string& b,
         const std::string& c, int number) {
  return vd_call(name, node, a.c_str(), b.c_str(), c.c_str(), number);
}

std::string CallForText(const char* name, int node, const std::string& a, int number) {
  char* answer = vd_call_text(name, node, a.c_str(), number);
  std::string text(answer);
  std::free(answer);
  return text;
}

Element::~Element() { vd_drop(node); }

void Element::SetAttribute(const char* name, const std::string& value) {
  vd_set_attribute(node, name, value.c_str());
}

void Element::RemoveAttribute(const char* name) { vd_remove_attribute(node, name); }

void Element::SetStyle(const char* property, const std::string& value) {
  vd_set_style(node, property, value.c_str());
}

void Element::SetText(const std::string& text) { vd_set_text(node, text.c_str()); }

void Element::Append(Element& child) { vd_append(node, child.node); }

}  // namespace platform::web
