// The page's message boxes and the hooks the core calls while it runs: its
// messages with the window's buttons (OK, OK and Cancel, Retry and Cancel,
// Save, Discard and Cancel) and the progress of a radio exchange.
'use strict';

const BUTTONS = [[TEXTS.ok], [TEXTS.ok, TEXTS.cancel], [TEXTS.retry, TEXTS.cancel], [TEXTS.save, TEXTS.discard, TEXTS.cancel],
                 [TEXTS.yes, TEXTS.no]];
let messageOpen = Promise.resolve();
// Shows a message box; resolves with the index of the button chosen
// (Escape chooses the last one).
function messageBox(kind, text, detail) {
  const shown = messageOpen.then(() => new Promise(resolve => {
    const box = $('messageBox');
    const returnFocus = document.activeElement;
    $('messageText').textContent = text;
    $('messageDetail').textContent = detail || '';
    $('messageDetails').hidden = !detail;
    const buttons = $('messageButtons');
    buttons.textContent = '';
    const names = BUTTONS[kind];
    const close = index => {
      box.hidden = true;
      box.onkeydown = null;
      if (returnFocus && returnFocus.isConnected) returnFocus.focus();
      resolve(index);
    };
    names.forEach((name, index) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = tr(name);
      button.onclick = () => close(index);
      buttons.appendChild(button);
    });
    box.onkeydown = event => {
      if (event.key === 'Escape') { event.preventDefault(); event.stopPropagation(); close(names.length - 1); }
      trapTab(event, box);
    };
    box.hidden = false;
    buttons.firstChild.focus();
  }));
  messageOpen = shown.catch(() => {});
  return shown;
}
function notice(text) { return messageBox(0, text); }

function trapTab(event, box) {
  if (event.key !== 'Tab') return;
  const items = [...box.querySelectorAll('button:not([disabled]), summary, select, input:not([readonly])')];
  if (!items.length) return;
  const first = items[0], last = items[items.length - 1];
  if (event.shiftKey && document.activeElement === first) { event.preventDefault(); last.focus(); }
  else if (!event.shiftKey && document.activeElement === last) { event.preventDefault(); first.focus(); }
}

// What the core calls while it runs.
globalThis.zemPage = {
  // said and detail as the core's JSON (trSaid).
  async message(kind, said, detail) {
    return (await messageBox(kind, trSaid(JSON.parse(said)), trSaid(JSON.parse(detail)))) === 0;
  },
  status(text) { $('progressStatus').textContent = trCore(text); },
  progress(done, total) {
    const bar = $('progressBar');
    if (bar.value < BAR_MAXIMUM - 1) {
      bar.value += 1;
      $('progressStatus').textContent = tr(blockText, done, total);
    }
  },
  cancelled() { return !!(transfer && transfer.cancel); },
  phase(title, status) {
    blockText = TEXTS.blocksRead;
    $('progressTitle').textContent = trCore(title);
    $('progressBar').value = 0;
    $('progressStatus').textContent = trCore(status);
  },
};
