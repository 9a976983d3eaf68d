// The page of the browser edition. It shows what the program's core (zem.js,
// zem.wasm) holds and hands every user action to it: the codec, the commit
// rules, Default Setting, the pages' store and fill and the radio exchange
// all run in the core. This script only draws, asks and carries bytes.
'use strict';

const APP_TITLE = 'Zem Programming Software';
const NO_SERIAL = 'This browser cannot reach a serial cable. To read or write the radio, open this page in ' +
  'Chrome or Edge (version 89 or later) on a desktop computer; files can be opened, edited and saved here.';
const HINT_GRID = 'Please Click the cell to edit or input data';
const HINT_COMBO = 'Please click the CommBox to choose value';
const HINT_HELP = 'For help，please press F1';
const INPUT_NUMBER = 'Please input Number';
const BAR_MAXIMUM = 123;
const COL_RECEIVE = 1, COL_TRANSMIT = 2, COL_DECODE = 3, COL_ENCODE = 4, COL_POWER = 6, COL_PTT = 9;

const $ = id => document.getElementById(id);
let lists = null;      // every list the pages offer, from the core
let state = null;      // what the pages show, from the core
let docName = '';      // the opened file's name, '' for a new document
let current = {row: 1, col: 1};
let editor = null;     // the open cell editor: {row, col, element}
let transfer = null;   // the running exchange: {cancel}

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
function fillSelect(select, entries) {
  select.textContent = '';
  for (const entry of entries) {
    const option = document.createElement('option');
    option.textContent = entry;
    select.appendChild(option);
  }
}

function buildPages() {
  fillSelect($('type'), lists.types);
  fillSelect($('band'), lists.bands);
  const head = $('gridHead');
  for (const header of lists.headers) {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = header;
    head.appendChild(th);
  }
  const body = $('gridBody');
  for (let row = 1; row <= 16; ++row) {
    const tr = document.createElement('tr');
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = String(row);
    tr.appendChild(th);
    for (let col = 1; col <= 9; ++col) {
      const td = document.createElement('td');
      td.dataset.row = row;
      td.dataset.col = col;
      td.tabIndex = -1;
      tr.appendChild(td);
    }
    body.appendChild(tr);
  }
  cell(1, 1).tabIndex = 0;
  for (const [name, entries] of Object.entries(lists.options)) fillSelect($(name), entries);
}

function cell(row, col) { return $('gridBody').rows[row - 1].cells[col]; }

function render() {
  $('type').selectedIndex = state.type;
  $('band').selectedIndex = state.band;
  for (let row = 1; row <= 16; ++row)
    for (let col = 1; col <= 9; ++col) {
      const td = cell(row, col);
      if (editor && editor.row === row && editor.col === col) continue;
      td.textContent = state.cells[row - 1][col - 1];
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
  $('docName').textContent = documentName() + (state.modified ? ' *' : '');
  document.title = documentName() + ' - ' + APP_TITLE;
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
function setCurrent(row, col, focus) {
  cell(current.row, current.col).tabIndex = -1;
  cell(current.row, current.col).classList.remove('current');
  current = {row, col};
  const td = cell(row, col);
  td.tabIndex = 0;
  td.classList.add('current');
  if (focus) td.focus();
}

// Preselects the first entry that starts with the cell's text, as the
// window's lists do.
function preloadIndex(entries, text) {
  const lower = text.toLowerCase();
  const index = entries.findIndex(entry => entry.toLowerCase().startsWith(lower));
  return index < 0 ? 0 : index;
}

function openEditor(row, col, typed) {
  if (editor || transfer) return;
  const td = cell(row, col);
  const text = state.cells[row - 1][col - 1];
  const name = lists.headers[col] + ', channel ' + row;
  let element;
  if (col === COL_RECEIVE || col === COL_TRANSMIT) {
    element = document.createElement('input');
    element.type = 'text';
    element.value = typed === undefined ? text : (text !== '' || /[0-9]/.test(typed) ? typed : '');
  } else if (col === COL_DECODE || col === COL_ENCODE) {
    element = document.createElement('input');
    element.type = 'text';
    element.setAttribute('list', 'toneList');
    element.value = typed === undefined ? lists.tones[preloadIndex(lists.tones, text)] : typed;
  } else {
    element = document.createElement('select');
    fillSelect(element, lists.choices[col]);
    element.selectedIndex = preloadIndex(lists.choices[col], text);
  }
  element.className = 'cell-editor';
  element.setAttribute('aria-label', name);
  element.autocomplete = 'off';
  td.textContent = '';
  td.appendChild(element);
  editor = {row, col, element};
  element.addEventListener('keydown', onEditorKey);
  element.addEventListener('blur', () => { if (editor && editor.element === element) closeEditor(true, false); });
  element.focus();
  if (element.select && typed === undefined) element.select();
}

async function closeEditor(commit, onEnter) {
  if (!editor) return;
  const {row, col, element} = editor;
  const value = element.value;
  editor = null;
  element.remove();
  cell(row, col).textContent = state.cells[row - 1][col - 1];
  if (commit) await act('zem_commit_cell', ['number', 'number', 'string', 'number'], [row, col, value, onEnter ? 1 : 0]);
}

async function onEditorKey(event) {
  if (!editor) return;
  if (event.key === 'Escape') {
    event.preventDefault();
    const {row, col} = editor;
    await closeEditor(false);
    setCurrent(row, col, true);
  } else if (event.key === 'Enter') {
    event.preventDefault();
    const {row, col} = editor;
    await closeEditor(true, true);
    // Enter runs on to the next cell, after PTT to the next channel's Receive.
    if (col === COL_PTT) {
      if (row >= 16) { setCurrent(row, col, false); $('page0').querySelector('.default-setting').focus(); return; }
      setCurrent(row + 1, COL_RECEIVE, true);
    } else {
      setCurrent(row, col + 1, true);
    }
    openEditor(current.row, current.col);
  } else if (event.key === 'Tab') {
    event.preventDefault();
    const {row, col} = editor;
    await closeEditor(true, false);
    setCurrent(row, col, true);
  }
}

function onGridKey(event) {
  const td = event.target.closest('td');
  if (!td || editor) return;
  const row = +td.dataset.row, col = +td.dataset.col;
  const moves = {ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1]};
  if (moves[event.key]) {
    event.preventDefault();
    const [dr, dc] = moves[event.key];
    setCurrent(Math.min(16, Math.max(1, row + dr)), Math.min(9, Math.max(1, col + dc)), true);
  } else if (event.key === 'Home' || event.key === 'End') {
    event.preventDefault();
    setCurrent(row, event.key === 'Home' ? 1 : 9, true);
  } else if (event.key === 'Enter' || event.key === 'F2') {
    event.preventDefault();
    openEditor(row, col);
  } else if (event.key === 'Delete') {
    event.preventDefault();
    act('zem_commit_cell', ['number', 'number', 'string', 'number'], [row, col, '', 0]);
  } else if (event.key.length === 1 && !event.ctrlKey && !event.metaKey && !event.altKey) {
    event.preventDefault();
    // A character typed on a Power cell opens nothing: the list is chosen with the mouse.
    if (col === COL_POWER) return;
    if ((col === COL_RECEIVE || col === COL_TRANSMIT) && !/[0-9]/.test(event.key)) {
      notice(INPUT_NUMBER).then(() => openEditor(row, col, event.key));
      return;
    }
    openEditor(row, col, event.key);
  }
}

// ---- files ---------------------------------------------------------------
// The save question before the document is replaced; false when the user
// chose Cancel or the save failed.
async function maybeSave() {
  if (editor) await closeEditor(true, false);
  await refresh();
  if (!state.modified) return true;
  const answer = await messageBox(3, 'Save the changes to ' + documentName() + '?');
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

async function save() {
  if (editor) await closeEditor(true, false);
  const name = documentName();
  const pointer = await core('zem_save', 'number', ['string'], [name]);
  let saved = false;
  if (pointer) {
    const size = await core('zem_saved_size', 'number');
    download(Module.HEAPU8.slice(pointer, pointer + size), name, 'application/octet-stream');
    saved = true;
  }
  await refresh();
  return saved;
}

async function openFile(file) {
  if (!file || transfer) return;
  if (!(await maybeSave())) return;
  // A program file is 1024 bytes; more than that is never looked at.
  const bytes = new Uint8Array(await file.slice(0, 4096).arrayBuffer());
  const ok = await core('zem_open', 'number', ['string', 'array', 'number'], [file.name, bytes, bytes.length]);
  if (ok) docName = file.name;
  await refresh();
  setCurrent(1, 1, false);
  $('type').focus();
}

async function importCsv(file) {
  if (!file) return;
  if (editor) await closeEditor(true, false);
  const text = file.size > (1 << 20) ? '' : await file.text();
  const size = file.size > (1 << 20) ? file.size : new TextEncoder().encode(text).length;
  await act('zem_import_csv', ['string', 'string', 'number'], [file.name, text, size]);
}

async function exportCsv() {
  if (editor) await closeEditor(true, false);
  const text = await core('zem_export_csv', 'string');
  const base = docName ? docName.replace(/\.[^.]*$/, '') : 'channels';
  download(text, base + '.csv', 'text/csv');
}

// ---- the radio -------------------------------------------------------------
function prepareTransfer(direction) {
  if (transfer || !lists) return;
  if (!('serial' in navigator)) { notice(NO_SERIAL); return; }
  if (editor) closeEditor(true, false);
  transfer = null;
  const box = $('progressBox');
  box.dataset.direction = direction;
  $('progressTitle').textContent = direction === 0 ? lists.titles.read : lists.titles.write;
  $('progressStatus').textContent = lists.titles.ready;
  $('progressBar').value = 0;
  $('start').disabled = false;
  box.hidden = false;
  $('start').focus();
}

async function startTransfer() {
  if (transfer) return;
  const box = $('progressBox');
  const direction = +box.dataset.direction;
  transfer = {cancel: false};
  $('start').disabled = true;
  try {
    if (!zemSerial.port) {
      const granted = await navigator.serial.getPorts();
      zemSerial.port = granted.length === 1 ? granted[0] : await navigator.serial.requestPort();
    }
  } catch (error) {
    zemSerial.port = null;  // no port chosen: the core says it could not open one
  }
  const status = await core('zem_transfer', 'number', ['number', 'number'],
                            [direction, direction === 1 && $('verify').checked ? 1 : 0]);
  if (status === 0) $('progressBar').value = BAR_MAXIMUM;
  transfer = null;
  box.hidden = true;
  await refresh();
  $('tab' + state.tab).focus();
}

function cancelTransfer() {
  if (transfer) { transfer.cancel = true; return; }
  $('progressBox').hidden = true;
}

// ---- wiring ----------------------------------------------------------------
async function selectTab(tab) {
  if (editor) await closeEditor(true, false);
  await act('zem_show_tab', ['number'], [tab]);
}

function wire() {
  $('new').onclick = async () => {
    if (transfer || !(await maybeSave())) return;
    docName = '';
    await act('zem_new');
    setCurrent(1, 1, false);
  };
  $('open').onclick = () => $('openFile').click();
  $('openFile').onchange = event => { openFile(event.target.files[0]); event.target.value = ''; };
  $('save').onclick = () => save();
  $('undo').onclick = () => act('zem_undo');
  $('redo').onclick = () => act('zem_redo');
  $('importCsv').onclick = () => $('csvFile').click();
  $('csvFile').onchange = event => { importCsv(event.target.files[0]); event.target.value = ''; };
  $('exportCsv').onclick = () => exportCsv();
  $('read').onclick = () => prepareTransfer(0);
  $('write').onclick = () => prepareTransfer(1);
  $('start').onclick = () => startTransfer();
  $('cancel').onclick = () => cancelTransfer();
  $('progressBox').onkeydown = event => {
    if (event.key === 'Escape') { event.preventDefault(); cancelTransfer(); }
    trapTab(event, $('progressBox'));
  };
  if (!('serial' in navigator)) for (const id of ['read', 'write']) $(id).title = NO_SERIAL;

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
  for (const control of document.querySelectorAll('.control')) {
    control.onchange = () => {
      const value = control.type === 'checkbox' ? (control.checked ? '1' : '0')
        : control.tagName === 'SELECT' ? String(control.selectedIndex) : control.value;
      act('zem_set_control', ['string', 'string'], [control.id, value]);
    };
  }

  const grid = $('grid');
  grid.addEventListener('click', event => {
    const td = event.target.closest('td');
    if (!td || (editor && editor.element.parentNode === td)) return;
    const row = +td.dataset.row, col = +td.dataset.col;
    const open = () => { setCurrent(row, col, true); openEditor(row, col); };
    if (editor) closeEditor(true, false).then(open); else open();
  });
  grid.addEventListener('keydown', event => { if (!editor) onGridKey(event); });
  grid.addEventListener('mouseover', () => { $('statusLine').textContent = HINT_GRID; });
  for (const select of document.querySelectorAll('select'))
    select.addEventListener('mouseover', () => { $('statusLine').textContent = HINT_COMBO; });

  document.addEventListener('keydown', event => {
    if (!(event.ctrlKey || event.metaKey) || !$('messageBox').hidden || !$('progressBox').hidden) return;
    const key = event.key.toLowerCase();
    const typing = event.target.matches('input[type=text]');
    if (key === 's') { event.preventDefault(); save(); }
    else if (key === 'o') { event.preventDefault(); $('openFile').click(); }
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
    if (state && (state.modified || editor)) { event.preventDefault(); event.returnValue = ''; }
  });
}

var Module = {
  async onRuntimeInitialized() {
    lists = JSON.parse(await core('zem_lists', 'string'));
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
    if (!('serial' in navigator)) $('statusLine').textContent = NO_SERIAL;
  },
};

if ('serviceWorker' in navigator && location.protocol.startsWith('http'))
  window.addEventListener('load', () => navigator.serviceWorker.register('sw.js').catch(() => {}));
