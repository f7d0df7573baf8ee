// Puts each input set into the page's fields as a paste or a phone's keyboard does (an input
// event, no key), chooses its material, and gives back the result line the page shows for it.
// A set: [material row, current, length, diameter or area, whether it is the area].
window.driveSets = (sets) => sets.map(([material, current, length, size, area]) => {
  const select = document.querySelector('#PopupMenu1');
  select.selectedIndex = material;
  select.dispatchEvent(new Event('change'));
  for (const [id, text] of [['current', current], ['lenght', length], [area ? 'areafld' : 'diameter', size]]) {
    const field = document.getElementById(id);
    field.value = text;
    field.dispatchEvent(new InputEvent('input', { inputType: 'insertFromPaste' }));
  }
  return document.querySelector('#result').firstChild.textContent;
});
