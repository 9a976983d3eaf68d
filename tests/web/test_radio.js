// A radio on a serial cable, put in place of navigator.serial before the
// page loads: the same object shape as Web Serial (requestPort, getPorts, a
// SerialPort with open, readable, writable and close) and on the line the
// radio's side of the clone protocol, as zemsim's virtual radio answers it.
// config: {memory: [1024 bytes], silent: bool, dropWriteAt: address}.
// What happened is left in window.testRadio for the test to look at.
function installTestRadio(config) {
  const ACK = 0x06, READ = 0x52, WRITE = 0x57;
  const MAGIC = [...'wVKDTNE'].map(c => c.charCodeAt(0));
  const IDENTIFICATION = [...'ZEMSIM'].map(c => c.charCodeAt(0)).concat([1, 0]);
  const radio = {memory: Uint8Array.from(config.memory), opened: [], closed: 0, state: 'idle', matched: 0, frame: []};
  window.testRadio = radio;

  function wakeUp(byte, out) {
    if (byte !== MAGIC[radio.matched]) radio.matched = 0;
    if (byte !== MAGIC[radio.matched]) return;
    if (++radio.matched < MAGIC.length) return;
    radio.matched = 0;
    out.push(ACK);
    radio.state = 'identify';
  }
  function frameComplete(out) {
    const frame = radio.frame;
    radio.frame = [];
    radio.state = 'command';
    const address = frame[1] << 8 | frame[2];
    if (address + 8 > 1024) return;
    if (frame[0] === WRITE) {
      if (address !== config.dropWriteAt) radio.memory.set(frame.slice(4, 12), address);
      out.push(ACK);
      return;
    }
    out.push(WRITE, frame[1], frame[2], 8, ...radio.memory.slice(address, address + 8));
    radio.state = 'readAck';
  }
  function command(byte, out) {
    if (radio.frame.length === 0 && byte !== READ && byte !== WRITE) {
      radio.state = 'idle';  // the PC starts over with a wake-up
      wakeUp(byte, out);
      return;
    }
    radio.frame.push(byte);
    if (radio.frame.length < 4) return;
    if (radio.frame[3] !== 8) { radio.frame = []; return; }
    if (radio.frame[0] === WRITE) { radio.state = 'data'; return; }
    frameComplete(out);
  }
  function receive(byte) {
    const out = [];
    switch (radio.state) {
      case 'idle': wakeUp(byte, out); break;
      case 'identify':
        if (byte === 0x02) { out.push(...IDENTIFICATION); radio.state = 'finalAck'; }
        else { radio.state = 'idle'; wakeUp(byte, out); }
        break;
      case 'finalAck':
        if (byte === ACK) { out.push(ACK); radio.state = 'command'; }
        else { radio.state = 'idle'; wakeUp(byte, out); }
        break;
      case 'command': command(byte, out); break;
      case 'readAck':
        radio.state = 'command';
        if (byte === ACK) out.push(ACK); else command(byte, out);
        break;
      case 'data':
        radio.frame.push(byte);
        if (radio.frame.length === 12) frameComplete(out);
        break;
    }
    return config.silent ? [] : out;
  }

  let line = null;  // the readable stream's controller while the port is open
  const port = {
    readable: null,
    writable: null,
    async open(options) {
      if (this.readable) throw new DOMException('The port is already open.', 'InvalidStateError');
      radio.opened.push(options);
      Object.assign(radio, {state: 'idle', matched: 0, frame: []});
      this.readable = new ReadableStream({start(controller) { line = controller; }, cancel() { line = null; }});
      this.writable = new WritableStream({
        write(chunk) {
          for (const byte of chunk) {
            const out = receive(byte);
            if (out.length) setTimeout(() => { if (line) line.enqueue(Uint8Array.from(out)); }, 0);
          }
        },
      });
    },
    async close() { this.readable = null; this.writable = null; line = null; radio.closed += 1; },
    getInfo() { return {}; },
  };
  const serial = {
    async requestPort() { return port; },
    async getPorts() { return [port]; },
    addEventListener() {},
    removeEventListener() {},
  };
  Object.defineProperty(Navigator.prototype, 'serial', {configurable: true, get: () => serial});
}

module.exports = {installTestRadio};
