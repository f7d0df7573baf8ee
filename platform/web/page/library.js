// The functions the program calls to reach the page (widgets/Element.cpp): elements by their
// number in page.js's table, texts as UTF-8 in the module's memory.
addToLibrary({
  vd_create__deps: ['$UTF8ToString', '$stringToNewUTF8'],
  vd_create: (tag) => Module.page.adopt(document.createElement(UTF8ToString(tag))),
  vd_drop: (node) => Module.page.drop(node),
  vd_set_attribute: (node, name, value) =>
    Module.page.nodes[node].setAttribute(UTF8ToString(name), UTF8ToString(value)),
  vd_remove_attribute: (node, name) => Module.page.nodes[node].removeAttribute(UTF8ToString(name)),
  vd_set_style: (node, property, value) =>
    Module.page.nodes[node].style.setProperty(UTF8ToString(property), UTF8ToString(value)),
  vd_set_text: (node, text) => { Module.page.nodes[node].textContent = UTF8ToString(text); },
  vd_append: (parent, child) => Module.page.nodes[parent].append(Module.page.nodes[child]),
  // page.js's function of that name, given the element and the texts and number; its answer as
  // a number, or as a text the program frees.
  vd_call: (name, node, a, b, c, number) => Number(Module.page[UTF8ToString(name)](
    Module.page.nodes[node], UTF8ToString(a), UTF8ToString(b), UTF8ToString(c), number)) || 0,
  vd_call_text: (name, node, a, number) => stringToNewUTF8(String(Module.page[UTF8ToString(name)](
    Module.page.nodes[node], UTF8ToString(a), number) ?? '')),
});
