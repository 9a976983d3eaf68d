// The page's texts and the languages it speaks. Every text the page itself
// shows is listed here, marked for lupdate with its context: a text the
// window shows too keeps the window's context, so it has the window's
// translation; the page's own texts are in "WebPage". The translations come
// from translations/zemprog_<lang>.json (the window's .ts files, converted
// when the page is built); a text without a translation stays English, and
// English is the texts as written here.
'use strict';

// For lupdate a marked text; at run time the context and source text the
// translation is looked up by.
function QT_TRANSLATE_NOOP(context, source) { return {context: context, source: source}; }

const TEXTS = {
  title: QT_TRANSLATE_NOOP('WebPage', 'Zem Programming Software'),
  commands: QT_TRANSLATE_NOOP('WebPage', 'Commands'),
  newDocument: QT_TRANSLATE_NOOP('WebPage', 'New'),
  open: QT_TRANSLATE_NOOP('zem::gui::QtUserDialogs', 'Open'),
  save: QT_TRANSLATE_NOOP('WebPage', 'Save'),
  saveAs: QT_TRANSLATE_NOOP('WebPage', 'Save as'),
  undo: QT_TRANSLATE_NOOP('WebPage', 'Undo'),
  redo: QT_TRANSLATE_NOOP('WebPage', 'Redo'),
  importList: QT_TRANSLATE_NOOP('zem::gui::QtUserDialogs', 'Import channel list'),
  exportList: QT_TRANSLATE_NOOP('zem::gui::QtUserDialogs', 'Export channel list'),
  share: QT_TRANSLATE_NOOP('WebPage', 'Share as link'),
  read: QT_TRANSLATE_NOOP('zem::gui::CPowerSetDlg', 'Read'),
  write: QT_TRANSLATE_NOOP('zem::gui::CPowerSetDlg', 'Write'),
  verify: QT_TRANSLATE_NOOP('WebPage', 'Verify after write'),
  powerSet: QT_TRANSLATE_NOOP('zem::gui::PowerSetCommand', 'On Line Power Set'),
  compareRadio: QT_TRANSLATE_NOOP('WebPage', 'Compare with radio'),
  compareFile: QT_TRANSLATE_NOOP('WebPage', 'Compare with file'),
  history: QT_TRANSLATE_NOOP('zem::gui::RadioHistoryDialog', 'Radio history'),
  print: QT_TRANSLATE_NOOP('WebPage', 'Print'),
  help: QT_TRANSLATE_NOOP('zem::gui::WindowCommands', 'Help'),
  language: QT_TRANSLATE_NOOP('WebPage', 'Language'),
  system: QT_TRANSLATE_NOOP('zem::gui::MainWindow', 'System'),
  pages: QT_TRANSLATE_NOOP('WebPage', 'Pages'),
  channelSetting: QT_TRANSLATE_NOOP('zem::gui::CChannelPage', 'Channel Setting'),
  optionalFeatures: QT_TRANSLATE_NOOP('zem::gui::COptionPage', 'Optional features'),
  keyAssignment: QT_TRANSLATE_NOOP('zem::gui::CKeyPage', 'Key assignment'),
  typeSetting: QT_TRANSLATE_NOOP('zem::gui::CChannelPage', 'Type Setting'),
  type: QT_TRANSLATE_NOOP('zem::gui::CChannelPage', 'Type'),
  field: QT_TRANSLATE_NOOP('zem::gui::CChannelPage', 'Field'),
  defaultSetting: QT_TRANSLATE_NOOP('zem::gui::RadioPage', 'Default Setting'),
  keyPicture: QT_TRANSLATE_NOOP('WebPage', 'Picture of the radio\'s programmable keys: a handheld radio seen from the ' +
    'front, with red leader lines to its top key, the middle key high on its left side and the bottom key below it.'),
  printListing: QT_TRANSLATE_NOOP('WebPage', 'Channel listing for printing'),
  details: QT_TRANSLATE_NOOP('WebPage', 'Details'),
  progress: QT_TRANSLATE_NOOP('zem::gui::CProgressDlg', 'Progress:'),
  start: QT_TRANSLATE_NOOP('zem::gui::CProgressDlg', 'Start'),
  cancel: QT_TRANSLATE_NOOP('zem::gui::CProgressDlg', 'Cancel'),
  password: QT_TRANSLATE_NOOP('zem::gui::CPasswordDlg', 'Please input password'),
  ok: QT_TRANSLATE_NOOP('zem::gui::CAboutDlg', 'OK'),
  powerTitle: QT_TRANSLATE_NOOP('zem::gui::CPowerSetDlg', 'Zem Electronics Co., Ltd. On Line Power Setting'),
  frequencyRangeSetting: QT_TRANSLATE_NOOP('zem::gui::CPowerSetDlg', 'The Frequency Range Setting'),
  maximumFrequency: QT_TRANSLATE_NOOP('zem::gui::CPowerSetDlg', 'The Maximum Frequency  (MHZ)'),
  minimumFrequency: QT_TRANSLATE_NOOP('zem::gui::CPowerSetDlg', 'The Minimum Frequency (MHZ)'),
  frequencyRange: QT_TRANSLATE_NOOP('zem::gui::CPowerSetDlg', 'Frequency Range'),
  lowPower: QT_TRANSLATE_NOOP('zem::gui::CPowerSetDlg', 'Low Power Value'),
  highPower: QT_TRANSLATE_NOOP('zem::gui::CPowerSetDlg', 'High Power Value'),
  powerDefault: QT_TRANSLATE_NOOP('zem::gui::CPowerSetDlg', 'Default Setting'),
  exit: QT_TRANSLATE_NOOP('zem::gui::CPowerSetDlg', 'Exit'),
  differences: QT_TRANSLATE_NOOP('zem::gui::CompareDialog', 'Differences'),
  close: QT_TRANSLATE_NOOP('zem::gui::FleetDialog', 'Close'),
  radiosRead: QT_TRANSLATE_NOOP('zem::gui::RadioHistoryDialog', 'Radios read'),
  date: QT_TRANSLATE_NOOP('zem::gui::RadioHistoryDialog', 'Date'),
  time: QT_TRANSLATE_NOOP('zem::gui::RadioHistoryDialog', 'Time'),
  historyType: QT_TRANSLATE_NOOP('zem::gui::RadioHistoryDialog', 'Type'),
  band: QT_TRANSLATE_NOOP('zem::gui::RadioHistoryDialog', 'Band'),
  firstChannel: QT_TRANSLATE_NOOP('zem::gui::RadioHistoryDialog', 'First channel'),
  takenBy: QT_TRANSLATE_NOOP('zem::gui::RadioHistoryDialog', 'Taken by'),
  note: QT_TRANSLATE_NOOP('zem::gui::RadioHistoryDialog', 'Note'),
  deleteRead: QT_TRANSLATE_NOOP('WebPage', 'Delete'),
  helpPages: QT_TRANSLATE_NOOP('WebPage', 'Help pages'),
  dropHint: QT_TRANSLATE_NOOP('WebPage', 'Drop a program file (.Zem) to open it'),

  // The message boxes' buttons.
  retry: QT_TRANSLATE_NOOP('WebPage', 'Retry'),
  discard: QT_TRANSLATE_NOOP('WebPage', 'Discard'),
  yes: QT_TRANSLATE_NOOP('WebPage', 'Yes'),
  no: QT_TRANSLATE_NOOP('WebPage', 'No'),

  // What the page says.
  noSerial: QT_TRANSLATE_NOOP('WebPage', 'This browser cannot reach a serial cable. To read or write the radio, open ' +
    'this page in Chrome or Edge (version 89 or later) on a desktop computer; files can be opened, edited and saved here.'),
  hintGrid: QT_TRANSLATE_NOOP('zem::gui::RadioPage', 'Please Click the cell to edit or input data'),
  hintCombo: QT_TRANSLATE_NOOP('zem::gui::RadioPage', 'Please click the CommBox to choose value'),
  hintHelp: QT_TRANSLATE_NOOP('zem::gui::RadioPage', 'For help，please press F1'),
  noWasm: QT_TRANSLATE_NOOP('WebPage', 'This browser does not run WebAssembly, which the program\'s core needs, so ' +
    'nothing here can work. The page works in current Chrome, Edge, Firefox and Safari; reading and writing the radio ' +
    'needs Chrome or Edge (version 89 or later) on a desktop computer.'),
  wasmFailed: QT_TRANSLATE_NOOP('WebPage', 'The program\'s core (zem.wasm, WebAssembly) could not be loaded, so ' +
    'nothing here can work: %1. The browser or the site\'s policy may block WebAssembly. The page works in current ' +
    'Chrome, Edge, Firefox and Safari; reading and writing the radio needs Chrome or Edge (version 89 or later) on a ' +
    'desktop computer.'),
  downloaded: QT_TRANSLATE_NOOP('WebPage', '%1 was handed to the browser\'s downloads.\nDid the file save?'),
  saveFailed: QT_TRANSLATE_NOOP('WebPage', 'Could not save %1: %2'),
  saveChanges: QT_TRANSLATE_NOOP('zem::gui::QtUserDialogs', 'Save the changes to %1?'),
  programFile: QT_TRANSLATE_NOOP('WebPage', 'Program file'),
  programFileOrPlan: QT_TRANSLATE_NOOP('WebPage', 'Program file or plan'),
  linkCopied: QT_TRANSLATE_NOOP('WebPage', 'The link to this plan was copied to the clipboard. Whoever opens it sees ' +
    'the plan, ready for Write.'),
  linkNotCopied: QT_TRANSLATE_NOOP('WebPage', 'The browser did not let the page copy the link. Copy it from here:'),
  cellOfChannel: QT_TRANSLATE_NOOP('zem::gui::CellDelegate', '%1, channel %2'),
  blocksRead: QT_TRANSLATE_NOOP('WebPage', 'Read %1 of %2 blocks'),
  blocksWritten: QT_TRANSLATE_NOOP('WebPage', 'Wrote %1 of %2 blocks'),
  powerRead: QT_TRANSLATE_NOOP('zem::gui::PowerSetCommand', 'Read the power values from the radio'),
  powerWritten: QT_TRANSLATE_NOOP('zem::gui::PowerSetCommand', 'Written'),
  historyNotSaved: QT_TRANSLATE_NOOP('WebPage', 'Could not save the radio history.'),
  historyCompare: QT_TRANSLATE_NOOP('zem::gui::RadioHistoryDialog', 'Compare'),
  historyRead: QT_TRANSLATE_NOOP('zem::gui::RadioHistoryDialog', 'Read'),
  historyNote: QT_TRANSLATE_NOOP('WebPage', 'Note of the read of %1 %2'),
  historyKept: QT_TRANSLATE_NOOP('zem::gui::RadioHistoryDialog',
    'Every complete read from a radio, newest first (the newest %1 are kept).'),
  historyEmpty: QT_TRANSLATE_NOOP('zem::gui::RadioHistoryDialog', 'No radio has been read yet.'),
  historyDelete: QT_TRANSLATE_NOOP('zem::gui::RadioHistoryDialog', 'Delete the read of %1 %2 from the radio history?'),
};

// The languages by their own names, as the window's View -> Language lists
// them; '' follows the browser's languages.
const LANGUAGES = [['', ''], ['en', 'English'], ['zh_CN', '中文（简体）'], ['zh_TW', '中文（繁體）'], ['es', 'Español'],
                   ['pt_BR', 'Português (Brasil)'], ['ru', 'Русский'], ['uk', 'Українська'], ['de', 'Deutsch'],
                   ['fr', 'Français'], ['it', 'Italiano'], ['ja', '日本語'], ['pl', 'Polski'], ['ar', 'العربية']];
const RIGHT_TO_LEFT = ['ar'];
// The languages the help pages are written in besides English.
const HELP_LANGUAGES = ['zh_CN', 'es'];
const LANGUAGE_KEY = 'zemprog-language';

// The language of the first of the browser's languages the page speaks:
// Chinese in traditional characters by their script or the places that
// write them, simplified otherwise; every other language by itself alone.
function matchLanguage(tags) {
  for (const tag of tags || []) {
    const parts = String(tag).replace(/_/g, '-').split('-').map(part => part.toLowerCase());
    if (parts[0] === 'zh')
      return parts.some(part => ['hant', 'tw', 'hk', 'mo'].indexOf(part) >= 0) ? 'zh_TW' : 'zh_CN';
    const known = LANGUAGES.find(language => language[0] && language[0].split('_')[0] === parts[0]);
    if (known) return known[0];
  }
  return 'en';
}

// The language chosen in the page, '' for the browser's.
function chosenLanguage() {
  try {
    const code = localStorage.getItem(LANGUAGE_KEY) || '';
    return LANGUAGES.some(language => language[0] === code) ? code : '';
  } catch (error) {
    return '';
  }
}
function keepLanguage(code) {
  try {
    if (code) localStorage.setItem(LANGUAGE_KEY, code); else localStorage.removeItem(LANGUAGE_KEY);
  } catch (error) { /* the choice holds until the page closes */ }
}

const l10n = {code: 'en', texts: {}, any: null};

// Loads the texts of a language; English, or a file that does not arrive,
// leaves the page's own texts.
function loadLanguage(code) {
  const texts = code === 'en' ? Promise.resolve({}) :
    fetch('translations/zemprog_' + code + '.json').then(response => (response.ok ? response.json() : {}))
      .catch(() => ({}));
  return texts.then(found => {
    Object.assign(l10n, {code: code, texts: found || {}, any: null});
    document.documentElement.lang = code.replace('_', '-');
    document.documentElement.dir = RIGHT_TO_LEFT.indexOf(code) >= 0 ? 'rtl' : 'ltr';
  });
}

// A text's values in place of its %1, %2 ... in one pass, so a value that
// holds a % stays as it is.
function arg(text, values) {
  return text.replace(/%(\d)/g, (all, n) => (values[n - 1] === undefined ? all : String(values[n - 1])));
}

// A marked text in the language shown, with its values.
function tr(text, ...values) { return arg(trIn(text.context, text.source), values); }
function trIn(context, source) {
  const texts = l10n.texts[context];
  return (texts && texts[source]) || source;
}

// A text of the core's (a list entry, a heading, a title) in whichever
// context it was translated; the settings' own context first.
function trCore(source) {
  if (l10n.code === 'en' || !source) return source;
  if (!l10n.any) {
    l10n.any = new Map();
    const contexts = Object.keys(l10n.texts).sort((a, b) => (b === 'RadioSettings') - (a === 'RadioSettings'));
    for (const context of contexts)
      for (const [from, to] of Object.entries(l10n.texts[context])) if (!l10n.any.has(from)) l10n.any.set(from, to);
  }
  return l10n.any.has(source) ? l10n.any.get(source) : source;
}

// A core message as the core hands it over: {c: context, s: source, a:
// [values]}, each value a plain string or such a message again. Translated
// as the window does it: the source in its context, the places filled with
// the values, themselves translated when they are marked texts.
function trText(text) {
  if (typeof text === 'string') return text;
  return arg(trIn(text.c, text.s), (text.a || []).map(trText));
}

// What the core says in a message box: a core message (trText), a text it
// has only in English (looked up whole, trCore), or lines of those.
function trSaid(said) {
  if (Array.isArray(said)) return said.map(trSaid).join('\n');
  return typeof said === 'string' ? trCore(said) : trText(said);
}

// The texts shown by elements the page keeps: the page's marked HTML
// (data-tr: the text, data-tr-label: aria-label, data-tr-alt,
// data-tr-title) and what the script registers with showText; a change of
// language shows them anew.
const shownTexts = [];
function showText(element, make, attribute) {
  shownTexts.push({element: element, make: make, attribute: attribute});
  putText(element, make(), attribute);
}
function putText(element, text, attribute) {
  if (attribute) element.setAttribute(attribute, text); else element.textContent = text;
}
function translatePage() {
  const marks = [['tr', null], ['trLabel', 'aria-label'], ['trAlt', 'alt'], ['trTitle', 'title']];
  for (const element of document.querySelectorAll('[data-tr], [data-tr-label], [data-tr-alt], [data-tr-title]'))
    for (const [mark, attribute] of marks)
      if (element.dataset[mark]) putText(element, tr(TEXTS[element.dataset[mark]]), attribute);
  for (const shown of shownTexts) putText(shown.element, shown.make(), shown.attribute);
}

// The help page of a name in the language shown, English where none was written.
function helpPath(name) {
  return 'help/' + (HELP_LANGUAGES.indexOf(l10n.code) >= 0 ? l10n.code + '/' : '') + name;
}

// The language the page starts in.
const languageReady = loadLanguage(chosenLanguage() || matchLanguage(navigator.languages));
