// The page of the browser edition. It shows what the program's core (zem.js,
// zem.wasm) holds and hands every user action to it: the codec, the commit
// rules, Default Setting, the pages' store and fill and the radio exchange
// all run in the core. This script only draws, asks and carries bytes.
'use strict';

const PLAN_TEXT = /\.ya?ml$/i;
const HELP_PAGES = ['channel_table.html', 'optional_features.html', 'key_assignment.html'];
const BAR_MAXIMUM = 123;

const $ = id => document.getElementById(id);
let lists = null;      // every list the pages offer, from the core
let state = null;      // what the pages show, from the core
let docName = '';      // the opened file's name, '' for a new document
let current = {row: 1, col: 1};
let anchor = {row: 1, col: 1};  // the other corner of the selected cells
let editor = null;     // the open cell editor: {row, col, element}
let transfer = null;   // the running exchange: {cancel}
let fileHandle = null; // where Save writes back, when the browser lets the page keep a file
// A save handed to the browser's downloads, not confirmed by the user: the
// page cannot see whether the file was written, so the work stays unsaved.
let unconfirmed = false;
let blockText = TEXTS.blocksRead; // what the progress counts: read or written blocks

// The document holds work that no file the page saw written has.
function unsaved() { return !!state && (state.modified || unconfirmed); }

// ---- calls into the core, one at a time ---------------------------------
let queue = Promise.resolve();
function core(name, returnType, argTypes, args) {
  const call = queue.then(() => Module.ccall(name, returnType, argTypes || [], args || [], {async: true}));
  queue = call.catch(() => {});
  return call;
}
async function refresh() {
  state = JSON.parse(await core('zem_state', 'string'));
  render();
}
async function act(name, argTypes, args) {
  const result = await core(name, 'number', argTypes, args);
  await refresh();
  return result;
}

// ---- drawing -------------------------------------------------------------
// A list's entries: the core's own text is each entry's value, the text
// shown is translate's (kept, so a change of language shows it anew).
function fillSelect(select, entries, translate) {
  select.textContent = '';
  for (const entry of entries) {
    const option = document.createElement('option');
    option.value = entry;
    if (translate) showText(option, () => translate(entry)); else option.textContent = entry;
    select.appendChild(option);
  }
}

function buildPages() {
  fillSelect($('type'), lists.types, trCore);
  fillSelect($('band'), lists.bands, trCore);
  const head = $('gridHead');
  for (const header of lists.headers) {
    const th = document.createElement('th');
    th.scope = 'col';
    showText(th, () => trCore(header));
    head.appendChild(th);
  }
  const body = $('gridBody');
  for (let row = 1; row <= 16; ++row) {
    const line = document.createElement('tr');
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = String(row);
    line.appendChild(th);
    for (let col = 1; col <= 9; ++col) {
      const td = document.createElement('td');
      td.dataset.row = row;
      td.dataset.col = col;
      td.tabIndex = -1;
      line.appendChild(td);
    }
    body.appendChild(line);
  }
  cell(1, 1).tabIndex = 0;
  buildSettings();
}

// The options and key pages, built from the core's description of the
// settings: each setting's control goes into the box of its group in its
// column, lists and codes as labelled rows, check boxes after them. The
// controls carry the settings' keys as ids.
function buildSettings() {
  const pages = {options: $('page1'), keys: $('page2')};
  const boxes = new Map();
  const add = (parent, tag, className) => {
    const element = document.createElement(tag);
    if (className) element.className = className;
    parent.appendChild(element);
    return element;
  };
  const shared = caption => lists.settings.filter(s => s.caption === caption).length > 1;
  for (const setting of lists.settings) {
    const column = pages[setting.page].querySelectorAll('.columns > div')[setting.column];
    const where = setting.page + '/' + setting.column + '/' + setting.group;
    if (!boxes.has(where)) {
      const box = setting.group ? add(column, 'fieldset') : add(column, 'div');
      if (setting.group) showText(add(box, 'legend'), () => trCore(setting.group));
      // Before the page's own buttons, which stay last in their column.
      const buttons = column.querySelector(':scope > .buttons');
      if (buttons) column.insertBefore(box, buttons);
      boxes.set(where, {box, checks: null});
    }
    const place = boxes.get(where);
    let control;
    if (setting.kind === 'check') {
      if (!place.checks) place.checks = lists.settings.filter(s => s.page === setting.page && s.group === setting.group &&
        s.kind === 'check').length > 2 ? add(place.box, 'div', 'checks') : place.box;
      const label = add(place.checks, 'label', 'check');
      control = add(label, 'input');
      control.type = 'checkbox';
      showText(label.appendChild(document.createTextNode('')), () => ' ' + trCore(setting.caption));
    } else {
      const row = document.createElement('div');
      row.className = 'row';
      place.box.insertBefore(row, place.checks && place.checks !== place.box ? place.checks :
        [...place.box.children].find(e => e.classList.contains('check')) || null);
      const label = add(row, 'label');
      showText(label, () => trCore(setting.caption));
      label.htmlFor = setting.key;
      control = add(row, setting.kind === 'choice' ? 'select' : 'input');
      if (setting.kind === 'choice') fillSelect(control, setting.entries, trCore);
      else Object.assign(control, {type: 'text', maxLength: setting.length, autocomplete: 'off'});
    }
    control.id = setting.key;
    control.className = 'control';
    // A caption several controls share ("Long Press") is told apart by its box.
    if (setting.group && shared(setting.caption))
      showText(control, () => trCore(setting.group).trim(), 'aria-description');
    else if (setting.help) showText(control, () => trCore(setting.help), 'title');
  }
  // A button row marked so goes into the last box of its column.
  for (const buttons of document.querySelectorAll('.columns .buttons[data-in-box]')) {
    const inside = buttons.parentNode.querySelectorAll(':scope > fieldset');
    if (inside.length) inside[inside.length - 1].appendChild(buttons);
  }
}

function cell(row, col) { return $('gridBody').rows[row - 1].cells[col]; }
// A cell's text as shown: a list's entry in the language shown.
function cellText(row, col) {
  const text = state.cells[row - 1][col - 1];
  return lists.choices[col] ? trCore(text) : text;
}

function render() {
  $('type').selectedIndex = state.type;
  $('band').selectedIndex = state.band;
  for (let row = 1; row <= 16; ++row)
    for (let col = 1; col <= 9; ++col) {
      const td = cell(row, col);
      if (editor && editor.row === row && editor.col === col) continue;
      td.textContent = cellText(row, col);
    }
  for (const [name, value] of Object.entries({...state.options, ...state.keys})) {
    const control = $(name);
    if (control.type === 'checkbox') control.checked = value;
    else if (control.tagName === 'SELECT') control.selectedIndex = value;
    else if (document.activeElement !== control) control.value = value;
  }
  showTab(state.tab);
  $('undo').disabled = !state.canUndo;
  $('redo').disabled = !state.canRedo;
  $('docName').textContent = documentName() + (unsaved() ? ' *' : '');
  document.title = documentName() + ' - ' + tr(TEXTS.title);
}

function showTab(tab) {
  for (let i = 0; i < 3; ++i) {
    const selected = i === tab;
    $('tab' + i).setAttribute('aria-selected', String(selected));
    $('tab' + i).tabIndex = selected ? 0 : -1;
    $('page' + i).hidden = !selected;
  }
}

function documentName() { return docName || 'untitled.Zem'; }

// ---- the channel table ---------------------------------------------------
// Makes a cell current; extend keeps the selection's other corner, so the
// cells between the two are selected.
function setCurrent(row, col, focus, extend) {
  cell(current.row, current.col).tabIndex = -1;
  cell(current.row, current.col).classList.remove('current');
  current = {row, col};
  if (!extend) anchor = {row, col};
  const td = cell(row, col);
  td.tabIndex = 0;
  td.classList.add('current');
  if (focus) td.focus();
  const [top, bottom] = [Math.min(row, anchor.row), Math.max(row, anchor.row)];
  const [left, right] = [Math.min(col, anchor.col), Math.max(col, anchor.col)];
  for (let r = 1; r <= 16; ++r)
    for (let c = 1; c <= 9; ++c) cell(r, c).classList.toggle('selected', r >= top && r <= bottom && c >= left && c <= right);
}

// The selected cells as the core takes them: "row,col" pairs.
function selection() {
  return [...$('gridBody').querySelectorAll('td.selected')].map(td => td.dataset.row + ',' + td.dataset.col).join(' ');
}

// Copy and Cut put the cells' tab-separated text on the clipboard, as the window does.
async function copyCells(cut) {
  const text = await core('zem_copy_cells', 'string', ['string', 'number'], [selection(), cut ? 1 : 0]);
  if (cut) await refresh();
  await navigator.clipboard.writeText(text).catch(() => {});
}
async function pasteCells(text) {
  const block = (await core('zem_paste_cells', 'string', ['string', 'string'], [selection(), text])).split(' ').map(Number);
  await refresh();
  const [top, left, bottom, right] = block;
  if (bottom >= top && right >= left) {
    setCurrent(top, left, false);
    setCurrent(bottom, right, true, true);
  }
}

// The table's editing rules are the core's: for a key, a typed character or
// a mouse press on a cell it says what happens (which editor opens with
// what, what is committed, where the current cell goes, when the focus
// leaves the table). The page carries the action out. place: 'grid',
// 'editor' or 'control'; text: the open editor's text.
async function cellKey(place, row, col, key, text, extend) {
  const json = await core('zem_cell_key', 'string', ['string', 'number', 'number', 'string', 'string'],
                          [place, row, col, key, text || '']);
  const action = json && JSON.parse(json);
  if (!action || action.native) return;
  if (action.notice) await notice(trSaid(action.notice));
  if (action.close && editor) await closeEditor(action.commit, action.onEnter);
  if (action.emptySelection) await act('zem_delete_cells', ['string'], [selection()]);
  if (action.row) setCurrent(action.row, action.col, !action.focusNext, extend);
  if (action.focusNext) focusNext(place === 'control' ? document.activeElement : null);
  if (action.open) openEditor(action);
}

// The focus moves on as Tab moves it: from the table to the control after
// it (the window's order: type, band, the table, "Default Setting").
function focusNext(from) {
  const page = $('page0');
  const order = [$('type'), $('band'), cell(current.row, current.col), page.querySelector('.default-setting')];
  const at = from ? order.indexOf(from) : 2;
  if (at >= 0 && at + 1 < order.length) { order[at + 1].focus(); return; }
  const focusable = [...document.querySelectorAll('button, select, input, [tabindex="0"]')]
    .filter(element => !element.disabled && element.offsetParent !== null);
  const next = focusable[focusable.indexOf(from || order[3]) + 1] || focusable[0];
  if (next) next.focus();
}

// Opens the editor an action names over its cell, with its text or entry.
function openEditor(action) {
  if (editor || transfer) return;
  const {row, col} = action;
  const td = cell(row, col);
  let element;
  if (action.open === 'list') {
    element = document.createElement('select');
    fillSelect(element, lists.choices[col]);
    for (const option of element.options) option.textContent = trCore(option.value);
    element.selectedIndex = action.entry;
  } else {
    element = document.createElement('input');
    element.type = 'text';
    if (action.open === 'tone') element.setAttribute('list', 'toneList');
    element.value = action.text;
  }
  element.className = 'cell-editor';
  element.setAttribute('aria-label', tr(TEXTS.cellOfChannel, trCore(lists.headers[col]), row));
  element.autocomplete = 'off';
  td.textContent = '';
  td.appendChild(element);
  editor = {row, col, element};
  element.addEventListener('keydown', onEditorKey);
  element.addEventListener('blur', () => { if (editor && editor.element === element) closeEditor(true, false); });
  element.focus();
  if (!element.select) return;
  if (action.selectAll) element.select();
  else element.setSelectionRange(element.value.length, element.value.length);
}

async function closeEditor(commit, onEnter) {
  if (!editor) return;
  const {row, col, element} = editor;
  const value = element.value;
  editor = null;
  element.remove();
  cell(row, col).textContent = cellText(row, col);
  if (commit) await act('zem_commit_cell', ['number', 'number', 'string', 'number'], [row, col, value, onEnter ? 1 : 0]);
}

// Keys the rules decide; every other key stays the browser's.
const EDITOR_KEYS = ['Enter', 'Tab', 'Escape'];
const GRID_KEYS = ['Enter', 'F2', 'Delete', 'Home', 'End', 'ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight'];

function onEditorKey(event) {
  if (!editor || !EDITOR_KEYS.includes(event.key) || (event.key === 'Tab' && event.shiftKey)) return;
  event.preventDefault();
  const {row, col, element} = editor;
  cellKey('editor', row, col, event.key, element.value);
}

function onGridKey(event) {
  const td = event.target.closest('td');
  if (!td || editor) return;
  const row = +td.dataset.row, col = +td.dataset.col;
  if ((event.ctrlKey || event.metaKey) && ['c', 'x'].includes(event.key.toLowerCase())) {
    event.preventDefault();
    copyCells(event.key.toLowerCase() === 'x');
  } else if (GRID_KEYS.includes(event.key) ||
             (event.key.length === 1 && !event.ctrlKey && !event.metaKey && !event.altKey)) {
    event.preventDefault();
    cellKey('grid', row, col, event.key, '', event.shiftKey);
  }
}

// ---- files ---------------------------------------------------------------
// The save question before the document is replaced; false when the user
// chose Cancel or the save failed.
async function maybeSave() {
  if (editor) await closeEditor(true, false);
  await refresh();
  if (!unsaved()) return true;
  const answer = await messageBox(3, tr(TEXTS.saveChanges, documentName()));
  if (answer === 0) return save();
  return answer === 1;
}

function download(bytes, name, type) {
  const url = URL.createObjectURL(new Blob([bytes], {type}));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// Saves through a file the browser lets the page write (the one last saved,
// or a new one when pickAnew or there is none yet); where the browser has no
// such files, hands the file to its downloads and asks whether it arrived.
// True only when the page saw the file written or the user said it was.
async function save(pickAnew) {
  if (editor) await closeEditor(true, false);
  let handle = pickAnew ? null : fileHandle;
  // An opened file is written only with the user's leave; without it, Save asks where.
  if (handle && handle.requestPermission &&
      (await handle.requestPermission({mode: 'readwrite'}).catch(() => 'denied')) !== 'granted') handle = null;
  if (!handle && 'showSaveFilePicker' in window) {
    try {
      handle = await window.showSaveFilePicker({suggestedName: documentName(),
        types: [{description: tr(TEXTS.programFile), accept: {'application/octet-stream': ['.Zem']}}]});
    } catch (error) {
      if (error.name === 'AbortError') return false;  // the user closed the dialog: nothing saved
      handle = null;                                   // refused here: the downloads take it
    }
  }
  const name = handle ? handle.name : documentName();
  const pointer = await core('zem_save', 'number', ['string'], [name]);
  if (!pointer) { await refresh(); return false; }
  const size = await core('zem_saved_size', 'number');
  const bytes = Module.HEAPU8.slice(pointer, pointer + size);
  // The core counts the document saved; the page does only once it sees the file.
  unconfirmed = true;
  if (handle) {
    try {
      const writable = await handle.createWritable();
      await writable.write(bytes);
      await writable.close();
      fileHandle = handle;
      docName = handle.name;
      unconfirmed = false;
    } catch (error) {
      await refresh();
      await notice(tr(TEXTS.saveFailed, name, error.message || error.name));
    }
  } else {
    download(bytes, name, 'application/octet-stream');
    await refresh();
    if ((await messageBox(4, tr(TEXTS.downloaded, name))) === 0) unconfirmed = false;
  }
  await refresh();
  return !unconfirmed;
}

// A document from elsewhere: no file to write back to, nothing pending.
function forgetFile(name) {
  docName = name;
  fileHandle = null;
  unconfirmed = false;
}

// Open: where the browser lets the page keep the chosen file, Save later
// writes back to it, as the window's Save does.
async function chooseFile() {
  if (!('showOpenFilePicker' in window)) { $('openFile').click(); return; }
  let handle;
  try {
    [handle] = await window.showOpenFilePicker({types: [{description: tr(TEXTS.programFileOrPlan),
      accept: {'application/octet-stream': ['.Zem', '.zem'], 'text/plain': ['.yaml', '.yml']}}]});
  } catch (error) {
    if (error.name !== 'AbortError') $('openFile').click();
    return;
  }
  await openFile(await handle.getFile(), handle);
}

async function openFile(file, handle) {
  if (!file || transfer) return;
  if (!(await maybeSave())) return;
  let ok;
  if (PLAN_TEXT.test(file.name)) {
    // A plan text opens as the document; Save then asks for a program file's name.
    const {text, size} = await readText(file);
    ok = await core('zem_open_plan', 'number', ['string', 'string', 'number'], [file.name, text, size]);
    if (ok) forgetFile(file.name.replace(PLAN_TEXT, '.Zem'));
  } else {
    // A program file is 1024 bytes; more than that is never looked at.
    const bytes = new Uint8Array(await file.slice(0, 4096).arrayBuffer());
    ok = await core('zem_open', 'number', ['string', 'array', 'number'], [file.name, bytes, bytes.length]);
    if (ok) {
      forgetFile(file.name);
      fileHandle = handle || null;
    }
  }
  await refresh();
  setCurrent(1, 1, false);
  $('type').focus();
}

// A text file's text and its size in bytes; a file far larger than any
// list or plan is not read, and the core refuses it by its size.
async function readText(file) {
  if (file.size > (1 << 20)) return {text: '', size: file.size};
  const text = await file.text();
  return {text, size: new TextEncoder().encode(text).length};
}

async function importList(file) {
  if (!file) return;
  if (editor) await closeEditor(true, false);
  const {text, size} = await readText(file);
  await act('zem_import_list', ['string', 'string', 'number'], [file.name, text, size]);
}

async function exportList(format) {
  if (editor) await closeEditor(true, false);
  const text = await core('zem_export_list', 'string', ['string'], [format.name]);
  const base = docName ? docName.replace(/\.[^.]*$/, '') : 'channels';
  download(text, base + '.' + format.extension, format.extension === 'csv' ? 'text/csv' : 'text/plain');
}

// ---- the export menu -----------------------------------------------------------
function buildExportMenu() {
  const menu = $('exportMenu');
  for (const format of lists.formats) {
    const item = document.createElement('button');
    item.type = 'button';
    item.setAttribute('role', 'menuitem');
    item.tabIndex = -1;
    showText(item, () => trCore(format.label));
    item.onclick = () => { closeMenu(false); exportList(format); };
    menu.appendChild(item);
  }
  $('exportList').onclick = () => (menu.hidden ? openMenu() : closeMenu(true));
  $('exportList').onkeydown = event => {
    if (event.key === 'ArrowDown') { event.preventDefault(); openMenu(); }
  };
  menu.onkeydown = event => {
    const items = [...menu.children];
    const at = items.indexOf(document.activeElement);
    const step = {ArrowDown: 1, ArrowUp: items.length - 1}[event.key];
    if (step) { event.preventDefault(); items[(at + step) % items.length].focus(); }
    else if (event.key === 'Escape' || event.key === 'Tab') { event.preventDefault(); closeMenu(true); }
  };
  menu.addEventListener('focusout', event => { if (!menu.contains(event.relatedTarget)) closeMenu(false); });
}
function openMenu() {
  $('exportMenu').hidden = false;
  $('exportList').setAttribute('aria-expanded', 'true');
  $('exportMenu').firstChild.focus();
}
function closeMenu(refocus) {
  $('exportMenu').hidden = true;
  $('exportList').setAttribute('aria-expanded', 'false');
  if (refocus) $('exportList').focus();
}

// ---- a plan shared as a link ----------------------------------------------------
// The link holds the plan's 1024 bytes in its fragment, which the browser
// never sends to a server; the core makes it as zemtool share does.
async function shareLink() {
  if (editor) await closeEditor(true, false);
  const link = await core('zem_share', 'string', ['string'], [location.href.split('#')[0]]);
  await refresh();
  try {
    await navigator.clipboard.writeText(link);
    await notice(tr(TEXTS.linkCopied));
  } catch (error) {
    await messageBox(0, tr(TEXTS.linkNotCopied), link);
  }
}

// A link's plan replaces the document after the save question; the link
// leaves the address, so a reload does not replace later work with it.
async function openLink() {
  const link = location.hash;
  if (!link.startsWith('#plan=') || transfer) return;
  history.replaceState(null, '', location.pathname + location.search);
  if (!(await maybeSave())) return;
  if (await core('zem_open_link', 'number', ['string'], [link])) forgetFile('');
  await refresh();
  setCurrent(1, 1, false);
}

// ---- the radio -------------------------------------------------------------
function prepareTransfer(direction) {
  if (transfer || !lists) return;
  if (!('serial' in navigator)) { notice(tr(TEXTS.noSerial)); return; }
  if (editor) closeEditor(true, false);
  transfer = null;
  const box = $('progressBox');
  box.dataset.direction = direction;
  blockText = direction === 1 ? TEXTS.blocksWritten : TEXTS.blocksRead;
  $('progressTitle').textContent = trCore(direction === 1 ? lists.titles.write : lists.titles.read);
  $('progressStatus').textContent = trCore(lists.titles.ready);
  $('progressBar').value = 0;
  $('start').disabled = false;
  box.hidden = false;
  $('start').focus();
}

// The cable's port: the one the browser already granted, or the user's pick.
// No port chosen leaves it empty, and the core says it could not open one.
async function choosePort() {
  try {
    if (!zemSerial.port) {
      const granted = await navigator.serial.getPorts();
      zemSerial.port = granted.length === 1 ? granted[0] : await navigator.serial.requestPort();
    }
  } catch (error) {
    zemSerial.port = null;
  }
}

async function startTransfer() {
  if (transfer) return;
  const box = $('progressBox');
  const direction = +box.dataset.direction;
  transfer = {cancel: false};
  // The focus stays in the box for the whole exchange, on Cancel.
  $('cancel').focus();
  $('start').disabled = true;
  await choosePort();
  const status = await core('zem_transfer', 'number', ['number', 'number'],
                            [direction, direction === 1 && $('verify').checked ? 1 : 0]);
  if (status === 0) $('progressBar').value = BAR_MAXIMUM;
  transfer = null;
  box.hidden = true;
  await refresh();
  $('tab' + state.tab).focus();
  if (direction !== 1 && status === 0) await keepRead(direction === 2);
  // Compare with radio lists the differences once the port is released.
  if (direction === 2 && status === 0) showCompare(await core('zem_compare_radio', 'string'));
}

// ---- Radio history ------------------------------------------------------------------
// Every complete read, kept in the browser's own storage as the fragment of a
// shared link, oldest first, with the user's note; the core says which
// reads repeat the newest and which make room.
const HISTORY_KEY = 'zemprog-radio-history';
let historyChosen = -1;
function historyEntries() {
  try { return JSON.parse(localStorage.getItem(HISTORY_KEY)) || []; } catch (error) { return []; }
}
function keepHistory(entries) {
  try { localStorage.setItem(HISTORY_KEY, JSON.stringify(entries)); } catch (error) { notice(tr(TEXTS.historyNotSaved)); }
}
async function keepRead(fromCompare) {
  const entries = historyEntries();
  const answer = await core('zem_history_add', 'string', ['string', 'string', 'number'],
    [entries.map(e => e.plan).join('\n'), entries.map(e => (e.compare ? 'C' : 'R')).join(''), fromCompare ? 1 : 0]);
  if (!answer) return;
  const [plan, drops] = answer.split('\n');
  const now = new Date(), two = n => String(n).padStart(2, '0');
  entries.push({date: `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`,
                time: `${two(now.getHours())}:${two(now.getMinutes())}:${two(now.getSeconds())}`,
                plan, compare: fromCompare, note: ''});
  const dropped = new Set(drops.trim().split(' ').filter(Boolean).map(Number));
  keepHistory(entries.filter((entry, index) => !dropped.has(index)));
}
async function showHistory() {
  const entries = historyEntries();
  const rows = $('historyRows');
  rows.textContent = '';
  for (let index = entries.length - 1; index >= 0; --index) {
    const entry = entries[index];
    const shown = JSON.parse(await core('zem_history_entry', 'string', ['string'], [entry.plan])) || {};
    const line = rows.insertRow();
    line.dataset.index = index;
    for (const text of [entry.date, entry.time, trCore(shown.type), trCore(shown.band), shown.first,
                        tr(entry.compare ? TEXTS.historyCompare : TEXTS.historyRead)])
      line.insertCell().textContent = text || '';
    const note = document.createElement('input');
    note.type = 'text';
    note.value = entry.note;
    note.setAttribute('aria-label', tr(TEXTS.historyNote, entry.date, entry.time));
    note.onchange = () => {
      const all = historyEntries();
      if (all[index]) { all[index].note = note.value.trim(); keepHistory(all); }
    };
    line.insertCell().appendChild(note);
    line.onclick = () => chooseHistory(index);
    note.onfocus = () => chooseHistory(index);
  }
  $('historyWhere').textContent = entries.length ? tr(TEXTS.historyKept, 200) : tr(TEXTS.historyEmpty);
  chooseHistory(entries.length - 1);
  if ($('historyBox').hidden) { compareReturn = document.activeElement; $('historyBox').hidden = false; }
  $('historyClose').focus();
}
function chooseHistory(index) {
  historyChosen = index;
  for (const line of $('historyRows').rows) line.classList.toggle('chosen', +line.dataset.index === index);
  for (const id of ['historyOpen', 'historyDelete']) $(id).disabled = index < 0;
}
async function deleteHistory() {
  const entries = historyEntries();
  const entry = entries[historyChosen];
  if (!entry) return;
  if ((await messageBox(1, tr(TEXTS.historyDelete, entry.date, entry.time))) !== 0) return;
  entries.splice(historyChosen, 1);
  keepHistory(entries);
  await showHistory();
}
async function openHistory() {
  const entry = historyEntries()[historyChosen];
  if (!entry) return;
  closeHistory();
  if (!(await maybeSave())) return;
  if (await core('zem_open_link', 'number', ['string'], [entry.plan])) forgetFile('');
  await refresh();
  setCurrent(1, 1, false);
}
function closeHistory() {
  $('historyBox').hidden = true;
  if (compareReturn && compareReturn.isConnected) compareReturn.focus();
}

// ---- Compare ---------------------------------------------------------------------
// The differences between the document and a file or the radio, in the pages' words.
let compareReturn = null;
function showCompare(json) {
  const list = JSON.parse(json);
  compareReturn = document.activeElement;
  $('compareTitle').textContent = trText(list.title);
  $('compareSummary').textContent = trText(list.summary);
  $('compareHead').textContent = '';
  for (const head of list.heads) {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = trText(head);
    $('compareHead').appendChild(th);
  }
  const rows = $('compareRows');
  rows.textContent = '';
  for (const row of list.rows) {
    const line = rows.insertRow();
    for (const text of row) line.insertCell().textContent = trText(text);
  }
  $('compareBox').hidden = false;
  $('compareClose').focus();
}
function closeCompare() {
  $('compareBox').hidden = true;
  if (compareReturn && compareReturn.isConnected) compareReturn.focus();
}
async function compareFile(file) {
  if (!file || transfer) return;
  if (editor) await closeEditor(true, false);
  const bytes = new Uint8Array(await file.slice(0, 4096).arrayBuffer());
  const list = await core('zem_compare_file', 'string', ['string', 'array', 'number'], [file.name, bytes, bytes.length]);
  if (list) showCompare(list);
}

function cancelTransfer() {
  if (transfer) { transfer.cancel = true; return; }
  $('progressBox').hidden = true;
}

// ---- On Line Power Set ---------------------------------------------------------
// Behind the service access code: the radio's low and high power values of
// seven frequency points, read and written with the service exchanges.
const POWER_DEFAULTS = {low: [65, 65, 65, 60, 60, 50, 50], high: [45, 50, 50, 65, 65, 65, 60]};
let powerReturn = null;

async function askAccessCode() {
  if (transfer || !lists) return;
  if (editor) await closeEditor(true, false);
  powerReturn = document.activeElement;
  $('password').value = '';
  $('passwordBox').hidden = false;
  $('password').focus();
}

async function openPowerSet() {
  $('passwordBox').hidden = true;
  if (!(await core('zem_check_access_code', 'number', ['string'], [$('password').value]))) { closePower(); return; }
  const power = JSON.parse(await core('zem_power_state', 'string'));
  $('powerMax').value = power.max;
  $('powerMin').value = power.min;
  const rows = $('powerRows');
  rows.textContent = '';
  const values = [...Array(256).keys()].map(String);
  power.labels.forEach((label, point) => {
    const line = rows.insertRow();
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = trCore(label);
    line.appendChild(th);
    for (const [list, head] of [['low', tr(TEXTS.lowPower)], ['high', tr(TEXTS.highPower)]]) {
      const select = document.createElement('select');
      select.id = list + (point + 1);
      select.setAttribute('aria-label', head + ' ' + label);
      fillSelect(select, values);
      line.insertCell().appendChild(select);
    }
  });
  showPowerValues(power);
  $('powerBox').hidden = false;
  $('powerRead').focus();
}

function showPowerValues(power) {
  for (const list of ['low', 'high'])
    power[list].forEach((value, point) => { $(list + (point + 1)).selectedIndex = value; });
}

async function powerExchange(direction) {
  if (transfer) return;
  if (!('serial' in navigator)) { notice(tr(TEXTS.noSerial)); return; }
  transfer = {cancel: false};
  for (const id of ['powerDefault', 'powerRead', 'powerWrite', 'powerExit']) $(id).disabled = true;
  await choosePort();
  const values = ['low', 'high'].flatMap(list => [1, 2, 3, 4, 5, 6, 7].map(p => $(list + p).selectedIndex));
  const status = await core('zem_power', 'number', ['number', 'string'], [direction, values.join(',')]);
  transfer = null;
  for (const id of ['powerDefault', 'powerRead', 'powerWrite', 'powerExit']) $(id).disabled = false;
  if (direction === 0) showPowerValues(JSON.parse(await core('zem_power_state', 'string')));
  await refresh();
  $('statusLine').textContent = status === 0 ? tr(direction === 0 ? TEXTS.powerRead : TEXTS.powerWritten) : '';
  $(direction === 0 ? 'powerRead' : 'powerWrite').focus();
}

function closePower() {
  if (transfer) return;
  $('passwordBox').hidden = true;
  $('powerBox').hidden = true;
  if (powerReturn && powerReturn.isConnected) powerReturn.focus();
}

// ---- wiring ----------------------------------------------------------------
async function selectTab(tab) {
  if (editor) await closeEditor(true, false);
  await act('zem_show_tab', ['number'], [tab]);
}

function wire() {
  $('new').onclick = async () => {
    if (transfer || !(await maybeSave())) return;
    forgetFile('');
    await act('zem_new');
    setCurrent(1, 1, false);
  };
  $('open').onclick = () => chooseFile();
  $('openFile').onchange = event => { openFile(event.target.files[0]); event.target.value = ''; };
  $('save').onclick = () => save(false);
  $('saveAs').onclick = () => save(true);
  $('print').onclick = () => printListing();
  $('help').onclick = () => openHelp('contents.html');
  $('helpClose').onclick = () => closeHelp();
  $('helpBox').onkeydown = event => {
    if (event.key === 'Escape') { event.preventDefault(); closeHelp(); }
    trapTab(event, $('helpBox'));
  };
  $('undo').onclick = () => act('zem_undo');
  $('redo').onclick = () => act('zem_redo');
  $('importList').onclick = () => $('listFile').click();
  $('listFile').onchange = event => { importList(event.target.files[0]); event.target.value = ''; };
  buildExportMenu();
  $('share').onclick = () => shareLink();
  window.addEventListener('hashchange', () => openLink());
  $('read').onclick = () => prepareTransfer(0);
  $('write').onclick = () => prepareTransfer(1);
  $('start').onclick = () => startTransfer();
  $('powerSet').onclick = () => askAccessCode();
  $('compareRadio').onclick = () => prepareTransfer(2);
  $('compareFile').onclick = () => $('compareInput').click();
  $('compareInput').onchange = event => { compareFile(event.target.files[0]); event.target.value = ''; };
  $('compareClose').onclick = () => closeCompare();
  $('history').onclick = () => showHistory();
  $('historyOpen').onclick = () => openHistory();
  $('historyDelete').onclick = () => deleteHistory();
  $('historyClose').onclick = () => closeHistory();
  $('historyBox').onkeydown = event => {
    if (event.key === 'Escape') { event.preventDefault(); closeHistory(); }
    trapTab(event, $('historyBox'));
  };
  $('compareBox').onkeydown = event => {
    if (event.key === 'Escape') { event.preventDefault(); closeCompare(); }
    trapTab(event, $('compareBox'));
  };
  $('passwordForm').onsubmit = event => { event.preventDefault(); openPowerSet(); };
  $('passwordCancel').onclick = () => closePower();
  $('powerRead').onclick = () => powerExchange(0);
  $('powerWrite').onclick = () => powerExchange(1);
  $('powerDefault').onclick = () => showPowerValues(POWER_DEFAULTS);
  $('powerExit').onclick = () => closePower();
  for (const box of ['passwordBox', 'powerBox'])
    $(box).onkeydown = event => {
      if (event.key === 'Escape') { event.preventDefault(); closePower(); }
      trapTab(event, $(box));
    };
  $('cancel').onclick = () => cancelTransfer();
  $('progressBox').onkeydown = event => {
    if (event.key === 'Escape') { event.preventDefault(); cancelTransfer(); }
    trapTab(event, $('progressBox'));
  };
  if (!('serial' in navigator))
    for (const id of ['read', 'write', 'powerSet', 'compareRadio']) showText($(id), () => tr(TEXTS.noSerial), 'title');

  for (let tab = 0; tab < 3; ++tab) {
    $('tab' + tab).onclick = () => selectTab(tab);
    $('tab' + tab).onkeydown = event => {
      const step = {ArrowRight: 1, ArrowLeft: 2}[event.key];
      if (!step) return;
      event.preventDefault();
      const next = (tab + step) % 3;
      selectTab(next).then(() => $('tab' + next).focus());
    };
  }
  $('type').onchange = event => act('zem_set_type', ['number'], [event.target.selectedIndex]);
  $('band').onchange = event => act('zem_set_band', ['number'], [event.target.selectedIndex]);
  for (const button of document.querySelectorAll('.default-setting'))
    button.onclick = async () => {
      if (editor) await closeEditor(false);
      await act('zem_default_setting', ['number'], [+button.dataset.tab]);
    };
  // Enter on the channel page's lists and on a "Default Setting" button
  // moves on as Tab does; it never presses the button, as in the window.
  for (const control of [$('type'), $('band'), ...document.querySelectorAll('.default-setting')])
    control.addEventListener('keydown', event => {
      if (event.key !== 'Enter') return;
      event.preventDefault();
      cellKey('control', 0, 0, 'Enter');
    });
  for (const control of document.querySelectorAll('.control')) {
    const commit = () => {
      const value = control.type === 'checkbox' ? (control.checked ? '1' : '0')
        : control.tagName === 'SELECT' ? String(control.selectedIndex) : control.value;
      act('zem_set_control', ['string', 'string'], [control.id, value]);
    };
    // A code counts at every keystroke, so a tab closed while it is
    // typed still asks about it.
    if (control.type === 'text') control.oninput = commit; else control.onchange = commit;
  }

  const grid = $('grid');
  grid.addEventListener('click', event => {
    const td = event.target.closest('td');
    if (!td || (editor && editor.element.parentNode === td)) return;
    const row = +td.dataset.row, col = +td.dataset.col;
    if (event.shiftKey && !editor) { setCurrent(row, col, true, true); return; }
    const open = () => cellKey('grid', row, col, 'Press');
    if (editor) closeEditor(true, false).then(open); else open();
  });
  grid.addEventListener('keydown', event => { if (!editor) onGridKey(event); });
  // A cell that gets the focus otherwise (Tab, a screen reader) becomes the current one.
  grid.addEventListener('focusin', event => {
    const td = event.target.closest('td');
    if (td && !editor && (+td.dataset.row !== current.row || +td.dataset.col !== current.col))
      setCurrent(+td.dataset.row, +td.dataset.col, false);
  });
  // Shift+click extends the selection: the cell is not focused first.
  grid.addEventListener('mousedown', event => { if (event.shiftKey) event.preventDefault(); });
  grid.addEventListener('paste', event => {
    if (editor) return;
    event.preventDefault();
    pasteCells(event.clipboardData.getData('text/plain'));
  });
  grid.addEventListener('mouseover', () => { $('statusLine').textContent = tr(TEXTS.hintGrid); });
  for (const select of document.querySelectorAll('select'))
    select.addEventListener('mouseover', () => { $('statusLine').textContent = tr(TEXTS.hintCombo); });

  document.addEventListener('keydown', event => {
    // Escape stops a running exchange wherever the focus went.
    if (event.key === 'Escape' && transfer) { event.preventDefault(); cancelTransfer(); return; }
    const idle = $('messageBox').hidden && $('progressBox').hidden && $('helpBox').hidden && $('powerBox').hidden &&
      $('passwordBox').hidden && $('compareBox').hidden && $('historyBox').hidden;
    if (event.key === 'F1' && idle && state) { event.preventDefault(); openHelp(HELP_PAGES[state.tab]); return; }
    if (!(event.ctrlKey || event.metaKey) || !$('messageBox').hidden || !$('progressBox').hidden) return;
    const key = event.key.toLowerCase();
    const typing = event.target.matches('input[type=text]');
    if (key === 's') { event.preventDefault(); save(event.shiftKey); }
    else if (key === 'o') { event.preventDefault(); chooseFile(); }
    else if (key === 'z' && !typing) { event.preventDefault(); act(event.shiftKey ? 'zem_redo' : 'zem_undo'); }
    else if (key === 'y' && !typing) { event.preventDefault(); act('zem_redo'); }
  });

  // Drag and drop of a program file anywhere on the page.
  let dragDepth = 0;
  document.addEventListener('dragenter', event => { event.preventDefault(); ++dragDepth; $('dropHint').hidden = false; });
  document.addEventListener('dragleave', () => { if (--dragDepth <= 0) { dragDepth = 0; $('dropHint').hidden = true; } });
  document.addEventListener('dragover', event => event.preventDefault());
  document.addEventListener('drop', event => {
    event.preventDefault();
    dragDepth = 0;
    $('dropHint').hidden = true;
    const file = event.dataTransfer.files[0];
    if (file) openFile(file);
  });

  // The browser's own question before leaving unsaved changes.
  window.addEventListener('beforeunload', event => {
    if (unsaved() || editor) { event.preventDefault(); event.returnValue = ''; }
  });
}

// ---- help and print ----------------------------------------------------------
let helpReturn = null;
function openHelp(name) {
  if (!$('helpBox').hidden) return;
  helpReturn = document.activeElement;
  $('helpFrame').src = helpPath(name);
  $('helpBox').hidden = false;
  $('helpClose').focus();
}
function closeHelp() {
  $('helpBox').hidden = true;
  if (helpReturn && helpReturn.isConnected) helpReturn.focus();
}

// The channel listing as the window prints it: its title, the type and band,
// and the first six columns of the 16 channels; the print stylesheet shows
// only this.
async function printListing() {
  if (editor) await closeEditor(true, false);
  await refresh();
  const texts = lists.print;
  const sheet = $('printListing');
  sheet.textContent = '';
  const add = (parent, tag, text, className) => {
    const element = document.createElement(tag);
    if (text !== undefined) element.textContent = text;
    if (className) element.className = className;
    parent.appendChild(element);
    return element;
  };
  add(sheet, 'p', trCore(texts.title), 'print-title');
  add(sheet, 'p', trCore(texts.options), 'print-heading');
  const kind = add(sheet, 'p', undefined, 'print-kind');
  add(kind, 'span', trCore(texts.type) + trCore(lists.types[state.type] || ''));
  add(kind, 'span', trCore(texts.band) + trCore(lists.bands[state.band] || ''));
  add(sheet, 'p', trCore(texts.channels), 'print-heading');
  const table = add(sheet, 'table');
  const head = add(add(table, 'thead'), 'tr');
  for (const header of lists.headers.slice(0, 6)) add(head, 'th', trCore(header));
  const body = add(table, 'tbody');
  state.cells.forEach((row, index) => {
    const line = add(body, 'tr');
    add(line, 'td', String(index + 1));
    row.slice(0, 5).forEach((text, col) => add(line, 'td', lists.choices[col + 1] ? trCore(text) : text));
  });
  window.print();
}

// ---- start ---------------------------------------------------------------------
// Without its core the page can do nothing: it says so and why, and its
// controls are disabled rather than silently dead, all but the language's.
// The alert is among the shown texts: it may come before the language's
// texts arrive.
function loadFailed(text, ...values) {
  if ($('loadAlert').textContent) return;
  showText($('loadAlert'), () => tr(text, ...values));
  for (const control of document.querySelectorAll('button, input, select:not(#language)')) control.disabled = true;
  document.body.dataset.ready = 'failed';
}
if (typeof WebAssembly !== 'object') loadFailed(TEXTS.noWasm);
document.querySelector('script[src="zem.js"]').addEventListener('error', () =>
  loadFailed(TEXTS.wasmFailed, 'zem.js did not arrive'));
// zem.wasm that never arrives ends in a rejected promise rather than an abort.
window.addEventListener('unhandledrejection', event => {
  if (!lists) loadFailed(TEXTS.wasmFailed, String(event.reason && event.reason.message || event.reason));
});

var Module = {
  onAbort(what) {
    if (!lists) loadFailed(...(typeof WebAssembly !== 'object' ? [TEXTS.noWasm] : [TEXTS.wasmFailed, String(what || 'aborted')]));
  },
  async onRuntimeInitialized() {
    lists = JSON.parse(await core('zem_lists', 'string'));
    await pageTranslated;
    const toneList = document.createElement('datalist');
    toneList.id = 'toneList';
    fillSelect(toneList, lists.tones);
    document.body.appendChild(toneList);
    buildPages();
    wire();
    await refresh();
    setCurrent(1, 1, false);
    document.body.dataset.ready = '1';
    performance.mark('zem-ready');
    openLink();
    idleStatus();
  },
};

// ---- the language ----------------------------------------------------------------
// The status line when nothing is going on: F1's hint, or why the radio is
// out of reach.
function idleStatus() {
  $('statusLine').textContent = tr('serial' in navigator ? TEXTS.hintHelp : TEXTS.noSerial);
}
const pageTranslated = languageReady.then(() => translatePage());
// The Language choice: the browser's languages or one of the page's, kept
// in the browser's storage and shown at once.
(() => {
  const select = $('language');
  for (const [code, name] of LANGUAGES) {
    const option = document.createElement('option');
    option.value = code;
    if (code) option.textContent = name; else showText(option, () => tr(TEXTS.system));
    if (code && code !== 'en') option.lang = code.replace('_', '-');
    select.appendChild(option);
  }
  select.value = chosenLanguage();
  select.onchange = async () => {
    keepLanguage(select.value);
    await loadLanguage(select.value || matchLanguage(navigator.languages));
    translatePage();
    if (state) render();
    if (lists) idleStatus();
  };
})();

if ('serviceWorker' in navigator && location.protocol.startsWith('http'))
  window.addEventListener('load', () => navigator.serviceWorker.register('sw.js').catch(() => {}));
