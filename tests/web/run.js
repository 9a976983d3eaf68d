// The browser edition driven as a user drives it, in headless Chromium:
// program files opened and compared with zemtool show --json, keyboard
// edits saved and compared byte for byte with the same edits made by
// zemtool, read and write against a test radio in place of navigator.serial,
// a browser without Web Serial or without WebAssembly, saves the page can
// and cannot see done, offline opening on a network that never answers, a
// phone's width, dark mode, axe-core, help and print.
//   node run.js WEB_DIR ZEMTOOL
'use strict';
const {chromium} = require('playwright-core');
const {execFileSync} = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const {installTestRadio} = require('./test_radio');

const [webDir, zemtool] = process.argv.slice(2).map(arg => path.resolve(arg));
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'zem-web-'));
const COLUMNS = ['receive', 'transmit', 'decode', 'encode', 'scan', 'power', 'bandwidth', 'busy', 'ptt'];
const TRANSFER_END = 0x3d0;

function tool(...args) { return execFileSync(zemtool, args, {encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe']}); }
function show(file) { return JSON.parse(tool('show', file, '--json')); }
function check(ok, what) { if (!ok) throw new Error(what); }
function same(actual, expected, what) {
  const a = JSON.stringify(actual), e = JSON.stringify(expected);
  check(a === e, `${what}:\n  page    ${a}\n  zemtool ${e}`);
}

// Bytes the page saved against a file zemtool made; a difference is told
// in zemtool diff's words.
function sameBytes(bytes, file, what) {
  if (bytes.equals(fs.readFileSync(file))) return;
  const saved = file + '.page';
  fs.writeFileSync(saved, bytes);
  let lines = '';
  try { tool('diff', file, saved); } catch (error) { lines = String(error.stdout); }
  throw new Error(`${what}: the page's file differs from ${path.basename(file)}:\n${lines}`);
}

// A program file: a band's Default Setting, then bytes of the channels,
// options and keys stirred by a seeded generator, so lists out of range,
// odd tones and frequencies outside the band are among them.
function craft(name, band, seed) {
  const file = path.join(work, name);
  tool('new', '--band', String(band), '-o', file);
  if (seed) {
    const bytes = fs.readFileSync(file);
    let x = seed;
    const next = () => (x = (x * 1103515245 + 12345) & 0x7fffffff) >> 8;
    for (let i = 0; i < 120; ++i) bytes[0x010 + next() % 0x100] = next() & 0xff;
    for (let i = 0x130; i < 0x140; ++i) bytes[i] = next() & 0xff;
    for (let i = 0x210; i < 0x220; ++i) bytes[i] = next() % 12;
    fs.writeFileSync(file, bytes);
  }
  return file;
}

// ---- the page ---------------------------------------------------------------
const TYPES = {'.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
               '.png': 'image/png', '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json',
               '.json': 'application/json'};
// network.hang: requests are taken and never answered; network.swVersion:
// the offline worker is served as that version.
const network = {hang: false, hanging: [], swVersion: 0};
function serve() {
  const server = http.createServer((request, response) => {
    if (network.hang) { network.hanging.push(response); return; }
    let name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    if (name.endsWith('/')) name += 'index.html';
    const file = path.join(webDir, path.normalize(name));
    fs.readFile(file, (error, data) => {
      if (error || !file.startsWith(webDir)) { response.writeHead(404); response.end(); return; }
      response.writeHead(200, {'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream'});
      if (name === '/sw.js' && network.swVersion)
        data = String(data).replace(/const VERSION = \d+;/, `const VERSION = ${network.swVersion};`);
      response.end(data);
    });
  });
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => resolve(server)));
}

let context, url;
// Every page keeps its script errors and the policy's refusals; the
// browser's own file dialogs are taken away unless a test puts its own.
async function openPage(init, ready = '1', where = context) {
  const page = await where.newPage();
  page.errors = [];
  page.on('pageerror', error => page.errors.push(error.message));
  await page.addInitScript(() => {
    delete window.showSaveFilePicker;
    delete window.showOpenFilePicker;
    window.refused = [];
    document.addEventListener('securitypolicyviolation', event => window.refused.push(event.violatedDirective));
  });
  if (init) await page.addInitScript(init.script, init.arg);
  await page.goto(url);
  await page.waitForSelector(`body[data-ready="${ready}"]`, {timeout: 30000});
  return page;
}
async function clean(page) {
  check(page.errors.length === 0, page.errors.join('\n'));
  same(await page.evaluate(() => window.refused), [], "content the page's policy refused");
}
const DOWNLOADED = ' was handed to the browser\'s downloads.\nDid the file save?';
const isUnsaved = page => page.evaluate(() => document.getElementById('docName').textContent.endsWith(' *'));

const button = (page, name) => page.getByRole('button', {name, exact: true});

async function openFile(page, file) {
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), button(page, 'Open').click()]);
  await chooser.setFiles(file);
  await page.waitForFunction(name => document.getElementById('docName').textContent.startsWith(name),
                             path.basename(file));
}

// A save handed to the downloads, confirmed (or not) when the page asks.
async function save(page, confirm = 'Yes', press = () => button(page, 'Save').click()) {
  const [download] = await Promise.all([page.waitForEvent('download'), press()]);
  const name = download.suggestedFilename();
  same(await answer(page, confirm), name + DOWNLOADED, 'question after a download');
  return {name, bytes: fs.readFileSync(await download.path())};
}

// The open message box's text, closed with the named button (the next
// message may follow in the same box at once).
async function answer(page, choice = 'OK') {
  const box = page.getByRole('alertdialog');
  await box.waitFor({timeout: 60000});
  const text = await page.locator('#messageText').textContent();
  await box.getByRole('button', {name: choice, exact: true}).click();
  await page.waitForFunction(shown => document.getElementById('messageBox').hidden ||
                             document.getElementById('messageText').textContent !== shown, text);
  return text;
}

// What the three pages show, in the words of zemtool's JSON.
async function pagesShown(page) {
  return page.evaluate(columns => {
    const text = select => (select.selectedIndex < 0 ? '' : select.options[select.selectedIndex].textContent);
    const grid = document.querySelector('table');
    const channels = [...grid.tBodies[0].rows].map(row => {
      const channel = {ch: Number(row.cells[0].textContent)};
      columns.forEach((key, i) => { channel[key] = row.cells[i + 1].textContent; });
      return channel;
    });
    const settings = ids => Object.fromEntries(ids.map(id => {
      const control = document.getElementById(id);
      return [id, control.type === 'checkbox' ? control.checked : control.tagName === 'SELECT' ? text(control) : control.value];
    }));
    const ids = section => [...document.querySelectorAll(`#${section} .control`)].map(control => control.id);
    return {type: text(document.getElementById('type')), band: text(document.getElementById('band')), channels,
            headers: [...grid.tHead.rows[0].cells].map(cell => cell.textContent),
            options: settings(ids('page1')), keys: settings(ids('page2'))};
  }, COLUMNS);
}

async function expectPages(page, file) {
  const shown = await pagesShown(page);
  const expected = show(file);
  same(shown.headers, ['Ch', 'Receive', 'Transmit', 'QT/DQT DEC', 'QT/DQT ENC', 'Scan', 'Power', 'W/N', 'Busy', 'PTT'],
       'table headers');
  same([shown.type, shown.band], [expected.type, expected.band], `${path.basename(file)}: type and band`);
  same(shown.channels, expected.channels, `${path.basename(file)}: channels`);
  for (const group of ['options', 'keys'])
    for (const key of Object.keys(expected[group]))
      same(shown[group][key], expected[group][key], `${path.basename(file)}: ${key}`);
}

// The list of Compare, closed with Escape.
async function differences(page) {
  await page.locator('#compareBox').waitFor();
  const shown = await page.evaluate(() => ({title: document.getElementById('compareTitle').textContent,
    rows: [...document.querySelectorAll('#compareRows tr')].map(tr => [...tr.cells].map(cell => cell.textContent))}));
  await page.keyboard.press('Escape');
  await page.locator('#compareBox').waitFor({state: 'hidden'});
  return shown;
}

const cellOf = (page, row, col) => page.locator('#gridBody').locator('tr').nth(row - 1).locator('td').nth(col - 1);

async function transfer(page, name) {
  await button(page, name).click();
  const box = page.getByRole('dialog');
  await box.waitFor();
  await box.getByRole('button', {name: 'Start', exact: true}).click();
}
const transferDone = page => page.locator('#progressBox').waitFor({state: 'hidden', timeout: 60000});

// ---- the cases ----------------------------------------------------------------
const cases = [];
const test = (name, run) => cases.push({name, run});

test('program files show the same three pages as zemtool show', async () => {
  const page = await openPage();
  for (const file of [craft('José.Zem', 0, 0), craft('张伟 band 2.Zem', 2, 7), craft('stirred.zem', 3, 4242)]) {
    await openFile(page, file);
    await expectPages(page, file);
  }
  // Compare with file lists what zemtool diff lists.
  const other = path.join(work, 'José.Zem');
  let lines = [];
  try { tool('diff', path.join(work, 'stirred.zem'), other); } catch (error) { lines = String(error.stdout).trim().split('\n'); }
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), button(page, 'Compare with file').click()]);
  await chooser.setFiles(other);
  const shown = await differences(page);
  same([shown.title, shown.rows.map(([where, before, after]) => (before || after ? `${where}: ${before} -> ${after}` : where))],
       ['Compare with José.Zem', lines], 'Compare with file');
  same(await page.locator('meta[http-equiv="Content-Security-Policy"]').getAttribute('content'),
       "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; object-src 'none'; base-uri 'none'",
       "the page's policy");
  await clean(page);
});

test('keyboard edits save the bytes zemtool makes of the same edits', async () => {
  const page = await openPage();
  const base = craft('José.Zem', 0, 0);
  // A new document's DTMF speed byte lies outside its list, and a save of
  // the pages writes back the list's fixed entry; zemtool's import stores
  // the channel page only, so the file starts with that entry.
  const bytes = fs.readFileSync(base);
  bytes[0x133] = 0x06;
  fs.writeFileSync(base, bytes);
  await openFile(page, base);
  await cellOf(page, 1, 1).click();
  for (const typed of ['145.5', '146.1', '88.5']) {
    await page.keyboard.type(typed);
    await page.keyboard.press('Enter');
  }
  await page.keyboard.press('Escape');
  await cellOf(page, 1, 6).click();           // Power: a list
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Escape');
  await cellOf(page, 2, 1).click();
  await page.keyboard.type('146.52');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Escape');
  // A value out of the band: the program's message, the cell kept.
  await cellOf(page, 3, 1).focus();
  await page.keyboard.type('100');            // typed on the cell opens its editor
  const editor = page.getByRole('textbox', {name: 'Receive, channel 3'});
  await editor.waitFor();
  await editor.press('Enter');
  fs.writeFileSync(path.join(work, 'bad.csv'), 'Ch,Receive\n3,100\n');
  let refusal = '';
  try { tool('csv', 'import', base, path.join(work, 'bad.csv'), '-o', path.join(work, 'bad.zem')); }
  // zemtool adds why and the remedy in brackets to the cell's own words.
  catch (error) { refusal = String(error.stderr).split('\n')[0].replace(/^.*?": /, '').replace(/ \(.*\)$/, ''); }
  same(await answer(page), refusal, 'message for 100 MHz');
  await page.keyboard.press('Escape');
  same(await cellOf(page, 3, 1).textContent(), show(base).channels[2].receive, 'refused cell');

  const saved = await save(page);
  same(saved.name, 'José.Zem', 'download name');
  const first = path.join(work, 'first.csv'), second = path.join(work, 'second.csv');
  fs.writeFileSync(first, 'Ch,Receive,Transmit,QT/DQT DEC,Power\r\n1,145.5,146.1,88.5,Low\r\n');
  fs.writeFileSync(second, 'Ch,Receive\n2,146.52\n');
  tool('csv', 'import', base, first, '-o', path.join(work, 'step.zem'));
  tool('csv', 'import', path.join(work, 'step.zem'), second, '-o', path.join(work, 'expected.zem'));
  sameBytes(saved.bytes, path.join(work, 'expected.zem'), 'keyboard edits');

  // Undo, then the save question before New: Cancel keeps the document.
  await button(page, 'Undo').click();
  await page.waitForFunction(() => document.getElementById('docName').textContent.endsWith('*'));
  same(await cellOf(page, 2, 1).textContent(), show(base).channels[1].receive, 'undone cell');
  await button(page, 'New').click();
  same(await answer(page, 'Cancel'), 'Save the changes to José.Zem?', 'save question');
  same(await cellOf(page, 1, 1).textContent(), '145.50000', 'document after Cancel');
  // Channel 1 emptied of its frequencies: Enter on its Power list keeps the
  // setting, leaving the list empties it.
  for (const col of [1, 2]) {
    await cellOf(page, 1, col).focus();
    await page.keyboard.press('Delete');
  }
  await page.waitForFunction(() => document.querySelector('#gridBody td:nth-of-type(2)').textContent === '');
  const power = [];
  for (const leave of ['Enter', 'Tab']) {
    await cellOf(page, 1, 6).click();
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press(leave);
    if (leave === 'Enter') await page.keyboard.press('Escape');
    await page.waitForTimeout(100);
    power.push(await cellOf(page, 1, 6).textContent());
  }
  same(power, ['Low', ''], 'Power of an emptied channel after Enter, then after leaving');
  check(page.errors.length === 0, page.errors.join('\n'));
});

test('keys on the table do what the core says: Enter never presses Default Setting', async () => {
  const page = await openPage();
  await cellOf(page, 1, 1).click();
  await page.keyboard.type('150');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Escape');
  // From channel 16's PTT list: Enter commits and leaves the table, the
  // next ones move on past "Default Setting" without pressing it.
  await cellOf(page, 16, 9).click();
  for (let i = 0; i < 3; ++i) await page.keyboard.press('Enter');
  await page.waitForTimeout(200);
  same(await cellOf(page, 1, 1).textContent(), '150.00000', 'channel 1 after Enter, Enter, Enter from channel 16');
  // In channel 5 Enter runs on to channel 6's receive frequency; a letter
  // typed on a frequency is refused first.
  await cellOf(page, 5, 9).click();
  await page.keyboard.press('Enter');
  await page.getByRole('textbox', {name: 'Receive, channel 6'}).waitFor();
  await page.keyboard.press('Escape');
  await page.keyboard.type('a');
  same(await answer(page), 'Please input Number', 'a letter on a frequency');
  // On the settings pages too Enter moves on from "Default Setting".
  await page.getByRole('tab', {name: 'Optional features'}).click();
  await page.locator('#page1 .default-setting').focus();
  await page.keyboard.press('Enter');
  check(await page.evaluate(() => !document.activeElement.matches('.default-setting')), 'Enter stayed on the button');
  await clean(page);
});

test('channel lists and plan texts in and out; a shared link opens its plan byte for byte', async () => {
  const page = await openPage({script: () => {
    Object.defineProperty(Navigator.prototype, 'clipboard', {get: () => ({async writeText(text) { window.copied = text; }})});
  }});
  // A file whose every byte the pages keep as they are, so a save gives it back.
  const roundTrip = (name, band) => {
    const file = craft(name, band, 0);
    const bytes = fs.readFileSync(file);
    bytes[0x133] = 0x06;
    fs.writeFileSync(file, bytes);
    return file;
  };
  const base = roundTrip('lists.Zem', 0);
  await openFile(page, base);
  // A memory list with a row out of the band: the page asks to take the
  // others, then names what the radio does not store, as zemtool does.
  const list = path.join(work, 'memories.csv');
  fs.writeFileSync(list, 'Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode,Power,Comment\n' +
                         '1,CLUB,146.520000,,0.000000,Tone,88.5,88.5,FM,5.0W,meets Fridays\n' +
                         '2,FAR,446.000000,,0.000000,,88.5,88.5,FM,5.0W,\n');
  const expected = path.join(work, 'memories.Zem');
  tool('memories', 'import', base, list, '-o', expected, '--skip-refused');
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), button(page, 'Import channel list').click()]);
  await chooser.setFiles(list);
  const question = await answer(page);
  check(question.startsWith('These values were refused.') && question.includes('446'), `skip question: ${question}`);
  check((await answer(page)).startsWith('The channel list was imported. This radio does not store:'), 'not stored');
  sameBytes((await save(page)).bytes, expected, 'memory list imported');
  // A list that empties a channel: the page saves what zemtool writes.
  const emptying = path.join(work, 'emptying.csv');
  fs.writeFileSync(emptying, 'Ch,Receive,Transmit\n1,,\n');
  tool('csv', 'import', expected, emptying, '-o', path.join(work, 'emptied.Zem'));
  const [emptyChooser] = await Promise.all([page.waitForEvent('filechooser'), button(page, 'Import channel list').click()]);
  await emptyChooser.setFiles(emptying);
  sameBytes((await save(page)).bytes, path.join(work, 'emptied.Zem'), 'channel emptied by a list');
  await button(page, 'Undo').click();
  sameBytes((await save(page)).bytes, expected, 'the emptying undone');
  const exported = async (name, format) => {
    await button(page, 'Export channel list').click();
    const [download] = await Promise.all([page.waitForEvent('download'),
                                          page.getByRole('menuitem', {name, exact: true}).click()]);
    const text = fs.readFileSync(await download.path(), 'utf8');
    same(text, tool(format, 'export', expected), `${format} exported`);
    return text;
  };
  await exported('Memory list of other programming tools (*.csv)', 'memories');
  // The plan text opens as a document of the same pages.
  const plan = path.join(work, 'club plan.yaml');
  fs.writeFileSync(plan, await exported('Plan as text (*.yaml)', 'plan'));
  await button(page, 'New').click();
  const [opening] = await Promise.all([page.waitForEvent('filechooser'), button(page, 'Open').click()]);
  await opening.setFiles(plan);
  await page.waitForFunction(() => document.getElementById('docName').textContent === 'club plan.Zem');
  await expectPages(page, expected);

  // zemtool's link: unsaved work asks first, the plan comes byte for byte,
  // and the page's own link is the same; a damaged link changes nothing.
  const shared = roundTrip('shared.Zem', 2);
  const link = tool('share', shared, '--base-url', url).trim();
  check(link.length < 1500 && link.startsWith(url + '#plan='), `link: ${link.slice(0, 80)}`);
  await cellOf(page, 3, 1).click();
  await page.keyboard.type('147');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Escape');
  await page.goto(link);
  same(await answer(page, 'Discard'), 'Save the changes to club plan.Zem?', 'question before a link replaces work');
  await button(page, 'Share as link').click();
  same(await answer(page), 'The link to this plan was copied to the clipboard. Whoever opens it sees the plan, ' +
       'ready for Write.', 'message of Share as link');
  same(await page.evaluate(() => window.copied), link, "the page's link");
  await expectPages(page, shared);
  for (const damaged of [link.slice(0, -2), link.replace('#plan=', '#plan=A'), link.slice(0, -1) + '*']) {
    await page.goto(damaged);
    check((await answer(page)).startsWith('This link does not hold a whole plan'), 'message of a damaged link');
  }
  await expectPages(page, shared);
  check(!(await isUnsaved(page)), 'a damaged link changed the document');

  // Copy, Paste and Delete over selected cells: tab-separated text, as a spreadsheet's.
  const channels = show(shared).channels;
  await cellOf(page, 1, 1).focus();
  for (const key of ['Shift+ArrowDown', 'Shift+ArrowRight', 'Control+c']) await page.keyboard.press(key);
  await page.waitForFunction(() => window.copied && !window.copied.startsWith('http'));
  const copied = await page.evaluate(() => window.copied);
  same(copied.replace(/\n$/, ''), channels.slice(0, 2).map(c => `${c.receive}\t${c.transmit}`).join('\n'), 'copied cells');
  await cellOf(page, 5, 1).focus();
  await page.evaluate(text => {
    const data = new DataTransfer();
    data.setData('text/plain', text);
    document.activeElement.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, bubbles: true}));
  }, copied);
  const block = () => page.evaluate(() => [...document.querySelectorAll('#gridBody td.selected')].map(td => td.textContent));
  await page.waitForFunction(() => document.querySelectorAll('#gridBody td.selected').length === 4);
  same(await block(), channels.slice(0, 2).flatMap(c => [c.receive, c.transmit]), 'pasted cells, selected');
  await page.keyboard.press('Delete');
  await page.waitForFunction(() => [...document.querySelectorAll('#gridBody td.selected')].every(td => !td.textContent));
  await clean(page);
});

function radioPage(file, config = {}) {
  const memory = [...fs.readFileSync(file)];
  return openPage({script: installTestRadio, arg: {memory, ...config}});
}

test('read, a verified write and Cancel against the test radio', async () => {
  const radioFile = craft('radio.Zem', 2, 99);
  const page = await radioPage(radioFile);
  let start = Date.now();
  await transfer(page, 'Read');
  await transferDone(page);
  console.log(`  read from the test radio (no line pacing): ${Date.now() - start} ms`);
  await expectPages(page, radioFile);
  same(await page.evaluate(() => window.testRadio.opened[0]), {baudRate: 9600, dataBits: 8, stopBits: 1, parity: 'none'},
       'port options');
  // The read is kept in the radio history, with a note, until deleted.
  await button(page, 'Radio history').click();
  const history = () => page.evaluate(() => [...document.querySelectorAll('#historyRows tr')]
    .map(tr => [...tr.cells].slice(2, 6).map(cell => cell.textContent)));
  const shownRadio = show(radioFile);
  same(await history(), [[shownRadio.type, shownRadio.band, shownRadio.channels.find(c => c.receive).receive, 'Read']],
       'radio history');
  await page.getByRole('textbox', {name: /^Note of the read of/}).fill('club radio');
  await page.keyboard.press('Tab');
  same(await page.evaluate(() => JSON.parse(localStorage.getItem('zemprog-radio-history'))[0].note), 'club radio', 'note');
  await button(page, 'Delete').click();
  check((await answer(page)).startsWith('Delete the read of '), 'question before a read is deleted');
  await page.waitForFunction(() => document.getElementById('historyWhere').textContent === 'No radio has been read yet.');
  await page.keyboard.press('Escape');

  await cellOf(page, 1, 1).click();
  await page.keyboard.type('401');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Escape');
  start = Date.now();
  await transfer(page, 'Write');
  await transferDone(page);
  console.log(`  write and read-back: ${Date.now() - start} ms`);
  check(await page.getByRole('alertdialog').count() === 0, 'a message after a good verified write');
  const written = (await save(page)).bytes;
  const radio = Buffer.from(await page.evaluate(() => [...window.testRadio.memory]));
  check(radio.subarray(0, TRANSFER_END).equals(written.subarray(0, TRANSFER_END)), 'the radio holds other bytes');
  same(await page.evaluate(() => window.testRadio.opened.length), 3, 'port opened for read, write and read-back');

  // Escape during a read cancels it: the focus stays on Cancel throughout,
  // the progress counts blocks, no message, the document as it was.
  await transfer(page, 'Read');
  await page.waitForFunction(() => document.getElementById('progressBar').value >= 10);
  same(await page.evaluate(() => document.activeElement.id), 'cancel', 'focus during a read');
  check(/^Read \d+ of 122 blocks$/.test(await page.locator('#progressStatus').textContent()), 'progress text');
  await page.keyboard.press('Escape');
  await transferDone(page);
  check(await page.getByRole('alertdialog').count() === 0, 'a message after Cancel');
  same(await cellOf(page, 1, 1).textContent(), '401.00000', 'document after a cancelled read');

  // A write stopped among its blocks says what the radio now holds.
  await transfer(page, 'Write');
  await page.waitForFunction(() => document.getElementById('progressBar').value >= 10);
  check(/^Wrote \d+ of 122 blocks$/.test(await page.locator('#progressStatus').textContent()), 'write progress text');
  await page.keyboard.press('Escape');
  check((await answer(page)).includes('the radio now holds part of this program'), 'message of a stopped write');
  await transferDone(page);
  await clean(page);
});

test('On Line Power Set reads and writes the power values behind the access code', async () => {
  const radioFile = craft('power.Zem', 2, 0);
  const memory = fs.readFileSync(radioFile);
  for (let i = 0; i < 14; ++i) memory[0x3d0 + i] = 100 + i;
  fs.writeFileSync(radioFile, memory);
  const page = await radioPage(radioFile);
  const enter = async typed => {
    await button(page, 'On Line Power Set').click();
    await page.getByLabel('Please input password').fill(typed);
    await page.keyboard.press('Enter');
  };
  await enter('5203841');
  same(await answer(page), 'Not the correct password', 'a wrong access code');
  await enter('52038417');
  const shown = () => page.evaluate(() => [...document.querySelectorAll('#powerRows select')].map(s => s.selectedIndex));
  const status = text => page.waitForFunction(t => document.getElementById('statusLine').textContent === t, text);
  await page.locator('#powerRead').click();
  await status('Read the power values from the radio');
  same(await shown(), [100, 107, 101, 108, 102, 109, 103, 110, 104, 111, 105, 112, 106, 113], 'power values read');
  await page.locator('#low1').selectOption('7');
  await page.locator('#powerWrite').click();
  await status('Written');
  same(await page.evaluate(() => [...window.testRadio.memory.slice(0x3d0, 0x3e0)]),
       [7, ...[...memory.subarray(0x3d1, 0x3e0)]], 'power values written');
  await page.keyboard.press('Escape');
  await page.locator('#powerBox').waitFor({state: 'hidden'});
  await clean(page);
});

test('a write the radio does not keep is reported by the verify', async () => {
  const radioFile = craft('keeps-nothing.Zem', 0, 0);
  const page = await radioPage(radioFile, {dropWriteAt: 0x010});
  await cellOf(page, 1, 1).click();
  await page.keyboard.type('150');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Escape');
  await transfer(page, 'Write');
  const text = await answer(page);
  check(text.includes('channel 1 Receive'), `verify message: ${text}`);
  await transferDone(page);
  // Compare with radio names what the radio did not keep.
  await transfer(page, 'Compare with radio');
  const shown = await differences(page);
  same([shown.title, shown.rows[0].slice(0, 2)], ['Compare with Radio', ['channel 1 Receive', '150.00000']],
       'Compare with radio');
});

test('a silent radio: the message, then the page still works', async () => {
  const file = craft('silent.Zem', 1, 0);
  const page = await radioPage(file, {silent: true});
  await transfer(page, 'Read');
  same(await answer(page, 'Cancel'), 'Communication error ,Please check all the connections and the radio power',
       'message of a silent radio');
  await transferDone(page);
  await openFile(page, file);
  await expectPages(page, file);
});

test('a browser without Web Serial opens and saves files', async () => {
  const page = await openPage({script: () => { delete Navigator.prototype.serial; }});
  check(await page.evaluate(() => !('serial' in navigator)), 'navigator.serial still there');
  await button(page, 'Read').click();
  check((await answer(page)).includes('Chrome'), 'the radio buttons name the browsers that can');
  const file = craft('no-serial.Zem', 3, 0);
  await openFile(page, file);
  const saved = await save(page);
  fs.writeFileSync(path.join(work, 'saved.Zem'), saved.bytes);
  same(show(path.join(work, 'saved.Zem')), show(file), 'pages of the opened and saved file');
});

test('once loaded, the page opens within a second offline and on a network that never answers', async () => {
  const page = await openPage();
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  const reopen = async what => {
    const start = Date.now();
    await page.reload();
    await page.waitForSelector('body[data-ready="1"]');
    const took = Date.now() - start;
    console.log(`  ${what}: ready in ${took} ms`);
    check(took < 1000, `${what}: ${took} ms`);
    same((await pagesShown(page)).channels.length, 16, `channels ${what}`);
  };
  await context.setOffline(true);
  try { await reopen('offline'); } finally { await context.setOffline(false); }
  network.hang = true;
  try { await reopen('network never answering'); } finally {
    network.hang = false;
    for (const response of network.hanging.splice(0)) response.destroy();
  }
  // A new worker version takes over and removes the older cache.
  network.swVersion = 3;
  await page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    await registration.update();
    await new Promise(resolve => {
      if (!registration.installing && !registration.waiting) resolve(); else navigator.serviceWorker.oncontrollerchange = resolve;
    });
  });
  await page.waitForFunction(async () => JSON.stringify(await caches.keys()) === '["zemprog-web-3"]');
  network.swVersion = 0;
});

test('a save counts only once the page sees the file written or the user says it arrived', async () => {
  // Downloads: "No" keeps the work unsaved and New asks; a confirmed save does not.
  const page = await openPage();
  const edit = async (text, col = 1) => {
    await cellOf(page, 1, col).click();
    await page.keyboard.type(text);
    await page.keyboard.press('Enter');
    await page.keyboard.press('Escape');
  };
  await edit('146');
  await save(page, 'No');
  check(await isUnsaved(page), 'an unconfirmed download counted as saved');
  await button(page, 'New').click();
  same(await answer(page, 'Cancel'), 'Save the changes to untitled.Zem?', 'New after an unconfirmed download');
  await save(page, 'Yes');
  check(!(await isUnsaved(page)), 'a confirmed download still unsaved');
  // A PTT ID counts while it is typed: Ctrl+S from the field saves it.
  await page.getByRole('tab', {name: 'Optional features'}).click();
  await page.locator('#ptt_id_start').click();
  await page.keyboard.press('Control+a');
  await page.keyboard.type('87654321');
  await page.waitForFunction(() => document.getElementById('docName').textContent.endsWith(' *'), null, {timeout: 5000});
  const saved = await save(page, 'Yes', () => page.keyboard.press('Control+s'));
  fs.writeFileSync(path.join(work, 'ptt.Zem'), saved.bytes);
  same(show(path.join(work, 'ptt.Zem')).options.ptt_id_start, '87654321', 'PTT ID saved from the field');
  await clean(page);

  // A file the page may write: Save writes back, Save as picks anew; a
  // closed dialog or a refused write leaves the work unsaved.
  const picking = await openPage({script: memory => {
    window.picked = {dialogs: 0, written: [], mode: 'ok'};
    const file = name => ({name, async getFile() { return new File([Uint8Array.from(memory)], name); },
      async createWritable() {
        const parts = [];
        return {async write(data) { parts.push(...data); },
                async close() {
                  if (window.picked.mode === 'refuse') throw new DOMException('disk full', 'QuotaExceededError');
                  window.picked.written.push(parts.length);
                }};
      }});
    window.showSaveFilePicker = async () => {
      ++window.picked.dialogs;
      if (window.picked.mode === 'abort') throw new DOMException('closed', 'AbortError');
      return file('picked ' + window.picked.dialogs + '.Zem');
    };
    window.showOpenFilePicker = async () => [file('opened.Zem')];
  }, arg: [...fs.readFileSync(craft('opened.Zem', 2, 0))]});
  const picked = () => picking.evaluate(() => ({dialogs: window.picked.dialogs, written: window.picked.written}));
  let edits = 0;
  const step = async (name, mode) => {
    await picking.evaluate(m => { window.picked.mode = m; }, mode);
    await cellOf(picking, 2, 1).click();
    await picking.keyboard.type(`145.${++edits}`);
    await picking.keyboard.press('Enter');
    await picking.keyboard.press('Escape');
    await button(picking, name).click();
  };
  await step('Save', 'ok');
  await picking.waitForFunction(() => document.getElementById('docName').textContent === 'picked 1.Zem');
  await step('Save', 'ok');
  await picking.waitForFunction(() => window.picked.written.length === 2);
  same(await picked(), {dialogs: 1, written: [1024, 1024]}, 'Save writes back to the chosen file');
  await step('Save as', 'ok');
  await picking.waitForFunction(() => document.getElementById('docName').textContent === 'picked 2.Zem');
  await step('Save as', 'abort');
  await picking.waitForFunction(() => window.picked.dialogs === 3);
  check(await isUnsaved(picking), 'a closed save dialog counted as saved');
  await step('Save', 'refuse');
  check((await answer(picking)).startsWith('Could not save picked 2.Zem: '), 'message of a refused write');
  check(await isUnsaved(picking), 'a refused write counted as saved');
  same(await picked(), {dialogs: 3, written: [1024, 1024, 1024]}, 'files written');
  // An opened file: Save writes back to it without asking where.
  await picking.evaluate(() => { window.picked.mode = 'ok'; });
  await button(picking, 'Open').click();
  same(await answer(picking, 'Discard'), 'Save the changes to picked 2.Zem?', 'question before Open');
  await picking.waitForFunction(() => document.getElementById('docName').textContent === 'opened.Zem');
  await step('Save', 'ok');
  await picking.waitForFunction(() => window.picked.written.length === 4);
  same(await picked(), {dialogs: 3, written: [1024, 1024, 1024, 1024]}, 'Save of an opened file');
  await clean(picking);
});

test('without WebAssembly the page says what is missing and where it works', async () => {
  const refuse = () => {
    const refusal = () => Promise.reject(new WebAssembly.CompileError("'wasm-unsafe-eval' is not an allowed source"));
    WebAssembly.instantiate = WebAssembly.instantiateStreaming = refusal;
  };
  for (const [script, missing] of [[() => { delete window.WebAssembly; }, 'does not run WebAssembly'],
                                    [refuse, 'wasm-unsafe-eval']]) {
    const page = await openPage({script}, 'failed');
    const alert = await page.getByRole('alert').textContent();
    check(alert.includes(missing) && alert.includes('Chrome') && alert.includes('Firefox'), `alert: ${alert}`);
    check(await button(page, 'Open').isDisabled(), 'Open still offered');
  }
});

// axe-core over every page of the window, light and dark.
async function axe(page, what) {
  await page.evaluate(fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8'));
  const found = await page.evaluate(async () => (await window.axe.run()).violations
    .map(v => `${v.id}: ${v.nodes.map(n => n.target.join(' ')).join(', ')}`));
  same(found, [], `axe-core, ${what}`);
}

test("every screen: a phone's width, dark mode, axe-core, one heading, help", async () => {
  const page = await openPage();
  same(await page.evaluate(() => [document.querySelectorAll('h1').length,
                                  document.querySelectorAll('header [role=toolbar]').length]), [1, 1], 'h1 and toolbar');
  // Before the mouse passes over a list, which changes the hint.
  same(await page.locator('#statusLine').textContent(), 'For help，please press F1', 'status hint');
  for (const scheme of ['light', 'dark']) {
    await page.emulateMedia({colorScheme: scheme});
    for (const tab of ['Channel Setting', 'Optional features', 'Key assignment']) {
      await page.getByRole('tab', {name: tab}).click();
      await axe(page, `${tab}, ${scheme}`);
    }
  }
  await page.emulateMedia({colorScheme: 'light'});
  // A phone: the options in one column, nothing past the right edge.
  await page.setViewportSize({width: 390, height: 844});
  await page.getByRole('tab', {name: 'Optional features'}).click();
  const fits = await page.evaluate(() => {
    const width = document.documentElement.clientWidth;
    const past = [...document.querySelectorAll('#page1 label, #page1 select, #page1 input, #page1 legend')]
      .filter(e => e.getBoundingClientRect().right > width).map(e => e.id || e.textContent);
    const [first, second] = document.querySelectorAll('#page1 .columns > div');
    return {scroll: document.documentElement.scrollWidth <= width, past,
            oneColumn: second.getBoundingClientRect().top >= first.getBoundingClientRect().bottom};
  });
  same(fits, {scroll: true, past: [], oneColumn: true}, 'Optional features at 390 px');
  await axe(page, '390 px');
  await page.setViewportSize({width: 1280, height: 800});
  // F1 opens the help of the page shown; Escape closes it.
  const helpShows = title => page.waitForFunction(t => {
    const help = document.getElementById('helpFrame').contentDocument;
    return help && help.readyState === 'complete' && help.title === t;
  }, title, {timeout: 5000});
  await page.keyboard.press('F1');
  await helpShows('Optional features');
  await page.keyboard.press('Escape');
  await page.locator('#helpBox').waitFor({state: 'hidden'});
  await button(page, 'Help').click();
  await helpShows('Zem Programming Software Help');
  await clean(page);
});

// The page's marked texts, as shown and as index.html has them.
const markedTexts = page => page.evaluate(async () => {
  const html = new DOMParser().parseFromString(await (await fetch('index.html')).text(), 'text/html');
  const marked = doc => [...doc.querySelectorAll('[data-tr], [data-tr-label], [data-tr-alt], [data-tr-title]')]
    .map(e => [e.dataset.tr && e.textContent, e.dataset.trLabel && e.getAttribute('aria-label'),
               e.dataset.trAlt && e.getAttribute('alt'), e.dataset.trTitle && e.getAttribute('title')]);
  return {shown: marked(document), html: marked(html)};
});

test("the page in the browser's language and the Language choice", async () => {
  // English: the texts exactly as index.html has them.
  const english = await openPage();
  const texts = await markedTexts(english);
  same(texts.shown, texts.html, 'English texts');
  await english.close();
  const browser = await chromium.launch({executablePath: '/usr/bin/chromium', headless: true,
                                         args: ['--no-sandbox', '--disable-gpu', '--lang=de-DE']});
  try {
    const inLocale = async locale => openPage(undefined, '1', await browser.newContext({locale}));
    const shown = page => page.evaluate(() => ({
      lang: document.documentElement.lang, dir: document.documentElement.dir,
      energy: document.getElementById('energy_check').parentNode.textContent.trim(),
      tab: document.getElementById('tab1').textContent, defaultSetting: document.querySelector('.default-setting').textContent,
      power: document.querySelector('#powerBox th').textContent}));
    const german = {lang: 'de', dir: 'ltr', energy: 'Akkuprüfung', tab: 'Zusatzfunktionen', defaultSetting: 'Werkseinstellung',
                    power: 'Frequenzbereich'};
    // A choice shows once its language's texts arrived, which sets the page's lang.
    const choose = async (page, code, lang) => {
      await page.selectOption('#language', code);
      await page.waitForFunction(l => document.documentElement.lang === l, lang);
    };
    const page = await inLocale('de-DE');
    same(await shown(page), german, 'German from the browser');
    same(await page.evaluate(() => [['zh-Hant-HK'], ['zh-TW'], ['zh'], ['pt-PT'], ['nl', 'uk-UA'], ['xx'], []]
      .map(tags => matchLanguage(tags))), ['zh_TW', 'zh_TW', 'zh_CN', 'pt_BR', 'uk', 'en', 'en'], "the browser's languages");
    await cellOf(page, 1, 1).focus();
    await page.keyboard.press('x');
    same(await answer(page), 'Bitte geben Sie eine Zahl ein', "a core's message");
    // Messages with values: each in the place the translation gives it, a
    // value that is itself a message translated too.
    const short = path.join(work, 'kurz ist keine.Zem');
    fs.writeFileSync(short, Buffer.alloc(10));
    await page.setInputFiles('#openFile', short);
    same(await answer(page), 'Die Datei „kurz ist keine.Zem“ ist keine Programmdatei: Sie enthält 10 Byte, eine ' +
         'Programmdatei enthält 1024.', 'a file that is not a program file');
    await cellOf(page, 1, 1).focus();
    await page.evaluate(() => {
      const data = new DataTransfer();
      data.setData('text/plain', 'abc');
      document.activeElement.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, bubbles: true}));
    });
    const refused = await answer(page);
    check(refused.startsWith('Kanal 1, ') && refused.endsWith(': „abc“: Ungültiges Datenformat. Bitte erneut eingeben.'),
          `a pasted value refused: ${refused}`);
    // The choice shows at once and stays on reload; System follows the browser again.
    await choose(page, 'en', 'en');
    same(await shown(page), {lang: 'en', dir: 'ltr', energy: 'Energy Check', tab: 'Optional features',
                             defaultSetting: 'Default Setting', power: 'Frequency Range'}, 'English chosen');
    await choose(page, 'es', 'es');
    await page.reload();
    await page.waitForSelector('body[data-ready="1"]');
    same(await page.evaluate(() => [document.documentElement.lang, document.getElementById('language').value]),
         ['es', 'es'], 'Español after reload');
    await page.keyboard.press('F1');
    await page.waitForFunction(() => /help\/es\/channel_table\.html$/.test(document.getElementById('helpFrame').src));
    await page.keyboard.press('Escape');
    await choose(page, '', 'de');
    same(await shown(page), german, 'System chosen');
    await clean(page);
    // Arabic: right to left, clean for axe-core.
    const arabic = await inLocale('ar-EG');
    same((await shown(arabic)).dir, 'rtl', 'Arabic direction');
    same((await shown(arabic)).energy, 'فحص البطارية', 'Arabic caption');
    await arabic.getByRole('tab', {name: 'الميزات الاختيارية'}).click();
    await axe(arabic, 'Arabic');
    await clean(arabic);
  } finally {
    await browser.close();
  }
});

test('Print prints the channel listing and nothing else', async () => {
  const file = craft('print.Zem', 1, 5);
  const page = await openPage({script: () => { window.print = () => { window.printed = (window.printed || 0) + 1; }; }});
  await openFile(page, file);
  await button(page, 'Print').click();
  await page.waitForFunction(() => window.printed === 1);
  await page.emulateMedia({media: 'print'});
  const expected = show(file);
  const shown = await page.evaluate(() => ({
    toolbar: document.querySelector('header').getBoundingClientRect().height,
    lines: [...document.querySelectorAll('#printListing tr')].map(tr => [...tr.cells].map(c => c.textContent))}));
  same(shown.toolbar, 0, 'toolbar printed');
  same(shown.lines[0], ['Ch', 'Receive', 'Transmit', 'QT/DQT DEC', 'QT/DQT ENC', 'Scan'], 'printed headings');
  same(shown.lines.slice(1), expected.channels.map(c => [String(c.ch), c.receive, c.transmit, c.decode, c.encode, c.scan]),
       'printed channels');
  check((await page.locator('#printListing').textContent()).includes(expected.type), 'printed type');
  await page.emulateMedia({media: 'screen'});
  await clean(page);
});

// ---- running ----------------------------------------------------------------
(async () => {
  const server = await serve();
  url = `http://127.0.0.1:${server.address().port}/`;
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zem-chromium-'));
  context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    acceptDownloads: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
  context.setDefaultTimeout(30000);
  // The first view: the page ready with the core loaded and the table drawn.
  const first = await openPage();
  const ready = await first.evaluate(() => performance.getEntriesByName('zem-ready')[0].startTime);
  // With the largest of the languages' texts, which the page loads beside English.
  const texts = fs.readdirSync(path.join(webDir, 'translations'))
    .map(name => fs.statSync(path.join(webDir, 'translations', name)).size);
  const bytes = ['index.html', 'style.css', 'texts.js', 'serial.js', 'dialogs.js', 'app.js', 'zem.js', 'zem.wasm']
    .reduce((sum, name) => sum + fs.statSync(path.join(webDir, name)).size, Math.max(...texts));
  console.log(`page: ${bytes} bytes with its WebAssembly (at most 1500000); first view ${Math.round(ready)} ms from ` +
              'localhost (at most 1000)');
  check(bytes <= 1500000, 'the page outgrew 1.5 MB');
  await first.close();

  // The silent radio waits out the radio's time-outs: it runs beside the others.
  const slow = cases.filter(c => c.name.startsWith('a silent'));
  const run = async c => {
    const start = Date.now();
    try {
      await c.run();
      console.log(`ok - ${c.name} (${((Date.now() - start) / 1000).toFixed(1)} s)`);
      return true;
    } catch (error) {
      console.log(`not ok - ${c.name}\n${error.stack || error}`);
      return false;
    }
  };
  const results = [...slow.map(run)];
  for (const c of cases.filter(c => !slow.includes(c))) results.push(await run(c));
  const outcomes = await Promise.all(results);
  const passed = outcomes.filter(Boolean).length;
  console.log(`${passed} passed, ${outcomes.length - passed} failed`);
  await context.close();
  server.close();
  for (const folder of [work, profile]) fs.rmSync(folder, {recursive: true, force: true});
  process.exit(passed === outcomes.length ? 0 : 1);
})();
