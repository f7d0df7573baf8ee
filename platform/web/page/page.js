// The page's side of the platform: what the program's elements do with the user's keys, mouse
// and screen reader, and the functions the program calls (Module.page, through library.js) to
// show its texts. Events reach the program through the functions it exports: _vd_event,
// _vd_choose and _vd_can_choose (runtime/Page.cpp).
'use strict';

Module.page = (() => {
  const settleMs = 500;  // how long a live text must stand before a screen reader hears it
  let lastField = null;  // the field the menus took the focus from
  let announcer = null;
  let tooltip = null;
  // The program's elements by number: 0 is none.
  const nodes = [null];
  const adopt = (node) => nodes.push(node) - 1;
  // How a window and its labels fit the page's font (index.html, which fits the window it shows
  // first before the program has started).
  const { fit, fitText } = Module;

  // An event of the element numbered `id` for the program.
  function deliver(id, event, key) {
    const texts = [stringToNewUTF8(event), stringToNewUTF8(key)];
    try {
      _vd_event(id, ...texts);
    } finally {
      texts.forEach(_free);
    }
  }

  const make = (tag, attributes = {}) => {
    const element = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, value);
    return element;
  };

  // Whatever a screen reader is to say, wherever the focus is.
  // The region is on the page from the start: one added with its words is not heard.
  function say(text) {
    // The same words twice are still news.
    announcer.textContent = announcer.textContent === text ? text + '\u00a0' : text;
  }

  // A live label's new words, said once the edits that change them pause, with those of the
  // window's other live labels. A status line is read from its own words, which change then.
  const pending = new Map();
  let settleTimer = 0;
  function settle() {
    const sayings = [];
    for (const [node, words] of pending) {
      if (node.getAttribute('role') === 'status') {
        node.vdSpoken.textContent = words;
      } else {
        sayings.push(node.vdChangeName ? changedWords(node.vdChangeName, node.vdHeard, words)
                                       : words);
      }
      node.vdHeard = words;
    }
    pending.clear();
    if (sayings.length) say(sayings.join(' '));
  }

  // The words that changed, after `name`; a text that changed beyond a few words, whole.
  function changedWords(name, heard, now) {
    const was = (heard || '').split(' ');
    const is = now.split(' ');
    let first = 0;
    while (first < was.length && first < is.length && was[first] === is[first]) ++first;
    let last = 0;
    while (last < was.length - first && last < is.length - first &&
           was[was.length - 1 - last] === is[is.length - 1 - last]) {
      ++last;
    }
    const changed = is.slice(first, is.length - last);
    return changed.length === 0 || changed.length > 3 ? now : name + ' ' + changed.join(' ');
  }

  function setLabel(node, text, spoken, changeName, live) {
    if (!node.vdShown) {
      node.vdShown = make('span');
      node.vdSpoken = make('span', { class: 'spoken' });
      node.append(node.vdShown, node.vdSpoken);
    }
    const words = spoken || text;
    const status = node.getAttribute('role') === 'status';
    node.vdShown.textContent = text;
    if (status || spoken) {
      node.vdShown.setAttribute('aria-hidden', 'true');
    } else {
      node.vdShown.removeAttribute('aria-hidden');
    }
    if (!status) node.vdSpoken.textContent = spoken;
    node.vdChangeName = changeName;
    if (node.isConnected) fitText(node);
    if (!live || !node.isConnected) {
      if (status) node.vdSpoken.textContent = words;
      node.vdHeard = words;
      return;
    }
    if (words === node.vdHeard && !pending.has(node)) return;
    pending.set(node, words);
    clearTimeout(settleTimer);
    settleTimer = setTimeout(settle, settleMs);
  }

  // Words a screen reader reads after the element's name: a hidden element it is described by.
  function describe(node, text) {
    const description = make('div', { id: node.id + '-description', hidden: '' });
    description.textContent = text;
    node.after(description);
    node.setAttribute('aria-describedby', description.id);
  }

  function showTip(node, near) {
    if (!tooltip) {
      tooltip = make('div', { role: 'tooltip', id: 'tooltip', hidden: '' });
      document.body.append(tooltip);
    }
    tooltip.textContent = node.dataset.tip;
    const box = near.getBoundingClientRect();
    tooltip.style.left = Math.max(0, box.left + scrollX) + 'px';
    tooltip.style.top = box.bottom + scrollY + 4 + 'px';
    tooltip.hidden = false;
  }
  const hideTip = () => tooltip && (tooltip.hidden = true);

  // A key's release reaches a field that saw it pressed; auto-repeat is no release. A change
  // made without a key release to follow (the mouse, the Edit menu, drag and drop, an input
  // method's composition, a phone's keyboard that sends no key's name) is followed by a release
  // with no key at once, so that every change of the user's is.
  function listenField(node, id) {
    const held = new Set();
    node.addEventListener('keydown', (e) => {
      if (e.key === 'F1' && e.ctrlKey && node.dataset.tip) {
        e.preventDefault();
        showTip(node, node);
        say(node.dataset.spokenTip || node.dataset.tip);
      } else if (e.key === 'Escape') {
        hideTip();
      }
      if (e.repeat || e.isComposing || e.key === 'Process' || e.key === 'Unidentified') return;
      held.add(e.code);
    });
    node.addEventListener('keyup', (e) => {
      if (!held.delete(e.code)) return;
      deliver(id, 'keyup', [...e.key].length === 1 ? e.key : '');
    });
    node.addEventListener('input', (e) => {
      deliver(id, 'input', '');
      if (held.size === 0 || e.isComposing || /^(insertFromDrop|insertReplacementText)/.test(e.inputType)) {
        deliver(id, 'keyup', '');
      }
    });
    node.addEventListener('blur', () => { held.clear(); hideTip(); });
  }

  function listen(node) {
    const id = nodes.indexOf(node);
    if (node.tagName === 'SELECT') {
      node.addEventListener('change', () => deliver(id, 'change', ''));
    } else {
      listenField(node, id);
    }
  }

  function setValue(node, text) {
    const value = text.slice(0, 32767);
    if (node.value === value) return false;
    node.value = value;
    node.setSelectionRange(0, 0);
    node.scrollLeft = 0;
    return true;
  }

  // The window takes the place of the one index.html showed first.
  function show(windowNode) {
    announcer = make('div', { 'aria-live': 'polite', class: 'spoken' });
    document.body.append(announcer);
    document.getElementById('app').replaceChildren(windowNode);
    const content = windowNode.querySelector('.content');
    fit(content);
    document.fonts && document.fonts.ready.then(() => fit(content));
    const first = content.querySelector('input, select');
    if (first) first.focus({ preventScroll: true });
  }

  // The window as shown, in HTML that draws it without the program (its fields' texts and the
  // chosen material in their attributes), inert: index.html shows it until the program's own
  // window takes its place (the build writes it there with platform/web/prerender.mjs).
  function snapshot() {
    const shown = document.querySelector('#app > .window');
    const drawn = shown.cloneNode(true);
    const [fields, copies] = [shown, drawn].map((w) => w.querySelectorAll('input, select'));
    fields.forEach((field, i) => {
      if (field.tagName === 'INPUT') copies[i].setAttribute('value', field.value);
      else if (field.selectedIndex >= 0) copies[i].options[field.selectedIndex].setAttribute('selected', '');
    });
    drawn.setAttribute('inert', '');
    return drawn.outerHTML;
  }

  // The menu bar: a button for each menu, which opens its list of items.
  let openMenu = null;
  const itemsOf = (list) => [...list.querySelectorAll('[role=menuitem]')].filter((i) => !i.hidden);
  const buttonsOf = (bar) => [...bar.querySelectorAll(':scope > button')];

  function closeMenu(refocus) {
    if (!openMenu) return;
    const { button, list } = openMenu;
    list.hidden = true;
    button.setAttribute('aria-expanded', 'false');
    openMenu = null;
    if (refocus === 'field' && lastField) lastField.focus();
    else if (refocus === 'button') button.focus();
  }

  function open(button, list, focusItem) {
    if (!openMenu || openMenu.list !== list) {
      closeMenu();
      for (const item of itemsOf(list)) {
        item.setAttribute('aria-disabled', _vd_can_choose(item.vdItem) ? 'false' : 'true');
      }
      list.hidden = false;
      button.setAttribute('aria-expanded', 'true');
      openMenu = { button, list };
    }
    const items = itemsOf(list);
    if (focusItem !== undefined && items.length) items[(focusItem + items.length) % items.length].focus();
  }

  function choose(item) {
    if (item.getAttribute('aria-disabled') === 'true') return;
    closeMenu('field');
    _vd_choose(item.vdItem);
  }

  function addMenu(bar, buttonNumber, listNumber) {
    const [button, list] = [nodes[buttonNumber], nodes[listNumber]];
    button.setAttribute('aria-haspopup', 'menu');
    button.setAttribute('aria-expanded', 'false');
    button.tabIndex = bar.children.length ? -1 : 0;
    list.hidden = true;
    list.id = `menu-${buttonNumber}`;
    list.setAttribute('aria-label', button.textContent);
    button.setAttribute('aria-controls', list.id);
    bar.append(button, list);
    const neighbour = (step) => {
      const buttons = buttonsOf(bar);
      return buttons[(buttons.indexOf(button) + step + buttons.length) % buttons.length];
    };
    const move = (step, openIt) => {
      const next = neighbour(step);
      button.tabIndex = -1;
      next.tabIndex = 0;
      next.focus();
      if (openIt) next.click();
    };
    button.addEventListener('click', () => {
      if (openMenu && openMenu.list === list) closeMenu('button');
      else open(button, list);
    });
    button.addEventListener('keydown', (e) => {
      if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') move(e.key === 'ArrowRight' ? 1 : -1, !!openMenu);
      else if (e.key === 'ArrowDown' || e.key === 'Enter' || e.key === ' ') open(button, list, 0);
      else if (e.key === 'ArrowUp') open(button, list, -1);
      else if (e.key === 'Escape') closeMenu('field');
      else return;
      e.preventDefault();
    });
    list.addEventListener('click', (e) => {
      const item = e.target.closest('[role=menuitem]');
      if (item) choose(item);
    });
    list.addEventListener('keydown', (e) => {
      const items = itemsOf(list);
      const at = items.indexOf(document.activeElement);
      if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
        items[(at + (e.key === 'ArrowDown' ? 1 : -1) + items.length) % items.length].focus();
      } else if (e.key === 'Home' || e.key === 'End') {
        items[e.key === 'Home' ? 0 : items.length - 1].focus();
      } else if (e.key === 'Enter' || e.key === ' ') {
        if (at >= 0) choose(items[at]);
      } else if (e.key === 'Escape') {
        closeMenu('button');
      } else if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
        closeMenu();
        move(e.key === 'ArrowRight' ? 1 : -1, true);
        if (openMenu) itemsOf(openMenu.list)[0].focus();
      } else if (e.key === 'Tab') {
        closeMenu();
        return;
      } else {
        const item = items.find((i) => i.vdKey && i.vdKey.toLowerCase() === e.key.toLowerCase());
        if (!item) return;
        // The letter chose the item: it types nothing into the field the focus goes back to.
        choose(item);
      }
      e.preventDefault();
    });
  }

  function showItem(element, text, key, shortcut, visible) {
    element.vdKey = key;
    element.vdShortcut = shortcut;
    element.hidden = !visible;
    if (element.tagName === 'BUTTON') {
      element.textContent = text;
      return;
    }
    element.tabIndex = -1;
    element.replaceChildren(make('span'));
    element.firstChild.textContent = text;
    if (shortcut) {
      const keys = make('span', { class: 'shortcut', 'aria-hidden': 'true' });
      keys.textContent = shortcut;
      element.append(keys);
      element.setAttribute('aria-keyshortcuts', shortcut.replace(/Ctrl/g, 'Control'));
    }
  }

  // "Ctrl+Shift+C" and the like, as a key event gives it.
  const chord = (e) => (e.ctrlKey ? 'Ctrl+' : '') + (e.altKey ? 'Alt+' : '') +
                       (e.shiftKey ? 'Shift+' : '') + (e.key.length === 1 ? e.key.toUpperCase() : e.key);

  document.addEventListener('keydown', (e) => {
    const pressed = chord(e);
    if (pressed === 'F10') {
      const first = document.querySelector('[role=menubar] > button');
      if (first) { e.preventDefault(); first.focus(); }
      return;
    }
    if (e.altKey && !e.ctrlKey && e.key.length === 1) {
      const button = [...document.querySelectorAll('[role=menubar] > button')]
        .find((b) => b.vdKey && b.vdKey.toLowerCase() === e.key.toLowerCase());
      if (button) { e.preventDefault(); button.click(); itemsOf(openMenu.list)[0].focus(); }
      return;
    }
    for (const item of document.querySelectorAll('[role=menu] [role=menuitem]')) {
      if (item.vdEdit || item.vdShortcut !== pressed) continue;
      e.preventDefault();
      if (_vd_can_choose(item.vdItem)) _vd_choose(item.vdItem);
      return;
    }
  });
  document.addEventListener('focusin', (e) => {
    if (e.target.tagName === 'INPUT') lastField = e.target;
  });
  document.addEventListener('mousedown', (e) => {
    if (openMenu && !e.target.closest('[role=menubar]')) closeMenu();
  });
  document.addEventListener('mouseover', (e) => {
    const node = e.target.closest && e.target.closest('[data-tip]');
    if (node) showTip(node, node);
    else if (tooltip && !tooltip.hidden && !document.activeElement.matches('[data-tip]')) hideTip();
  });

  // A key that copies a label's text from anywhere in its window.
  function copyKey(node, shortcut, copiedPattern) {
    document.addEventListener('keydown', (e) => {
      if (chord(e) !== shortcut) return;
      e.preventDefault();
      const text = node.vdShown.textContent;
      if (navigator.clipboard) navigator.clipboard.writeText(text).catch(() => {});
      say(copiedPattern.replace('%1', node.vdSpoken.textContent || text));
    });
  }

  // The Edit menu's commands, on the focused field or the one the menus took the focus from.
  const field = () => {
    const active = document.activeElement;
    if (active && active.tagName === 'INPUT') return active;
    return active && active.closest('[role=menubar]') ? lastField : null;
  };
  const selected = (f) => f.selectionStart !== f.selectionEnd;
  const canRun = {
    EditUndo: (f) => !f.readOnly,
    EditCut: (f) => !f.readOnly && selected(f),
    EditCopy: selected,
    EditPaste: (f) => !f.readOnly,
    EditClear: (f) => !f.readOnly && selected(f),
    EditSelectAll: (f) => f.value.length > 0,
  };
  function canEdit(_, name) {
    const f = field();
    return !!f && canRun[name](f);
  }
  function edit(_, name) {
    const f = field();
    if (!f || !canRun[name](f)) return;
    f.focus();
    if (name === 'EditSelectAll') {
      f.select();
    } else if (name === 'EditPaste') {
      // The browser asks the user, or its settings, before a page reads the clipboard.
      if (navigator.clipboard && navigator.clipboard.readText) {
        navigator.clipboard.readText().then((text) => {
          if (text) { f.focus(); document.execCommand('insertText', false, text); }
        }).catch(() => {});
      }
    } else {
      document.execCommand({ EditUndo: 'undo', EditCut: 'cut', EditCopy: 'copy',
                             EditClear: 'delete' }[name]);
    }
  }

  // The name of the page's translation, as index.html chose it ("en": none).
  const translation = () => Module.language.translation;

  // The decimal separator and the group separator of the page's language, as the browser writes
  // them.
  function separators() {
    try {
      const parts = new Intl.NumberFormat(Module.language.tag).formatToParts(12345.6);
      const part = (type) => (parts.find((p) => p.type === type) || { value: '' }).value;
      return part('decimal') + part('group').replace(/[\u00a0\u202f]/, ' ');
    } catch (error) {
      return '';
    }
  }

  // A page may close only a window a script opened, or an installed app's; elsewhere the
  // calculator leaves the page for an empty one.
  function quit() {
    window.close();
    setTimeout(() => location.replace('about:blank'), 100);
  }

  function report(_, text) {
    console.error(text);
    alert(text);
  }

  // What the program reads and sets of its elements, and the elements it makes.
  const access = {
    drop(number) {
      nodes[number].remove();
      nodes[number] = null;
    },
    property: (node, name) => node[name] ?? '',
    number: (node, name) => node[name],
    setNumber(node, name, _b, _c, number) { node[name] = number; },
    attribute: (node, name) => node.getAttribute(name) ?? '',
    title(_, text) { document.title = text; },
    menuNode: (_, tag, role) => adopt(make(tag, { role })),
    appendNode(node, child) { node.append(nodes[Number(child)]); },
    // A select shows its first option as chosen once it has one: the selection stays as it was.
    addOption(node, text, _b, _c, selected) {
      node.append(make('option'));
      node.lastChild.textContent = text;
      node.selectedIndex = selected;
    },
    optionText: (node, _, row) => node.options[row].text,
    // A label becomes the page's own label element for its field.
    becomeCaption(node, field) {
      const caption = make('label', { id: node.id, for: field });
      node.replaceWith(caption);
      nodes[nodes.indexOf(node)] = caption;
    },
  };

  return { nodes, adopt, ...access, setLabel, describe, listen, setValue, fit, show, addMenu,
           showItem, copyKey, canEdit, edit, translation, separators, quit, report, snapshot };
})();
