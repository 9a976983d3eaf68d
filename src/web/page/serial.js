// The serial port of the browser edition: the cable the user granted to the
// page through Web Serial. The core's serial port backend calls these
// functions and waits on their promises; what they do is what the desktop's
// serial driver does: open at 9600 baud 8N1, keep what arrives, discard it on
// purge, read with the port's time-outs, write, close.
'use strict';

// The cable the user granted; the core opens and closes it through zemSerial.
globalThis.zemSerial = {
  port: null, reader: null, writer: null, bytes: [], arrived: 0, wake: null, failed: false, lastError: '',

  async open() {
    this.bytes = []; this.failed = false; this.lastError = '';
    if (!this.port) { this.lastError = 'no serial port was chosen'; return 1; }
    try {
      await this.port.open({baudRate: 9600, dataBits: 8, stopBits: 1, parity: 'none'});
      this.writer = this.port.writable.getWriter();
      this.reader = this.port.readable.getReader();
    } catch (error) {
      this.lastError = error.message || String(error);
      // An unplugged or refused cable is asked for again at the next Start.
      this.port = null;
      return 1;
    }
    this.pump(this.reader);
    return 0;
  },

  async pump(reader) {
    try {
      for (;;) {
        const {value, done} = await reader.read();
        if (done) break;
        for (const byte of value) this.bytes.push(byte);
        this.arrived = performance.now();
        if (this.wake) this.wake();
      }
    } catch (error) {
      if (this.reader === reader) { this.failed = true; this.lastError = error.message || String(error); }
    }
    if (this.wake) this.wake();
  },

  purge() { this.bytes = []; },

  // How many bytes have arrived and not been read yet; never waits.
  waiting() { return this.bytes.length; },

  async write(data) {
    try { await this.writer.write(data); return true; }
    catch (error) { this.lastError = error.message || String(error); return false; }
  },

  // count bytes, or fewer once totalMs have passed or, after the first
  // byte, intervalMs went by without another.
  async read(count, totalMs, intervalMs) {
    const deadline = performance.now() + totalMs;
    let taken = [];
    for (;;) {
      taken = taken.concat(this.bytes.splice(0, count - taken.length));
      if (taken.length >= count) return {ok: true, bytes: taken};
      if (this.failed) return {ok: false, bytes: taken};
      const now = performance.now();
      let wait = deadline - now;
      if (taken.length > 0) wait = Math.min(wait, this.arrived + intervalMs - now);
      if (wait <= 0) return {ok: true, bytes: taken};
      await new Promise(resolve => {
        const timer = setTimeout(() => { this.wake = null; resolve(); }, wait);
        this.wake = () => { clearTimeout(timer); this.wake = null; resolve(); };
      });
    }
  },

  async close() {
    const reader = this.reader, writer = this.writer;
    this.reader = null; this.writer = null;
    try { if (reader) { await reader.cancel(); reader.releaseLock(); } } catch (error) { /* already gone */ }
    try { if (writer) { await writer.close(); } } catch (error) { /* already gone */ }
    try { if (writer) writer.releaseLock(); } catch (error) { /* already released */ }
    try { await this.port.close(); } catch (error) { /* unplugged */ }
  },
};
